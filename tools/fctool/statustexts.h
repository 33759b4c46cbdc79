#ifndef FCTOOL_STATUSTEXTS_H
#define FCTOOL_STATUSTEXTS_H

#include <QString>

// The text of a link status code (statusChangedText), as the status bar shows it; an empty
// string for codes that carry no text.
QString statusText(quint16 code);

#endif // FCTOOL_STATUSTEXTS_H
