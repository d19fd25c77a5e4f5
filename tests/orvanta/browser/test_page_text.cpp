#include "orvanta/browser/page_text.h"
#include "verses.h"

#include <QTest>

namespace {

// What a page must read: every verse in file order, each followed by its
// number in braces and a space, a header before every verse 1.
QString expectedPage(int page, const QHash<int, QString>& headers) {
    QString text;
    for (const VerseRecord& v : versesOfPage(page)) {
        if (v.AyahNo == u"1")
            text += headers.value(v.SurahNo.toInt());
        text += pieces({v});
    }
    return text;
}

} // namespace

class TestPageText : public QObject {
    Q_OBJECT
private slots:
    void surahHeader();
    void firstPage();
    void pageStartingInsideASurah();
    void pageWhereASurahEndsAndTheNextBegins();
    void lastPage();
    void pagesWithoutVerses_data();
    void pagesWithoutVerses();
    void builderMatchesByNumber();
    void builderLoadsTheSurahFacts();
};

void TestPageText::surahHeader() {
    SurahInfoTexts fatiha;
    fatiha.load(1);
    const QString expected = QStringLiteral(
        "\r\n¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸¸\r\n~§§  الفاتحة(مكية)عدد آياتها  7  §§~\r\n"
        "°°°°°°°°°°°°°°°°°°°°°°°°\r\n");
    QCOMPARE(SurahHeader(fatiha), expected);
    SurahInfoTexts baqara;
    baqara.load(2);
    QCOMPARE(SurahHeader(baqara), header(QStringLiteral("البقرة"), QStringLiteral("مدنية"), 286));
}

void TestPageText::firstPage() {
    const QList<VerseRecord> verses = versesOfPage(1);
    QCOMPARE(verses.size(), 7);
    QString expected = header(QStringLiteral("الفاتحة"), QStringLiteral("مكية"), 7);
    expected += pieces(verses);
    const QString text = PageText(builtVerseFile(), 1);
    QCOMPARE(text, expected);
    QVERIFY(text.contains(QStringLiteral("{1} ")));
    QVERIFY(text.endsWith(QStringLiteral("{7} ")));
}

void TestPageText::pageStartingInsideASurah() {
    // Page 3 begins with verse 6 of al-Baqara: no header at its top.
    const QString text = PageText(builtVerseFile(), 3);
    const QList<VerseRecord> verses = versesOfPage(3);
    QCOMPARE(verses.first().AyahNo, QStringLiteral("6"));
    QVERIFY(text.startsWith(verses.first().AyahText + QStringLiteral("{6} ")));
    QVERIFY(!text.contains(QStringLiteral("§§")));
    QCOMPARE(text, expectedPage(3, {}));
}

void TestPageText::pageWhereASurahEndsAndTheNextBegins() {
    // Page 106 holds the last verse of an-Nisa and the first of al-Ma'ida.
    const QString text = PageText(builtVerseFile(), 106);
    const QString maida = header(QStringLiteral("المائدة"), QStringLiteral("مدنية"), 120);
    QVERIFY(text.contains(QStringLiteral("{176} ") + maida));
    QCOMPARE(text.count(QStringLiteral("~§§")), 1);
    QCOMPARE(text, expectedPage(106, {{5, maida}}));
}

void TestPageText::lastPage() {
    const QString text = PageText(builtVerseFile(), 604);
    const QHash<int, QString> headers = {
        {112, header(QStringLiteral("الإخلاص"), QStringLiteral("مكية"), 4)},
        {113, header(QStringLiteral("الفلق"), QStringLiteral("مكية"), 5)},
        {114, header(QStringLiteral("الناس"), QStringLiteral("مكية"), 6)}};
    QVERIFY(text.startsWith(headers[112]));
    QCOMPARE(text.count(QStringLiteral("~§§")), 3);
    QVERIFY(text.endsWith(QStringLiteral("{6} ")));
    QCOMPARE(text, expectedPage(604, headers));
}

void TestPageText::pagesWithoutVerses_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("page");
    QTest::newRow("page 0") << builtVerseFile() << 0.0;
    QTest::newRow("page 605") << builtVerseFile() << 605.0;
    QTest::newRow("page 1.5") << builtVerseFile() << 1.5;
    QTest::newRow("no verse file") << QStringLiteral("/nonexistent/qor") << 1.0;
}

void TestPageText::pagesWithoutVerses() {
    QFETCH(QString, file);
    QFETCH(double, page);
    QCOMPARE(PageText(file, page), QString());
}

void TestPageText::builderMatchesByNumber() {
    PageTextBuilder builder(3);
    builder.Add(record("2", "5", "قبل", "2"));
    builder.Add(record("2", "6", "أول", "03"));  // "03" is page 3
    builder.Add(record("2", "7", "ثان", " 3"));  // so is " 3"
    builder.Add(record("3", "01", "ثالث", "3")); // "01" is verse 1: header
    builder.Add(record("3", "2", "بعد", "4"));
    SurahInfoTexts imran;
    imran.load(3);
    QCOMPARE(builder.Text(),
             QStringLiteral("أول{6} ثان{7} ") + SurahHeader(imran) + QStringLiteral("ثالث{01} "));
}

void TestPageText::builderLoadsTheSurahFacts() {
    // The shown verse's surah facts are the shared ones afterwards, as for
    // every verse the program shows.
    PageTextBuilder builder(9);
    builder.Add(record("36", "3", "نص", "9"));
    QCOMPARE(SurahInfo().SurahName, QStringLiteral("يس"));
    builder.Add(record("110", "1", "نص", "10"));
    QCOMPARE(SurahInfo().SurahName, QStringLiteral("يس"));
}

QTEST_GUILESS_MAIN(TestPageText)
#include "test_page_text.moc"
