#ifndef SKYDESK_PARAMETERWRITER_H
#define SKYDESK_PARAMETERWRITER_H

#include <QObject>
#include <QString>

// Writes single fields of the parameter block as a pilot's edit on a page is written (the page's
// checks and locks, then the upload), and tells of every edit that changed a value. The pages'
// binders are writers; the edit history takes edits back through the writer that made them,
// without knowing the pages.
class ParameterWriter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Stores value and requests the upload; false when the writer takes no edits now.
    virtual bool write(const char *fieldName, qint32 value) = 0;

signals:
    // A write changed the field's value (as BlockImage::value reads it), so it can be taken back.
    void edited(const QString &fieldName, qint32 before, qint32 after);
};

#endif // SKYDESK_PARAMETERWRITER_H
