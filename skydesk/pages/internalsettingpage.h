#ifndef SKYDESK_INTERNALSETTINGPAGE_H
#define SKYDESK_INTERNALSETTINGPAGE_H

#include <QWidget>

class Commrt;
class ParameterBinder;

namespace Ui {
class InternalSettingPageUi;
}

// The service technicians' raw editor of the parameter block: one spin box per editable field on
// five tabs, and six buttons that send calibration and service commands. Each spin box edits the
// field it is named after ("spinBox<Field>") within the field's service range: the page's
// ParameterBinder writes a committed value, cut to the field's width, and asks the link to upload
// the whole block; refreshPage() shows the block.
class InternalSettingPage : public QWidget
{
    Q_OBJECT

public:
    InternalSettingPage(QWidget *parent, Commrt *link);
    ~InternalSettingPage() override;

    Ui::InternalSettingPageUi *form() const { return m_ui; }

    // Sends what is typed in a box of the page but not yet committed.
    void commitPendingEdits();
    // Whether the page takes edits; while it does not, its controls are disabled and say why.
    void setEditable(bool editable, const QString &whyNot = QString());
    // The service commands need a connected controller, whatever the fields take.
    void setCommandsAvailable(bool available, const QString &whyNot = QString());

public slots:
    void refreshPage();

    // The service command buttons, each connected to its own.
    void on_pushButtonCalibVolt_clicked();
    void on_pushButtonTestBEC_clicked();
    void on_pushButtonCalilbRCNeu_clicked();
    void on_pushButtonStartCalibRCScale_clicked();
    void on_pushButtonStopCalibRCScale_clicked();
    void on_pushButtonBindDSM_clicked();

    // ==== Kept for the published interface: our code does not call these ====
    // They do nothing: the levelling of the swash plate is not kept in the block, and the form
    // has no control for the three limit switches.
    void on_spinBoxLevelSwash_valueChanged(int value);
    void on_spinBoxLimitAction_valueChanged(int value);
    void on_spinBoxLimitAltEnable_valueChanged(int value);
    void on_spinBoxLimitRadiusEnable_valueChanged(int value);
    // ==== End of the published interface kept for compatibility ====

private:
    void showWholeTabTitles();
    void connectCommandButtons();

    Commrt *m_link;
    Ui::InternalSettingPageUi *m_ui;
    ParameterBinder *m_binder = nullptr;
};

#endif // SKYDESK_INTERNALSETTINGPAGE_H
