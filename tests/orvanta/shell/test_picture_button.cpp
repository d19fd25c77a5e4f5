#include "common/twips_geometry.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/shared_pictures.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

PictureButton* makeButton(QWidget* parent) {
    return new PictureButton(parent, 2, {1380, 760, 735, 350}, QStringLiteral("تنسيق"),
                             {240, 45, 435, 195}, pictures::FormatIcon(), {50, 80, 180, 195});
}

// The colour of the button's face well away from caption and icon.
QColor faceColour(const PictureButton* button, int row) {
    return button->Canvas().toImage().pixelColor(button->width() - 2, row);
}

} // namespace

class TestPictureButton : public QObject {
    Q_OBJECT
private slots:
    void sharedPictures_data();
    void sharedPictures();
    void namesAndPlaces();
    void facesFollowTheBorder();
    void clicksOnEveryPart();
    void movesOverEveryPart();
};

void TestPictureButton::sharedPictures_data() {
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("normal texture") << pictures::NormalButtonTexture() << QSize(2, 29);
    QTest::newRow("hot texture") << pictures::HotButtonTexture() << QSize(2, 29);
    QTest::newRow("background") << pictures::BackgroundTexture() << QSize(50, 50);
    QTest::newRow("banner") << pictures::Banner() << QSize(224, 37);
    QTest::newRow("right end") << pictures::PanelEndRight() << QSize(25, 79);
    QTest::newRow("left end") << pictures::PanelEndLeft() << QSize(25, 79);
    QTest::newRow("back icon") << pictures::BackIcon() << QSize(12, 13);
    QTest::newRow("format icon") << pictures::FormatIcon() << QSize(12, 13);
    QTest::newRow("search icon") << pictures::SearchIcon() << QSize(12, 13);
    QTest::newRow("close icon") << pictures::CloseIcon() << QSize(12, 13);
    QTest::newRow("program icon") << pictures::ProgramIcon() << QSize(64, 64);
    QTest::newRow("first tafsir tab") << pictures::TafsirTab1() << QSize(100, 30);
    QTest::newRow("second tafsir tab") << pictures::TafsirTab2() << QSize(100, 30);
    QTest::newRow("fact bar right end") << pictures::BarEndRight() << QSize(25, 47);
    QTest::newRow("fact bar left end") << pictures::BarEndLeft() << QSize(25, 47);
}

void TestPictureButton::sharedPictures() {
    QFETCH(QPixmap, picture);
    QTEST(picture.size(), "size");
    // Loaded once: every window gets the same picture data.
    QCOMPARE(pictures::BackgroundTexture().cacheKey(), pictures::BackgroundTexture().cacheKey());
}

void TestPictureButton::namesAndPlaces() {
    QWidget panel;
    PictureButton* button = makeButton(&panel);
    QCOMPARE(button->objectName(), QStringLiteral("Picture2(2)"));
    QCOMPARE(twipsGeometry(button), QRectF(1380, 760, 735, 350));
    QCOMPARE(button->Caption()->objectName(), QStringLiteral("Label3(2)"));
    QCOMPARE(button->Caption()->text(), QStringLiteral("تنسيق"));
    QCOMPARE(twipsGeometry(button->Caption()), QRectF(240, 45, 435, 195));
    QCOMPARE(button->Icon()->objectName(), QStringLiteral("Image5(2)"));
    QCOMPARE(twipsGeometry(button->Icon()), QRectF(50, 80, 180, 195));
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
}

void TestPictureButton::facesFollowTheBorder() {
    QWidget panel;
    PictureButton* button = makeButton(&panel);
    const QImage normal = pictures::NormalButtonTexture().toImage();
    const QImage hot = pictures::HotButtonTexture().toImage();
    QVERIFY(normal.pixelColor(0, 10) != hot.pixelColor(0, 10));

    button->ShowHotFace();
    QVERIFY(button->IsRaised());
    QCOMPARE(button->BorderStyle(), 1);
    QCOMPARE(faceColour(button, 10), hot.pixelColor(0, 10));

    button->ShowNormalFace();
    QVERIFY(!button->IsRaised());
    QCOMPARE(button->BorderStyle(), 0);
    QCOMPARE(faceColour(button, 10), normal.pixelColor(0, 10));
}

void TestPictureButton::clicksOnEveryPart() {
    QWidget panel;
    panel.resize(300, 200);
    PictureButton* button = makeButton(&panel);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy clicks(button, &PictureBox::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(45, 20));
    QTest::mouseClick(button->Caption(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(button->Icon(), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(clicks.count(), 3);
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(45, 20));
    QCOMPARE(clicks.count(), 3);
}

void TestPictureButton::movesOverEveryPart() {
    QWidget panel;
    panel.resize(300, 200);
    panel.setMouseTracking(true);
    PictureButton* button = makeButton(&panel);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy moves(button, &PictureBox::mouseMoved);
    // The pointer over the caption and the icon is over the button.
    int expected = 0;
    for (QWidget* part : {static_cast<QWidget*>(button), static_cast<QWidget*>(button->Caption()),
                          static_cast<QWidget*>(button->Icon())}) {
        QTest::mouseMove(&panel, part->mapTo(&panel, part->rect().center()));
        QTRY_VERIFY(moves.count() > expected);
        expected = moves.count();
    }
}

QTEST_MAIN(TestPictureButton)
#include "test_picture_button.moc"
