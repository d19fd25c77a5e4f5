#pragma once

#include "orvanta/browser/browser_controls.h"

#include <QPointer>
#include <QWidget>

class FontDialog;
class PageView;

// The Mushaf browser (Form2): a choice panel over the page text, the verse
// index and the tafsir area. It opens in its initial state, with the panel
// centred; choosing a page in Combo4 slides the panel to the top and shows
// the page.
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

    PageView* Pages() const { return pageView_; }

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
    void Form_Resize();
    void SetInitialState();
    // The pointer over the panel (k = 0) or over picture button k.
    void Picture2_MouseMove(int k);

    BrowserControls c_;
    quint8 viewMode_ = 0;
    PageView* pageView_ = nullptr;
    QPointer<FontDialog> fontDialog_;
    QPointer<QWidget> resultsVerseBox_;
};
