#ifndef SKYDESK_STATUSWIDGET_H
#define SKYDESK_STATUSWIDGET_H

#include "fclink/link/portopenerror.h"
#include "fclink/messageseverity.h"

#include <QStringList>
#include <QWidget>

class ElidingLabel;
class QLabel;

// The status bar: the link's status and the pages' notices on the left, the connection state
// on the right. Notices and the recording text that do not fit wrap onto a second line, and
// what still does not fit is elided, whole in the tool tip.
class statusWidget : public QWidget
{
    Q_OBJECT

public:
    explicit statusWidget(QWidget *parent = nullptr);

    QString connectionText() const;
    QString recordingText() const;

    using Severity = fclink::MessageSeverity;

    QString statusText() const;
    Severity statusSeverity() const { return m_severity; }

    // The notices about uploads, lost ports and ports that did not open.
    static QString textForVerification(bool ok, const QStringList &fields);
    static QString textForPortLost(const QString &portName);
    static QString textForPortReopened(const QString &portName);
    static QString textForPortShared(const QString &portName);
    static QString textForUploadResumed();
    // captions: the pilot's names of the fields that may not have been written.
    static QString textForUploadInterrupted(const QString &portName, const QStringList &captions);
    static QString textForOpenFailure(const QString &portName, fclink::PortOpenError reason,
                                      const QString &detail = QString());

public slots:
    // A link status code: its text and severity from the link's catalogue; codes without a
    // text change nothing.
    void statusTextChanged(quint16 textIndex);
    void statusTextChanged(const QString &strText);
    void connectTextChanged(quint16 code);
    // The telemetry recording's file and time, between the status and the connection.
    void recordingTextChanged(const QString &text);
    void showNotice(const QString &text, statusWidget::Severity severity);
    // The whole notice, for one the bar may cut; the next notice clears it.
    void setNoticeToolTip(const QString &text);
    QString noticeToolTip() const;
    // The upgrade library holds the port: no connection, whatever the link last said.
    void showUpgrading();
    // The port is back with the link, which is yet to answer.
    void showUpgradeEnded();
    void showWaitingForFirmware(bool waiting);
    // Shown where the connection state is while there is no connection ("Offline: NAME"),
    // or nothing.
    void setOfflineText(const QString &text);

    // ==== Kept for the published interface: our code does not call this ====
    // Meant for the page area's displayCloseCOMPort(); the bar follows the link's own reports,
    // so it does nothing.
    void onDisplayCloseCOMPort();

private:
    void announce(const QString &text, Severity severity);
    void log(const QString &text, Severity severity);
    ElidingLabel *m_statusLabel;
    QLabel *m_connectionLabel;
    QString m_offlineText;
    quint16 m_connectCode = 0;
    ElidingLabel *m_recordingLabel;
    Severity m_severity = Severity::Info;
};

#endif // SKYDESK_STATUSWIDGET_H
