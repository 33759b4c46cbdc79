#ifndef GLUPLOADSTATUS_H
#define GLUPLOADSTATUS_H

#include <QWidget>

class QMovie;

namespace Ui {
class GLUploadStatus;
}

// The screen shown from Submit until "Return": waiting, success or failure.
class GLUploadStatus : public QWidget
{
    Q_OBJECT
public:
    explicit GLUploadStatus(QWidget *parent = nullptr);
    ~GLUploadStatus() override;

    void showWaiting();
    void showSuccess();
    void showFailure();
    void stopWaiting();

    bool isAnimating() const;

signals:
    void returnToClient();

private:
    void showResult(const QString &picture, bool success);

    Ui::GLUploadStatus *form;
    QMovie *animation;
};

#endif // GLUPLOADSTATUS_H
