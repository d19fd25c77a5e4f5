#include "orvanta/shell/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QFrame(parent), backColor_(palette().window().color()) {
    setMouseTracking(true);
    setFrameStyle(QFrame::NoFrame);
}

void PictureBox::SetBorderStyle(int style) {
    borderStyle_ = style == 0 ? 0 : 1;
    if (borderStyle_ == 0) {
        setFrameStyle(QFrame::NoFrame);
    } else {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    update();
}

void PictureBox::SetBackColor(const QColor& color) {
    backColor_ = color;
    fitCanvas();
    canvas_.fill(backColor_);
    update();
}

const QPixmap& PictureBox::Canvas() const {
    fitCanvas();
    return canvas_;
}

QPixmap& PictureBox::Canvas() {
    fitCanvas();
    return canvas_;
}

void PictureBox::fitCanvas() const {
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (canvas_.size() == wanted)
        return;
    // A larger box shows its back colour where nothing was painted yet.
    QPixmap fitted(wanted);
    fitted.fill(backColor_);
    if (!canvas_.isNull()) {
        QPainter painter(&fitted);
        painter.drawPixmap(0, 0, canvas_);
    }
    canvas_ = fitted;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, Canvas());
    }
    QFrame::paintEvent(event);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    fitCanvas();
    QFrame::resizeEvent(event);
}

// Moves and clicks stop at the box: the box it lies on must not take a move
// over a button for a move over its own background.
void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}
