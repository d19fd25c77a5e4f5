#pragma once

#include <QImage>
#include <QWidget>

// How far a widget's drawn text stands from its left and right edges, in
// pixels: the widget is drawn alone, without any background, and the
// columns it leaves empty on each side are counted. Both are the widget's
// width when it draws nothing.
struct TextMargins {
    int left = 0;
    int right = 0;
};

inline TextMargins textMargins(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, {}, {}, QWidget::DrawChildren);
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    if (last < 0)
        return {image.width(), image.width()};
    return {first, image.width() - 1 - last};
}
