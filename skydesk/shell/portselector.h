#ifndef SKYDESK_PORTSELECTOR_H
#define SKYDESK_PORTSELECTOR_H

#include <QComboBox>
#include <QList>
#include <QString>

// The serial port selector of the connection bar. Its width does not follow the names it holds:
// a stable device name such as /dev/serial/by-id/usb-FTDI_..._A9M2K7QX-if00-port0 is shown
// elided in the middle, so that both the kind of adapter and the port stay readable, and in full
// as the tool tip and in the drop-down list.
class PortSelector : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString displayedText READ displayedText)

public:
    static constexpr int kMaximumWidth = 200;

    explicit PortSelector(QWidget *parent = nullptr);

    // Replaces the entries; the first becomes current.
    void setPortNames(const QList<QString> &portNames);
    // The current name as the selector shows it.
    QString displayedText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showFullNameAsToolTip();
};

#endif // SKYDESK_PORTSELECTOR_H
