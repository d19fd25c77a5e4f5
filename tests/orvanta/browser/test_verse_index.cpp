#include "browser_driving.h"
#include "orvanta/browser/browser_window.h"
#include "orvanta/browser/build_runner.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/app_dir.h"
#include "support/text_margins.h"
#include "tests/orvanta/font_file.h"
#include "verses.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestVerseIndex : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void indexClick_data();
    void indexClick();
    void chosenEntryClickedAgain();
    void secondPaneStaysInView();
    void tabs_data();
    void tabs();
    void tabPictures();
    void darkPaneScrollBar();
    void surahChangedAfterTheBuild();
    void pageViewHasNoIndex();

private:
    std::unique_ptr<BrowserWindow> window_;
    const BrowserControls* c_ = nullptr;
    QTemporaryDir fixture_;
};

void TestVerseIndex::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    InstallFontSubstitutions();
    QVERIFY(fixture_.isValid());
    writeFixtureVerseFile(fixture_.path(), 3);
}

void TestVerseIndex::init() {
    // Verses with tafsir texts: al-Fatiha, al-Baqara and Al Imran.
    SetAppDir(fixture_.path());
    writeFontFile({});
    window_ = std::make_unique<BrowserWindow>();
    c_ = &window_->Controls();
    QVERIFY(showActive(*window_));
}

void TestVerseIndex::cleanup() {
    window_.reset();
    SetAppDir(QStringLiteral(PROGRAM_DIR));
}

void TestVerseIndex::indexClick_data() {
    QTest::addColumn<int>("verse");
    // Verse 1 must not be found inside 11 or 21, nor 2 inside 12 or 22.
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("3, without a second tafsir") << 3;
    QTest::newRow("11") << 11;
    QTest::newRow("21") << 21;
    QTest::newRow("25") << 25;
}

void TestVerseIndex::indexClick() {
    QFETCH(int, verse);
    buildRange(*c_, 2, 1, 25);
    QCOMPARE(c_->List1->count(), 25);
    clickEntry(c_->List1, verse - 1);
    const QString number = QString::number(verse);
    QCOMPARE(c_->Text1->SelectedText(), u'{' + number + u'}');
    // The marker stands right after the verse's own text.
    const QString text = c_->Text1->Text();
    const qsizetype at = text.indexOf(u'{' + number + u'}');
    QVERIFY(text.left(at).endsWith(versesOfSurah(2)[verse - 1].AyahText));
    QCOMPARE(window_->focusWidget(), c_->Text1);
    QCOMPARE(c_->Text2[0]->Text(), QStringLiteral("الجلالين 2:") + number);
    QCOMPARE(c_->Label6->text(), QStringLiteral(" البقرة آية : ") + number);
    QCOMPARE(c_->Label3_0->text(), QStringLiteral("تفسير الجلالين"));
    // Verse 3 has no second tafsir.
    QCOMPARE(c_->Text2[1]->Text(), verse == 3 ? QString() : QStringLiteral("الميسر 2:") + number);
}

void TestVerseIndex::chosenEntryClickedAgain() {
    buildRange(*c_, 2, 1, 10);
    clickEntry(c_->List1, 4);
    QCOMPARE(c_->Label6->text(), QStringLiteral(" البقرة آية : 5"));
    chooseEntry(c_->Combo1, 2);
    c_->Text1->Select(0, 0);
    // The entry is chosen already: no row changes, yet the click is an index
    // click, which marks the verse again and looks it up in Al Imran now.
    clickEntry(c_->List1, 4);
    QCOMPARE(c_->List1->currentRow(), 4);
    QCOMPARE(c_->Text1->SelectedText(), QStringLiteral("{5}"));
    QCOMPARE(c_->Label6->text(), QStringLiteral(" آل عمران آية : 5"));
    QCOMPARE(c_->Text2[0]->Text(), QStringLiteral("الجلالين 3:5"));
    QCOMPARE(c_->Text2[1]->Text(), QStringLiteral("الميسر 3:5"));
}

void TestVerseIndex::secondPaneStaysInView() {
    buildRange(*c_, 2, 5, 9);
    QTest::mouseClick(c_->Pic[1], Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(c_->Text2[1]->isVisible());
    clickEntry(c_->List1, 2);
    QCOMPARE(c_->Text1->SelectedText(), QStringLiteral("{7}"));
    QCOMPARE(c_->Label6->text(), QStringLiteral(" البقرة آية : 7"));
    QCOMPARE(c_->Text2[0]->Text(), QStringLiteral("الجلالين 2:7"));
    // Beside the tafsir's name, at its right edge.
    QVERIFY(textMargins(c_->Label6).right < textMargins(c_->Label6).left);
    QCOMPARE(c_->Text2[1]->Text(), QStringLiteral("الميسر 2:7"));
    QVERIFY(c_->Text2[1]->isVisible());
    QVERIFY(!c_->Text2[0]->isVisible());
    // The caption names the tafsir in view.
    QCOMPARE(c_->Label3_0->text(), QStringLiteral("التفسير الميسر"));
}

void TestVerseIndex::tabs_data() {
    QTest::addColumn<int>("verse"); // of al-Baqara, 3 has no second tafsir
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first tab") << 2 << 0 << "تفسير الجلالين";
    QTest::newRow("second tab") << 2 << 1 << "التفسير الميسر";
    QTest::newRow("second tab, empty pane") << 3 << 1 << "";
    QTest::newRow("first tab, other empty") << 3 << 0 << "تفسير الجلالين";
}

void TestVerseIndex::tabs() {
    QFETCH(int, verse);
    QFETCH(int, tab);
    buildRange(*c_, 2, 1, 4);
    clickEntry(c_->List1, verse - 1);
    // From the other tab, so that the click changes the pane in view.
    QTest::mouseClick(c_->Pic[1 - tab], Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseClick(c_->Pic[tab], Qt::LeftButton, {}, QPoint(20, 10));
    QTEST(c_->Label3_0->text(), "caption");
    QVERIFY(c_->Text2[tab]->isVisible());
    QVERIFY(!c_->Text2[1 - tab]->isVisible());
    // Switching panes shows, it never looks up or clears.
    QCOMPARE(c_->Text2[0]->Text(), QStringLiteral("الجلالين 2:") + QString::number(verse));
    QCOMPARE(c_->Label6->text(), QStringLiteral(" البقرة آية : ") + QString::number(verse));
}

void TestVerseIndex::tabPictures() {
    // Each tab shows its picture, as the results window's tabs do.
    const QPixmap pictures[2] = {pictures::TafsirTab1(), pictures::TafsirTab2()};
    for (int i = 0; i < 2; ++i) {
        QImage expected(c_->Pic[i]->size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter(&expected).drawPixmap(expected.rect(), pictures[i]);
        QCOMPARE(c_->Pic[i]->Canvas().toImage().convertToFormat(expected.format()), expected);
        QCOMPARE(c_->Pic[i]->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(c_->Pic[0]->toolTip(), QStringLiteral("تفسير الجلالين"));
    QCOMPARE(c_->Pic[1]->toolTip(), QStringLiteral("التفسير الميسر"));
    // A click on the tafsir caption runs nothing.
    QTest::mouseClick(c_->Label3_0, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!c_->Text2[0]->isHidden());
    QVERIFY(c_->Text2[1]->isHidden());
}

void TestVerseIndex::darkPaneScrollBar() {
    // White tafsir text on dark green; the scroll bar beside it keeps the
    // desktop's colours, or its arrows would be drawn white on white.
    const TextBox* pane = c_->Text2[1];
    QCOMPARE(pane->palette().color(QPalette::Text), QColor(Qt::white));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Button, QPalette::Window})
        QCOMPARE(pane->verticalScrollBar()->palette().color(role),
                 QApplication::palette().color(role));
}

void TestVerseIndex::surahChangedAfterTheBuild() {
    buildRange(*c_, 2, 5, 9);
    const QString shown = c_->Text1->Text();
    chooseEntry(c_->Combo1, 2);
    QCOMPARE(c_->Text1->Text(), shown);
    clickEntry(c_->List1, 1);
    // The page text keeps al-Baqara and its marker is chosen, while the
    // tafsir comes from the surah chosen now, Al Imran, and says so.
    QCOMPARE(c_->Text1->SelectedText(), QStringLiteral("{6}"));
    QCOMPARE(c_->Text2[0]->Text(), QStringLiteral("الجلالين 3:6"));
    QCOMPARE(c_->Text2[1]->Text(), QStringLiteral("الميسر 3:6"));
    QCOMPARE(c_->Label6->text(), QStringLiteral(" آل عمران آية : 6"));
    QCOMPARE(c_->Text1->Text(), shown);

    // A surah without that verse leaves the panes and Label6 empty.
    chooseEntry(c_->Combo1, 0);
    clickEntry(c_->List1, 3);
    QCOMPARE(c_->Text1->SelectedText(), QStringLiteral("{8}"));
    QCOMPARE(c_->Text2[0]->Text(), QString());
    QCOMPARE(c_->Text2[1]->Text(), QString());
    QCOMPARE(c_->Label6->text(), QString());
}

void TestVerseIndex::pageViewHasNoIndex() {
    buildRange(*c_, 1);
    QCOMPARE(c_->List1->count(), 7);
    chooseEntry(c_->Combo4, 1);
    QCOMPARE(c_->List1->count(), 0);
    QCOMPARE(c_->Text2[0]->Text(), QString());
    QCOMPARE(c_->Label6->text(), QString());
    QCOMPARE(window_->ViewMode(), 1);
}

QTEST_MAIN(TestVerseIndex)
#include "test_verse_index.moc"
