#ifndef SKYDESK_UPDATESETTINGPAGE_H
#define SKYDESK_UPDATESETTINGPAGE_H

#include <QWidget>

class Commrt;

// The information and update page ("Info"). Its controls are not built yet; the page takes its
// place in the page area with the operations and signals the shell relies on.
class updatesettingpage : public QWidget
{
    Q_OBJECT

public:
    updatesettingpage(QWidget *parent, Commrt *link);

signals:
    void displayCloseCOMPort();

public slots:
    void refreshPage();

private:
    Commrt *m_link;
};

#endif // SKYDESK_UPDATESETTINGPAGE_H
