#include "snapshotstore.h"

#include "fclink/logcategories.h"
#include "fclink/model/uavparam.h"
#include "parameterfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>

namespace fclink {

namespace {

constexpr int kIndexVersion = 1;
constexpr int kLockTimeoutMs = 5000;
const char *const kFilePrefix = "snapshot-";
const char *const kFileSuffix = ".conf";
const char *const kTimeFormat = "yyyyMMdd-HHmmss-zzz";
// The comment line at the head of every snapshot file that carries its details.
const char *const kDetailsMarker = "; kesto-snapshot ";
// Room a snapshot needs: a parameter file and the index that lists it.
constexpr qint64 kRoomNeeded = 64 * 1024;

struct ReasonName
{
    SnapshotReason reason;
    const char *key;
};

const ReasonName kReasonNames[] = {
    {SnapshotReason::Connect, "connect"},          {SnapshotReason::BeforeImport, "before-import"},
    {SnapshotReason::BeforeFlash, "before-flash"}, {SnapshotReason::AfterRestore, "after-restore"},
    {SnapshotReason::OnDemand, "on-demand"},       {SnapshotReason::Unknown, "unknown"}};

// The details every index entry and every file carries.
QJsonObject detailsJson(const Snapshot &snapshot)
{
    QJsonObject object;
    object.insert(QStringLiteral("time"), snapshot.time.toUTC().toString(Qt::ISODateWithMs));
    object.insert(QStringLiteral("reason"), snapshotReasonKey(snapshot.reason));
    object.insert(QStringLiteral("note"), snapshot.note);
    object.insert(QStringLiteral("device"), snapshot.deviceId);
    object.insert(QStringLiteral("firmware"), snapshot.firmwareVersion);
    object.insert(QStringLiteral("pinned"), snapshot.pinned);
    if (!snapshot.port.isEmpty())
        object.insert(QStringLiteral("port"), snapshot.port);
    return object;
}

// Takes the details only when they are whole: damaged ones leave the snapshot as it was (a file
// keeps the time of its name, as a file of an older version does).
bool readDetails(const QJsonObject &object, Snapshot *snapshot)
{
    Snapshot read = *snapshot;
    read.time =
        QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    if (!read.time.isValid() ||
        !snapshotReasonFromKey(object.value(QStringLiteral("reason")).toString(), &read.reason))
        return false;
    read.note = object.value(QStringLiteral("note")).toString();
    read.deviceId = object.value(QStringLiteral("device")).toInt();
    read.firmwareVersion = object.value(QStringLiteral("firmware")).toInt();
    read.pinned = object.value(QStringLiteral("pinned")).toBool();
    read.port = object.value(QStringLiteral("port")).toString();
    *snapshot = read;
    return true;
}

QJsonObject toJson(const Snapshot &snapshot)
{
    QJsonObject object = detailsJson(snapshot);
    object.insert(QStringLiteral("file"), QFileInfo(snapshot.path).fileName());
    return object;
}

// An index entry, or false for one that names no file of this folder or is not well formed.
bool fromJson(const QJsonObject &object, const QDir &folder, Snapshot *snapshot)
{
    const QString file = object.value(QStringLiteral("file")).toString();
    if (file.isEmpty() || file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\')))
        return false;
    snapshot->path = folder.filePath(file);
    return readDetails(object, snapshot);
}

QByteArray detailsLine(const Snapshot &snapshot)
{
    // Compact JSON escapes line breaks, so the details stay one comment line.
    return QByteArray(kDetailsMarker) +
           QJsonDocument(detailsJson(snapshot)).toJson(QJsonDocument::Compact) + '\n';
}

// The details at the head of a snapshot file; false for a file without them.
bool readFileDetails(const QByteArray &contents, Snapshot *snapshot)
{
    if (!contents.startsWith(kDetailsMarker))
        return false;
    const int end = contents.indexOf('\n');
    const QByteArray json = contents.mid(int(qstrlen(kDetailsMarker)),
                                         end < 0 ? -1 : end - int(qstrlen(kDetailsMarker)));
    const QJsonDocument document = QJsonDocument::fromJson(json);
    return document.isObject() && readDetails(document.object(), snapshot);
}

// The file without its details line.
QByteArray withoutDetails(const QByteArray &contents)
{
    if (!contents.startsWith(kDetailsMarker))
        return contents;
    const int end = contents.indexOf('\n');
    return end < 0 ? QByteArray() : contents.mid(end + 1);
}

bool isSnapshotFileName(const QString &name, QDateTime *time)
{
    if (!name.startsWith(QLatin1String(kFilePrefix)) || !name.endsWith(QLatin1String(kFileSuffix)))
        return false;
    const QString stamp = name.mid(int(qstrlen(kFilePrefix)), int(qstrlen(kTimeFormat)));
    *time = QDateTime::fromString(stamp, QLatin1String(kTimeFormat));
    time->setTimeSpec(Qt::UTC);
    return time->isValid();
}

// Why nothing can be written into folder, when the file system tells; empty otherwise.
QString writeProblem(const QString &folder)
{
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.isReadOnly())
        return QStringLiteral("the file system is read-only");
    if (storage.isValid() && storage.bytesAvailable() < kRoomNeeded)
        return QStringLiteral("no space left on the disk");
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return QStringLiteral("a file of that name is in the way");
    if (info.exists() && !info.isWritable())
        return QStringLiteral("permission denied");
    return QString();
}

QString cannotWrite(const QString &what, const QString &folder, const QString &detail)
{
    const QString problem = writeProblem(folder);
    const QString cause = problem.isEmpty() ? detail : problem;
    return cause.isEmpty() ? QStringLiteral("cannot write %1").arg(what)
                           : QStringLiteral("cannot write %1: %2").arg(what, cause);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeWhole(const QString &path, const QByteArray &contents, const QString &folder,
                QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit()) {
        *error = cannotWrite(path, folder, file.errorString());
        return false;
    }
    return true;
}

} // namespace

QString snapshotReasonKey(SnapshotReason reason)
{
    for (const ReasonName &name : kReasonNames) {
        if (name.reason == reason)
            return QLatin1String(name.key);
    }
    return QString();
}

bool snapshotReasonFromKey(const QString &key, SnapshotReason *reason)
{
    for (const ReasonName &name : kReasonNames) {
        if (key == QLatin1String(name.key)) {
            *reason = name.reason;
            return true;
        }
    }
    return false;
}

std::optional<BlockImage> Snapshot::readBlock(QString *error) const
{
    BlockImage block;
    QString problem;
    if (!loadParameterFileStrict(path, &block, &problem)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, problem);
        return std::nullopt;
    }
    return block;
}

QString SnapshotStore::defaultFolder()
{
    // One folder for every program of the assistant, whatever each one calls itself.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/KestoTarvel2Assistant/snapshots");
}

SnapshotStore::SnapshotStore(const QString &folder) : m_folder(folder) {}

QString SnapshotStore::indexPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("index.json"));
}

QVector<Snapshot> SnapshotStore::list(bool *rebuilt) const
{
    bool wasRebuilt = false;
    QVector<Snapshot> snapshots = readOrRebuild(&wasRebuilt);
    if (wasRebuilt) {
        // Written back, so the rebuild happens (and is reported) once.
        QLockFile lock(QDir(m_folder).filePath(QStringLiteral(".lock")));
        QString error;
        if (lock.tryLock(kLockTimeoutMs) && !writeIndex(snapshots, &error))
            qCWarning(lcSnapshots).noquote() << error;
    }
    if (rebuilt)
        *rebuilt = wasRebuilt;
    std::reverse(snapshots.begin(), snapshots.end());
    return snapshots;
}

QVector<Snapshot> SnapshotStore::readOrRebuild(bool *rebuilt) const
{
    *rebuilt = false;
    bool damaged = false;
    QVector<Snapshot> snapshots = readIndex(&damaged);
    if (!damaged)
        return snapshots;
    snapshots = rebuildFromFiles();
    // A folder without an index and without files is simply new.
    *rebuilt = QFileInfo::exists(indexPath()) || !snapshots.isEmpty();
    if (*rebuilt)
        qCWarning(lcSnapshots).noquote()
            << QStringLiteral("rebuilt the index of %1 from %2 snapshot files")
                   .arg(m_folder)
                   .arg(snapshots.size());
    return snapshots;
}

// Oldest first. Entries whose file is gone are dropped; *damaged when the index is missing or
// cannot be read.
QVector<Snapshot> SnapshotStore::readIndex(bool *damaged) const
{
    *damaged = false;
    QFile file(indexPath());
    if (!file.exists()) {
        *damaged = true; // the first snapshot, or an index removed by hand
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcSnapshots) << "cannot read" << file.fileName() << file.errorString();
        *damaged = true;
        return {};
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonObject root = document.object();
    if (parseError.error != QJsonParseError::NoError || !document.isObject() ||
        root.value(QStringLiteral("version")).toInt() != kIndexVersion) {
        qCWarning(lcSnapshots) << "damaged index" << file.fileName() << parseError.errorString()
                               << "- rebuilding it from the files";
        *damaged = true;
        return {};
    }
    const QDir folder(m_folder);
    QVector<Snapshot> snapshots;
    for (const QJsonValue &value : root.value(QStringLiteral("snapshots")).toArray()) {
        Snapshot snapshot;
        if (!fromJson(value.toObject(), folder, &snapshot)) {
            qCWarning(lcSnapshots) << "skipping a damaged index entry in" << file.fileName();
            continue;
        }
        if (!QFileInfo::exists(snapshot.path)) {
            qCWarning(lcSnapshots) << "skipping" << snapshot.path << "- the file is gone";
            continue;
        }
        snapshots.append(snapshot);
    }
    return snapshots;
}

// What the files tell: the details at the head of each, or for files of older versions the
// time from the name and nothing else (not pinned: nothing says they were taken before a flash).
QVector<Snapshot> SnapshotStore::rebuildFromFiles() const
{
    QVector<Snapshot> snapshots;
    const QDir folder(m_folder);
    const QStringList names = folder.entryList({QStringLiteral("*")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (name == QLatin1String("index.json") || name.startsWith(QLatin1Char('.')))
            continue;
        Snapshot snapshot;
        snapshot.path = folder.filePath(name);
        QString error;
        if (!isSnapshotFileName(name, &snapshot.time) || !snapshot.readBlock(&error)) {
            qCWarning(lcSnapshots) << "skipping" << snapshot.path << "- not a snapshot" << error;
            continue;
        }
        if (!readFileDetails(readFile(snapshot.path), &snapshot)) {
            snapshot.reason = SnapshotReason::Unknown;
            snapshot.pinned = false;
        }
        snapshots.append(snapshot);
    }
    std::stable_sort(snapshots.begin(), snapshots.end(),
                     [](const Snapshot &a, const Snapshot &b) { return a.time < b.time; });
    return snapshots;
}

bool SnapshotStore::writeIndex(const QVector<Snapshot> &snapshots, QString *error) const
{
    QJsonArray entries;
    for (const Snapshot &snapshot : snapshots)
        entries.append(toJson(snapshot));
    QJsonObject root;
    root.insert(QStringLiteral("version"), kIndexVersion);
    root.insert(QStringLiteral("snapshots"), entries);
    return writeWhole(indexPath(), QJsonDocument(root).toJson(QJsonDocument::Indented), m_folder,
                      error);
}

QString SnapshotStore::newFilePath(const QDateTime &time) const
{
    const QDir folder(m_folder);
    const QString stem = QLatin1String(kFilePrefix) + time.toUTC().toString(kTimeFormat);
    QString path = folder.filePath(stem + QLatin1String(kFileSuffix));
    for (int i = 1; QFileInfo::exists(path); ++i)
        path = folder.filePath(QStringLiteral("%1-%2%3").arg(stem).arg(i).arg(kFileSuffix));
    return path;
}

void SnapshotStore::prune(QVector<Snapshot> *snapshots, const QString &keep) const
{
    while (snapshots->size() > kMaxSnapshots) {
        const auto oldest =
            std::find_if(snapshots->begin(), snapshots->end(),
                         [&](const Snapshot &s) { return !s.pinned && s.path != keep; });
        if (oldest == snapshots->end())
            return; // all of them taken before a flash
        if (!QFile::remove(oldest->path))
            qCWarning(lcSnapshots) << "cannot remove" << oldest->path;
        snapshots->erase(oldest);
    }
}

bool SnapshotStore::lockFolder(QLockFile *lock, QString *error) const
{
    if (lock->tryLock(kLockTimeoutMs))
        return true;
    if (lock->error() == QLockFile::LockFailedError)
        *error = QStringLiteral("%1 is locked by another program").arg(m_folder);
    else
        *error = cannotWrite(QStringLiteral("in %1").arg(m_folder), m_folder, QString());
    return false;
}

namespace {

// A parameter file with the snapshot's details at its head, written in one step.
bool writeSnapshotFile(const Snapshot &snapshot, const BlockImage &block, const QString &folder,
                       QString *error)
{
    const QString body = snapshot.path + QStringLiteral(".body");
    QString problem;
    if (!saveParameterFile(body, block, &problem)) {
        QFile::remove(body);
        *error = cannotWrite(snapshot.path, folder, QString());
        return false;
    }
    const QByteArray contents = readFile(body);
    QFile::remove(body);
    return writeWhole(snapshot.path, detailsLine(snapshot) + contents, folder, error);
}

// Writes the details of a snapshot already stored into its file again.
bool rewriteDetails(const Snapshot &snapshot, const QString &folder, QString *error)
{
    const QByteArray contents = readFile(snapshot.path);
    if (contents.isEmpty()) {
        *error = QStringLiteral("cannot read %1").arg(snapshot.path);
        return false;
    }
    return writeWhole(snapshot.path, detailsLine(snapshot) + withoutDetails(contents), folder,
                      error);
}

} // namespace

bool SnapshotStore::take(const BlockImage &block, SnapshotReason reason, const QString &note,
                         int deviceId, int firmwareVersion, Snapshot *taken, QString *error)
{
    SnapshotDetails details;
    details.reason = reason;
    details.note = note;
    details.deviceId = deviceId;
    details.firmwareVersion = firmwareVersion;
    return take(block, details, taken, error);
}

bool SnapshotStore::take(const BlockImage &block, const SnapshotDetails &details, Snapshot *taken,
                         QString *error, TakeOutcome *outcome)
{
    TakeOutcome ignored;
    TakeOutcome &result = outcome ? *outcome : ignored;
    result = TakeOutcome::Stored;
    if (!QDir().mkpath(m_folder)) {
        const QString problem = writeProblem(m_folder);
        *error = problem.isEmpty() ? QStringLiteral("cannot create %1").arg(m_folder)
                                   : QStringLiteral("cannot create %1: %2").arg(m_folder, problem);
        return false;
    }
    QLockFile lock(QDir(m_folder).filePath(QStringLiteral(".lock")));
    if (!lockFolder(&lock, error))
        return false;
    bool rebuilt = false;
    QVector<Snapshot> snapshots = readOrRebuild(&rebuilt);

    // A backup before a flash is always an entry of its own: its reason, time and firmware are
    // what the pilot looks for later.
    const bool backup = details.reason == SnapshotReason::BeforeFlash;
    if (!backup && !snapshots.isEmpty() && snapshots.last().readBlock() == block) {
        Snapshot &newest = snapshots.last();
        if (details.note.isEmpty() || details.note == newest.note) {
            result = TakeOutcome::SameAsNewest;
            *taken = newest;
            return !rebuilt || writeIndex(snapshots, error);
        }
        if (newest.note.isEmpty()) {
            newest.note = details.note;
            if (!rewriteDetails(newest, m_folder, error) || !writeIndex(snapshots, error))
                return false;
            result = TakeOutcome::NoteAdded;
            *taken = newest;
            return true;
        }
        // It has another note: this one becomes a snapshot of its own.
        result = TakeOutcome::StoredForItsNote;
    }

    Snapshot snapshot;
    snapshot.time = QDateTime::currentDateTimeUtc();
    snapshot.path = newFilePath(snapshot.time);
    snapshot.reason = details.reason;
    snapshot.note = details.note;
    snapshot.deviceId = details.deviceId;
    snapshot.firmwareVersion = details.firmwareVersion;
    snapshot.port = details.port;
    snapshot.pinned = backup;
    if (!writeSnapshotFile(snapshot, block, m_folder, error))
        return false;
    snapshots.append(snapshot);
    prune(&snapshots, snapshot.path);
    if (!writeIndex(snapshots, error))
        return false;
    *taken = snapshot;
    return true;
}

} // namespace fclink
