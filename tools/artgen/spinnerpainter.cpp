#include "spinnerpainter.h"

#include "imageeffects.h"

#include <QPainter>
#include <QtMath>

namespace {

constexpr qreal ringRadius = 16.5;
constexpr qreal leadDotRadius = 4.0;
constexpr qreal lastDotRadius = 2.3;

const QColor leadColour(0x07, 0x86, 0x91);
const QColor tailColour(0xcb, 0xd1, 0xd8);

QColor blend(const QColor &from, const QColor &to, qreal t)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
                            from.greenF() + (to.greenF() - from.greenF()) * t,
                            from.blueF() + (to.blueF() - from.blueF()) * t);
}

} // namespace

QColor SpinnerPainter::matte()
{
    return QColor(0xee, 0xee, 0xee);
}

QImage SpinnerPainter::frame(int index)
{
    QImage image = ImageEffects::transparentCanvas(QSize(size, size));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre(size / 2.0, size / 2.0);
    for (int dot = 0; dot < frameCount; ++dot) {
        // How many places this dot is behind the lead one: 0 leads, frameCount - 1 is last.
        const int age = (index - dot + frameCount) % frameCount;
        const qreal t = qreal(age) / (frameCount - 1);
        const qreal angle = 2.0 * M_PI * dot / frameCount - M_PI / 2.0;
        const QPointF at(centre.x() + ringRadius * qCos(angle),
                         centre.y() + ringRadius * qSin(angle));
        // The colour fades over the first two thirds of the trail; the rest stay grey.
        const qreal fade = qMin<qreal>(1.0, t * 1.5);
        const qreal r = leadDotRadius + (lastDotRadius - leadDotRadius) * t;
        painter.setBrush(blend(leadColour, tailColour, fade * (2.0 - fade)));
        painter.drawEllipse(at, r, r);
    }
    painter.end();
    return image;
}
