#include "gluploadstatus.h"

#include "glattachment.h"
#include "product/fontscale.h"
#include "ui_gluploadstatus.h"

#include <QFontMetrics>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

GLUploadStatus::GLUploadStatus(QWidget *parent) : QWidget(parent), form(new Ui::GLUploadStatus)
{
    form->setupUi(this);
    FontScale::scaleForm(this);
    form->labelText1->hide();
    form->labelText2->hide();
    form->labelText3->hide();
    form->labelPic->hide();
    form->labelProgress->hide();
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
    form->labelProgress->show();
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
    form->labelText2->setToolTip(QString());
    showResult(QStringLiteral(":/images/images/cry.png"), false);
}

void GLUploadStatus::showFailure(const GLFtpObject::Failure &failure)
{
    const bool aboutAFile = !failure.fileName.isEmpty();
    switch (failure.code) {
    case GLFtpObject::FileUnreadable:
        showFailureText(tr("The attached file %1 can no longer be read. Please remove it or "
                           "attach it again."),
                        failure.fileName);
        return;
    case GLFtpObject::FileChanged:
        showFailureText(tr("The attached file %1 changed while it was being sent. Please "
                           "attach it again."),
                        failure.fileName);
        return;
    case GLFtpObject::IdleTimeout:
        showFailureText(tr("The feedback server stopped answering, please check your network, "
                           "try again later..."));
        return;
    default:
        break;
    }
    switch (failure.cause) {
    case GLCurlFtp::LoginRefused:
        showFailureText(tr("The feedback server refused the login. Please try again later..."));
        break;
    case GLCurlFtp::QuotaExceeded:
        showFailureText(tr("The feedback server is full, please try again later..."));
        break;
    case GLCurlFtp::StoredIncomplete:
        if (aboutAFile)
            showFailureText(tr("The feedback server did not store the file <i>%1</i> "
                               "completely, please try again later..."),
                            failure.fileName);
        else
            showFailureText(tr("The feedback server did not store your message completely, "
                               "please try again later..."));
        break;
    case GLCurlFtp::Refused:
        if (aboutAFile)
            showFailureText(tr("The feedback server refused the file <i>%1</i>, please try "
                               "again later..."),
                            failure.fileName);
        else
            showFailureText(tr("The feedback server refused the submission, please try again "
                               "later..."));
        break;
    default:
        showFailure();
        break;
    }
}

void GLUploadStatus::showFailureText(const QString &text, const QString &fileName)
{
    QString shown = text;
    if (text.contains(QLatin1String("%1"))) {
        QFont font = form->labelText2->font();
        font.setPointSize(12);
        font.setBold(true);
        // The width the frame's layout gives its rows (the label may not have been laid out
        // yet); the margins of the rich text come off it.
        const int rowWidth = form->verticalLayoutStatus->contentsRect().width();
        const int labelWidth = rowWidth > 0 ? rowWidth : width() - 60;
        const QString name = GLAttachment::printable(fileName);
        const QString fitted =
            QFontMetrics(font).elidedText(name, Qt::ElideMiddle, qMax(80, labelWidth - 16));
        shown = text.arg(fitted.toHtmlEscaped());
    }
    form->labelText2->setToolTip(fileName.isEmpty() ? QString()
                                                    : GLAttachment::plainToolTip(fileName));
    form->labelText2->setText(
        QStringLiteral("<p><span style=\" font-size:12pt; font-weight:600; color:#ff0000;\">") +
        shown + QStringLiteral("</span></p>"));
    showResult(QStringLiteral(":/images/images/cry.png"), false);
}

void GLUploadStatus::showProgress(qint64 sent, qint64 total)
{
    const qint64 percent = total > 0 ? sent * 100 / total : 100;
    form->labelProgress->setText(
        tr("%1 of %2 sent (%3%)")
            .arg(GLAttachment::byteText(sent), GLAttachment::byteText(total))
            .arg(percent));
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
    form->labelProgress->hide();
    form->labelText2->setVisible(!success);
    form->labelText3->setVisible(success);
}

void GLUploadStatus::stopWaiting()
{
    form->labelWait->stop();
    form->labelWait->hide();
}
