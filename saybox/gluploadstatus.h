#ifndef GLUPLOADSTATUS_H
#define GLUPLOADSTATUS_H

#include "glftpobject.h"

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
    // The failure screen with the general advice to check the network.
    void showFailure();
    // The failure screen naming the failure's cause, and the file it concerns.
    void showFailure(const GLFtpObject::Failure &failure);
    void stopWaiting();
    // "120.00 KB of 1.43 MB sent (8%)" under the waiting text.
    void showProgress(qint64 sent, qint64 total);

    bool isAnimating() const;

signals:
    void returnToClient();

private:
    void showResult(const QString &picture, bool success);
    // text in the failure's look, with %1 replaced by fileName, cut in the middle where it
    // would not fit on a line; the tool tip then holds the whole name.
    void showFailureText(const QString &text, const QString &fileName = QString());
    void returnPressed();

    Ui::GLUploadStatus *form;
    QString networkFailureText;
    QElapsedTimer shownFor;
};

#endif // GLUPLOADSTATUS_H
