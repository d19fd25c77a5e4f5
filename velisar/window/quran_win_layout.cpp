// The finder window's layouts: at load, for typed input and with results,
// and the three buttons of the top-left corner.
#include "common/twips_geometry.h"
#include "velisar/engine/clean_search_text.h"
#include "velisar/window/finder_texts.h"
#include "velisar/window/picture_button.h"
#include "velisar/window/quran_win.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr double kButtonHeight = 285;
constexpr double kButtonWidth = 3.5 * kButtonHeight;
// The outer size counts the border on both sides and, in its height, the
// title bar; the layout's own numbers allow for them (820 - 460 = 360).
constexpr double kBorderWidth = 100;
constexpr double kCaptionHeight = 360;
// Where the text box stands while the window is sized (room for a title
// bar) and where it ends up.
constexpr double kText1SizingTop = 820;
constexpr double kText1Top = 460;

} // namespace

void QuranWin::Show_All_Command_Button() {
    Brisko_Cmd->setToolTip(kHelpButtonTip);
    Cancel_Cmd->setToolTip(searchRunning_ ? kStopSearchTip : kCancelSearchTip);
    Start_Search->setToolTip(kStartSearchTip);
    double left = 0;
    for (PictureButton* button : {Brisko_Cmd, Cancel_Cmd, Start_Search}) {
        setTwipsGeometry(button, QRectF(left, 0, kButtonWidth, kButtonHeight));
        button->show();
        button->raise();
        yieldToEvents();
        left += kButtonWidth;
    }
    // A search keeps the help and Start buttons off until it ends, so that
    // neither a second search nor the help panel starts inside it.
    Brisko_Cmd->setEnabled(!searchRunning_);
    Cancel_Cmd->setEnabled(true);
    Start_Search->setEnabled(!searchRunning_ && !trimSpaces(Text1->text()).isEmpty());
}

void QuranWin::Show_Wait_Meassage() {
    setTag(QString());
    setEnabled(true);
    Lab1->hide();
    Copy_Aya_2Mem->hide();
    Brisko_Cmd->hide();
    Search_Count->clear();
    EsmASora_Lab->clear();
    Search_Count->show();
    EsmASora_Lab->show();
    Text1->clear();
    setTwipsTop(Text1, kText1SizingTop);
    yieldToEvents();

    QRsult->hide();
    const QRectF text = twipsGeometry(Text1);
    setTwipsGeometry(QRsult, QRectF(0, text.bottom(), 9400, 3550));
    yieldToEvents();

    setTwipsGeometry(Text1, QRectF(0, text.top(), twipsWidth(QRsult), text.height()));
    yieldToEvents();
    Show_All_Command_Button();
    Text1->setToolTip(kText1Tip);

    // The progress label lies exactly over the text box and looks like it.
    Lab1->hide();
    Lab1->setEnabled(true);
    Lab1->clear();
    Lab1->setAlignment(Qt::AlignCenter);
    Lab1->setLayoutDirection(Qt::RightToLeft);
    Lab1->setFont(Text1->font());
    setTwipsGeometry(Lab1, twipsGeometry(Text1));
}

void QuranWin::placeTextAndList(double top) {
    const QRectF list = twipsGeometry(QRsult);
    const double height = twipsHeight(Text1);
    setTwipsGeometry(Text1, QRectF(0, top, list.width(), height));
    setTwipsTop(QRsult, top + height);
}

void QuranWin::sizeFormToList() {
    const QRectF list = twipsGeometry(QRsult);
    setFormSize(list.width() + kBorderWidth, list.bottom());
}

void QuranWin::Searching_By_myText() {
    setTag(kStateLayingOut);
    Cancel_Cmd->hide();
    restoreNormalState();
    show();
    setEnabled(true);
    yieldToEvents();
    Form_Resize();

    placeTextAndList(kText1SizingTop);
    sizeFormToList();
    yieldToEvents();

    placeTextAndList(kText1Top);
    yieldToEvents();
    Show_All_Command_Button();
    yieldToEvents();
    centreForm();

    raise();
    activateWindow();
    yieldToEvents();
    Text1->show();
    QRsult->hide();
    Text1->raise();
    Text1->setFocus();
    setTag(kStateAwake);
}

void QuranWin::Show_Quran_Result() {
    EsmASora_Lab->clear();
    Search_Count->show();
    EsmASora_Lab->show();
    Show_All_Command_Button();

    placeTextAndList(kText1SizingTop);
    restoreNormalState();
    show();
    yieldToEvents();
    sizeFormToList();
    yieldToEvents();

    placeTextAndList(kText1Top);
    yieldToEvents();
    centreForm();
    yieldToEvents();
    yieldToEvents();
    raise();
    activateWindow();
    yieldToEvents();
    setEnabled(true);
    yieldToEvents();

    Search_Count->show();
    EsmASora_Lab->show();
    QRsult->show();
    QRsult->raise();
    raise();
    yieldToEvents();
    Text1->setEnabled(true);
    QRsult->setFocus();
    QRsult->setCurrentRow(0);
    Show_All_Command_Button();
}

void QuranWin::setFormSize(double width, double height) {
    formSize_ = QSizeF(width, height);
    setFixedSize(twipsToPixelSize(this, innerSize()));
}

QSizeF QuranWin::innerSize() const {
    return {std::max(0.0, formSize_.width() - kBorderWidth),
            std::max(0.0, formSize_.height() - kCaptionHeight)};
}

void QuranWin::centreForm() {
    const QScreen* shown = screen();
    if (!shown)
        return;
    const double perPixel = twipsPerPixel(this);
    const QRect area = shown->geometry();
    const double left = (area.width() * perPixel - formSize_.width()) / 2;
    const double top = (area.height() * perPixel - formSize_.height()) / 2;
    move(area.left() + qRound(left / perPixel), area.top() + qRound(top / perPixel));
}

void QuranWin::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!QRsult->isHidden() || Text1->isHidden())
        return;
    // Where the list will come, a faint emblem, so that the waiting window
    // does not look unfinished.
    const QRect below(0, Text1->geometry().bottom() + 1, width(),
                      height() - Text1->geometry().bottom() - 1);
    const int side = std::min(below.width(), below.height()) * 2 / 3;
    if (side <= 0)
        return;
    QPainter painter(this);
    painter.setOpacity(0.09);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap emblem = windowIcon().pixmap(side, side);
    painter.drawPixmap(QRect(below.center() - QPoint(side / 2, side / 2), QSize(side, side)),
                       emblem);
}
