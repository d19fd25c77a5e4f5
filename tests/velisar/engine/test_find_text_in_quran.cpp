#include "common/cp1256.h"
#include "fake_finder_view.h"
#include "velisar/engine/clean_search_text.h"
#include "velisar/engine/quran_texts.h"
#include "velisar/engine/search_texts.h"
#include "velisar/engine/verse_search.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

QuranTexts fixture(const QString& plain, const QString& vocalized) {
    QuranTexts texts;
    texts.Fill_Sora_Names();
    texts.Plain_Text = plain;
    texts.Vocalized_Text = vocalized;
    return texts;
}

// One verse of "qor", read here without the program's own reader: eight
// CR LF lines per verse; the second is the surah, the fourth the verse
// number, the fifth the vocalised text.
struct QorVerse {
    int surah;
    int verse;
    QString vocalized;
    QString plain;
};

QList<QorVerse> readQor() {
    QFile file(QStringLiteral(PROGRAM_DIR "/qor"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read qor");
    const QStringList lines = cp1256::decode(file.readAll()).split(QStringLiteral("\r\n"));
    static const QRegularExpression harakat(QStringLiteral("[\\x{064B}-\\x{0652}]"));
    QList<QorVerse> verses;
    for (qsizetype i = 0; i + 8 <= lines.size(); i += 8) {
        const QString text = lines.at(i + 4);
        verses.append({lines.at(i + 1).toInt(), lines.at(i + 3).toInt(), text,
                       QString(text).remove(harakat)});
    }
    return verses;
}

struct Outcome {
    QStringList rows;
    QStringList calls;
};

Outcome search(const QuranTexts& texts, const QString& query) {
    FakeFinderView view;
    VerseSearch engine(texts, view);
    engine.Find_Text_In_Quran(query);
    return {view.rows, view.calls};
}

} // namespace

class TestFindTextInQuran : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fixtures_data();
    void fixtures();
    void whatTheWindowIsAsked();
    void nothingFound();
    void emptyTextsFindNothing();
    void labelsAndTables();
    void rowsMatchACountOverQor_data();
    void rowsMatchACountOverQor();
    void queryAcrossTwoVersesIsNotFound();
    void marksAndTatweelFindTheBareWord_data();
    void marksAndTatweelFindTheBareWord();
    void stopBeforeAnyHit();
    void stopAfterSomeHits();
    void shownListEndsTheSearch();
    void stopAskedWhileIdleDoesNotCarryOver();
    void searchStartedDuringASearchIsRefused();

private:
    QuranTexts real_;
    QList<QorVerse> qor_;
};

void TestFindTextInQuran::initTestCase() {
    real_.Fill_Sora_Names();
    QCOMPARE(real_.Open_Moshaf_Data_File(QStringLiteral(PROGRAM_DIR), {}), LoadOutcome::Loaded);
    qor_ = readQor();
    QCOMPARE(qor_.size(), 6236);
}

void TestFindTextInQuran::fixtures_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("vocalized");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("found twice in one verse, listed once")
        << u" الله الله 1/1 قال 2/1 "_qs << u" اللَّهُ اللَّهُ 1/1 قالَ 2/1 "_qs << u"الله"_qs
        << QStringList{u"{ اللَّهُ اللَّهُ } (1) سورة الفاتحة"_qs};
    QTest::newRow("across two verses: not found")
        << u" الله 1/1 قال 2/1 "_qs << u" اللَّهُ 1/1 قالَ 2/1 "_qs << u"الله قال"_qs << QStringList{};
    QTest::newRow("a later verse starts after the previous key")
        << u" أ 1/1 ب 2/1 ج 1/2 "_qs << u" أَ 1/1 بَ 2/1 جَ 1/2 "_qs << u"ب"_qs
        << QStringList{u"{ بَ } (2) سورة الفاتحة"_qs};
    QTest::newRow("verse 1 starts after the previous surah's last key")
        << u" أ 1/1 ب 2/1 ج 1/2 "_qs << u" أَ 1/1 بَ 2/1 جَ 1/2 "_qs << u"ج"_qs
        << QStringList{u"{ جَ } (1) سورة البقرة"_qs};
    QTest::newRow("three-digit verse") << u" أ 254/2 ب 255/2 "_qs << u" أَ 254/2 بَ 255/2 "_qs
                                       << u"ب"_qs << QStringList{u"{ بَ } (255) سورة البقرة"_qs};
    QTest::newRow("key missing from the vocalised text: skipped")
        << u" أ 1/1 ب 2/1 ب 3/1 "_qs << u" أَ 1/1 بَ 2/1 بِ 4/1 "_qs << u"ب"_qs
        << QStringList{u"{ بَ } (2) سورة الفاتحة"_qs};
    QTest::newRow("tail of a longer key passed over")
        << u" ج 11/2 ب 1/2 "_qs << u" جَ 11/2 بَ 1/2 "_qs << u"ب"_qs
        << QStringList{u"{ بَ } (1) سورة البقرة"_qs};
    QTest::newRow("only the tail of a longer key: skipped")
        << u" ب 1/2 "_qs << u" بَ 11/2 "_qs << u"ب"_qs << QStringList{};
    QTest::newRow("a verse before the last one listed is passed over")
        << u" أ 1/2 أ 1/1 "_qs << u" أَ 1/2 أُ 1/1 "_qs << u"أ"_qs
        << QStringList{u"{ أَ } (1) سورة البقرة"_qs};
    QTest::newRow("line breaks around the keys")
        << u"أ\r\n1/1\r\nب\r\n2/1\r\n"_qs << u"أَ\r\n1/1\r\nبَ\r\n2/1\r\n"_qs << u"ب"_qs
        << QStringList{u"{\r\nبَ\r\n} (2) سورة الفاتحة"_qs};
    QTest::newRow("text after the last key holds no verse")
        << u" أ 1/1 ب"_qs << u" أَ 1/1 بَ"_qs << u"ب"_qs << QStringList{};
    QTest::newRow("no key digits before the slash")
        << u" ب /1 ب 2/1 "_qs << u" أَ 1/1 بَ 2/1 "_qs << u"ب"_qs
        << QStringList{u"{ بَ } (2) سورة الفاتحة"_qs};
    QTest::newRow("case does not matter")
        << u" é 1/1 "_qs << u" é 1/1 "_qs << u"É"_qs << QStringList{u"{ é } (1) سورة الفاتحة"_qs};
    QTest::newRow("previous key missing: cut after the key before it")
        << u" أ 1/1 ب 2/1 ج 3/1 "_qs << u" أَ 1/1 بَ ج 3/1 "_qs << u"ج"_qs
        << QStringList{u"{ بَ ج } (3) سورة الفاتحة"_qs};
}

void TestFindTextInQuran::fixtures() {
    QFETCH(QString, plain);
    QFETCH(QString, vocalized);
    QFETCH(QString, query);
    QFETCH(QStringList, rows);
    const Outcome outcome = search(fixture(plain, vocalized), query);
    QCOMPARE(outcome.rows, rows);
    QCOMPARE(outcome.calls.last(), rows.isEmpty() ? u"nothingFound:"_qs + query
                                                  : u"results:"_qs + resultCountText(rows.size()));
}

void TestFindTextInQuran::whatTheWindowIsAsked() {
    const QuranTexts texts = fixture(u" أ ب 1/1 ب 2/1 "_qs, u" أَ بَ 1/1 بِ 2/1 "_qs);
    FakeFinderView view;
    VerseSearch engine(texts, view);
    QVERIFY(engine.Find_Text_In_Quran(u"ب"_qs));
    QCOMPARE(view.calls, (QStringList{u"enter"_qs, u"row"_qs, u"row"_qs, u"leave:100%   ب"_qs,
                                      u"results:عدد النتائج : 2"_qs}));
    // One progress text per pass: from the start, after each verse's key.
    QCOMPARE(view.progress.size(), 3);
    QCOMPARE(view.progress.first(), progressText(1, texts.Plain_Text.size(), u"ب"_qs));
    QCOMPARE(view.progress.first(), u"6.66%   البحث عن : ب"_qs);
    QVERIFY(view.messages.isEmpty());
    QVERIFY(!engine.isSearching());
    // The text box keeps "100%   " and the query; searching it again cleans
    // it back to the query.
    QCOMPARE(Clean_Search_Text(view.textBox), u"ب"_qs);
}

void TestFindTextInQuran::nothingFound() {
    FakeFinderView view;
    VerseSearch engine(real_, view);
    QVERIFY(engine.Find_Text_In_Quran(u"كلمة غير موجودة"_qs));
    QCOMPARE(view.calls, (QStringList{u"enter"_qs, u"leave:100%   كلمة غير موجودة"_qs,
                                      u"nothingFound:كلمة غير موجودة"_qs}));
    QCOMPARE(view.messages.size(), 1);
    QCOMPARE(view.messages.at(0).text, notFoundMessage(u"كلمة غير موجودة"_qs).text);
    QCOMPARE(view.messages.at(0).icon, VelisarMessage::Icon::Information);
    QCOMPARE(view.textBox, u"كلمة غير موجودة"_qs);
    QVERIFY(engine.Result_Texts().isEmpty());
}

void TestFindTextInQuran::emptyTextsFindNothing() {
    const QuranTexts texts = fixture({}, {});
    FakeFinderView view;
    VerseSearch engine(texts, view);
    QVERIFY(engine.Find_Text_In_Quran(u"الله"_qs));
    QCOMPARE(view.calls.last(), u"nothingFound:الله"_qs);
    QVERIFY(view.progress.isEmpty()); // no percentage of nothing
    // An empty query is never searched.
    QVERIFY(!engine.Find_Text_In_Quran(QString()));
}

void TestFindTextInQuran::labelsAndTables() {
    FakeFinderView view;
    VerseSearch engine(real_, view);
    QVERIFY(engine.Find_Text_In_Quran(u"الله لا إله إلا هو الحي القيوم"_qs));
    QCOMPARE(engine.Result_Labels(),
             (QStringList{u"1- (255) سورة البقرة"_qs, u"2- (2) سورة آل عمران"_qs}));
    QCOMPARE(engine.Result_Texts(), view.rows);
    QCOMPARE(engine.resultText(1), view.rows.at(1));
    QCOMPARE(engine.resultLabel(1), u"2- (2) سورة آل عمران"_qs);
    QVERIFY(engine.resultText(2).isEmpty());
    QVERIFY(engine.resultLabel(-1).isEmpty());

    engine.setResultText(0, u" padded "_qs);
    engine.setResultText(5, u"beyond the rows"_qs);
    QCOMPARE(engine.Result_Texts().size(), 2);
    QCOMPARE(engine.resultText(0), u" padded "_qs);

    engine.clearResults();
    QVERIFY(engine.Result_Texts().isEmpty());
    QVERIFY(engine.resultLabel(0).isEmpty());
}

void TestFindTextInQuran::rowsMatchACountOverQor_data() {
    QTest::addColumn<QString>("query");
    QTest::newRow("the most frequent word") << u"من"_qs;
    QTest::newRow("a frequent word, also inside others") << u"الله"_qs;
    QTest::newRow("first verse, from the start of the text") << u"بسم الله الرحمن الرحيم"_qs;
    QTest::newRow("first verse of the last surah") << u"قل أعوذ برب الناس"_qs;
    QTest::newRow("letters that open surahs") << u"الم"_qs;
    QTest::newRow("a rare word") << u"غشاوة"_qs;
}

void TestFindTextInQuran::rowsMatchACountOverQor() {
    QFETCH(QString, query);
    QStringList expected;
    for (const QorVerse& v : std::as_const(qor_)) {
        if (v.plain.contains(query))
            expected.append(u"{ "_qs + v.vocalized + u" } "_qs +
                            resultRef(v.verse, v.surah, real_.Sora_Names));
    }
    QVERIFY(!expected.isEmpty());
    const Outcome outcome = search(real_, query);
    QCOMPARE(outcome.rows.size(), expected.size());
    QCOMPARE(outcome.rows, expected);
}

void TestFindTextInQuran::queryAcrossTwoVersesIsNotFound() {
    // The end of 1:2 and the start of 1:3, with the key between them.
    QVERIFY(real_.Plain_Text.contains(u"العالمين 2/1 الرحمن"));
    const Outcome outcome = search(real_, u"العالمين الرحمن"_qs);
    QVERIFY(outcome.rows.isEmpty());
    QCOMPARE(outcome.calls.last(), u"nothingFound:العالمين الرحمن"_qs);
}

void TestFindTextInQuran::marksAndTatweelFindTheBareWord_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("tatweel") << u"الحـج"_qs;
    QTest::newRow("vowel marks and shadda") << u"الحَجِّ"_qs;
    QTest::newRow("marks, tatweel, Latin and digits") << u" Hajj الحَـجُّ 2:196 "_qs;
}

void TestFindTextInQuran::marksAndTatweelFindTheBareWord() {
    QFETCH(QString, typed);
    const Outcome bare = search(real_, u"الحج"_qs);
    QVERIFY(bare.rows.size() > 5);
    QCOMPARE(search(real_, Clean_Search_Text(typed)).rows, bare.rows);
}

void TestFindTextInQuran::stopBeforeAnyHit() {
    FakeFinderView view;
    VerseSearch engine(real_, view);
    view.onYield = [&] { engine.requestStop(); };
    QVERIFY(engine.Find_Text_In_Quran(u"الله"_qs));
    QVERIFY(view.rows.isEmpty());
    QCOMPARE(view.calls.last(), u"nothingFound:الله"_qs);
    QCOMPARE(view.messages.size(), 1);
    QVERIFY(!engine.stopRequested()); // the end of a search clears it
}

void TestFindTextInQuran::stopAfterSomeHits() {
    const QStringList all = search(real_, u"الله"_qs).rows;
    FakeFinderView view;
    VerseSearch engine(real_, view);
    view.onYield = [&] {
        if (view.rows.size() == 3)
            engine.requestStop();
    };
    QVERIFY(engine.Find_Text_In_Quran(u"الله"_qs));
    QCOMPARE(view.rows, all.mid(0, 3));
    QCOMPARE(engine.Result_Texts(), all.mid(0, 3));
    QCOMPARE(view.calls.last(), u"results:عدد النتائج : 3"_qs);
    QVERIFY(view.messages.isEmpty());
    QVERIFY(!engine.stopRequested());
}

void TestFindTextInQuran::shownListEndsTheSearch() {
    FakeFinderView view;
    VerseSearch engine(real_, view);
    view.onYield = [&] {
        if (view.rows.size() == 2)
            view.listShown = true;
    };
    QVERIFY(engine.Find_Text_In_Quran(u"الله"_qs));
    QCOMPARE(view.rows.size(), 2);
    QCOMPARE(view.calls.last(), u"results:عدد النتائج : 2"_qs);
}

void TestFindTextInQuran::stopAskedWhileIdleDoesNotCarryOver() {
    const QStringList all = search(real_, u"الله"_qs).rows;
    FakeFinderView view;
    VerseSearch engine(real_, view);
    engine.requestStop(); // Esc in the text box while no search runs
    QVERIFY(engine.Find_Text_In_Quran(u"الله"_qs));
    QCOMPARE(view.rows, all);
    QVERIFY(view.messages.isEmpty());
}

void TestFindTextInQuran::searchStartedDuringASearchIsRefused() {
    const QStringList all = search(real_, u"الله"_qs).rows;
    FakeFinderView view;
    VerseSearch engine(real_, view);
    QList<bool> nestedStarted;
    view.onYield = [&] {
        if (view.yields == 1 || view.rows.size() == 10)
            nestedStarted.append(engine.Find_Text_In_Quran(u"ربي"_qs));
    };
    QVERIFY(engine.Find_Text_In_Quran(u"الله"_qs));
    QVERIFY(!nestedStarted.isEmpty());
    QVERIFY(!nestedStarted.contains(true));
    QCOMPARE(view.rows, all);
    QCOMPARE(engine.Result_Texts(), all);
    QCOMPARE(view.calls.count(u"enter"_qs), 1);
    QCOMPARE(view.calls.last(), u"results:"_qs + resultCountText(all.size()));

    // Once it is over, the next search runs.
    view.onYield = nullptr;
    QVERIFY(engine.Find_Text_In_Quran(u"ربي"_qs));
    QVERIFY(!engine.Result_Texts().isEmpty());
}

QTEST_GUILESS_MAIN(TestFindTextInQuran)
#include "test_find_text_in_quran.moc"
