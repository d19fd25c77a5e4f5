// Times the verse search on the real texts beside grep on the plain file, and
// prints the process's peak memory. Not a test: it only prints figures.
#include "common/cp1256.h"
#include "tests/support/bench_figures.h"
#include "velisar/engine/quran_texts.h"
#include "velisar/engine/verse_search.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTextStream>
#include <algorithm>

namespace {

const QString kProgramDir = QStringLiteral(PROGRAM_DIR);
constexpr int kRuns = 7;

// A window that does nothing, so only the search is timed.
class SilentView : public FinderView {
public:
    void yieldToEvents() override {}
    void enterSearchMode() override { rows = 0; }
    void showProgress(const QString&) override {}
    bool resultListShown() const override { return false; }
    void addResultRow(const QString&) override { ++rows; }
    void leaveSearchMode(const QString&) override {}
    void showResults(const QString&) override {}
    void showNothingFound(const QString&, const VelisarMessage&) override {}
    int rows = 0;
};

// The words of the plain text by how often they occur, keys left out.
QList<std::pair<QString, int>> wordCounts(const QString& plain) {
    static const QRegularExpression key(QStringLiteral("^[0-9/]+$"));
    QHash<QString, int> counts;
    for (const QStringView word : QStringView(plain).split(u' ', Qt::SkipEmptyParts))
        if (!key.match(word).hasMatch())
            ++counts[word.toString()];
    QList<std::pair<QString, int>> sorted;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        sorted.append({it.key(), it.value()});
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    return sorted;
}

struct Timing {
    double firstMs; // the first search also indexes the keys
    double engineMs;
    int rows;
    double grepMs;
    QString grepOutput;
};

Timing timeWord(VerseSearch& engine, SilentView& view, const QString& word) {
    Timing t{};
    QList<double> engineRuns;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        engine.Find_Text_In_Quran(word);
        engineRuns.append(timer.nsecsElapsed() / 1e6);
    }
    t.firstMs = engineRuns.first();
    t.engineMs = median(engineRuns);
    t.rows = view.rows;

    // grep reads bytes: give it the word in the file's own code page.
    QTemporaryFile pattern;
    pattern.open();
    pattern.write(cp1256::encode(word));
    pattern.close();
    QList<double> grepRuns;
    for (int i = 0; i < kRuns; ++i) {
        QProcess grep;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        grep.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        grep.start(QStringLiteral("grep"),
                   {QStringLiteral("-c"), QStringLiteral("-F"), QStringLiteral("-f"),
                    pattern.fileName(), kProgramDir + QStringLiteral("/Velisar.KRD")});
        grep.waitForFinished();
        grepRuns.append(timer.nsecsElapsed() / 1e6);
        t.grepOutput = QString::fromLatin1(grep.readAllStandardOutput()).trimmed();
    }
    t.grepMs = median(grepRuns);
    return t;
}

// What the search would spend if it looked for the previous verse's key from
// the start of the vocalised text for every row, as a plain scan does; the
// rows are those of the last search.
double fullScanMs(const VerseSearch& engine, const QuranTexts& texts) {
    static const QRegularExpression ref(QStringLiteral("^\\d+- \\((\\d+)\\)") +
                                        texts.Sora_Names.at(0) + QStringLiteral("(.*)$"));
    QStringList keys;
    for (const QString& label : engine.Result_Labels()) {
        const QRegularExpressionMatch m = ref.match(label);
        const int verse = m.captured(1).toInt();
        if (verse > 1)
            keys.append(QString::number(verse - 1) + u'/' +
                        QString::number(texts.Sora_Names.indexOf(m.captured(2))));
    }
    QElapsedTimer timer;
    timer.start();
    qsizetype sum = 0;
    for (const QString& key : std::as_const(keys))
        sum += texts.Vocalized_Text.indexOf(key);
    const double ms = timer.nsecsElapsed() / 1e6;
    return sum == 0 ? 0 : ms; // keeps the scans from being optimised away
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    const qint64 beforeLoad = peakMemoryKb();
    QuranTexts texts;
    texts.Fill_Sora_Names();
    if (texts.Open_Moshaf_Data_File(kProgramDir, {}) != LoadOutcome::Loaded) {
        out << "data files missing in " << kProgramDir << "\n";
        return 1;
    }
    const qint64 textsKb = (texts.Plain_Text.size() + texts.Vocalized_Text.size()) * 2 / 1024;
    const qint64 afterLoad = peakMemoryKb();
    const auto counts = wordCounts(texts.Plain_Text);
    const QString frequent = counts.first().first;
    // A rare word near the end of the text, so the scan runs almost whole.
    QString rare;
    for (const auto& [word, count] : counts)
        if (count == 1 && word.size() >= 5 &&
            texts.Plain_Text.indexOf(word) > texts.Plain_Text.size() * 9 / 10)
            rare = word;
    const qint64 beforeSearches = peakMemoryKb();

    SilentView view;
    VerseSearch engine(texts, view);
    out << "Velisar verse search, median of " << kRuns << " runs, no-op yields\n";
    out << "plain text " << texts.Plain_Text.size() << " characters, vocalised "
        << texts.Vocalized_Text.size() << "\n\n";
    double scanMs = 0;
    for (const auto& [label, word, count] :
         {std::tuple{"most frequent word", frequent, counts.first().second},
          std::tuple{"rare word", rare, 1}}) {
        const Timing t = timeWord(engine, view, word);
        if (word == frequent)
            scanMs = fullScanMs(engine, texts);
        out << label << " \"" << word << "\" (" << count << " times as a word): engine "
            << QString::number(t.engineMs, 'f', 2) << " ms (first run "
            << QString::number(t.firstMs, 'f', 2) << " ms), " << t.rows << " rows;  grep -c "
            << QString::number(t.grepMs, 'f', 2) << " ms (prints " << t.grepOutput << ")\n";
    }
    const qint64 afterSearches = peakMemoryKb();
    out << "scanning from the start of the vocalised text for the previous key of each of the "
        << "most frequent word's rows would add " << QString::number(scanMs, 'f', 1) << " ms\n";
    out << "\npeak memory (VmHWM): " << beforeLoad << " kB at start, " << afterLoad
        << " kB after loading (texts " << textsKb << " kB), " << beforeSearches
        << " kB before searching, " << afterSearches << " kB after " << 2 * kRuns << " searches\n";
    return 0;
}
