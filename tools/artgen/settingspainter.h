#ifndef ARTGEN_SETTINGSPAINTER_H
#define ARTGEN_SETTINGSPAINTER_H

#include <QColor>
#include <QImage>

class QPainter;
class QPointF;

// The pictures of the advanced settings page other than the go-home diagrams: the motor idle
// speed explanation (360 x 120) with its button track (360 x 50) and the two looks of the five
// level buttons (56 x 34), the voltage picture (200 x 120) and the IOC switch in each of its
// three positions (110 x 110).
class SettingsPainter
{
public:
    // The level buttons on the track: their count, size and centres (x = 36 + 72 * i, y = 25).
    static constexpr int levelCount = 5;
    static constexpr int levelButtonWidth = 56;
    static constexpr int levelButtonHeight = 34;
    static constexpr int levelPitch = 72;
    static constexpr int firstLevelCentreX = 36;
    static constexpr int levelCentreY = 25;

    static QImage motorIdleSpeed();
    static QImage levelTrack();
    // The button's border image: dark steel, or lit red-orange when lit (its checked look).
    static QImage levelButton(bool lit);
    static QImage currentVoltage();
    // The three-position switch thrown to position 1 (left), 2 (middle) or 3 (right).
    static QImage switchPosition(int position);

    // The colour of level 1 to 5 on the gauge and the track, cool teal up to hot orange.
    static QColor levelColor(int level);

private:
    static void paintPropeller(QPainter &painter, const QPointF &centre, qreal radius);
    static void paintGauge(QPainter &painter, const QPointF &centre, qreal radius);
    static void paintBattery(QPainter &painter);
    static void paintVoltmeter(QPainter &painter, const QPointF &centre, qreal radius);
};

#endif // ARTGEN_SETTINGSPAINTER_H
