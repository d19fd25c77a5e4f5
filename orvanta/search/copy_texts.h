#pragma once

#include <QString>
#include <QStringList>

// The texts the copy commands put on the clipboard and the messages that
// confirm them, built from the shown verse, the visible tafsir pane and the
// marked hits of the results file. Lines end with CR LF, as the programs the
// text is pasted into expect.

// Which of the two tafsir panes (Text2(0), Text2(1)) is visible. The window
// shows exactly one; each that is visible contributes its text.
struct VisibleTafsir {
    bool first = false;
    bool second = false;
};

// The shown verse with the visible tafsir under it: the verse, CR LF, the
// tafsir. Empty when neither pane is visible.
QString ShownVerseWithTafsir(const QString& verse, const QString& tafsir1, const QString& tafsir2,
                             VisibleTafsir visible);

// What a copy of the marked verses gathered.
struct MarkedVersesCopy {
    QString text;
    int count = 0; // verses copied, as numbered in the text
};

// The marked hits read from the results file, front to back and only once:
// the VerseIds of the marked entries in list order, which is the file's
// order. Each verse is numbered from 1 and carries its own surah's name; with
// tafsir, the visible tafsir follows every verse, then an empty line. A
// VerseId not found further on in the file adds nothing, and nothing after
// it is found either (the file is then read to its end). A file that cannot
// be read copies nothing.
MarkedVersesCopy CopyMarkedVerses(const QString& resultsFile, const QStringList& markedIds,
                                  bool withTafsir, VisibleTafsir visible);

// The messages, exactly as the users know them.
inline const QString kNothingToCopyText = QStringLiteral("لا يوجد ما ينسخ");
inline const QString kNothingMarkedText = QStringLiteral("لم تحدد أي أية");
QString VerseCopiedText();          // coa
QString VerseAndTafsirCopiedText(); // cot
QString MarkedVersesCopiedText(int count);
QString MarkedVersesAndTafsirCopiedText(int count);
