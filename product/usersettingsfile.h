#ifndef PRODUCT_USERSETTINGSFILE_H
#define PRODUCT_USERSETTINGSFILE_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// sys.ini, the settings the assistant's programs share: System/lang (the language code) and
// System/Port (the port in use when Skydesk last closed). Each user has their own, in their
// configuration folder: the folder QStandardPaths::AppConfigLocation gives for the product name
// KestoTarvel2Assistant, whatever each program calls itself (~/.config/KestoTarvel2Assistant on
// Linux, where XDG_CONFIG_HOME moves it; the local application data folder on Windows). An
// installed program cannot write beside itself, and two users of one computer keep their own
// language and port.
class UserSettingsFile
{
public:
    static const char *const LanguageKey; // "System/lang"
    static const char *const PortKey;     // "System/Port"

    // The user's sys.ini (it need not exist yet).
    static QString path();

    // Earlier versions kept sys.ini beside the program or in the working folder. While the
    // user's file does not exist, the first readable sys.ini in oldFolders gives its two values
    // (as far as they can be read) to a new user's file; the old file is left as it is, and once
    // the user's file exists no old one is read again. Returns the path of the file taken over,
    // or an empty string.
    static QString adoptOldFile(const QStringList &oldFolders);

    // System/lang and System/Port as far as a file holds them soundly: a language that is a
    // number, a port name without bytes QSettings never writes. Nothing else of the file.
    static QVariantMap readKnownValues(const QString &path);

    // Bytes QSettings never writes into an INI file: NUL, control characters other than tabs
    // and line ends, and bytes that are not UTF-8.
    static bool holdsForeignBytes(const QByteArray &bytes);
};

#endif // PRODUCT_USERSETTINGSFILE_H
