// The parameter block as the program and tools reach it: copies, replacement and field writes,
// each under the block's lock.
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/uavparam.h"

#include <QtTest>

#include <atomic>
#include <cstring>
#include <thread>

using namespace fclink;

namespace {

BlockImage patternBlock(int seed)
{
    BlockImage block;
    for (int i = 0; i < kParameterBlockSize; ++i)
        block.bytes()[i] = static_cast<quint8>((i * 37 + seed) & 0xFF);
    return block;
}

const ParameterField &firstField(bool (*matches)(const ParameterField &))
{
    for (const ParameterField &field : parameterFields()) {
        if (matches(field))
            return field;
    }
    qFatal("no field of the kind the test needs");
}

} // namespace

class TestParameterBlock : public QObject
{
    Q_OBJECT

private slots:
    void copyAndReplaceAreTheWholeBlock()
    {
        const BlockImage pattern = patternBlock(11);
        ParameterBlock::replace(pattern);
        QCOMPARE(std::memcmp(parameterBlockBytes(uavParam), pattern.bytes(), kParameterBlockSize),
                 0);
        QVERIFY(ParameterBlock::copy() == pattern);
        QCOMPARE(ParameterBlock::copy().toByteArray(), pattern.toByteArray());
    }

    void copyIsDetachedFromTheBlock()
    {
        ParameterBlock::replace(patternBlock(3));
        const BlockImage before = ParameterBlock::copy();
        ParameterBlock::replace(patternBlock(90));
        QVERIFY(before == patternBlock(3));
        QVERIFY(ParameterBlock::copy() == patternBlock(90));
    }

    void writeReportsValuesBeforeAndAfter()
    {
        const ParameterField &byteField =
            firstField([](const ParameterField &f) { return f.type == FieldType::UInt8; });
        const ParameterField &wordField =
            firstField([](const ParameterField &f) { return f.type == FieldType::Int16; });
        const ParameterField &gainField =
            firstField([](const ParameterField &f) { return f.readsUnsigned(); });

        BlockImage start = patternBlock(5);
        start.setValue(byteField, 7);
        start.setValue(wordField, 1200);
        start.setValue(gainField, 10);
        ParameterBlock::replace(start);

        const QVector<FieldChange> changes =
            ParameterBlock::write({{&byteField, 300}, {&wordField, -1000}, {&gainField, 200}});
        QCOMPARE(changes.size(), 3);
        QCOMPARE(changes[0].before, 7);
        QCOMPARE(changes[0].after, 44); // cut to the byte: 300 - 256
        QCOMPARE(changes[1].before, 1200);
        QCOMPARE(changes[1].after, -1000);
        QCOMPARE(changes[2].before, 10);
        QCOMPARE(changes[2].after, 200); // read as its meaning reads it, not as -56

        const BlockImage now = ParameterBlock::copy();
        QCOMPARE(now.value(byteField), 44);
        QCOMPARE(now.value(wordField), -1000);
        QCOMPARE(now.value(gainField), 200);
        // Nothing else moved.
        QStringList changed = start.differingFields(now);
        changed.sort();
        QStringList expected{QLatin1String(byteField.name), QLatin1String(wordField.name),
                             QLatin1String(gainField.name)};
        expected.sort();
        QCOMPARE(changed, expected);
    }

    void writeOfNothingChangesNothing()
    {
        ParameterBlock::replace(patternBlock(21));
        QVERIFY(ParameterBlock::write({}).isEmpty());
        QVERIFY(ParameterBlock::copy() == patternBlock(21));
    }

    // A copy taken while another thread writes a 16-bit field never holds half of a write.
    void copiesNeverSeeHalfAWrite()
    {
        const ParameterField &wordField =
            firstField([](const ParameterField &f) { return f.type == FieldType::Int16; });
        ParameterBlock::write({{&wordField, 0}});
        std::atomic<bool> stop{false};
        std::thread writer([&] {
            qint32 value = 0;
            while (!stop.load()) {
                value = value == 0 ? -1 : 0; // 0x0000 and 0xFFFF: a torn copy shows 0x00FF
                ParameterBlock::write({{&wordField, value}});
            }
        });
        int torn = 0;
        for (int i = 0; i < 20000; ++i) {
            const qint32 seen = ParameterBlock::copy().value(wordField);
            if (seen != 0 && seen != -1)
                ++torn;
        }
        stop = true;
        writer.join();
        QCOMPARE(torn, 0);
    }
};

QTEST_GUILESS_MAIN(TestParameterBlock)
#include "tst_parameterblock.moc"
