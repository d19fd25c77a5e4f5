#include "browser_driving.h"
#include "common/twips_geometry.h"
#include "orvanta/browser/browser_window.h"
#include "orvanta/browser/build_runner.h"
#include "orvanta/browser/page_text.h"
#include "orvanta/browser/range_view.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/program_end.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/app_dir.h"
#include "support/message_box_watcher.h"
#include "support/typing.h"
#include "tests/orvanta/font_file.h"
#include "verses.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QString kWait = QStringLiteral("انتظر قليلا  ");

} // namespace

class TestRangeView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void surahList();
    void surahChoice();
    void firstVerseChoice_data();
    void firstVerseChoice();
    void fatihaAsChosen();
    void tafsirOfTheFirstVerse();
    void rangeWithoutHeader();
    void lastVerseAsFirst();
    void progress();
    void noSurahChosen_data();
    void noSurahChosen();
    void rangeLayoutAtDesignSize();

private:
    void build(int surah, int first = 0, int last = 0);

    std::unique_ptr<BrowserWindow> window_;
    const BrowserControls* c_ = nullptr;
    QTemporaryDir fixture_;
};

void TestRangeView::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    InstallFontSubstitutions();
    QVERIFY(fixture_.isValid());
    writeFixtureVerseFile(fixture_.path(), 2);
}

void TestRangeView::init() {
    SetAppDir(QStringLiteral(PROGRAM_DIR));
    writeFontFile({});
    window_ = std::make_unique<BrowserWindow>();
    c_ = &window_->Controls();
    QVERIFY(showActive(*window_));
}

void TestRangeView::cleanup() {
    window_.reset();
    SetAppDir(QStringLiteral(PROGRAM_DIR));
}

void TestRangeView::build(int surah, int first, int last) {
    buildRange(*c_, surah, first, last);
    QVERIFY(!window_->Builds()->Running());
}

void TestRangeView::surahList() {
    QComboBox* combo = c_->Combo1;
    QCOMPARE(combo->count(), 114);
    QCOMPARE(combo->itemText(0), QStringLiteral("الفاتحة"));
    QCOMPARE(combo->itemText(35), QStringLiteral("يس"));
    QCOMPARE(combo->itemText(113), QStringLiteral("الناس"));
    QCOMPARE(combo->currentText(), QStringLiteral("حدد السورة"));
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(combo->isEditable());
    QCOMPARE(c_->Combo2->count(), 0);
    QCOMPARE(c_->Combo3->count(), 0);
    QCOMPARE(c_->Label1->text(), QStringLiteral("من الآية"));
    QCOMPARE(c_->Label2->text(), QStringLiteral("إلى الآية"));
}

void TestRangeView::surahChoice() {
    chooseEntry(c_->Combo1, 1);
    QCOMPARE(c_->Combo1->currentText(), QStringLiteral("البقرة"));
    QCOMPARE(c_->Combo2->count(), 286);
    QCOMPARE(c_->Combo2->itemText(0), QStringLiteral("1"));
    QCOMPARE(c_->Combo2->itemText(285), QStringLiteral("286"));
    QCOMPARE(c_->Combo2->currentText(), QStringLiteral("1"));
    // Preset to the whole surah.
    QCOMPARE(c_->Combo3->count(), 285);
    QCOMPARE(c_->Combo3->itemText(0), QStringLiteral("2"));
    QCOMPARE(c_->Combo3->currentText(), QStringLiteral("286"));
    // Another surah replaces the entries, never adds to them.
    chooseEntry(c_->Combo1, 111);
    QCOMPARE(c_->Combo2->count(), 4);
    QCOMPARE(c_->Combo3->count(), 3);
    QCOMPARE(c_->Combo3->currentText(), QStringLiteral("4"));
    // Nothing is shown until "بحث".
    QVERIFY(!c_->Text1->isVisible());
    QCOMPARE(twipsGeometry(c_->Picture2_0).top(), 1807.5);
}

void TestRangeView::firstVerseChoice_data() {
    QTest::addColumn<int>("surah");
    QTest::addColumn<int>("first");
    QTest::addColumn<QStringList>("lastEntries");
    QTest::addColumn<QString>("shown");
    QTest::newRow("al-Fatiha from 3") << 1 << 3 << QStringList{"4", "5", "6", "7"} << "7";
    QTest::newRow("al-Ikhlas from 3") << 112 << 3 << QStringList{"4"} << "4";
    QTest::newRow("last verse as first") << 1 << 7 << QStringList() << "";
}

void TestRangeView::firstVerseChoice() {
    QFETCH(int, surah);
    QFETCH(int, first);
    QFETCH(QStringList, lastEntries);
    chooseEntry(c_->Combo1, surah - 1);
    chooseEntry(c_->Combo2, first - 1);
    QCOMPARE(c_->Combo2->currentText(), QString::number(first));
    QStringList entries;
    for (int i = 0; i < c_->Combo3->count(); ++i)
        entries.append(c_->Combo3->itemText(i));
    QCOMPARE(entries, lastEntries);
    QTEST(c_->Combo3->currentText(), "shown");
}

void TestRangeView::fatihaAsChosen() {
    // The pointer over "بحث" raises it; the build flattens it again.
    moveOver(c_->Picture2[3]);
    QVERIFY(c_->Picture2[3]->IsRaised());
    chooseEntry(c_->Combo1, 0);
    const QPoint pointer(300, 200);
    QCursor::setPos(pointer);
    QTest::mouseClick(c_->Picture2[3], Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!window_->Builds()->Running());
    QCOMPARE(QCursor::pos(), pointer + QPoint(50, 50));
    QVERIFY(!c_->Picture2[3]->IsRaised());

    const QString middle = QStringLiteral("~§§  الفاتحة(مكية)7  §§~");
    QCOMPARE(c_->Text1->Text(),
             QStringLiteral("\r\n") + middle + QStringLiteral("\r\n") + pieces(versesOfSurah(1)));
    QStringList entries;
    for (int i = 0; i < c_->List1->count(); ++i)
        entries.append(c_->List1->item(i)->text());
    QCOMPARE(entries, QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    QCOMPARE(c_->List1->currentRow(), 0);
    QCOMPARE(c_->Text1->SelectedText(), QStringLiteral("{1}"));
    QCOMPARE(window_->focusWidget(), c_->Text1);
    QCOMPARE(c_->Label4->text(), QStringLiteral("سورة الفاتحة"));
    // The built data has no tafsir: the panes stay empty, the verse is named.
    QCOMPARE(c_->Label6->text(), QStringLiteral(" الفاتحة آية : 1"));
    QCOMPARE(c_->Text2[0]->Text(), QString());
    QCOMPARE(c_->Label3_0->text(), QStringLiteral("تفسير الجلالين"));
    QCOMPARE(window_->ViewMode(), 0);
    QCOMPARE(window_->MatchCount(), 7.0f);
    QCOMPARE(twipsGeometry(c_->Picture2_0).top(), 0.0);
    QCOMPARE(c_->Picture2_0->BorderStyle(), 0);
    QVERIFY(c_->Text1->isVisible());
    QVERIFY(c_->List1->isVisible());
    QVERIFY(c_->Picture10->isVisible());
    QVERIFY(c_->Text2[0]->isVisible());
    QVERIFY(!c_->Text2[1]->isVisible());
}

void TestRangeView::tafsirOfTheFirstVerse() {
    SetAppDir(fixture_.path());
    build(1);
    QCOMPARE(c_->Text2[0]->Text(), QStringLiteral("الجلالين 1:1"));
    QCOMPARE(c_->Text2[1]->Text(), QStringLiteral("الميسر 1:1"));
    QCOMPARE(c_->Label6->text(), QStringLiteral(" الفاتحة آية : 1"));
    QCOMPARE(c_->Label3_0->text(), QStringLiteral("تفسير الجلالين"));
}

void TestRangeView::rangeWithoutHeader() {
    build(2, 5, 9);
    const QList<VerseRecord> verses = versesOfSurah(2).mid(4, 5);
    QCOMPARE(c_->Text1->Text(), pieces(verses));
    QVERIFY(c_->Text1->Text().startsWith(verses.first().AyahText));
    QCOMPARE(c_->List1->count(), 5);
    QCOMPARE(c_->List1->item(0)->text(), QStringLiteral("5"));
    QCOMPARE(c_->List1->item(4)->text(), QStringLiteral("9"));
    QCOMPARE(c_->List1->currentItem()->text(), QStringLiteral("5"));
    QCOMPARE(c_->Text1->SelectedText(), QStringLiteral("{5}"));
    QCOMPARE(c_->Label4->text(), QStringLiteral("سورة البقرة"));
    QCOMPARE(window_->MatchCount(), 5.0f);
}

void TestRangeView::lastVerseAsFirst() {
    SetAppDir(fixture_.path());
    build(2, 3, 4); // a range with a tafsir shown first
    QVERIFY(!c_->Text2[0]->Text().isEmpty());
    build(1, 7);
    QCOMPARE(c_->Combo3->currentText(), QString());
    QCOMPARE(c_->Text1->Text(), QString());
    QCOMPARE(c_->List1->count(), 0);
    QCOMPARE(c_->List1->currentRow(), -1);
    QCOMPARE(c_->Label4->text(), QStringLiteral("سورة الفاتحة"));
    QCOMPARE(c_->Label6->text(), QString());
    QCOMPARE(c_->Text2[0]->Text(), QString());
    QCOMPARE(c_->Text2[1]->Text(), QString());
    QCOMPARE(window_->MatchCount(), 0.0f);
    QVERIFY(c_->Text1->isVisible());
}

void TestRangeView::progress() {
    // Label4 as the window shows it each time the build yields.
    // The count of the verse found last is replaced by the caption before
    // the window is painted again.
    QStringList seen;
    auto look = [&] {
        if (seen.isEmpty() || seen.last() != c_->Label4->text())
            seen.append(c_->Label4->text());
    };
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, look);
    watch.start(0);
    build(112);
    watch.stop();
    look();
    QCOMPARE(seen, QStringList({QString(), QStringLiteral("فضلا انتظر قليلا"), kWait + u'1',
                                kWait + u'2', kWait + u'3', QStringLiteral("سورة الإخلاص")}));
}

void TestRangeView::noSurahChosen_data() {
    QTest::addColumn<bool>("pageView");
    QTest::addColumn<int>("part");      // 0 the button, 1 its caption, 2 its icon
    QTest::addColumn<QString>("typed"); // into Combo1, without a choice
    QTest::newRow("initial state, button") << false << 0 << QString();
    QTest::newRow("initial state, caption") << false << 1 << QString();
    QTest::newRow("page view, icon") << true << 2 << QString();
    QTest::newRow("a name typed, none chosen") << false << 0 << QStringLiteral("البقرة");
}

void TestRangeView::noSurahChosen() {
    QFETCH(bool, pageView);
    QFETCH(int, part);
    QFETCH(QString, typed);
    if (pageView)
        chooseEntry(c_->Combo4, 1);
    if (!typed.isEmpty()) {
        c_->Combo1->lineEdit()->selectAll();
        typeText(c_->Combo1->lineEdit(), typed);
        QCOMPARE(c_->Combo1->currentText(), typed);
    }
    const QString text = c_->Text1->Text();
    const QRectF panel = twipsGeometry(c_->Picture2_0);
    const int viewMode = window_->ViewMode();
    const QPoint pointer(250, 120);
    QCursor::setPos(pointer);
    MessageBoxWatcher boxes;
    PictureButton* search = c_->Picture2[3];
    QWidget* parts[] = {search, search->Caption(), search->Icon()};
    QTest::mouseClick(parts[part], Qt::LeftButton, {}, QPoint(2, 2));
    QTRY_COMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen()[0].title, QStringLiteral("عفوا"));
    QCOMPARE(boxes.seen()[0].text, QStringLiteral("حدد السورة"));
    QCOMPARE(boxes.seen()[0].icon, QMessageBox::NoIcon);
    QTest::qWait(100);
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(twipsGeometry(c_->Picture2_0), panel);
    QCOMPARE(c_->Text1->Text(), text);
    QCOMPARE(c_->Text1->isVisible(), pageView);
    QCOMPARE(window_->ViewMode(), viewMode);
    QCOMPARE(QCursor::pos(), pointer);
}

void TestRangeView::rangeLayoutAtDesignSize() {
    build(1);
    QCOMPARE(window_->ScaleWidth(), 9555.0);
    QCOMPARE(window_->ScaleHeight(), 4830.0);
    QCOMPARE(twipsGeometry(c_->Picture10), QRectF(0, 1715, 8714, 2850));
    QCOMPARE(twipsGeometry(c_->Text1), QRectF(0, 1150, 8714, 565));
    QCOMPARE(twipsGeometry(c_->List1), QRectF(8770, 1150, 735, 3609));
    QCOMPARE(twipsGeometry(c_->Text2[0]).width(), 8714.0);
    QCOMPARE(twipsGeometry(c_->Text2[1]).width(), 8714.0);
    QCOMPARE(twipsGeometry(c_->Pic[0]).left(), 7199.0);
    QCOMPARE(twipsGeometry(c_->Pic[1]).left(), 5694.0);
    QCOMPARE(twipsGeometry(c_->Label3_0).left(), 2852.0);
    QCOMPARE(twipsGeometry(c_->Label6).left(), 2852.0 - 1740 - 20);
    QCOMPARE(twipsGeometry(c_->Picture2_0), QRectF(510, 0, 8535, 1215));
    // A larger window: the rules follow it, the panel stays at the top.
    window_->resize(900, 600);
    QCOMPARE(twipsGeometry(c_->Text1).width(), 13500 - 106 - 735.0);
    QCOMPARE(twipsGeometry(c_->Text1).height(), 9000 - 1215 - 200 - 2850.0);
    QCOMPARE(twipsGeometry(c_->Picture10).top(), 1150 + 9000 - 1215 - 200 - 2850.0);
    QCOMPARE(twipsGeometry(c_->List1).left(), 13500 - 785.0);
    QCOMPARE(twipsGeometry(c_->Picture2_0), QRectF((13500 - 8535) / 2.0, 0, 8535, 1215));
}

QTEST_MAIN(TestRangeView)
#include "test_range_view.moc"
