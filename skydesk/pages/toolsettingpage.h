#ifndef SKYDESK_TOOLSETTINGPAGE_H
#define SKYDESK_TOOLSETTINGPAGE_H

#include <QWidget>

class Commrt;

// The tools page ("Tool"). Its controls are not built yet; the page takes its place in the page
// area with the operations and signals the shell relies on.
class ToolSettingPage : public QWidget
{
    Q_OBJECT

public:
    ToolSettingPage(QWidget *parent, Commrt *link);

signals:
    void configurationLoaded();
    void noticeStatusChanged(const QString &text);

public slots:
    void refreshPage();
    void updateTelemetryInfo();

private:
    Commrt *m_link;
};

#endif // SKYDESK_TOOLSETTINGPAGE_H
