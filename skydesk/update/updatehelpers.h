#ifndef SKYDESK_UPDATEHELPERS_H
#define SKYDESK_UPDATEHELPERS_H

#include <QString>

namespace update {

// A firmware version in hundredths as shown to the user: divided by 100 in single precision,
// two decimals (105 gives "1.05", 7 gives "0.07").
QString versionText(quint16 version);

// The log line both upgrade views show for an upgrade report; portLabel names the port in the
// port reports. A null string for codes without a text.
QString reportLine(quint32 code, const QString &portLabel);

} // namespace update

#endif // SKYDESK_UPDATEHELPERS_H
