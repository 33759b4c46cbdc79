#ifndef SKYDESK_SENSORSCOPEWINDOW_H
#define SKYDESK_SENSORSCOPEWINDOW_H

#include <QElapsedTimer>
#include <QWidget>

class Commrt;
class ScopePlot;

namespace Ui {
class SensorScopeWindowUi;
}

// The sensor scope, opened from the tools page: a resizable window with rolling plots of the
// telemetry channels ticked in its list, over 10 or 60 seconds, with a pause. It takes each
// telemetry cycle from the link while it is shown and costs nothing while closed.
class SensorScopeWindow : public QWidget
{
    Q_OBJECT

public:
    SensorScopeWindow(QWidget *parent, Commrt *link);
    ~SensorScopeWindow() override;

    Ui::SensorScopeWindowUi *form() const { return m_ui; }
    ScopePlot *plot() const;

public slots:
    void takeTelemetry();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void channelsChosen();
    void windowChosen(int index);
    void pauseToggled(bool paused);

    Ui::SensorScopeWindowUi *m_ui;
    Commrt *m_link;
    QElapsedTimer m_clock;
};

#endif // SKYDESK_SENSORSCOPEWINDOW_H
