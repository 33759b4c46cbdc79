#include "advancesettingpage.h"

#include "diagramcaptions.h"
#include "fclink/link/commrt.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"
#include "fclink/model/telemetrysnapshot.h"
#include "parameterbinder.h"
#include "product/fontscale.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/documentfolder.h"
#include "skydesk/common/helpbrowser.h"
#include "skydesk/common/hidpipixmap.h"
#include "skydesk/common/logcategories.h"
#include "skydesk/common/stylesheet.h"
#include "skydesk/common/textroom.h"
#include "ui_advancesettingpage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QMouseEvent>

#include <cmath>
#include <iterator>

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

// The RC channels of the go-home and the IOC switch.
const char *const kGoHomeSwitchMap = "ChannelMap7";
const char *const kIocSwitchMap = "ChannelMap8";

// The pictures of the motor, voltage and stick labels, in the order setUpPictures() shows them.
const char *const kFixedPictures[] = {
    "://images/motor_idel_speed.png", "://images/motor_idel_speed_button_bg.png",
    "://images/current_voltage.png",  "://images/stick_at_1.png",
    "://images/stick_at_2.png",       "://images/stick_at_3.png"};

QString goHomePicturePath(bool altitudeVariant, quint8 languageCode)
{
    static const char *const suffixes[] = {"en", "zh", "ge"};
    const QString variant =
        altitudeVariant ? QStringLiteral("GoHomeAlt_") : QStringLiteral("GoHomeHover_");
    const QString language = languageCode <= 2 ? QLatin1String(suffixes[languageCode]) : QString();
    return QStringLiteral("://images/") + variant + language + QStringLiteral(".png");
}

} // namespace

AdvanceSettingPage::AdvanceSettingPage(QWidget *parent, Commrt *link)
    : QWidget(parent), m_link(link), m_ui(new Ui::AdvanceSettingPageUi)
{
    m_ui->setupUi(this);
    FontScale::scaleForm(this);
    TextRoom::makeRoomWhenShown(this);
    m_ui->tabWidget->setAccessibleName(fclink::pageTitle(fclink::FieldPage::Setting));
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

QStringList AdvanceSettingPage::picturesAtStart(quint8 languageCode)
{
    QStringList paths;
    for (const char *path : kFixedPictures)
        paths << QLatin1String(path);
    return paths << goHomePicturePath(false, languageCode);
}

void AdvanceSettingPage::setUpPictures()
{
    QLabel *labels[] = {m_ui->labelMotorIdelSpeed,    m_ui->labelMotorIdelSpeedBG,
                        m_ui->labelCurrentVoltageImg, m_ui->labelStickAt1,
                        m_ui->labelStickAt2,          m_ui->labelStickAt3};
    QPixmap *pixmaps[] = {&m_motorIdelSpeedPicture, &m_motorIdelSpeedButtonBackground,
                          &m_currentVoltagePicture, &m_stickPictures[0],
                          &m_stickPictures[1],      &m_stickPictures[2]};
    static_assert(std::size(labels) == std::size(kFixedPictures), "a label for each picture");
    for (size_t i = 0; i < std::size(labels); ++i) {
        *pixmaps[i] =
            HiDpiPixmap::loadScaled(QLatin1String(kFixedPictures[i]), FontScale::factor());
        labels[i]->setPixmap(*pixmaps[i]);
        labels[i]->setFixedSize(HiDpiPixmap::logicalSize(*pixmaps[i]));
    }
    DiagramCaptions::captionGauge(m_ui->labelMotorIdelSpeed);
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

// Every control names its field in the form (property "parameterField"); the field table gives
// the values they write, the choices' labels, and the spin boxes' range, unit and decimals. The
// buttons are listed in the order of their field's values.
void AdvanceSettingPage::bindControls()
{
    using Others = ParameterBinder::OtherValues;
    m_binder->bindSpinBoxes(ParameterBinder::Presentation::FieldUnits);
    m_binder->bindChoiceButtons(
        {m_ui->pushButtonMotorIdelSpeedLevel1, m_ui->pushButtonMotorIdelSpeedLevel2,
         m_ui->pushButtonMotorIdelSpeedLevel3, m_ui->pushButtonMotorIdelSpeedLevel4,
         m_ui->pushButtonMotorIdelSpeedLevel5},
        Others::ShowNone);
    m_binder->bindChoiceButtons({m_ui->radioButtonHover, m_ui->radioButtonAltGoHome},
                                Others::KeepShown);
    m_binder->bindChoiceButtons({m_ui->radioButtonTowards, m_ui->radioButtonBackwards},
                                Others::KeepShown);
    m_binder->bindCheckBox(m_ui->checkBoxGoHomeEnable);
    m_binder->bindCheckBox(m_ui->checkBoxIOCEnable);
    m_binder->bindComboBox(m_ui->comboBoxIOCMiddle);
    m_binder->bindComboBox(m_ui->comboBoxIOCRight);
    // Any value but ON shows OFF.
    m_binder->bindChoiceButtons({m_ui->radioButtonForbidAreaOff, m_ui->radioButtonForbidAreaOn},
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

void AdvanceSettingPage::setCommandsAvailable(bool available, const QString &whyNot)
{
    m_binder->setCommandsAvailable(available, whyNot);
}

// Once an IOC function is stored, the "Invalid Param!" entry has served its purpose. Removing it
// while it is selected selects the entry before it, whose code is then stored as well.
void AdvanceSettingPage::fieldWritten(const QString &field)
{
    for (QComboBox *box : {m_ui->comboBoxIOCMiddle, m_ui->comboBoxIOCRight}) {
        if (field == QLatin1String(m_binder->fieldOf(box)->name))
            removeInvalidEntry(box);
    }
}

// The slots below are the page's interface for callers: each does what the pilot's use of its
// control does, through the binder.
void AdvanceSettingPage::motorIdelSpeedLevel1Clicked()
{
    m_binder->choose(m_ui->pushButtonMotorIdelSpeedLevel1);
}

void AdvanceSettingPage::motorIdelSpeedLevel2Clicked()
{
    m_binder->choose(m_ui->pushButtonMotorIdelSpeedLevel2);
}

void AdvanceSettingPage::motorIdelSpeedLevel3Clicked()
{
    m_binder->choose(m_ui->pushButtonMotorIdelSpeedLevel3);
}

void AdvanceSettingPage::motorIdelSpeedLevel4Clicked()
{
    m_binder->choose(m_ui->pushButtonMotorIdelSpeedLevel4);
}

void AdvanceSettingPage::motorIdelSpeedLevel5Clicked()
{
    m_binder->choose(m_ui->pushButtonMotorIdelSpeedLevel5);
}

void AdvanceSettingPage::goHomeMethodHover()
{
    showGoHomePicture(false);
    m_binder->choose(m_ui->radioButtonHover);
}

void AdvanceSettingPage::goHomeMethodAltGoHome()
{
    showGoHomePicture(true);
    m_binder->choose(m_ui->radioButtonAltGoHome);
}

void AdvanceSettingPage::goHomeHeadingFowards()
{
    m_binder->choose(m_ui->radioButtonTowards);
}

void AdvanceSettingPage::goHomeHeadingBackwards()
{
    m_binder->choose(m_ui->radioButtonBackwards);
}

void AdvanceSettingPage::goHomeAltChanged(int value)
{
    m_binder->writeShown(m_ui->spinBoxGoHomeAlt, value);
}

void AdvanceSettingPage::goHomeEnableClicked(bool checked)
{
    m_binder->check(m_ui->checkBoxGoHomeEnable, checked);
}

void AdvanceSettingPage::iocEnableClicked(bool checked)
{
    m_binder->check(m_ui->checkBoxIOCEnable, checked);
}

void AdvanceSettingPage::iocFunctionMiddleChanged(int index)
{
    m_binder->chooseEntry(m_ui->comboBoxIOCMiddle, index);
}

void AdvanceSettingPage::iocFunctionRightChanged(int index)
{
    m_binder->chooseEntry(m_ui->comboBoxIOCRight, index);
}

// Runs after the page lock is released (the binder reports the write after it).
void AdvanceSettingPage::removeInvalidEntry(QComboBox *box)
{
    const int choices = m_binder->fieldOf(box)->choices.size();
    if (box->count() > choices)
        box->removeItem(choices);
}

void AdvanceSettingPage::calibVoltageValueChanged(double volts)
{
    m_binder->writeShown("LossVolt", volts);
}

void AdvanceSettingPage::voltCalibClicked()
{
    m_binder->runCommand([this] { m_link->calibrate(fclink::Sensor::Voltage); });
}

void AdvanceSettingPage::recommandSettingsChanged(int) {}

void AdvanceSettingPage::firstLevelVoltageChanged(double volts)
{
    m_binder->writeShown("ProtectVolt1", volts);
}

void AdvanceSettingPage::secondLevelVoltageChanged(double volts)
{
    m_binder->writeShown("ProtectVolt2", volts);
}

// The safe-guard functions are the fields' choices "Function 1" and "Function 2".
void AdvanceSettingPage::safeGuard1Function1Clicked()
{
    m_binder->writeChoice("SafeGard1", 0);
}

void AdvanceSettingPage::safeGuard1Function2Clicked()
{
    m_binder->writeChoice("SafeGard1", 1);
}

void AdvanceSettingPage::safeGuard2Function1Clicked()
{
    m_binder->writeChoice("SafeGard2", 0);
}

void AdvanceSettingPage::safeGuard2Function2Clicked()
{
    m_binder->writeChoice("SafeGard2", 1);
}

void AdvanceSettingPage::forbidAreaOn()
{
    m_binder->choose(m_ui->radioButtonForbidAreaOn);
}

void AdvanceSettingPage::forbidAreaOff()
{
    m_binder->choose(m_ui->radioButtonForbidAreaOff);
}

void AdvanceSettingPage::distanceLimit(double metres)
{
    m_binder->writeShown(m_ui->doubleSpinBoxDistanceLimit, metres);
}

void AdvanceSettingPage::altitudeLimit(double metres)
{
    m_binder->writeShown(m_ui->doubleSpinBoxAltitudeLimit, metres);
}

void AdvanceSettingPage::showGoHomePicture(bool altitudeVariant)
{
    m_goHomePicture = HiDpiPixmap::loadScaled(goHomePicturePath(altitudeVariant, m_languageCode),
                                              FontScale::factor());
    m_ui->labelFailsafeImage->setPixmap(m_goHomePicture);
    m_ui->labelFailsafeImage->setFixedSize(HiDpiPixmap::logicalSize(m_goHomePicture));
    DiagramCaptions::captionGoHome(m_ui->labelFailsafeImage, altitudeVariant);
}

// The binder selects the entry of a choice and marks any other value; the entry for the invalid
// code 0 is this page's own.
void AdvanceSettingPage::refreshInvalidEntry(QComboBox *box, const fclink::BlockImage &block)
{
    const fclink::ParameterField &field = *m_binder->fieldOf(box);
    const qint32 value = block.value(field);
    const int choices = field.choices.size();
    if (field.choice(value)) {
        if (box->count() > choices)
            box->removeItem(choices);
    } else if (value == 0 && box->count() <= choices) {
        box->addItem(tr("Invalid Param!"));
        box->setCurrentIndex(choices);
    }
}

// The RC channel element a switch map field names; 0, and numbers past the eight channels the
// controller reports, name none.
qint16 *AdvanceSettingPage::switchChannel(const fclink::BlockImage &block,
                                          const char *mapField) const
{
    const qint32 channel = block.value(mapField);
    if (channel < 1 || channel > kRcChannelCount)
        return nullptr;
    return &g_rc_channel[channel - 1];
}

void AdvanceSettingPage::refreshPage()
{
    const ParameterBinder::Guard guard(*m_binder);
    m_binder->refresh();

    // The picture shows the method the buttons show; a value that is no method changes neither.
    if (m_ui->radioButtonHover->isChecked() || m_ui->radioButtonAltGoHome->isChecked())
        showGoHomePicture(m_ui->radioButtonAltGoHome->isChecked());

    const fclink::BlockImage block = fclink::ParameterBlock::copy();
    qCDebug(lcPages).noquote() << QStringLiteral("ioc function2: %1")
                                      .arg(
                                          block.value(*m_binder->fieldOf(m_ui->comboBoxIOCMiddle)));
    refreshInvalidEntry(m_ui->comboBoxIOCMiddle, block);
    refreshInvalidEntry(m_ui->comboBoxIOCRight, block);

    m_goHomeSwitchChannel = switchChannel(block, kGoHomeSwitchMap);
    m_iocSwitchChannel = switchChannel(block, kIocSwitchMap);
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
        m_ui->lineEditCurrentVoltage->setText(
            fclink::telemetryText(fclink::telemetryNow(), fclink::TelemetryChannel::Voltage));
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
