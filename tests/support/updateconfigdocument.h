#ifndef TESTS_UPDATECONFIGDOCUMENT_H
#define TESTS_UPDATECONFIGDOCUMENT_H

#include <QByteArray>
#include <QString>

// An update-config document as the update server offers it, from the template the demo fills
// too (tools/demo/update-config.xml.in): product name, newest version in hundredths, and the
// <files> and <update> contents as XML.
QByteArray updateConfigDocument(const QString &product, int version, const QString &files,
                                const QString &notes);

#endif // TESTS_UPDATECONFIGDOCUMENT_H
