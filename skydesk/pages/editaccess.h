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
// The pages ask only allowsEdits() and reason(); a further state that takes edits (editing a
// file without a controller, say) is one more state here that allows them, where the commits
// then go somewhere else.
class EditAccess : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Editable,      // connected, the block read: edits go to the controller
        NotConnected,  // no port open, or the controller does not answer
        Reading,       // connected, the block not read yet since the connection
        HeldForUpgrade // the firmware upgrade holds the port
    };

    explicit EditAccess(Commrt *link, QObject *parent = nullptr);

    State state() const { return m_state; }
    bool allowsEdits() const { return m_state == State::Editable; }
    // The tool tip of a control that takes no edits now; empty while edits are taken.
    QString reason() const;

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
    State m_state = State::NotConnected;
};

#endif // SKYDESK_EDITACCESS_H
