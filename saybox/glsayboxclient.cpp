#include "glsayboxclient.h"

#include "glattachment.h"
#include "glftpobject.h"
#include "gllocalfile.h"
#include "product/accessiblecombobox.h"
#include "product/fontscale.h"
#include "ui_glsayboxclient.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>
#include <QToolTip>

GLSayboxClient::GLSayboxClient(QWidget *parent)
    : QWidget(parent), form(new Ui::GLSayboxClient), uploader(nullptr)
{
    AccessibleComboBox::install(); // before the form's box is first asked for its name
    form->setupUi(this);
    FontScale::scaleForm(this);
    uploader = new GLFtpObject(this);

    connect(form->pushButtonSubmit, &QPushButton::clicked, this, &GLSayboxClient::submitFeedback);
    connect(form->pushButtonAddFile, &QPushButton::clicked, this, &GLSayboxClient::addFiles);
    connect(form->pushButtonDelete1, &QPushButton::clicked, this, &GLSayboxClient::deleteFile1);
    connect(form->pushButtonDelete2, &QPushButton::clicked, this, &GLSayboxClient::deleteFile2);
    connect(form->pushButtonDelete3, &QPushButton::clicked, this, &GLSayboxClient::deleteFile3);
    connect(form->pushButtonAddPic, &QPushButton::clicked, this, &GLSayboxClient::addPics);
    connect(form->pushButtonDeletePic1, &QPushButton::clicked, this, &GLSayboxClient::deletePic1);
    connect(form->pushButtonDeletePic2, &QPushButton::clicked, this, &GLSayboxClient::deletePic2);
    connect(form->pushButtonDeletePic3, &QPushButton::clicked, this, &GLSayboxClient::deletePic3);
    connect(uploader, &GLFtpObject::noticeStateDisplay, this, &GLSayboxClient::stateDisplay);
    connect(uploader, &GLFtpObject::uploadError, this, &GLSayboxClient::uploadError);
    connect(uploader, &GLFtpObject::uploadFinished, this, &GLSayboxClient::uploadFinished);
    connect(form->textEdit, &QTextEdit::textChanged, this, &GLSayboxClient::textEditChanged);
    connect(form->lineEdit, &QLineEdit::textChanged, this, &GLSayboxClient::lineEditChanged);

    // File names are text, never markup.
    for (int row = 0; row < MaxEntries; ++row)
        attachmentLabel(row)->setTextFormat(Qt::PlainText);
    layoutPictures();
    layoutAttachments();
}

GLSayboxClient::~GLSayboxClient()
{
    delete form;
}

QString GLSayboxClient::adviceText() const
{
    return form->comboBox->currentText() + QStringLiteral(": ") + form->lineEdit->text() +
           QStringLiteral("\r\n") + form->textEdit->toPlainText();
}

QString GLSayboxClient::sizeText(qint64 bytes)
{
    if (bytes >= 1048576) {
        return QLatin1Char('(') + QString::number(static_cast<float>(bytes) / 1048576.0f, 'f', 2) +
               QStringLiteral(" MB)");
    }
    if (bytes >= 1024) {
        return QLatin1Char('(') + QString::number(static_cast<float>(bytes) / 1024.0f, 'f', 2) +
               QStringLiteral("KB)");
    }
    return QLatin1Char('(') + QStringLiteral("%1 B)").arg(bytes);
}

void GLSayboxClient::submitFeedback()
{
    if (!remeasureForSubmit())
        return;
    uploader->setAdviceText(adviceText());
    uploader->setUploadList(attachmentPaths + picturePaths, attachmentSizes + pictureSizes);
    uploader->beginUpload();
    emit startUpload();
}

bool GLSayboxClient::remeasureForSubmit()
{
    const QStringList paths = attachmentPaths + picturePaths;
    QVector<qint64> counted = attachmentSizes + pictureSizes;
    QVector<qint64> now = counted;
    for (int i = 0; i < paths.size(); ++i) {
        const GLAttachment entry = GLAttachment::inspect(paths.at(i));
        if (!passesKindCheck(entry))
            return false;
        now[i] = entry.size;
    }
    // From here on the form counts what is there now.
    attachmentSizes = now.mid(0, attachmentPaths.size());
    pictureSizes = now.mid(attachmentPaths.size());
    attachedBytes = 0;
    for (const qint64 size : qAsConst(now))
        attachedBytes += size;
    layoutAttachments();

    for (int i = attachmentPaths.size(); i < paths.size(); ++i) {
        if (now.at(i) > MaxPictureBytes) {
            showNotice(tr("%1 has grown to %2 since it was attached: each picture must be at "
                          "most 1 MB.")
                           .arg(GLAttachment::printable(QFileInfo(paths.at(i)).fileName()),
                                GLAttachment::byteText(now.at(i))));
            return false;
        }
    }
    if (attachedBytes <= MaxTotalBytes)
        return true;
    int grown = 0;
    for (int i = 0; i < paths.size(); ++i) {
        if (now.at(i) - counted.at(i) > now.at(grown) - counted.at(grown))
            grown = i;
    }
    showNotice(tr("%1 has grown to %2 since it was attached: pictures and files together must "
                  "be at most 5 MB.")
                   .arg(GLAttachment::printable(QFileInfo(paths.at(grown)).fileName()),
                        GLAttachment::byteText(now.at(grown))));
    return false;
}

void GLSayboxClient::stateDisplay(QString strText)
{
    Q_UNUSED(strText)
}

void GLSayboxClient::updateDataTransferProgress(qint64 readBytes, qint64 totalBytes)
{
    Q_UNUSED(readBytes)
    Q_UNUSED(totalBytes)
}

void GLSayboxClient::addPics()
{
    if (picturePaths.size() >= MaxEntries) {
        showLimitTip(form->pushButtonAddPic, tr("Only support uploading 3 pictures!"));
        return;
    }
    QFileDialog dialog(this, tr("Open Image"), QString(),
                       tr("Image Files(*.jpg *.png *.gif *.bmp)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    addPicturePath(dialog.selectedFiles().first());
}

void GLSayboxClient::addFiles()
{
    if (attachmentPaths.size() >= MaxEntries) {
        showLimitTip(form->pushButtonAddFile, tr("Only support uploading 3 attachments!"));
        return;
    }
    QFileDialog dialog(nullptr, tr("Open File"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    addAttachmentPath(dialog.selectedFiles().first());
}

bool GLSayboxClient::addPicturePath(const QString &path)
{
    if (path.isEmpty() || picturePaths.size() >= MaxEntries)
        return false;
    const GLAttachment entry = GLAttachment::inspect(path);
    if (!passesKindCheck(entry))
        return false;
    const qint64 size = entry.size;
    if (size > MaxPictureBytes) {
        showNotice(tr("Each picture size must less than 1M bytes!"));
        return false;
    }
    if (!passesSizeAndDuplicateChecks(path, size))
        return false;
    const QPixmap thumbnail = makeThumbnail(entry);
    if (thumbnail.isNull())
        return false;
    picturePaths.append(path);
    pictureSizes.append(size);
    pictureThumbnails.append(thumbnail);
    attachedBytes += size;
    layoutPictures();
    return true;
}

bool GLSayboxClient::addAttachmentPath(const QString &path)
{
    if (path.isEmpty() || attachmentPaths.size() >= MaxEntries)
        return false;
    const GLAttachment entry = GLAttachment::inspect(path);
    if (!passesKindCheck(entry))
        return false;
    const qint64 size = entry.size;
    if (!passesSizeAndDuplicateChecks(path, size))
        return false;
    attachmentPaths.append(path);
    attachmentSizes.append(size);
    attachedBytes += size;
    layoutAttachments();
    return true;
}

bool GLSayboxClient::passesSizeAndDuplicateChecks(const QString &path, qint64 size)
{
    if (attachedBytes + size > MaxTotalBytes) {
        showNotice(tr("File size must less than 5M bytes!"));
        return false;
    }
    if (isAdded(path)) {
        showNotice(tr("This file has been added!"));
        return false;
    }
    return true;
}

// Only regular files are attached, found so from the file system's records: nothing is opened
// that could hold up the window.
bool GLSayboxClient::passesKindCheck(const GLAttachment &entry)
{
    const QString name = GLAttachment::printable(entry.fileName());
    switch (entry.kind) {
    case GLAttachment::RegularFile:
        return true;
    case GLAttachment::Missing:
        showNotice(tr("%1 does not exist.").arg(name));
        break;
    case GLAttachment::Folder:
        showNotice(tr("%1 is a folder: only files can be attached.").arg(name));
        break;
    case GLAttachment::Special:
        showNotice(tr("%1 is not an ordinary file (it is a device, a pipe or a socket): only "
                      "files can be attached.")
                       .arg(name));
        break;
    case GLAttachment::Unreadable:
        showNotice(tr("%1 cannot be read.").arg(name));
        break;
    }
    return false;
}

// Decodes the file whatever its name says, once its header shows a size that decodes in
// reasonable time and memory: a picture that cannot be shown is refused rather than attached
// with a blank thumbnail.
QPixmap GLSayboxClient::makeThumbnail(const GLAttachment &entry)
{
    const QString name = GLAttachment::printable(entry.fileName());
    GLLocalFile file(entry.path);
    const QByteArray bytes = file.readAll(MaxPictureBytes);
    const QSize pixels = GLAttachment::pictureSize(bytes);
    if (pixels.isValid() && GLAttachment::isTooLargeAPicture(pixels)) {
        showNotice(tr("%1 is too large a picture (%2 × %3 pixels): pictures of up to 16 "
                      "megapixels can be attached.")
                       .arg(name)
                       .arg(pixels.width())
                       .arg(pixels.height()));
        return QPixmap();
    }
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage picture = pixels.isValid() ? reader.read() : QImage();
    if (picture.isNull()) {
        showNotice(tr("Not a picture: %1").arg(name));
        return QPixmap();
    }
    const QSize box = pictureLabel(0)->size();
    return QPixmap::fromImage(picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool GLSayboxClient::isAdded(const QString &path) const
{
    return picturePaths.contains(path, Qt::CaseSensitive) ||
           attachmentPaths.contains(path, Qt::CaseSensitive);
}

void GLSayboxClient::showNotice(const QString &text)
{
    QMessageBox::information(this, tr("Notice"), text, QMessageBox::Ok);
}

void GLSayboxClient::showLimitTip(QPushButton *button, const QString &text)
{
    QToolTip::showText(button->mapToGlobal(QPoint(0, 0)) - QPoint(50, 40), text);
}

void GLSayboxClient::deleteFile1()
{
    removeAttachment(0);
}

void GLSayboxClient::deleteFile2()
{
    removeAttachment(1);
}

void GLSayboxClient::deleteFile3()
{
    removeAttachment(2);
}

void GLSayboxClient::deletePic1()
{
    removePicture(0);
}

void GLSayboxClient::deletePic2()
{
    removePicture(1);
}

void GLSayboxClient::deletePic3()
{
    removePicture(2);
}

void GLSayboxClient::removePicture(int index)
{
    if (index >= picturePaths.size())
        return;
    attachedBytes -= pictureSizes.takeAt(index);
    picturePaths.removeAt(index);
    pictureThumbnails.removeAt(index);
    layoutPictures();
}

void GLSayboxClient::removeAttachment(int index)
{
    if (index >= attachmentPaths.size())
        return;
    attachedBytes -= attachmentSizes.takeAt(index);
    attachmentPaths.removeAt(index);
    layoutAttachments();
}

QLabel *GLSayboxClient::pictureLabel(int slot) const
{
    QLabel *const labels[] = {form->labelPic1, form->labelPic2, form->labelPic3};
    return labels[slot];
}

QLabel *GLSayboxClient::attachmentLabel(int row) const
{
    QLabel *const labels[] = {form->labelFileName1, form->labelFileName2, form->labelFileName3};
    return labels[row];
}

void GLSayboxClient::layoutPictures()
{
    QGroupBox *const boxes[] = {form->groupBoxPic1, form->groupBoxPic2, form->groupBoxPic3};
    QPushButton *const buttons[] = {form->pushButtonDeletePic1, form->pushButtonDeletePic2,
                                    form->pushButtonDeletePic3};
    for (int slot = 0; slot < MaxEntries; ++slot) {
        const bool used = slot < picturePaths.size();
        boxes[slot]->setVisible(used);
        pictureLabel(slot)->setVisible(used);
        buttons[slot]->setVisible(used);
        if (used) {
            showPicture(slot);
            buttons[slot]->setAccessibleName(
                tr("Remove picture %1").arg(QFileInfo(picturePaths.at(slot)).fileName()));
        } else
            pictureLabel(slot)->clear();
    }
}

void GLSayboxClient::showPicture(int slot)
{
    QLabel *label = pictureLabel(slot);
    label->setPixmap(pictureThumbnails.at(slot));
    label->setToolTip(GLAttachment::inspect(picturePaths.at(slot)).toolTip());
}

void GLSayboxClient::layoutAttachments()
{
    QPushButton *const buttons[] = {form->pushButtonDelete1, form->pushButtonDelete2,
                                    form->pushButtonDelete3};
    form->groupBoxFiles->setVisible(!attachmentPaths.isEmpty());
    for (int row = 0; row < MaxEntries; ++row) {
        const bool used = row < attachmentPaths.size();
        attachmentLabel(row)->setVisible(used);
        buttons[row]->setVisible(used);
        if (used) {
            showAttachment(row);
            buttons[row]->setAccessibleName(
                tr("Remove file %1")
                    .arg(GLAttachment::inspect(attachmentPaths.at(row)).displayName()));
        } else
            attachmentLabel(row)->clear();
    }
}

// The name as plain text with control characters shown as "_", as on the server, and for a
// symbolic link the file it sends; the tool tip holds it all, a link's whole target included.
void GLSayboxClient::showAttachment(int row)
{
    QLabel *label = attachmentLabel(row);
    const GLAttachment entry = GLAttachment::inspect(attachmentPaths.at(row));
    const QString fullName = entry.displayName();
    // The size it was counted with, also when the file changed or vanished since.
    const QString size = sizeText(attachmentSizes.at(row));

    const QFontMetrics metrics(font());
    const int room = label->width() - metrics.horizontalAdvance(size);
    QString name = fullName;
    if (metrics.horizontalAdvance(name) >= room)
        name = metrics.elidedText(name, Qt::ElideRight, room);
    label->setText(name + size);
    label->setToolTip(entry.toolTip());
}

void GLSayboxClient::textEditChanged()
{
    updateSubmitEnabled(form->lineEdit->text());
}

void GLSayboxClient::lineEditChanged(QString strText)
{
    updateSubmitEnabled(strText);
}

void GLSayboxClient::updateSubmitEnabled(const QString &contact)
{
    form->pushButtonSubmit->setEnabled(!form->textEdit->toPlainText().isEmpty() &&
                                       !contact.isEmpty());
}
