#ifndef FCLINK_COMMRT_H
#define FCLINK_COMMRT_H

#include "fclink/fclink_global.h"
#include "fclink/model/parameterblock.h"
#include "frameassembler.h"
#include "linkcounters.h"
#include "linkoutcome.h"
#include "linktiming.h"
#include "portinfo.h"
#include "portopenerror.h"
#include "repeatedmessage.h"
#include "replydecoder.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <mutex>

#include <atomic>

class QSerialPort;

namespace fclink {
class PortWatcher;

// What Commrt::calibrate calibrates.
enum class Sensor
{
    Accelerometers,
    Gyros,
    Voltage // against the reference voltage in the block's LossVolt
};
} // namespace fclink

// The link to the flight controller. The object lives on the thread that creates it (the
// program's GUI thread): its slots, the serial port, the receive path and the reply decoder run
// there. Its own thread (run) only paces the link (LinkTiming): every 52 ms while a port is open it
// builds one request frame and hands it to the port's thread to write, counts unanswered frames and
// reports a lost connection after 51 of them; with no port open it polls every 30 ms.
//
// Request state (command, head, head requested, connected, missed replies) is guarded by one
// mutex; the parameter block by fclink::parameterBlockMutex(), which every access through
// fclink::ParameterBlock and the upload intents below takes too.
//
// Beyond the bare protocol the link keeps the screen and the controller in agreement: replies
// act only when they answer the current request, every upload is read back and compared
// (uploadVerified), a frame is handed to the port only once the previous one has left it, and a
// device that went away is reported (portLost) and opened again when it comes back within a
// minute (portReopened), unless the user connects or disconnects in the meantime.
class FCLINK_EXPORT Commrt : public QThread
{
    Q_OBJECT

public:
    static Commrt *createClass();
    // Deletes the link: through the event loop while one runs, at once otherwise (after the
    // program's event loop has ended a deferred deletion would never happen).
    static void destroyClass(Commrt *link);
    ~Commrt() override;

    void stop();
    // The link's pace (see LinkTiming); a change takes effect from the next frame.
    void setTiming(const fclink::LinkTiming &timing);
    fclink::LinkTiming timing() const;

    QString getPortName() const;
    void setPortName(const QString &portName);
    bool isConnected() const;

    // What the program and tools mean, in place of raw heads, command codes and the block's
    // lock. Each is one setSubframeHead or setCommand call (after any block write), so the
    // frames that go out are exactly those of the raw calls.
    //
    // Uploads the whole parameter block as it stands.
    void uploadParameters();
    // Replaces the block with this one and uploads it.
    void uploadParameters(const fclink::BlockImage &block);
    // Writes the fields into the block and uploads it; returns each field's value before and
    // after the write. The block's lock is released before the upload is asked for: the reply
    // decoder takes the request state's lock before the block's.
    QVector<fclink::FieldChange> uploadFields(const QVector<fclink::FieldValue> &values);
    // Saves the controller's parameters to its flash; reported as FlashSaved or FlashFailed.
    void writeFlash();
    // Reported as the sensor's Calibrated or Failed outcome.
    void calibrate(fclink::Sensor sensor);
    // Service commands without a reported result: each stays in every request frame until
    // another command replaces it.
    void testBec();
    void calibrateRcNeutral();
    void startRcScaleCalibration();
    void stopRcScaleCalibration();
    void bindDsm();

    quint8 getFirmwareVersion() const;
    quint8 getDeviceId() const;
    // Asks the controller for its firmware info once (unless a command is under way); the
    // answer comes as firmwareInfoReceived(). The replies carry only the low 8 bits of the
    // version (3.00 arrives as 44).
    void requestFirmwareInfo();
    // The whole firmware version when the firmware info of this connection says it, else the
    // replies' version byte.
    quint16 firmwareVersion() const;

    // The system's serial ports and the extra ports that exist, sorted by name (sortPorts).
    static QList<PortInfo> availableDevices();
    static bool sortPorts(const PortInfo &first, const PortInfo &second);
    // The port names of a scan made elsewhere (availableDevices() may run on another thread,
    // so that a caller can scan, which takes tens of milliseconds, while it does other work);
    // the link keeps the scan as its port list.
    QList<QString> getPortList(const QList<PortInfo> &scanned);

    // The firmware upgrade takes the port from the link until it gives it back (or the user
    // connects or disconnects): the link sends nothing and takes no edits meanwhile.
    void closePortForUpgrade();
    // Takes the port back after an upgrade that held it. A device that went away meanwhile is
    // reported like one lost while open (portLost) and opened again when it comes back; any
    // other failure is reported as a failed open.
    void resumeAfterUpgrade();
    bool isPortHeldForUpgrade() const { return m_heldForUpgrade; }

    // Observation points for tools, tests and benchmarks.
    fclink::LinkCounters counters() const;
    quint8 currentCommand() const;
    quint8 currentSubframeHead() const;
    // An upload of the whole block has been asked for and has not started yet (it may wait for
    // the parameter read to end).
    bool isUploadRequested() const;
    // The request frames carry parameter slices: an upload is under way.
    bool isUploading() const;
    bool isPortOpen() const { return m_portOpen.load(); }
    // Whether a complete parameter read has filled the block since the port was opened.
    bool hasReadBlock() const;
    // While an upload is under way: the fields it changes from what the controller was last
    // known to hold, which it may not hold yet. Empty when no upload is under way.
    QStringList unconfirmedFields() const;

    // Why the last open failed, and the serial port's own words for it.
    fclink::PortOpenError lastOpenError() const { return m_lastOpenError; }
    QString lastOpenErrorString() const { return m_lastOpenErrorString; }
    // Whether the link waits for a lost device to come back.
    bool isReconnecting() const { return m_reconnectTimer.isActive(); }
    static constexpr int kReconnectWindowMs = 60000;

signals:
    void updatePortNames(QList<QString> portNames);
    void parametersChanged();
    void telemetryChanged();
    // The status bar's numeric forms of what the typed signals below say (the codes are in
    // fclink::status); the program wires them to the status bar and nowhere else.
    void statusChangedText(quint16 text);
    void connectStateText(quint16 text);

    // A valid reply arrived after none (true), or the link closed the port or lost the
    // controller (false). Emitted right after connectStateText with 1 or 0.
    void connectionChanged(bool connected);
    // The controller reported an upload's progress or a command's result. Emitted right after
    // statusChangedText with the same number.
    void outcomeReported(fclink::LinkOutcome outcome);
    // After every upload the link reads the block back: ok when the controller holds what was
    // sent; otherwise, after one more upload, the fields it did not take (the block then holds
    // the controller's values and parametersChanged() follows).
    void uploadVerified(bool ok, QStringList fields);
    // The link closed the port because the device went away (unplugged).
    void portLost(QString portName);
    // Follows parametersChanged() when the read that ended is the first complete one since the
    // port was opened (by connectCom(), openPortForCommunication() or a reconnect).
    void blockReadAfterOpen();
    // The lost device came back and the link opened it again.
    void portReopened(QString portName);
    // A port did not open, and why. Follows statusChangedText(2).
    void portOpenFailed(QString portName, fclink::PortOpenError reason);
    // The controller's firmware info arrived: its whole firmware version in hundredths.
    void firmwareInfoReceived(quint16 version);
    // Another program reads the port and takes the replies away: the link closed it and does
    // not open it again by itself.
    void portShared(QString portName);
    // The controller fell silent during an upload; once it answered again and its block had
    // been read, the link put back what was being uploaded and uploads it again (verified as
    // every upload).
    void uploadResumed();
    // The device went away during an upload: these fields may not have reached the controller
    // (those the upload changed from what the controller was last known to hold). Also after a
    // silence and a bootloader probe, when the controller read back holds neither its old block
    // nor the one being uploaded, so the upload is not redone onto it.
    void uploadInterrupted(QString portName, QStringList fields);
    // closePortForUpgrade() took the port, or the link has it back.
    void portHeldForUpgradeChanged(bool held);

public slots:
    void connectCom();
    void disconnectCom();
    void readMyCom();
    void portNameChanged(QString portName);
    void refreshDevices();

    // ==== Kept for the published interface: no part of our code outside the link calls these ====
public:
    // Enumerates the ports and always emits updatePortNames (the program refreshes instead).
    void init();
    // The raw calls behind the intents above: head 1 uploads the whole block, a command code
    // goes into every request frame (codes in fclink::command).
    void setSubframeHead(quint8 head);
    void setCommand(quint8 command);
    // Stores a flag that no operation of the link consults.
    void setStopUpdateDeviceFlag(bool flag);
    static quint16 calculateCrc16(const quint8 *data, quint8 length);
    // Reads two payload bytes as a signed little-endian 16-bit value and stores value × scale.
    static void int2float32(const quint8 *bytes, float *result, float scale);
    // Scans, keeps and names the ports, emitting nothing.
    QList<QString> getPortList();
    // The same as connectCom().
    void openPortForCommunication();
    // One request frame built (sendPacketAssemble) and handed to the port (sendPacket), as the
    // worker does every period; the last assembled reply decoded again (getPacket).
    void sendPacketAssemble();
    void sendPacket();
    void getPacket();

signals:
    // Nothing emits it.
    void calibRcNeuOk();
    // ==== End of the published interface kept for compatibility ====

protected:
    void run() override;

private:
    Commrt();

    bool openPort(const QString &portName, bool reportFailure, bool keepCutUpload = false);
    void releasePort();
    void setHeldForUpgrade(bool held);
    void reportOpenFailure(const QString &portName, fclink::PortOpenError reason,
                           const QString &detail, bool report);
    QStringList fieldsUploadMayHaveMissed() const;
    void closePort(bool report);
    void reportConnectionLost();
    // statusCode is one of the codes of fclink::LinkOutcome.
    void reportOutcome(int statusCode);
    void writePendingFrame();
    void checkConnectionLoss();
    void handlePortError(int error);
    void logPortError(const QString &message);
    void endPortErrorRun();
    void decodeFrame(const quint8 *frame);
    void emitReplyEffects(const fclink::ReplyEffects &effects, quint64 portGeneration);
    void startReconnecting(const QString &portName);
    void cancelReconnect();
    void tryReconnect();
    void onPortsMayHaveChanged();
    static QList<QString> namesOf(const QList<PortInfo> &ports);

    QSerialPort *m_port = nullptr; // GUI thread only
    std::atomic<bool> m_portOpen{false};
    // Changes whenever a port is opened or closed, so a batch of replies or effects that belongs
    // to a port closed meanwhile (by a slot it reached) is dropped.
    quint64 m_portGeneration = 0;
    // A failing device reports the same error thousands of times a second: logged folded.
    fclink::RepeatedMessage m_portErrors;
    QElapsedTimer m_errorClock;
    fclink::PortOpenError m_lastOpenError = fclink::PortOpenError::None;
    QString m_lastOpenErrorString;
    std::atomic<bool> m_running{true};
    // Set by run() as its very last step. Qt's QThread::wait() hands over through a futex that
    // ThreadSanitizer cannot see; reading this flag after the wait makes the hand-over visible.
    std::atomic<bool> m_runReturned{false};
    std::atomic<bool> m_stopUpdateDeviceFlag{false};

    mutable std::mutex m_stateMutex;
    fclink::RequestState m_state;
    fclink::LinkTiming m_timing; // under m_stateMutex

    // Request frames: built on the worker thread, written on the port's thread. Only the newest
    // frame waits, so a stalled event loop delays the link instead of bursting frames later.
    quint8 m_requestBuffer[fclink::kFrameSize] = {};
    std::mutex m_outgoingMutex;
    quint32 m_requestGeneration = 0;
    quint8 m_outgoing[fclink::kFrameSize] = {};
    quint32 m_outgoingGeneration = 0;
    bool m_writeQueued = false;
    // Set while frames are being skipped; the first frame after a held-up one waits a period.
    bool m_outputWasHeldUp = false;
    std::atomic<bool> m_lossCheckQueued{false};
    // The counters of LinkCounters that change on the worker thread too.
    struct Counters
    {
        std::atomic<quint64> framesWritten{0};
        std::atomic<quint64> framesSkipped{0};
        std::atomic<quint64> headChoices{0};
        std::atomic<quint64> sequenceSteps{0};
    } m_counters;

    fclink::FrameAssembler m_assembler;

    QList<PortInfo> m_ports;
    QString m_portName;
    bool m_heldForUpgrade = false;

    fclink::PortWatcher *m_portWatcher;
    QString m_reconnectPortName;
    QTimer m_reconnectTimer;
    QElapsedTimer m_reconnectWindow;
};

#endif // FCLINK_COMMRT_H
