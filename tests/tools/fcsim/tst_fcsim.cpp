// The simulated flight controller as a program: started with --pty in a temporary directory and
// driven through its pseudo-terminal with raw request frames.
#include "fclink/link/frame.h"
#include "fclink/link/frameassembler.h"
#include "fclink/link/parameterslices.h"
#include "fclink/link/replydecoder.h"
#include "fclink/model/uavparam.h"
#include "fclink/storage/parameterfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <set>
#include <termios.h>
#include <unistd.h>

using namespace fclink;

namespace {

using Frame = std::array<quint8, kFrameSize>;
using Block = std::array<quint8, kParameterBlockSize>;

constexpr int kReplyTimeoutMs = 2000;
constexpr int kStartTimeoutMs = 5000;

Frame requestFrame(quint8 command, quint8 head, const quint8 *block = nullptr)
{
    Frame frame{};
    buildRequestFrame(command, head, block, frame.data());
    return frame;
}

// Opens a terminal device raw and non-blocking, as a serial client would.
int openRaw(const QString &path)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    termios settings;
    if (::tcgetattr(fd, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(fd, TCSANOW, &settings);
    }
    return fd;
}

bool writeAll(int fd, const quint8 *data, std::size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written > 0) {
            data += written;
            length -= static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && (errno == EINTR || errno == EAGAIN)) {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, 100);
            continue;
        }
        return false;
    }
    return true;
}

// Reply frames coming back over a file descriptor, cut out with the link's own assembler.
class ReplyReader
{
public:
    ReplyReader() : m_assembler(kReplyStart0, kReplyStart1) {}

    void reset(int fd)
    {
        m_fd = fd;
        m_frames.clear();
        m_bytesSeen = 0;
    }

    // The next reply, waiting up to timeoutMs for it.
    bool next(Frame *frame, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (m_frames.empty()) {
            const qint64 left = timeoutMs - timer.elapsed();
            if (left <= 0)
                return false;
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left)) <= 0)
                continue;
            quint8 buffer[512];
            const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
            if (count <= 0)
                continue;
            m_bytesSeen += count;
            m_assembler.feed(buffer, static_cast<std::size_t>(count), [this](const quint8 *f) {
                Frame copy{};
                std::memcpy(copy.data(), f, kFrameSize);
                m_frames.push_back(copy);
            });
        }
        *frame = m_frames.front();
        m_frames.pop_front();
        return true;
    }

    // Reads everything that arrives within the window; returns the number of bytes.
    qint64 drain(int windowMs)
    {
        const qint64 before = m_bytesSeen;
        Frame frame{};
        while (next(&frame, windowMs)) {
        }
        return m_bytesSeen - before;
    }

    qint64 bytesSeen() const { return m_bytesSeen; }
    quint64 rejected() const { return m_assembler.framesRejected(); }

private:
    int m_fd = -1;
    FrameAssembler m_assembler;
    std::deque<Frame> m_frames;
    qint64 m_bytesSeen = 0;
};

// One run of the simulator on a pseudo-terminal, with the client side of the line open.
class SimRun
{
public:
    explicit SimRun(const QString &directory) : m_directory(directory) {}

    ~SimRun()
    {
        closeLine();
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(3000))
                process.kill();
            process.waitForFinished(3000);
        }
    }

    QString linkPath() const { return m_directory + QStringLiteral("/fc"); }
    QString path(const char *name) const { return m_directory + QLatin1Char('/') + name; }

    // Starts fcsim --pty <dir>/fc with the extra arguments, waits for the device line and
    // opens the line through the link.
    bool start(const QStringList &arguments = {})
    {
        process.start(QStringLiteral(FCSIM_PATH),
                      QStringList{QStringLiteral("--pty"), linkPath()} + arguments);
        if (!process.waitForStarted(kStartTimeoutMs))
            return false;
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(kStartTimeoutMs))
                return false;
        }
        devicePath = QString::fromLocal8Bit(process.readLine()).trimmed();
        return devicePath.startsWith(QStringLiteral("/dev/")) && openLine();
    }

    bool openLine()
    {
        closeLine();
        m_fd = openRaw(linkPath());
        replies.reset(m_fd);
        return m_fd >= 0;
    }

    void closeLine()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    bool send(const Frame &frame) { return writeAll(m_fd, frame.data(), frame.size()); }
    bool sendBytes(const QByteArray &bytes)
    {
        return writeAll(m_fd, reinterpret_cast<const quint8 *>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()));
    }

    // Sends one request and waits for its reply.
    bool exchange(const Frame &request, Frame *reply, int timeoutMs = kReplyTimeoutMs)
    {
        return send(request) && replies.next(reply, timeoutMs);
    }
    bool exchange(quint8 command, quint8 head, Frame *reply, const quint8 *block = nullptr)
    {
        return exchange(requestFrame(command, head, block), reply);
    }

    // Reads the whole block through the read slices 129..142.
    bool readBlock(Block *block)
    {
        block->fill(0);
        for (int slice = 1; slice <= kSliceCount; ++slice) {
            Frame reply{};
            if (!exchange(command::None, static_cast<quint8>(128 + slice), &reply) ||
                reply[offset::Head] != 128 + slice || !checksumValid(reply.data()))
                return false;
            copySliceToBlock(slice, reply.data() + offset::Payload, block->data());
        }
        return true;
    }

    bool loadDump(const QString &file, Block *block) const
    {
        QString error;
        fclink::BlockImage loaded;
        if (!loadParameterFileStrict(file, &loaded, &error))
            return false;
        std::copy(loaded.bytes(), loaded.bytes() + kParameterBlockSize, block->begin());
        return true;
    }

    void signal(int number) { ::kill(static_cast<pid_t>(process.processId()), number); }

    // Stops the simulator with SIGTERM and returns its exit code, or -1 if it did not end.
    int terminate(int signalNumber = SIGTERM)
    {
        signal(signalNumber);
        if (!process.waitForFinished(kStartTimeoutMs))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QStringList logLines() const
    {
        QFile file(path("log.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QProcess process;
    QString devicePath;
    ReplyReader replies;

private:
    QString m_directory;
    int m_fd = -1;
};

struct LogEntry
{
    qint64 ms;
    int command;
    int head;
    bool silent;
};

QList<LogEntry> parseLog(const QStringList &lines, bool *wellFormed)
{
    static const QRegularExpression format(
        QStringLiteral("^(\\d+) cmd=(\\d+) head=(\\d+)( silent)?$"));
    QList<LogEntry> entries;
    *wellFormed = true;
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = format.match(line);
        if (!match.hasMatch()) {
            *wellFormed = false;
            continue;
        }
        entries.append({match.captured(1).toLongLong(), match.captured(2).toInt(),
                        match.captured(3).toInt(), !match.captured(4).isEmpty()});
    }
    return entries;
}

// Runs fcsim to completion with the given arguments (for options that end it at once).
struct Finished
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Finished runToEnd(const QStringList &arguments)
{
    Finished result;
    QProcess process;
    process.start(QStringLiteral(FCSIM_PATH), arguments);
    if (!process.waitForFinished(kStartTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// CPU time (user + system) of a process in clock ticks, from /proc; -1 if unavailable.
qint64 cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Fields after the parenthesised command name; utime and stime are fields 14 and 15.
    const int close = text.lastIndexOf(')');
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return fields.at(11).toLongLong() + fields.at(12).toLongLong();
}

} // namespace

class TestFcsim : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SimRun> m_sim;

    bool startSim(const QStringList &arguments = {})
    {
        m_sim = std::make_unique<SimRun>(m_dir->path());
        return m_sim->start(arguments);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup()
    {
        m_sim.reset();
        m_dir.reset();
    }

    void printsOnlyTheDevicePathAndLinksIt()
    {
        QVERIFY(startSim());
        const QFileInfo link(m_sim->linkPath());
        QVERIFY(link.isSymLink());
        QCOMPARE(link.symLinkTarget(), m_sim->devicePath);

        QCOMPARE(m_sim->terminate(), 0);
        QCOMPARE(m_sim->process.readAllStandardOutput(), QByteArray());
        QCOMPARE(m_sim->process.readAllStandardError(), QByteArray());
        QVERIFY(!QFileInfo(m_sim->linkPath()).isSymLink());
    }

    void readSlicesReturnTheDefaultBlock()
    {
        QVERIFY(startSim({"--dump", m_dir->filePath("dump.conf")}));
        Block block{};
        QVERIFY(m_sim->readBlock(&block));

        UavParam p;
        std::memcpy(&p, block.data(), sizeof p);
        QCOMPARE(int(p.MotorIdel), 2);
        QCOMPARE(int(p.BatteryCell), 3);
        QCOMPARE(int(p.LossVolt), 1110);
        QCOMPARE(int(p.ProtectVolt1), 1050);
        QCOMPARE(int(p.ProtectVolt2), 1000);
        QCOMPARE(int(p.ChannelMapA), 1);
        QCOMPARE(int(p.ChannelMapC), 6);
        QCOMPARE(int(p.ChannelMap7), 5);
        QCOMPARE(int(p.ChannelMap8), 6);
        QCOMPARE(int(p.TurnbackHeight), 30);
        QCOMPARE(int(p.LimitRadius), 500);
        QCOMPARE(int(p.LimitAlt), 120);
        QCOMPARE(int(p.GoHomeEnable), 1);
        QCOMPARE(int(p.IocFunctionMiddle), 1);
        QCOMPARE(int(p.IocFunctionRight), 3);

        // The dump written at start holds the same block.
        Block dumped{};
        QVERIFY(m_sim->loadDump(m_dir->filePath("dump.conf"), &dumped));
        QCOMPARE(dumped, block);
    }

    void writeSlicesAreAcknowledgedAndDumped()
    {
        const QString dump = m_dir->filePath("dump.conf");
        QVERIFY(startSim({"--dump", dump}));
        Block original{};
        QVERIFY(m_sim->readBlock(&original));

        UavParam edited;
        std::memcpy(&edited, original.data(), sizeof edited);
        edited.MotorIdel = 4;
        edited.IMUDistX = -1000;
        edited.PKp = -7;        // second run of slice 6
        edited.ChannelMap7 = 3; // slice 13
        edited.spare99 = 201;   // slice 14
        edited.LimitAlt = 345;  // slice 12
        edited.MaxPhiByhand = 250;
        const quint8 *bytes = parameterBlockBytes(edited);

        for (quint8 slice = 1; slice <= kSliceCount; ++slice) {
            Frame reply{};
            QVERIFY(m_sim->exchange(command::None, slice, &reply, bytes));
            QCOMPARE(int(reply[offset::Head]), int(slice));
            QCOMPARE(int(reply[offset::Command]), 0);
        }

        Block expected{};
        std::memcpy(expected.data(), bytes, expected.size());
        Block dumped{};
        QVERIFY(m_sim->loadDump(dump, &dumped));
        QCOMPARE(dumped, expected);

        Block readBack{};
        QVERIFY(m_sim->readBlock(&readBack));
        QCOMPARE(readBack, expected);
        QVERIFY(readBack != original);
    }

    void telemetryIsPlausibleAndMoves()
    {
        QVERIFY(startSim());
        QList<Frame> first;
        for (const quint8 requested :
             {head::RcChannels, head::Attitude, head::Sensors, head::Voltage}) {
            Frame reply{};
            QVERIFY(m_sim->exchange(command::None, requested, &reply));
            QVERIFY(checksumValid(reply.data()));
            QCOMPARE(int(reply[0]), 0xBF);
            QCOMPARE(int(reply[1]), 0x90);
            QCOMPARE(int(reply[offset::Head]), int(requested));
            QCOMPARE(int(reply[offset::DeviceId]), 0x26);
            QCOMPARE(int(reply[offset::FirmwareVersion]), 105);
            QCOMPARE(int(reply[offset::Command]), 0);
            first.append(reply);
        }
        const quint8 *rc = first[0].data() + offset::Payload;
        for (int channel = 0; channel < 8; ++channel) {
            const int value = readInt16(rc + 2 * channel);
            QVERIFY2(value >= -840 && value <= 840, qPrintable(QString::number(value)));
        }
        const quint8 *attitude = first[1].data() + offset::Payload;
        QVERIFY(qAbs(readInt16(attitude)) <= 450);     // roll within ±45°
        QVERIFY(qAbs(readInt16(attitude + 2)) <= 450); // pitch
        QVERIFY(readInt16(attitude + 4) >= 0 && readInt16(attitude + 4) < 3600);
        const quint8 *sensors = first[2].data() + offset::Payload;
        const int accZ = readInt16(sensors + 10);
        QVERIFY2(accZ > 900 && accZ < 1060, qPrintable(QString::number(accZ)));
        QVERIFY(readInt16(sensors + 12) > 0); // flying above ground
        const int voltage = readInt16(first[3].data() + offset::Payload + 4);
        QVERIFY2(voltage >= 1100 && voltage <= 1300, qPrintable(QString::number(voltage)));

        // A little later the sticks and the attitude have moved.
        QTest::qWait(300);
        Frame rcLater{};
        Frame attitudeLater{};
        QVERIFY(m_sim->exchange(command::None, head::RcChannels, &rcLater));
        QVERIFY(m_sim->exchange(command::None, head::Attitude, &attitudeLater));
        QVERIFY(std::memcmp(rcLater.data() + offset::Payload, rc, 16) != 0);
        QVERIFY(std::memcmp(attitudeLater.data() + offset::Payload, attitude, 6) != 0);
    }

    void switchChannelsStepThroughThreePositions()
    {
        QVERIFY(startSim());
        // Default mapping: go-home switch on channel 5, IOC switch on channel 6.
        std::set<int> goHome;
        std::set<int> ioc;
        QElapsedTimer timer;
        timer.start();
        while ((goHome.size() < 3 || ioc.size() < 3) && timer.elapsed() < 8000) {
            Frame reply{};
            QVERIFY(m_sim->exchange(command::None, head::RcChannels, &reply));
            const quint8 *rc = reply.data() + offset::Payload;
            goHome.insert(readInt16(rc + 8));
            ioc.insert(readInt16(rc + 10));
            for (const int sweeping : {0, 1, 2, 3, 6, 7})
                QVERIFY(qAbs(readInt16(rc + 2 * sweeping)) <= 700);
            QTest::qWait(100);
        }
        QCOMPARE(goHome, (std::set<int>{-600, 0, 600}));
        QCOMPARE(ioc, (std::set<int>{-600, 0, 600}));
    }

    void firmwareOptionSetsTheVersionByte()
    {
        QVERIFY(startSim({"--firmware", "77"}));
        Frame reply{};
        QVERIFY(m_sim->exchange(command::ReadParameters, head::FirstRead, &reply));
        QCOMPARE(int(reply[offset::FirmwareVersion]), 77);
        QCOMPARE(int(reply[offset::DeviceId]), 0x26);
    }

    void requestsWithoutKnownHeadGetAnEmptyReplyWithHeadZero()
    {
        QVERIFY(startSim({"--firmware", "99"}));
        Frame odd = requestFrame(command::None, 0);
        odd[offset::Head] = 77; // a head the link never sends
        odd[offset::Payload] = 0x55;
        storeChecksum(odd.data());

        for (const Frame &request :
             {requestFrame(command::None, head::None), odd, requestFrame(command::None, 194)}) {
            Frame reply{};
            QVERIFY(m_sim->exchange(request, &reply));
            QVERIFY(checksumValid(reply.data()));
            QCOMPARE(int(reply[offset::Head]), 0);
            QCOMPARE(int(reply[offset::DeviceId]), 0x26);
            QCOMPARE(int(reply[offset::FirmwareVersion]), 99);
            for (int i = 0; i < kSlicePayloadSize; ++i)
                QCOMPARE(int(reply[offset::Payload + i]), 0);
        }
    }

    void commandResultArrivesAfterTheDelayUntilTheCommandChanges()
    {
        QVERIFY(startSim({"--command-delay", "400"}));
        QElapsedTimer sinceCommand;
        sinceCommand.start();
        int firstResultAt = -1;
        int repliesWithoutResult = 0;
        while (sinceCommand.elapsed() < 5000) {
            Frame reply{};
            QVERIFY(m_sim->exchange(command::CalibrateAccelerometers, head::Voltage, &reply));
            if (reply[offset::Command] == command::CalibrateAccelerometers) {
                firstResultAt = int(sinceCommand.elapsed());
                break;
            }
            QCOMPARE(int(reply[offset::Command]), 0);
            ++repliesWithoutResult;
            QTest::qWait(50);
        }
        QVERIFY2(firstResultAt >= 300, qPrintable(QString::number(firstResultAt)));
        QVERIFY(repliesWithoutResult >= 3);

        // Repeating the command does not start it again: the result keeps coming.
        for (int i = 0; i < 5; ++i) {
            Frame reply{};
            QVERIFY(m_sim->exchange(command::CalibrateAccelerometers, head::RcChannels, &reply));
            QCOMPARE(int(reply[offset::Command]), int(command::CalibrateAccelerometers));
            QTest::qWait(50);
        }
        // The link answers a result by sending command 0: the report stops.
        Frame reply{};
        QVERIFY(m_sim->exchange(command::None, head::RcChannels, &reply));
        QCOMPARE(int(reply[offset::Command]), 0);

        // Commands without a result never report one.
        for (const quint8 silentCommand : {quint8(3), quint8(7), quint8(9), quint8(11)}) {
            QElapsedTimer timer;
            timer.start();
            while (timer.elapsed() < 600) {
                QVERIFY(m_sim->exchange(silentCommand, head::Attitude, &reply));
                QCOMPARE(int(reply[offset::Command]), 0);
                QTest::qWait(50);
            }
        }
    }

    void failListTurnsResultsIntoFailures()
    {
        QVERIFY(startSim({"--command-delay", "100", "--fail", "12,13"}));
        const auto resultOf = [this](quint8 code) {
            QElapsedTimer timer;
            timer.start();
            Frame reply{};
            while (timer.elapsed() < 5000) {
                if (!m_sim->exchange(code, head::RcChannels, &reply))
                    return -1;
                if (reply[offset::Command] != 0)
                    return int(reply[offset::Command]);
                QTest::qWait(30);
            }
            return 0;
        };
        QCOMPARE(resultOf(command::CalibrateAccelerometers), 140);
        QCOMPARE(resultOf(command::None), 0);
        QCOMPARE(resultOf(command::CalibrateGyros), 141);
        QCOMPARE(resultOf(command::CalibrateVoltage), 6); // not on the list
    }

    void flashWriteSavesStateAndARestartLoadsIt()
    {
        const QString state = m_dir->filePath("state.conf");
        QVERIFY(!QFile::exists(state));
        QVERIFY(startSim({"--state", state, "--command-delay", "200"}));

        UavParam edited = {};
        {
            Block current{};
            QVERIFY(m_sim->readBlock(&current));
            std::memcpy(&edited, current.data(), sizeof edited);
        }
        edited.MotorIdel = 5;
        edited.LossVolt = 1234;
        edited.ChannelMap8 = 7;
        for (quint8 slice = 1; slice <= kSliceCount; ++slice) {
            Frame reply{};
            QVERIFY(m_sim->exchange(command::None, slice, &reply, parameterBlockBytes(edited)));
        }
        QVERIFY(!QFile::exists(state)); // uploads alone do not touch the flash

        QElapsedTimer timer;
        timer.start();
        int result = 0;
        while (result == 0 && timer.elapsed() < 5000) {
            Frame reply{};
            QVERIFY(m_sim->exchange(command::WriteFlash, head::Voltage, &reply));
            result = reply[offset::Command];
            QTest::qWait(30);
        }
        QCOMPARE(result, int(command::WriteFlash));
        Block saved{};
        QVERIFY(m_sim->loadDump(state, &saved));
        QCOMPARE(std::memcmp(saved.data(), &edited, sizeof edited), 0);

        QCOMPARE(m_sim->terminate(), 0);
        QVERIFY(startSim({"--state", state}));
        Block restarted{};
        QVERIFY(m_sim->readBlock(&restarted));
        QCOMPARE(std::memcmp(restarted.data(), &edited, sizeof edited), 0);
    }

    void failedFlashWriteSavesNothing()
    {
        const QString state = m_dir->filePath("state.conf");
        QVERIFY(startSim({"--state", state, "--command-delay", "100", "--fail", "2"}));
        QElapsedTimer timer;
        timer.start();
        int result = 0;
        while (result == 0 && timer.elapsed() < 5000) {
            Frame reply{};
            QVERIFY(m_sim->exchange(command::WriteFlash, head::Voltage, &reply));
            result = reply[offset::Command];
            QTest::qWait(30);
        }
        QCOMPARE(result, 130);
        QTest::qWait(200);
        QVERIFY(!QFile::exists(state));
    }

    void invalidFirmwareStateEndsWithStatusTwo()
    {
        const QString state = m_dir->filePath("firmware.ini");
        {
            QFile file(state);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[firmware]\nversion=-4\nintact=true\n");
        }
        const QString link = m_dir->filePath("fc");
        const Finished run = runToEnd({"--pty", link, "--firmware-state", state});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("firmware.ini"), run.err.constData());
        QCOMPARE(run.out, QByteArray());
    }

    void firmwareVersionBeyondAByteKeepsItsLowBits()
    {
        QVERIFY(startSim({"--firmware", "300"}));
        Frame reply{};
        QVERIFY(m_sim->exchange(command::ReadParameters, head::FirstRead, &reply));
        QCOMPARE(int(reply[offset::FirmwareVersion]), 300 & 0xFF);
        // The upgrade info carries it whole, and the flash size.
        QVERIFY(m_sim->exchange(0xB0, 0, &reply));
        QCOMPARE(int(reply[offset::Command]), 0xB0);
        QCOMPARE(int(reply[offset::Payload + 4] | (reply[offset::Payload + 5] << 8)), 300);
        QCOMPARE(int(reply[offset::Payload + 2]), 4); // 0x00040000 = 256 KiB
    }

    void invalidStateFileEndsWithStatusTwo()
    {
        const QString state = m_dir->filePath("state.conf");
        {
            QFile file(state);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[General]\nvar0=1\nvar1=banana\n");
        }
        const QString link = m_dir->filePath("fc");
        const Finished run = runToEnd({"--pty", link, "--state", state});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("fcsim: "), run.err.constData());
        QVERIFY(run.err.contains("state.conf"));
        QCOMPARE(run.out, QByteArray());
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void droppingEveryReplyLeavesTheLineSilent()
    {
        QVERIFY(startSim({"--drop", "1", "--seed", "7", "--log", m_dir->filePath("log.txt")}));
        for (int i = 0; i < 5; ++i)
            QVERIFY(m_sim->send(requestFrame(command::None, head::RcChannels)));
        QCOMPARE(m_sim->replies.drain(700), 0);
        // The requests did arrive.
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->logLines().size(), 5, kReplyTimeoutMs);
    }

    void corruptedRepliesFailTheirChecksum()
    {
        QVERIFY(startSim({"--corrupt", "1", "--seed", "11"}));
        for (int i = 0; i < 6; ++i)
            QVERIFY(m_sim->send(requestFrame(command::None, head::Voltage)));
        Frame frame{};
        QVERIFY(!m_sim->replies.next(&frame, 1500)); // nothing passes the checksum
        // Every reply arrived, whole; the start bytes are never hit, so framing holds and each
        // of the six frames is rejected on its checksum alone.
        QCOMPARE(m_sim->replies.bytesSeen(), qint64(6 * kFrameSize));
        QCOMPARE(m_sim->replies.rejected(), quint64(6));
    }

    void signalsSilenceAndResume()
    {
        QVERIFY(startSim({"--log", m_dir->filePath("log.txt")}));
        Frame reply{};
        QVERIFY(m_sim->exchange(command::None, head::RcChannels, &reply));

        m_sim->signal(SIGUSR1);
        QTest::qWait(200); // let the signal land
        for (int i = 0; i < 4; ++i)
            QVERIFY(m_sim->send(requestFrame(command::None, head::Attitude)));
        QCOMPARE(m_sim->replies.drain(600), 0);

        m_sim->signal(SIGUSR2);
        QTest::qWait(200);
        QVERIFY(m_sim->exchange(command::None, head::Voltage, &reply));
        QCOMPARE(int(reply[offset::Head]), int(head::Voltage));

        // Requests that arrived while silent are logged and marked.
        bool wellFormed = false;
        const QList<LogEntry> entries = parseLog(m_sim->logLines(), &wellFormed);
        QVERIFY(wellFormed);
        QCOMPARE(entries.size(), 6);
        QVERIFY(!entries.first().silent);
        for (int i = 1; i <= 4; ++i) {
            QVERIFY(entries[i].silent);
            QCOMPARE(entries[i].head, int(head::Attitude));
        }
        QVERIFY(!entries.last().silent);
    }

    void scriptedSilenceWindow()
    {
        QVERIFY(startSim({"--silent-after", "1500", "--silent-for", "1500"}));
        Frame reply{};
        QVERIFY(m_sim->exchange(command::None, head::RcChannels, &reply));

        // Wait for the silence to begin, then for it to end.
        QElapsedTimer timer;
        timer.start();
        bool silent = false;
        while (!silent && timer.elapsed() < 5000) {
            QVERIFY(m_sim->send(requestFrame(command::None, head::RcChannels)));
            silent = !m_sim->replies.next(&reply, 300);
        }
        QVERIFY(silent);
        bool back = false;
        while (!back && timer.elapsed() < 10000) {
            QVERIFY(m_sim->send(requestFrame(command::None, head::RcChannels)));
            back = m_sim->replies.next(&reply, 300);
        }
        QVERIFY(back);
    }

    void logRecordsEveryRequestInOrder()
    {
        const QString log = m_dir->filePath("log.txt");
        QVERIFY(startSim({"--log", log}));
        QList<int> sent;
        Frame reply{};
        for (const quint8 requested : {192, 193, 196, 195}) {
            QVERIFY(m_sim->exchange(command::ReadParameters, requested, &reply));
            sent << requested;
        }
        const Block zeros = {};
        for (quint8 slice = 1; slice <= kSliceCount; ++slice) {
            QVERIFY(m_sim->exchange(command::None, slice, &reply, zeros.data()));
            sent << slice;
        }

        bool wellFormed = false;
        const QList<LogEntry> entries = parseLog(m_sim->logLines(), &wellFormed);
        QVERIFY(wellFormed);
        QList<int> heads;
        for (const LogEntry &entry : entries)
            heads << entry.head;
        QCOMPARE(heads, sent);
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(entries[i].command, i < 4 ? 3 : 0);
            QVERIFY(!entries[i].silent);
            if (i > 0)
                QVERIFY(entries[i].ms >= entries[i - 1].ms);
        }
    }

    void badUsageEndsWithStatusTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QString link = QStringLiteral("LINK"); // replaced by a path in the test dir
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("both lines") << QStringList{"--pty", link, "--port", "/dev/null"};
        QTest::newRow("unknown option") << QStringList{"--pty", link, "--frobnicate"};
        QTest::newRow("stray argument") << QStringList{"--pty", link, "extra"};
        QTest::newRow("drop above one") << QStringList{"--pty", link, "--drop", "1.5"};
        QTest::newRow("corrupt not a number") << QStringList{"--pty", link, "--corrupt", "x"};
        QTest::newRow("firmware too big") << QStringList{"--pty", link, "--firmware", "65536"};
        QTest::newRow("fail without result") << QStringList{"--pty", link, "--fail", "2,5"};
        QTest::newRow("unknown flash step") << QStringList{"--pty", link, "--flash-fail", "boot"};
        QTest::newRow("negative delay") << QStringList{"--pty", link, "--reply-delay", "-1"};
        QTest::newRow("seed too big") << QStringList{"--pty", link, "--seed", "4294967296"};
        QTest::newRow("silent-for alone") << QStringList{"--pty", link, "--silent-for", "10"};
        QTest::newRow("silent at a read head")
            << QStringList{"--pty", link, "--silent-at-write", "15"};
        QTest::newRow("missing value") << QStringList{"--pty"};
    }

    void badUsageEndsWithStatusTwo()
    {
        QFETCH(QStringList, arguments);
        const QString link = m_dir->filePath("fc");
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^LINK$")), link);
        const Finished run = runToEnd(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("fcsim: "), run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(run.out, QByteArray());
        QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
    }

    void helpDocumentsEveryOption()
    {
        const Finished run = runToEnd({"--help"});
        QCOMPARE(run.exitCode, 0);
        for (const char *option :
             {"--pty", "--port", "--state", "--dump", "--log", "--firmware", "--command-delay",
              "--fail", "--reply-delay", "--drop", "--corrupt", "--seed", "--silent-after",
              "--silent-for", "--silent-at-write", "--flash-fail", "--verbose", "SIGUSR1",
              "SIGUSR2"})
            QVERIFY2(run.out.contains(option), option);
    }

    void interruptOrTerminateEndCleanly_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void interruptOrTerminateEndCleanly()
    {
        QFETCH(int, signalNumber);
        QVERIFY(startSim());
        QVERIFY(QFileInfo(m_sim->linkPath()).isSymLink());
        QCOMPARE(m_sim->terminate(signalNumber), 0);
        QVERIFY(!QFileInfo(m_sim->linkPath()).isSymLink());
    }

    void refusesToReplaceARegularFile()
    {
        const QString link = m_dir->filePath("fc");
        {
            QFile file(link);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        }
        const Finished run = runToEnd({"--pty", link});
        QVERIFY(run.exitCode != 0 && run.exitCode != -1);
        QVERIFY2(run.err.startsWith("fcsim: "), run.err.constData());
        QCOMPARE(run.out, QByteArray());
        QFile file(link);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }

    void replacesAnExistingSymlink()
    {
        const QString link = m_dir->filePath("fc");
        QVERIFY(QFile::link(QStringLiteral("/nonexistent/old-device"), link));
        QVERIFY(startSim());
        QCOMPARE(QFileInfo(link).symLinkTarget(), m_sim->devicePath);
        Frame reply{};
        QVERIFY(m_sim->exchange(command::None, head::Voltage, &reply));
    }

    void clientMayCloseAndReopenThePort()
    {
        QVERIFY(startSim());
        Frame reply{};
        QVERIFY(m_sim->exchange(command::None, head::RcChannels, &reply));
        for (int round = 0; round < 3; ++round) {
            m_sim->closeLine();
            QTest::qWait(100);
            QCOMPARE(m_sim->process.state(), QProcess::Running);
            QVERIFY(m_sim->openLine());
            QVERIFY(m_sim->exchange(command::None, head::Attitude, &reply));
            QCOMPARE(int(reply[offset::Head]), int(head::Attitude));
        }
    }

    void garbageOnTheLineIsSkipped()
    {
        QVERIFY(startSim());
        QByteArray garbage;
        for (int i = 0; i < 300; ++i)
            garbage.append(char((i * 37 + 11) & 0xFF));
        garbage.append(char(0xCF)).append(char(0x00)).append(char(0xCF)); // false starts
        QVERIFY(m_sim->sendBytes(garbage));

        // A broken frame followed by a good one: the broken one swallows part of the good one,
        // fails its checksum, and the next request gets through.
        Frame broken = requestFrame(command::None, head::Voltage);
        broken[20] ^= 0x40;
        QVERIFY(m_sim->sendBytes(QByteArray(reinterpret_cast<const char *>(broken.data()), 30)));
        Frame reply{};
        bool answered = false;
        for (int attempt = 0; attempt < 4 && !answered; ++attempt)
            answered = m_sim->exchange(requestFrame(command::None, head::Sensors), &reply, 500);
        QVERIFY(answered);
        QCOMPARE(int(reply[offset::Head]), int(head::Sensors));
    }

    void idleUsesNoCpu()
    {
        QVERIFY(startSim({"--command-delay", "100000", "--silent-after", "100000"}));
        if (cpuTicks(m_sim->process.processId()) < 0)
            QSKIP("no /proc on this system");
        QTest::qWait(200);
        const qint64 before = cpuTicks(m_sim->process.processId());
        QTest::qWait(1000);
        const qint64 used = cpuTicks(m_sim->process.processId()) - before;
        // A busy loop would burn about sysconf(_SC_CLK_TCK) ticks in that second.
        QVERIFY2(used <= ::sysconf(_SC_CLK_TCK) / 10, qPrintable(QString::number(used)));
    }

    void servesAnExistingDeviceAndEndsWhenItDisappears()
    {
        // Stand in for a serial adapter with a pseudo-terminal of the test's own.
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const QString slave = QString::fromLocal8Bit(::ptsname(master));
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        // The simulator must not inherit the master, or closing ours would not unplug anything.
        ::fcntl(master, F_SETFD, FD_CLOEXEC);

        QProcess process;
        process.start(QStringLiteral(FCSIM_PATH),
                      {"--port", slave, "--firmware", "88", "--dump", m_dir->filePath("d.conf")});
        QVERIFY(process.waitForStarted(kStartTimeoutMs));
        while (!process.canReadLine())
            QVERIFY(process.waitForReadyRead(kStartTimeoutMs));
        QCOMPARE(QString::fromLocal8Bit(process.readLine()).trimmed(), slave);

        ReplyReader replies;
        replies.reset(master);
        const Frame request = requestFrame(command::None, head::Voltage);
        QVERIFY(writeAll(master, request.data(), request.size()));
        Frame reply{};
        QVERIFY(replies.next(&reply, kReplyTimeoutMs));
        QCOMPARE(int(reply[offset::Head]), int(head::Voltage));
        QCOMPARE(int(reply[offset::FirmwareVersion]), 88);

        ::close(master); // the adapter is unplugged
        QVERIFY(process.waitForFinished(kStartTimeoutMs));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 3);
        QVERIFY(process.readAllStandardError().startsWith("fcsim: "));
    }

    void missingDeviceIsAnError()
    {
        const Finished run = runToEnd({"--port", m_dir->filePath("no-such-tty")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith("fcsim: "), run.err.constData());
        QCOMPARE(run.out, QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestFcsim)
#include "tst_fcsim.moc"
