#include "glspinner.h"

#include <QPainter>
#include <QtMath>

namespace {

constexpr qreal RingRadius = 16.5;
constexpr qreal LeadDotRadius = 4.0;
constexpr qreal LastDotRadius = 2.3;

const QColor LeadColour(0x07, 0x86, 0x91);
const QColor TailColour(0xcb, 0xd1, 0xd8);

QColor blend(const QColor &from, const QColor &to, qreal t)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
                            from.greenF() + (to.greenF() - from.greenF()) * t,
                            from.blueF() + (to.blueF() - from.blueF()) * t);
}

} // namespace

GLSpinner::GLSpinner(QWidget *parent) : QWidget(parent)
{
    setFixedSize(Size, Size);
    timer.setInterval(StepMsec);
    connect(&timer, &QTimer::timeout, this, &GLSpinner::advance);
}

QSize GLSpinner::sizeHint() const
{
    return QSize(Size, Size);
}

void GLSpinner::start()
{
    spinning = true;
    if (isVisible())
        timer.start();
}

void GLSpinner::stop()
{
    spinning = false;
    timer.stop();
}

void GLSpinner::showEvent(QShowEvent *)
{
    if (spinning)
        timer.start();
}

void GLSpinner::hideEvent(QHideEvent *)
{
    timer.stop();
}

void GLSpinner::advance()
{
    lead = (lead + 1) % DotCount;
    update();
}

void GLSpinner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre(width() / 2.0, height() / 2.0);
    for (int dot = 0; dot < DotCount; ++dot) {
        // How many places this dot is behind the leading one: 0 leads, DotCount - 1 is last.
        const int age = (lead - dot + DotCount) % DotCount;
        const qreal t = qreal(age) / (DotCount - 1);
        const qreal angle = 2.0 * M_PI * dot / DotCount - M_PI / 2.0;
        const QPointF at(centre.x() + RingRadius * qCos(angle),
                         centre.y() + RingRadius * qSin(angle));
        // The colour fades over the first two thirds of the trail; the rest stay grey.
        const qreal fade = qMin<qreal>(1.0, t * 1.5);
        const qreal radius = LeadDotRadius + (LastDotRadius - LeadDotRadius) * t;
        painter.setBrush(blend(LeadColour, TailColour, fade * (2.0 - fade)));
        painter.drawEllipse(at, radius, radius);
    }
}
