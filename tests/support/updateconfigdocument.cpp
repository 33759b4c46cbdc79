#include "updateconfigdocument.h"

#include <QFile>

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
