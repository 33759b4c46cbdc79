#include "internalsettingpage.h"

#include "commrt.h"
#include "replydecoder.h"
#include "uavparam.h"
#include "ui_internalsettingpage.h"

#include <QMetaMethod>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>

#include <algorithm>
#include <cstring>
#include <limits>
#include <mutex>

namespace {

// The one spin box that edits no field.
const char *const kLevelSwash = "spinBoxLevelSwash";
const char *const kSpinBoxPrefix = "spinBox";

} // namespace

InternalSettingPage::InternalSettingPage(QWidget *parent, Commrt *link)
    : QWidget(parent), m_link(link), m_ui(new Ui::InternalSettingPageUi)
{
    m_ui->setupUi(this);
    // The page area's sheet pads spin boxes on the right to make room for their arrows, and Qt
    // takes the arrows' width off the text once more. The page places 178 boxes side by side and
    // cannot spare that room twice: without the padding, -30000 and 60000 fit its boxes whole.
    setStyleSheet(QStringLiteral("QSpinBox { padding-right: 2px; }"));
    showWholeTabTitles();
    connectControlsByName();
    connect(m_ui->spinBoxReserve1, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &InternalSettingPage::onReserve1);
    connect(m_ui->spinBoxMaxThetaByhand, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &InternalSettingPage::onMaxThetaByhand);
    connect(m_ui->spinBoxMaxPhiByhand, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &InternalSettingPage::onMaxPhiByhand);
    bindSpinBoxesToFields();
    m_refreshing = false;
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

// A spin box edits the field named like it without the "spinBox" prefix. A name without such a
// field is a mistake in the form, so it stops the program at the first construction.
void InternalSettingPage::bindSpinBoxesToFields()
{
    const auto boxes = findChildren<QSpinBox *>();
    for (QSpinBox *box : boxes) {
        const QString name = box->objectName();
        if (name == QLatin1String(kLevelSwash))
            continue;
        const QString fieldName = name.startsWith(QLatin1String(kSpinBoxPrefix))
                                      ? name.mid(int(std::strlen(kSpinBoxPrefix)))
                                      : QString();
        const fclink::ParameterField *field = fclink::findParameterField(fieldName);
        if (!field)
            qFatal("spin box %s names no parameter field", qPrintable(name));
        // The gain boxes offer 0 to 255 over signed bytes. Read signed, a stored 200 would show
        // as 0 and the next touch of the box would overwrite the gain; read as the unsigned byte
        // the box offers, 200 shows as 200 and is written back unchanged.
        const bool readsUnsigned = field->type == fclink::FieldType::Int8 && box->minimum() >= 0 &&
                                   box->maximum() > std::numeric_limits<qint8>::max();
        m_editors.append({box, field, readsUnsigned});
        m_editedFields.insert(fieldName, field);
    }
    std::sort(m_editors.begin(), m_editors.end(), [](const FieldEditor &a, const FieldEditor &b) {
        return a.field->offset < b.field->offset;
    });
}

// uic is told not to call QMetaObject::connectSlotsByName() for this form (see the build file):
// that call would warn at every construction about the three limit-switch slots, whose spin
// boxes do not exist. The same name rule is applied here from the controls' side instead, so
// those slots are simply never looked for: a spin box's valueChanged(int) reaches
// on_<name>_valueChanged(int) and a button's clicked() reaches on_<name>_clicked(), where such a
// slot exists. Spin boxes without one (Reserve1, MaxThetaByhand, MaxPhiByhand) are connected by
// the constructor.
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

// Every field slot: nothing while the page sets its own spin boxes; otherwise the value is
// stored cut to the field's 8 or 16 bits and the whole block is uploaded, under the page lock.
void InternalSettingPage::writeAndUpload(const char *fieldName, int value)
{
    if (m_refreshing)
        return;
    const fclink::ParameterField *field = m_editedFields.value(QLatin1String(fieldName));
    if (!field)
        qFatal("no spin box edits the parameter field %s", fieldName);
    QMutexLocker pageLock(&m_pageLock);
    {
        std::lock_guard<std::mutex> blockLock(fclink::parameterBlockMutex());
        fclink::writeField(fclink::parameterBlockBytes(uavParam), *field, value);
    }
    // Released first: the link's reply decoder takes its state lock before the block lock, and
    // setSubframeHead takes that state lock.
    m_link->setSubframeHead(fclink::head::FirstWrite);
}

// The values of the edited fields, in field order, read from one copy of the block.
QVector<int> InternalSettingPage::valuesToShow() const
{
    UavParam block;
    {
        std::lock_guard<std::mutex> blockLock(fclink::parameterBlockMutex());
        block = uavParam;
    }
    const quint8 *bytes = fclink::parameterBlockBytes(block);
    QVector<int> values;
    values.reserve(m_editors.size());
    for (const FieldEditor &editor : m_editors) {
        const fclink::ParameterField &field = *editor.field;
        values.append(editor.readsUnsigned ? bytes[field.offset] : fclink::readField(bytes, field));
    }
    return values;
}

// The spin boxes clamp values outside their ranges; the block keeps them until a box is changed.
void InternalSettingPage::refreshPage()
{
    m_refreshing = true;
    const QVector<int> values = valuesToShow();
    for (int i = 0; i < m_editors.size(); ++i)
        m_editors.at(i).spinBox->setValue(values.at(i));
    m_refreshing = false;
}

void InternalSettingPage::on_spinBoxServoTrim0_valueChanged(int value)
{
    writeAndUpload("ServoTrim0", value);
}

void InternalSettingPage::on_spinBoxServoTrim1_valueChanged(int value)
{
    writeAndUpload("ServoTrim1", value);
}

void InternalSettingPage::on_spinBoxServoTrim2_valueChanged(int value)
{
    writeAndUpload("ServoTrim2", value);
}

void InternalSettingPage::on_spinBoxServoTrim3_valueChanged(int value)
{
    writeAndUpload("ServoTrim3", value);
}

void InternalSettingPage::on_spinBoxServoTrim4_valueChanged(int value)
{
    writeAndUpload("ServoTrim4", value);
}

void InternalSettingPage::on_spinBoxServoTrim5_valueChanged(int value)
{
    writeAndUpload("ServoTrim5", value);
}

void InternalSettingPage::on_spinBoxServoTrim6_valueChanged(int value)
{
    writeAndUpload("ServoTrim6", value);
}

void InternalSettingPage::on_spinBoxServoTrim7_valueChanged(int value)
{
    writeAndUpload("ServoTrim7", value);
}

void InternalSettingPage::on_spinBoxServoTrim8_valueChanged(int value)
{
    writeAndUpload("ServoTrim8", value);
}

void InternalSettingPage::on_spinBoxServoTrim9_valueChanged(int value)
{
    writeAndUpload("ServoTrim9", value);
}

void InternalSettingPage::on_spinBoxServoTrim10_valueChanged(int value)
{
    writeAndUpload("ServoTrim10", value);
}

void InternalSettingPage::on_spinBoxServoTrim11_valueChanged(int value)
{
    writeAndUpload("ServoTrim11", value);
}

void InternalSettingPage::on_spinBoxServoRev0_valueChanged(int value)
{
    writeAndUpload("ServoRev0", value);
}

void InternalSettingPage::on_spinBoxServoRev1_valueChanged(int value)
{
    writeAndUpload("ServoRev1", value);
}

void InternalSettingPage::on_spinBoxServoRev2_valueChanged(int value)
{
    writeAndUpload("ServoRev2", value);
}

void InternalSettingPage::on_spinBoxServoRev3_valueChanged(int value)
{
    writeAndUpload("ServoRev3", value);
}

void InternalSettingPage::on_spinBoxServoRev4_valueChanged(int value)
{
    writeAndUpload("ServoRev4", value);
}

void InternalSettingPage::on_spinBoxServoRev5_valueChanged(int value)
{
    writeAndUpload("ServoRev5", value);
}

void InternalSettingPage::on_spinBoxServoRev6_valueChanged(int value)
{
    writeAndUpload("ServoRev6", value);
}

void InternalSettingPage::on_spinBoxServoRev7_valueChanged(int value)
{
    writeAndUpload("ServoRev7", value);
}

void InternalSettingPage::on_spinBoxServoRev8_valueChanged(int value)
{
    writeAndUpload("ServoRev8", value);
}

void InternalSettingPage::on_spinBoxServoRev9_valueChanged(int value)
{
    writeAndUpload("ServoRev9", value);
}

void InternalSettingPage::on_spinBoxServoRev10_valueChanged(int value)
{
    writeAndUpload("ServoRev10", value);
}

void InternalSettingPage::on_spinBoxServoRev11_valueChanged(int value)
{
    writeAndUpload("ServoRev11", value);
}

void InternalSettingPage::on_spinBoxRcRev0_valueChanged(int value)
{
    writeAndUpload("RcRev0", value);
}

void InternalSettingPage::on_spinBoxRcRev1_valueChanged(int value)
{
    writeAndUpload("RcRev1", value);
}

void InternalSettingPage::on_spinBoxRcRev2_valueChanged(int value)
{
    writeAndUpload("RcRev2", value);
}

void InternalSettingPage::on_spinBoxRcRev3_valueChanged(int value)
{
    writeAndUpload("RcRev3", value);
}

void InternalSettingPage::on_spinBoxRcRev4_valueChanged(int value)
{
    writeAndUpload("RcRev4", value);
}

void InternalSettingPage::on_spinBoxRcRev5_valueChanged(int value)
{
    writeAndUpload("RcRev5", value);
}

void InternalSettingPage::on_spinBoxMotorIdel_valueChanged(int value)
{
    writeAndUpload("MotorIdel", value);
}

void InternalSettingPage::on_spinBoxTailServoType_valueChanged(int value)
{
    writeAndUpload("TailServoType", value);
}

void InternalSettingPage::on_spinBoxSwashServoType_valueChanged(int value)
{
    writeAndUpload("SwashServoType", value);
}

void InternalSettingPage::on_spinBoxTailLimitB_valueChanged(int value)
{
    writeAndUpload("TailLimitB", value);
}

void InternalSettingPage::on_spinBoxTailLimitA_valueChanged(int value)
{
    writeAndUpload("TailLimitA", value);
}

void InternalSettingPage::on_spinBoxAilLimit_valueChanged(int value)
{
    writeAndUpload("AilLimit", value);
}

void InternalSettingPage::on_spinBoxEleLimit_valueChanged(int value)
{
    writeAndUpload("EleLimit", value);
}

void InternalSettingPage::on_spinBoxCollRatio_valueChanged(int value)
{
    writeAndUpload("CollRatio", value);
}

void InternalSettingPage::on_spinBoxReceiverType_valueChanged(int value)
{
    writeAndUpload("ReceiverType", value);
}

void InternalSettingPage::on_spinBoxModelType_valueChanged(int value)
{
    writeAndUpload("ModelType", value);
}

void InternalSettingPage::on_spinBoxMotorType_valueChanged(int value)
{
    writeAndUpload("MotorType", value);
}

void InternalSettingPage::on_spinBoxSwashPhase_valueChanged(int value)
{
    writeAndUpload("SwashPhase", value);
}

void InternalSettingPage::on_spinBoxInstallation_valueChanged(int value)
{
    writeAndUpload("Installation", value);
}

void InternalSettingPage::on_spinBoxMotorStopType_valueChanged(int value)
{
    writeAndUpload("MotorStopType", value);
}

void InternalSettingPage::on_spinBoxIMURotate_valueChanged(int value)
{
    writeAndUpload("IMURotate", value);
}

void InternalSettingPage::on_spinBoxIMUDistX_valueChanged(int value)
{
    writeAndUpload("IMUDistX", value);
}

void InternalSettingPage::on_spinBoxIMUDistY_valueChanged(int value)
{
    writeAndUpload("IMUDistY", value);
}

void InternalSettingPage::on_spinBoxIMUDistZ_valueChanged(int value)
{
    writeAndUpload("IMUDistZ", value);
}

void InternalSettingPage::on_spinBoxGPSDistX_valueChanged(int value)
{
    writeAndUpload("GPSDistX", value);
}

void InternalSettingPage::on_spinBoxGPSDistY_valueChanged(int value)
{
    writeAndUpload("GPSDistY", value);
}

void InternalSettingPage::on_spinBoxGPSDistZ_valueChanged(int value)
{
    writeAndUpload("GPSDistZ", value);
}

void InternalSettingPage::on_spinBoxGovernorStatus_valueChanged(int value)
{
    writeAndUpload("GovernorStatus", value);
}

void InternalSettingPage::on_spinBoxWaypointType_valueChanged(int value)
{
    writeAndUpload("WaypointType", value);
}

void InternalSettingPage::on_spinBoxBatteryCell_valueChanged(int value)
{
    writeAndUpload("BatteryCell", value);
}

void InternalSettingPage::on_spinBoxSafeGard1_valueChanged(int value)
{
    writeAndUpload("SafeGard1", value);
}

void InternalSettingPage::on_spinBoxSafeGard2_valueChanged(int value)
{
    writeAndUpload("SafeGard2", value);
}

void InternalSettingPage::on_spinBoxVoltProtectSwitch_valueChanged(int value)
{
    writeAndUpload("VoltProtectSwitch", value);
}

void InternalSettingPage::on_spinBoxLossVolt_valueChanged(int value)
{
    writeAndUpload("LossVolt", value);
}

void InternalSettingPage::on_spinBoxProtectVolt1_valueChanged(int value)
{
    writeAndUpload("ProtectVolt1", value);
}

void InternalSettingPage::on_spinBoxProtectVolt2_valueChanged(int value)
{
    writeAndUpload("ProtectVolt2", value);
}

void InternalSettingPage::on_spinBoxChannelMapA_valueChanged(int value)
{
    writeAndUpload("ChannelMapA", value);
}

void InternalSettingPage::on_spinBoxChannelMapE_valueChanged(int value)
{
    writeAndUpload("ChannelMapE", value);
}

void InternalSettingPage::on_spinBoxChannelMapT_valueChanged(int value)
{
    writeAndUpload("ChannelMapT", value);
}

void InternalSettingPage::on_spinBoxChannelMapR_valueChanged(int value)
{
    writeAndUpload("ChannelMapR", value);
}

void InternalSettingPage::on_spinBoxChannelMapU_valueChanged(int value)
{
    writeAndUpload("ChannelMapU", value);
}

void InternalSettingPage::on_spinBoxChannelMapC_valueChanged(int value)
{
    writeAndUpload("ChannelMapC", value);
}

void InternalSettingPage::on_spinBoxChannelMap7_valueChanged(int value)
{
    writeAndUpload("ChannelMap7", value);
}

void InternalSettingPage::on_spinBoxChannelMap8_valueChanged(int value)
{
    writeAndUpload("ChannelMap8", value);
}

void InternalSettingPage::on_spinBoxChannelMap9_valueChanged(int value)
{
    writeAndUpload("ChannelMap9", value);
}

void InternalSettingPage::on_spinBoxChannelMap10_valueChanged(int value)
{
    writeAndUpload("ChannelMap10", value);
}

void InternalSettingPage::on_spinBoxChannelMap11_valueChanged(int value)
{
    writeAndUpload("ChannelMap11", value);
}

void InternalSettingPage::on_spinBoxChannelMap12_valueChanged(int value)
{
    writeAndUpload("ChannelMap12", value);
}

void InternalSettingPage::on_spinBoxChannelMap13_valueChanged(int value)
{
    writeAndUpload("ChannelMap13", value);
}

void InternalSettingPage::on_spinBoxChannelMap14_valueChanged(int value)
{
    writeAndUpload("ChannelMap14", value);
}

void InternalSettingPage::on_spinBoxChannelMap15_valueChanged(int value)
{
    writeAndUpload("ChannelMap15", value);
}

void InternalSettingPage::on_spinBoxChannelMap16_valueChanged(int value)
{
    writeAndUpload("ChannelMap16", value);
}

void InternalSettingPage::on_spinBoxPKtotal_valueChanged(int value)
{
    writeAndUpload("PKtotal", value);
}

void InternalSettingPage::on_spinBoxPKp_valueChanged(int value)
{
    writeAndUpload("PKp", value);
}

void InternalSettingPage::on_spinBoxPKi_valueChanged(int value)
{
    writeAndUpload("PKi", value);
}

void InternalSettingPage::on_spinBoxPKd_valueChanged(int value)
{
    writeAndUpload("PKd", value);
}

void InternalSettingPage::on_spinBoxQKtotal_valueChanged(int value)
{
    writeAndUpload("QKtotal", value);
}

void InternalSettingPage::on_spinBoxQKp_valueChanged(int value)
{
    writeAndUpload("QKp", value);
}

void InternalSettingPage::on_spinBoxQKi_valueChanged(int value)
{
    writeAndUpload("QKi", value);
}

void InternalSettingPage::on_spinBoxQKd_valueChanged(int value)
{
    writeAndUpload("QKd", value);
}

void InternalSettingPage::on_spinBoxRKtotal_valueChanged(int value)
{
    writeAndUpload("RKtotal", value);
}

void InternalSettingPage::on_spinBoxRKp_valueChanged(int value)
{
    writeAndUpload("RKp", value);
}

void InternalSettingPage::on_spinBoxRKi_valueChanged(int value)
{
    writeAndUpload("RKi", value);
}

void InternalSettingPage::on_spinBoxRKd_valueChanged(int value)
{
    writeAndUpload("RKd", value);
}

void InternalSettingPage::on_spinBoxPhiKtotal_valueChanged(int value)
{
    writeAndUpload("PhiKtotal", value);
}

void InternalSettingPage::on_spinBoxPhiKp_valueChanged(int value)
{
    writeAndUpload("PhiKp", value);
}

void InternalSettingPage::on_spinBoxPhiKi_valueChanged(int value)
{
    writeAndUpload("PhiKi", value);
}

void InternalSettingPage::on_spinBoxPhiKd_valueChanged(int value)
{
    writeAndUpload("PhiKd", value);
}

void InternalSettingPage::on_spinBoxThetaKtotal_valueChanged(int value)
{
    writeAndUpload("ThetaKtotal", value);
}

void InternalSettingPage::on_spinBoxThetaKp_valueChanged(int value)
{
    writeAndUpload("ThetaKp", value);
}

void InternalSettingPage::on_spinBoxThetaKi_valueChanged(int value)
{
    writeAndUpload("ThetaKi", value);
}

void InternalSettingPage::on_spinBoxThetaKd_valueChanged(int value)
{
    writeAndUpload("ThetaKd", value);
}

void InternalSettingPage::on_spinBoxPsiKtotal_valueChanged(int value)
{
    writeAndUpload("PsiKtotal", value);
}

void InternalSettingPage::on_spinBoxPsiKp_valueChanged(int value)
{
    writeAndUpload("PsiKp", value);
}

void InternalSettingPage::on_spinBoxPsiKi_valueChanged(int value)
{
    writeAndUpload("PsiKi", value);
}

void InternalSettingPage::on_spinBoxPsiKd_valueChanged(int value)
{
    writeAndUpload("PsiKd", value);
}

void InternalSettingPage::on_spinBoxHKtotal_valueChanged(int value)
{
    writeAndUpload("HKtotal", value);
}

void InternalSettingPage::on_spinBoxHKp_valueChanged(int value)
{
    writeAndUpload("HKp", value);
}

void InternalSettingPage::on_spinBoxHKi_valueChanged(int value)
{
    writeAndUpload("HKi", value);
}

void InternalSettingPage::on_spinBoxHKd_valueChanged(int value)
{
    writeAndUpload("HKd", value);
}

void InternalSettingPage::on_spinBoxVKtotal_valueChanged(int value)
{
    writeAndUpload("VKtotal", value);
}

void InternalSettingPage::on_spinBoxVKp_valueChanged(int value)
{
    writeAndUpload("VKp", value);
}

void InternalSettingPage::on_spinBoxVKi_valueChanged(int value)
{
    writeAndUpload("VKi", value);
}

void InternalSettingPage::on_spinBoxVKd_valueChanged(int value)
{
    writeAndUpload("VKd", value);
}

void InternalSettingPage::on_spinBoxPositionKtotal_valueChanged(int value)
{
    writeAndUpload("PositionKtotal", value);
}

void InternalSettingPage::on_spinBoxPositionKp_valueChanged(int value)
{
    writeAndUpload("PositionKp", value);
}

void InternalSettingPage::on_spinBoxPositionKi_valueChanged(int value)
{
    writeAndUpload("PositionKi", value);
}

void InternalSettingPage::on_spinBoxPositionKd_valueChanged(int value)
{
    writeAndUpload("PositionKd", value);
}

void InternalSettingPage::on_spinBoxRpmKtotal_valueChanged(int value)
{
    writeAndUpload("RpmKtotal", value);
}

void InternalSettingPage::on_spinBoxRpmKp_valueChanged(int value)
{
    writeAndUpload("RpmKp", value);
}

void InternalSettingPage::on_spinBoxRpmKi_valueChanged(int value)
{
    writeAndUpload("RpmKi", value);
}

void InternalSettingPage::on_spinBoxRpmKd_valueChanged(int value)
{
    writeAndUpload("RpmKd", value);
}

void InternalSettingPage::on_spinBoxRpmCompensateColle_valueChanged(int value)
{
    writeAndUpload("RpmCompensateColle", value);
}

void InternalSettingPage::on_spinBoxRpmCompensateCyclic_valueChanged(int value)
{
    writeAndUpload("RpmCompensateCyclic", value);
}

void InternalSettingPage::on_spinBoxRpmCompensateTail_valueChanged(int value)
{
    writeAndUpload("RpmCompensateTail", value);
}

void InternalSettingPage::on_spinBoxBurstCoef_valueChanged(int value)
{
    writeAndUpload("BurstCoef", value);
}

void InternalSettingPage::on_spinBoxRollAgility_valueChanged(int value)
{
    writeAndUpload("RollAgility", value);
}

void InternalSettingPage::on_spinBoxPitchAgility_valueChanged(int value)
{
    writeAndUpload("PitchAgility", value);
}

void InternalSettingPage::on_spinBoxLeftSpin_valueChanged(int value)
{
    writeAndUpload("LeftSpin", value);
}

void InternalSettingPage::on_spinBoxRightSpin_valueChanged(int value)
{
    writeAndUpload("RightSpin", value);
}

void InternalSettingPage::on_spinBoxAccLeft_valueChanged(int value)
{
    writeAndUpload("AccLeft", value);
}

void InternalSettingPage::on_spinBoxAccRight_valueChanged(int value)
{
    writeAndUpload("AccRight", value);
}

void InternalSettingPage::on_spinBoxDecLeft_valueChanged(int value)
{
    writeAndUpload("DecLeft", value);
}

void InternalSettingPage::on_spinBoxDecRight_valueChanged(int value)
{
    writeAndUpload("DecRight", value);
}

void InternalSettingPage::on_spinBoxAccMainrotor_valueChanged(int value)
{
    writeAndUpload("AccMainrotor", value);
}

void InternalSettingPage::on_spinBoxDecMainrotor_valueChanged(int value)
{
    writeAndUpload("DecMainrotor", value);
}

void InternalSettingPage::on_spinBoxDeadbandRcRudder_valueChanged(int value)
{
    writeAndUpload("DeadbandRcRudder", value);
}

void InternalSettingPage::on_spinBoxDeadbandGyroZ_valueChanged(int value)
{
    writeAndUpload("DeadbandGyroZ", value);
}

void InternalSettingPage::on_spinBoxDeadbandRcMainrotor_valueChanged(int value)
{
    writeAndUpload("DeadbandRcMainrotor", value);
}

void InternalSettingPage::on_spinBoxDeadbandGyroXY_valueChanged(int value)
{
    writeAndUpload("DeadbandGyroXY", value);
}

void InternalSettingPage::on_spinBoxTailCompensateColle_valueChanged(int value)
{
    writeAndUpload("TailCompensateColle", value);
}

void InternalSettingPage::on_spinBoxTailCompensateCyclic_valueChanged(int value)
{
    writeAndUpload("TailCompensateCyclic", value);
}

void InternalSettingPage::on_spinBoxTailCompensateColleZero_valueChanged(int value)
{
    writeAndUpload("TailCompensateColleZero", value);
}

void InternalSettingPage::on_spinBoxVUKtotal_valueChanged(int value)
{
    writeAndUpload("VUKtotal", value);
}

void InternalSettingPage::on_spinBoxVUKp_valueChanged(int value)
{
    writeAndUpload("VUKp", value);
}

void InternalSettingPage::on_spinBoxVUKi_valueChanged(int value)
{
    writeAndUpload("VUKi", value);
}

void InternalSettingPage::on_spinBoxVUKd_valueChanged(int value)
{
    writeAndUpload("VUKd", value);
}

void InternalSettingPage::on_spinBoxSideDistKtotal_valueChanged(int value)
{
    writeAndUpload("SideDistKtotal", value);
}

void InternalSettingPage::on_spinBoxSideDistKp_valueChanged(int value)
{
    writeAndUpload("SideDistKp", value);
}

void InternalSettingPage::on_spinBoxSideDistKi_valueChanged(int value)
{
    writeAndUpload("SideDistKi", value);
}

void InternalSettingPage::on_spinBoxSideDistKd_valueChanged(int value)
{
    writeAndUpload("SideDistKd", value);
}

void InternalSettingPage::on_spinBoxIocEnable_valueChanged(int value)
{
    writeAndUpload("IocEnable", value);
}

void InternalSettingPage::on_spinBoxFlightTrimPhi_valueChanged(int value)
{
    writeAndUpload("FlightTrimPhi", value);
}

void InternalSettingPage::on_spinBoxFlightTrimTheta_valueChanged(int value)
{
    writeAndUpload("FlightTrimTheta", value);
}

void InternalSettingPage::on_spinBoxInvertFlight_valueChanged(int value)
{
    writeAndUpload("InvertFlight", value);
}

void InternalSettingPage::onReserve1(int value)
{
    writeAndUpload("Reserve1", value);
}

void InternalSettingPage::on_spinBoxFailType_valueChanged(int value)
{
    writeAndUpload("FailType", value);
}

void InternalSettingPage::on_spinBoxGpsCruiseFailType_valueChanged(int value)
{
    writeAndUpload("GpsCruiseFailType", value);
}

void InternalSettingPage::on_spinBoxTurnbackHeight_valueChanged(int value)
{
    writeAndUpload("TurnbackHeight", value);
}

void InternalSettingPage::on_spinBoxCruiseHeading_valueChanged(int value)
{
    writeAndUpload("CruiseHeading", value);
}

void InternalSettingPage::on_spinBoxReachDistAlt_valueChanged(int value)
{
    writeAndUpload("ReachDistAlt", value);
}

void InternalSettingPage::on_spinBoxMaxAutoSpin_valueChanged(int value)
{
    writeAndUpload("MaxAutoSpin", value);
}

void InternalSettingPage::on_spinBoxMaxPhi_valueChanged(int value)
{
    writeAndUpload("MaxPhi", value);
}

void InternalSettingPage::on_spinBoxMaxTheta_valueChanged(int value)
{
    writeAndUpload("MaxTheta", value);
}

void InternalSettingPage::on_spinBoxMaxVcruise_valueChanged(int value)
{
    writeAndUpload("MaxVcruise", value);
}

void InternalSettingPage::on_spinBoxMinVcruise_valueChanged(int value)
{
    writeAndUpload("MinVcruise", value);
}

void InternalSettingPage::on_spinBoxMaxClimbrate_valueChanged(int value)
{
    writeAndUpload("MaxClimbrate", value);
}

void InternalSettingPage::on_spinBoxMaxDeclinerate_valueChanged(int value)
{
    writeAndUpload("MaxDeclinerate", value);
}

void InternalSettingPage::onMaxThetaByhand(int value)
{
    writeAndUpload("MaxThetaByhand", value);
}

void InternalSettingPage::on_spinBoxCruiseVHBuff_valueChanged(int value)
{
    writeAndUpload("CruiseVHBuff", value);
}

void InternalSettingPage::on_spinBoxCruiseVUBuff_valueChanged(int value)
{
    writeAndUpload("CruiseVUBuff", value);
}

void InternalSettingPage::on_spinBoxVHStickAcc_valueChanged(int value)
{
    writeAndUpload("VHStickAcc", value);
}

void InternalSettingPage::on_spinBoxVHStickDec_valueChanged(int value)
{
    writeAndUpload("VHStickDec", value);
}

void InternalSettingPage::on_spinBoxVUStickAcc_valueChanged(int value)
{
    writeAndUpload("VUStickAcc", value);
}

void InternalSettingPage::on_spinBoxVUStickDec_valueChanged(int value)
{
    writeAndUpload("VUStickDec", value);
}

void InternalSettingPage::on_spinBoxCruiseVHAcc_valueChanged(int value)
{
    writeAndUpload("CruiseVHAcc", value);
}

void InternalSettingPage::on_spinBoxCruiseVHDec_valueChanged(int value)
{
    writeAndUpload("CruiseVHDec", value);
}

void InternalSettingPage::on_spinBoxCruiseVUAcc_valueChanged(int value)
{
    writeAndUpload("CruiseVUAcc", value);
}

void InternalSettingPage::on_spinBoxCruiseVUDec_valueChanged(int value)
{
    writeAndUpload("CruiseVUDec", value);
}

void InternalSettingPage::on_spinBoxLimitRadius_valueChanged(int value)
{
    writeAndUpload("LimitRadius", value);
}

void InternalSettingPage::on_spinBoxLimitAlt_valueChanged(int value)
{
    writeAndUpload("LimitAlt", value);
}

void InternalSettingPage::on_spinBoxForbidAreaEnable_valueChanged(int value)
{
    writeAndUpload("ForbidAreaEnable", value);
}

void InternalSettingPage::onMaxPhiByhand(int value)
{
    writeAndUpload("MaxPhiByhand", value);
}

void InternalSettingPage::on_spinBoxLevelSwash_valueChanged(int) {}

void InternalSettingPage::on_spinBoxLimitAction_valueChanged(int) {}

void InternalSettingPage::on_spinBoxLimitAltEnable_valueChanged(int) {}

void InternalSettingPage::on_spinBoxLimitRadiusEnable_valueChanged(int) {}

void InternalSettingPage::on_pushButtonCalibVolt_clicked()
{
    m_link->setCommand(fclink::command::CalibrateVoltage);
}

void InternalSettingPage::on_pushButtonTestBEC_clicked()
{
    m_link->setCommand(fclink::command::TestBec);
}

void InternalSettingPage::on_pushButtonCalilbRCNeu_clicked()
{
    m_link->setCommand(fclink::command::CalibrateRcNeutral);
}

void InternalSettingPage::on_pushButtonStartCalibRCScale_clicked()
{
    m_link->setCommand(fclink::command::StartRcScale);
}

void InternalSettingPage::on_pushButtonStopCalibRCScale_clicked()
{
    m_link->setCommand(fclink::command::StopRcScale);
}

void InternalSettingPage::on_pushButtonBindDSM_clicked()
{
    m_link->setCommand(fclink::command::BindDsm);
}
