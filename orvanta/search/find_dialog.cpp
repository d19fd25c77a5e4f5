#include "orvanta/search/find_dialog.h"

#include "common/numeric_value.h"
#include "common/twips_geometry.h"
#include "orvanta/search/dialog_search_surface.h"
#include "orvanta/search/results_window.h"
#include "orvanta/search/search_state.h"
#include "orvanta/search/word_search.h"
#include "orvanta/shell/desktop_keyboard.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/tile_picture.h"
#include "orvanta/shell/window_activation.h"
#include "orvanta/store/user_files.h"
#include "orvanta/store/verse_file.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>
#include <cmath>

namespace {

// About one screen refresh.
constexpr int kScreenRefreshMilliseconds = 16;

} // namespace

FindDialog::FindDialog(ResultsWindow* owner) : PictureBox(owner), owner_(owner) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("بحث عن كلمة في المصحف"));
    setLayoutDirection(Qt::RightToLeft);
    QFont face(QStringLiteral("MS Sans Serif"));
    face.setPointSizeF(8.25);
    face.setBold(true);
    setFont(face);
    c_ = CreateFindControls(this);
    statusRefresh_ = new QTimer(this);
    statusRefresh_->setSingleShot(true);
    statusRefresh_->setInterval(kScreenRefreshMilliseconds);
    connect(statusRefresh_, &QTimer::timeout, this, [this] { setStatusText(liveStatus_); });

    connect(c_.Text1, &QLineEdit::textChanged, this, &FindDialog::Text1_Change);
    connect(c_.Text1, &QLineEdit::returnPressed, this, [this] {
        if (!c_.Text1->text().isEmpty())
            Search();
    });
    connect(c_.Picture2_1, &PictureBox::clicked, this, &FindDialog::Search);
    connect(c_.Picture2_0, &PictureBox::clicked, this, &FindDialog::close);
    connect(c_.Picture2_2, &PictureBox::clicked, this, &FindDialog::ToggleAdvanced);
    for (int i = 0; i <= 2; ++i)
        connect(button(i), &PictureBox::mouseMoved, this, [this, i] { Picture2_MouseMove(i); });
    connect(this, &PictureBox::mouseMoved, this, &FindDialog::Surface_MouseMove);
    connect(c_.Check1, &QCheckBox::clicked, this,
            [](bool checked) { DiacriticsMode = checked ? 1 : 0; });
    connect(c_.Option1, &QRadioButton::clicked, this, [this] {
        c_.Combo1->hide();
        c_.Frame1->hide();
    });
    connect(c_.Option2, &QRadioButton::clicked, this, [this] {
        c_.Combo1->show();
        c_.Frame1->hide();
    });
    connect(c_.Option3, &QRadioButton::clicked, this, [this] {
        c_.Combo1->hide();
        c_.Frame1->show();
    });
    connect(c_.Combo2, &QComboBox::activated, this, &FindDialog::RefillCombo3);
    connect(new ActivationWatcher(this), &ActivationWatcher::activated, this,
            &FindDialog::Form_Activate);

    Form_Load();
}

PictureBox* FindDialog::button(int index) const {
    PictureBox* const buttons[] = {c_.Picture2_0, c_.Picture2_1, c_.Picture2_2};
    return buttons[index];
}

void FindDialog::Form_Load() {
    PaintNormalFace(c_.Picture2_0);
    TileWholeBox(c_.Picture2_1, owner_->BackgroundTexture());
    PaintNormalFace(c_.Picture2_2);
    SetOuterHeight(kCollapsedHeight);
}

void FindDialog::Form_Activate() {
    tag_ = QStringLiteral(">>");
    PrintTag();
    SwitchKeyboard(u"a");
    c_.Text1->setFocus();
}

void FindDialog::Form_Resize() {
    TilePicture(this, owner_->BackgroundTexture(), 0, 0, kInnerWidth, outerHeight_);
}

void FindDialog::resizeEvent(QResizeEvent* event) {
    PictureBox::resizeEvent(event);
    Form_Resize();
}

void FindDialog::SetOuterHeight(double twips) {
    outerHeight_ = twips;
    setFixedSize(twipsToPixelSize(this, {kInnerWidth, twips - kFrameHeight}));
}

void FindDialog::Text1_Change() {
    if (!c_.Text1->text().isEmpty()) {
        c_.Picture2_1->setEnabled(true);
        PaintNormalFace(c_.Picture2_1);
    } else {
        TileWholeBox(c_.Picture2_1, owner_->BackgroundTexture());
        c_.Picture2_1->setEnabled(false);
    }
}

void FindDialog::ToggleAdvanced() {
    if (tag_ == QStringLiteral(">>")) {
        tag_ = QStringLiteral("<<");
        SetOuterHeight(kExpandedHeight);
    } else {
        tag_ = QStringLiteral(">>");
        SetOuterHeight(kCollapsedHeight);
    }
    // The new tag goes on a fresh face, not over the old one.
    if (c_.Picture2_2->BorderStyle() != 0)
        PaintHotFace(c_.Picture2_2);
    else
        PaintNormalFace(c_.Picture2_2);
    PrintTag();
}

void FindDialog::PrintTag() {
    PictureBox* box = c_.Picture2_2;
    QPainter painter(&box->Canvas());
    painter.setFont(box->font());
    painter.setPen(box->palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(box->font());
    const QRectF inner = box->contentsRect();
    const double x = inner.left() + (inner.width() - metrics.horizontalAdvance(tag_)) / 2;
    const double y = inner.top() + (inner.height() - metrics.height()) / 2;
    painter.drawText(QPointF(x, y + metrics.ascent()), tag_);
    box->update();
}

void FindDialog::Picture2_MouseMove(int index) {
    PaintHotFace(button(index));
    button(index)->SetBorderStyle(1);
    PrintTag();
}

void FindDialog::Surface_MouseMove() {
    for (int i = 0; i <= 2; ++i) {
        if (button(i)->BorderStyle() != 0) {
            PaintNormalFace(button(i));
            button(i)->SetBorderStyle(0);
        }
    }
    PrintTag();
}

void FindDialog::RefillCombo3() {
    c_.Combo3->clear();
    for (int v = static_cast<int>(std::ceil(numericValue(c_.Combo2->currentText()) + 1)); v <= 30;
         ++v)
        c_.Combo3->addItem(QString::number(v));
    if (c_.Combo3->count() > 0)
        c_.Combo3->setCurrentIndex(0);
}

SearchRequest FindDialog::Request() const {
    SearchRequest r;
    r.Text1 = c_.Text1->text();
    r.Check1 = c_.Check1->isChecked() ? 1 : 0;
    r.Scope = c_.Option2->isChecked()   ? SearchScope::OneJuz
              : c_.Option3->isChecked() ? SearchScope::JuzRange
                                        : SearchScope::WholeMushaf;
    r.Combo1 = c_.Combo1->currentText();
    r.Combo2 = c_.Combo2->currentText();
    r.Combo3 = c_.Combo3->currentText();
    return r;
}

void FindDialog::Search() {
    DialogSearchSurface surface(this, owner_);
    RunWordSearch(Request(), surface, VerseFilePath(), ResultsFilePath());
}

void FindDialog::ShowStatus(const QString& text) {
    statusRefresh_->stop();
    setStatusText(text);
}

void FindDialog::ShowLiveStatus(const QString& text) {
    liveStatus_ = text;
    if (!statusRefresh_->isActive())
        statusRefresh_->start();
}

void FindDialog::setStatusText(const QString& text) {
    c_.Label4->setText(text);
    const QRectF r = twipsGeometry(c_.Label4);
    const QSize size = c_.Label4->sizeHint();
    const double perPixel = twipsPerPixel(this);
    setTwipsGeometry(c_.Label4,
                     {r.left(), r.top(), size.width() * perPixel, size.height() * perPixel});
}

void FindDialog::PrepareForSearch() {
    setCursor(Qt::WaitCursor);
    TileWholeBox(c_.Picture2_0, owner_->BackgroundTexture());
    c_.Picture2_0->setEnabled(false);
}

void FindDialog::RestoreAfterSearch() {
    c_.Picture2_0->setEnabled(true);
    PaintNormalFace(c_.Picture2_0);
    unsetCursor();
}

void FindDialog::closeEvent(QCloseEvent* event) {
    // The running search still writes to this dialog.
    if (WordSearchRunning()) {
        event->ignore();
        return;
    }
    PictureBox::closeEvent(event);
}
