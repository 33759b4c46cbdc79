#include "applicationsetup.h"

#include "skydesk/common/qtversion.h"

#include <QCoreApplication>

void prepareApplicationStart()
{
    useHighDpiPixmaps();
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}
