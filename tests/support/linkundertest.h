#ifndef TESTS_LINKUNDERTEST_H
#define TESTS_LINKUNDERTEST_H

#include "fclink/link/commrt.h"

#include <QObject>
#include <QSignalSpy>

#include <functional>

// One link object wired to signal spies, its thread started, and destroyed properly at the end
// of the test.
struct LinkUnderTest
{
    static constexpr int kWaitMs = 8000;

    Commrt *link = Commrt::createClass();
    QSignalSpy connectState{link, &Commrt::connectStateText};
    QSignalSpy status{link, &Commrt::statusChangedText};
    QSignalSpy parameters{link, &Commrt::parametersChanged};
    QSignalSpy telemetry{link, &Commrt::telemetryChanged};
    QSignalSpy verified{link, &Commrt::uploadVerified};
    QSignalSpy lost{link, &Commrt::portLost};
    QSignalSpy reopened{link, &Commrt::portReopened};
    QSignalSpy connection{link, &Commrt::connectionChanged};
    QSignalSpy outcomes{link, &Commrt::outcomeReported};
    // The connection state as a window shows it: received on this thread, in arrival order
    // (the spies above record in the emitting thread, at once).
    QObject window;
    int shownConnection = -1;

    LinkUnderTest();
    ~LinkUnderTest();
    LinkUnderTest(const LinkUnderTest &) = delete;
    LinkUnderTest &operator=(const LinkUnderTest &) = delete;

    // Connects to the port and waits for the full parameter read.
    bool connectTo(const QString &port);
    // Waits until the verification after an upload has given more verdicts than before.
    bool waitForVerification(int before);
    // Writes the fields under the block's lock, asks for an upload and waits for the verdict.
    bool uploadAndVerify(const std::function<void()> &edit);
    // Whether the typed signals said what the numeric ones did, one for one: a
    // connectionChanged for each connection-state code, an outcomeReported for each status code
    // of an upload or a command (4 to 13). The numeric spies may have been cleared: they are
    // compared with the typed signals' last emissions. *why says the first difference.
    bool typedSignalsMatchCodes(QString *why) const;
};

#endif // TESTS_LINKUNDERTEST_H
