#ifndef GLFTPCLEANUP_H
#define GLFTPCLEANUP_H

#include <QObject>
#include <QStringList>
#include <QUrl>

class GLCurlFtp;

// Deletes what a failed or abandoned submission left on the feedback server: its files (DELE),
// then its directory (RMD), in a session of its own with short time-outs. A file the server
// does not have, or will not delete, is passed over; the folder stays when anything is left in
// it. Nothing is shown to the user: the outcome is logged. It deletes itself when done.
class GLFtpCleanup : public QObject
{
    Q_OBJECT
public:
    GLFtpCleanup(const QUrl &server, const QString &dir, const QStringList &files,
                 QObject *parent = nullptr);

    void start();

signals:
    // removed counts the files and the folder the server deleted.
    void finished(int removed);

private:
    void commandFinished(int id, bool error);
    void nextStep();
    void finish();

    QUrl server;
    QStringList files;
    QString dir;
    GLCurlFtp *ftp;
    int step = 0;
    int removed = 0;
    bool finishing = false;
};

#endif // GLFTPCLEANUP_H
