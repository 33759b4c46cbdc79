#ifndef TESTS_ANNOUNCEDPORT_H
#define TESTS_ANNOUNCEDPORT_H

#include <QtGlobal>

class QProcess;

// The port a test server started on port 0 took, from the line "... on 127.0.0.1:PORT" it
// prints on its standard output once it listens; 0 if no such line came within the time or
// the server ended first. The server binds the port itself, so no other process can take it
// between choosing and binding.
quint16 readAnnouncedPort(QProcess &process, int timeoutMs);

#endif // TESTS_ANNOUNCEDPORT_H
