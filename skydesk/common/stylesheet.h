#ifndef SKYDESK_STYLESHEET_H
#define SKYDESK_STYLESHEET_H

#include <QString>
#include <QVariant>

class QWidget;

// The program's style sheets, compiled in as resources: the page area's (KestoAssistant.qss with
// KestoScrollBars.qss) and the one of the window parts outside it (KestoChrome.qss). Their rules
// select widgets by class, object name and dynamic properties; code that changes such a state
// sets the property through setState(), which re-polishes the widget so its look follows.
class StyleSheet
{
public:
    static QString pageArea();
    static QString chrome();
    // The page area's scroll bars alone, for the scroll area around it.
    static QString scrollBars();

    // Sets the dynamic property and, when its value changed, re-polishes the widget so the
    // sheet's rules are matched anew. Returns whether the value changed.
    static bool setState(QWidget *widget, const char *property, const QVariant &value);

private:
    static QString load(const QString &path);
};

#endif // SKYDESK_STYLESHEET_H
