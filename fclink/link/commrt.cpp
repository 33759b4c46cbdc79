#include "commrt.h"

#include "crc16.h"
#include "deviceaccess.h"
#include "fclink/logcategories.h"
#include "fclink/model/fieldbytes.h"
#include "fclink/model/telemetry.h"
#include "fclink/model/uavparam.h"
#include "frame.h"
#include "portnaming.h"
#include "portwatcher.h"
#include "serialoutput.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QVarLengthArray>
#include <mutex>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <thread>

namespace {
constexpr unsigned long kStopWaitMs = 2000;
// How often the link looks for a lost device while it waits for it to come back; the port
// watcher usually notices it sooner.
constexpr int kReconnectPollMs = 500;

// The folders of the extra ports, watched so that a simulator's link coming and going is seen.
QStringList extraPortFolders()
{
    QStringList folders;
    for (const QString &name :
         fclink::extraPortNames(qEnvironmentVariable(fclink::kExtraPortsVariable)))
        folders.append(QFileInfo(name).absolutePath());
    folders.removeDuplicates();
    return folders;
}
} // namespace

Commrt::Commrt()
    : m_assembler(fclink::kReplyStart0, fclink::kReplyStart1),
      m_portWatcher(new fclink::PortWatcher(this))
{
    qRegisterMetaType<fclink::LinkOutcome>();
    qRegisterMetaType<fclink::PortOpenError>();
    {
        std::lock_guard<std::mutex> lock(fclink::parameterBlockMutex());
        std::memset(fclink::parameterBlockBytes(uavParam), 0, sizeof(UavParam));
    }
    connect(m_portWatcher, &fclink::PortWatcher::portsMayHaveChanged, this,
            &Commrt::onPortsMayHaveChanged);
    m_reconnectTimer.setInterval(kReconnectPollMs);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &Commrt::tryReconnect);
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
    if (!wait(kStopWaitMs)) {
        // Deleting the port under a worker that still runs would be a use after free: wait on.
        qCWarning(fclink::lcLink) << "the link worker did not stop in time; still waiting";
        wait();
    }
    m_runReturned.load(std::memory_order_acquire);
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

void Commrt::setTiming(const fclink::LinkTiming &timing)
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_timing = timing;
}

fclink::LinkTiming Commrt::timing() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_timing;
}

fclink::LinkCounters Commrt::counters() const
{
    fclink::LinkCounters counters;
    counters.framesWritten = m_counters.framesWritten.load();
    counters.framesSkipped = m_counters.framesSkipped.load();
    counters.headChoices = m_counters.headChoices.load();
    counters.sequenceSteps = m_counters.sequenceSteps.load();
    counters.repliesAccepted = m_assembler.framesAccepted();
    counters.repliesRejected = m_assembler.framesRejected();
    return counters;
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
    ++m_counters.headChoices;
    std::lock_guard<std::mutex> lock(m_stateMutex);
    if (head == fclink::head::FirstWrite)
        m_state.requestUpload();
    else
        m_state.chooseHead(head);
}

void Commrt::setCommand(quint8 command)
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_state.command = command;
}

void Commrt::uploadParameters()
{
    setSubframeHead(fclink::head::FirstWrite);
}

void Commrt::uploadParameters(const fclink::BlockImage &block)
{
    fclink::ParameterBlock::replace(block);
    uploadParameters();
}

QVector<fclink::FieldChange> Commrt::uploadFields(const QVector<fclink::FieldValue> &values)
{
    const QVector<fclink::FieldChange> changes = fclink::ParameterBlock::write(values);
    uploadParameters();
    return changes;
}

void Commrt::writeFlash()
{
    setCommand(fclink::command::WriteFlash);
}

void Commrt::calibrate(fclink::Sensor sensor)
{
    switch (sensor) {
    case fclink::Sensor::Accelerometers:
        setCommand(fclink::command::CalibrateAccelerometers);
        return;
    case fclink::Sensor::Gyros:
        setCommand(fclink::command::CalibrateGyros);
        return;
    case fclink::Sensor::Voltage:
        setCommand(fclink::command::CalibrateVoltage);
        return;
    }
}

void Commrt::testBec()
{
    setCommand(fclink::command::TestBec);
}

void Commrt::calibrateRcNeutral()
{
    setCommand(fclink::command::CalibrateRcNeutral);
}

void Commrt::startRcScaleCalibration()
{
    setCommand(fclink::command::StartRcScale);
}

void Commrt::stopRcScaleCalibration()
{
    setCommand(fclink::command::StopRcScale);
}

void Commrt::bindDsm()
{
    setCommand(fclink::command::BindDsm);
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

void Commrt::requestFirmwareInfo()
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    m_state.requestFirmwareInfo();
}

quint16 Commrt::firmwareVersion() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    if (m_state.firmwareInfoKnown &&
        (m_state.firmwareInfoVersion & 0xFF) == m_state.firmwareVersion)
        return m_state.firmwareInfoVersion;
    return m_state.firmwareVersion;
}

bool Commrt::hasReadBlock() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_state.blockRead;
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

bool Commrt::isUploadRequested() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    return m_state.uploadDeferred ||
           (m_state.headRequested && m_state.head == fclink::head::FirstWrite);
}

bool Commrt::isUploading() const
{
    const quint8 head = currentSubframeHead();
    return head >= fclink::head::FirstWrite && head <= fclink::head::LastWrite;
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
#ifdef Q_OS_UNIX
        // Listed while the device is there, like a port that is plugged in.
        if (!QFileInfo::exists(name))
            continue;
#endif
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
    return getPortList(availableDevices());
}

QList<QString> Commrt::getPortList(const QList<PortInfo> &scanned)
{
    m_ports = scanned;
    m_portWatcher->setExtraFolders(extraPortFolders());
    return namesOf(m_ports);
}

void Commrt::refreshDevices()
{
    // Compares names, not only the count, so a port swapped for another between two refreshes
    // still updates the list.
    const QList<PortInfo> ports = availableDevices();
    m_portWatcher->setExtraFolders(extraPortFolders());
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

void Commrt::resumeAfterUpgrade()
{
    cancelReconnect();
    setHeldForUpgrade(false);
    const QString device = fclink::deviceForPortName(m_portName);
#ifdef Q_OS_UNIX
    if (!device.isEmpty() && !QFileInfo::exists(device)) {
        const QString lost = m_portName;
        qCWarning(fclink::lcLink) << lost << "went away while the upgrade held it";
        closePort(true);
        startReconnecting(lost);
        emit portLost(lost);
        return;
    }
#endif
    // An upload a silence cut off before the port was lent is redone if the controller read
    // back is still the one it was cut off on.
    openPort(m_portName, true, true);
}

void Commrt::connectCom()
{
    cancelReconnect();
    setHeldForUpgrade(false);
    openPort(m_portName, true);
}

bool Commrt::openPort(const QString &portName, bool reportFailure, bool keepCutUpload)
{
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_state.startFreshRead(keepCutUpload);
    }
    const QString device = fclink::deviceForPortName(portName);
    if (device.isEmpty() || fclink::isFolderOrPlainFile(device)) {
        // Nothing to open: said as plainly as a port that did not open, so that nothing looks
        // like a connection that did not happen.
        reportOpenFailure(portName,
                          device.isEmpty() ? fclink::PortOpenError::NotAPortName
                                           : fclink::PortOpenError::NotASerialPort,
                          QString(), reportFailure);
        return false;
    }

    releasePort();
    m_port = new QSerialPort(device, this);
    m_port->setBaudRate(QSerialPort::Baud115200);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        reportOpenFailure(portName, fclink::classifyPortOpenError(m_port->error(), device),
                          m_port->errorString(), reportFailure);
        return false;
    }
    // The serial port library locks the name it was given; the device itself is locked here,
    // so that another name of it (a symlink, /dev/serial/by-id/...) cannot be opened beside.
    if (!fclink::lockDevice(m_port->handle())) {
        releasePort();
        reportOpenFailure(portName, fclink::PortOpenError::InUse,
                          QStringLiteral("the device is open under another name"), reportFailure);
        return false;
    }
    m_lastOpenError = fclink::PortOpenError::None;
    m_lastOpenErrorString.clear();
    qCInfo(fclink::lcLink) << "opened" << device;
    // Pseudo-terminals refuse the modem-line ioctls behind some settings; that is harmless.
    m_port->clearError();
    connect(m_port, &QSerialPort::readyRead, this, &Commrt::readMyCom);
    connect(m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { handlePortError(error); });
    {
        // Every open reads the whole block afresh, whatever closing the old port did.
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_state.startFreshRead(keepCutUpload);
    }
    ++m_portGeneration;
    m_portOpen = true;
    return true;
}

void Commrt::reportOpenFailure(const QString &portName, fclink::PortOpenError reason,
                               const QString &detail, bool report)
{
    m_lastOpenError = reason;
    m_lastOpenErrorString = detail;
    qCWarning(fclink::lcLink).noquote()
        << "cannot open" << portName << "-" << fclink::portOpenErrorText(reason) << detail;
    if (report) {
        emit statusChangedText(fclink::status::OpenFailed);
        emit portOpenFailed(portName, reason);
    }
}

void Commrt::disconnectCom()
{
    cancelReconnect();
    setHeldForUpgrade(false);
    closePort(true);
}

void Commrt::closePortForUpgrade()
{
    cancelReconnect();
    closePort(false);
    setHeldForUpgrade(true);
}

void Commrt::setHeldForUpgrade(bool held)
{
    if (held == m_heldForUpgrade)
        return;
    m_heldForUpgrade = held;
    emit portHeldForUpgradeChanged(held);
}

// Drops the port object without touching the request state.
void Commrt::releasePort()
{
    m_portOpen = false;
    ++m_portGeneration;
    endPortErrorRun();
    if (!m_port)
        return;
    QSerialPort *port = m_port;
    m_port = nullptr;
    port->disconnect(this);
    if (port->isOpen())
        port->close();
    // The port may be the sender of the signal being handled right now.
    port->deleteLater();
}

void Commrt::closePort(bool report)
{
    releasePort();
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        m_state.connected = false;
        m_state.verifying = false;
        m_state.uploadDeferred = false;
        m_state.chooseHead(fclink::head::None);
    }
    if (report)
        reportConnectionLost();
}

// The status bar's two codes, then the typed signal.
void Commrt::reportConnectionLost()
{
    emit statusChangedText(fclink::status::Cleared);
    emit connectStateText(0);
    emit connectionChanged(false);
}

void Commrt::reportOutcome(int statusCode)
{
    const auto outcome = static_cast<fclink::LinkOutcome>(statusCode);
    emit statusChangedText(fclink::statusCode(outcome));
    emit outcomeReported(outcome);
}

void Commrt::handlePortError(int error)
{
    if (!m_port || error == QSerialPort::NoError)
        return;
    logPortError(QStringLiteral("serial error %1 on \"%2\" - \"%3\"")
                     .arg(error)
                     .arg(m_portName, m_port->errorString()));
    if (error == QSerialPort::ResourceError) {
        const QString portName = m_portName;
        if (!fclink::deviceHungUp(m_port->handle(), fclink::deviceForPortName(portName))) {
            // The device is there, but a read found nothing: another program reading the port
            // took the bytes. Its replies would go astray, so the port is given up, and not
            // opened again by itself.
            closePort(true);
            emit portShared(portName);
            return;
        }
        // The device went away (unplugged, or the peer closed the pseudo-terminal). The port
        // object would report readable forever, so close it and report the lost connection.
        const QStringList unsent = fieldsUploadMayHaveMissed();
        closePort(true);
        startReconnecting(portName);
        if (!unsent.isEmpty())
            emit uploadInterrupted(portName, unsent);
        emit portLost(portName);
        return;
    }
    m_port->clearError();
}

QStringList Commrt::fieldsUploadMayHaveMissed() const
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    if (!m_state.isUploadUnderWay() || !m_state.confirmedKnown)
        return {};
    std::lock_guard<std::mutex> blockLock(fclink::parameterBlockMutex());
    const quint8 *block =
        m_state.resumeUpload ? m_state.resumeBlock : fclink::parameterBlockBytes(uavParam);
    return fclink::differingFields(block, m_state.confirmed);
}

QStringList Commrt::unconfirmedFields() const
{
    return fieldsUploadMayHaveMissed();
}

void Commrt::logPortError(const QString &message)
{
    if (!m_errorClock.isValid())
        m_errorClock.start();
    for (const QString &line : m_portErrors.take(message, m_errorClock.elapsed()))
        qCWarning(fclink::lcLink).noquote() << line;
}

void Commrt::endPortErrorRun()
{
    for (const QString &line : m_portErrors.finish())
        qCWarning(fclink::lcLink).noquote() << line;
}

void Commrt::startReconnecting(const QString &portName)
{
    m_reconnectPortName = portName;
    m_reconnectWindow.start();
    m_reconnectTimer.start();
}

void Commrt::cancelReconnect()
{
    m_reconnectTimer.stop();
    m_reconnectPortName.clear();
}

void Commrt::tryReconnect()
{
    if (!m_reconnectTimer.isActive())
        return;
    if (m_reconnectWindow.elapsed() > kReconnectWindowMs) {
        cancelReconnect();
        return;
    }
    const QString device = fclink::deviceForPortName(m_reconnectPortName);
#ifdef Q_OS_UNIX
    if (!QFileInfo::exists(device))
        return; // not back yet (a dangling link, a missing node)
#endif
    const QString portName = m_reconnectPortName;
    if (!openPort(portName, false))
        return; // back, but not ready yet (udev may still be setting its permissions)
    cancelReconnect();
    m_portName = portName;
    refreshDevices(); // the port list names the port again before it is reported back
    qCInfo(fclink::lcLink) << "reconnected to" << portName;
    emit portReopened(portName);
}

void Commrt::onPortsMayHaveChanged()
{
    refreshDevices();
    tryReconnect();
}

void Commrt::run()
{
    using Clock = std::chrono::steady_clock;
    auto nextFrame = Clock::now();
    while (m_running) {
        const fclink::LinkTiming pace = timing();
        if (!m_portOpen) {
            std::this_thread::sleep_for(pace.idlePoll);
            nextFrame = Clock::now();
            continue;
        }
        sendPacket();

        bool overdue = false;
        {
            std::lock_guard<std::mutex> lock(m_stateMutex);
            if (m_state.missedReplies > m_timing.maxMissedReplies)
                overdue = true;
            else
                ++m_state.missedReplies;
        }
        // The loss is decided where the replies are decoded, so a reply decoded meanwhile
        // cannot be overtaken by a loss report that is already on its way.
        if (overdue && !m_lossCheckQueued.exchange(true))
            QMetaObject::invokeMethod(this, &Commrt::checkConnectionLoss, Qt::QueuedConnection);

        // Paced against a fixed schedule, so the period stays 52 ms whatever the frame costs;
        // after a long stall the schedule restarts instead of catching up in a burst.
        nextFrame += pace.requestPeriod;
        const auto now = Clock::now();
        if (nextFrame < now)
            nextFrame = now + pace.requestPeriod;
        std::this_thread::sleep_until(nextFrame);
    }
    m_runReturned.store(true, std::memory_order_release);
}

void Commrt::checkConnectionLoss()
{
    m_lossCheckQueued = false;
    bool lost = false;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (!m_portOpen || m_state.missedReplies <= m_timing.maxMissedReplies)
            return;
        lost = m_state.connected;
        if (lost) {
            std::lock_guard<std::mutex> blockLock(fclink::parameterBlockMutex());
            m_state.keepUploadForResume(fclink::parameterBlockBytes(uavParam));
        }
        m_state.keepAskingForParameters();
    }
    if (lost)
        reportConnectionLost();
}

void Commrt::sendPacketAssemble()
{
    quint8 command = 0;
    quint8 head = 0;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        command = m_state.command;
        head = m_state.head;
        m_requestGeneration = m_state.headGeneration;
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
        m_outgoingGeneration = m_requestGeneration;
        queueWrite = !m_writeQueued;
        m_writeQueued = true;
    }
    if (queueWrite)
        QMetaObject::invokeMethod(this, &Commrt::writePendingFrame, Qt::QueuedConnection);
}

void Commrt::writePendingFrame()
{
    char frame[fclink::kFrameSize];
    quint32 generation = 0;
    {
        std::lock_guard<std::mutex> lock(m_outgoingMutex);
        std::memcpy(frame, m_outgoing, fclink::kFrameSize);
        generation = m_outgoingGeneration;
        m_writeQueued = false;
    }
    if (!m_port || !m_port->isOpen())
        return;
    // A device that does not take bytes (a stalled controller) must not get a backlog of old
    // frames, commands included, in one burst when it resumes: this frame is skipped instead.
    // The first frame after the held-up one has left waits one more period, so the two do not
    // reach the controller back to back either.
    if (fclink::bytesNotYetSent(*m_port) > 0) {
        ++m_counters.framesSkipped;
        m_outputWasHeldUp = true;
        return;
    }
    if (m_outputWasHeldUp) {
        ++m_counters.framesSkipped;
        m_outputWasHeldUp = false;
        return;
    }
    m_port->write(frame, fclink::kFrameSize);
    ++m_counters.framesWritten;
    std::lock_guard<std::mutex> lock(m_stateMutex);
    if (generation == m_state.headGeneration)
        ++m_state.framesSinceHeadChosen;
}

void Commrt::readMyCom()
{
    if (!m_port)
        return;
    // A local copy: a slot reached from a decoded reply may run a nested event loop that reads
    // again, or close the port, before this batch is through.
    const QByteArray bytes = m_port->readAll();
    if (bytes.isEmpty())
        return;
    QVarLengthArray<std::array<quint8, fclink::kFrameSize>, 4> frames;
    m_assembler.feed(reinterpret_cast<const quint8 *>(bytes.constData()),
                     static_cast<std::size_t>(bytes.size()), [&frames](const quint8 *frame) {
                         std::array<quint8, fclink::kFrameSize> copy;
                         std::memcpy(copy.data(), frame, copy.size());
                         frames.append(copy);
                     });
    const quint64 generation = m_portGeneration;
    for (const auto &frame : frames) {
        if (m_portGeneration != generation)
            return; // the port was closed meanwhile: the rest belongs to it
        decodeFrame(frame.data());
    }
}

void Commrt::getPacket()
{
    decodeFrame(m_assembler.lastFrame());
}

void Commrt::decodeFrame(const quint8 *frame)
{
    fclink::ReplyEffects effects;
    {
        std::lock_guard<std::mutex> stateLock(m_stateMutex);
        std::lock_guard<std::mutex> blockLock(fclink::parameterBlockMutex());
        const quint8 head = m_state.head;
        const quint32 generation = m_state.headGeneration;
        effects = fclink::decodeReply(frame, m_state, fclink::parameterBlockBytes(uavParam),
                                      fclink::TelemetryTargets::exportedStore());
        if (m_state.head != head || m_state.headGeneration != generation)
            ++m_counters.sequenceSteps;
    }
    emitReplyEffects(effects, m_portGeneration);
}

// Stops as soon as a slot has closed the port: what follows belonged to that connection.
void Commrt::emitReplyEffects(const fclink::ReplyEffects &effects, quint64 portGeneration)
{
    const auto open = [&] { return m_portGeneration == portGeneration; };
    if (effects.becameConnected) {
        emit connectStateText(1);
        emit connectionChanged(true);
    }
    if (effects.commandStatus >= 0 && open())
        reportOutcome(effects.commandStatus);
    if (effects.uploadStatus >= 0 && open())
        reportOutcome(effects.uploadStatus);
    if (effects.verification != fclink::Verification::None && open())
        emit uploadVerified(effects.verification == fclink::Verification::Equal,
                            effects.rejectedFields);
    if (effects.parametersChanged && open())
        emit parametersChanged();
    if (effects.uploadResumed && open())
        emit uploadResumed();
    if (effects.cutUploadDropped && !effects.droppedFields.isEmpty() && open())
        emit uploadInterrupted(m_portName, effects.droppedFields);
    if (effects.firstReadAfterOpen && open())
        emit blockReadAfterOpen();
    if (effects.telemetryChanged && open())
        emit telemetryChanged();
    if (effects.firmwareInfo && open())
        emit firmwareInfoReceived(firmwareVersion());
}
