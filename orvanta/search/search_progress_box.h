#pragma once

#include "orvanta/shell/picture_box.h"

// The search's progress bar: a box as wide as the 6236 verses of the Mushaf,
// filled from the left for the records read so far, drawn with an inverting
// pen over the box's light green. Setting the count only marks the bar for
// drawing; it is drawn at the screen's own pace, never once per record.
class SearchProgressBox : public PictureBox {
    Q_OBJECT
public:
    explicit SearchProgressBox(QWidget* parent = nullptr);

    // The bar for so many records read.
    void DrawSearchProgress(int count);
    int Count() const { return count_; }

    // The filled width in the box's pixels for a count.
    double FilledWidth(int count) const;

    static constexpr int kVerseCount = 6236;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int count_ = 0;
    bool refreshPending_ = false;
};
