#ifndef TESTS_REFUSINGPORT_H
#define TESTS_REFUSINGPORT_H

#include <QtGlobal>

// A loopback port that refuses every connection for as long as this object lives: a socket
// bound to it that never listens. Being bound, the port cannot be taken by a server of another
// suite running at the same time, as a port found free and let go could.
class RefusingPort
{
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort &) = delete;
    RefusingPort &operator=(const RefusingPort &) = delete;

    // 0 if no port could be bound.
    quint16 port() const { return m_port; }

private:
    int m_socket = -1;
    quint16 m_port = 0;
};

#endif // TESTS_REFUSINGPORT_H
