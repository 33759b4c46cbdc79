#ifndef SKYDESK_TOOLSETTINGPAGE_H
#define SKYDESK_TOOLSETTINGPAGE_H

#include <QElapsedTimer>
#include <QMutex>
#include <QWidget>

class Commrt;

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

    // The page shows no field of the parameter block, so there is nothing to bring up to date.
    void refreshPage() {}

    // The name an export writes: the chosen name with ".conf" appended unless it already ends
    // so (in any letter case).
    static QString withConfSuffix(const QString &chosenName);

    // Saves the parameter block under chosenName (suffix rule applied). False with a message
    // when the file cannot be written.
    bool exportParametersTo(const QString &chosenName, QString *error);
    // Loads a parameter file into the block and announces it, or refuses the whole file with a
    // message naming the first problem; a refused file changes nothing. The caller makes sure
    // the link is connected (improtParameters() refuses otherwise).
    bool importParametersFrom(const QString &fileName, QString *error);

signals:
    void configurationLoaded();
    // A checked parameter file is about to replace the block (which still holds the
    // controller's configuration).
    void aboutToImport();
    void historyRequested();
    void noticeStatusChanged(const QString &str);

public slots:
    void exportParameters();
    void improtParameters();
    void restoreDefaultSettings();
    void writeToFlash();
    void updateTelemetryInfo();
    void calibAcc();
    void calibGyro();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool refuseImportWhileDisconnected();

    Ui::ToolSettingPageUi *m_ui;
    Commrt *m_link;
    QMutex m_mutex;
    QElapsedTimer m_clock;
};

#endif // SKYDESK_TOOLSETTINGPAGE_H
