#include "orvanta/shell/start_screen.h"

#include "common/twips_geometry.h"
#include "orvanta/shell/control_style.h"
#include "orvanta/shell/picture_button.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/start_screen_steps.h"
#include "orvanta/shell/tile_picture.h"
#include "orvanta/shell/window_activation.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>

namespace {

constexpr double kDesignWidth = 8610;
constexpr double kDesignHeight = 6210;
constexpr double kPanelWidth = 8235;
constexpr double kPanelHeight = 4050;
const QColor kPanelBack(0xfd, 0xfa, 0xf0);

struct Button {
    double left;
    const char* caption;
    QPixmap (*icon)();
};

QLabel* image(QWidget* parent, const char* name, const QRectF& twips, const QPixmap& picture) {
    auto* l = Place(new QLabel(parent), name, twips);
    l->setPixmap(picture);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// The picture held hidden for the other windows.
QLabel* holder(QWidget* parent, const char* name, const QPixmap& picture) {
    QLabel* l = image(parent, name, {0, 0, 30, 435}, picture);
    l->hide();
    return l;
}

} // namespace

StartScreen::StartScreen(StartScreenSteps& steps, const StartScreenSources& sources)
    : steps_(steps), sources_(sources) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Orvanta"));
    setWindowIcon(pictures::ProgramIcon());
    setLayoutDirection(Qt::RightToLeft);
    setFont(ControlFont(QStringLiteral("MS Sans Serif"), 8.25, false));
    resize(twipsToPixelSize(this, {kDesignWidth, kDesignHeight}));

    picture1_ = Place(new PictureBox(this), "Picture1", {0, 0, kPanelWidth, kPanelHeight});
    picture1_->SetBackColor(kPanelBack);
    image3_ = image(picture1_, "Image3", {1920, 0, 5055, 495}, QPixmap());
    image4_ = image(picture1_, "Image4", {120, 600, 7965, 3645}, pictures::StartArtwork());
    image4_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image4_->setMouseTracking(true);
    image4_->installEventFilter(this);

    const Button buttons[] = {{240, "إنهاء", pictures::CloseIcon},
                              {1920, "بحث", pictures::SearchIcon},
                              {1080, "تصفح", pictures::BrowseIcon}};
    for (int i = 0; i < 3; ++i) {
        const Button& b = buttons[i];
        picture2_[i] =
            new PictureButton(picture1_, i, {b.left, 3480, 735, 350}, QString::fromUtf8(b.caption),
                              {240, 45, 480, 255}, b.icon(), {45, 80, 180, 195});
        connect(picture2_[i], &PictureBox::mouseMoved, this, [this, i] { Picture2_MouseMove(i); });
        connect(picture2_[i], &PictureBox::clicked, this, [this, i] { emit ButtonClicked(i); });
    }
    holder(this, "Picture4", pictures::NormalButtonTexture());
    holder(this, "Picture3", pictures::HotButtonTexture());

    connect(new ActivationWatcher(this), &ActivationWatcher::activated, this,
            [this] { steps_.Form_Activate(); });
    Form_Load();
}

double StartScreen::ScaleWidth() const {
    return width() * twipsPerPixel(this);
}

double StartScreen::ScaleHeight() const {
    return height() * twipsPerPixel(this);
}

void StartScreen::ShowMaximized() {
    if (QScreen* s = screen())
        setGeometry(s->availableGeometry());
    showMaximized();
    raise();
    activateWindow();
}

void StartScreen::Form_Load() {
    for (PictureButton* button : picture2_)
        button->ShowNormalFace();
    // The banner is the browser's: it keeps its proportions in the wider,
    // lower frame it has here.
    const QPixmap banner = sources_.BrowserBanner();
    if (!banner.isNull())
        image3_->setPixmap(
            banner.scaled(image3_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void StartScreen::Form_Resize() {
    TilePicture(this, sources_.BackgroundTexture(), 0, 0, ScaleWidth(), ScaleHeight());
    setTwipsLeft(picture1_, (ScaleWidth() - kPanelWidth) / 2);
    setTwipsTop(picture1_, (ScaleHeight() - kPanelHeight) / 2);
}

void StartScreen::Picture2_MouseMove(int index) {
    picture2_[index]->ShowHotFace();
}

void StartScreen::Image4_MouseMove() {
    for (PictureButton* button : picture2_) {
        if (button->IsRaised())
            button->ShowNormalFace();
    }
}

void StartScreen::resizeEvent(QResizeEvent* event) {
    PictureBox::resizeEvent(event);
    Form_Resize();
}

void StartScreen::closeEvent(QCloseEvent* event) {
    steps_.Form_Unload();
    PictureBox::closeEvent(event);
}

bool StartScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image4_ && event->type() == QEvent::MouseMove) {
        Image4_MouseMove();
        return true;
    }
    return PictureBox::eventFilter(watched, event);
}
