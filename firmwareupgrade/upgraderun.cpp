#include "upgraderun.h"

#include "firmwareimage.h"
#include "upgradeevent.h"

#include "frame.h"
#include "frameassembler.h"

#include <QElapsedTimer>
#include <QFile>
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
                       const std::atomic<bool> *stopRequested, Reporter reporter)
    : m_device(device), m_file(file), m_stopRequested(stopRequested),
      m_reporter(std::move(reporter))
{
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

bool UpgradeRun::loadFile(FirmwareImage *image)
{
    QFile file(m_file);
    if (m_file.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        report(UpgradeEvent::FileOpenError);
        return false;
    }
    report(UpgradeEvent::FileOpened);
    // One byte more than the largest valid file is enough to tell that a file is too big.
    const QByteArray contents =
        file.read(FirmwareImage::kHeaderSize + qint64(FirmwareImage::kMaxImageLength) + 1);
    if (file.error() != QFileDevice::NoError) {
        report(UpgradeEvent::FileError);
        return false;
    }
    switch (FirmwareImage::parse(contents, image)) {
    case FirmwareImage::ParseResult::Ok:
        return true;
    case FirmwareImage::ParseResult::UnsupportedVersion:
        report(UpgradeEvent::VersionError);
        return false;
    case FirmwareImage::ParseResult::SizeMismatch:
        report(UpgradeEvent::FileSizeError);
        return false;
    case FirmwareImage::ParseResult::Corrupt:
        break;
    }
    report(UpgradeEvent::FileError);
    return false;
}

void UpgradeRun::flash()
{
    FirmwareImage image;
    if (!loadFile(&image) || stopped())
        return;

    QSerialPort port;
    if (m_device.isEmpty()) {
        report(UpgradeEvent::PortOpenFailed);
        return;
    }
    port.setPortName(m_device);
    if (!port.open(QIODevice::ReadWrite) || !port.setBaudRate(QSerialPort::Baud115200) ||
        !port.setDataBits(QSerialPort::Data8) || !port.setParity(QSerialPort::NoParity) ||
        !port.setStopBits(QSerialPort::OneStop) ||
        !port.setFlowControl(QSerialPort::NoFlowControl)) {
        report(UpgradeEvent::PortOpenFailed);
        return;
    }
    report(UpgradeEvent::PortOpened);
    m_port = &port;
    port.clear(QSerialPort::AllDirections);

    if (!enterBootloader())
        return;

    BootPacket reply;
    if (!transact(boot::Sync, QByteArray(), kReplyTimeoutMs, UpgradeEvent::DeviceError, &reply))
        return;
    if (reply.payload().size() < boot::kSyncReplySize) {
        report(UpgradeEvent::LengthError);
        return;
    }
    if (static_cast<quint8>(reply.payload()[0]) != FirmwareImage::kDeviceId) {
        report(UpgradeEvent::DeviceError);
        return;
    }
    const int maxBlock =
        std::min<int>(BootPacket::readU16(reply.payload(), 2), boot::kMaxWriteData);
    const quint32 flashSize = BootPacket::readU32(reply.payload(), 4);
    const auto length = static_cast<quint32>(image.image().size());
    if (maxBlock <= 0) {
        report(UpgradeEvent::LengthError);
        return;
    }
    if (length > flashSize) {
        report(UpgradeEvent::FileSizeError);
        return;
    }

    QByteArray payload;
    BootPacket::appendU32(&payload, length);
    if (!statusTransact(boot::Erase, payload, kEraseTimeoutMs))
        return;
    report(UpgradeEvent::FlashingBegins);

    int lastPercent = -1;
    for (quint32 address = 0; address < length;) {
        const int size = static_cast<int>(std::min<quint32>(length - address, quint32(maxBlock)));
        payload.clear();
        BootPacket::appendU32(&payload, address);
        payload.append(image.image().mid(static_cast<int>(address), size));
        if (!statusTransact(boot::Write, payload, kReplyTimeoutMs))
            return;
        address += static_cast<quint32>(size);
        const int percent = static_cast<int>(quint64(address) * 100 / length);
        if (percent != lastPercent) {
            lastPercent = percent;
            report(UpgradeEvent::Progress, percent);
        }
    }

    payload.clear();
    BootPacket::appendU32(&payload, length);
    BootPacket::appendU32(&payload, image.imageCrc());
    if (!statusTransact(boot::Verify, payload, kVerifyTimeoutMs))
        return;

    payload.clear();
    BootPacket::appendU16(&payload, image.firmwareVersion());
    if (!statusTransact(boot::Run, payload, kReplyTimeoutMs))
        return;
    report(UpgradeEvent::UpgradeCompleted);
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

bool UpgradeRun::enterBootloader()
{
    quint8 request[fclink::kFrameSize];
    fclink::buildRequestFrame(kEnterBootloaderCommand, 0, nullptr, request);
    const QByteArray frame(reinterpret_cast<const char *>(request), fclink::kFrameSize);

    fclink::FrameAssembler replies(fclink::kReplyStart0, fclink::kReplyStart1);
    bool agreed = false;
    quint8 deviceId = 0;
    const auto onReply = [&](const quint8 *reply) {
        if (reply[fclink::offset::Command] == kEnterBootloaderCommand) {
            agreed = true;
            deviceId = reply[fclink::offset::DeviceId];
        }
    };

    for (int attempt = 0; attempt < kEnterAttempts && !agreed; ++attempt) {
        if (stopped())
            return false;
        if (!send(frame)) {
            report(UpgradeEvent::TimeOut);
            return false;
        }
        QElapsedTimer clock;
        clock.start();
        while (!agreed && clock.elapsed() < kEnterReplyTimeoutMs) {
            if (stopped())
                return false;
            if (m_port->bytesAvailable() > 0 || m_port->waitForReadyRead(kWaitSliceMs)) {
                const QByteArray bytes = m_port->readAll();
                replies.feed(reinterpret_cast<const quint8 *>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size()), onReply);
            }
        }
    }
    if (!agreed)
        return true; // perhaps already in the bootloader: SYNC decides
    if (deviceId != FirmwareImage::kDeviceId) {
        report(UpgradeEvent::DeviceError);
        return false;
    }

    // Whatever else the link side still had on the way is not bootloader talk.
    QThread::msleep(kRestartSettleMs);
    while (m_port->waitForReadyRead(kRestartSettleMs))
        m_port->readAll();
    m_port->readAll();
    return true;
}

bool UpgradeRun::transact(quint8 type, const QByteArray &payload, int timeoutMs,
                          quint32 silenceCode, BootPacket *reply)
{
    ++m_sequence;
    const QByteArray bytes = BootPacket(type, m_sequence, payload).encode();
    bool damaged = false;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (stopped())
            return false;
        if (!send(bytes)) {
            report(UpgradeEvent::TimeOut);
            return false;
        }
        switch (
            awaitReply(static_cast<quint8>(type | boot::kReplyBit), m_sequence, timeoutMs, reply)) {
        case Wait::Reply:
            m_haveAnswered = true;
            m_answeredType = reply->type();
            m_answeredSequence = reply->sequence();
            return true;
        case Wait::WrongReply:
            report(UpgradeEvent::StateError);
            return false;
        case Wait::Stopped:
            return false;
        case Wait::DamagedReply:
            damaged = true;
            break;
        case Wait::Silence:
            break;
        }
    }
    report(damaged ? UpgradeEvent::ReceiveCheckError : silenceCode);
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
                                        BootPacket *reply)
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
        if (stopped())
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
