#include "applicationsetup.h"

#include <QCoreApplication>

void prepareApplicationStart()
{
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}
