#ifndef FCSIM_PSEUDOTERMINAL_H
#define FCSIM_PSEUDOTERMINAL_H

#include <QString>

// A pseudo-terminal pair standing in for the flight controller's serial port. The simulator
// talks on the master side; the client opens the slave device, usually through a symlink with
// a stable name. One slave descriptor stays open for the object's lifetime, so the master
// never sees a hang-up when the client closes the port and opens it again.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Creates the pair, puts the slave in raw mode at 115200 baud and makes the master
    // non-blocking.
    bool open(QString *error);

    // Points linkPath at the slave device. An existing symlink is replaced; any other kind of
    // file at that path is left alone and refused.
    bool createLink(const QString &linkPath, QString *error);

    // Removes the symlink if it still points at this slave device.
    void removeLink();

    // Holds the client's writes back (they fail with EAGAIN) or lets them through again, as a
    // USB device that stops reading makes its host wait.
    bool holdClientOutput(bool hold);

    int masterFd() const { return m_masterFd; }
    QString slavePath() const { return m_slavePath; }

private:
    int m_masterFd = -1;
    int m_slaveFd = -1;
    QString m_slavePath;
    QString m_linkPath;
};

#endif // FCSIM_PSEUDOTERMINAL_H
