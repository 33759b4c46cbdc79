#ifndef SKYDESK_ADVANCESETTINGPAGE_H
#define SKYDESK_ADVANCESETTINGPAGE_H

#include <QWidget>

class Commrt;

// The advanced settings page ("Setting"). Its controls are not built yet; the page takes its
// place in the page area with the operations the shell relies on.
class AdvanceSettingPage : public QWidget
{
    Q_OBJECT

public:
    AdvanceSettingPage(QWidget *parent, Commrt *link);

public slots:
    void refreshPage();
    void updateTelemetryInfo();

private:
    Commrt *m_link;
};

#endif // SKYDESK_ADVANCESETTINGPAGE_H
