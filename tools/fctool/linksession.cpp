#include "linksession.h"

#include "console.h"
#include "fclink/link/commrt.h"
#include "fclink/link/linkmessages.h"
#include "fclink/link/parameterslices.h"
#include "fclink/link/portnaming.h"
#include "fclink/link/portopenerror.h"
#include "fclink/link/replydecoder.h"
#include "fclink/model/parameterblock.h"
#include "toolcommands.h"

#include <QEventLoop>
#include <QTimer>

namespace {

// How often a wait for a command looks at the link's frame and reply counters, which change
// without a signal.
constexpr int kPollMs = 10;
// How often a wait looks whether the link has moved on, which restarts its time-out.
constexpr int kProgressPollMs = 50;

// The first frame written after a command was given may have been built just before it; the one
// after that certainly carries the command.
constexpr quint64 kFramesUntilCommandSent = 2;

// The firmware info comes with the next reply; a controller that has not answered it by then
// does not know the question.
constexpr int kFirmwareInfoWaitMs = 1500;

} // namespace

LinkSession::LinkSession(const QString &portName, int timeoutMs, QObject *parent)
    : QObject(parent), m_link(Commrt::createClass()), m_portName(portName), m_timeoutMs(timeoutMs)
{
    wireLink();
}

LinkSession::~LinkSession()
{
    close();
}

ExitCode LinkSession::run(const QString &portName, int timeoutMs,
                          const std::function<ExitCode(LinkSession &)> &action)
{
    LinkSession session(portName, timeoutMs);
    ExitCode code = session.open();
    if (code == ExitSuccess && !session.isInterrupted())
        code = action(session);
    session.close();
    return code;
}

void LinkSession::wireLink()
{
    // The link reports a lost connection from its own thread; these connections then arrive
    // queued on this thread like the others.
    connect(m_link, &Commrt::outcomeReported, this, &LinkSession::onOutcome);
    connect(m_link, &Commrt::portOpenFailed, this, [this] {
        m_openFailed = true;
        checkWait();
    });
    connect(m_link, &Commrt::connectionChanged, this, &LinkSession::onConnectionChanged);
    connect(m_link, &Commrt::parametersChanged, this, &LinkSession::onParametersChanged);
    connect(m_link, &Commrt::telemetryChanged, this, &LinkSession::checkWait);
    connect(m_link, &Commrt::uploadVerified, this, &LinkSession::onUploadVerified);
    connect(m_link, &Commrt::firmwareInfoReceived, this, [this] {
        m_firmwareInfo = true;
        checkWait();
    });
    connect(m_link, &Commrt::portLost, this, [this] {
        m_portClosed = true;
        checkWait();
    });
    connect(m_link, &Commrt::portShared, this, [this] {
        m_portShared = true;
        checkWait();
    });
    connect(m_link, &Commrt::uploadInterrupted, this,
            [this](const QString &, const QStringList &fields) { m_uploadCutOff = fields; });
}

bool LinkSession::startLink(bool quiet)
{
    if (fclink::deviceForPortName(m_portName).isEmpty()) {
        if (quiet)
            return false;
        printError(QStringLiteral("'%1' is not a port name (use a system name such as ttyUSB0 "
                                  "or a device path)")
                       .arg(m_portName));
        return false;
    }
    m_link->start();
    m_started = true;
    m_link->setPortName(m_portName);
    m_link->connectCom();
    return true;
}

ExitCode LinkSession::finishOpen(WaitOutcome outcome)
{
    switch (outcome) {
    case WaitOutcome::Done:
        return ExitSuccess;
    case WaitOutcome::OpenFailed:
        printError(
            QStringLiteral("cannot open port %1: %2")
                .arg(m_portName, fclink::portOpenErrorText(m_link->lastOpenError(),
                                                           fclink::deviceForPortName(m_portName))));
        return ExitPortError;
    case WaitOutcome::Interrupted:
        return ExitSuccess;
    case WaitOutcome::PortShared:
        return reportTimeout(QStringLiteral("parameter read"));
    case WaitOutcome::PortClosed:
    case WaitOutcome::TimedOut:
        break;
    }
    return reportOpenTimeout();
}

ExitCode LinkSession::open()
{
    if (!startLink())
        return ExitPortError;
    return finishOpen(waitUntil([this] { return m_parameterReads > 0; }));
}

ExitCode LinkSession::openIfAnswering(int answerTimeoutMs, bool *answered)
{
    *answered = false;
    if (!startLink(true))
        return ExitPortError;
    const WaitOutcome first = waitUntil([this] { return m_everConnected; }, 0, answerTimeoutMs);
    if (first == WaitOutcome::TimedOut || first == WaitOutcome::PortClosed)
        return ExitSuccess;
    if (first == WaitOutcome::PortShared)
        return finishOpen(first);
    if (first == WaitOutcome::OpenFailed)
        return ExitPortError;
    if (first != WaitOutcome::Done)
        return finishOpen(first);
    *answered = true;
    return finishOpen(waitUntil([this] { return m_parameterReads > 0; }));
}

ExitCode LinkSession::uploadBlock(const fclink::BlockImage &block, bool verify)
{
    return upload(verify, [&] { m_link->uploadParameters(block); });
}

ExitCode LinkSession::uploadFields(const QVector<fclink::FieldValue> &values, bool verify)
{
    return upload(verify, [&] { m_link->uploadFields(values); });
}

ExitCode LinkSession::upload(bool verify, const std::function<void()> &start)
{
    const int mark = m_outcomes.size();
    const int verificationsBefore = m_verifications;
    start();
    const auto outcome = waitUntil([&] {
        if (verify)
            return m_verifications > verificationsBefore;
        return findOutcomeSince(mark, {fclink::LinkOutcome::Uploaded}).has_value();
    });
    if (outcome != WaitOutcome::Done) {
        // What may not have been written: as the link said when the port went, or else what
        // the upload still had to confirm when the wait gave up.
        const QStringList unsent =
            m_uploadCutOff.isEmpty() ? m_link->unconfirmedFields() : m_uploadCutOff;
        return reportTimeout(verify ? QStringLiteral("verification of the parameter upload")
                                    : QStringLiteral("acknowledgement of the parameter upload"),
                             unsent);
    }
    if (verify && !m_lastVerificationOk) {
        printError(QStringLiteral("the flight controller did not accept: %1")
                       .arg(m_lastRejectedFields.join(QStringLiteral(", "))));
        return ExitControllerFailure;
    }
    return ExitSuccess;
}

ExitCode LinkSession::runCommandWithResult(const ToolCommand &command)
{
    const int mark = m_outcomes.size();
    command.send(*m_link);
    std::optional<fclink::LinkOutcome> result;
    // The controller keeps answering while it works on the command: only its result ends the
    // wait, within the time-out as a whole.
    const auto outcome = waitUntil(
        [&] {
            result = findOutcomeSince(mark, {command.succeeded, command.failed});
            return result.has_value();
        },
        0, -1, Deadline::Whole);
    if (outcome != WaitOutcome::Done)
        return reportTimeout(QStringLiteral("result of command %1").arg(command.name));
    const QString text = LinkMessages::statusText(fclink::statusCode(*result));
    if (*result == command.succeeded) {
        printLine(text);
        return ExitSuccess;
    }
    printError(text);
    return ExitControllerFailure;
}

ExitCode LinkSession::sendCommand(const ToolCommand &command)
{
    const int lossesAtStart = m_connectionLosses;
    const quint64 framesAtStart = m_link->counters().framesWritten;
    bool frameWritten = false;
    quint64 repliesAtFrame = 0;
    command.send(*m_link);
    // The code the requests now carry names the command if no answer comes.
    const quint8 code = m_link->currentCommand();
    // A lost connection replaces the command with the link's own parameter read, so only a
    // frame and an answer without a loss in between count.
    const auto outcome = waitUntil(
        [&] {
            if (m_connectionLosses != lossesAtStart)
                return false;
            if (!frameWritten) {
                frameWritten =
                    m_link->counters().framesWritten >= framesAtStart + kFramesUntilCommandSent;
                repliesAtFrame = m_link->counters().repliesAccepted;
                return false;
            }
            return m_link->counters().repliesAccepted > repliesAtFrame;
        },
        kPollMs);
    if (outcome == WaitOutcome::Done)
        return ExitSuccess;
    return reportTimeout(QStringLiteral("answer after sending command %1").arg(code));
}

quint16 LinkSession::firmwareVersion()
{
    if (!m_firmwareInfo) {
        m_link->requestFirmwareInfo();
        waitUntil([this] { return m_firmwareInfo; }, 0, kFirmwareInfoWaitMs);
    }
    return m_link->firmwareVersion();
}

void LinkSession::close()
{
    if (!m_link)
        return;
    disconnect(m_link, nullptr, this, nullptr);
    if (m_started) {
        m_link->disconnectCom();
        m_link->stop();
    }
    // No event loop runs here, so the link is deleted at once; its destructor waits for the
    // worker thread to end.
    Commrt::destroyClass(m_link);
    m_link = nullptr;
}

LinkSession::WaitOutcome LinkSession::waitUntil(const std::function<bool()> &done, int pollMs,
                                                int timeoutMs, Deadline kind)
{
    if (m_interrupted)
        return WaitOutcome::Interrupted;
    if (m_openFailed)
        return WaitOutcome::OpenFailed;
    if (m_portShared)
        return WaitOutcome::PortShared;
    if (portWentAway())
        return WaitOutcome::PortClosed;
    if (done())
        return WaitOutcome::Done;

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop,
            [&loop] { loop.exit(static_cast<int>(WaitOutcome::TimedOut)); });
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, &LinkSession::checkWait);
    // Every reply that moves the link on starts the time-out afresh.
    const int limitMs = timeoutMs >= 0 ? timeoutMs : m_timeoutMs;
    QTimer progress;
    quint64 steps = m_link->counters().sequenceSteps;
    connect(&progress, &QTimer::timeout, this, [&] {
        if (m_link->counters().sequenceSteps == steps)
            return;
        steps = m_link->counters().sequenceSteps;
        deadline.start(limitMs);
    });

    m_loop = &loop;
    m_done = done;
    deadline.start(limitMs);
    if (pollMs > 0)
        poll.start(pollMs);
    if (kind == Deadline::Inactivity)
        progress.start(kProgressPollMs);
    const auto outcome = static_cast<WaitOutcome>(loop.exec());
    m_loop = nullptr;
    m_done = nullptr;
    return outcome;
}

void LinkSession::checkWait()
{
    if (!m_loop)
        return;
    if (m_openFailed)
        m_loop->exit(static_cast<int>(WaitOutcome::OpenFailed));
    else if (m_portShared)
        m_loop->exit(static_cast<int>(WaitOutcome::PortShared));
    else if (m_done && m_done())
        m_loop->exit(static_cast<int>(WaitOutcome::Done));
    else if (portWentAway())
        m_loop->exit(static_cast<int>(WaitOutcome::PortClosed));
}

// The link closes the port by itself only when the device reports an error (unplugged, or the
// other end of a pseudo-terminal closed); it does not reopen it.
bool LinkSession::portWentAway() const
{
    return m_portClosed && !m_link->isPortOpen();
}

void LinkSession::interrupt()
{
    m_interrupted = true;
    if (m_loop)
        m_loop->exit(static_cast<int>(WaitOutcome::Interrupted));
}

void LinkSession::onOutcome(fclink::LinkOutcome outcome)
{
    m_outcomes.append(outcome);
    checkWait();
}

void LinkSession::onConnectionChanged(bool connected)
{
    if (connected) {
        m_everConnected = true;
    } else {
        ++m_connectionLosses;
        m_portClosed = !m_link->isPortOpen();
    }
    checkWait();
}

void LinkSession::onParametersChanged()
{
    ++m_parameterReads;
    checkWait();
}

void LinkSession::onUploadVerified(bool ok, const QStringList &fields)
{
    ++m_verifications;
    m_lastVerificationOk = ok;
    m_lastRejectedFields = fields;
    checkWait();
}

std::optional<fclink::LinkOutcome>
LinkSession::findOutcomeSince(int mark, std::initializer_list<fclink::LinkOutcome> wanted) const
{
    for (int i = mark; i < m_outcomes.size(); ++i) {
        if (std::find(wanted.begin(), wanted.end(), m_outcomes.at(i)) != wanted.end())
            return m_outcomes.at(i);
    }
    return std::nullopt;
}

QString LinkSession::timeoutText() const
{
    QString text = QStringLiteral("in %1 s").arg(m_timeoutMs / 1000.0);
    if (m_connectionLosses > 0)
        text += QStringLiteral(" (the connection was lost)");
    return text;
}

ExitCode LinkSession::reportOpenTimeout() const
{
    if (portWentAway())
        return reportTimeout(QStringLiteral("parameter read"));
    if (!m_everConnected) {
        printError(QStringLiteral("no answer from the flight controller on %1 %2")
                       .arg(m_portName, timeoutText()));
    } else {
        printError(QStringLiteral("the parameter read from %1 did not finish %2")
                       .arg(m_portName, timeoutText()));
    }
    return ExitTimeout;
}

ExitCode LinkSession::reportTimeout(const QString &what, const QStringList &unsent) const
{
    if (m_portShared) {
        printError(QStringLiteral("another program is reading port %1 and takes the replies: "
                                  "close it and try again")
                       .arg(m_portName));
        return ExitPortError;
    }
    const QString missing = unsent.isEmpty()
                                ? QString()
                                : QStringLiteral("; the flight controller may not hold %1")
                                      .arg(unsent.join(QStringLiteral(", ")));
    if (portWentAway()) {
        printError(QStringLiteral("port %1 closed while waiting for the %2: the device went away%3")
                       .arg(m_portName, what, missing));
    } else {
        printError(QStringLiteral("no %1 %2%3").arg(what, timeoutText(), missing));
    }
    return ExitTimeout;
}
