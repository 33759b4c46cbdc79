#include "processmemory.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

QList<QByteArray> lines(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().split('\n');
}

// "Pss:     1234 kB" -> 1234 for the key "Pss:".
bool field(const QByteArray &line, const char *key, long *kilobytes)
{
    if (!line.startsWith(key))
        return false;
    *kilobytes = line.mid(int(qstrlen(key))).trimmed().split(' ').first().toLong();
    return true;
}

// A mapping's header: "start-end perms offset dev inode [name]", the range in hexadecimal;
// every other line is "Key: value".
bool isHeader(const QByteArray &line)
{
    const QByteArray range = line.left(line.indexOf(' '));
    const int dash = range.indexOf('-');
    if (dash <= 0)
        return false;
    bool startOk = false;
    bool endOk = false;
    range.left(dash).toULongLong(&startOk, 16);
    range.mid(dash + 1).toULongLong(&endOk, 16);
    return startOk && endOk;
}

QString mappingName(const QByteArray &header)
{
    const QList<QByteArray> parts = header.simplified().split(' ');
    if (parts.size() < 6)
        return QStringLiteral("[anonymous]");
    const QString path = QString::fromLocal8Bit(parts.mid(5).join(' '));
    return path.startsWith(QLatin1Char('[')) ? path : QFileInfo(path).fileName();
}

} // namespace

MemoryTotals ProcessMemory::totals()
{
    MemoryTotals totals;
    long clean = -1;
    long dirty = -1;
    for (const QByteArray &line : lines("/proc/self/smaps_rollup")) {
        field(line, "Rss:", &totals.rssKb) || field(line, "Pss:", &totals.pssKb) ||
            field(line, "Pss_Anon:", &totals.pssAnonKb) ||
            field(line, "Pss_File:", &totals.pssFileKb) || field(line, "Private_Clean:", &clean) ||
            field(line, "Private_Dirty:", &dirty);
    }
    if (clean >= 0 && dirty >= 0)
        totals.privateKb = clean + dirty;
    return totals;
}

QList<MappingUse> ProcessMemory::byMapping()
{
    QHash<QString, MappingUse> uses;
    MappingUse *current = nullptr;
    for (const QByteArray &line : lines("/proc/self/smaps")) {
        if (line.isEmpty())
            continue;
        long kilobytes = 0;
        if (current && field(line, "Rss:", &kilobytes)) {
            current->rssKb += kilobytes;
        } else if (current && field(line, "Pss:", &kilobytes)) {
            current->pssKb += kilobytes;
        } else if (isHeader(line)) {
            const QString name = mappingName(line);
            current = &uses[name];
            current->name = name;
        }
    }
    QList<MappingUse> sorted = uses.values();
    std::sort(sorted.begin(), sorted.end(),
              [](const MappingUse &a, const MappingUse &b) { return a.rssKb > b.rssKb; });
    return sorted;
}

long ProcessMemory::residentOf(const QList<MappingUse> &uses, const QStringList &words)
{
    long sum = 0;
    for (const MappingUse &use : uses) {
        if (std::any_of(words.cbegin(), words.cend(),
                        [&](const QString &word) { return use.name.contains(word); }))
            sum += use.rssKb;
    }
    return sum;
}
