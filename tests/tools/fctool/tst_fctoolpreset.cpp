// fctool apply and preset: a preset applied to the simulated flight controller (with its
// changes printed first and read back after) or to a parameter file (changed only in the
// preset's values), bad presets refused before anything changes, and presets written from a
// parameter file.
#include "fclink/link/parameterslices.h"
#include "fclink/model/blockimage.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterfile.h"
#include "tests/support/simulatortest.h"
#include "tests/support/testfolders.h"
#include "toolrun.h"

#include <QtTest>

namespace {

using Block = fclink::BlockImage;

QByteArray keyOf(const char *field)
{
    return fclink::findParameterField(QLatin1String(field))->fileKeyName().toLatin1();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int writeRequests(const FcsimProcess &sim)
{
    int writes = 0;
    for (const FcsimProcess::Request &request : sim.requests()) {
        if (request.head >= 1 && request.head <= fclink::kSliceCount)
            ++writes;
    }
    return writes;
}

} // namespace

class TestFctoolPreset : public SimulatorTest
{
    Q_OBJECT

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    QString writeText(const QString &name, const QByteArray &text) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return QString();
        return file.fileName();
    }

    // A preset of LimitAlt and MotorIdel with the values given.
    QString preset(qint32 altitude, qint32 idle) const
    {
        return writeText(QStringLiteral("preset.conf"),
                         "[General]\n" + keyOf("MotorIdel") + '=' + QByteArray::number(idle) +
                             '\n' + keyOf("LimitAlt") + '=' + QByteArray::number(altitude) + '\n');
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        useTestFolders(m_dir->path());
    }

    void applyToTheController_data()
    {
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<bool>("dryRun");
        QTest::addColumn<bool>("same"); // the preset holds what the controller holds
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("written");
        QTest::newRow("applied and verified") << QStringList() << false << false << 0 << true;
        QTest::newRow("dry run") << QStringList() << true << false << 0 << false;
        QTest::newRow("nothing to change") << QStringList() << false << true << 0 << false;
        // The controller keeps its own LimitAlt (offsets 206 and 207).
        QTest::newRow("refused") << QStringList{QStringLiteral("--ignore-writes"),
                                                QStringLiteral("206,207")}
                                 << false << false << 1 << true;
    }

    void applyToTheController()
    {
        QFETCH(QStringList, simulator);
        QFETCH(bool, dryRun);
        QFETCH(bool, same);
        QFETCH(int, exitCode);
        QFETCH(bool, written);
        QVERIFY(startSim(simulator));
        const Block before = m_sim->block();
        const qint32 altitude = same ? before.value("LimitAlt") : before.value("LimitAlt") + 5;
        const qint32 idle = same ? before.value("MotorIdel") : (before.value("MotorIdel") % 5) + 1;
        QStringList arguments{QStringLiteral("apply"), QStringLiteral("--port"), m_sim->linkPath(),
                              preset(altitude, idle)};
        if (dryRun)
            arguments << QStringLiteral("--dry-run");
        ToolRun run(arguments);
        QVERIFY(run.runToEnd());
        QVERIFY2(run.exitCode() == exitCode, qPrintable(run.describe()));
        // The changes, in block order (MotorIdel lies before LimitAlt).
        const QStringList expectedLines = same ? QStringList()
                                               : QStringList{QStringLiteral("MotorIdel: %1 -> %2")
                                                                 .arg(before.value("MotorIdel"))
                                                                 .arg(idle),
                                                             QStringLiteral("LimitAlt: %1 -> %2")
                                                                 .arg(before.value("LimitAlt"))
                                                                 .arg(altitude)};
        QCOMPARE(run.outLines(), expectedLines);
        QCOMPARE(writeRequests(*m_sim) > 0, written);
        Block expected = before;
        if (written) {
            expected.setValue("MotorIdel", idle);
            if (exitCode == 0)
                expected.setValue("LimitAlt", altitude);
            else
                QVERIFY2(run.err().contains(QStringLiteral("LimitAlt")), qPrintable(run.err()));
        }
        QCOMPARE(m_sim->block(), expected);
    }

    // Bad input exits 2 naming the file (and line), and nothing is sent or written.
    void badInputChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("mentions");
        const QByteArray alt = keyOf("LimitAlt");
        QTest::newRow("junk") << QByteArray("\x7f"
                                            "ELF\n")
                              << QStringList() << "junk.conf: line 1";
        QTest::newRow("repeated key")
            << QByteArray(alt + "=1\n" + alt + "=2\n") << QStringList() << "lines 1 and 2";
        QTest::newRow("value outside its field")
            << QByteArray("\n" + alt + "=70000\n") << QStringList() << "junk.conf, line 2";
        QTest::newRow("empty") << QByteArray() << QStringList() << "holds no parameter";
        QTest::newRow("missing") << QByteArray() << QStringList{QStringLiteral("missing")}
                                 << "cannot read";
        QTest::newRow("port and file")
            << QByteArray(alt + "=100\n") << QStringList{QStringLiteral("--file=x.conf")}
            << "either --port";
    }

    void badInputChangesNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, extra);
        QFETCH(QString, mentions);
        QVERIFY(startSim());
        const Block before = m_sim->block();
        QString file = writeText(QStringLiteral("junk.conf"), text);
        if (extra.contains(QStringLiteral("missing"))) {
            file = path(QStringLiteral("missing.conf"));
            extra.clear();
        }
        ToolRun run(QStringList{QStringLiteral("apply"), QStringLiteral("--port"),
                                m_sim->linkPath(), file} +
                    extra);
        QVERIFY(run.runToEnd());
        QVERIFY2(run.exitCode() == 2, qPrintable(run.describe()));
        QVERIFY2(run.err().contains(mentions), qPrintable(run.err()));
        QVERIFY(run.out().isEmpty());
        QCOMPARE(m_sim->requestCount(), 0); // the port was never opened
        QCOMPARE(m_sim->block(), before);
    }

    void badPortExits3()
    {
        ToolRun run({QStringLiteral("apply"), QStringLiteral("--port"),
                     path(QStringLiteral("none")), preset(100, 2)});
        QVERIFY(run.runToEnd());
        QVERIFY2(run.exitCode() == 3, qPrintable(run.describe()));
    }

    // A file changes only in the values of the preset's keys; a dry run changes nothing.
    void applyToAFileKeepsEveryOtherByte_data()
    {
        QTest::addColumn<bool>("dryRun");
        QTest::newRow("applied") << false;
        QTest::newRow("dry run") << true;
    }

    void applyToAFileKeepsEveryOtherByte()
    {
        QFETCH(bool, dryRun);
        QString error;
        const QString target = path(QStringLiteral("target.conf"));
        QVERIFY(fclink::saveParameterFile(target, Block::defaults(), &error));
        QByteArray text = readAll(target);
        text.replace("\n", "\r\n");
        text.replace(keyOf("LimitRadius") + '=', keyOf("LimitRadius") + " = ");
        text.prepend("; tuned for the wind\r\n");
        QVERIFY(!writeText(QStringLiteral("target.conf"), text).isEmpty());

        QStringList arguments{QStringLiteral("apply"), QStringLiteral("--file"), target,
                              preset(321, 4)};
        if (dryRun)
            arguments << QStringLiteral("--dry-run");
        ToolRun run(arguments);
        QVERIFY(run.runToEnd());
        QVERIFY2(run.exitCode() == 0, qPrintable(run.describe()));
        QCOMPARE(run.outLines().size(), 2);
        const QByteArray after = readAll(target);
        if (dryRun) {
            QCOMPARE(after, text);
            return;
        }
        QByteArray expected = text;
        const Block defaults = Block::defaults();
        expected.replace("\r\n" + keyOf("LimitAlt") + '=' +
                             QByteArray::number(defaults.value("LimitAlt")) + "\r\n",
                         "\r\n" + keyOf("LimitAlt") + "=321\r\n");
        expected.replace("\r\n" + keyOf("MotorIdel") + '=' +
                             QByteArray::number(defaults.value("MotorIdel")) + "\r\n",
                         "\r\n" + keyOf("MotorIdel") + "=4\r\n");
        QVERIFY(expected != text);
        QCOMPARE(after, expected);
    }

    void presetWritesTheNamedFields()
    {
        Block source = Block::defaults();
        source.setValue("LimitAlt", 432);
        source.setValue("LimitRadius", 987);
        QString error;
        const QString from = path(QStringLiteral("from.conf"));
        QVERIFY(fclink::saveParameterFile(from, source, &error));
        const QString out = path(QStringLiteral("limits.conf"));
        ToolRun run({QStringLiteral("preset"), QStringLiteral("--from"), from,
                     QStringLiteral("--fields"), QStringLiteral("LimitAlt, LimitRadius"),
                     QStringLiteral("--out"), out});
        QVERIFY(run.runToEnd());
        QVERIFY2(run.exitCode() == 0, qPrintable(run.describe()));
        QVector<fclink::FieldValue> values;
        QVERIFY2(fclink::loadPresetFile(out, &values, &error), qPrintable(error));
        QCOMPARE(values.size(), 2);
        for (const fclink::FieldValue &value : values)
            QCOMPARE(value.value, source.value(*value.field));
    }

    void presetRefusesBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("unknown field")
            << QStringList{QStringLiteral("--fields"), QStringLiteral("LimitAlt,Speed")} << "Speed";
        QTest::newRow("field twice")
            << QStringList{QStringLiteral("--fields"), QStringLiteral("LimitAlt,LimitAlt")}
            << "twice";
        QTest::newRow("empty name")
            << QStringList{QStringLiteral("--fields"), QStringLiteral("LimitAlt,,LimitRadius")}
            << "commas";
        QTest::newRow("no fields") << QStringList() << "--fields";
    }

    void presetRefusesBadInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        QString error;
        const QString from = path(QStringLiteral("from.conf"));
        QVERIFY(fclink::saveParameterFile(from, Block::defaults(), &error));
        const QString out = path(QStringLiteral("out.conf"));
        ToolRun run(QStringList{QStringLiteral("preset"), QStringLiteral("--from"), from,
                                QStringLiteral("--out"), out} +
                    arguments);
        QVERIFY(run.runToEnd());
        QVERIFY2(run.exitCode() == 2, qPrintable(run.describe()));
        QVERIFY2(run.err().contains(mentions), qPrintable(run.err()));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_GUILESS_MAIN(TestFctoolPreset)
#include "tst_fctoolpreset.moc"
