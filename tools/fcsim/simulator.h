#ifndef FCSIM_SIMULATOR_H
#define FCSIM_SIMULATOR_H

#include "bootloader.h"
#include "faultinjector.h"
#include "fclink/link/frame.h"
#include "fclink/link/frameassembler.h"
#include "firmwarestate.h"
#include "flightcontroller.h"
#include "requestlog.h"
#include "simoptions.h"

#include <array>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class SignalPipe;

// Runs the simulated flight controller on a pseudo-terminal or a serial device: sets up the
// line, then waits in poll() for requests, signals and the next due timer (a delayed reply, a
// finishing command, a scripted silence) and never spins while idle.
class Simulator
{
public:
    enum ExitCode
    {
        Finished = 0,
        SetupFailed = 1,
        BadUsage = 2,
        DeviceLost = 3
    };

    explicit Simulator(const SimOptions &options);
    ~Simulator();
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    int run();

private:
    using Frame = std::array<quint8, fclink::kFrameSize>;
    struct PendingReply
    {
        qint64 dueMs;
        Frame frame;
    };

    qint64 elapsedMs() const;
    bool loadInitialBlock(UavParam *block);
    bool writeDump();
    bool writeFlash(const UavParam &block);
    bool loadFirmwareState(FirmwareState *state);
    void saveFirmwareState();
    void replyWithUpgradeInfo(PendingReply *pending);

    int serve(int fd);
    void onRequest(const quint8 *request);
    void onBootloaderBytes(const quint8 *data, std::size_t length);
    void sendBytes(const quint8 *data, std::size_t length);
    void runDueTimers(qint64 now);
    int pollTimeout(qint64 now) const;
    void sendReply(Frame frame);
    bool flushOutput();
    void setSilent(bool silent, const char *reason);
    void setStalled(bool stalled);
    bool handleSignals();

    void diagnose(const QString &message) const;
    static void complain(const QString &message);

    const SimOptions m_options;
    int m_silenceAtWriteHead = m_options.silentAtWriteHead; // once only
    const std::chrono::steady_clock::time_point m_start;
    std::unique_ptr<FlightController> m_controller;
    std::unique_ptr<FaultInjector> m_faults;
    std::unique_ptr<SignalPipe> m_signals;
    RequestLog m_log;
    fclink::FrameAssembler m_assembler;
    std::unique_ptr<Bootloader> m_bootloader;
    bool m_inBootloader = false;
    FirmwareState m_savedFirmware; // as last written to --firmware-state

    int m_fd = -1;
    std::deque<PendingReply> m_pendingReplies;
    std::deque<std::pair<qint64, QByteArray>> m_pendingBootReplies; // due time, packet bytes
    std::vector<quint8> m_output; // bytes accepted for sending but not yet written
    bool m_silent = false;
    qint64 m_silenceStartsAt = -1;
    qint64 m_silenceEndsAt = -1;
    bool m_stalled = false;
    qint64 m_stallStartsAt = -1;
    qint64 m_stallEndsAt = -1;
    std::function<void(bool)> m_holdLine; // makes the line push back while stalled
    bool m_deviceLost = false;
};

#endif // FCSIM_SIMULATOR_H
