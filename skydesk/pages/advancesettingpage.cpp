#include "advancesettingpage.h"

#include "diagramcaptions.h"
#include "fclink/link/commrt.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/telemetry.h"
#include "fclink/model/uavparam.h"
#include "parameterbinder.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/documentfolder.h"
#include "skydesk/common/helpbrowser.h"
#include "skydesk/common/hidpipixmap.h"
#include "skydesk/common/logcategories.h"
#include "skydesk/common/stylesheet.h"
#include "ui_advancesettingpage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QMouseEvent>

#include <cmath>

namespace {

// The style sheet lights the go-home switch label and the IOC combo box of the position the
// switch is in by this property.
const char *const kZone = "zone";
const char *const kLabelLit = "lit";
const char *const kComboActive = "active";
const char *const kIdle = "idle";

const char *const kSectionDefaults[] = {"Motor.html", "FailSafe.html", "IOC.html", "Voltage.html",
                                        "limits.html"};

constexpr int kTabFailSafe = 1;
constexpr int kTabIoc = 2;
constexpr int kTabVoltage = 3;
constexpr int kHelpMargin = 10;

// Middle stick position: Course Lock (1) or Point of Interest (3); right: Point of Interest (3)
// or Home Lock (2). 0 marks an invalid function.
constexpr int kMiddleCodes[2] = {1, 3};
constexpr int kRightCodes[2] = {3, 2};

int codeForEntry(const int (&codes)[2], int index)
{
    return (index == 0 || index == 1) ? codes[index] : 0;
}

} // namespace

AdvanceSettingPage::AdvanceSettingPage(QWidget *parent, Commrt *link)
    : QWidget(parent), m_link(link), m_ui(new Ui::AdvanceSettingPageUi)
{
    m_ui->setupUi(this);
    m_languageCode = AppSettings::languageCode();
    m_documentFolder = documentFolder(m_languageCode);
    m_binder = new ParameterBinder(this, m_link);
    setUpHelp();
    setUpPictures();
    setUpControls();
    bindControls();
    m_ui->groupBoxGoHomeSwith->hide();
    m_ui->checkBoxIOCEnable->hide();
    m_ui->horizontalSliderIOC->hide();
}

AdvanceSettingPage::~AdvanceSettingPage()
{
    delete m_ui;
}

void AdvanceSettingPage::setUpHelp()
{
    for (int view = 0; view < HelpViewCount; ++view)
        showHelp(static_cast<HelpView>(view), 0, QLatin1String(kSectionDefaults[view]));
    m_helpTopics = {
        {m_ui->groupBoxMotorIdelSpeed, MotorHelp, 1, "Motor_MotorIdleSpeed.html"},
        {m_ui->groupBoxEnhancedFailsafeMethods, FailSafeHelp, 1,
         "FailSafe_EnhancedFailedSafeMethods.html"},
        {m_ui->groupBoxGoHomeAltitude, FailSafeHelp, 1, "FailSafe_EnhancedFailedSafeMethods.html"},
        {m_ui->groupBoxGoHomeHeading, FailSafeHelp, 2, "gh_heading.html"},
        {m_ui->groupBoxGoHomeSwith, FailSafeHelp, 3, "FailSafe_GoHomeSwitch.html"},
        {m_ui->groupBoxIOC, IocHelp, 1, "IOC_IntelligentOrientationControl.html"},
        {m_ui->groupBoxVoltage, VoltageHelp, 1, "Voltage_Battery.html"},
        {m_ui->groupBoxAltitudeLimit, LimitHelp, 1, "Restrictions_HeightLimit.html"},
        {m_ui->groupBoxDistanceLimit, LimitHelp, 2, "Restrictions_RadiusLimit.html"},
        {m_ui->groupBoxForbidenAeraLimit, LimitHelp, 3, "Restrictions_ForbidArea.html"},
    };
    for (const HelpTopic &topic : qAsConst(m_helpTopics)) {
        topic.group->installEventFilter(this);
        topic.group->setMouseTracking(true);
    }
}

void AdvanceSettingPage::setUpPictures()
{
    auto show = [](QLabel *label, QPixmap &pixmap, const QString &path) {
        pixmap = HiDpiPixmap::load(path);
        label->setPixmap(pixmap);
        label->setFixedSize(HiDpiPixmap::logicalSize(pixmap));
    };
    show(m_ui->labelMotorIdelSpeed, m_motorIdelSpeedPicture,
         QStringLiteral("://images/motor_idel_speed.png"));
    DiagramCaptions::captionGauge(m_ui->labelMotorIdelSpeed);
    show(m_ui->labelMotorIdelSpeedBG, m_motorIdelSpeedButtonBackground,
         QStringLiteral("://images/motor_idel_speed_button_bg.png"));
    show(m_ui->labelCurrentVoltageImg, m_currentVoltagePicture,
         QStringLiteral("://images/current_voltage.png"));
    QLabel *sticks[] = {m_ui->labelStickAt1, m_ui->labelStickAt2, m_ui->labelStickAt3};
    for (int i = 0; i < 3; ++i)
        show(sticks[i], m_stickPictures[i], QStringLiteral("://images/stick_at_%1.png").arg(i + 1));
    showGoHomePicture(false);
}

void AdvanceSettingPage::setUpControls()
{
    auto *levels = new QButtonGroup(this);
    levels->setExclusive(true);
    QPushButton *buttons[] = {
        m_ui->pushButtonMotorIdelSpeedLevel1, m_ui->pushButtonMotorIdelSpeedLevel2,
        m_ui->pushButtonMotorIdelSpeedLevel3, m_ui->pushButtonMotorIdelSpeedLevel4,
        m_ui->pushButtonMotorIdelSpeedLevel5};
    for (QPushButton *button : buttons) {
        button->setCheckable(true);
        levels->addButton(button);
    }
    for (QComboBox *box : {m_ui->comboBoxIOCLeft, m_ui->comboBoxIOCMiddle, m_ui->comboBoxIOCRight})
        StyleSheet::setState(box, kZone, QLatin1String(kIdle));
    for (QSlider *slider : {m_ui->horizontalSliderGoHome, m_ui->horizontalSliderIOC}) {
        slider->setEnabled(false);
        slider->setRange(-100, 100);
        slider->setValue(0);
    }
    m_ui->lineEditCurrentVoltage->setReadOnly(true);
}

// The spin boxes name their fields in the form (property "parameterField") and take range,
// unit and decimals from the field table; the buttons, check boxes and combo boxes are bound
// here with the codes they write.
void AdvanceSettingPage::bindControls()
{
    using Others = ParameterBinder::OtherValues;
    m_binder->bindSpinBoxes(ParameterBinder::Presentation::FieldUnits);
    m_binder->bindChoiceButtons("MotorIdel",
                                {{m_ui->pushButtonMotorIdelSpeedLevel1, 1},
                                 {m_ui->pushButtonMotorIdelSpeedLevel2, 2},
                                 {m_ui->pushButtonMotorIdelSpeedLevel3, 3},
                                 {m_ui->pushButtonMotorIdelSpeedLevel4, 4},
                                 {m_ui->pushButtonMotorIdelSpeedLevel5, 5}},
                                Others::ShowNone);
    m_binder->bindChoiceButtons("FailType",
                                {{m_ui->radioButtonHover, 0}, {m_ui->radioButtonAltGoHome, 1}},
                                Others::KeepShown);
    m_binder->bindChoiceButtons("GoHomeHeading",
                                {{m_ui->radioButtonTowards, 1}, {m_ui->radioButtonBackwards, 2}},
                                Others::KeepShown);
    m_binder->bindCheckBox(m_ui->checkBoxGoHomeEnable, "GoHomeEnable");
    m_binder->bindCheckBox(m_ui->checkBoxIOCEnable, "IocEnable");
    m_binder->bindComboBox(m_ui->comboBoxIOCMiddle, "IocFunctionMiddle",
                           {kMiddleCodes[0], kMiddleCodes[1]});
    m_binder->bindComboBox(m_ui->comboBoxIOCRight, "IocFunctionRight",
                           {kRightCodes[0], kRightCodes[1]});
    // Any value but 1 shows OFF.
    m_binder->bindChoiceButtons(
        "ForbidAreaEnable",
        {{m_ui->radioButtonForbidAreaOn, 1}, {m_ui->radioButtonForbidAreaOff, 0}},
        Others::KeepShown, m_ui->radioButtonForbidAreaOff);
    m_binder->guardControls();
    // It offers only "OFF", but it is a control of the page like the others.
    m_binder->addEditingControl(m_ui->comboBoxIOCLeft);

    // The go-home picture follows the method the pilot clicks, before anything is written.
    connect(m_ui->radioButtonHover, &QRadioButton::clicked, this,
            [this] { showGoHomePicture(false); });
    connect(m_ui->radioButtonAltGoHome, &QRadioButton::clicked, this,
            [this] { showGoHomePicture(true); });
    connect(m_binder, &ParameterBinder::fieldWritten, this, &AdvanceSettingPage::fieldWritten);
}

void AdvanceSettingPage::commitPendingEdits()
{
    m_binder->commitPendingEdits();
}

void AdvanceSettingPage::setEditable(bool editable, const QString &whyNot)
{
    m_binder->setEditable(editable, whyNot);
}

// The slots below are the page's interface for callers; the controls reach the same fields
// through the binder.
void AdvanceSettingPage::writeAndUpload(const char *field, qint32 value)
{
    m_binder->write(field, value);
}

// A number in the field's unit (volts, metres), stored as the field table converts it.
void AdvanceSettingPage::writeShown(const char *field, double shown)
{
    const fclink::ParameterField *target = fclink::findParameterField(QLatin1String(field));
    const qint64 stored = fclink::storedValue(*target, shown);
    if (!fclink::fieldCanHold(*target, stored)) {
        qCWarning(lcPages).noquote() << field << "cannot hold" << shown;
        return;
    }
    writeAndUpload(field, static_cast<qint32>(stored));
}

// Once an IOC function is stored, the "Invalid Param!" entry has served its purpose. Removing it
// while it is selected selects the entry before it, whose code is then stored as well.
void AdvanceSettingPage::fieldWritten(const QString &field)
{
    if (field == QLatin1String("IocFunctionMiddle"))
        removeInvalidEntry(m_ui->comboBoxIOCMiddle);
    else if (field == QLatin1String("IocFunctionRight"))
        removeInvalidEntry(m_ui->comboBoxIOCRight);
}

void AdvanceSettingPage::motorIdelSpeedLevel1Clicked()
{
    writeAndUpload("MotorIdel", 1);
}

void AdvanceSettingPage::motorIdelSpeedLevel2Clicked()
{
    writeAndUpload("MotorIdel", 2);
}

void AdvanceSettingPage::motorIdelSpeedLevel3Clicked()
{
    writeAndUpload("MotorIdel", 3);
}

void AdvanceSettingPage::motorIdelSpeedLevel4Clicked()
{
    writeAndUpload("MotorIdel", 4);
}

void AdvanceSettingPage::motorIdelSpeedLevel5Clicked()
{
    writeAndUpload("MotorIdel", 5);
}

void AdvanceSettingPage::goHomeMethodHover()
{
    showGoHomePicture(false);
    writeAndUpload("FailType", 0);
}

void AdvanceSettingPage::goHomeMethodAltGoHome()
{
    showGoHomePicture(true);
    writeAndUpload("FailType", 1);
}

void AdvanceSettingPage::goHomeHeadingFowards()
{
    writeAndUpload("GoHomeHeading", 1);
}

void AdvanceSettingPage::goHomeHeadingBackwards()
{
    writeAndUpload("GoHomeHeading", 2);
}

void AdvanceSettingPage::goHomeAltChanged(int value)
{
    writeAndUpload("TurnbackHeight", value);
}

void AdvanceSettingPage::goHomeEnableClicked(bool checked)
{
    writeAndUpload("GoHomeEnable", checked ? 1 : 0);
}

void AdvanceSettingPage::iocEnableClicked(bool checked)
{
    writeAndUpload("IocEnable", checked ? 1 : 0);
}

void AdvanceSettingPage::iocFunctionMiddleChanged(int index)
{
    writeAndUpload("IocFunctionMiddle", codeForEntry(kMiddleCodes, index));
}

void AdvanceSettingPage::iocFunctionRightChanged(int index)
{
    writeAndUpload("IocFunctionRight", codeForEntry(kRightCodes, index));
}

// Runs after the page lock is released (the binder reports the write after it).
void AdvanceSettingPage::removeInvalidEntry(QComboBox *box)
{
    if (box->count() > 2)
        box->removeItem(2);
}

void AdvanceSettingPage::calibVoltageValueChanged(double volts)
{
    writeShown("LossVolt", volts);
}

void AdvanceSettingPage::voltCalibClicked()
{
    if (m_binder->isGuarded())
        return;
    QMutexLocker lock(&m_binder->pageLock());
    m_link->calibrate(fclink::Sensor::Voltage);
}

void AdvanceSettingPage::recommandSettingsChanged(int) {}

void AdvanceSettingPage::firstLevelVoltageChanged(double volts)
{
    writeShown("ProtectVolt1", volts);
}

void AdvanceSettingPage::secondLevelVoltageChanged(double volts)
{
    writeShown("ProtectVolt2", volts);
}

void AdvanceSettingPage::safeGuard1Function1Clicked()
{
    writeAndUpload("SafeGard1", 0);
}

void AdvanceSettingPage::safeGuard1Function2Clicked()
{
    writeAndUpload("SafeGard1", 2);
}

void AdvanceSettingPage::safeGuard2Function1Clicked()
{
    writeAndUpload("SafeGard2", 0);
}

void AdvanceSettingPage::safeGuard2Function2Clicked()
{
    writeAndUpload("SafeGard2", 1);
}

void AdvanceSettingPage::forbidAreaOn()
{
    writeAndUpload("ForbidAreaEnable", 1);
}

void AdvanceSettingPage::forbidAreaOff()
{
    writeAndUpload("ForbidAreaEnable", 0);
}

void AdvanceSettingPage::distanceLimit(double metres)
{
    writeShown("LimitRadius", metres);
}

void AdvanceSettingPage::altitudeLimit(double metres)
{
    writeShown("LimitAlt", metres);
}

void AdvanceSettingPage::showGoHomePicture(bool altitudeVariant)
{
    static const char *const suffixes[] = {"en", "zh", "ge"};
    const QString variant =
        altitudeVariant ? QStringLiteral("GoHomeAlt_") : QStringLiteral("GoHomeHover_");
    const QString language =
        m_languageCode <= 2 ? QLatin1String(suffixes[m_languageCode]) : QString();
    m_goHomePicture = HiDpiPixmap::load(QStringLiteral("://images/") + variant + language +
                                        QStringLiteral(".png"));
    m_ui->labelFailsafeImage->setPixmap(m_goHomePicture);
    m_ui->labelFailsafeImage->setFixedSize(HiDpiPixmap::logicalSize(m_goHomePicture));
    DiagramCaptions::captionGoHome(m_ui->labelFailsafeImage, altitudeVariant);
}

// The binder selects the entry of a valid code and marks any other; the entry for the invalid
// code 0 is this page's own.
void AdvanceSettingPage::refreshInvalidEntry(QComboBox *box, int value, int firstCode,
                                             int secondCode)
{
    if (value == firstCode || value == secondCode) {
        if (box->count() > 2)
            box->removeItem(2);
    } else if (value == 0 && box->count() <= 2) {
        box->addItem(tr("Invalid Param!"));
        box->setCurrentIndex(2);
    }
}

// The RC channel element a switch map field names; 0, and numbers past the eight channels the
// controller reports, name none.
qint16 *AdvanceSettingPage::switchChannel(const char *mapField) const
{
    const qint32 channel = fclink::readParameter(mapField);
    if (channel < 1 || channel > kRcChannelCount)
        return nullptr;
    return &g_rc_channel[channel - 1];
}

void AdvanceSettingPage::refreshPage()
{
    const ParameterBinder::Guard guard(*m_binder);
    m_binder->refresh();

    const qint32 failType = fclink::readParameter("FailType");
    if (failType == 0 || failType == 1)
        showGoHomePicture(failType == 1);

    const qint32 middle = fclink::readParameter("IocFunctionMiddle");
    qCDebug(lcPages).noquote() << QStringLiteral("ioc function2: %1").arg(middle);
    refreshInvalidEntry(m_ui->comboBoxIOCMiddle, middle, kMiddleCodes[0], kMiddleCodes[1]);
    refreshInvalidEntry(m_ui->comboBoxIOCRight, fclink::readParameter("IocFunctionRight"),
                        kRightCodes[0], kRightCodes[1]);

    m_goHomeSwitchChannel = switchChannel("ChannelMap7");
    m_iocSwitchChannel = switchChannel("ChannelMap8");
    clearSwitchHighlights();
}

// A switch whose channel map names no channel has no position: nothing stays lit for it.
void AdvanceSettingPage::clearSwitchHighlights()
{
    if (!m_goHomeSwitchChannel) {
        QLabel *labels[] = {nullptr, m_ui->labelGoHomeStandby, m_ui->labelGoHomeStart};
        if (labels[m_goHomeZonePainted])
            StyleSheet::setState(labels[m_goHomeZonePainted], kZone, QLatin1String(kIdle));
        m_goHomeZone = m_goHomeZonePainted = 0;
        m_ui->horizontalSliderGoHome->setValue(0);
    }
    if (!m_iocSwitchChannel) {
        QComboBox *boxes[] = {nullptr, m_ui->comboBoxIOCLeft, m_ui->comboBoxIOCMiddle,
                              m_ui->comboBoxIOCRight};
        if (boxes[m_iocZonePainted])
            StyleSheet::setState(boxes[m_iocZonePainted], kZone, QLatin1String(kIdle));
        m_iocZone = m_iocZonePainted = 0;
        m_ui->horizontalSliderIOC->setValue(0);
    }
}

qint16 AdvanceSettingPage::switchPosition(qint16 channelValue)
{
    return static_cast<qint16>(std::trunc(channelValue / 8.4 + 0.5));
}

int AdvanceSettingPage::goHomeZone(int position)
{
    if (position >= 35 && position <= 90)
        return 1;
    if (position >= -89 && position <= -34)
        return 2;
    return 0;
}

int AdvanceSettingPage::iocZone(int position)
{
    if (position >= -91 && position <= -36)
        return 1;
    if (position >= -27 && position <= 28)
        return 2;
    if (position >= 37 && position <= 92)
        return 3;
    return 0;
}

void AdvanceSettingPage::updateTelemetryInfo()
{
    const ParameterBinder::Guard guard(*m_binder);
    switch (m_ui->tabWidget->currentIndex()) {
    case kTabVoltage:
        m_ui->lineEditCurrentVoltage->setText(QString::number(g_voltage / 100.0, 'f', 2));
        break;
    case kTabFailSafe:
        updateGoHomeSwitch();
        break;
    case kTabIoc:
        updateIocSwitch();
        break;
    default:
        break;
    }
}

void AdvanceSettingPage::updateGoHomeSwitch()
{
    if (!m_goHomeSwitchChannel)
        return;
    const qint16 position = switchPosition(*m_goHomeSwitchChannel);
    m_ui->horizontalSliderGoHome->setValue(position);
    m_goHomeZone = goHomeZone(position);
    if (m_goHomeZone == m_goHomeZonePainted)
        return;
    QLabel *labels[] = {nullptr, m_ui->labelGoHomeStandby, m_ui->labelGoHomeStart};
    if (labels[m_goHomeZone])
        StyleSheet::setState(labels[m_goHomeZone], kZone, QLatin1String(kLabelLit));
    if (labels[m_goHomeZonePainted])
        StyleSheet::setState(labels[m_goHomeZonePainted], kZone, QLatin1String(kIdle));
    m_goHomeZonePainted = m_goHomeZone;
}

void AdvanceSettingPage::updateIocSwitch()
{
    if (!m_iocSwitchChannel)
        return;
    const qint16 position = switchPosition(*m_iocSwitchChannel);
    m_ui->horizontalSliderIOC->setValue(position);
    m_iocZone = iocZone(position);
    if (m_iocZone == m_iocZonePainted)
        return;
    QComboBox *boxes[] = {nullptr, m_ui->comboBoxIOCLeft, m_ui->comboBoxIOCMiddle,
                          m_ui->comboBoxIOCRight};
    if (boxes[m_iocZone])
        StyleSheet::setState(boxes[m_iocZone], kZone, QLatin1String(kComboActive));
    if (boxes[m_iocZonePainted])
        StyleSheet::setState(boxes[m_iocZonePainted], kZone, QLatin1String(kIdle));
    m_iocZonePainted = m_iocZone;
}

HelpBrowser *AdvanceSettingPage::helpView(HelpView view) const
{
    HelpBrowser *views[] = {m_ui->webViewMotor, m_ui->webViewFailSafe, m_ui->webViewIOC,
                            m_ui->webViewVoltage, m_ui->webViewLimit};
    return views[view];
}

void AdvanceSettingPage::showHelp(HelpView view, int topic, const QString &document)
{
    m_helpTopic[view] = topic;
    helpView(view)->showDocument(m_documentFolder + document);
}

QString AdvanceSettingPage::documentShown(const HelpBrowser *view) const
{
    return view ? view->address() : QString();
}

bool AdvanceSettingPage::eventFilter(QObject *watched, QEvent *event)
{
    const auto topic = std::find_if(m_helpTopics.cbegin(), m_helpTopics.cend(),
                                    [watched](const HelpTopic &t) { return t.group == watched; });
    if (topic == m_helpTopics.cend())
        return QWidget::eventFilter(watched, event);
    if (event->type() != QEvent::MouseMove)
        return false;

    const QPoint at = static_cast<QMouseEvent *>(event)->pos();
    const QWidget *group = topic->group;
    const bool inside = at.x() > kHelpMargin && at.x() < group->width() - kHelpMargin &&
                        at.y() > kHelpMargin && at.y() < group->height() - kHelpMargin;
    if (inside) {
        if (m_helpTopic[topic->view] != topic->topic)
            showHelp(topic->view, topic->topic, QLatin1String(topic->document));
    } else if (m_helpTopic[topic->view] != 0) {
        showHelp(topic->view, 0, QLatin1String(kSectionDefaults[topic->view]));
    }
    return true;
}
