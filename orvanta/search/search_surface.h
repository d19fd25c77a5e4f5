#pragma once

#include <QString>
#include <QStringList>

// What a word search drives while it runs: the search dialog's status line,
// progress bar and close button, and the results window's lists and verse
// view. The windows implement it; tests put a recorder in their place.
class SearchSurface {
public:
    virtual ~SearchSurface() = default;

    // Lets the program handle its pending events (the windows stay alive).
    virtual void YieldToEvents() = 0;

    // Before the scan: the verse view emptied, the hourglass pointer, the
    // close button covered and disabled.
    virtual void PrepareWindows() = 0;

    // The progress bar for so many verse records read (of 6236).
    virtual void DrawSearchProgress(int scannedCount) = 0;

    // The dialog's status line (Label4).
    virtual void ShowStatus(const QString& text) = 0;

    // The status line's running count of hits, after every hit of a search
    // without diacritics: "نتائج البحث" and the count. Like the progress
    // bar it may be drawn at the screen's pace; the next ShowStatus replaces
    // it.
    virtual void ShowHitCount(int hitCount) = 0;

    // Both result lists emptied.
    virtual void ClearLists() = 0;

    // Entries appended to the visible list and, entry for entry, the
    // VerseIds to the hidden one.
    virtual void AddHits(const QStringList& texts, const QStringList& verseIds) = 0;

    // The first entry made the current one and its verse shown.
    virtual void ShowFirstHit() = 0;

    // After the search: the close button back and the normal pointer.
    virtual void RestoreDialog() = 0;

    // Tells the user that the hits could not be saved (a message box).
    virtual void ReportNotSaved(const QString& text) = 0;
};
