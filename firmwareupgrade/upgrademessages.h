#ifndef FIRMWAREUPGRADE_UPGRADEMESSAGES_H
#define FIRMWAREUPGRADE_UPGRADEMESSAGES_H

#include "fclink/messageseverity.h"
#include "firmwareupgrade_global.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The texts of an upgrade run's reports (UpgradeEvent::code), with their severities. The texts
// are translated in the context "UpgradeMessages" when the program has installed a translator,
// and English otherwise. Progress has no text here: each view words it its own way.
class FIRMWAREUPGRADE_EXPORT UpgradeMessages
{
    Q_DECLARE_TR_FUNCTIONS(UpgradeMessages)

public:
    // Every report code that has a text, in code order.
    static QVector<quint32> codes();
    // port names the port in the port reports (PortOpened, PortOpenFailed). A null string for
    // codes without a text.
    static QString text(quint32 code, const QString &port = QString());
    // Error for the reports of a failed upgrade; Info for codes without a text.
    static fclink::MessageSeverity severity(quint32 code);
};

#endif // FIRMWAREUPGRADE_UPGRADEMESSAGES_H
