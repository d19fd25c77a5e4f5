#include "common/twips_geometry.h"
#include "fake_sound_player.h"
#include "orvanta/shell/font_substitutions.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/start_screen.h"
#include "orvanta/shell/start_screen_steps.h"
#include "orvanta/store/app_dir.h"
#include "support/widget_driving.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

QColor faceColour(const PictureButton* button) {
    return button->Canvas().toImage().pixelColor(button->width() - 2, 10);
}

} // namespace

class TestStartScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadThenFirstSizing();
    void controls_data();
    void controls();
    void maximisedBorderlessCentred();
    void backgroundTiled();
    void hover();
    void clicks_data();
    void clicks();
    void activationAndUnload();

private:
    FakeSoundPlayer player_;
    std::unique_ptr<StartScreenSteps> steps_;
    QStringList taken_; // which window's picture was taken, in order
    std::unique_ptr<StartScreen> form3_;
};

void TestStartScreen::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    SetAppDir(QStringLiteral(PROGRAM_DIR));
    InstallFontSubstitutions();
}

void TestStartScreen::init() {
    player_ = FakeSoundPlayer();
    taken_.clear();
    steps_ = std::make_unique<StartScreenSteps>(player_, [] { return false; });
    StartScreenSources sources;
    sources.BrowserBanner = [this] {
        taken_.append(QStringLiteral("banner"));
        return pictures::Banner();
    };
    sources.BackgroundTexture = [this] {
        taken_.append(QStringLiteral("background"));
        return pictures::BackgroundTexture();
    };
    form3_ = std::make_unique<StartScreen>(*steps_, sources);
}

void TestStartScreen::cleanup() {
    form3_.reset();
}

// Loading copies the browser's banner; the first sizing, before the screen
// is first shown, takes the results window's background.
void TestStartScreen::loadThenFirstSizing() {
    QCOMPARE(taken_, QStringList{QStringLiteral("banner")});
    QVERIFY(!form3_->Image3()->pixmap().isNull());
    form3_->ShowMaximized();
    QCOMPARE(taken_, (QStringList{QStringLiteral("banner"), QStringLiteral("background")}));
    QCOMPARE(steps_->Activations(), 0);
}

void TestStartScreen::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Image3") << "Image3"
                            << "Picture1" << QRectF(1920, 0, 5055, 495) << QString();
    QTest::newRow("Image4") << "Image4"
                            << "Picture1" << QRectF(120, 600, 7965, 3645) << QString();
    QTest::newRow("Picture2(0)") << "Picture2(0)"
                                 << "Picture1" << QRectF(240, 3480, 735, 350) << "إنهاء";
    QTest::newRow("Picture2(1)") << "Picture2(1)"
                                 << "Picture1" << QRectF(1920, 3480, 735, 350) << "بحث";
    QTest::newRow("Picture2(2)") << "Picture2(2)"
                                 << "Picture1" << QRectF(1080, 3480, 735, 350) << "تصفح";
}

void TestStartScreen::controls() {
    QFETCH(QString, name);
    QFETCH(QRectF, rect);
    QFETCH(QString, caption);
    auto* control = form3_->findChild<QWidget*>(name);
    QVERIFY(control);
    QTEST(control->parentWidget()->objectName(), "parent");
    QCOMPARE(twipsGeometry(control), rect);
    if (auto* button = qobject_cast<PictureButton*>(control)) {
        QCOMPARE(button->Caption()->text(), caption);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!button->Icon()->pixmap().isNull());
        QVERIFY(!button->IsRaised());
        QCOMPARE(faceColour(button), pictures::NormalButtonTexture().toImage().pixelColor(0, 10));
    }
    QCOMPARE(twipsGeometry(form3_->Picture1()).size(), QSizeF(8235, 4050));
    // The hidden holders of the two button textures.
    for (const char* holder : {"Picture4", "Picture3"}) {
        auto* l = form3_->findChild<QLabel*>(QLatin1String(holder));
        QVERIFY(l && l->isHidden() && !l->pixmap().isNull());
    }
}

void TestStartScreen::maximisedBorderlessCentred() {
    form3_->ShowMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(form3_.get()));
    QVERIFY(form3_->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(form3_->windowState() & Qt::WindowMaximized);
    QCOMPARE(form3_->geometry(), form3_->screen()->availableGeometry());
    const QRectF panel = twipsGeometry(form3_->Picture1());
    QCOMPARE(panel.left(), (form3_->ScaleWidth() - 8235) / 2);
    QCOMPARE(panel.top(), (form3_->ScaleHeight() - 4050) / 2);

    // Every later sizing centres the panel again.
    form3_->resize(700, 500);
    const double perPixel = twipsPerPixel(form3_.get());
    QCOMPARE(twipsGeometry(form3_->Picture1()).left(), (700 * perPixel - 8235) / 2);
    QCOMPARE(twipsGeometry(form3_->Picture1()).top(), (500 * perPixel - 4050) / 2);
}

void TestStartScreen::backgroundTiled() {
    form3_->ShowMaximized();
    const QImage canvas = form3_->Canvas().toImage();
    const QImage tile = pictures::BackgroundTexture().toImage();
    // Copies side by side from the top-left corner, over the whole window.
    for (const QPoint& at : {QPoint(0, 0), QPoint(7, 31), QPoint(49, 49)}) {
        QCOMPARE(canvas.pixelColor(at), tile.pixelColor(at));
        QCOMPARE(canvas.pixelColor(at + QPoint(50, 100)), tile.pixelColor(at));
    }
    const QPoint corner(canvas.width() - 1, canvas.height() - 1);
    QCOMPARE(canvas.pixelColor(corner), tile.pixelColor(corner.x() % 50, corner.y() % 50));
}

// Each button lights up under the pointer and stays lit until the pointer
// crosses the artwork, also when it went straight on to another button.
void TestStartScreen::hover() {
    form3_->ShowMaximized();
    const QColor normal = pictures::NormalButtonTexture().toImage().pixelColor(0, 10);
    const QColor hot = pictures::HotButtonTexture().toImage().pixelColor(0, 10);
    PictureButton* b0 = form3_->Picture2(0);
    PictureButton* b1 = form3_->Picture2(1);
    PictureButton* b2 = form3_->Picture2(2);
    moveOver(b0);
    QVERIFY(b0->IsRaised());
    QCOMPARE(faceColour(b0), hot);
    moveOver(b1);
    QVERIFY(b0->IsRaised() && b1->IsRaised() && !b2->IsRaised());
    QCOMPARE(faceColour(b0), hot);
    // The panel around the artwork is no artwork: nothing changes.
    moveOver(form3_->Picture1());
    QVERIFY(b0->IsRaised() && b1->IsRaised());
    moveOver(form3_->Image4());
    for (PictureButton* b : {b0, b1, b2}) {
        QVERIFY(!b->IsRaised());
        QCOMPARE(faceColour(b), normal);
    }
}

void TestStartScreen::clicks_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("part"); // 0 the box, 1 its caption, 2 its icon
    for (int i = 0; i < 3; ++i) {
        for (int part = 0; part < 3; ++part) {
            const char* parts[] = {"box", "caption", "icon"};
            QTest::addRow("button %d, %s", i, parts[part]) << i << part;
        }
    }
}

void TestStartScreen::clicks() {
    QFETCH(int, index);
    QFETCH(int, part);
    form3_->ShowMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(form3_.get()));
    QSignalSpy clicked(form3_.get(), &StartScreen::ButtonClicked);
    PictureButton* button = form3_->Picture2(index);
    QWidget* target = part == 0 ? static_cast<QWidget*>(button)
                                : (part == 1 ? static_cast<QWidget*>(button->Caption())
                                             : static_cast<QWidget*>(button->Icon()));
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toInt(), index);
}

void TestStartScreen::activationAndUnload() {
    form3_->ShowMaximized();
    QTRY_COMPARE(steps_->Activations(), 1);
    QTRY_COMPARE(player_.played, QStringList{QStringLiteral(PROGRAM_DIR "/besm.WAV")});
    QCOMPARE(player_.stops, 0);
    form3_->close();
    QCOMPARE(player_.stops, 1);
}

QTEST_MAIN(TestStartScreen)
#include "test_start_screen.moc"
