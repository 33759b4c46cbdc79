#include "parameterfields.h"

#include "uavparam.h"
#include "units.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstddef>
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

// Builds one row of the table. A field starts out meaning any value of its type, shown nowhere.
class Row
{
public:
    Row(const char *name, std::size_t offset, FieldType type, int fileKey)
    {
        m_field.name = name;
        m_field.offset = static_cast<int>(offset);
        m_field.type = type;
        m_field.fileKey = fileKey;
        m_field.minimum = fieldMinimum(type);
        m_field.maximum = fieldMaximum(type);
    }

    Row caption(const char *text) const
    {
        Row row = *this;
        row.m_field.caption = text;
        return row;
    }

    Row range(qint32 minimum, qint32 maximum) const
    {
        Row row = *this;
        row.m_field.minimum = minimum;
        row.m_field.maximum = maximum;
        return row;
    }

    Row service(qint32 minimum, qint32 maximum) const
    {
        Row row = *this;
        row.m_field.serviceMinimum = minimum;
        row.m_field.serviceMaximum = maximum;
        row.m_serviceGiven = true;
        return row;
    }

    Row unit(const char *unit, int scale = 1, int decimals = 0) const
    {
        Row row = *this;
        row.m_field.unit = unit;
        row.m_field.scale = scale;
        row.m_field.decimals = decimals;
        return row;
    }

    Row choices(const QVector<FieldChoice> &choices) const
    {
        Row row = *this;
        row.m_field.choices = choices;
        const auto [lowest, highest] = std::minmax_element(
            choices.cbegin(), choices.cend(),
            [](const FieldChoice &a, const FieldChoice &b) { return a.code < b.code; });
        row.m_field.minimum = lowest->code;
        row.m_field.maximum = highest->code;
        row.m_field.defaultValue = choices.first().code;
        return row;
    }

    Row byDefault(qint32 value) const
    {
        Row row = *this;
        row.m_field.defaultValue = value;
        return row;
    }

    Row at(const FieldTab &tab, const char *group) const
    {
        Row row = *this;
        row.m_field.tab = tab;
        row.m_field.group = group;
        return row;
    }

    operator ParameterField() const
    {
        ParameterField field = m_field;
        if (!m_serviceGiven) {
            field.serviceMinimum = field.minimum;
            field.serviceMaximum = field.maximum;
        }
        return field;
    }

private:
    ParameterField m_field;
    bool m_serviceGiven = false;
};

// Offsets and types come from the UavParam struct itself.
#define F(name, key)                                                                               \
    Row(#name, offsetof(UavParam, name), fieldTypeOf<decltype(UavParam::name)>(), key)

const char *const kMetres = "m";
const char *const kVolts = "V";

const FieldTab kMotorTab{FieldPage::Setting, 0, QT_TRANSLATE_NOOP("ParameterModel", "Motor")};
const FieldTab kFailSafeTab{FieldPage::Setting, 1, QT_TRANSLATE_NOOP("ParameterModel", "FailSafe")};
const FieldTab kIocTab{FieldPage::Setting, 2, QT_TRANSLATE_NOOP("ParameterModel", "IOC")};
const FieldTab kLimitsTab{FieldPage::Setting, 4, QT_TRANSLATE_NOOP("ParameterModel", "Limits")};
const FieldTab kParam1{FieldPage::Internal, 0, QT_TRANSLATE_NOOP("ParameterModel", "Param1")};
const FieldTab kParam2{FieldPage::Internal, 1, QT_TRANSLATE_NOOP("ParameterModel", "Param2")};
const FieldTab kParam3{FieldPage::Internal, 2, QT_TRANSLATE_NOOP("ParameterModel", "Param3")};
const FieldTab kParam4{FieldPage::Internal, 3, QT_TRANSLATE_NOOP("ParameterModel", "Param4")};
const FieldTab kParam5{FieldPage::Internal, 4, QT_TRANSLATE_NOOP("ParameterModel", "Param5")};

const char *const kMotorIdelSpeedGroup = QT_TRANSLATE_NOOP("ParameterModel", "Motor Idel Speed");
const char *const kFailsafeMethodsGroup =
    QT_TRANSLATE_NOOP("ParameterModel", "Enhanced Failsafe Methods");
const char *const kGoHomeHeadingGroup = QT_TRANSLATE_NOOP("ParameterModel", "Go-Home Heading");
const char *const kGoHomeSwitchGroup = QT_TRANSLATE_NOOP("ParameterModel", "Go-Home Switch");
const char *const kGoHomeAltitudeGroup = QT_TRANSLATE_NOOP("ParameterModel", "Go-Home Altitude");
const char *const kIocGroup =
    QT_TRANSLATE_NOOP("ParameterModel", "Intelligent Orientation Control");
const char *const kAltitudeLimitGroup = QT_TRANSLATE_NOOP("ParameterModel", "Altitude Limit");
const char *const kDistanceLimitGroup = QT_TRANSLATE_NOOP("ParameterModel", "Distance Limit");
const char *const kForbiddenAreaGroup = QT_TRANSLATE_NOOP("ParameterModel", "Forbiden Area Limit");
const char *const kServoTrimGroup = QT_TRANSLATE_NOOP("ParameterModel", "Servo Trim");
const char *const kServoRevGroup = QT_TRANSLATE_NOOP("ParameterModel", "Servo Rev");
const char *const kRcRevGroup = QT_TRANSLATE_NOOP("ParameterModel", "Rc Rev");
const char *const kChannelMapGroup = QT_TRANSLATE_NOOP("ParameterModel", "Channel Map");

const char *const kHover = QT_TRANSLATE_NOOP("ParameterModel", "Hover");
const char *const kAltGoHome = QT_TRANSLATE_NOOP("ParameterModel", "Alt Go-Home");
const char *const kTowards = QT_TRANSLATE_NOOP("ParameterModel", "Towards");
const char *const kBackwards = QT_TRANSLATE_NOOP("ParameterModel", "Backwards");
// The IOC function codes are shared by both stick positions; each offers two of them.
const char *const kCourseLock = QT_TRANSLATE_NOOP("ParameterModel", "Course Lock");
const char *const kHomeLock = QT_TRANSLATE_NOOP("ParameterModel", "Home Lock");
const char *const kPointOfInterest = QT_TRANSLATE_NOOP("ParameterModel", "Point of Interest");
const char *const kOnCaps = QT_TRANSLATE_NOOP("ParameterModel", "ON");
const char *const kOffCaps = QT_TRANSLATE_NOOP("ParameterModel", "OFF");
const char *const kFunction1 = QT_TRANSLATE_NOOP("ParameterModel", "Function 1");
const char *const kFunction2 = QT_TRANSLATE_NOOP("ParameterModel", "Function 2");
const QVector<FieldChoice> kOffOn = {{0, QT_TRANSLATE_NOOP("ParameterModel", "Off")},
                                     {1, QT_TRANSLATE_NOOP("ParameterModel", "On")}};

// What the firmware makes of most fields is not known here: those keep the whole range of their
// type. Ranges are given where the pages, the form or the controller's documented behaviour say
// what makes sense. Defaults are a plausible factory configuration: a three-cell battery,
// channels 1 to 6 mapped in order, the go-home switch on channel 5, the IOC switch on channel 6,
// go-home enabled at 30 m.
const QVector<ParameterField> kFields = {
    F(ServoTrim0, 0)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim0"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim1, 1)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim1"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim2, 2)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim2"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim3, 3)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim3"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim4, 4)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim4"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim5, 5)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim5"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim6, 6)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim6"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim7, 7)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim7"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim8, 8)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim8"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim9, 9)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim9"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim10, 10)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim10"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoTrim11, 11)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "trim11"))
        .range(-125, 125)
        .service(-125, 125)
        .at(kParam1, kServoTrimGroup),
    F(ServoRev0, 12)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev0"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev1, 13)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev1"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev2, 14)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev2"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev3, 15)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev3"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev4, 16)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev4"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev5, 17)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev5"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev6, 18)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev6"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev7, 19)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev7"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev8, 20)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev8"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev9, 21)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev9"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev10, 22)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev10"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(ServoRev11, 23)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev11"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kServoRevGroup),
    F(RcRev0, 24)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev0"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kRcRevGroup),
    F(RcRev1, 25)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev1"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kRcRevGroup),
    F(RcRev2, 26)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev2"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kRcRevGroup),
    F(RcRev3, 27)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev3"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kRcRevGroup),
    F(RcRev4, 28)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev4"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kRcRevGroup),
    F(RcRev5, 29)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rev5"))
        .range(-1, 1)
        .service(-1, 1)
        .at(kParam1, kRcRevGroup),
    F(spare30, 30),
    F(spare31, 31),
    F(spare32, 32),
    F(spare33, 33),
    F(spare34, 34),
    F(spare35, 35),
    F(spare36, 36),
    F(spare37, 37),
    F(spare38, 38),
    F(spare39, 39),
    F(spare40, 40),
    F(spare41, 41),
    F(spare42, 42),
    F(MotorIdel, 43)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Motor Idel Speed"))
        .range(1, 5)
        .service(-500, 500)
        .at(kMotorTab, kMotorIdelSpeedGroup)
        .byDefault(2),
    F(TailServoType, 44)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Tail Servo Type"))
        .at(kParam1, nullptr),
    F(SwashServoType, 45)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Swash Servo Type"))
        .at(kParam1, nullptr)
        .byDefault(1),
    F(TailLimitB, 47)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Tail Limit B"))
        .at(kParam1, nullptr)
        .byDefault(80),
    F(TailLimitA, 46)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Tail Limit A"))
        .at(kParam1, nullptr)
        .byDefault(80),
    F(AilLimit, 48)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Ail Limit"))
        .at(kParam1, nullptr)
        .byDefault(80),
    F(EleLimit, 49)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Ele Limit"))
        .at(kParam1, nullptr)
        .byDefault(80),
    F(CollRatio, 50)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Coll Ratio"))
        .at(kParam1, nullptr)
        .byDefault(60),
    F(ReceiverType, 51)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Receiver Type"))
        .at(kParam1, nullptr),
    F(ModelType, 52)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Model Type"))
        .at(kParam1, nullptr),
    F(MotorType, 53)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Motor Type"))
        .at(kParam1, nullptr),
    F(SwashPhase, 54)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Swash Phase"))
        .at(kParam2, nullptr),
    F(Installation, 55)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Installation"))
        .at(kParam2, nullptr),
    F(MotorStopType, 56)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Motor Stop Type"))
        .at(kParam2, nullptr),
    F(IMURotate, 57)
        .service(-180, 180)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "IMU Rotate"))
        .at(kParam2, nullptr),
    F(IMUDistX, 58)
        .service(-30000, 30000)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "IMU Dist X"))
        .at(kParam2, nullptr),
    F(IMUDistY, 59)
        .service(-30000, 30000)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "IMU Dist Y"))
        .at(kParam2, nullptr),
    F(IMUDistZ, 60)
        .service(-30000, 30000)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "IMU Dist Z"))
        .at(kParam2, nullptr),
    F(GPSDistX, 61)
        .service(-30000, 30000)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "GPS Dist X"))
        .at(kParam2, nullptr),
    F(GPSDistY, 62)
        .service(-30000, 30000)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "GPS Dist Y"))
        .at(kParam2, nullptr),
    F(GPSDistZ, 63)
        .service(-30000, 30000)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "GPS Dist Z"))
        .at(kParam2, nullptr),
    F(GovernorStatus, 64)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Governor Status"))
        .at(kParam2, nullptr),
    F(WaypointType, 65)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Waypoint Type"))
        .at(kParam2, nullptr),
    F(BatteryCell, 66)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Battery Cell"))
        .at(kParam2, nullptr)
        .byDefault(3),
    F(SafeGard1, 67)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Safe Gard 1"))
        .choices({{0, kFunction1}, {2, kFunction2}})
        .at(kParam2, nullptr)
        .byDefault(2),
    F(SafeGard2, 68)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Safe Gard 2"))
        .choices({{0, kFunction1}, {1, kFunction2}})
        .at(kParam2, nullptr)
        .byDefault(1),
    F(VoltProtectSwitch, 69)
        .service(-500, 500)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "VoltProtect switch"))
        .choices(kOffOn)
        .at(kParam2, nullptr)
        .byDefault(1),
    F(LossVolt, 70)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Loss Volt"))
        .range(0, 6000)
        .service(-30000, 30000)
        .unit(kVolts, kHundredthsPerVolt, 2)
        .at(kParam2, nullptr)
        .byDefault(1110),
    F(ProtectVolt1, 71)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Protect Volt 1"))
        .range(0, 6000)
        .service(-30000, 30000)
        .unit(kVolts, kHundredthsPerVolt, 2)
        .at(kParam2, nullptr)
        .byDefault(1050),
    F(ProtectVolt2, 72)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Protect Volt 2"))
        .range(0, 6000)
        .service(-30000, 30000)
        .unit(kVolts, kHundredthsPerVolt, 2)
        .at(kParam2, nullptr)
        .byDefault(1000),
    F(ChannelMapA, 73)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "A"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup)
        .byDefault(1),
    F(ChannelMapE, 74)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "E"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup)
        .byDefault(2),
    F(ChannelMapT, 75)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "T"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup)
        .byDefault(3),
    F(ChannelMapR, 76)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "R"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup)
        .byDefault(4),
    F(ChannelMapU, 77)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "U"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup)
        .byDefault(5),
    F(ChannelMapC, 78)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "C"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup)
        .byDefault(6),
    F(ChannelMap7, 79)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Channel 7"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup)
        .byDefault(5),
    F(ChannelMap8, 80)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Channel 8"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup)
        .byDefault(6),
    F(ChannelMap9, 81)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Channel 9"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup),
    F(ChannelMap10, 82)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Channel 10"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup),
    F(ChannelMap11, 83)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Channel 11"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup),
    F(ChannelMap12, 84)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Channel 12"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup),
    F(ChannelMap13, 85)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Channel 13"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup),
    F(ChannelMap14, 86)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Channel 14"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup),
    F(ChannelMap15, 87)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Channel 15"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup),
    F(ChannelMap16, 88)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Channel 16"))
        .range(0, 8)
        .service(0, 100)
        .at(kParam2, kChannelMapGroup),
    F(spare98, 89),
    F(spare99, 90),
    F(PKtotal, 91)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "p ktotal"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "p"))
        .byDefault(40),
    F(PKp, 92)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "p kp"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "p"))
        .byDefault(20),
    F(PKi, 93)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "p ki"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "p"))
        .byDefault(10),
    F(PKd, 94)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "p kd"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "p"))
        .byDefault(5),
    F(QKtotal, 95)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "q ktotal"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "q"))
        .byDefault(40),
    F(QKp, 96)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "q kp"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "q"))
        .byDefault(20),
    F(QKi, 97)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "q ki"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "q"))
        .byDefault(10),
    F(QKd, 98)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "q kd"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "q"))
        .byDefault(5),
    F(RKtotal, 99)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "r ktotal"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "r"))
        .byDefault(35),
    F(RKp, 100)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "r kp"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "r"))
        .byDefault(18),
    F(RKi, 101)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "r ki"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "r"))
        .byDefault(8),
    F(RKd, 102)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "r kd"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "r"))
        .byDefault(4),
    F(PhiKtotal, 103)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "phi ktotal"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "phi"))
        .byDefault(40),
    F(PhiKp, 104)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "phi kp"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "phi"))
        .byDefault(25),
    F(PhiKi, 105)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "phi ki"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "phi"))
        .byDefault(5),
    F(PhiKd, 106)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "phi kd"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "phi"))
        .byDefault(10),
    F(ThetaKtotal, 107)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "theta ktotal"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "theta"))
        .byDefault(40),
    F(ThetaKp, 108)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "theta kp"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "theta"))
        .byDefault(25),
    F(ThetaKi, 109)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "theta ki"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "theta"))
        .byDefault(5),
    F(ThetaKd, 110)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "theta kd"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "theta"))
        .byDefault(10),
    F(PsiKtotal, 111)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "psi ktotal"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "psi"))
        .byDefault(30),
    F(PsiKp, 112)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "psi kp"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "psi"))
        .byDefault(20),
    F(PsiKi, 113)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "psi ki"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "psi"))
        .byDefault(5),
    F(PsiKd, 114)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "psi kd"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "psi"))
        .byDefault(8),
    F(HKtotal, 115)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "h ktotal"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "h"))
        .byDefault(30),
    F(HKp, 116)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "h kp"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "h"))
        .byDefault(20),
    F(HKi, 117)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "h ki"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "h"))
        .byDefault(10),
    F(HKd, 118)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "h kd"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "h"))
        .byDefault(5),
    F(VKtotal, 119)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "v ktotal"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "v"))
        .byDefault(30),
    F(VKp, 120)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "v kp"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "v"))
        .byDefault(20),
    F(VKi, 121)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "v ki"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "v"))
        .byDefault(10),
    F(VKd, 122)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "v kd"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "v"))
        .byDefault(5),
    F(PositionKtotal, 123)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "position ktotal"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "position"))
        .byDefault(25),
    F(PositionKp, 124)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "position kp"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "position"))
        .byDefault(15),
    F(PositionKi, 125)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "position ki"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "position"))
        .byDefault(5),
    F(PositionKd, 126)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "position kd"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam3, QT_TRANSLATE_NOOP("ParameterModel", "position"))
        .byDefault(5),
    F(RpmKtotal, 127)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rpm ktotal"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, QT_TRANSLATE_NOOP("ParameterModel", "rpm")),
    F(RpmKp, 128)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rpm kp"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, QT_TRANSLATE_NOOP("ParameterModel", "rpm")),
    F(RpmKi, 129)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rpm ki"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, QT_TRANSLATE_NOOP("ParameterModel", "rpm")),
    F(RpmKd, 130)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rpm kd"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, QT_TRANSLATE_NOOP("ParameterModel", "rpm")),
    F(RpmCompensateColle, 131)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rpm compensate colle"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(RpmCompensateCyclic, 132)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rpm compensate cyclic"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(RpmCompensateTail, 133)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "rpm compensate tail"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(BurstCoef, 134)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "burst coef"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(RollAgility, 135)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "roll agility"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(PitchAgility, 136)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "pitch agility"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(LeftSpin, 137)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "left spin"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(RightSpin, 138)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "right spin"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(AccLeft, 139)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "acc left"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(AccRight, 140)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "acc right"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(DecLeft, 141)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "dec left"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(DecRight, 142)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "dec right"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(AccMainrotor, 143)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "acc mainrotor"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(DecMainrotor, 144)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "dec mainrotor"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(DeadbandRcRudder, 145)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "deadband rc rudder"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(DeadbandGyroZ, 146)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "deadband gyro z"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(DeadbandRcMainrotor, 147)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "deadband rc mainrotor"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(DeadbandGyroXY, 148)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "deadband gyro xy"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(TailCompensateColle, 149)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "tail compensate colle"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(TailCompensateCyclic, 150)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "tail compensate cyclic"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(TailCompensateColleZero, 151)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "tail compensate colle zero"))
        .range(0, 255)
        .service(0, 255)
        .at(kParam4, nullptr),
    F(spare161, 198),
    F(VUKtotal, 160)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "vu_ktotal"))
        .at(kParam5, QT_TRANSLATE_NOOP("ParameterModel", "vu"))
        .byDefault(30),
    F(VUKp, 161)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "vu_kp"))
        .at(kParam5, QT_TRANSLATE_NOOP("ParameterModel", "vu"))
        .byDefault(20),
    F(VUKi, 162)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "vu_ki"))
        .at(kParam5, QT_TRANSLATE_NOOP("ParameterModel", "vu"))
        .byDefault(10),
    F(VUKd, 163)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "vu_kd"))
        .at(kParam5, QT_TRANSLATE_NOOP("ParameterModel", "vu"))
        .byDefault(5),
    F(SideDistKtotal, 164)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "side dist ktotal"))
        .at(kParam5, QT_TRANSLATE_NOOP("ParameterModel", "side dist"))
        .byDefault(20),
    F(SideDistKp, 165)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "side dist kp"))
        .at(kParam5, QT_TRANSLATE_NOOP("ParameterModel", "side dist"))
        .byDefault(10),
    F(SideDistKi, 166)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "side dist ki"))
        .at(kParam5, QT_TRANSLATE_NOOP("ParameterModel", "side dist"))
        .byDefault(5),
    F(SideDistKd, 167)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "side dist kd"))
        .at(kParam5, QT_TRANSLATE_NOOP("ParameterModel", "side dist"))
        .byDefault(2),
    F(IocEnable, 177)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "IOC Enable"))
        .choices(kOffOn)
        .at(kIocTab, kIocGroup),
    F(spare171, 178),
    F(IocFunctionMiddle, 179)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Middle stick position"))
        .choices({{1, kCourseLock}, {3, kPointOfInterest}})
        .at(kIocTab, kIocGroup)
        .byDefault(1),
    F(IocFunctionRight, 180)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Right stick position"))
        .choices({{3, kPointOfInterest}, {2, kHomeLock}})
        .at(kIocTab, kIocGroup)
        .byDefault(3),
    F(FlightTrimPhi, 152)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "flight trim phi"))
        .at(kParam5, nullptr),
    F(FlightTrimTheta, 153)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "flight trim theta"))
        .at(kParam5, nullptr),
    F(InvertFlight, 154)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "invert flight"))
        .at(kParam5, nullptr),
    F(Reserve1, 197)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "reserve1"))
        .at(kParam5, nullptr),
    F(FailType, 176)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Enhanced Failsafe Methods"))
        .choices({{0, kHover}, {1, kAltGoHome}})
        .at(kFailSafeTab, kFailsafeMethodsGroup)
        .byDefault(1),
    F(GpsCruiseFailType, 157)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "gps cruise fail type"))
        .at(kParam5, nullptr),
    F(TurnbackHeight, 155)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Go-Home Altitude"))
        .range(20, 500)
        .service(0, 60000)
        .unit(kMetres)
        .at(kFailSafeTab, kGoHomeAltitudeGroup)
        .byDefault(30),
    F(GoHomeEnable, 158)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Go-Home Enable"))
        .choices(kOffOn)
        .at(kFailSafeTab, kGoHomeSwitchGroup)
        .byDefault(1),
    F(GoHomeHeading, 159)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Go-Home Heading"))
        .choices({{1, kTowards}, {2, kBackwards}})
        .at(kFailSafeTab, kGoHomeHeadingGroup)
        .byDefault(1),
    F(CruiseHeading, 194)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "max_v_byhand"))
        .at(kParam5, nullptr),
    F(ReachDistAlt, 182)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "reach dist alt"))
        .at(kParam5, nullptr)
        .byDefault(5),
    F(MaxAutoSpin, 168)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "max auto spin"))
        .at(kParam5, nullptr)
        .byDefault(30),
    F(MaxPhi, 169)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "max phi"))
        .at(kParam5, nullptr)
        .byDefault(35),
    F(MaxTheta, 170)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "max theta"))
        .at(kParam5, nullptr)
        .byDefault(35),
    F(MaxVcruise, 171)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "max vcruise"))
        .at(kParam5, nullptr)
        .byDefault(10),
    F(MinVcruise, 172)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "min vcruise"))
        .at(kParam5, nullptr)
        .byDefault(2),
    F(MaxClimbrate, 173)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "max climbrate"))
        .at(kParam5, nullptr)
        .byDefault(3),
    F(MaxDeclinerate, 174)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "max declinerate"))
        .at(kParam5, nullptr)
        .byDefault(2),
    F(MaxThetaByhand, 195)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "max_theta_byhand"))
        .at(kParam5, nullptr)
        .byDefault(30),
    F(CruiseVHBuff, 175)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "cruise_vh_buff"))
        .at(kParam5, nullptr),
    F(CruiseVUBuff, 156)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "cruise vu buff"))
        .at(kParam5, nullptr),
    F(VHStickAcc, 186)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "_vh_stick_acc"))
        .at(kParam5, nullptr),
    F(VHStickDec, 187)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "vh_stick_dec"))
        .at(kParam5, nullptr),
    F(VUStickAcc, 188)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "vu_stick_acc"))
        .at(kParam5, nullptr),
    F(VUStickDec, 189)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "vu_stick_dec"))
        .at(kParam5, nullptr),
    F(CruiseVHAcc, 190)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "cruise_vh_acc"))
        .at(kParam5, nullptr),
    F(CruiseVHDec, 191)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "cruise vh dec"))
        .at(kParam5, nullptr),
    F(CruiseVUAcc, 192)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "cruise_vu_acc"))
        .at(kParam5, nullptr),
    F(CruiseVUDec, 193)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "cruise_vu_dec"))
        .at(kParam5, nullptr),
    F(LimitRadius, 183)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Max Radius"))
        .range(10, 10000)
        .service(0, 60000)
        .unit(kMetres)
        .at(kLimitsTab, kDistanceLimitGroup)
        .byDefault(500),
    F(LimitAlt, 184)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Max Altitude"))
        .range(10, 10000)
        .service(0, 60000)
        .unit(kMetres)
        .at(kLimitsTab, kAltitudeLimitGroup)
        .byDefault(120),
    F(ForbidAreaEnable, 185)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "Forbiden Area Limit"))
        .choices({{0, kOffCaps}, {1, kOnCaps}})
        .at(kLimitsTab, kForbiddenAreaGroup),
    F(MaxPhiByhand, 196)
        .service(-255, 255)
        .caption(QT_TRANSLATE_NOOP("ParameterModel", "max_phi_byhand"))
        .at(kParam5, nullptr)
        .byDefault(30),
};

#undef F

} // namespace

bool ParameterField::readsUnsigned() const
{
    return type == FieldType::Int8 && minimum >= 0 && maximum > std::numeric_limits<qint8>::max();
}

const FieldChoice *ParameterField::choice(qint32 code) const
{
    for (const FieldChoice &entry : choices) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

bool ParameterField::isMeaningful(qint64 value) const
{
    if (isChoice())
        return value >= std::numeric_limits<qint32>::min() &&
               value <= std::numeric_limits<qint32>::max() && choice(qint32(value)) != nullptr;
    return value >= minimum && value <= maximum;
}

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

qint32 lowestHeld(const ParameterField &field)
{
    return fieldMinimum(field.type);
}

qint32 highestHeld(const ParameterField &field)
{
    return field.readsUnsigned() ? std::numeric_limits<quint8>::max() : fieldMaximum(field.type);
}

bool fieldCanHold(const ParameterField &field, qint64 value)
{
    return value >= lowestHeld(field) && value <= highestHeld(field);
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

double shownValue(const ParameterField &field, qint32 stored)
{
    return double(stored) / field.scale;
}

qint64 storedValue(const ParameterField &field, double shown)
{
    constexpr double kMillionths = 1e6;
    const double product = std::round(shown * field.scale * kMillionths) / kMillionths;
    return static_cast<qint64>(std::trunc(product));
}

} // namespace fclink
