#ifndef SKYDESK_SENSORPLOT_H
#define SKYDESK_SENSORPLOT_H

#include <QPixmap>
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

    explicit SensorPlot(QWidget *parent = nullptr);

    void addSample(const Sample &sample);
    void clear();
    const QVector<Sample> &samples() const { return m_samples; }

    // The symmetric value range a plot uses for these values: at least ±minimumSpan, rounded
    // up to a readable step.
    static double scaleFor(double largestMagnitude, double minimumSpan);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The parts that change only with the size or a scale (panels, grid, titles, scale labels)
    // are painted once into a picture; each telemetry cycle paints the picture and the lines.
    struct Plot
    {
        QRectF area;
        QRectF lines;
        bool gyro;
        double scale;
    };

    QVector<Plot> layOut() const;
    QFont labelFont() const;
    void paintBackdrop(class QPainter &painter, const Plot &plot, const QString &title) const;
    void paintLines(class QPainter &painter, const Plot &plot) const;
    double largestMagnitude(bool gyro) const;

    QVector<Sample> m_samples;
    QPixmap m_backdrop;
    QSize m_backdropSize;
    double m_backdropScales[2] = {0.0, 0.0};
};

#endif // SKYDESK_SENSORPLOT_H
