// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers

// Paints the game's pictures with QPainter: the hand cursor, the backgrounds,
// the "well done" picture, the mental-arithmetic picture, the funny faces and
// the frames of both animations.
// Usage: pintor <assets dir> <frames dir>. The frames (PNG) are joined into
// GIFs by dibujos.py, since Qt has no GIF writer.

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
const QColor kInk(0x2a, 0x26, 0x3a);       // outline colour of every cartoon
const QColor kMatte(0xa9, 0xcc, 0xf1);     // main background tone, for GIF edges
const QString kFont = QStringLiteral("Andika");

// Small deterministic generator, so every run paints the same pictures.
class Dice {
public:
    explicit Dice(uint64_t seed) : state_(seed) {}
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) * (1.0 / 9007199254740992.0);
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }
    int pick(int n) { return int(next() * n) % n; }

private:
    uint64_t state_;
};

const std::vector<QColor> &partyColours()
{
    static const std::vector<QColor> colours{
        QColor(0xff, 0x4d, 0x6d), QColor(0xff, 0x9f, 0x1c), QColor(0xff, 0xd9, 0x3b),
        QColor(0x3d, 0xc4, 0x5a), QColor(0x2e, 0x9c, 0xff), QColor(0x9b, 0x5d, 0xe5),
        QColor(0xff, 0x6e, 0xc7), QColor(0x1f, 0xd1, 0xc1)};
    return colours;
}

QImage canvas(int w, int h, QColor fill = Qt::transparent)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void smooth(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPen inkPen(double width, QColor c = kInk)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath starPath(QPointF c, double rOut, double rIn, double rotDeg, int points = 5)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? rOut : rIn;
        const double a = (rotDeg - 90.0 + i * 180.0 / points) * kPi / 180.0;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void drawStar(QPainter &p, QPointF c, double r, double rotDeg, QColor fill, double pen)
{
    p.setPen(pen > 0 ? inkPen(pen) : Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(starPath(c, r, r * 0.48, rotDeg));
    // A little shine on the upper-left arm.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(c.x() - r * 0.2, c.y() - r * 0.22), r * 0.14, r * 0.1);
}

void drawSparkle(QPainter &p, QPointF c, double r, QColor colour, double pen = 0)
{
    p.setPen(pen > 0 ? inkPen(pen) : Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(starPath(c, r, r * 0.22, 0, 4));
}

void drawConfettiPiece(QPainter &p, QPointF c, double size, double angle, QColor colour, int kind)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (kind == 0) {
        p.drawRoundedRect(QRectF(-size, -size * 0.45, size * 2, size * 0.9), 1, 1);
    } else if (kind == 1) {
        p.drawEllipse(QPointF(0, 0), size * 0.7, size * 0.7);
    } else {
        // A curly streamer.
        QPainterPath s;
        s.moveTo(-size * 1.4, 0);
        s.cubicTo(-size * 0.7, -size, 0, size, size * 0.7, 0);
        s.cubicTo(size, -size * 0.5, size * 1.3, -size * 0.4, size * 1.5, 0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, size * 0.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s);
    }
    p.restore();
}

// Blends half-covered pixels onto the background tone and makes the rest
// fully opaque or fully clear, as a GIF can only say "on" or "off".
QImage hardenAlpha(const QImage &src)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = line[x];
            const int a = qAlpha(px);
            if (a < 100) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const auto mix = [a](int c, int m) { return (c * a + m * (255 - a)) / 255; };
            line[x] = qRgba(mix(qRed(px), kMatte.red()), mix(qGreen(px), kMatte.green()),
                            mix(qBlue(px), kMatte.blue()), 255);
        }
    }
    return img;
}

bool saveBmp(const QImage &img, const QString &path)
{
    // RGB32 makes Qt write a plain 24-bit bitmap.
    const bool ok = img.convertToFormat(QImage::Format_RGB32).save(path, "BMP");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

bool savePng(const QImage &img, const QString &path)
{
    const bool ok = img.save(path, "PNG");
    if (!ok)
        std::printf("FAILED %s\n", qPrintable(path));
    return ok;
}

// ---------------------------------------------------------------- cursor

QImage paintCursor()
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    smooth(p);

    // Index finger up, three folded fingers, thumb to the left, a cuff below.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10.5, 0.5, 6, 19), 3, 3);             // index
    hand.addRoundedRect(QRectF(16.0, 10.5, 5, 10), 2.5, 2.5);        // middle
    hand.addRoundedRect(QRectF(20.5, 12.0, 4.8, 9), 2.4, 2.4);       // ring
    hand.addRoundedRect(QRectF(24.8, 14.0, 4.2, 8), 2.1, 2.1);       // little
    hand.addRoundedRect(QRectF(10.5, 15.5, 18.5, 10.5), 3.5, 3.5);   // palm
    {
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(-3.0, -2.6, 12.0, 5.2), 2.6, 2.6);
        hand.addPath(QTransform().translate(8.5, 19.5).rotate(38).map(thumb));
    }
    hand.setFillRule(Qt::WindingFill);
    hand = hand.simplified();

    QPainterPath cuff;
    cuff.addRoundedRect(QRectF(12.5, 25.5, 14.5, 6), 1.2, 1.2);

    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hand);
    p.drawPath(cuff);

    // Creases between the folded fingers and along the thumb.
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16.5, 15.5), QPointF(16.5, 18.5));
    p.drawLine(QPointF(20.5, 15.5), QPointF(20.5, 19.5));
    p.drawLine(QPointF(24.5, 17.5), QPointF(24.5, 20.5));
    p.drawLine(QPointF(11.0, 21.0), QPointF(13.5, 23.0));
    p.end();
    return img;
}

// ---------------------------------------------------------------- backgrounds

QImage paintMainBackground()
{
    const int size = 256;
    QImage img = canvas(size, size, kMatte);
    QPainter p(&img);
    smooth(p);

    // A jittered grid of digits and plus signs, alternately a shade lighter
    // and a shade darker than the ground; drawn with wrap-around so the
    // picture tiles without seams.
    Dice dice(2026);
    const int cells = 6;
    const double cell = double(size) / cells;
    const QColor lighter(0xc2, 0xdc, 0xf7), darker(0x9b, 0xc1, 0xea);
    struct Mark {
        QPointF at;
        int glyph; // 0-9 a digit, 10 a plus sign
        double angle;
        double px;
        QColor colour;
    };
    std::vector<Mark> marks;
    int digit = 0;
    for (int cy = 0; cy < cells; ++cy) {
        for (int cx = 0; cx < cells; ++cx) {
            const bool plus = (cx + 2 * cy) % 3 == 0;
            const int glyph = plus ? 10 : (digit++ * 7) % 10;
            marks.push_back({QPointF((cx + 0.5 + (cy % 2) * 0.5 + dice.range(-0.18, 0.18)) * cell,
                                     (cy + 0.5 + dice.range(-0.15, 0.15)) * cell),
                             glyph, dice.range(-20, 20), plus ? dice.range(15, 19) : dice.range(22, 29),
                             ((cx + cy) % 2 == 0) ? lighter : darker});
        }
    }
    std::vector<std::pair<QPointF, double>> dots;
    for (int i = 0; i < 18; ++i)
        dots.push_back({QPointF(dice.range(0, size), dice.range(0, size)), dice.range(1.5, 2.8)});

    QFont font(kFont);
    font.setBold(true);
    for (int oy = -size; oy <= size; oy += size) {
        for (int ox = -size; ox <= size; ox += size) {
            p.setPen(Qt::NoPen);
            p.setBrush(lighter);
            for (const auto &[c, r] : dots)
                p.drawEllipse(c + QPointF(ox, oy), r, r);
            for (const Mark &m : marks) {
                p.save();
                p.translate(m.at + QPointF(ox, oy));
                p.rotate(m.angle);
                p.setBrush(m.colour);
                if (m.glyph == 10) {
                    const double arm = m.px / 2, thick = m.px * 0.16;
                    p.drawRoundedRect(QRectF(-arm, -thick, 2 * arm, 2 * thick), thick, thick);
                    p.drawRoundedRect(QRectF(-thick, -arm, 2 * thick, 2 * arm), thick, thick);
                } else {
                    font.setPixelSize(int(m.px));
                    QPainterPath text;
                    text.addText(0, 0, font, QString::number(m.glyph));
                    p.translate(-text.boundingRect().center());
                    p.drawPath(text);
                }
                p.restore();
            }
        }
    }
    p.end();
    return img;
}

QImage paintPaper()
{
    const int w = 281, h = 236;
    QImage img = canvas(w, h, QColor(0xff, 0xfd, 0xf4));
    QPainter p(&img);

    // Squared paper: faint blue lines every 12 px, a stronger one every 5 squares.
    const int step = 12;
    for (int x = 6; x < w; x += step) {
        const bool major = ((x - 6) / step) % 5 == 0;
        p.setPen(QPen(major ? QColor(0xc4, 0xdc, 0xf2) : QColor(0xdd, 0xea, 0xf7), 1));
        p.drawLine(x, 0, x, h);
    }
    for (int y = 8; y < h; y += step) {
        const bool major = ((y - 8) / step) % 5 == 0;
        p.setPen(QPen(major ? QColor(0xc4, 0xdc, 0xf2) : QColor(0xdd, 0xea, 0xf7), 1));
        p.drawLine(0, y, w, y);
    }
    // A pink margin like a school notebook.
    p.setPen(QPen(QColor(0xf6, 0xc6, 0xcf), 2));
    p.drawLine(22, 0, 22, h);

    smooth(p);
    // A few pastel doodles in the corners. The windows stretch the paper and
    // set their digits from its middle to its right edge, the top row near
    // the top: the stars sit by the margin, left of every column.
    drawStar(p, QPointF(42, 20), 10, 12, QColor(0xff, 0xe8, 0x99), 1.2);
    drawStar(p, QPointF(62, 35), 6, -10, QColor(0xff, 0xcf, 0xe3), 1.0);
    drawSparkle(p, QPointF(w - 16, h - 18), 7, QColor(0xbf, 0xe3, 0xff));
    drawSparkle(p, QPointF(w - 32, h - 10), 4, QColor(0xd7, 0xf2, 0xc2));
    p.end();
    return img;
}

// ---------------------------------------------------------------- "well done" picture

QImage paintTrophy()
{
    const int w = 305, h = 281;
    QImage img = canvas(w, h, QColor(0xff, 0xd8, 0x5a));
    QPainter p(&img);
    smooth(p);
    const QPointF centre(w / 2.0, 118);

    // Sunburst.
    const int rays = 22;
    for (int i = 0; i < rays; ++i) {
        const double a0 = (i * 360.0 / rays) * kPi / 180.0;
        const double a1 = ((i + 0.5) * 360.0 / rays) * kPi / 180.0;
        QPainterPath wedge;
        wedge.moveTo(centre);
        wedge.lineTo(centre + QPointF(400 * std::cos(a0), 400 * std::sin(a0)));
        wedge.lineTo(centre + QPointF(400 * std::cos(a1), 400 * std::sin(a1)));
        wedge.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xe9, 0x8c));
        p.drawPath(wedge);
    }
    QRadialGradient glow(centre, 150);
    glow.setColorAt(0.0, QColor(255, 255, 240, 230));
    glow.setColorAt(0.45, QColor(255, 250, 220, 90));
    glow.setColorAt(1.0, QColor(255, 180, 60, 60));
    p.setBrush(glow);
    p.drawRect(img.rect());

    // Confetti everywhere.
    Dice dice(77);
    const auto &colours = partyColours();
    for (int i = 0; i < 70; ++i) {
        const QPointF at(dice.range(4, w - 4), dice.range(4, h - 4));
        drawConfettiPiece(p, at, dice.range(3.0, 5.5), dice.range(0, 180),
                          colours[size_t(dice.pick(int(colours.size())))], dice.pick(3));
    }

    // Trophy: plinth, base, stem, handles, cup.
    const double cx = w / 2.0;
    QLinearGradient gold(cx - 65, 0, cx + 65, 0);
    gold.setColorAt(0.0, QColor(0xe8, 0x9a, 0x00));
    gold.setColorAt(0.35, QColor(0xff, 0xe5, 0x6b));
    gold.setColorAt(0.55, QColor(0xff, 0xc9, 0x1f));
    gold.setColorAt(1.0, QColor(0xd9, 0x84, 0x00));

    p.setPen(inkPen(3));
    p.setBrush(QColor(0x9c, 0x4f, 0x2e));
    p.drawRoundedRect(QRectF(cx - 58, 226, 116, 40), 6, 6);
    p.setBrush(QColor(0xff, 0xe3, 0x7a));
    p.setPen(inkPen(2));
    p.drawRoundedRect(QRectF(cx - 34, 236, 68, 20), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0x84, 0x00));
    for (int i = 0; i < 3; ++i)
        p.drawPath(starPath(QPointF(cx - 18 + i * 18, 246), 6, 2.8, 0));

    p.setPen(inkPen(3));
    p.setBrush(gold);
    QPainterPath base;
    base.moveTo(cx - 44, 226);
    base.lineTo(cx - 34, 206);
    base.lineTo(cx + 34, 206);
    base.lineTo(cx + 44, 226);
    base.closeSubpath();
    p.drawPath(base);
    QPainterPath stem;
    stem.moveTo(cx - 12, 168);
    stem.cubicTo(cx - 10, 185, cx - 18, 196, cx - 22, 206);
    stem.lineTo(cx + 22, 206);
    stem.cubicTo(cx + 18, 196, cx + 10, 185, cx + 12, 168);
    stem.closeSubpath();
    p.drawPath(stem);

    // Handles: thick gold loops outlined in ink.
    for (int side : {-1, 1}) {
        QPainterPath loop;
        loop.moveTo(cx + side * 58, 92);
        loop.cubicTo(cx + side * 104, 86, cx + side * 102, 148, cx + side * 40, 152);
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(15));
        p.drawPath(loop);
        p.setPen(QPen(QColor(0xff, 0xcf, 0x33), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(loop);
    }

    QPainterPath cup;
    cup.moveTo(cx - 70, 80);
    cup.lineTo(cx + 70, 80);
    cup.cubicTo(cx + 70, 135, cx + 48, 166, cx, 172);
    cup.cubicTo(cx - 48, 166, cx - 70, 135, cx - 70, 80);
    cup.closeSubpath();
    p.setPen(inkPen(3));
    p.setBrush(gold);
    p.drawPath(cup);
    // Rim and shine.
    p.setBrush(QColor(0xff, 0xee, 0x9e));
    p.drawRoundedRect(QRectF(cx - 76, 72, 152, 14), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 140));
    QPainterPath shine;
    shine.moveTo(cx - 56, 92);
    shine.cubicTo(cx - 56, 125, cx - 44, 146, cx - 28, 156);
    shine.cubicTo(cx - 40, 140, cx - 46, 120, cx - 44, 92);
    shine.closeSubpath();
    p.drawPath(shine);

    // The cup is happy: eyes, cheeks and a big smile.
    for (int side : {-1, 1}) {
        const QPointF eye(cx + side * 22, 108);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(eye, 7, 9.5);
        p.setBrush(Qt::white);
        p.drawEllipse(eye + QPointF(-2, -3.5), 2.6, 3);
        p.setBrush(QColor(255, 110, 110, 150));
        p.drawEllipse(QPointF(cx + side * 40, 126), 9, 6);
    }
    QPainterPath smile;
    smile.moveTo(cx - 24, 124);
    smile.cubicTo(cx - 18, 150, cx + 18, 150, cx + 24, 124);
    smile.closeSubpath();
    p.setPen(inkPen(2.5));
    p.setBrush(QColor(0x8a, 0x1f, 0x2c));
    p.drawPath(smile);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x7a, 0x8a));
    p.drawEllipse(QPointF(cx, 140), 10, 5);

    // The big star above the cup, with a few sparkles around it.
    drawStar(p, QPointF(cx, 40), 34, 0, QColor(0xff, 0x4d, 0x6d), 3);
    drawSparkle(p, QPointF(cx - 62, 34), 10, Qt::white);
    drawSparkle(p, QPointF(cx + 60, 26), 13, Qt::white);
    drawSparkle(p, QPointF(cx + 96, 176), 9, Qt::white);
    drawSparkle(p, QPointF(cx - 100, 190), 11, Qt::white);
    drawSparkle(p, QPointF(cx - 84, 66), 6, Qt::white);
    p.end();
    return img;
}

// ---------------------------------------------------------------- faces

constexpr int kFace = 120;


void faceDisc(QPainter &p, QPointF c, double r, QColor skin)
{
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    g.setColorAt(0.0, skin.lighter(118));
    g.setColorAt(1.0, skin.darker(108));
    p.setPen(inkPen(3));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void openEye(QPainter &p, QPointF c, double rx, double ry, QPointF look, double pupil)
{
    p.setPen(inkPen(2.2));
    p.setBrush(Qt::white);
    p.drawEllipse(c, rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const QPointF pc = c + QPointF(look.x() * (rx - pupil), look.y() * (ry - pupil));
    p.drawEllipse(pc, pupil, pupil);
    p.setBrush(Qt::white);
    p.drawEllipse(pc + QPointF(-pupil * 0.35, -pupil * 0.4), pupil * 0.35, pupil * 0.35);
}

void arcLine(QPainter &p, QPointF a, QPointF ctrl, QPointF b, double width)
{
    QPainterPath path(a);
    path.quadTo(ctrl, b);
    p.setPen(inkPen(width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void cheeks(QPainter &p, QPointF c, double dx, double dy, double r, int alpha = 140)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 105, 120, alpha));
    p.drawEllipse(c + QPointF(-dx, dy), r, r * 0.7);
    p.drawEllipse(c + QPointF(dx, dy), r, r * 0.7);
}

QPainterPath grinPath(QPointF c, double halfW, double depth, double lift = 0)
{
    QPainterPath m;
    m.moveTo(c + QPointF(-halfW, -lift));
    m.cubicTo(c + QPointF(-halfW * 0.7, depth * 1.3), c + QPointF(halfW * 0.7, depth * 1.3),
              c + QPointF(halfW, -lift));
    m.quadTo(c + QPointF(0, depth * 0.12), c + QPointF(-halfW, -lift));
    m.closeSubpath();
    return m;
}

void mouthFill(QPainter &p, const QPainterPath &m)
{
    p.setPen(inkPen(2.5));
    p.setBrush(QColor(0x7a, 0x1a, 0x2a));
    p.drawPath(m);
}

void startFace(QColor background, QPainter &p, QImage &img)
{
    img = canvas(kFace, kFace, background);
    p.begin(&img);
    smooth(p);
    // Soft polka dots in a lighter shade of the background.
    p.setPen(Qt::NoPen);
    p.setBrush(background.lighter(112));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            p.drawEllipse(QPointF(x * 30 + (y % 2) * 15 + 7, y * 30 + 8), 4, 4);
}

const QPointF kC(60, 62);

void faceTongue(QPainter &p)
{
    faceDisc(p, kC, 46, QColor(0xff, 0xd9, 0x3b));
    // Squeezed ">" "<" eyes.
    p.setPen(inkPen(3.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(33, 43), QPointF(47, 50), QPointF(33, 57)}));
    p.drawPolyline(QPolygonF({QPointF(87, 43), QPointF(73, 50), QPointF(87, 57)}));
    cheeks(p, kC, 30, 8, 8);
    const QPainterPath m = grinPath(QPointF(60, 72), 26, 16);
    mouthFill(p, m);
    // Tongue hanging out over the lower lip.
    QPainterPath tongue;
    tongue.moveTo(48, 80);
    tongue.cubicTo(46, 102, 74, 104, 72, 80);
    tongue.closeSubpath();
    p.setPen(inkPen(2.5));
    p.setBrush(QColor(0xff, 0x6f, 0x91));
    p.drawPath(tongue);
    p.setPen(QPen(QColor(0xd9, 0x3f, 0x66), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(60, 84), QPointF(60, 94));
}

void faceCrossEyed(QPainter &p)
{
    faceDisc(p, kC, 46, QColor(0xff, 0xc9, 0x4d));
    openEye(p, QPointF(42, 50), 13, 14, QPointF(0.85, 0.2), 5.5);
    openEye(p, QPointF(78, 50), 13, 14, QPointF(-0.85, -0.1), 5.5);
    // Eyebrows at odd angles.
    arcLine(p, QPointF(30, 31), QPointF(40, 26), QPointF(52, 31), 3);
    arcLine(p, QPointF(68, 33), QPointF(80, 30), QPointF(91, 27), 3);
    // Wobbly mouth with one tooth.
    QPainterPath wave(QPointF(38, 84));
    wave.cubicTo(QPointF(45, 78), QPointF(50, 90), QPointF(57, 84));
    wave.cubicTo(QPointF(64, 78), QPointF(69, 90), QPointF(76, 84));
    wave.quadTo(QPointF(80, 80), QPointF(84, 82));
    p.setPen(inkPen(3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
    p.setPen(inkPen(2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(59.5, 83, 7, 7));
    cheeks(p, kC, 32, 12, 7, 110);
}

void faceBigGrin(QPainter &p)
{
    faceDisc(p, kC, 46, QColor(0xff, 0xe4, 0x5c));
    openEye(p, QPointF(44, 46), 9, 12, QPointF(0.1, -0.3), 5);
    openEye(p, QPointF(76, 46), 9, 12, QPointF(0.1, -0.3), 5);
    arcLine(p, QPointF(34, 30), QPointF(44, 22), QPointF(53, 29), 3);
    arcLine(p, QPointF(67, 29), QPointF(76, 22), QPointF(86, 30), 3);
    // Huge grin from cheek to cheek with a row of teeth.
    QPainterPath m;
    m.moveTo(24, 64);
    m.cubicTo(30, 106, 90, 106, 96, 64);
    m.quadTo(60, 74, 24, 64);
    m.closeSubpath();
    mouthFill(p, m);
    p.save();
    p.setClipPath(m);
    p.setPen(inkPen(1.6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(20, 60, 80, 17));
    for (int x = 32; x < 96; x += 10)
        p.drawLine(QPointF(x, 66), QPointF(x, 77));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x6f, 0x91));
    p.drawEllipse(QPointF(60, 96), 18, 9);
    p.restore();
    p.setPen(inkPen(2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(m);
    cheeks(p, kC, 36, 2, 7, 120);
}

void faceWink(QPainter &p)
{
    // Hair tuft first, so the face covers its root.
    QPainterPath tuft;
    tuft.moveTo(52, 20);
    tuft.cubicTo(44, 4, 58, 2, 60, 12);
    tuft.cubicTo(62, 0, 78, 6, 68, 20);
    p.setPen(inkPen(2.5));
    p.setBrush(QColor(0xa0, 0x5a, 0x2c));
    p.drawPath(tuft);
    faceDisc(p, kC, 46, QColor(0xff, 0xcf, 0xa3));
    openEye(p, QPointF(44, 50), 10, 12, QPointF(0.1, 0), 5.5);
    arcLine(p, QPointF(68, 52), QPointF(77, 42), QPointF(87, 52), 3.2);    // winking eye
    arcLine(p, QPointF(66, 36), QPointF(77, 31), QPointF(88, 36), 2.6);
    arcLine(p, QPointF(34, 34), QPointF(44, 28), QPointF(54, 33), 2.6);
    cheeks(p, kC, 30, 12, 8);
    // Crooked smile with the tongue peeping out of a corner.
    QPainterPath m;
    m.moveTo(40, 76);
    m.cubicTo(50, 94, 74, 92, 84, 72);
    m.quadTo(62, 84, 40, 76);
    m.closeSubpath();
    mouthFill(p, m);
    p.setPen(inkPen(2));
    p.setBrush(QColor(0xff, 0x6f, 0x91));
    p.drawEllipse(QPointF(78, 84), 6, 5);
    drawSparkle(p, QPointF(22, 34), 8, Qt::white);
}

void faceGlasses(QPainter &p)
{
    faceDisc(p, kC, 46, QColor(0xff, 0xd9, 0x3b));
    // Enormous round glasses with magnified eyes.
    openEye(p, QPointF(41, 50), 12, 12, QPointF(0.2, 0.2), 7);
    openEye(p, QPointF(79, 50), 12, 12, QPointF(-0.2, 0.2), 7);
    p.setBrush(Qt::NoBrush);
    for (double x : {41.0, 79.0}) {
        p.setPen(inkPen(7));
        p.drawEllipse(QPointF(x, 50), 17, 17);
        p.setPen(QPen(QColor(0xff, 0x3d, 0x5a), 4.5));
        p.drawEllipse(QPointF(x, 50), 17, 17);
    }
    p.setPen(inkPen(3));
    p.drawLine(QPointF(55, 47), QPointF(65, 47));
    p.drawLine(QPointF(24, 46), QPointF(15, 42));
    p.drawLine(QPointF(96, 46), QPointF(105, 42));
    // Smile with two big front teeth.
    QPainterPath m;
    m.moveTo(40, 78);
    m.cubicTo(46, 92, 74, 92, 80, 78);
    m.quadTo(60, 82, 40, 78);
    mouthFill(p, m);
    p.setPen(inkPen(2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(52, 80, 8, 11), 2, 2);
    p.drawRoundedRect(QRectF(60, 80, 8, 11), 2, 2);
}

void facePuffed(QPainter &p)
{
    // Cheeks bulge out beyond the round face.
    QPainterPath head;
    head.addEllipse(kC, 44, 44);
    head.addEllipse(QPointF(28, 74), 24, 22);
    head.addEllipse(QPointF(92, 74), 24, 22);
    head.setFillRule(Qt::WindingFill);
    head = head.simplified();
    QRadialGradient g(QPointF(44, 40), 80);
    g.setColorAt(0.0, QColor(0xff, 0xb8, 0xa0));
    g.setColorAt(1.0, QColor(0xf4, 0x8a, 0x78));
    p.setPen(inkPen(3));
    p.setBrush(g);
    p.drawPath(head);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 80, 100, 120));
    p.drawEllipse(QPointF(26, 76), 14, 11);
    p.drawEllipse(QPointF(94, 76), 14, 11);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(20, 70), 4, 3);
    p.drawEllipse(QPointF(88, 70), 4, 3);
    // Eyes rolled up, small puckered mouth.
    openEye(p, QPointF(46, 44), 9, 11, QPointF(0, -0.8), 4.5);
    openEye(p, QPointF(74, 44), 9, 11, QPointF(0, -0.8), 4.5);
    p.setPen(inkPen(3));
    p.setBrush(QColor(0xe0, 0x40, 0x60));
    p.drawEllipse(QPointF(60, 80), 6, 5);
    p.setPen(inkPen(1.6));
    p.drawLine(QPointF(57, 80), QPointF(63, 80));
}

void faceSurprised(QPainter &p)
{
    // Hair standing on end.
    p.setPen(inkPen(2.5));
    p.setBrush(QColor(0x5b, 0x3a, 0x29));
    for (int i = -2; i <= 2; ++i) {
        QPainterPath spike;
        const double x = 60 + i * 12;
        spike.moveTo(x - 7, 22);
        spike.lineTo(x + i * 3, 3 + std::abs(i) * 3);
        spike.lineTo(x + 7, 22);
        spike.closeSubpath();
        p.drawPath(spike);
    }
    faceDisc(p, kC, 46, QColor(0xff, 0xcb, 0xa4));
    arcLine(p, QPointF(30, 28), QPointF(41, 18), QPointF(53, 25), 3);
    arcLine(p, QPointF(67, 25), QPointF(79, 18), QPointF(90, 28), 3);
    openEye(p, QPointF(43, 46), 12, 14, QPointF(0, 0), 3.5);
    openEye(p, QPointF(77, 46), 12, 14, QPointF(0, 0), 3.5);
    // Round "oh!" mouth.
    p.setPen(inkPen(3));
    p.setBrush(QColor(0x7a, 0x1a, 0x2a));
    p.drawEllipse(QPointF(60, 84), 11, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x6f, 0x91));
    p.drawEllipse(QPointF(60, 92), 7, 4.5);
    cheeks(p, kC, 33, 16, 7, 110);
}

void faceClown(QPainter &p)
{
    // Curly hair puffs on both sides.
    const QColor puffs[] = {QColor(0xff, 0x8c, 0x1a), QColor(0x3d, 0xc4, 0x5a)};
    for (int side : {-1, 1}) {
        for (int k = 0; k < 3; ++k) {
            p.setPen(inkPen(2.5));
            p.setBrush(puffs[(k + (side > 0)) % 2]);
            p.drawEllipse(QPointF(60 + side * (40 + (k == 1 ? 6 : 0)), 38 + k * 15), 11, 11);
        }
    }
    faceDisc(p, kC, 44, QColor(0xff, 0xf6, 0xea));
    // Painted diamonds over the eyes.
    for (double x : {42.0, 78.0}) {
        QPainterPath d;
        d.moveTo(x, 30);
        d.lineTo(x + 9, 48);
        d.lineTo(x, 66);
        d.lineTo(x - 9, 48);
        d.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6c, 0xb8, 0xff));
        p.drawPath(d);
        openEye(p, QPointF(x, 48), 6.5, 8, QPointF(0, 0.3), 3.5);
    }
    // Big red smile and the round red nose on top.
    QPainterPath lips;
    lips.moveTo(30, 70);
    lips.cubicTo(38, 104, 82, 104, 90, 70);
    lips.cubicTo(78, 82, 42, 82, 30, 70);
    lips.closeSubpath();
    p.setPen(inkPen(2.5));
    p.setBrush(QColor(0xff, 0x3d, 0x5a));
    p.drawPath(lips);
    QPainterPath inner;
    inner.moveTo(40, 80);
    inner.cubicTo(46, 96, 74, 96, 80, 80);
    inner.quadTo(60, 86, 40, 80);
    mouthFill(p, inner);
    QRadialGradient nose(QPointF(56, 62), 14);
    nose.setColorAt(0.0, QColor(0xff, 0x9a, 0x9a));
    nose.setColorAt(1.0, QColor(0xe8, 0x10, 0x2a));
    p.setPen(inkPen(2.5));
    p.setBrush(nose);
    p.drawEllipse(QPointF(60, 66), 11, 11);
}

void faceMonster(QPainter &p)
{
    // Two little horns.
    for (int side : {-1, 1}) {
        QPainterPath horn;
        horn.moveTo(60 + side * 16, 22);
        horn.quadTo(60 + side * 30, 10, 60 + side * 32, 2);
        horn.quadTo(60 + side * 38, 14, 60 + side * 34, 28);
        horn.closeSubpath();
        p.setPen(inkPen(2.5));
        p.setBrush(QColor(0xff, 0xf0, 0xc8));
        p.drawPath(horn);
    }
    faceDisc(p, kC, 46, QColor(0x7e, 0xd9, 0x57));
    // Freckle spots.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5f, 0xb8, 0x3d));
    p.drawEllipse(QPointF(28, 44), 5, 4);
    p.drawEllipse(QPointF(92, 50), 6, 5);
    p.drawEllipse(QPointF(84, 88), 4, 3);
    // One big eye looking up at you.
    openEye(p, QPointF(60, 46), 19, 18, QPointF(0.1, -0.3), 8);
    arcLine(p, QPointF(42, 24), QPointF(60, 18), QPointF(78, 24), 3.2);
    // Smile with two soft little fangs.
    QPainterPath m;
    m.moveTo(34, 74);
    m.cubicTo(42, 98, 78, 98, 86, 74);
    m.quadTo(60, 82, 34, 74);
    mouthFill(p, m);
    p.setPen(inkPen(1.8));
    p.setBrush(Qt::white);
    for (double x : {46.0, 74.0}) {
        QPainterPath fang;
        fang.moveTo(x - 5, 78.5);
        fang.lineTo(x, 88);
        fang.lineTo(x + 5, 78.5);
        fang.closeSubpath();
        p.drawPath(fang);
    }
}

void faceMoustache(QPainter &p)
{
    faceDisc(p, kC, 46, QColor(0xff, 0xcf, 0xa0));
    // A tiny striped party hat perched on top.
    QPainterPath hat;
    hat.moveTo(46, 24);
    hat.quadTo(62, 30, 78, 22);
    hat.lineTo(64, 4);
    hat.closeSubpath();
    p.setPen(inkPen(2.5));
    p.setBrush(QColor(0x9b, 0x5d, 0xe5));
    p.drawPath(hat);
    p.save();
    p.setClipPath(hat);
    p.setPen(QPen(QColor(0xff, 0xd9, 0x3b), 3));
    p.drawLine(QPointF(48, 14), QPointF(80, 20));
    p.drawLine(QPointF(48, 4), QPointF(80, 10));
    p.restore();
    p.setPen(inkPen(2));
    p.setBrush(QColor(0xff, 0x4d, 0x6d));
    p.drawEllipse(QPointF(64, 6), 4.5, 4.5);
    // Bushy eyebrows and bead eyes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x2c, 0x1e));
    p.drawRoundedRect(QRectF(28, 30, 26, 9), 4.5, 4.5);
    p.drawRoundedRect(QRectF(66, 30, 26, 9), 4.5, 4.5);
    openEye(p, QPointF(42, 50), 7, 8, QPointF(0.3, 0.2), 4);
    openEye(p, QPointF(78, 50), 7, 8, QPointF(-0.3, 0.2), 4);
    // Big nose, curly moustache, a small smile below it.
    p.setPen(inkPen(2.5));
    p.setBrush(QColor(0xf2, 0xa0, 0x78));
    p.drawEllipse(QPointF(60, 62), 9, 8);
    QPainterPath tache;
    tache.moveTo(60, 70);
    tache.cubicTo(50, 64, 34, 66, 28, 76);
    tache.cubicTo(22, 70, 18, 78, 24, 82);
    tache.cubicTo(34, 86, 50, 84, 60, 77);
    tache.cubicTo(70, 84, 86, 86, 96, 82);
    tache.cubicTo(102, 78, 98, 70, 92, 76);
    tache.cubicTo(86, 66, 70, 64, 60, 70);
    tache.closeSubpath();
    p.setBrush(QColor(0x4a, 0x2c, 0x1e));
    p.drawPath(tache);
    QPainterPath m;
    m.moveTo(50, 88);
    m.cubicTo(54, 98, 66, 98, 70, 88);
    m.quadTo(60, 91, 50, 88);
    mouthFill(p, m);
    cheeks(p, kC, 34, 14, 6, 110);
}

std::vector<QImage> paintFaces()
{
    struct Entry {
        QColor background;
        std::function<void(QPainter &)> draw;
    };
    const std::vector<Entry> faces{
        {QColor(0xff, 0x9e, 0xc7), faceTongue},
        {QColor(0x9f, 0xe6, 0xa0), faceCrossEyed},
        {QColor(0xff, 0xb0, 0x60), faceBigGrin},
        {QColor(0x8f, 0xd3, 0xff), faceWink},
        {QColor(0xc9, 0xa6, 0xff), faceGlasses},
        {QColor(0xc6, 0xf0, 0x6a), facePuffed},
        {QColor(0xff, 0xe0, 0x66), faceSurprised},
        {QColor(0x7f, 0xe0, 0xd6), faceClown},
        {QColor(0xff, 0xa8, 0xa8), faceMonster},
        {QColor(0xa8, 0xb8, 0xff), faceMoustache},
    };
    std::vector<QImage> out;
    for (const Entry &e : faces) {
        QImage img;
        QPainter p;
        startFace(e.background, p, img);
        e.draw(p);
        p.end();
        out.push_back(img);
    }
    return out;
}

// ---------------------------------------------------------------- celebration

void drawSun(QPainter &p, QPointF c, double r, double spin, bool wink)
{
    p.save();
    p.translate(c);
    p.rotate(spin);
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.rotate(i * 30);
        QPainterPath ray;
        const double len = (i % 2 == 0) ? r * 1.55 : r * 1.35;
        ray.moveTo(-r * 0.2, -r * 0.9);
        ray.lineTo(0, -len);
        ray.lineTo(r * 0.2, -r * 0.9);
        ray.closeSubpath();
        p.setPen(inkPen(2));
        p.setBrush(i % 2 == 0 ? QColor(0xff, 0x9f, 0x1c) : QColor(0xff, 0xc4, 0x2e));
        p.drawPath(ray);
        p.restore();
    }
    p.restore();

    QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.35), r * 1.4);
    g.setColorAt(0.0, QColor(0xff, 0xf4, 0x8a));
    g.setColorAt(1.0, QColor(0xff, 0xc8, 0x1a));
    p.setPen(inkPen(2.5));
    p.setBrush(g);
    p.drawEllipse(c, r, r);

    const double ex = r * 0.36, ey = -r * 0.15;
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(c + QPointF(-ex, ey), r * 0.11, r * 0.16);
    if (wink) {
        arcLine(p, c + QPointF(ex - r * 0.15, ey + r * 0.04), c + QPointF(ex, ey - r * 0.14),
                c + QPointF(ex + r * 0.15, ey + r * 0.04), 2.2);
    } else {
        p.setPen(Qt::NoPen);
        p.drawEllipse(c + QPointF(ex, ey), r * 0.11, r * 0.16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 110, 110, 150));
    p.drawEllipse(c + QPointF(-r * 0.58, r * 0.22), r * 0.17, r * 0.11);
    p.drawEllipse(c + QPointF(r * 0.58, r * 0.22), r * 0.17, r * 0.11);
    QPainterPath smile;
    smile.moveTo(c + QPointF(-r * 0.42, r * 0.18));
    smile.cubicTo(c + QPointF(-r * 0.3, r * 0.68), c + QPointF(r * 0.3, r * 0.68),
                  c + QPointF(r * 0.42, r * 0.18));
    smile.quadTo(c + QPointF(0, r * 0.3), c + QPointF(-r * 0.42, r * 0.18));
    mouthFill(p, smile);
}

double popScale(double t)
{
    // 0 → overshoot → 1, for t from 0 to 1.
    if (t <= 0)
        return 0;
    if (t >= 1)
        return 1;
    return 1 + std::sin(t * kPi * 1.1) * 0.35 * (1 - t) - std::pow(1 - t, 3);
}

std::vector<QImage> paintCelebration(int frames)
{
    const int w = 241, h = 146;
    std::vector<QImage> out;

    Dice dice(5);
    struct Bit {
        double x, y, vy, spin, size;
        int kind;
        QColor colour;
    };
    std::vector<Bit> bits;
    const auto &colours = partyColours();
    for (int i = 0; i < 34; ++i)
        bits.push_back({dice.range(6, w - 6), dice.range(-70, 20), dice.range(5, 9),
                        dice.range(-40, 40), dice.range(2.6, 4.2), dice.pick(3),
                        colours[size_t(dice.pick(int(colours.size())))]});
    struct Burst {
        double angle, speed, size;
        QColor colour;
    };
    std::vector<Burst> bursts;
    for (int i = 0; i < 11; ++i)
        bursts.push_back({i * 360.0 / 11 + dice.range(-10, 10), dice.range(5.5, 8),
                          dice.range(6, 9), colours[size_t(i) % colours.size()]});

    const QString word = QStringLiteral("¡Bien!");
    const QColor letterColours[] = {QColor(0xff, 0x4d, 0x6d), QColor(0xff, 0x9f, 0x1c),
                                    QColor(0x3d, 0xc4, 0x5a), QColor(0x2e, 0x9c, 0xff),
                                    QColor(0x9b, 0x5d, 0xe5), QColor(0xff, 0x4d, 0x6d)};
    QFont font(kFont);
    font.setBold(true);
    font.setPixelSize(44);

    for (int f = 0; f < frames; ++f) {
        QImage img = canvas(w, h);
        QPainter p(&img);
        smooth(p);
        const double t = double(f) / (frames - 1);

        // Stars bursting from behind the sun and the word.
        const QPointF origin(118, 76);
        for (const Burst &b : bursts) {
            const double d = 18 + b.speed * f * 1.05;
            const double a = b.angle * kPi / 180.0;
            const QPointF at = origin + QPointF(std::cos(a) * d * 1.35, std::sin(a) * d * 0.75);
            const double s = b.size * (f < 2 ? 0.5 + 0.25 * f : (1.0 - 0.55 * t));
            if (at.x() > -10 && at.x() < w + 10 && at.y() > -10 && at.y() < h + 10)
                drawStar(p, at, s, f * 18 + b.angle, b.colour, 1.4);
        }
        // Confetti raining down, tumbling as it falls.
        for (const Bit &b : bits) {
            const double y = b.y + b.vy * f;
            const double x = b.x + std::sin(f * 0.7 + b.spin) * 3;
            if (y > -8 && y < h + 8)
                drawConfettiPiece(p, QPointF(x, y), b.size, b.spin * f, b.colour, b.kind);
        }

        // The sun pops up and keeps turning; it winks at the end.
        const double sunScale = popScale(std::min(1.0, f / 4.0));
        if (sunScale > 0.02) {
            p.save();
            p.translate(48, 74);
            p.scale(sunScale, sunScale);
            drawSun(p, QPointF(0, 0), 27, f * 6.0, f >= frames - 4 && f <= frames - 2);
            p.restore();
        }

        // "¡Bien!" letter by letter, each with its own colour and bounce.
        QPainterPath probe;
        probe.addText(0, 0, font, word);
        const QRectF wordBox = probe.boundingRect();
        double x = 160 - wordBox.width() / 2 - wordBox.left();
        const double baseline = 74 + wordBox.height() / 2 - (wordBox.bottom());
        for (int i = 0; i < word.size(); ++i) {
            QPainterPath glyph;
            glyph.addText(0, 0, font, QString(word[i]));
            const double advance = QFontMetricsF(font).horizontalAdvance(word[i]);
            const double s = popScale((f - 3 - i * 0.9) / 3.5);
            if (s > 0.02) {
                const QRectF gb = glyph.boundingRect();
                const double hop = (f >= frames - 5) ? -3 * std::sin((f - (frames - 5) + i) * 1.3) : 0;
                p.save();
                p.translate(x + gb.center().x(), baseline + gb.center().y() + hop);
                p.scale(s, s);
                p.rotate((i % 2 == 0 ? -6 : 6) * (1 - t));
                p.translate(-gb.center());
                p.setPen(QPen(kInk, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(kInk);
                p.drawPath(glyph);
                p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPath(glyph);
                p.setPen(Qt::NoPen);
                p.setBrush(letterColours[i % 6]);
                p.drawPath(glyph);
                p.restore();
            }
            x += advance;
        }
        // Twinkles around the finished word.
        const QPointF twinkles[] = {QPointF(108, 44), QPointF(222, 48), QPointF(200, 104),
                                    QPointF(124, 106), QPointF(166, 34)};
        for (int i = 0; i < 5; ++i) {
            const int age = f - 9 - i % 3;
            if (age >= 0 && age < 5) {
                const double r = 7 * std::sin((age + 1) * kPi / 6);
                drawSparkle(p, twinkles[i], r + 2, i % 2 ? QColor(0xff, 0xf3, 0x8a) : Qt::white, 1.2);
            }
        }
        p.end();
        out.push_back(hardenAlpha(img));
    }
    return out;
}

// ---------------------------------------------------------------- peeking figure

struct Pose {
    double drop;   // vertical offset from the resting place, negative is higher
    double squash; // >1 flattens the body a little after the bounce
    bool blink;
    double wave;   // angle of the right arm; 0 is hanging down
};

void drawBuddy(QPainter &p, const Pose &pose)
{
    const QPointF c(64, 72 + pose.drop);
    const double rx = 38 * pose.squash, ry = 38 / pose.squash;
    const QColor fur(0xff, 0xa9, 0x3d), furDark(0xf0, 0x74, 0x00);

    // Thread from the top edge to the bow on its head.
    p.setPen(QPen(QColor(0x6a, 0x5a, 0x7a), 2));
    p.drawLine(QPointF(64, 0), QPointF(64, c.y() - ry - 4));

    // Feet.
    p.setPen(inkPen(2.2));
    p.setBrush(QColor(0xff, 0x5c, 0x7a));
    p.drawEllipse(QPointF(c.x() - 15, c.y() + ry - 1), 10, 6);
    p.drawEllipse(QPointF(c.x() + 15, c.y() + ry - 1), 10, 6);

    // Left arm hangs, the right one waves.
    const auto arm = [&](double side, double angle) {
        p.save();
        p.translate(c + QPointF(side * (rx - 6), 6));
        p.rotate(angle);
        p.setPen(inkPen(2.2));
        p.setBrush(fur);
        p.drawEllipse(QRectF(side > 0 ? -4 : -16, -6, 20, 13));
        p.restore();
    };
    arm(-1, -25);

    // Round furry body with a pale tummy.
    QRadialGradient g(c + QPointF(-rx * 0.35, -ry * 0.45), rx * 1.5);
    g.setColorAt(0.0, fur.lighter(135));
    g.setColorAt(1.0, furDark);
    p.setPen(inkPen(2.6));
    p.setBrush(g);
    p.drawEllipse(c, rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xec, 0xc8));
    p.drawEllipse(c + QPointF(0, ry * 0.42), rx * 0.55, ry * 0.4);

    // The right arm sits in front so that it shows when it waves.
    p.save();
    p.translate(c + QPointF(rx - 8, 8));
    p.rotate(30 - pose.wave);
    p.setPen(inkPen(2.2));
    p.setBrush(fur);
    p.drawRoundedRect(QRectF(-4, -6.5, 24, 13), 6.5, 6.5);
    p.restore();

    // Bow where the thread is tied.
    const QPointF knot(c.x(), c.y() - ry + 1);
    p.setPen(inkPen(2));
    p.setBrush(QColor(0x8a, 0x5c, 0xf5));
    QPainterPath bow;
    bow.moveTo(knot);
    bow.lineTo(knot + QPointF(-13, -8));
    bow.lineTo(knot + QPointF(-13, 7));
    bow.closeSubpath();
    bow.moveTo(knot);
    bow.lineTo(knot + QPointF(13, -8));
    bow.lineTo(knot + QPointF(13, 7));
    bow.closeSubpath();
    p.drawPath(bow);
    p.drawEllipse(knot, 4, 4);

    // Face.
    const double ey = c.y() - ry * 0.18;
    for (int side : {-1, 1}) {
        const QPointF eye(c.x() + side * 14, ey);
        if (pose.blink) {
            arcLine(p, eye + QPointF(-8, 0), eye + QPointF(0, 6), eye + QPointF(8, 0), 2.6);
        } else {
            p.setPen(inkPen(2));
            p.setBrush(Qt::white);
            p.drawEllipse(eye, 10, 11.5);
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(eye + QPointF(side * -1.5, 2), 5.5, 6.5);
            p.setBrush(Qt::white);
            p.drawEllipse(eye + QPointF(side * -1.5 - 2, -1), 2, 2.2);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 150, 160));
    p.drawEllipse(QPointF(c.x() - 25, ey + 14), 6, 4);
    p.drawEllipse(QPointF(c.x() + 25, ey + 14), 6, 4);
    QPainterPath smile;
    smile.moveTo(c.x() - 10, ey + 14);
    smile.cubicTo(c.x() - 7, ey + 25, c.x() + 7, ey + 25, c.x() + 10, ey + 14);
    smile.quadTo(c.x(), ey + 17, c.x() - 10, ey + 14);
    mouthFill(p, smile);
}

std::vector<QImage> paintPeek()
{
    const std::vector<Pose> poses{
        {-104, 1, false, 0}, {-84, 1, false, 0}, {-63, 1, false, 0}, {-42, 1, false, 0},
        {-21, 1, false, 0},  {-3, 1, false, 0},  {5, 1.08, false, 0}, {1, 0.97, false, 0},
        {0, 1, false, 0},    {0, 1, true, 0},    {0, 1, false, 40},  {0, 1, false, 105},
        {0, 1, false, 70},   {0, 1, false, 110}, {0, 1, false, 70},  {0, 1, false, 100},
    };
    std::vector<QImage> out;
    for (const Pose &pose : poses) {
        QImage img = canvas(124, 125);
        QPainter p(&img);
        smooth(p);
        drawBuddy(p, pose);
        p.end();
        out.push_back(hardenAlpha(img));
    }
    return out;
}

} // namespace

// ---------------------------------------------------------------- mental arithmetic

// A thinking child under a cloud full of sums, for the mental-arithmetic
// window (151 x 221, shown at that size).
QImage paintMental()
{
    const int w = 151, h = 221;
    QImage img = canvas(w, h, QColor(0xe6, 0xe6, 0xff));
    QPainter p(&img);
    smooth(p);

    // Soft stars in the background.
    Dice dice(6);
    for (int i = 0; i < 14; ++i)
        drawSparkle(p, QPointF(dice.range(8, w - 8), dice.range(8, h - 8)), dice.range(2.5, 5),
                    QColor(0xb8, 0xb8, 0xf0));

    // The thought cloud: overlapping puffs, then the little bubbles to the head.
    QPainterPath cloud;
    cloud.addRect(QRectF(40, 40, 74, 40));
    const QPointF puffs[] = {{38, 48}, {62, 34}, {92, 34}, {116, 48}, {108, 74}, {78, 82}, {46, 74}};
    const double radii[] = {24, 26, 26, 24, 22, 22, 22};
    for (int i = 0; i < 7; ++i) {
        QPainterPath puff;
        puff.addEllipse(puffs[i], radii[i], radii[i]);
        cloud = cloud.united(puff);
    }
    p.setPen(inkPen(2.5));
    p.setBrush(Qt::white);
    p.drawPath(cloud);
    p.drawEllipse(QPointF(64, 108), 7, 6);
    p.drawEllipse(QPointF(70, 121), 4.5, 4);

    // "3 + 4 = ?" in party colours.
    QFont f(kFont);
    f.setPixelSize(25);
    f.setBold(true);
    p.setFont(f);
    const QString glyphs[] = {QStringLiteral("3"), QStringLiteral("+"), QStringLiteral("4"),
                              QStringLiteral("="), QStringLiteral("?")};
    const QColor colours[] = {QColor(0xff, 0x4d, 0x6d), kInk, QColor(0x2e, 0x9c, 0xff), kInk,
                              QColor(0x3d, 0xb0, 0x4a)};
    double x = 28;
    for (int i = 0; i < 5; ++i) {
        p.setPen(colours[i]);
        const double gw = QFontMetricsF(f).horizontalAdvance(glyphs[i]);
        p.drawText(QPointF(x, 66), glyphs[i]);
        x += gw + 5;
    }

    // The child: hair, face, eyes looking up at the cloud, a small smile.
    const QPointF c(76, 170);
    p.setPen(inkPen(3));
    p.setBrush(QColor(0x8a, 0x4b, 0x2a));
    p.drawEllipse(c + QPointF(0, -8), 44, 40);
    faceDisc(p, c, 38, QColor(0xff, 0xd6, 0xb0));
    // Fringe.
    QPainterPath fringe;
    fringe.moveTo(c + QPointF(-36, -10));
    fringe.cubicTo(c + QPointF(-30, -46), c + QPointF(30, -50), c + QPointF(37, -12));
    fringe.quadTo(c + QPointF(14, -30), c + QPointF(2, -20));
    fringe.quadTo(c + QPointF(-14, -32), c + QPointF(-36, -10));
    fringe.closeSubpath();
    p.setPen(inkPen(2.5));
    p.setBrush(QColor(0x8a, 0x4b, 0x2a));
    p.drawPath(fringe);
    openEye(p, c + QPointF(-14, 2), 7.5, 9.5, QPointF(-0.2, -0.8), 4);
    openEye(p, c + QPointF(14, 2), 7.5, 9.5, QPointF(-0.2, -0.8), 4);
    cheeks(p, c, 24, 14, 6, 120);
    mouthFill(p, grinPath(c + QPointF(0, 20), 11, 9));
    // A finger on the chin: thinking.
    p.setPen(inkPen(2.5));
    p.setBrush(QColor(0xff, 0xd6, 0xb0));
    p.drawEllipse(QPointF(c.x() + 26, c.y() + 34), 9, 8);
    return img;
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pintor <assets dir> <frames dir>\n");
        return 2;
    }
    const QString assets = QString::fromLocal8Bit(argv[1]);
    const QString frames = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(assets + "/builtin");
    QDir().mkpath(assets + "/game/caras");
    QDir().mkpath(frames);

    bool ok = true;
    ok &= savePng(paintCursor(), assets + "/builtin/cursor_mano.png");
    ok &= saveBmp(paintMainBackground(), assets + "/game/fondo.bmp");
    ok &= saveBmp(paintPaper(), assets + "/game/fondo2.bmp");
    ok &= saveBmp(paintTrophy(), assets + "/game/acierto.bmp");
    ok &= saveBmp(paintMental(), assets + "/game/mental.bmp");
    const std::vector<QImage> faces = paintFaces();
    for (size_t i = 0; i < faces.size(); ++i)
        ok &= saveBmp(faces[i], QStringLiteral("%1/game/caras/cara%2.bmp").arg(assets).arg(i + 1));

    const std::vector<QImage> celebration = paintCelebration(16);
    for (size_t i = 0; i < celebration.size(); ++i)
        ok &= savePng(celebration[i], QStringLiteral("%1/celebra_%2.png").arg(frames).arg(i, 2, 10, QChar('0')));
    const std::vector<QImage> peek = paintPeek();
    for (size_t i = 0; i < peek.size(); ++i)
        ok &= savePng(peek[i], QStringLiteral("%1/asoma_%2.png").arg(frames).arg(i, 2, 10, QChar('0')));
    return ok ? 0 : 1;
}
