#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button drawn as one picture scaled to its size, without a caption: the
// three buttons across the top of the finder window. It lightens under the
// mouse, sinks while pressed and fades when disabled.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QString& objectName, const QPixmap& picture, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap picture_;
    bool hovered_ = false;
};
