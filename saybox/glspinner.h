#ifndef GLSPINNER_H
#define GLSPINNER_H

#include <QTimer>
#include <QWidget>

// The busy spinner of the status screen: twelve dots on a ring, the leading one in deep teal and
// the ones behind it fading to grey and shrinking; every 80 ms the lead moves one place
// clockwise. Drawn as shapes, so it is sharp at any screen scale. It runs only while started
// and shown.
class GLSpinner : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DotCount = 12;
    static constexpr int StepMsec = 80;
    static constexpr int Size = 48;

    explicit GLSpinner(QWidget *parent = nullptr);

    void start();
    void stop();
    bool isSpinning() const { return spinning; }
    // The dot that leads now, 0 at twelve o'clock, counting clockwise.
    int leadingDot() const { return lead; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void advance();

    QTimer timer;
    bool spinning = false;
    int lead = 0;
};

#endif // GLSPINNER_H
