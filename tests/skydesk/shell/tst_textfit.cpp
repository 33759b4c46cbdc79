// Every text of the main window's pages and tabs and of the dialogs shows whole, in every
// language. Scale factor and font resolution are the process's, so ctest runs this program once
// per setting (100 %, 125 %, 150 %, 200 %, 144 dpi fonts); see CMakeLists.txt.
#include "product/fontscale.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/helpbrowser.h"
#include "skydesk/common/textroom.h"
#include "skydesk/common/windowfit.h"
#include "skydesk/history/configurationhistorydialog.h"
#include "skydesk/offline/comparisondialog.h"
#include "skydesk/pages/sensorscopewindow.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/recordings/recordingviewerwindow.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/mainwidget.h"
#include "skydesk/shell/toolwidget.h"
#include "skydesk/update/firmwareupgradedialog.h"
#include "skydesk/update/upgradewarningdialog.h"
#include "tests/support/recordingfiles.h"
#include "tests/support/textfit.h"
#include "ui_toolsettingpage.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A dialog fits a 1024 × 600 screen with a panel and its window frame beside it; scaled or with
// large fonts, the screen a pilot with that setting has.
QSize largestDialog()
{
    const QSize panelAndFrame(24, 40);
    if (textfit::settingName() == QLatin1String("100 %"))
        return QSize(1024, 600) - panelAndFrame;
    return textfit::emulatedScreen().size() - panelAndFrame;
}

// Whether a shown window keeps to its screen: wholly on it, or where its minimum size is
// larger, at that minimum from the screen's top left.
bool keepsToItsScreen(const QWidget *window)
{
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const bool across =
        frame.width() <= screen.width()
            ? frame.left() >= screen.left() && frame.right() <= screen.right()
            : window->width() == window->minimumWidth() && frame.left() == screen.left();
    const bool down =
        frame.height() <= screen.height()
            ? frame.top() >= screen.top() && frame.bottom() <= screen.bottom()
            : window->height() == window->minimumHeight() && frame.top() == screen.top();
    return across && down;
}

void showAndSettle(QWidget *widget)
{
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Every tab of every tab widget in view, one after another; check runs with each shown.
void forEveryTab(QWidget *root, const std::function<void(const QString &)> &check)
{
    const QList<QTabWidget *> tabWidgets = root->findChildren<QTabWidget *>();
    bool anyShown = false;
    for (QTabWidget *tabs : tabWidgets) {
        if (!tabs->isVisible())
            continue;
        anyShown = true;
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            check(tabs->tabText(i).trimmed());
        }
        tabs->setCurrentIndex(0);
    }
    if (!anyShown)
        check(QString());
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QStringList m_clipped;

    void collect(const QString &where, const QWidget *root)
    {
        textfit::saveShot(QLatin1String(QTest::currentDataTag()) + QLatin1Char(' ') + where, root);
        for (const QString &text : textfit::clippedTexts(root, &TextRoom::isElided))
            m_clipped << where + QStringLiteral(": ") + text;
    }

    // The pages may scroll up and down on a low screen, never sideways: every control shows
    // whole across.
    void collectBeyondRightEdge(const QString &where, const QWidget *viewport, const QWidget *page)
    {
        for (const QWidget *control : page->findChildren<QWidget *>()) {
            if (!control->isVisible() || control->window() != page->window())
                continue;
            const int right = control->mapTo(viewport, QPoint(control->width() - 1, 0)).x();
            if (right >= viewport->width())
                m_clipped << QStringLiteral("%1: %2 ends at %3 px, beyond the page area's %4 px")
                                 .arg(where, control->objectName())
                                 .arg(right + 1)
                                 .arg(viewport->width());
        }
    }

    // The help panels' text grows with the forms: none smaller than the documents' smallest
    // (11 px at 96 dpi) grown by the same factor.
    void collectSmallHelpText(const QString &where, const QWidget *page)
    {
        const int smallest = qRound(FontScale::scaled(11));
        for (const HelpBrowser *help : page->findChildren<HelpBrowser *>()) {
            if (!help->isVisible())
                continue;
            for (QTextBlock block = help->document()->begin(); block.isValid();
                 block = block.next()) {
                for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                    const QFont font = fragment.fragment().charFormat().font();
                    if (font.pixelSize() > 0 && font.pixelSize() < smallest)
                        m_clipped << QStringLiteral("%1: help text of %2 px, under %3 px")
                                         .arg(where)
                                         .arg(font.pixelSize())
                                         .arg(smallest);
                }
            }
        }
    }

    // Each cut text is a line of the log: the failure message alone would be cut short.
    void verifyNothingClipped()
    {
        m_clipped.removeDuplicates();
        for (const QString &line : qAsConst(m_clipped))
            qWarning().noquote() << "cut:" << line;
        QVERIFY2(m_clipped.isEmpty(), qPrintable(QStringLiteral("%1: %2 texts cut, listed above")
                                                     .arg(textfit::settingName())
                                                     .arg(m_clipped.size())));
    }

    void useLanguage(int language)
    {
        QFile::remove(AppSettings::filePath());
        QVERIFY(AppSettings::setLanguageCode(quint8(language)));
    }

private slots:
    // The offscreen platform's default font is 12 pt; the desktop's is what the program gets.
    // This is Qt's default under X11 without a desktop's settings (9 pt); QT_FONT_DPI=144 then
    // stands for a desktop with large fonts.
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9)); }

    void init() { m_clipped.clear(); }

    void cleanupTestCase() { QFile::remove(AppSettings::filePath()); }

    void languages_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(AppSettings::English);
        QTest::newRow("Chinese") << int(AppSettings::Chinese);
        QTest::newRow("German") << int(AppSettings::German);
    }

    void pagesShowEveryTextWhole_data() { languages_data(); }

    // The window loads the language's translation as at a start; every page (the internal one
    // too) and every tab on it is shown in turn.
    void pagesShowEveryTextWhole()
    {
        QFETCH(int, language);
        useLanguage(language);
        mainWidget window(nullptr, nullptr, true);
        showAndSettle(&window);
        window.fitInto(textfit::emulatedScreen());
        QCoreApplication::processEvents();
        QListWidget *pages = window.connectionBar()->pageList();
        collect(QStringLiteral("bars"), &window);
        for (int row = 0; row < pages->count(); ++row) {
            pages->setCurrentRow(row);
            QCoreApplication::processEvents();
            QWidget *page = window.pageArea()->pageStack()->currentWidget();
            const QString name = pages->item(row)->text();
            forEveryTab(page, [&](const QString &tab) {
                collect(name + " " + tab, page);
                collectBeyondRightEdge(name + " " + tab, window.pageScroller()->viewport(), page);
                collectSmallHelpText(name + " " + tab, page);
            });
        }
        verifyNothingClipped();
    }

    void dialogsShowEveryTextWholeAndFitASmallScreen_data() { languages_data(); }

    // The dialogs and windows the pages open: their texts whole, their size within a
    // 1024 × 600 screen.
    void dialogsShowEveryTextWholeAndFitASmallScreen()
    {
        QFETCH(int, language);
        useLanguage(language);
        mainWidget window(nullptr, nullptr, true);
        showAndSettle(&window);
        window.fitInto(textfit::emulatedScreen());
        const QString recording = m_dir.filePath(QStringLiteral("flight.csv"));
        QVERIFY(recordingfiles::write(recording, recordingfiles::recording(60)));

        QList<QPair<QString, QWidget *>> dialogs;
        dialogs << qMakePair(QStringLiteral("history"),
                             static_cast<QWidget *>(window.pageArea()->historyDialog()));
        ToolSettingPage *tools = window.pageArea()->toolSettingPage();
        window.connectionBar()->pageList()->setCurrentRow(contentWidget::ToolPage);
        tools->form()->pushButtonScope->click();
        QVERIFY(tools->sensorScope());
        dialogs << qMakePair(QStringLiteral("sensor scope"),
                             static_cast<QWidget *>(tools->sensorScope()));
        auto *comparison = new ComparisonDialog(&window);
        auto *upgrade = new FirmwareUpgradeDialog(&window);
        auto *warning = new UpgradeWarningDialog(&window);
        RecordingViewerWindow *viewer = RecordingViewerWindow::open(recording, &window);
        dialogs << qMakePair(QStringLiteral("comparison"), static_cast<QWidget *>(comparison))
                << qMakePair(QStringLiteral("firmware download"), static_cast<QWidget *>(upgrade))
                << qMakePair(QStringLiteral("upgrade warning"), static_cast<QWidget *>(warning))
                << qMakePair(QStringLiteral("recording viewer"), static_cast<QWidget *>(viewer));
        QTRY_VERIFY(!viewer->isReading());
        QStringList tooLarge;
        for (const auto &dialog : qAsConst(dialogs)) {
            showAndSettle(dialog.second);
            // Shown, a window keeps to its screen as far as its minimum size lets it; then it is
            // fitted as on the screen this setting stands for.
            if (dialog.second->isWindow()) {
                if (!keepsToItsScreen(dialog.second))
                    tooLarge << dialog.first + QStringLiteral(" leaves the screen");
                WindowFit::keepInside(dialog.second, QRect(QPoint(0, 0), largestDialog()));
            }
            forEveryTab(dialog.second, [&](const QString &tab) {
                collect(dialog.first + " " + tab, dialog.second);
            });
            const QSize size = dialog.second->size();
            if (size.width() > largestDialog().width() || size.height() > largestDialog().height())
                tooLarge << QStringLiteral("%1: %2 x %3")
                                .arg(dialog.first)
                                .arg(size.width())
                                .arg(size.height());
            dialog.second->hide();
        }
        verifyNothingClipped();
        QVERIFY2(tooLarge.isEmpty(),
                 qPrintable(textfit::settingName() + ":\n" + tooLarge.join('\n')));
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
