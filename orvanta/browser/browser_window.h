#pragma once

#include "orvanta/browser/browser_controls.h"

#include <QPointer>
#include <QWidget>

class BuildRunner;
class FontDialog;
class PageView;
class RangeView;
class VerseIndex;

// The Mushaf browser (Form2): a choice panel over the page text, the verse
// index and the tafsir area. It opens in its initial state, with the panel
// centred; choosing a page in Combo4, or a surah's verse range and "بحث",
// slides the panel to the top and shows the page or the range.
class BrowserWindow : public QWidget {
    Q_OBJECT
public:
    explicit BrowserWindow(QWidget* parent = nullptr);

    const BrowserControls& Controls() const { return c_; }

    // 1 in the page view, 0 otherwise; chooses the layout rules.
    quint8 ViewMode() const { return viewMode_; }
    void SetViewMode(quint8 mode) { viewMode_ = mode; }

    // The inner width and height in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;

    // Applies the display font settings to the page text, falling back to
    // "MS Sans Serif" at the first step that fails.
    void ApplyTextFont();

    // Runs the page and range builds one at a time.
    BuildRunner* Builds() const { return builds_; }

    // The verses found by the running or last range build.
    float MatchCount() const;

    // The resize rules, for the window's size now.
    void Form_Resize();

    // Every raised picture button back to its normal face.
    void FlattenButtons();

    // Moves the mouse pointer to the middle of an area of the window given in
    // twips, shifted as the window's frame is: to the screen pixel
    // ((left + X + W / 2 + 60) / twips per pixel, (top + Y + H / 2 + 360) /
    // twips per pixel), rounded half to even, where left and top are the
    // window's position in twips.
    void MU_1(double X, double Y, double W, double H);

    // The format command (Command1, the button "تنسيق"): the font options
    // dialog, owned by this window, and the pointer moved off the button. The
    // dialog sets this window's verse box and the results window's, once
    // that window has handed its box over.
    FontDialog* Command1_Click();
    void SetResultsVerseBox(QWidget* form1Text1) { resultsVerseBox_ = form1Text1; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void SetInitialState();
    // The pointer over the panel (k = 0) or over picture button k.
    void Picture2_MouseMove(int k);

    BrowserControls c_;
    quint8 viewMode_ = 0;
    BuildRunner* builds_ = nullptr;
    PageView* pageView_ = nullptr;
    VerseIndex* verseIndex_ = nullptr;
    RangeView* rangeView_ = nullptr;
    QPointer<FontDialog> fontDialog_;
    QPointer<QWidget> resultsVerseBox_;
};
