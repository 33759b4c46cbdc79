#include "upgraderun.h"

#include "applicationinfo.h"
#include "fclink/link/deviceaccess.h"
#include "fclink/link/frame.h"
#include "fclink/link/frameassembler.h"
#include "firmwareimage.h"
#include "logcategories.h"
#include "upgradeevent.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>

#include <algorithm>

namespace fwupgrade {

namespace {

// Waits are cut into slices so that a stop request is seen soon.
constexpr int kWaitSliceMs = 50;
constexpr int kWriteTimeoutMs = 1000;
// After the controller has agreed to restart, it gets this long before the first packet.
constexpr int kRestartSettleMs = 20;

} // namespace

UpgradeRun::UpgradeRun(const QString &device, const QString &file,
                       const std::atomic<bool> *stopRequested, Reporter reporter,
                       const Options &options)
    : m_device(device), m_file(file), m_stopRequested(stopRequested),
      m_reporter(std::move(reporter)), m_options(options)
{
}

UpgradeRun::UpgradeRun(const QString &device, const QString &file,
                       const std::atomic<bool> *stopRequested, Reporter reporter)
    : UpgradeRun(device, file, stopRequested, std::move(reporter), Options())
{
}

bool UpgradeRun::stopped() const
{
    if (m_stopRequested->load())
        return true;
    return !m_eraseSent && m_options.stopBeforeErase && m_options.stopBeforeErase->load();
}

quint32 UpgradeRun::codeForStatus(quint8 status)
{
    switch (status) {
    case boot::EraseFailed:
        return UpgradeEvent::EraseError;
    case boot::FlashFailed:
    case boot::VerifyMismatch:
        return UpgradeEvent::FlashError;
    case boot::AddressInvalid:
        return UpgradeEvent::AddressError;
    case boot::LengthInvalid:
        return UpgradeEvent::LengthError;
    case boot::HeadInvalid:
        return UpgradeEvent::HeadError;
    case boot::ChecksumInvalid:
        return UpgradeEvent::SendCheckError;
    case boot::RunFailed:
        return UpgradeEvent::GoToApplicationError;
    default:
        return UpgradeEvent::StateError;
    }
}

void UpgradeRun::exec()
{
    flash();
    report(UpgradeEvent::RunEnded);
}

void UpgradeRun::execProbe()
{
    // The port is closed before the end is reported: whoever takes it on that report gets it.
    probePort();
    report(UpgradeEvent::RunEnded);
}

void UpgradeRun::probePort()
{
    QSerialPort port;
    if (!openPort(&port))
        return;
    SyncInfo info;
    if (!sync(&info, kProbeTimeoutMs, kProbeAttempts, true)) {
        report(UpgradeEvent::NoBootloader);
    } else if (info.deviceId != FirmwareImage::kDeviceId) {
        reportFound(UpgradeEvent::DeviceError, info);
    } else if (!info.applicationIntact) {
        reportFound(UpgradeEvent::WaitingForFirmware, info);
    } else if (!m_options.leaveIfIntact) {
        reportFound(UpgradeEvent::FirmwareIntact, info);
    } else if (!returnToApplication(info.firmwareVersion, &info)) {
        // Left in the bootloader with its firmware whole (a run stopped before the erase whose
        // way back was lost), and it would not go back.
        reportFound(UpgradeEvent::WaitingForFirmware, info);
    }
    m_port = nullptr;
}

void UpgradeRun::reportFound(quint32 code, const SyncInfo &info)
{
    Report found;
    found.code = code;
    found.version = info.applicationIntact ? info.firmwareVersion : -1;
    found.deviceId = info.deviceId;
    found.bootloaderVersion = info.bootloaderVersion;
    qCInfo(lcUpgrade) << "probe" << code << "device" << info.deviceId << "version" << found.version;
    m_reporter(found);
}

bool UpgradeRun::loadFile(FirmwareImage *image)
{
    const FirmwareImage::ParseResult result = FirmwareImage::parseFile(m_file, image);
    if (result == FirmwareImage::ParseResult::Unreadable) {
        report(UpgradeEvent::FileOpenError);
        return false;
    }
    report(UpgradeEvent::FileOpened);
    switch (result) {
    case FirmwareImage::ParseResult::Ok:
        return true;
    case FirmwareImage::ParseResult::UnsupportedVersion:
        report(UpgradeEvent::VersionError);
        return false;
    case FirmwareImage::ParseResult::SizeMismatch:
        report(UpgradeEvent::FileSizeError);
        return false;
    case FirmwareImage::ParseResult::Corrupt:
    case FirmwareImage::ParseResult::Unreadable:
        break;
    }
    report(UpgradeEvent::FileError);
    return false;
}

void UpgradeRun::report(quint32 code, qint32 progress, qint32 version)
{
    if (code == UpgradeEvent::Progress)
        qCDebug(lcUpgrade) << "progress" << progress << "%";
    else
        qCInfo(lcUpgrade) << "report" << code << "version" << version;
    Report plain;
    plain.code = code;
    plain.progress = progress;
    plain.version = version;
    m_reporter(plain);
}

bool UpgradeRun::openPort(QSerialPort *port)
{
    if (m_device.isEmpty()) {
        report(UpgradeEvent::PortOpenFailed);
        return false;
    }
    port->setPortName(m_device);
    if (!port->open(QIODevice::ReadWrite) || !port->setBaudRate(QSerialPort::Baud115200) ||
        !port->setDataBits(QSerialPort::Data8) || !port->setParity(QSerialPort::NoParity) ||
        !port->setStopBits(QSerialPort::OneStop) ||
        !port->setFlowControl(QSerialPort::NoFlowControl)) {
        qCWarning(lcUpgrade) << "cannot open" << m_device << "-" << port->errorString();
        report(UpgradeEvent::PortOpenFailed);
        return false;
    }
    // The device's own lock, as the link takes it: a program that holds the device under
    // another name keeps it from being flashed under this one.
    if (!fclink::lockDevice(port->handle())) {
        qCWarning(lcUpgrade) << "cannot open" << m_device
                             << "- the device is open under another name";
        port->close();
        report(UpgradeEvent::PortOpenFailed);
        return false;
    }
    report(UpgradeEvent::PortOpened);
    m_port = port;
    port->clear(QSerialPort::AllDirections);
    return true;
}

bool UpgradeRun::imageFits(quint8 deviceId, quint32 flashSize, quint32 length)
{
    if (deviceId != FirmwareImage::kDeviceId) {
        report(UpgradeEvent::DeviceError);
        return false;
    }
    if (length > flashSize) {
        report(UpgradeEvent::FileSizeError);
        return false;
    }
    return true;
}

void UpgradeRun::flash()
{
    FirmwareImage image;
    if (!loadFile(&image) || stopped())
        return;
    QSerialPort port;
    if (!openPort(&port))
        return;
    const auto length = static_cast<quint32>(image.image().size());

    // Everything that can refuse the image is checked while the application still runs.
    quint8 deviceId = 0;
    quint32 flashSize = 0;
    quint16 installed = 0;
    const bool applicationAnswered = queryApplication(&deviceId, &flashSize, &installed);
    if (stopped())
        return;
    if (applicationAnswered) {
        if (!imageFits(deviceId, flashSize, length) ||
            !newEnough(image.firmwareVersion(), installed))
            return;
        if (!enterBootloader()) {
            if (m_bootloaderMayRun)
                returnToApplication(installed);
            return;
        }
    } else {
        // An application that does not answer may be a bootloader left waiting by an
        // unfinished run, which no longer speaks the link protocol: SYNC decides.
        m_bootloaderMayRun = true;
    }

    SyncInfo info;
    if (!sync(&info, kReplyTimeoutMs, kAttempts, false)) {
        if (stopped())
            returnToApplication(installed);
        return;
    }
    // Nothing is erased yet: a refusal or a stop from here sends the controller back to the
    // firmware it has, if that is whole.
    bool refused = !imageFits(info.deviceId, info.flashSize, length);
    if (!refused && info.maxBlock <= 0) {
        report(UpgradeEvent::LengthError);
        refused = true;
    }
    // Firmware the application did not tell of (it was already in its bootloader) is judged by
    // what the bootloader says.
    if (!refused && !applicationAnswered && info.applicationIntact)
        refused = !newEnough(image.firmwareVersion(), info.firmwareVersion);
    if (refused || stopped()) {
        if (info.applicationIntact)
            returnToApplication(info.firmwareVersion);
        return;
    }

    QByteArray payload;
    BootPacket::appendU32(&payload, length);
    m_eraseSent = true;
    if (!statusTransact(boot::Erase, payload, kEraseTimeoutMs)) {
        returnIfNothingErased();
        return;
    }
    report(UpgradeEvent::FlashingBegins);
    if (!writeImage(image, info.maxBlock))
        return;

    payload.clear();
    BootPacket::appendU32(&payload, length);
    BootPacket::appendU32(&payload, image.imageCrc());
    if (!statusTransact(boot::Verify, payload, kVerifyTimeoutMs))
        return;

    payload.clear();
    BootPacket::appendU16(&payload, image.firmwareVersion());
    if (!statusTransact(boot::Run, payload, kReplyTimeoutMs))
        return;
    report(UpgradeEvent::UpgradeCompleted, 0, image.firmwareVersion());
}

bool UpgradeRun::newEnough(quint16 imageVersion, quint16 installed)
{
    if (m_options.allowDowngrade || imageVersion > installed)
        return true;
    report(UpgradeEvent::DowngradeRefused, 0, installed);
    return false;
}

void UpgradeRun::returnIfNothingErased()
{
    // Only the bootloader knows whether the refused (or unanswered) erase touched the flash.
    SyncInfo info;
    if (sync(&info, kReplyTimeoutMs, kAttempts, true, true) && info.applicationIntact)
        returnToApplication(info.firmwareVersion);
}

bool UpgradeRun::writeImage(const FirmwareImage &image, int maxBlock)
{
    const auto length = static_cast<quint32>(image.image().size());
    int lastPercent = -1;
    QByteArray payload;
    for (quint32 address = 0; address < length;) {
        const int size = static_cast<int>(std::min<quint32>(length - address, quint32(maxBlock)));
        payload.clear();
        BootPacket::appendU32(&payload, address);
        payload.append(image.image().mid(static_cast<int>(address), size));
        if (!statusTransact(boot::Write, payload, kReplyTimeoutMs))
            return false;
        address += static_cast<quint32>(size);
        const int percent = static_cast<int>(quint64(address) * 100 / length);
        if (percent != lastPercent) {
            lastPercent = percent;
            report(UpgradeEvent::Progress, percent);
        }
    }
    return true;
}

bool UpgradeRun::sync(SyncInfo *info, int timeoutMs, int attempts, bool quiet, bool ignoreStop)
{
    BootPacket reply;
    const Exchange outcome =
        exchange(boot::Sync, QByteArray(), timeoutMs, attempts, ignoreStop, &reply);
    if (outcome != Exchange::Reply) {
        if (quiet || outcome == Exchange::Stopped)
            return false;
        if (outcome == Exchange::Wrong)
            report(UpgradeEvent::StateError);
        else if (outcome == Exchange::Damaged)
            report(UpgradeEvent::ReceiveCheckError);
        else
            report(outcome == Exchange::SendFailed ? UpgradeEvent::TimeOut
                                                   : UpgradeEvent::DeviceError);
        return false;
    }
    if (reply.payload().size() < boot::kSyncReplySize) {
        if (!quiet)
            report(UpgradeEvent::LengthError);
        return false;
    }
    m_bootloaderMayRun = true;
    const QByteArray &payload = reply.payload();
    info->deviceId = static_cast<quint8>(payload[0]);
    info->maxBlock = std::min<int>(BootPacket::readU16(payload, 2), boot::kMaxWriteData);
    info->flashSize = BootPacket::readU32(payload, 4);
    info->bootloaderVersion = static_cast<quint8>(payload[1]);
    info->applicationIntact = static_cast<quint8>(payload[8]) == boot::IntactApplication;
    info->firmwareVersion = BootPacket::readU16(payload, 9);
    return true;
}

bool UpgradeRun::returnToApplication(quint16 version, const SyncInfo *found)
{
    BootPacket reply;
    const Exchange outcome =
        exchange(boot::Leave, QByteArray(), kReplyTimeoutMs, kLeaveAttempts, true, &reply);
    if (outcome == Exchange::Reply && !reply.payload().isEmpty() &&
        static_cast<quint8>(reply.payload()[0]) == boot::Ok) {
        m_bootloaderMayRun = false;
        if (found)
            reportFound(UpgradeEvent::ApplicationResumed, *found);
        else
            report(UpgradeEvent::ApplicationResumed, 0, version);
        return true;
    }
    return false;
}

bool UpgradeRun::send(const QByteArray &bytes)
{
    if (m_port->write(bytes) != bytes.size())
        return false;
    QElapsedTimer clock;
    clock.start();
    while (m_port->bytesToWrite() > 0 && clock.elapsed() < kWriteTimeoutMs) {
        if (!m_port->waitForBytesWritten(kWaitSliceMs) &&
            m_port->error() != QSerialPort::TimeoutError && m_port->error() != QSerialPort::NoError)
            return false;
    }
    return m_port->bytesToWrite() == 0;
}

bool UpgradeRun::sendLinkRequest(quint8 command)
{
    // From the first request on the controller may have restarted into its bootloader.
    if (command == ApplicationInfo::kEnterBootloaderCommand)
        m_bootloaderMayRun = true;
    quint8 request[fclink::kFrameSize];
    fclink::buildRequestFrame(command, 0, nullptr, request);
    return send(QByteArray(reinterpret_cast<const char *>(request), fclink::kFrameSize));
}

UpgradeRun::Exchange UpgradeRun::linkExchange(quint8 command, int attempts,
                                              const std::function<bool(const quint8 *)> &accept)
{
    fclink::FrameAssembler replies(fclink::kReplyStart0, fclink::kReplyStart1);
    bool answered = false;
    const auto onReply = [&](const quint8 *reply) { answered = answered || accept(reply); };
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (stopped())
            return Exchange::Stopped;
        if (!sendLinkRequest(command))
            return Exchange::SendFailed;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kLinkReplyTimeoutMs) {
            if (stopped())
                return Exchange::Stopped;
            if (m_port->bytesAvailable() > 0 || m_port->waitForReadyRead(kWaitSliceMs)) {
                const QByteArray bytes = m_port->readAll();
                replies.feed(reinterpret_cast<const quint8 *>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size()), onReply);
            }
            if (answered)
                return Exchange::Reply;
        }
    }
    return Exchange::Silence;
}

bool UpgradeRun::queryApplication(quint8 *deviceId, quint32 *flashSize, quint16 *version)
{
    ApplicationInfo info;
    const auto isInfo = [&](const quint8 *reply) { return info.decodeReply(reply); };
    if (linkExchange(ApplicationInfo::kInfoCommand, kInfoAttempts, isInfo) != Exchange::Reply)
        return false;
    *deviceId = info.deviceId;
    *flashSize = info.flashSize;
    *version = info.firmwareVersion;
    return true;
}

bool UpgradeRun::enterBootloader()
{
    quint8 deviceId = 0;
    const auto agrees = [&](const quint8 *reply) {
        if (reply[fclink::offset::Command] != ApplicationInfo::kEnterBootloaderCommand)
            return false;
        deviceId = reply[fclink::offset::DeviceId];
        return true;
    };
    switch (linkExchange(ApplicationInfo::kEnterBootloaderCommand, kEnterAttempts, agrees)) {
    case Exchange::Reply:
        break;
    case Exchange::SendFailed:
        report(UpgradeEvent::TimeOut);
        return false;
    case Exchange::Stopped:
        return false;
    default:
        return true; // perhaps already in the bootloader: SYNC decides
    }
    if (deviceId != FirmwareImage::kDeviceId) {
        report(UpgradeEvent::DeviceError);
        return false;
    }
    // Whatever else the link side still had on the way is not bootloader talk.
    discardInput(kRestartSettleMs);
    return true;
}

void UpgradeRun::discardInput(int settleMs)
{
    QThread::msleep(static_cast<unsigned long>(settleMs));
    while (m_port->waitForReadyRead(settleMs))
        m_port->readAll();
    m_port->readAll();
}

UpgradeRun::Exchange UpgradeRun::exchange(quint8 type, const QByteArray &payload, int timeoutMs,
                                          int attempts, bool ignoreStop, BootPacket *reply)
{
    ++m_sequence;
    const QByteArray bytes = BootPacket(type, m_sequence, payload).encode();
    bool damaged = false;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (!ignoreStop && stopped())
            return Exchange::Stopped;
        if (!send(bytes))
            return Exchange::SendFailed;
        switch (awaitReply(static_cast<quint8>(type | boot::kReplyBit), m_sequence, timeoutMs,
                           ignoreStop, reply)) {
        case Wait::Reply:
            m_haveAnswered = true;
            m_answeredType = reply->type();
            m_answeredSequence = reply->sequence();
            return Exchange::Reply;
        case Wait::WrongReply:
            return Exchange::Wrong;
        case Wait::Stopped:
            return Exchange::Stopped;
        case Wait::DamagedReply:
            damaged = true;
            break;
        case Wait::Silence:
            break;
        }
    }
    return damaged ? Exchange::Damaged : Exchange::Silence;
}

bool UpgradeRun::transact(quint8 type, const QByteArray &payload, int timeoutMs,
                          quint32 silenceCode, BootPacket *reply)
{
    switch (exchange(type, payload, timeoutMs, kAttempts, false, reply)) {
    case Exchange::Reply:
        return true;
    case Exchange::Stopped:
        return false;
    case Exchange::Wrong:
        report(UpgradeEvent::StateError);
        return false;
    case Exchange::Damaged:
        report(UpgradeEvent::ReceiveCheckError);
        return false;
    case Exchange::SendFailed:
        report(UpgradeEvent::TimeOut);
        return false;
    case Exchange::Silence:
        break;
    }
    report(silenceCode);
    return false;
}

bool UpgradeRun::statusTransact(quint8 type, const QByteArray &payload, int timeoutMs)
{
    BootPacket reply;
    if (!transact(type, payload, timeoutMs, UpgradeEvent::TimeOut, &reply))
        return false;
    if (reply.payload().isEmpty()) {
        report(UpgradeEvent::LengthError);
        return false;
    }
    const auto status = static_cast<quint8>(reply.payload()[0]);
    if (status == boot::Ok)
        return true;
    report(codeForStatus(status));
    return false;
}

UpgradeRun::Wait UpgradeRun::awaitReply(quint8 type, quint8 sequence, int timeoutMs,
                                        bool ignoreStop, BootPacket *reply)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        while (!m_received.empty()) {
            const auto [packet, crcValid] = m_received.front();
            m_received.pop_front();
            if (!crcValid)
                return Wait::DamagedReply;
            if (packet.type() == type && packet.sequence() == sequence) {
                *reply = packet;
                return Wait::Reply;
            }
            // A late copy of the previous reply (its request was sent again) is harmless.
            if (m_haveAnswered && packet.type() == m_answeredType &&
                packet.sequence() == m_answeredSequence)
                continue;
            return Wait::WrongReply;
        }
        if (!ignoreStop && stopped())
            return Wait::Stopped;
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            return Wait::Silence;
        if (m_port->bytesAvailable() > 0 ||
            m_port->waitForReadyRead(static_cast<int>(std::min<qint64>(left, kWaitSliceMs)))) {
            m_assembler.feed(m_port->readAll(), [this](const BootPacket &packet, bool crcValid) {
                m_received.emplace_back(packet, crcValid);
            });
        }
    }
}

} // namespace fwupgrade
