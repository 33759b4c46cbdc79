#ifndef TESTS_TESTFOLDERS_H
#define TESTS_TESTFOLDERS_H

#include <QString>

// Points the per-user folders the programs use (runtime, cache, and the data location where the
// parameter backups and the configuration history go) into a test's own folder.
void useTestFolders(const QString &root);

#endif // TESTS_TESTFOLDERS_H
