#ifndef FTPSERVERPROCESS_H
#define FTPSERVERPROCESS_H

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real FTP server (pyftpdlib) on 127.0.0.1 with a writable root holding the feedback folders
// "Saybox/KestoWanderer", started and stopped by the tests.
class FtpServerProcess
{
public:
    static const QString User;
    static const QString Password;

    FtpServerProcess();
    ~FtpServerProcess();

    // Starts the demo's feedback server (tools/demo/feedback_server.py) on a port it chooses and
    // waits until it accepts connections. Options choose a misbehaving handler (the script lists
    // them): "--no-quit", "--read-limit N" (bytes per second received), "--raw", "--stall-after
    // N", "--late-mkd S", "--truncate N", "--refuse-login", "--quota N", "--no-delete".
    bool start(const QStringList &behaviour = {});
    quint16 port() const { return serverPort; }
    // The URL the uploader reads from SAYBOX_FTP_URL, with the given password.
    QString url(const QString &password = Password) const;
    // Points the uploader at this server through SAYBOX_FTP_URL.
    void exportUrl(const QString &password = Password) const;

    // Freezes and thaws the server process: connections stay open and get no answer.
    bool pause();
    bool resume();

    // The submission folders, and one of them as a path.
    QStringList submissionDirs() const;
    QString submissionPath(const QString &dir) const;
    // The bytes of a file in the only submission folder, or "<missing>".
    QByteArray submittedFile(const QString &name) const;
    // The files of every submission folder, as "folder/name".
    QStringList submittedFiles() const;

    // The server's session events so far: "connect", each command ("MKD ...", "STOR ...";
    // "PASS ****") and "disconnect".
    QStringList events() const;
    // Sessions connected and not yet disconnected.
    int openSessions() const;

private:
    QTemporaryDir root;
    QTemporaryDir logDir; // outside the FTP root
    QProcess process;
    quint16 serverPort = 0;
};

#endif // FTPSERVERPROCESS_H
