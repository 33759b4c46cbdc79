#ifndef TESTS_SCRATCHMOUNT_H
#define TESTS_SCRATCHMOUNT_H

#include <QString>

// A small tmpfs mounted on a folder of the test's own, to play a full disk or a read-only
// folder. Mounting needs root (or the right capability); where it is not allowed mount() says
// why and the test skips itself. Unmounted when the object goes.
class ScratchMount
{
public:
    explicit ScratchMount(const QString &folder);
    ~ScratchMount();
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    // Mounts a tmpfs of sizeKiB; readOnly mounts it so that nothing can be written. False with
    // *why set when the system does not allow it.
    bool mount(int sizeKiB, bool readOnly, QString *why);
    // Fills the file system, leaving no byte free.
    bool fill();
    QString folder() const { return m_folder; }

private:
    QString m_folder;
    bool m_mounted = false;
};

#endif // TESTS_SCRATCHMOUNT_H
