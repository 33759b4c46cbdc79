#include "applicationsetup.h"
#include "mainwidget.h"
#include "mysplashscreen.h"
#include "singleinstanceguard.h"
#include "skydesk/common/hidpipixmap.h"
#include "startoptions.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    prepareApplicationStart();
    QApplication application(argc, argv);

    SingleInstanceGuard guard(QCoreApplication::applicationFilePath());
    if (!guard.tryAcquire()) {
        QMessageBox::information(nullptr, QStringLiteral("Notice"),
                                 QStringLiteral("You have open a program!"), QMessageBox::Ok);
        return 0;
    }

    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    QApplication::setPalette(palette);

    auto *splash = new MySplashScreen(HiDpiPixmap::load(QStringLiteral(":/images/splash.png")));
    splash->show();
    QApplication::processEvents();

    const StartOptions options = StartOptions::fromArguments(QCoreApplication::arguments());
    int exitCode = 0;
    {
        mainWidget window(splash, nullptr, options.internalPage());
        window.setWindowTitle(QStringLiteral("KESTO Tarvel"));
        window.show();
        splash->finish(&window);
        delete splash;
        window.openFiles(options.files());
        exitCode = QApplication::exec();
    }
    return exitCode;
}
