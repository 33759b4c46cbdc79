#ifndef SKYDESK_ADVANCESETTINGPAGE_H
#define SKYDESK_ADVANCESETTINGPAGE_H

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>

class Commrt;
class ParameterBinder;
class HelpBrowser;
class QGroupBox;

namespace fclink {
class BlockImage;
}

namespace Ui {
class AdvanceSettingPageUi;
}

// The advanced settings page ("Setting"): motor idle speed, fail-safe and go-home, intelligent
// orientation control, voltage and limits. Each control writes one field of the parameter block
// and asks the link to upload the block, through the page's ParameterBinder (which sends only
// what the pilot commits and marks what the controls cannot show); refreshPage() shows the block
// again, and while the page is visible it shows live voltage and switch positions. Beside each
// tab a help view follows the group under the pointer.
class AdvanceSettingPage : public QWidget
{
    Q_OBJECT

public:
    AdvanceSettingPage(QWidget *parent, Commrt *link);
    ~AdvanceSettingPage() override;

    // A switch position from a raw RC value: value ÷ 8.4 + 0.5, truncated toward zero.
    static qint16 switchPosition(qint16 channelValue);
    // Go-home switch zone: 1 standby, 2 start, 0 between.
    static int goHomeZone(int position);
    // IOC switch zone: 1 left, 2 middle, 3 right, 0 between.
    static int iocZone(int position);
    // The pictures a page built for the language shows (to decode them ahead).
    static QStringList picturesAtStart(quint8 languageCode);

    Ui::AdvanceSettingPageUi *form() const { return m_ui; }
    int goHomeZonePainted() const { return m_goHomeZonePainted; }
    int iocZonePainted() const { return m_iocZonePainted; }
    QString documentShown(const HelpBrowser *view) const;
    // Sends what is typed in a box of the page but not yet committed.
    void commitPendingEdits();
    // Whether the page takes edits; while it does not, its controls are disabled and say why.
    void setEditable(bool editable, const QString &whyNot = QString());
    // Commands that only a connected controller carries out.
    void setCommandsAvailable(bool available, const QString &whyNot = QString());

public slots:
    void refreshPage();
    void updateTelemetryInfo();

    // ==== Kept for the published interface: our code does not call these ====
    // Each does what the pilot's use of its control does (the controls reach their fields
    // through the page's binder, not through these); the voltage and safe-guard slots write
    // fields that no control of the page shows.
    void motorIdelSpeedLevel1Clicked();
    void motorIdelSpeedLevel2Clicked();
    void motorIdelSpeedLevel3Clicked();
    void motorIdelSpeedLevel4Clicked();
    void motorIdelSpeedLevel5Clicked();
    void goHomeMethodHover();
    void goHomeMethodAltGoHome();
    void goHomeHeadingFowards();
    void goHomeHeadingBackwards();
    void goHomeAltChanged(int value);
    void goHomeEnableClicked(bool checked);
    void iocEnableClicked(bool checked);
    void iocFunctionMiddleChanged(int index);
    void iocFunctionRightChanged(int index);
    void calibVoltageValueChanged(double volts);
    void voltCalibClicked();
    // Does nothing.
    void recommandSettingsChanged(int value);
    void firstLevelVoltageChanged(double volts);
    void secondLevelVoltageChanged(double volts);
    void safeGuard1Function1Clicked();
    void safeGuard1Function2Clicked();
    void safeGuard2Function1Clicked();
    void safeGuard2Function2Clicked();
    void forbidAreaOn();
    void forbidAreaOff();
    void distanceLimit(double metres);
    void altitudeLimit(double metres);
    // ==== End of the published interface kept for compatibility ====

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum HelpView
    {
        MotorHelp,
        FailSafeHelp,
        IocHelp,
        VoltageHelp,
        LimitHelp,
        HelpViewCount
    };
    struct HelpTopic
    {
        QGroupBox *group;
        HelpView view;
        int topic;
        const char *document;
    };

    void setUpHelp();
    void setUpPictures();
    void setUpControls();
    void bindControls();
    void fieldWritten(const QString &field);
    void removeInvalidEntry(class QComboBox *box);
    void showGoHomePicture(bool altitudeVariant);
    void refreshInvalidEntry(class QComboBox *box, const fclink::BlockImage &block);
    qint16 *switchChannel(const fclink::BlockImage &block, const char *mapField) const;
    void clearSwitchHighlights();
    void updateGoHomeSwitch();
    void updateIocSwitch();
    HelpBrowser *helpView(HelpView view) const;
    void showHelp(HelpView view, int topic, const QString &document);

    Commrt *m_link;
    Ui::AdvanceSettingPageUi *m_ui;
    ParameterBinder *m_binder = nullptr;
    QPixmap m_motorIdelSpeedPicture;
    QPixmap m_motorIdelSpeedButtonBackground;
    QPixmap m_goHomePicture;
    QPixmap m_currentVoltagePicture;
    QPixmap m_stickPictures[3];
    QString m_documentFolder;
    int m_helpTopic[HelpViewCount] = {};
    QList<HelpTopic> m_helpTopics;
    qint16 *m_goHomeSwitchChannel = nullptr;
    qint16 *m_iocSwitchChannel = nullptr;
    int m_goHomeZone = 0;
    int m_iocZone = 0;
    int m_goHomeZonePainted = 0;
    int m_iocZonePainted = 0;
    quint8 m_languageCode = 0;
};

#endif // SKYDESK_ADVANCESETTINGPAGE_H
