#ifndef TESTS_TESTTIMING_H
#define TESTS_TESTTIMING_H

#include "fclink/link/linktiming.h"

// The link's pace for tests that only wait for a silent controller to be taken for lost: the
// real request period, but the loss reported after 15 unanswered frames (about 0.85 s) instead
// of 50 (about 2.7 s). Long enough that a busy machine's stalls are not taken for a silence.
inline fclink::LinkTiming quickLossTiming()
{
    fclink::LinkTiming timing;
    timing.maxMissedReplies = 15;
    return timing;
}

// How long such a link takes at least to report the loss, counted from the last reply.
inline int quickLossMs()
{
    const fclink::LinkTiming timing = quickLossTiming();
    return int((timing.maxMissedReplies + 1) * timing.requestPeriod.count());
}

#endif // TESTS_TESTTIMING_H
