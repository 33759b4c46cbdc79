#ifndef SKYDESK_STATUSWIDGET_H
#define SKYDESK_STATUSWIDGET_H

#include <QWidget>

class QLabel;

// The status bar: the link's status and the pages' notices on the left, the connection state
// on the right.
class statusWidget : public QWidget
{
    Q_OBJECT

public:
    explicit statusWidget(QWidget *parent = nullptr);

    QString statusText() const;
    QString connectionText() const;

    // The text shown for a link status code, or a null string for codes that change nothing.
    static QString textForStatus(quint16 code);
    static QString textForConnection(quint16 code);

public slots:
    void statusTextChanged(quint16 textIndex);
    void statusTextChanged(const QString &strText);
    void connectTextChanged(quint16 code);
    void onDisplayCloseCOMPort();
    // The upgrade library holds the port: no connection, whatever the link last said.
    void showUpgrading();
    // The port is back with the link, which is yet to answer.
    void showUpgradeEnded();
    void showWaitingForFirmware(bool waiting);

private:
    QLabel *m_statusLabel;
    QLabel *m_connectionLabel;
};

#endif // SKYDESK_STATUSWIDGET_H
