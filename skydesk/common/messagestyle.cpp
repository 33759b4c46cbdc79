#include "messagestyle.h"

using fclink::MessageSeverity;

QColor MessageStyle::colour(MessageSeverity severity, Surface surface)
{
    const bool alarming =
        severity == MessageSeverity::Warning || severity == MessageSeverity::Error;
    if (surface == Surface::Log)
        return alarming ? QColor(0xff, 0x00, 0x00) : QColor(0x00, 0x00, 0x00);
    // On the bar only what asks the user to act stands out; the link's own results, failed
    // ones included, read in the bar's white like every other status.
    if (severity == MessageSeverity::Warning)
        return QColor(0xff, 0x60, 0x50);
    return QColor();
}

QString MessageStyle::logText(const QString &text, MessageSeverity severity)
{
    return QStringLiteral("<font color=%1>%2</font>")
        .arg(colour(severity, Surface::Log).name(), text.toHtmlEscaped());
}

QString MessageStyle::logLine(const QString &text, MessageSeverity severity)
{
    return QStringLiteral("<h6>%1</h6>").arg(logText(text, severity));
}
