#include "orvanta/search/copy_texts.h"
#include "orvanta/search/results_file_writer.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(VisibleTafsir)

namespace {

// Eight hits as a search writes them: VerseIds "h1".."h8", surah 2 for the
// first five, surah 3 after them. Hit n has the verse text "نص n", its
// verse number 10 + n and the tafsirs "أول n" and "ثان n".
VerseRecord hit(int n) {
    const QString number = QString::number(n);
    return {QStringLiteral("h") + number,
            n <= 5 ? QStringLiteral("2") : QStringLiteral("3"),
            QStringLiteral("7"),
            QString::number(10 + n),
            QStringLiteral("نص ") + number,
            QStringLiteral("1"),
            QStringLiteral("أول ") + number,
            QStringLiteral("ثان ") + number};
}

} // namespace

class TestCopyTexts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void shownVerseWithTafsir_data();
    void shownVerseWithTafsir();
    void markedVerses_data();
    void markedVerses();
    void unreadableResultsFile();
    void messages();

private:
    QTemporaryDir dir_;
    QString results_;
};

void TestCopyTexts::initTestCase() {
    QVERIFY(dir_.isValid());
    results_ = dir_.filePath(QStringLiteral("find"));
    ResultsFileWriter writer;
    QVERIFY(writer.Open(results_));
    for (int n = 1; n <= 8; ++n)
        writer.Append(hit(n));
    QVERIFY(writer.Commit());
}

void TestCopyTexts::shownVerseWithTafsir_data() {
    QTest::addColumn<VisibleTafsir>("visible");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first pane") << VisibleTafsir{true, false}
                                << QStringLiteral(" {نص }البقرة1\r\nأول");
    QTest::newRow("second pane") << VisibleTafsir{false, true}
                                 << QStringLiteral(" {نص }البقرة1\r\nثان");
    QTest::newRow("no pane") << VisibleTafsir{} << QString();
}

void TestCopyTexts::shownVerseWithTafsir() {
    QFETCH(VisibleTafsir, visible);
    QTEST(ShownVerseWithTafsir(QStringLiteral(" {نص }البقرة1"), QStringLiteral("أول"),
                               QStringLiteral("ثان"), visible),
          "expected");
}

void TestCopyTexts::markedVerses_data() {
    QTest::addColumn<QStringList>("marked");
    QTest::addColumn<bool>("withTafsir");
    QTest::addColumn<VisibleTafsir>("visible");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    const VisibleTafsir first{true, false};
    const VisibleTafsir second{false, true};

    // Entries 3 and 7: numbered 1 and 2 in list order, each with its own
    // surah's name.
    QTest::newRow("verses only") << QStringList{"h3", "h7"} << false << first
                                 << QStringLiteral("1 - { نص 3 } البقرة13\r\n"
                                                   "2 - { نص 7 } آل عمران17\r\n")
                                 << 2;
    QTest::newRow("first tafsir") << QStringList{"h3", "h7"} << true << first
                                  << QStringLiteral("1 - { نص 3 } البقرة13\r\nأول 3\r\n\r\n"
                                                    "2 - { نص 7 } آل عمران17\r\nأول 7\r\n\r\n")
                                  << 2;
    QTest::newRow("second tafsir") << QStringList{"h3", "h7"} << true << second
                                   << QStringLiteral("1 - { نص 3 } البقرة13\r\nثان 3\r\n\r\n"
                                                     "2 - { نص 7 } آل عمران17\r\nثان 7\r\n\r\n")
                                   << 2;
    QTest::newRow("first and last") << QStringList{"h1", "h8"} << false << second
                                    << QStringLiteral("1 - { نص 1 } البقرة11\r\n"
                                                      "2 - { نص 8 } آل عمران18\r\n")
                                    << 2;
    QTest::newRow("none marked") << QStringList{} << false << first << QString() << 0;
    // A VerseId the file no longer holds adds nothing and is not counted;
    // the file is then at its end, so nothing after it is found either.
    QTest::newRow("id not in the file") << QStringList{"h2", "h99", "h5"} << false << first
                                        << QStringLiteral("1 - { نص 2 } البقرة12\r\n") << 1;
    // The file is read once, front to back: an id behind the reader is not
    // found again.
    QTest::newRow("never rewound") << QStringList{"h6", "h4"} << false << first
                                   << QStringLiteral("1 - { نص 6 } آل عمران16\r\n") << 1;
    // Ids are compared as whole text.
    QTest::newRow("whole text only") << QStringList{"h"} << false << first << QString() << 0;
}

void TestCopyTexts::markedVerses() {
    QFETCH(QStringList, marked);
    QFETCH(bool, withTafsir);
    QFETCH(VisibleTafsir, visible);
    const MarkedVersesCopy copy = CopyMarkedVerses(results_, marked, withTafsir, visible);
    QTEST(copy.text, "text");
    QTEST(copy.count, "count");
}

void TestCopyTexts::unreadableResultsFile() {
    const QStringList marked{"h1", "h2"};
    for (const QString& path : {dir_.filePath(QStringLiteral("missing")), dir_.path()}) {
        const MarkedVersesCopy copy = CopyMarkedVerses(path, marked, true, {true, false});
        QCOMPARE(copy.text, QString());
        QCOMPARE(copy.count, 0);
    }
}

void TestCopyTexts::messages() {
    // Spelled out character by character: the leading blank, the double
    // blank before "وعددها", the tatweel (U+0640) outside the brackets, and
    // the blank before "اذهب" that only the message with tafsir has.
    const QString go = QStringLiteral("اذهب والصق في المكان الذي تريد");
    QCOMPARE(VerseCopiedText(), QStringLiteral(" تم نسخ الآية الحالية ") + go);
    QCOMPARE(VerseAndTafsirCopiedText(), QStringLiteral(" تم نسخ الآية الحالية وتفسيرها ") + go);
    QCOMPARE(MarkedVersesCopiedText(2),
             QStringLiteral(" تم نسخ الآيات المحددة\u0020\u0020وعددها\u0640(2)\u0640") + go);
    QCOMPARE(MarkedVersesAndTafsirCopiedText(12),
             QStringLiteral(" تم نسخ الآيات المحددة وتفسيرها\u0020\u0020وعددها\u0640(12)\u0640 ") +
                 go);
    QCOMPARE(kNothingToCopyText, QStringLiteral("لا يوجد ما ينسخ"));
    QCOMPARE(kNothingMarkedText, QStringLiteral("لم تحدد أي أية"));
}

QTEST_APPLESS_MAIN(TestCopyTexts)
#include "test_copy_texts.moc"
