// Draws every help document the program shows into PNG files, for one language, to look at the
// documents as the pilot sees them and to compare two renderings (another Qt version, a changed
// style sheet) picture by picture:
//   <lang>_<document>.png        the main window (or the history or recording window) with the
//                                document in its help panel, as the pointer on the settings page
//                                or the page shown brings it up;
//   <lang>_<document>_whole.png  the whole document at its panel's width, nothing scrolled away.
// The program reads its language from the user's sys.ini; the tool sets it for its run and puts
// the file back as it was (help_shots.sh gives it a scratch configuration folder besides). Prints one line per picture.
//   helpshots OUTPUT_FOLDER [en|zh|ge]       (bench/help_shots.sh runs all three, offscreen)
#include "fclink/storage/telemetrycsv.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/helpbrowser.h"
#include "skydesk/history/configurationhistorydialog.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/recordings/recordingviewerwindow.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/toolwidget.h"
#include "skydesk/update/updatesettingpage.h"
#include "ui_advancesettingpage.h"
#include "ui_recordingviewerwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtMath>

#include <cstdio>

namespace {

const char *const kLanguageTags[] = {"en", "zh", "ge"};

// Puts sys.ini back as it was (or removes it) when the tool ends.
class SettingsFileKeeper
{
public:
    explicit SettingsFileKeeper(const QString &path) : m_path(path)
    {
        QFile file(path);
        m_existed = file.open(QIODevice::ReadOnly);
        m_content = file.readAll();
    }
    ~SettingsFileKeeper()
    {
        QFile::remove(m_path);
        QFile file(m_path);
        if (m_existed && file.open(QIODevice::WriteOnly))
            file.write(m_content);
    }
    SettingsFileKeeper(const SettingsFileKeeper &) = delete;
    SettingsFileKeeper &operator=(const SettingsFileKeeper &) = delete;

private:
    QString m_path;
    QByteArray m_content;
    bool m_existed = false;
};

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void movePointer(QWidget *group, const QPoint &at)
{
    QMouseEvent move(QEvent::MouseMove, at, group->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(group, &move);
}

// The pointer in the margin of every group (each panel back to its section's document), then,
// for a topic, inside that group.
void pointAt(AdvanceSettingPage *page, QGroupBox *topicGroup)
{
    for (QGroupBox *group : page->findChildren<QGroupBox *>())
        movePointer(group, QPoint(2, 2));
    if (topicGroup)
        movePointer(topicGroup, topicGroup->rect().center());
}

QString documentName(const HelpBrowser *panel)
{
    return QFileInfo(QUrl(panel->address()).fileName()).completeBaseName();
}

bool save(const QImage &picture, const QString &path)
{
    const bool saved = picture.save(path);
    std::printf("%-60s %4d x %4d%s\n", qPrintable(QFileInfo(path).fileName()), picture.width(),
                picture.height(), saved ? "" : "  NOT SAVED");
    return saved;
}

// The panel's document as laid out in the panel (same width, same line breaks), at full height,
// on the light ground of the group boxes.
QImage wholeDocument(const HelpBrowser *panel)
{
    QTextDocument *document = panel->document();
    const QSize size(panel->viewport()->width(), qCeil(document->size().height()));
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = panel->palette();
    document->documentLayout()->draw(&painter, context);
    return picture;
}

class HelpShots
{
public:
    HelpShots(mainWidget *window, const QString &prefix) : m_window(window), m_prefix(prefix) {}

    bool settingsPage()
    {
        AdvanceSettingPage *page = m_window->pageArea()->advanceSettingPage();
        Ui::AdvanceSettingPageUi *ui = page->form();
        const struct
        {
            QWidget *tab;
            HelpBrowser *panel;
            QGroupBox *topicGroup; // none: the section's own document
        } shots[] = {
            {ui->tab_4, ui->webViewMotor, nullptr},
            {ui->tab_4, ui->webViewMotor, ui->groupBoxMotorIdelSpeed},
            {ui->tab_5, ui->webViewFailSafe, nullptr},
            {ui->tab_5, ui->webViewFailSafe, ui->groupBoxEnhancedFailsafeMethods},
            {ui->tab_5, ui->webViewFailSafe, ui->groupBoxGoHomeHeading},
            // Hidden until the controller offers the switch; its panel shows the document all
            // the same.
            {ui->tab_5, ui->webViewFailSafe, ui->groupBoxGoHomeSwith},
            {ui->tab_6, ui->webViewIOC, nullptr},
            {ui->tab_6, ui->webViewIOC, ui->groupBoxIOC},
            {ui->tab_7, ui->webViewVoltage, nullptr},
            {ui->tab_7, ui->webViewVoltage, ui->groupBoxVoltage},
            {ui->tab, ui->webViewLimit, nullptr},
            {ui->tab, ui->webViewLimit, ui->groupBoxAltitudeLimit},
            {ui->tab, ui->webViewLimit, ui->groupBoxDistanceLimit},
            {ui->tab, ui->webViewLimit, ui->groupBoxForbidenAeraLimit},
        };
        bool saved = true;
        for (const auto &shot : shots) {
            ui->tabWidget->setCurrentWidget(shot.tab);
            settle(100);
            pointAt(page, shot.topicGroup);
            settle(300);
            saved &= saveBoth(m_window, shot.panel);
        }
        pointAt(page, nullptr);
        ui->tabWidget->setCurrentIndex(0);
        return saved;
    }

    bool infoPage()
    {
        m_window->connectionBar()->pageList()->setCurrentRow(2);
        settle(300);
        auto *panel = m_window->pageArea()->updatePage()->findChild<HelpBrowser *>();
        const bool saved = panel && saveBoth(m_window, panel);
        m_window->connectionBar()->pageList()->setCurrentRow(0);
        return saved;
    }

    bool historyWindow()
    {
        ConfigurationHistoryDialog *history = m_window->pageArea()->historyDialog();
        history->show();
        settle(500);
        auto *panel = history->findChild<HelpBrowser *>();
        const bool saved = panel && saveBoth(history, panel);
        history->hide();
        return saved;
    }

    // The viewer of a short recording, with its help tab shown.
    bool recordingViewer(const QString &recordingPath)
    {
        QByteArray csv = fclink::telemetryCsvHeader();
        for (int row = 0; row < 100; ++row)
            csv += fclink::telemetryCsvRow(row * 208, fclink::TelemetrySnapshot{});
        QFile file(recordingPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size())
            return false;
        file.close();
        QPointer<RecordingViewerWindow> viewer =
            RecordingViewerWindow::open(recordingPath, m_window);
        settle(1000);
        if (!viewer || !viewer->isVisible())
            return false;
        viewer->form()->tabWidgetSide->setCurrentWidget(viewer->form()->tabHelp);
        settle(300);
        const bool saved = saveBoth(viewer, viewer->form()->webViewHelp);
        viewer->close();
        return saved;
    }

private:
    bool saveBoth(QWidget *window, const HelpBrowser *panel)
    {
        const QString name = m_prefix + documentName(panel);
        return save(window->grab().toImage(), name + QStringLiteral(".png")) &&
               save(wholeDocument(panel), name + QStringLiteral("_whole.png"));
    }

    mainWidget *m_window;
    QString m_prefix;
};

int languageCode(const QString &tag)
{
    for (int code = 0; code < 3; ++code) {
        if (tag == QLatin1String(kLanguageTags[code]))
            return code;
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int code = languageCode(arguments.value(2, QStringLiteral("en")));
    if (arguments.size() < 2 || code < 0) {
        std::fprintf(stderr, "usage: helpshots OUTPUT_FOLDER [en|zh|ge]\n");
        return 2;
    }
    const QString folder = arguments.at(1);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder));
        return 1;
    }

    SettingsFileKeeper keeper(AppSettings::filePath());
    if (!AppSettings::setLanguageCode(quint8(code))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(AppSettings::filePath()));
        return 1;
    }
    bool saved = true;
    {
        mainWidget window(nullptr);
        window.show();
        settle(500);
        HelpShots shots(&window, folder + QLatin1Char('/') + QLatin1String(kLanguageTags[code]) +
                                     QLatin1Char('_'));
        saved &= shots.settingsPage();
        saved &= shots.infoPage();
        saved &= shots.historyWindow();
        QTemporaryDir scratch;
        saved &= shots.recordingViewer(scratch.filePath(QStringLiteral("telemetry.csv")));
    }
    return saved ? 0 : 1;
}
