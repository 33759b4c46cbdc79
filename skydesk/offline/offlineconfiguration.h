#ifndef SKYDESK_OFFLINECONFIGURATION_H
#define SKYDESK_OFFLINECONFIGURATION_H

#include "fclink/model/blockimage.h"
#include "fclink/model/parameterblock.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// A configuration edited without the controller: a parameter file, a snapshot or the field
// table's defaults, the edits made to it since it was last saved, and what its file holds, so
// that a save changes only the values of the fields that were edited and keeps every other byte
// of the file (the values as they were written, the order of the keys, the line ends).
class OfflineConfiguration
{
    Q_DECLARE_TR_FUNCTIONS(OfflineConfiguration)

public:
    // The field table's defaults, not saved to any file yet.
    static OfflineConfiguration fromDefaults();
    // A block from elsewhere (a snapshot) under a name, not saved to any file yet.
    static OfflineConfiguration fromBlock(const fclink::BlockImage &block, const QString &name);
    // A parameter file, checked as an import checks it; false with the reason otherwise.
    static bool fromFile(const QString &path, OfflineConfiguration *configuration, QString *error);

    // The file's name, or the name it was given.
    QString name() const { return m_name; }
    // The file it is saved to; empty until it has been saved to one.
    QString path() const { return m_path; }
    const fclink::BlockImage &block() const { return m_block; }
    const fclink::BlockImage &savedBlock() const { return m_saved; }
    bool isModified() const { return m_block != m_saved || (m_path.isEmpty() && m_edited); }

    // Writes the values, each cut to its field's width, and returns each field's value before
    // and after (as BlockImage::value reads it).
    QVector<fclink::FieldChange> write(const QVector<fclink::FieldValue> &values);
    // Drops the edits since the last save.
    void revert();

    // Writes the configuration back to its file; false with the reason when it cannot.
    bool save(QString *error);
    // Writes it to path (the suffix already chosen) and goes on with that file.
    bool saveAs(const QString &path, QString *error);

private:
    QString m_name;
    QString m_path;
    QByteArray m_contents; // the file as last read or written; empty without a file
    fclink::BlockImage m_saved;
    fclink::BlockImage m_block;
    bool m_edited = false; // written to since it was made, for one that has no file yet
};

#endif // SKYDESK_OFFLINECONFIGURATION_H
