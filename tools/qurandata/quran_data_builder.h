#pragma once

#include <QString>
#include <QStringList>

struct BuildOptions {
    QString sourceFolder; // holds qurantext-simple.def and quran.sty
    QString outputFolder; // the programs' folder
    QString tafsir1File;  // "sura|aya|text" lines; empty for none
    QString tafsir2File;
};

struct BuildReport {
    bool ok = false;
    QString error;
    QStringList replaced; // data files whose content changed
};

inline constexpr const char* kVerseRecordFileName = "qor";
inline constexpr const char* kVocalisedFinderFileName = "VelisarT.KRD";
inline constexpr const char* kPlainFinderFileName = "Velisar.KRD";

// Builds "qor", "VelisarT.KRD" and "Velisar.KRD". Any fault in the inputs
// leaves the existing data files as they were.
BuildReport buildQuranData(const BuildOptions& options);
