#ifndef SKYDESK_UPDATESERVER_H
#define SKYDESK_UPDATESERVER_H

#include <QString>
#include <QUrl>

class Commrt;
class FirmwareUpgradeLib;
class QNetworkReply;

// The update server's address: KESTO_UPDATE_SERVER (host[:port]) when set, else the address
// the program was built with.
QString updateServerAddress();

// An address on the update server, for a path such as "/update/config.xml".
QUrl updateServerUrl(const QString &path);

// Whether a finished reply is the server's answer: no error and HTTP status 200. Qt does not
// follow redirects and reports them, like other statuses, as no error.
bool replySucceeded(const QNetworkReply *reply);

// Whether a finished reply's body is as long as the Content-Length the server announced (true
// when it announced none): Qt 5.15 may finish a reply whose connection closed early without an
// error. received: the bytes the client took from the reply.
bool bodyIsWhole(const QNetworkReply *reply, qint64 received);

// The number after "COM" in a port name, cut to 8 bits as the upgrade library takes it
// (COM12 gives 12, COM300 gives 44); 0 when there is none.
quint8 comPortNumber(const QString &portName);

// How an upgrade report names the port: "COM<n>" for a numbered port, otherwise the link's port
// name (a Unix device has no number to show).
QString portLabel(int portNumber, const Commrt *link);

// Starts a flashing run on the link's port: by COM number on Windows, by name elsewhere, where
// ports have no number.
void startFirmwareUpgrade(FirmwareUpgradeLib *upgrader, const QString &portName,
                          const QString &file);

#endif // SKYDESK_UPDATESERVER_H
