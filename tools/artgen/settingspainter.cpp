#include "settingspainter.h"

#include "artpalette.h"
#include "fontkit.h"
#include "imageeffects.h"
#include "panelkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <utility>

namespace {

// Qt angles: degrees counter-clockwise from three o'clock; y grows downwards.
QPointF polar(const QPointF &centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return {centre.x() + radius * qCos(a), centre.y() - radius * qSin(a)};
}

// An annular sector between two radii, from startDegrees sweeping sweepDegrees.
QPainterPath ringSector(const QPointF &centre, qreal inner, qreal outer, qreal startDegrees,
                        qreal sweepDegrees)
{
    const QRectF outerRect(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerRect(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    QPainterPath path;
    path.arcMoveTo(outerRect, startDegrees);
    path.arcTo(outerRect, startDegrees, sweepDegrees);
    path.arcTo(innerRect, startDegrees + sweepDegrees, -sweepDegrees);
    path.closeSubpath();
    return path;
}

// A filled arrow head at tip, pointing along direction (degrees, Qt convention).
QPainterPath arrowHead(const QPointF &tip, qreal degrees, qreal length, qreal halfWidth)
{
    const QPointF back = polar(tip, length, degrees + 180.0);
    const QPointF left = polar(back, halfWidth, degrees + 90.0);
    const QPointF right = polar(back, halfWidth, degrees - 90.0);
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(left);
    path.lineTo(right);
    path.closeSubpath();
    return path;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

// A machined steel disc lit from the upper left: the motor bell, the switch nut, the gauge hubs.
QRadialGradient steelDisc(const QPointF &centre, qreal radius)
{
    QRadialGradient fill(centre - QPointF(radius * 0.35, radius * 0.45), radius * 1.5);
    fill.setColorAt(0.0, QColor(0xe8, 0xee, 0xf4));
    fill.setColorAt(0.35, QColor(0x9c, 0xac, 0xbe));
    fill.setColorAt(0.8, QColor(0x4a, 0x5d, 0x78));
    fill.setColorAt(1.0, QColor(0x2a, 0x3a, 0x52));
    return fill;
}

void paintLabel(QPainter &painter, const QPointF &centre, const QString &text, const QFont &font,
                const QColor &color)
{
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRectF(centre.x() - 40, centre.y() - 8, 80, 16), Qt::AlignCenter, text);
}

} // namespace

QColor SettingsPainter::levelColor(int level)
{
    switch (level) {
    case 1:
        return {0x1f, 0x9f, 0xd6};
    case 2:
        return {0x00, 0xc2, 0xc2};
    case 3:
        return {0x3c, 0xd6, 0x8c};
    case 4:
        return ArtPalette::amber;
    default:
        return {0xff, 0x6a, 0x2e};
    }
}

QImage SettingsPainter::motorIdleSpeed()
{
    QImage image = ImageEffects::transparentCanvas(QSize(360, 120));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    PanelKit::paintPanel(painter, QRectF(1, 1, 358, 116), 9);
    paintPropeller(painter, QPointF(74, 59), 44);

    // A faint arrow from the motor to the gauge: the level sets how fast it turns at idle.
    painter.setPen(QPen(QColor(0x8e, 0xa3, 0xbd, 90), 1.2, Qt::DotLine, Qt::RoundCap));
    painter.drawLine(QPointF(134, 59), QPointF(156, 59));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x8e, 0xa3, 0xbd, 120));
    painter.drawPath(arrowHead(QPointF(162, 59), 0, 6, 3.5));

    paintGauge(painter, QPointF(258, 94), 74);
    painter.end();
    return image;
}

void SettingsPainter::paintPropeller(QPainter &painter, const QPointF &centre, qreal radius)
{
    painter.save();
    painter.translate(centre);

    // The blur disc the turning blades sweep.
    QRadialGradient disc(QPointF(0, 0), radius);
    disc.setColorAt(0.0, QColor(0xc9, 0xdd, 0xea, 0));
    disc.setColorAt(0.3, QColor(0xc9, 0xdd, 0xea, 10));
    disc.setColorAt(0.85, QColor(0xc9, 0xdd, 0xea, 38));
    disc.setColorAt(0.97, QColor(0xc9, 0xdd, 0xea, 60));
    disc.setColorAt(1.0, QColor(0xc9, 0xdd, 0xea, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x7f, 0xe9, 0xe9, 70), 1.0));
    painter.drawEllipse(QPointF(0, 0), radius - 0.5, radius - 0.5);

    // One blade along +x: a slim airfoil, widest a third of the way out.
    const qreal r = radius - 2;
    QPainterPath blade;
    blade.moveTo(9, -4.5);
    blade.cubicTo(r * 0.35, -10.5, r * 0.75, -8.0, r - 2, -3.5);
    blade.quadTo(r + 1, 0, r - 2, 2.8);
    blade.cubicTo(r * 0.75, 5.0, r * 0.35, 6.5, 9, 4.5);
    blade.closeSubpath();

    // Motion trails behind each blade, fading with the angle.
    const qreal bladeAngle = -28.0;
    painter.setPen(Qt::NoPen);
    for (int k = 6; k >= 1; --k) {
        painter.save();
        painter.rotate(bladeAngle + k * 7.0);
        painter.setBrush(QColor(0xc9, 0xdd, 0xea, 34 - 4 * k));
        painter.drawPath(blade);
        painter.rotate(180);
        painter.drawPath(blade);
        painter.restore();
    }
    for (int side = 0; side < 2; ++side) {
        painter.save();
        painter.rotate(bladeAngle + side * 180.0);
        QLinearGradient fill(0, -10, 0, 7);
        fill.setColorAt(0.0, QColor(0xf4, 0xf8, 0xfb));
        fill.setColorAt(0.5, QColor(0xc9, 0xd6, 0xe2));
        fill.setColorAt(1.0, QColor(0x6f, 0x82, 0x9b));
        painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 160), 1.0));
        painter.setBrush(fill);
        painter.drawPath(blade);
        painter.restore();
    }

    // Motor bell with cooling slots and a teal spinner.
    QPainterPath bell;
    bell.addEllipse(QPointF(0, 0), 14, 14);
    ImageEffects::paintShadow(painter, bell, QColor(0, 0, 0, 150), QPointF(0, 1.5), 2);
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 200), 1.0));
    painter.setBrush(steelDisc(QPointF(0, 0), 14));
    painter.drawPath(bell);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x0c, 0x17, 0x28, 200));
    for (int i = 0; i < 6; ++i)
        painter.drawPath(ringSector(QPointF(0, 0), 8.5, 11.8, i * 60.0 + 12.0, 34.0));
    painter.setPen(QPen(QColor(0, 0, 0, 140), 0.8));
    QRadialGradient spinner(QPointF(-1.5, -1.5), 7);
    spinner.setColorAt(0.0, ArtPalette::tealLight);
    spinner.setColorAt(1.0, ArtPalette::tealDark);
    painter.setBrush(spinner);
    painter.drawEllipse(QPointF(0, 0), 5.5, 5.5);

    // Turning arrows on the rim, clockwise like the blades' trails.
    painter.setBrush(Qt::NoBrush);
    const qreal arcRadius = radius + 6.0;
    const QRectF arcRect(-arcRadius, -arcRadius, 2 * arcRadius, 2 * arcRadius);
    for (qreal start : {150.0, -30.0}) {
        QPainterPath arc;
        arc.arcMoveTo(arcRect, start);
        arc.arcTo(arcRect, start, -62.0);
        painter.setPen(QPen(ArtPalette::teal, 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(arc);
        const qreal end = start - 66.0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(ArtPalette::teal);
        painter.drawPath(arrowHead(polar(QPointF(0, 0), arcRadius, end), end - 90.0, 7, 4));
        painter.setBrush(Qt::NoBrush);
    }
    painter.restore();
}

void SettingsPainter::paintGauge(QPainter &painter, const QPointF &centre, qreal radius)
{
    const qreal band = 15.0;
    const qreal inner = radius - band;
    const qreal start = 160.0;
    const qreal span = 140.0;
    const qreal step = span / levelCount;

    // The groove the segments sit in.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x05, 0x0b, 0x15, 200));
    painter.drawPath(ringSector(centre, inner - 2.5, radius + 2.5, start + 1.5, -span - 3.0));

    const QFont figures = FontKit::font(10, QFont::Bold);
    for (int i = 0; i < levelCount; ++i) {
        const int level = i + 1;
        const QColor colour = levelColor(level);
        const QPainterPath segment =
            ringSector(centre, inner, radius, start - i * step - 1.2, -step + 2.4);
        if (level == 3)
            ImageEffects::paintShadow(painter, segment, QColor(0x3c, 0xd6, 0x8c, 150),
                                      QPointF(0, 0), 4);
        QRadialGradient fill(centre, radius);
        fill.setColorAt(inner / radius, colour.darker(130));
        fill.setColorAt(1.0, colour.lighter(125));
        painter.setPen(QPen(QColor(0, 0, 0, 110), 0.8));
        painter.setBrush(fill);
        painter.drawPath(segment);

        const qreal middle = start - (i + 0.5) * step;
        painter.setFont(figures);
        painter.setPen(ArtPalette::navyDeep);
        const QPointF at = polar(centre, inner + band / 2.0, middle);
        painter.drawText(QRectF(at.x() - 8, at.y() - 7, 16, 14.5), Qt::AlignCenter,
                         QString::number(level));

        // A tick outside each segment, longer on the recommended one.
        painter.setPen(QPen(level == 3 ? ArtPalette::glyph : ArtPalette::mist,
                            level == 3 ? 1.6 : 1.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(polar(centre, radius + 4.5, middle),
                         polar(centre, radius + (level == 3 ? 11.0 : 8.0), middle));
    }

    const QFont ends = FontKit::font(9, QFont::Bold, 1.0);
    paintLabel(painter, polar(centre, inner + band / 2.0, start) + QPointF(0, 16),
               QStringLiteral("LOW"), ends, levelColor(1).lighter(130));
    paintLabel(painter, polar(centre, inner + band / 2.0, start - span) + QPointF(0, 16),
               QStringLiteral("HIGH"), ends, levelColor(5));

    // Needle on the recommended level, then the hub.
    const qreal needleAngle = start - 2.5 * step;
    painter.save();
    painter.translate(centre);
    painter.rotate(90.0 - needleAngle);
    QPainterPath needle;
    needle.moveTo(-3.2, 0);
    needle.lineTo(-1.0, -(inner - 6));
    needle.lineTo(0, -(inner - 3));
    needle.lineTo(1.0, -(inner - 6));
    needle.lineTo(3.2, 0);
    needle.lineTo(0, 9);
    needle.closeSubpath();
    ImageEffects::paintShadow(painter, needle, QColor(0, 0, 0, 150), QPointF(1, 1.5), 1);
    painter.setPen(QPen(QColor(0, 0, 0, 150), 0.8));
    painter.setBrush(ArtPalette::amber);
    painter.drawPath(needle);
    painter.restore();

    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 200), 1.0));
    painter.setBrush(steelDisc(centre, 7));
    painter.drawEllipse(centre, 7, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtPalette::navyDark);
    painter.drawEllipse(centre, 2.2, 2.2);

    paintLabel(painter, centre + QPointF(0, 16), QStringLiteral("IDLE"),
               FontKit::font(9, QFont::Bold, 1.5), ArtPalette::mist);
}

QImage SettingsPainter::levelTrack()
{
    QImage image = ImageEffects::transparentCanvas(QSize(360, 50));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    PanelKit::paintPanel(painter, QRectF(1, 1, 358, 46.5), 12);

    const qreal socketWidth = levelButtonWidth + 4.0;
    const qreal socketHeight = levelButtonHeight + 4.0;
    for (int i = 0; i < levelCount; ++i) {
        const QPointF centre(firstLevelCentreX + i * levelPitch, levelCentreY);
        const QRectF socket(centre.x() - socketWidth / 2, centre.y() - socketHeight / 2,
                            socketWidth, socketHeight);
        // A recess: dark well, shadow along its top, a lit lip along its bottom.
        QLinearGradient well(0, socket.top(), 0, socket.bottom());
        well.setColorAt(0.0, QColor(0x03, 0x07, 0x0e));
        well.setColorAt(0.3, QColor(0x07, 0x0d, 0x18));
        well.setColorAt(1.0, QColor(0x0c, 0x17, 0x28));
        painter.setPen(Qt::NoPen);
        painter.setBrush(well);
        painter.drawRoundedRect(socket, 7, 7);
        // The lower lip of the well glows in the level's colour, just visible under the button.
        QColor lip = levelColor(i + 1);
        QColor clear = lip;
        lip.setAlpha(220);
        clear.setAlpha(0);
        QLinearGradient lipFill(socket.left(), 0, socket.right(), 0);
        lipFill.setColorAt(0.0, clear);
        lipFill.setColorAt(0.25, lip);
        lipFill.setColorAt(0.75, lip);
        lipFill.setColorAt(1.0, clear);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QBrush(lipFill), 1.2));
        painter.drawLine(QPointF(socket.left() + 4, socket.bottom() - 1.0),
                         QPointF(socket.right() - 4, socket.bottom() - 1.0));
        painter.setPen(QPen(QColor(255, 255, 255, 30), 1.0));
        painter.drawLine(QPointF(socket.left() + 6, socket.bottom() + 0.5),
                         QPointF(socket.right() - 6, socket.bottom() + 0.5));
    }

    // Chevrons between the sockets: the idle speed rises from left to right.
    for (int i = 0; i + 1 < levelCount; ++i) {
        const qreal x = firstLevelCentreX + (i + 0.5) * levelPitch;
        const QColor colour = mix(levelColor(i + 1), levelColor(i + 2), 0.5);
        painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        QPainterPath chevron;
        chevron.moveTo(x - 2, levelCentreY - 4.5);
        chevron.lineTo(x + 2.5, levelCentreY);
        chevron.lineTo(x - 2, levelCentreY + 4.5);
        painter.drawPath(chevron);
    }
    painter.end();
    return image;
}

QImage SettingsPainter::levelButton(bool lit)
{
    QImage image = ImageEffects::transparentCanvas(QSize(levelButtonWidth, levelButtonHeight));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF body(0.5, 0.5, levelButtonWidth - 1.0, levelButtonHeight - 1.0);
    QLinearGradient fill(0, body.top(), 0, body.bottom());
    if (lit) {
        fill.setColorAt(0.0, QColor(0xff, 0x9a, 0x5a));
        fill.setColorAt(0.48, QColor(0xf2, 0x5a, 0x2c));
        fill.setColorAt(0.52, QColor(0xdc, 0x3e, 0x1e));
        fill.setColorAt(1.0, QColor(0xa2, 0x1e, 0x0e));
    } else {
        fill.setColorAt(0.0, QColor(0x5a, 0x6e, 0x8c));
        fill.setColorAt(0.48, QColor(0x36, 0x48, 0x62));
        fill.setColorAt(0.52, QColor(0x2c, 0x3d, 0x55));
        fill.setColorAt(1.0, QColor(0x1a, 0x27, 0x3a));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(body, 5, 5);

    if (lit) {
        // The glow of a lamp behind the face, strongest at the bottom.
        QRadialGradient glow(QPointF(body.center().x(), body.bottom() + 4), 30);
        glow.setColorAt(0.0, QColor(0xff, 0xd2, 0x7a, 150));
        glow.setColorAt(1.0, QColor(0xff, 0xd2, 0x7a, 0));
        painter.setBrush(glow);
        painter.drawRoundedRect(body, 5, 5);
    }

    // Bevel: a lit rim fading down the sides, a dark line along the bottom.
    const QRectF rim = body.adjusted(1.0, 1.0, -1.0, -1.0);
    QLinearGradient light(0, rim.top(), 0, rim.bottom());
    light.setColorAt(0.0, QColor(255, 255, 255, lit ? 170 : 110));
    light.setColorAt(0.45, QColor(255, 255, 255, lit ? 40 : 22));
    light.setColorAt(0.55, QColor(0, 0, 0, 0));
    light.setColorAt(1.0, QColor(0, 0, 0, lit ? 70 : 90));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(light), 1.0));
    painter.drawRoundedRect(rim, 4, 4);
    painter.setPen(QPen(lit ? QColor(0x4a, 0x0c, 0x04) : QColor(0x07, 0x0d, 0x18), 1.0));
    painter.drawRoundedRect(body, 5, 5);

    // The indicator slot: dark when off, a bright lamp when on.
    const QRectF lamp(body.center().x() - 9, body.bottom() - 8.5, 18, 3.5);
    QPainterPath lampPath;
    lampPath.addRoundedRect(lamp, 1.75, 1.75);
    if (lit) {
        ImageEffects::paintShadow(painter, lampPath, QColor(0xff, 0xf0, 0xb0, 230), QPointF(0, 0),
                                  2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xff, 0xfa, 0xe6));
    } else {
        painter.setPen(QPen(QColor(255, 255, 255, 40), 0.8));
        painter.setBrush(QColor(0x0a, 0x13, 0x22));
    }
    painter.drawPath(lampPath);
    painter.end();
    return image;
}

QImage SettingsPainter::currentVoltage()
{
    QImage image = ImageEffects::transparentCanvas(QSize(200, 120));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    PanelKit::paintPanel(painter, QRectF(1, 1, 198, 116), 9);
    painter.translate(0, 3);
    paintBattery(painter);
    paintVoltmeter(painter, QPointF(150, 58), 37);
    painter.end();
    return image;
}

void SettingsPainter::paintBattery(QPainter &painter)
{
    // The power leads first, so that the pack and the meter's bezel cover their ends.
    const QPointF redStart(96, 55);
    const QPointF blackStart(96, 65);
    painter.setBrush(Qt::NoBrush);
    QPainterPath red;
    red.moveTo(redStart);
    red.cubicTo(QPointF(116, 55), QPointF(114, 100), QPointF(140, 88));
    QPainterPath black;
    black.moveTo(blackStart);
    black.cubicTo(QPointF(112, 65), QPointF(120, 108), QPointF(156, 90));
    for (const auto &lead : {std::make_pair(black, QColor(0x3c, 0x44, 0x50)),
                             std::make_pair(red, QColor(0xe0, 0x3a, 0x2a))}) {
        painter.setPen(QPen(QColor(0, 0, 0, 150), 4.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(lead.first);
        painter.setPen(QPen(lead.second, 2.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(lead.first);
        painter.setPen(QPen(QColor(255, 255, 255, 60), 0.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(lead.first.translated(0, -0.8));
    }

    // The pack: a steel casing, a terminal cap, four cells of charge and a lightning bolt.
    const QRectF pack(14, 34, 80, 46);
    QPainterPath casing;
    casing.addRoundedRect(pack, 6, 6);
    casing.addRoundedRect(QRectF(pack.right() - 2, pack.center().y() - 9, 7, 18), 2, 2);
    casing.setFillRule(Qt::WindingFill);
    ImageEffects::paintShadow(painter, casing, QColor(0, 0, 0, 170), QPointF(0, 2), 2);
    QLinearGradient metal(0, pack.top(), 0, pack.bottom());
    metal.setColorAt(0.0, QColor(0x9c, 0xac, 0xbe));
    metal.setColorAt(0.12, QColor(0x5a, 0x6e, 0x8c));
    metal.setColorAt(1.0, QColor(0x22, 0x31, 0x48));
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 220), 1.0));
    painter.setBrush(metal);
    painter.drawPath(casing.simplified());

    const QRectF window = pack.adjusted(5, 5, -5, -5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x05, 0x0b, 0x15));
    painter.drawRoundedRect(window, 3, 3);
    const int cells = 4;
    const qreal gap = 3.0;
    const qreal cellWidth = (window.width() - gap * (cells + 1)) / cells;
    for (int i = 0; i < cells; ++i) {
        const QRectF cell(window.left() + gap + i * (cellWidth + gap), window.top() + gap,
                          cellWidth, window.height() - 2 * gap);
        QLinearGradient charge(0, cell.top(), 0, cell.bottom());
        if (i < 3) {
            charge.setColorAt(0.0, ArtPalette::tealLight);
            charge.setColorAt(1.0, ArtPalette::tealDark);
        } else {
            charge.setColorAt(0.0, QColor(0x1d, 0x30, 0x4b));
            charge.setColorAt(1.0, QColor(0x13, 0x23, 0x3a));
        }
        painter.setBrush(charge);
        painter.drawRoundedRect(cell, 1.5, 1.5);
    }

    QPainterPath bolt;
    const QPointF c = pack.center() + QPointF(0, 0);
    bolt.moveTo(c + QPointF(4, -22));
    bolt.lineTo(c + QPointF(-9, 3));
    bolt.lineTo(c + QPointF(-1, 3));
    bolt.lineTo(c + QPointF(-5, 22));
    bolt.lineTo(c + QPointF(10, -4));
    bolt.lineTo(c + QPointF(2, -4));
    bolt.lineTo(c + QPointF(7, -22));
    bolt.closeSubpath();
    ImageEffects::paintShadow(painter, bolt, QColor(0xff, 0xb3, 0x30, 160), QPointF(0, 0), 3);
    QLinearGradient boltFill(0, c.y() - 22, 0, c.y() + 22);
    boltFill.setColorAt(0.0, QColor(0xff, 0xe8, 0xa8));
    boltFill.setColorAt(1.0, ArtPalette::amber);
    painter.setPen(
        QPen(QColor(0x3a, 0x22, 0x00, 220), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(boltFill);
    painter.drawPath(bolt);

    // The pack's chemistry, printed under it.
    painter.setFont(FontKit::font(9, QFont::Bold));
    painter.setPen(ArtPalette::mist);
    painter.drawText(QRectF(pack.left(), pack.bottom() + 4, pack.width(), 12), Qt::AlignCenter,
                     QStringLiteral("LiPo"));
}

void SettingsPainter::paintVoltmeter(QPainter &painter, const QPointF &centre, qreal radius)
{
    QPainterPath bezel;
    bezel.addEllipse(centre, radius, radius);
    ImageEffects::paintShadow(painter, bezel, QColor(0, 0, 0, 180), QPointF(0, 2), 3);
    QLinearGradient ring(0, centre.y() - radius, 0, centre.y() + radius);
    ring.setColorAt(0.0, QColor(0xb8, 0xc6, 0xd4));
    ring.setColorAt(0.5, QColor(0x4a, 0x5d, 0x78));
    ring.setColorAt(1.0, QColor(0x1c, 0x29, 0x3b));
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 220), 1.0));
    painter.setBrush(ring);
    painter.drawPath(bezel);

    const qreal face = radius - 5.0;
    QRadialGradient faceFill(centre - QPointF(0, face * 0.3), face * 1.2);
    faceFill.setColorAt(0.0, QColor(0x1d, 0x30, 0x4b));
    faceFill.setColorAt(1.0, ArtPalette::navyDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(faceFill);
    painter.drawEllipse(centre, face, face);

    // Scale from 225 to -45 degrees: red when low, amber, then teal.
    const qreal start = 225.0;
    const qreal span = 270.0;
    const qreal scale = face - 4.0;
    struct Zone
    {
        qreal from;
        qreal to;
        QColor colour;
    };
    const Zone zones[] = {{0.0, 0.2, QColor(0xff, 0x4a, 0x3a)},
                          {0.2, 0.38, ArtPalette::amber},
                          {0.38, 1.0, ArtPalette::teal}};
    for (const Zone &zone : zones) {
        painter.setBrush(zone.colour);
        painter.drawPath(ringSector(centre, scale - 3.0, scale, start - zone.from * span,
                                    -(zone.to - zone.from) * span));
    }
    for (int i = 0; i <= 10; ++i) {
        const qreal a = start - i * span / 10.0;
        const bool major = i % 5 == 0;
        painter.setPen(QPen(ArtPalette::glyphShade, major ? 1.4 : 0.9, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(polar(centre, scale - 4.0, a), polar(centre, scale - (major ? 9 : 7), a));
    }

    painter.setFont(FontKit::font(14, QFont::Bold));
    painter.setPen(ArtPalette::glyph);
    painter.drawText(QRectF(centre.x() - 12, centre.y() + 6, 24, 18), Qt::AlignCenter,
                     QStringLiteral("V"));

    // Needle in the healthy range, with a hub.
    const qreal value = 0.74;
    painter.save();
    painter.translate(centre);
    painter.rotate(90.0 - (start - value * span));
    QPainterPath needle;
    needle.moveTo(-2.4, 0);
    needle.lineTo(0, -(scale - 3));
    needle.lineTo(2.4, 0);
    needle.lineTo(0, 6);
    needle.closeSubpath();
    painter.setPen(QPen(QColor(0, 0, 0, 150), 0.7));
    painter.setBrush(ArtPalette::amber);
    painter.drawPath(needle);
    painter.restore();
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 200), 0.8));
    painter.setBrush(steelDisc(centre, 4.5));
    painter.drawEllipse(centre, 4.5, 4.5);

    // Glass.
    QPainterPath glare;
    glare.addEllipse(
        QRectF(centre.x() - face * 0.75, centre.y() - face * 0.95, face * 1.5, face * 0.9));
    QLinearGradient glareFill(0, centre.y() - face, 0, centre.y());
    glareFill.setColorAt(0.0, QColor(255, 255, 255, 40));
    glareFill.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glareFill);
    painter.drawPath(glare);
}

QImage SettingsPainter::switchPosition(int position)
{
    QImage image = ImageEffects::transparentCanvas(QSize(110, 110));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    PanelKit::paintPanel(painter, QRectF(1, 1, 108, 106), 10);

    const QPointF pivot(55, 80);
    const qreal throwDegrees = 42.0;
    const qreal markRadius = 47.0;
    const qreal labelRadius = 62.0;
    auto angleOf = [&](int p) { return 90.0 + (2 - p) * throwDegrees; };

    // The travel: a faint arc through the three positions, and a lit wedge toward the active one.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x8e, 0xa3, 0xbd, 70), 1.2, Qt::DashLine, Qt::RoundCap));
    const QRectF travel(pivot.x() - markRadius, pivot.y() - markRadius, 2 * markRadius,
                        2 * markRadius);
    painter.drawArc(travel, qRound(angleOf(3) * 16), qRound(2 * throwDegrees * 16));
    QRadialGradient wedgeFill(pivot, markRadius);
    wedgeFill.setColorAt(0.0, QColor(0, 204, 204, 0));
    wedgeFill.setColorAt(1.0, QColor(0, 204, 204, 70));
    QPainterPath wedge;
    wedge.moveTo(pivot);
    wedge.arcTo(travel, angleOf(position) - 12.0, 24.0);
    wedge.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(wedgeFill);
    painter.drawPath(wedge);

    for (int p = 1; p <= 3; ++p) {
        const bool active = p == position;
        const QPointF mark = polar(pivot, markRadius, angleOf(p));
        QPainterPath dot;
        dot.addEllipse(mark, 5.0, 5.0);
        if (active) {
            ImageEffects::paintShadow(painter, dot, QColor(0, 230, 230, 220), QPointF(0, 0), 3);
            painter.setPen(QPen(ArtPalette::tealLight, 1.0));
            painter.setBrush(ArtPalette::teal);
        } else {
            painter.setPen(QPen(QColor(0x8e, 0xa3, 0xbd, 150), 1.2));
            painter.setBrush(ArtPalette::navyDeep);
        }
        painter.drawPath(dot);
        if (active) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawEllipse(mark, 1.8, 1.8);
        }
        const QPointF at = polar(pivot, labelRadius, angleOf(p));
        painter.setFont(FontKit::font(active ? 13 : 11, QFont::Bold));
        painter.setPen(active ? ArtPalette::tealLight : QColor(0x8e, 0xa3, 0xbd, 170));
        painter.drawText(QRectF(at.x() - 9, at.y() - 8, 18, 16), Qt::AlignCenter,
                         QString::number(p));
    }

    // The mounting: a dark washer and a hexagonal nut.
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 220), 1.0));
    QLinearGradient washer(0, pivot.y() - 17, 0, pivot.y() + 17);
    washer.setColorAt(0.0, QColor(0x3a, 0x4d, 0x66));
    washer.setColorAt(1.0, QColor(0x0c, 0x17, 0x28));
    painter.setBrush(washer);
    painter.drawEllipse(pivot, 17, 17);
    QPolygonF nut;
    for (int i = 0; i < 6; ++i)
        nut << polar(pivot, 12.5, 30.0 + i * 60.0);
    painter.setBrush(steelDisc(pivot, 12.5));
    painter.drawPolygon(nut);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(pivot, 8.5, 8.5);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x05, 0x0b, 0x15));
    painter.drawEllipse(pivot, 4.5, 4.5);

    // The lever, thrown toward the active position out of the nut's bore.
    painter.save();
    painter.translate(pivot);
    painter.rotate(90.0 - angleOf(position));
    const qreal length = 30.0;
    QPainterPath lever;
    lever.moveTo(-4.2, 2);
    lever.lineTo(-2.6, -length);
    lever.lineTo(2.6, -length);
    lever.lineTo(4.2, 2);
    lever.closeSubpath();
    QPainterPath tip;
    tip.addEllipse(QPointF(0, -length - 2), 5.6, 5.6);
    QPainterPath whole = lever.united(tip);
    ImageEffects::paintShadow(painter, whole, QColor(0, 0, 0, 170), QPointF(2, 2.5), 2);
    QLinearGradient chrome(-4.2, 0, 4.2, 0);
    chrome.setColorAt(0.0, QColor(0x4a, 0x5d, 0x78));
    chrome.setColorAt(0.35, QColor(0xf4, 0xf8, 0xfb));
    chrome.setColorAt(0.6, QColor(0xb8, 0xc6, 0xd4));
    chrome.setColorAt(1.0, QColor(0x3a, 0x4d, 0x66));
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 200), 0.9));
    painter.setBrush(chrome);
    painter.drawPath(lever);
    QRadialGradient ball(QPointF(-1.8, -length - 4), 7);
    ball.setColorAt(0.0, Qt::white);
    ball.setColorAt(0.5, QColor(0xc9, 0xd6, 0xe2));
    ball.setColorAt(1.0, QColor(0x4a, 0x5d, 0x78));
    painter.setBrush(ball);
    painter.drawPath(tip);
    painter.restore();
    painter.end();
    return image;
}
