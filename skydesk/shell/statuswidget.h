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
    QString recordingText() const;

    // The text shown for a link status code, or a null string for codes that change nothing.
    static QString textForStatus(quint16 code);
    static QString textForConnection(quint16 code);

public slots:
    void statusTextChanged(quint16 textIndex);
    void statusTextChanged(const QString &strText);
    void connectTextChanged(quint16 code);
    void onDisplayCloseCOMPort();
    // The telemetry recording's file and time, between the status and the connection.
    void recordingTextChanged(const QString &text);

private:
    QLabel *m_statusLabel;
    QLabel *m_connectionLabel;
    QLabel *m_recordingLabel;
};

#endif // SKYDESK_STATUSWIDGET_H
