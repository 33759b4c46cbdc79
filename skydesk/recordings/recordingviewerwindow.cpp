#include "recordingviewerwindow.h"

#include "fclink/storage/telemetryrecording.h"
#include "recordingplot.h"
#include "recordingreader.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/documentfolder.h"
#include "skydesk/common/windowfit.h"
#include "skydesk/pages/telemetryrecorder.h"
#include "ui_recordingviewerwindow.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QSaveFile>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTimer>

#include <algorithm>

namespace {

// A file read faster than this shows its window with the plots; a slower one shows the window
// saying it is being read.
constexpr int kShowWhileReadingMs = 300;
constexpr int kCascade = 28;

QString fileTime(double ms)
{
    const qint64 seconds = qint64(std::max(0.0, ms) / 1000.0);
    if (seconds >= 3600)
        return QStringLiteral("%1h%2m%3s")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60)
            .arg(seconds % 60);
    return QStringLiteral("%1m%2s").arg(seconds / 60).arg(seconds % 60);
}

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}

// Written whole or not at all: an existing file stays as it was when writing fails.
bool writeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *reason = file.errorString();
    return false;
}

} // namespace

RecordingViewerWindow *RecordingViewerWindow::open(const QString &path, QWidget *parent)
{
    return new RecordingViewerWindow(path, parent);
}

RecordingViewerWindow *RecordingViewerWindow::chooseAndOpen(QWidget *parent)
{
    const QString chosen = QFileDialog::getOpenFileName(
        parent, tr("Open Recording"), TelemetryRecorder::documentsFolder(),
        tr("Telemetry recordings (*.csv);;All files (*)"));
    return chosen.isEmpty() ? nullptr : open(chosen, parent);
}

RecordingViewerWindow::RecordingViewerWindow(const QString &path, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(new Ui::RecordingViewerWindowUi),
      m_reader(new RecordingReader(this)), m_path(QFileInfo(path).absoluteFilePath())
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    WindowFit::keepOnScreenWhenShown(this);
    // With large fonts the side tabs' titles and the buttons need more than designed.
    QTabWidget *side = m_ui->tabWidgetSide;
    const int tabs = side->tabBar()->sizeHint().width() +
                     2 * side->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    side->setMaximumWidth(qMax(side->maximumWidth(), tabs));
    side->setMinimumWidth(qMax(side->minimumWidth(), tabs));
    setMinimumSize(minimumSize().expandedTo(layout()->minimumSize()));
    setWindowTitle(tr("%1 - Recording").arg(QFileInfo(m_path).fileName()));
    m_ui->labelNotice->hide();
    m_ui->webViewHelp->showDocument(documentFolder(AppSettings::languageCode()) +
                                    QStringLiteral("Recording.html"));
    connect(m_ui->treeWidgetChannels, &ChannelChooser::chosenChanged, this,
            &RecordingViewerWindow::channelsChosen);
    connect(plot(), &RecordingPlot::viewChanged, this, &RecordingViewerWindow::showSpanFigures);
    connect(m_ui->pushButtonFit, &QPushButton::clicked, plot(), &RecordingPlot::fit);
    connect(m_ui->pushButtonReload, &QPushButton::clicked, this, &RecordingViewerWindow::reload);
    connect(m_ui->pushButtonExportPicture, &QPushButton::clicked, this,
            &RecordingViewerWindow::chooseExportPicture);
    connect(m_ui->pushButtonExportCsv, &QPushButton::clicked, this,
            &RecordingViewerWindow::chooseExportCsv);
    connect(m_reader, &RecordingReader::finished, this, &RecordingViewerWindow::readingFinished);
    // What a pilot looks for first: vibration in the gyro rates, the battery's sag.
    using C = ChannelPlot::Channel;
    m_ui->treeWidgetChannels->setChosen({C::GyroX, C::GyroY, C::GyroZ, C::Voltage});
    startReading();
    QTimer::singleShot(kShowWhileReadingMs, this, &RecordingViewerWindow::showWhileReading);
}

RecordingViewerWindow::~RecordingViewerWindow()
{
    delete m_ui;
}

RecordingPlot *RecordingViewerWindow::plot() const
{
    return m_ui->widgetPlot;
}

bool RecordingViewerWindow::isReading() const
{
    return m_reader->isReading();
}

void RecordingViewerWindow::startReading()
{
    m_reader->start(m_path);
    setButtonsEnabled(false);
    if (!m_hasRecording)
        plot()->setMessage(tr("Reading %1...").arg(QFileInfo(m_path).fileName()));
}

void RecordingViewerWindow::setButtonsEnabled(bool enabled)
{
    // While the file is read there is nothing yet to fit, reload or export.
    for (QPushButton *button : {m_ui->pushButtonReload, m_ui->pushButtonExportPicture,
                                m_ui->pushButtonExportCsv, m_ui->pushButtonFit})
        button->setEnabled(enabled);
}

void RecordingViewerWindow::showWhileReading()
{
    if (isReading() && !m_hasRecording)
        show();
}

void RecordingViewerWindow::readingFinished(bool ok)
{
    setButtonsEnabled(true);
    if (!ok) {
        const QString title = m_hasRecording ? tr("Reload") : tr("Open Recording");
        QWidget *over = isVisible() || !parentWidget() ? this : parentWidget();
        QMessageBox::warning(over, title, m_reader->error());
        emit readFinished(false);
        // A file that is no recording has nothing to show; a reload that fails keeps what was read.
        if (!m_hasRecording)
            close();
        return;
    }
    plot()->setMessage(QString());
    plot()->setRecording(m_reader->takeRecording(), m_hasRecording);
    const int leftOut = plot()->recording().leftOutLines;
    m_ui->labelNotice->setText(leftOutText(leftOut));
    m_ui->labelNotice->setVisible(leftOut > 0);
    showRecordingFigures();
    showSpanFigures();
    if (!m_hasRecording) {
        m_hasRecording = true;
        show();
        raise();
        activateWindow();
        plot()->setFocus();
    }
    emit readFinished(true);
}

void RecordingViewerWindow::reload()
{
    if (!isReading())
        startReading();
}

QString RecordingViewerWindow::leftOutText(int lines)
{
    return tr("The last %n line(s) of the file were cut short and are left out.", "", lines);
}

void RecordingViewerWindow::channelsChosen()
{
    plot()->setChannels(m_ui->treeWidgetChannels->chosen());
    showSpanFigures();
}

void RecordingViewerWindow::showRecordingFigures()
{
    const fclink::TelemetryRecording &recording = plot()->recording();
    const double length =
        recording.rowCount() > 0 ? recording.timeMs.last() - recording.timeMs.first() : 0.0;
    m_ui->labelRecording->setText(
        tr("%n row(s) over %1", "", recording.rowCount()).arg(RecordingPlot::timeText(length, 1)));
}

void RecordingViewerWindow::showSpanFigures()
{
    const TimeView &view = plot()->view();
    const recordingspan::Rows rows = plot()->visibleRows();
    m_ui->labelSpan->setText(
        tr("From %1 to %2")
            .arg(RecordingPlot::timeText(view.start(), 1), RecordingPlot::timeText(view.end(), 1)) +
        QLatin1Char('\n') +
        tr("Length %1, %n row(s)", "", rows.count()).arg(RecordingPlot::timeText(view.span(), 1)));

    QTreeWidget *table = m_ui->treeWidgetSpan;
    table->clear();
    const QVector<ChannelPlot::Channel> chosen = plot()->channels();
    for (const ChannelPlot::Group &group : ChannelPlot::groups()) {
        bool titled = false;
        for (ChannelPlot::Channel channel : group.channels) {
            if (!chosen.contains(channel))
                continue;
            if (!titled) {
                auto *title = new QTreeWidgetItem(table, {group.title});
                title->setFirstColumnSpanned(true);
                QFont bold = title->font(0);
                bold.setBold(true);
                title->setFont(0, bold);
                titled = true;
            }
            const recordingspan::Statistics figures = plot()->statistics(channel);
            auto *item =
                new QTreeWidgetItem(table, {ChannelPlot::channelName(channel),
                                            RecordingPlot::valueText(channel, figures.minimum),
                                            RecordingPlot::valueText(channel, figures.maximum),
                                            RecordingPlot::valueText(channel, figures.mean, 1)});
            item->setForeground(0, ChannelPlot::channelColour(channel));
            for (int column = 1; column < 4; ++column)
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    for (int column = 0; column < table->columnCount(); ++column)
        table->resizeColumnToContents(column);
}

void RecordingViewerWindow::placeBeside(const QWidget *anchor, int nth)
{
    const QRect beside = anchor->frameGeometry();
    const QRect screen = anchor->screen()->availableGeometry();
    QPoint at(beside.right() + 9, beside.top());
    at += QPoint(kCascade, kCascade) * nth;
    // The position is the frame's: the frame must end on the screen.
    const QSize frame = frameGeometry().size();
    at.setX(std::clamp(at.x(), screen.left(),
                       std::max(screen.left(), screen.right() - frame.width() + 1)));
    at.setY(std::clamp(at.y(), screen.top(),
                       std::max(screen.top(), screen.bottom() - frame.height() + 1)));
    move(at);
}

QString RecordingViewerWindow::exportName(const QString &suffix) const
{
    const TimeView &view = plot()->view();
    return QStringLiteral("%1_%2-%3.%4")
        .arg(QFileInfo(m_path).completeBaseName(), fileTime(view.start()), fileTime(view.end()),
             suffix);
}

QString RecordingViewerWindow::cannotWrite(const QString &path, const QString &reason)
{
    return tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), reason);
}

bool RecordingViewerWindow::exportPicture(const QString &path, QString *error) const
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    QString reason;
    if (!writer.write(plot()->picture().toImage()))
        reason = writer.errorString();
    else if (writeFile(path, png, &reason))
        return true;
    if (error)
        *error = cannotWrite(path, reason);
    return false;
}

bool RecordingViewerWindow::exportSpan(const QString &path, QString *error) const
{
    // Writing the span over the recording it comes from would lose the rest of it.
    if (sameFile(path, m_path)) {
        if (error)
            *error = tr("%1 is the recording shown: choose another name for the span.")
                         .arg(QDir::toNativeSeparators(path));
        return false;
    }
    const recordingspan::Rows rows = plot()->visibleRows();
    QString reason;
    if (writeFile(path, fclink::telemetryRecordingCsv(plot()->recording(), rows.first, rows.end),
                  &reason))
        return true;
    if (error)
        *error = cannotWrite(path, reason);
    return false;
}

QString RecordingViewerWindow::chooseExportFile(const QString &title, const QString &filter,
                                                const QString &suffix)
{
    QFileDialog dialog(this, title, QFileInfo(m_path).dir().filePath(exportName(suffix)), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void RecordingViewerWindow::chooseExportPicture()
{
    const QString path =
        chooseExportFile(tr("Export Picture"), tr("PNG pictures (*.png)"), QStringLiteral("png"));
    QString error;
    if (!path.isEmpty() && !exportPicture(path, &error))
        QMessageBox::warning(this, tr("Export Picture"), error);
}

void RecordingViewerWindow::chooseExportCsv()
{
    const QString path = chooseExportFile(tr("Export CSV"), tr("Telemetry recordings (*.csv)"),
                                          QStringLiteral("csv"));
    QString error;
    if (!path.isEmpty() && !exportSpan(path, &error))
        QMessageBox::warning(this, tr("Export CSV"), error);
}
