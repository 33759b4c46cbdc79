#ifndef PRODUCT_INSTALLLAYOUT_H
#define PRODUCT_INSTALLLAYOUT_H

#include <QString>

// Where the assistant's programs find their files. Installed (cmake --install, the Debian
// package) the programs lie in PREFIX/bin and their data (help documents, translations,
// Packages.xml) in PREFIX/share/kesto-tarvel2-assistant; in the build tree, and in a folder
// copied whole, the data lies beside the programs. Both are found from the running program's own
// folder and never from the working folder, so a program started from a menu, from / or from any
// other folder finds the same files, and a program that happens to lie in the folder the user
// stands in is never started.
class InstallLayout
{
public:
    // The folder that holds doc/, language/ and Packages.xml for the running program.
    static QString dataFolder();
    // The same rule for a program in programFolder: the installed data folder relative to it
    // when that exists, else programFolder itself.
    static QString dataFolderFor(const QString &programFolder);

    // Another program of the assistant beside the running one ("Saybox", ".exe" added on
    // Windows), or an empty string when there is no executable file of that name there.
    static QString siblingProgram(const QString &baseName);
    // The same lookup in a given folder.
    static QString programIn(const QString &folder, const QString &baseName);
};

#endif // PRODUCT_INSTALLLAYOUT_H
