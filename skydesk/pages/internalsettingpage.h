#ifndef SKYDESK_INTERNALSETTINGPAGE_H
#define SKYDESK_INTERNALSETTINGPAGE_H

#include "parameterfields.h"

#include <QHash>
#include <QMutex>
#include <QString>
#include <QVector>
#include <QWidget>

class Commrt;
class QSpinBox;

namespace Ui {
class InternalSettingPageUi;
}

// The service technicians' raw editor of the parameter block: one spin box per editable field on
// five tabs, and six buttons that send calibration and service commands. A spin box change
// writes its field and asks the link to upload the whole block; refreshPage() shows the block.
class InternalSettingPage : public QWidget
{
    Q_OBJECT

public:
    InternalSettingPage(QWidget *parent, Commrt *link);
    ~InternalSettingPage() override;

    Ui::InternalSettingPageUi *form() const { return m_ui; }

public slots:
    void refreshPage();

    // One slot per field, in field order; each writes its field and requests the upload. They are
    // reached by the name rule, except onReserve1, onMaxThetaByhand and onMaxPhiByhand, which the
    // constructor connects.
    void on_spinBoxServoTrim0_valueChanged(int value);
    void on_spinBoxServoTrim1_valueChanged(int value);
    void on_spinBoxServoTrim2_valueChanged(int value);
    void on_spinBoxServoTrim3_valueChanged(int value);
    void on_spinBoxServoTrim4_valueChanged(int value);
    void on_spinBoxServoTrim5_valueChanged(int value);
    void on_spinBoxServoTrim6_valueChanged(int value);
    void on_spinBoxServoTrim7_valueChanged(int value);
    void on_spinBoxServoTrim8_valueChanged(int value);
    void on_spinBoxServoTrim9_valueChanged(int value);
    void on_spinBoxServoTrim10_valueChanged(int value);
    void on_spinBoxServoTrim11_valueChanged(int value);
    void on_spinBoxServoRev0_valueChanged(int value);
    void on_spinBoxServoRev1_valueChanged(int value);
    void on_spinBoxServoRev2_valueChanged(int value);
    void on_spinBoxServoRev3_valueChanged(int value);
    void on_spinBoxServoRev4_valueChanged(int value);
    void on_spinBoxServoRev5_valueChanged(int value);
    void on_spinBoxServoRev6_valueChanged(int value);
    void on_spinBoxServoRev7_valueChanged(int value);
    void on_spinBoxServoRev8_valueChanged(int value);
    void on_spinBoxServoRev9_valueChanged(int value);
    void on_spinBoxServoRev10_valueChanged(int value);
    void on_spinBoxServoRev11_valueChanged(int value);
    void on_spinBoxRcRev0_valueChanged(int value);
    void on_spinBoxRcRev1_valueChanged(int value);
    void on_spinBoxRcRev2_valueChanged(int value);
    void on_spinBoxRcRev3_valueChanged(int value);
    void on_spinBoxRcRev4_valueChanged(int value);
    void on_spinBoxRcRev5_valueChanged(int value);
    void on_spinBoxMotorIdel_valueChanged(int value);
    void on_spinBoxTailServoType_valueChanged(int value);
    void on_spinBoxSwashServoType_valueChanged(int value);
    void on_spinBoxTailLimitB_valueChanged(int value);
    void on_spinBoxTailLimitA_valueChanged(int value);
    void on_spinBoxAilLimit_valueChanged(int value);
    void on_spinBoxEleLimit_valueChanged(int value);
    void on_spinBoxCollRatio_valueChanged(int value);
    void on_spinBoxReceiverType_valueChanged(int value);
    void on_spinBoxModelType_valueChanged(int value);
    void on_spinBoxMotorType_valueChanged(int value);
    void on_spinBoxSwashPhase_valueChanged(int value);
    void on_spinBoxInstallation_valueChanged(int value);
    void on_spinBoxMotorStopType_valueChanged(int value);
    void on_spinBoxIMURotate_valueChanged(int value);
    void on_spinBoxIMUDistX_valueChanged(int value);
    void on_spinBoxIMUDistY_valueChanged(int value);
    void on_spinBoxIMUDistZ_valueChanged(int value);
    void on_spinBoxGPSDistX_valueChanged(int value);
    void on_spinBoxGPSDistY_valueChanged(int value);
    void on_spinBoxGPSDistZ_valueChanged(int value);
    void on_spinBoxGovernorStatus_valueChanged(int value);
    void on_spinBoxWaypointType_valueChanged(int value);
    void on_spinBoxBatteryCell_valueChanged(int value);
    void on_spinBoxSafeGard1_valueChanged(int value);
    void on_spinBoxSafeGard2_valueChanged(int value);
    void on_spinBoxVoltProtectSwitch_valueChanged(int value);
    void on_spinBoxLossVolt_valueChanged(int value);
    void on_spinBoxProtectVolt1_valueChanged(int value);
    void on_spinBoxProtectVolt2_valueChanged(int value);
    void on_spinBoxChannelMapA_valueChanged(int value);
    void on_spinBoxChannelMapE_valueChanged(int value);
    void on_spinBoxChannelMapT_valueChanged(int value);
    void on_spinBoxChannelMapR_valueChanged(int value);
    void on_spinBoxChannelMapU_valueChanged(int value);
    void on_spinBoxChannelMapC_valueChanged(int value);
    void on_spinBoxChannelMap7_valueChanged(int value);
    void on_spinBoxChannelMap8_valueChanged(int value);
    void on_spinBoxChannelMap9_valueChanged(int value);
    void on_spinBoxChannelMap10_valueChanged(int value);
    void on_spinBoxChannelMap11_valueChanged(int value);
    void on_spinBoxChannelMap12_valueChanged(int value);
    void on_spinBoxChannelMap13_valueChanged(int value);
    void on_spinBoxChannelMap14_valueChanged(int value);
    void on_spinBoxChannelMap15_valueChanged(int value);
    void on_spinBoxChannelMap16_valueChanged(int value);
    void on_spinBoxPKtotal_valueChanged(int value);
    void on_spinBoxPKp_valueChanged(int value);
    void on_spinBoxPKi_valueChanged(int value);
    void on_spinBoxPKd_valueChanged(int value);
    void on_spinBoxQKtotal_valueChanged(int value);
    void on_spinBoxQKp_valueChanged(int value);
    void on_spinBoxQKi_valueChanged(int value);
    void on_spinBoxQKd_valueChanged(int value);
    void on_spinBoxRKtotal_valueChanged(int value);
    void on_spinBoxRKp_valueChanged(int value);
    void on_spinBoxRKi_valueChanged(int value);
    void on_spinBoxRKd_valueChanged(int value);
    void on_spinBoxPhiKtotal_valueChanged(int value);
    void on_spinBoxPhiKp_valueChanged(int value);
    void on_spinBoxPhiKi_valueChanged(int value);
    void on_spinBoxPhiKd_valueChanged(int value);
    void on_spinBoxThetaKtotal_valueChanged(int value);
    void on_spinBoxThetaKp_valueChanged(int value);
    void on_spinBoxThetaKi_valueChanged(int value);
    void on_spinBoxThetaKd_valueChanged(int value);
    void on_spinBoxPsiKtotal_valueChanged(int value);
    void on_spinBoxPsiKp_valueChanged(int value);
    void on_spinBoxPsiKi_valueChanged(int value);
    void on_spinBoxPsiKd_valueChanged(int value);
    void on_spinBoxHKtotal_valueChanged(int value);
    void on_spinBoxHKp_valueChanged(int value);
    void on_spinBoxHKi_valueChanged(int value);
    void on_spinBoxHKd_valueChanged(int value);
    void on_spinBoxVKtotal_valueChanged(int value);
    void on_spinBoxVKp_valueChanged(int value);
    void on_spinBoxVKi_valueChanged(int value);
    void on_spinBoxVKd_valueChanged(int value);
    void on_spinBoxPositionKtotal_valueChanged(int value);
    void on_spinBoxPositionKp_valueChanged(int value);
    void on_spinBoxPositionKi_valueChanged(int value);
    void on_spinBoxPositionKd_valueChanged(int value);
    void on_spinBoxRpmKtotal_valueChanged(int value);
    void on_spinBoxRpmKp_valueChanged(int value);
    void on_spinBoxRpmKi_valueChanged(int value);
    void on_spinBoxRpmKd_valueChanged(int value);
    void on_spinBoxRpmCompensateColle_valueChanged(int value);
    void on_spinBoxRpmCompensateCyclic_valueChanged(int value);
    void on_spinBoxRpmCompensateTail_valueChanged(int value);
    void on_spinBoxBurstCoef_valueChanged(int value);
    void on_spinBoxRollAgility_valueChanged(int value);
    void on_spinBoxPitchAgility_valueChanged(int value);
    void on_spinBoxLeftSpin_valueChanged(int value);
    void on_spinBoxRightSpin_valueChanged(int value);
    void on_spinBoxAccLeft_valueChanged(int value);
    void on_spinBoxAccRight_valueChanged(int value);
    void on_spinBoxDecLeft_valueChanged(int value);
    void on_spinBoxDecRight_valueChanged(int value);
    void on_spinBoxAccMainrotor_valueChanged(int value);
    void on_spinBoxDecMainrotor_valueChanged(int value);
    void on_spinBoxDeadbandRcRudder_valueChanged(int value);
    void on_spinBoxDeadbandGyroZ_valueChanged(int value);
    void on_spinBoxDeadbandRcMainrotor_valueChanged(int value);
    void on_spinBoxDeadbandGyroXY_valueChanged(int value);
    void on_spinBoxTailCompensateColle_valueChanged(int value);
    void on_spinBoxTailCompensateCyclic_valueChanged(int value);
    void on_spinBoxTailCompensateColleZero_valueChanged(int value);
    void on_spinBoxVUKtotal_valueChanged(int value);
    void on_spinBoxVUKp_valueChanged(int value);
    void on_spinBoxVUKi_valueChanged(int value);
    void on_spinBoxVUKd_valueChanged(int value);
    void on_spinBoxSideDistKtotal_valueChanged(int value);
    void on_spinBoxSideDistKp_valueChanged(int value);
    void on_spinBoxSideDistKi_valueChanged(int value);
    void on_spinBoxSideDistKd_valueChanged(int value);
    void on_spinBoxIocEnable_valueChanged(int value);
    void on_spinBoxFlightTrimPhi_valueChanged(int value);
    void on_spinBoxFlightTrimTheta_valueChanged(int value);
    void on_spinBoxInvertFlight_valueChanged(int value);
    void onReserve1(int value);
    void on_spinBoxFailType_valueChanged(int value);
    void on_spinBoxGpsCruiseFailType_valueChanged(int value);
    void on_spinBoxTurnbackHeight_valueChanged(int value);
    void on_spinBoxCruiseHeading_valueChanged(int value);
    void on_spinBoxReachDistAlt_valueChanged(int value);
    void on_spinBoxMaxAutoSpin_valueChanged(int value);
    void on_spinBoxMaxPhi_valueChanged(int value);
    void on_spinBoxMaxTheta_valueChanged(int value);
    void on_spinBoxMaxVcruise_valueChanged(int value);
    void on_spinBoxMinVcruise_valueChanged(int value);
    void on_spinBoxMaxClimbrate_valueChanged(int value);
    void on_spinBoxMaxDeclinerate_valueChanged(int value);
    void onMaxThetaByhand(int value);
    void on_spinBoxCruiseVHBuff_valueChanged(int value);
    void on_spinBoxCruiseVUBuff_valueChanged(int value);
    void on_spinBoxVHStickAcc_valueChanged(int value);
    void on_spinBoxVHStickDec_valueChanged(int value);
    void on_spinBoxVUStickAcc_valueChanged(int value);
    void on_spinBoxVUStickDec_valueChanged(int value);
    void on_spinBoxCruiseVHAcc_valueChanged(int value);
    void on_spinBoxCruiseVHDec_valueChanged(int value);
    void on_spinBoxCruiseVUAcc_valueChanged(int value);
    void on_spinBoxCruiseVUDec_valueChanged(int value);
    void on_spinBoxLimitRadius_valueChanged(int value);
    void on_spinBoxLimitAlt_valueChanged(int value);
    void on_spinBoxForbidAreaEnable_valueChanged(int value);
    void onMaxPhiByhand(int value);

    // The levelling of the swash plate is not kept in the block.
    void on_spinBoxLevelSwash_valueChanged(int value);
    // Slots for limit switches that the form has no control for; they do nothing.
    void on_spinBoxLimitAction_valueChanged(int value);
    void on_spinBoxLimitAltEnable_valueChanged(int value);
    void on_spinBoxLimitRadiusEnable_valueChanged(int value);

    void on_pushButtonCalibVolt_clicked();
    void on_pushButtonTestBEC_clicked();
    void on_pushButtonCalilbRCNeu_clicked();
    void on_pushButtonStartCalibRCScale_clicked();
    void on_pushButtonStopCalibRCScale_clicked();
    void on_pushButtonBindDSM_clicked();

private:
    // A spin box and the field it edits.
    struct FieldEditor
    {
        QSpinBox *spinBox;
        const fclink::ParameterField *field;
        bool readsUnsigned;
    };

    void showWholeTabTitles();
    void bindSpinBoxesToFields();
    void connectControlsByName();
    void connectByName(QObject *control, const char *signal);
    void writeAndUpload(const char *fieldName, int value);
    QVector<int> valuesToShow() const;

    Commrt *m_link;
    Ui::InternalSettingPageUi *m_ui;
    QMutex m_pageLock;
    bool m_refreshing = false;
    QVector<FieldEditor> m_editors; // in field order
    QHash<QString, const fclink::ParameterField *> m_editedFields;
};

#endif // SKYDESK_INTERNALSETTINGPAGE_H
