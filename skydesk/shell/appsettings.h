#ifndef SKYDESK_APPSETTINGS_H
#define SKYDESK_APPSETTINGS_H

#include <QString>

// The program's settings file, sys.ini beside the program file. Every access opens the file
// afresh and drops it at once, so each write is on disk before the call returns and the
// feedback program and the pages always read what was last written. When the folder cannot be
// written the values read fall back to their defaults and writes are lost quietly.
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

    // System/lang as an 8-bit code (only the low byte of the stored number counts); 0 if absent.
    static quint8 languageCode();
    static void setLanguageCode(quint8 code);

    // System/Port, the port used when the program last ended; empty if absent.
    static QString savedPort();
    static void setSavedPort(const QString &portName);

    // The translation file for a language code, or an empty string for codes without one.
    static QString translationFile(quint8 code);
};

#endif // SKYDESK_APPSETTINGS_H
