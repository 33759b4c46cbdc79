#include "parameterfields.h"

#include "uavparam.h"

#include <cstddef>
#include <cstring>
#include <limits>
#include <type_traits>

namespace fclink {

namespace {

template <typename T> constexpr FieldType fieldTypeOf()
{
    static_assert(std::is_same_v<T, qint8> || std::is_same_v<T, quint8> ||
                      std::is_same_v<T, qint16> || std::is_same_v<T, quint16>,
                  "parameter fields are 8 or 16 bits wide");
    if constexpr (std::is_same_v<T, qint8>)
        return FieldType::Int8;
    else if constexpr (std::is_same_v<T, quint8>)
        return FieldType::UInt8;
    else if constexpr (std::is_same_v<T, qint16>)
        return FieldType::Int16;
    else
        return FieldType::UInt16;
}

// Offsets and types come from the UavParam struct itself; the table adds only the file keys.
#define FC_FIELD(name, key)                                                                        \
    ParameterField                                                                                 \
    {                                                                                              \
#name, static_cast < int>(offsetof(UavParam, name)),                                       \
            fieldTypeOf < decltype(UavParam::name)>(), key                                         \
    }

const QVector<ParameterField> kFields = {
    FC_FIELD(ServoTrim0, 0),
    FC_FIELD(ServoTrim1, 1),
    FC_FIELD(ServoTrim2, 2),
    FC_FIELD(ServoTrim3, 3),
    FC_FIELD(ServoTrim4, 4),
    FC_FIELD(ServoTrim5, 5),
    FC_FIELD(ServoTrim6, 6),
    FC_FIELD(ServoTrim7, 7),
    FC_FIELD(ServoTrim8, 8),
    FC_FIELD(ServoTrim9, 9),
    FC_FIELD(ServoTrim10, 10),
    FC_FIELD(ServoTrim11, 11),
    FC_FIELD(ServoRev0, 12),
    FC_FIELD(ServoRev1, 13),
    FC_FIELD(ServoRev2, 14),
    FC_FIELD(ServoRev3, 15),
    FC_FIELD(ServoRev4, 16),
    FC_FIELD(ServoRev5, 17),
    FC_FIELD(ServoRev6, 18),
    FC_FIELD(ServoRev7, 19),
    FC_FIELD(ServoRev8, 20),
    FC_FIELD(ServoRev9, 21),
    FC_FIELD(ServoRev10, 22),
    FC_FIELD(ServoRev11, 23),
    FC_FIELD(RcRev0, 24),
    FC_FIELD(RcRev1, 25),
    FC_FIELD(RcRev2, 26),
    FC_FIELD(RcRev3, 27),
    FC_FIELD(RcRev4, 28),
    FC_FIELD(RcRev5, 29),
    FC_FIELD(spare30, 30),
    FC_FIELD(spare31, 31),
    FC_FIELD(spare32, 32),
    FC_FIELD(spare33, 33),
    FC_FIELD(spare34, 34),
    FC_FIELD(spare35, 35),
    FC_FIELD(spare36, 36),
    FC_FIELD(spare37, 37),
    FC_FIELD(spare38, 38),
    FC_FIELD(spare39, 39),
    FC_FIELD(spare40, 40),
    FC_FIELD(spare41, 41),
    FC_FIELD(spare42, 42),
    FC_FIELD(MotorIdel, 43),
    FC_FIELD(TailServoType, 44),
    FC_FIELD(SwashServoType, 45),
    FC_FIELD(TailLimitB, 47),
    FC_FIELD(TailLimitA, 46),
    FC_FIELD(AilLimit, 48),
    FC_FIELD(EleLimit, 49),
    FC_FIELD(CollRatio, 50),
    FC_FIELD(ReceiverType, 51),
    FC_FIELD(ModelType, 52),
    FC_FIELD(MotorType, 53),
    FC_FIELD(SwashPhase, 54),
    FC_FIELD(Installation, 55),
    FC_FIELD(MotorStopType, 56),
    FC_FIELD(IMURotate, 57),
    FC_FIELD(IMUDistX, 58),
    FC_FIELD(IMUDistY, 59),
    FC_FIELD(IMUDistZ, 60),
    FC_FIELD(GPSDistX, 61),
    FC_FIELD(GPSDistY, 62),
    FC_FIELD(GPSDistZ, 63),
    FC_FIELD(GovernorStatus, 64),
    FC_FIELD(WaypointType, 65),
    FC_FIELD(BatteryCell, 66),
    FC_FIELD(SafeGard1, 67),
    FC_FIELD(SafeGard2, 68),
    FC_FIELD(VoltProtectSwitch, 69),
    FC_FIELD(LossVolt, 70),
    FC_FIELD(ProtectVolt1, 71),
    FC_FIELD(ProtectVolt2, 72),
    FC_FIELD(ChannelMapA, 73),
    FC_FIELD(ChannelMapE, 74),
    FC_FIELD(ChannelMapT, 75),
    FC_FIELD(ChannelMapR, 76),
    FC_FIELD(ChannelMapU, 77),
    FC_FIELD(ChannelMapC, 78),
    FC_FIELD(ChannelMap7, 79),
    FC_FIELD(ChannelMap8, 80),
    FC_FIELD(ChannelMap9, 81),
    FC_FIELD(ChannelMap10, 82),
    FC_FIELD(ChannelMap11, 83),
    FC_FIELD(ChannelMap12, 84),
    FC_FIELD(ChannelMap13, 85),
    FC_FIELD(ChannelMap14, 86),
    FC_FIELD(ChannelMap15, 87),
    FC_FIELD(ChannelMap16, 88),
    FC_FIELD(spare98, 89),
    FC_FIELD(spare99, 90),
    FC_FIELD(PKtotal, 91),
    FC_FIELD(PKp, 92),
    FC_FIELD(PKi, 93),
    FC_FIELD(PKd, 94),
    FC_FIELD(QKtotal, 95),
    FC_FIELD(QKp, 96),
    FC_FIELD(QKi, 97),
    FC_FIELD(QKd, 98),
    FC_FIELD(RKtotal, 99),
    FC_FIELD(RKp, 100),
    FC_FIELD(RKi, 101),
    FC_FIELD(RKd, 102),
    FC_FIELD(PhiKtotal, 103),
    FC_FIELD(PhiKp, 104),
    FC_FIELD(PhiKi, 105),
    FC_FIELD(PhiKd, 106),
    FC_FIELD(ThetaKtotal, 107),
    FC_FIELD(ThetaKp, 108),
    FC_FIELD(ThetaKi, 109),
    FC_FIELD(ThetaKd, 110),
    FC_FIELD(PsiKtotal, 111),
    FC_FIELD(PsiKp, 112),
    FC_FIELD(PsiKi, 113),
    FC_FIELD(PsiKd, 114),
    FC_FIELD(HKtotal, 115),
    FC_FIELD(HKp, 116),
    FC_FIELD(HKi, 117),
    FC_FIELD(HKd, 118),
    FC_FIELD(VKtotal, 119),
    FC_FIELD(VKp, 120),
    FC_FIELD(VKi, 121),
    FC_FIELD(VKd, 122),
    FC_FIELD(PositionKtotal, 123),
    FC_FIELD(PositionKp, 124),
    FC_FIELD(PositionKi, 125),
    FC_FIELD(PositionKd, 126),
    FC_FIELD(RpmKtotal, 127),
    FC_FIELD(RpmKp, 128),
    FC_FIELD(RpmKi, 129),
    FC_FIELD(RpmKd, 130),
    FC_FIELD(RpmCompensateColle, 131),
    FC_FIELD(RpmCompensateCyclic, 132),
    FC_FIELD(RpmCompensateTail, 133),
    FC_FIELD(BurstCoef, 134),
    FC_FIELD(RollAgility, 135),
    FC_FIELD(PitchAgility, 136),
    FC_FIELD(LeftSpin, 137),
    FC_FIELD(RightSpin, 138),
    FC_FIELD(AccLeft, 139),
    FC_FIELD(AccRight, 140),
    FC_FIELD(DecLeft, 141),
    FC_FIELD(DecRight, 142),
    FC_FIELD(AccMainrotor, 143),
    FC_FIELD(DecMainrotor, 144),
    FC_FIELD(DeadbandRcRudder, 145),
    FC_FIELD(DeadbandGyroZ, 146),
    FC_FIELD(DeadbandRcMainrotor, 147),
    FC_FIELD(DeadbandGyroXY, 148),
    FC_FIELD(TailCompensateColle, 149),
    FC_FIELD(TailCompensateCyclic, 150),
    FC_FIELD(TailCompensateColleZero, 151),
    FC_FIELD(spare161, 198),
    FC_FIELD(VUKtotal, 160),
    FC_FIELD(VUKp, 161),
    FC_FIELD(VUKi, 162),
    FC_FIELD(VUKd, 163),
    FC_FIELD(SideDistKtotal, 164),
    FC_FIELD(SideDistKp, 165),
    FC_FIELD(SideDistKi, 166),
    FC_FIELD(SideDistKd, 167),
    FC_FIELD(IocEnable, 177),
    FC_FIELD(spare171, 178),
    FC_FIELD(IocFunctionMiddle, 179),
    FC_FIELD(IocFunctionRight, 180),
    FC_FIELD(FlightTrimPhi, 152),
    FC_FIELD(FlightTrimTheta, 153),
    FC_FIELD(InvertFlight, 154),
    FC_FIELD(Reserve1, 197),
    FC_FIELD(FailType, 176),
    FC_FIELD(GpsCruiseFailType, 157),
    FC_FIELD(TurnbackHeight, 155),
    FC_FIELD(GoHomeEnable, 158),
    FC_FIELD(GoHomeHeading, 159),
    FC_FIELD(CruiseHeading, 194),
    FC_FIELD(ReachDistAlt, 182),
    FC_FIELD(MaxAutoSpin, 168),
    FC_FIELD(MaxPhi, 169),
    FC_FIELD(MaxTheta, 170),
    FC_FIELD(MaxVcruise, 171),
    FC_FIELD(MinVcruise, 172),
    FC_FIELD(MaxClimbrate, 173),
    FC_FIELD(MaxDeclinerate, 174),
    FC_FIELD(MaxThetaByhand, 195),
    FC_FIELD(CruiseVHBuff, 175),
    FC_FIELD(CruiseVUBuff, 156),
    FC_FIELD(VHStickAcc, 186),
    FC_FIELD(VHStickDec, 187),
    FC_FIELD(VUStickAcc, 188),
    FC_FIELD(VUStickDec, 189),
    FC_FIELD(CruiseVHAcc, 190),
    FC_FIELD(CruiseVHDec, 191),
    FC_FIELD(CruiseVUAcc, 192),
    FC_FIELD(CruiseVUDec, 193),
    FC_FIELD(LimitRadius, 183),
    FC_FIELD(LimitAlt, 184),
    FC_FIELD(ForbidAreaEnable, 185),
    FC_FIELD(MaxPhiByhand, 196),
};

#undef FC_FIELD

} // namespace

const QVector<ParameterField> &parameterFields()
{
    return kFields;
}

const ParameterField *findParameterField(const QString &name)
{
    for (const ParameterField &field : kFields) {
        if (name == QLatin1String(field.name))
            return &field;
    }
    return nullptr;
}

qint32 fieldMinimum(FieldType type)
{
    switch (type) {
    case FieldType::Int8:
        return std::numeric_limits<qint8>::min();
    case FieldType::Int16:
        return std::numeric_limits<qint16>::min();
    case FieldType::UInt8:
    case FieldType::UInt16:
        break;
    }
    return 0;
}

qint32 fieldMaximum(FieldType type)
{
    switch (type) {
    case FieldType::Int8:
        return std::numeric_limits<qint8>::max();
    case FieldType::UInt8:
        return std::numeric_limits<quint8>::max();
    case FieldType::Int16:
        return std::numeric_limits<qint16>::max();
    case FieldType::UInt16:
        break;
    }
    return std::numeric_limits<quint16>::max();
}

bool valueFitsField(FieldType type, qint64 value)
{
    return value >= fieldMinimum(type) && value <= fieldMaximum(type);
}

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::Int8:
        return QStringLiteral("int8");
    case FieldType::UInt8:
        return QStringLiteral("uint8");
    case FieldType::Int16:
        return QStringLiteral("int16");
    case FieldType::UInt16:
        break;
    }
    return QStringLiteral("uint16");
}

qint32 readField(const quint8 *block, const ParameterField &field)
{
    const quint8 *p = block + field.offset;
    switch (field.type) {
    case FieldType::Int8:
        return static_cast<qint8>(p[0]);
    case FieldType::UInt8:
        return p[0];
    case FieldType::Int16:
        return static_cast<qint16>(static_cast<quint16>(p[0] | (p[1] << 8)));
    case FieldType::UInt16:
        break;
    }
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

void writeField(quint8 *block, const ParameterField &field, qint32 value)
{
    const auto raw = static_cast<quint32>(value);
    block[field.offset] = static_cast<quint8>(raw & 0xFF);
    if (field.size() == 2)
        block[field.offset + 1] = static_cast<quint8>((raw >> 8) & 0xFF);
}

QStringList differingFields(const quint8 *first, const quint8 *second)
{
    QStringList names;
    for (const ParameterField &field : kFields) {
        if (std::memcmp(first + field.offset, second + field.offset,
                        static_cast<std::size_t>(field.size())) != 0)
            names.append(QLatin1String(field.name));
    }
    return names;
}

} // namespace fclink
