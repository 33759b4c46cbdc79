#include "diagramcaptions.h"

#include "captionlabel.h"
#include "product/fontscale.h"

#include <QLabel>
#include <QVariant>

namespace {

const char *const kVariantProperty = "goHomeCaptionVariant";

struct Step
{
    const char *text;
    QPointF anchor;
    Qt::Alignment alignment;
    qreal maxWidth;
};

// The diagrams' plate, less a margin that keeps captions off its rounded edge.
const QRectF kDiagramBounds(9, 1, 342, 196);

// Hover: the signal is lost half way to the aircraft, which then holds its place.
const Step kHoverSteps[] = {
    {QT_TRANSLATE_NOOP("DiagramCaptions", "Signal lost"), {160, 123}, Qt::AlignHCenter, 150},
    {QT_TRANSLATE_NOOP("DiagramCaptions", "Hover in place"), {262, 48}, Qt::AlignHCenter, 170},
};
// Altitude go-home: climb, return at the go-home altitude, land.
const Step kAltitudeSteps[] = {
    {QT_TRANSLATE_NOOP("DiagramCaptions", "Signal lost"), {296, 148}, Qt::AlignHCenter, 120},
    {QT_TRANSLATE_NOOP("DiagramCaptions", "Climb to go-home altitude"),
     {288, 84},
     Qt::AlignRight,
     200},
    {QT_TRANSLATE_NOOP("DiagramCaptions", "Return home"), {185, 36}, Qt::AlignHCenter, 200},
    {QT_TRANSLATE_NOOP("DiagramCaptions", "Land"), {82, 116}, Qt::AlignLeft, 120},
};

void addGaugeCaption(QLabel *gauge, const QString &text, const QPointF &anchor,
                     const QColor &colour, qreal letterSpacing)
{
    auto *caption = new CaptionLabel(text, gauge);
    caption->setColour(colour);
    caption->setLettering(qRound(FontScale::scaled(9)), FontScale::scaled(letterSpacing));
    caption->place(FontScale::scaled(anchor), Qt::AlignHCenter, FontScale::scaled(80),
                   QRectF(gauge->rect()));
    caption->show();
}

} // namespace

void DiagramCaptions::captionGauge(QLabel *gauge)
{
    // Under level 1, under level 5 (in the levels' colours) and under the needle's hub.
    addGaugeCaption(gauge, tr("LOW"), {195.5, 87.3}, QColor(0x3c, 0xc4, 0xff), 1.0);
    addGaugeCaption(gauge, tr("HIGH"), {320.5, 87.3}, QColor(0xff, 0x6a, 0x2e), 1.0);
    addGaugeCaption(gauge, tr("IDLE"), {258, 110}, QColor(0x8e, 0xa3, 0xbd), 1.5);
}

void DiagramCaptions::captionGoHome(QLabel *diagram, bool altitudeVariant)
{
    const QVariant shown = diagram->property(kVariantProperty);
    if (shown.isValid() && shown.toBool() == altitudeVariant)
        return;
    diagram->setProperty(kVariantProperty, altitudeVariant);
    qDeleteAll(diagram->findChildren<CaptionLabel *>(QString(), Qt::FindDirectChildrenOnly));

    int number = 0;
    auto addStep = [diagram, &number](const Step &step) {
        auto *caption = new CaptionLabel(tr(step.text), diagram);
        caption->setStep(++number);
        caption->setShadow(true);
        caption->setLettering(qRound(FontScale::scaled(11)));
        caption->place(FontScale::scaled(step.anchor), step.alignment,
                       FontScale::scaled(step.maxWidth), FontScale::scaled(kDiagramBounds));
        caption->show();
    };
    if (altitudeVariant) {
        for (const Step &step : kAltitudeSteps)
            addStep(step);
    } else {
        for (const Step &step : kHoverSteps)
            addStep(step);
    }
}
