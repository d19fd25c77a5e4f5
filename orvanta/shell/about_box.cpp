#include "orvanta/shell/about_box.h"

#include "common/twips_geometry.h"
#include "orvanta/shell/control_style.h"
#include "orvanta/shell/open_with_shell.h"
#include "orvanta/shell/shared_pictures.h"
#include "orvanta/shell/window_placement.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr double kWidth = 5235;
constexpr double kHeight = 2895;
const QColor kInk(0x16, 0x47, 0x44);
const QColor kLink(0x1f, 0x5f, 0x5b);
const QColor kButtonFace(0xff, 0xfb, 0xd0);

QLabel* label(QWidget* parent, const char* name, const QRectF& twips, const QString& text) {
    auto* l = Place(new QLabel(text, parent), name, twips);
    l->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
    SetInk(l, kInk);
    return l;
}

QLabel* picture(QWidget* parent, const char* name, const QRectF& twips, const QPixmap& pixmap) {
    auto* l = Place(new QLabel(parent), name, twips);
    l->setPixmap(pixmap);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

AboutBox::AboutBox(QWidget* owner) : QWidget(owner) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("hola"));
    setWindowTitle(QStringLiteral("حول"));
    setLayoutDirection(Qt::RightToLeft);
    setFont(ControlFont(QStringLiteral("MS Sans Serif"), 8.25, false));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setFixedSize(twipsToPixelSize(this, {kWidth, kHeight}));

    picture(this, "Image1", {1680, 120, 3000, 1200}, pictures::AboutEmblem());
    picture(this, "Image2", {120, 0, 1095, 2340}, pictures::AboutBand());

    label2_ = label(this, "Label2", {1560, 1320, 3255, 615}, kReleaseNote);
    label2_->setFont(ControlFont(QStringLiteral("DejaVu Sans"), 7.5, false));
    label2_->setAlignment(Qt::AlignCenter);

    label1_ = label(this, "Label1", {1560, 1920, 3255, 570},
                    QStringLiteral("مع تحيات فريق QuranDesk\r\n"
                                   "نص المصحف من مشروع تنزيل tanzil.net"));
    label1_->setFont(ControlFont(QStringLiteral("DejaVu Sans"), 7.5, false));
    SetInk(label1_, kLink);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setToolTip(
        QStringLiteral("زوروا موقع مشروع تنزيل (tanzil.net) مصدر نص القرآن الكريم في البرنامج"));

    label3_ = label(this, "Label3", {1440, 2520, 1695, 255}, QStringLiteral("رجب 1448 هـ"));
    label3_->setAlignment(Qt::AlignCenter);

    label8_ = label(this, "Label8", {3360, 2520, 1440, 195}, QStringLiteral("المشرف على البرنامج"));
    QFont underlined = ControlFont(QStringLiteral("MS Sans Serif"), 8.25, false);
    underlined.setUnderline(true);
    label8_->setFont(underlined);
    label8_->setToolTip(QStringLiteral("بريد المشرف على البرنامج"));
    SetInk(label8_, kLink);

    for (QLabel* l : {label1_, label8_}) {
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
    }

    command1_ =
        Place(new QPushButton(QStringLiteral("موافق"), this), "Command1", {120, 2400, 1095, 330});
    command1_->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; border: 1px solid #8a7a4a; }"
                       "QPushButton:pressed { background: #f0e6b0; }")
            .arg(kButtonFace.name()));
    connect(command1_, &QPushButton::clicked, this, &QWidget::close);

    // Drawn last, so it lies over the pictures at the edges.
    auto* shape1 = Place(new QFrame(this), "Shape1", {0, 0, kWidth, kHeight});
    shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape1->setLineWidth(1);
    SetInk(shape1, kInk);
    shape1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Form_Load();
}

void AboutBox::Form_Load() {
    CentreWindow(this);
}

void AboutBox::Label1_Click() {
    OpenWithShell(kTextSourceSite);
}

void AboutBox::Label8_Click() {
    OpenWithShell(kSupervisorMail);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == label1_)
            Label1_Click();
        else if (watched == label8_)
            Label8_Click();
    }
    return QWidget::eventFilter(watched, event);
}
