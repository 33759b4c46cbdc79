#include "updatesettingpage.h"

updatesettingpage::updatesettingpage(QWidget *parent, Commrt *link) : QWidget(parent), m_link(link)
{
    setObjectName(QStringLiteral("updatesettingpage"));
}

void updatesettingpage::refreshPage() {}
