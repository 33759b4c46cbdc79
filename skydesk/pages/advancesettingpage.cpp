#include "advancesettingpage.h"

AdvanceSettingPage::AdvanceSettingPage(QWidget *parent, Commrt *link)
    : QWidget(parent), m_link(link)
{
    setObjectName(QStringLiteral("AdvanceSettingPage"));
}

void AdvanceSettingPage::refreshPage() {}

void AdvanceSettingPage::updateTelemetryInfo() {}
