#ifndef FCLINK_COMMRT_H
#define FCLINK_COMMRT_H

#include "fclink_global.h"
#include "frameassembler.h"
#include "portinfo.h"
#include "replydecoder.h"

#include <QList>
#include <QString>
#include <QThread>
#include <mutex>

#include <atomic>

class QSerialPort;

// The link to the flight controller. The object lives on the thread that creates it (the
// program's GUI thread): its slots, the serial port, the receive path and the reply decoder run
// there. Its own thread (run) only paces the link: every 52 ms while a port is open it builds one
// request frame and hands it to the port's thread to write, counts unanswered frames and reports
// a lost connection after 51 of them; with no port open it polls every 30 ms.
//
// Request state (command, head, head requested, connected, missed replies) is guarded by one
// mutex; the parameter block by fclink::parameterBlockMutex(), which page edits take too.
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

    static quint16 calculateCrc16(const quint8 *data, quint8 length);
    // Reads two payload bytes as a signed little-endian 16-bit value and stores value × scale.
    static void int2float32(const quint8 *bytes, float *result, float scale);

    quint8 getFirmwareVersion() const;
    quint8 getDeviceId() const;

    static bool sortPorts(const PortInfo &first, const PortInfo &second);
    static QList<PortInfo> availableDevices();
    QList<QString> getPortList();

    void closePortForUpgrade();
    void openPortForCommunication();

    void sendPacketAssemble();
    void sendPacket();
    void getPacket();

    // Observation points for tools, tests and benchmarks.
    quint8 currentCommand() const;
    quint8 currentSubframeHead() const;
    quint64 framesWritten() const { return m_framesWritten.load(); }
    quint64 headChoices() const { return m_headChoices.load(); } // setSubframeHead calls
    quint64 repliesAccepted() const { return m_assembler.framesAccepted(); }
    quint64 repliesRejected() const { return m_assembler.framesRejected(); }
    bool isPortOpen() const { return m_portOpen.load(); }

signals:
    void updatePortNames(QList<QString> portNames);
    void parametersChanged();
    void telemetryChanged();
    void statusChangedText(quint16 text);
    void connectStateText(quint16 text);
    void calibRcNeuOk();

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

    void closePort(bool report);
    void writePendingFrame();
    void handlePortError(int error);
    void emitReplyEffects(const fclink::ReplyEffects &effects);
    static QList<QString> namesOf(const QList<PortInfo> &ports);

    QSerialPort *m_port = nullptr; // GUI thread only
    std::atomic<bool> m_portOpen{false};
    std::atomic<bool> m_running{true};
    std::atomic<bool> m_stopUpdateDeviceFlag{false};

    mutable std::mutex m_stateMutex;
    fclink::RequestState m_state;

    // Request frames: built on the worker thread, written on the port's thread. Only the newest
    // frame waits, so a stalled event loop delays the link instead of bursting frames later.
    quint8 m_requestBuffer[fclink::kFrameSize] = {};
    std::mutex m_outgoingMutex;
    quint8 m_outgoing[fclink::kFrameSize] = {};
    bool m_writeQueued = false;
    std::atomic<quint64> m_framesWritten{0};
    std::atomic<quint64> m_headChoices{0};

    fclink::FrameAssembler m_assembler;
    QByteArray m_readBuffer;

    QList<PortInfo> m_ports;
    QString m_portName;
};

#endif // FCLINK_COMMRT_H
