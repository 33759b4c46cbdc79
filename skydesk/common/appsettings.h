#ifndef SKYDESK_APPSETTINGS_H
#define SKYDESK_APPSETTINGS_H

#include <QString>

// The program's settings file, the user's sys.ini (product/usersettingsfile.h) in their
// configuration folder, shared with the feedback program. Every access opens the file afresh
// and drops it at once, so each write is on disk before the call returns and the feedback
// program and the pages always read what was last written. A file that cannot be read
// gives the defaults; a write tells whether it reached the file, and a value already stored is
// not written again. The file holds System/lang and System/Port only: a damaged file (bytes
// QSettings never writes, lines it cannot parse) is replaced by one holding what could be read.
class AppSettings
{
public:
    enum Language : quint8
    {
        English = 0,
        Chinese = 1,
        German = 2
    };

    static QString filePath();

    // A file QSettings cannot read whole is replaced by one holding the values that could be
    // read; true when that happened (the caller tells the user).
    static bool replaceIfDamaged();

    // System/lang as an 8-bit code (only the low byte of the stored number counts); 0 if absent.
    static quint8 languageCode();
    // False when the value could not be stored (the file or its folder is not writable).
    static bool setLanguageCode(quint8 code);

    // System/Port, the port used when the program last ended; empty if absent.
    static QString savedPort();
    static bool setSavedPort(const QString &portName);

    // The translation file for a language code, or an empty string for codes without one.
    static QString translationFile(quint8 code);

private:
    static bool write(const char *key, const QString &value);
};

#endif // SKYDESK_APPSETTINGS_H
