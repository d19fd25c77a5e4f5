#include "common/twips_geometry.h"
#include "orvanta/search/search_progress_box.h"
#include "support/paint_counter.h"

#include <QTest>

class TestSearchProgressBox : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void barWidth_data();
    void barWidth();
    void drawnAtTheScreensPace();

private:
    std::unique_ptr<QWidget> dialog_;
    SearchProgressBox* box_ = nullptr;
};

void TestSearchProgressBox::init() {
    dialog_ = std::make_unique<QWidget>();
    dialog_->resize(400, 200);
    box_ = new SearchProgressBox(dialog_.get());
    setTwipsGeometry(box_, {840, 1200, 4455, 135});
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
}

void TestSearchProgressBox::cleanup() {
    dialog_.reset();
}

void TestSearchProgressBox::barWidth_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("a tenth") << 624;
    QTest::newRow("half way") << 3118;
    QTest::newRow("last record") << 6236;
}

void TestSearchProgressBox::barWidth() {
    QFETCH(int, count);
    box_->DrawSearchProgress(count);
    QCOMPARE(box_->Count(), count);
    const QImage image = box_->grab().toImage();
    const int width = image.width();
    // The box is 6236 units wide; the bar reaches count + 0.5 of them.
    const double filled = (count + 0.5) * width / 6236.0;
    QCOMPARE(box_->FilledWidth(count), filled);
    const QColor back = box_->BackColor();
    const int y = image.height() / 2;
    const QColor bar = image.pixelColor(0, y);
    QVERIFY(bar != back);
    for (int x = 0; x < width; ++x) {
        if (x + 1 < filled)
            QCOMPARE(image.pixelColor(x, y), bar);
        else if (x > filled)
            QCOMPARE(image.pixelColor(x, y), back);
    }
}

void TestSearchProgressBox::drawnAtTheScreensPace() {
    PaintCounter counter;
    box_->installEventFilter(&counter);
    for (int count = 1; count <= 6236; ++count) {
        box_->DrawSearchProgress(count);
        QCoreApplication::processEvents();
    }
    // Far fewer paints than records; the last count is drawn soon after.
    QVERIFY2(counter.paints < 200, qPrintable(QString::number(counter.paints)));
    const int before = counter.paints;
    QTRY_VERIFY(counter.paints > before);
    const QImage image = box_->grab().toImage();
    QVERIFY(image.pixelColor(image.width() - 1, 2) != box_->BackColor());
}

QTEST_MAIN(TestSearchProgressBox)
#include "test_search_progress_box.moc"
