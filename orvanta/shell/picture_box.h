#pragma once

#include <QFrame>
#include <QPixmap>

// A box that keeps what is painted on it: pictures are drawn onto a canvas
// of the box's size, which survives covering and uncovering. Its border
// style is a state of its own (0 none, 1 a single line), which the picture
// buttons use as their only record of being highlighted.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);

    // The colour of the canvas where nothing is painted. Setting it clears
    // the canvas.
    QColor BackColor() const { return backColor_; }
    void SetBackColor(const QColor& color);

    // What has been painted so far, in widget pixels.
    const QPixmap& Canvas() const;
    QPixmap& Canvas();

signals:
    // Every move of the mouse over the box, pressed buttons or not.
    void mouseMoved();
    // A left click released over the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Keeps the canvas the size of the box, also before the box is shown.
    void fitCanvas() const;

    int borderStyle_ = 0;
    QColor backColor_;
    mutable QPixmap canvas_;
};
