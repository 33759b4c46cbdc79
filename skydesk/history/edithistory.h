#ifndef SKYDESK_EDITHISTORY_H
#define SKYDESK_EDITHISTORY_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class ParameterWriter;

// The pilot's last committed edits on every page, newest last, so that Ctrl+Z can take them
// back one by one: each undo writes the field's earlier value through the writer (the page)
// that made the edit, which uploads it as every edit is uploaded. The history belongs to one block:
// whoever replaces the block from outside the pilot's edits (a read, an import, a restore) clears
// it, and a step whose field no longer holds what the edit left is not taken back.
class EditHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDepth = 20;

    explicit EditHistory(QObject *parent = nullptr);

    // One field's value before and after an edit.
    struct FieldStep
    {
        QString field;
        qint32 before;
        qint32 after;
    };

    void watch(ParameterWriter *writer);
    // Several fields changed at once (a preset), taken back together through writer.
    void recordTogether(ParameterWriter *writer, const QVector<FieldStep> &steps);
    int size() const { return m_edits.size(); }
    void clear() { m_edits.clear(); }

    // Takes back the newest edit. Returns what was undone for the status bar ("Undone: Max
    // Altitude 250 m → 120 m"), what was not ("Not undone: ..."), or an empty text when there
    // is nothing to take back or the page takes no edits now (the step stays).
    QString undo();

private:
    struct Edit
    {
        QPointer<ParameterWriter> writer;
        QVector<FieldStep> steps;
    };

    void record(ParameterWriter *writer, const QVector<FieldStep> &steps);

    QVector<Edit> m_edits;
    bool m_undoing = false;
};

#endif // SKYDESK_EDITHISTORY_H
