#ifndef SMALLDISK_H
#define SMALLDISK_H

#include <QString>

// A small tmpfs mounted on a folder for one test, to see what a program does when the disk is
// full. Mounting needs the right to do so; where it is missing, isMounted() is false and
// failure() says why (the test skips). Unmounted again at the end.
class SmallDisk
{
public:
    SmallDisk(const QString &folder, int sizeKiB);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    QString failure() const { return m_failure; }
    QString path() const { return m_folder; }

    // Fills the free space with a file of its own until the disk refuses more; true when the
    // disk is full then.
    bool fillUp();

private:
    QString m_folder;
    QString m_failure;
    bool m_mounted = false;
};

#endif // SMALLDISK_H
