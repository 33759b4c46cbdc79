#ifndef SKYDESK_SENSORPLOT_H
#define SKYDESK_SENSORPLOT_H

#include "plotstrip.h"

#include <QPixmap>
#include <QString>
#include <QVector>
#include <QWidget>

// Two small rolling plots of the last seconds of telemetry: gyro rates X, Y, Z above,
// accelerations X, Y, Z below. Each plot scales itself to what it shows.
class SensorPlot : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kWindowSeconds = 10.0;

    struct Sample
    {
        double time; // seconds, increasing
        float gyro[3];
        float acc[3];
    };

    enum Panel
    {
        GyroPanel = 0,
        AccPanel = 1
    };

    explicit SensorPlot(QWidget *parent = nullptr);

    void addSample(const Sample &sample);
    void clear();
    const QVector<Sample> &samples() const { return m_samples; }

    // The symmetric value range a plot uses for these values: at least ±minimumSpan, rounded
    // up to a readable step.
    static double scaleFor(double largestMagnitude, double minimumSpan);

    // A panel as it is painted now, and the part of the widget it fills.
    PlotStrip panel(Panel which) const;
    QRectF panelArea(Panel which) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<Sample> m_samples;
    // The panels without their lines, painted again only when the size, a scale or the font
    // changes: each telemetry cycle paints this picture and the lines.
    QPixmap m_frames;
    QString m_framesKey;
};

#endif // SKYDESK_SENSORPLOT_H
