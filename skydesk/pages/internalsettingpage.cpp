#include "internalsettingpage.h"

#include "fclink/link/commrt.h"
#include "fclink/model/parameterformat.h"
#include "parameterbinder.h"
#include "ui_internalsettingpage.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>

namespace {

// The one spin box that edits no field.
const char *const kLevelSwash = "spinBoxLevelSwash";

} // namespace

InternalSettingPage::InternalSettingPage(QWidget *parent, Commrt *link)
    : QWidget(parent), m_link(link), m_ui(new Ui::InternalSettingPageUi)
{
    m_ui->setupUi(this);
    m_ui->tabWidget->setAccessibleName(fclink::pageTitle(fclink::FieldPage::Internal));
    showWholeTabTitles();
    connectCommandButtons();
    m_binder = new ParameterBinder(this, m_link);
    m_binder->bindSpinBoxes(ParameterBinder::Presentation::StoredValues,
                            {QLatin1String(kLevelSwash)});
    m_binder->guardControls();
    // The service commands and the box that edits nothing are read-only with the others.
    for (QPushButton *button : findChildren<QPushButton *>())
        m_binder->addCommandControl(button);
    m_binder->addEditingControl(m_ui->spinBoxLevelSwash);
}

InternalSettingPage::~InternalSettingPage()
{
    delete m_ui;
}

// The sheet draws tab titles bold, but the tab bar sizes its tabs for its own font and the bold
// titles lose their last letters; sized for the bold font, they fit.
void InternalSettingPage::showWholeTabTitles()
{
    QTabBar *bar = m_ui->tabWidget->tabBar();
    QFont bold = bar->font();
    bold.setBold(true);
    bar->setFont(bold);
}

// uic is told not to call QMetaObject::connectSlotsByName() for this form (see the build file):
// that call would warn at every construction about the three limit-switch slots, whose spin
// boxes do not exist. The buttons are connected here instead; the spin boxes that edit fields
// have no slots (the binder ties them to their fields), and the one that edits none needs none.
void InternalSettingPage::connectCommandButtons()
{
    using Page = InternalSettingPage;
    const QPair<QPushButton *, void (Page::*)()> buttons[] = {
        {m_ui->pushButtonCalibVolt, &Page::on_pushButtonCalibVolt_clicked},
        {m_ui->pushButtonTestBEC, &Page::on_pushButtonTestBEC_clicked},
        {m_ui->pushButtonCalilbRCNeu, &Page::on_pushButtonCalilbRCNeu_clicked},
        {m_ui->pushButtonStartCalibRCScale, &Page::on_pushButtonStartCalibRCScale_clicked},
        {m_ui->pushButtonStopCalibRCScale, &Page::on_pushButtonStopCalibRCScale_clicked},
        {m_ui->pushButtonBindDSM, &Page::on_pushButtonBindDSM_clicked},
    };
    for (const auto &button : buttons)
        connect(button.first, &QPushButton::clicked, this, button.second);
}

// The spin boxes clamp values outside their ranges and are marked; the block keeps the values
// until a box is changed.
void InternalSettingPage::refreshPage()
{
    m_binder->refresh();
}

void InternalSettingPage::commitPendingEdits()
{
    m_binder->commitPendingEdits();
}

void InternalSettingPage::setEditable(bool editable, const QString &whyNot)
{
    m_binder->setEditable(editable, whyNot);
}

void InternalSettingPage::setCommandsAvailable(bool available, const QString &whyNot)
{
    m_binder->setCommandsAvailable(available, whyNot);
}

void InternalSettingPage::on_spinBoxLevelSwash_valueChanged(int) {}

void InternalSettingPage::on_spinBoxLimitAction_valueChanged(int) {}

void InternalSettingPage::on_spinBoxLimitAltEnable_valueChanged(int) {}

void InternalSettingPage::on_spinBoxLimitRadiusEnable_valueChanged(int) {}

void InternalSettingPage::on_pushButtonCalibVolt_clicked()
{
    m_link->calibrate(fclink::Sensor::Voltage);
}

void InternalSettingPage::on_pushButtonTestBEC_clicked()
{
    m_link->testBec();
}

void InternalSettingPage::on_pushButtonCalilbRCNeu_clicked()
{
    m_link->calibrateRcNeutral();
}

void InternalSettingPage::on_pushButtonStartCalibRCScale_clicked()
{
    m_link->startRcScaleCalibration();
}

void InternalSettingPage::on_pushButtonStopCalibRCScale_clicked()
{
    m_link->stopRcScaleCalibration();
}

void InternalSettingPage::on_pushButtonBindDSM_clicked()
{
    m_link->bindDsm();
}
