#include "common/cp1256.h"
#include "velisar/engine/quran_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kProgramDir = QStringLiteral(PROGRAM_DIR);

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

constexpr char16_t kTatweel = u'\u0640';

} // namespace

class TestQuranTexts : public QObject {
    Q_OBJECT
private slots:
    void soraNames_data();
    void soraNames();
    void onlyFourNamesHaveTatweel();
    void missingFiles_data();
    void missingFiles();
    void emptyFileLoadsAsEmptyText();
    void unreadableFileLoadsAsEmptyText();
    void folderWithTrailingSeparator();
    void realFilesLoadWhole();
};

void TestQuranTexts::soraNames_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("0, the word before the name") << 0 << u" سورة "_qs;
    QTest::newRow("1") << 1 << u"الفاتحة"_qs;
    QTest::newRow("2") << 2 << u"البقرة"_qs;
    QTest::newRow("3, two words") << 3 << u"آل عمران"_qs;
    QTest::newRow("20, tatweel") << 20 << u"طـه"_qs;
    QTest::newRow("22, tatweel") << 22 << u"الحـج"_qs;
    QTest::newRow("24, two tatweel") << 24 << u"النــور"_qs;
    QTest::newRow("36, two tatweel") << 36 << u"يــس"_qs;
    QTest::newRow("38, one letter") << 38 << u"ص"_qs;
    QTest::newRow("50, one letter") << 50 << u"ق"_qs;
    QTest::newRow("82") << 82 << u"الإنفطار"_qs;
    QTest::newRow("114") << 114 << u"الناس"_qs;
}

void TestQuranTexts::soraNames() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QuranTexts texts;
    texts.Fill_Sora_Names();
    QCOMPARE(texts.Sora_Names.size(), 115);
    QCOMPARE(texts.Sora_Names.at(index), name);
}

void TestQuranTexts::onlyFourNamesHaveTatweel() {
    QuranTexts texts;
    texts.Fill_Sora_Names();
    QList<int> withTatweel;
    for (int i = 0; i < texts.Sora_Names.size(); ++i) {
        const QString& name = texts.Sora_Names.at(i);
        QVERIFY2(!name.isEmpty(), qPrintable(QString::number(i)));
        if (i > 0)
            QVERIFY2(name.trimmed() == name, qPrintable(QString::number(i)));
        if (name.contains(kTatweel))
            withTatweel.append(i);
    }
    QCOMPARE(withTatweel, (QList<int>{20, 22, 24, 36}));
}

void TestQuranTexts::missingFiles_data() {
    QTest::addColumn<bool>("vocalizedThere");
    QTest::addColumn<bool>("plainThere");
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<QString>("vocalizedText");

    const QString tail = u"\r\rملف البحث غير متوفر"_qs;
    QTest::newRow("both missing") << false << false << u"1 T"_qs + tail << QString();
    QTest::newRow("only the plain file") << false << true << u"1 T"_qs + tail << QString();
    QTest::newRow("only the vocalised file") << true << false << u"2"_qs + tail << u" بِسمِ 1/1 "_qs;
    QTest::newRow("both there") << true << true << QString() << u" بِسمِ 1/1 "_qs;
}

void TestQuranTexts::missingFiles() {
    QFETCH(bool, vocalizedThere);
    QFETCH(bool, plainThere);
    QFETCH(QString, message);
    QFETCH(QString, vocalizedText);

    QTemporaryDir dir;
    if (vocalizedThere)
        writeFile(dir.filePath(kVocalizedFileName), cp1256::encode(u" بِسمِ 1/1 "));
    if (plainThere)
        writeFile(dir.filePath(kPlainFileName), cp1256::encode(u" بسم 1/1 "));

    QuranTexts texts;
    QList<VelisarMessage> shown;
    const LoadOutcome outcome =
        texts.Open_Moshaf_Data_File(dir.path(), [&](const VelisarMessage& m) { shown.append(m); });

    QCOMPARE(texts.Vocalized_Text, vocalizedText);
    if (message.isEmpty()) {
        QCOMPARE(outcome, LoadOutcome::Loaded);
        QVERIFY(shown.isEmpty());
        QCOMPARE(texts.Plain_Text, u" بسم 1/1 "_qs);
        return;
    }
    QCOMPARE(outcome, LoadOutcome::EndProgram);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).title, u"Velisar"_qs);
    QCOMPARE(shown.at(0).text, message);
    QCOMPARE(shown.at(0).icon, VelisarMessage::Icon::Stop);
    QVERIFY(texts.Plain_Text.isEmpty());
}

void TestQuranTexts::emptyFileLoadsAsEmptyText() {
    QTemporaryDir dir;
    writeFile(dir.filePath(kVocalizedFileName), {});
    writeFile(dir.filePath(kPlainFileName), {});
    QuranTexts texts;
    texts.Vocalized_Text = u"stale"_qs;
    int shown = 0;
    QCOMPARE(texts.Open_Moshaf_Data_File(dir.path(), [&](const VelisarMessage&) { ++shown; }),
             LoadOutcome::Loaded);
    QCOMPARE(shown, 0);
    QVERIFY(texts.Vocalized_Text.isEmpty());
    QVERIFY(texts.Plain_Text.isEmpty());
}

void TestQuranTexts::unreadableFileLoadsAsEmptyText() {
    if (QFileInfo(u"/"_qs).isWritable())
        QSKIP("running as root: every file is readable");
    QTemporaryDir dir;
    writeFile(dir.filePath(kVocalizedFileName), "x 1/1 ");
    writeFile(dir.filePath(kPlainFileName), "x 1/1 ");
    QFile::setPermissions(dir.filePath(kPlainFileName), {});
    QuranTexts texts;
    int shown = 0;
    QCOMPARE(texts.Open_Moshaf_Data_File(dir.path(), [&](const VelisarMessage&) { ++shown; }),
             LoadOutcome::Loaded);
    QCOMPARE(shown, 0);
    QCOMPARE(texts.Vocalized_Text, u"x 1/1 "_qs);
    QVERIFY(texts.Plain_Text.isEmpty());
}

void TestQuranTexts::folderWithTrailingSeparator() {
    QTemporaryDir dir;
    writeFile(dir.filePath(kVocalizedFileName), "a 1/1 ");
    writeFile(dir.filePath(kPlainFileName), "b 1/1 ");
    QuranTexts texts;
    QCOMPARE(texts.Open_Moshaf_Data_File(dir.path() + u'/', {}), LoadOutcome::Loaded);
    QCOMPARE(texts.Vocalized_Text, u"a 1/1 "_qs);
    QCOMPARE(texts.Plain_Text, u"b 1/1 "_qs);

    // A folder named like a data file is not a data file.
    QTemporaryDir other;
    QVERIFY(QDir(other.path()).mkdir(kVocalizedFileName));
    QList<VelisarMessage> shown;
    QCOMPARE(QuranTexts().Open_Moshaf_Data_File(other.path(),
                                                [&](const VelisarMessage& m) { shown.append(m); }),
             LoadOutcome::EndProgram);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.at(0).text.startsWith(u"1 T\r\r"));
}

void TestQuranTexts::realFilesLoadWhole() {
    QuranTexts texts;
    QCOMPARE(texts.Open_Moshaf_Data_File(kProgramDir, {}), LoadOutcome::Loaded);
    // One character for every byte of the single-byte files.
    QCOMPARE(texts.Vocalized_Text.size(), QFileInfo(kProgramDir + u"/VelisarT.KRD"_qs).size());
    QCOMPARE(texts.Plain_Text.size(), QFileInfo(kProgramDir + u"/Velisar.KRD"_qs).size());
    QVERIFY(texts.Plain_Text.startsWith(u" بسم الله الرحمن الرحيم 1/1 "));
    QVERIFY(texts.Vocalized_Text.startsWith(u" بِسمِ الل\u0651\u064Eهِ "));
    QVERIFY(texts.Plain_Text.endsWith(u" من الجنة والناس 6/114 "));
    QVERIFY(texts.Vocalized_Text.endsWith(u" 6/114 "));
}

QTEST_GUILESS_MAIN(TestQuranTexts)
#include "test_quran_texts.moc"
