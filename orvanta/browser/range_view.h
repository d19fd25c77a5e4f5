#pragma once

#include <QObject>
#include <QString>

class BrowserWindow;
class BuildRunner;
class VerseIndex;

// The surah verse-range view of the browser. The surah chosen in Combo1
// offers its verses in Combo2 ("من الآية") and the verses after the first in
// Combo3 ("إلى الآية"); "بحث" slides the choice panel to the top, reads the
// range's verses, shows them in Text1 (with a short header when the range
// starts at verse 1), lists them in the verse index and shows the first
// one's tafsir.
class RangeView : public QObject {
    Q_OBJECT
public:
    RangeView(BrowserWindow* window, BuildRunner* builds, VerseIndex* index);

    // Surah choice: Combo2 offers the surah's verses, its first one chosen,
    // so the range is preset to the whole surah.
    void Combo1_Click();
    // First-verse choice: Combo3 offers the verses after it, its last one
    // chosen.
    void Combo2_Click();
    // The range build behind "بحث" (Command4). Without a surah chosen it
    // only says so.
    void Command4_Click();

    // The verses found by the running or last range build.
    float MatchCount() const { return matchCount_; }

private:
    void build();
    bool slide();
    void scan();

    BrowserWindow* window_;
    BuildRunner* builds_;
    VerseIndex* index_;
    float matchCount_ = 0;
};
