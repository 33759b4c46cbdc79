#ifndef SKYDESK_MYSPLASHSCREEN_H
#define SKYDESK_MYSPLASHSCREEN_H

#include <QSplashScreen>

class QProgressBar;

// The start-up picture with a thin progress bar along its bottom edge. The main window is built
// before the event loop runs, so every progress change repaints the splash at once.
class MySplashScreen : public QSplashScreen
{
    Q_OBJECT

public:
    explicit MySplashScreen(const QPixmap &picture);

    QProgressBar *progressBar() const { return m_progressBar; }
    void setProgress(int value);

public slots:
    void progressChanged(int value);

private:
    QProgressBar *m_progressBar;
};

#endif // SKYDESK_MYSPLASHSCREEN_H
