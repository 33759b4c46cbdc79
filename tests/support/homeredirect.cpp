#include "homeredirect.h"

#include <QDir>

HomeRedirect::HomeRedirect(const QString &folder)
    : m_home(qgetenv("HOME")), m_config(qgetenv("XDG_CONFIG_HOME"))
{
    QDir().mkpath(folder);
    qputenv("HOME", folder.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (folder + QStringLiteral("/.config")).toLocal8Bit());
}

HomeRedirect::~HomeRedirect()
{
    qputenv("HOME", m_home);
    if (m_config.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_config);
}
