#ifndef GLMAINWIDGET_H
#define GLMAINWIDGET_H

#include <QWidget>

#include <functional>

class GLSayboxClient;
class GLUploadStatus;
class QTranslator;
class QVBoxLayout;

// The feedback window: the form, or the status screen from Submit until "Return".
class GLMainWidget : public QWidget
{
    Q_OBJECT
public:
    explicit GLMainWidget(QWidget *parent = nullptr);

    // The whole program: the application object with its style, the window shown, the event
    // loop; started (if given) is called once the window is shown. Returns the exit status,
    // after giving a session still busy with the server at most BusyWorkerGraceMsec to end.
    static constexpr int BusyWorkerGraceMsec = 2000;
    static int runApplication(int &argc, char **argv,
                              const std::function<void(GLMainWidget &)> &started = {});

    GLSayboxClient *client() const { return clientWidget; }
    GLUploadStatus *status() const { return statusWidget; }

    // The translation file in a data folder (product/installlayout.h) for a "System/lang" value
    // (low 8 bits count), or an empty string when the value names no language.
    static QString translationFile(const QString &dataFolder, int lang);
    // "System/lang" from the user's sys.ini, which the main program writes; 0 if missing.
    static int languageSetting();

protected:
    // Asks before closing while a submission is still being sent.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void goToClientWidget();
    void goToStatusWidget();
    void uploadError(qint8 error);
    void uploadFinished();

private:
    void installTranslator();
    void centreOnPrimaryScreen();

    QTranslator *translator;
    GLSayboxClient *clientWidget;
    GLUploadStatus *statusWidget;
    QVBoxLayout *layout;
};

#endif // GLMAINWIDGET_H
