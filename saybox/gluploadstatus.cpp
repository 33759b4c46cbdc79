#include "gluploadstatus.h"
#include "ui_gluploadstatus.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

GLUploadStatus::GLUploadStatus(QWidget *parent) : QWidget(parent), form(new Ui::GLUploadStatus)
{
    form->setupUi(this);
    form->labelText1->hide();
    form->labelText2->hide();
    form->labelText3->hide();
    form->labelPic->hide();
    networkFailureText = form->labelText2->text();
    connect(form->pushButtonReturn, &QPushButton::clicked, this, &GLUploadStatus::returnPressed);
}

void GLUploadStatus::returnPressed()
{
    if (shownFor.isValid() && shownFor.elapsed() < ReturnGuardMsec)
        return;
    emit returnToClient();
}

GLUploadStatus::~GLUploadStatus()
{
    delete form;
}

bool GLUploadStatus::isAnimating() const
{
    return form->labelWait->isSpinning();
}

void GLUploadStatus::showWaiting()
{
    if (form->labelPic->isVisible())
        form->labelPic->hide();
    shownFor.start();
    form->labelWait->start();
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
    form->labelText2->setText(networkFailureText);
    showResult(QStringLiteral(":/images/images/cry.png"), false);
}

void GLUploadStatus::showUnreadableFile(const QString &fileName)
{
    // The same look as the network failure's text.
    const QString text =
        tr("The attached file %1 can no longer be read. Please remove it or attach it again.")
            .arg(fileName.toHtmlEscaped());
    form->labelText2->setText(
        QStringLiteral("<p><span style=\" font-size:12pt; font-weight:600; color:#ff0000;\">") +
        text + QStringLiteral("</span></p>"));
    showResult(QStringLiteral(":/images/images/cry.png"), false);
}

void GLUploadStatus::showResult(const QString &picture, bool success)
{
    stopWaiting();
    // The icon picks the picture drawn at scale 2 ("smile@2x.png") on screens that scale.
    const QPixmap pixmap = QIcon(picture).pixmap(QImageReader(picture).size());
    form->labelPic->setPixmap(pixmap);
    form->labelPic->setFixedSize((QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize());
    form->labelPic->show();
    form->labelText1->hide();
    form->labelText2->setVisible(!success);
    form->labelText3->setVisible(success);
}

void GLUploadStatus::stopWaiting()
{
    form->labelWait->stop();
    form->labelWait->hide();
}
