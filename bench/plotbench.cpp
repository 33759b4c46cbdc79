// Cost of the tools page's sensor plot: one repaint per telemetry cycle, with a full ten-second
// window. Prints the time per repaint and the share of one core at the telemetry rate.
#include "skydesk/pages/sensorplot.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <cmath>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    constexpr double kCyclesPerSecond = 4.8; // four telemetry requests of 52 ms per cycle
    SensorPlot plot;
    plot.resize(300, 255);
    for (int i = 0; i < 60; ++i) {
        const double t = i / kCyclesPerSecond;
        plot.addSample({t,
                        {float(20 * std::sin(t)), float(5 * std::cos(t)), 6.0f},
                        {float(std::sin(t)), float(std::cos(t)), 9.7f}});
    }
    QImage canvas(plot.size(), QImage::Format_ARGB32_Premultiplied);
    constexpr int kRepaints = 500;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRepaints; ++i)
        plot.render(&canvas);
    const double msPerRepaint = double(timer.nsecsElapsed()) / 1e6 / kRepaints;
    std::printf("%-34s %8.3f ms\n", "plot repaint (300 x 255, 10 s)", msPerRepaint);
    std::printf("%-34s %8.3f %% of one core\n", "at the telemetry rate",
                msPerRepaint * kCyclesPerSecond / 10.0);
    return 0;
}
