#include "finder_fixture.h"

#include "support/platform_noise.h"
#include "support/typing.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

FinderFixture::FinderFixture(const QString& programFolder)
    : FinderFixture(wordProcessor, programFolder) {}

FinderFixture::FinderFixture(WordProcessor& inUse, const QString& programFolder)
    : window(inUse, keyboard, {programFolder, lockDir.filePath(QStringLiteral("velisar.lock"))}) {
    // The window is raised and sized at every layout.
    dropPlatformWarnings();
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
