// The status screen's busy spinner: it turns only while started and shown, a dot a step, and
// shows the leading dot in teal where it is.
#include "saybox/glspinner.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Where dot i of the ring sits in the spinner, at twelve o'clock for 0, clockwise.
QPoint dotCentre(int i)
{
    const qreal angle = 2.0 * M_PI * i / GLSpinner::DotCount - M_PI / 2.0;
    return QPoint(qRound(24 + 16.5 * qCos(angle)), qRound(24 + 16.5 * qSin(angle)));
}

QRgb shownAt(QWidget *widget, const QPoint &point)
{
    const QImage image = widget->grab().toImage();
    return image.pixel(point * image.devicePixelRatio());
}

bool isTeal(QRgb colour)
{
    return qGreen(colour) > qRed(colour) + 60 && qBlue(colour) > qRed(colour) + 60;
}

bool isGrey(QRgb colour)
{
    return qAbs(qRed(colour) - qBlue(colour)) < 20 && qRed(colour) > 150;
}

} // namespace

class TestGLSpinner : public QObject
{
    Q_OBJECT

private slots:
    void turnsOnlyWhileStartedAndShown()
    {
        QWidget window;
        auto *spinner = new GLSpinner(&window);
        QCOMPARE(spinner->size(), QSize(48, 48));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::qWait(3 * GLSpinner::StepMsec);
        QCOMPARE(spinner->leadingDot(), 0);
        spinner->start();
        QVERIFY(spinner->isSpinning());
        QTRY_VERIFY(spinner->leadingDot() >= 2);

        // Hidden with the status screen, it rests; shown again, it carries on.
        spinner->hide();
        const int rested = spinner->leadingDot();
        QTest::qWait(4 * GLSpinner::StepMsec);
        QCOMPARE(spinner->leadingDot(), rested);
        spinner->show();
        QTRY_VERIFY(spinner->leadingDot() != rested);

        spinner->stop();
        QVERIFY(!spinner->isSpinning());
        const int stopped = spinner->leadingDot();
        QTest::qWait(4 * GLSpinner::StepMsec);
        QCOMPARE(spinner->leadingDot(), stopped);
    }

    void startedWhileHiddenTurnsOnceShown()
    {
        GLSpinner spinner;
        spinner.start();
        QTest::qWait(3 * GLSpinner::StepMsec);
        QCOMPARE(spinner.leadingDot(), 0);
        spinner.show();
        QTRY_VERIFY(spinner.leadingDot() > 0);
    }

    void showsTheLeadingDotInTeal()
    {
        GLSpinner spinner;
        spinner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&spinner));
        QVERIFY(isTeal(shownAt(&spinner, dotCentre(0))));
        // The dot just behind the lead still has some teal; half way round they are grey.
        QVERIFY(isGrey(shownAt(&spinner, dotCentre(6))));
        QVERIFY(isGrey(shownAt(&spinner, dotCentre(1))));

        spinner.start();
        QTRY_VERIFY(spinner.leadingDot() == 3);
        spinner.stop();
        spinner.repaint();
        QVERIFY(isTeal(shownAt(&spinner, dotCentre(3))));
        QVERIFY(!isTeal(shownAt(&spinner, dotCentre(0))));
    }
};

QTEST_MAIN(TestGLSpinner)
#include "tst_glspinner.moc"
