#include "common/twips_geometry.h"
#include "orvanta/shell/picture_box.h"
#include "orvanta/shell/tile_picture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// A picture whose every pixel tells where in the picture it lies: red the
// column, green the row.
QPixmap markedPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, QColor(x, y, 200));
    return QPixmap::fromImage(image);
}

QImage canvasOf(const PictureBox& box) {
    return box.Canvas().toImage();
}

} // namespace

class TestTilePicture : public QObject {
    Q_OBJECT
private slots:
    void coversFromTheCorner();
    void offsetOrigin();
    void buttonStrip();
    void emptyPictureKeepsTheCanvas();
    void drawingIsKept();
};

void TestTilePicture::coversFromTheCorner() {
    PictureBox box;
    setTwipsGeometry(&box, {0, 0, 100 * 15, 70 * 15}); // 100 x 70 pixels at 96 dpi
    QCOMPARE(box.logicalDpiX(), 96);
    TilePicture(&box, markedPicture(30, 20), 0, 0, 1500, 1050);
    const QImage canvas = canvasOf(box);
    QCOMPARE(canvas.size(), QSize(100, 70));
    // Every pixel is the picture's pixel at the same place modulo its size:
    // natural size, side by side, from (0, 0), never stretched.
    for (int y = 0; y < 70; y += 7)
        for (int x = 0; x < 100; x += 3)
            QCOMPARE(canvas.pixelColor(x, y), QColor(x % 30, y % 20, 200));
}

void TestTilePicture::offsetOrigin() {
    PictureBox box;
    box.SetBackColor(Qt::black);
    setTwipsGeometry(&box, {0, 0, 1500, 1500});
    TilePicture(&box, markedPicture(10, 10), 300, 150, 600, 300); // from pixel (20, 10)
    const QImage canvas = canvasOf(box);
    QCOMPARE(canvas.pixelColor(19, 15), QColor(Qt::black));
    QCOMPARE(canvas.pixelColor(20, 10), QColor(0, 0, 200));
    QCOMPARE(canvas.pixelColor(35, 17), QColor(5, 7, 200));
    // 600 \ 150 + 2 = 6 columns and 300 \ 150 + 2 = 4 rows: pixels 20..79
    // across and 10..49 down.
    QCOMPARE(canvas.pixelColor(79, 49), QColor(9, 9, 200));
    QCOMPARE(canvas.pixelColor(80, 20), QColor(Qt::black));
    QCOMPARE(canvas.pixelColor(30, 50), QColor(Qt::black));
}

void TestTilePicture::buttonStrip() {
    // The 2 x 29 pixel button texture on a 735 x 350 twip button covers the
    // whole face with the strip's top 23 rows.
    PictureBox button;
    button.SetBackColor(Qt::black);
    setTwipsGeometry(&button, {0, 0, 735, 350});
    TilePicture(&button, markedPicture(2, 29), 0, 0, 735, 350);
    const QImage canvas = canvasOf(button);
    QCOMPARE(canvas.size(), QSize(49, 23));
    for (int x = 0; x < 49; ++x) {
        QCOMPARE(canvas.pixelColor(x, 0), QColor(x % 2, 0, 200));
        QCOMPARE(canvas.pixelColor(x, 22), QColor(x % 2, 22, 200));
    }
}

void TestTilePicture::emptyPictureKeepsTheCanvas() {
    PictureBox box;
    box.SetBackColor(Qt::darkGreen);
    setTwipsGeometry(&box, {0, 0, 600, 600});
    const QImage before = canvasOf(box);
    TilePicture(&box, QPixmap(), 0, 0, 600, 600);
    TilePicture(&box, markedPicture(0, 0), 0, 0, 600, 600);
    QCOMPARE(canvasOf(box), before);
}

void TestTilePicture::drawingIsKept() {
    // What is painted stays when the box is hidden, shown and grown.
    PictureBox box;
    box.SetBackColor(Qt::white);
    setTwipsGeometry(&box, {0, 0, 600, 600});
    box.show();
    TilePicture(&box, markedPicture(40, 40), 0, 0, 600, 600);
    box.hide();
    box.show();
    setTwipsGeometry(&box, {0, 0, 900, 900});
    const QImage shown = box.grab().toImage();
    QCOMPARE(shown.pixelColor(39, 39), QColor(39, 39, 200));
    QCOMPARE(shown.pixelColor(50, 50), QColor(Qt::white));
}

QTEST_MAIN(TestTilePicture)
#include "test_tile_picture.moc"
