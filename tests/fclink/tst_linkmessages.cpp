#include "fclink/link/linkmessages.h"
#include "fclink/link/replydecoder.h"

#include <QtTest>

using fclink::MessageSeverity;

Q_DECLARE_METATYPE(fclink::MessageSeverity)

class tst_LinkMessages : public QObject
{
    Q_OBJECT

private slots:
    void statusTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<MessageSeverity>("severity");
        QTest::newRow("0") << 0 << QString(14, ' ') << MessageSeverity::Info;
        QTest::newRow("1") << 1 << "COMPort open successfully" << MessageSeverity::Success;
        QTest::newRow("2") << 2 << "COMPort open failed" << MessageSeverity::Error;
        QTest::newRow("3") << 3 << "Connection closed" << MessageSeverity::Info;
        QTest::newRow("4") << 4 << "Parameters uploaded" << MessageSeverity::Success;
        QTest::newRow("5") << 5 << "Uploading..." << MessageSeverity::Info;
        QTest::newRow("6") << 6 << "Parameters saved OK" << MessageSeverity::Success;
        QTest::newRow("7") << 7 << "Parameters saved error" << MessageSeverity::Error;
        QTest::newRow("8") << 8 << "Accelerometers calibrated OK" << MessageSeverity::Success;
        QTest::newRow("9") << 9 << "Accelerometers calibrated error" << MessageSeverity::Error;
        QTest::newRow("10") << 10 << "Gyros calibrated OK" << MessageSeverity::Success;
        QTest::newRow("11") << 11 << "Gyros calibrated error" << MessageSeverity::Error;
        QTest::newRow("12") << 12 << "Voltage calibrated OK" << MessageSeverity::Success;
        QTest::newRow("13") << 13 << "Voltage calibrated error" << MessageSeverity::Error;
    }

    void statusTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(MessageSeverity, severity);
        QCOMPARE(LinkMessages::statusText(quint16(code)), text);
        QCOMPARE(LinkMessages::statusSeverity(quint16(code)), severity);
    }

    void everyCodeIsListedOnceInOrderWithAText()
    {
        const QVector<quint16> codes = LinkMessages::statusCodes();
        QCOMPARE(codes.size(), 14);
        for (int i = 0; i < codes.size(); ++i) {
            QCOMPARE(int(codes.at(i)), i);
            QVERIFY(!LinkMessages::statusText(codes.at(i)).trimmed().isEmpty() || i == 0);
        }
    }

    // Every result the link reports for a command has its text, and a failed command's is an
    // error.
    void commandResultsHaveTexts()
    {
        using namespace fclink::command;
        for (quint8 command :
             {WriteFlash, CalibrateVoltage, CalibrateAccelerometers, CalibrateGyros}) {
            const int ok = fclink::statusForCommandResult(command);
            const int failed = fclink::statusForCommandResult(command | FailedBit);
            QVERIFY(ok > 0 && failed > 0);
            QVERIFY(!LinkMessages::statusText(quint16(ok)).isEmpty());
            QCOMPARE(LinkMessages::statusSeverity(quint16(ok)), MessageSeverity::Success);
            QCOMPARE(LinkMessages::statusSeverity(quint16(failed)), MessageSeverity::Error);
        }
    }

    void codesWithoutATextChangeNothing()
    {
        for (quint16 code : {quint16(14), quint16(100), quint16(65535)}) {
            QVERIFY(LinkMessages::statusText(code).isNull());
            QCOMPARE(LinkMessages::statusSeverity(code), MessageSeverity::Info);
        }
    }

    void connectStates()
    {
        QCOMPARE(LinkMessages::connectStateText(0), QStringLiteral("Unconnected"));
        QCOMPARE(LinkMessages::connectStateText(1), QStringLiteral("Connected"));
        QCOMPARE(LinkMessages::connectStateText(2), QString(6, ' '));
        QCOMPARE(LinkMessages::connectStateSeverity(0), MessageSeverity::Info);
        QCOMPARE(LinkMessages::connectStateSeverity(1), MessageSeverity::Success);
    }
};

QTEST_GUILESS_MAIN(tst_LinkMessages)
#include "tst_linkmessages.moc"
