#include "firmwareupgrade/upgradeevent.h"
#include "firmwareupgrade/upgrademessages.h"

#include <QtTest>

using fclink::MessageSeverity;

Q_DECLARE_METATYPE(fclink::MessageSeverity)

class tst_UpgradeMessages : public QObject
{
    Q_OBJECT

private slots:
    void reportTexts_data()
    {
        QTest::addColumn<quint32>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<MessageSeverity>("severity");
        const auto ok = MessageSeverity::Success;
        const auto info = MessageSeverity::Info;
        const auto error = MessageSeverity::Error;
        QTest::newRow("1") << 1u << "Exit" << info;
        QTest::newRow("3") << 3u << "COM5 open OK" << ok;
        QTest::newRow("4") << 4u << "COM5 open error" << error;
        QTest::newRow("7") << 7u << "Version Error" << error;
        QTest::newRow("8") << 8u << "Send Check Error" << error;
        QTest::newRow("9") << 9u << "Recv Check Error" << error;
        QTest::newRow("10") << 10u << "Timeout Error" << error;
        QTest::newRow("12") << 12u << "File Error" << error;
        QTest::newRow("13") << 13u << "File open OK" << ok;
        QTest::newRow("14") << 14u << "File Open Error" << error;
        QTest::newRow("18") << 18u << "Erase Error" << error;
        QTest::newRow("19") << 19u << "File Size Error" << error;
        QTest::newRow("20") << 20u << "Length Error" << error;
        QTest::newRow("21") << 21u << "Upgrading now, please wait..." << info;
        QTest::newRow("22") << 22u << "Upgraded OK" << ok;
        QTest::newRow("23") << 23u << "Address Error" << error;
        QTest::newRow("24") << 24u << "Flash Error" << error;
        QTest::newRow("26") << 26u << "Head Error" << error;
        QTest::newRow("28") << 28u << "Go to App Error" << error;
        QTest::newRow("31") << 31u << "Device Error, please check module connection" << error;
        QTest::newRow("32") << 32u << "State Error" << error;
        QTest::newRow("35") << 35u << "The flight controller keeps its firmware" << info;
        QTest::newRow("36") << 36u
                            << "Not flashed: the firmware is not newer than the installed one"
                            << error;
        QTest::newRow("37") << 37u
                            << "The flight controller waits in its bootloader; its firmware is "
                               "whole"
                            << info;
    }

    void reportTexts()
    {
        QFETCH(quint32, code);
        QFETCH(QString, text);
        QFETCH(MessageSeverity, severity);
        QCOMPARE(UpgradeMessages::text(code, QStringLiteral("COM5")), text);
        QCOMPARE(UpgradeMessages::severity(code), severity);
        QVERIFY(UpgradeMessages::codes().contains(code));
    }

    void everyListedCodeHasATextWithoutMarkup()
    {
        const QVector<quint32> codes = UpgradeMessages::codes();
        QCOMPARE(codes.size(), 24);
        for (int i = 0; i < codes.size(); ++i) {
            if (i > 0)
                QVERIFY(codes.at(i - 1) < codes.at(i));
            const QString text = UpgradeMessages::text(codes.at(i), QStringLiteral("ttyUSB0"));
            QVERIFY(!text.trimmed().isEmpty());
            QVERIFY2(!text.contains('<') && !text.contains('>'), qPrintable(text));
        }
    }

    void portReportsNameThePortAsGiven()
    {
        QCOMPARE(UpgradeMessages::text(UpgradeEvent::PortOpened, QStringLiteral("/dev/pts/7")),
                 QStringLiteral("/dev/pts/7 open OK"));
        QCOMPARE(UpgradeMessages::text(UpgradeEvent::VersionError, QStringLiteral("x")),
                 QStringLiteral("Version Error"));
    }

    // Progress is worded by each view; the probe's answers are no log lines.
    void codesWithoutAText()
    {
        for (quint32 code : {0u, 2u, 5u, 6u, 11u, 15u, 25u, 33u, 34u, 1000u}) {
            QVERIFY(UpgradeMessages::text(code, QStringLiteral("COM1")).isNull());
            QCOMPARE(UpgradeMessages::severity(code), MessageSeverity::Info);
            QVERIFY(!UpgradeMessages::codes().contains(code));
        }
    }
};

QTEST_GUILESS_MAIN(tst_UpgradeMessages)
#include "tst_upgrademessages.moc"
