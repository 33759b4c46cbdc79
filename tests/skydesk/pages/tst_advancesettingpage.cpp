// The advanced settings page against the real link object and the real parameter block.
#include "fclink/link/commrt.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/telemetry.h"
#include "fclink/model/uavparam.h"
#include "fieldmarks.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/documentfolder.h"
#include "skydesk/common/helpbrowser.h"
#include "skydesk/common/stylesheet.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/captionlabel.h"
#include "tests/support/blockaccess.h"
#include "tests/support/pageundertest.h"
#include "ui_advancesettingpage.h"

#include <QtTest>
#include <QtWidgets>

using fieldmarks::fieldNamed; // the ranges the pages offer come from the field table
using fieldmarks::markOf;

namespace {

using blockaccess::setValueNow;
using blockaccess::valueNow;

void moveMouse(QWidget *widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The captions laid over a picture label, as (step, text) in the order they were made.
QList<QPair<int, QString>> captionsOf(QWidget *picture)
{
    QList<QPair<int, QString>> captions;
    for (CaptionLabel *caption :
         picture->findChildren<CaptionLabel *>(QString(), Qt::FindDirectChildrenOnly))
        captions << qMakePair(caption->step(), caption->text());
    return captions;
}

// Every caption lies inside bounds (picture coordinates) and clear of the others.
bool captionsFit(QWidget *picture, const QRect &bounds, QString *why)
{
    const QList<CaptionLabel *> captions =
        picture->findChildren<CaptionLabel *>(QString(), Qt::FindDirectChildrenOnly);
    for (CaptionLabel *caption : captions) {
        if (!bounds.contains(caption->geometry()) || caption->width() < 10) {
            *why = caption->text() + QStringLiteral(" at %1,%2 %3x%4")
                                         .arg(caption->x())
                                         .arg(caption->y())
                                         .arg(caption->width())
                                         .arg(caption->height());
            return false;
        }
        for (CaptionLabel *other : captions) {
            if (other != caption && other->geometry().intersects(caption->geometry())) {
                *why = caption->text() + QStringLiteral(" overlaps ") + other->text();
                return false;
            }
        }
    }
    return true;
}

// The state property the page lights a switch position's label or combo box by.
QString zoneOf(const QWidget *control)
{
    return control->property("zone").toString();
}

// The colour just inside a control's frame, half way down its left edge: its background.
QColor backgroundOf(QWidget *control)
{
    const QImage shot = control->grab().toImage();
    return shot.pixelColor(2, shot.height() / 2);
}

const QColor kLitGreen(0x00, 0xbb, 0x00);
const QColor kOutOfRangeBackground(0xfd, 0xe2, 0xe2);

// The grey of the go-home plates and of the IOC boxes when no switch position lights them.
bool isPlainGrey(const QColor &colour)
{
    return qAbs(colour.red() - colour.blue()) < 8 && qAbs(colour.red() - colour.green()) < 8 &&
           colour.red() >= 0xA0 && colour.red() <= 0xE1;
}

} // namespace

class TestAdvanceSettingPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderTest<AdvanceSettingPage>> m_t;
    Commrt *m_link = nullptr;
    AdvanceSettingPage *m_page = nullptr;
    Ui::AdvanceSettingPageUi *ui = nullptr;

    quint64 uploads() const { return m_link->counters().headChoices; }

private slots:
    void init()
    {
        m_t = std::make_unique<PageUnderTest<AdvanceSettingPage>>();
        m_link = m_t->link();
        m_page = m_t->page();
        ui = m_page->form();
    }

    void cleanup() { m_t.reset(); }

    void slotsWriteTheirFieldAndUploadOnce_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QVariant>("argument");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<int>("value");
        const QVariant none;
        for (int level = 1; level <= 5; ++level)
            QTest::addRow("idle %d", level) << QString("motorIdelSpeedLevel%1Clicked").arg(level)
                                            << none << "MotorIdel" << level;
        QTest::newRow("hover") << "goHomeMethodHover" << none << "FailType" << 0;
        QTest::newRow("alt go-home") << "goHomeMethodAltGoHome" << none << "FailType" << 1;
        QTest::newRow("towards") << "goHomeHeadingFowards" << none << "GoHomeHeading" << 1;
        QTest::newRow("backwards") << "goHomeHeadingBackwards" << none << "GoHomeHeading" << 2;
        QTest::newRow("go-home alt")
            << "goHomeAltChanged" << QVariant(150) << "TurnbackHeight" << 150;
        QTest::newRow("go-home on")
            << "goHomeEnableClicked" << QVariant(true) << "GoHomeEnable" << 1;
        QTest::newRow("go-home off")
            << "goHomeEnableClicked" << QVariant(false) << "GoHomeEnable" << 0;
        QTest::newRow("ioc on") << "iocEnableClicked" << QVariant(true) << "IocEnable" << 1;
        QTest::newRow("ioc middle 0")
            << "iocFunctionMiddleChanged" << QVariant(0) << "IocFunctionMiddle" << 1;
        QTest::newRow("ioc middle 1")
            << "iocFunctionMiddleChanged" << QVariant(1) << "IocFunctionMiddle" << 3;
        QTest::newRow("ioc middle other")
            << "iocFunctionMiddleChanged" << QVariant(5) << "IocFunctionMiddle" << 0;
        QTest::newRow("ioc right 0")
            << "iocFunctionRightChanged" << QVariant(0) << "IocFunctionRight" << 3;
        QTest::newRow("ioc right 1")
            << "iocFunctionRightChanged" << QVariant(1) << "IocFunctionRight" << 2;
        QTest::newRow("loss volt")
            << "calibVoltageValueChanged" << QVariant(12.345) << "LossVolt" << 1234;
        QTest::newRow("level 1 volt")
            << "firstLevelVoltageChanged" << QVariant(10.999) << "ProtectVolt1" << 1099;
        QTest::newRow("level 2 volt")
            << "secondLevelVoltageChanged" << QVariant(10.5) << "ProtectVolt2" << 1050;
        QTest::newRow("guard 1 a") << "safeGuard1Function1Clicked" << none << "SafeGard1" << 0;
        QTest::newRow("guard 1 b") << "safeGuard1Function2Clicked" << none << "SafeGard1" << 2;
        QTest::newRow("guard 2 a") << "safeGuard2Function1Clicked" << none << "SafeGard2" << 0;
        QTest::newRow("guard 2 b") << "safeGuard2Function2Clicked" << none << "SafeGard2" << 1;
        QTest::newRow("forbid on") << "forbidAreaOn" << none << "ForbidAreaEnable" << 1;
        QTest::newRow("forbid off") << "forbidAreaOff" << none << "ForbidAreaEnable" << 0;
        QTest::newRow("radius") << "distanceLimit" << QVariant(499.9) << "LimitRadius" << 499;
        QTest::newRow("altitude") << "altitudeLimit" << QVariant(120.0) << "LimitAlt" << 120;
    }

    void slotsWriteTheirFieldAndUploadOnce()
    {
        QFETCH(QString, slot);
        QFETCH(QVariant, argument);
        QFETCH(QString, fieldName);
        QFETCH(int, value);
        const QByteArray name = fieldName.toLatin1();
        setValueNow(name, 77);
        const quint64 before = uploads();
        bool invoked = false;
        const QByteArray method = slot.toLatin1();
        if (!argument.isValid())
            invoked = QMetaObject::invokeMethod(m_page, method);
        else if (argument.type() == QVariant::Bool)
            invoked = QMetaObject::invokeMethod(m_page, method, Q_ARG(bool, argument.toBool()));
        else if (argument.type() == QVariant::Int)
            invoked = QMetaObject::invokeMethod(m_page, method, Q_ARG(int, argument.toInt()));
        else
            invoked = QMetaObject::invokeMethod(m_page, method, Q_ARG(double, argument.toDouble()));
        QVERIFY(invoked);
        QCOMPARE(valueNow(name), value);
        QCOMPARE(uploads(), before + 1);
        QVERIFY(m_link->isUploadRequested());
    }

    void clickingAControlUploads()
    {
        const quint64 before = uploads();
        QTest::mouseClick(ui->pushButtonMotorIdelSpeedLevel4, Qt::LeftButton);
        QCOMPARE(valueNow("MotorIdel"), 4);
        QVERIFY(ui->pushButtonMotorIdelSpeedLevel4->isChecked());
        QCOMPARE(uploads(), before + 1);
    }

    void voltageCalibrationSendsCommandOnly()
    {
        const quint64 before = uploads();
        m_page->voltCalibClicked();
        QCOMPARE(int(m_link->currentCommand()), 6);
        QCOMPARE(uploads(), before);
    }

    void refreshShowsBlockWithoutUploading()
    {
        setValueNow("MotorIdel", 3);
        setValueNow("FailType", 1);
        setValueNow("GoHomeHeading", 2);
        setValueNow("GoHomeEnable", 1);
        setValueNow("IocEnable", 0);
        setValueNow("IocFunctionMiddle", 3);
        setValueNow("IocFunctionRight", 2);
        setValueNow("LimitAlt", 5); // below the box's minimum
        setValueNow("LimitRadius", 800);
        setValueNow("TurnbackHeight", 120);
        setValueNow("ForbidAreaEnable", 1);
        const quint64 before = uploads();
        m_page->refreshPage();
        QCOMPARE(uploads(), before);
        QVERIFY(ui->pushButtonMotorIdelSpeedLevel3->isChecked());
        QVERIFY(ui->radioButtonAltGoHome->isChecked());
        QVERIFY(!ui->radioButtonHover->isChecked());
        QVERIFY(ui->radioButtonBackwards->isChecked());
        QVERIFY(ui->checkBoxGoHomeEnable->isChecked());
        QVERIFY(!ui->checkBoxIOCEnable->isChecked());
        QCOMPARE(ui->comboBoxIOCMiddle->currentIndex(), 1);
        QCOMPARE(ui->comboBoxIOCRight->currentIndex(), 1);
        QCOMPARE(ui->doubleSpinBoxAltitudeLimit->value(), double(fieldNamed("LimitAlt").minimum));
        QCOMPARE(valueNow("LimitAlt"), 5); // the clamp wrote nothing back
        QCOMPARE(ui->doubleSpinBoxDistanceLimit->value(), 800.0);
        QCOMPARE(ui->spinBoxGoHomeAlt->value(), 120);
        QVERIFY(ui->radioButtonForbidAreaOn->isChecked());
        QVERIFY(!ui->radioButtonForbidAreaOff->isChecked());

        // Values that name no choice leave those controls as they were (and marked), except
        // the level buttons: none stays lit for a level the block does not hold.
        setValueNow("MotorIdel", 7);
        setValueNow("FailType", 4);
        setValueNow("GoHomeHeading", 0);
        setValueNow("IocFunctionRight", 1); // Course Lock is no right-position function
        setValueNow("TurnbackHeight", 5);
        setValueNow("ForbidAreaEnable", 9);
        m_page->refreshPage();
        QCOMPARE(uploads(), before);
        QVERIFY(!ui->pushButtonMotorIdelSpeedLevel3->isChecked());
        QVERIFY(ui->radioButtonAltGoHome->isChecked());
        QVERIFY(ui->radioButtonBackwards->isChecked());
        QCOMPARE(ui->comboBoxIOCRight->currentIndex(), 1);
        QCOMPARE(ui->comboBoxIOCRight->count(), 2);
        QCOMPARE(ui->spinBoxGoHomeAlt->value(), fieldNamed("TurnbackHeight").minimum); // clamped
        QCOMPARE(valueNow("TurnbackHeight"), 5);
        QVERIFY(ui->radioButtonForbidAreaOff->isChecked());
    }

    void invalidIocFunctionEntry()
    {
        setValueNow("IocFunctionMiddle", 0);
        const quint64 before = uploads();
        m_page->refreshPage();
        QCOMPARE(ui->comboBoxIOCMiddle->count(), 3);
        QCOMPARE(ui->comboBoxIOCMiddle->currentText(), QStringLiteral("Invalid Param!"));
        m_page->refreshPage();
        QCOMPARE(ui->comboBoxIOCMiddle->count(), 3); // no second entry
        QCOMPARE(uploads(), before);

        ui->comboBoxIOCMiddle->setCurrentIndex(0); // "Course Lock"
        QCOMPARE(valueNow("IocFunctionMiddle"), 1);
        QCOMPARE(uploads(), before + 1);
        QCOMPARE(ui->comboBoxIOCMiddle->count(), 2);
    }

    void choosingTheShownEntryOverAnInvalidCodeWritesIt_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<int>("invalid");
        QTest::addColumn<int>("shownCode");
        QTest::newRow("right holds Course Lock") << "comboBoxIOCRight"
                                                 << "IocFunctionRight" << 1 << 3;
        QTest::newRow("middle holds 7") << "comboBoxIOCMiddle"
                                        << "IocFunctionMiddle" << 7 << 1;
    }

    // The box shows its first entry over a code it does not offer; choosing that entry from
    // the list stores its code.
    void choosingTheShownEntryOverAnInvalidCodeWritesIt()
    {
        QFETCH(QString, box);
        QFETCH(QString, fieldName);
        QFETCH(int, invalid);
        QFETCH(int, shownCode);
        auto *combo = m_page->findChild<QComboBox *>(box);
        setValueNow(qPrintable(fieldName), invalid);
        m_page->refreshPage();
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(markOf(combo), QStringLiteral("outOfRange"));
        ui->tabWidget->setCurrentIndex(2);
        m_page->show();
        QApplication::setActiveWindow(m_page);
        QVERIFY(QTest::qWaitForWindowActive(m_page));
        combo->setFocus(Qt::MouseFocusReason);
        const quint64 before = uploads();
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QCOMPARE(valueNow(qPrintable(fieldName)), shownCode);
        QCOMPARE(uploads(), before + 1);
        QCOMPARE(markOf(combo), QString());
        // Choosing it again, now that the block holds it, writes nothing more.
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QCOMPARE(uploads(), before + 1);
    }

    void iocEntriesShowWhole_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Chinese") << 1;
        QTest::newRow("German") << 2;
    }

    // Every entry of the IOC boxes, "Invalid Param!" too, fits the box in every language.
    void iocEntriesShowWhole()
    {
        QFETCH(int, language);
        QTranslator translator;
        QVERIFY(translator.load(AppSettings::translationFile(quint8(language))));
        QCoreApplication::installTranslator(&translator);
        {
            AdvanceSettingPage page(nullptr, m_link);
            page.setStyleSheet(StyleSheet::pageArea()); // the boxes' padding as in the page area
            page.resize(850, 435);
            setValueNow("IocFunctionMiddle", 0);
            page.refreshPage();
            page.form()->tabWidget->setCurrentIndex(2);
            page.show();
            QCoreApplication::sendPostedEvents();
            for (QComboBox *box : {page.form()->comboBoxIOCLeft, page.form()->comboBoxIOCMiddle,
                                   page.form()->comboBoxIOCRight}) {
                // The room the box draws its text in, as it paints itself.
                QStyleOptionComboBox option;
                option.initFrom(box);
                option.frame = true;
                option.subControls = QStyle::SC_All;
                const int room = box->style()
                                     ->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, box)
                                     .width();
                for (int i = 0; i < box->count(); ++i) {
                    const int needed = box->fontMetrics().horizontalAdvance(box->itemText(i));
                    QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1: %2 px in %3 px")
                                                            .arg(box->itemText(i))
                                                            .arg(needed)
                                                            .arg(room)));
                }
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }

    void choosingTheInvalidEntryEndsOnTheEntryBeforeIt()
    {
        setValueNow("IocFunctionRight", 0);
        m_page->refreshPage();
        ui->comboBoxIOCRight->setCurrentIndex(0);
        m_page->refreshPage();
        setValueNow("IocFunctionRight", 0);
        m_page->refreshPage();
        ui->comboBoxIOCRight->setCurrentIndex(1);
        setValueNow("IocFunctionRight", 0);
        m_page->refreshPage();
        QCOMPARE(ui->comboBoxIOCRight->currentIndex(), 2);
        // Re-selecting the invalid entry by hand: select another, then the invalid one again.
        ui->comboBoxIOCRight->blockSignals(true);
        ui->comboBoxIOCRight->setCurrentIndex(0);
        ui->comboBoxIOCRight->blockSignals(false);
        const quint64 before = uploads();
        ui->comboBoxIOCRight->setCurrentIndex(2);
        // The first run stores 0 and removes the entry; the selection falls back to entry 1,
        // whose run stores Home Lock. No deadlock, no endless recursion.
        QCOMPARE(ui->comboBoxIOCRight->count(), 2);
        QCOMPARE(ui->comboBoxIOCRight->currentIndex(), 1);
        QCOMPARE(valueNow("IocFunctionRight"), 2);
        QCOMPARE(uploads(), before + 2);
    }

    void switchPositionsAndZones()
    {
        QCOMPARE(AdvanceSettingPage::switchPosition(500), qint16(60));
        QCOMPARE(AdvanceSettingPage::switchPosition(-300), qint16(-35));
        QCOMPARE(AdvanceSettingPage::switchPosition(0), qint16(0));
        QCOMPARE(AdvanceSettingPage::goHomeZone(35), 1);
        QCOMPARE(AdvanceSettingPage::goHomeZone(34), 0);
        QCOMPARE(AdvanceSettingPage::goHomeZone(90), 1);
        QCOMPARE(AdvanceSettingPage::goHomeZone(91), 0);
        QCOMPARE(AdvanceSettingPage::goHomeZone(-34), 2);
        QCOMPARE(AdvanceSettingPage::goHomeZone(-33), 0);
        QCOMPARE(AdvanceSettingPage::goHomeZone(-89), 2);
        QCOMPARE(AdvanceSettingPage::goHomeZone(-90), 0);
        for (int p = -35; p <= -28; ++p)
            QCOMPARE(AdvanceSettingPage::iocZone(p), 0);
        for (int p = 29; p <= 36; ++p)
            QCOMPARE(AdvanceSettingPage::iocZone(p), 0);
        QCOMPARE(AdvanceSettingPage::iocZone(-36), 1);
        QCOMPARE(AdvanceSettingPage::iocZone(-91), 1);
        QCOMPARE(AdvanceSettingPage::iocZone(-92), 0);
        QCOMPARE(AdvanceSettingPage::iocZone(-27), 2);
        QCOMPARE(AdvanceSettingPage::iocZone(28), 2);
        QCOMPARE(AdvanceSettingPage::iocZone(37), 3);
        QCOMPARE(AdvanceSettingPage::iocZone(92), 3);
        QCOMPARE(AdvanceSettingPage::iocZone(93), 0);
    }

    void goHomeSwitchHighlightMoves()
    {
        m_page->setStyleSheet(StyleSheet::pageArea()); // drawn as in the page area
        setValueNow("ChannelMap7", 3);
        m_page->refreshPage();
        ui->tabWidget->setCurrentIndex(1);
        g_rc_channel[2] = 500; // p = 60: standby
        m_page->updateTelemetryInfo();
        QCOMPARE(ui->horizontalSliderGoHome->value(), 60);
        QCOMPARE(zoneOf(ui->labelGoHomeStandby), QStringLiteral("lit"));
        QCOMPARE(backgroundOf(ui->labelGoHomeStandby), kLitGreen);
        QVERIFY(isPlainGrey(backgroundOf(ui->labelGoHomeStart)));
        g_rc_channel[2] = -500; // p = -59: start
        m_page->updateTelemetryInfo();
        QCOMPARE(zoneOf(ui->labelGoHomeStart), QStringLiteral("lit"));
        QCOMPARE(backgroundOf(ui->labelGoHomeStart), kLitGreen);
        QCOMPARE(zoneOf(ui->labelGoHomeStandby), QStringLiteral("idle"));
        const QColor standby = backgroundOf(ui->labelGoHomeStandby);
        QVERIFY2(isPlainGrey(standby), qPrintable(standby.name()));
        QCOMPARE(m_page->goHomeZonePainted(), 2);
        g_rc_channel[2] = 0;
        m_page->updateTelemetryInfo();
        QCOMPARE(zoneOf(ui->labelGoHomeStart), QStringLiteral("idle"));
        QVERIFY(isPlainGrey(backgroundOf(ui->labelGoHomeStart)));
        QCOMPARE(m_page->goHomeZonePainted(), 0);
    }

    void iocSwitchHighlightAndChannelsThatNameNothing()
    {
        m_page->setStyleSheet(StyleSheet::pageArea());
        // Functions the boxes show, so no mark covers their look.
        setValueNow("IocFunctionMiddle", 1);
        setValueNow("IocFunctionRight", 2);
        setValueNow("ChannelMap8", 8);
        m_page->refreshPage();
        ui->tabWidget->setCurrentIndex(2);
        g_rc_channel[7] = -600; // p = -71: left
        m_page->updateTelemetryInfo();
        QCOMPARE(m_page->iocZonePainted(), 1);
        QCOMPARE(zoneOf(ui->comboBoxIOCLeft), QStringLiteral("active"));
        QCOMPARE(backgroundOf(ui->comboBoxIOCLeft), kLitGreen);
        QVERIFY(isPlainGrey(backgroundOf(ui->comboBoxIOCMiddle)));
        g_rc_channel[7] = 600; // right
        m_page->updateTelemetryInfo();
        QCOMPARE(m_page->iocZonePainted(), 3);
        QCOMPARE(zoneOf(ui->comboBoxIOCRight), QStringLiteral("active"));
        QCOMPARE(backgroundOf(ui->comboBoxIOCRight), kLitGreen);
        QCOMPARE(zoneOf(ui->comboBoxIOCLeft), QStringLiteral("idle"));
        QVERIFY(isPlainGrey(backgroundOf(ui->comboBoxIOCLeft)));

        // Channel numbers past the eight channels name none: no switch position is known, so
        // no combo box stays lit and the indicator returns to the middle.
        setValueNow("ChannelMap8", 200);
        m_page->refreshPage();
        QCOMPARE(m_page->iocZonePainted(), 0);
        for (QComboBox *box : {ui->comboBoxIOCLeft, ui->comboBoxIOCMiddle, ui->comboBoxIOCRight}) {
            QVERIFY2(zoneOf(box) != QStringLiteral("active"), qPrintable(box->objectName()));
            QVERIFY2(isPlainGrey(backgroundOf(box)), qPrintable(box->objectName()));
        }
        QCOMPARE(ui->horizontalSliderIOC->value(), 0);
        g_rc_channel[7] = -600;
        m_page->updateTelemetryInfo();
        QCOMPARE(m_page->iocZonePainted(), 0);

        // The same for the go-home switch.
        setValueNow("ChannelMap7", 2);
        m_page->refreshPage();
        ui->tabWidget->setCurrentIndex(1);
        g_rc_channel[1] = 500;
        m_page->updateTelemetryInfo();
        QCOMPARE(m_page->goHomeZonePainted(), 1);
        setValueNow("ChannelMap7", 0);
        m_page->refreshPage();
        QCOMPARE(m_page->goHomeZonePainted(), 0);
        QVERIFY(zoneOf(ui->labelGoHomeStandby) != QStringLiteral("lit"));
        QVERIFY(isPlainGrey(backgroundOf(ui->labelGoHomeStandby)));
    }

    // A mark on an IOC box shows over the green of a lit switch position; once the value is one
    // the box shows, the green shows.
    void marksShowOverALitIocBox()
    {
        m_page->setStyleSheet(StyleSheet::pageArea());
        setValueNow("IocFunctionMiddle", 1);
        setValueNow("IocFunctionRight", 1); // no function the right position offers
        setValueNow("ChannelMap8", 8);
        m_page->refreshPage();
        ui->tabWidget->setCurrentIndex(2);
        QCOMPARE(markOf(ui->comboBoxIOCRight), QStringLiteral("outOfRange"));
        QCOMPARE(backgroundOf(ui->comboBoxIOCRight), kOutOfRangeBackground);
        g_rc_channel[7] = 600; // right
        m_page->updateTelemetryInfo();
        QCOMPARE(zoneOf(ui->comboBoxIOCRight), QStringLiteral("active"));
        QCOMPARE(backgroundOf(ui->comboBoxIOCRight), kOutOfRangeBackground);

        setValueNow("IocFunctionRight", 2);
        m_page->refreshPage();
        m_page->updateTelemetryInfo();
        QCOMPARE(markOf(ui->comboBoxIOCRight), QString());
        QCOMPARE(backgroundOf(ui->comboBoxIOCRight), kLitGreen);
    }

    // The motor level buttons are pictures: the lit one red, the others dark.
    void levelButtonsShowTheirPictures()
    {
        m_page->setStyleSheet(StyleSheet::pageArea());
        setValueNow("MotorIdel", 2);
        m_page->refreshPage();
        const QImage lit = ui->pushButtonMotorIdelSpeedLevel2->grab().toImage();
        const QImage dark = ui->pushButtonMotorIdelSpeedLevel4->grab().toImage();
        const QPoint middle(lit.width() / 2, lit.height() / 4); // above the bar in the middle
        const QColor red = lit.pixelColor(middle);
        const QColor other = dark.pixelColor(middle);
        QVERIFY2(red.red() > red.green() + 60 && red.red() > red.blue() + 60,
                 qPrintable(red.name()));
        QVERIFY2(other.red() < other.blue() + 20, qPrintable(other.name()));
    }

    // A value the controls cannot show is shown as the Part says, and marked with what the
    // controller holds; the mark goes with a value the controls show.
    void valuesTheControlsCannotShowAreMarked()
    {
        setValueNow("MotorIdel", 3);
        m_page->refreshPage();
        QVERIFY(ui->pushButtonMotorIdelSpeedLevel3->isChecked());

        setValueNow("TurnbackHeight", 5);
        setValueNow("LimitAlt", 60000);
        setValueNow("LimitRadius", 800);
        setValueNow("MotorIdel", 44);
        setValueNow("ForbidAreaEnable", 9);
        setValueNow("IocFunctionRight", 1);
        setValueNow("GoHomeHeading", 0);
        const quint64 before = uploads();
        m_page->refreshPage();
        QCOMPARE(uploads(), before);

        const fclink::ParameterField &height = fieldNamed("TurnbackHeight");
        const fclink::ParameterField &altitude = fieldNamed("LimitAlt");
        QCOMPARE(ui->spinBoxGoHomeAlt->value(), height.minimum);
        QCOMPARE(markOf(ui->spinBoxGoHomeAlt), QStringLiteral("outOfRange"));
        QCOMPARE(ui->spinBoxGoHomeAlt->toolTip(),
                 QStringLiteral("The flight controller holds 5 m, outside %1–%2 m")
                     .arg(height.minimum)
                     .arg(height.maximum));
        QCOMPARE(ui->doubleSpinBoxAltitudeLimit->value(), double(altitude.maximum));
        QCOMPARE(ui->doubleSpinBoxAltitudeLimit->toolTip(),
                 QStringLiteral("The flight controller holds 60000 m, outside %1–%2 m")
                     .arg(altitude.minimum)
                     .arg(altitude.maximum));
        QCOMPARE(markOf(ui->doubleSpinBoxDistanceLimit), QString());

        // No level button lit for a level the block does not hold.
        for (QPushButton *button : ui->groupBoxMotorIdelSpeed->findChildren<QPushButton *>())
            QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
        QCOMPARE(markOf(ui->groupBoxMotorIdelSpeed), QStringLiteral("outOfRange"));
        QVERIFY2(ui->groupBoxMotorIdelSpeed->toolTip().contains("holds 44"),
                 qPrintable(ui->groupBoxMotorIdelSpeed->toolTip()));

        QVERIFY(ui->radioButtonForbidAreaOff->isChecked());
        QCOMPARE(markOf(ui->groupBoxForbidenAeraLimit), QStringLiteral("outOfRange"));
        QVERIFY(ui->groupBoxForbidenAeraLimit->toolTip().contains("holds 9"));
        QCOMPARE(markOf(ui->comboBoxIOCRight), QStringLiteral("outOfRange"));
        QVERIFY(ui->comboBoxIOCRight->toolTip().contains("holds 1"));
        QCOMPARE(markOf(ui->groupBoxGoHomeHeading), QStringLiteral("outOfRange"));
        QCOMPARE(markOf(ui->groupBoxEnhancedFailsafeMethods), QString());

        setValueNow("TurnbackHeight", 120);
        setValueNow("LimitAlt", 300);
        setValueNow("MotorIdel", 2);
        setValueNow("ForbidAreaEnable", 0);
        setValueNow("IocFunctionRight", 2);
        setValueNow("GoHomeHeading", 1);
        m_page->refreshPage();
        const QList<QWidget *> controls{ui->spinBoxGoHomeAlt,       ui->doubleSpinBoxAltitudeLimit,
                                        ui->groupBoxMotorIdelSpeed, ui->groupBoxForbidenAeraLimit,
                                        ui->comboBoxIOCRight,       ui->groupBoxGoHomeHeading};
        for (QWidget *control : controls) {
            QCOMPARE(markOf(control), QString());
            QVERIFY2(control->toolTip().isEmpty(), qPrintable(control->objectName()));
        }
        QVERIFY(ui->pushButtonMotorIdelSpeedLevel2->isChecked());
        QCOMPARE(uploads(), before);
    }

    void voltageShowsOnItsTabOnly()
    {
        g_voltage = 1212;
        ui->tabWidget->setCurrentIndex(0);
        m_page->updateTelemetryInfo();
        QVERIFY(ui->lineEditCurrentVoltage->text().isEmpty());
        ui->tabWidget->setCurrentIndex(3);
        m_page->updateTelemetryInfo();
        QCOMPARE(ui->lineEditCurrentVoltage->text(), QStringLiteral("12.12"));
    }

    void helpFollowsTheGroupUnderThePointer()
    {
        const QString folder = documentFolder(AppSettings::languageCode());
        QCOMPARE(m_page->documentShown(ui->webViewLimit), folder + "limits.html");
        QGroupBox *altitude = ui->groupBoxAltitudeLimit;
        moveMouse(altitude, altitude->rect().center());
        QCOMPARE(m_page->documentShown(ui->webViewLimit), folder + "Restrictions_HeightLimit.html");
        moveMouse(altitude, QPoint(5, altitude->height() / 2)); // the margin counts as outside
        QCOMPARE(m_page->documentShown(ui->webViewLimit), folder + "limits.html");
        QGroupBox *forbid = ui->groupBoxForbidenAeraLimit;
        moveMouse(forbid, forbid->rect().center());
        QCOMPARE(m_page->documentShown(ui->webViewLimit), folder + "Restrictions_ForbidArea.html");

        // Two groups of the same topic: no reload between them.
        moveMouse(ui->groupBoxEnhancedFailsafeMethods,
                  ui->groupBoxEnhancedFailsafeMethods->rect().center());
        QSignalSpy loads(ui->webViewFailSafe, &QTextBrowser::sourceChanged);
        moveMouse(ui->groupBoxGoHomeAltitude, ui->groupBoxGoHomeAltitude->rect().center());
        QCOMPARE(loads.count(), 0);
        QCOMPARE(m_page->documentShown(ui->webViewFailSafe),
                 folder + "FailSafe_EnhancedFailedSafeMethods.html");
        moveMouse(ui->groupBoxGoHomeHeading, ui->groupBoxGoHomeHeading->rect().center());
        QCOMPARE(m_page->documentShown(ui->webViewFailSafe), folder + "gh_heading.html");
    }

    void helpDocumentsExistInEveryLanguage()
    {
        const QStringList names{"Motor.html",
                                "Motor_MotorIdleSpeed.html",
                                "FailSafe.html",
                                "gh_heading.html",
                                "FailSafe_EnhancedFailedSafeMethods.html",
                                "FailSafe_GoHomeSwitch.html",
                                "IOC.html",
                                "IOC_IntelligentOrientationControl.html",
                                "Voltage.html",
                                "Voltage_Battery.html",
                                "limits.html",
                                "Restrictions_HeightLimit.html",
                                "Restrictions_RadiusLimit.html",
                                "Restrictions_ForbidArea.html",
                                "info.html"};
        for (quint8 language = 0; language <= 2; ++language) {
            const QString folder = QUrl(documentFolder(language)).toLocalFile();
            for (const QString &name : names) {
                QFile document(folder + name);
                QVERIFY2(document.open(QIODevice::ReadOnly), qPrintable(document.fileName()));
                const QByteArray html = document.readAll();
                QVERIFY2(html.contains("charset=\"utf-8\""), qPrintable(document.fileName()));
                // Shown offline: nothing that reaches out or runs.
                for (const char *forbidden : {"http", "<script", "<img", "<iframe"})
                    QVERIFY2(!html.contains(forbidden), qPrintable(document.fileName()));
            }
        }
    }

    void sectionDocumentsLoad()
    {
        const QString folder = documentFolder(AppSettings::languageCode());
        const struct
        {
            HelpBrowser *view;
            const char *document;
        } sections[] = {{ui->webViewMotor, "Motor.html"},
                        {ui->webViewFailSafe, "FailSafe.html"},
                        {ui->webViewIOC, "IOC.html"},
                        {ui->webViewVoltage, "Voltage.html"},
                        {ui->webViewLimit, "limits.html"}};
        for (const auto &section : sections) {
            QCOMPARE(section.view->source().toString(), folder + section.document);
            QVERIFY(!section.view->toPlainText().trimmed().isEmpty());
            QVERIFY(!section.view->toPlainText().contains("This help page is not available"));
        }
    }

    void picturesCarryTranslatedCaptions_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("gauge");
        QTest::addColumn<QStringList>("hover");
        QTest::addColumn<QStringList>("altitude");
        QTest::newRow("English") << int(AppSettings::English) << QStringList{"LOW", "HIGH", "IDLE"}
                                 << QStringList{"Signal lost", "Hover in place"}
                                 << QStringList{"Signal lost", "Climb to go-home altitude",
                                                "Return home", "Land"};
        QTest::newRow("Chinese") << int(AppSettings::Chinese) << QStringList{"低", "高", "怠速"}
                                 << QStringList{"信号丢失", "原地悬停"}
                                 << QStringList{"信号丢失", "爬升至返航高度", "返航", "降落"};
        QTest::newRow("German") << int(AppSettings::German)
                                << QStringList{"NIEDRIG", "HOCH", "LEERLAUF"}
                                << QStringList{"Signal verloren", "Position halten"}
                                << QStringList{"Signal verloren", "Auf Rückkehrhöhe steigen",
                                               "Rückflug", "Landung"};
    }

    void picturesCarryTranslatedCaptions()
    {
        // The pictures carry no lettering: the page lays its translated captions over them.
        QFETCH(int, language);
        QFETCH(QStringList, gauge);
        QFETCH(QStringList, hover);
        QFETCH(QStringList, altitude);
        QTranslator translator;
        const QString file = AppSettings::translationFile(quint8(language));
        QVERIFY2(file.isEmpty() || translator.load(file), qPrintable(file));
        QCoreApplication::installTranslator(&translator);
        auto uninstall =
            qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        AdvanceSettingPage page(nullptr, m_link);
        Ui::AdvanceSettingPageUi *form = page.form();
        page.resize(850, 435);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        auto texts = [](const QList<QPair<int, QString>> &captions) {
            QStringList list;
            for (const auto &caption : captions)
                list << caption.second;
            return list;
        };
        QString why;
        QCOMPARE(texts(captionsOf(form->labelMotorIdelSpeed)), gauge);
        QVERIFY2(captionsFit(form->labelMotorIdelSpeed, QRect(0, 0, 360, 120), &why),
                 qPrintable(why));

        // Numbered steps, in the diagram of the method shown, within its plate.
        const QRect plate(9, 1, 342, 196);
        QCOMPARE(texts(captionsOf(form->labelFailsafeImage)), hover);
        QCOMPARE(captionsOf(form->labelFailsafeImage).first().first, 1);
        QCOMPARE(captionsOf(form->labelFailsafeImage).last().first, 2);
        QVERIFY2(captionsFit(form->labelFailsafeImage, plate, &why), qPrintable(why));
        page.goHomeMethodAltGoHome();
        QCOMPARE(texts(captionsOf(form->labelFailsafeImage)), altitude);
        QCOMPARE(captionsOf(form->labelFailsafeImage).last().first, 4);
        QVERIFY2(captionsFit(form->labelFailsafeImage, plate, &why), qPrintable(why));
        // Refreshing or choosing the same method again does not pile captions up.
        setValueNow("FailType", 1);
        page.refreshPage();
        page.goHomeMethodAltGoHome();
        QCOMPARE(captionsOf(form->labelFailsafeImage).size(), 4);
        page.goHomeMethodHover();
        QCOMPARE(texts(captionsOf(form->labelFailsafeImage)), hover);

        // The captions are drawn over the picture, and let the pointer through to the page.
        const QImage picture = form->labelFailsafeImage->pixmap(Qt::ReturnByValue).toImage();
        const QImage shown = form->labelFailsafeImage->grab().toImage();
        auto *first = form->labelFailsafeImage->findChild<CaptionLabel *>();
        const QRect where(first->geometry().topLeft() * shown.devicePixelRatio(),
                          first->geometry().size() * shown.devicePixelRatio());
        QVERIFY(shown.copy(where).convertToFormat(QImage::Format_ARGB32) !=
                picture.copy(where).convertToFormat(QImage::Format_ARGB32));
        QVERIFY(first->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void goHomePictureFollowsMethodAndLanguage()
    {
        auto shown = [this] {
            return ui->labelFailsafeImage->pixmap(Qt::ReturnByValue)
                .toImage()
                .convertToFormat(QImage::Format_ARGB32);
        };
        const QString language = QStringList{"en", "zh", "ge"}.value(AppSettings::languageCode());
        QCOMPARE(shown(), QImage("://images/GoHomeHover_" + language + ".png")
                              .convertToFormat(QImage::Format_ARGB32));
        m_page->goHomeMethodAltGoHome();
        QCOMPARE(shown(), QImage("://images/GoHomeAlt_" + language + ".png")
                              .convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(ui->labelFailsafeImage->size(), QSize(360, 200));

        // Another language at the next start shows its own variant.
        const QString settings = AppSettings::filePath();
        QFile previous(settings);
        const QByteArray saved =
            previous.open(QIODevice::ReadOnly) ? previous.readAll() : QByteArray();
        previous.close();
        AppSettings::setLanguageCode(AppSettings::German);
        {
            AdvanceSettingPage german(nullptr, m_link);
            QCOMPARE(german.form()
                         ->labelFailsafeImage->pixmap(Qt::ReturnByValue)
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32),
                     QImage("://images/GoHomeHover_ge.png").convertToFormat(QImage::Format_ARGB32));
            QVERIFY(german.documentShown(german.form()->webViewMotor)
                        .endsWith("/doc/de_GE/Motor.html"));
        }
        QFile::remove(settings);
        if (!saved.isEmpty()) {
            QFile restore(settings);
            QVERIFY(restore.open(QIODevice::WriteOnly));
            restore.write(saved);
        }
    }

    void constructionState()
    {
        QCOMPARE(ui->tabWidget->count(), 5);
        QCOMPARE(ui->tabWidget->currentIndex(), 0);
        QCOMPARE(ui->tabWidget->tabText(0), QStringLiteral("   Motor    "));
        QCOMPARE(ui->tabWidget->tabText(4), QStringLiteral("   Limits    "));
        QVERIFY(ui->groupBoxGoHomeSwith->isHidden());
        QVERIFY(ui->checkBoxIOCEnable->isHidden());
        QVERIFY(ui->horizontalSliderIOC->isHidden());
        QVERIFY(!ui->horizontalSliderGoHome->isEnabled());
        QCOMPARE(ui->spinBoxGoHomeAlt->value(), fieldNamed("TurnbackHeight").minimum);
        QCOMPARE(ui->spinBoxGoHomeAlt->maximum(), fieldNamed("TurnbackHeight").maximum);
        QCOMPARE(ui->spinBoxGoHomeAlt->suffix(), QStringLiteral("m"));
        QCOMPARE(ui->doubleSpinBoxDistanceLimit->minimum(),
                 double(fieldNamed("LimitRadius").minimum));
        QCOMPARE(ui->doubleSpinBoxDistanceLimit->maximum(),
                 double(fieldNamed("LimitRadius").maximum));
        QCOMPARE(ui->doubleSpinBoxDistanceLimit->decimals(), 0);
        QCOMPARE(ui->comboBoxIOCLeft->count(), 1);
        QCOMPARE(ui->comboBoxIOCMiddle->itemText(1), QStringLiteral("Point of Interest"));
        QCOMPARE(ui->comboBoxIOCRight->itemText(1), QStringLiteral("Home Lock"));
        QVERIFY(ui->lineEditCurrentVoltage->isReadOnly());
        QVERIFY(!ui->labelFailsafeImage->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(ui->labelStickAt2->size(), ui->labelStickAt2->pixmap(Qt::ReturnByValue).size());
    }
};

QTEST_MAIN(TestAdvanceSettingPage)
#include "tst_advancesettingpage.moc"
