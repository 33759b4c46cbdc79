#ifndef FCLINK_UAVPARAM_H
#define FCLINK_UAVPARAM_H

#include "fclink/fclink_global.h"

#include <mutex>

// The flight controller's configuration: 210 bytes, no padding, 16-bit fields little-endian at
// even offsets. The link copies it to and from frames as plain bytes; the field types are those
// under which the pages and the parameter file read and write the values. Spare bytes that no
// page edits are still transferred and saved.
//
// The struct is the block's memory image, so it depends on a little-endian host (every target
// of this program is one) and on byte packing.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the parameter block is a little-endian image");

#pragma pack(push, 1)
struct UavParam
{
    qint8 ServoTrim0;
    qint8 ServoTrim1;
    qint8 ServoTrim2;
    qint8 ServoTrim3;
    qint8 ServoTrim4;
    qint8 ServoTrim5;
    qint8 ServoTrim6;
    qint8 ServoTrim7;
    qint8 ServoTrim8;
    qint8 ServoTrim9;
    qint8 ServoTrim10;
    qint8 ServoTrim11;
    qint8 ServoRev0;
    qint8 ServoRev1;
    qint8 ServoRev2;
    qint8 ServoRev3;
    qint8 ServoRev4;
    qint8 ServoRev5;
    qint8 ServoRev6;
    qint8 ServoRev7;
    qint8 ServoRev8;
    qint8 ServoRev9;
    qint8 ServoRev10;
    qint8 ServoRev11;
    qint8 RcRev0;
    qint8 RcRev1;
    qint8 RcRev2;
    qint8 RcRev3;
    qint8 RcRev4;
    qint8 RcRev5;
    qint8 spare30;
    qint8 spare31;
    qint8 spare32;
    qint8 spare33;
    qint8 spare34;
    qint8 spare35;
    qint8 spare36;
    qint8 spare37;
    qint8 spare38;
    qint8 spare39;
    qint8 spare40;
    qint8 spare41;
    qint8 spare42;
    qint8 MotorIdel;
    qint8 TailServoType;
    qint8 SwashServoType;
    qint8 TailLimitB;
    qint8 TailLimitA;
    qint8 AilLimit;
    qint8 EleLimit;
    qint8 CollRatio;
    qint8 ReceiverType;
    qint8 ModelType;
    qint8 MotorType;
    qint8 SwashPhase;
    qint8 Installation;
    qint8 MotorStopType;
    qint8 IMURotate;
    qint16 IMUDistX;
    qint16 IMUDistY;
    qint16 IMUDistZ;
    qint16 GPSDistX;
    qint16 GPSDistY;
    qint16 GPSDistZ;
    qint8 GovernorStatus;
    quint8 WaypointType;
    quint8 BatteryCell;
    quint8 SafeGard1;
    quint8 SafeGard2;
    quint8 VoltProtectSwitch;
    quint16 LossVolt;
    quint16 ProtectVolt1;
    quint16 ProtectVolt2;
    quint8 ChannelMapA;
    quint8 ChannelMapE;
    quint8 ChannelMapT;
    quint8 ChannelMapR;
    quint8 ChannelMapU;
    quint8 ChannelMapC;
    quint8 ChannelMap7;
    quint8 ChannelMap8;
    quint8 ChannelMap9;
    quint8 ChannelMap10;
    quint8 ChannelMap11;
    quint8 ChannelMap12;
    quint8 ChannelMap13;
    quint8 ChannelMap14;
    quint8 ChannelMap15;
    quint8 ChannelMap16;
    quint8 spare98;
    quint8 spare99;
    qint8 PKtotal;
    qint8 PKp;
    qint8 PKi;
    qint8 PKd;
    qint8 QKtotal;
    qint8 QKp;
    qint8 QKi;
    qint8 QKd;
    qint8 RKtotal;
    qint8 RKp;
    qint8 RKi;
    qint8 RKd;
    qint8 PhiKtotal;
    qint8 PhiKp;
    qint8 PhiKi;
    qint8 PhiKd;
    qint8 ThetaKtotal;
    qint8 ThetaKp;
    qint8 ThetaKi;
    qint8 ThetaKd;
    qint8 PsiKtotal;
    qint8 PsiKp;
    qint8 PsiKi;
    qint8 PsiKd;
    qint8 HKtotal;
    qint8 HKp;
    qint8 HKi;
    qint8 HKd;
    qint8 VKtotal;
    qint8 VKp;
    qint8 VKi;
    qint8 VKd;
    qint8 PositionKtotal;
    qint8 PositionKp;
    qint8 PositionKi;
    qint8 PositionKd;
    qint8 RpmKtotal;
    qint8 RpmKp;
    qint8 RpmKi;
    qint8 RpmKd;
    qint8 RpmCompensateColle;
    qint8 RpmCompensateCyclic;
    qint8 RpmCompensateTail;
    qint8 BurstCoef;
    qint8 RollAgility;
    qint8 PitchAgility;
    qint8 LeftSpin;
    qint8 RightSpin;
    qint8 AccLeft;
    qint8 AccRight;
    qint8 DecLeft;
    qint8 DecRight;
    qint8 AccMainrotor;
    qint8 DecMainrotor;
    qint8 DeadbandRcRudder;
    qint8 DeadbandGyroZ;
    qint8 DeadbandRcMainrotor;
    qint8 DeadbandGyroXY;
    qint8 TailCompensateColle;
    qint8 TailCompensateCyclic;
    qint8 TailCompensateColleZero;
    quint8 spare161;
    qint8 VUKtotal;
    qint8 VUKp;
    qint8 VUKi;
    qint8 VUKd;
    qint8 SideDistKtotal;
    qint8 SideDistKp;
    qint8 SideDistKi;
    qint8 SideDistKd;
    qint8 IocEnable;
    qint8 spare171;
    qint8 IocFunctionMiddle;
    qint8 IocFunctionRight;
    qint8 FlightTrimPhi;
    qint8 FlightTrimTheta;
    qint8 InvertFlight;
    qint8 Reserve1;
    qint8 FailType;
    qint8 GpsCruiseFailType;
    quint16 TurnbackHeight;
    qint8 GoHomeEnable;
    qint8 GoHomeHeading;
    qint8 CruiseHeading;
    qint8 ReachDistAlt;
    qint8 MaxAutoSpin;
    qint8 MaxPhi;
    qint8 MaxTheta;
    qint8 MaxVcruise;
    qint8 MinVcruise;
    qint8 MaxClimbrate;
    qint8 MaxDeclinerate;
    qint8 MaxThetaByhand;
    qint8 CruiseVHBuff;
    qint8 CruiseVUBuff;
    qint8 VHStickAcc;
    qint8 VHStickDec;
    qint8 VUStickAcc;
    qint8 VUStickDec;
    qint8 CruiseVHAcc;
    qint8 CruiseVHDec;
    qint8 CruiseVUAcc;
    qint8 CruiseVUDec;
    quint16 LimitRadius;
    quint16 LimitAlt;
    qint8 ForbidAreaEnable;
    quint8 MaxPhiByhand;
};
#pragma pack(pop)

namespace fclink {
constexpr int kParameterBlockSize = 210;
}

static_assert(sizeof(UavParam) == fclink::kParameterBlockSize,
              "the parameter block is exactly 210 bytes");

// The process-wide parameter block, filled by the link after each connection, edited by the pages.
extern FCLINK_EXPORT UavParam uavParam;

namespace fclink {

// Held by every writer of uavParam (pages, file import, the link's read decoder) and by the link
// while it copies a write slice, so a slice never carries half of a 16-bit field.
FCLINK_EXPORT std::mutex &parameterBlockMutex();

// The block's bytes in place, for code that copies them to and from frames slice by slice.
inline quint8 *parameterBlockBytes(UavParam &block)
{
    return reinterpret_cast<quint8 *>(&block);
}

inline const quint8 *parameterBlockBytes(const UavParam &block)
{
    return reinterpret_cast<const quint8 *>(&block);
}

} // namespace fclink

#endif // FCLINK_UAVPARAM_H
