#ifndef SKYDESK_UPDATECONFIG_H
#define SKYDESK_UPDATECONFIG_H

#include <QByteArray>
#include <QString>

// The update server's record of the newest firmware of one product:
//
//   <anything name="QM-TV" version="105">
//     <files><file name="fw105.qmtvf" size="..." path="..."/></files>
//     <update><item content="first note line"/><item content="second"/></update>
//   </anything>
//
// Only the first child of "files" counts; every child of "update" with a "content" attribute
// gives one line of release notes. Names are matched exactly.
class UpdateConfig
{
public:
    // Reads a document; false when it does not parse or has no root element.
    bool parse(const QByteArray &document);

    bool hasName() const { return m_hasName; }
    QString productName() const { return m_productName; }
    // Whether the "version" attribute is a plain decimal number from 0 to 65535 (digits only).
    // Anything else (absent, signed, fractional, too large) is the server's error, not a
    // version.
    bool hasValidVersion() const { return m_hasValidVersion; }
    // The "version" attribute; 0 unless hasValidVersion().
    quint16 version() const { return m_version; }
    // Whether the root has a "files" child.
    bool hasFileEntry() const { return m_hasFileEntry; }
    // The "name" of the first child of "files", or empty.
    QString fileName() const { return m_fileName; }
    // The release notes, each line ended by "\r\n".
    QString content() const { return m_content; }

private:
    bool m_hasName = false;
    QString m_productName;
    quint16 m_version = 0;
    bool m_hasValidVersion = false;
    bool m_hasFileEntry = false;
    QString m_fileName;
    QString m_content;
};

#endif // SKYDESK_UPDATECONFIG_H
