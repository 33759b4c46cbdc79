#ifndef FCLINK_GLOBAL_H
#define FCLINK_GLOBAL_H

#include <QtCore/qglobal.h>

#if defined(FCLINK_LIBRARY)
#define FCLINK_EXPORT Q_DECL_EXPORT
#else
#define FCLINK_EXPORT Q_DECL_IMPORT
#endif

#endif // FCLINK_GLOBAL_H
