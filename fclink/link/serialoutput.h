#ifndef FCLINK_SERIALOUTPUT_H
#define FCLINK_SERIALOUTPUT_H

#include <QtGlobal>

class QSerialPort;

namespace fclink {

// Bytes written to the port that have not left it yet: what the port object still holds plus,
// where the system tells, what its driver has not sent (a USB device that is not read, a line
// held back by flow control).
qint64 bytesNotYetSent(QSerialPort &port);

} // namespace fclink

#endif // FCLINK_SERIALOUTPUT_H
