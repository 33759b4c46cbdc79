#include "splashpainter.h"

#include "artpalette.h"
#include "fontkit.h"
#include "imageeffects.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

constexpr int width = 517;
constexpr int height = 316;
// Everything from this line down is one flat colour: the progress bar sits at y 304.
constexpr int calmBandTop = 300;

constexpr qreal bankDegrees = -14.0;
constexpr qreal pitchPixels = 8.0;
constexpr qreal pixelsPerTenDegrees = 26.0;

const QPointF instrumentCentre(404.0, 140.0);
constexpr qreal instrumentRadius = 82.0;

void drawTextWithShadow(QPainter &painter, const QPointF &baseline, const QString &text,
                        const QFont &font, const QBrush &brush)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    ImageEffects::paintShadow(painter, path, QColor(0, 0, 0, 170), QPointF(0, 2), 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPath(path);
}

} // namespace

QImage SplashPainter::paint(const QString &version)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    paintBackground(painter, image.size());
    paintGroundGrid(painter, image.size());
    paintAttitudeIndicator(painter, instrumentCentre, instrumentRadius);
    paintLettering(painter, version);

    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

void SplashPainter::paintBackground(QPainter &painter, const QSize &size)
{
    QLinearGradient ground(0, 0, size.width(), size.height());
    ground.setColorAt(0.0, QColor(0x17, 0x2a, 0x44));
    ground.setColorAt(0.55, ArtPalette::navyDark);
    ground.setColorAt(1.0, ArtPalette::navyDeep);
    painter.fillRect(QRect(QPoint(0, 0), size), ground);

    // A teal haze behind the instrument and a faint one behind the name.
    QRadialGradient haze(instrumentCentre, 210);
    haze.setColorAt(0.0, QColor(0, 204, 204, 52));
    haze.setColorAt(0.5, QColor(0, 204, 204, 14));
    haze.setColorAt(1.0, QColor(0, 204, 204, 0));
    painter.fillRect(QRect(QPoint(0, 0), size), haze);

    QRadialGradient nameHaze(QPointF(120, 110), 170);
    nameHaze.setColorAt(0.0, QColor(0x3d, 0x6f, 0xb0, 40));
    nameHaze.setColorAt(1.0, QColor(0x3d, 0x6f, 0xb0, 0));
    painter.fillRect(QRect(QPoint(0, 0), size), nameHaze);

    // The flat band under the progress bar, with one hairline that closes the picture.
    painter.fillRect(QRect(0, calmBandTop, size.width(), size.height() - calmBandTop),
                     ArtPalette::navyDeep);
    QLinearGradient hairline(0, 0, size.width(), 0);
    hairline.setColorAt(0.0, QColor(0, 204, 204, 0));
    hairline.setColorAt(0.3, QColor(0, 204, 204, 90));
    hairline.setColorAt(0.7, QColor(0, 204, 204, 90));
    hairline.setColorAt(1.0, QColor(0, 204, 204, 0));
    painter.fillRect(QRect(0, calmBandTop, size.width(), 1), hairline);
}

void SplashPainter::paintGroundGrid(QPainter &painter, const QSize &size)
{
    // A runway-like perspective grid under a horizon at y 226, fading towards the horizon.
    const qreal horizon = 226.0;
    const qreal bottom = calmBandTop - 1;
    const QPointF vanishing(size.width() * 0.46, horizon - 40.0);

    QImage layer = ImageEffects::transparentCanvas(size);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 204, 204, 110), 1.0));
        for (int i = -14; i <= 14; ++i) {
            const QPointF foot(vanishing.x() + i * 62.0, bottom + 40.0);
            const qreal t = (horizon - vanishing.y()) / (foot.y() - vanishing.y());
            const QPointF top = vanishing + (foot - vanishing) * t;
            p.drawLine(top, foot);
        }
        for (int i = 0; i < 9; ++i) {
            const qreal y = horizon + (bottom - horizon) * qPow(i / 8.0, 1.8);
            p.drawLine(QPointF(0, y), QPointF(size.width(), y));
        }
        // Fade: strongest at the bottom, gone at the horizon; the left third stays quieter so
        // the lettering keeps a calm ground.
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0, horizon, 0, bottom);
        fade.setColorAt(0.0, QColor(0, 0, 0, 0));
        fade.setColorAt(1.0, QColor(0, 0, 0, 150));
        p.fillRect(QRectF(0, horizon, size.width(), bottom - horizon + 1), fade);
        p.fillRect(QRectF(0, 0, size.width(), horizon), QColor(0, 0, 0, 0));
        p.fillRect(QRectF(0, bottom + 1, size.width(), size.height()), QColor(0, 0, 0, 0));
        QLinearGradient quiet(0, 0, size.width(), 0);
        quiet.setColorAt(0.0, QColor(0, 0, 0, 90));
        quiet.setColorAt(0.45, QColor(0, 0, 0, 255));
        p.fillRect(QRect(QPoint(0, 0), size), quiet);
    }
    painter.drawImage(0, 0, layer);

    QLinearGradient horizonLine(0, 0, size.width(), 0);
    horizonLine.setColorAt(0.0, QColor(0, 204, 204, 0));
    horizonLine.setColorAt(0.5, QColor(0, 204, 204, 70));
    horizonLine.setColorAt(1.0, QColor(0, 204, 204, 0));
    painter.fillRect(QRectF(0, horizon, size.width(), 1), horizonLine);
}

void SplashPainter::paintAttitudeIndicator(QPainter &painter, const QPointF &centre, qreal radius)
{
    const qreal bezel = radius + 13.0;

    // Case with a soft shadow.
    QPainterPath casePath;
    casePath.addEllipse(centre, bezel, bezel);
    ImageEffects::paintShadow(painter, casePath, QColor(0, 0, 0, 200), QPointF(0, 4), 6);
    QLinearGradient caseGradient(centre - QPointF(0, bezel), centre + QPointF(0, bezel));
    caseGradient.setColorAt(0.0, QColor(0x4a, 0x5d, 0x78));
    caseGradient.setColorAt(0.5, QColor(0x1c, 0x29, 0x3b));
    caseGradient.setColorAt(1.0, QColor(0x0b, 0x12, 0x1e));
    painter.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    painter.setBrush(caseGradient);
    painter.drawPath(casePath);

    // Inner bevel: a dark ring with a light lower edge.
    QLinearGradient bevel(centre - QPointF(0, radius + 4), centre + QPointF(0, radius + 4));
    bevel.setColorAt(0.0, QColor(0x05, 0x09, 0x10));
    bevel.setColorAt(1.0, QColor(0x5d, 0x70, 0x8a));
    painter.setPen(Qt::NoPen);
    painter.setBrush(bevel);
    painter.drawEllipse(centre, radius + 4, radius + 4);

    // The moving sphere: sky and ground, pitch ladder, bank pointer.
    painter.save();
    QPainterPath face;
    face.addEllipse(centre, radius, radius);
    painter.setClipPath(face);
    painter.translate(centre);
    painter.rotate(bankDegrees);
    painter.translate(0, pitchPixels);

    const qreal big = radius * 2.0;
    QLinearGradient sky(0, -big, 0, 0);
    sky.setColorAt(0.0, QColor(0x0f, 0x3a, 0x72));
    sky.setColorAt(0.75, QColor(0x26, 0x6f, 0xbf));
    sky.setColorAt(1.0, QColor(0x4c, 0x9a, 0xe0));
    painter.fillRect(QRectF(-big, -big, 2 * big, big), sky);
    QLinearGradient earth(0, 0, 0, big);
    earth.setColorAt(0.0, QColor(0x7a, 0x53, 0x2c));
    earth.setColorAt(0.35, QColor(0x58, 0x3b, 0x20));
    earth.setColorAt(1.0, QColor(0x2a, 0x1b, 0x0e));
    painter.fillRect(QRectF(-big, 0, 2 * big, big), earth);

    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(-big, 0), QPointF(big, 0));

    QFont ladderFont = FontKit::condensed(9, QFont::Bold);
    painter.setFont(ladderFont);
    for (int step = -2; step <= 2; ++step) {
        if (step == 0)
            continue;
        const qreal y = -step * pixelsPerTenDegrees;
        const qreal half = qAbs(step) == 1 ? 14.0 : 22.0;
        painter.setPen(QPen(QColor(255, 255, 255, 230), 1.5, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(-half, y), QPointF(half, y));
        const QString label = QString::number(qAbs(step) * 10);
        painter.drawText(QRectF(half + 3, y - 6, 20, 12), Qt::AlignLeft | Qt::AlignVCenter, label);
        painter.drawText(QRectF(-half - 23, y - 6, 20, 12), Qt::AlignRight | Qt::AlignVCenter,
                         label);
        if (qAbs(step) == 1)
            continue;
        // A short mark halfway between ten and twenty degrees.
        const qreal mid = y + (step > 0 ? 1 : -1) * pixelsPerTenDegrees / 2.0;
        painter.setPen(QPen(QColor(255, 255, 255, 170), 1.1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(-6, mid), QPointF(6, mid));
    }
    painter.restore();

    // Fixed bank scale on the upper rim.
    painter.save();
    painter.translate(centre);
    const int ticks[] = {-60, -45, -30, -20, -10, 10, 20, 30, 45, 60};
    for (int degrees : ticks) {
        painter.save();
        painter.rotate(degrees);
        const bool major = degrees % 30 == 0;
        painter.setPen(QPen(Qt::white, major ? 2.0 : 1.3, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(0, -radius + 1), QPointF(0, -radius + (major ? 13 : 8)));
        painter.restore();
    }
    QPainterPath zeroMark;
    zeroMark.moveTo(0, -radius + 12);
    zeroMark.lineTo(-6, -radius + 2);
    zeroMark.lineTo(6, -radius + 2);
    zeroMark.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(zeroMark);

    // Bank pointer, turning with the sphere.
    painter.rotate(bankDegrees);
    QPainterPath pointer;
    pointer.moveTo(0, -radius + 14);
    pointer.lineTo(-6, -radius + 24);
    pointer.lineTo(6, -radius + 24);
    pointer.closeSubpath();
    painter.setBrush(ArtPalette::amber);
    painter.setPen(QPen(QColor(0, 0, 0, 140), 0.8));
    painter.drawPath(pointer);
    painter.restore();

    paintAircraftSymbol(painter, centre);

    // Glass: a soft reflection over the upper half and a thin rim light.
    QPainterPath glare;
    glare.addEllipse(QRectF(centre.x() - radius * 0.78, centre.y() - radius * 0.95, radius * 1.56,
                            radius * 0.95));
    QLinearGradient glareGradient(0, centre.y() - radius, 0, centre.y());
    glareGradient.setColorAt(0.0, QColor(255, 255, 255, 46));
    glareGradient.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glareGradient);
    painter.drawPath(glare);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 204, 204, 120), 1.2));
    painter.drawEllipse(centre, bezel - 0.6, bezel - 0.6);
}

void SplashPainter::paintAircraftSymbol(QPainter &painter, const QPointF &centre)
{
    // The fixed aircraft reference: a small quadcopter seen from above, arms in an X, with
    // wing bars left and right as on a classic attitude indicator.
    painter.save();
    painter.translate(centre);

    QPainterPath bars;
    bars.addRoundedRect(QRectF(-56, -2.5, 30, 5), 2, 2);
    bars.addRoundedRect(QRectF(26, -2.5, 30, 5), 2, 2);
    QPainterPath outline;
    outline.addPath(bars);
    painter.setPen(QPen(QColor(0, 0, 0, 170), 2.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtPalette::amber);
    painter.drawPath(bars);

    const qreal arm = 11.0;
    painter.setPen(QPen(QColor(0, 0, 0, 170), 5.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-arm, -arm), QPointF(arm, arm));
    painter.drawLine(QPointF(-arm, arm), QPointF(arm, -arm));
    painter.setPen(QPen(ArtPalette::amber, 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-arm, -arm), QPointF(arm, arm));
    painter.drawLine(QPointF(-arm, arm), QPointF(arm, -arm));
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) {
            const QPointF rotor(sx * arm, sy * arm);
            painter.setPen(QPen(QColor(0, 0, 0, 150), 3.2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(rotor, 5.2, 5.2);
            painter.setPen(QPen(ArtPalette::amber, 1.6));
            painter.setBrush(QColor(255, 179, 48, 60));
            painter.drawEllipse(rotor, 5.2, 5.2);
        }
    }
    painter.setPen(QPen(QColor(0, 0, 0, 170), 1.0));
    painter.setBrush(ArtPalette::amber);
    painter.drawRoundedRect(QRectF(-4, -4, 8, 8), 2, 2);
    painter.restore();
}

void SplashPainter::paintLogoMark(QPainter &painter, const QPointF &centre, qreal span)
{
    // The maker's mark: a quadcopter in teal outline.
    painter.save();
    painter.translate(centre);
    const qreal arm = span * 0.3;
    const qreal rotor = span * 0.19;

    QPainterPath shape;
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1})
            shape.addEllipse(QPointF(sx * arm, sy * arm), rotor, rotor);
    }
    ImageEffects::paintShadow(painter, shape, QColor(0, 204, 204, 120), QPointF(0, 0), 4);

    painter.setPen(QPen(ArtPalette::tealLight, span * 0.075, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-arm, -arm), QPointF(arm, arm));
    painter.drawLine(QPointF(-arm, arm), QPointF(arm, -arm));
    painter.setPen(QPen(ArtPalette::teal, span * 0.05));
    painter.setBrush(QColor(0, 204, 204, 45));
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1})
            painter.drawEllipse(QPointF(sx * arm, sy * arm), rotor, rotor);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtPalette::tealLight);
    const qreal body = span * 0.13;
    painter.drawRoundedRect(QRectF(-body, -body, 2 * body, 2 * body), body * 0.4, body * 0.4);
    painter.restore();
}

void SplashPainter::paintLettering(QPainter &painter, const QString &version)
{
    const qreal left = 30.0;

    paintLogoMark(painter, QPointF(left + 18, 62), 40);
    drawTextWithShadow(painter, QPointF(left + 48, 74), QStringLiteral("KESTO"),
                       FontKit::font(30, QFont::Bold, 7.0), QColor(Qt::white));

    QLinearGradient nameFill(0, 100, 0, 140);
    nameFill.setColorAt(0.0, Qt::white);
    nameFill.setColorAt(1.0, QColor(0xcf, 0xe4, 0xf2));
    drawTextWithShadow(painter, QPointF(left - 2, 136), QStringLiteral("Tarvel 2"),
                       FontKit::font(50, QFont::Bold, -1.0), nameFill);
    drawTextWithShadow(painter, QPointF(left, 174), QStringLiteral("Assistant"),
                       FontKit::font(31, QFont::Light, 1.0), ArtPalette::tealLight);

    QLinearGradient rule(left, 0, left + 220, 0);
    rule.setColorAt(0.0, QColor(0, 204, 204, 220));
    rule.setColorAt(1.0, QColor(0, 204, 204, 0));
    painter.fillRect(QRectF(left, 190, 220, 1.5), rule);

    painter.setFont(FontKit::font(11, QFont::Normal, 1.4));
    painter.setPen(ArtPalette::mist);
    painter.drawText(QPointF(left, 210), QStringLiteral("FLIGHT CONTROLLER CONFIGURATION"));

    if (!version.isEmpty()) {
        painter.setFont(FontKit::font(10, QFont::Normal, 0.5));
        painter.setPen(QColor(0x6f, 0x82, 0x9b));
        painter.drawText(QPointF(left, 290), QStringLiteral("Version %1").arg(version));
    }
}
