#ifndef SKYDESK_MAINWIDGET_H
#define SKYDESK_MAINWIDGET_H

#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>

class Commrt;
struct PortInfo;
class MySplashScreen;
class QScreen;
class QScrollArea;
class QTranslator;
class contentWidget;
class statusWidget;
class titleWidget;
class toolWidget;

// The frameless main window: title bar, connection bar, page area and status bar over a painted
// rounded background. It owns the one link object, wires it to the bars and pages, and saves
// the port in use when it is destroyed at program end. With withInternalPage the page list and
// the page area also offer the internal parameter page.
class mainWidget : public QWidget
{
    Q_OBJECT

public:
    explicit mainWidget(MySplashScreen *splash, QWidget *parent = nullptr,
                        bool withInternalPage = false);
    ~mainWidget() override;

    Commrt *link() const { return m_link; }
    quint8 languageCode() const { return m_languageCode; }
    titleWidget *titleBar() const { return m_titleBar; }
    toolWidget *connectionBar() const { return m_connectionBar; }
    statusWidget *statusBar() const { return m_statusBar; }
    contentWidget *pageArea() const { return m_pageArea; }
    // The page area's frame, which scrolls when the screen has less room than the pages need.
    QScrollArea *pageScroller() const { return m_pageScroller; }

    // 850 × 600: the window's size wherever the screen has room for it.
    static QSize designedSize();
    // Takes the designed size (more where large fonts need it), or what the screen area has room
    // for (never less than the bars and a strip of the pages need), and moves a shown window
    // wholly onto the area.
    void fitInto(const QRect &available);

    // The program the feedback button starts: Saybox beside this program (".exe" on Windows),
    // never one from the working folder; empty when there is none.
    static QString feedbackProgram();

    // Opens files named on the command line, each as its kind asks: a recording in a viewer
    // beside this window, a parameter file offline on the pages. A kind it does not open is said in
    // a message box.
    void openFiles(const QStringList &paths);

public slots:
    void showMin();
    void showLanguage();
    void showFeedback();
    void setPicName(const QString &picName);
    void langChangeToEn();
    void langChangeToZh();
    void langChangeToGe();
    void changeListWidget(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // During a flash the window asks first, and closes once the stopped flash has ended;
    // otherwise it closes once what the pilot typed has reached the controller.
    void closeEvent(QCloseEvent *event) override;

private:
    void advanceSplash(int value, bool pause);
    QScrollArea *wrapInScroller(contentWidget *pageArea);
    void fitToScreen();
    QSize neededSize() const;
    int scrollBarExtent() const;
    // Keeps the window on the screen it is shown on, as that screen's free area changes.
    void followScreen(QScreen *screen);
    void loadTranslation();
    void connectBarsToLink();
    void connectLinkNotices();
    void connectUploadNotices();
    // Fills the port list from a scan of the ports (Commrt::availableDevices()).
    void fillPortList(const QList<PortInfo> &scanned);
    void connectPageArea();
    void connectUpgradeGuard();
    void changeLanguage(quint8 code, const QString &notice);
    void disconnectAfterPendingEdits();
    void showOfflineState();
    // At program end the window is going away, so the notice there has no parent.
    static void reportSettingNotSaved(QWidget *parent);
    static QString textForReplacedSettings();

    QString m_picName;
    QPixmap m_frame;
    Commrt *m_link = nullptr;
    quint8 m_languageCode = 0;
    toolWidget *m_connectionBar = nullptr;
    statusWidget *m_statusBar = nullptr;
    contentWidget *m_pageArea = nullptr;
    titleWidget *m_titleBar = nullptr;
    QScrollArea *m_pageScroller = nullptr;
    bool m_followsScreen = false;
    QMetaObject::Connection m_screenConnection;
    MySplashScreen *m_splash;
    QTranslator *m_translator = nullptr;
    // Counts disconnect requests and connects: a disconnect that waits for an upload is dropped
    // when the pilot connects again meanwhile.
    int m_connectionRequests = 0;
    // What to say when the port is reported lost right after an upload was cut off.
    QString m_uploadCutNotice;
    bool m_closeWhenSent = false;
    bool m_closeWhenFlashEnds = false;
};

#endif // SKYDESK_MAINWIDGET_H
