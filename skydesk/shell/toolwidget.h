#ifndef SKYDESK_TOOLWIDGET_H
#define SKYDESK_TOOLWIDGET_H

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class PortSelector;
class QComboBox;
class QListWidget;
class QPushButton;

// The connection bar under the title bar: the page list, the serial port selector, the refresh
// button and the Connect/Disconnect button. It talks to the link through signals only. The page
// list has a fourth entry, "Internal", when the page area holds the internal parameter page.
class toolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit toolWidget(QWidget *parent = nullptr, bool withInternalPage = false);

    QListWidget *pageList() const { return m_pageList; }
    QComboBox *portSelector() const;
    QPushButton *connectButton() const { return m_connectButton; }
    QPushButton *refreshButton() const { return m_refreshButton; }
    bool isConnected() const { return m_connected; }

    // The entry to select for the port saved at the last program end: an entry equal to it
    // wins; otherwise, for a saved COM name, the last entry that contains it; otherwise none (-1).
    static int preselectedIndex(const QList<QString> &portNames, const QString &savedPort);

    // Asked before every connect the pilot starts; a false answer leaves the bar disconnected
    // and nothing is emitted (unsaved offline changes, the pilot cancelled).
    void setConnectCheck(const std::function<bool()> &mayConnect) { m_mayConnect = mayConnect; }

    // Fills the selector with the link's ports and selects the saved one, if listed.
    void fillPorts(const QList<QString> &portNames, const QString &savedPort);

signals:
    void serialConnect();
    void serialDisconnect();
    void askCommrtThreadUpdateDevices();

public slots:
    void connectPort();
    void updatePortCombo(QList<QString> portNames);
    void refreshDevices();
    // The link closed the port by itself (the device went away) or could not open it: the bar
    // offers Connect again, with the port selector free.
    void onPortLost();
    // The link opened a lost port again by itself.
    void onPortReopened(const QString &portName);
    // While the upgrade library holds the port nothing here may take it.
    void setPortControlsLocked(bool locked);
    // The link has its port again (after an upgrade): the bar offers Disconnect.
    void showConnected();

    // ==== Kept for the published interface: our code does not call this ====
    // Meant for the page area's displayCloseCOMPort(): disconnects and offers Connect. The
    // program follows the upgrade guard instead (setPortControlsLocked, showConnected).
    void onDisplayCloseCOMPort();

protected:
    // The entries' sizes are final only once the list is shown with its style sheet and fonts.
    void showEvent(QShowEvent *event) override;

private:
    void buildPageList(bool withInternalPage);
    void addPageShortcut(int row);
    void keepPageListWide();
    void keepConnectButtonWide();
    void showDisconnected();

    QPushButton *m_connectButton;
    QPushButton *m_refreshButton;
    PortSelector *m_portSelector;
    bool m_connected = false;
    bool m_locked = false;
    std::function<bool()> m_mayConnect;
    QListWidget *m_pageList;
};

#endif // SKYDESK_TOOLWIDGET_H
