#ifndef SKYDESK_SOFTWAREVERSION_H
#define SKYDESK_SOFTWAREVERSION_H

#include <QString>

// The installed software's version as the Info page shows it. The outside updater keeps
// Packages.xml in the program's data folder; its Version (of a Package under the root Packages,
// the last one found) is the version. Without a readable file that names one, it is the version
// this program was built as.
class SoftwareVersion
{
public:
    static QString installed();
    // The Version a Packages.xml names, or an empty string.
    static QString fromPackagesFile(const QString &path);
};

#endif // SKYDESK_SOFTWAREVERSION_H
