#include "toolsettingpage.h"

#include "backdropcache.h"
#include "editaccess.h"
#include "fclink/link/commrt.h"
#include "fclink/link/parameterslices.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/telemetry.h"
#include "fclink/storage/parameterfile.h"
#include "product/fontscale.h"
#include "sensorplot.h"
#include "sensorscopewindow.h"
#include "skydesk/common/textroom.h"
#include "telemetryrecorder.h"
#include "ui_toolsettingpage.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <cmath>

namespace {

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

// A field is repainted, with the page's backgrounds under its rounded frame, only when its text
// changes.
void showText(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

double magnitude(float x, float y, float z)
{
    return std::sqrt(double(x) * x + double(y) * y + double(z) * z);
}

} // namespace

ToolSettingPage::ToolSettingPage(QWidget *parent, Commrt *link)
    : QWidget(parent), m_ui(new Ui::ToolSettingPageUi), m_link(link)
{
    m_ui->setupUi(this);
    FontScale::scaleForm(this);
    TextRoom::makeRoomWhenShown(this);
    m_ui->pushButtonRestoreDefaultSettings->hide();
    m_clock.start();
    // The readings and the plot repaint with every telemetry cycle.
    for (QWidget *live : findChildren<QLineEdit *>())
        BackdropCache::attach(live);
    BackdropCache::attach(m_ui->widgetSensorPlot);
    connect(m_ui->pushButtonExportParameters, &QPushButton::clicked, this,
            &ToolSettingPage::exportParameters);
    connect(m_ui->pushButtonImportParameters, &QPushButton::clicked, this,
            &ToolSettingPage::improtParameters);
    connect(m_ui->pushButtonWriteToFlash, &QPushButton::clicked, this,
            &ToolSettingPage::writeToFlash);
    connect(m_ui->pushButtonCalibAcc, &QPushButton::clicked, this, &ToolSettingPage::calibAcc);
    connect(m_ui->pushButtonCalibGyro, &QPushButton::clicked, this, &ToolSettingPage::calibGyro);
    connect(m_ui->pushButtonHistory, &QPushButton::clicked, this,
            &ToolSettingPage::historyRequested);
    const QPair<QPushButton *, void (ToolSettingPage::*)()> offline[] = {
        {m_ui->pushButtonOpenConfiguration, &ToolSettingPage::openConfigurationRequested},
        {m_ui->pushButtonNewFromDefaults, &ToolSettingPage::newFromDefaultsRequested},
        {m_ui->pushButtonSaveConfiguration, &ToolSettingPage::saveConfigurationRequested},
        {m_ui->pushButtonSaveConfigurationAs, &ToolSettingPage::saveConfigurationAsRequested},
        {m_ui->pushButtonApplyPreset, &ToolSettingPage::applyPresetRequested},
        {m_ui->pushButtonSaveAsPreset, &ToolSettingPage::saveAsPresetRequested},
    };
    for (const auto &button : offline)
        connect(button.first, &QPushButton::clicked, this, button.second);
    // Two buttons share a row of the group: the sheet's wide padding would cut their texts.
    for (QPushButton *button : m_ui->groupBoxConfig->findChildren<QPushButton *>())
        button->setStyleSheet(QStringLiteral("padding: 3px 4px;"));
    setOfflineOpen(false);

    // The recording and the scope take every cycle, whichever page is shown.
    m_recorder = new TelemetryRecorder(this);
    connect(m_link, &Commrt::telemetryChanged, m_recorder, &TelemetryRecorder::recordCycle);
    connect(m_link, &Commrt::connectionChanged, this, &ToolSettingPage::connectionChanged);
    connect(m_recorder, &TelemetryRecorder::progressed, this,
            [this](const QString &path, qint64 elapsed) {
                emit recordingStatusChanged(recordingText(path, elapsed));
            });
    connect(m_recorder, &TelemetryRecorder::stopped, this, &ToolSettingPage::recordingStopped);
    connect(m_ui->pushButtonRecord, &QPushButton::toggled, this, &ToolSettingPage::recordToggled);
    connect(m_ui->pushButtonScope, &QPushButton::clicked, this, &ToolSettingPage::openSensorScope);
    connect(m_ui->pushButtonOpenRecording, &QPushButton::clicked, this,
            &ToolSettingPage::recordingRequested);
    m_ui->pushButtonRecord->setEnabled(m_link->isConnected());
    showReadingsLive(m_link->isConnected());
    nameReadings();
}

// A screen reader hears each reading with its quantity, axis and unit: the captions beside the
// fields say only "X" or "Pitch", and the unit stands in the group's title.
void ToolSettingPage::nameReadings()
{
    const QString gyro = tr("Gyroscope");
    const QString acceleration = tr("Acceleration");
    const QString degreesPerSecond = tr("degrees per second");
    const QString metresPerSecondSquared = tr("metres per second squared");
    const QString degrees = tr("degrees");
    const QString x = tr("X"), y = tr("Y"), z = tr("Z"), total = tr("magnitude");
    const struct
    {
        QLineEdit *field;
        QString quantity;
        QString unit;
    } readings[] = {
        {m_ui->lineEditGyroX, gyro + QLatin1Char(' ') + x, degreesPerSecond},
        {m_ui->lineEditGyroY, gyro + QLatin1Char(' ') + y, degreesPerSecond},
        {m_ui->lineEditGyroZ, gyro + QLatin1Char(' ') + z, degreesPerSecond},
        {m_ui->lineEditGyroMod, gyro + QLatin1Char(' ') + total, degreesPerSecond},
        {m_ui->lineEditAccX, acceleration + QLatin1Char(' ') + x, metresPerSecondSquared},
        {m_ui->lineEditAccY, acceleration + QLatin1Char(' ') + y, metresPerSecondSquared},
        {m_ui->lineEditAccZ, acceleration + QLatin1Char(' ') + z, metresPerSecondSquared},
        {m_ui->lineEditAccMod, acceleration + QLatin1Char(' ') + total, metresPerSecondSquared},
        {m_ui->lineEditCompass, tr("Compass error"), QString()},
        {m_ui->lineEditPitch, tr("Pitch"), degrees},
        {m_ui->lineEditRoll, tr("Roll"), degrees},
        {m_ui->lineEditHeading, tr("Heading"), degrees},
        {m_ui->lineEditAltitude, tr("Altitude"), tr("metres")},
    };
    for (const auto &reading : readings) {
        reading.field->setAccessibleName(reading.unit.isEmpty()
                                             ? reading.quantity
                                             : tr("%1, %2").arg(reading.quantity, reading.unit));
    }
}

void ToolSettingPage::showReadingsLive(bool live)
{
    // Without a connection the fields keep the last values, greyed so that nobody takes them
    // for what the aircraft measures now.
    const QList<QGroupBox *> readings{m_ui->groupBoxGyro, m_ui->groupBoxAcc, m_ui->groupBoxCompass,
                                      m_ui->groupBoxAttitude, m_ui->groupBoxAltitude};
    for (QGroupBox *group : readings)
        group->setEnabled(live);
}

ToolSettingPage::~ToolSettingPage()
{
    delete m_ui;
}

QString ToolSettingPage::withConfSuffix(const QString &chosenName)
{
    if (chosenName.right(5).toLower() == QLatin1String(".conf"))
        return chosenName;
    return chosenName + QStringLiteral(".conf");
}

bool ToolSettingPage::exportParametersTo(const QString &chosenName, QString *error)
{
    QString reason;
    if (fclink::saveParameterFile(withConfSuffix(chosenName), fclink::ParameterBlock::copy(),
                                  &reason))
        return true;
    if (error)
        *error = tr("Cannot save the parameter file: %1").arg(reason);
    return false;
}

bool ToolSettingPage::importParametersFrom(const QString &fileName, QString *error)
{
    fclink::BlockImage block;
    QString reason;
    // The whole file is checked before anything changes: a wrong or damaged file must never
    // reach the aircraft as zeros or cut-off values.
    if (!fclink::loadParameterFileStrict(fileName, &block, &reason)) {
        if (error)
            *error = tr("Invalid parameter file: %1\n%2")
                         .arg(QDir::toNativeSeparators(fileName), reason);
        return false;
    }
    emit aboutToImport();
    fclink::ParameterBlock::replace(block);
    emit configurationLoaded();
    return true;
}

// The dialog is given the suffix so that its own overwrite question names the file that is
// written. Qt's dialog is used everywhere, as it adds the suffix before that question. A name
// with another suffix still gets ".conf" appended afterwards, and is asked about here.
void ToolSettingPage::exportParameters()
{
    QFileDialog dialog(this, tr("Save Config File"), QStringLiteral("."), tr("ConfigFile(*.conf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("conf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().first();
    const QString target = withConfSuffix(chosen);
    if (target != chosen && QFileInfo::exists(target) &&
        QMessageBox::question(this, tr("Save Config File"),
                              tr("%1 already exists.\nDo you want to replace it?")
                                  .arg(QDir::toNativeSeparators(target))) != QMessageBox::Yes)
        return;
    QString error;
    if (!exportParametersTo(chosen, &error))
        QMessageBox::warning(this, tr("Export Parameters"), error);
}

// Without a controller the file is opened offline: the pages show it and edits change it, and a
// later connection compares it with the controller before anything is sent.
void ToolSettingPage::improtParameters()
{
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("Open Config File"), QStringLiteral("."), tr("ConfigFile(*.conf)"));
    if (chosen.isEmpty())
        return;
    if (!m_link->isConnected() || m_offlineOpen) {
        emit openOfflineRequested(chosen);
        return;
    }
    QString error;
    if (!importParametersFrom(chosen, &error))
        QMessageBox::warning(this, tr("Import Parameters"), error);
}

void ToolSettingPage::setEditable(bool editable, const QString &whyNot)
{
    QWidget *const buttons[] = {m_ui->pushButtonImportParameters, m_ui->pushButtonApplyPreset,
                                m_ui->pushButtonSaveAsPreset};
    for (QWidget *button : buttons)
        EditAccess::setControlEditable(button, editable, whyNot);
    setCommandsAvailable(editable, whyNot);
}

void ToolSettingPage::setCommandsAvailable(bool available, const QString &whyNot)
{
    QWidget *const buttons[] = {m_ui->pushButtonWriteToFlash, m_ui->pushButtonCalibAcc,
                                m_ui->pushButtonCalibGyro};
    for (QWidget *button : buttons)
        EditAccess::setControlEditable(button, available, whyNot);
}

void ToolSettingPage::setImportAvailable(bool available, const QString &whyNot)
{
    EditAccess::setControlEditable(m_ui->pushButtonImportParameters, available, whyNot);
}

void ToolSettingPage::setOfflineOpen(bool open)
{
    m_offlineOpen = open;
    const QString whyNot = tr("No configuration is open offline");
    for (QWidget *button : {m_ui->pushButtonSaveConfiguration, m_ui->pushButtonSaveConfigurationAs})
        EditAccess::setControlEditable(button, open, whyNot);
}

void ToolSettingPage::restoreDefaultSettings() {}

void ToolSettingPage::writeToFlash()
{
    m_link->writeFlash();
    emit noticeStatusChanged(tr("Write flash now..."));
}

void ToolSettingPage::calibAcc()
{
    m_link->calibrate(fclink::Sensor::Accelerometers);
    emit noticeStatusChanged(tr("Calibrate accelerometers now..."));
}

void ToolSettingPage::calibGyro()
{
    m_link->calibrate(fclink::Sensor::Gyros);
    emit noticeStatusChanged(tr("Calibrate gyros now..."));
}

QString ToolSettingPage::recordingText(const QString &filePath, qint64 elapsedMs)
{
    const qint64 seconds = elapsedMs / 1000;
    const QString elapsed = seconds >= 3600 ? QStringLiteral("%1:%2:%3")
                                                  .arg(seconds / 3600)
                                                  .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                                  .arg(seconds % 60, 2, 10, QLatin1Char('0'))
                                            : QStringLiteral("%1:%2")
                                                  .arg(seconds / 60, 2, 10, QLatin1Char('0'))
                                                  .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return tr("Recording %1  %2").arg(QFileInfo(filePath).fileName(), elapsed);
}

void ToolSettingPage::recordToggled(bool on)
{
    if (!on) {
        m_recorder->stop();
        return;
    }
    if (m_recorder->isRecording())
        return;
    QString error;
    if (!m_recorder->start(TelemetryRecorder::documentsFolder(), &error)) {
        m_ui->pushButtonRecord->setChecked(false);
        emit recordingStatusChanged(QString());
        QMessageBox::warning(this, tr("Record"), tr("Recording could not start: %1").arg(error));
        return;
    }
    m_ui->pushButtonRecord->setText(tr("Stop Recording"));
    emit recordingStatusChanged(recordingText(m_recorder->filePath(), 0));
}

void ToolSettingPage::recordingStopped(const QString &filePath, const QString &error)
{
    m_ui->pushButtonRecord->setChecked(false);
    m_ui->pushButtonRecord->setText(tr("Record"));
    const QString name = QFileInfo(filePath).fileName();
    emit recordingStatusChanged(error.isEmpty() ? tr("Saved %1").arg(name)
                                                : tr("Recording stopped: %1").arg(error));
}

void ToolSettingPage::connectionChanged(bool connected)
{
    // A recording holds one unbroken connection; after a loss the user starts a new one.
    if (!connected)
        m_recorder->stop();
    m_ui->pushButtonRecord->setEnabled(connected);
    showReadingsLive(connected);
}

void ToolSettingPage::openSensorScope()
{
    if (!m_scope)
        m_scope = new SensorScopeWindow(this, m_link);
    m_scope->show();
    m_scope->raise();
    m_scope->activateWindow();
}

void ToolSettingPage::showEvent(QShowEvent *event)
{
    // The plot shows a continuous stretch of telemetry; what came before the page was hidden
    // would leave a gap in it.
    m_ui->widgetSensorPlot->clear();
    QWidget::showEvent(event);
}

void ToolSettingPage::updateTelemetryInfo()
{
    if (!m_link->isConnected())
        return;
    const DiagnosisInfo info = g_diagnosisInfo;
    showText(m_ui->lineEditGyroX, oneDecimal(info.gyroX));
    showText(m_ui->lineEditGyroY, oneDecimal(info.gyroY));
    showText(m_ui->lineEditGyroZ, oneDecimal(info.gyroZ));
    showText(m_ui->lineEditAccX, oneDecimal(info.accX));
    showText(m_ui->lineEditAccY, oneDecimal(info.accY));
    showText(m_ui->lineEditAccZ, oneDecimal(info.accZ));
    showText(m_ui->lineEditGyroMod, oneDecimal(magnitude(info.gyroX, info.gyroY, info.gyroZ)));
    showText(m_ui->lineEditAccMod, oneDecimal(magnitude(info.accX, info.accY, info.accZ)));
    showText(m_ui->lineEditPitch, oneDecimal(g_attitude_pitch));
    showText(m_ui->lineEditRoll, oneDecimal(g_attitude_roll));
    showText(m_ui->lineEditHeading, oneDecimal(g_attitude_heading));
    showText(m_ui->lineEditCompass, QString::number(info.compassError));
    showText(m_ui->lineEditAltitude, oneDecimal(info.altitude));

    if (isVisible()) {
        m_ui->widgetSensorPlot->addSample({m_clock.elapsed() / 1000.0,
                                           {info.gyroX, info.gyroY, info.gyroZ},
                                           {info.accX, info.accY, info.accZ}});
    }
}
