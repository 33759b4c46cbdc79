// Reading a telemetry recording back: every column into its array, and every kind of file that
// is no whole recording refused with the file, the line and the reason.
#include "fclink/storage/telemetrycsv.h"
#include "fclink/storage/telemetryrecording.h"
#include "tests/support/fifounblocker.h"

#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

using namespace fclink;

namespace {

const QByteArray kHeader = telemetryCsvHeader();

QByteArray row(qint64 timeMs, double offset = 0.0)
{
    TelemetrySnapshot snapshot = {};
    for (int i = 0; i < kRcChannelCount; ++i)
        snapshot.rcChannels[i] = qint16(1000 + i * 10 + int(offset));
    snapshot.roll = -12.3 + offset;
    snapshot.pitch = 0.4;
    snapshot.heading = 359.9;
    snapshot.sensors = {float(-12.3), 0.5f, 0.0f, -0.01f, 0.12f, 9.81f, 123.4f, 200};
    snapshot.voltage = qint16(1212 - int(offset));
    return telemetryCsvRow(timeMs, snapshot);
}

QByteArray recording(int rows)
{
    QByteArray csv = kHeader;
    for (int i = 0; i < rows; ++i)
        csv += row(i * 208, i % 7);
    return csv;
}

} // namespace

class TestTelemetryRecording : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryColumnIntoItsArray()
    {
        TelemetryRecording read;
        QString error;
        QVERIFY2(parseTelemetryRecording(recording(50), "r.csv", &read, &error), qPrintable(error));
        QCOMPARE(read.rowCount(), 50);
        QCOMPARE(read.leftOutLines, 0);
        QCOMPARE(read.timeMs.at(3), qint64(3 * 208));
        QCOMPARE(read.channels[int(TelemetryChannel::Rc2)].at(3), 1013.0f);
        QCOMPARE(read.channels[int(TelemetryChannel::Roll)].at(3), float(-12.3 + 3));
        QCOMPARE(read.channels[int(TelemetryChannel::Voltage)].at(3), 12.09f);
        QCOMPARE(read.channels[int(TelemetryChannel::Compass)].at(49), 200.0f);
        for (const QVector<float> &channel : read.channels)
            QCOMPARE(channel.size(), 50);
    }

    void writesTheRowsBackAsTheRecorderDid()
    {
        const QByteArray csv = recording(40);
        TelemetryRecording read;
        QVERIFY(parseTelemetryRecording(csv, "r.csv", &read, nullptr));
        QCOMPARE(telemetryRecordingCsv(read, 0, read.rowCount()), csv);
        // A part of it: the header and those rows, nothing else.
        QByteArray part = kHeader;
        for (int i = 10; i < 20; ++i)
            part += row(i * 208, i % 7);
        QCOMPARE(telemetryRecordingCsv(read, 10, 20), part);
        QCOMPARE(telemetryRecordingCsv(read, 30, 10), kHeader);
    }

    void acceptsWhatEditorsAndCrashesLeave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("leftOut");
        const QByteArray whole = recording(5);
        QTest::newRow("header only") << kHeader << 0 << 0;
        QTest::newRow("last line cut") << whole + row(5 * 208).left(30) << 5 << 1;
        QTest::newRow("last line cut in a number") << whole + row(5 * 208).chopped(2) << 5 << 1;
        QTest::newRow("zeros after a crash") << whole + QByteArray(4096, '\0') << 5 << 1;
        QByteArray crlf = whole;
        crlf.replace("\n", "\r\n");
        QTest::newRow("CR LF line ends") << crlf << 5 << 0;
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + whole << 5 << 0;
        QTest::newRow("same time twice") << whole + row(4 * 208) << 6 << 0;
    }

    void acceptsWhatEditorsAndCrashesLeave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rows);
        QFETCH(int, leftOut);
        TelemetryRecording read;
        QString error;
        QVERIFY2(parseTelemetryRecording(bytes, "r.csv", &read, &error), qPrintable(error));
        QCOMPARE(read.rowCount(), rows);
        QCOMPARE(read.leftOutLines, leftOut);
    }

    void refusesWhatIsNoWholeRecording_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray whole = recording(5);
        const QByteArray badCell = whole + row(5 * 208).replace(",359.9,", ",35x.9,");
        const QByteArray emptyCell = whole + row(5 * 208).replace(",359.9,", ",,");
        QByteArray binary = whole;
        binary[kHeader.size() + 40] = '\0';
        QTest::newRow("empty") << QByteArray() << "r.csv: the file is empty";
        QTest::newRow("foreign header")
            << "a,b,c\n1,2,3\n" + whole.mid(kHeader.size())
            << "r.csv, line 1: this is not the header of a telemetry recording";
        QTest::newRow("header with a column less")
            << kHeader.left(kHeader.lastIndexOf(',')) + '\n'
            << "r.csv, line 1: this is not the header of a telemetry recording";
        QTest::newRow("only a cut header")
            << kHeader.left(20) << "r.csv, line 1: this is not the header of a telemetry recording";
        QTest::newRow("binary file") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                                     << "r.csv, line 1: binary data, not a telemetry recording";
        QTest::newRow("binary without a line feed")
            << QByteArray("\x7f"
                          "ELF\2\1\1\0\0\0",
                          10)
            << "r.csv, line 1: binary data, not a telemetry recording";
        QTest::newRow("zero byte in a row")
            << binary << "r.csv, line 2: binary data, not a telemetry recording";
        QTest::newRow("letter in a number")
            << badCell << "r.csv, line 7: heading is not a number: '35x.9'";
        QTest::newRow("empty cell") << emptyCell << "r.csv, line 7: heading is not a number: ''";
        QTest::newRow("column missing")
            << whole + row(5 * 208).left(row(5 * 208).lastIndexOf(',')) + '\n'
            << "r.csv, line 7: 20 values where 21 are expected";
        QTest::newRow("column extra") << whole + row(5 * 208).chopped(1) + ",7\n"
                                      << "r.csv, line 7: 22 values where 21 are expected";
        QTest::newRow("empty line") << kHeader + "\n" + whole.mid(kHeader.size())
                                    << "r.csv, line 2: time_ms is not a number: ''";
        QTest::newRow("time with a fraction") << whole + row(5 * 208).replace("1040,", "1040.5,")
                                              << "r.csv, line 7: time_ms is not a number: '1040.5'";
        QTest::newRow("time going back")
            << whole + row(100)
            << "r.csv, line 7: the time 100 ms comes before the line above "
               "(832 ms)";
        QTest::newRow("number beyond a float")
            << whole + row(5 * 208).replace(",359.9,", ",1" + QByteArray(60, '0') + ",")
            << "r.csv, line 7: heading is not a number: '100000000000000000000000...'";
        QTest::newRow("exponent") << whole + row(5 * 208).replace(",359.9,", ",3.599e2,")
                                  << "r.csv, line 7: heading is not a number: '3.599e2'";
        QTest::newRow("not a number") << whole + row(5 * 208).replace(",359.9,", ",nan,")
                                      << "r.csv, line 7: heading is not a number: 'nan'";
        QTest::newRow("lone minus") << whole + row(5 * 208).replace(",359.9,", ",-,")
                                    << "r.csv, line 7: heading is not a number: '-'";
        QTest::newRow("dot without decimals") << whole + row(5 * 208).replace(",359.9,", ",359.,")
                                              << "r.csv, line 7: heading is not a number: '359.'";
    }

    void refusesWhatIsNoWholeRecording()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TelemetryRecording read;
        read.timeMs = {7};
        QString error;
        QVERIFY(!parseTelemetryRecording(bytes, "r.csv", &read, &error));
        QCOMPARE(error, message);
        QCOMPARE(read.timeMs, QVector<qint64>{7}); // untouched
    }

    void readsTheFileAsItIsNow()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("telemetry_20261209_120000.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(recording(10));
        file.flush();
        TelemetryRecording read;
        QString error;
        QVERIFY2(readTelemetryRecording(path, &read, &error), qPrintable(error));
        QCOMPARE(read.rowCount(), 10);
        // It grows, as a recording in progress does: reading again takes the new rows.
        file.write(row(10 * 208));
        file.flush();
        QVERIFY(readTelemetryRecording(path, &read, &error));
        QCOMPARE(read.rowCount(), 11);

        QVERIFY(!readTelemetryRecording(folder.filePath("missing.csv"), &read, &error));
        QVERIFY2(error.startsWith("missing.csv cannot be read: "), qPrintable(error));
    }

    // A FIFO would hold the reader in open() until some program writes to it; a folder or a
    // device is no recording either. Each is refused without being opened.
    void refusesWhatIsNoPlainFile()
    {
        QTemporaryDir folder;
        FifoUnblocker fifo(folder.filePath("pipe.csv"), 3000);
        QVERIFY(fifo.valid());
        QVERIFY(QDir(folder.path()).mkdir("folder.csv"));
        TelemetryRecording read;
        QString error;
        QVERIFY(!readTelemetryRecording(folder.filePath("pipe.csv"), &read, &error));
        QCOMPARE(error, QString("pipe.csv is not a file"));
        QCOMPARE(fifo.unblocked(), 0);
        QVERIFY(!readTelemetryRecording(folder.filePath("folder.csv"), &read, &error));
        QCOMPARE(error, QString("folder.csv is not a file"));
        QVERIFY(!readTelemetryRecording("/dev/zero", &read, &error));
        QCOMPARE(error, QString("zero is not a file"));
    }

    // A reader told to stop gives up within a few thousand lines and leaves the result alone.
    void stopsWhenTold()
    {
        const QByteArray csv = recording(20000);
        TelemetryRecording read;
        read.timeMs = {7};
        std::atomic<bool> stop{true};
        QString error;
        QVERIFY(!parseTelemetryRecording(csv, "r.csv", &read, &error, &stop));
        QCOMPARE(error, QString("r.csv: reading was stopped"));
        QCOMPARE(read.timeMs, QVector<qint64>{7});
        stop = false;
        QVERIFY(parseTelemetryRecording(csv, "r.csv", &read, &error, &stop));
        QCOMPARE(read.rowCount(), 20000);
    }

    void refusesAFileOverTheLimitWithoutReadingIt()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("huge.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kHeader);
        QVERIFY(file.resize(kTelemetryRecordingMaxBytes + 1)); // sparse: no disk used
        file.close();
        TelemetryRecording read;
        QString error;
        QVERIFY(!readTelemetryRecording(path, &read, &error));
        QCOMPARE(error, QString("huge.csv: the file is larger than 256 MiB"));
    }
};

QTEST_GUILESS_MAIN(TestTelemetryRecording)
#include "tst_telemetryrecording.moc"
