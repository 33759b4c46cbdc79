#include "softwareversion.h"

#include "product/installlayout.h"
#include "product/programinformation.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFile>

QString SoftwareVersion::installed()
{
    const QString fromFile =
        fromPackagesFile(InstallLayout::dataFolder() + QStringLiteral("/Packages.xml"));
    return fromFile.isEmpty() ? ProgramInformation::version() : fromFile;
}

QString SoftwareVersion::fromPackagesFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QDomDocument dom;
    if (!dom.setContent(&file))
        return QString();
    const QDomElement root = dom.documentElement();
    if (root.tagName() != QLatin1String("Packages"))
        return QString();
    QString version;
    for (QDomElement package = root.firstChildElement(QStringLiteral("Package")); !package.isNull();
         package = package.nextSiblingElement(QStringLiteral("Package"))) {
        for (QDomElement item = package.firstChildElement(QStringLiteral("Version"));
             !item.isNull(); item = item.nextSiblingElement(QStringLiteral("Version")))
            version = item.text().trimmed();
    }
    return version;
}
