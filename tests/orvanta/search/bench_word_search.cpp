// Prints how long a whole-Mushaf word search takes on the real data, for a
// frequent and a rare word: the engine alone, and through the search dialog
// and the results window under the offscreen platform, beside "grep -c" on
// the same file; then the same with two tafsirs of realistic length in a
// synthetic verse file; and the process's peak memory. Not a test: it only
// prints.

#include "common/cp1256.h"
#include "orvanta/search/find_dialog.h"
#include "orvanta/search/harakat.h"
#include "orvanta/search/results_window.h"
#include "orvanta/search/search_surface.h"
#include "orvanta/search/word_search.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/store/app_dir.h"
#include "orvanta/store/user_files.h"
#include "orvanta/store/verse_file.h"
#include "tests/orvanta/verse_files.h"
#include "tests/support/bench_figures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 7;

// A surface that draws nothing: the engine's own cost.
class SilentSurface : public SearchSurface {
public:
    int hits = 0;
    void YieldToEvents() override {}
    void PrepareWindows() override {}
    void DrawSearchProgress(int) override {}
    void ShowStatus(const QString&) override {}
    void ShowHitCount(int) override {}
    void ClearLists() override {}
    void AddHits(const QStringList& texts, const QStringList&) override { hits = texts.size(); }
    void ShowFirstHit() override {}
    void RestoreDialog() override {}
    void ReportNotSaved(const QString&) override {}
};

template <typename F> double medianMilliseconds(F run) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer clock;
        clock.start();
        run();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    return median(times);
}

double engineAlone(const QString& word, const QString& verseFile, const QString& results,
                   int* hits) {
    SilentSurface surface;
    const double ms =
        medianMilliseconds([&] { RunWordSearch({word}, surface, verseFile, results); });
    *hits = surface.hits;
    return ms;
}

double throughWindows(const QString& word, int* hits) {
    ResultsWindow form1;
    form1.show();
    FindDialog* dialog = form1.ShowFindDialog();
    QApplication::processEvents();
    dialog->Controls().Text1->setText(word);
    const double ms = medianMilliseconds([&] { dialog->Search(); });
    *hits = form1.Controls().List1->count();
    return ms;
}

double grepCount(const QString& word, const QString& file, const QString& patternFile,
                 QByteArray* count) {
    QFile pattern(patternFile);
    pattern.open(QIODevice::WriteOnly);
    pattern.write(cp1256::encode(word) + "\n");
    pattern.close();
    return medianMilliseconds([&] {
        QProcess grep;
        grep.start(QStringLiteral("grep"), {QStringLiteral("-c"), QStringLiteral("-F"),
                                            QStringLiteral("-f"), patternFile, file});
        grep.waitForFinished();
        *count = grep.readAllStandardOutput().trimmed();
    });
}

// Tafsir-like text: words of the Mushaf itself, without marks, about as long
// as a tafsir of such a verse.
QString syntheticTafsir(const QStringList& words, int length) {
    QString text;
    while (text.size() < length)
        text += words[QRandomGenerator::global()->bounded(words.size())] + u' ';
    return text.trimmed();
}

QString writeSyntheticVerseFile(const QString& folder, qint64* bytes) {
    QList<VerseRecord> verses = readRecords(VerseFilePath());
    QStringList words;
    for (const VerseRecord& v : verses)
        words += BareText(v.AyahText).split(u' ', Qt::SkipEmptyParts);
    const QString path = folder + QStringLiteral("/qor");
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    for (VerseRecord& r : verses) {
        // Al-Jalalayn runs about twice a verse's length, al-Muyassar three
        // times; never shorter than a short sentence.
        r.Tafsir1 = syntheticTafsir(words, std::max<int>(120, 2 * r.AyahText.size()));
        r.Tafsir2 = syntheticTafsir(words, std::max<int>(180, 3 * r.AyahText.size()));
        out.write(recordBytes(r));
    }
    *bytes = out.size();
    return path;
}

void measure(const char* title, const QString& verseFile, const QTemporaryDir& temp) {
    std::printf("\n%s (%s, %lld bytes)\n", title, qPrintable(verseFile),
                static_cast<long long>(QFile(verseFile).size()));
    std::printf("  %6s %10s %11s %11s %13s  %s\n", "hits", "engine ms", "windows ms", "grep -c ms",
                "windows/grep", "word");
    for (const QString& word : {QStringLiteral("الله"), QStringLiteral("زيتونة")}) {
        int engineHits = 0;
        int windowHits = 0;
        QByteArray grepLines;
        const double engine =
            engineAlone(word, verseFile, temp.filePath(QStringLiteral("find")), &engineHits);
        const double windows = throughWindows(word, &windowHits);
        const double grep =
            grepCount(word, verseFile, temp.filePath(QStringLiteral("pattern")), &grepLines);
        std::printf("  %6d %10.1f %11.1f %11.1f %12.1fx  %s (grep counted %s lines)\n", windowHits,
                    engine, windows, grep, windows / grep, qPrintable(word), grepLines.constData());
        if (engineHits != windowHits)
            std::printf("  !! the engine listed %d hits, the windows %d\n", engineHits, windowHits);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    InstallFontSubstitutions();
    SetAppDir(QStringLiteral(PROGRAM_DIR));
    QTemporaryDir temp;

    std::printf("Whole-Mushaf word search, median of %d runs; \"windows\" is the search\n"
                "started from the dialog, the results window filled and the first hit shown.\n",
                kRuns);
    measure("Text only (the built data)", VerseFilePath(), temp);

    qint64 bytes = 0;
    const QString synthetic = writeSyntheticVerseFile(temp.path(), &bytes);
    SetAppDir(temp.path());
    measure("With two synthetic tafsirs of realistic length", synthetic, temp);

    std::printf("\nPeak memory (VmHWM): %.1f MB\n", peakMemoryKb() / 1024.0);
    QFile::remove(ResultsFilePath());
    return 0;
}
