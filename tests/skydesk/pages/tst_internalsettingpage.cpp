// The internal parameter page against the real link object and the real parameter block, the
// page area and page list with and without it, and the page against the simulator.
#include "fclink/link/commrt.h"
#include "fclink/link/portnaming.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/uavparam.h"
#include "fieldmarks.h"
#include "pageinput.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/internalsettingpage.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/startoptions.h"
#include "skydesk/shell/statuswidget.h"
#include "skydesk/shell/toolwidget.h"
#include "tests/support/blockaccess.h"
#include "tests/support/fcsimprocess.h"
#include "tests/support/pageundertest.h"
#include "ui_internalsettingpage.h"

#include <QtTest>
#include <QtWidgets>

#include <cstring>

using blockaccess::blockNow;
using blockaccess::randomBlock;
using blockaccess::setBlock;

namespace {

constexpr int kWaitMs = 10000;
constexpr int kAreaWidth = 850;
constexpr int kAreaHeight = 435;
// The page sheet pads tab titles by 12 pixels on either side and draws them bold.
constexpr int kTabPadding = 12;

// What the form must offer for one spin box, written down from the page's description.
struct ExpectedBox
{
    QString name;
    QString caption;
    int minimum;
    int maximum;
    int tab;
};

void addSeries(QVector<ExpectedBox> &boxes, const QString &stem, const QString &captionStem,
               int count, int minimum, int maximum, int tab)
{
    for (int k = 0; k < count; ++k)
        boxes.append({QStringLiteral("spinBox%1%2").arg(stem).arg(k),
                      captionStem + QString::number(k), minimum, maximum, tab});
}

void addGains(QVector<ExpectedBox> &boxes, const QString &stem, const QString &word,
              const QString &separator, int minimum, int maximum, int tab)
{
    const char *const suffixes[][2] = {
        {"Ktotal", "ktotal"}, {"Kp", "kp"}, {"Ki", "ki"}, {"Kd", "kd"}};
    for (const auto &suffix : suffixes)
        boxes.append({QStringLiteral("spinBox") + stem + QLatin1String(suffix[0]),
                      word + separator + QLatin1String(suffix[1]), minimum, maximum, tab});
}

void addSingles(QVector<ExpectedBox> &boxes, const QVector<QPair<QString, QString>> &singles,
                int minimum, int maximum, int tab)
{
    for (const auto &single : singles)
        boxes.append(
            {QStringLiteral("spinBox") + single.first, single.second, minimum, maximum, tab});
}

const QVector<ExpectedBox> &expectedBoxes()
{
    static const QVector<ExpectedBox> boxes = [] {
        QVector<ExpectedBox> b;
        addSeries(b, "ServoTrim", "trim", 12, -125, 125, 0);
        addSeries(b, "ServoRev", "rev", 12, -1, 1, 0);
        addSeries(b, "RcRev", "rev", 6, -1, 1, 0);
        addSingles(b,
                   {{"LevelSwash", "Level Swash"},
                    {"MotorIdel", "Motor Idel"},
                    {"TailServoType", "Tail Servo Type"},
                    {"SwashServoType", "Swash Servo Type"},
                    {"TailLimitB", "Tail Limit B"},
                    {"TailLimitA", "Tail Limit A"},
                    {"AilLimit", "Ail Limit"},
                    {"EleLimit", "Ele Limit"},
                    {"CollRatio", "Coll Ratio"},
                    {"ReceiverType", "Receiver Type"},
                    {"ModelType", "Model Type"},
                    {"MotorType", "Motor Type"}},
                   -500, 500, 0);
        addSingles(b,
                   {{"SwashPhase", "Swash Phase"},
                    {"Installation", "Installation"},
                    {"MotorStopType", "Motor Stop Type"}},
                   -500, 500, 1);
        addSingles(b, {{"IMURotate", "IMU Rotate"}}, -180, 180, 1);
        addSingles(b,
                   {{"IMUDistX", "IMU Dist X"},
                    {"IMUDistY", "IMU Dist Y"},
                    {"IMUDistZ", "IMU Dist Z"},
                    {"GPSDistX", "GPS Dist X"},
                    {"GPSDistY", "GPS Dist Y"},
                    {"GPSDistZ", "GPS Dist Z"}},
                   -30000, 30000, 1);
        addSingles(b,
                   {{"GovernorStatus", "Governor Status"},
                    {"WaypointType", "Waypoint Type"},
                    {"BatteryCell", "Battery Cell"},
                    {"SafeGard1", "Safe Gard 1"},
                    {"SafeGard2", "Safe Gard 2"},
                    {"VoltProtectSwitch", "VoltProtect switch"}},
                   -500, 500, 1);
        addSingles(b,
                   {{"LossVolt", "Loss Volt"},
                    {"ProtectVolt1", "Protect Volt 1"},
                    {"ProtectVolt2", "Protect Volt 2"}},
                   -30000, 30000, 1);
        addSingles(b,
                   {{"ChannelMapA", "A"},
                    {"ChannelMapE", "E"},
                    {"ChannelMapT", "T"},
                    {"ChannelMapR", "R"},
                    {"ChannelMapU", "U"},
                    {"ChannelMapC", "C"},
                    {"ChannelMap7", "CH7"},
                    {"ChannelMap8", "CH8"},
                    {"ChannelMap9", "CH9"},
                    {"ChannelMap10", "CH10"},
                    {"ChannelMap11", "CH11"},
                    {"ChannelMap12", "CH12"},
                    {"ChannelMap13", "CH13"},
                    {"ChannelMap14", "CH14"},
                    {"ChannelMap15", "CH15"},
                    {"ChannelMap16", "CH16"}},
                   0, 100, 1);
        const QVector<QPair<QString, QString>> gains3 = {
            {"P", "p"},     {"Q", "q"}, {"R", "r"}, {"Phi", "phi"},          {"Theta", "theta"},
            {"Psi", "psi"}, {"H", "h"}, {"V", "v"}, {"Position", "position"}};
        for (const auto &gain : gains3)
            addGains(b, gain.first, gain.second, " ", 0, 255, 2);
        addGains(b, "Rpm", "rpm", " ", 0, 255, 3);
        addSingles(b,
                   {{"RpmCompensateColle", "rpm compensate colle"},
                    {"RpmCompensateCyclic", "rpm compensate cyclic"},
                    {"RpmCompensateTail", "rpm compensate tail"},
                    {"BurstCoef", "burst coef"},
                    {"RollAgility", "roll agility"},
                    {"PitchAgility", "pitch agility"},
                    {"LeftSpin", "left spin"},
                    {"RightSpin", "right spin"},
                    {"AccLeft", "acc left"},
                    {"AccRight", "acc right"},
                    {"DecLeft", "dec left"},
                    {"DecRight", "dec right"},
                    {"AccMainrotor", "acc mainrotor"},
                    {"DecMainrotor", "dec mainrotor"},
                    {"DeadbandRcRudder", "deadband rc rudder"},
                    {"DeadbandGyroZ", "deadband gyro z"},
                    {"DeadbandRcMainrotor", "deadband rc mainrotor"},
                    {"DeadbandGyroXY", "deadband gyro xy"},
                    {"TailCompensateColle", "tail compensate colle"},
                    {"TailCompensateCyclic", "tail compensate cyclic"},
                    {"TailCompensateColleZero", "tail compensate colle zero"}},
                   0, 255, 3);
        addGains(b, "VU", "vu", "_", -255, 255, 4);
        addGains(b, "SideDist", "side dist", " ", -255, 255, 4);
        addSingles(b,
                   {{"IocEnable", "ioc enable"},
                    {"FlightTrimPhi", "flight trim phi"},
                    {"FlightTrimTheta", "flight trim theta"},
                    {"InvertFlight", "invert flight"},
                    {"Reserve1", "reserve1"},
                    {"FailType", "normal fail type"},
                    {"GpsCruiseFailType", "gps cruise fail type"}},
                   -255, 255, 4);
        addSingles(b, {{"TurnbackHeight", "turn back height"}}, 0, 60000, 4);
        addSingles(b,
                   {{"CruiseHeading", "max_v_byhand"},
                    {"ReachDistAlt", "reach dist alt"},
                    {"MaxAutoSpin", "max auto spin"},
                    {"MaxPhi", "max phi"},
                    {"MaxTheta", "max theta"},
                    {"MaxVcruise", "max vcruise"},
                    {"MinVcruise", "min vcruise"},
                    {"MaxClimbrate", "max climbrate"},
                    {"MaxDeclinerate", "max declinerate"},
                    {"MaxThetaByhand", "max_theta_byhand"},
                    {"CruiseVHBuff", "cruise_vh_buff"},
                    {"CruiseVUBuff", "cruise vu buff"},
                    {"VHStickAcc", "_vh_stick_acc"},
                    {"VHStickDec", "vh_stick_dec"},
                    {"VUStickAcc", "vu_stick_acc"},
                    {"VUStickDec", "vu_stick_dec"},
                    {"CruiseVHAcc", "cruise_vh_acc"},
                    {"CruiseVHDec", "cruise vh dec"},
                    {"CruiseVUAcc", "cruise_vu_acc"},
                    {"CruiseVUDec", "cruise_vu_dec"}},
                   -255, 255, 4);
        addSingles(b, {{"LimitRadius", "limit_radius"}, {"LimitAlt", "limit_alt"}}, 0, 60000, 4);
        addSingles(b,
                   {{"ForbidAreaEnable", "forbid_area_enable"}, {"MaxPhiByhand", "max_phi_byhand"}},
                   -255, 255, 4);
        return b;
    }();
    return boxes;
}

const ExpectedBox &expectedBox(const QString &name)
{
    for (const ExpectedBox &box : expectedBoxes()) {
        if (box.name == name)
            return box;
    }
    qFatal("no expected spin box %s", qPrintable(name));
}

// The field a spin box edits, from the field table: its name without the prefix.
const fclink::ParameterField *fieldOf(const QString &spinBoxName)
{
    return fclink::findParameterField(spinBoxName.mid(int(std::strlen("spinBox"))));
}

// The gain boxes show their signed bytes unsigned, as the field table reads them; every other
// box reads its field's type. The boxes offer exactly the gains' range.
bool showsUnsigned(const ExpectedBox &box, const fclink::ParameterField &field)
{
    if (!field.readsUnsigned())
        return false;
    return box.minimum == field.minimum && box.maximum == field.maximum;
}

// A value inside the box's range that the field holds and whose stored bytes are all non-zero.
int distinctiveValue(const ExpectedBox &box, const fclink::ParameterField &field)
{
    if (field.size() == 2) {
        if (box.maximum >= 60000)
            return 54321;                                           // 0xD431
        return fclink::fieldMinimum(field.type) < 0 ? -4660 : 4660; // 0xEDCC, 0x1234
    }
    if (box.maximum >= 180)
        return box.minimum < 0 && fclink::fieldMinimum(field.type) < 0 ? -100 : 200;
    if (box.maximum == 125)
        return -123;
    if (box.maximum == 100)
        return 77;
    return -1;
}

// Shows another value without the page noticing, so a refresh has to bring the block's back.
void showOtherValue(QSpinBox *box, int value)
{
    const QSignalBlocker quiet(box);
    box->setValue(value == box->minimum() ? box->maximum() : box->minimum());
}

// The spin boxes are narrower than Qt suggests, but their widest values must show whole.
bool showsWholeRange(const QSpinBox *spinBox)
{
    const QLineEdit *editor = spinBox->findChild<QLineEdit *>();
    const QFontMetrics metrics(editor->font());
    const int widest = qMax(metrics.horizontalAdvance(QString::number(spinBox->minimum())),
                            metrics.horizontalAdvance(QString::number(spinBox->maximum())));
    return editor->contentsRect().width() >= widest + 2; // and the text cursor
}

QStringList g_messages;

void collectMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_messages << message;
}

} // namespace

class TestInternalSettingPage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PageUnderTest<InternalSettingPage>> m_t;
    Commrt *m_link = nullptr;
    InternalSettingPage *m_page = nullptr;
    Ui::InternalSettingPageUi *ui = nullptr;

    quint64 uploads() const { return m_link->counters().headChoices; }
    QSpinBox *box(const QString &name) const { return m_page->findChild<QSpinBox *>(name); }

    int shownAfterRefresh(QSpinBox *spinBox)
    {
        showOtherValue(spinBox, spinBox->value());
        m_page->refreshPage();
        return spinBox->value();
    }

private slots:
    void init()
    {
        m_t = std::make_unique<PageUnderTest<InternalSettingPage>>();
        m_link = m_t->link();
        m_page = m_t->page();
        ui = m_page->form();
    }

    void cleanup() { m_t.reset(); }

    void formHasTheTabsAndTheFifthIsCurrent()
    {
        QCOMPARE(m_page->objectName(), QStringLiteral("InternalSettingPageUi"));
        QCOMPARE(m_page->windowTitle(), QStringLiteral("Form"));
        QCOMPARE(ui->tabWidget->count(), 5);
        const QStringList names = {"tab", "tab_2", "tab_3", "tab_4", "tab_9"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(ui->tabWidget->widget(i)->objectName(), names.at(i));
            QCOMPARE(ui->tabWidget->tabText(i), QStringLiteral("Param%1").arg(i + 1));
        }
        QCOMPARE(ui->tabWidget->currentIndex(), 4);
        QCOMPARE(ui->tabWidget->currentWidget(), ui->tab_9);
        QCOMPARE(ui->groupBox->title(), QStringLiteral("Servo Trim"));
        QCOMPARE(ui->groupBox_2->title(), QStringLiteral("Servo Rev"));
        QCOMPARE(ui->groupBox_3->title(), QStringLiteral("Rc Rev"));
        QCOMPARE(ui->groupBox_4->title(), QStringLiteral("Channel Map"));
        QCOMPARE(ui->groupBox->parentWidget(), ui->tab);
        QCOMPARE(ui->groupBox_4->parentWidget(), ui->tab_2);
    }

    void everySpinBoxHasItsNameCaptionRangeAndTab()
    {
        const QList<QSpinBox *> all = m_page->findChildren<QSpinBox *>();
        QCOMPARE(all.size(), 178);
        QCOMPARE(expectedBoxes().size(), 178);
        QSet<QString> names;
        for (const ExpectedBox &expected : expectedBoxes()) {
            names.insert(expected.name);
            QSpinBox *spinBox = box(expected.name);
            QVERIFY2(spinBox, qPrintable(expected.name));
            QCOMPARE(spinBox->minimum(), expected.minimum);
            QCOMPARE(spinBox->maximum(), expected.maximum);
            QCOMPARE(spinBox->value(), 0);
            QVERIFY2(ui->tabWidget->widget(expected.tab)->isAncestorOf(spinBox),
                     qPrintable(expected.name));
            const QList<QLabel *> captions = m_page->findChildren<QLabel *>();
            const auto caption = std::find_if(captions.cbegin(), captions.cend(),
                                              [&](QLabel *l) { return l->buddy() == spinBox; });
            QVERIFY2(caption != captions.cend(), qPrintable(expected.name));
            QCOMPARE((*caption)->text(), expected.caption);
        }
        QCOMPARE(names.size(), 178);
    }

    void captionsSitLeftOfTheirSpinBoxes()
    {
        m_page->show();
        for (int tab = 0; tab < ui->tabWidget->count(); ++tab) {
            ui->tabWidget->setCurrentIndex(tab);
            QCoreApplication::sendPostedEvents();
            for (QLabel *caption : ui->tabWidget->widget(tab)->findChildren<QLabel *>()) {
                QWidget *spinBox = caption->buddy();
                QVERIFY(spinBox);
                const QRect label(caption->mapTo(m_page, QPoint()), caption->size());
                const QRect field(spinBox->mapTo(m_page, QPoint()), spinBox->size());
                QVERIFY2(label.right() < field.left(), qPrintable(caption->text()));
                QVERIFY2(qAbs(label.center().y() - field.center().y()) <= 1,
                         qPrintable(caption->text()));
            }
        }
    }

    void buttonsHaveTheirTexts()
    {
        const QList<QPair<QPushButton *, QString>> buttons = {
            {ui->pushButtonCalibVolt, "Calib Volt"},
            {ui->pushButtonTestBEC, "Test BEC"},
            {ui->pushButtonCalilbRCNeu, "Calib RC Neu"},
            {ui->pushButtonStartCalibRCScale, "Start Calib RC Scale"},
            {ui->pushButtonStopCalibRCScale, "Stop Calib RC Scale"},
            {ui->pushButtonBindDSM, "Bind DSM"}};
        for (const auto &button : buttons) {
            QCOMPARE(button.first->text(), button.second);
            QVERIFY(ui->tab_9->isAncestorOf(button.first));
        }
        QCOMPARE(m_page->findChildren<QPushButton *>().size(), 6);
    }

    void spinBoxWritesItsFieldOnlyAndUploadsOnce_data()
    {
        QTest::addColumn<QString>("name");
        for (const ExpectedBox &expected : expectedBoxes()) {
            if (expected.name != QLatin1String("spinBoxLevelSwash"))
                QTest::newRow(qPrintable(expected.name)) << expected.name;
        }
    }

    void spinBoxWritesItsFieldOnlyAndUploadsOnce()
    {
        QFETCH(QString, name);
        const ExpectedBox &expected = expectedBox(name);
        const fclink::ParameterField *field = fieldOf(name);
        QVERIFY2(field, qPrintable(name));
        QSpinBox *spinBox = box(name);
        QVERIFY(spinBox);

        setBlock(fclink::BlockImage());
        const int value = distinctiveValue(expected, *field);
        QVERIFY(value >= expected.minimum && value <= expected.maximum);
        QVERIFY(fclink::fieldCanHold(*field, value));
        const quint64 before = uploads();
        spinBox->setValue(value);

        fclink::BlockImage wanted;
        const auto raw = static_cast<quint32>(value);
        wanted.bytes()[field->offset] = static_cast<quint8>(raw & 0xFF);
        if (field->size() == 2)
            wanted.bytes()[field->offset + 1] = static_cast<quint8>((raw >> 8) & 0xFF);
        for (int i = 0; i < field->size(); ++i)
            QVERIFY(wanted.bytes()[field->offset + i] != 0);
        QCOMPARE(blockNow(), wanted);
        QCOMPARE(uploads(), before + 1);
        QVERIFY(m_link->isUploadRequested());

        // Read back as the box reads it, and clamped to its range.
        const qint32 stored = showsUnsigned(expected, *field) ? wanted.bytes()[field->offset]
                                                              : wanted.fileValue(*field);
        QCOMPARE(shownAfterRefresh(spinBox),
                 qBound(expected.minimum, int(stored), expected.maximum));
        QCOMPARE(uploads(), before + 1);
    }

    // Every value of the field's width reaches its bytes as they are.
    void valuesAtTheFieldsEdgesAreStoredWhole()
    {
        ui->spinBoxMotorIdel->setValue(-128);
        QCOMPARE(int(blockNow().bytes()[43]), 0x80);
        ui->spinBoxSafeGard1->setValue(255);
        QCOMPARE(int(blockNow().bytes()[73]), 255);
        QCOMPARE(shownAfterRefresh(ui->spinBoxSafeGard1), 255);
        ui->spinBoxLimitAlt->setValue(60000);
        QCOMPARE(int(blockNow().bytes()[206]), 0x60);
        QCOMPARE(int(blockNow().bytes()[207]), 0xEA);
        QCOMPARE(shownAfterRefresh(ui->spinBoxLimitAlt), 60000);
        ui->spinBoxPhiKd->setValue(9);
        QCOMPARE(int(blockNow().bytes()[115]), 9);
        ui->spinBoxPositionKtotal->setValue(8);
        QCOMPARE(int(blockNow().bytes()[132]), 8);
    }

    void aValueTheFieldCannotHoldIsNeverWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("range");
        QTest::newRow("IMU Rotate 180") << "spinBoxIMURotate"
                                        << "180"
                                        << "-128 – 127";
        QTest::newRow("Battery Cell 300") << "spinBoxBatteryCell"
                                          << "300"
                                          << "0–255";
        QTest::newRow("max phi 200") << "spinBoxMaxPhi"
                                     << "200"
                                     << "-128 – 127";
        QTest::newRow("Protect Volt 1 -100") << "spinBoxProtectVolt1"
                                             << "-100"
                                             << "0–30000";
        QTest::newRow("Protect Volt 2 -1") << "spinBoxProtectVolt2"
                                           << "-1"
                                           << "0–30000";
        QTest::newRow("Loss Volt -1") << "spinBoxLossVolt"
                                      << "-1"
                                      << "0–30000";
        QTest::newRow("Motor Idel 300") << "spinBoxMotorIdel"
                                        << "300"
                                        << "-128 – 127";
        QTest::newRow("Safe Gard 1 -1") << "spinBoxSafeGard1"
                                        << "-1"
                                        << "0–255";
    }

    // Enter on such a value sends nothing, twice over: the box says what the field holds and
    // keeps the value as not sent.
    void aValueTheFieldCannotHoldIsNeverWritten()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, range);
        QSpinBox *spinBox = box(name);
        ui->tabWidget->setCurrentWidget(ui->tabWidget->widget(expectedBox(name).tab));
        QVERIFY(pageinput::showActive(m_page));
        const fclink::BlockImage before = blockNow();
        const quint64 uploadsBefore = uploads();
        pageinput::typeInto(spinBox, typed);
        for (int press = 0; press < 2; ++press) {
            QTest::keyClick(spinBox, Qt::Key_Return);
            QCOMPARE(blockNow(), before);
            QCOMPARE(uploads(), uploadsBefore);
            QCOMPARE(fieldmarks::markOf(spinBox), QStringLiteral("pending"));
            QVERIFY2(pageinput::hintShown().contains(range), qPrintable(pageinput::hintShown()));
        }
        // Leaving the box sends nothing either.
        ui->tabWidget->setFocus(Qt::TabFocusReason);
        QCOMPARE(blockNow(), before);
        QCOMPARE(uploads(), uploadsBefore);
        QToolTip::hideText();
    }

    // A value the field holds is written once per commit, whatever the box shows afterwards.
    void enterWritesOnce()
    {
        ui->tabWidget->setCurrentWidget(ui->tab_2);
        QVERIFY(pageinput::showActive(m_page));
        const quint64 before = uploads();
        pageinput::typeInto(ui->spinBoxProtectVolt1, QStringLiteral("1110"));
        QTest::keyClick(ui->spinBoxProtectVolt1, Qt::Key_Return);
        QCOMPARE(blockaccess::valueNow("ProtectVolt1"), 1110);
        QCOMPARE(uploads(), before + 1);
        QCOMPARE(fieldmarks::markOf(ui->spinBoxProtectVolt1), QString());
    }

    // The step buttons stop at what the field holds.
    void stepsBeyondTheFieldWriteNothing()
    {
        ui->spinBoxIMURotate->setValue(127);
        QCOMPARE(blockaccess::valueNow("IMURotate"), 127);
        const fclink::BlockImage before = blockNow();
        const quint64 uploadsBefore = uploads();
        ui->spinBoxIMURotate->stepUp();
        QCOMPARE(blockNow(), before);
        QCOMPARE(uploads(), uploadsBefore);
        QCOMPARE(fieldmarks::markOf(ui->spinBoxIMURotate), QStringLiteral("pending"));
    }

    // A box that cannot show what the block holds says so, and shows the nearest end.
    void theBoxSaysWhatItCannotShow()
    {
        fclink::BlockImage block;
        block.bytes()[76] = 0xFF; // LossVolt 65535
        block.bytes()[77] = 0xFF;
        setBlock(block);
        m_page->refreshPage();
        QCOMPARE(ui->spinBoxLossVolt->value(), 30000);
        QCOMPARE(ui->spinBoxLossVolt->property("parameterState").toString(),
                 QStringLiteral("outOfRange"));
        QCOMPARE(ui->spinBoxLossVolt->toolTip(),
                 QStringLiteral("The flight controller holds 65535, outside -30000 – 30000"));
        ui->spinBoxLossVolt->setValue(1110);
        QCOMPARE(blockaccess::valueNow("LossVolt"), 1110);
        QCOMPARE(ui->spinBoxLossVolt->property("parameterState").toString(), QString());
        QVERIFY(ui->spinBoxLossVolt->toolTip().isEmpty());
    }

    void refreshExtendsSignsAndClamps()
    {
        fclink::BlockImage block;
        block.bytes()[58] = 0x38; // IMUDistX, int16 -200
        block.bytes()[59] = 0xFF;
        block.bytes()[76] = 0x38; // LossVolt, uint16 65336
        block.bytes()[77] = 0xFF;
        block.bytes()[206] = 0x60; // LimitAlt, uint16 60000
        block.bytes()[207] = 0xEA;
        block.bytes()[0] = 0xF6;   // ServoTrim0, int8 -10
        block.bytes()[57] = 0x80;  // IMURotate, int8 -128
        block.bytes()[88] = 0xC8;  // ChannelMap7, uint8 200
        block.bytes()[43] = 0x9C;  // MotorIdel, int8 -100
        block.bytes()[101] = 0xC8; // PKp, a gain: 200
        block.bytes()[140] = 0xFF; // RpmCompensateColle: 255
        block.bytes()[163] = 0xC8; // VUKp, signed under -255..255: -56
        block.bytes()[209] = 0xC8; // MaxPhiByhand, uint8 200
        setBlock(block);
        const quint64 before = uploads();
        m_page->refreshPage();
        QCOMPARE(ui->spinBoxIMUDistX->value(), -200);
        QCOMPARE(ui->spinBoxLossVolt->value(), 30000);
        QCOMPARE(ui->spinBoxLimitAlt->value(), 60000);
        QCOMPARE(ui->spinBoxServoTrim0->value(), -10);
        QCOMPARE(ui->spinBoxIMURotate->value(), -128);
        QCOMPARE(ui->spinBoxChannelMap7->value(), 100);
        QCOMPARE(ui->spinBoxMotorIdel->value(), -100);
        QCOMPARE(ui->spinBoxPKp->value(), 200);
        QCOMPARE(ui->spinBoxRpmCompensateColle->value(), 255);
        QCOMPARE(ui->spinBoxVUKp->value(), -56);
        QCOMPARE(ui->spinBoxMaxPhiByhand->value(), 200);
        QCOMPARE(ui->spinBoxServoTrim1->value(), 0);
        QCOMPARE(uploads(), before);
        QCOMPARE(blockNow(), block);
    }

    void aGainOf200KeepsItsByte()
    {
        ui->spinBoxPKp->setValue(200);
        QCOMPARE(int(blockNow().bytes()[101]), 0xC8);
        QCOMPARE(shownAfterRefresh(ui->spinBoxPKp), 200);
        // Touching the box again moves from 200, not from 0.
        ui->spinBoxPKp->stepUp();
        QCOMPARE(int(blockNow().bytes()[101]), 201);
    }

    void refreshShowsEveryFieldOfRandomBlocks()
    {
        QRandomGenerator random(4711);
        for (int round = 0; round < 10; ++round) {
            const fclink::BlockImage block = randomBlock(random);
            setBlock(block);
            const QVector<ExpectedBox> boxes = expectedBoxes();
            for (const ExpectedBox &expected : boxes)
                showOtherValue(box(expected.name), 1);
            const quint64 before = uploads();
            m_page->refreshPage();
            for (const ExpectedBox &expected : boxes) {
                const fclink::ParameterField *field = fieldOf(expected.name);
                if (!field)
                    continue; // spinBoxLevelSwash
                const qint32 stored = showsUnsigned(expected, *field) ? block.bytes()[field->offset]
                                                                      : block.fileValue(*field);
                QCOMPARE(box(expected.name)->value(),
                         qBound(expected.minimum, int(stored), expected.maximum));
            }
            QCOMPARE(uploads(), before);
            QCOMPARE(blockNow(), block);
        }
    }

    void refreshWritesNothingAlthoughTheBoxesChange()
    {
        QRandomGenerator random(17);
        const fclink::BlockImage block = randomBlock(random);
        setBlock(block);
        QSignalSpy trim(ui->spinBoxServoTrim3, QOverload<int>::of(&QSpinBox::valueChanged));
        QSignalSpy gain(ui->spinBoxThetaKi, QOverload<int>::of(&QSpinBox::valueChanged));
        QSignalSpy limit(ui->spinBoxLimitRadius, QOverload<int>::of(&QSpinBox::valueChanged));
        QSignalSpy reserve(ui->spinBoxReserve1, QOverload<int>::of(&QSpinBox::valueChanged));
        for (QSpinBox *spinBox : {ui->spinBoxServoTrim3, ui->spinBoxThetaKi, ui->spinBoxLimitRadius,
                                  ui->spinBoxReserve1})
            showOtherValue(spinBox, block.fileValue(*fieldOf(spinBox->objectName())));
        const quint64 before = uploads();
        m_page->refreshPage();
        QCOMPARE(trim.count() + gain.count() + limit.count() + reserve.count(), 4);
        QCOMPARE(uploads(), before);
        QCOMPARE(blockNow(), block);
        // The guard is cleared again: the next change writes.
        ui->spinBoxServoTrim3->setValue(ui->spinBoxServoTrim3->value() == 5 ? 6 : 5);
        QCOMPARE(uploads(), before + 1);
    }

    void levelSwashChangesNothing()
    {
        QRandomGenerator random(3);
        const fclink::BlockImage block = randomBlock(random);
        setBlock(block);
        const quint64 before = uploads();
        ui->spinBoxLevelSwash->setValue(-321);
        ui->spinBoxLevelSwash->setValue(500);
        QCOMPARE(uploads(), before);
        QCOMPARE(blockNow(), block);
        m_page->refreshPage();
        QCOMPARE(ui->spinBoxLevelSwash->value(), 500);
    }

    void limitSwitchSlotsDoNothing()
    {
        QRandomGenerator random(5);
        const fclink::BlockImage block = randomBlock(random);
        setBlock(block);
        const quint64 before = uploads();
        m_page->on_spinBoxLimitAction_valueChanged(1);
        m_page->on_spinBoxLimitAltEnable_valueChanged(1);
        m_page->on_spinBoxLimitRadiusEnable_valueChanged(1);
        QCOMPARE(uploads(), before);
        QCOMPARE(blockNow(), block);
    }

    void buttonsSendTheirCommandsOnly_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("command");
        QTest::newRow("Calib Volt") << "pushButtonCalibVolt" << 6;
        QTest::newRow("Test BEC") << "pushButtonTestBEC" << 7;
        QTest::newRow("Calib RC Neu") << "pushButtonCalilbRCNeu" << 8;
        QTest::newRow("Start Calib RC Scale") << "pushButtonStartCalibRCScale" << 9;
        QTest::newRow("Stop Calib RC Scale") << "pushButtonStopCalibRCScale" << 10;
        QTest::newRow("Bind DSM") << "pushButtonBindDSM" << 11;
    }

    void buttonsSendTheirCommandsOnly()
    {
        QFETCH(QString, button);
        QFETCH(int, command);
        QRandomGenerator random(static_cast<quint32>(command));
        const fclink::BlockImage block = randomBlock(random);
        setBlock(block);
        const quint64 before = uploads();
        const quint8 head = m_link->currentSubframeHead();
        m_page->findChild<QPushButton *>(button)->click();
        QCOMPARE(int(m_link->currentCommand()), command);
        QCOMPARE(uploads(), before);
        QCOMPARE(m_link->currentSubframeHead(), head);
        QCOMPARE(blockNow(), block);
    }

    void explicitSlotsWriteOncePerChange_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("offset");
        QTest::newRow("Reserve1") << "spinBoxReserve1" << 177;
        QTest::newRow("MaxThetaByhand") << "spinBoxMaxThetaByhand" << 193;
        QTest::newRow("MaxPhiByhand") << "spinBoxMaxPhiByhand" << 209;
    }

    void explicitSlotsWriteOncePerChange()
    {
        QFETCH(QString, name);
        QFETCH(int, offset);
        QSpinBox *spinBox = box(name);
        QVERIFY(m_page->metaObject()->indexOfSlot(
                    qPrintable(QStringLiteral("on_%1_valueChanged(int)").arg(name))) < 0);
        const quint64 before = uploads();
        for (int value = 1; value <= 5; ++value) {
            spinBox->setValue(value * 11);
            QCOMPARE(int(blockNow().bytes()[offset]), value * 11);
            QCOMPARE(uploads(), before + quint64(value));
        }
    }

    // The page's on_<control>_<signal> slots keep their names; the buttons reach theirs
    // (buttonsSendTheirCommandsOnly), and constructing the page says nothing: Qt's
    // connection by name, which would warn about the three slots without a control, is not used.
    void slotsAreNamedAfterTheirControlsAndConstructionIsQuiet()
    {
        g_messages.clear();
        qInstallMessageHandler(collectMessages);
        InternalSettingPage page(nullptr, m_link);
        qInstallMessageHandler(nullptr);
        QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join('\n')));

        QStringList withoutControl;
        int withControl = 0;
        const QMetaObject *meta = page.metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod slot = meta->method(i);
            const QByteArray name = slot.name();
            if (!name.startsWith("on_"))
                continue;
            const int split = name.lastIndexOf('_');
            const QString control = QString::fromLatin1(name.mid(3, split - 3));
            const QByteArray signal =
                name.mid(split + 1) + '(' + slot.parameterTypes().join(',') + ')';
            QObject *object = page.findChild<QObject *>(control);
            if (!object) {
                withoutControl << control;
                continue;
            }
            QVERIFY2(object->metaObject()->indexOfSignal(signal.constData()) >= 0,
                     name.constData());
            ++withControl;
        }
        withoutControl.sort();
        QCOMPARE(withoutControl, (QStringList{"spinBoxLimitAction", "spinBoxLimitAltEnable",
                                              "spinBoxLimitRadiusEnable"}));
        // Level Swash and the buttons; the boxes that edit fields are tied to them by the
        // page's binder, not by slots (see spinBoxWritesItsFieldOnlyAndUploadsOnce).
        QCOMPARE(withControl, 1 + 6);
    }

    void pageFitsThePageArea_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("firstTab");
        QTest::addColumn<QString>("channelSeven");
        QTest::newRow("English") << 0 << "Param1"
                                 << "CH7";
        QTest::newRow("Chinese") << 1 << "参数1"
                                 << "通道七";
        QTest::newRow("German") << 2 << "Parameter 1"
                                << "Kanal 7";
    }

    // At the 9-point desktop font every caption, spin box and button is whole and inside its
    // tab when the page fills the 850 × 435 page area, in every language.
    void pageFitsThePageArea()
    {
        QFETCH(int, language);
        QFETCH(QString, firstTab);
        QFETCH(QString, channelSeven);
        QTranslator translator;
        QVERIFY(translator.load(AppSettings::translationFile(quint8(language))));
        QCoreApplication::installTranslator(&translator);
        const QFont font = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        {
            contentWidget area(nullptr, m_link, true);
            area.resize(kAreaWidth, kAreaHeight);
            area.show();
            area.pageStack()->setCurrentIndex(contentWidget::InternalPage);
            InternalSettingPage *page = area.internalSettingPage();
            QTabWidget *tabs = page->form()->tabWidget;
            QCOMPARE(tabs->tabText(0), firstTab);
            // The channel captions are in the page's language.
            for (QLabel *caption : page->findChildren<QLabel *>()) {
                if (caption->buddy() == page->form()->spinBoxChannelMap7)
                    QCOMPARE(caption->text(), channelSeven);
            }
            QFont bold = tabs->font();
            bold.setBold(true);
            for (int tab = 0; tab < tabs->count(); ++tab) {
                const int title = QFontMetrics(bold).horizontalAdvance(tabs->tabText(tab));
                QVERIFY2(tabs->tabBar()->tabRect(tab).width() >= title + 2 * kTabPadding + 2,
                         qPrintable(tabs->tabText(tab)));
            }
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QCoreApplication::sendPostedEvents();
                const QSize least = tabs->widget(tab)->minimumSizeHint();
                QVERIFY2(least.width() <= tabs->widget(tab)->width() &&
                             least.height() <= tabs->widget(tab)->height(),
                         qPrintable(QStringLiteral("%1 needs %2 x %3")
                                        .arg(tabs->tabText(tab))
                                        .arg(least.width())
                                        .arg(least.height()) +
                                    QStringLiteral(" in %1 x %2")
                                        .arg(tabs->widget(tab)->width())
                                        .arg(tabs->widget(tab)->height())));
            }
            const QSize least = page->minimumSizeHint();
            QVERIFY2(least.width() <= kAreaWidth && least.height() <= kAreaHeight,
                     qPrintable(QStringLiteral("the page needs %1 x %2")
                                    .arg(least.width())
                                    .arg(least.height())));
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QCoreApplication::sendPostedEvents();
                QWidget *sheet = tabs->widget(tab);
                for (QWidget *control : sheet->findChildren<QWidget *>()) {
                    if (!qobject_cast<QLabel *>(control) && !qobject_cast<QSpinBox *>(control) &&
                        !qobject_cast<QPushButton *>(control) &&
                        !qobject_cast<QGroupBox *>(control))
                        continue;
                    const QRect at(control->mapTo(sheet, QPoint()), control->size());
                    QVERIFY2(sheet->rect().contains(at), qPrintable(control->objectName()));
                    QVERIFY2(control->height() >= control->minimumSizeHint().height(),
                             qPrintable(control->objectName()));
                    if (auto *spinBox = qobject_cast<QSpinBox *>(control))
                        QVERIFY2(showsWholeRange(spinBox), qPrintable(spinBox->objectName()));
                    else
                        QVERIFY2(control->width() >= control->sizeHint().width(),
                                 qPrintable(control->objectName()));
                }
            }
        }
        QApplication::setFont(font);
        QCoreApplication::removeTranslator(&translator);
    }

    void startOptions()
    {
        QVERIFY(!StartOptions::fromArguments({"Skydesk"}).internalPage());
        QVERIFY(StartOptions::fromArguments({"Skydesk", "--internal"}).internalPage());
        QVERIFY(StartOptions::fromArguments({"Skydesk", "--unknown", "--internal"}).internalPage());
        QVERIFY(!StartOptions::fromArguments({"Skydesk", "internal"}).internalPage());
        QVERIFY(!StartOptions::fromArguments({"Skydesk", "--unknown"}).internalPage());
    }

    void pageListHasTheInternalEntryOnlyWhenAsked()
    {
        toolWidget standard;
        QCOMPARE(standard.pageList()->count(), 3);
        toolWidget internal(nullptr, true);
        QListWidget *list = internal.pageList();
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Setting"));
        QCOMPARE(list->item(3)->text(), QStringLiteral("Internal"));
        QCOMPARE(list->currentRow(), 0);
        internal.resize(kAreaWidth, 100);
        internal.show();
        QCoreApplication::sendPostedEvents();
        // All four entries are in view side by side.
        for (int row = 0; row < 4; ++row) {
            const QRect item = list->visualItemRect(list->item(row));
            QVERIFY(list->viewport()->rect().contains(item));
            if (row > 0)
                QVERIFY(item.left() > list->visualItemRect(list->item(row - 1)).right());
        }
    }

    void pageAreaHoldsTheInternalPageOnlyWhenAsked()
    {
        contentWidget standard(nullptr, m_link);
        QCOMPARE(standard.pageStack()->count(), 3);
        QVERIFY(!standard.internalSettingPage());
        QVERIFY(standard.findChildren<InternalSettingPage *>().isEmpty());

        contentWidget internal(nullptr, m_link, true);
        QCOMPARE(internal.pageStack()->count(), 4);
        QVERIFY(internal.internalSettingPage());
        QCOMPARE(internal.pageStack()->widget(contentWidget::InternalPage),
                 internal.internalSettingPage());
    }

    void internalPageIsRefreshedAndGetsNoTelemetry()
    {
        toolWidget bar(nullptr, true);
        contentWidget area(nullptr, m_link, true);
        connect(bar.pageList(), &QListWidget::currentItemChanged, &area,
                &contentWidget::changePage);
        connect(m_link, &Commrt::parametersChanged, &area, &contentWidget::updateAllPages);
        InternalSettingPage *page = area.internalSettingPage();
        AdvanceSettingPage *setting = area.advanceSettingPage();
        ToolSettingPage *tools = area.toolSettingPage();
        // The page has nothing to receive telemetry with.
        QVERIFY(page->metaObject()->indexOfSlot("updateTelemetryInfo()") < 0);

        blockaccess::setValueNow("MotorIdel", 7);
        bar.pageList()->setCurrentRow(contentWidget::InternalPage);
        QCOMPARE(area.pageStack()->currentIndex(), int(contentWidget::InternalPage));
        QCOMPARE(page->form()->spinBoxMotorIdel->value(), 7);
        QVERIFY(!QObject::disconnect(m_link, &Commrt::telemetryChanged, setting,
                                     &AdvanceSettingPage::updateTelemetryInfo));
        QVERIFY(!QObject::disconnect(m_link, &Commrt::telemetryChanged, tools,
                                     &ToolSettingPage::updateTelemetryInfo));
        QVERIFY(!QObject::disconnect(m_link, SIGNAL(telemetryChanged()), page, nullptr));

        // Refreshed on another page change, on a parameter read and on a loaded file.
        blockaccess::setValueNow("MotorIdel", 8);
        bar.pageList()->setCurrentRow(contentWidget::ToolPage);
        QCOMPARE(page->form()->spinBoxMotorIdel->value(), 8);
        blockaccess::setValueNow("MotorIdel", 9);
        emit m_link->parametersChanged();
        QCOMPARE(page->form()->spinBoxMotorIdel->value(), 9);
        blockaccess::setValueNow("MotorIdel", 10);
        emit tools->configurationLoaded();
        QCOMPARE(page->form()->spinBoxMotorIdel->value(), 10);

        bar.pageList()->setCurrentRow(contentWidget::SettingPage);
        QVERIFY(QObject::disconnect(m_link, &Commrt::telemetryChanged, setting,
                                    &AdvanceSettingPage::updateTelemetryInfo));
    }

    void gainReachesTheSimulatorThroughTheMainWindow()
    {
        QFile settingsFile(AppSettings::filePath());
        const bool hadSettings = settingsFile.open(QIODevice::ReadOnly);
        const QByteArray savedSettings = hadSettings ? settingsFile.readAll() : QByteArray();
        settingsFile.close();

        FcsimProcess sim(m_dir.filePath("sim"));
        QVERIFY(QDir().mkpath(m_dir.filePath("sim")));
        QVERIFY(sim.start());
        qputenv(fclink::kExtraPortsVariable, sim.linkPath().toLocal8Bit());
        QFile::remove(AppSettings::filePath());
        AppSettings::setSavedPort(sim.linkPath());
        {
            mainWidget window(nullptr, nullptr, true);
            window.show();
            toolWidget *bar = window.connectionBar();
            QCOMPARE(bar->pageList()->count(), 4);
            QCOMPARE(window.pageArea()->pageStack()->count(), 4);
            bar->pageList()->setCurrentRow(contentWidget::InternalPage);
            InternalSettingPage *page = window.pageArea()->internalSettingPage();
            QCOMPARE(window.pageArea()->pageStack()->currentWidget(), page);

            QSignalSpy read(window.link(), &Commrt::parametersChanged);
            QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(read.count(), 1, kWaitMs);
            // The page shows what the controller holds.
            fclink::BlockImage controller = sim.block();
            QCOMPARE(page->form()->spinBoxMotorIdel->value(),
                     qBound(-500, int(qint8(controller.bytes()[43])), 500));
            QVERIFY(controller.bytes()[101] != 0xC8);

            page->form()->tabWidget->setCurrentWidget(page->form()->tab_3);
            window.statusBar()->statusTextChanged(QString());
            page->form()->spinBoxPKp->setValue(200);
            QTRY_COMPARE_WITH_TIMEOUT(window.statusBar()->statusText(),
                                      QStringLiteral("Parameters uploaded"), kWaitMs);
            QTRY_COMPARE_WITH_TIMEOUT(int(sim.block().bytes()[101]), 0xC8, kWaitMs);
            controller = sim.block();
            QCOMPARE(controller, blockNow());

            QTest::mouseClick(bar->connectButton(), Qt::LeftButton);
        }
        qunsetenv(fclink::kExtraPortsVariable);
        QFile::remove(AppSettings::filePath());
        if (hadSettings && settingsFile.open(QIODevice::WriteOnly))
            settingsFile.write(savedSettings);
    }
};

QTEST_MAIN(TestInternalSettingPage)
#include "tst_internalsettingpage.moc"
