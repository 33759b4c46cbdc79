#ifndef SKYDESK_EDITACCESS_H
#define SKYDESK_EDITACCESS_H

#include <QObject>
#include <QString>

class Commrt;
class QWidget;

// Whether the pages may take edits now, and if not, why. An edit is only worth taking where it
// goes somewhere: to a connected controller whose block has been read since it (re)connected.
// Without a controller, while its block is being read, or while the firmware upgrade holds the
// port, an edit would be shown as if it were the controller's and then lost, so the pages are
// read-only and say why.
//
// A configuration opened without the controller (offline) takes edits too, which then go to
// that configuration; commands that only the controller carries out stay unavailable. Once a
// controller is connected while one is open, nothing is taken until the pilot has chosen
// between the two.
class EditAccess : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Editable,       // connected, the block read: edits go to the controller
        NotConnected,   // no port open, or the controller does not answer
        Reading,        // connected, the block not read yet since the connection
        HeldForUpgrade, // the firmware upgrade holds the port
        Offline,        // an offline configuration takes the edits; no controller commands
        Choosing        // connected with an offline configuration open: the pilot chooses first
    };

    explicit EditAccess(Commrt *link, QObject *parent = nullptr);

    State state() const { return m_state; }
    bool allowsEdits() const { return m_state == State::Editable || m_state == State::Offline; }
    // Whether calibrations, flash and the other controller commands can be used now.
    bool allowsCommands() const { return m_state == State::Editable; }
    bool isOffline() const { return m_offline; }
    // The tool tip of a control that takes no edits now; empty while edits are taken.
    QString reason() const;
    // The tool tip of a command that cannot be used now; empty while commands are taken.
    QString commandReason() const;

    // An offline configuration is open (or closed again).
    void setOffline(bool open);

    // Disables or enables a control that changes the controller. While it is disabled its tool
    // tip is whyNot; the tool tip it has otherwise (setControlToolTip) comes back with it.
    static void setControlEditable(QWidget *control, bool editable, const QString &whyNot);
    // Sets a control's own tool tip, kept aside while the control is read-only.
    static void setControlToolTip(QWidget *control, const QString &tip);

signals:
    void changed();

private:
    void update();
    void onConnectionChanged(bool connected);
    void onParametersChanged();
    void onPortChanged();

    Commrt *m_link;
    // A whole read has filled the block since the controller last (re)connected.
    bool m_blockRead = false;
    bool m_offline = false;
    State m_state = State::NotConnected;
};

#endif // SKYDESK_EDITACCESS_H
