#include "tools/qurandata/quran_data_builder.h"

#include "tools/qurandata/atomic_file_set.h"
#include "tools/qurandata/data_files.h"
#include "tools/qurandata/quran_source.h"
#include "tools/qurandata/tafsir_file.h"

BuildReport buildQuranData(const BuildOptions& options) {
    BuildReport report;
    const auto source = readQuranSource(options.sourceFolder, &report.error);
    if (!source)
        return report;

    std::vector<QString> tafsir[2];
    const QString tafsirFiles[2] = {options.tafsir1File, options.tafsir2File};
    for (int i = 0; i < 2; ++i) {
        if (tafsirFiles[i].isEmpty())
            continue;
        TafsirFile file = readTafsirFile(tafsirFiles[i], source->surahVerseCounts);
        if (file.error) {
            report.error = file.error->message();
            return report;
        }
        tafsir[i] = std::move(file.texts);
    }

    const auto verses = assembleVerses(*source, tafsir[0], tafsir[1], &report.error);
    if (!verses)
        return report;

    const QList<NamedContent> files = {
        {QLatin1String(kVerseRecordFileName), verseRecordFile(*verses)},
        {QLatin1String(kVocalisedFinderFileName), finderFile(*verses, true)},
        {QLatin1String(kPlainFinderFileName), finderFile(*verses, false)},
    };
    report.ok = writeFileSet(options.outputFolder, files, &report.replaced, &report.error);
    return report;
}
