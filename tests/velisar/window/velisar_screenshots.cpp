// Takes screenshots of the finder window in its main states, for a person to
// look at: typed input, a result list, the copy pop-up, the help panel on
// pages 3 and 5. Run under a real display (Xvfb):
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/velisar_screenshots <folder>
#include "finder_fixture.h"
#include "support/typing.h"
#include "velisar/window/velisar_fonts.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

namespace {

void settle() {
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(30);
    }
}

void save(QWidget& window, const QString& folder, const QString& name) {
    settle();
    const QRect frame = window.frameGeometry().adjusted(-8, -8, 8, 8);
    const QPixmap shot =
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = folder + u'/' + name + QStringLiteral(".png");
    if (!shot.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    mapVelisarFonts();
    if (argc != 2) {
        std::fprintf(stderr, "usage: velisar_screenshots <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    // No word processor: the window waits for typed input.
    FinderFixture finder;
    if (!finder.load())
        return 1;
    QuranWin& window = finder.window;
    save(window, folder, QStringLiteral("1-typed-input"));

    auto* text = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    text->setFocus();
    typeText(text, QStringLiteral("الرحمن الرحيم"));
    save(window, folder, QStringLiteral("2-typing"));
    QTest::keyClick(text, Qt::Key_Return);
    auto* list = window.findChild<QListWidget*>(QStringLiteral("QRsult"));
    list->setCurrentRow(2);
    save(window, folder, QStringLiteral("3-result-list"));

    const QRect row = list->visualItemRect(list->item(3));
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, row.center());
    save(window, folder, QStringLiteral("4-copy-popup"));
    QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                      QPoint(list->viewport()->width() - 5, list->viewport()->height() - 5));
    save(window, folder, QStringLiteral("5-copy-popup-corner"));

    window.Brisko_Cmd_Click();
    save(window, folder, QStringLiteral("6-help-page-5"));
    for (int page = 1; page <= 4; ++page) {
        window.findChild<QPushButton*>(QStringLiteral("Help_Cmd(%1)").arg(page))->click();
        save(window, folder, QStringLiteral("7-help-page-%1").arg(page));
    }
    window.findChild<QWidget*>(QStringLiteral("Help_Lab(4)"))->setFocus();
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Help_Lab(4)")), Qt::LeftButton);
    text->clear();
    text->setFocus();
    typeText(text, QStringLiteral("تداينتم"));
    QTest::keyClick(text, Qt::Key_Return);
    save(window, folder, QStringLiteral("8-long-row"));
    return 0;
}
