#include "firmwareupgradelib.h"

#include "fclink/link/portnaming.h"
#include "upgraderun.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QThread>

namespace {

qint32 portNumberOf(const QString &portName)
{
    static const QRegularExpression trailingNumber(QStringLiteral("(\\d+)$"));
    const QRegularExpressionMatch match = trailingNumber.match(portName);
    if (!match.hasMatch())
        return -1;
    bool ok = false;
    const int number = match.captured(1).toInt(&ok, 10);
    return ok ? number : -1;
}

} // namespace

FirmwareUpgradeLib *FirmwareUpgradeLib::createClass()
{
    return new FirmwareUpgradeLib;
}

void FirmwareUpgradeLib::destroyClass(FirmwareUpgradeLib *upgrade)
{
    delete upgrade;
}

FirmwareUpgradeLib::~FirmwareUpgradeLib()
{
    stop();
    joinThread();
}

void FirmwareUpgradeLib::joinThread()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

void FirmwareUpgradeLib::init(QObject *receiver)
{
    if (!m_active.load())
        m_receiver = receiver;
}

void FirmwareUpgradeLib::start(int portNumber, QString file)
{
    const QString portName = QStringLiteral("COM%1").arg(static_cast<quint8>(portNumber));
    start(portName, file);
}

void FirmwareUpgradeLib::start(const QString &portName, const QString &file)
{
    launch(portName, file, false, true);
}

void FirmwareUpgradeLib::probe(const QString &portName, bool leaveIfIntact)
{
    launch(portName, QString(), true, leaveIfIntact);
}

void FirmwareUpgradeLib::allowDowngrade(bool allowed)
{
    if (!m_active.load())
        m_allowDowngrade = allowed;
}

void FirmwareUpgradeLib::launch(const QString &portName, const QString &file, bool probeOnly,
                                bool leaveIfIntact)
{
    if (m_active.load())
        return;
    joinThread(); // the previous run has reported its end; its thread is about to finish

    m_stopRequested = false;
    m_stopBeforeEraseRequested = false;
    m_active = true;
    fwupgrade::UpgradeRun::Options options;
    options.allowDowngrade = m_allowDowngrade;
    options.leaveIfIntact = leaveIfIntact;
    options.stopBeforeErase = &m_stopBeforeEraseRequested;
    m_allowDowngrade = false;
    QObject *const receiver = m_receiver;
    const qint32 portNumber = portNumberOf(portName);
    const QString device = fclink::deviceForPortName(portName);
    std::atomic<bool> *const active = &m_active;
    const std::atomic<bool> *const stopRequested = &m_stopRequested;

    m_thread = QThread::create([=]() {
        const auto reporter = [=](const fwupgrade::UpgradeRun::Report &report) {
            if (report.code == UpgradeEvent::RunEnded)
                *active = false;
            if (!receiver)
                return;
            auto *event = new UpgradeEvent(report.code, portNumber, report.progress);
            event->firmwareVersion = report.version;
            event->deviceId = report.deviceId;
            event->bootloaderVersion = report.bootloaderVersion;
            QCoreApplication::postEvent(receiver, event);
        };
        fwupgrade::UpgradeRun run(device, file, stopRequested, reporter, options);
        if (probeOnly)
            run.execProbe();
        else
            run.exec();
    });
    m_thread->setObjectName(QStringLiteral("FirmwareUpgrade"));
    m_thread->start();
}

void FirmwareUpgradeLib::stop()
{
    m_stopRequested = true;
}

void FirmwareUpgradeLib::stopBeforeErase()
{
    m_stopBeforeEraseRequested = true;
}
