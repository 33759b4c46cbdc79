#ifndef GLSAYBOXCLIENT_H
#define GLSAYBOXCLIENT_H

#include <QPixmap>
#include <QStringList>
#include <QVector>
#include <QWidget>

class GLAttachment;
class GLFtpObject;
class QLabel;
class QPushButton;

namespace Ui {
class GLSayboxClient;
}

// The feedback form: the message, the kind of contact and its detail, up to three pictures
// and up to three other files. Submit hands everything to the uploader.
class GLSayboxClient : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MaxEntries = 3;
    static constexpr qint64 MaxPictureBytes = 0x100000;
    static constexpr qint64 MaxTotalBytes = 0x500000;

    explicit GLSayboxClient(QWidget *parent = nullptr);
    ~GLSayboxClient() override;

    // The checks and bookkeeping behind "Add Pictures" and "Add Files" once a path has been
    // chosen. Refusals show their notice and return false; an empty path is a cancel.
    bool addPicturePath(const QString &path);
    bool addAttachmentPath(const QString &path);

    // The text that becomes "user_advice.txt": "<kind>: <contact>\r\n<message>".
    QString adviceText() const;

    QStringList attachments() const { return attachmentPaths; }
    QStringList pictures() const { return picturePaths; }
    qint64 attachedByteCount() const { return attachedBytes; }
    GLFtpObject *ftpObject() const { return uploader; }

    // "(2.30 MB)", "(1.50KB)", "(300 B)".
    static QString sizeText(qint64 bytes);

signals:
    void startUpload();
    void uploadError(qint8);
    void uploadFinished();

public slots:
    void submitFeedback();
    void stateDisplay(QString strText);
    void updateDataTransferProgress(qint64 readBytes, qint64 totalBytes);
    void addFiles();
    void addPics();
    void deleteFile1();
    void deleteFile2();
    void deleteFile3();
    void deletePic1();
    void deletePic2();
    void deletePic3();
    void textEditChanged();
    void lineEditChanged(QString strText);

private:
    void removePicture(int index);
    void removeAttachment(int index);
    bool passesKindCheck(const GLAttachment &entry);
    bool passesSizeAndDuplicateChecks(const QString &path, qint64 size);
    bool isAdded(const QString &path) const;
    // The thumbnail of a picture, decoded only when its header shows a sane size; a null
    // pixmap after a refusal, which has been shown.
    QPixmap makeThumbnail(const GLAttachment &entry);
    // Submit measures every entry again: false, with the refusal shown, when one is no longer
    // a file or has grown over a limit. The rows show the sizes found.
    bool remeasureForSubmit();
    void showNotice(const QString &text);
    void showLimitTip(QPushButton *button, const QString &text);
    QLabel *pictureLabel(int slot) const;
    QLabel *attachmentLabel(int row) const;
    void layoutPictures();
    void layoutAttachments();
    void showPicture(int slot);
    void showAttachment(int row);
    void updateSubmitEnabled(const QString &contact);

    Ui::GLSayboxClient *form;
    GLFtpObject *uploader;
    QStringList attachmentPaths;
    QStringList picturePaths;
    qint64 attachedBytes = 0;
    // The size each entry was counted with, so that removing it takes back exactly what adding
    // it put in, even when the file changed or vanished in between.
    QVector<qint64> attachmentSizes;
    QVector<qint64> pictureSizes;
    // Decoded once, when the picture is attached.
    QVector<QPixmap> pictureThumbnails;
};

#endif // GLSAYBOXCLIENT_H
