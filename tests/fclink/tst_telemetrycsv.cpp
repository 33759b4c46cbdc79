// The telemetry recording's columns and rows, shared by Skydesk and fctool.
#include "fclink/model/telemetrysnapshot.h"
#include "fclink/storage/telemetrycsv.h"

#include <QtTest>

using namespace fclink;

namespace {

TelemetrySnapshot sampleSnapshot()
{
    TelemetrySnapshot snapshot = {};
    for (int i = 0; i < kRcChannelCount; ++i)
        snapshot.rcChannels[i] = qint16(i % 2 ? -600 + i : 600 + i);
    snapshot.roll = -12.3;
    snapshot.pitch = 0.4;
    snapshot.heading = 359.9;
    // As the decoder stores them: raw numbers divided by 10 or 100 into 32-bit floats.
    snapshot.sensors = {
        float(-123 / 10.0), float(5 / 10.0),    float(0 / 10.0),    float(-1 / 100.0),
        float(12 / 100.0),  float(981 / 100.0), float(1234 / 10.0), 200};
    snapshot.voltage = 1212;
    return snapshot;
}

} // namespace

class TestTelemetryCsv : public QObject
{
    Q_OBJECT

private slots:
    void headerNamesEveryColumnInOrder()
    {
        QCOMPARE(telemetryCsvHeader(),
                 QByteArray("time_ms,rc1,rc2,rc3,rc4,rc5,rc6,rc7,rc8,roll,pitch,heading,gyro_x,"
                            "gyro_y,gyro_z,acc_x,acc_y,acc_z,altitude,voltage,compass\n"));
    }

    void rowCarriesEveryValueInThePagesUnits()
    {
        QCOMPARE(telemetryCsvRow(1250, sampleSnapshot()),
                 QByteArray("1250,600,-599,602,-597,604,-595,606,-593,-12.3,0.4,359.9,-12.3,0.5,"
                            "0.0,-0.01,0.12,9.81,123.4,12.12,200\n"));
        const QByteArray row = telemetryCsvRow(0, sampleSnapshot());
        QCOMPARE(row.count(','), telemetryCsvHeader().count(','));
    }

    void rowIgnoresTheUsersLanguage()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QByteArray german = telemetryCsvRow(123456, sampleSnapshot());
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        const QByteArray chinese = telemetryCsvRow(123456, sampleSnapshot());
        QLocale::setDefault(before);
        QCOMPARE(german, telemetryCsvRow(123456, sampleSnapshot()));
        QCOMPARE(chinese, german);
        QVERIFY(german.startsWith("123456,"));
        QVERIFY(german.contains(",12.12,"));
    }

    void extremesAndZeroFromBelow()
    {
        TelemetrySnapshot snapshot = {};
        for (qint16 &channel : snapshot.rcChannels)
            channel = -32768;
        snapshot.roll = -0.04; // rounds to zero: no minus sign on it
        snapshot.voltage = -32768;
        snapshot.sensors.compassError = 255;
        const QList<QByteArray> fields = telemetryCsvRow(-5, snapshot).trimmed().split(',');
        QCOMPARE(fields.size(), 1 + kTelemetryChannelCount);
        QCOMPARE(fields.at(0), QByteArray("-5"));
        QCOMPARE(fields.at(1), QByteArray("-32768"));
        QCOMPARE(fields.at(1 + int(TelemetryChannel::Roll)), QByteArray("0.0"));
        QCOMPARE(fields.at(1 + int(TelemetryChannel::Voltage)), QByteArray("-327.68"));
        QCOMPARE(fields.at(1 + int(TelemetryChannel::Compass)), QByteArray("255"));
    }

    void snapshotCopiesTheStore()
    {
        for (int i = 0; i < kRcChannelCount; ++i)
            g_rc_channel[i] = qint16(10 * i);
        g_attitude_pitch = 7.5;
        g_voltage = 1105;
        g_diagnosisInfo.accZ = 9.5f;
        const TelemetrySnapshot snapshot = telemetryNow();
        g_voltage = 0;
        QCOMPARE(telemetryValue(snapshot, TelemetryChannel::Rc8), 70.0);
        QCOMPARE(telemetryValue(snapshot, TelemetryChannel::Pitch), 7.5);
        QCOMPARE(telemetryValue(snapshot, TelemetryChannel::Voltage), 11.05);
        QCOMPARE(telemetryValue(snapshot, TelemetryChannel::AccZ), 9.5);
    }
};

QTEST_MAIN(TestTelemetryCsv)
#include "tst_telemetrycsv.moc"
