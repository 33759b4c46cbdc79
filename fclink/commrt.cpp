#include "commrt.h"

#include "crc16.h"
#include "frame.h"
#include "portnaming.h"
#include "telemetry.h"
#include "uavparam.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <mutex>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace {
constexpr std::chrono::milliseconds kRequestPeriod(52);
constexpr std::chrono::milliseconds kIdlePoll(30);
constexpr quint16 kMaxMissedReplies = 50;
constexpr unsigned long kStopWaitMs = 2000;
} // namespace

Commrt::Commrt() : m_assembler(fclink::kReplyStart0, fclink::kReplyStart1)
{
    std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
    std::memset(fclink::parameterBlockBytes(uavParam), 0, sizeof(UavParam));
}

Commrt *Commrt::createClass()
{
    return new Commrt;
}

void Commrt::destroyClass(Commrt *link)
{
    if (!link)
        return;
    const bool loopRunning = QCoreApplication::instance() && link->thread()->loopLevel() > 0 &&
                             QThread::currentThread() == link->thread();
    if (loopRunning)
        link->deleteLater();
    else
        delete link;
}

Commrt::~Commrt()
{
    m_running = false;
    if (!wait(kStopWaitMs))
        qDebug() << "Cannot terminate!";
    if (m_port) {
        if (m_port->isOpen())
            m_port->close();
        delete m_port;
        m_port = nullptr;
    }
}

void Commrt::init()
{
    const QList<QString> names = getPortList();
    emit updatePortNames(names);
}

void Commrt::stop()
{
    m_running = false;
}

QString Commrt::getPortName() const
{
    return m_portName;
}

void Commrt::setPortName(const QString &portName)
{
    m_portName = portName;
}

bool Commrt::isConnected() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_state.connected;
}

void Commrt::setSubframeHead(quint8 head)
{
    ++m_headChoices;
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_state.chooseHead(head);
}

void Commrt::setCommand(quint8 command)
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_state.command = command;
}

void Commrt::setStopUpdateDeviceFlag(bool flag)
{
    m_stopUpdateDeviceFlag = flag;
}

quint16 Commrt::calculateCrc16(const quint8 *data, quint8 length)
{
    return fclink::crc16(data, length);
}

void Commrt::int2float32(const quint8 *bytes, float *result, float scale)
{
    *result = static_cast<float>(fclink::readInt16(bytes)) * scale;
}

quint8 Commrt::getFirmwareVersion() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_state.firmwareVersion;
}

quint8 Commrt::getDeviceId() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_state.deviceId;
}

quint8 Commrt::currentCommand() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_state.command;
}

quint8 Commrt::currentSubframeHead() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_state.head;
}

bool Commrt::sortPorts(const PortInfo &first, const PortInfo &second)
{
    return first.portName < second.portName;
}

QList<PortInfo> Commrt::availableDevices()
{
    QList<PortInfo> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        PortInfo port;
        port.portName = info.portName();
        port.systemLocation = info.systemLocation();
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        port.vendorId = info.vendorIdentifier();
        port.productId = info.productIdentifier();
        ports.append(port);
    }
    const QString extra = qEnvironmentVariable(fclink::kExtraPortsVariable);
    for (const QString &name : fclink::extraPortNames(extra)) {
        const bool listed = std::any_of(ports.cbegin(), ports.cend(), [&](const PortInfo &p) {
            return p.portName == name || p.systemLocation == name;
        });
        if (!listed) {
            PortInfo port;
            port.portName = name;
            port.systemLocation = name;
            ports.append(port);
        }
    }
    std::sort(ports.begin(), ports.end(), sortPorts);
    return ports;
}

QList<QString> Commrt::namesOf(const QList<PortInfo> &ports)
{
    QList<QString> names;
    names.reserve(ports.size());
    for (const PortInfo &port : ports)
        names.append(port.portName);
    return names;
}

QList<QString> Commrt::getPortList()
{
    m_ports = availableDevices();
    return namesOf(m_ports);
}

void Commrt::refreshDevices()
{
    // Compares names, not only the count, so a port swapped for another between two refreshes
    // still updates the list.
    const QList<PortInfo> ports = availableDevices();
    if (namesOf(ports) == namesOf(m_ports))
        return;
    m_ports = ports;
    emit updatePortNames(namesOf(m_ports));
}

void Commrt::portNameChanged(QString portName)
{
    setPortName(portName);
}

void Commrt::openPortForCommunication()
{
    connectCom();
}

void Commrt::connectCom()
{
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_state.startParameterRead();
    }
    const QString device = fclink::deviceForPortName(m_portName);
    if (device.isEmpty())
        return;

    if (m_port)
        closePort(false);

    m_port = new QSerialPort(device, this);
    m_port->setBaudRate(QSerialPort::Baud115200);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        emit statusChangedText(fclink::status::OpenFailed);
        return;
    }
    // Pseudo-terminals refuse the modem-line ioctls behind some settings; that is harmless.
    m_port->clearError();
    connect(m_port, &QSerialPort::readyRead, this, &Commrt::readMyCom);
    connect(m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { handlePortError(error); });
    m_portOpen = true;
}

void Commrt::disconnectCom()
{
    closePort(true);
}

void Commrt::closePortForUpgrade()
{
    closePort(false);
}

void Commrt::closePort(bool report)
{
    m_portOpen = false;
    if (m_port) {
        QSerialPort *port = m_port;
        m_port = nullptr;
        port->disconnect(this);
        if (port->isOpen())
            port->close();
        // The port may be the sender of the signal being handled right now.
        port->deleteLater();
    }
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_state.connected = false;
        m_state.chooseHead(fclink::head::None);
    }
    if (report) {
        emit statusChangedText(fclink::status::Cleared);
        emit connectStateText(0);
    }
}

void Commrt::handlePortError(int error)
{
    if (!m_port || error == QSerialPort::NoError)
        return;
    if (error == QSerialPort::ResourceError) {
        // The device went away (unplugged, or the peer closed the pseudo-terminal). The port
        // object would report readable forever, so close it and report the lost connection.
        closePort(true);
        return;
    }
    m_port->clearError();
}

void Commrt::run()
{
    using Clock = std::chrono::steady_clock;
    auto nextFrame = Clock::now();
    while (m_running) {
        if (!m_portOpen) {
            std::this_thread::sleep_for(kIdlePoll);
            nextFrame = Clock::now();
            continue;
        }
        sendPacket();

        bool lost = false;
        {
            std::lock_guard<std::mutex> lock(m_stateMutex);
            if (m_state.missedReplies > kMaxMissedReplies) {
                lost = m_state.connected;
                m_state.startParameterRead();
            } else {
                ++m_state.missedReplies;
            }
        }
        if (lost) {
            emit statusChangedText(fclink::status::Cleared);
            emit connectStateText(0);
        }

        // Paced against a fixed schedule, so the period stays 52 ms whatever the frame costs;
        // after a long stall the schedule restarts instead of catching up in a burst.
        nextFrame += kRequestPeriod;
        const auto now = Clock::now();
        if (nextFrame < now)
            nextFrame = now + kRequestPeriod;
        std::this_thread::sleep_until(nextFrame);
    }
}

void Commrt::sendPacketAssemble()
{
    quint8 command = 0;
    quint8 head = 0;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        command = m_state.command;
        head = m_state.head;
        ++m_state.framesSinceHeadChosen;
    }
    std::lock_guard<std::mutex> blockLock(fclink::parameterBlockMutex());
    fclink::buildRequestFrame(command, head, fclink::parameterBlockBytes(uavParam),
                              m_requestBuffer);
}

void Commrt::sendPacket()
{
    sendPacketAssemble();
    bool queueWrite = false;
    {
        std::lock_guard<std::mutex> lock(m_outgoingMutex);
        std::memcpy(m_outgoing, m_requestBuffer, fclink::kFrameSize);
        queueWrite = !m_writeQueued;
        m_writeQueued = true;
    }
    if (queueWrite)
        QMetaObject::invokeMethod(this, &Commrt::writePendingFrame, Qt::QueuedConnection);
}

void Commrt::writePendingFrame()
{
    char frame[fclink::kFrameSize];
    {
        std::lock_guard<std::mutex> lock(m_outgoingMutex);
        std::memcpy(frame, m_outgoing, fclink::kFrameSize);
        m_writeQueued = false;
    }
    if (m_port && m_port->isOpen()) {
        m_port->write(frame, fclink::kFrameSize);
        ++m_framesWritten;
    }
}

void Commrt::readMyCom()
{
    if (!m_port)
        return;
    m_readBuffer = m_port->readAll();
    if (m_readBuffer.isEmpty())
        return;
    m_assembler.feed(reinterpret_cast<const quint8 *>(m_readBuffer.constData()),
                     static_cast<std::size_t>(m_readBuffer.size()),
                     [this](const quint8 *) { getPacket(); });
}

void Commrt::getPacket()
{
    fclink::ReplyEffects effects;
    {
        std::lock_guard<std::mutex> stateLock(m_stateMutex);
        std::lock_guard<std::mutex> blockLock(fclink::parameterBlockMutex());
        effects = fclink::decodeReply(m_assembler.lastFrame(), m_state,
                                      fclink::parameterBlockBytes(uavParam),
                                      fclink::TelemetryTargets::exportedStore());
    }
    emitReplyEffects(effects);
}

void Commrt::emitReplyEffects(const fclink::ReplyEffects &effects)
{
    if (effects.becameConnected)
        emit connectStateText(1);
    if (effects.commandStatus >= 0)
        emit statusChangedText(static_cast<quint16>(effects.commandStatus));
    if (effects.uploadStatus >= 0)
        emit statusChangedText(static_cast<quint16>(effects.uploadStatus));
    if (effects.parametersChanged)
        emit parametersChanged();
    if (effects.telemetryChanged)
        emit telemetryChanged();
}
