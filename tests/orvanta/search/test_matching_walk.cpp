#include "orvanta/search/matching_walk.h"

#include <QTest>

class TestMatchingWalk : public QObject {
    Q_OBJECT
private slots:
    void walk_data();
    void walk();
    void selectionSpan_data();
    void selectionSpan();
};

void TestMatchingWalk::walk_data() {
    QTest::addColumn<QString>("verse");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("h");
    QTest::addColumn<QString>("selected"); // "none" when nothing is selected

    QTest::newRow("bare word found with its marks")
        << QStringLiteral(" {بِسمِ اللَّهِ الرَّحمَنِ الرَّحيمِ }الفاتحة1") << QStringLiteral("الله")
        << QStringLiteral("اللَّه") << QStringLiteral("اللَّهِ");
    QTest::newRow("unmarked word, the blank after it selected")
        << QStringLiteral("وَقالَ موسى لِقَومِهِ") << QStringLiteral("موسى") << QStringLiteral("موسى")
        << QStringLiteral("موسى ");
    QTest::newRow("first complete match wins")
        << QStringLiteral("مِن رَبِّكُم مِن") << QStringLiteral("من") << QStringLiteral("مِن")
        << QStringLiteral("مِن ");
    // The walk ends on a partial match; it is selected where it first occurs,
    // here inside "الرحيم".
    QTest::newRow("partial match at the very end")
        << QStringLiteral("الرحيم الرح") << QStringLiteral("الرحمن") << QStringLiteral("الرح")
        << QStringLiteral("الرحي");
    // The second lam breaks the match started by the first and is not
    // compared again with the word's first letter.
    QTest::newRow("doubled first letter, match missed")
        << QStringLiteral("فَلَلكُم") << QStringLiteral("لكم") << QString() << QStringLiteral("ف");
    QTest::newRow("doubled first letter, later match found")
        << QStringLiteral("فَلَلكُم لَكُم") << QStringLiteral("لكم") << QStringLiteral("لَكُم")
        << QStringLiteral("لَكُم");
    QTest::newRow("empty word selects the first character")
        << QStringLiteral(" {الم }البقرة1") << QString() << QString() << QStringLiteral(" ");
    // Superscript alef has no code in the page: it counts as 63, not a mark.
    QTest::newRow("a character without a code breaks the stretch")
        << QStringLiteral("ذَٰلِكَ") << QStringLiteral("ذلك") << QString() << QStringLiteral("ذ");
    QTest::newRow("no letter of the word")
        << QStringLiteral("قُل هُوَ") << QStringLiteral("بر") << QString() << QStringLiteral("ق");
    QTest::newRow("word at the end of the text")
        << QStringLiteral("قال موسى") << QStringLiteral("موسى") << QStringLiteral("موسى")
        << QStringLiteral("موسى");
    QTest::newRow("empty text") << QString() << QStringLiteral("من") << QString() << QString();
}

void TestMatchingWalk::walk() {
    QFETCH(QString, verse);
    QFETCH(QString, word);
    QFETCH(QString, h);
    QFETCH(QString, selected);
    QCOMPARE(MatchingWalk(verse, word), h);
    const std::optional<TextSpan> span = SelectionSpan(verse, h);
    QVERIFY(span);
    QCOMPARE(verse.mid(span->start, span->length), selected);
}

void TestMatchingWalk::selectionSpan_data() {
    QTest::addColumn<QString>("verse");
    QTest::addColumn<QString>("h");
    QTest::addColumn<qsizetype>("start"); // -1: nothing selected
    QTest::addColumn<qsizetype>("length");
    QTest::newRow("one more than the span") << "abcdef"
                                            << "bc" << qsizetype(1) << qsizetype(3);
    QTest::newRow("first occurrence") << "xabab"
                                      << "ab" << qsizetype(1) << qsizetype(3);
    QTest::newRow("cut at the end") << "abc"
                                    << "bc" << qsizetype(1) << qsizetype(2);
    QTest::newRow("empty span") << "abc"
                                << "" << qsizetype(0) << qsizetype(1);
    QTest::newRow("empty span, empty text") << ""
                                            << "" << qsizetype(0) << qsizetype(0);
    QTest::newRow("not in the text") << "abc"
                                     << "x" << qsizetype(-1) << qsizetype(0);
    // With diacritics the typed word is the span: without its marks it is
    // not in a marked verse.
    QTest::newRow("typed bare, verse marked")
        << QStringLiteral("بِسمِ اللَّهِ") << QStringLiteral("الله") << qsizetype(-1) << qsizetype(0);
}

void TestMatchingWalk::selectionSpan() {
    QFETCH(QString, verse);
    QFETCH(QString, h);
    QFETCH(qsizetype, start);
    QFETCH(qsizetype, length);
    const std::optional<TextSpan> span = SelectionSpan(verse, h);
    if (start < 0) {
        QVERIFY(!span);
        return;
    }
    QVERIFY(span);
    QCOMPARE(*span, (TextSpan{start, length}));
}

QTEST_APPLESS_MAIN(TestMatchingWalk)
#include "test_matching_walk.moc"
