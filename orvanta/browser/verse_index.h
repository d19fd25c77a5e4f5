#pragma once

#include <QObject>
#include <QString>

class BrowserWindow;
class BuildRunner;

// The verse index (List1) and the tafsir panes of the browser. Choosing a
// verse in the index highlights its number marker in the page text and
// shows its two tafsirs; the tabs Pic(0) and Pic(1) choose the pane shown.
class VerseIndex : public QObject {
    Q_OBJECT
public:
    VerseIndex(BrowserWindow* window, BuildRunner* builds);

    // The index click: a change of the chosen entry, by the mouse or the
    // keyboard, or a click on the entry already chosen. While a build runs
    // the index is about to be replaced, so a click there shows nothing.
    void List1_Click();
    // Selects the chosen verse's marker in Text1, gives Text1 the focus, and
    // shows the verse's tafsirs with its surah and number in Label6.
    void ShowSelectedVerse();
    // The tab click: shows pane i and names it, unless it is empty.
    void Pic_Click(int i);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BrowserWindow* window_;
    BuildRunner* builds_;
};
