#include "linkprobe.h"

#include "fclink/link/frame.h"
#include "fclink/link/frameassembler.h"

#include <QElapsedTimer>
#include <QSerialPort>

int firmwareVersionOnLink(const QString &device)
{
    QSerialPort port(device);
    if (!port.open(QIODevice::ReadWrite))
        return -1;
    port.setBaudRate(QSerialPort::Baud115200);
    // Replies to an earlier client's requests may still be on their way: they say nothing about
    // the controller now.
    while (port.waitForReadyRead(100))
        port.readAll();
    quint8 request[fclink::kFrameSize];
    fclink::buildRequestFrame(0, 0, nullptr, request);
    fclink::FrameAssembler assembler(fclink::kReplyStart0, fclink::kReplyStart1);
    int version = -1;
    for (int attempt = 0; attempt < 5 && version < 0; ++attempt) {
        port.write(reinterpret_cast<const char *>(request), fclink::kFrameSize);
        port.waitForBytesWritten(500);
        QElapsedTimer wait;
        wait.start();
        while (version < 0 && wait.elapsed() < 500) {
            if (!port.waitForReadyRead(50))
                continue;
            const QByteArray bytes = port.readAll();
            assembler.feed(reinterpret_cast<const quint8 *>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()), [&](const quint8 *reply) {
                               version = reply[fclink::offset::FirmwareVersion];
                           });
        }
    }
    return version;
}

bool requestBootloader(const QString &device)
{
    QSerialPort port(device);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    quint8 request[fclink::kFrameSize];
    fclink::buildRequestFrame(0xB1, 0, nullptr, request);
    port.write(reinterpret_cast<const char *>(request), fclink::kFrameSize);
    return port.waitForBytesWritten(1000);
}
