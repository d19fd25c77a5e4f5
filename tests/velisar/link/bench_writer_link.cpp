// Times, in a real headless Writer, what a double click on a verse costs the
// word-processor link: the lookup when the window wakes up (bounds and text
// of the selection) and the replacement itself (every call the double click
// makes, from the identity check to reading the inserted range back). The
// inserted verse is the longest one of the real data.
//
//   bench_writer_link [runs]
#include "common/cp1256.h"
#include "headless_writer.h"
#include "tests/support/bench_figures.h"
#include "velisar/link/libreoffice/writer_link.h"
#include "writer_test_document.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>

namespace {

struct Verse {
    QString text;
    int surah = 0;
    int verse = 0;
};

// The vocalised data file: " TEXT v/s TEXT v/s ...".
QList<Verse> readVerses() {
    QFile file(QStringLiteral(PROGRAM_DIR "/VelisarT.KRD"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString all = cp1256::decode(file.readAll());
    static const QRegularExpression key(QStringLiteral(" (\\d+)/(\\d+) "));
    QList<Verse> verses;
    qsizetype from = 1;
    for (auto match = key.globalMatch(all); match.hasNext();) {
        const auto m = match.next();
        verses.append({all.mid(from, m.capturedStart() - from), m.captured(2).toInt(),
                       m.captured(1).toInt()});
        from = m.capturedEnd();
    }
    return verses;
}

void report(const char* what, QList<double> values) {
    std::sort(values.begin(), values.end());
    std::printf("%-12s median %6.1f ms   fastest %6.1f ms   slowest %6.1f ms\n", what,
                median(values), values.first(), values.last());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const QList<Verse> verses = readVerses();
    if (verses.size() != 6236) {
        std::fprintf(stderr, "bench: the data file in " PROGRAM_DIR " is missing or damaged\n");
        return 1;
    }
    const Verse longest =
        *std::max_element(verses.begin(), verses.end(), [](const Verse& a, const Verse& b) {
            return a.text.size() < b.text.size();
        });
    const QString surahName =
        longest.surah == 2 ? QStringLiteral("البقرة") : QString::number(longest.surah);
    const QString entry =
        QStringLiteral(" {%1} (%2) سورة %3 ").arg(longest.text).arg(longest.verse).arg(surahName);

    // A document of a few pages of verses, the word to replace in the middle.
    QStringList paragraphs;
    for (int i = 0; i < 60; ++i)
        paragraphs << verses[i * 97].text;
    const QString word = QStringLiteral("كلمةمختارة");
    paragraphs[30] += QLatin1Char(' ') + word + QLatin1Char(' ') + verses[5].text;

    HeadlessWriter writer;
    if (!writer.start()) {
        std::fprintf(stderr, "bench: no headless Writer started\n");
        return 1;
    }
    QList<double> lookups, replacements;
    for (int run = 0; run < runs; ++run) {
        WriterTestDocument document(writer.pipeName());
        document.build(paragraphs);
        document.setFont(word, WriterTestDocument::Script::Complex, QStringLiteral("Amiri"), 18);
        document.select(word);
        WriterLink link(writer.pipeName());

        QElapsedTimer clock;
        clock.start();
        const bool attached = link.attach();
        const auto bounds = link.selectionBounds();
        const auto selected = link.selectedText();
        const auto count = link.documentCount();
        lookups << clock.nsecsElapsed() / 1e6;
        if (!attached || !bounds || selected != word || count != 1) {
            std::fprintf(stderr, "bench: the lookup failed\n");
            return 1;
        }

        clock.restart();
        bool ok = !link.identity().value_or(QString()).isEmpty() && link.documentCount() == 1;
        const QString name = link.selectionFontName().value_or(QString());
        const double size = link.selectionFontSize().value_or(0);
        ok = ok && link.setSmartCutPaste(false) && link.setSelection(bounds->start, bounds->end) &&
             link.takeSelectionRange() && link.rangePaste(QStringLiteral(" ")) &&
             link.setRangeFontName(name) && link.setRangeFontSize(size) &&
             link.rangeInsertAfter(entry) && link.setRangeFontName(name) &&
             link.setRangeFontSize(size);
        const auto inserted = link.rangeText();
        replacements << clock.nsecsElapsed() / 1e6;
        if (!ok || inserted != QLatin1Char(' ') + entry) {
            std::fprintf(stderr, "bench: the replacement failed\n");
            return 1;
        }
    }
    writer.stop();

    std::printf("Writer link, %d runs, inserting verse %d:%d (%lld characters) into a document "
                "of %lld characters:\n",
                runs, longest.surah, longest.verse, qlonglong(entry.size()),
                qlonglong(paragraphs.join(QLatin1Char('\n')).size()));
    report("lookup", lookups);
    report("replacement", replacements);
    std::printf("goal for the replacement: 100 ms\n");
    return 0;
}
