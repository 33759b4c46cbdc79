#include "bootloader.h"

#include "firmwareupgrade/crc32.h"
#include "firmwareupgrade/firmwareimage.h"

using fwupgrade::BootPacket;
namespace boot = fwupgrade::boot;

namespace {

const char *const kFailStepNames[] = {
    "sync-silent", "erase", "write",     "address", "length",  "head",       "checksum",
    "verify",      "run",   "crc-reply", "state",   "timeout", "sync-device"};

} // namespace

QStringList Bootloader::failStepNames()
{
    QStringList names;
    for (const char *name : kFailStepNames)
        names.append(QLatin1String(name));
    return names;
}

bool Bootloader::parseFailStep(const QString &name, FailStep *step)
{
    const int index = failStepNames().indexOf(name);
    if (index < 0)
        return false;
    *step = static_cast<FailStep>(index + 1);
    return true;
}

Bootloader::Bootloader(FailStep failStep, quint32 flashSize, quint16 installedVersion,
                       bool applicationIntact)
    : m_failStep(failStep), m_flashSize(flashSize), m_flash(static_cast<int>(flashSize), '\xFF'),
      m_firmwareVersion(installedVersion), m_applicationIntact(applicationIntact)
{
}

void Bootloader::restart()
{
    m_assembler.clear();
    m_state = State::Started;
    m_erasedLength = 0;
    m_nextAddress = 0;
    m_blocksWritten = 0;
    m_silent = false;
    m_applicationStarted = false;
    m_newFirmwareStarted = false;
    m_haveLast = false;
    m_lastReply.clear();
}

QByteArray Bootloader::feed(const QByteArray &bytes)
{
    QByteArray out;
    m_assembler.feed(bytes, [&](const BootPacket &request, bool crcValid) {
        if (!crcValid || m_silent || m_applicationStarted)
            return;
        if (m_haveLast && request.type() == m_lastType && request.sequence() == m_lastSequence) {
            out.append(m_lastReply);
            return;
        }
        const QByteArray reply = handle(request);
        if (reply.isEmpty())
            return;
        m_haveLast = true;
        m_lastType = request.type();
        m_lastSequence = request.sequence();
        m_lastReply = reply;
        out.append(reply);
    });
    return out;
}

QByteArray Bootloader::handle(const BootPacket &request)
{
    auto replyType = static_cast<quint8>(request.type() | boot::kReplyBit);
    QByteArray payload;
    switch (request.type()) {
    case boot::Sync:
        if (m_failStep == FailStep::SyncSilent)
            return QByteArray();
        if (m_state == State::Started)
            m_state = State::Synced;
        payload.append(static_cast<char>(m_failStep == FailStep::SyncDevice
                                             ? fwupgrade::FirmwareImage::kDeviceId + 1
                                             : fwupgrade::FirmwareImage::kDeviceId));
        payload.append(static_cast<char>(kVersion));
        BootPacket::appendU16(&payload, kMaxBlock);
        BootPacket::appendU32(&payload, m_flashSize);
        payload.append(
            static_cast<char>(m_applicationIntact ? boot::IntactApplication : boot::NoApplication));
        BootPacket::appendU16(&payload, m_applicationIntact ? m_firmwareVersion : 0);
        break;
    case boot::Erase:
        payload = statusPayload(erase(request.payload()));
        break;
    case boot::Write:
        if (m_failStep == FailStep::Timeout && m_blocksWritten >= kBlocksBeforeSilence) {
            m_silent = true;
            return QByteArray();
        }
        if (m_failStep == FailStep::State && m_blocksWritten == 0)
            replyType = static_cast<quint8>(boot::Verify | boot::kReplyBit);
        payload = statusPayload(write(request.payload()));
        break;
    case boot::Verify:
        payload = statusPayload(verify(request.payload()));
        break;
    case boot::Run:
        payload = statusPayload(run(request.payload()));
        break;
    case boot::Leave:
        payload = statusPayload(leave(request.payload()));
        break;
    default:
        payload = statusPayload(boot::UnexpectedState);
        break;
    }

    QByteArray reply = BootPacket(replyType, request.sequence(), payload).encode();
    if (m_failStep == FailStep::CrcReply && request.type() == boot::Write)
        reply[reply.size() - 1] = static_cast<char>(reply[reply.size() - 1] ^ 0x5A);
    return reply;
}

quint8 Bootloader::erase(const QByteArray &payload)
{
    if (m_state == State::Started)
        return boot::UnexpectedState;
    if (payload.size() != 4)
        return boot::LengthInvalid;
    const quint32 length = BootPacket::readU32(payload, 0);
    if (length == 0 || length > m_flashSize)
        return boot::LengthInvalid;
    if (m_failStep == FailStep::Erase) {
        m_applicationIntact = false; // an erase that failed half-way leaves nothing to run
        return boot::EraseFailed;
    }
    if (m_failStep == FailStep::Head)
        return boot::HeadInvalid;
    m_flash.fill('\xFF');
    m_applicationIntact = false;
    m_erasedLength = length;
    m_nextAddress = 0;
    m_blocksWritten = 0;
    m_state = State::Erased;
    return boot::Ok;
}

quint8 Bootloader::write(const QByteArray &payload)
{
    if (m_state != State::Erased)
        return boot::UnexpectedState;
    if (payload.size() < 5 || payload.size() > 4 + kMaxBlock)
        return boot::LengthInvalid;
    const quint32 address = BootPacket::readU32(payload, 0);
    const auto size = static_cast<quint32>(payload.size() - 4);
    if (address != m_nextAddress || address + size > m_erasedLength)
        return boot::AddressInvalid;
    if (m_blocksWritten == 0) {
        switch (m_failStep) {
        case FailStep::Write:
            return boot::FlashFailed;
        case FailStep::Address:
            return boot::AddressInvalid;
        case FailStep::Length:
            return boot::LengthInvalid;
        case FailStep::Checksum:
            return boot::ChecksumInvalid;
        default:
            break;
        }
    }
    m_flash.replace(static_cast<int>(address), static_cast<int>(size), payload.mid(4));
    m_nextAddress += size;
    ++m_blocksWritten;
    return boot::Ok;
}

quint8 Bootloader::verify(const QByteArray &payload)
{
    if (m_state != State::Erased || m_nextAddress != m_erasedLength)
        return boot::UnexpectedState;
    if (payload.size() != 8 || BootPacket::readU32(payload, 0) != m_erasedLength)
        return boot::LengthInvalid;
    const quint32 crc = fwupgrade::crc32(m_flash.left(static_cast<int>(m_erasedLength)));
    if (m_failStep == FailStep::Verify || crc != BootPacket::readU32(payload, 4))
        return boot::VerifyMismatch;
    m_state = State::Verified;
    return boot::Ok;
}

quint8 Bootloader::run(const QByteArray &payload)
{
    if (m_state != State::Verified)
        return boot::UnexpectedState;
    if (payload.size() != 2)
        return boot::LengthInvalid;
    if (m_failStep == FailStep::Run)
        return boot::RunFailed;
    m_firmwareVersion = BootPacket::readU16(payload, 0);
    m_applicationIntact = true;
    m_applicationStarted = true;
    m_newFirmwareStarted = true;
    return boot::Ok;
}

quint8 Bootloader::leave(const QByteArray &payload)
{
    if (!payload.isEmpty())
        return boot::LengthInvalid;
    if (!m_applicationIntact)
        return boot::NothingToRun;
    m_applicationStarted = true;
    return boot::Ok;
}

QByteArray Bootloader::statusPayload(quint8 status)
{
    return QByteArray(1, static_cast<char>(status));
}
