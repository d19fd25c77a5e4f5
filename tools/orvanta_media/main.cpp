// Draws the pictures of Orvanta's start screen and about box and makes its
// greeting chime, in the colours of the program's other pictures (teal,
// gold, cream). What it writes is kept in the repository; run it again after
// changing a drawing or the chime:
//   cmake --build build --target orvanta_media
//   build/tools/orvanta_media/orvanta_media orvanta/shell/pictures orvanta/shell/data
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

const QColor kTeal(0x1f, 0x5f, 0x5b);
const QColor kDarkTeal(0x16, 0x47, 0x44);
const QColor kGold(0xc2, 0x9b, 0x45);
const QColor kLightGold(0xe9, 0xd3, 0x9a);
const QColor kCream(0xf2, 0xea, 0xd6);
const QColor kPaper(0xfd, 0xfa, 0xf0);

QImage newImage(int width, int height, const QColor& fill = Qt::transparent) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

// An eight-pointed star: two squares, one turned by 45 degrees.
QPainterPath octagram(const QPointF& centre, double radius) {
    QPainterPath star;
    for (int square = 0; square < 2; ++square) {
        QPolygonF corners;
        for (int k = 0; k < 4; ++k) {
            const double angle = std::numbers::pi / 4 * square + std::numbers::pi / 2 * k;
            corners << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        }
        corners << corners.first();
        star.addPolygon(corners);
    }
    star.setFillRule(Qt::WindingFill);
    return star.simplified();
}

// An open book seen from the front: two pages curving down from the spine,
// with lines of text on them.
void drawBook(QPainter& p, const QPointF& spineTop, double halfWidth, double height,
              double lineWidth) {
    const double top = spineTop.y();
    const double bottom = top + height;
    const double x = spineTop.x();
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(x, top + height * 0.07);
        page.cubicTo(x + side * halfWidth * 0.33, top - height * 0.07, x + side * halfWidth * 0.67,
                     top - height * 0.06, x + side * halfWidth, top + height * 0.02);
        page.lineTo(x + side * halfWidth, bottom - height * 0.06);
        page.cubicTo(x + side * halfWidth * 0.67, bottom - height * 0.13,
                     x + side * halfWidth * 0.33, bottom - height * 0.15, x, bottom);
        page.closeSubpath();
        p.setPen(QPen(kGold, lineWidth));
        p.setBrush(kPaper);
        p.drawPath(page);
        p.setPen(QPen(QColor(0x6f, 0x8f, 0x72), lineWidth * 1.2, Qt::SolidLine, Qt::RoundCap));
        for (int line = 0; line < 5; ++line) {
            const double y = top + height * (0.22 + line * 0.15);
            p.drawLine(QPointF(x + side * halfWidth * 0.17, y + height * 0.02),
                       QPointF(x + side * halfWidth * 0.85, y - height * 0.03));
        }
    }
}

// A teal disc with a gold star and an open book on it.
void drawMedallion(QPainter& p, const QPointF& centre, double radius) {
    QRadialGradient disc(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
    disc.setColorAt(0, QColor(0x2b, 0x78, 0x72));
    disc.setColorAt(1, kDarkTeal);
    p.setPen(QPen(kGold, radius * 0.045));
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(kLightGold, radius * 0.015));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.9, radius * 0.9);
    p.setPen(QPen(kGold, radius * 0.03));
    p.setBrush(QColor(0xc2, 0x9b, 0x45, 60));
    p.drawPath(octagram(centre, radius * 0.78));
    drawBook(p, centre - QPointF(0, radius * 0.33), radius * 0.5, radius * 0.62, radius * 0.025);
}

// A faint lattice of small stars over a cream ground.
void drawLattice(QPainter& p, const QRectF& area, double step, const QColor& ink) {
    p.save();
    p.setClipRect(area);
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::NoBrush);
    for (double y = area.top(); y < area.bottom() + step; y += step) {
        for (double x = area.left(); x < area.right() + step; x += step)
            p.drawPath(octagram(QPointF(x, y), step * 0.28));
    }
    p.restore();
}

void drawText(QPainter& p, const QRectF& area, const QString& text, const QString& family,
              int pixels, bool bold, const QColor& ink) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(area, Qt::AlignCenter, text);
}

// A gold rule with a small star in its middle.
void drawDivider(QPainter& p, const QPointF& centre, double halfWidth) {
    QLinearGradient fade(centre - QPointF(halfWidth, 0), centre + QPointF(halfWidth, 0));
    fade.setColorAt(0, QColor(0xc2, 0x9b, 0x45, 0));
    fade.setColorAt(0.5, kGold);
    fade.setColorAt(1, QColor(0xc2, 0x9b, 0x45, 0));
    p.setPen(QPen(QBrush(fade), 1.5));
    p.drawLine(centre - QPointF(halfWidth, 0), centre + QPointF(halfWidth, 0));
    p.setPen(QPen(kGold, 1));
    p.setBrush(kLightGold);
    p.drawPath(octagram(centre, 6));
}

// The start screen's picture, 531 x 243. Its lower left corner is left
// quiet: the three buttons stand there, and the panel cuts off its last rows.
QImage startArtwork() {
    QImage image = newImage(531, 243, kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(image.rect()).adjusted(3, 3, -3, -16);

    QLinearGradient ground(frame.topLeft(), frame.bottomLeft());
    ground.setColorAt(0, kPaper);
    ground.setColorAt(1, kCream);
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(frame, 10, 10);
    drawLattice(p, frame, 34, QColor(0xe0, 0xd2, 0xaf, 110));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTeal, 2.5));
    p.drawRoundedRect(frame, 10, 10);
    p.setPen(QPen(kGold, 1));
    p.drawRoundedRect(frame.adjusted(5, 5, -5, -5), 7, 7);

    drawMedallion(p, QPointF(428, 110), 78);

    const QRectF words(24, 16, 310, 190);
    drawText(p, QRectF(words.left(), 20, words.width(), 42),
             QStringLiteral("بسم الله الرحمن الرحيم"), QStringLiteral("Amiri"), 27, false, kTeal);
    drawDivider(p, QPointF(words.center().x(), 72), 110);
    drawText(p, QRectF(words.left(), 78, words.width(), 56), QStringLiteral("المصحف الشريف"),
             QStringLiteral("Amiri"), 40, true, kDarkTeal);
    drawText(p, QRectF(words.left(), 136, words.width(), 26),
             QStringLiteral("قراءة صفحات المصحف والبحث في كلماته"),
             QStringLiteral("Noto Sans Arabic"), 14, false, kTeal);

    // The shelf the buttons stand on.
    const QRectF shelf(8, 186, 172, 36);
    QLinearGradient band(shelf.topLeft(), shelf.bottomLeft());
    band.setColorAt(0, QColor(0x1f, 0x5f, 0x5b, 40));
    band.setColorAt(1, QColor(0x1f, 0x5f, 0x5b, 15));
    p.setPen(QPen(QColor(0xc2, 0x9b, 0x45, 160), 1));
    p.setBrush(band);
    p.drawRoundedRect(shelf, 6, 6);
    return image;
}

// The about box's upper picture, 200 x 80, on white.
QImage aboutEmblem() {
    QImage image = newImage(200, 80, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawMedallion(p, QPointF(160, 40), 34);
    drawText(p, QRectF(2, 8, 122, 40), QStringLiteral("المصحف الشريف"), QStringLiteral("Amiri"), 19,
             true, kDarkTeal);
    drawDivider(p, QPointF(63, 50), 50);
    drawText(p, QRectF(4, 54, 118, 20), QStringLiteral("الإصدار الأول"),
             QStringLiteral("Noto Sans Arabic"), 11, false, kTeal);
    return image;
}

// The about box's tall picture along its left edge, 73 x 156: a teal band
// with gold stars.
QImage aboutBand() {
    QImage image = newImage(73, 156, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF band(10, 0, 53, 156);
    QLinearGradient teal(band.topLeft(), band.topRight());
    teal.setColorAt(0, kDarkTeal);
    teal.setColorAt(0.5, QColor(0x2b, 0x78, 0x72));
    teal.setColorAt(1, kDarkTeal);
    p.setPen(Qt::NoPen);
    p.setBrush(teal);
    p.drawRect(band);
    p.setPen(QPen(kGold, 2));
    p.drawLine(band.topLeft() + QPointF(3, 0), band.bottomLeft() + QPointF(3, 0));
    p.drawLine(band.topRight() - QPointF(3, 0), band.bottomRight() - QPointF(3, 0));
    for (int k = 0; k < 4; ++k) {
        const QPointF centre(band.center().x(), 22 + k * 37.5);
        p.setPen(QPen(kGold, 1.5));
        p.setBrush(QColor(0xc2, 0x9b, 0x45, 90));
        p.drawPath(octagram(centre, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(kLightGold);
        p.drawEllipse(centre, 3, 3);
    }
    return image;
}

// The browse button's icon, 12 x 13: an open book.
QImage browseIcon() {
    QImage image = newImage(12, 13);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(6, 3.5);
        page.cubicTo(6 + side * 2, 2.5, 6 + side * 4, 2.5, 6 + side * 5.5, 3);
        page.lineTo(6 + side * 5.5, 11);
        page.cubicTo(6 + side * 4, 10.5, 6 + side * 2, 10.5, 6, 11.5);
        page.closeSubpath();
        p.setPen(QPen(kTeal, 1.2));
        p.setBrush(QColor(0xfd, 0xfa, 0xf0));
        p.drawPath(page);
    }
    p.setPen(QPen(kDarkTeal, 1));
    p.drawLine(QPointF(6, 3.5), QPointF(6, 11.5));
    return image;
}

// The greeting: a soft two-note chime, 1.6 s, mono 16-bit PCM at 22050 Hz,
// quiet (its loudest sample about a fifth of full scale).
QByteArray chime() {
    constexpr int rate = 22050;
    constexpr double seconds = 1.6;
    const int count = int(rate * seconds);
    struct Note {
        double start;
        double frequency;
        double gain;
    };
    const Note notes[] = {{0.0, 659.26, 1.0}, {0.28, 987.77, 0.8}}; // E5, then B5
    QByteArray samples(count * 2, Qt::Uninitialized);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        double value = 0;
        for (const Note& note : notes) {
            const double local = t - note.start;
            if (local < 0)
                continue;
            const double attack = std::min(1.0, local / 0.012);
            const double decay = std::exp(-local * 3.2);
            const double w = 2 * std::numbers::pi * note.frequency * local;
            // A bell's partials: the fundamental, a soft octave and a faint
            // higher one that dies away sooner.
            value += note.gain * attack * decay *
                     (std::sin(w) + 0.35 * std::sin(2 * w) * std::exp(-local * 3) +
                      0.12 * std::sin(3.01 * w) * std::exp(-local * 6));
        }
        // The last tenth of a second fades to silence.
        const double tail = std::min(1.0, (seconds - t) / 0.1);
        const auto sample = qint16(std::lround(value * tail * 5200));
        qToLittleEndian(sample, samples.data() + 2 * i);
    }

    QByteArray wav;
    auto put32 = [&wav](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    auto put16 = [&wav](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    wav.append("RIFF");
    put32(36 + samples.size());
    wav.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    wav.append("data");
    put32(samples.size());
    wav.append(samples);
    return wav;
}

bool save(const QImage& image, const QString& path) {
    if (image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: orvanta_media <pictures folder> <data folder>\n");
        return 2;
    }
    const QString pictures = QString::fromLocal8Bit(argv[1]) + u'/';
    const QString data = QString::fromLocal8Bit(argv[2]) + u'/';
    if (!save(startArtwork(), pictures + QStringLiteral("start-artwork.png")) ||
        !save(aboutEmblem(), pictures + QStringLiteral("about-emblem.png")) ||
        !save(aboutBand(), pictures + QStringLiteral("about-band.png")) ||
        !save(browseIcon(), pictures + QStringLiteral("icon-browse.png")))
        return 1;
    QFile wav(data + QStringLiteral("besm.WAV"));
    if (!wav.open(QIODevice::WriteOnly) || wav.write(chime()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(wav.fileName()));
        return 1;
    }
    return 0;
}
