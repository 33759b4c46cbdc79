#include "edithistory.h"

#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"
#include "skydesk/common/parameterwriter.h"

EditHistory::EditHistory(QObject *parent) : QObject(parent) {}

void EditHistory::watch(ParameterWriter *writer)
{
    connect(writer, &ParameterWriter::edited, this,
            [this, writer](const QString &field, qint32 before, qint32 after) {
                record(writer, field, before, after);
            });
}

void EditHistory::record(ParameterWriter *writer, const QString &field, qint32 before, qint32 after)
{
    if (m_undoing)
        return;
    m_edits.append({writer, field, before, after});
    if (m_edits.size() > kDepth)
        m_edits.removeFirst();
}

QString EditHistory::undo()
{
    while (!m_edits.isEmpty()) {
        const Edit edit = m_edits.takeLast();
        if (!edit.writer)
            continue; // its page is gone
        const fclink::ParameterField &changed = *fclink::findParameterField(edit.field);
        const qint32 now = fclink::ParameterBlock::copy().value(changed);
        if (now != edit.after) {
            // Something else has changed the field since: the step's earlier value is stale.
            m_edits.clear();
            return tr("Not undone: %1 is %2 now, not %3")
                .arg(fclink::fieldCaption(changed), fclink::formatValue(changed, now),
                     fclink::formatValue(changed, edit.after));
        }
        m_undoing = true;
        const bool written = edit.writer->write(edit.field.toLatin1().constData(), edit.before);
        m_undoing = false;
        if (!written) {
            m_edits.append(edit); // the page is setting its own controls; try again later
            return QString();
        }
        const fclink::ParameterField &field = *fclink::findParameterField(edit.field);
        return tr("Undone: %1 %2 → %3")
            .arg(fclink::fieldCaption(field), fclink::formatValue(field, edit.after),
                 fclink::formatValue(field, edit.before));
    }
    return QString();
}
