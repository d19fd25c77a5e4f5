#include "common/cp1256.h"
#include "tools/qurandata/quran_data_builder.h"
#include "tools/qurandata/quran_source.h"
#include "tools/qurandata/verse_normaliser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSource = QStringLiteral(QURAN_SOURCE_DIR);
const QStringList kDataFiles = {QStringLiteral("qor"), QStringLiteral("VelisarT.KRD"),
                                QStringLiteral("Velisar.KRD")};

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A tafsir naming every verse "تفسير S:A" and, for one verse, a text with
// bars in it; each line passes through edit, which may change or drop it.
QByteArray tafsirFile(const std::vector<int>& counts,
                      const std::function<QString(int, int, QString)>& edit = {}) {
    QString out;
    for (int s = 1; s <= int(counts.size()); ++s) {
        for (int a = 1; a <= counts[s - 1]; ++a) {
            QString line = QStringLiteral("%1|%2|تفسير %1:%2").arg(s).arg(a);
            if (s == 2 && a == 255)
                line = QStringLiteral("2|255|آية الكرسي | أعظم آية  في  القرآن");
            if (s == 2 && a == 1)
                line = QStringLiteral("2|1|قال ﴿الم﴾ ١ و ۲ و ٢٥٥");
            if (edit)
                line = edit(s, a, line);
            if (!line.isNull())
                out += line + u'\n';
        }
    }
    return out.toUtf8();
}

QString tafsirOf(const QByteArray& qor, int running, int which) {
    const QList<QByteArray> lines = qor.split('\n');
    return cp1256::decode(lines.at((running - 1) * 8 + 5 + which).chopped(1));
}

} // namespace

class TestQuranDataBuilder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void normalise_data();
    void normalise();
    void rerunGivesIdenticalFiles();
    void goodImport();
    void refusedTafsir_data();
    void refusedTafsir();
    void refusedSource();

private:
    std::vector<int> counts_;
};

void TestQuranDataBuilder::initTestCase() {
    QString error;
    const auto source = readQuranSource(kSource, &error);
    QVERIFY2(source, qPrintable(error));
    counts_ = source->surahVerseCounts;
}

void TestQuranDataBuilder::normalise_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("pause mark between words") << "رَيبَ ۛ فيهِ"
                                              << "رَيبَ فيهِ";
    QTest::newRow("section mark at the start") << "۞ إِنَّ"
                                               << "إِنَّ";
    QTest::newRow("prostration mark at the end") << "يَسجُدونَ ۩"
                                                 << "يَسجُدونَ";
    QTest::newRow("alef maksura with superscript alef") << "عَلىٰ"
                                                        << "عَلى";
    QTest::newRow("other superscript alef becomes fatha") << "الرَّحمٰنِ"
                                                          << "الرَّحمَنِ";
    QTest::newRow("superscript alef before lam") << "ذٰلِكَ"
                                                 << "ذَلِكَ";
    QTest::newRow("shadda stays before the vowel") << "اللَّهِ"
                                                   << "اللَّهِ";
    QTest::newRow("runs of blanks") << "  قُل \t هُوَ  "
                                    << "قُل هُوَ";
}

void TestQuranDataBuilder::normalise() {
    QFETCH(QString, text);
    QFETCH(QString, normalised);
    QCOMPARE(normaliseArabicText(text), normalised);
    QCOMPARE(cp1256::firstUnencodable(normaliseArabicText(text)), -1);
}

void TestQuranDataBuilder::rerunGivesIdenticalFiles() {
    QTemporaryDir out;
    const BuildReport first = buildQuranData({kSource, out.path(), {}, {}});
    QVERIFY2(first.ok, qPrintable(first.error));
    QCOMPARE(first.replaced.size(), 3);
    QList<QByteArray> before;
    for (const QString& name : kDataFiles)
        before.append(readBytes(out.filePath(name)));

    const BuildReport second = buildQuranData({kSource, out.path(), {}, {}});
    QVERIFY2(second.ok, qPrintable(second.error));
    QVERIFY(second.replaced.isEmpty());
    for (int i = 0; i < kDataFiles.size(); ++i)
        QCOMPARE(readBytes(out.filePath(kDataFiles[i])), before[i]);

    // A fresh folder gets the same bytes again, and the finder files equal
    // the program folder's, which never carry tafsir.
    QTemporaryDir again;
    QVERIFY(buildQuranData({kSource, again.path(), {}, {}}).ok);
    for (int i = 0; i < kDataFiles.size(); ++i)
        QCOMPARE(readBytes(again.filePath(kDataFiles[i])), before[i]);
    QCOMPARE(before[1], readBytes(QStringLiteral(PROGRAM_DIR "/VelisarT.KRD")));
    QCOMPARE(before[2], readBytes(QStringLiteral(PROGRAM_DIR "/Velisar.KRD")));
}

void TestQuranDataBuilder::goodImport() {
    QTemporaryDir dir;
    // The first file with a BOM, CR LF line ends and comment lines, as
    // downloaded tafsir files come; the second plain.
    QByteArray first = "\xEF\xBB\xBF# a comment\r\n" + tafsirFile(counts_).replace("\n", "\r\n") +
                       "\r\n# trailing notes\r\n";
    writeBytes(dir.filePath(QStringLiteral("t1.txt")), first);
    writeBytes(dir.filePath(QStringLiteral("t2.txt")),
               tafsirFile(counts_,
                          [](int, int, QString line) { return line + QStringLiteral(" الميسر"); }));
    const QString out = dir.filePath(QStringLiteral("out"));
    const BuildReport report = buildQuranData({kSource, out, dir.filePath(QStringLiteral("t1.txt")),
                                               dir.filePath(QStringLiteral("t2.txt"))});
    QVERIFY2(report.ok, qPrintable(report.error));

    const QByteArray qor = readBytes(out + QStringLiteral("/qor"));
    QCOMPARE(tafsirOf(qor, 1, 1), QStringLiteral("تفسير 1:1"));
    QCOMPARE(tafsirOf(qor, 1, 2), QStringLiteral("تفسير 1:1 الميسر"));
    QCOMPARE(tafsirOf(qor, 6236, 1), QStringLiteral("تفسير 114:6"));
    const int ayatAlKursi = 7 + 255;
    QCOMPARE(tafsirOf(qor, ayatAlKursi, 1), QStringLiteral("آية الكرسي | أعظم آية في القرآن"));
    // Arabic-Indic digits and the ornate brackets take the code page's own
    // digits and parentheses.
    QCOMPARE(tafsirOf(qor, 1 + 7, 1), QStringLiteral("قال (الم) 1 و 2 و 255"));
    QCOMPARE(qor.count('\n'), 6236 * 8);
    // The finder files do not change with the tafsir.
    QCOMPARE(readBytes(out + QStringLiteral("/Velisar.KRD")),
             readBytes(QStringLiteral(PROGRAM_DIR "/Velisar.KRD")));
}

void TestQuranDataBuilder::refusedTafsir_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message"); // after "<file>:"
    using Edit = std::function<QString(int, int, QString)>;
    auto file = [this](const Edit& edit) { return tafsirFile(counts_, edit); };
    auto dropVerse = [](int s0, int a0) {
        return [=](int s, int a, QString line) { return s == s0 && a == a0 ? QString() : line; };
    };
    auto replaceVerse = [](int s0, int a0, const QString& replacement) {
        return [=](int s, int a, QString line) { return s == s0 && a == a0 ? replacement : line; };
    };

    QTest::newRow("missing verse") << file(dropVerse(2, 7)) << " verse 2:7 is missing";
    QTest::newRow("empty file") << QByteArray() << " verse 1:1 is missing (6236 verses in all)";
    QTest::newRow("duplicate verse") << file(replaceVerse(1, 2, QStringLiteral("1|1|مكرر")))
                                     << "2: verse 1:1 is given again (first on line 1)";
    QTest::newRow("unknown surah") << file({}) + "115|1|x\n"
                                   << "6237: there is no verse 115:1";
    QTest::newRow("verse beyond the surah") << file({}) + "1|8|x\n"
                                            << "6237: there is no verse 1:8";
    QTest::newRow("verse 0") << file(replaceVerse(1, 1, QStringLiteral("1|0|x")))
                             << "1: there is no verse 1:0";
    QTest::newRow("no bars") << file(replaceVerse(1, 3, QStringLiteral("1 3 نص")))
                             << "3: expected sura|aya|text";
    QTest::newRow("one bar") << file(replaceVerse(1, 3, QStringLiteral("1|3 نص")))
                             << "3: expected sura|aya|text";
    QTest::newRow("letters for the surah") << file(replaceVerse(1, 3, QStringLiteral("a|3|نص")))
                                           << "3: the sura and aya must be whole numbers";
    QTest::newRow("unencodable character")
        << file(replaceVerse(1, 4, QStringLiteral("1|4|قال ٱلله")))
        << "4: character U+0671 cannot be written in code page 1256";
    QTest::newRow("control character") << file(replaceVerse(1, 5, QStringLiteral("1|5|نص\x0Bآخر")))
                                       << "5: control character U+000B in the text";
    QByteArray notUtf8 = file({});
    notUtf8.insert(notUtf8.indexOf("\n1|6|") + 6, "\xFF\xFE");
    QTest::newRow("not UTF-8") << notUtf8 << "6: not UTF-8 text";
    QByteArray loneCr = file({});
    loneCr.insert(loneCr.indexOf("\n1|7|") + 5, "\r");
    QTest::newRow("carriage return inside the text")
        << loneCr << "7: control character U+000D in the text";
}

void TestQuranDataBuilder::refusedTafsir() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.txt"));
    const QString bad = dir.filePath(QStringLiteral("bad.txt"));
    writeBytes(good, tafsirFile(counts_));
    writeBytes(bad, content);
    const QString out = dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));
    for (const QString& name : kDataFiles)
        writeBytes(out + u'/' + name, "what the user had");

    // The bad file in either place is refused with its name and line.
    for (int which = 1; which <= 2; ++which) {
        const BuildReport report =
            buildQuranData({kSource, out, which == 1 ? bad : good, which == 2 ? bad : good});
        QVERIFY(!report.ok);
        QCOMPARE(report.error, bad + u':' + message);
        for (const QString& name : kDataFiles)
            QCOMPARE(readBytes(out + u'/' + name), QByteArray("what the user had"));
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 3); // no temporary files left
    }
}

void TestQuranDataBuilder::refusedSource() {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));
    writeBytes(out + QStringLiteral("/qor"), "kept");

    // A changed verse text fails its checksum.
    const QString source = dir.filePath(QStringLiteral("source"));
    QVERIFY(QDir().mkpath(source));
    QFile::copy(kSource + QStringLiteral("/quran.sty"), source + QStringLiteral("/quran.sty"));
    QByteArray def = readBytes(kSource + QStringLiteral("/qurantext-simple.def"));
    def.replace("الحَمدُ", "الحمد");
    writeBytes(source + QStringLiteral("/qurantext-simple.def"), def);
    BuildReport report = buildQuranData({source, out, {}, {}});
    QVERIFY(!report.ok);
    QVERIFY2(report.error.contains(QStringLiteral("SHA-256")), qPrintable(report.error));

    // A missing tafsir file is refused before anything is written.
    report = buildQuranData({kSource, out, dir.filePath(QStringLiteral("none.txt")), {}});
    QVERIFY(!report.ok);
    QVERIFY(report.error.startsWith(dir.filePath(QStringLiteral("none.txt"))));
    QCOMPARE(readBytes(out + QStringLiteral("/qor")), QByteArray("kept"));
}

QTEST_GUILESS_MAIN(TestQuranDataBuilder)
#include "test_quran_data_builder.moc"
