#ifndef TESTS_FIELDMARKS_H
#define TESTS_FIELDMARKS_H

#include "fclink/model/parameterfields.h"

#include <QString>
#include <QVariant>
#include <QWidget>

// What the page tests ask of the field table and of the marks the pages' binder sets.
namespace fieldmarks {

inline const fclink::ParameterField &fieldNamed(const char *name)
{
    const fclink::ParameterField *found = fclink::findParameterField(QLatin1String(name));
    Q_ASSERT(found);
    return *found;
}

// "pending", "outOfRange", or empty for a control without a mark.
inline QString markOf(const QWidget *control)
{
    return control->property("parameterState").toString();
}

} // namespace fieldmarks

#endif // TESTS_FIELDMARKS_H
