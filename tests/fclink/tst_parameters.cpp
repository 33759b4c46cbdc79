// The field table, the parameter file and port naming.
#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/link/portnaming.h"
#include "fclink/model/blockimage.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"
#include "fclink/model/uavparam.h"
#include "fclink/storage/parameterfile.h"

#include <QtTest>

#include <algorithm>

using namespace fclink;

namespace {

BlockImage patternBlock()
{
    BlockImage block;
    for (int i = 0; i < kParameterBlockSize; ++i)
        block.bytes()[i] = static_cast<quint8>((i * 37 + 11) & 0xFF);
    return block;
}

// A block with every byte the same.
BlockImage filled(quint8 byte)
{
    BlockImage block;
    std::fill(block.bytes(), block.bytes() + kParameterBlockSize, byte);
    return block;
}

QMap<QString, QString> readIni(const QString &path)
{
    QMap<QString, QString> values;
    QSettings settings(path, QSettings::IniFormat);
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key).toString());
    return values;
}

} // namespace

class TestParameters : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString savedCopyWith(const QString &key, const QString &value)
    {
        const BlockImage block = patternBlock();
        const QString file = path(key + QStringLiteral(".conf"));
        QString error;
        if (!saveParameterFile(file, block, &error))
            return QString();
        QSettings settings(file, QSettings::IniFormat);
        if (value.isNull())
            settings.remove(key);
        else
            settings.setValue(key, value);
        return file;
    }

private slots:
    void tableCoversBlockOnceWithAllKeys()
    {
        const QVector<ParameterField> &fields = parameterFields();
        QCOMPARE(fields.size(), 198);
        int next = 0;
        QSet<int> keys;
        QSet<QString> names;
        for (const ParameterField &field : fields) {
            QCOMPARE(field.offset, next);
            if (field.size() == 2)
                QCOMPARE(field.offset % 2, 0);
            next += field.size();
            keys.insert(field.fileKey);
            names.insert(QLatin1String(field.name));
        }
        QCOMPARE(next, 210);
        QCOMPARE(names.size(), 198);
        QVERIFY(!keys.contains(181));
        QCOMPARE(keys.size(), 198);
        for (int k = 0; k <= 198; ++k)
            QVERIFY(k == 181 || keys.contains(k));
    }

    // Shown numbers store truncated toward zero, but a number a box shows with the field's
    // decimals stores as it reads, whatever its binary form.
    void shownNumbersStoreTruncated_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("shown");
        QTest::addColumn<qint64>("stored");
        QTest::newRow("volts truncated") << "LossVolt" << 12.345 << qint64(1234);
        QTest::newRow("volts 0.29") << "ProtectVolt1" << 0.29 << qint64(29);
        QTest::newRow("volts 11.10") << "ProtectVolt2" << 11.1 << qint64(1110);
        QTest::newRow("volts 655.35") << "LossVolt" << 655.35 << qint64(65535);
        QTest::newRow("metres truncated") << "LimitAlt" << 120.9 << qint64(120);
        QTest::newRow("metres just below") << "LimitRadius" << 99.9999999999 << qint64(100);
        QTest::newRow("negative toward zero") << "ServoTrim0" << -3.7 << qint64(-3);
    }

    void shownNumbersStoreTruncated()
    {
        QFETCH(QString, field);
        QFETCH(double, shown);
        QFETCH(qint64, stored);
        const ParameterField *target = findParameterField(field);
        QVERIFY(target);
        QCOMPARE(storedValue(*target, shown), stored);
        QCOMPARE(storedValue(*target, shownValue(*target, qint32(stored))), stored);
    }

    void tableEntries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("key");
        QTest::newRow("first") << "ServoTrim0" << 0 << int(FieldType::Int8) << 0;
        QTest::newRow("swapped a") << "TailLimitB" << 46 << int(FieldType::Int8) << 47;
        QTest::newRow("swapped b") << "TailLimitA" << 47 << int(FieldType::Int8) << 46;
        QTest::newRow("int16") << "IMUDistX" << 58 << int(FieldType::Int16) << 58;
        QTest::newRow("int16 last") << "GPSDistZ" << 68 << int(FieldType::Int16) << 63;
        QTest::newRow("uint8") << "WaypointType" << 71 << int(FieldType::UInt8) << 65;
        QTest::newRow("uint16") << "LossVolt" << 76 << int(FieldType::UInt16) << 70;
        QTest::newRow("slice 6 head") << "ProtectVolt2" << 80 << int(FieldType::UInt16) << 72;
        QTest::newRow("spare") << "spare99" << 99 << int(FieldType::UInt8) << 90;
        QTest::newRow("spare161") << "spare161" << 161 << int(FieldType::UInt8) << 198;
        QTest::newRow("ioc") << "IocEnable" << 170 << int(FieldType::Int8) << 177;
        QTest::newRow("turnback") << "TurnbackHeight" << 180 << int(FieldType::UInt16) << 155;
        QTest::newRow("go home") << "GoHomeEnable" << 182 << int(FieldType::Int8) << 158;
        QTest::newRow("cruise") << "CruiseVUBuff" << 195 << int(FieldType::Int8) << 156;
        QTest::newRow("radius") << "LimitRadius" << 204 << int(FieldType::UInt16) << 183;
        QTest::newRow("last") << "MaxPhiByhand" << 209 << int(FieldType::UInt8) << 196;
    }

    void tableEntries()
    {
        QFETCH(QString, name);
        QFETCH(int, offset);
        QFETCH(int, type);
        QFETCH(int, key);
        const ParameterField *field = findParameterField(name);
        QVERIFY(field);
        QCOMPARE(field->offset, offset);
        QCOMPARE(int(field->type), type);
        QCOMPARE(field->fileKey, key);
        QCOMPARE(field->fileKeyName(), QStringLiteral("var%1").arg(key));
        QVERIFY(!findParameterField(name.toUpper()));
    }

    void structFieldsMatchTable()
    {
        UavParam block = {};
        block.LossVolt = 1212;
        block.IMUDistX = -1000;
        block.MaxPhiByhand = 250;
        const BlockImage image(block);
        QCOMPARE(int(image.bytes()[76]), 0xBC);
        QCOMPARE(int(image.bytes()[77]), 0x04);
        QCOMPARE(image.fileValue(*findParameterField("LossVolt")), 1212);
        QCOMPARE(image.fileValue(*findParameterField("IMUDistX")), -1000);
        QCOMPARE(image.fileValue(*findParameterField("MaxPhiByhand")), 250);
        QCOMPARE(image.toStruct().MaxPhiByhand, block.MaxPhiByhand);
    }

    void fieldValuesAndRanges()
    {
        BlockImage block = filled(0);
        const ParameterField &servo = *findParameterField("ServoTrim0");
        block.setValue(servo, 300); // cut to 8 bits: 300 → 44
        QCOMPARE(block.fileValue(servo), 44);
        block.setValue(servo, -128);
        QCOMPARE(block.fileValue(servo), -128);
        QCOMPARE(int(block.bytes()[1]), 0); // the neighbour is untouched

        QVERIFY(valueFitsField(FieldType::Int8, -128));
        QVERIFY(!valueFitsField(FieldType::Int8, 128));
        QVERIFY(valueFitsField(FieldType::UInt8, 255));
        QVERIFY(!valueFitsField(FieldType::UInt8, -1));
        QVERIFY(valueFitsField(FieldType::Int16, -32768));
        QVERIFY(!valueFitsField(FieldType::Int16, 32768));
        QVERIFY(valueFitsField(FieldType::UInt16, 65535));
        QVERIFY(!valueFitsField(FieldType::UInt16, 65536));
    }

    // What the table says about a field must fit the field: a range within what its bytes hold,
    // a default that makes sense, choices within the range, a place for everything shown.
    void meaningsFitTheirFields()
    {
        for (const ParameterField &field : parameterFields()) {
            const QByteArray name = field.name;
            const qint64 lowest = field.readsUnsigned() ? 0 : fieldMinimum(field.type);
            const qint64 highest = field.readsUnsigned() ? 255 : fieldMaximum(field.type);
            QVERIFY2(field.minimum >= lowest && field.maximum <= highest, name);
            QVERIFY2(field.minimum <= field.maximum, name);
            QVERIFY2(field.isMeaningful(field.defaultValue), name);
            QVERIFY2(field.scale >= 1 && field.decimals >= 0, name);
            for (const FieldChoice &choice : field.choices)
                QVERIFY2(choice.code >= field.minimum && choice.code <= field.maximum, name);
            const bool spare = name.startsWith("spare");
            QCOMPARE(field.tab.page == FieldPage::NotShown, spare);
            QCOMPARE(field.caption == nullptr, spare);
            if (!spare)
                QVERIFY2(field.tab.title && *field.tab.title, name);
        }
        // The signed bytes that hold gains up to 255 are read as the unsigned byte.
        QVERIFY(findParameterField("PKp")->readsUnsigned());
        QVERIFY(!findParameterField("VUKp")->readsUnsigned());
        BlockImage block = filled(0xC8);
        QCOMPARE(block.value(*findParameterField("PKp")), 200);
        QCOMPARE(block.fileValue(*findParameterField("PKp")), -56);
        QCOMPARE(block.value(*findParameterField("VUKp")), -56);
    }

    void defaultsMakeAFactoryBlock()
    {
        const BlockImage block = BlockImage::defaults();
        for (const ParameterField &field : parameterFields())
            QCOMPARE(block.fileValue(field), field.defaultValue);
        QCOMPARE(block.fileValue(*findParameterField("ChannelMap7")), 5);
        QCOMPARE(block.fileValue(*findParameterField("LimitAlt")), 120);
    }

    void valuesInWords()
    {
        const ParameterField &limitAlt = *findParameterField("LimitAlt");
        QCOMPARE(formatValue(limitAlt, 250), QStringLiteral("250 m"));
        QCOMPARE(formatRange(limitAlt, limitAlt.minimum, limitAlt.maximum),
                 QStringLiteral("10–10000 m"));
        const ParameterField &lossVolt = *findParameterField("LossVolt");
        QCOMPARE(formatValue(lossVolt, 1110), QStringLiteral("11.10 V"));
        QCOMPARE(formatNumber(lossVolt, 5), QStringLiteral("0.05"));
        const ParameterField &failType = *findParameterField("FailType");
        QCOMPARE(formatValue(failType, 1), QStringLiteral("Alt Go-Home"));
        QCOMPARE(formatValue(failType, 9), QStringLiteral("9"));
        QCOMPARE(formatMeaning(failType), QStringLiteral("0 Hover, 1 Alt Go-Home"));
        QVERIFY(failType.isMeaningful(0) && !failType.isMeaningful(2));
        QCOMPARE(formatRange(-30000, 30000), QStringLiteral("-30000 – 30000"));
        QCOMPARE(fieldCaption(limitAlt), QStringLiteral("Max Altitude"));
        QCOMPARE(fieldCaption(*findParameterField("spare98")), QStringLiteral("Spare byte 98"));
        QCOMPARE(tabTitle(limitAlt.tab), QStringLiteral("Limits"));
        QCOMPARE(groupTitle(limitAlt), QStringLiteral("Altitude Limit"));
        QCOMPARE(pageTitle(FieldPage::Internal), QStringLiteral("Internal"));
    }

    void fieldsGroupedByPlace()
    {
        const QVector<FieldSection> sections = fieldsByPlace();
        QSet<const ParameterField *> seen;
        int previousPage = 0;
        for (const FieldSection &section : sections) {
            const int page = section.tab.page == FieldPage::Setting    ? 1
                             : section.tab.page == FieldPage::Internal ? 2
                                                                       : 3;
            QVERIFY(page >= previousPage);
            previousPage = page;
            QVERIFY(!section.fields.isEmpty());
            for (const ParameterField *field : section.fields) {
                QCOMPARE(field->tab.index, section.tab.index);
                QVERIFY(!seen.contains(field));
                seen.insert(field);
            }
        }
        QCOMPARE(seen.size(), parameterFields().size());
        QCOMPARE(QLatin1String(sections.first().fields.first()->name), QLatin1String("MotorIdel"));
        QCOMPARE(sections.last().tab.page, FieldPage::NotShown);
        const auto servoTrims =
            std::find_if(sections.cbegin(), sections.cend(), [](const FieldSection &section) {
                return section.group && QLatin1String(section.group) == QLatin1String("Servo Trim");
            });
        QVERIFY(servoTrims != sections.cend());
        QCOMPARE(servoTrims->fields.size(), 12);
    }

    void fileWritesTypedValuesUnderSwappedKeys()
    {
        BlockImage block = filled(0);
        block.bytes()[46] = 5;
        block.bytes()[47] = 7;
        block.bytes()[58] = 0x18;
        block.bytes()[59] = 0xFC;
        block.bytes()[76] = 0xBC;
        block.bytes()[77] = 0x04;
        block.bytes()[0] = 0xFF;  // int8 −1
        block.bytes()[72] = 0xFF; // uint8 255
        const QString file = path(QStringLiteral("typed.conf"));
        QString error;
        QVERIFY2(saveParameterFile(file, block, &error), qPrintable(error));
        const QMap<QString, QString> ini = readIni(file);
        QCOMPARE(ini.size(), 198);
        QCOMPARE(ini.value("var46"), QStringLiteral("7"));
        QCOMPARE(ini.value("var47"), QStringLiteral("5"));
        QCOMPARE(ini.value("var58"), QStringLiteral("-1000"));
        QCOMPARE(ini.value("var70"), QStringLiteral("1212"));
        QCOMPARE(ini.value("var0"), QStringLiteral("-1"));
        QCOMPARE(ini.value("var66"), QStringLiteral("255"));
        QVERIFY(!ini.contains("var181"));
        QVERIFY(!QFile::exists(file + ".part"));
        // The keys sit in the settings' default section.
        QFile text(file);
        QVERIFY(text.open(QIODevice::ReadOnly));
        QVERIFY(text.readAll().startsWith("[General]"));
    }

    void fileRoundTripIsByteExact()
    {
        const BlockImage block = patternBlock();
        const QString file = path(QStringLiteral("roundtrip.conf"));
        QString error;
        QVERIFY(saveParameterFile(file, block, &error));
        BlockImage loaded = filled(0);
        QVERIFY2(loadParameterFileStrict(file, &loaded, &error), qPrintable(error));
        QCOMPARE(loaded, block);

        // Saving again over an existing file replaces it whole.
        BlockImage zeros = filled(0);
        QVERIFY(saveParameterFile(file, zeros, &error));
        QVERIFY(loadParameterFileStrict(file, &loaded, &error));
        QCOMPARE(loaded, zeros);
    }

    void strictLoadRejects_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("missing") << "var12" << QString() << "var12";
        QTest::newRow("int8 too big") << "var3"
                                      << "128"
                                      << "var3";
        QTest::newRow("uint8 negative") << "var65"
                                        << "-1"
                                        << "var65";
        QTest::newRow("uint16 too big") << "var184"
                                        << "65536"
                                        << "var184";
        QTest::newRow("int16 too small") << "var60"
                                         << "-32769"
                                         << "var60";
        QTest::newRow("not a number") << "var100"
                                      << "fast"
                                      << "var100";
        QTest::newRow("fraction") << "var101"
                                  << "1.5"
                                  << "var101";
    }

    void strictLoadRejects()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, mentions);
        const QString file = savedCopyWith(key, value);
        QVERIFY(!file.isEmpty());
        BlockImage block = filled(0x5A);
        QString error;
        QVERIFY(!loadParameterFileStrict(file, &block, &error));
        QVERIFY2(error.contains(mentions), qPrintable(error));
        QCOMPARE(block, filled(0x5A));
    }

    void strictLoadIgnoresKey181AndExtremes()
    {
        const QString file = savedCopyWith(QStringLiteral("var181"), QStringLiteral("99"));
        {
            QSettings settings(file, QSettings::IniFormat);
            settings.setValue("var183", "65535");
            settings.setValue("var58", "-32768");
        }
        BlockImage block = filled(0);
        QString error;
        QVERIFY2(loadParameterFileStrict(file, &block, &error), qPrintable(error));
        QCOMPARE(block.fileValue(*findParameterField("LimitRadius")), 65535);
        QCOMPARE(block.fileValue(*findParameterField("IMUDistX")), -32768);
    }

    // Text the file must not hold: what is not a parameter file is refused whole, even where
    // QSettings would read past it (a repeated key keeps the last value, a stray line is skipped).
    void strictLoadRefusesWhatIsNoParameterFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("repeated key") << QByteArray() << QByteArray("var43=5\n") << "var43";
        QTest::newRow("repeated key in a second section")
            << QByteArray() << QByteArray("[General]\nvar10=1\n") << "var10";
        QTest::newRow("junk before the section")
            << QByteArray("PK\x03\x04 not an ini file\n") << QByteArray() << "line 1";
        QTest::newRow("junk after the keys") << QByteArray() << QByteArray("garbage\n") << "line";
        QTest::newRow("percent-encoded repeated key")
            << QByteArray() << QByteArray("var%343=5\n") << "var%343";
        QTest::newRow("a key that is none of ours")
            << QByteArray() << QByteArray("speed=5\n") << "speed";
        QTest::newRow("a key of another section")
            << QByteArray() << QByteArray("[Extra]\nvar3=1\n") << "Extra/var3";
        QTest::newRow("over 64 KiB of unrelated keys")
            << QByteArray() << QByteArray("junk=").append(QByteArray(70 * 1024, 'x')) << "64 KiB";
    }

    void strictLoadRefusesWhatIsNoParameterFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QString, mentions);
        const QString file = savedCopyWith(QStringLiteral("var181"), QString());
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray text = before + saved.readAll() + after;
        saved.close();
        QVERIFY(saved.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(saved.write(text), qint64(text.size()));
        saved.close();

        BlockImage block = filled(0x5A);
        QString error;
        QVERIFY(!loadParameterFileStrict(file, &block, &error));
        QVERIFY2(error.contains(mentions), qPrintable(error));
        QCOMPARE(block, filled(0x5A));
    }

    // Line endings of other systems, and the byte-order mark Windows editors begin a file with,
    // change nothing: the same rules hold for the same keys.
    void strictLoadReadsOtherLineEndingsAndAByteOrderMark_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<bool>("header"); // false: the keys stand before any section
        const QByteArray mark("\xEF\xBB\xBF");
        QTest::newRow("CR LF") << QByteArray("\r\n") << QByteArray() << true;
        QTest::newRow("CR only") << QByteArray("\r") << QByteArray() << true;
        QTest::newRow("byte-order mark") << QByteArray("\n") << mark << true;
        QTest::newRow("byte-order mark, CR LF") << QByteArray("\r\n") << mark << true;
        QTest::newRow("no section") << QByteArray("\n") << QByteArray() << false;
        QTest::newRow("byte-order mark before a key") << QByteArray("\n") << mark << false;
        QTest::newRow("byte-order mark before a key, CR LF") << QByteArray("\r\n") << mark << false;
    }

    void strictLoadReadsOtherLineEndingsAndAByteOrderMark()
    {
        QFETCH(QByteArray, lineEnd);
        QFETCH(QByteArray, start);
        QFETCH(bool, header);
        const BlockImage block = patternBlock();
        const QString file = path(QStringLiteral("endings.conf"));
        QString error;
        QVERIFY(saveParameterFile(file, block, &error));
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QByteArray text = saved.readAll();
        saved.close();
        QVERIFY(!text.startsWith("\xEF\xBB\xBF")); // written without a mark
        QVERIFY(!text.contains('\r'));
        QVERIFY(text.startsWith("[General]\n"));
        if (!header)
            text.remove(0, int(strlen("[General]\n")));
        text.replace("\n", lineEnd);
        QVERIFY(saved.open(QIODevice::WriteOnly | QIODevice::Truncate));
        saved.write(start + text);
        saved.close();
        BlockImage loaded = filled(0);
        QVERIFY2(loadParameterFileStrict(file, &loaded, &error), qPrintable(error));
        QCOMPARE(loaded, block);

        // A key given twice is found whatever ends the lines.
        QVERIFY(saved.open(QIODevice::Append));
        saved.write(QByteArray("var43=5") + lineEnd);
        saved.close();
        loaded = filled(0x5A);
        QVERIFY(!loadParameterFileStrict(file, &loaded, &error));
        QVERIFY2(error.contains(QStringLiteral("var43")), qPrintable(error));
        QCOMPARE(loaded, filled(0x5A));
    }

    // A gain's byte holds 0..255 as the pages show it and -128..127 as the file writes it.
    void whatAFieldHolds()
    {
        const ParameterField &gain = *findParameterField("PKp");
        const ParameterField &rotate = *findParameterField("IMURotate");
        const ParameterField &cells = *findParameterField("BatteryCell");
        const ParameterField &volts = *findParameterField("ProtectVolt1");
        QVERIFY(fieldCanHold(gain, 200) && fieldCanHold(gain, -56) && fieldCanHold(gain, 255));
        QVERIFY(!fieldCanHold(gain, 256) && !fieldCanHold(gain, -129));
        QVERIFY(fieldCanHold(rotate, 127) && !fieldCanHold(rotate, 180));
        QVERIFY(!fieldCanHold(cells, 300) && !fieldCanHold(cells, -1));
        QVERIFY(!fieldCanHold(volts, -100) && fieldCanHold(volts, 65535));
        QCOMPARE(lowestHeld(volts), 0);
        QCOMPARE(highestHeld(gain), 255);
    }

    void fileErrors()
    {
        BlockImage block = filled(0);
        QString error;
        QVERIFY(!loadParameterFileStrict(path("absent.conf"), &block, &error));
        QVERIFY(error.contains("absent.conf"));
        QVERIFY(!saveParameterFile(path("no/such/dir/x.conf"), block, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(path("no")));
        // A folder in the way of the file itself.
        QVERIFY(QDir(m_dir.path()).mkpath("taken.conf"));
        QVERIFY(!saveParameterFile(path("taken.conf"), block, &error));
        QVERIFY(QFileInfo(path("taken.conf")).isDir());
    }

    void windowsPortNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("device");
        QTest::newRow("COM1") << "COM1"
                              << "COM1";
        QTest::newRow("COM7") << "COM7"
                              << "COM7";
        QTest::newRow("COM9") << "COM9"
                              << "COM9";
        QTest::newRow("COM10") << "COM10"
                               << "\\\\.\\COM10";
        QTest::newRow("COM12") << "COM12"
                               << "\\\\.\\COM12";
        QTest::newRow("COM265 wraps to 9") << "COM265"
                                           << "COM265";
        QTest::newRow("no number") << "COMx"
                                   << "COMx";
        QTest::newRow("lower case") << "com3"
                                    << "";
        QTest::newRow("USB0") << "USB0"
                              << "";
        QTest::newRow("unix name") << "ttyUSB0"
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void windowsPortNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, device);
        QCOMPARE(deviceForPortName(name, PortNamingRule::Windows), device);
    }

    void unixPortNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("device");
        QTest::newRow("usb") << "ttyUSB0"
                             << "/dev/ttyUSB0";
        QTest::newRow("acm") << "ttyACM3"
                             << "/dev/ttyACM3";
        QTest::newRow("pts path") << "/dev/pts/7"
                                  << "/dev/pts/7";
        QTest::newRow("symlink") << "/tmp/sim/fc0"
                                 << "/tmp/sim/fc0";
        QTest::newRow("bluetooth") << "rfcomm0"
                                   << "/dev/rfcomm0";
        QTest::newRow("macOS call-out") << "cu.usbserial-1410"
                                        << "/dev/cu.usbserial-1410";
        QTest::newRow("any listed name") << "COM3"
                                         << "/dev/COM3";
        QTest::newRow("relative") << "dev/ttyUSB0"
                                  << "";
        QTest::newRow("escape") << "tty/../../etc/passwd"
                                << "";
        QTest::newRow("parent") << ".."
                                << "";
        QTest::newRow("dot") << "."
                             << "";
        QTest::newRow("space") << "tty USB0"
                               << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void unixPortNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, device);
        QCOMPARE(deviceForPortName(name, PortNamingRule::Unix), device);
    }

    void extraPortsVariable()
    {
        QCOMPARE(extraPortNames(":/tmp/a::/dev/pts/3:/tmp/a", PortNamingRule::Unix),
                 (QStringList{"/tmp/a", "/dev/pts/3"}));
        QCOMPARE(extraPortNames("COM20;COM21", PortNamingRule::Windows),
                 (QStringList{"COM20", "COM21"}));
        QVERIFY(extraPortNames(QString(), PortNamingRule::Unix).isEmpty());
    }

    void portsSortByName()
    {
        QList<PortInfo> ports;
        for (const char *name : {"COM2", "COM10", "COM1"}) {
            PortInfo info;
            info.portName = QLatin1String(name);
            ports << info;
        }
        std::sort(ports.begin(), ports.end(), Commrt::sortPorts);
        QCOMPARE(ports[0].portName, QStringLiteral("COM1"));
        QCOMPARE(ports[1].portName, QStringLiteral("COM10"));
        QCOMPARE(ports[2].portName, QStringLiteral("COM2"));
    }

    void extraPortsJoinEnumeration()
    {
        QTemporaryDir dir;
        const QString zz = dir.filePath("zz-sim");
        const QString aa = dir.filePath("aa-sim");
        const QString gone = dir.filePath("gone-sim");
        for (const QString &path : {zz, aa}) {
            QFile device(path);
            QVERIFY(device.open(QIODevice::WriteOnly));
        }
        const QByteArray saved = qgetenv(kExtraPortsVariable);
        qputenv(kExtraPortsVariable, QStringList{zz, gone, aa}.join(':').toLocal8Bit());
        const QList<PortInfo> ports = Commrt::availableDevices();
        qputenv(kExtraPortsVariable, saved);
        QStringList names;
        for (const PortInfo &port : ports)
            names << port.portName;
        QVERIFY(names.contains(aa));
        QVERIFY(names.contains(zz));
        QVERIFY(!names.contains(gone)); // listed only while the device is there
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(names, sorted);
    }
};

QTEST_MAIN(TestParameters)
#include "tst_parameters.moc"
