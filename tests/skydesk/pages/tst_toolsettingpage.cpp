// The tools page: telemetry fields, command buttons, parameter files, and the page against the
// simulator for import and flash.
#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/telemetry.h"
#include "fclink/model/uavparam.h"
#include "fclink/storage/parameterfile.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/pages/backdropcache.h"
#include "skydesk/pages/plotstrip.h"
#include "skydesk/pages/scopeplot.h"
#include "skydesk/pages/sensorplot.h"
#include "skydesk/pages/sensorscopewindow.h"
#include "skydesk/pages/telemetryrecorder.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/recordings/recordingplot.h"
#include "skydesk/recordings/recordingviewerwindow.h"
#include "skydesk/shell/contentwidget.h"
#include "tests/support/blockaccess.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/homeredirect.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/modalhelpers.h"
#include "tests/support/pageundertest.h"
#include "tests/support/recordingfiles.h"
#include "tests/support/smalldisk.h"
#include "tests/support/testtiming.h"
#include "ui_sensorscopewindow.h"
#include "ui_toolsettingpage.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>

using blockaccess::blockNow;
using blockaccess::randomBlock;
using blockaccess::setBlock;

namespace {

constexpr int kWaitMs = 10000;

const char *const kCsvHeader =
    "time_ms,rc1,rc2,rc3,rc4,rc5,rc6,rc7,rc8,roll,pitch,heading,gyro_x,gyro_y,gyro_z,acc_x,acc_y,"
    "acc_z,altitude,voltage,compass";

// The file's lines; whole is false when the last one has no line end.
QStringList csvLines(const QString &path, bool *whole = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    if (whole)
        *whole = text.isEmpty() || text.endsWith('\n');
    return QString::fromLatin1(text).split('\n', Qt::SkipEmptyParts);
}

// Rows of 21 numbers with rising times from the start and a battery near 12 V.
bool rowsLookRecorded(const QStringList &rows, QString *problem)
{
    qint64 previous = -1;
    for (const QString &row : rows) {
        const QStringList fields = row.split(',');
        bool ok = fields.size() == 21;
        const qint64 time = fields.first().toLongLong(&ok);
        const double voltage = fields.value(19).toDouble();
        if (!ok || time <= previous || voltage < 11.0 || voltage > 13.0) {
            *problem = row;
            return false;
        }
        previous = time;
    }
    return true;
}

QTreeWidgetItem *channelItem(QTreeWidget *tree, const QString &group, const QString &name)
{
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem *top = tree->topLevelItem(g);
        if (top->text(0) != group)
            continue;
        if (name.isEmpty())
            return top;
        for (int c = 0; c < top->childCount(); ++c) {
            if (top->child(c)->text(0) == name)
                return top->child(c);
        }
    }
    return nullptr;
}

QStringList seriesNames(const PlotStrip &strip)
{
    QStringList names;
    for (const PlotStrip::Series &series : strip.series())
        names << series.name;
    return names;
}

fclink::TelemetrySnapshot snapshotWithRoll(double roll)
{
    fclink::TelemetrySnapshot snapshot = {};
    snapshot.roll = roll;
    snapshot.voltage = 1200;
    snapshot.sensors.gyroX = 5.0f;
    for (int i = 0; i < kRcChannelCount; ++i)
        snapshot.rcChannels[i] = qint16(100 * i);
    return snapshot;
}

QMap<QString, QString> iniValues(const QString &path)
{
    QMap<QString, QString> values;
    QSettings settings(path, QSettings::IniFormat);
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key).toString());
    return values;
}

// The largest difference of one colour channel between two images of the same size.
int largestColourDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    const QImage first = a.convertToFormat(QImage::Format_ARGB32);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb p = first.pixel(x, y);
            const QRgb q = second.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

} // namespace

class TestToolSettingPage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PageUnderTest<ToolSettingPage>> m_t;
    Commrt *m_link = nullptr;
    ToolSettingPage *m_page = nullptr;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A file the export writes, then edited by hand.
    QString editedFile(const QString &name, const QString &key, const QString &value)
    {
        QString error;
        if (!m_page->exportParametersTo(path(name), &error))
            return QString();
        QSettings settings(path(name), QSettings::IniFormat);
        if (value.isNull())
            settings.remove(key);
        else
            settings.setValue(key, value);
        return path(name);
    }

private slots:
    void init()
    {
        m_t = std::make_unique<PageUnderTest<ToolSettingPage>>();
        m_link = m_t->link();
        m_page = m_t->page();
    }

    void cleanup() { m_t.reset(); }

    void notConnectedLeavesTheFields()
    {
        g_diagnosisInfo.gyroX = 3.0f;
        m_page->form()->lineEditGyroX->setText("keep");
        m_page->updateTelemetryInfo();
        QCOMPARE(m_page->form()->lineEditGyroX->text(), QStringLiteral("keep"));
        QVERIFY(m_page->form()->widgetSensorPlot->samples().isEmpty());
    }

    // The readings are live only while connected: before a connection and after Disconnect they
    // are greyed, keeping the last values for reference.
    void readingsGreyWithoutAConnection()
    {
        Ui::ToolSettingPageUi *ui = m_page->form();
        const QList<QLineEdit *> readings = ui->groupBoxSensor->findChildren<QLineEdit *>();
        QVERIFY(readings.size() >= 13);
        const auto greyed = [&readings] {
            return std::all_of(readings.cbegin(), readings.cend(),
                               [](const QLineEdit *field) { return !field->isEnabled(); });
        };
        const auto live = [&readings] {
            return std::all_of(readings.cbegin(), readings.cend(),
                               [](const QLineEdit *field) { return field->isEnabled(); });
        };
        QVERIFY(greyed());
        m_page->connectionChanged(true);
        QVERIFY(live());
        ui->lineEditRoll->setText("12.5");
        m_page->connectionChanged(false);
        QVERIFY(greyed());
        QCOMPARE(ui->lineEditRoll->text(), QStringLiteral("12.5"));
        m_page->connectionChanged(true);
        QVERIFY(live());
    }

    void commandButtonsSetCommandsAndNotify()
    {
        QSignalSpy notices(m_page, &ToolSettingPage::noticeStatusChanged);
        QTest::mouseClick(m_page->form()->pushButtonCalibGyro, Qt::LeftButton);
        QCOMPARE(int(m_link->currentCommand()), 13);
        QTest::mouseClick(m_page->form()->pushButtonCalibAcc, Qt::LeftButton);
        QCOMPARE(int(m_link->currentCommand()), 12);
        QTest::mouseClick(m_page->form()->pushButtonWriteToFlash, Qt::LeftButton);
        QCOMPARE(int(m_link->currentCommand()), 2);
        QCOMPARE(notices.count(), 3);
        QCOMPARE(notices.at(0).at(0).toString(), QStringLiteral("Calibrate gyros now..."));
        QCOMPARE(notices.at(1).at(0).toString(), QStringLiteral("Calibrate accelerometers now..."));
        QCOMPARE(notices.at(2).at(0).toString(), QStringLiteral("Write flash now..."));
        QVERIFY(m_page->form()->pushButtonRestoreDefaultSettings->isHidden());
    }

    void suffixRule()
    {
        QCOMPARE(ToolSettingPage::withConfSuffix("setup"), QStringLiteral("setup.conf"));
        QCOMPARE(ToolSettingPage::withConfSuffix("SETUP.CONF"), QStringLiteral("SETUP.CONF"));
        QCOMPARE(ToolSettingPage::withConfSuffix("a.conf.bak"), QStringLiteral("a.conf.bak.conf"));
        QString error;
        QVERIFY(m_page->exportParametersTo(path("setup"), &error));
        QVERIFY(QFile::exists(path("setup.conf")));
        QVERIFY(!QFile::exists(path("setup")));
    }

    void exportWritesTypedValuesUnderTheirKeys()
    {
        fclink::BlockImage block;
        quint8 *bytes = block.bytes();
        bytes[46] = 5;
        bytes[47] = 7;
        bytes[58] = 0x18;
        bytes[59] = 0xFC;
        bytes[76] = 0xBC;
        bytes[77] = 0x04;
        setBlock(block);
        QString error;
        QVERIFY2(m_page->exportParametersTo(path("typed.conf"), &error), qPrintable(error));
        const QMap<QString, QString> ini = iniValues(path("typed.conf"));
        QCOMPARE(ini.size(), 198);
        QCOMPARE(ini.value("var46"), QStringLiteral("7"));
        QCOMPARE(ini.value("var47"), QStringLiteral("5"));
        QCOMPARE(ini.value("var58"), QStringLiteral("-1000"));
        QCOMPARE(ini.value("var70"), QStringLiteral("1212"));
        QVERIFY(!ini.contains("var181"));
    }

    void saveThenLoadReproducesRandomBlocks()
    {
        QRandomGenerator random(2024);
        QSignalSpy loaded(m_page, &ToolSettingPage::configurationLoaded);
        for (int round = 0; round < 20; ++round) {
            const fclink::BlockImage original = randomBlock(random);
            setBlock(original);
            QString error;
            QVERIFY(m_page->exportParametersTo(path("random.conf"), &error));
            setBlock(fclink::BlockImage());
            QVERIFY2(m_page->importParametersFrom(path("random.conf"), &error), qPrintable(error));
            QCOMPARE(blockNow(), original);
        }
        QCOMPARE(loaded.count(), 20);
    }

    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");
        QTest::newRow("missing key") << "var90" << QString() << "var90";
        QTest::newRow("not a number") << "var10"
                                      << "ten"
                                      << "var10";
        QTest::newRow("int8 too big") << "var0"
                                      << "300"
                                      << "var0";
        QTest::newRow("uint8 negative") << "var66"
                                        << "-3"
                                        << "var66";
        QTest::newRow("int16 too small") << "var58"
                                         << "-40000"
                                         << "var58";
        QTest::newRow("uint16 too big") << "var184"
                                        << "70000"
                                        << "var184";
    }

    void refusedFilesChangeNothing()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        QRandomGenerator random(7);
        const fclink::BlockImage before = randomBlock(random);
        setBlock(before);
        const QString file = editedFile("refused.conf", key, value);
        QVERIFY(!file.isEmpty());
        QSignalSpy loaded(m_page, &ToolSettingPage::configurationLoaded);
        const quint64 uploads = m_link->counters().headChoices;
        QString error;
        QVERIFY(!m_page->importParametersFrom(file, &error));
        QVERIFY2(error.startsWith("Invalid parameter file: "), qPrintable(error));
        QVERIFY2(error.contains(problem), qPrintable(error));
        QVERIFY2(error.contains("refused.conf"), qPrintable(error));
        QCOMPARE(blockNow(), before);
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(m_link->counters().headChoices, uploads);
    }

    void refusesFilesThatAreNoParameterFiles()
    {
        const fclink::BlockImage before = blockNow();
        QFile text(path("notes.conf"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("this is not a settings file\n\x01\x02\x03");
        text.close();
        QString error;
        QVERIFY(!m_page->importParametersFrom(path("notes.conf"), &error));
        QVERIFY(!m_page->importParametersFrom(path("absent.conf"), &error));
        QVERIFY(error.contains("absent.conf"));
        QCOMPARE(blockNow(), before);
    }

    void key181IsIgnored()
    {
        const QString file = editedFile("with181.conf", "var181", "99");
        QString error;
        QVERIFY2(m_page->importParametersFrom(file, &error), qPrintable(error));
    }

    void exportThatCannotWriteSaysSo()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("occupied.conf"));
        QString error;
        QVERIFY(!m_page->exportParametersTo(path("occupied.conf"), &error));
        QVERIFY(error.startsWith("Cannot save the parameter file"));
        QVERIFY(!m_page->exportParametersTo(path("no/such/folder/x.conf"), &error));
    }

    // Without a connection the chosen file is handed on to be opened offline; the page itself
    // changes nothing and uploads nothing.
    void importWhileDisconnectedOpensOffline()
    {
        QRandomGenerator random(11);
        const fclink::BlockImage before = randomBlock(random);
        setBlock(before);
        QString error;
        QVERIFY(fclink::saveParameterFile(path("offline.conf"), randomBlock(random), &error));
        QSignalSpy loaded(m_page, &ToolSettingPage::configurationLoaded);
        QSignalSpy offline(m_page, &ToolSettingPage::openOfflineRequested);
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                dialog->selectFile(path("offline.conf"));
                static_cast<QDialog *>(dialog)->accept();
            }
        });
        m_page->improtParameters();
        QCOMPARE(offline.count(), 1);
        QCOMPARE(QFileInfo(offline.first().first().toString()).fileName(),
                 QStringLiteral("offline.conf"));
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(blockNow(), before);
    }

    // The dialog is told the suffix, so the name it asks about is the name that is written.
    void exportAsksBeforeReplacingTheFinalName()
    {
        QFile existing(path("exp2.conf"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("[General]\nkeep=1\n");
        existing.close();
        const QString previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));

        QString question;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            QTimer::singleShot(0, [&] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    question = box->text();
                    box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click()
                                                 : box->reject();
                }
                if (auto *still = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                    still->reject();
            });
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("exp2"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        m_page->exportParameters();
        QDir::setCurrent(previousDir);
        QVERIFY2(question.contains("exp2.conf"), qPrintable(question));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("[General]\nkeep=1\n"));
    }

    // The whole refusal is in the program's language, its explanation line too.
    void refusalsAreTranslated()
    {
        QTranslator translator;
        QVERIFY(translator.load(AppSettings::translationFile(AppSettings::German)));
        QCoreApplication::installTranslator(&translator);
        const QString file = editedFile("german.conf", "var90", QString());
        QString error;
        const bool loaded = m_page->importParametersFrom(file, &error);
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(!loaded);
        const QStringList lines = error.split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(!lines.at(0).contains("Invalid parameter file"), qPrintable(error));
        QVERIFY2(lines.at(1).contains("var90") && !lines.at(1).contains("missing key"),
                 qPrintable(error));
    }

    // The live readings and the plot repaint alone, over a picture of what lies behind them;
    // the picture must be exactly what the page paints there.
    void liveReadingsRepaintAloneAndLookTheSame()
    {
        contentWidget area(nullptr, m_link);
        area.resize(850, 435);
        area.pageStack()->setCurrentIndex(1);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        ToolSettingPage *page = area.toolSettingPage();
        QList<QWidget *> live;
        for (QLineEdit *field : page->findChildren<QLineEdit *>())
            live.append(field);
        live.append(page->form()->widgetSensorPlot);
        for (QWidget *widget : live)
            widget->update();
        QTRY_VERIFY(std::all_of(live.cbegin(), live.cend(), [](QWidget *w) {
            return w->testAttribute(Qt::WA_OpaquePaintEvent);
        }));
        const QImage cached = area.grab().toImage();
        for (QWidget *widget : live) {
            qDeleteAll(
                widget->findChildren<BackdropCache *>(QString(), Qt::FindDirectChildrenOnly));
            widget->setAttribute(Qt::WA_OpaquePaintEvent, false);
        }
        // Blending the same translucent boxes in another order may round a colour by one step.
        const int difference = largestColourDifference(cached, area.grab().toImage());
        QVERIFY2(difference <= 1, qPrintable(QString::number(difference)));
    }

    void plotScale()
    {
        QCOMPARE(SensorPlot::scaleFor(0.0, 20.0), 20.0);
        QCOMPARE(SensorPlot::scaleFor(9.81, 12.0), 20.0);
        QCOMPARE(SensorPlot::scaleFor(130.0, 20.0), 200.0);
        SensorPlot plot;
        for (int i = 0; i <= 120; ++i)
            plot.addSample({i * 0.25, {1, 2, 3}, {0, 0, 9.8f}});
        // Only the last ten seconds stay.
        QCOMPARE(plot.samples().first().time, 20.0);
        QCOMPARE(plot.samples().last().time, 30.0);
        plot.resize(320, 260);
        QImage image(plot.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        plot.render(&image);
        QVERIFY(image.pixelColor(160, 60) != QColor(Qt::white)); // something was drawn
    }

    void plotLabelsKeepClearOfTitlesAndLegends()
    {
        SensorPlot plot;
        plot.resize(300, 220);
        for (int i = 0; i <= 40; ++i)
            plot.addSample({i * 0.25, {150, -2, 3}, {0, 0, 9.8f}});
        QCOMPARE(plot.panel(SensorPlot::GyroPanel).low(), -200.0);
        const QFont font = PlotStrip::labelFont(plot.font());
        const QFontMetricsF metrics(font);
        for (SensorPlot::Panel which : {SensorPlot::GyroPanel, SensorPlot::AccPanel}) {
            const QRectF area = plot.panelArea(which);
            const PlotStrip strip = plot.panel(which);
            const PlotStrip::Layout parts = strip.layout(area, font);
            const double widestLabel =
                std::max(metrics.horizontalAdvance(PlotStrip::labelText(strip.low())),
                         metrics.horizontalAdvance(PlotStrip::labelText(strip.high())));
            for (const QRectF &label : {parts.upperLabel, parts.lowerLabel}) {
                QVERIFY(!label.intersects(parts.title));
                QVERIFY(!label.intersects(parts.legend));
                QVERIFY(area.contains(label));
                QVERIFY(label.height() >= metrics.height());
                QVERIFY(label.width() >= widestLabel);
            }
            QVERIFY(parts.plot.top() >= parts.title.bottom());
            QVERIFY(!parts.title.intersects(parts.legend));
        }
    }

    void recordingTextShowsNameAndTime()
    {
        QCOMPARE(ToolSettingPage::recordingText("/x/telemetry_20240102_030405.csv", 0),
                 QStringLiteral("Recording telemetry_20240102_030405.csv  00:00"));
        QCOMPARE(ToolSettingPage::recordingText("telemetry_1.csv", 61999),
                 QStringLiteral("Recording telemetry_1.csv  01:01"));
        QCOMPARE(ToolSettingPage::recordingText("t.csv", 3725000),
                 QStringLiteral("Recording t.csv  1:02:05"));
        QCOMPARE(TelemetryRecorder::fileNameFor(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5))),
                 QStringLiteral("telemetry_20240102_030405.csv"));
    }

    // The disk fills up during a recording: the file ends with its last whole row, and the
    // notice names the cause first, so that it survives being shortened.
    void fullDiskKeepsWholeRowsAndSaysWhy()
    {
        SmallDisk disk(path("small-disk"), 64);
        if (!disk.isMounted())
            QSKIP(qPrintable("no small disk for this test: " + disk.failure()));
        TelemetryRecorder recorder;
        QSignalSpy stopped(&recorder, &TelemetryRecorder::stopped);
        QString error;
        QVERIFY2(recorder.start(disk.path(), &error), qPrintable(error));
        QVERIFY(disk.fillUp());
        for (int row = 0; row < 500; ++row)
            recorder.recordCycle();
        recorder.stop();
        bool whole = false;
        const QStringList lines = csvLines(recorder.filePath(), &whole);
        QVERIFY2(whole, qPrintable(lines.last()));
        QVERIFY(lines.size() > 1);
        QVERIFY(lines.size() < 501);
        const int columns = QString(kCsvHeader).count(',');
        for (const QString &line : lines)
            QCOMPARE(line.count(','), columns);
        QCOMPARE(stopped.count(), 1);
        const QString reason = stopped.first().at(1).toString();
        QVERIFY2(reason.startsWith("the disk is full"), qPrintable(reason));
        QVERIFY2(reason.contains(QFileInfo(recorder.filePath()).fileName()), qPrintable(reason));
    }

    void recordingNeverOverwritesAndSaysWhenItCannotStart()
    {
        HomeRedirect home(path("home-refused"));
        TelemetryRecorder first, second;
        QString error;
        QVERIFY2(first.start(path("recordings"), &error), qPrintable(error));
        QVERIFY2(second.start(path("recordings"), &error), qPrintable(error));
        QVERIFY(first.filePath() != second.filePath());
        first.recordCycle();
        first.stop();
        second.stop();
        QCOMPARE(csvLines(first.filePath()).size(), 2);
        QCOMPARE(csvLines(second.filePath()), QStringList{kCsvHeader});

        // The documents folder cannot be made: a file is in its way.
        QFile blocker(path("home-refused/Documents"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(TelemetryRecorder::documentsFolder(), path("home-refused/Documents"));
        m_page->connectionChanged(true);
        QVERIFY(m_page->form()->pushButtonRecord->isEnabled());
        QString warning;
        QTimer::singleShot(100, [&warning] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                warning = box->text();
                box->close();
            }
        });
        m_page->form()->pushButtonRecord->click();
        QVERIFY2(warning.startsWith("Recording could not start: "), qPrintable(warning));
        QVERIFY(!m_page->form()->pushButtonRecord->isChecked());
        QVERIFY(!m_page->recorder()->isRecording());
    }

    void recordingAgainstSimulator()
    {
        FcsimProcess sim(path("recsim"));
        QVERIFY(QDir().mkpath(path("recsim")));
        QVERIFY(sim.start());
        HomeRedirect home(path("home"));
        const QString documents = path("home/Documents");
        PageUnderTest<contentWidget> fixture;
        Commrt *link = fixture.link();
        link->setTiming(quickLossTiming()); // the silence below only has to be told
        contentWidget &area = *fixture.page();
        ToolSettingPage *page = area.toolSettingPage();
        Ui::ToolSettingPageUi *ui = page->form();
        QSignalSpy shown(&area, &contentWidget::recordingStatusChanged);
        QVERIFY(!ui->pushButtonRecord->isEnabled()); // nothing to record yet
        link->start();
        link->setPortName(sim.linkPath());
        link->connectCom();
        QTRY_VERIFY_WITH_TIMEOUT(ui->pushButtonRecord->isEnabled(), kWaitMs);

        QSignalSpy cycles(link, &Commrt::telemetryChanged);
        ui->pushButtonRecord->click();
        QVERIFY(page->recorder()->isRecording());
        QVERIFY(ui->pushButtonRecord->isChecked());
        const QString file = page->recorder()->filePath();
        const QString name = QFileInfo(file).fileName();
        QCOMPARE(QFileInfo(file).absolutePath(), documents);
        QVERIFY2(QRegularExpression("^telemetry_\\d{8}_\\d{6}\\.csv$").match(name).hasMatch(),
                 qPrintable(name));
        // The header is there at once; rows follow while the recording runs.
        QCOMPARE(csvLines(file), QStringList{kCsvHeader});
        QCOMPARE(shown.last().at(0).toString(), "Recording " + name + "  00:00");
        QTRY_VERIFY_WITH_TIMEOUT(csvLines(file).size() >= 4, kWaitMs);
        bool whole = false;
        QString problem;
        QVERIFY(rowsLookRecorded(csvLines(file, &whole).mid(1), &problem));
        QVERIFY(whole);
        QVERIFY(page->recorder()->isRecording());
        QTRY_VERIFY_WITH_TIMEOUT(shown.last().at(0).toString() != "Recording " + name + "  00:00",
                                 kWaitMs);
        QVERIFY2(shown.last().at(0).toString().startsWith("Recording " + name + "  00:0"),
                 qPrintable(shown.last().at(0).toString()));

        // Another page in front: the recording goes on all the same.
        QListWidget pages;
        pages.addItems({"Setting", "Tool", "Info"});
        area.changePage(pages.item(0), nullptr);
        const int seen = cycles.count();
        QTRY_VERIFY_WITH_TIMEOUT(cycles.count() >= seen + 3, kWaitMs);

        // The scope takes the link's telemetry while it is open.
        page->openSensorScope();
        SensorScopeWindow *scope = page->sensorScope();
        QVERIFY(scope && scope->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(scope->plot()->sampleCount() >= 2, kWaitMs);
        scope->close();

        // Disconnect ends the recording with every cycle in the file.
        link->disconnectCom();
        QVERIFY(!page->recorder()->isRecording());
        QVERIFY(!ui->pushButtonRecord->isChecked());
        QVERIFY(!ui->pushButtonRecord->isEnabled());
        QCOMPARE(shown.last().at(0).toString(), "Saved " + name);
        QStringList rows = csvLines(file, &whole).mid(1);
        QVERIFY(whole);
        QCOMPARE(rows.size(), cycles.count());
        QVERIFY2(rowsLookRecorded(rows, &problem), qPrintable(problem));

        // A lost connection ends the next recording the same way.
        const int firstLines = csvLines(file).size();
        link->connectCom();
        QTRY_VERIFY_WITH_TIMEOUT(ui->pushButtonRecord->isEnabled(), kWaitMs);
        cycles.clear();
        ui->pushButtonRecord->click();
        const QString second = page->recorder()->filePath();
        QVERIFY(second != file);
        QTRY_VERIFY_WITH_TIMEOUT(cycles.count() >= 3, kWaitMs);
        sim.sendSignal(SIGUSR1); // the controller falls silent
        QTRY_VERIFY_WITH_TIMEOUT(!page->recorder()->isRecording(), kWaitMs);
        QVERIFY(!ui->pushButtonRecord->isEnabled());
        rows = csvLines(second, &whole).mid(1);
        QVERIFY(whole);
        QCOMPARE(rows.size(), cycles.count());
        QVERIFY2(rowsLookRecorded(rows, &problem), qPrintable(problem));
        QCOMPARE(csvLines(file).size(), firstLines); // the first recording stays as it was

        // The controller answers again and the link connects by itself; unplugged, the next
        // recording ends as well.
        sim.sendSignal(SIGUSR2);
        QTRY_VERIFY_WITH_TIMEOUT(ui->pushButtonRecord->isEnabled(), kWaitMs);
        cycles.clear();
        ui->pushButtonRecord->click();
        const QString third = page->recorder()->filePath();
        QTRY_VERIFY_WITH_TIMEOUT(cycles.count() >= 2, kWaitMs);
        sim.kill();
        QTRY_VERIFY_WITH_TIMEOUT(!page->recorder()->isRecording(), kWaitMs);
        rows = csvLines(third, &whole).mid(1);
        QVERIFY(whole);
        QCOMPARE(rows.size(), cycles.count());
        link->disconnectCom();
        link->stop();
    }

    void scopeChannelChoiceWindowAndPause()
    {
        m_page->openSensorScope();
        SensorScopeWindow *scope = m_page->sensorScope();
        QVERIFY(scope->isWindow());
        QVERIFY(scope->isVisible());
        scope->resize(1000, 700);
        QCOMPARE(scope->size(), QSize(1000, 700));
        ScopePlot *plot = scope->plot();
        QTreeWidget *tree = scope->form()->treeWidgetChannels;
        using C = ScopePlot::Channel;
        QCOMPARE(plot->channels(), (QVector<C>{C::GyroX, C::GyroY, C::GyroZ}));

        for (int i = 0; i <= 350; ++i) // 70 s at five cycles a second, roll rising 1 °/s
            plot->addSnapshot(i * 0.2, snapshotWithRoll(i * 0.2));
        QCOMPARE(plot->sampleCount(), 301); // only the last 60 s are kept

        channelItem(tree, "Attitude (degree)", "Roll")->setCheckState(0, Qt::Checked);
        QVERIFY(plot->channels().contains(C::Roll));
        QVector<PlotStrip> panels = plot->panels();
        QCOMPARE(panels.size(), 2);
        QCOMPARE(seriesNames(panels.at(0)), QStringList{"Roll"});
        QCOMPARE(seriesNames(panels.at(1)), (QStringList{"X", "Y", "Z"}));

        channelItem(tree, "Gyroscope (degree/s)", QString())->setCheckState(0, Qt::Unchecked);
        channelItem(tree, "RC channels", QString())->setCheckState(0, Qt::Checked);
        panels = plot->panels();
        QCOMPARE(panels.size(), 2);
        QCOMPARE(seriesNames(panels.at(1)),
                 (QStringList{"RC 1", "RC 2", "RC 3", "RC 4", "RC 5", "RC 6", "RC 7", "RC 8"}));
        QVERIFY(!plot->channels().contains(C::GyroX));

        // The window: the last 10 s show roll 60..70, the last 60 s roll 10..70.
        QCOMPARE(plot->windowSeconds(), 10.0);
        QVERIFY(plot->panels().at(0).low() >= 50.0 && plot->panels().at(0).high() >= 70.0);
        scope->form()->comboBoxWindow->setCurrentIndex(1);
        QCOMPARE(plot->windowSeconds(), 60.0);
        QVERIFY(plot->panels().at(0).low() <= 10.0 && plot->panels().at(0).high() >= 70.0);
        scope->form()->comboBoxWindow->setCurrentIndex(0);

        // Paused, the picture holds while the samples keep coming.
        scope->form()->pushButtonPause->click();
        QVERIFY(plot->isPaused());
        for (int i = 351; i <= 500; ++i)
            plot->addSnapshot(i * 0.2, snapshotWithRoll(i * 0.2));
        QVERIFY(plot->panels().at(0).high() < 100.0);
        scope->form()->pushButtonPause->click();
        QVERIFY(!plot->isPaused());
        QVERIFY(plot->panels().at(0).high() >= 100.0);

        const QImage picture = plot->grab().toImage();
        QVERIFY(!picture.isNull());

        // Closed, it takes nothing; opened again, it starts afresh with the same choice.
        scope->close();
        const int kept = plot->sampleCount();
        scope->takeTelemetry();
        QCOMPARE(plot->sampleCount(), kept);
        m_page->openSensorScope();
        QCOMPARE(m_page->sensorScope(), scope);
        QCOMPARE(plot->sampleCount(), 0);
        QVERIFY(plot->channels().contains(C::Roll));
        scope->takeTelemetry();
        QCOMPARE(plot->sampleCount(), 1);
    }

    // "Open Recording..." asks for a file and opens it in a window of its own, each time anew; a
    // cancelled choice opens nothing.
    void openRecordingOpensTheChosenFileInAViewer()
    {
        HomeRedirect home(path("home-open"));
        const QString recording = path("flight.csv");
        QVERIFY(recordingfiles::write(recording, recordingfiles::recording(40)));
        Commrt *link = Commrt::createClass();
        {
            contentWidget area(nullptr, link);
            ToolSettingPage *page = area.toolSettingPage();
            QSignalSpy requests(page, &ToolSettingPage::recordingRequested);
            for (const QString &chosen : {recording, recording, QString()}) {
                ModalAnswerer answerer([&](QFileDialog *dialog) {
                    if (chosen.isEmpty())
                        dialog->reject();
                    else
                        modal::chooseFile(dialog, chosen);
                });
                page->form()->pushButtonOpenRecording->click();
                QCOMPARE(answerer.fileDialogs, 1);
            }
            QCOMPARE(requests.count(), 3);
            const auto shownViewers = [page] {
                QList<RecordingViewerWindow *> shown;
                for (RecordingViewerWindow *viewer :
                     page->findChildren<RecordingViewerWindow *>()) {
                    if (viewer->isVisible() && !viewer->isReading())
                        shown.append(viewer);
                }
                return shown;
            };
            QTRY_COMPARE_WITH_TIMEOUT(shownViewers().size(), 2, kWaitMs);
            QTest::qWait(200);
            QCOMPARE(page->findChildren<RecordingViewerWindow *>().size(), 2);
            for (RecordingViewerWindow *viewer : shownViewers()) {
                QVERIFY(viewer->isWindow());
                QCOMPARE(viewer->filePath(), recording);
                QCOMPARE(viewer->plot()->recording().rowCount(), 40);
                viewer->close();
            }
            QTRY_VERIFY(page->findChildren<RecordingViewerWindow *>().isEmpty());
        }
        Commrt::destroyClass(link);
    }

    void scopePanelsShareOneTimeAxisAndHeadingWrapsWithoutALine()
    {
        ScopePlot plot;
        plot.resize(900, 700);
        using C = ScopePlot::Channel;
        plot.setChannels({C::Roll, C::Pitch, C::Heading, C::Voltage, C::Rc1, C::Compass});
        // Heading turns through north (350 -> 10) in the middle of the 10 s window, roll stays
        // within a few degrees; RC values (up to 700) need wider labels than the voltage.
        for (int i = 0; i <= 50; ++i) {
            fclink::TelemetrySnapshot snapshot = snapshotWithRoll(2.0 + (i % 3));
            snapshot.heading = std::fmod(350.0 + i * 0.4, 360.0);
            plot.addSnapshot(i * 0.2, snapshot);
        }
        const QVector<PlotStrip> panels = plot.panels();
        const QVector<QRectF> areas = plot.panelAreas(panels.size());
        const QFont font = PlotStrip::labelFont(plot.font());
        QCOMPARE(panels.size(), 5);

        // One time axis: every panel's plot spans the same x range and has the same grid.
        const QRectF first = panels.at(0).layout(areas.at(0), font).plot;
        for (int i = 0; i < panels.size(); ++i) {
            const QRectF plotArea = panels.at(i).layout(areas.at(i), font).plot;
            QCOMPARE(plotArea.left(), first.left());
            QCOMPARE(plotArea.right(), first.right());
            QCOMPARE(panels.at(i).timeGridX(plotArea), panels.at(0).timeGridX(first));
        }
        QCOMPARE(panels.at(0).timeGridX(first).size(), 4);

        // Heading has its own panel and a scale of its own; roll and pitch keep a narrow one.
        QCOMPARE(seriesNames(panels.at(0)), (QStringList{"Roll", "Pitch"}));
        QCOMPARE(seriesNames(panels.at(1)), QStringList{"Heading"});
        QCOMPARE(panels.at(1).low(), 0.0);
        QCOMPARE(panels.at(1).high(), 360.0);
        QVERIFY(panels.at(0).high() - panels.at(0).low() <= 20.0);

        // The same sample time lies at the same x in every panel.
        const QRectF headingPlot = panels.at(1).layout(areas.at(1), font).plot;
        const QVector<QPolygonF> rollPieces =
            panels.at(0).linePieces(panels.at(0).series().at(0), first);
        const QVector<QPolygonF> headingPieces =
            panels.at(1).linePieces(panels.at(1).series().at(0), headingPlot);
        QCOMPARE(rollPieces.size(), 1);
        QCOMPARE(headingPieces.size(), 2); // broken at the wrap
        QCOMPARE(headingPieces.at(0).size() + headingPieces.at(1).size(), rollPieces.at(0).size());
        for (int i = 0; i < rollPieces.at(0).size(); ++i) {
            const int inFirst = headingPieces.at(0).size();
            const QPointF heading =
                i < inFirst ? headingPieces.at(0).at(i) : headingPieces.at(1).at(i - inFirst);
            QCOMPARE(heading.x(), rollPieces.at(0).at(i).x());
        }

        // Painted, nothing crosses the middle of the heading panel: no line joins 359 and 0.
        QImage image(plot.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setFont(plot.font());
            panels.at(1).paintLines(painter, areas.at(1));
        }
        int painted = 0;
        int acrossMiddle = 0;
        for (int y = int(headingPlot.top()) + 1; y < int(headingPlot.bottom()); ++y) {
            for (int x = int(headingPlot.left()); x < int(headingPlot.right()); ++x) {
                if (qAlpha(image.pixel(x, y)) == 0)
                    continue;
                ++painted;
                const double fromTop = (y - headingPlot.top()) / headingPlot.height();
                if (fromTop > 0.25 && fromTop < 0.75)
                    ++acrossMiddle;
            }
        }
        QVERIFY(painted > 0);
        QCOMPARE(acrossMiddle, 0);
    }

    void recordScopeAndOpenRecordingTextsFit_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Chinese") << 1;
        QTest::newRow("German") << 2;
    }

    void recordScopeAndOpenRecordingTextsFit()
    {
        QFETCH(int, language);
        QTranslator translator;
        QVERIFY(translator.load(AppSettings::translationFile(quint8(language))));
        QCoreApplication::installTranslator(&translator);
        PageUnderTest<contentWidget> fixture; // with the pages' style sheet
        contentWidget &area = *fixture.page();
        area.resize(850, 435);
        area.show();
        ToolSettingPage *page = area.toolSettingPage();
        area.pageStack()->setCurrentIndex(1);
        QPushButton *record = page->form()->pushButtonRecord;
        auto fits = [](QPushButton *button, const QString &text) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            if (button->isChecked())
                option.state |= QStyle::State_On;
            const QRect contents =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            return button->fontMetrics().horizontalAdvance(text) <= contents.width();
        };
        QVERIFY2(fits(record, record->text()), qPrintable(record->text()));
        for (QPushButton *button :
             {page->form()->pushButtonScope, page->form()->pushButtonOpenRecording})
            QVERIFY2(fits(button, button->text()), qPrintable(button->text()));
        // While recording the button says how to stop.
        page->connectionChanged(true);
        HomeRedirect home(path("home-fit"));
        record->click();
        QVERIFY(record->isChecked());
        QVERIFY2(fits(record, record->text()), qPrintable(record->text()));
        record->click();
        QCoreApplication::removeTranslator(&translator);
    }

    void telemetryFormattingImportAndFlashAgainstSimulator()
    {
        FcsimProcess sim(path("sim"));
        QVERIFY(QDir().mkpath(path("sim")));
        QVERIFY(sim.start({"--command-delay", "200", "--state", path("sim/state.conf")}));
        PageUnderTest<contentWidget> fixture;
        Commrt *link = fixture.link();
        contentWidget &area = *fixture.page();
        ToolSettingPage *page = area.toolSettingPage();
        area.show();
        QSignalSpy status(link, &Commrt::statusChangedText);
        QVERIFY(fixture.connectTo(sim.linkPath(), kWaitMs));

        // The plot only grows while the page is shown.
        page->updateTelemetryInfo();
        QCOMPARE(page->form()->widgetSensorPlot->samples().size(), 0);
        area.pageStack()->setCurrentIndex(1);

        // Formatting, with the values the decoder would store.
        g_diagnosisInfo = {3.0f, 4.0f, 0.0f, 0.0f, 0.0f, 9.81f, 12.34f, 200};
        g_attitude_pitch = -12.3;
        g_attitude_roll = 0.04;
        g_attitude_heading = 0.0;
        page->updateTelemetryInfo();
        Ui::ToolSettingPageUi *ui = page->form();
        QCOMPARE(ui->lineEditGyroX->text(), QStringLiteral("3.0"));
        QCOMPARE(ui->lineEditGyroY->text(), QStringLiteral("4.0"));
        QCOMPARE(ui->lineEditGyroZ->text(), QStringLiteral("0.0"));
        QCOMPARE(ui->lineEditGyroMod->text(), QStringLiteral("5.0"));
        QCOMPARE(ui->lineEditAccZ->text(), QStringLiteral("9.8"));
        QCOMPARE(ui->lineEditAccMod->text(), QStringLiteral("9.8"));
        QCOMPARE(ui->lineEditPitch->text(), QStringLiteral("-12.3"));
        QCOMPARE(ui->lineEditRoll->text(), QStringLiteral("0.0"));
        QCOMPARE(ui->lineEditHeading->text(), QStringLiteral("0.0"));
        QCOMPARE(ui->lineEditCompass->text(), QStringLiteral("200"));
        QCOMPARE(ui->lineEditAltitude->text(), QStringLiteral("12.3"));
        QCOMPARE(ui->widgetSensorPlot->samples().size(), 1);

        // Importing a file: the controller ends up holding exactly the file.
        QRandomGenerator random(99);
        const fclink::BlockImage wanted = randomBlock(random);
        QVERIFY(fclink::saveParameterFile(path("wanted.conf"), wanted, nullptr));
        QString error;
        QVERIFY2(page->importParametersFrom(path("wanted.conf"), &error), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(status.contains(QVariantList{quint16(4)}), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(sim.block(), wanted, kWaitMs);

        QTest::mouseClick(ui->pushButtonWriteToFlash, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(status.contains(QVariantList{quint16(6)}), kWaitMs);
        fclink::BlockImage flashed;
        QVERIFY(fclink::loadParameterFileStrict(path("sim/state.conf"), &flashed, nullptr));
        QCOMPARE(flashed, wanted);
        link->disconnectCom();
        link->stop();
    }

    void flashFailureIsReported()
    {
        FcsimProcess sim(path("simfail"));
        QVERIFY(QDir().mkpath(path("simfail")));
        QVERIFY(sim.start({"--command-delay", "200", "--fail", "2"}));
        PageUnderTest<ToolSettingPage> fixture;
        Commrt *link = fixture.link();
        ToolSettingPage &page = *fixture.page();
        QSignalSpy status(link, &Commrt::statusChangedText);
        QVERIFY(fixture.connectTo(sim.linkPath(), kWaitMs));
        page.writeToFlash();
        QTRY_VERIFY_WITH_TIMEOUT(status.contains(QVariantList{quint16(7)}), kWaitMs);
        link->stop();
    }
};

QTEST_MAIN(TestToolSettingPage)
#include "tst_toolsettingpage.moc"
