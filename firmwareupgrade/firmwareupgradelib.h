#ifndef FIRMWAREUPGRADE_FIRMWAREUPGRADELIB_H
#define FIRMWAREUPGRADE_FIRMWAREUPGRADELIB_H

#include "firmwareupgrade_global.h"
#include "upgradeevent.h"

#include <QString>

#include <atomic>

class QObject;
class QThread;

// Flashes a firmware file into the flight controller over its serial port.
//
// Use: createClass() once; for every run init(receiver) and then start() (or probe()); stop()
// asks a run to end; destroyClass() at the end, which also stops a run that is still going and
// waits for its thread. start() returns at once: the run has its own thread, which opens, uses
// and closes the serial port itself. Every report is an UpgradeEvent posted to the receiver with
// QCoreApplication::postEvent, so it is handled on the receiver's (the GUI) thread. A start()
// while a run is still going is ignored.
//
// A run reports, in order:
//   - the file (see firmwareimage.h for its format): 14 when it cannot be opened, otherwise 13,
//     then 12 (unreadable or corrupt: magic, header, device id, CRC-32), 7 (format version other
//     than 1) or 19 (image length differs from the bytes present) for a bad file. The port is not
//     touched before the file has passed.
//   - the port: 3 once opened at 115200 8N1, 4 when it cannot be opened. portNumber is the number
//     at the end of the port name (COM3 gives 3, /dev/ttyUSB0 gives 0), -1 when there is none.
//   - the checks, while the controller still runs its application: a link request frame with
//     command 0xB0 ("upgrade info", see applicationinfo.h) is sent up to 3 times, 300 ms apart.
//     Its reply gives the device id (another than 0x26: 31), the flash size (an image larger
//     than the flash: 19) and the full firmware version (an image whose version is not greater
//     than it: 36 with the installed version, unless allowDowngrade(true) came before start). A
//     refused image ends the run here: the controller never leaves its application.
//   - bootloader entry: a link request frame with command 0xB1 ("restart into bootloader") is
//     sent up to 5 times, 300 ms apart, until a link reply carries command result 0xB1; one with
//     a device id other than 0x26: 31. From then on only bootloader packets are spoken (see
//     bootpacket.h for their layout). When the application did not answer the upgrade info at
//     all the run goes on with SYNC directly, since a controller left in its bootloader by an
//     unfinished run no longer speaks the link protocol.
//   - SYNC: reply {device id, bootloader version, max block, flash size, application, firmware
//     version}. No reply at all: 31; a device id other than 0x26: 31; an image larger than the
//     flash: 19; when the application did not answer before and the flash holds intact firmware
//     that is not older than the image: 36. Writes use blocks of min(max block, 256) bytes.
//   - up to here nothing is erased. A refusal after the controller has been asked to restart,
//     or a stop, sends LEAVE (up to 2 times) when the flash holds an intact application; when the
//     bootloader starts it the run reports 35 with the version running again (firmwareVersion).
//   - ERASE {image length}: on success 21 (flashing begins). From here the controller has no
//     working firmware until the run completes: an unfinished run leaves it in its bootloader
//     (which a later run or probe finds). An erase refused or unanswered is followed by a SYNC:
//     when the flash still holds its intact firmware, LEAVE sends the controller back (35).
//   - WRITE {address, data} for consecutive blocks from address 0, each followed by 11 when the
//     written percentage has grown (monotonic, ending at 100).
//   - VERIFY {length, CRC-32 of the image}.
//   - RUN {firmware version}: on success 22, with the image's version in firmwareVersion; the
//     controller restarts into the new firmware.
//   - 1, always last: after success, after any failure and after stop().
//
// A probe (probe()) opens the port (3 or 4) and sends SYNC up to 3 times, 300 ms apart: no
// answer gives 34; a bootloader whose flash holds no intact application gives 33 (waiting for
// firmware); one whose application is intact is sent back to it with LEAVE (35, or 33 when it
// refuses), or only reported (37) when the probe was asked to leave it where it is; a device id
// other than 0x26 gives 31. These reports carry the device id and bootloader version, and the
// intact application's version in firmwareVersion (-1 when the flash holds none). The port is
// closed before 1, so a client may take it on that report.
//
// Exchanges: each request has the next sequence number; the reply must carry the request's type
// with bit 7 set and the same sequence. No reply within the time-out (500 ms; ERASE 5 s; VERIFY
// 2 s), or a reply whose CRC fails, sends the same request again, up to 3 times. When the
// retries are used up: 9 if any reply came back damaged, otherwise 10 (31 for SYNC). A valid
// reply of another type or sequence: 32 (a late copy of the previous reply is skipped). A
// status reply without its status byte, or a SYNC reply too short: 20.
//
// Device status in the ERASE/WRITE/VERIFY/RUN/LEAVE replies: 0 ok; 1 erase failed → 18; 2 flash
// failed → 24; 3 bad address → 23; 4 bad length → 20; 5 bad head → 26; 6 the request failed its
// CRC on the device → 8; 7 verify mismatch → 24; 8 run failed → 28; 10 nothing to run (LEAVE
// without an intact application, not reported); 9 or unknown → 32.
//
// stop() takes effect before the next packet or while waiting for a reply; the run then reports
// at most 35 (when it could send the controller back to its application) and 1.
// stopBeforeErase() does the same until the ERASE has been sent, and nothing after it. A controller
// left in its bootloader by an unfinished run takes the next run from SYNC on.
class FIRMWAREUPGRADE_EXPORT FirmwareUpgradeLib
{
public:
    static FirmwareUpgradeLib *createClass();
    // Stops a running upgrade, waits for its thread and frees the object.
    static void destroyClass(FirmwareUpgradeLib *upgrade);

    FirmwareUpgradeLib(const FirmwareUpgradeLib &) = delete;
    FirmwareUpgradeLib &operator=(const FirmwareUpgradeLib &) = delete;

    // The object that receives the reports of the next run.
    void init(QObject *receiver);
    // Flashes file through the port "COM<portNumber>" (the number cut to 8 bits), named by the
    // host's port naming rules; on hosts without COM ports this opens nothing (report 4).
    void start(int portNumber, QString file);
    // Flashes file through a port given by name or device path (ttyUSB0, /dev/ttyACM0, a
    // simulator's symlink, COM3).
    void start(const QString &portName, const QString &file);
    // Looks for a bootloader waiting for firmware on the port (see above); a run like start().
    // Without leaveIfIntact a bootloader whose firmware is whole is only reported (37).
    void probe(const QString &portName, bool leaveIfIntact = true);
    // Whether the next start() may flash an image that is not newer than the installed
    // firmware; false after every start.
    void allowDowngrade(bool allowed);
    void stop();
    // Asks the running upgrade to end only if it has not begun to erase; from the erase on the
    // run goes on to its end (a cut flash would leave the controller without firmware).
    void stopBeforeErase();

    // Whether a run has started and not yet reported its end.
    bool isRunning() const { return m_active.load(); }

private:
    FirmwareUpgradeLib() = default;
    ~FirmwareUpgradeLib();
    void joinThread();
    void launch(const QString &portName, const QString &file, bool probeOnly, bool leaveIfIntact);

    QObject *m_receiver = nullptr;
    QThread *m_thread = nullptr;
    bool m_allowDowngrade = false;
    std::atomic<bool> m_stopRequested{false};
    std::atomic<bool> m_stopBeforeEraseRequested{false};
    std::atomic<bool> m_active{false};
};

#endif // FIRMWAREUPGRADE_FIRMWAREUPGRADELIB_H
