#include "recordingfiles.h"

#include "fclink/storage/telemetrycsv.h"

#include <QFile>

#include <cmath>

namespace recordingfiles {

fclink::TelemetrySnapshot cycle(int row)
{
    fclink::TelemetrySnapshot snapshot = {};
    for (int i = 0; i < kRcChannelCount; ++i)
        snapshot.rcChannels[i] = qint16(std::lround(650.0 * std::sin(row / (9.0 + i))));
    snapshot.roll = std::round(80.0 * std::sin(row / 13.0)) / 10.0;
    snapshot.pitch = std::round(-40.0 * std::cos(row / 7.0)) / 10.0;
    snapshot.heading = std::fmod(3400 + row * 7, 3600) / 10.0; // through north every 514 rows
    snapshot.sensors.gyroX = float((row * 37 % 401 - 200) / 10.0);
    snapshot.sensors.gyroY = float((row * 53 % 301 - 150) / 10.0);
    snapshot.sensors.gyroZ = float((row * 11 % 61 - 30) / 10.0);
    snapshot.sensors.accX = float((row * 7 % 101 - 50) / 100.0);
    snapshot.sensors.accY = float((row * 13 % 81 - 40) / 100.0);
    snapshot.sensors.accZ = float((981 + row * 3 % 41 - 20) / 100.0);
    snapshot.sensors.altitude = float(std::round(300.0 + 250.0 * std::sin(row / 150.0)) / 10.0);
    snapshot.sensors.compassError = quint8(row * 17 % 30);
    snapshot.voltage = qint16(1260 - row / 4 % 200);
    return snapshot;
}

QByteArray rows(int from, int to)
{
    QByteArray csv;
    for (int row = from; row < to; ++row)
        csv += fclink::telemetryCsvRow(row * kRowMs, cycle(row));
    return csv;
}

QByteArray recording(int count)
{
    return fclink::telemetryCsvHeader() + rows(0, count);
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::Append) && file.write(bytes) == bytes.size();
}

} // namespace recordingfiles
