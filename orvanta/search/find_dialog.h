#pragma once

#include "orvanta/search/find_controls.h"
#include "orvanta/search/search_request.h"
#include "orvanta/shell/picture_box.h"

class ResultsWindow;
class QTimer;

// The search dialog (frmFind): the word box, the search and close buttons,
// the advanced toggle, a status line and the progress bar; expanded, the
// search with diacritics and the three juz scopes. It is owned by the results
// window and stays in front of it; the search fills the results window and
// the dialog stays open. Closing it discards it: it is made anew, in its
// design state, the next time it is shown. It cannot be closed while a search
// runs.
class FindDialog : public PictureBox {
    Q_OBJECT
public:
    explicit FindDialog(ResultsWindow* owner);

    const FindControls& Controls() const { return c_; }

    // The dialog's height with its caption and border, in twips: 1995
    // collapsed, 3525 expanded. Its width inside is 5505.
    double OuterHeight() const { return outerHeight_; }
    static constexpr double kCollapsedHeight = 1995;
    static constexpr double kExpandedHeight = 3525;
    static constexpr double kInnerWidth = 5505;
    // What the caption and the border of a fixed dialog take of its height.
    static constexpr double kFrameHeight = 435;

    // The advanced toggle's state: ">>" collapsed, "<<" expanded.
    QString Tag() const { return tag_; }

    // The dialog's state as a search reads it.
    SearchRequest Request() const;

    // The search (Picture2(1), its caption and icon, Enter in Text1).
    void Search();

    // The status line; it sizes itself to its text.
    void ShowStatus(const QString& text);
    // A status that changes many times a second: shown at the screen's pace,
    // replaced by the next ShowStatus.
    void ShowLiveStatus(const QString& text);
    // The look of the dialog while a search runs and after it.
    void PrepareForSearch();
    void RestoreAfterSearch();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Text1_Change();
    void Picture2_MouseMove(int index);
    void Surface_MouseMove();
    void ToggleAdvanced();
    void PrintTag();
    void RefillCombo3();
    void SetOuterHeight(double twips);
    void setStatusText(const QString& text);
    PictureBox* button(int index) const;

    ResultsWindow* owner_;
    FindControls c_;
    QString tag_ = QStringLiteral(">>");
    double outerHeight_ = kCollapsedHeight;
    QString liveStatus_;
    QTimer* statusRefresh_ = nullptr;
};
