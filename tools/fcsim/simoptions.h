#ifndef FCSIM_SIMOPTIONS_H
#define FCSIM_SIMOPTIONS_H

#include "bootloader.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>

// Everything the command line of fcsim can set, already checked for range and consistency.
class SimOptions
{
public:
    enum class ParseResult
    {
        Ok,
        HelpRequested,
        Error
    };

    // Serves a pseudo-terminal whose slave is reachable through the symlink linkPath, or an
    // existing serial device at devicePath; exactly one of the two is set.
    QString linkPath;
    QString devicePath;

    QString statePath; // flash image, loaded at start and written by the flash command
    QString dumpPath;  // the block after every change, for tests
    QString logPath;   // one line per request received
    // The installed firmware (version, whether it is intact), loaded at start when present and
    // written whenever an upgrade changes it.
    QString firmwareStatePath;

    quint16 firmwareVersion = 105; // replies carry its low 8 bits
    quint32 flashSize = Bootloader::kDefaultFlashSize;
    bool resetOnUpgrade = false;
    int commandDelayMs = 800;
    int replyDelayMs = 2;
    QSet<quint8> failingCommands;
    Bootloader::FailStep flashFailStep = Bootloader::FailStep::None;

    double dropProbability = 0.0;
    double corruptProbability = 0.0;
    bool seedGiven = false;
    std::uint32_t seed = 0;

    // Scripted silence: from silentAfterMs after start, for silentForMs (0: until SIGUSR2).
    int silentAfterMs = -1;
    int silentForMs = 0;
    // Silence from the first write of this slice head on, until SIGUSR2 (-1: none).
    int silentAtWriteHead = -1;

    // Scripted stall: from stallAfterMs after start, for stallForMs, the controller takes no
    // bytes; on a pseudo-terminal the line then pushes back, as a USB device that is not read.
    int stallAfterMs = -1;
    int stallForMs = 0;

    // Every reply goes out twice, back to back, as through a radio bridge that repeats frames.
    bool repeatReplies = false;

    // Block offsets whose written bytes the controller keeps to itself (a value it refuses).
    QSet<int> ignoredWriteOffsets;

    bool verbose = false;

    // Parses arguments (arguments[0] is the program name). On Error, *message holds a one-line
    // explanation without the program prefix; on HelpRequested it holds the help text (for
    // --version, the version line).
    ParseResult parse(const QStringList &arguments, QString *message);
};

#endif // FCSIM_SIMOPTIONS_H
