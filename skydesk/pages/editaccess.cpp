#include "editaccess.h"

#include "fclink/link/commrt.h"

#include <QVariant>
#include <QWidget>

namespace {
// The tool tip a read-only control has when it takes edits again.
const char *const kEditableToolTip = "toolTipWhenEditable";
} // namespace

EditAccess::EditAccess(Commrt *link, QObject *parent) : QObject(parent), m_link(link)
{
    connect(m_link, &Commrt::connectionChanged, this, &EditAccess::onConnectionChanged);
    connect(m_link, &Commrt::parametersChanged, this, &EditAccess::onParametersChanged);
    connect(m_link, &Commrt::portHeldForUpgradeChanged, this, &EditAccess::update);
    for (auto signal : {&Commrt::portLost, &Commrt::portShared, &Commrt::portReopened})
        connect(m_link, signal, this, &EditAccess::onPortChanged);
    connect(m_link, &Commrt::portOpenFailed, this, &EditAccess::update);
    update();
}

QString EditAccess::reason() const
{
    switch (m_state) {
    case State::Editable:
        break;
    case State::NotConnected:
        return tr("Not connected: connect the flight controller to change its parameters");
    case State::Reading:
        return tr("Reading the parameters from the flight controller...");
    case State::HeldForUpgrade:
        return tr("The firmware upgrade is using the port: the parameters can be changed again "
                  "once the flight controller is connected after it");
    case State::Offline:
        break;
    case State::Choosing:
        return tr("Choose first whether to keep the controller's configuration or to send the "
                  "offline one");
    }
    return QString();
}

QString EditAccess::commandReason() const
{
    if (m_state == State::Offline)
        return tr("Offline: this needs the flight controller connected");
    return reason();
}

void EditAccess::setOffline(bool open)
{
    m_offline = open;
    update();
}

void EditAccess::onConnectionChanged(bool connected)
{
    if (!connected)
        m_blockRead = false;
    update();
}

void EditAccess::onParametersChanged()
{
    if (m_link->isConnected())
        m_blockRead = true;
    update();
}

void EditAccess::onPortChanged()
{
    m_blockRead = false;
    update();
}

void EditAccess::update()
{
    State state = State::Editable;
    if (m_link->isPortHeldForUpgrade())
        state = State::HeldForUpgrade;
    else if (!m_link->isPortOpen() || !m_link->isConnected())
        state = State::NotConnected;
    else if (!m_blockRead)
        state = State::Reading;
    else if (m_offline)
        state = State::Choosing;
    if (state == State::NotConnected || state == State::HeldForUpgrade)
        m_blockRead = false; // what is read next comes from a new connection
    if (m_offline && state == State::NotConnected)
        state = State::Offline;
    if (state == m_state)
        return;
    m_state = state;
    emit changed();
}

void EditAccess::setControlEditable(QWidget *control, bool editable, const QString &whyNot)
{
    const QVariant own = control->property(kEditableToolTip);
    if (editable) {
        if (own.isValid()) {
            control->setToolTip(own.toString());
            control->setProperty(kEditableToolTip, QVariant());
        }
    } else {
        if (!own.isValid())
            control->setProperty(kEditableToolTip, control->toolTip());
        control->setToolTip(whyNot);
    }
    control->setEnabled(editable);
}

void EditAccess::setControlToolTip(QWidget *control, const QString &tip)
{
    if (control->property(kEditableToolTip).isValid())
        control->setProperty(kEditableToolTip, tip);
    else
        control->setToolTip(tip);
}
