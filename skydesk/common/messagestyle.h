#ifndef SKYDESK_MESSAGESTYLE_H
#define SKYDESK_MESSAGESTYLE_H

#include "fclink/messageseverity.h"

#include <QColor>
#include <QString>

// How the program shows a message's severity: the one place that gives severities a colour.
// Translated texts carry no markup; the views wrap them here.
class MessageStyle
{
public:
    enum class Surface
    {
        StatusBar, // white text on the dark bar
        Log        // black text on the upgrade views' white logs
    };

    // An invalid colour stands for the surface's own text colour.
    static QColor colour(fclink::MessageSeverity severity, Surface surface);

    // The text, escaped, in the severity's colour of the logs.
    static QString logText(const QString &text, fclink::MessageSeverity severity);
    // A log line of the upgrade views: the coloured text as a level-6 heading.
    static QString logLine(const QString &text, fclink::MessageSeverity severity);
};

#endif // SKYDESK_MESSAGESTYLE_H
