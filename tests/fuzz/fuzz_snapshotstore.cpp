// libFuzzer target for the snapshot store's folder: its index.json and its snapshot files, which
// other programs, older versions, crashes and hands may have left in any state. The input is a
// folder written as text: each line "@@ NAME" starts the file NAME, whose bytes follow up to the
// next such line. What must hold for any folder:
// - listing changes no snapshot file (only the index may be written) and names only files of the
//   folder that are there; an index rebuilt from the files lists them newest first, each one
//   readable, and lists the same again once written;
// - taking a snapshot afterwards succeeds, lists it first, reads back its block, and loses
//   nothing that was listed (no file changes but the index and the new one's).
#include "fclink/model/blockimage.h"
#include "fclink/storage/snapshotstore.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <algorithm>

using namespace fclink;

namespace {

constexpr int kMostFiles = 16;
constexpr int kLongestName = 64;
const QString kIndexName = QStringLiteral("index.json");

using FolderContents = QMap<QString, QByteArray>;

// A name the folder can hold: letters, digits, dots, dashes and underscores, no hidden file
// (the store's lock is one), at most kLongestName characters.
QString fileName(const QByteArray &line)
{
    QString name;
    for (const char c : line) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '.' || c == '-' || c == '_')
            name += QLatin1Char(c);
    }
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.size() > kLongestName)
        return QString();
    return name;
}

FolderContents filesOf(const QByteArray &input)
{
    FolderContents files;
    QString current;
    int from = 0;
    while (from < input.size()) {
        const int end = input.indexOf('\n', from);
        const int next = end < 0 ? input.size() : end + 1;
        const QByteArray line = input.mid(from, next - from);
        if (line.startsWith("@@ ")) {
            current = fileName(line.mid(3).trimmed());
            if (!current.isEmpty() && !files.contains(current)) {
                if (files.size() == kMostFiles)
                    break;
                files.insert(current, QByteArray());
            }
        } else if (!current.isEmpty()) {
            files[current] += line;
        }
        from = next;
    }
    return files;
}

FolderContents readFolder(const QString &folder)
{
    FolderContents files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile file(dir.filePath(name));
        FUZZ_REQUIRE(file.open(QIODevice::ReadOnly));
        files.insert(name, file.readAll());
    }
    return files;
}

void writeFolder(const QString &folder, const FolderContents &files)
{
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        FUZZ_REQUIRE(dir.remove(name));
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        writeScratchFile(dir.filePath(file.key()), file.value());
}

// The folder as it was, but for the index and the files named in except.
bool unchangedBut(const FolderContents &before, const FolderContents &after,
                  const QStringList &except)
{
    for (auto file = before.cbegin(); file != before.cend(); ++file) {
        if (file.key() != kIndexName && !except.contains(file.key()) &&
            after.value(file.key()) != file.value())
            return false;
    }
    for (auto file = after.cbegin(); file != after.cend(); ++file) {
        if (file.key() != kIndexName && !except.contains(file.key()) &&
            !before.contains(file.key()))
            return false;
    }
    return true;
}

bool sameDetails(const Snapshot &a, const Snapshot &b)
{
    return a.path == b.path && a.time == b.time && a.reason == b.reason && a.note == b.note &&
           a.deviceId == b.deviceId && a.firmwareVersion == b.firmwareVersion &&
           a.pinned == b.pinned && a.port == b.port;
}

bool sameList(const QVector<Snapshot> &a, const QVector<Snapshot> &b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), sameDetails);
}

void checkListed(const QVector<Snapshot> &listed, bool rebuilt, const QString &folder)
{
    for (int i = 0; i < listed.size(); ++i) {
        const QFileInfo file(listed.at(i).path);
        FUZZ_REQUIRE(file.absolutePath() == QDir(folder).absolutePath());
        FUZZ_REQUIRE(file.isFile());
        if (rebuilt) {
            FUZZ_REQUIRE(listed.at(i).readBlock().has_value());
            FUZZ_REQUIRE(i == 0 || listed.at(i - 1).time >= listed.at(i).time);
        }
    }
}

void checkTake(const QString &folder, const QVector<Snapshot> &listed, const FolderContents &before)
{
    SnapshotStore store(folder);
    const BlockImage block = BlockImage::defaults();
    Snapshot taken;
    QString error;
    FUZZ_REQUIRE(store.take(block, SnapshotReason::OnDemand, QString(), 38, 105, &taken, &error));
    FUZZ_REQUIRE(taken.readBlock() == block);
    const QVector<Snapshot> after = store.list();
    FUZZ_REQUIRE(!after.isEmpty() && after.first().path == taken.path);
    if (listed.size() >= SnapshotStore::kMaxSnapshots)
        return; // the oldest may have been pruned
    for (const Snapshot &snapshot : listed) {
        FUZZ_REQUIRE(std::any_of(after.cbegin(), after.cend(), [&](const Snapshot &kept) {
            return sameDetails(kept, snapshot);
        }));
    }
    FUZZ_REQUIRE(unchangedBut(before, readFolder(folder), {QFileInfo(taken.path).fileName()}));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    silenceQtMessages();
    static const QString folder = fuzzScratchFolder();
    writeFolder(folder, filesOf(fuzzInput(data, size)));
    const FolderContents before = readFolder(folder);

    const SnapshotStore store(folder);
    bool rebuilt = false;
    const QVector<Snapshot> listed = store.list(&rebuilt);
    FUZZ_REQUIRE(unchangedBut(before, readFolder(folder), {}));
    checkListed(listed, rebuilt, folder);

    bool rebuiltAgain = false;
    const QVector<Snapshot> again = store.list(&rebuiltAgain);
    FUZZ_REQUIRE(!rebuiltAgain);
    FUZZ_REQUIRE(sameList(listed, again));

    checkTake(folder, listed, readFolder(folder));
    return 0;
}
