#include "orvanta/search/search_progress_box.h"

#include <QPainter>
#include <QTimer>

namespace {

// About one screen refresh.
constexpr int kRefreshMilliseconds = 16;

const QColor kBoxBack(204, 236, 204);
// Through the inverting pen (not source xor destination) this fore colour
// shows as a calm mid green over the box's light green.
const QColor kForeColor(15, 159, 105);

} // namespace

SearchProgressBox::SearchProgressBox(QWidget* parent) : PictureBox(parent) {
    SetBackColor(kBoxBack);
}

void SearchProgressBox::DrawSearchProgress(int count) {
    count_ = count;
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QTimer::singleShot(kRefreshMilliseconds, this, [this] {
        refreshPending_ = false;
        update();
    });
}

double SearchProgressBox::FilledWidth(int count) const {
    return (count + 0.5) * contentsRect().width() / kVerseCount;
}

void SearchProgressBox::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (count_ <= 0)
        return;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    const QRect inner = contentsRect();
    painter.fillRect(QRectF(inner.left(), inner.top(), FilledWidth(count_), inner.height()),
                     kForeColor);
}
