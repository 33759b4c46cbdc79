#include "applicationsetup.h"
#include "mainwidget.h"
#include "mysplashscreen.h"
#include "product/programinformation.h"
#include "singleinstanceguard.h"
#include "skydesk/common/hidpipixmap.h"
#include "startoptions.h"
#include "terminationwatcher.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char *argv[])
{
    // Answered before anything of the window system is touched: no display is needed.
    if (ProgramInformation::isRequested(argc, argv))
        return ProgramInformation::answer(argc, argv, &StartOptions::describe);

    prepareApplicationStart();
    QApplication application(argc, argv);
    identifyApplication();

    SingleInstanceGuard guard(QCoreApplication::applicationFilePath());
    if (!guard.tryAcquire()) {
        QMessageBox::information(nullptr, QStringLiteral("Notice"),
                                 QStringLiteral("You have open a program!"), QMessageBox::Ok);
        return 0;
    }
    // From here on a request to end closes the window as its close button does.
    TerminationWatcher termination;
    adoptOldSettings();
    reportInstallation();

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
        // Only now: while the splash screen waits for the window, a close would hide the window
        // and leave the program running without one.
        QObject::connect(&termination, &TerminationWatcher::terminationRequested, &window,
                         &QWidget::close);
        if (termination.wasRequested())
            QTimer::singleShot(0, &window, &QWidget::close);
        window.openFiles(options.files());
        exitCode = QApplication::exec();
    }
    return exitCode;
}
