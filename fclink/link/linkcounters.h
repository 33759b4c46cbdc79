#ifndef FCLINK_LINKCOUNTERS_H
#define FCLINK_LINKCOUNTERS_H

#include <QtGlobal>

namespace fclink {

// What a link has done since it was made, for tools, tests and benchmarks (Commrt::counters).
struct LinkCounters
{
    quint64 framesWritten = 0;
    // Frames not handed to the port because the previous one had not left it yet.
    quint64 framesSkipped = 0;
    // Heads chosen from outside (setSubframeHead, so every upload asked for).
    quint64 headChoices = 0;
    // Replies that moved a sequence on (read, upload, verification, telemetry): the measure of
    // a link that makes progress, as against one that only repeats itself.
    quint64 sequenceSteps = 0;
    quint64 repliesAccepted = 0;
    quint64 repliesRejected = 0; // checksum errors
};

} // namespace fclink

#endif // FCLINK_LINKCOUNTERS_H
