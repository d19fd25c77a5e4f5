#include "finder_fixture.h"

#include "support/typing.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

// The offscreen platform warns whenever a window is raised or sized; the
// window does both at every layout.
QtMessageHandler previousHandler = nullptr;

void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

} // namespace

FinderFixture::FinderFixture(const QString& programFolder)
    : FinderFixture(wordProcessor, programFolder) {}

FinderFixture::FinderFixture(WordProcessor& inUse, const QString& programFolder)
    : window(inUse, keyboard, {programFolder, lockDir.filePath(QStringLiteral("velisar.lock"))}) {
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(dropPlatformNoise);
    wordProcessor.running = false;
    window.setEndProgram([this] { ++ended; });
}

bool FinderFixture::load() {
    if (!window.Form_Load())
        return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void search(FinderFixture& f, const QString& query) {
    auto* text = f.control<QLineEdit>(QStringLiteral("Text1"));
    text->setFocus();
    text->selectAll();
    QTest::keyClick(text, Qt::Key_Delete);
    typeText(text, query);
    QTest::keyClick(text, Qt::Key_Return);
}

void doubleClick(QListWidget* list, int row) {
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}
