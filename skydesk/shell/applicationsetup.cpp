#include "applicationsetup.h"

#include "mainwidget.h"
#include "product/installlayout.h"
#include "product/programinformation.h"
#include "product/usersettingsfile.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/logcategories.h"
#include "skydesk/common/qtversion.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QThreadPool>

void prepareApplicationStart()
{
    useHighDpiPixmaps();
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

void identifyApplication()
{
    ProgramInformation::identify();
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTO_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/appicon.png")));
}

void adoptOldSettings()
{
    UserSettingsFile::adoptOldFile({QCoreApplication::applicationDirPath(), QDir::currentPath()});
}

void reportInstallation()
{
    qCDebug(lcShell) << "data folder" << InstallLayout::dataFolder();
    qCDebug(lcShell) << "settings file" << AppSettings::filePath();
    const QString feedback = mainWidget::feedbackProgram();
    if (feedback.isEmpty())
        qCWarning(lcShell) << "no feedback program beside"
                           << QCoreApplication::applicationDirPath();
    else
        qCDebug(lcShell) << "feedback program" << feedback;
}

void readFontListAhead()
{
    // The font database is shared by all threads and locks itself; the font found here stays in
    // this thread's cache, but the list read to find it is the one every later lookup uses.
    QThreadPool::globalInstance()->start(
        [] { QFontMetrics(QFont(QStringLiteral("Arial"))).height(); });
}
