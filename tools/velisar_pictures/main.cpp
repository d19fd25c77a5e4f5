// Draws Velisar's pictures: the three buttons of the finder window's top-left
// corner and the window icon. The PNGs it writes are kept in the repository
// (velisar/window/pictures); run it again after changing a drawing:
//   cmake --build build --target velisar_pictures
//   build/tools/velisar_pictures/velisar_pictures velisar/window/pictures
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>

namespace {

const QColor kInk(0x1f, 0x4d, 0x32);
const QColor kGold(0xc9, 0xa2, 0x4a);
const QColor kCream(0xfd, 0xfb, 0xf0);

// Each button is 3.5 times as wide as it is high; drawn at four times the
// size it has on a 96 dpi screen, so it stays sharp when scaled.
constexpr int kButtonHeight = 76;
constexpr int kButtonWidth = 266;

QImage newImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawButtonFace(QPainter& p, const QRectF& r) {
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor(0xfb, 0xfa, 0xf0));
    face.setColorAt(0.55, QColor(0xe8, 0xee, 0xd8));
    face.setColorAt(1, QColor(0xcf, 0xdb, 0xb8));
    p.setPen(QPen(QColor(0x7d, 0x94, 0x67), 3));
    p.setBrush(face);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 14, 14);
    // A thin light line under the top edge gives the face a little relief.
    p.setPen(QPen(QColor(255, 255, 255, 170), 2));
    p.drawLine(QPointF(r.left() + 14, r.top() + 5), QPointF(r.right() - 14, r.top() + 5));
}

void drawWord(QPainter& p, const QRectF& area, const QString& word) {
    QFont font(QStringLiteral("Noto Sans Arabic"));
    font.setPixelSize(38);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(area, Qt::AlignCenter, word);
}

// The round badge at the button's right end that carries its sign.
QRectF badge(const QRectF& r) {
    const double size = r.height() - 22;
    return {r.right() - 12 - size, r.top() + 11, size, size};
}

void drawBadge(QPainter& p, const QRectF& circle) {
    QRadialGradient fill(circle.center() - QPointF(6, 8), circle.width() * 0.7);
    fill.setColorAt(0, QColor(0x4f, 0x92, 0x64));
    fill.setColorAt(1, QColor(0x24, 0x5c, 0x3a));
    p.setPen(QPen(kGold, 2.5));
    p.setBrush(fill);
    p.drawEllipse(circle);
}

// A button face with its sign drawn on the badge and its word beside it.
QImage button(const QString& word, const std::function<void(QPainter&, const QRectF&)>& sign) {
    QImage image = newImage(kButtonWidth, kButtonHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = image.rect();
    drawButtonFace(p, r);
    const QRectF circle = badge(r);
    drawBadge(p, circle);
    sign(p, circle);
    drawWord(p, QRectF(r.left() + 14, r.top(), circle.left() - r.left() - 20, r.height()), word);
    return image;
}

QImage searchButton() {
    return button(QStringLiteral("بحث"), [](QPainter& p, const QRectF& circle) {
        // A magnifying glass.
        const QPointF c = circle.center() - QPointF(4, 4);
        p.setPen(QPen(kCream, 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 12, 12);
        p.drawLine(c + QPointF(9, 9), c + QPointF(19, 19));
    });
}

QImage cancelButton() {
    return button(QStringLiteral("إلغاء"), [](QPainter& p, const QRectF& circle) {
        const QPointF c = circle.center();
        p.setPen(QPen(kCream, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-11, -11), c + QPointF(11, 11));
        p.drawLine(c + QPointF(-11, 11), c + QPointF(11, -11));
    });
}

QImage helpButton() {
    return button(QStringLiteral("مساعدة"), [](QPainter& p, const QRectF& circle) {
        QFont mark(QStringLiteral("Noto Sans Arabic"));
        mark.setPixelSize(40);
        mark.setBold(true);
        p.setFont(mark);
        p.setPen(kCream);
        p.drawText(circle.translated(0, -2), Qt::AlignCenter, QStringLiteral("؟"));
    });
}

// The window icon: an open book on a green tile, a gold lens over it.
QImage windowIcon() {
    constexpr int size = 256;
    QImage image = newImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(8, 8, size - 16, size - 16);
    QLinearGradient green(tile.topLeft(), tile.bottomRight());
    green.setColorAt(0, QColor(0x4a, 0x8c, 0x5e));
    green.setColorAt(1, QColor(0x1d, 0x4f, 0x33));
    p.setPen(QPen(kGold, 6));
    p.setBrush(green);
    p.drawRoundedRect(tile, 44, 44);

    // The two pages, curving down from the spine.
    const double spineX = size / 2.0;
    const double top = 70;
    const double bottom = 178;
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(spineX, top + 8);
        page.cubicTo(spineX + side * 30, top - 8, spineX + side * 62, top - 6, spineX + side * 92,
                     top + 2);
        page.lineTo(spineX + side * 92, bottom - 6);
        page.cubicTo(spineX + side * 62, bottom - 14, spineX + side * 30, bottom - 16, spineX,
                     bottom);
        page.closeSubpath();
        p.setPen(QPen(QColor(0xb8, 0x9a, 0x55), 3));
        p.setBrush(kCream);
        p.drawPath(page);
        // Lines of text on the page.
        p.setPen(QPen(QColor(0x6f, 0x8f, 0x72), 4, Qt::SolidLine, Qt::RoundCap));
        for (int line = 0; line < 5; ++line) {
            const double y = top + 24 + line * 18;
            p.drawLine(QPointF(spineX + side * 16, y + 2), QPointF(spineX + side * 78, y - 3));
        }
    }

    // The lens.
    const QPointF lens(166, 160);
    p.setPen(QPen(kGold, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(28, 28), lens + QPointF(58, 58));
    p.setPen(QPen(kGold, 10));
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(lens, 38, 38);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velisar_pictures <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const struct {
        const char* name;
        QImage image;
    } pictures[] = {{"search_button", searchButton()},
                    {"cancel_button", cancelButton()},
                    {"help_button", helpButton()},
                    {"velisar", windowIcon()}};
    for (const auto& picture : pictures) {
        const QString path = folder + u'/' + QLatin1String(picture.name) + QStringLiteral(".png");
        if (!picture.image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
