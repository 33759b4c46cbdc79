#ifndef BENCH_PROCESSMEMORY_H
#define BENCH_PROCESSMEMORY_H

// Where this process's memory goes, from Linux's /proc/self/smaps_rollup and /proc/self/smaps.
#include <QList>
#include <QString>

struct MemoryTotals
{
    long rssKb = -1;
    long pssKb = -1;
    long pssAnonKb = -1;
    long pssFileKb = -1;
    long privateKb = -1; // private clean + private dirty
};

struct MappingUse
{
    QString name; // a file's name, or [heap], [stack], [anonymous], ...
    long rssKb = 0;
    long pssKb = 0;
};

class ProcessMemory
{
public:
    // The whole process; every figure -1 where the kernel does not tell.
    static MemoryTotals totals();
    // The mappings summed per backing file (all segments of one library together) and per kind
    // of anonymous memory, largest resident first.
    static QList<MappingUse> byMapping();
    // The resident kilobytes of the mappings whose name contains any of the words.
    static long residentOf(const QList<MappingUse> &uses, const QStringList &words);
};

#endif // BENCH_PROCESSMEMORY_H
