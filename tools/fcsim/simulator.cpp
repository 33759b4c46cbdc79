#include "simulator.h"

#include "fclink/link/parameterslices.h"
#include "fclink/link/replydecoder.h"
#include "fclink/storage/parameterfile.h"
#include "firmwareupgrade/applicationinfo.h"
#include "product/signalpipe.h"
#include "pseudoterminal.h"
#include "serialdevice.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace {

using fwupgrade::ApplicationInfo;

// Replies waiting to be written while nobody reads the line are dropped beyond this backlog.
constexpr std::size_t kMaxOutputBacklog = 64 * fclink::kFrameSize;

std::uint32_t seedFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks) ^ static_cast<std::uint32_t>(ticks >> 32) ^
           static_cast<std::uint32_t>(::getpid());
}

void announce(const QString &devicePath)
{
    std::fputs(QFile::encodeName(devicePath).constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

Simulator::Simulator(const SimOptions &options)
    : m_options(options), m_start(std::chrono::steady_clock::now()),
      m_assembler(fclink::kRequestStart0, fclink::kRequestStart1)
{
}

Simulator::~Simulator() = default;

qint64 Simulator::elapsedMs() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 m_start)
        .count();
}

void Simulator::diagnose(const QString &message) const
{
    if (!m_options.verbose)
        return;
    std::fprintf(stderr, "fcsim: [%lld ms] %s\n", static_cast<long long>(elapsedMs()),
                 message.toLocal8Bit().constData());
    std::fflush(stderr);
}

void Simulator::complain(const QString &message)
{
    std::fprintf(stderr, "fcsim: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

int Simulator::run()
{
    QString error;
    m_signals = std::make_unique<SignalPipe>();
    if (!m_signals->install({SIGINT, SIGTERM, SIGHUP, SIGUSR1, SIGUSR2}, &error)) {
        complain(error);
        return SetupFailed;
    }
    // A write to a line nobody holds must come back as an error, not end the program.
    std::signal(SIGPIPE, SIG_IGN);

    UavParam block;
    if (!loadInitialBlock(&block))
        return BadUsage;
    FirmwareState firmware;
    if (!loadFirmwareState(&firmware))
        return BadUsage;
    m_controller = std::make_unique<FlightController>(
        block, firmware.version, m_options.commandDelayMs, m_options.failingCommands);
    m_bootloader = std::make_unique<Bootloader>(m_options.flashFailStep, m_options.flashSize,
                                                firmware.version, firmware.intact);
    m_savedFirmware = firmware;
    // A flash without a whole firmware leaves nothing to start but the bootloader.
    m_inBootloader = !firmware.intact;
    if (m_inBootloader)
        diagnose(QStringLiteral("no intact firmware: starting in the bootloader"));
    m_controller->setIgnoredWriteOffsets(m_options.ignoredWriteOffsets);
    m_controller->setFlashWriter(
        [this](const UavParam &flashBlock) { return writeFlash(flashBlock); });

    const std::uint32_t seed = m_options.seedGiven ? m_options.seed : seedFromClock();
    m_faults = std::make_unique<FaultInjector>(m_options.dropProbability,
                                               m_options.corruptProbability, seed);
    diagnose(QStringLiteral("fault seed %1, drop %2, corrupt %3")
                 .arg(seed)
                 .arg(m_options.dropProbability)
                 .arg(m_options.corruptProbability));

    if (!m_options.logPath.isEmpty() && !m_log.open(m_options.logPath, &error)) {
        complain(error);
        return SetupFailed;
    }
    if (!m_options.dumpPath.isEmpty() && !writeDump())
        return SetupFailed;

    if (m_options.silentAfterMs >= 0) {
        m_silenceStartsAt = m_options.silentAfterMs;
        if (m_options.silentForMs > 0)
            m_silenceEndsAt = qint64(m_options.silentAfterMs) + m_options.silentForMs;
    }
    if (m_options.stallAfterMs >= 0) {
        m_stallStartsAt = m_options.stallAfterMs;
        m_stallEndsAt = qint64(m_options.stallAfterMs) + m_options.stallForMs;
    }

    if (!m_options.linkPath.isEmpty()) {
        PseudoTerminal terminal;
        if (!terminal.open(&error) || !terminal.createLink(m_options.linkPath, &error)) {
            complain(error);
            return SetupFailed;
        }
        diagnose(
            QStringLiteral("serving %1 through %2").arg(terminal.slavePath(), m_options.linkPath));
        announce(terminal.slavePath());
        m_holdLine = [&terminal](bool hold) { terminal.holdClientOutput(hold); };
        const int code = serve(terminal.masterFd());
        m_holdLine = nullptr;
        if (code == DeviceLost)
            complain(QStringLiteral("the pseudo-terminal %1 failed").arg(terminal.slavePath()));
        return code; // the terminal removes its link on the way out
    }

    SerialDevice device;
    if (!device.open(m_options.devicePath, &error)) {
        complain(error);
        return SetupFailed;
    }
    diagnose(QStringLiteral("serving %1").arg(device.path()));
    announce(device.path());
    const int code = serve(device.fd());
    if (code == DeviceLost)
        complain(QStringLiteral("%1 has disappeared").arg(device.path()));
    return code;
}

bool Simulator::loadInitialBlock(UavParam *block)
{
    *block = FlightController::defaultBlock();
    if (m_options.statePath.isEmpty() || !QFileInfo::exists(m_options.statePath)) {
        diagnose(QStringLiteral("starting with the default configuration"));
        return true;
    }
    QString error;
    fclink::BlockImage loaded;
    if (!fclink::loadParameterFileStrict(m_options.statePath, &loaded, &error)) {
        complain(QStringLiteral("invalid state file %1: %2").arg(m_options.statePath, error));
        return false;
    }
    *block = loaded.toStruct();
    diagnose(QStringLiteral("configuration loaded from %1").arg(m_options.statePath));
    return true;
}

bool Simulator::loadFirmwareState(FirmwareState *state)
{
    state->version = m_options.firmwareVersion;
    state->intact = true;
    if (m_options.firmwareStatePath.isEmpty() || !QFileInfo::exists(m_options.firmwareStatePath))
        return true;
    QString error;
    if (!state->load(m_options.firmwareStatePath, &error)) {
        complain(QStringLiteral("invalid firmware state: %1").arg(error));
        return false;
    }
    diagnose(QStringLiteral("firmware %1 (%2) from %3")
                 .arg(state->version)
                 .arg(state->intact ? QStringLiteral("intact") : QStringLiteral("not intact"))
                 .arg(m_options.firmwareStatePath));
    return true;
}

void Simulator::saveFirmwareState()
{
    FirmwareState now;
    now.version = m_bootloader->firmwareVersion();
    now.intact = m_bootloader->applicationIntact();
    if (m_options.firmwareStatePath.isEmpty() ||
        (now.version == m_savedFirmware.version && now.intact == m_savedFirmware.intact))
        return;
    QString error;
    if (!now.save(m_options.firmwareStatePath, &error)) {
        complain(QStringLiteral("firmware state: %1").arg(error));
        return;
    }
    m_savedFirmware = now;
}

void Simulator::replyWithUpgradeInfo(PendingReply *pending)
{
    ApplicationInfo info;
    info.deviceId = FlightController::kDeviceId;
    info.firmwareVersion = m_controller->firmwareVersion();
    info.flashSize = m_bootloader->flashSize();
    info.bootloaderVersion = Bootloader::kVersion;
    quint8 payload[fclink::kSlicePayloadSize];
    info.encodePayload(payload);
    fclink::buildReplyFrame(ApplicationInfo::kInfoCommand, FlightController::kDeviceId,
                            m_controller->firmwareVersionByte(), 0, payload, pending->frame.data());
}

bool Simulator::writeDump()
{
    QString error;
    if (!fclink::saveParameterFile(m_options.dumpPath, fclink::BlockImage(m_controller->block()),
                                   &error)) {
        complain(QStringLiteral("dump: %1").arg(error));
        return false;
    }
    return true;
}

bool Simulator::writeFlash(const UavParam &block)
{
    if (m_options.statePath.isEmpty())
        return true; // a flash that is not kept anywhere still "works"
    QString error;
    if (!fclink::saveParameterFile(m_options.statePath, fclink::BlockImage(block), &error)) {
        complain(QStringLiteral("flash write: %1").arg(error));
        return false;
    }
    diagnose(QStringLiteral("configuration written to %1").arg(m_options.statePath));
    return true;
}

int Simulator::serve(int fd)
{
    m_fd = fd;
    const auto onFrame = [this](const quint8 *frame) { onRequest(frame); };

    for (;;) {
        runDueTimers(elapsedMs());
        if (m_deviceLost)
            return DeviceLost;

        pollfd fds[2] = {};
        fds[0].fd = fd;
        fds[0].events =
            static_cast<short>((m_stalled ? 0 : POLLIN) | (m_output.empty() ? 0 : POLLOUT));
        fds[1].fd = m_signals->readFd();
        fds[1].events = POLLIN;
        if (::poll(fds, 2, pollTimeout(elapsedMs())) < 0) {
            if (errno == EINTR)
                continue;
            complain(QStringLiteral("poll: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
            return SetupFailed;
        }

        if ((fds[1].revents & POLLIN) && !handleSignals())
            return Finished;

        if (fds[0].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) {
            bool gotData = false;
            quint8 buffer[1024];
            for (;;) {
                const ssize_t count = ::read(fd, buffer, sizeof buffer);
                if (count > 0) {
                    gotData = true;
                    if (m_inBootloader)
                        onBootloaderBytes(buffer, static_cast<std::size_t>(count));
                    else
                        m_assembler.feed(buffer, static_cast<std::size_t>(count), onFrame);
                    continue;
                }
                if (count < 0 && errno == EINTR)
                    continue;
                if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                    // Nothing more to read. A hang-up without data means the line is gone.
                    if (!gotData && (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)))
                        return DeviceLost;
                    break;
                }
                // Readable but at its end, or a read error (EIO once the device has gone
                // away). An end right after data is left for the next poll() to confirm.
                if (count == 0 && gotData)
                    break;
                return DeviceLost;
            }
        }

        if ((fds[0].revents & POLLOUT) && !flushOutput())
            return DeviceLost;
    }
}

void Simulator::onRequest(const quint8 *request)
{
    const qint64 now = elapsedMs();
    const quint8 command = request[fclink::offset::Command];
    const quint8 head = request[fclink::offset::Head];
    if (head == m_silenceAtWriteHead) {
        m_silenceAtWriteHead = -1;
        setSilent(true, "--silent-at-write");
    }
    m_log.record(now, command, head, m_silent);
    if (m_silent)
        return; // read and ignored, as by a controller that has stopped talking

    PendingReply pending;
    pending.dueMs = now + m_options.replyDelayMs;
    if (command == ApplicationInfo::kInfoCommand) {
        replyWithUpgradeInfo(&pending);
        m_pendingReplies.push_back(pending);
        return;
    }
    if (command == ApplicationInfo::kEnterBootloaderCommand) {
        // Agree once, then restart into the bootloader: nothing more on the link protocol.
        fclink::buildReplyFrame(ApplicationInfo::kEnterBootloaderCommand,
                                FlightController::kDeviceId, m_controller->firmwareVersionByte(), 0,
                                nullptr, pending.frame.data());
        m_pendingReplies.push_back(pending);
        m_bootloader->restart();
        m_inBootloader = true;
        diagnose(QStringLiteral("restarting into the bootloader"));
        return;
    }
    const FlightController::Outcome outcome =
        m_controller->handleRequest(request, now, pending.frame.data());
    if (outcome.commandStarted)
        diagnose(QStringLiteral("command %1 started, result due in %2 ms")
                     .arg(command)
                     .arg(m_controller->commandDueAt() - now));
    if (outcome.blockChanged && !m_options.dumpPath.isEmpty())
        writeDump();
    m_pendingReplies.push_back(pending);
}

void Simulator::onBootloaderBytes(const quint8 *data, std::size_t length)
{
    const QByteArray reply = m_bootloader->feed(
        QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(length)));
    if (!reply.isEmpty() && !m_silent)
        m_pendingBootReplies.emplace_back(elapsedMs() + m_options.replyDelayMs, reply);
    saveFirmwareState();
    if (!m_bootloader->applicationStarted())
        return;
    m_inBootloader = false;
    if (!m_bootloader->newFirmwareStarted()) {
        diagnose(QStringLiteral("back in firmware %1").arg(m_controller->firmwareVersion()));
        return;
    }
    m_controller->setFirmwareVersion(m_bootloader->firmwareVersion());
    if (m_options.resetOnUpgrade) {
        m_controller->resetBlock();
        if (!m_options.dumpPath.isEmpty())
            writeDump();
    }
    diagnose(QStringLiteral("new firmware %1 running").arg(m_bootloader->firmwareVersion()));
}

void Simulator::runDueTimers(qint64 now)
{
    if (m_silenceStartsAt >= 0 && now >= m_silenceStartsAt) {
        m_silenceStartsAt = -1;
        setSilent(true, "--silent-after");
    }
    if (m_silenceEndsAt >= 0 && now >= m_silenceEndsAt) {
        m_silenceEndsAt = -1;
        setSilent(false, "--silent-for");
    }
    if (m_stallStartsAt >= 0 && now >= m_stallStartsAt) {
        m_stallStartsAt = -1;
        setStalled(true);
    }
    if (m_stallEndsAt >= 0 && now >= m_stallEndsAt) {
        m_stallEndsAt = -1;
        setStalled(false);
    }
    if (m_controller->finishDueCommand(now))
        diagnose(QStringLiteral("command result %1").arg(m_controller->resultCode()));

    while (!m_pendingBootReplies.empty() && m_pendingBootReplies.front().first <= now) {
        const QByteArray bytes = m_pendingBootReplies.front().second;
        m_pendingBootReplies.pop_front();
        if (!m_silent)
            sendBytes(reinterpret_cast<const quint8 *>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
        if (m_deviceLost)
            return;
    }
    while (!m_pendingReplies.empty() && m_pendingReplies.front().dueMs <= now) {
        const Frame frame = m_pendingReplies.front().frame;
        m_pendingReplies.pop_front();
        sendReply(frame);
        if (m_deviceLost)
            return;
    }
}

int Simulator::pollTimeout(qint64 now) const
{
    qint64 next = -1;
    const auto consider = [&next](qint64 due) {
        if (due >= 0 && (next < 0 || due < next))
            next = due;
    };
    if (!m_pendingReplies.empty())
        consider(m_pendingReplies.front().dueMs);
    if (!m_pendingBootReplies.empty())
        consider(m_pendingBootReplies.front().first);
    consider(m_controller->commandDueAt());
    consider(m_silenceStartsAt);
    consider(m_silenceEndsAt);
    consider(m_stallStartsAt);
    consider(m_stallEndsAt);
    if (next < 0)
        return -1; // nothing scheduled: sleep until the line or a signal wakes us
    return static_cast<int>(std::clamp<qint64>(next - now, 0, INT_MAX));
}

void Simulator::sendReply(Frame frame)
{
    if (m_silent)
        return;
    switch (m_faults->apply(frame.data())) {
    case FaultInjector::Fault::Dropped:
        diagnose(QStringLiteral("reply with head %1 dropped").arg(frame[fclink::offset::Head]));
        return;
    case FaultInjector::Fault::Corrupted:
        diagnose(QStringLiteral("reply corrupted at byte %1 bit %2")
                     .arg(m_faults->lastCorruptedByte())
                     .arg(m_faults->lastCorruptedBit()));
        break;
    case FaultInjector::Fault::None:
        break;
    }
    if (m_options.repeatReplies) {
        std::array<quint8, 2 * fclink::kFrameSize> twice;
        std::copy(frame.cbegin(), frame.cend(), twice.begin());
        std::copy(frame.cbegin(), frame.cend(), twice.begin() + fclink::kFrameSize);
        sendBytes(twice.data(), twice.size());
        return;
    }
    sendBytes(frame.data(), frame.size());
}

void Simulator::sendBytes(const quint8 *data, std::size_t length)
{
    if (m_output.size() >= kMaxOutputBacklog) {
        diagnose(QStringLiteral("nobody is reading; reply discarded"));
        return;
    }
    m_output.insert(m_output.end(), data, data + length);
    if (!flushOutput())
        m_deviceLost = true;
}

bool Simulator::flushOutput()
{
    while (!m_output.empty()) {
        const ssize_t written = ::write(m_fd, m_output.data(), m_output.size());
        if (written > 0) {
            m_output.erase(m_output.begin(), m_output.begin() + written);
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true; // the rest goes out when poll() says the line can take it
        return false;
    }
    return true;
}

void Simulator::setSilent(bool silent, const char *reason)
{
    if (m_silent == silent)
        return;
    m_silent = silent;
    if (silent) {
        m_pendingReplies.clear();
        m_pendingBootReplies.clear();
    }
    diagnose(QStringLiteral("%1 (%2)").arg(silent ? QStringLiteral("silent")
                                                  : QStringLiteral("replying again"),
                                           QLatin1String(reason)));
}

void Simulator::setStalled(bool stalled)
{
    m_stalled = stalled;
    if (m_holdLine)
        m_holdLine(stalled);
    diagnose(stalled ? QStringLiteral("stalled: taking no bytes")
                     : QStringLiteral("taking bytes again"));
}

bool Simulator::handleSignals()
{
    for (const int signalNumber : m_signals->takeSignals()) {
        switch (signalNumber) {
        case SIGUSR1:
            setSilent(true, "SIGUSR1");
            break;
        case SIGUSR2:
            setSilent(false, "SIGUSR2");
            break;
        default:
            diagnose(QStringLiteral("signal %1, ending").arg(signalNumber));
            return false;
        }
    }
    return true;
}
