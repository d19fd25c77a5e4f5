#include "orvanta/browser/browser_window.h"

#include "common/rounding.h"
#include "common/twips_geometry.h"
#include "orvanta/browser/back_to_results.h"
#include "orvanta/browser/browser_layout.h"
#include "orvanta/browser/build_runner.h"
#include "orvanta/browser/page_view.h"
#include "orvanta/browser/range_view.h"
#include "orvanta/browser/verse_index.h"
#include "orvanta/shell/apply_display_font.h"
#include "orvanta/shell/font_dialog.h"
#include "orvanta/shell/font_settings.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/program_end.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/text_box.h"
#include "orvanta/shell/window_activation.h"

#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr double kDesignWidth = 9555;
constexpr double kDesignHeight = 4830;

} // namespace

BrowserWindow::BrowserWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("تصفح المصحف"));
    setWindowIcon(pictures::ProgramIcon());
    setLayoutDirection(Qt::RightToLeft);
    QFont face(QStringLiteral("MS Sans Serif"));
    face.setPointSizeF(8.25);
    setFont(face);
    c_ = CreateBrowserControls(this);
    resize(twipsToPixelSize(this, {kDesignWidth, kDesignHeight}));

    builds_ = new BuildRunner(this);
    pageView_ = new PageView(this, builds_);
    verseIndex_ = new VerseIndex(this, builds_);
    rangeView_ = new RangeView(this, builds_, verseIndex_);
    connect(c_.Combo4, &QComboBox::activated, pageView_, &PageView::ShowChosenPage);
    connect(c_.Combo1, &QComboBox::activated, rangeView_, &RangeView::Combo1_Click);
    connect(c_.Combo2, &QComboBox::activated, rangeView_, &RangeView::Combo2_Click);
    connect(c_.Picture2[3], &PictureBox::clicked, c_.Command4, &QPushButton::click);
    connect(c_.Command4, &QPushButton::clicked, rangeView_, &RangeView::Command4_Click);
    connect(new ActivationWatcher(this), &ActivationWatcher::activated, this,
            &BrowserWindow::Form_Activate);
    connect(c_.Picture2_0, &PictureBox::mouseMoved, this, [this] { Picture2_MouseMove(0); });
    for (int k = 1; k <= 3; ++k)
        connect(c_.Picture2[k], &PictureBox::mouseMoved, this,
                [this, k] { Picture2_MouseMove(k); });
    connect(c_.Command1, &QPushButton::clicked, this, &BrowserWindow::Command1_Click);
    connect(c_.Picture2[2], &PictureBox::clicked, c_.Command1, &QPushButton::click);
    c_.Label7->setMouseTracking(true);
    c_.Label7->installEventFilter(this);

    Form_Load();
    Form_Resize();
}

double BrowserWindow::ScaleWidth() const {
    return width() * twipsPerPixel(this);
}

double BrowserWindow::ScaleHeight() const {
    return height() * twipsPerPixel(this);
}

float BrowserWindow::MatchCount() const {
    return rangeView_->MatchCount();
}

void BrowserWindow::MU_1(double X, double Y, double W, double H) {
    const double perPixel = twipsPerPixel(this);
    const double left = x() * perPixel;
    const double top = y() * perPixel;
    QCursor::setPos(int(roundHalfEven((left + X + W / 2 + 60) / perPixel)),
                    int(roundHalfEven((top + Y + H / 2 + 360) / perPixel)));
}

void BrowserWindow::ApplyTextFont() {
    ApplyDisplayFont(c_.Text1, FontSettings(), FontErrorStyle::StopAndFallBack);
}

void BrowserWindow::Form_Load() {
    for (int i = 1; i <= 3; ++i)
        PaintNormalFace(c_.Picture2[i]);
    if (c_.List1->count() == 0)
        SetInitialState();
}

void BrowserWindow::Form_Activate() {
    // A running build lays the window out itself; it must not find its text
    // hidden when it ends.
    if (c_.List1->count() < 1 && !builds_->Running())
        SetInitialState();
    BackToResults = 0;
    LoadFontSettings();
    ApplyTextFont();
}

void BrowserWindow::Form_Resize() {
    LayOutBrowser(c_, viewMode_, ScaleWidth(), ScaleHeight());
}

void BrowserWindow::SetInitialState() {
    ::SetInitialState(c_, ScaleHeight());
}

void BrowserWindow::FlattenButtons() {
    for (int i = 1; i <= 3; ++i) {
        if (c_.Picture2[i]->IsRaised())
            c_.Picture2[i]->ShowNormalFace();
    }
}

void BrowserWindow::Picture2_MouseMove(int k) {
    FlattenButtons();
    if (k != 0)
        c_.Picture2[k]->ShowHotFace();
}

FontDialog* BrowserWindow::Command1_Click() {
    FontDialog* dialog = ShowFontDialog(fontDialog_, this, {resultsVerseBox_, c_.Text1});
    QCursor::setPos(QCursor::pos() + QPoint(50, 50));
    return dialog;
}

void BrowserWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void BrowserWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (BackToResults == 0)
        EndProgram();
}

bool BrowserWindow::eventFilter(QObject* watched, QEvent* event) {
    // Over the range frame the search button loses its highlighted face but
    // stays raised until the pointer crosses the panel or another button.
    // The move is the frame's own: the panel under it does not see it.
    if (watched == c_.Label7 && event->type() == QEvent::MouseMove) {
        PaintNormalFace(c_.Picture2[3]);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
