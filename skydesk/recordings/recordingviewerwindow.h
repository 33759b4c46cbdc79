#ifndef SKYDESK_RECORDINGVIEWERWINDOW_H
#define SKYDESK_RECORDINGVIEWERWINDOW_H

#include <QString>
#include <QWidget>

class RecordingPlot;
class RecordingReader;

namespace Ui {
class RecordingViewerWindowUi;
}

// A telemetry recording (Skydesk's or fctool's CSV) in a window of its own: the chosen channels
// in the sensor scope's panels, zoomed and moved with the wheel, the pointer and the keys, a
// cursor that reads the values, the minimum, maximum and mean of each channel over the span shown,
// and the view exported as a picture or the span as a recording of its own. The file is read as
// it is when opened; Reload reads it again. Several may be open at once.
class RecordingViewerWindow : public QWidget
{
    Q_OBJECT

public:
    // Opens the file in a new window, a window of its own owned by parent. The window shows
    // itself once the file is read, or while a large one is read; a file that is no recording is
    // refused with a message box naming the file, the line and the reason, and the window goes
    // away without showing.
    static RecordingViewerWindow *open(const QString &path, QWidget *parent);
    // Asks for a recording, starting in the folder Record writes to, and opens it; nothing when
    // the pilot cancels.
    static RecordingViewerWindow *chooseAndOpen(QWidget *parent);

    RecordingViewerWindow(const QString &path, QWidget *parent);
    ~RecordingViewerWindow() override;

    Ui::RecordingViewerWindowUi *form() const { return m_ui; }
    RecordingPlot *plot() const;
    QString filePath() const { return m_path; }
    bool isReading() const;

    // To the right of anchor where the screen has room, else as far right as fits; the nth of
    // several windows opened together a little lower and further right.
    void placeBeside(const QWidget *anchor, int nth = 0);

    // The plots as shown, as a PNG picture; the rows of the span shown, as a recording file.
    bool exportPicture(const QString &path, QString *error) const;
    bool exportSpan(const QString &path, QString *error) const;
    // What an export is called unless the user says otherwise: the recording's name and the span.
    QString exportName(const QString &suffix) const;

    static QString leftOutText(int lines);

signals:
    // A read of the file has ended; with ok false its message has been shown.
    void readFinished(bool ok);

public slots:
    void reload();
    void chooseExportPicture();
    void chooseExportCsv();

private:
    void startReading();
    void readingFinished(bool ok);
    void setButtonsEnabled(bool enabled);
    void showWhileReading();
    void channelsChosen();
    void showRecordingFigures();
    void showSpanFigures();
    static QString cannotWrite(const QString &path, const QString &reason);
    QString chooseExportFile(const QString &title, const QString &filter, const QString &suffix);

    Ui::RecordingViewerWindowUi *m_ui;
    RecordingReader *m_reader;
    QString m_path;
    bool m_hasRecording = false;
};

#endif // SKYDESK_RECORDINGVIEWERWINDOW_H
