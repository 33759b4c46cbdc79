#ifndef FCLINK_LINKMESSAGES_H
#define FCLINK_LINKMESSAGES_H

#include "fclink/fclink_global.h"
#include "fclink/messageseverity.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The texts of the link's status codes (Commrt::statusChangedText) and connection-state codes
// (Commrt::connectStateText), with their severities. The texts are translated in the context
// "LinkMessages" when the program has installed a translator, and English otherwise.
class FCLINK_EXPORT LinkMessages
{
    Q_DECLARE_TR_FUNCTIONS(LinkMessages)

public:
    // Every status code that has a text, in code order.
    static QVector<quint16> statusCodes();
    // A null string for codes without a text: they change nothing where the status shows.
    static QString statusText(quint16 code);
    static fclink::MessageSeverity statusSeverity(quint16 code);

    // Codes other than 0 and 1 never come from the link; they show as six spaces.
    static QString connectStateText(quint16 code);
    static fclink::MessageSeverity connectStateSeverity(quint16 code);
};

#endif // FCLINK_LINKMESSAGES_H
