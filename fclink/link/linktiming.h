#ifndef FCLINK_LINKTIMING_H
#define FCLINK_LINKTIMING_H

#include <QtGlobal>

#include <chrono>

namespace fclink {

// The link's pace: a request frame every period while a port is open, a poll for an open port
// otherwise, and the lost connection reported on the first frame after more than
// maxMissedReplies unanswered ones (with the defaults 52 ms, 30 ms and 50: about 2.7 s after the
// last reply). The controller's firmware expects the defaults; tests that only wait for time to
// pass may shorten them (Commrt::setTiming).
struct LinkTiming
{
    std::chrono::milliseconds requestPeriod{52};
    std::chrono::milliseconds idlePoll{30};
    quint16 maxMissedReplies = 50;
};

} // namespace fclink

#endif // FCLINK_LINKTIMING_H
