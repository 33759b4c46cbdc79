#include "stylesheet.h"

#include "logcategories.h"

#include <QFile>
#include <QStyle>
#include <QWidget>

QString StyleSheet::pageArea()
{
    return load(QStringLiteral("://KestoAssistant.qss")) + scrollBars();
}

QString StyleSheet::scrollBars()
{
    return load(QStringLiteral("://KestoScrollBars.qss"));
}

QString StyleSheet::chrome()
{
    return load(QStringLiteral("://KestoChrome.qss"));
}

bool StyleSheet::setState(QWidget *widget, const char *property, const QVariant &value)
{
    if (widget->property(property) == value)
        return false;
    widget->setProperty(property, value);
    // The style sheet matches property selectors only when it polishes a widget.
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
    return true;
}

QString StyleSheet::load(const QString &path)
{
    QFile sheet(path);
    if (!sheet.open(QIODevice::ReadOnly)) {
        qCWarning(lcShell) << "open app.qss no!" << path << sheet.errorString();
        return QString();
    }
    QByteArray text = sheet.readAll();
    const int nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    return QString::fromLatin1(text);
}
