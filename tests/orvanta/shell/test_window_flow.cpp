#include "fake_sound_player.h"
#include "orvanta/browser/back_to_results.h"
#include "orvanta/browser/browser_window.h"
#include "orvanta/search/find_dialog.h"
#include "orvanta/search/results_window.h"
#include "orvanta/shell/about_box.h"
#include "orvanta/shell/font_dialog.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/program_end.h"
#include "orvanta/shell/start_screen.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/shell/window_flow.h"
#include "orvanta/store/app_dir.h"
#include "orvanta/store/user_files.h"
#include "orvanta/store/verse_file.h"
#include "support/message_box_watcher.h"
#include "support/platform_noise.h"
#include "support/recording_desktop.h"
#include "support/show_active.h"
#include "touch_file.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QStringList kMainWindows = {"Form1", "Form2", "Form3", "frmFind", "hola"};

} // namespace

class TestWindowFlow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void startUpOrder_data();
    void startUpOrder();
    void greetingOnFirstActivationOnly();
    void endDuringTheFirstWait();
    void searchDuringTheFirstWait();
    void flow_data();
    void flow();
    void ownedWindows();
    void placedOnFirstShow();
    void aboutBoxTwiceIsOneWindow();
    void helpFromTheMenu();
    void fontDialogReachesBothVerseBoxes();

private:
    void start();
    void startAndSettle();
    void step(const QString& name);
    QStringList visibleWindows() const;
    ResultsWindow* form1() const { return flow_->Form1(); }
    BrowserWindow* form2() const { return flow_->Form2(); }
    StartScreen* form3() const { return flow_->Form3(); }

    FakeSoundPlayer* player_ = nullptr; // owned by the flow
    std::unique_ptr<WindowFlow> flow_;
    int ends_ = 0;
    QTemporaryDir noData_;
    RecordingDesktop desktop_;
};

void TestWindowFlow::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    InstallFontSubstitutions();
    dropPlatformWarnings();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop_, "open");
}

void TestWindowFlow::cleanupTestCase() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestWindowFlow::init() {
    SetAppDir(QStringLiteral(PROGRAM_DIR));
    QFile::remove(FontFilePath());
    QFile::remove(ResultsFilePath());
    QFile::remove(LeftoverInstallerPath());
    BackToResults = 0;
    ends_ = 0;
    desktop_.opened.clear();
    SetProgramEndAction([this] { ++ends_; });
}

void TestWindowFlow::cleanup() {
    flow_.reset();
    player_ = nullptr;
}

void TestWindowFlow::start() {
    auto player = std::make_unique<FakeSoundPlayer>();
    player_ = player.get();
    flow_ = std::make_unique<WindowFlow>(std::move(player));
    flow_->Start();
}

// Starts the program and lets its first activation run to its end.
void TestWindowFlow::startAndSettle() {
    start();
    QTRY_COMPARE(flow_->Steps().Activations(), 1);
    QTRY_VERIFY(flow_->Steps().GreetingDone());
}

QStringList TestWindowFlow::visibleWindows() const {
    QStringList names;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && kMainWindows.contains(w->objectName()))
            names.append(w->objectName());
    }
    names.sort();
    return names;
}

void TestWindowFlow::step(const QString& name) {
    const QMap<QString, QAction*> menu = {{"en", form1()->Menu().en},
                                          {"fik", form1()->Menu().fik},
                                          {"fis", form1()->Menu().fis},
                                          {"he", form1()->Menu().he}};
    if (name == "إنهاء")
        QTest::mouseClick(form3()->Picture2(0), Qt::LeftButton);
    else if (name == "بحث")
        QTest::mouseClick(form3()->Picture2(1), Qt::LeftButton);
    else if (name == "تصفح")
        QTest::mouseClick(form3()->Picture2(2), Qt::LeftButton);
    else if (menu.contains(name))
        menu[name]->trigger();
    else if (name == "رجوع")
        QTest::mouseClick(form2()->Controls().Picture2[1], Qt::LeftButton);
    else if (name == "إغلاق frmFind")
        QTest::mouseClick(form1()->FindDialogShown()->Controls().Picture2_0, Qt::LeftButton);
    else if (name == "موافق")
        QTest::mouseClick(flow_->hola()->Command1(), Qt::LeftButton);
    else if (name == "close Form1")
        form1()->close();
    else if (name == "close Form2")
        form2()->close();
    else if (name == "close Form3")
        form3()->close();
    else if (name == "results")
        form1()->AddResults({QStringLiteral("الفاتحة :آية 1")}, {QStringLiteral("1")});
    else if (name == "en enabled")
        form1()->Menu().en->setEnabled(true);
    else
        QFAIL(qPrintable("no such step: " + name));
    // Activations and what a close leaves behind are handled as events.
    QTest::qWait(50);
}

// Form3's loading creates the browser, its first sizing the results window,
// both hidden; the results window's loading checks the verse file. All that
// happens before the start screen's first activation.
void TestWindowFlow::startUpOrder_data() {
    QTest::addColumn<bool>("verseFile");
    QTest::newRow("verse file present: no message") << true;
    QTest::newRow("verse file missing: the message, once") << false;
}

void TestWindowFlow::startUpOrder() {
    QFETCH(bool, verseFile);
    if (!verseFile)
        SetAppDir(noData_.path());
    MessageBoxWatcher boxes;
    start();
    QVERIFY(form2() && form2()->isHidden());
    QVERIFY(form1() && form1()->isHidden());
    QVERIFY(form3()->isVisible());
    QCOMPARE(flow_->Steps().Activations(), 0);
    QCOMPARE(boxes.seen().size(), verseFile ? 0 : 1);
    if (!verseFile) {
        QCOMPARE(boxes.seen().first().title, kMissingVerseFileTitle);
        QCOMPARE(boxes.seen().first().text, kMissingVerseFileText);
        QCOMPARE(boxes.seen().first().direction, Qt::RightToLeft);
        QVERIFY(QStyle::visualAlignment(Qt::RightToLeft, boxes.seen().first().alignment) &
                Qt::AlignRight);
    }
    QTRY_VERIFY(flow_->Steps().GreetingDone());
    QCOMPARE(boxes.seen().size(), verseFile ? 0 : 1);
    // Without the verse file the greeting is looked for in the current folder.
    const QString sound = verseFile ? QStringLiteral(PROGRAM_DIR "/besm.WAV")
                                    : QDir::current().absoluteFilePath(QStringLiteral("besm.WAV"));
    QCOMPARE(player_->played, QStringList{sound});
}

void TestWindowFlow::greetingOnFirstActivationOnly() {
    QVERIFY(touch(LeftoverInstallerPath()));
    startAndSettle();
    QCOMPARE(player_->played.size(), 1);
    QVERIFY(!QFile::exists(LeftoverInstallerPath()));

    // Focus going to another window of the program and coming back: the
    // wait and the deletion again, but no second greeting.
    QVERIFY(touch(LeftoverInstallerPath()));
    QWidget other;
    QVERIFY(showActive(other));
    form3()->activateWindow();
    QTRY_COMPARE(flow_->Steps().Activations(), 2);
    QTRY_VERIFY(!QFile::exists(LeftoverInstallerPath()));
    QCOMPARE(player_->played.size(), 1);
    QCOMPARE(ends_, 0);
}

// "إنهاء" during the first half-second ends the program there and then:
// no greeting, no deletion, every window gone.
void TestWindowFlow::endDuringTheFirstWait() {
    QVERIFY(touch(LeftoverInstallerPath()));
    bool inWait = false;
    QTimer::singleShot(150, this, [&] {
        inWait = flow_->Steps().Activations() == 1 && !flow_->Steps().GreetingDone();
        QTest::mouseClick(form3()->Picture2(0), Qt::LeftButton);
    });
    start();
    QTRY_COMPARE(ends_, 1);
    QVERIFY(inWait);
    QVERIFY(ProgramEnding());
    QTest::qWait(600);
    QVERIFY(player_->played.isEmpty());
    QVERIFY(!flow_->Steps().GreetingDone());
    QVERIFY(QFile::exists(LeftoverInstallerPath()));
    QVERIFY(visibleWindows().isEmpty());
    QCOMPARE(ends_, 1);
}

// "بحث" during the first half-second opens the results window and the
// search dialog at once; the greeting still sounds when the wait is over.
void TestWindowFlow::searchDuringTheFirstWait() {
    QStringList shownAtOnce;
    bool inWait = false;
    QTimer::singleShot(150, this, [&] {
        inWait = flow_->Steps().Activations() == 1 && !flow_->Steps().GreetingDone();
        QTest::mouseClick(form3()->Picture2(1), Qt::LeftButton);
        shownAtOnce = visibleWindows();
    });
    start();
    QTRY_VERIFY(flow_->Steps().GreetingDone());
    QVERIFY(inWait);
    QCOMPARE(shownAtOnce, (QStringList{"Form1", "frmFind"}));
    QCOMPARE(player_->played, QStringList{QStringLiteral(PROGRAM_DIR "/besm.WAV")});
    QCOMPARE(player_->stops, 1); // the start screen's closing, before the greeting
    QCOMPARE(ends_, 0);
}

// Which window opens, hides or closes which, and when the program ends.
void TestWindowFlow::flow_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<int>("backToResults"); // -1: any
    QTest::addColumn<int>("exitEnabled");   // -1: any

    using L = QStringList;
    QTest::newRow("start screen إنهاء: the program ends") << L{"إنهاء"} << L{} << true << -1 << -1;
    QTest::newRow("start screen بحث: results window and search dialog")
        << L{"بحث"} << L{"Form1", "frmFind"} << false << -1 << 0;
    QTest::newRow("start screen تصفح: the browser") << L{"تصفح"} << L{"Form2"} << false << 0 << -1;
    QTest::newRow("menu إنهاء is disabled in the active results window")
        << L{"بحث", "en"} << L{"Form1", "frmFind"} << false << -1 << 0;
    QTest::newRow("menu إنهاء: the program ends")
        << L{"بحث", "fis", "en"} << L{} << true << -1 << -1;
    QTest::newRow("menu بحث عن كلمة: the search dialog")
        << L{"بحث", "إغلاق frmFind", "fik"} << L{"Form1", "frmFind"} << false << -1 << 0;
    // The search dialog is the results window's own, but hiding the results
    // window does not hide it.
    QTest::newRow("menu تصفح المصحف: browser shown, results hidden, إنهاء enabled")
        << L{"بحث", "fis"} << L{"Form2", "frmFind"} << false << 0 << 1;
    QTest::newRow("menu حول: the about box")
        << L{"بحث", "he"} << L{"Form1", "frmFind", "hola"} << false << -1 << 0;
    QTest::newRow("about box موافق: it closes")
        << L{"بحث", "he", "موافق"} << L{"Form1", "frmFind"} << false << -1 << 0;
    QTest::newRow("search dialog إغلاق: it closes")
        << L{"بحث", "إغلاق frmFind"} << L{"Form1"} << false << -1 << 0;
    QTest::newRow("results window closed while working in it: the program ends")
        << L{"بحث", "close Form1"} << L{} << true << -1 << -1;
    QTest::newRow("results window closed after تصفح المصحف: only it closes")
        << L{"بحث", "إغلاق frmFind", "fis", "close Form1"} << L{"Form2"} << false << 0 << 1;
    QTest::newRow("browser رجوع without results: results window and search dialog")
        << L{"تصفح", "رجوع"} << L{"Form1", "frmFind"} << false << 1 << 0;
    QTest::newRow("browser رجوع with results: the results window alone")
        << L{"تصفح", "results", "رجوع"} << L{"Form1"} << false << 1 << 0;
    QTest::newRow("browser closed while in use: the program ends")
        << L{"تصفح", "close Form2"} << L{} << true << -1 << -1;
    QTest::newRow("hidden browser closed after رجوع: only it closes")
        << L{"تصفح", "رجوع", "close Form2"} << L{"Form1", "frmFind"} << false << 1 << 0;
    QTest::newRow("browser active again after رجوع: BackToResults 0")
        << L{"تصفح", "رجوع", "fis"} << L{"Form2", "frmFind"} << false << 0 << 1;
    QTest::newRow("closing the browser after returning with رجوع and coming back ends the program")
        << L{"تصفح", "رجوع", "fis", "close Form2"} << L{} << true << -1 << -1;
    // No window left on screen: the program does not run on unseen.
    QTest::newRow("start screen closed by the user: the program ends")
        << L{"close Form3"} << L{} << true << -1 << -1;
    QTest::newRow("results window closed with إنهاء enabled and no browser: the program ends")
        << L{"تصفح", "رجوع", "en enabled", "close Form1"} << L{} << true << -1 << -1;
}

void TestWindowFlow::flow() {
    QFETCH(QStringList, steps);
    QFETCH(bool, ends);
    QFETCH(int, backToResults);
    QFETCH(int, exitEnabled);
    startAndSettle();
    const QPointer<ResultsWindow> results = form1();
    const QPointer<BrowserWindow> browser = form2();
    for (const QString& s : steps) {
        QCOMPARE(ends_, 0);
        step(s);
    }
    QTEST(visibleWindows(), "visible");
    QCOMPARE(ends_, ends ? 1 : 0);
    if (backToResults >= 0)
        QCOMPARE(int(BackToResults), backToResults);
    if (exitEnabled >= 0)
        QCOMPARE(int(form1()->Menu().en->isEnabled()), exitEnabled);
    // The results window and the browser live for the whole run.
    QVERIFY(results && results == form1());
    QVERIFY(browser && browser == form2());
}

void TestWindowFlow::ownedWindows() {
    startAndSettle();
    step("بحث");
    step("he");
    QCOMPARE(form1()->FindDialogShown()->parentWidget(), form1());
    QCOMPARE(flow_->hola()->parentWidget(), form1());
    QVERIFY(form1()->FindDialogShown()->isWindow());
    QVERIFY(flow_->hola()->isWindow());
}

// Without a window manager every window would stand in the screen's corner:
// the results window and the browser come up centred on the screen, a new
// search dialog centred on the results window. Shown again, a window stays
// where the user moved it. (The frame is only known once a window is shown:
// the centres may differ by its width.)
void TestWindowFlow::placedOnFirstShow() {
    startAndSettle();
    step("بحث");
    const QPoint screenCentre = form1()->screen()->availableGeometry().center();
    QVERIFY((form1()->frameGeometry().center() - screenCentre).manhattanLength() <= 8);
    FindDialog* dialog = form1()->FindDialogShown();
    QVERIFY(
        (dialog->frameGeometry().center() - form1()->frameGeometry().center()).manhattanLength() <=
        2);
    step("fis");
    QVERIFY((form2()->frameGeometry().center() - screenCentre).manhattanLength() <= 8);
    form2()->move(20, 30);
    step("رجوع");
    form1()->move(40, 50);
    step("إغلاق frmFind");
    step("fik"); // a new dialog
    QVERIFY(
        (form1()->FindDialogShown()->frameGeometry().center() - form1()->frameGeometry().center())
            .manhattanLength() <= 8);
    step("fis");
    QCOMPARE(form2()->pos(), QPoint(20, 30));
    step("رجوع");
    QCOMPARE(form1()->pos(), QPoint(40, 50));
}

void TestWindowFlow::aboutBoxTwiceIsOneWindow() {
    startAndSettle();
    step("بحث");
    step("he");
    const QPointer<AboutBox> first = flow_->hola();
    QVERIFY(first);
    step("he");
    QCOMPARE(flow_->hola(), first.data());
    QCOMPARE(form1()->findChildren<AboutBox*>().size(), 1);
    QVERIFY(first->isVisible());
    QCOMPARE(QApplication::activeWindow(), first.data());
}

void TestWindowFlow::helpFromTheMenu() {
    startAndSettle();
    step("بحث");
    MessageBoxWatcher boxes;
    form1()->Menu().help_1->trigger();
    QCOMPARE(desktop_.opened,
             QList<QUrl>{QUrl::fromLocalFile(QStringLiteral(PROGRAM_DIR "/help.mht"))});
    QTest::qWait(30);
    QVERIFY(boxes.seen().isEmpty());
}

void TestWindowFlow::fontDialogReachesBothVerseBoxes() {
    startAndSettle();
    step("بحث");
    form1()->Menu().tnsek->trigger();
    FontDialog* dialog = form1()->findChild<FontDialog*>();
    QVERIFY(dialog);
    dialog->Combo4()->setEditText(QStringLiteral("Tahoma"));
    dialog->Command1()->click();
    QCOMPARE(form1()->Controls().Text1->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(form2()->Controls().Text1->font().family(), QStringLiteral("Tahoma"));
}

QTEST_MAIN(TestWindowFlow)
#include "test_window_flow.moc"
