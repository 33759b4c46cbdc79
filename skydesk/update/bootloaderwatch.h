#ifndef SKYDESK_BOOTLOADERWATCH_H
#define SKYDESK_BOOTLOADERWATCH_H

#include <QObject>
#include <QTimer>

class Commrt;
class FirmwareUpgradeLib;

// Recognises a controller left in its bootloader by an upgrade that did not finish: such a
// controller answers no link frame. When the link gets no reply within a while of a connect (or
// of the end of an upgrade), the watch borrows the port for a moment and asks the upgrade
// library's probe whether a bootloader waits there, then gives the port back. A bootloader whose
// firmware is still whole is sent back to it (the link then connects as usual); one with nothing
// to run makes the watch report that the controller waits for firmware. Without any answer it
// asks again now and then while the link stays without reply.
class BootloaderWatch : public QObject
{
    Q_OBJECT

public:
    // The link answers within one frame period (52 ms); this long without a reply is silence.
    static constexpr int kAnswerWaitMs = 2500;
    static constexpr int kRetryMs = 10000;

    BootloaderWatch(Commrt *link, QObject *parent = nullptr);
    ~BootloaderWatch() override;

    // Starts watching the link for its first reply.
    void watch();
    // Stops watching; a probe under way is ended and the port is not given back (the caller
    // closed it or takes it).
    void cancel();
    bool isProbing() const { return m_probing; }
    bool isWaiting() const { return m_waiting; }
    // The link has a reply: whatever waited, the controller runs firmware now.
    void clearWaiting();
    // A flash erased the controller and did not complete: it waits for firmware.
    void noteWaiting();

signals:
    void waitingChanged(bool waiting);
    // A probe sent a controller that still had its firmware back to it.
    void firmwareResumed(quint16 version);

protected:
    bool event(QEvent *event) override;

private:
    void probeNow();
    void probeEnded();
    void setWaiting(bool waiting);

    Commrt *m_link;
    FirmwareUpgradeLib *m_probe;
    QTimer m_timer;
    bool m_probing = false;
    bool m_waiting = false;
    bool m_foundWaiting = false;
};

#endif // SKYDESK_BOOTLOADERWATCH_H
