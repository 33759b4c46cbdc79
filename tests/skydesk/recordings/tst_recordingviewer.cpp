// The recording viewer as a pilot uses it: files that are no recording refused with their message,
// the figures of a span against the file itself, zooming and moving that keep the time under the
// pointer, exports that reopen, Reload, and several windows at once.
#include "fclink/storage/telemetrycsv.h"
#include "fclink/storage/telemetryrecording.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/recordings/recordingplot.h"
#include "skydesk/recordings/recordingviewerwindow.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/recordingfiles.h"
#include "ui_recordingviewerwindow.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>

using Channel = ChannelPlot::Channel;

namespace {

constexpr int kWaitMs = 10000;
constexpr int kRows = 1200; // a little over four minutes

// The file's rows as the test reads them: the time and the twenty values, by plain text parsing.
struct FileRows
{
    QVector<double> timeMs;
    QVector<QVector<double>> values; // per channel
};

FileRows rowsOfFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    FileRows read;
    read.values.resize(fclink::kTelemetryChannelCount);
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> cells = lines.at(i).split(',');
        if (cells.size() != fclink::kTelemetryChannelCount + 1)
            continue;
        read.timeMs.append(cells.at(0).toDouble());
        for (int channel = 0; channel < fclink::kTelemetryChannelCount; ++channel)
            read.values[channel].append(cells.at(channel + 1).toDouble());
    }
    return read;
}

struct Expected
{
    int count = 0;
    double minimum = 0.0;
    double maximum = 0.0;
    double mean = 0.0;
};

// A heading's mean is the direction its values point to on average.
Expected expectedOver(const FileRows &file, int channel, double startMs, double endMs)
{
    Expected expected{0, 1e300, -1e300, 0.0};
    double sum = 0.0;
    double sine = 0.0;
    double cosine = 0.0;
    for (int row = 0; row < file.timeMs.size(); ++row) {
        if (file.timeMs.at(row) < startMs || file.timeMs.at(row) > endMs)
            continue;
        const double value = file.values.at(channel).at(row);
        ++expected.count;
        expected.minimum = std::min(expected.minimum, value);
        expected.maximum = std::max(expected.maximum, value);
        sum += value;
        sine += std::sin(value * M_PI / 180.0);
        cosine += std::cos(value * M_PI / 180.0);
    }
    if (Channel(channel) == Channel::Heading) {
        expected.mean = std::atan2(sine, cosine) * 180.0 / M_PI;
        if (expected.mean < 0.0)
            expected.mean += 360.0;
    } else {
        expected.mean = sum / expected.count;
    }
    return expected;
}

bool near(double a, double b)
{
    return std::fabs(a - b) <= 1e-4 * std::max(1.0, std::fabs(b));
}

void sendMouse(QWidget *widget, QEvent::Type type, const QPointF &at, Qt::MouseButton button,
               Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at.toPoint()), button, held, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

void sendWheel(QWidget *widget, const QPointF &at, int notches)
{
    QWheelEvent event(at, widget->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class TestRecordingViewer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QTranslator m_english;
    QWidget m_opener; // what the tools page is to the windows it opens

    QString file(const QString &name) const { return m_folder.filePath(name); }

    // Opens a recording as "Open Recording..." does and waits until it is shown.
    RecordingViewerWindow *openShown(const QString &path)
    {
        QPointer<RecordingViewerWindow> window = RecordingViewerWindow::open(path, &m_opener);
        const auto shownOrGone = [&] {
            return window.isNull() || (window->isVisible() && !window->isReading());
        };
        if (!QTest::qWaitFor(shownOrGone, kWaitMs) || window.isNull())
            return nullptr;
        window->resize(1100, 640);
        return QTest::qWaitForWindowExposed(window) ? window.data() : nullptr;
    }

    // Where the plots' time axis lies across the plot widget.
    static QRectF plotArea(RecordingPlot *plot)
    {
        const QVector<QRectF> plots = plot->plotAreas();
        return plots.isEmpty() ? QRectF() : plots.first();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        // The texts as an English pilot reads them, plural forms included.
        QVERIFY(m_english.load(AppSettings::translationFile(AppSettings::English)));
        QCoreApplication::installTranslator(&m_english);
        QVERIFY(recordingfiles::write(file("flight.csv"), recordingfiles::recording(kRows)));
    }

    void eachKindOfBadFileIsRefusedWithItsMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray whole = recordingfiles::recording(20);
        const QByteArray next = recordingfiles::rows(20, 21);
        QTest::newRow("empty") << QByteArray() << "bad.csv: the file is empty";
        QTest::newRow("foreign header") << QByteArray("date,lat,lon\n2026-01-01,1,2\n")
                                        << "bad.csv, line 1: this is not the header of a "
                                           "telemetry recording";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                                << "bad.csv, line 1: binary data, not a telemetry recording";
        QTest::newRow("cell not a number") << whole + QByteArray(next).replace(",12.", ",1x.")
                                           << "bad.csv, line 22: voltage is not a number: '1x.";
        QTest::newRow("column missing") << whole + next.left(next.lastIndexOf(',')) + '\n'
                                        << "bad.csv, line 22: 20 values where 21 are expected";
        QTest::newRow("column extra") << whole + next.chopped(1) + ",5\n"
                                      << "bad.csv, line 22: 22 values where 21 are expected";
        QTest::newRow("time going back") << whole + recordingfiles::rows(3, 4)
                                         << "bad.csv, line 22: the time 624 ms comes before";
    }

    void eachKindOfBadFileIsRefusedWithItsMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QVERIFY(recordingfiles::write(file("bad.csv"), bytes));
        ModalAnswerer answerer;
        QPointer<RecordingViewerWindow> window =
            RecordingViewerWindow::open(file("bad.csv"), &m_opener);
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), kWaitMs); // gone without showing anything
        QCOMPARE(answerer.titles, QStringList{"Open Recording"});
        QVERIFY2(answerer.texts.value(0).startsWith(message), qPrintable(answerer.texts.value(0)));
    }

    void filesThatCannotBeReadAreRefusedToo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing.csv"
                                 << "missing.csv cannot be read: ";
        QTest::newRow("folder") << "folder.csv"
                                << "folder.csv is not a file";
        QTest::newRow("over 256 MiB") << "huge.csv"
                                      << "huge.csv: the file is larger than 256 MiB";
    }

    void filesThatCannotBeReadAreRefusedToo()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QDir(m_folder.path()).mkdir("folder.csv");
        QFile huge(file("huge.csv"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(fclink::kTelemetryRecordingMaxBytes + 1)); // sparse: no disk used
        huge.close();
        ModalAnswerer answerer;
        QPointer<RecordingViewerWindow> window = RecordingViewerWindow::open(file(name), &m_opener);
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), kWaitMs);
        QVERIFY2(answerer.texts.value(0).startsWith(message), qPrintable(answerer.texts.value(0)));
    }

    // A recording cut by a crash shows what is whole and says what was left out.
    void aCutLastLineOpensWithWhatIsWhole()
    {
        QVERIFY(recordingfiles::write(file("cut.csv"), recordingfiles::recording(50) +
                                                           recordingfiles::rows(50, 51).left(40)));
        ModalAnswerer answerer;
        RecordingViewerWindow *window = openShown(file("cut.csv"));
        QVERIFY(window);
        QCOMPARE(window->plot()->recording().rowCount(), 50);
        QVERIFY(window->form()->labelNotice->isVisible());
        QCOMPARE(window->form()->labelNotice->text(),
                 QString("The last line of the file was cut short and is left out."));
        QVERIFY(answerer.texts.isEmpty());
        window->close();
    }

    void figuresOfTheSpanShownMatchTheFile_data()
    {
        QTest::addColumn<double>("startMs");
        QTest::addColumn<double>("endMs");
        QTest::newRow("whole recording") << -1.0 << -1.0;
        QTest::newRow("a minute in the middle") << 60000.0 << 120000.0;
        QTest::newRow("between rows, off the blocks") << 12345.0 << 98765.0;
        QTest::newRow("a few rows") << 100100.0 << 101300.0;
        QTest::newRow("the end") << 230000.0 << 1e9;
        QTest::newRow("heading through north") << 102000.0 << 112000.0;
    }

    void figuresOfTheSpanShownMatchTheFile()
    {
        QFETCH(double, startMs);
        QFETCH(double, endMs);
        RecordingViewerWindow *window = openShown(file("flight.csv"));
        QVERIFY(window);
        QVector<Channel> every;
        for (int channel = 0; channel < fclink::kTelemetryChannelCount; ++channel)
            every.append(Channel(channel));
        window->form()->treeWidgetChannels->setChosen(every);
        RecordingPlot *plot = window->plot();
        if (startMs >= 0.0)
            plot->showSpan(startMs, endMs);
        const FileRows rows = rowsOfFile(file("flight.csv"));
        for (int channel = 0; channel < fclink::kTelemetryChannelCount; ++channel) {
            const Expected expected =
                expectedOver(rows, channel, plot->view().start(), plot->view().end());
            const recordingspan::Statistics shown = plot->statistics(Channel(channel));
            const QByteArray name = fclink::telemetryChannelName(Channel(channel)).toLatin1();
            QVERIFY2(expected.count > 0, name);
            QCOMPARE(shown.count, expected.count);
            QVERIFY2(near(shown.minimum, expected.minimum), name);
            QVERIFY2(near(shown.maximum, expected.maximum), name);
            QVERIFY2(near(shown.mean, expected.mean), name);
        }
        // The table beside the plots shows them, and the span's length above it.
        const Expected voltage =
            expectedOver(rows, int(Channel::Voltage), plot->view().start(), plot->view().end());
        const QList<QTreeWidgetItem *> found =
            window->form()->treeWidgetSpan->findItems("Voltage", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first()->text(1), QString::number(voltage.minimum, 'f', 2) + " V");
        QCOMPARE(found.first()->text(2), QString::number(voltage.maximum, 'f', 2) + " V");
        QVERIFY(window->form()->labelSpan->text().contains(
            "Length " + RecordingPlot::timeText(plot->view().span(), 1)));
        window->close();
    }

    // Wheel, keys and dragging: the time under the pointer stays under it, as does the row the
    // cursor reads.
    void zoomAndMoveKeepTheTimeUnderThePointer_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<double>("at"); // across the plots, 0 left edge .. 1 right edge
        QTest::newRow("wheel in, left") << "wheel in" << 0.2;
        QTest::newRow("wheel in, right") << "wheel in" << 0.85;
        QTest::newRow("wheel in then out") << "wheel in out" << 0.4;
        QTest::newRow("plus key") << "plus" << 0.6;
        QTest::newRow("drag to the left") << "drag" << 0.7;
        QTest::newRow("drag to the right") << "drag back" << 0.3;
    }

    void zoomAndMoveKeepTheTimeUnderThePointer()
    {
        QFETCH(QString, gesture);
        QFETCH(double, at);
        RecordingViewerWindow *window = openShown(file("flight.csv"));
        QVERIFY(window);
        RecordingPlot *plot = window->plot();
        plot->showSpan(60000.0, 180000.0); // room to move both ways
        const QRectF area = plotArea(plot);
        const QPointF pointer(area.left() + at * area.width(), area.center().y());
        const double msPerPixel = plot->view().span() / area.width();
        sendMouse(plot, QEvent::MouseMove, pointer, Qt::NoButton, Qt::NoButton);
        const double time = plot->pointerTime();
        const int row = plot->cursorRow();
        QVERIFY(row >= 0);
        QPointF end = pointer;

        if (gesture.startsWith("wheel")) {
            sendWheel(plot, pointer, 2);
            QVERIFY(plot->view().span() < 120000.0 * 0.7);
            if (gesture.endsWith("out"))
                sendWheel(plot, pointer, -1);
        } else if (gesture == "plus") {
            plot->setFocus();
            QTest::keyClick(plot, Qt::Key_Plus);
            QVERIFY(plot->view().span() < 120000.0);
        } else {
            const double by = gesture == "drag" ? -150.0 : 150.0;
            end = pointer + QPointF(by, 0.0);
            sendMouse(plot, QEvent::MouseButtonPress, pointer, Qt::LeftButton, Qt::LeftButton);
            sendMouse(plot, QEvent::MouseMove, (pointer + end) / 2, Qt::NoButton, Qt::LeftButton);
            sendMouse(plot, QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
            sendMouse(plot, QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
            QVERIFY(std::fabs(plot->view().start() - (60000.0 - by * msPerPixel)) < msPerPixel);
        }
        const double after = plot->timeAt(end.x());
        QVERIFY2(std::fabs(after - time) <= 0.5 * plot->view().span() / area.width(),
                 qPrintable(QString("%1 ms became %2 ms").arg(time).arg(after)));
        if (!gesture.startsWith("drag"))
            QCOMPARE(plot->cursorRow(), row);
        window->close();
    }

    void keysMarkedSpanAndFit()
    {
        RecordingViewerWindow *window = openShown(file("flight.csv"));
        QVERIFY(window);
        RecordingPlot *plot = window->plot();
        QVERIFY(plot->view().isWhole());
        const double whole = plot->view().span();
        plot->setFocus();
        QTest::keyClick(plot, Qt::Key_Minus); // already whole: stays so
        QCOMPARE(plot->view().span(), whole);
        QTest::keyClick(plot, Qt::Key_Plus);
        QVERIFY(plot->view().span() < whole);
        const double start = plot->view().start();
        QTest::keyClick(plot, Qt::Key_Right);
        QVERIFY(plot->view().start() > start);
        QTest::keyClick(plot, Qt::Key_Left);
        QVERIFY(std::fabs(plot->view().start() - start) < 1e-6);
        QTest::keyClick(plot, Qt::Key_Home);
        QVERIFY(plot->view().isWhole());

        // A stretch marked with the right button is what shows next; Fit shows all again.
        const QRectF area = plotArea(plot);
        const QPointF from(area.left() + 0.25 * area.width(), area.center().y());
        const QPointF to(area.left() + 0.5 * area.width(), area.center().y());
        const double fromMs = plot->timeAt(from.x());
        const double toMs = plot->timeAt(to.x());
        sendMouse(plot, QEvent::MouseButtonPress, from, Qt::RightButton, Qt::RightButton);
        sendMouse(plot, QEvent::MouseMove, to, Qt::NoButton, Qt::RightButton);
        QCOMPARE(plot->view().span(), whole); // nothing moves while marking
        sendMouse(plot, QEvent::MouseButtonRelease, to, Qt::RightButton, Qt::NoButton);
        QVERIFY(std::fabs(plot->view().start() - fromMs) < 1.0);
        QVERIFY(std::fabs(plot->view().end() - toMs) < 1.0);
        window->form()->pushButtonFit->click();
        QVERIFY(plot->view().isWhole());
        window->close();
    }

    void exportedSpanReopensWithTheSameRows()
    {
        RecordingViewerWindow *window = openShown(file("flight.csv"));
        QVERIFY(window);
        RecordingPlot *plot = window->plot();
        plot->showSpan(30000.0, 90000.0);
        const recordingspan::Rows rows = plot->visibleRows();
        QVERIFY(rows.count() > 100);
        QCOMPARE(window->exportName("csv"), QString("flight_0m30s-1m30s.csv"));
        QString error;
        QVERIFY2(window->exportSpan(file("span.csv"), &error), qPrintable(error));

        // The same header and the very lines of the recording.
        QFile exported(file("span.csv"));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll(),
                 fclink::telemetryCsvHeader() + recordingfiles::rows(rows.first, rows.end));
        RecordingViewerWindow *reopened = openShown(file("span.csv"));
        QVERIFY(reopened);
        const fclink::TelemetryRecording &again = reopened->plot()->recording();
        QCOMPARE(again.rowCount(), rows.count());
        QCOMPARE(again.timeMs, plot->recording().timeMs.mid(rows.first, rows.count()));
        for (int channel = 0; channel < fclink::kTelemetryChannelCount; ++channel) {
            QCOMPARE(again.channels[channel],
                     plot->recording().channels[channel].mid(rows.first, rows.count()));
        }
        reopened->close();

        // Never over the recording it comes from.
        QVERIFY(!window->exportSpan(file("flight.csv"), &error));
        QVERIFY2(error.contains("is the recording shown"), qPrintable(error));
        QCOMPARE(rowsOfFile(file("flight.csv")).timeMs.size(), kRows);
        QVERIFY(!window->exportSpan(file("no-such-folder/span.csv"), &error));
        QVERIFY2(error.contains("could not be written"), qPrintable(error));
        window->close();
    }

    // The picture is the plots as they are shown, legends and all, at their size.
    void exportedPictureIsThePlotsAsShown()
    {
        RecordingViewerWindow *window = openShown(file("flight.csv"));
        QVERIFY(window);
        RecordingPlot *plot = window->plot();
        plot->showSpan(20000.0, 50000.0);
        QString error;
        QVERIFY2(window->exportPicture(file("view.png"), &error), qPrintable(error));
        const QImage picture(file("view.png"));
        QCOMPARE(picture.size(), plot->size() * plot->devicePixelRatioF());
        QImage shown = plot->grab().toImage().convertToFormat(picture.format());
        shown.setDevicePixelRatio(1.0); // a PNG file has no scale of its own
        QCOMPARE(picture, shown);
        window->close();
    }

    // A recording still being written shows what was there when opened, even nothing but its
    // header; Reload takes the rest.
    void reloadReadsWhatWasRecordedSince()
    {
        QVERIFY(recordingfiles::write(file("growing.csv"), recordingfiles::recording(0)));
        RecordingViewerWindow *window = openShown(file("growing.csv"));
        QVERIFY(window);
        RecordingPlot *plot = window->plot();
        QCOMPARE(plot->recording().rowCount(), 0);
        QSignalSpy read(window, &RecordingViewerWindow::readFinished);
        for (int rows : {100, 250}) {
            QVERIFY(recordingfiles::append(file("growing.csv"),
                                           recordingfiles::rows(rows == 100 ? 0 : 100, rows)));
            QTest::qWait(100);
            QCOMPARE(plot->recording().rowCount(), rows == 100 ? 0 : 100);
            window->form()->pushButtonReload->click();
            QVERIFY(read.wait(kWaitMs));
            QCOMPARE(read.last().first().toBool(), true);
            QCOMPARE(plot->recording().rowCount(), rows);
            // It showed the whole recording, so it still does.
            QVERIFY(plot->view().isWhole());
            QCOMPARE(plot->view().end(), double((rows - 1) * recordingfiles::kRowMs));
        }

        // A reload that finds the file spoilt says so and keeps what it shows.
        QVERIFY(recordingfiles::write(file("growing.csv"), "not a recording\n"));
        ModalAnswerer answerer;
        window->form()->pushButtonReload->click();
        QVERIFY(read.wait(kWaitMs));
        QCOMPARE(read.last().first().toBool(), false);
        QTRY_COMPARE(answerer.titles, QStringList{"Reload"});
        QCOMPARE(plot->recording().rowCount(), 250);
        QVERIFY(window->isVisible());
        window->close();
    }

    void severalRecordingsAtOnce()
    {
        QVERIFY(recordingfiles::write(file("second.csv"), recordingfiles::recording(300)));
        QPointer<RecordingViewerWindow> first = openShown(file("flight.csv"));
        QPointer<RecordingViewerWindow> second = openShown(file("second.csv"));
        QVERIFY(first && second && first != second);
        QVERIFY(first->isVisible() && second->isVisible());
        QCOMPARE(first->plot()->recording().rowCount(), kRows);
        QCOMPARE(second->plot()->recording().rowCount(), 300);
        QVERIFY(first->windowTitle().startsWith("flight.csv"));
        QVERIFY(second->windowTitle().startsWith("second.csv"));
        second->plot()->showSpan(1000.0, 5000.0);
        QVERIFY(first->plot()->view().isWhole());
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(second->isVisible());
        second->close();
        QTRY_VERIFY(second.isNull());
    }
};

QTEST_MAIN(TestRecordingViewer)
#include "tst_recordingviewer.moc"
