#pragma once

#include "orvanta/search/results_controls.h"
#include "orvanta/search/results_menu.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>

class CopyCommands;
class FindDialog;
class FontDialog;

// The results window (Form1), the main-menu window of the Mushaf reader. It
// lists the hits of the last word search, shows the current one with both
// tafsirs and the facts of its surah, selects the searched word in it, and
// carries the menu bar. Closing it ends the program while it is the working
// window (its "إنهاء" item disabled).
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ResultsWindow(QWidget* parent = nullptr);

    const ResultsControls& Controls() const { return c_; }
    const ResultsMenu& Menu() const { return menu_; }

    // The inner area (below the menu bar) in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Sizes the window so that its inner area is so many twips.
    void ResizeInner(double scaleWidth, double scaleHeight);

    // Shows the current entry of List1: its verse with the searched word
    // selected, both tafsirs and the surah's facts, read from the results
    // file. The marks of List1 are copied to List2 first.
    void ShowFoundVerse();
    // Empties the verse, the tafsirs, Label2 and the surah facts.
    void ClearVerseView();

    // The result lists as the search fills them.
    void ClearResultLists();
    void AddResults(const QStringList& texts, const QStringList& verseIds);
    // Makes the first entry the current one and shows it.
    void ShowFirstResult();

    // Shows the search dialog, owned by this window; a closed dialog is made
    // anew, in its design state.
    FindDialog* ShowFindDialog();
    FindDialog* FindDialogShown() const;

    // Connects a menu item to its command and enables it. The command does
    // not run while a word search is running.
    void ConnectCommand(QAction* item, std::function<void()> command);

    // The background texture the program's windows and panels are tiled with.
    QPixmap BackgroundTexture() const;

    CopyCommands* Copy() const { return copy_; }

    // The font options dialog (tnsek), owned by this window. It sets this
    // window's verse box and the browser's, once the browser has handed its
    // box over.
    FontDialog* ShowFontDialog();
    void SetBrowserVerseBox(QWidget* form2Text1) { browserVerseBox_ = form2Text1; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Pic_Click(int index);
    void showResult(const QString& verseId);
    void selectSearchWord();

    ResultsControls c_;
    ResultsMenu menu_;
    QWidget* area_ = nullptr;
    QPointer<FindDialog> find_;
    CopyCommands* copy_ = nullptr;
    QPointer<FontDialog> fontDialog_;
    QPointer<QWidget> browserVerseBox_;
};
