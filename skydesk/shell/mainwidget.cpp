#include "mainwidget.h"

#include "applicationsetup.h"
#include "contentwidget.h"
#include "fclink/link/commrt.h"
#include "fclink/model/parameterformat.h"
#include "mysplashscreen.h"
#include "product/installlayout.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/hidpipixmap.h"
#include "skydesk/common/logcategories.h"
#include "skydesk/common/stylesheet.h"
#include "skydesk/common/windowfit.h"
#include "skydesk/offline/offlineeditor.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/recordings/recordingviewerwindow.h"
#include "skydesk/update/updatesettingpage.h"
#include "skydesk/update/upgradeguard.h"
#include "skydesk/update/upgradequestion.h"
#include "startoptions.h"
#include "statuswidget.h"
#include "titlewidget.h"
#include "toolwidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>
#include <future>

namespace {
constexpr int kSplashPauseMs = 200;
constexpr int kCornerRadius = 5;
// The window as designed; the pages are laid out at fixed places for the page area's size.
constexpr QSize kDesignedSize(850, 600);
constexpr QSize kPageAreaSize(850, 435);
// The background picture's bands behind the title and connection bars and the status bar.
constexpr int kFrameTopBand = 125;
constexpr int kFrameBottomBand = 40;

// A rectangle with rounded corners, made of rows (painting a bitmap of the whole window for
// the mask costs milliseconds at start).
QRegion roundedRegion(const QSize &size, int radius)
{
    QRegion region(0, radius, size.width(), size.height() - 2 * radius);
    for (int y = 0; y < radius; ++y) {
        const double fromCentre = radius - y - 0.5;
        const int inset =
            radius - int(std::lround(std::sqrt(radius * radius - fromCentre * fromCentre)));
        region += QRect(inset, y, size.width() - 2 * inset, 1);
        region += QRect(inset, size.height() - 1 - y, size.width() - 2 * inset, 1);
    }
    return region;
}
} // namespace

mainWidget::mainWidget(MySplashScreen *splash, QWidget *parent, bool withInternalPage)
    : QWidget(parent), m_splash(splash)
{
    // A damaged file is replaced before anything reads it, and the user is told below.
    const bool settingsReplaced = AppSettings::replaceIfDamaged();
    m_languageCode = AppSettings::languageCode();
    loadTranslation();

    setFixedSize(kDesignedSize);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    m_picName = QStringLiteral("://images/frame.png");
    // While the splash screen pauses, the font list is read and the pictures of the start decode
    // (the window's frame and the page area's background are the largest).
    readFontListAhead();
    HiDpiPixmap::preload(QStringList{m_picName, QStringLiteral("://images/bg.png")} +
                         AdvanceSettingPage::picturesAtStart(m_languageCode));
    advanceSplash(10, true);

    m_titleBar = new titleWidget(this);
    connect(m_titleBar, &titleWidget::showMin, this, &mainWidget::showMin);
    connect(m_titleBar, &titleWidget::showMenu, this, &mainWidget::showLanguage);
    connect(m_titleBar, &titleWidget::showFeedback, this, &mainWidget::showFeedback);
    advanceSplash(20, true);

    m_connectionBar = new toolWidget(this, withInternalPage);
    m_connectionBar->setFocus();
    advanceSplash(30, true);

    m_statusBar = new statusWidget(this);
    QPalette white = m_statusBar->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    m_statusBar->setPalette(white);
    advanceSplash(40, true);

    m_link = Commrt::createClass();
    // The port scan takes tens of milliseconds: it runs while the page area is built.
    std::future<QList<PortInfo>> portScan =
        std::async(std::launch::async, &Commrt::availableDevices);
    advanceSplash(50, false);

    m_pageArea = new contentWidget(this, m_link, withInternalPage);
    connectBarsToLink();
    fillPortList(portScan.get());
    m_link->start();
    advanceSplash(70, true);

    auto *column = new QVBoxLayout(this);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_titleBar);
    column->addWidget(m_connectionBar);
    m_pageArea->setContentsMargins(0, 0, 0, 0);
    column->addWidget(wrapInScroller(m_pageArea));
    column->addWidget(m_statusBar);
    fitToScreen();

    connectPageArea();
    if (settingsReplaced)
        m_statusBar->showNotice(textForReplacedSettings(), statusWidget::Severity::Warning);
    advanceSplash(100, true);
}

QString mainWidget::textForReplacedSettings()
{
    return tr("The settings file %1 was damaged and has been replaced; the language and port "
              "were kept where they could be read")
        .arg(QDir::toNativeSeparators(AppSettings::filePath()));
}

mainWidget::~mainWidget()
{
    if (!AppSettings::setSavedPort(m_link->getPortName()))
        reportSettingNotSaved(nullptr);
    m_link->stop();
    // At program end the event loop has already returned; the link then goes at once and its
    // destructor joins the worker thread.
    Commrt::destroyClass(m_link);
    m_link = nullptr;
}

// On a screen with less room than the window's designed size the page area scrolls, while the
// bars keep their places: the status bar is never off the screen.
QScrollArea *mainWidget::wrapInScroller(contentWidget *pageArea)
{
    m_pageScroller = new QScrollArea(this);
    m_pageScroller->setStyleSheet(StyleSheet::scrollBars());
    // The pages' controls end short of the area's right edge by more than a scroll bar's width,
    // so a window that scrolls only up and down needs no second scroll bar.
    const int scrollBar = scrollBarExtent();
    // The pages laid out by layouts may need more with large fonts.
    pageArea->setMinimumSize(QSize(kPageAreaSize.width() - scrollBar, kPageAreaSize.height())
                                 .expandedTo(pageArea->minimumSizeHint()));
    m_pageScroller->setObjectName(QStringLiteral("scrollAreaPages"));
    m_pageScroller->setFrameShape(QFrame::NoFrame);
    m_pageScroller->setWidgetResizable(true);
    // Only the pages' own controls take the focus; the area follows it to keep it in view.
    m_pageScroller->setFocusPolicy(Qt::NoFocus);
    m_pageScroller->setAutoFillBackground(false);
    m_pageScroller->viewport()->setAutoFillBackground(false);
    m_pageScroller->setWidget(pageArea);
    return m_pageScroller;
}

int mainWidget::scrollBarExtent() const
{
    QScrollBar *bar = m_pageScroller->verticalScrollBar();
    bar->ensurePolished();
    return bar->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar);
}

QSize mainWidget::designedSize()
{
    return kDesignedSize;
}

void mainWidget::fitToScreen()
{
    const QScreen *current = windowHandle() ? windowHandle()->screen() : screen();
    if (!current)
        return;
    fitInto(current->availableGeometry());
}

// What the bars and the pages need without scrolling: the designed size, or more with large fonts.
QSize mainWidget::neededSize() const
{
    const QSize pages = m_pageArea->minimumSize();
    // Pages larger than designed (scaled for large fonts) scroll up and down on a screen too low
    // for them: their width leaves room for the scroll bar.
    int width = pages.width() + scrollBarExtent();
    for (const QWidget *bar :
         {static_cast<const QWidget *>(m_titleBar), static_cast<const QWidget *>(m_connectionBar),
          static_cast<const QWidget *>(m_statusBar)})
        width = qMax(width, bar->minimumSizeHint().width());
    const int height =
        m_titleBar->height() + m_connectionBar->height() + pages.height() + m_statusBar->height();
    return kDesignedSize.expandedTo(QSize(width, height));
}

void mainWidget::fitInto(const QRect &available)
{
    const QSize size = WindowFit::fittedSize(neededSize(), layout()->minimumSize(), available);
    if (size != this->size())
        qCInfo(lcShell) << "window" << size << "on a screen area of" << available.size();
    setFixedSize(size);
    if (isVisible())
        move(WindowFit::placedInside(frameGeometry(), available));
}

void mainWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QWindow *handle = windowHandle();
    if (!handle || m_followsScreen)
        return;
    m_followsScreen = true;
    connect(handle, &QWindow::screenChanged, this, &mainWidget::followScreen);
    followScreen(handle->screen());
}

void mainWidget::followScreen(QScreen *screen)
{
    disconnect(m_screenConnection);
    if (!screen)
        return;
    m_screenConnection =
        connect(screen, &QScreen::availableGeometryChanged, this, &mainWidget::fitInto);
    fitInto(screen->availableGeometry());
}

void mainWidget::advanceSplash(int value, bool pause)
{
    if (m_splash)
        m_splash->setProgress(value);
    if (pause)
        QThread::msleep(kSplashPauseMs);
}

void mainWidget::loadTranslation()
{
    m_translator = new QTranslator(this);
    const QString file = AppSettings::translationFile(m_languageCode);
    if (!file.isEmpty() && !m_translator->load(file))
        qCWarning(lcShell) << "translation" << file << "could not be read: the texts stay English";
    else if (!file.isEmpty())
        qCDebug(lcShell) << "translation" << file;
    QApplication::installTranslator(m_translator);
}

void mainWidget::connectBarsToLink()
{
    connect(m_connectionBar, &toolWidget::askCommrtThreadUpdateDevices, m_link,
            &Commrt::refreshDevices);
    connect(m_link, &Commrt::updatePortNames, m_connectionBar, &toolWidget::updatePortCombo,
            Qt::DirectConnection);
    // Unsaved offline changes are saved or dropped before a controller is read.
    m_connectionBar->setConnectCheck(
        [this] { return m_pageArea->offlineEditor()->askAboutUnsavedChanges(); });
    connect(m_connectionBar, &toolWidget::serialConnect, m_link, [this] {
        ++m_connectionRequests;
        m_link->connectCom();
    });
    connect(m_connectionBar, &toolWidget::serialDisconnect, this,
            &mainWidget::disconnectAfterPendingEdits);
    // The text-carrying overload of currentIndexChanged is deprecated; this is its equivalent.
    QComboBox *selector = m_connectionBar->portSelector();
    connect(selector, QOverload<int>::of(&QComboBox::currentIndexChanged), m_link,
            [this, selector](int index) { m_link->portNameChanged(selector->itemText(index)); });
    connect(m_link, &Commrt::statusChangedText, m_statusBar,
            QOverload<quint16>::of(&statusWidget::statusTextChanged));
    connect(m_link, &Commrt::connectStateText, m_statusBar, &statusWidget::connectTextChanged);
    connectLinkNotices();
}

// What the link finds out by itself: the outcome of every upload, a device that went away or
// came back, a port that did not open and why.
void mainWidget::connectLinkNotices()
{
    connectUploadNotices();
    connect(m_link, &Commrt::portLost, m_connectionBar, &toolWidget::onPortLost);
    connect(m_link, &Commrt::portLost, m_statusBar, [this](const QString &portName) {
        // A lost upload says more than the lost port alone.
        const bool uploadCut = !m_uploadCutNotice.isEmpty();
        const QString text =
            uploadCut ? m_uploadCutNotice : statusWidget::textForPortLost(portName);
        m_uploadCutNotice.clear();
        m_statusBar->showNotice(text, statusWidget::Severity::Warning);
        if (uploadCut)
            m_statusBar->setNoticeToolTip(text); // the fields' list may be longer than the bar
    });
    connect(m_link, &Commrt::portReopened, m_connectionBar, &toolWidget::onPortReopened);
    connect(m_link, &Commrt::portReopened, m_statusBar, [this](const QString &portName) {
        m_statusBar->showNotice(statusWidget::textForPortReopened(portName),
                                statusWidget::Severity::Info);
    });
    connect(m_link, &Commrt::portShared, m_connectionBar, &toolWidget::onPortLost);
    connect(m_link, &Commrt::portShared, m_statusBar, [this](const QString &portName) {
        m_statusBar->showNotice(statusWidget::textForPortShared(portName),
                                statusWidget::Severity::Warning);
    });
    connect(m_link, &Commrt::portOpenFailed, m_connectionBar, &toolWidget::onPortLost);
    connect(m_link, &Commrt::portOpenFailed, m_statusBar,
            [this](const QString &portName, fclink::PortOpenError reason) {
                m_statusBar->showNotice(statusWidget::textForOpenFailure(
                                            portName, reason, m_link->lastOpenErrorString()),
                                        statusWidget::Severity::Warning);
            });
}

// The fields a notice names are the pilot's captions; a long list, which the bar may not show
// whole, is in its tool tip and in the log.
void mainWidget::connectUploadNotices()
{
    connect(m_link, &Commrt::uploadVerified, m_statusBar,
            [this](bool ok, const QStringList &fields) {
                const QString text = statusWidget::textForVerification(ok, fields);
                m_statusBar->showNotice(text, ok ? statusWidget::Severity::Info
                                                 : statusWidget::Severity::Warning);
                if (!ok) {
                    m_statusBar->setNoticeToolTip(text);
                    qCWarning(lcShell).noquote()
                        << "not accepted:" << fields.join(QStringLiteral(", "));
                }
            });
    connect(m_link, &Commrt::uploadResumed, m_statusBar, [this] {
        m_statusBar->showNotice(statusWidget::textForUploadResumed(), statusWidget::Severity::Info);
    });
    connect(m_link, &Commrt::uploadInterrupted, this,
            [this](const QString &portName, const QStringList &fields) {
                m_uploadCutNotice =
                    statusWidget::textForUploadInterrupted(portName, fclink::fieldCaptions(fields));
                qCWarning(lcShell).noquote()
                    << portName << "went away during the upload; not confirmed:"
                    << fields.join(QStringLiteral(", "));
            });
}

void mainWidget::disconnectAfterPendingEdits()
{
    const int request = ++m_connectionRequests;
    m_pageArea->sendPendingEditsThen([this, request] {
        if (request == m_connectionRequests)
            m_link->disconnectCom();
    });
}

void mainWidget::fillPortList(const QList<PortInfo> &scanned)
{
    m_connectionBar->fillPorts(m_link->getPortList(scanned), AppSettings::savedPort());
    // The link opens exactly what the selector shows.
    m_link->setPortName(m_connectionBar->portSelector()->currentText());
}

void mainWidget::connectPageArea()
{
    connect(m_link, &Commrt::parametersChanged, m_pageArea, &contentWidget::updateAllPages);
    connect(m_connectionBar->pageList(), &QListWidget::currentItemChanged, m_pageArea,
            &contentWidget::changePage);
    connect(m_pageArea, &contentWidget::changeListWidgetSignal, this,
            &mainWidget::changeListWidget);
    connect(m_pageArea, &contentWidget::noticeStatusChanged, m_statusBar,
            QOverload<const QString &>::of(&statusWidget::statusTextChanged));
    connect(m_pageArea, &contentWidget::recordingStatusChanged, m_statusBar,
            &statusWidget::recordingTextChanged);
    // The page area's displayCloseCOMPort() goes nowhere: the connection bar follows the upgrade
    // guard instead (locked while the upgrade holds the port, the link's port again afterwards),
    // and the status bar follows the link's own reports.
    connectUpgradeGuard();
    connect(m_pageArea, &contentWidget::offlineStateChanged, this, &mainWidget::showOfflineState);
}

// The window's title and the status bar say which configuration the pages show offline.
void mainWidget::showOfflineState()
{
    const QString title = m_pageArea->offlineEditor()->title();
    m_titleBar->setDocumentTitle(title);
    m_statusBar->setOfflineText(title);
    setWindowTitle(m_titleBar->titleText());
}

void mainWidget::connectUpgradeGuard()
{
    UpgradeGuard *guard = m_pageArea->updatePage()->upgradeGuard();
    connect(m_connectionBar, &toolWidget::serialConnect, guard, &UpgradeGuard::onConnectRequested);
    connect(m_connectionBar, &toolWidget::serialDisconnect, guard,
            &UpgradeGuard::onDisconnectRequested);
    // While a flash is prepared or runs nothing on the bar may take the port.
    connect(guard, &UpgradeGuard::busyChanged, m_connectionBar, &toolWidget::setPortControlsLocked);
    connect(guard, &UpgradeGuard::flashStarted, m_statusBar, &statusWidget::showUpgrading);
    connect(guard, &UpgradeGuard::flashEnded, this, [this, guard] {
        // The link has the port again only if the pilot had it before (and it is still there);
        // a controller left waiting for firmware keeps the status bar saying so.
        if (m_link->isPortOpen()) {
            m_connectionBar->showConnected();
            if (!guard->isWaitingForFirmware())
                m_statusBar->showUpgradeEnded();
        }
        if (m_closeWhenFlashEnds)
            close();
    });
    connect(guard, &UpgradeGuard::waitingForFirmwareChanged, m_statusBar,
            &statusWidget::showWaitingForFirmware);
    connect(guard, &UpgradeGuard::notice, m_statusBar,
            QOverload<const QString &>::of(&statusWidget::statusTextChanged));
}

void mainWidget::closeEvent(QCloseEvent *event)
{
    UpgradeGuard *guard = m_pageArea->updatePage()->upgradeGuard();
    if (guard->isFlashing()) {
        event->ignore();
        if (m_closeWhenFlashEnds || !UpgradeQuestion::confirmStop(this, guard->hasErased()))
            return;
        m_closeWhenFlashEnds = true;
        guard->stopFlash();
        return;
    }
    if (m_closeWhenSent) {
        QWidget::closeEvent(event);
        return;
    }
    m_pageArea->commitPendingEdits();
    if (!m_pageArea->offlineEditor()->askAboutUnsavedChanges()) {
        event->ignore();
        return;
    }
    event->ignore();
    // What the pilot typed goes to the controller first. The close runs again from the event
    // loop: a close cannot start inside the one that is being refused here.
    m_pageArea->sendPendingEditsThen([this] {
        m_closeWhenSent = true;
        QTimer::singleShot(0, this, &QWidget::close);
    });
}

void mainWidget::openFiles(const QStringList &paths)
{
    int viewers = 0;
    for (const QString &path : paths) {
        switch (StartOptions::kindOf(path)) {
        case StartOptions::FileKind::Recording:
            RecordingViewerWindow::open(path, this)->placeBeside(this, viewers++);
            break;
        case StartOptions::FileKind::Configuration: {
            QString error;
            if (!m_pageArea->offlineEditor()->openFile(path, &error) && !error.isEmpty())
                QMessageBox::warning(this, tr("Open File"), error);
            break;
        }
        case StartOptions::FileKind::Unknown:
            QMessageBox::warning(this, tr("Open File"),
                                 tr("%1 cannot be opened: Skydesk opens telemetry recordings "
                                    "(.csv) and parameter files (.conf) named on its command "
                                    "line.")
                                     .arg(QDir::toNativeSeparators(path)));
            break;
        }
    }
}

void mainWidget::showMin()
{
    showMinimized();
}

void mainWidget::showLanguage()
{
    QMenu menu(this);
    QAction *german = menu.addAction(tr("Germany"));
    QAction *english = menu.addAction(tr("English"));
    QAction *chinese = menu.addAction(tr("Chinese"));
    for (QAction *action : {german, english, chinese})
        action->setCheckable(true);
    if (m_languageCode == AppSettings::English)
        english->setChecked(true);
    else if (m_languageCode == AppSettings::Chinese)
        chinese->setChecked(true);
    else if (m_languageCode == AppSettings::German)
        german->setChecked(true);
    connect(english, &QAction::triggered, this, &mainWidget::langChangeToEn);
    connect(chinese, &QAction::triggered, this, &mainWidget::langChangeToZh);
    connect(german, &QAction::triggered, this, &mainWidget::langChangeToGe);
    menu.exec(mapToGlobal(QPoint(width() - 142, 30))); // under the language button
}

void mainWidget::changeLanguage(quint8 code, const QString &notice)
{
    // Stored now, used from the next start on: nothing else changes while the program runs.
    if (!AppSettings::setLanguageCode(code)) {
        reportSettingNotSaved(this);
        return;
    }
    QMessageBox box(QMessageBox::Information, tr("Info"), notice);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void mainWidget::reportSettingNotSaved(QWidget *parent)
{
    QMessageBox::warning(parent, tr("Info"),
                         tr("The setting could not be saved: %1 is not writable")
                             .arg(QDir::toNativeSeparators(AppSettings::filePath())));
}

void mainWidget::langChangeToEn()
{
    changeLanguage(AppSettings::English,
                   tr("<font color = 'red'>Please restart the application!</font>"));
}

void mainWidget::langChangeToZh()
{
    changeLanguage(AppSettings::Chinese,
                   QStringLiteral("<font color = 'red'>请重启应用程序!</font>"));
}

void mainWidget::langChangeToGe()
{
    changeLanguage(AppSettings::German,
                   QStringLiteral("<font color = 'red'>Bitte starten Sie die Anwendung!</font>"));
}

QString mainWidget::feedbackProgram()
{
    return InstallLayout::siblingProgram(QStringLiteral("Saybox"));
}

void mainWidget::showFeedback()
{
    // Detached: the feedback program lives on by itself, also after this program ends, and
    // leaves nothing behind here.
    const QString program = feedbackProgram();
    if (program.isEmpty() || !QProcess::startDetached(program, QStringList()))
        qCWarning(lcShell) << "cannot start the feedback program beside"
                           << QCoreApplication::applicationDirPath();
}

void mainWidget::setPicName(const QString &picName)
{
    m_picName = picName;
    m_frame = QPixmap();
    update();
}

void mainWidget::changeListWidget(int index)
{
    m_connectionBar->pageList()->setCurrentRow(index);
}

void mainWidget::paintEvent(QPaintEvent *)
{
    // The picture is decoded once per name and pixel density, not at every repaint: the bars
    // over it are transparent, so each of their updates paints this window again.
    const qreal ratio = devicePixelRatioF();
    if (m_frame.isNull() || !qFuzzyCompare(m_frame.devicePixelRatio(), ratio) ||
        HiDpiPixmap::logicalSize(m_frame) != size())
        m_frame = WindowFit::stretchedBands(HiDpiPixmap::load(m_picName, ratio), size(),
                                            kFrameTopBand, kFrameBottomBand);
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black));
    painter.setBrush(QBrush(m_frame));
    painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), kCornerRadius, kCornerRadius);
}

void mainWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    setMask(roundedRegion(size(), kCornerRadius));
}
