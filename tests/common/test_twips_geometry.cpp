#include "common/twips_geometry.h"

#include <QTest>
#include <QWidget>
#include <cmath>

// A widget's rectangle in twips, one side at a time.
class TestTwipsGeometry : public QObject {
    Q_OBJECT
private slots:
    void setOneSide_data();
    void setOneSide();
};

void TestTwipsGeometry::setOneSide_data() {
    QTest::addColumn<char>("side"); // l, t, w or h
    QTest::addColumn<double>("value");
    QTest::addColumn<QRectF>("expected");
    const QRectF start(150, 300, 1500, 750);
    QTest::newRow("left, fractions kept") << 'l' << 37.5 << QRectF(37.5, 300, 1500, 750);
    QTest::newRow("negative left is a place") << 'l' << -90.0 << QRectF(-90, 300, 1500, 750);
    QTest::newRow("top") << 't' << 12.0 << QRectF(150, 12, 1500, 750);
    QTest::newRow("width") << 'w' << 2250.5 << QRectF(150, 300, 2250.5, 750);
    QTest::newRow("width 0") << 'w' << 0.0 << QRectF(150, 300, 0, 750);
    QTest::newRow("negative width refused") << 'w' << -1.0 << start;
    QTest::newRow("width that is no number refused") << 'w' << std::nan("") << start;
    QTest::newRow("height") << 'h' << 15.0 << QRectF(150, 300, 1500, 15);
    QTest::newRow("height 0") << 'h' << 0.0 << QRectF(150, 300, 1500, 0);
    QTest::newRow("negative height refused") << 'h' << -0.5 << start;
}

void TestTwipsGeometry::setOneSide() {
    QFETCH(char, side);
    QFETCH(double, value);
    QFETCH(QRectF, expected);
    QWidget parent;
    auto* widget = new QWidget(&parent);
    setTwipsGeometry(widget, {150, 300, 1500, 750});
    const double perPixel = twipsPerPixel(widget);
    switch (side) {
    case 'l':
        setTwipsLeft(widget, value);
        break;
    case 't':
        setTwipsTop(widget, value);
        break;
    case 'w':
        setTwipsWidth(widget, value);
        break;
    default:
        setTwipsHeight(widget, value);
        break;
    }
    QCOMPARE(twipsGeometry(widget), expected);
    const QRect pixels(qRound(expected.left() / perPixel), qRound(expected.top() / perPixel),
                       qRound(expected.width() / perPixel), qRound(expected.height() / perPixel));
    QCOMPARE(widget->geometry(), pixels);
}

QTEST_MAIN(TestTwipsGeometry)
#include "test_twips_geometry.moc"
