// The tools page: telemetry fields, command buttons, parameter files, and the page against the
// simulator for import and flash.
#include "appsettings.h"
#include "backdropcache.h"
#include "blockaccess.h"
#include "commrt.h"
#include "contentwidget.h"
#include "fcsimprocess.h"
#include "parameterfields.h"
#include "parameterfile.h"
#include "parameterslices.h"
#include "sensorplot.h"
#include "telemetry.h"
#include "toolsettingpage.h"
#include "uavparam.h"
#include "ui_toolsettingpage.h"

#include <QtTest>
#include <QtWidgets>

#include <cstring>

using blockaccess::blockNow;
using blockaccess::randomBlock;
using blockaccess::setBlock;

namespace {

constexpr int kWaitMs = 10000;

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
        m_link = Commrt::createClass();
        m_page = new ToolSettingPage(nullptr, m_link);
    }

    void cleanup()
    {
        delete m_page;
        Commrt::destroyClass(m_link);
    }

    void notConnectedLeavesTheFields()
    {
        g_diagnosisInfo.gyroX = 3.0f;
        m_page->form()->lineEditGyroX->setText("keep");
        m_page->updateTelemetryInfo();
        QCOMPARE(m_page->form()->lineEditGyroX->text(), QStringLiteral("keep"));
        QVERIFY(m_page->form()->widgetSensorPlot->samples().isEmpty());
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
        QVector<quint8> bytes(fclink::kParameterBlockSize, 0);
        bytes[46] = 5;
        bytes[47] = 7;
        bytes[58] = 0x18;
        bytes[59] = 0xFC;
        bytes[76] = 0xBC;
        bytes[77] = 0x04;
        setBlock(bytes);
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
            const QVector<quint8> original = randomBlock(random);
            setBlock(original);
            QString error;
            QVERIFY(m_page->exportParametersTo(path("random.conf"), &error));
            setBlock(QVector<quint8>(fclink::kParameterBlockSize, 0));
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
        const QVector<quint8> before = randomBlock(random);
        setBlock(before);
        const QString file = editedFile("refused.conf", key, value);
        QVERIFY(!file.isEmpty());
        QSignalSpy loaded(m_page, &ToolSettingPage::configurationLoaded);
        const quint64 uploads = m_link->headChoices();
        QString error;
        QVERIFY(!m_page->importParametersFrom(file, &error));
        QVERIFY2(error.startsWith("Invalid parameter file: "), qPrintable(error));
        QVERIFY2(error.contains(problem), qPrintable(error));
        QVERIFY2(error.contains("refused.conf"), qPrintable(error));
        QCOMPARE(blockNow(), before);
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(m_link->headChoices(), uploads);
    }

    void refusesFilesThatAreNoParameterFiles()
    {
        const QVector<quint8> before = blockNow();
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

    // Without a connection an imported file would only be read over by the next connection:
    // the page refuses before any file dialog opens, and nothing changes.
    void importWhileDisconnectedIsRefused()
    {
        QRandomGenerator random(11);
        const QVector<quint8> before = randomBlock(random);
        setBlock(before);
        QSignalSpy loaded(m_page, &ToolSettingPage::configurationLoaded);
        QString shown;
        bool sawFileDialog = false;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                sawFileDialog = true;
                dialog->reject();
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                shown = box->text();
                box->accept();
            }
        });
        m_page->improtParameters();
        QVERIFY(!sawFileDialog);
        QCOMPARE(shown,
                 QStringLiteral("Connect the flight controller before importing parameters"));
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

    void telemetryFormattingImportAndFlashAgainstSimulator()
    {
        FcsimProcess sim(path("sim"));
        QVERIFY(QDir().mkpath(path("sim")));
        QVERIFY(sim.start({"--command-delay", "200", "--state", path("sim/state.conf")}));
        Commrt *link = Commrt::createClass();
        {
            contentWidget area(nullptr, link);
            ToolSettingPage *page = area.toolSettingPage();
            area.show();
            QSignalSpy status(link, &Commrt::statusChangedText);
            QSignalSpy read(link, &Commrt::parametersChanged);
            link->start();
            link->setPortName(sim.linkPath());
            link->connectCom();
            QVERIFY(read.wait(kWaitMs));

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
            const QVector<quint8> wanted = randomBlock(random);
            QVERIFY(fclink::saveParameterFile(path("wanted.conf"), wanted.constData(), nullptr));
            QString error;
            QVERIFY2(page->importParametersFrom(path("wanted.conf"), &error), qPrintable(error));
            QTRY_VERIFY_WITH_TIMEOUT(status.contains(QVariantList{quint16(4)}), kWaitMs);
            QTRY_COMPARE_WITH_TIMEOUT(sim.block(), wanted, kWaitMs);

            QTest::mouseClick(ui->pushButtonWriteToFlash, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(status.contains(QVariantList{quint16(6)}), kWaitMs);
            QVector<quint8> flashed(fclink::kParameterBlockSize);
            QVERIFY(
                fclink::loadParameterFileStrict(path("sim/state.conf"), flashed.data(), nullptr));
            QCOMPARE(flashed, wanted);
            link->disconnectCom();
            link->stop();
        }
        Commrt::destroyClass(link);
    }

    void flashFailureIsReported()
    {
        FcsimProcess sim(path("simfail"));
        QVERIFY(QDir().mkpath(path("simfail")));
        QVERIFY(sim.start({"--command-delay", "200", "--fail", "2"}));
        Commrt *link = Commrt::createClass();
        {
            ToolSettingPage page(nullptr, link);
            QSignalSpy status(link, &Commrt::statusChangedText);
            QSignalSpy read(link, &Commrt::parametersChanged);
            link->start();
            link->setPortName(sim.linkPath());
            link->connectCom();
            QVERIFY(read.wait(kWaitMs));
            page.writeToFlash();
            QTRY_VERIFY_WITH_TIMEOUT(status.contains(QVariantList{quint16(7)}), kWaitMs);
            link->stop();
        }
        Commrt::destroyClass(link);
    }
};

QTEST_MAIN(TestToolSettingPage)
#include "tst_toolsettingpage.moc"
