#ifndef GLMAINWIDGET_H
#define GLMAINWIDGET_H

#include <QWidget>

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

    GLSayboxClient *client() const { return clientWidget; }
    GLUploadStatus *status() const { return statusWidget; }

    // The translation file for a "System/lang" value (low 8 bits count), or an empty string
    // when the value names no language.
    static QString translationFile(const QString &programDir, int lang);
    // "System/lang" from the sys.ini the main program keeps in the program folder; 0 if missing.
    static int languageSetting(const QString &programDir);

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
