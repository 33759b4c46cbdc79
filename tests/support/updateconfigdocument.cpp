#include "updateconfigdocument.h"

#include <QFile>
#include <QTest>

QByteArray updateConfigDocument(const QString &product, int version, const QString &files,
                                const QString &notes)
{
    QFile file(QStringLiteral(KESTO_UPDATE_CONFIG_TEMPLATE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read the update-config template %s", KESTO_UPDATE_CONFIG_TEMPLATE);
    return QString::fromUtf8(file.readAll())
        .replace(QLatin1String("@PRODUCT@"), product)
        .replace(QLatin1String("@VERSION@"), QString::number(version))
        .replace(QLatin1String("@FILES@"), files)
        .replace(QLatin1String("@NOTES@"), notes)
        .toUtf8();
}

QByteArray withVersionText(QByteArray document, const QString &version)
{
    return document.replace("version=\"0\"", "version=\"" + version.toUtf8() + "\"");
}

void addBadServerVersionRows()
{
    QTest::addColumn<QString>("version");
    for (const char *bad : {"-1", "1.30", "", "abc", "65536", "+5", "0x20", " 120"})
        QTest::newRow(bad) << QString::fromLatin1(bad);
    // A line break after the digits, written as a character reference (a literal one would be
    // read as a space).
    QTest::newRow("120 and a line feed") << QStringLiteral("120&#10;");
}
