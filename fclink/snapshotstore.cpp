#include "snapshotstore.h"

#include "logcategories.h"
#include "parameterfile.h"
#include "parameterslices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace fclink {

namespace {

constexpr int kIndexVersion = 1;
constexpr int kLockTimeoutMs = 5000;
const char *const kFilePrefix = "snapshot-";
const char *const kFileSuffix = ".conf";
const char *const kTimeFormat = "yyyyMMdd-HHmmss-zzz";

struct ReasonName
{
    SnapshotReason reason;
    const char *key;
};

const ReasonName kReasonNames[] = {{SnapshotReason::Connect, "connect"},
                                   {SnapshotReason::BeforeImport, "before-import"},
                                   {SnapshotReason::BeforeFlash, "before-flash"},
                                   {SnapshotReason::AfterRestore, "after-restore"},
                                   {SnapshotReason::OnDemand, "on-demand"}};

QJsonObject toJson(const Snapshot &snapshot)
{
    QJsonObject object;
    object.insert(QStringLiteral("file"), QFileInfo(snapshot.path).fileName());
    object.insert(QStringLiteral("time"), snapshot.time.toUTC().toString(Qt::ISODateWithMs));
    object.insert(QStringLiteral("reason"), snapshotReasonKey(snapshot.reason));
    object.insert(QStringLiteral("note"), snapshot.note);
    object.insert(QStringLiteral("device"), snapshot.deviceId);
    object.insert(QStringLiteral("firmware"), snapshot.firmwareVersion);
    object.insert(QStringLiteral("pinned"), snapshot.pinned);
    return object;
}

// An index entry, or false for one that names no file of this folder or is not well formed.
bool fromJson(const QJsonObject &object, const QDir &folder, Snapshot *snapshot)
{
    const QString file = object.value(QStringLiteral("file")).toString();
    if (file.isEmpty() || file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\')))
        return false;
    snapshot->path = folder.filePath(file);
    snapshot->time =
        QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    if (!snapshot->time.isValid() ||
        !snapshotReasonFromKey(object.value(QStringLiteral("reason")).toString(),
                               &snapshot->reason))
        return false;
    snapshot->note = object.value(QStringLiteral("note")).toString();
    snapshot->deviceId = object.value(QStringLiteral("device")).toInt();
    snapshot->firmwareVersion = object.value(QStringLiteral("firmware")).toInt();
    snapshot->pinned = object.value(QStringLiteral("pinned")).toBool();
    return true;
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

QByteArray Snapshot::readBlock(QString *error) const
{
    QByteArray block(kParameterBlockSize, '\0');
    QString problem;
    if (!loadParameterFileStrict(path, reinterpret_cast<quint8 *>(block.data()), &problem)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, problem);
        return QByteArray();
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

QVector<Snapshot> SnapshotStore::list() const
{
    bool damaged = false;
    QVector<Snapshot> snapshots = readIndex(&damaged);
    if (damaged)
        snapshots = rebuildFromFiles();
    std::reverse(snapshots.begin(), snapshots.end());
    return snapshots;
}

// Oldest first. Entries whose file is gone are dropped; *damaged when the index cannot be read
// at all although it exists.
QVector<Snapshot> SnapshotStore::readIndex(bool *damaged) const
{
    *damaged = false;
    QFile file(indexPath());
    if (!file.exists())
        return rebuildFromFiles(); // the first snapshot, or an index removed by hand
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

// What the files alone tell: the time from the name, nothing of why. Such snapshots are pinned,
// since nothing says they were not taken before a flash.
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
        if (!isSnapshotFileName(name, &snapshot.time) || snapshot.readBlock(&error).isEmpty()) {
            qCWarning(lcSnapshots) << "skipping" << snapshot.path << "- not a snapshot" << error;
            continue;
        }
        snapshot.pinned = true;
        snapshots.append(snapshot);
    }
    std::sort(snapshots.begin(), snapshots.end(),
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
    QSaveFile file(indexPath());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(root).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(indexPath(), file.errorString());
        return false;
    }
    return true;
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

void SnapshotStore::prune(QVector<Snapshot> *snapshots) const
{
    while (snapshots->size() > kMaxSnapshots) {
        const auto oldest = std::find_if(snapshots->begin(), snapshots->end(),
                                         [](const Snapshot &s) { return !s.pinned; });
        if (oldest == snapshots->end())
            return; // all of them taken before a flash
        if (!QFile::remove(oldest->path))
            qCWarning(lcSnapshots) << "cannot remove" << oldest->path;
        snapshots->erase(oldest);
    }
}

bool SnapshotStore::take(const quint8 *block, SnapshotReason reason, const QString &note,
                         int deviceId, int firmwareVersion, Snapshot *taken, QString *error)
{
    if (!QDir().mkpath(m_folder)) {
        *error = QStringLiteral("cannot create %1").arg(m_folder);
        return false;
    }
    QLockFile lock(QDir(m_folder).filePath(QStringLiteral(".lock")));
    if (!lock.tryLock(kLockTimeoutMs)) {
        *error = QStringLiteral("%1 is locked by another program").arg(m_folder);
        return false;
    }
    bool damaged = false;
    QVector<Snapshot> snapshots = readIndex(&damaged);
    if (damaged)
        snapshots = rebuildFromFiles();

    const QByteArray bytes(reinterpret_cast<const char *>(block), kParameterBlockSize);
    const bool pinned = reason == SnapshotReason::BeforeFlash;
    if (!snapshots.isEmpty() && snapshots.last().readBlock() == bytes) {
        Snapshot &newest = snapshots.last();
        if (pinned && !newest.pinned) {
            newest.pinned = true;
            if (!writeIndex(snapshots, error))
                return false;
        }
        *taken = newest;
        return true;
    }

    Snapshot snapshot;
    snapshot.time = QDateTime::currentDateTimeUtc();
    snapshot.path = newFilePath(snapshot.time);
    snapshot.reason = reason;
    snapshot.note = note;
    snapshot.deviceId = deviceId;
    snapshot.firmwareVersion = firmwareVersion;
    snapshot.pinned = pinned;
    if (!saveParameterFile(snapshot.path, block, error))
        return false;
    snapshots.append(snapshot);
    prune(&snapshots);
    if (!writeIndex(snapshots, error))
        return false;
    *taken = snapshot;
    return true;
}

} // namespace fclink
