// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Draws every picture the program ships: the ten planets, the star of the entry panel, the window
// icon at the sizes a desktop asks for, and the link pointer. Run it through the `artwork` build
// target; it writes into resources/ and the results are committed, so a build needs none of this.
//
// Each picture is painted at eight times its size and scaled down, which gives clean edges at the
// small sizes the windows use. The pictures the windows show come twice, as name.png and
// name@2x.png, so a screen scaled to 200 % gets real detail instead of a blown-up bitmap. All are
// PNG: Qt decodes it without an image plugin.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>

#include <functional>

namespace {

constexpr int Supersample = 8;

using Painter = std::function<void(QPainter &)>;

// Paints in a coordinate system of w x h "pixels" on a large canvas, then scales it down to
// (w x h) * scale device pixels.
QImage render(int w, int h, const QColor &background, const Painter &paint, int scale = 1)
{
    QImage big(w * Supersample, h * Supersample, QImage::Format_ARGB32_Premultiplied);
    big.fill(background);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(Supersample, Supersample);
    paint(p);
    p.end();
    return big.scaled(w * scale, h * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void sphere(QPainter &p, QPointF centre, qreal radius, const QColor &light, const QColor &base,
            const QColor &dark)
{
    QRadialGradient g(centre, radius, centre - QPointF(radius * 0.4, radius * 0.45));
    g.setColorAt(0.0, light);
    g.setColorAt(0.55, base);
    g.setColorAt(1.0, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// Darkens the night side over whatever surface details were drawn on a disc.
void shade(QPainter &p, QPointF centre, qreal radius)
{
    QRadialGradient g(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.6);
    g.setColorAt(0.0, QColor(255, 255, 255, 40));
    g.setColorAt(0.45, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void clipToDisc(QPainter &p, QPointF centre, qreal radius)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.setClipPath(disc);
}

void sun(QPainter &p)
{
    const QPointF c(20, 20.5);
    p.setPen(Qt::NoPen);
    QRadialGradient glow(c, 20);
    glow.setColorAt(0.55, QColor(255, 170, 0, 160));
    glow.setColorAt(1.0, QColor(255, 120, 0, 0));
    p.setBrush(glow);
    QPainterPath rays;
    for (int i = 0; i < 16; ++i) {
        const qreal a = qDegreesToRadians(i * 22.5);
        const qreal outer = (i % 2) ? 16.5 : 19.5;
        rays.moveTo(c + QPointF(qCos(a - 0.16), qSin(a - 0.16)) * 12);
        rays.lineTo(c + QPointF(qCos(a), qSin(a)) * outer);
        rays.lineTo(c + QPointF(qCos(a + 0.16), qSin(a + 0.16)) * 12);
    }
    p.drawPath(rays);
    sphere(p, c, 12.5, QColor(255, 255, 220), QColor(255, 214, 40), QColor(240, 120, 0));
}

void moon(QPainter &p)
{
    QPainterPath full;
    full.addEllipse(QPointF(19.5, 26.5), 17.5, 17.5);
    QPainterPath bite;
    bite.addEllipse(QPointF(28.5, 22.5), 15, 15);
    const QPainterPath crescent = full.subtracted(bite);
    QRadialGradient g(QPointF(10, 30), 22);
    g.setColorAt(0.0, QColor(255, 255, 235));
    g.setColorAt(0.6, QColor(225, 222, 200));
    g.setColorAt(1.0, QColor(150, 148, 135));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(crescent);
    p.setClipPath(crescent);
    p.setBrush(QColor(170, 168, 150, 150));
    p.drawEllipse(QPointF(7, 27), 2.2, 2.2);
    p.drawEllipse(QPointF(11, 36), 1.6, 1.6);
    p.drawEllipse(QPointF(9, 19), 1.3, 1.3);
}

void mars(QPainter &p)
{
    const QPointF c(18, 16.5);
    const qreal r = 15;
    sphere(p, c, r, QColor(255, 160, 110), QColor(205, 70, 30), QColor(110, 25, 10));
    clipToDisc(p, c, r);
    p.setBrush(QColor(120, 35, 15, 170));
    p.drawEllipse(QPointF(12, 18), 6, 3);
    p.drawEllipse(QPointF(22, 12), 4, 2.2);
    p.drawEllipse(QPointF(21, 23), 5, 2);
    p.setBrush(QColor(255, 245, 240, 220));
    p.drawEllipse(QPointF(17, 2.2), 6, 2.4);
    p.setClipping(false);
    shade(p, c, r);
}

void venus(QPainter &p)
{
    const QPointF c(15, 15);
    const qreal r = 13;
    sphere(p, c, r, QColor(255, 250, 225), QColor(232, 205, 140), QColor(150, 120, 60));
    clipToDisc(p, c, r);
    p.setPen(QPen(QColor(255, 240, 200, 110), 2.2));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        p.drawArc(QRectF(2 - i * 2, 5 + i * 5, 30, 10), 20 * 16, 140 * 16);
    p.setClipping(false);
    shade(p, c, r);
}

void mercury(QPainter &p)
{
    const QPointF c(18, 16.5);
    const qreal r = 14;
    sphere(p, c, r, QColor(230, 228, 225), QColor(150, 145, 140), QColor(70, 68, 66));
    clipToDisc(p, c, r);
    p.setPen(QPen(QColor(90, 86, 82, 180), 0.8));
    p.setBrush(QColor(110, 106, 100, 150));
    const QPointF craters[] = {{12, 12}, {22, 10}, {17, 20}, {25, 21}, {10, 22}, {19, 27}};
    const qreal sizes[] = {2.6, 1.8, 2.2, 1.5, 1.7, 1.4};
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(craters[i], sizes[i], sizes[i]);
    p.setClipping(false);
    shade(p, c, r);
}

void jupiter(QPainter &p)
{
    const QPointF c(18, 16.5);
    const qreal r = 15;
    sphere(p, c, r, QColor(250, 235, 210), QColor(215, 180, 140), QColor(120, 90, 60));
    clipToDisc(p, c, r);
    const QColor bands[] = {QColor(170, 110, 70, 200), QColor(240, 220, 190, 170),
                            QColor(185, 120, 75, 210), QColor(235, 215, 185, 170),
                            QColor(160, 105, 70, 200)};
    const qreal tops[] = {4.5, 9, 12.5, 18.5, 23};
    const qreal heights[] = {3, 3, 4, 3, 3.5};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(bands[i]);
        p.drawRect(QRectF(0, tops[i], 36, heights[i]));
    }
    p.setBrush(QColor(200, 70, 40, 230));
    p.drawEllipse(QPointF(23, 20.2), 3.6, 2);
    p.setClipping(false);
    shade(p, c, r);
}

void saturnRing(QPainter &p, bool front)
{
    const QRectF outer(1, 11, 34, 11);
    const QRectF inner(6.5, 13.6, 23, 5.8);
    QPainterPath ring;
    ring.addEllipse(outer);
    ring = ring.subtracted([&] {
        QPainterPath hole;
        hole.addEllipse(inner);
        return hole;
    }());
    QPainterPath half;
    half.addRect(front ? QRectF(0, 16.5, 36, 20) : QRectF(0, 0, 36, 16.5));
    QLinearGradient g(outer.topLeft(), outer.topRight());
    g.setColorAt(0.0, QColor(150, 125, 80));
    g.setColorAt(0.5, QColor(235, 215, 160));
    g.setColorAt(1.0, QColor(140, 115, 75));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(ring.intersected(half));
}

void saturn(QPainter &p)
{
    const QPointF c(18, 16.5);
    const qreal r = 10;
    saturnRing(p, false);
    sphere(p, c, r, QColor(255, 240, 200), QColor(222, 190, 120), QColor(130, 100, 50));
    clipToDisc(p, c, r);
    p.setBrush(QColor(190, 150, 90, 120));
    p.drawRect(QRectF(0, 11, 36, 2));
    p.drawRect(QRectF(0, 19.5, 36, 1.6));
    p.setClipping(false);
    shade(p, c, r);
    saturnRing(p, true);
}

void uranus(QPainter &p)
{
    sphere(p, QPointF(15, 15), 13, QColor(225, 255, 255), QColor(140, 215, 225),
           QColor(50, 120, 140));
}

void neptune(QPainter &p)
{
    const QPointF c(15, 15);
    const qreal r = 13;
    sphere(p, c, r, QColor(150, 190, 255), QColor(45, 90, 220), QColor(10, 25, 90));
    clipToDisc(p, c, r);
    p.setBrush(QColor(15, 35, 120, 200));
    p.drawEllipse(QPointF(11, 17), 3, 1.8);
    p.setBrush(QColor(230, 240, 255, 170));
    p.drawEllipse(QPointF(18, 10), 2.5, 0.8);
    p.setClipping(false);
    shade(p, c, r);
}

void pluto(QPainter &p)
{
    const QPointF c(15, 15);
    const qreal r = 11.5;
    sphere(p, c, r, QColor(235, 215, 190), QColor(170, 135, 105), QColor(80, 60, 45));
    clipToDisc(p, c, r);
    QPainterPath heart;
    heart.moveTo(17, 22);
    heart.cubicTo(10, 18, 11, 12, 15, 13.5);
    heart.cubicTo(19, 11, 23, 16, 17, 22);
    p.setBrush(QColor(250, 240, 225, 220));
    p.drawPath(heart);
    p.setClipping(false);
    shade(p, c, r);
}

// An eight-pointed lavender star ringed by the symbols of the ten planets.
void star(QPainter &p)
{
    const QPointF c(51.5, 52.5);
    QPainterPath points;
    for (int i = 0; i < 16; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + i * 22.5);
        const qreal radius = (i % 2) ? 12.5 : 31;
        const QPointF v = c + QPointF(qCos(a), qSin(a)) * radius;
        i == 0 ? points.moveTo(v) : points.lineTo(v);
    }
    points.closeSubpath();
    QRadialGradient g(c, 31);
    g.setColorAt(0.0, QColor(250, 240, 255));
    g.setColorAt(0.35, QColor(205, 180, 245));
    g.setColorAt(1.0, QColor(140, 105, 205));
    p.setPen(QPen(QColor(110, 80, 170), 0.6));
    p.setBrush(g);
    p.drawPath(points);

    p.setPen(QPen(QColor(180, 150, 230, 140), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 36, 36);
    p.drawEllipse(c, 50, 50);

    const QString symbols =
        QStringLiteral(u"\u2609\u263D\u2642\u2640\u263F\u2643\u2644\u2645\u2646\u2647");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(225, 210, 255));
    for (int i = 0; i < symbols.size(); ++i) {
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF at = c + QPointF(qCos(a), qSin(a)) * 43;
        p.drawText(QRectF(at.x() - 7, at.y() - 7, 14, 14), Qt::AlignCenter, symbols.mid(i, 1));
    }
}

// The program's icon: a red outlined triangle, drawn for a square of any size.
void icon(QPainter &p, qreal size)
{
    const qreal s = size / 32.0;
    QPainterPath triangle;
    triangle.moveTo(16 * s, 3 * s);
    triangle.lineTo(29.5 * s, 27.5 * s);
    triangle.lineTo(2.5 * s, 27.5 * s);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(220, 20, 30), 3 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(triangle);
}

// A pointing hand; its fingertip (the hot spot) is at (12, 1).
void hand(QPainter &p)
{
    auto rounded = [](QRectF r, qreal radius) {
        QPainterPath path;
        path.addRoundedRect(r, radius, radius);
        return path;
    };
    QPainterPath shape = rounded({10, 0.8, 4.8, 17}, 2.4);
    shape = shape.united(rounded({14.2, 9, 4.6, 10}, 2.3));
    shape = shape.united(rounded({18.4, 10, 4.5, 9}, 2.2));
    shape = shape.united(rounded({22.4, 11.5, 4.2, 8}, 2.1));
    shape = shape.united(rounded({10, 15, 16.6, 13.5}, 4));
    QTransform thumb;
    thumb.translate(10.5, 19);
    thumb.rotate(-40);
    shape = shape.united(thumb.map(rounded({-8, -2.3, 9.5, 4.6}, 2.3)));
    shape = shape.simplified();
    p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.setPen(QPen(Qt::black, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 11.5), QPointF(14.5, 16.5));
    p.drawLine(QPointF(18.6, 12), QPointF(18.6, 16.5));
    p.drawLine(QPointF(22.6, 13.5), QPointF(22.6, 16.5));
}

bool save(const QImage &image, const QString &path, QTextStream &log)
{
    // Opaque pictures are stored without an alpha channel: smaller, and identical on screen.
    const QImage stored = image.hasAlphaChannel() && image.pixelColor(0, 0).alpha() == 255
                              ? image.convertToFormat(QImage::Format_RGB32)
                              : image;
    const bool ok = stored.save(path, "PNG");
    log << (ok ? "wrote " : "FAILED ") << path << ' ' << image.width() << 'x' << image.height()
        << '\n';
    return ok;
}

// The picture at 1x as base.png and at 2x as base@2x.png.
bool saveBothScales(int w, int h, const QColor &background, const Painter &paint,
                    const QString &base, QTextStream &log)
{
    bool ok = save(render(w, h, background, paint), base + QStringLiteral(".png"), log);
    ok &= save(render(w, h, background, paint, 2), base + QStringLiteral("@2x.png"), log);
    return ok;
}

// A Windows icon file of the PNGs given (each at most 256 pixels square): an ICONDIR, one entry
// for each picture, then the pictures. Windows Vista on reads PNG entries at every size.
bool saveIcon(const QStringList &pngs, const QString &path, QTextStream &log)
{
    QByteArray header;
    QByteArray pictures;
    const auto word = [](QByteArray &to, quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            to.append(char((value >> (8 * i)) & 0xff));
    };
    word(header, 0, 2);
    word(header, 1, 2); // an icon
    word(header, quint32(pngs.size()), 2);
    const quint32 first = 6 + 16 * quint32(pngs.size());
    for (const QString &png : pngs) {
        QFile file(png);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = file.readAll();
        const QImage image = QImage::fromData(bytes, "PNG");
        header.append(char(image.width() % 256)).append(char(image.height() % 256)); // 0: 256
        word(header, 0, 2);  // no palette, reserved
        word(header, 1, 2);  // planes
        word(header, 32, 2); // bits per pixel
        word(header, quint32(bytes.size()), 4);
        word(header, first + quint32(pictures.size()), 4);
        pictures += bytes;
    }
    QFile out(path);
    const bool ok = out.open(QIODevice::WriteOnly) && out.write(header + pictures) > 0;
    log << (ok ? "wrote " : "FAILED ") << path << '\n';
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream log(stdout);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        log << "usage: makeartwork <resources folder>\n";
        return 2;
    }
    const QDir out(args.at(1));
    out.mkpath(QStringLiteral("planets"));
    out.mkpath(QStringLiteral("icons"));

    struct Planet
    {
        const char *file;
        int width;
        int height;
        void (*paint)(QPainter &);
    };
    // Sizes are those the result panel's picture box is laid out for.
    const Planet planets[] = {
        {"sun", 40, 41, sun},       {"moon", 39, 53, moon},       {"mars", 36, 33, mars},
        {"venus", 30, 30, venus},   {"mercury", 36, 33, mercury}, {"jupiter", 36, 33, jupiter},
        {"saturn", 36, 33, saturn}, {"uranus", 30, 30, uranus},   {"neptune", 30, 30, neptune},
        {"pluto", 30, 30, pluto},
    };
    bool ok = true;
    for (const Planet &planet : planets) {
        ok &= saveBothScales(
            planet.width, planet.height, Qt::black, planet.paint,
            out.filePath(QStringLiteral("planets/") + QString::fromLatin1(planet.file)), log);
    }
    ok &= saveBothScales(103, 105, Qt::black, star, out.filePath(QStringLiteral("star")), log);
    ok &= saveBothScales(32, 32, Qt::transparent, hand, out.filePath(QStringLiteral("hand")), log);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QImage image =
            render(size, size, Qt::transparent, [size](QPainter &p) { icon(p, size); });
        ok &= save(image, out.filePath(QStringLiteral("icons/planetarch-%1.png").arg(size)), log);
    }
    // The Windows program's own icon, for Explorer, the Start menu and Installed apps.
    QStringList pngs;
    for (int size : {16, 24, 32, 48, 64, 256})
        pngs << out.filePath(QStringLiteral("icons/planetarch-%1.png").arg(size));
    ok &= saveIcon(pngs, out.filePath(QStringLiteral("icons/planetarch.ico")), log);
    return ok ? 0 : 1;
}
