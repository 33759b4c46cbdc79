#include "glmainwidget.h"

#include "glcurlftp.h"
#include "glftpobject.h"
#include "glsayboxclient.h"
#include "gluploadstatus.h"
#include "logcategories.h"
#include "product/fontscale.h"
#include "product/installlayout.h"
#include "product/programinformation.h"
#include "product/usersettingsfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int WindowWidth = 602;
constexpr int WindowHeight = 342;

// Icons and pictures come sharp on screens that scale (each is also drawn at scale 2). Qt 6 always
// does so and has deprecated the attribute.
void useHighDpiPixmaps()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

} // namespace

GLMainWidget::GLMainWidget(QWidget *parent)
    : QWidget(parent), translator(new QTranslator(this)), clientWidget(nullptr),
      statusWidget(nullptr), layout(nullptr)
{
    installTranslator();

    setWindowTitle(tr("Feedback"));
    setWindowIcon(QIcon(QStringLiteral(":/images/images/saybox.png")));
    // Its forms grow with a desktop's large fonts, and the window with them.
    setFixedSize(qRound(FontScale::scaled(WindowWidth)), qRound(FontScale::scaled(WindowHeight)));
    centreOnPrimaryScreen();

    clientWidget = new GLSayboxClient(this);
    statusWidget = new GLUploadStatus(this);
    statusWidget->hide();

    layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(clientWidget);

    connect(clientWidget, &GLSayboxClient::startUpload, this, &GLMainWidget::goToStatusWidget);
    connect(statusWidget, &GLUploadStatus::returnToClient, this, &GLMainWidget::goToClientWidget);
    connect(clientWidget, &GLSayboxClient::uploadError, this, &GLMainWidget::uploadError);
    connect(clientWidget, &GLSayboxClient::uploadFinished, this, &GLMainWidget::uploadFinished);
    connect(clientWidget->ftpObject(), &GLFtpObject::submissionProgress, statusWidget,
            &GLUploadStatus::showProgress);
}

int GLMainWidget::runApplication(int &argc, char **argv,
                                 const std::function<void(GLMainWidget &)> &started)
{
    int status = 0;
    {
        useHighDpiPixmaps();
        QApplication application(argc, argv);
        ProgramInformation::identify();
        // The values of an earlier version's sys.ini, while the user has no file of their own.
        UserSettingsFile::adoptOldFile(
            {QCoreApplication::applicationDirPath(), QDir::currentPath()});
        // Qt 5 no longer ships "plastique"; Fusion is the closest of the built-in styles.
        QStyle *style = QStyleFactory::create(QStringLiteral("plastique"));
        if (!style)
            style = QStyleFactory::create(QStringLiteral("Fusion"));
        if (style)
            QApplication::setStyle(style);

        GLMainWidget window;
        window.show();
        if (started)
            started(window);
        status = QApplication::exec();
    }
    // The window is gone, and with it every session's client; their workers stop by themselves.
    // One that does not within the grace time does not keep the program: leave without
    // running the static destructors it might still touch.
    if (!GLCurlFtp::waitForWorkers(BusyWorkerGraceMsec)) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

int GLMainWidget::languageSetting()
{
    const QSettings settings(UserSettingsFile::path(), QSettings::IniFormat);
    return settings.value(QLatin1String(UserSettingsFile::LanguageKey), 0).toInt();
}

QString GLMainWidget::translationFile(const QString &dataFolder, int lang)
{
    switch (lang & 0xff) {
    case 0:
        return dataFolder + QStringLiteral("/language/saybox_en.qm");
    case 1:
        return dataFolder + QStringLiteral("/language/saybox_zh.qm");
    case 2:
        return dataFolder + QStringLiteral("/language/saybox_ge.qm");
    default:
        return QString();
    }
}

void GLMainWidget::installTranslator()
{
    const QString file = translationFile(InstallLayout::dataFolder(), languageSetting());
    if (!file.isEmpty() && !translator->load(file))
        qCWarning(lcSaybox) << "translation" << file << "could not be read: the texts stay English";
    QCoreApplication::installTranslator(translator);
}

void GLMainWidget::centreOnPrimaryScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
}

void GLMainWidget::goToStatusWidget()
{
    layout->removeWidget(clientWidget);
    layout->addWidget(statusWidget);
    statusWidget->show();
    statusWidget->showWaiting();
    clientWidget->hide();
}

void GLMainWidget::goToClientWidget()
{
    layout->removeWidget(statusWidget);
    layout->addWidget(clientWidget);
    statusWidget->hide();
    statusWidget->stopWaiting();
    clientWidget->show();
}

void GLMainWidget::closeEvent(QCloseEvent *event)
{
    GLFtpObject *uploader = clientWidget->ftpObject();
    if (uploader->isSending()) {
        QMessageBox question(QMessageBox::Question, tr("Notice"),
                             tr("Your feedback is still being sent. Stop sending?"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.button(QMessageBox::Yes)->setText(tr("Stop sending"));
        question.button(QMessageBox::No)->setText(tr("Keep sending"));
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        uploader->stopUpload();
    }
    event->accept();
}

void GLMainWidget::uploadError(qint8 error)
{
    Q_UNUSED(error)
    statusWidget->showFailure(clientWidget->ftpObject()->lastFailure());
}

void GLMainWidget::uploadFinished()
{
    statusWidget->showSuccess();
}
