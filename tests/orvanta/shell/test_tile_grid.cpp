#include "orvanta/shell/tile_grid.h"

#include <QTest>

class TestTileGrid : public QObject {
    Q_OBJECT
private slots:
    void counts_data();
    void counts();
    void pictureSizes_data();
    void pictureSizes();
};

void TestTileGrid::counts_data() {
    QTest::addColumn<double>("tileWidth");
    QTest::addColumn<double>("tileHeight");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("painted");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");

    // 735 \ 30 = 24 and 350 \ 435 = 0: one column and one row more than fit,
    // plus one; the second row lies below the button.
    QTest::newRow("button strip") << 30.0 << 435.0 << 735.0 << 350.0 << true << 26 << 2;
    QTest::newRow("strip as it converts") << 30.047 << 434.83 << 735.0 << 350.0 << true << 26 << 2;
    QTest::newRow("picture larger than the area")
        << 750.0 << 750.0 << 500.0 << 300.0 << true << 2 << 2;
    QTest::newRow("exact fit still adds two") << 50.0 << 50.0 << 500.0 << 100.0 << true << 12 << 4;
    // The operands are rounded half to even before dividing.
    QTest::newRow("operands rounded") << 2.5 << 3.5 << 10.0 << 10.0 << true << 7 << 4;
    QTest::newRow("zero-width picture") << 0.0 << 435.0 << 735.0 << 350.0 << false << 0 << 0;
    QTest::newRow("width rounds to zero") << 0.4 << 435.0 << 735.0 << 350.0 << false << 0 << 0;
    QTest::newRow("zero-height picture") << 30.0 << 0.0 << 735.0 << 350.0 << false << 0 << 0;
    QTest::newRow("count beyond 16 bits") << 1.0 << 1.0 << 40000.0 << 10.0 << false << 0 << 0;
    QTest::newRow("empty area") << 30.0 << 435.0 << 0.0 << 0.0 << true << 2 << 2;
    QTest::newRow("negative area") << 30.0 << 30.0 << -100.0 << 30.0 << true << 0 << 3;
}

void TestTileGrid::counts() {
    QFETCH(double, tileWidth);
    QFETCH(double, tileHeight);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, painted);
    const std::optional<TileGrid> grid = tileGrid(tileWidth, tileHeight, width, height);
    QCOMPARE(grid.has_value(), painted);
    if (!grid)
        return;
    QTEST(grid->columns, "columns");
    QTEST(grid->rows, "rows");
}

void TestTileGrid::pictureSizes_data() {
    QTest::addColumn<int>("pixels");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("himetric");
    QTest::addColumn<double>("twips");
    QTest::newRow("strip width") << 2 << 96.0 << 53 << 30.047;
    QTest::newRow("strip height") << 29 << 96.0 << 767 << 434.83;
    QTest::newRow("background") << 50 << 96.0 << 1323 << 750.05;
    QTest::newRow("empty") << 0 << 96.0 << 0 << 0.0;
    QTest::newRow("twice the dots") << 50 << 192.0 << 661 << 374.74;
}

void TestTileGrid::pictureSizes() {
    QFETCH(int, pixels);
    QFETCH(double, dpi);
    QFETCH(int, himetric);
    QFETCH(double, twips);
    QCOMPARE(pixelsToHimetric(pixels, dpi), himetric);
    QVERIFY(qAbs(himetricToTwips(himetric) - twips) < 0.01);
}

QTEST_GUILESS_MAIN(TestTileGrid)
#include "test_tile_grid.moc"
