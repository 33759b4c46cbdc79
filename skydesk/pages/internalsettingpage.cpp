#include "internalsettingpage.h"

#include "fclink/link/commrt.h"
#include "parameterbinder.h"
#include "ui_internalsettingpage.h"

#include <QMetaMethod>
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
    showWholeTabTitles();
    connectControlsByName();
    m_binder = new ParameterBinder(this, m_link);
    m_binder->bindSpinBoxes(ParameterBinder::Presentation::StoredValues,
                            {QLatin1String(kLevelSwash)});
    m_binder->guardControls();
    // The service commands and the box that edits nothing are read-only with the others.
    for (QPushButton *button : findChildren<QPushButton *>())
        m_binder->addEditingControl(button);
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
// boxes do not exist. The same name rule is applied here from the controls' side instead, so
// those slots are simply never looked for: a spin box's valueChanged(int) reaches
// on_<name>_valueChanged(int) and a button's clicked() reaches on_<name>_clicked(), where such a
// slot exists. The spin boxes that edit fields have none: the binder ties them to their fields.
void InternalSettingPage::connectControlsByName()
{
    const auto boxes = findChildren<QSpinBox *>();
    for (QSpinBox *box : boxes)
        connectByName(box, "valueChanged(int)");
    const auto buttons = findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        connectByName(button, "clicked()");
}

void InternalSettingPage::connectByName(QObject *control, const char *signal)
{
    const QByteArray slot = "on_" + control->objectName().toLatin1() + '_' + signal;
    const int slotIndex = metaObject()->indexOfSlot(slot.constData());
    if (slotIndex < 0)
        return;
    const QMetaObject *controlMeta = control->metaObject();
    connect(control, controlMeta->method(controlMeta->indexOfSignal(signal)), this,
            metaObject()->method(slotIndex));
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
