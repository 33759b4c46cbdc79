#ifndef FCSIM_SERIALDEVICE_H
#define FCSIM_SERIALDEVICE_H

#include <QString>

// An existing serial device opened raw at 115200 baud, 8 data bits, no parity, 1 stop bit, no
// flow control, non-blocking.
class SerialDevice
{
public:
    SerialDevice() = default;
    ~SerialDevice();
    SerialDevice(const SerialDevice &) = delete;
    SerialDevice &operator=(const SerialDevice &) = delete;

    bool open(const QString &path, QString *error);
    int fd() const { return m_fd; }
    QString path() const { return m_path; }

private:
    int m_fd = -1;
    QString m_path;
};

#endif // FCSIM_SERIALDEVICE_H
