#include "common/twips_geometry.h"
#include "finder_fixture.h"
#include "support/message_box_watcher.h"
#include "support/typing.h"
#include "velisar/window/popup_placement.h"
#include "velisar/window/velisar_fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kFatihaQuery = QStringLiteral("الرحمن الرحيم");
// "الرحمن الرحيم" is in six verses.
constexpr int kFatihaRows = 6;

QPoint rowCentre(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

} // namespace

class TestQuranWin : public QObject {
    Q_OBJECT
private slots:
    void withoutWordProcessorTheWindowWaitsForTypedInput();
    void textBoxAcceptsOnlyWhatCanBeSearched_data();
    void textBoxAcceptsOnlyWhatCanBeSearched();
    void enterWithNothingToSearch_data();
    void enterWithNothingToSearch();
    void typedSearchListsTheVerses();
    void marksAndTatweelInTheBoxFindTheBareWord_data();
    void marksAndTatweelInTheBoxFindTheBareWord();
    void arabicKeyboardAtLoadOnly();
    void nothingFoundTellsTheUser();
    void downArrowMovesToTheList();
    void rightClickShowsTheCopyButtonForTheSelectedRow();
    void copyButtonStaysInsideTheWindow();
    void copyPopupPlacement_data();
    void copyPopupPlacement();
    void enterInTheListCopiesWithoutWordProcessor();
    void escInTheListEndsTheProgram();
    void escInTheTextBoxOnlyStops();
    void cancelStopsASearchThenRests();
    void minimiseAndRestoreOfAnAwakeWindowChangesNothing();
    void insertionRestsAndRestoreLooksUpAgain();
    void noDocumentAtDoubleClickRestsWithoutMinimising();
    void closeBoxEndsTheProgram();
    void rightClickOnTheBackgroundCentresTheHelpButton();
    void secondInstanceEndsSilently();
    void secondProgramEndsSilently();
    void missingDataFileEndsAfterTheMessage();
    void windowFontsMapToInstalledFaces();
};

void TestQuranWin::withoutWordProcessorTheWindowWaitsForTypedInput() {
    MessageBoxWatcher boxes;
    FinderFixture f;
    QVERIFY(f.load());
    QVERIFY(boxes.seen().isEmpty());
    QCOMPARE(f.window.Tag(), QStringLiteral("KRD"));
    QCOMPARE(f.window.windowTitle(), QStringLiteral(" QuranDesk - Velisar - إصدار رقم 1.0 "));
    QVERIFY(f.window.isVisible());
    QVERIFY(!(f.window.windowState() & Qt::WindowMinimized));

    QCOMPARE(f.window.formSize(), QSizeF(9500, 4955));
    auto* text = f.control<QLineEdit>(QStringLiteral("Text1"));
    auto* list = f.control<QListWidget>(QStringLiteral("QRsult"));
    QCOMPARE(twipsGeometry(text), QRectF(0, 460, 9400, 585));
    QCOMPARE(twipsGeometry(list), QRectF(0, 1045, 9400, 3550));
    QVERIFY(text->hasFocus());
    QVERIFY(list->isHidden());
    QVERIFY(f.control<QWidget>(QStringLiteral("Lab1"))->isHidden());
    QVERIFY(f.control<QWidget>(QStringLiteral("Copy_Aya_2Mem"))->isHidden());
    QVERIFY(f.control<QWidget>(QStringLiteral("Help_Pic"))->isHidden());

    const struct {
        const char* name;
        double left;
        const char* tip;
        bool enabled;
    } buttons[] = {{"Brisko_Cmd", 0, " Velisar ", true},
                   {"Cancel_Cmd", 997.5, "إلغاء البحث", true},
                   {"Start_Search", 1995, "إبدأ البحث", false}};
    for (const auto& b : buttons) {
        auto* button = f.control<QAbstractButton>(QString::fromLatin1(b.name));
        QCOMPARE(twipsGeometry(button), QRectF(b.left, 0, 997.5, 285));
        QVERIFY(button->isVisible());
        QCOMPARE(button->toolTip(), QString::fromUtf8(b.tip));
        QCOMPARE(button->isEnabled(), b.enabled);
    }

    // Centred on the screen, by its outer size.
    const double perPixel = twipsPerPixel(&f.window);
    const QRect screen = f.window.screen()->geometry();
    QCOMPARE(f.window.x(), qRound((screen.width() * perPixel - 9500) / 2 / perPixel));
    QCOMPARE(f.window.y(), qRound((screen.height() * perPixel - 4955) / 2 / perPixel));
}

void TestQuranWin::textBoxAcceptsOnlyWhatCanBeSearched_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Latin letters") << "abcXYZ"
                                   << "";
    QTest::newRow("digits") << "0123"
                            << "";
    QTest::newRow("ASCII punctuation") << ".,!?/"
                                       << "";
    QTest::newRow("Arabic-Indic digits") << "١٢٣"
                                         << "";
    QTest::newRow("Arabic words and a space") << "بسم الله"
                                              << "بسم الله";
    QTest::newRow("Arabic comma") << "قال، ثم"
                                  << "قال، ثم";
    QTest::newRow("asterisk") << "*"
                              << "*";
    QTest::newRow("mixed") << "aب1 ج."
                           << "ب ج";
}

void TestQuranWin::textBoxAcceptsOnlyWhatCanBeSearched() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    FinderFixture f;
    QVERIFY(f.load());
    auto* text = f.control<QLineEdit>(QStringLiteral("Text1"));
    typeText(text, typed);
    QCOMPARE(text->text(), shown);
    QCOMPARE(f.control<QWidget>(QStringLiteral("Start_Search"))->isEnabled(), !shown.isEmpty());

    typeText(text, QStringLiteral("ده"));
    QTest::keyClick(text, Qt::Key_Backspace);
    QCOMPARE(text->text(), shown + QStringLiteral("د"));
}

void TestQuranWin::enterWithNothingToSearch_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("spaces") << "   ";
    QTest::newRow("Latin and digits") << "abc 123";
    QTest::newRow("vowel marks") << "َُ";
}

void TestQuranWin::enterWithNothingToSearch() {
    QFETCH(QString, text);
    MessageBoxWatcher boxes;
    FinderFixture f;
    QVERIFY(f.load());
    auto* box = f.control<QLineEdit>(QStringLiteral("Text1"));
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QString());
    QVERIFY(box->hasFocus());
    QVERIFY(f.control<QWidget>(QStringLiteral("QRsult"))->isHidden());
    QVERIFY(!f.control<QWidget>(QStringLiteral("Start_Search"))->isEnabled());
    QVERIFY(boxes.seen().isEmpty());
}

void TestQuranWin::typedSearchListsTheVerses() {
    MessageBoxWatcher boxes;
    FinderFixture f;
    QVERIFY(f.load());
    search(f, kFatihaQuery);

    auto* list = f.control<QListWidget>(QStringLiteral("QRsult"));
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), kFatihaRows);
    QVERIFY(list->item(0)->text().endsWith(QStringLiteral("} (1) سورة الفاتحة")));
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(list->hasFocus());
    QCOMPARE(f.control<QLabel>(QStringLiteral("Search_Count"))->text(),
             QStringLiteral("عدد النتائج : 6"));
    QCOMPARE(f.control<QLabel>(QStringLiteral("EsmASora_Lab"))->text(),
             QStringLiteral("1- (1) سورة الفاتحة"));
    QCOMPARE(f.control<QLineEdit>(QStringLiteral("Text1"))->text(),
             QStringLiteral("100%   ") + kFatihaQuery);
    QVERIFY(f.control<QWidget>(QStringLiteral("Lab1"))->isHidden());
    QCOMPARE(f.window.formSize(), QSizeF(9500, 4955));
    QCOMPARE(twipsGeometry(list), QRectF(0, 1045, 9400, 3550));
    QCOMPARE(f.control<QWidget>(QStringLiteral("Cancel_Cmd"))->toolTip(),
             QStringLiteral("إلغاءالبحث"));
    QVERIFY(f.control<QWidget>(QStringLiteral("Start_Search"))->isEnabled());
    QVERIFY(f.control<QWidget>(QStringLiteral("Brisko_Cmd"))->isEnabled());
    QVERIFY(boxes.seen().isEmpty());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 2));
    QCOMPARE(f.control<QLabel>(QStringLiteral("EsmASora_Lab"))->text(),
             QStringLiteral("3- (163) سورة البقرة"));
}

void TestQuranWin::marksAndTatweelInTheBoxFindTheBareWord_data() {
    QTest::addColumn<QString>("pasted");
    QTest::newRow("tatweel") << QStringLiteral("الحـج");
    QTest::newRow("vowel marks and shadda") << QStringLiteral("الحَجِّ");
    QTest::newRow("marks, tatweel, Latin and digits") << QStringLiteral(" Hajj الحَـجُّ 2:196 ");
}

void TestQuranWin::marksAndTatweelInTheBoxFindTheBareWord() {
    // Text put into the box whole, as a paste does, past the key filter.
    QFETCH(QString, pasted);
    FinderFixture f;
    QVERIFY(f.load());
    auto* list = f.control<QListWidget>(QStringLiteral("QRsult"));
    const auto rows = [list] {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
        return texts;
    };
    search(f, QStringLiteral("الحج"));
    const QStringList bare = rows();
    QVERIFY(bare.size() > 5);

    auto* box = f.control<QLineEdit>(QStringLiteral("Text1"));
    box->setText(pasted);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(rows(), bare);
    QCOMPARE(box->text(), QStringLiteral("100%   الحج"));
}

void TestQuranWin::arabicKeyboardAtLoadOnly() {
    FinderFixture f;
    f.wordProcessor.running = true;
    f.wordProcessor.setDocument(QStringLiteral("الرَّحِيمِ"));
    f.wordProcessor.select(0, f.wordProcessor.text().size());
    QVERIFY(f.load());
    QCOMPARE(f.keyboard.switches, 1);
    // The insertion rests the window; the wake-up looks up again without
    // switching the layout.
    doubleClick(f.control<QListWidget>(QStringLiteral("QRsult")), 0);
    QTRY_COMPARE(f.window.Tag(), QStringLiteral("Allah1"));
    f.window.setWindowState(Qt::WindowNoState);
    QCOMPARE(f.window.Tag(), QStringLiteral("KRD"));
    QVERIFY(f.control<QListWidget>(QStringLiteral("QRsult"))->count() >= 1);
    QCOMPARE(f.keyboard.switches, 1);
}

void TestQuranWin::nothingFoundTellsTheUser() {
    MessageBoxWatcher boxes;
    FinderFixture f;
    QVERIFY(f.load());
    search(f, QStringLiteral("ظظظ"));

    QCOMPARE(boxes.seen().size(), 1);
    const MessageBoxWatcher::Seen box = boxes.seen().first();
    QCOMPARE(box.title, QStringLiteral("Velisar"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.text,
             QStringLiteral("عفواً ... النص الذي كتبته \"ظظظ\" غير موجود\n\nحاول مرة أخرى ..."));
    QVERIFY(box.alignment & Qt::AlignRight);
    QCOMPARE(box.direction, Qt::RightToLeft);

    auto* text = f.control<QLineEdit>(QStringLiteral("Text1"));
    QCOMPARE(text->text(), QStringLiteral("ظظظ"));
    QVERIFY(text->isEnabled());
    QVERIFY(text->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QVERIFY(text->hasFocus());
    QVERIFY(f.control<QWidget>(QStringLiteral("QRsult"))->isHidden());
}

void TestQuranWin::downArrowMovesToTheList() {
    FinderFixture f;
    QVERIFY(f.load());
    search(f, kFatihaQuery);
    auto* text = f.control<QLineEdit>(QStringLiteral("Text1"));
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Down);
    QVERIFY(f.control<QWidget>(QStringLiteral("QRsult"))->hasFocus());
}

void TestQuranWin::rightClickShowsTheCopyButtonForTheSelectedRow() {
    FinderFixture f;
    QVERIFY(f.load());
    search(f, kFatihaQuery);
    auto* list = f.control<QListWidget>(QStringLiteral("QRsult"));
    auto* copy = f.control<QPushButton>(QStringLiteral("Copy_Aya_2Mem"));
    QCOMPARE(copy->text(), QStringLiteral("&نسخ"));
    QCOMPARE(copy->toolTip(), QStringLiteral(" نسخ الآية إلى الذاكرة "));
    list->setCurrentRow(1);

    const QPoint at = rowCentre(list, 3);
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
    QVERIFY(copy->isVisible());
    QVERIFY(copy->hasFocus());
    QCOMPARE(list->currentRow(), 1);
    // Its top left corner is at the mouse.
    const QPoint inWindow = list->viewport()->mapTo(&f.window, at);
    QVERIFY(qAbs(copy->pos().x() - inWindow.x()) <= 1);
    QVERIFY(qAbs(copy->pos().y() - inWindow.y()) <= 1);

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::mouseClick(copy, Qt::LeftButton);
    QVERIFY(copy->isHidden());
    QCOMPARE(QGuiApplication::clipboard()->text(), list->item(1)->text());

    // Any click on the list hides it again.
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
    QVERIFY(copy->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(copy->isHidden());
}

void TestQuranWin::copyButtonStaysInsideTheWindow() {
    FinderFixture f;
    QVERIFY(f.load());
    search(f, kFatihaQuery);
    auto* list = f.control<QListWidget>(QStringLiteral("QRsult"));
    auto* copy = f.control<QWidget>(QStringLiteral("Copy_Aya_2Mem"));
    const QWidget* viewport = list->viewport();

    const QPoint corner(viewport->width() - 2, viewport->height() - 2);
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, corner);
    QVERIFY(copy->isVisible());
    QVERIFY(f.window.rect().contains(copy->geometry()));
    // Above the mouse, and pulled in from the right edge.
    QVERIFY(copy->geometry().bottom() <= viewport->mapTo(&f.window, corner).y());
    QCOMPARE(twipsGeometry(copy).left(), 9500.0 - 1815 - 100);
}

void TestQuranWin::copyPopupPlacement_data() {
    QTest::addColumn<QPointF>("mouse");
    QTest::addColumn<QPointF>("topLeft");
    // A list at 1045 in the 9500 x 4955 window; drawn part 9400 x 4595.
    QTest::newRow("middle of the list") << QPointF(2000, 1000) << QPointF(2000, 2045);
    QTest::newRow("top left corner") << QPointF(0, 0) << QPointF(0, 1045);
    QTest::newRow("near the bottom: above the mouse") << QPointF(2000, 3300) << QPointF(2000, 3805);
    QTest::newRow("low, but the rule keeps it under: pulled up into the window")
        << QPointF(2000, 3100) << QPointF(2000, 4595 - 540);
    QTest::newRow("near the right edge") << QPointF(8000, 1000) << QPointF(7585, 2045);
    QTest::newRow("bottom right corner") << QPointF(9390, 3540) << QPointF(7585, 4045);
}

void TestQuranWin::copyPopupPlacement() {
    QFETCH(QPointF, mouse);
    QFETCH(QPointF, topLeft);
    QCOMPARE(copyPopupTopLeft(mouse, 1045, {1815, 540}, {9500, 4955}, {9400, 4595}), topLeft);
}

void TestQuranWin::enterInTheListCopiesWithoutWordProcessor() {
    FinderFixture f;
    QVERIFY(f.load());
    search(f, kFatihaQuery);
    auto* list = f.control<QListWidget>(QStringLiteral("QRsult"));
    list->setCurrentRow(4);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), list->item(4)->text());
    QCOMPARE(f.window.Tag(), QStringLiteral("KRD"));

    doubleClick(list, 5);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), list->item(5)->text());
}

void TestQuranWin::escInTheListEndsTheProgram() {
    FinderFixture f;
    QVERIFY(f.load());
    search(f, kFatihaQuery);
    QTest::keyClick(f.control<QWidget>(QStringLiteral("QRsult")), Qt::Key_Escape);
    QCOMPARE(f.ended, 1);
    QVERIFY(f.window.isHidden());
}

void TestQuranWin::escInTheTextBoxOnlyStops() {
    MessageBoxWatcher boxes;
    FinderFixture f;
    QVERIFY(f.load());
    auto* text = f.control<QLineEdit>(QStringLiteral("Text1"));
    typeText(text, QStringLiteral("الرحيم"));
    QTest::keyClick(text, Qt::Key_Escape);
    QCOMPARE(f.ended, 0);
    QVERIFY(f.window.isVisible());
    QCOMPARE(text->text(), QStringLiteral("الرحيم"));

    // The request to stop was for no search; the next one runs to its end.
    QTest::keyClick(text, Qt::Key_Return);
    QVERIFY(f.control<QListWidget>(QStringLiteral("QRsult"))->count() > kFatihaRows);
    QVERIFY(boxes.seen().isEmpty());
}

void TestQuranWin::cancelStopsASearchThenRests() {
    MessageBoxWatcher boxes;
    FinderFixture f;
    QVERIFY(f.load());
    auto* list = f.control<QListWidget>(QStringLiteral("QRsult"));
    auto* cancel = f.control<QAbstractButton>(QStringLiteral("Cancel_Cmd"));

    // Cancel is pressed while the search yields, once it has listed a few.
    bool pressed = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (!pressed && list->count() >= 3) {
            pressed = true;
            QCOMPARE(cancel->toolTip(), QStringLiteral("إيقاف البحث"));
            QVERIFY(!f.control<QWidget>(QStringLiteral("Start_Search"))->isEnabled());
            cancel->click();
        }
    });
    watch.start(0);
    search(f, QStringLiteral("الله"));
    watch.stop();
    QVERIFY(pressed);

    QVERIFY(boxes.seen().isEmpty());
    QVERIFY(list->isVisible());
    QVERIFY(list->count() >= 3);
    QVERIFY(list->count() < 100); // the word is in far more verses
    QCOMPARE(f.window.Tag(), QStringLiteral("KRD"));
    QVERIFY(!(f.window.windowState() & Qt::WindowMinimized));

    cancel->click();
    QCOMPARE(f.window.Tag(), QStringLiteral("Allah1"));
    QVERIFY(f.window.windowState() & Qt::WindowMinimized);
    QVERIFY(list->isHidden());
    QCOMPARE(list->count(), 0);
    QCOMPARE(f.control<QLineEdit>(QStringLiteral("Text1"))->text(), QString());
    QCOMPARE(f.control<QLabel>(QStringLiteral("Search_Count"))->text(), QString());
    QCOMPARE(f.ended, 0);
}

void TestQuranWin::minimiseAndRestoreOfAnAwakeWindowChangesNothing() {
    FinderFixture f;
    f.wordProcessor.running = true; // with nothing selected: typed input
    f.wordProcessor.setDocument(QStringLiteral("نص"));
    QVERIFY(f.load());
    search(f, kFatihaQuery);
    const int attaches = f.wordProcessor.attachCount;
    auto* list = f.control<QListWidget>(QStringLiteral("QRsult"));
    list->setCurrentRow(3);

    f.window.setWindowState(Qt::WindowMinimized);
    f.window.setWindowState(Qt::WindowNoState);
    QCOMPARE(f.wordProcessor.attachCount, attaches);
    QCOMPARE(f.window.Tag(), QStringLiteral("KRD"));
    QCOMPARE(list->count(), kFatihaRows);
    QCOMPARE(list->currentRow(), 3);
    QCOMPARE(f.control<QLineEdit>(QStringLiteral("Text1"))->text(),
             QStringLiteral("100%   ") + kFatihaQuery);
}

void TestQuranWin::insertionRestsAndRestoreLooksUpAgain() {
    MessageBoxWatcher boxes;
    FinderFixture f;
    const QString before = QStringLiteral("قال: ");
    f.wordProcessor.running = true;
    f.wordProcessor.setDocument(before + QStringLiteral("الرَّحِيمِ"));
    f.wordProcessor.select(before.size(), f.wordProcessor.text().size());
    QVERIFY(f.load());

    auto* list = f.control<QListWidget>(QStringLiteral("QRsult"));
    QVERIFY(list->count() > kFatihaRows);
    const QString entry = list->item(0)->text();
    doubleClick(list, 0);
    QTRY_COMPARE(f.window.Tag(), QStringLiteral("Allah1"));
    QCOMPARE(f.wordProcessor.text(), before + QStringLiteral("  ") + entry + u' ');
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("  ") + entry + u' ');
    QVERIFY(f.window.windowState() & Qt::WindowMinimized);
    QVERIFY(list->isHidden());
    QCOMPARE(list->count(), 0);
    QCOMPARE(f.control<QLineEdit>(QStringLiteral("Text1"))->text(), QString());

    // The user selects other words, then calls the window up again.
    f.wordProcessor.setDocument(QStringLiteral("قُلْ هُوَ اللَّهُ أَحَدٌ"));
    f.wordProcessor.select(0, f.wordProcessor.text().size());
    f.window.setWindowState(Qt::WindowNoState);
    QCOMPARE(f.window.Tag(), QStringLiteral("KRD"));
    QCOMPARE(list->count(), 1);
    QVERIFY(list->item(0)->text().endsWith(QStringLiteral("(1) سورة الإخلاص")));
    QVERIFY(boxes.seen().isEmpty());
}

void TestQuranWin::noDocumentAtDoubleClickRestsWithoutMinimising() {
    FinderFixture f;
    f.wordProcessor.running = true;
    f.wordProcessor.setDocument(QStringLiteral("الرحيم"));
    f.wordProcessor.select(0, 6);
    QVERIFY(f.load());
    auto* list = f.control<QListWidget>(QStringLiteral("QRsult"));
    QVERIFY(list->count() > 0);

    f.wordProcessor.documents = 0;
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.window.Tag(), QStringLiteral("Allah1"));
    QVERIFY(!(f.window.windowState() & Qt::WindowMinimized));
    QVERIFY(f.window.isVisible());
    QCOMPARE(f.wordProcessor.text(), QStringLiteral("الرحيم"));
}

void TestQuranWin::closeBoxEndsTheProgram() {
    FinderFixture f;
    QVERIFY(f.load());
    f.window.close();
    QCOMPARE(f.ended, 1);
    QVERIFY(f.window.isHidden());
}

void TestQuranWin::rightClickOnTheBackgroundCentresTheHelpButton() {
    FinderFixture f;
    QVERIFY(f.load());
    auto* help = f.control<QWidget>(QStringLiteral("Brisko_Cmd"));
    const QPoint empty(f.window.width() / 2, f.window.height() - 20);
    QTest::mouseClick(&f.window, Qt::RightButton, {}, empty);
    QCOMPARE(twipsGeometry(help), QRectF((9500 - 997.5) / 2, 60, 997.5, 285));
    QVERIFY(help->isVisible());
    QVERIFY(help->hasFocus());

    QTest::mouseClick(&f.window, Qt::LeftButton, {}, empty);
    QCOMPARE(twipsGeometry(help), QRectF(0, 0, 997.5, 285));
}

void TestQuranWin::secondInstanceEndsSilently() {
    MessageBoxWatcher boxes;
    FinderFixture f;
    QLockFile first(f.lockFilePath());
    QVERIFY(first.tryLock(0));
    QVERIFY(!f.window.Form_Load());
    QVERIFY(f.window.isHidden());
    QCOMPARE(f.window.Tag(), QString());
    QTest::qWait(50);
    QVERIFY(boxes.seen().isEmpty());

    first.unlock();
    QVERIFY(f.load());
}

void TestQuranWin::secondProgramEndsSilently() {
    QTemporaryDir runtime;
    QLockFile first(runtime.filePath(QStringLiteral("velisar.lock")));
    QVERIFY(first.tryLock(0));
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(PROGRAM_DIR "/velisar"), {});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
}

void TestQuranWin::missingDataFileEndsAfterTheMessage() {
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(PROGRAM_DIR "/VelisarT.KRD"),
                        folder.filePath(QStringLiteral("VelisarT.KRD"))));
    MessageBoxWatcher boxes;
    FinderFixture f(folder.path());
    QVERIFY(!f.window.Form_Load());
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().title, QStringLiteral("Velisar"));
    QCOMPARE(boxes.seen().first().text, QStringLiteral("2\n\nملف البحث غير متوفر"));
    QCOMPARE(boxes.seen().first().icon, QMessageBox::Critical);
    QCOMPARE(f.ended, 1);
    QVERIFY(f.window.isHidden());
}

void TestQuranWin::windowFontsMapToInstalledFaces() {
    mapVelisarFonts();
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Traditional Arabic"))).family(),
             QStringLiteral("Amiri"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Simplified Arabic"))).family(),
             QStringLiteral("Noto Sans Arabic"));
}

QTEST_MAIN(TestQuranWin)
#include "test_quran_win.moc"
