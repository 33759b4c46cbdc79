#ifndef TESTS_UPDATECONFIGDOCUMENT_H
#define TESTS_UPDATECONFIGDOCUMENT_H

#include <QByteArray>
#include <QString>

// An update-config document as the update server offers it, from the template the demo fills
// too (tools/demo/update-config.xml.in): product name, newest version in hundredths, and the
// <files> and <update> contents as XML.
QByteArray updateConfigDocument(const QString &product, int version, const QString &files,
                                const QString &notes);

// The document with another text in its version attribute, which must hold "0" before.
QByteArray withVersionText(QByteArray document, const QString &version);

// Data rows, column "version", of server versions that are no plain 16-bit decimal number.
void addBadServerVersionRows();

#endif // TESTS_UPDATECONFIGDOCUMENT_H
