// Presets (parameter files of some keys) and saving a changed configuration over its file:
// what is refused, and that a save changes no byte outside the values of the changed fields.
#include "fclink/model/blockimage.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterfile.h"

#include <QtTest>

using namespace fclink;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(contents) == contents.size();
}

const ParameterField &field(const char *name)
{
    return *findParameterField(QLatin1String(name));
}

// The lines of two texts that differ, as "line: before | after".
QStringList differingLines(const QByteArray &first, const QByteArray &second)
{
    const QList<QByteArray> a = first.split('\n');
    const QList<QByteArray> b = second.split('\n');
    QStringList differing;
    for (int i = 0; i < qMax(a.size(), b.size()); ++i) {
        const QByteArray left = a.value(i);
        const QByteArray right = b.value(i);
        if (left != right)
            differing << QStringLiteral("%1: %2 | %3")
                             .arg(i + 1)
                             .arg(QString::fromLatin1(left), QString::fromLatin1(right));
    }
    return differing;
}

} // namespace

class TestPresetFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A whole file as the program writes it, then reworded by hand where the test says.
    QByteArray defaultsFile()
    {
        const QString file = path(QStringLiteral("defaults.conf"));
        QString error;
        return saveParameterFile(file, BlockImage::defaults(), &error) ? readAll(file)
                                                                       : QByteArray();
    }

private slots:
    void presetReadsItsKeysInBlockOrder()
    {
        const QString file = path(QStringLiteral("preset.conf"));
        // The keys stand in another order than their fields.
        const QByteArray text = "; altitude and radius\r\n[General]\r\n" +
                                field("LimitRadius").fileKeyName().toLatin1() + "=300\r\n" +
                                field("LimitAlt").fileKeyName().toLatin1() + " = 150\r\n";
        QVERIFY(writeAll(file, text));
        QVector<FieldValue> values;
        QString error;
        QVERIFY2(loadPresetFile(file, &values, &error), qPrintable(error));
        QCOMPARE(values.size(), 2);
        QVERIFY(values.at(0).field->offset < values.at(1).field->offset);
        for (const FieldValue &value : values)
            QCOMPARE(value.value, value.field == &field("LimitAlt") ? 150 : 300);
    }

    void junkPresetsAreRefusedNamingFileAndLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("mentions");
        const QByteArray alt = field("LimitAlt").fileKeyName().toLatin1();
        QTest::newRow("empty") << QByteArray() << "holds no parameter";
        QTest::newRow("only a header") << QByteArray("[General]\n") << "holds no parameter";
        QTest::newRow("only var181") << QByteArray("var181=3\n") << "holds no parameter";
        QTest::newRow("key twice") << QByteArray(alt + "=1\n" + alt + "=2\n") << "lines 1 and 2";
        QTest::newRow("unknown key") << QByteArray(alt + "=1\nspeed=5\n") << "line 2";
        QTest::newRow("other section") << QByteArray("[Extra]\n" + alt + "=1\n") << "line 2";
        QTest::newRow("junk line") << QByteArray("hello\n") << "line 1";
        QTest::newRow("not a number") << QByteArray("\n" + alt + "=high\n") << "line 2";
        QTest::newRow("outside the field") << QByteArray(alt + "=1\nvar0=400\n") << "line 2";
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff", 4) << "line 1";
    }

    void junkPresetsAreRefusedNamingFileAndLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, mentions);
        const QString file = path(QStringLiteral("junk.conf"));
        QVERIFY(writeAll(file, text));
        QVector<FieldValue> values{{&field("LimitAlt"), 77}};
        QString error;
        QVERIFY(!loadPresetFile(file, &values, &error));
        QVERIFY2(error.contains(mentions), qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("junk.conf")), qPrintable(error));
        QCOMPARE(values.size(), 1); // untouched
        QCOMPARE(values.first().value, 77);
    }

    void presetSavesOnlyTheChosenKeys()
    {
        BlockImage block = BlockImage::defaults();
        block.setValue("LimitAlt", 321);
        const QString file = path(QStringLiteral("chosen.conf"));
        QString error;
        QVERIFY(savePresetFile(
            file, block, {QStringLiteral("LimitRadius"), QStringLiteral("LimitAlt")}, &error));
        QVector<FieldValue> values;
        QVERIFY2(loadPresetFile(file, &values, &error), qPrintable(error));
        QCOMPARE(values.size(), 2);
        for (const FieldValue &value : values)
            QCOMPARE(value.value, block.value(*value.field));
    }

    // A file written by hand (other spacing, a comment, CR LF, values written unlike the
    // program writes them) keeps every byte but the changed values.
    void changedFileKeepsEveryOtherByte_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("LF") << QByteArray("\n") << QByteArray();
        QTest::newRow("CR LF") << QByteArray("\r\n") << QByteArray();
        QTest::newRow("byte-order mark") << QByteArray("\n") << QByteArray("\xEF\xBB\xBF");
    }

    void changedFileKeepsEveryOtherByte()
    {
        QFETCH(QByteArray, lineEnd);
        QFETCH(QByteArray, start);
        QByteArray text = defaultsFile();
        QVERIFY(!text.isEmpty());
        const QByteArray alt = field("LimitAlt").fileKeyName().toLatin1();
        const QByteArray radius = field("LimitRadius").fileKeyName().toLatin1();
        text.replace(alt + '=', alt + " =  ");
        text.replace("[General]\n", "; my aircraft\n[General]\n");
        text.replace(radius + '=', radius + "=+");
        text.replace("\n", lineEnd);
        text.prepend(start);
        const QString file = path(QStringLiteral("hand.conf"));
        QVERIFY(writeAll(file, text));
        BlockImage before;
        QString error;
        QVERIFY2(loadParameterFileStrict(file, &before, &error), qPrintable(error));

        BlockImage after = before;
        after.setValue("LimitAlt", before.value("LimitAlt") + 7);
        const QByteArray changed = changedParameterFile(text, before, after);
        const QStringList lines = differingLines(text, changed);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(QString::fromLatin1(alt + " =  ")),
                 qPrintable(lines.first()));
        QVERIFY(changed.startsWith(start + "; my aircraft"));

        QVERIFY(writeAll(file, changed));
        BlockImage reread;
        QVERIFY2(loadParameterFileStrict(file, &reread, &error), qPrintable(error));
        QVERIFY2(reread == after, qPrintable(reread.differingFields(after).join(',') + ' ' +
                                             QString::fromLatin1(changed.left(300))));
        // Nothing changed: the same bytes.
        QCOMPARE(changedParameterFile(text, before, before), text);
    }

    void changedKeyMissingFromTheTextIsAdded()
    {
        const QByteArray alt = field("LimitAlt").fileKeyName().toLatin1();
        BlockImage before = BlockImage::defaults();
        BlockImage after = before;
        after.setValue("LimitAlt", 222);
        const QByteArray changed = changedParameterFile("[General]\r\nvar0=1", before, after);
        QCOMPARE(changed, QByteArray("[General]\r\nvar0=1\r\n" + alt + "=222\r\n"));
    }

    // A file rewritten with as many bytes and the same time stamp (two saves within the
    // stamp's resolution) is read anew, not from what was read of it before.
    void rewrittenFileIsReadAnew()
    {
        const QString file = path(QStringLiteral("again.conf"));
        BlockImage first = BlockImage::defaults();
        first.setValue("LimitAlt", 120);
        QString error;
        QVERIFY(saveParameterFile(file, first, &error));
        const QDateTime stamp = QFileInfo(file).lastModified();
        BlockImage loaded;
        QVERIFY(loadParameterFileStrict(file, &loaded, &error));
        QCOMPARE(loaded, first);

        QByteArray text = readAll(file);
        text.replace(field("LimitAlt").fileKeyName().toLatin1() + "=120\n",
                     field("LimitAlt").fileKeyName().toLatin1() + "=130\n");
        QFile rewritten(file);
        QVERIFY(rewritten.open(QIODevice::ReadWrite | QIODevice::Truncate));
        QCOMPARE(rewritten.write(text), qint64(text.size()));
        QVERIFY(rewritten.flush());
        QVERIFY(rewritten.setFileTime(stamp, QFileDevice::FileModificationTime));
        rewritten.close();
        QCOMPARE(QFileInfo(file).lastModified(), stamp);
        QVERIFY(loadParameterFileStrict(file, &loaded, &error));
        QCOMPARE(loaded.value("LimitAlt"), 130);
    }

    void contentsReplaceAFileWhole()
    {
        const QString file = path(QStringLiteral("whole.conf"));
        QVERIFY(writeAll(file, "old old old old"));
        QString error;
        QVERIFY(saveFileContents(file, "new", &error));
        QCOMPARE(readAll(file), QByteArray("new"));
        QVERIFY(!QFile::exists(file + QStringLiteral(".part")));
        QVERIFY(!saveFileContents(path(QStringLiteral("no/such/folder.conf")), "x", &error));
        QVERIFY2(error.contains(QStringLiteral("no such folder")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestPresetFile)
#include "tst_presetfile.moc"
