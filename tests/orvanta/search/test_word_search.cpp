#include "orvanta/search/search_state.h"
#include "orvanta/search/search_surface.h"
#include "orvanta/search/word_search.h"
#include "search_fixture.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

// Writes down everything a search asks of its windows.
class RecordingSurface : public SearchSurface {
public:
    QStringList calls; // in order; progress and yields are counted apart
    QStringList statuses;
    QList<int> progress;
    int yields = 0;
    QStringList texts;
    QStringList ids;
    QString reported;
    std::function<void()> onYield;

    void YieldToEvents() override {
        ++yields;
        if (onYield)
            onYield();
    }
    void PrepareWindows() override { calls << QStringLiteral("prepare"); }
    void DrawSearchProgress(int count) override { progress << count; }
    void ShowHitCount(int count) override { ShowStatus(SearchResultsText(count)); }
    void ShowStatus(const QString& text) override {
        statuses << text;
        if (calls.isEmpty() || calls.last() != QStringLiteral("status"))
            calls << QStringLiteral("status");
    }
    void ClearLists() override {
        calls << QStringLiteral("clear");
        texts.clear();
        ids.clear();
    }
    void AddHits(const QStringList& t, const QStringList& i) override {
        calls << QStringLiteral("add");
        texts << t;
        ids << i;
    }
    void ShowFirstHit() override { calls << QStringLiteral("first"); }
    void RestoreDialog() override { calls << QStringLiteral("restore"); }
    void ReportNotSaved(const QString& text) override {
        calls << QStringLiteral("report");
        reported = text;
    }
};

SearchRequest request(const QString& word, int check1 = 0,
                      SearchScope scope = SearchScope::WholeMushaf, const QString& combo1 = "1",
                      const QString& combo2 = "1", const QString& combo3 = "2") {
    return {word, check1, scope, combo1, combo2, combo3};
}

} // namespace

class TestWordSearch : public QObject {
    Q_OBJECT
private slots:
    void init();
    void searches_data();
    void searches();
    void wordTwiceInOneVerse();
    void noHits();
    void twoSearchesInARow();
    void diacriticsModeOnlySetByADiacriticsSearch();
    void searchDuringASearchIsIgnored();
    void resultsLocationNotWritable();
    void failedWriteNeverReadBack();
    void verseFileMissing();

private:
    QTemporaryDir dir_;
    QString results_;
};

void TestWordSearch::init() {
    results_ = dir_.filePath(QStringLiteral("find"));
    QFile::remove(results_);
    SearchWord.clear();
    DiacriticsMode = 0;
}

void TestWordSearch::searches_data() {
    QTest::addColumn<SearchRequest>("request");
    QTest::addColumn<int>("hits");
    QTest::addColumn<QString>("searchWord");
    const auto one = SearchScope::OneJuz;
    const auto range = SearchScope::JuzRange;
    const QString allah = QStringLiteral("الله");
    const QString allahMarked = QStringLiteral("الل\u0651\u064Eه"); // shadda before fatha
    QTest::newRow("frequent word") << request(allah) << 1745 << allah;
    QTest::newRow("rare word") << request(QStringLiteral("زيتونة")) << 1
                               << QStringLiteral("زيتونة");
    QTest::newRow("with diacritics") << request(allahMarked, 1) << 1745 << allahMarked;
    // The marks stay in the searched text but not in the verse text.
    QTest::newRow("marked word without diacritics") << request(allahMarked) << 0 << allah;
    // Only verses holding the exact unmarked letters.
    QTest::newRow("bare word with diacritics")
        << request(QStringLiteral("موسى"), 1) << 115 << QStringLiteral("موسى");
    QTest::newRow("same word without diacritics")
        << request(QStringLiteral("موسى")) << 131 << QStringLiteral("موسى");
    QTest::newRow("blanks around the word")
        << request(QStringLiteral(" من ")) << 1987 << QStringLiteral(" من ");
    QTest::newRow("no blanks") << request(QStringLiteral("من")) << 2960 << QStringLiteral("من");
    QTest::newRow("juz 5 to 7") << request(allah, 0, range, "1", "5", "7") << -1 << allah;
    QTest::newRow("juz 7 to 5") << request(allah, 0, range, "1", "7", "5") << 0 << allah;
    QTest::newRow("juz 30") << request(allah, 0, one, "30") << -1 << allah;
    QTest::newRow("juz typed as text") << request(allah, 0, one, "juz") << 0 << allah;
}

void TestWordSearch::searches() {
    QFETCH(SearchRequest, request);
    QFETCH(int, hits);
    const QList<VerseRecord> expected = expectedHits(request);
    if (hits >= 0)
        QCOMPARE(expected.size(), hits);
    else
        QVERIFY(!expected.isEmpty());

    RecordingSurface surface;
    const SearchOutcome outcome = RunWordSearch(request, surface, builtVerseFile(), results_);
    QCOMPARE(outcome.end, SearchEnd::Done);
    QCOMPARE(outcome.hits, expected.size());

    // The file holds every hit once, line for line as read, in file order;
    // the lists agree with it entry for entry.
    QCOMPARE(fileBytes(results_), recordBytes(expected));
    QCOMPARE(surface.texts.size(), expected.size());
    QCOMPARE(surface.ids.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(surface.ids[i], expected[i].VerseId);
        QCOMPARE(surface.texts[i], entryText(expected[i]));
    }
    QTEST(SearchWord, "searchWord");
    QCOMPARE(int(DiacriticsMode), request.Check1 == 1 ? 1 : 0);

    // The whole file is read whatever the scope: the bar runs to its end.
    QCOMPARE(surface.progress.size(), 6236);
    QCOMPARE(surface.progress.first(), 1);
    QCOMPARE(surface.progress.last(), 6236);
    const bool live = request.Check1 != 1;
    QCOMPARE(surface.yields, 1 + 6236 + (live ? expected.size() : 0));

    QStringList statuses{kSearchWaitText};
    for (int n = 1; live && n <= expected.size(); ++n)
        statuses << SearchResultsText(n);
    statuses << SearchResultsText(expected.size());
    QCOMPARE(surface.statuses, statuses);
    QStringList calls{"prepare", "status", "clear"};
    if (live && !expected.isEmpty())
        calls << QStringLiteral("status");
    calls << QStringLiteral("add");
    if (!expected.isEmpty())
        calls << QStringLiteral("first");
    calls << QStringLiteral("status") << QStringLiteral("restore");
    QCOMPARE(surface.calls, calls);
    QVERIFY(!WordSearchRunning());
}

void TestWordSearch::wordTwiceInOneVerse() {
    RecordingSurface surface;
    RunWordSearch(request(QStringLiteral("الله")), surface, builtVerseFile(), results_);
    const QSet<QString> unique(surface.ids.cbegin(), surface.ids.cend());
    QCOMPARE(unique.size(), surface.ids.size());
    // 2:80 names Allah three times and is listed once.
    int listed = 0;
    for (const VerseRecord& v : readRecords(results_)) {
        if (v.SurahNo == QStringLiteral("2") && v.AyahNo == QStringLiteral("80")) {
            ++listed;
            QCOMPARE(v.AyahText.count(QStringLiteral("الل\u0651\u064Eه")), 3);
        }
    }
    QCOMPARE(listed, 1);
}

void TestWordSearch::noHits() {
    QFile old(results_);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("1\r\n1\r\n1\r\n1\r\nx\r\n1\r\n\r\n\r\n");
    old.close();
    RecordingSurface surface;
    const SearchOutcome outcome =
        RunWordSearch(request(QStringLiteral("qqq")), surface, builtVerseFile(), results_);
    QCOMPARE(outcome.end, SearchEnd::Done);
    QCOMPARE(outcome.hits, 0);
    QVERIFY(QFile::exists(results_));
    QCOMPARE(QFileInfo(results_).size(), 0);
    QVERIFY(surface.texts.isEmpty());
    QVERIFY(!surface.calls.contains(QStringLiteral("first")));
    QCOMPARE(surface.statuses.last(), QStringLiteral("نتائج البحث 0"));
}

void TestWordSearch::twoSearchesInARow() {
    RecordingSurface first;
    RunWordSearch(request(QStringLiteral("موسى")), first, builtVerseFile(), results_);
    QCOMPARE(first.ids.size(), 131);
    RecordingSurface second;
    RunWordSearch(request(QStringLiteral("يوسف")), second, builtVerseFile(), results_);
    const QList<VerseRecord> expected = expectedHits(request(QStringLiteral("يوسف")));
    QCOMPARE(second.ids.size(), expected.size());
    QCOMPARE(readRecords(results_), expected);
    QCOMPARE(second.calls.indexOf(QStringLiteral("clear")), 2);
}

void TestWordSearch::diacriticsModeOnlySetByADiacriticsSearch() {
    RecordingSurface surface;
    DiacriticsMode = 1;
    RunWordSearch(request(QStringLiteral("سندس")), surface, builtVerseFile(), results_);
    QCOMPARE(int(DiacriticsMode), 1);
    DiacriticsMode = 0;
    RunWordSearch(request(QStringLiteral("سندس")), surface, builtVerseFile(), results_);
    QCOMPARE(int(DiacriticsMode), 0);
    RunWordSearch(request(QStringLiteral("سندس"), 1), surface, builtVerseFile(), results_);
    QCOMPARE(int(DiacriticsMode), 1);
}

void TestWordSearch::searchDuringASearchIsIgnored() {
    RecordingSurface outer;
    RecordingSurface inner;
    int tries = 0;
    QList<SearchEnd> innerEnds;
    outer.onYield = [&] {
        QVERIFY(WordSearchRunning());
        // A second search in the middle of the scan.
        if (++tries == 3000)
            innerEnds << RunWordSearch(request(QStringLiteral("الله")), inner, builtVerseFile(),
                                       results_)
                             .end;
    };
    const SearchOutcome outcome =
        RunWordSearch(request(QStringLiteral("موسى")), outer, builtVerseFile(), results_);
    QCOMPARE(innerEnds, QList<SearchEnd>{SearchEnd::Ignored});
    QVERIFY(inner.calls.isEmpty());
    QCOMPARE(inner.yields, 0);
    QCOMPARE(outcome.hits, 131);
    QCOMPARE(readRecords(results_), expectedHits(request(QStringLiteral("موسى"))));
    QVERIFY(!WordSearchRunning());
}

void TestWordSearch::resultsLocationNotWritable() {
    QVERIFY(QDir().mkpath(results_ + QStringLiteral("/taken")));
    RecordingSurface surface;
    const SearchOutcome outcome =
        RunWordSearch(request(QStringLiteral("موسى")), surface, builtVerseFile(), results_);
    QVERIFY(QDir(results_).removeRecursively());
    QCOMPARE(outcome.end, SearchEnd::NotSaved);
    QCOMPARE(outcome.hits, 0);
    QVERIFY(surface.texts.isEmpty());
    QCOMPARE(surface.calls,
             (QStringList{"prepare", "status", "clear", "status", "restore", "report"}));
    QCOMPARE(surface.statuses.last(), kResultsNotSavedText);
    QCOMPARE(surface.reported, kResultsNotSavedText);
    QVERIFY(!WordSearchRunning());
}

void TestWordSearch::failedWriteNeverReadBack() {
    RecordingSurface first;
    RunWordSearch(request(QStringLiteral("موسى")), first, builtVerseFile(), results_);
    const QByteArray old = fileBytes(results_);
    QVERIFY(old.size() < 60 * 1000);

    RecordingSurface second;
    SearchOutcome outcome;
    {
        // Room for the old hits, not for the new ones.
        const FileSizeLimit limit(60 * 1000);
        outcome =
            RunWordSearch(request(QStringLiteral("الله")), second, builtVerseFile(), results_);
    }
    QCOMPARE(outcome.end, SearchEnd::NotSaved);
    QCOMPARE(fileBytes(results_), old);
    QVERIFY(!second.calls.contains(QStringLiteral("add")));
    QVERIFY(!second.calls.contains(QStringLiteral("first")));
    QVERIFY(second.calls.contains(QStringLiteral("clear")));
    QCOMPARE(second.calls.mid(second.calls.size() - 2),
             (QStringList{QStringLiteral("restore"), QStringLiteral("report")}));
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("find")});
}

void TestWordSearch::verseFileMissing() {
    RecordingSurface surface;
    const SearchOutcome outcome = RunWordSearch(request(QStringLiteral("الله")), surface,
                                                dir_.filePath(QStringLiteral("qor")), results_);
    QCOMPARE(outcome.end, SearchEnd::Done);
    QCOMPARE(outcome.hits, 0);
    QCOMPARE(QFileInfo(results_).size(), 0);
    QVERIFY(surface.progress.isEmpty());
    QCOMPARE(surface.statuses.last(), QStringLiteral("نتائج البحث 0"));
}

QTEST_APPLESS_MAIN(TestWordSearch)
#include "test_word_search.moc"
