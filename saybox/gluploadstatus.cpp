#include "gluploadstatus.h"
#include "ui_gluploadstatus.h"

#include <QMovie>
#include <QPixmap>

GLUploadStatus::GLUploadStatus(QWidget *parent)
    : QWidget(parent), form(new Ui::GLUploadStatus),
      animation(new QMovie(QStringLiteral(":/images/images/loading.gif"), QByteArray(), this))
{
    form->setupUi(this);
    form->labelWait->setMovie(animation);
    form->labelText1->hide();
    form->labelText2->hide();
    form->labelText3->hide();
    form->labelPic->hide();
    connect(form->pushButtonReturn, &QPushButton::clicked, this, &GLUploadStatus::returnToClient);
}

GLUploadStatus::~GLUploadStatus()
{
    delete form;
}

bool GLUploadStatus::isAnimating() const
{
    return animation->state() == QMovie::Running;
}

void GLUploadStatus::showWaiting()
{
    if (form->labelPic->isVisible())
        form->labelPic->hide();
    animation->start();
    form->labelWait->show();
    form->labelText1->show();
    form->labelText2->hide();
    form->labelText3->hide();
}

void GLUploadStatus::showSuccess()
{
    showResult(QStringLiteral(":/images/images/smile.png"), true);
}

void GLUploadStatus::showFailure()
{
    showResult(QStringLiteral(":/images/images/cry.png"), false);
}

void GLUploadStatus::showResult(const QString &picture, bool success)
{
    stopWaiting();
    const QPixmap pixmap(picture);
    form->labelPic->setPixmap(pixmap);
    form->labelPic->setFixedSize(pixmap.size());
    form->labelPic->show();
    form->labelText1->hide();
    form->labelText2->setVisible(!success);
    form->labelText3->setVisible(success);
}

void GLUploadStatus::stopWaiting()
{
    animation->stop();
    form->labelWait->hide();
}
