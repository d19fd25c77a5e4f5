#pragma once

#include "velisar/engine/velisar_message.h"

#include <QString>
#include <QStringList>
#include <functional>

// Shows a message box and returns when the user has closed it.
using ShowVelisarMessage = std::function<void(const VelisarMessage&)>;

inline const QString kVocalizedFileName = QStringLiteral("VelisarT.KRD");
inline const QString kPlainFileName = QStringLiteral("Velisar.KRD");

// Whether the program may go on after loading its data.
enum class LoadOutcome { Loaded, EndProgram };

// The whole Quran held in memory for the run, loaded once: the text that is
// searched, the text that is shown and inserted, and the surah names. Each
// verse in both texts is followed by its key, "verse/surah". The search
// reads these in place; nothing copies them.
struct QuranTexts {
    QString Plain_Text;     // without vowel marks: what the search looks in
    QString Vocalized_Text; // with vowel marks: what a result shows
    QStringList Sora_Names; // 115 entries, see soraNameTable()

    void Fill_Sora_Names();

    // Reads "VelisarT.KRD" into Vocalized_Text, then "Velisar.KRD" into
    // Plain_Text, from programFolder. A missing file is reported through
    // show (the vocalised one first, so a folder without either reports
    // "1 T") and the caller must then end the program. A file that exists
    // but cannot be read leaves its text empty: every search then finds
    // nothing, which is all the user needs to know.
    LoadOutcome Open_Moshaf_Data_File(const QString& programFolder, const ShowVelisarMessage& show);
};
