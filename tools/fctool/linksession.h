#ifndef FCTOOL_LINKSESSION_H
#define FCTOOL_LINKSESSION_H

#include "exitcode.h"
#include "fclink/link/linkoutcome.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <initializer_list>
#include <optional>

class Commrt;
class QEventLoop;
struct ToolCommand;

namespace fclink {
class BlockImage;
struct FieldValue;
} // namespace fclink

// One connection to the flight controller, used the way the configuration program uses the
// link: open the port, wait for the parameter read that follows every connection, then edit,
// upload or command, and finally disconnect. Every wait runs the event loop (the link's receive
// path and reply decoder run on this thread) and gives up once the controller has given no
// answer that moves the link on for the session's time-out (a slow line that keeps answering
// is waited for); the wait for a command's result is bounded by the time-out as a whole.
//
// A lost connection is not an error by itself: the link keeps asking and reads the block again
// once the controller answers, and an upload it cut off is redone then. A command under way
// when it happens is lost with it, so its wait ends in a time-out. When the device itself goes
// away (the link closes the port), or another program reading the port takes the replies,
// there is nothing left to wait for, and the wait ends at once; a message then names the
// fields an unfinished upload may not have written.
class LinkSession : public QObject
{
    Q_OBJECT

public:
    enum class WaitOutcome
    {
        Done,
        TimedOut,
        PortClosed,
        OpenFailed,
        Interrupted,
        PortShared
    };
    // What the time-out of a wait measures.
    enum class Deadline
    {
        Inactivity, // no reply that moves the link on
        Whole       // the whole wait
    };

    LinkSession(const QString &portName, int timeoutMs, QObject *parent = nullptr);
    ~LinkSession() override;

    // Connects, waits for the parameter read, runs the action and disconnects.
    static ExitCode run(const QString &portName, int timeoutMs,
                        const std::function<ExitCode(LinkSession &)> &action);
    Commrt *link() const { return m_link; }
    bool isInterrupted() const { return m_interrupted; }

    // Opens the port and waits for the full parameter read. An interrupted wait returns
    // ExitSuccess; the caller checks isInterrupted().
    ExitCode open();
    // Like open(), but gives up quietly when nothing answers on the link within answerTimeoutMs
    // (a controller waiting in its bootloader, or none at all): ExitSuccess with *answered
    // false. Once something answers it waits for the parameter read as open() does. A port that
    // opens nothing gives ExitPortError without a message (the caller reports it).
    ExitCode openIfAnswering(int answerTimeoutMs, bool *answered);
    // Replaces the parameter block (uploadBlock) or writes the fields into
    // it (uploadFields), uploads the whole block and waits until its last slice is acknowledged
    // and, with verify, until the link has read it back: a value the controller did not take is
    // a controller failure, named on stderr.
    ExitCode uploadBlock(const fclink::BlockImage &block, bool verify);
    ExitCode uploadFields(const QVector<fclink::FieldValue> &values, bool verify);
    // Sends a command that reports a result, prints the result's text and maps it to success
    // or failure.
    ExitCode runCommandWithResult(const ToolCommand &command);
    // Sends a command that reports nothing; returns once a frame carrying it has been written
    // and the controller has answered again.
    ExitCode sendCommand(const ToolCommand &command);
    // The controller's whole firmware version, asked for on the link (the replies carry only its
    // low 8 bits); the version byte when the controller does not tell within a short while.
    quint16 firmwareVersion();
    // Disconnects, stops the link's thread and deletes the link. Safe to call twice.
    void close();

    // Runs the event loop until done() holds, the time-out passes, or the session is
    // interrupted. done() is checked after every link signal, and every pollMs milliseconds
    // when it looks at counters that change without one.
    // timeoutMs replaces the session's time-out for this wait when it is not negative.
    WaitOutcome waitUntil(const std::function<bool()> &done, int pollMs = 0, int timeoutMs = -1,
                          Deadline deadline = Deadline::Inactivity);
    // Reports a wait for what that ended without it (time-out, closed port, a port another
    // program reads) and returns ExitTimeout, or ExitPortError for the shared port. unsent
    // names the fields an upload may not have written.
    ExitCode reportTimeout(const QString &what, const QStringList &unsent = {}) const;

public slots:
    // Ends the current wait (and every later one) with WaitOutcome::Interrupted.
    void interrupt();
    // Looks at the current wait's condition again: for conditions that a caller's own slot
    // changes after the link's signal has reached the session.
    void checkWait();

private:
    // Runs start, which writes the block and asks for the upload.
    ExitCode upload(bool verify, const std::function<void()> &start);
    void wireLink();
    bool startLink(bool quiet = false);
    ExitCode finishOpen(WaitOutcome outcome);
    bool portWentAway() const;
    void onOutcome(fclink::LinkOutcome outcome);
    void onConnectionChanged(bool connected);
    void onParametersChanged();
    void onUploadVerified(bool ok, const QStringList &fields);
    // The first of the wanted outcomes reported since the mark-th one.
    std::optional<fclink::LinkOutcome>
    findOutcomeSince(int mark, std::initializer_list<fclink::LinkOutcome> wanted) const;
    ExitCode reportOpenTimeout() const;
    QString timeoutText() const;

    Commrt *m_link = nullptr;
    QString m_portName;
    int m_timeoutMs;
    bool m_started = false;

    QEventLoop *m_loop = nullptr;
    std::function<bool()> m_done;
    bool m_interrupted = false;

    QVector<fclink::LinkOutcome> m_outcomes; // every outcome since the port was opened, in order
    int m_parameterReads = 0;
    int m_verifications = 0;
    bool m_lastVerificationOk = false;
    QStringList m_lastRejectedFields;
    int m_connectionLosses = 0;
    bool m_everConnected = false;
    bool m_openFailed = false;
    bool m_portClosed = false;
    bool m_firmwareInfo = false;
    bool m_portShared = false;
    QStringList m_uploadCutOff; // what the link said an unfinished upload may not have written
};

#endif // FCTOOL_LINKSESSION_H
