#ifndef SKYDESK_TOOLSETTINGPAGE_H
#define SKYDESK_TOOLSETTINGPAGE_H

#include <QElapsedTimer>
#include <QWidget>

class Commrt;
class SensorScopeWindow;
class TelemetryRecorder;

namespace Ui {
class ToolSettingPageUi;
}

// The tools page ("Tool"): parameter files, sensor calibrations, writing to flash, and the live
// sensor readings with their rolling plots.
class ToolSettingPage : public QWidget
{
    Q_OBJECT

public:
    ToolSettingPage(QWidget *parent, Commrt *link);
    ~ToolSettingPage() override;

    Ui::ToolSettingPageUi *form() const { return m_ui; }
    TelemetryRecorder *recorder() const { return m_recorder; }
    // Null until the scope is first opened.
    SensorScopeWindow *sensorScope() const { return m_scope; }

    // The status bar's text while recording: the file name and the time recorded so far.
    static QString recordingText(const QString &filePath, qint64 elapsedMs);

    // The page shows no field of the parameter block, so there is nothing to bring up to date.
    void refreshPage() {}
    // Whether the buttons that change the controller (import, flash, calibrations) take
    // clicks; while they do not, they are disabled and say why.
    void setEditable(bool editable, const QString &whyNot = QString());
    // Whether the calibrations and the flash can be used while the parameters take edits (not
    // while a configuration is edited offline).
    void setCommandsAvailable(bool available, const QString &whyNot = QString());
    // Whether "Import Parameters" takes clicks (without a controller it opens the file offline).
    void setImportAvailable(bool available, const QString &whyNot = QString());
    // Whether an offline configuration is open: its save buttons take clicks only then.
    void setOfflineOpen(bool open);

    // The name an export writes: the chosen name with ".conf" appended unless it already ends
    // so (in any letter case).
    static QString withConfSuffix(const QString &chosenName);

    // Saves the parameter block under chosenName (suffix rule applied). False with a message
    // when the file cannot be written.
    bool exportParametersTo(const QString &chosenName, QString *error);
    // Loads a parameter file into the block and announces it, or refuses the whole file with a
    // message naming the first problem; a refused file changes nothing. The caller makes sure
    // the link is connected (without a controller improtParameters() opens the file offline).
    bool importParametersFrom(const QString &fileName, QString *error);

signals:
    void configurationLoaded();
    // A checked parameter file is about to replace the block (which still holds the
    // controller's configuration).
    void aboutToImport();
    void historyRequested();
    // The offline configuration's buttons: the page area carries them out.
    void openConfigurationRequested();
    void newFromDefaultsRequested();
    void saveConfigurationRequested();
    void saveConfigurationAsRequested();
    void applyPresetRequested();
    void saveAsPresetRequested();
    // An import without a controller: the file is opened offline.
    void openOfflineRequested(const QString &fileName);
    // "Open Recording...": the shell asks for a recording and opens it in a viewer.
    void recordingRequested();
    void noticeStatusChanged(const QString &str);
    // What the status bar shows about the telemetry recording; empty when there is nothing.
    void recordingStatusChanged(const QString &text);

public slots:
    void exportParameters();
    void improtParameters();
    // Kept for the published interface; does nothing (its button is hidden).
    void restoreDefaultSettings();
    void writeToFlash();
    void updateTelemetryInfo();
    void calibAcc();
    void calibGyro();
    void recordToggled(bool on);
    void openSensorScope();
    // Recording needs a connection.
    void connectionChanged(bool connected);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_offlineOpen = false;
    void recordingStopped(const QString &filePath, const QString &error);
    void showReadingsLive(bool live);
    void nameReadings();

    Ui::ToolSettingPageUi *m_ui;
    Commrt *m_link;
    QElapsedTimer m_clock;
    TelemetryRecorder *m_recorder;
    SensorScopeWindow *m_scope = nullptr;
};

#endif // SKYDESK_TOOLSETTINGPAGE_H
