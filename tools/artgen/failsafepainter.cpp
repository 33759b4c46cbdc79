#include "failsafepainter.h"

#include "artpalette.h"
#include "fontkit.h"
#include "imageeffects.h"
#include "panelkit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

constexpr int width = 360;
constexpr int height = 200;
const QRectF plate(1, 1, 358, 196);
constexpr qreal plateRadius = 10.0;
constexpr qreal groundY = 160.0;

const QColor pathColour = ArtPalette::teal;
const QColor lostColour(0xff, 0x4a, 0x3a);

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QPainterPath arrowHead(const QPointF &tip, const QPointF &from, qreal length, qreal halfWidth)
{
    const QPointF d = tip - from;
    const qreal norm = qSqrt(d.x() * d.x() + d.y() * d.y());
    const QPointF u = d / norm;
    const QPointF n(-u.y(), u.x());
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(tip - u * length + n * halfWidth);
    path.lineTo(tip - u * length - n * halfWidth);
    path.closeSubpath();
    return path;
}

// A flight path: a glowing teal line with an arrow head at its end.
void paintRoute(QPainter &painter, const QPainterPath &route, const QPointF &beforeEnd)
{
    QPainterPathStroker stroker;
    stroker.setWidth(2.4);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    ImageEffects::paintShadow(painter, stroker.createStroke(route), QColor(0, 204, 204, 120),
                              QPointF(0, 0), 3);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(pathColour, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(route);
    const QPointF end = route.currentPosition();
    painter.setPen(Qt::NoPen);
    painter.setBrush(pathColour);
    painter.drawPath(arrowHead(end, beforeEnd, 10, 5));
}

} // namespace

QString FailsafePainter::suffix(Language language)
{
    switch (language) {
    case Language::English:
        return QStringLiteral("en");
    case Language::Chinese:
        return QStringLiteral("zh");
    case Language::German:
        return QStringLiteral("ge");
    }
    return QString();
}

FailsafePainter::Captions FailsafePainter::captions(Language language)
{
    switch (language) {
    case Language::Chinese:
        return {QStringLiteral("信号丢失"), QStringLiteral("原地悬停"),
                QStringLiteral("爬升至返航高度"), QStringLiteral("返航"), QStringLiteral("降落")};
    case Language::German:
        return {QStringLiteral("Signal verloren"), QStringLiteral("Position halten"),
                QStringLiteral("Auf Rückkehrhöhe steigen"), QStringLiteral("Rückflug"),
                QStringLiteral("Landung")};
    case Language::English:
        break;
    }
    return {QStringLiteral("Signal lost"), QStringLiteral("Hover in place"),
            QStringLiteral("Climb to go-home altitude"), QStringLiteral("Return home"),
            QStringLiteral("Land")};
}

namespace {

QString allText(const QStringList &parts)
{
    return parts.join(QString());
}

} // namespace

QFont FailsafePainter::captionFont(Language language)
{
    if (language != Language::Chinese)
        return FontKit::font(11, QFont::Bold);
    const Captions c = captions(language);
    const QString family = FontKit::chineseFamily(
        allText({c.signalLost, c.hoverInPlace, c.climb, c.returnHome, c.land}));
    return FontKit::withFamily(family.isEmpty() ? QStringLiteral("DejaVu Sans") : family, 13,
                               QFont::Bold);
}

bool FailsafePainter::checkLettering(Language language, QString *error)
{
    const Captions c = captions(language);
    const QString text = allText({c.signalLost, c.hoverInPlace, c.climb, c.returnHome, c.land});
    if (language == Language::Chinese && FontKit::chineseFamily(text).isEmpty()) {
        *error = QStringLiteral("no installed font has Chinese glyphs for \"%1\" (tried %2); "
                                "install fonts-wqy-microhei")
                     .arg(text, FontKit::chineseCandidates().join(QStringLiteral(", ")));
        return false;
    }
    const QFont font = captionFont(language);
    const QString missing = FontKit::missingCharacters(font, text);
    if (!missing.isEmpty()) {
        *error = QStringLiteral("the font %1 has no glyphs for \"%2\" of the %3 captions")
                     .arg(font.family(), missing, suffix(language));
        return false;
    }
    return true;
}

QImage FailsafePainter::scene()
{
    QImage image = ImageEffects::transparentCanvas(QSize(width, height));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PanelKit::paintPanel(painter, plate, plateRadius);

    QPainterPath clip;
    clip.addRoundedRect(plate.adjusted(1, 1, -1, -1), plateRadius - 1, plateRadius - 1);
    painter.setClipPath(clip);

    // The ground: a darker band with a faint perspective grid, under a teal horizon.
    const QRectF ground(plate.left(), groundY, plate.width(), plate.bottom() - groundY);
    QLinearGradient earth(0, ground.top(), 0, ground.bottom());
    earth.setColorAt(0.0, QColor(0x10, 0x1f, 0x33));
    earth.setColorAt(1.0, QColor(0x06, 0x0c, 0x17));
    painter.fillRect(ground, earth);
    const QPointF vanishing(width / 2.0, groundY - 60.0);
    for (int i = -12; i <= 12; ++i) {
        const QPointF foot(vanishing.x() + i * 46.0, plate.bottom() + 20.0);
        const qreal t = (groundY - vanishing.y()) / (foot.y() - vanishing.y());
        painter.setPen(QPen(QColor(0, 204, 204, 26), 1.0));
        painter.drawLine(vanishing + (foot - vanishing) * t, foot);
    }
    for (qreal y : {groundY + 9.0, groundY + 22.0}) {
        painter.setPen(QPen(QColor(0, 204, 204, 20), 1.0));
        painter.drawLine(QPointF(plate.left(), y), QPointF(plate.right(), y));
    }
    QLinearGradient horizon(plate.left(), 0, plate.right(), 0);
    horizon.setColorAt(0.0, QColor(0, 204, 204, 30));
    horizon.setColorAt(0.5, QColor(0, 204, 204, 150));
    horizon.setColorAt(1.0, QColor(0, 204, 204, 30));
    painter.fillRect(QRectF(plate.left(), groundY, plate.width(), 1.0), horizon);
    painter.end();
    return image;
}

void FailsafePainter::paintCraft(QPainter &painter, const QPointF &centre, qreal opacity)
{
    // A quadcopter seen from the side: body and canopy, arms, motors, spinning rotor discs and
    // landing gear; amber and teal navigation lights.
    painter.save();
    painter.setOpacity(opacity);
    painter.translate(centre);

    QPainterPath solid;
    solid.addRoundedRect(QRectF(-13, -4, 26, 10), 3.5, 3.5);
    QPainterPath canopy;
    canopy.moveTo(-9, -3);
    canopy.cubicTo(-7, -10, 7, -10, 9, -3);
    canopy.closeSubpath();
    solid.addPath(canopy);
    solid.addRect(QRectF(-30, -2, 60, 3));
    for (int side : {-1, 1})
        solid.addRoundedRect(QRectF(side * 28 - 3.5, -8, 7, 8), 1.5, 1.5);
    solid.setFillRule(Qt::WindingFill);
    const QPainterPath body = solid.simplified();

    // Landing gear behind the body.
    painter.setPen(QPen(QColor(0x8e, 0xa3, 0xbd), 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-7, 5), QPointF(-12, 14));
    painter.drawLine(QPointF(7, 5), QPointF(12, 14));
    painter.setPen(QPen(QColor(0xc9, 0xdd, 0xea), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-17, 14), QPointF(-7, 14));
    painter.drawLine(QPointF(7, 14), QPointF(17, 14));

    if (opacity > 0.9)
        ImageEffects::paintShadow(painter, body, QColor(0, 0, 0, 160), QPointF(0, 2), 2);
    QLinearGradient fill(0, -10, 0, 6);
    fill.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    fill.setColorAt(0.5, QColor(0xdc, 0xe8, 0xf1));
    fill.setColorAt(1.0, QColor(0x8e, 0xa3, 0xbd));
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 200), 1.0));
    painter.setBrush(fill);
    painter.drawPath(body);

    // Rotor discs: flat, translucent, with a blade glint.
    for (int side : {-1, 1}) {
        const QPointF hub(side * 28, -10);
        QLinearGradient disc(hub.x() - 15, 0, hub.x() + 15, 0);
        disc.setColorAt(0.0, QColor(0xc9, 0xdd, 0xea, 30));
        disc.setColorAt(0.5, QColor(0xc9, 0xdd, 0xea, 140));
        disc.setColorAt(1.0, QColor(0xc9, 0xdd, 0xea, 30));
        painter.setPen(Qt::NoPen);
        painter.setBrush(disc);
        painter.drawEllipse(hub, 15, 2.2);
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(hub + QPointF(-9, 0.4), hub + QPointF(5, -0.4));
        painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 200), 0.8));
        painter.setBrush(QColor(0x3a, 0x4d, 0x66));
        painter.drawRect(QRectF(hub.x() - 1, hub.y(), 2, 2));
    }

    // Camera window on the canopy and the navigation lights.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtPalette::navyLight);
    painter.drawRoundedRect(QRectF(1, -7.5, 6, 3), 1.2, 1.2);
    painter.setBrush(ArtPalette::amber);
    painter.drawEllipse(QPointF(-11, 2), 1.4, 1.4);
    painter.setBrush(ArtPalette::teal);
    painter.drawEllipse(QPointF(11, 2), 1.4, 1.4);
    painter.restore();
}

void FailsafePainter::paintTransmitter(QPainter &painter, const QPointF &centre)
{
    painter.save();
    painter.translate(centre);

    // The antenna first, out of the case's upper right corner.
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 200), 3.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13, -10), QPointF(21, -30));
    painter.setPen(QPen(QColor(0xb8, 0xc6, 0xd4), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13, -10), QPointF(21, -30));

    QPainterPath body;
    body.addRoundedRect(QRectF(-21, -12, 42, 25), 6, 6);
    ImageEffects::paintShadow(painter, body, QColor(0, 0, 0, 160), QPointF(0, 2), 2);
    QLinearGradient fill(0, -12, 0, 13);
    fill.setColorAt(0.0, QColor(0x9c, 0xac, 0xbe));
    fill.setColorAt(0.15, QColor(0x5a, 0x6e, 0x8c));
    fill.setColorAt(1.0, QColor(0x22, 0x31, 0x48));
    painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 220), 1.0));
    painter.setBrush(fill);
    painter.drawPath(body);

    // Two stick gimbals and a small screen.
    for (int side : {-1, 1}) {
        const QPointF gimbal(side * 11.5, 2);
        painter.setPen(QPen(QColor(0x05, 0x0c, 0x18, 200), 0.8));
        painter.setBrush(QColor(0x0c, 0x17, 0x28));
        painter.drawEllipse(gimbal, 6, 6);
        painter.setPen(QPen(QColor(0xdc, 0xe8, 0xf1), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(gimbal, gimbal + QPointF(side * -1.5, -4));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(gimbal + QPointF(side * -1.5, -4), 1.8, 1.8);
    }
    painter.setBrush(ArtPalette::tealDark);
    painter.drawRoundedRect(QRectF(-3.5, -8, 7, 5), 1, 1);
    painter.restore();
}

void FailsafePainter::paintSignalLost(QPainter &painter, const QPointF &centre)
{
    QPainterPath badge;
    badge.addEllipse(centre, 9, 9);
    ImageEffects::paintShadow(painter, badge, withAlpha(lostColour, 150), QPointF(0, 0), 3);
    QRadialGradient fill(centre - QPointF(3, 3), 12);
    fill.setColorAt(0.0, QColor(0xff, 0x8a, 0x70));
    fill.setColorAt(1.0, QColor(0xd0, 0x28, 0x1c));
    painter.setPen(QPen(QColor(0x3a, 0x05, 0x02, 200), 1.0));
    painter.setBrush(fill);
    painter.drawPath(badge);
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-3.6, -3.6), centre + QPointF(3.6, 3.6));
    painter.drawLine(centre + QPointF(-3.6, 3.6), centre + QPointF(3.6, -3.6));
}

void FailsafePainter::paintHomePad(QPainter &painter, const QPointF &centre)
{
    // The home point: a landing pad seen at a low angle, with its "H".
    painter.save();
    painter.translate(centre);
    QRadialGradient glow(QPointF(0, 0), 34);
    glow.setColorAt(0.0, QColor(0, 204, 204, 70));
    glow.setColorAt(1.0, QColor(0, 204, 204, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(0, 0), 40, 12);
    painter.setBrush(QColor(0x0c, 0x17, 0x28, 230));
    painter.setPen(QPen(ArtPalette::teal, 1.6));
    painter.drawEllipse(QPointF(0, 0), 30, 9);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 204, 204, 110), 1.0));
    painter.drawEllipse(QPointF(0, 0), 24, 6.8);

    QPainterPath letter;
    const QFont font = FontKit::font(22, QFont::Black);
    letter.addText(0, 0, font, QStringLiteral("H"));
    const QRectF bounds = letter.boundingRect();
    QTransform squash;
    squash.scale(1.0, 0.42);
    squash.translate(-bounds.center().x(), -bounds.center().y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtPalette::glyph);
    painter.drawPath(squash.map(letter));
    painter.restore();

    // A marker post above the pad, so the home point reads at a glance.
    const QPointF pin = centre + QPointF(38, -26);
    painter.setPen(QPen(QColor(0x8e, 0xa3, 0xbd), 1.4));
    painter.drawLine(pin + QPointF(0, 9), QPointF(pin.x(), centre.y() + 2));
    QPainterPath disc;
    disc.addEllipse(pin, 9.5, 9.5);
    ImageEffects::paintShadow(painter, disc, QColor(0, 0, 0, 160), QPointF(0, 1.5), 2);
    painter.setPen(QPen(ArtPalette::navyDeep, 1.0));
    painter.setBrush(ArtPalette::teal);
    painter.drawPath(disc);
    painter.setPen(ArtPalette::navyDeep);
    painter.setFont(FontKit::font(12, QFont::Black));
    painter.drawText(QRectF(pin.x() - 9, pin.y() - 9, 18, 18.5), Qt::AlignCenter,
                     QStringLiteral("H"));
}

void FailsafePainter::paintStep(QPainter &painter, const QPointF &anchor, Qt::Alignment alignment,
                                int step, const QString &caption, const QFont &font, qreal maxWidth)
{
    const qreal badge = 14.0;
    const qreal gap = 5.0;
    const QFont fitted = PanelKit::fitted(font, caption, maxWidth - badge - gap, 9);
    const QFontMetricsF metrics(fitted);
    const qreal textWidth = metrics.horizontalAdvance(caption);
    const qreal total = badge + gap + textWidth;
    qreal left = anchor.x() - total / 2.0;
    if (alignment & Qt::AlignLeft)
        left = anchor.x();
    else if (alignment & Qt::AlignRight)
        left = anchor.x() - total;
    // Keep clear of the plate's rounded edge.
    left = qBound(plate.left() + 8.0, left, plate.right() - 8.0 - total);

    PanelKit::paintBadge(painter, QPointF(left + badge / 2.0, anchor.y()), QString::number(step));
    const qreal baseline = anchor.y() + (metrics.ascent() - metrics.descent()) / 2.0;
    QPainterPath text;
    text.addText(QPointF(left + badge + gap, baseline), fitted, caption);
    ImageEffects::paintShadow(painter, text, QColor(0, 0, 0, 200), QPointF(0, 1), 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtPalette::glyph);
    painter.drawPath(text);
}

QImage FailsafePainter::hover(Language language)
{
    const Captions text = captions(language);
    const QFont font = captionFont(language);
    QImage image = scene();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // The pilot's transmitter on the left; its link to the aircraft breaks half way.
    const QPointF transmitter(46, 138);
    const QPointF antenna = transmitter + QPointF(21, -30);
    const QPointF craft(262, 92);
    const QPointF lost(160, 99);
    paintTransmitter(painter, transmitter);

    const qreal heading =
        qRadiansToDegrees(qAtan2(-(craft.y() - antenna.y()), craft.x() - antenna.x()));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 9.0 + i * 7.0;
        painter.setPen(QPen(QColor(0, 204, 204, 220 - 60 * i), 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(antenna.x() - r, antenna.y() - r, 2 * r, 2 * r),
                        qRound((heading - 35.0) * 16.0), 70 * 16);
    }
    painter.setPen(QPen(withAlpha(lostColour, 150), 1.4, Qt::DashLine, Qt::RoundCap));
    const QPointF towards = (craft - antenna) / 1.0;
    painter.drawLine(antenna + towards * 0.19, lost - towards * 0.06);
    painter.setPen(QPen(QColor(0x8e, 0xa3, 0xbd, 70), 1.2, Qt::DotLine, Qt::RoundCap));
    painter.drawLine(lost + towards * 0.06, craft - towards * 0.2);
    paintSignalLost(painter, lost);
    paintStep(painter, lost + QPointF(0, 24), Qt::AlignHCenter, 1, text.signalLost, font, 150);

    // The aircraft holds its place: a focus frame around it, its plumb line to the ground.
    painter.setPen(QPen(QColor(0x8e, 0xa3, 0xbd, 110), 1.0, Qt::DashLine));
    painter.drawLine(QPointF(craft.x(), craft.y() + 16), QPointF(craft.x(), groundY - 1));
    QRadialGradient shadow(QPointF(craft.x(), groundY + 6), 30);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 140));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(craft.x(), groundY + 6), 30, 5);

    const QRectF frame(craft.x() - 46, craft.y() - 28, 92, 52);
    const qreal arm = 11.0;
    painter.setPen(QPen(pathColour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const QPointF corners[] = {frame.topLeft(), frame.topRight(), frame.bottomRight(),
                               frame.bottomLeft()};
    for (const QPointF &corner : corners) {
        const qreal sx = corner.x() < craft.x() ? 1.0 : -1.0;
        const qreal sy = corner.y() < craft.y() ? 1.0 : -1.0;
        QPainterPath bracket;
        bracket.moveTo(corner + QPointF(0, sy * arm));
        bracket.lineTo(corner);
        bracket.lineTo(corner + QPointF(sx * arm, 0));
        painter.drawPath(bracket);
    }
    // Small arrows on all four sides pointing in: it holds position and height.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 204, 204, 200));
    const QPointF middle = frame.center();
    painter.drawPath(arrowHead(QPointF(frame.left() + 6, middle.y()),
                               QPointF(frame.left() - 4, middle.y()), 6, 4));
    painter.drawPath(arrowHead(QPointF(frame.right() - 6, middle.y()),
                               QPointF(frame.right() + 4, middle.y()), 6, 4));
    painter.drawPath(arrowHead(QPointF(middle.x(), frame.top() + 6),
                               QPointF(middle.x(), frame.top() - 4), 6, 4));
    painter.drawPath(arrowHead(QPointF(middle.x(), frame.bottom() - 6),
                               QPointF(middle.x(), frame.bottom() + 4), 6, 4));
    paintCraft(painter, craft, 1.0);
    paintStep(painter, QPointF(craft.x(), frame.top() - 16), Qt::AlignHCenter, 2, text.hoverInPlace,
              font, 170);
    painter.end();
    return image;
}

QImage FailsafePainter::altitudeGoHome(Language language)
{
    const Captions text = captions(language);
    const QFont font = captionFont(language);
    QImage image = scene();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QPointF home(70, groundY + 11);
    const QPointF start(300, 120);
    const qreal altitude = 52.0;

    // The go-home altitude: a dashed line across the sky.
    painter.setPen(QPen(QColor(0x8e, 0xa3, 0xbd, 90), 1.0, Qt::DashLine));
    painter.drawLine(QPointF(plate.left() + 8, altitude), QPointF(plate.right() - 8, altitude));

    paintHomePad(painter, home);

    // Climb, return at the go-home altitude, land.
    const qreal corner = 10.0;
    QPainterPath route;
    route.moveTo(start.x(), start.y() - 22);
    route.lineTo(start.x(), altitude + corner);
    route.quadTo(start.x(), altitude, start.x() - corner, altitude);
    route.lineTo(home.x() + corner, altitude);
    route.quadTo(home.x(), altitude, home.x(), altitude + corner);
    route.lineTo(home.x(), home.y() - 14);
    paintRoute(painter, route, QPointF(home.x(), home.y() - 24));
    // Direction marks along the climb and the return.
    painter.setPen(Qt::NoPen);
    painter.setBrush(pathColour);
    painter.drawPath(arrowHead(QPointF(start.x(), 78), QPointF(start.x(), 90), 9, 5));
    painter.drawPath(
        arrowHead(QPointF(home.x() + 95, altitude), QPointF(home.x() + 107, altitude), 9, 5));

    paintCraft(painter, start, 1.0);
    paintSignalLost(painter, start + QPointF(36, -14));

    paintStep(painter, QPointF(start.x() - 4, start.y() + 28), Qt::AlignHCenter, 1, text.signalLost,
              font, 120);
    paintStep(painter, QPointF(start.x() - 12, 84), Qt::AlignRight, 2, text.climb, font, 200);
    paintStep(painter, QPointF((start.x() + home.x()) / 2.0, altitude - 16), Qt::AlignHCenter, 3,
              text.returnHome, font, 200);
    paintStep(painter, QPointF(home.x() + 12, 116), Qt::AlignLeft, 4, text.land, font, 120);
    painter.end();
    return image;
}
