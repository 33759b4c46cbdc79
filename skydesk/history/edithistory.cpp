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
                record(writer, {{field, before, after}});
            });
}

void EditHistory::recordTogether(ParameterWriter *writer, const QVector<FieldStep> &steps)
{
    if (!steps.isEmpty())
        record(writer, steps);
}

void EditHistory::record(ParameterWriter *writer, const QVector<FieldStep> &steps)
{
    if (m_undoing)
        return;
    m_edits.append({writer, steps});
    if (m_edits.size() > kDepth)
        m_edits.removeFirst();
}

QString EditHistory::undo()
{
    while (!m_edits.isEmpty()) {
        const Edit edit = m_edits.takeLast();
        if (!edit.writer)
            continue; // its page is gone
        const fclink::BlockImage block = fclink::ParameterBlock::copy();
        for (const FieldStep &step : edit.steps) {
            const fclink::ParameterField &changed = *fclink::findParameterField(step.field);
            const qint32 now = block.value(changed);
            if (now != step.after) {
                // Something else has changed the field since: the step's earlier value is stale.
                m_edits.clear();
                return tr("Not undone: %1 is %2 now, not %3")
                    .arg(fclink::fieldCaption(changed), fclink::formatValue(changed, now),
                         fclink::formatValue(changed, step.after));
            }
        }
        m_undoing = true;
        int written = 0;
        for (const FieldStep &step : edit.steps) {
            if (!edit.writer->write(step.field.toLatin1().constData(), step.before))
                break;
            ++written;
        }
        m_undoing = false;
        if (written == 0) {
            m_edits.append(edit); // the page is setting its own controls; try again later
            return QString();
        }
        if (edit.steps.size() > 1)
            return tr("Undone: %n parameter(s) of a preset", "", edit.steps.size());
        const FieldStep &step = edit.steps.constFirst();
        const fclink::ParameterField &field = *fclink::findParameterField(step.field);
        return tr("Undone: %1 %2 → %3")
            .arg(fclink::fieldCaption(field), fclink::formatValue(field, step.after),
                 fclink::formatValue(field, step.before));
    }
    return QString();
}
