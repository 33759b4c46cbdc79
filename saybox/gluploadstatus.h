#ifndef GLUPLOADSTATUS_H
#define GLUPLOADSTATUS_H

#include <QElapsedTimer>
#include <QWidget>

namespace Ui {
class GLUploadStatus;
}

// The screen shown from Submit until "Return": waiting, success or failure.
class GLUploadStatus : public QWidget
{
    Q_OBJECT
public:
    // For this long after the status screen appears, "Return" ignores presses: the second
    // click of a double click on Submit lands on it.
    static constexpr int ReturnGuardMsec = 1000;

    explicit GLUploadStatus(QWidget *parent = nullptr);
    ~GLUploadStatus() override;

    void showWaiting();
    void showSuccess();
    void showFailure();
    // The failure screen telling that the attached file fileName could not be read.
    void showUnreadableFile(const QString &fileName);
    void stopWaiting();

    bool isAnimating() const;

signals:
    void returnToClient();

private:
    void showResult(const QString &picture, bool success);
    void returnPressed();

    Ui::GLUploadStatus *form;
    QString networkFailureText;
    QElapsedTimer shownFor;
};

#endif // GLUPLOADSTATUS_H
