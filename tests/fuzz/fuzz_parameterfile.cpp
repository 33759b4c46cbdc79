// libFuzzer target for parameter files: the one reader behind the import, fctool write and
// fctool diff. What must hold for any file:
// - a refused file leaves the block as it was and says why;
// - an accepted file's every plainly written key (varN=number, in the General section) is the
//   value the block now holds: what the pilot sees in the file is what reaches the controller;
// - an accepted block written out is a file without a byte-order mark or CR that reads back equal;
// - the same file with CR LF line ends and a byte-order mark reads the same;
// - read as a preset, a refused file leaves the values as they were, and an accepted one holds
//   each field once, in block order, and written out as a preset reads back the same values.
#include "fclink/model/blockimage.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterfile.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QHash>

#include <algorithm>

using namespace fclink;

namespace {

constexpr qint64 kLargestFile = 64 * 1024;
constexpr quint8 kUntouched = 0x5A;
const QByteArray kByteOrderMark("\xEF\xBB\xBF");

BlockImage untouchedBlock()
{
    BlockImage block;
    std::fill(block.bytes(), block.bytes() + kParameterBlockSize, kUntouched);
    return block;
}

QHash<QByteArray, const ParameterField *> fieldsByKey()
{
    QHash<QByteArray, const ParameterField *> keys;
    for (const ParameterField &field : parameterFields())
        keys.insert(field.fileKeyName().toLatin1(), &field);
    return keys;
}

// "-12" or "300" with nothing else; false for anything QSettings might read another way.
bool plainNumber(const QByteArray &text, qint64 *value)
{
    const int digitsFrom = text.startsWith('-') ? 1 : 0;
    if (text.size() <= digitsFrom || text.size() > 18)
        return false;
    if (!std::all_of(text.cbegin() + digitsFrom, text.cend(),
                     [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    *value = text.toLongLong();
    return true;
}

// Every line "varN=number" of the General section holds what the block now holds (an 8-bit
// field's value as either reading of its byte).
void checkPlainKeys(QByteArray contents, const BlockImage &block)
{
    static const QHash<QByteArray, const ParameterField *> keys = fieldsByKey();
    if (contents.startsWith(kByteOrderMark))
        contents.remove(0, kByteOrderMark.size());
    contents.replace("\r\n", "\n");
    contents.replace('\r', '\n');
    bool general = true;
    for (const QByteArray &raw : contents.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            general = line.mid(1, line.size() - 2).trimmed() == "General";
            continue;
        }
        const int equals = line.indexOf('=');
        qint64 written = 0;
        if (!general || equals <= 0 || !plainNumber(line.mid(equals + 1).trimmed(), &written))
            continue;
        const ParameterField *field = keys.value(line.left(equals).trimmed());
        if (!field)
            continue; // var181, which no field has
        const quint32 mask = field->size() == 1 ? 0xFFu : 0xFFFFu;
        FUZZ_REQUIRE(((quint32(written) - quint32(block.fileValue(*field))) & mask) == 0);
    }
}

void checkWrittenBack(const BlockImage &block, const QString &path)
{
    QString error;
    FUZZ_REQUIRE(saveParameterFile(path, block, &error));
    QFile written(path);
    FUZZ_REQUIRE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    FUZZ_REQUIRE(!text.startsWith(kByteOrderMark) && !text.contains('\r'));
    BlockImage reread = untouchedBlock();
    FUZZ_REQUIRE(loadParameterFileStrict(path, &reread, &error));
    FUZZ_REQUIRE(reread == block);
}

void checkWindowsForm(const QByteArray &contents, const BlockImage &block, const QString &path)
{
    if (contents.contains('\r') || contents.startsWith(kByteOrderMark))
        return;
    QByteArray windows = contents;
    windows.replace("\n", "\r\n");
    if (windows.size() + kByteOrderMark.size() > kLargestFile)
        return;
    writeScratchFile(path, kByteOrderMark + windows);
    BlockImage reread = untouchedBlock();
    QString error;
    FUZZ_REQUIRE(loadParameterFileStrict(path, &reread, &error));
    FUZZ_REQUIRE(reread == block);
}

void checkPreset(const QString &input, const QString &path)
{
    const FieldValue untouched{nullptr, 0x5A5A};
    QVector<FieldValue> values{untouched};
    QString error;
    if (!loadPresetFile(input, &values, &error)) {
        FUZZ_REQUIRE(!error.isEmpty());
        FUZZ_REQUIRE(values.size() == 1 && values.first().field == nullptr &&
                     values.first().value == untouched.value);
        return;
    }
    FUZZ_REQUIRE(!values.isEmpty());
    BlockImage block;
    QStringList names;
    for (int i = 0; i < values.size(); ++i) {
        FUZZ_REQUIRE(values.at(i).field != nullptr);
        FUZZ_REQUIRE(i == 0 || values.at(i - 1).field->offset < values.at(i).field->offset);
        block.setValue(*values.at(i).field, values.at(i).value);
        names.append(QString::fromLatin1(values.at(i).field->name));
    }
    FUZZ_REQUIRE(savePresetFile(path, block, names, &error));
    QVector<FieldValue> reread;
    FUZZ_REQUIRE(loadPresetFile(path, &reread, &error));
    FUZZ_REQUIRE(reread.size() == values.size());
    for (int i = 0; i < values.size(); ++i) {
        FUZZ_REQUIRE(reread.at(i).field == values.at(i).field);
        FUZZ_REQUIRE(reread.at(i).value == values.at(i).value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    silenceQtMessages();
    static const QString folder = fuzzScratchFolder();
    static const QString input = folder + QStringLiteral("/input.conf");
    const QByteArray contents = fuzzInput(data, size);
    writeScratchFile(input, contents);

    BlockImage block = untouchedBlock();
    checkPreset(input, folder + QStringLiteral("/preset.conf"));
    QString error;
    if (!loadParameterFileStrict(input, &block, &error)) {
        FUZZ_REQUIRE(!error.isEmpty());
        FUZZ_REQUIRE(block == untouchedBlock());
        return 0;
    }
    FUZZ_REQUIRE(contents.size() <= kLargestFile);
    checkPlainKeys(contents, block);
    checkWrittenBack(block, folder + QStringLiteral("/written.conf"));
    checkWindowsForm(contents, block, folder + QStringLiteral("/windows.conf"));
    return 0;
}
