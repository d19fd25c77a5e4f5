#include "orvanta/search/copy_commands.h"
#include "orvanta/search/find_dialog.h"
#include "orvanta/search/result_entries.h"
#include "orvanta/search/results_file_writer.h"
#include "orvanta/search/results_window.h"
#include "orvanta/search/search_state.h"
#include "orvanta/search/word_search.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/keyboard_layouts.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/store/app_dir.h"
#include "orvanta/store/user_files.h"
#include "search_fixture.h"
#include "support/message_box_watcher.h"
#include "support/show_active.h"
#include "support/typing.h"
#include "tests/orvanta/font_file.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

// US English and Arabic, US English active.
class FakeLayouts : public KeyboardLayouts {
public:
    quint32 CurrentLayout() const override { return layouts_[active_]; }
    void ActivateNext() override { active_ = (active_ + 1) % 2; }
    void ActivatePrevious() override { active_ = (active_ + 1) % 2; }

private:
    static constexpr quint32 layouts_[2] = {kUsEnglishLayout, kArabicLayout};
    int active_ = 0;
};

// Eight real verses of five surahs, each with tafsir texts of its own.
QList<VerseRecord> fixtureHits() {
    QList<VerseRecord> hits;
    const int keys[][2] = {{1, 1}, {1, 2}, {2, 3}, {2, 4}, {2, 5}, {3, 1}, {12, 4}, {114, 1}};
    for (const auto& key : keys) {
        VerseRecord v = verse(key[0], key[1]);
        v.Tafsir1 = QStringLiteral("تفسير أول ") + v.SurahNo + u':' + v.AyahNo;
        v.Tafsir2 = QStringLiteral("تفسير ثان ") + v.SurahNo + u':' + v.AyahNo;
        hits.append(v);
    }
    return hits;
}

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

const QString kSentinel = QStringLiteral("كان هنا قبل النسخ");
const QString kGoAndPaste = QStringLiteral("اذهب والصق في المكان الذي تريد");

} // namespace

class TestCopyCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void markedVerses();
    void markedVersesWithTafsir_data();
    void markedVersesWithTafsir();
    void nothingFoundToCopy_data();
    void nothingFoundToCopy();
    void shownVerse();
    void shownVerseWithTafsir_data();
    void shownVerseWithTafsir();
    void emptyVerseView();
    void shortcuts_data();
    void shortcuts();
    void afterASearchWithoutHits();
    void ignoredWhileASearchRuns();

private:
    void fill();
    void mark(std::initializer_list<int> rows);
    void checkSeen(const QString& title, const QString& text);

    QList<VerseRecord> hits_;
    FakeLayouts layouts_;
    std::unique_ptr<ResultsWindow> window_;
    const ResultsControls* c_ = nullptr;
    std::unique_ptr<MessageBoxWatcher> boxes_;
};

void TestCopyCommands::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    SetAppDir(QStringLiteral(PROGRAM_DIR));
    InstallFontSubstitutions();
    hits_ = fixtureHits();
}

void TestCopyCommands::init() {
    writeFontFile({});
    QFile::remove(ResultsFilePath());
    SearchWord.clear();
    DiacriticsMode = 0;
    layouts_ = FakeLayouts();
    window_ = std::make_unique<ResultsWindow>();
    window_->Copy()->SetKeyboardLayouts(layouts_);
    c_ = &window_->Controls();
    boxes_ = std::make_unique<MessageBoxWatcher>();
    QGuiApplication::clipboard()->setText(kSentinel);
}

void TestCopyCommands::cleanup() {
    boxes_.reset();
    window_.reset();
    QFile::remove(ResultsFilePath());
}

void TestCopyCommands::fill() {
    ResultsFileWriter writer;
    QVERIFY(writer.Open(ResultsFilePath()));
    for (const VerseRecord& v : hits_)
        writer.Append(v);
    QVERIFY(writer.Commit());
    const ResultEntries entries = ReadResultEntries(ResultsFilePath());
    window_->AddResults(entries.texts, entries.verseIds);
    window_->ShowFirstResult();
}

void TestCopyCommands::mark(std::initializer_list<int> rows) {
    for (int row : rows)
        c_->List1->item(row)->setCheckState(Qt::Checked);
}

void TestCopyCommands::checkSeen(const QString& title, const QString& text) {
    QCOMPARE(boxes_->seen().size(), 1);
    QCOMPARE(boxes_->seen().first().title, title);
    QCOMPARE(boxes_->seen().first().text, text);
    QCOMPARE(boxes_->seen().first().icon, QMessageBox::NoIcon);
}

void TestCopyCommands::markedVerses() {
    fill();
    QVERIFY(showActive(*window_));
    // Entries 3 and 7 of the list, from two surahs; a verse of a third one
    // is shown.
    mark({2, 6});
    c_->List1->setCurrentRow(7);
    window_->Menu().cop_2->trigger();

    const VerseRecord& a = hits_[2];
    const VerseRecord& b = hits_[6];
    QCOMPARE(clipboardText(), QStringLiteral("1 - { ") + a.AyahText + QStringLiteral(" } ") +
                                  QStringLiteral("البقرة") + a.AyahNo + QStringLiteral("\r\n") +
                                  QStringLiteral("2 - { ") + b.AyahText + QStringLiteral(" } ") +
                                  QStringLiteral("يوسف") + b.AyahNo + QStringLiteral("\r\n"));
    checkSeen(QStringLiteral("Orvanta"),
              QStringLiteral(" تم نسخ الآيات المحددة  وعددهاـ(2)ـ") + kGoAndPaste);
    QCOMPARE(layouts_.CurrentLayout(), kArabicLayout);
}

void TestCopyCommands::markedVersesWithTafsir_data() {
    QTest::addColumn<int>("pane"); // the tab clicked before copying
    QTest::newRow("first tafsir shown") << 0;
    QTest::newRow("second tafsir shown") << 1;
}

void TestCopyCommands::markedVersesWithTafsir() {
    QFETCH(int, pane);
    fill();
    QVERIFY(showActive(*window_));
    QTest::mouseClick(c_->Pic[pane], Qt::LeftButton);
    mark({0, 4, 5});
    window_->Menu().cop_3->trigger();

    QString expected;
    int n = 0;
    for (int row : {0, 4, 5}) {
        const VerseRecord& v = hits_[row];
        expected += QString::number(++n) + QStringLiteral(" - { ") + v.AyahText +
                    QStringLiteral(" } ") + surahName(v) + v.AyahNo + QStringLiteral("\r\n") +
                    (pane == 0 ? v.Tafsir1 : v.Tafsir2) + QStringLiteral("\r\n\r\n");
    }
    QCOMPARE(clipboardText(), expected);
    checkSeen(QStringLiteral("Orvanta"),
              QStringLiteral(" تم نسخ الآيات المحددة وتفسيرها  وعددهاـ(3)ـ ") + kGoAndPaste);
}

void TestCopyCommands::nothingFoundToCopy_data() {
    QTest::addColumn<bool>("withTafsir");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("resultsFile");
    QTest::newRow("cop_2, none marked") << false << false << true;
    QTest::newRow("cop_3, none marked") << true << false << true;
    // Marked entries whose results file has gone (deleted outside the
    // program): nothing is copied, and nothing is claimed.
    QTest::newRow("cop_2, results file missing") << false << true << false;
    QTest::newRow("cop_3, results file missing") << true << true << false;
}

void TestCopyCommands::nothingFoundToCopy() {
    QFETCH(bool, withTafsir);
    QFETCH(bool, marked);
    QFETCH(bool, resultsFile);
    fill();
    QVERIFY(showActive(*window_));
    if (marked)
        mark({1, 3});
    if (!resultsFile)
        QVERIFY(QFile::remove(ResultsFilePath()));
    (withTafsir ? window_->Menu().cop_3 : window_->Menu().cop_2)->trigger();
    checkSeen(QStringLiteral("عفوا"), QStringLiteral("لم تحدد أي أية"));
    QCOMPARE(clipboardText(), kSentinel);
    QCOMPARE(layouts_.CurrentLayout(), kUsEnglishLayout);
}

void TestCopyCommands::shownVerse() {
    fill();
    QVERIFY(showActive(*window_));
    c_->List1->setCurrentRow(6);
    window_->Menu().coa->trigger();
    const VerseRecord& v = hits_[6];
    QCOMPARE(clipboardText(), QStringLiteral(" {") + v.AyahText + QStringLiteral(" }") +
                                  QStringLiteral("يوسف") + v.AyahNo);
    checkSeen(QStringLiteral("Orvanta"), QStringLiteral(" تم نسخ الآية الحالية ") + kGoAndPaste);
    QCOMPARE(layouts_.CurrentLayout(), kArabicLayout);
}

void TestCopyCommands::shownVerseWithTafsir_data() {
    QTest::addColumn<int>("pane");
    QTest::newRow("first tafsir shown") << 0;
    QTest::newRow("second tafsir shown") << 1;
}

void TestCopyCommands::shownVerseWithTafsir() {
    QFETCH(int, pane);
    fill();
    QVERIFY(showActive(*window_));
    c_->List1->setCurrentRow(2);
    QTest::mouseClick(c_->Pic[pane], Qt::LeftButton);
    window_->Menu().cot->trigger();
    const VerseRecord& v = hits_[2];
    QCOMPARE(clipboardText(), QStringLiteral(" {") + v.AyahText + QStringLiteral(" }") +
                                  QStringLiteral("البقرة") + v.AyahNo + QStringLiteral("\r\n") +
                                  (pane == 0 ? v.Tafsir1 : v.Tafsir2));
    checkSeen(QStringLiteral("Orvanta"),
              QStringLiteral(" تم نسخ الآية الحالية وتفسيرها ") + kGoAndPaste);
    QCOMPARE(layouts_.CurrentLayout(), kArabicLayout);
}

void TestCopyCommands::emptyVerseView() {
    QVERIFY(showActive(*window_));
    // "نسخ الآية" turns Arabic on even when it has nothing to copy; the
    // copy with tafsir refuses first.
    window_->Menu().cot->trigger();
    checkSeen(QStringLiteral("عفوا"), QStringLiteral("لا يوجد ما ينسخ"));
    QCOMPARE(layouts_.CurrentLayout(), kUsEnglishLayout);
    boxes_->clear();
    window_->Menu().coa->trigger();
    checkSeen(QStringLiteral("عفوا"), QStringLiteral("لا يوجد ما ينسخ"));
    QCOMPARE(layouts_.CurrentLayout(), kArabicLayout);
    QCOMPARE(clipboardText(), kSentinel);
}

void TestCopyCommands::shortcuts_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("message");
    QTest::newRow("Ctrl+C: the verse")
        << int(Qt::Key_C) << QStringLiteral(" تم نسخ الآية الحالية ") + kGoAndPaste;
    QTest::newRow("Ctrl+S: the verse and its tafsir")
        << int(Qt::Key_S) << QStringLiteral(" تم نسخ الآية الحالية وتفسيرها ") + kGoAndPaste;
    QTest::newRow("Ctrl+D: the marked verses")
        << int(Qt::Key_D) << QStringLiteral(" تم نسخ الآيات المحددة  وعددهاـ(1)ـ") + kGoAndPaste;
    QTest::newRow("Ctrl+E: the marked verses and their tafsir")
        << int(Qt::Key_E)
        << QStringLiteral(" تم نسخ الآيات المحددة وتفسيرها  وعددهاـ(1)ـ ") + kGoAndPaste;
}

void TestCopyCommands::shortcuts() {
    QFETCH(int, key);
    QFETCH(QString, message);
    SearchWord = QStringLiteral("الحمد");
    fill();
    QVERIFY(showActive(*window_));
    mark({1});
    c_->List1->setCurrentRow(1);
    // The verse box has the focus and the searched word selected: Ctrl+C
    // is still the menu's, and copies the whole verse.
    QCOMPARE(QApplication::focusWidget(), c_->Text1);
    QVERIFY(c_->Text1->textCursor().hasSelection());
    QTest::keyClick(c_->Text1, Qt::Key(key), Qt::ControlModifier);
    checkSeen(QStringLiteral("Orvanta"), message);
    if (key == Qt::Key_C)
        QCOMPARE(clipboardText(), c_->Text1->Text());
    QVERIFY(clipboardText().contains(hits_[1].AyahText));
}

void TestCopyCommands::afterASearchWithoutHits() {
    fill();
    QVERIFY(showActive(*window_));
    QVERIFY(!c_->Text1->Text().isEmpty());
    FindDialog* find = window_->ShowFindDialog();
    QVERIFY(QTest::qWaitForWindowActive(find));
    typeText(find->Controls().Text1, QStringLiteral("zzz"));
    QTest::mouseClick(find->Controls().Picture2_1, Qt::LeftButton);
    QCOMPARE(c_->List1->count(), 0);
    boxes_->clear();
    window_->Menu().coa->trigger();
    checkSeen(QStringLiteral("عفوا"), QStringLiteral("لا يوجد ما ينسخ"));
    QCOMPARE(clipboardText(), kSentinel);
}

void TestCopyCommands::ignoredWhileASearchRuns() {
    fill();
    QVERIFY(showActive(*window_));
    mark({2, 3});
    FindDialog* find = window_->ShowFindDialog();
    QVERIFY(QTest::qWaitForWindowActive(find));
    typeText(find->Controls().Text1, QStringLiteral("يوسف"));
    bool tried = false;
    QTimer meddler;
    meddler.setInterval(0);
    connect(&meddler, &QTimer::timeout, [&] {
        if (tried || !WordSearchRunning())
            return;
        tried = true;
        // Every command, by its menu item and by its shortcut.
        for (QAction* item : {window_->Menu().coa, window_->Menu().cot, window_->Menu().cop_2,
                              window_->Menu().cop_3})
            item->trigger();
        QTest::keyClick(window_.get(), Qt::Key_D, Qt::ControlModifier);
    });
    meddler.start();
    QTest::mouseClick(find->Controls().Picture2_1, Qt::LeftButton);
    meddler.stop();
    QVERIFY(tried);
    QVERIFY(boxes_->seen().isEmpty());
    QCOMPARE(clipboardText(), kSentinel);
    QCOMPARE(layouts_.CurrentLayout(), kUsEnglishLayout);

    // Once it has ended, the commands work on its hits.
    QVERIFY(!WordSearchRunning());
    QVERIFY(c_->List1->count() > 1);
    c_->List1->item(1)->setCheckState(Qt::Checked);
    window_->Menu().cop_2->trigger();
    QCOMPARE(boxes_->seen().size(), 1);
    const VerseRecord h = expectedHits(SearchRequest{QStringLiteral("يوسف")}).at(1);
    QCOMPARE(clipboardText(), QStringLiteral("1 - { ") + h.AyahText + QStringLiteral(" } ") +
                                  surahName(h) + h.AyahNo + QStringLiteral("\r\n"));
}

QTEST_MAIN(TestCopyCommands)
#include "test_copy_commands.moc"
