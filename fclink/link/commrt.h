#ifndef FCLINK_COMMRT_H
#define FCLINK_COMMRT_H

#include "fclink/fclink_global.h"
#include "fclink/model/parameterblock.h"
#include "frameassembler.h"
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
// there. Its own thread (run) only paces the link: every 52 ms while a port is open it builds one
// request frame and hands it to the port's thread to write, counts unanswered frames and reports
// a lost connection after 51 of them; with no port open it polls every 30 ms.
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

    void init();
    void stop();

    QString getPortName() const;
    void setPortName(const QString &portName);
    bool isConnected() const;
    void setSubframeHead(quint8 head);
    void setCommand(quint8 command);
    void setStopUpdateDeviceFlag(bool flag);

    // What the program and tools mean, in place of raw heads, command codes and the block's
    // lock. Each is one setSubframeHead or setCommand call (after any block write), so the
    // frames that go out are exactly those of the raw calls.
    //
    // Uploads the whole parameter block as it stands.
    void uploadParameters();
    // Replaces the block with these 210 bytes and uploads it; any other size is refused (false).
    bool uploadParameters(const QByteArray &block);
    // Writes the fields into the block and uploads it; returns each field's value before and
    // after the write. The block's lock is released before the upload is asked for: the reply
    // decoder takes the request state's lock before the block's.
    QVector<fclink::FieldChange> uploadFields(const QVector<fclink::FieldValue> &values);
    // Saves the controller's parameters to its flash; reported by status 6 or 7.
    void writeFlash();
    // Reported by status 8/9 (accelerometers), 10/11 (gyros) or 12/13 (voltage).
    void calibrate(fclink::Sensor sensor);
    // Service commands without a reported result: each stays in every request frame until
    // another command replaces it.
    void testBec();
    void calibrateRcNeutral();
    void startRcScaleCalibration();
    void stopRcScaleCalibration();
    void bindDsm();

    static quint16 calculateCrc16(const quint8 *data, quint8 length);
    // Reads two payload bytes as a signed little-endian 16-bit value and stores value × scale.
    static void int2float32(const quint8 *bytes, float *result, float scale);

    quint8 getFirmwareVersion() const;
    quint8 getDeviceId() const;
    // Asks the controller for its firmware info once (unless a command is under way); the
    // answer comes as firmwareInfoReceived(). The replies carry only the low 8 bits of the
    // version (3.00 arrives as 44).
    void requestFirmwareInfo();
    // The whole firmware version when the firmware info of this connection says it, else the
    // replies' version byte.
    quint16 firmwareVersion() const;

    static bool sortPorts(const PortInfo &first, const PortInfo &second);
    static QList<PortInfo> availableDevices();
    QList<QString> getPortList();
    // The same with the ports of a scan made elsewhere (availableDevices() may run on another
    // thread, so that a caller can scan, which takes tens of milliseconds, while it does other
    // work).
    QList<QString> getPortList(const QList<PortInfo> &scanned);

    // The firmware upgrade takes the port from the link until it gives it back (or the user
    // connects or disconnects): the link sends nothing and takes no edits meanwhile.
    void closePortForUpgrade();
    void openPortForCommunication();
    // Takes the port back after an upgrade that held it. A device that went away meanwhile is
    // reported like one lost while open (portLost) and opened again when it comes back; any
    // other failure is reported as a failed open.
    void resumeAfterUpgrade();
    bool isPortHeldForUpgrade() const { return m_heldForUpgrade; }

    void sendPacketAssemble();
    void sendPacket();
    void getPacket();

    // Observation points for tools, tests and benchmarks.
    quint8 currentCommand() const;
    quint8 currentSubframeHead() const;
    // An upload of the whole block has been asked for and has not started yet (it may wait for
    // the parameter read to end).
    bool isUploadRequested() const;
    // The request frames carry parameter slices: an upload is under way.
    bool isUploading() const;
    quint64 framesWritten() const { return m_framesWritten.load(); }
    // Frames not handed to the port because the previous one had not left it yet.
    quint64 framesSkipped() const { return m_framesSkipped.load(); }
    quint64 headChoices() const { return m_headChoices.load(); } // setSubframeHead calls
    // Replies that moved a sequence on (read, upload, verification, telemetry): the measure of
    // a link that makes progress, as against one that only repeats itself.
    quint64 sequenceSteps() const { return m_sequenceSteps.load(); }
    quint64 repliesAccepted() const { return m_assembler.framesAccepted(); }
    quint64 repliesRejected() const { return m_assembler.framesRejected(); }
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
    void statusChangedText(quint16 text);
    void connectStateText(quint16 text);
    void calibRcNeuOk();
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
    // A port did not open; reason is a fclink::PortOpenError. Follows statusChangedText(2).
    void portOpenFailed(QString portName, int reason);
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
    // (those the upload changed from what the controller was last known to hold).
    void uploadInterrupted(QString portName, QStringList fields);
    // closePortForUpgrade() took the port, or the link has it back.
    void portHeldForUpgradeChanged(bool held);

public slots:
    void connectCom();
    void disconnectCom();
    void readMyCom();
    void portNameChanged(QString portName);
    void refreshDevices();

protected:
    void run() override;

private:
    Commrt();

    bool openPort(const QString &portName, bool reportFailure);
    void releasePort();
    void setHeldForUpgrade(bool held);
    void reportOpenFailure(const QString &portName, fclink::PortOpenError reason,
                           const QString &detail, bool report);
    QStringList fieldsUploadMayHaveMissed() const;
    void closePort(bool report);
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
    std::atomic<bool> m_stopUpdateDeviceFlag{false};

    mutable std::mutex m_stateMutex;
    fclink::RequestState m_state;

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
    std::atomic<quint64> m_framesWritten{0};
    std::atomic<quint64> m_framesSkipped{0};
    std::atomic<quint64> m_headChoices{0};
    std::atomic<quint64> m_sequenceSteps{0};

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
