#ifndef SKYDESK_PARAMETERCOMPARISON_H
#define SKYDESK_PARAMETERCOMPARISON_H

#include "fclink/model/blockimage.h"

#include <QString>
#include <QVector>

namespace fclink {
struct ParameterField;
}

// The fields in which two parameter blocks differ, grouped as the pages show them.
struct FieldDifference
{
    const fclink::ParameterField *field;
    qint32 first; // as a parameter file holds it
    qint32 second;
    QString firstShown; // as the pilot reads it, with its unit or its choice's label
    QString secondShown;
};

struct DifferenceSection
{
    QString title; // "Setting – Fail-safe – Go-Home", in the program's language
    QVector<FieldDifference> differences;
};

// Only the fields whose bytes differ, in the order a pilot meets them: page, tab, group.
QVector<DifferenceSection> compareBlocks(const fclink::BlockImage &first,
                                         const fclink::BlockImage &second);

// Every field with a caption and its value in block (as both values), in the same sections: for
// choosing fields rather than comparing them.
QVector<DifferenceSection> listBlock(const fclink::BlockImage &block);

int differenceCount(const QVector<DifferenceSection> &sections);

#endif // SKYDESK_PARAMETERCOMPARISON_H
