#include "browser_driving.h"
#include "common/twips_geometry.h"
#include "orvanta/browser/browser_window.h"
#include "orvanta/browser/build_runner.h"
#include "orvanta/browser/page_text.h"
#include "orvanta/browser/range_text.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/program_end.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/app_dir.h"
#include "tests/orvanta/font_file.h"
#include "verses.h"

#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

// The browser runs one build at a time: whatever the user does while a page
// or range build yields, the window ends up showing one view, never two
// mixed, and the newest command wins.
class TestBrowserBuilds : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void searchDuringARangeBuild();
    void searchPressedAgainAndAgain();
    void pageDuringARangeBuild();
    void searchDuringAPageSlide();
    void indexClickDuringABuild();
    void activationDuringABuild();
    void closedDuringABuild();

private:
    // Runs the action once, while a range build reads its verses and has
    // found a few.
    void whileReading(std::function<void()> action);
    void expectFatiha();

    std::unique_ptr<BrowserWindow> window_;
    const BrowserControls* c_ = nullptr;
    QTemporaryDir fixture_;
    QTimer watch_;
};

void TestBrowserBuilds::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    InstallFontSubstitutions();
    QVERIFY(fixture_.isValid());
    writeFixtureVerseFile(fixture_.path(), 2);
}

void TestBrowserBuilds::init() {
    SetAppDir(QStringLiteral(PROGRAM_DIR));
    writeFontFile({});
    window_ = std::make_unique<BrowserWindow>();
    c_ = &window_->Controls();
    QVERIFY(showActive(*window_));
}

void TestBrowserBuilds::cleanup() {
    watch_.stop();
    watch_.disconnect();
    // Before the window goes: a test's recorder may refer to its own locals.
    SetProgramEndAction([] { QCoreApplication::exit(0); });
    window_.reset();
    SetAppDir(QStringLiteral(PROGRAM_DIR));
}

void TestBrowserBuilds::whileReading(std::function<void()> action) {
    watch_.disconnect();
    connect(&watch_, &QTimer::timeout, this, [this, action] {
        if (c_->Label4->text() == QStringLiteral("انتظر قليلا  3")) {
            watch_.stop();
            action();
        }
    });
    watch_.start(0);
}

void TestBrowserBuilds::expectFatiha() {
    QVERIFY(!window_->Builds()->Running());
    QCOMPARE(c_->Text1->Text(), rangeText(1, 1, 7, QStringLiteral("7")));
    QCOMPARE(c_->List1->count(), 7);
    QCOMPARE(c_->List1->currentRow(), 0);
    QCOMPARE(c_->Text1->SelectedText(), QStringLiteral("{1}"));
    QCOMPARE(c_->Label4->text(), QStringLiteral("سورة الفاتحة"));
    QCOMPARE(window_->MatchCount(), 7.0f);
    QCOMPARE(window_->ViewMode(), 0);
    QCOMPARE(twipsGeometry(c_->Picture2_0).top(), 0.0);
}

void TestBrowserBuilds::searchDuringARangeBuild() {
    bool pressed = false;
    whileReading([&] {
        buildRange(*c_, 1);
        pressed = true;
    });
    buildRange(*c_, 2);
    QVERIFY(pressed);
    expectFatiha();
}

void TestBrowserBuilds::searchPressedAgainAndAgain() {
    int presses = 0;
    whileReading([&] {
        for (; presses < 3; ++presses)
            QTest::mouseClick(c_->Picture2[3], Qt::LeftButton, {}, QPoint(2, 2));
    });
    buildRange(*c_, 112);
    QCOMPARE(presses, 3);
    QVERIFY(!window_->Builds()->Running());
    QCOMPARE(c_->Text1->Text(), rangeText(112, 1, 4, QStringLiteral("4")));
    QCOMPARE(c_->List1->count(), 4);
    QCOMPARE(window_->MatchCount(), 4.0f);
}

void TestBrowserBuilds::pageDuringARangeBuild() {
    whileReading([&] { chooseEntry(c_->Combo4, 4); });
    buildRange(*c_, 2);
    QVERIFY(!window_->Builds()->Running());
    QCOMPARE(c_->Text1->Text(), PageText(builtVerseFile(), 5));
    QCOMPARE(c_->Label4->text(), QStringLiteral("هذه الصفحة رقم 5"));
    QCOMPARE(c_->List1->count(), 0);
    QCOMPARE(window_->ViewMode(), 1);
    QCOMPARE(twipsGeometry(c_->Text1), QRectF(0, 1150, 9549, 3605));
}

void TestBrowserBuilds::searchDuringAPageSlide() {
    bool pressed = false;
    QTimer::singleShot(100, this, [&] {
        QVERIFY(window_->Builds()->Running());
        buildRange(*c_, 1);
        pressed = true;
    });
    chooseEntry(c_->Combo4, 9);
    QVERIFY(pressed);
    QVERIFY(!window_->Builds()->Running());
    expectFatiha();
}

void TestBrowserBuilds::indexClickDuringABuild() {
    SetAppDir(fixture_.path());
    buildRange(*c_, 1);
    QString paneAfterClick = QStringLiteral("not clicked");
    whileReading([&] {
        // The index still lists al-Fatiha; the click shows nothing.
        clickEntry(c_->List1, 3);
        paneAfterClick = c_->Text2[0]->Text() + c_->Label6->text();
    });
    buildRange(*c_, 2, 1, 20);
    QCOMPARE(paneAfterClick, QString());
    QVERIFY(!window_->Builds()->Running());
    QCOMPARE(c_->List1->count(), 20);
    QCOMPARE(c_->List1->currentRow(), 0);
    QCOMPARE(c_->Text1->SelectedText(), QStringLiteral("{1}"));
    QCOMPARE(c_->Text2[0]->Text(), QStringLiteral("الجلالين 2:1"));
    QCOMPARE(c_->Label6->text(), QStringLiteral(" البقرة آية : 1"));
}

void TestBrowserBuilds::activationDuringABuild() {
    // With the index still empty, an activation would return the window to
    // its initial state; the build lays the window out itself.
    QWidget other;
    bool activated = false;
    whileReading([&] {
        QVERIFY(showActive(other));
        QVERIFY(showActive(*window_));
        activated = true;
    });
    buildRange(*c_, 2, 1, 30);
    QVERIFY(activated);
    QVERIFY(!window_->Builds()->Running());
    QVERIFY(c_->Text1->isVisible());
    QVERIFY(c_->List1->isVisible());
    QVERIFY(c_->Picture10->isVisible());
    QCOMPARE(twipsGeometry(c_->Picture2_0).top(), 0.0);
    QCOMPARE(c_->List1->count(), 30);
}

void TestBrowserBuilds::closedDuringABuild() {
    int ended = 0;
    SetProgramEndAction([&] { ++ended; });
    whileReading([&] { window_->close(); });
    buildRange(*c_, 2);
    QCOMPARE(ended, 1);
    // The build broke off where it was: nothing more was read or shown.
    QVERIFY(!window_->Builds()->Running());
    QCOMPARE(c_->Label4->text(), QStringLiteral("انتظر قليلا  3"));
    QCOMPARE(c_->List1->count(), 0);
    QCOMPARE(c_->Text1->Text(), QString());
}

QTEST_MAIN(TestBrowserBuilds)
#include "test_browser_builds.moc"
