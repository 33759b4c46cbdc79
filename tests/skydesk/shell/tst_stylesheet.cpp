// The program's style sheets and the state helper: the sheets load, and a widget whose state
// property changes is drawn by the rules of its new state.
#include "skydesk/common/stylesheet.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The colour in the middle of a widget's left edge, just inside its frame: its background.
QColor backgroundOf(QWidget *widget, int inset = 2)
{
    const QImage shot = widget->grab().toImage();
    return shot.pixelColor(inset, shot.height() / 2);
}

bool isGrey(const QColor &colour)
{
    return qAbs(colour.red() - colour.blue()) < 8 && qAbs(colour.red() - colour.green()) < 8 &&
           colour.red() >= 0xA0 && colour.red() <= 0xE1;
}

} // namespace

class TestStyleSheet : public QObject
{
    Q_OBJECT

private slots:
    void bothSheetsLoad()
    {
        const QString pageArea = StyleSheet::pageArea();
        const QString chrome = StyleSheet::chrome();
        QVERIFY(pageArea.contains(QStringLiteral("QTabBar::tab")));
        QVERIFY(pageArea.contains(QStringLiteral("[parameterState=\"pending\"]")));
        QVERIFY(chrome.contains(QStringLiteral("toolWidget QPushButton#pushButtonConnect")));
        QVERIFY(!chrome.contains(QChar('\0')));
    }

    // The chrome sheet names every widget it styles, so the other widgets of a part it is set on
    // keep the platform's look.
    void chromeSheetStylesOnlyNamedWidgets()
    {
        QWidget plain;
        plain.resize(120, 40);
        auto *button = new QPushButton(QStringLiteral("Other"), &plain);
        button->setGeometry(0, 0, 120, 40);
        const QImage platform = plain.grab().toImage();
        plain.setStyleSheet(StyleSheet::chrome());
        QCOMPARE(plain.grab().toImage(), platform);
    }

    void settingAStateRepolishes()
    {
        QWidget area;
        area.setStyleSheet(StyleSheet::pageArea());
        auto *label = new QLabel(QStringLiteral("Standby"), &area);
        label->setObjectName(QStringLiteral("labelGoHomeStandby"));
        label->setGeometry(0, 0, 80, 22);
        area.resize(100, 30);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QVERIFY2(isGrey(backgroundOf(label)), qPrintable(backgroundOf(label).name()));

        QVERIFY(StyleSheet::setState(label, "zone", QStringLiteral("lit")));
        QCOMPARE(label->property("zone").toString(), QStringLiteral("lit"));
        QCOMPARE(backgroundOf(label), QColor(0x00, 0xbb, 0x00));
        // The same value again changes nothing.
        QVERIFY(!StyleSheet::setState(label, "zone", QStringLiteral("lit")));
        QCOMPARE(backgroundOf(label), QColor(0x00, 0xbb, 0x00));

        QVERIFY(StyleSheet::setState(label, "zone", QStringLiteral("idle")));
        QVERIFY2(isGrey(backgroundOf(label)), qPrintable(backgroundOf(label).name()));
    }

    // Without the re-polish the sheet would keep the look it matched first: the helper is what
    // makes the look follow.
    void aPropertyAloneKeepsTheOldLook()
    {
        QWidget area;
        area.setStyleSheet(StyleSheet::pageArea());
        auto *label = new QLabel(QStringLiteral("Start"), &area);
        label->setObjectName(QStringLiteral("labelGoHomeStart"));
        label->setGeometry(0, 0, 80, 22);
        area.resize(100, 30);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        label->setProperty("zone", QStringLiteral("lit"));
        QVERIFY2(isGrey(backgroundOf(label)), qPrintable(backgroundOf(label).name()));
        label->setProperty("zone", QVariant());
        QVERIFY(StyleSheet::setState(label, "zone", QStringLiteral("lit")));
        QCOMPARE(backgroundOf(label), QColor(0x00, 0xbb, 0x00));
    }

    void marksFollowTheirState()
    {
        QWidget area;
        area.setStyleSheet(StyleSheet::pageArea());
        auto *box = new QSpinBox(&area);
        box->setGeometry(0, 0, 80, 24);
        area.resize(100, 30);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QCOMPARE(backgroundOf(box, 3), QColor(Qt::white));
        StyleSheet::setState(box, "parameterState", QStringLiteral("pending"));
        QCOMPARE(backgroundOf(box, 3), QColor(0xff, 0xf1, 0xcc));
        QCOMPARE(backgroundOf(box, 0), QColor(0xe0, 0x8a, 0x00));
        StyleSheet::setState(box, "parameterState", QStringLiteral("outOfRange"));
        QCOMPARE(backgroundOf(box, 3), QColor(0xfd, 0xe2, 0xe2));
        QCOMPARE(backgroundOf(box, 0), QColor(0xc6, 0x28, 0x28));
        StyleSheet::setState(box, "parameterState", QString());
        QCOMPARE(backgroundOf(box, 3), QColor(Qt::white));
    }
};

QTEST_MAIN(TestStyleSheet)
#include "tst_stylesheet.moc"
