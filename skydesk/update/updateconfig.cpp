#include "updateconfig.h"

#include <QDomDocument>
#include <QDomElement>
#include <QRegularExpression>

bool UpdateConfig::parse(const QByteArray &document)
{
    *this = UpdateConfig();
    QDomDocument dom;
    if (!dom.setContent(document))
        return false;
    const QDomElement root = dom.documentElement();
    if (root.isNull())
        return false;
    m_hasName = root.hasAttribute(QStringLiteral("name"));
    m_productName = root.attribute(QStringLiteral("name"));
    const QString version = root.attribute(QStringLiteral("version"));
    // Anchored as a whole: "$" alone would also match before a line feed at the end.
    static const QRegularExpression plainNumber(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,5}")));
    if (plainNumber.match(version).hasMatch() && version.toInt() <= 0xFFFF) {
        m_hasValidVersion = true;
        m_version = static_cast<quint16>(version.toInt());
    }
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("files")) {
            m_hasFileEntry = true;
            m_fileName = child.firstChildElement().attribute(QStringLiteral("name"));
        } else if (child.tagName() == QLatin1String("update")) {
            for (QDomElement note = child.firstChildElement(); !note.isNull();
                 note = note.nextSiblingElement()) {
                if (note.hasAttribute(QStringLiteral("content")))
                    m_content += note.attribute(QStringLiteral("content")) + QStringLiteral("\r\n");
            }
        }
    }
    return true;
}
