#include "toolsettingpage.h"

ToolSettingPage::ToolSettingPage(QWidget *parent, Commrt *link) : QWidget(parent), m_link(link)
{
    setObjectName(QStringLiteral("ToolSettingPage"));
}

void ToolSettingPage::refreshPage() {}

void ToolSettingPage::updateTelemetryInfo() {}
