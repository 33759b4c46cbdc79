// The shell's own controls: status bar texts, sprite buttons, the title bar's drag zone, the
// link label, the connection bar, the page area's telemetry routing, the settings file and the
// help panels (documents, their links, missing documents).
#include "fclink/link/commrt.h"
#include "fclink/link/linkmessages.h"
#include "skydesk/common/appsettings.h"
#include "skydesk/common/clickedlabel.h"
#include "skydesk/common/documentfolder.h"
#include "skydesk/common/helpbrowser.h"
#include "skydesk/history/configurationhistorydialog.h"
#include "skydesk/pages/advancesettingpage.h"
#include "skydesk/pages/toolsettingpage.h"
#include "skydesk/shell/contentwidget.h"
#include "skydesk/shell/singleinstanceguard.h"
#include "skydesk/shell/statuswidget.h"
#include "skydesk/shell/sysbutton.h"
#include "skydesk/shell/titlewidget.h"
#include "skydesk/shell/toolwidget.h"
#include "skydesk/update/updatesettingpage.h"
#include "tests/support/pageundertest.h"
#include "ui_advancesettingpage.h"

#include <QtTest>
#include <QtWidgets>

namespace {

void sendEvent(QWidget *widget, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(widget, &event);
}

// Whether a connection exists: disconnect answers that, and the connection is then restored.
template <typename Receiver, typename Slot>
bool telemetryReaches(Commrt *link, Receiver *receiver, Slot slot)
{
    if (!QObject::disconnect(link, &Commrt::telemetryChanged, receiver, slot))
        return false;
    QObject::connect(link, &Commrt::telemetryChanged, receiver, slot);
    return true;
}

// Keeps sys.ini as it was before a test that writes it.
class SettingsFileBackup
{
public:
    SettingsFileBackup()
    {
        QFile file(AppSettings::filePath());
        m_existed = file.open(QIODevice::ReadOnly);
        if (m_existed)
            m_content = file.readAll();
        QFile::remove(AppSettings::filePath());
    }
    ~SettingsFileBackup()
    {
        QFileInfo info(AppSettings::filePath());
        if (info.isDir())
            QDir(info.filePath()).removeRecursively();
        QFile::remove(AppSettings::filePath());
        if (m_existed) {
            QFile file(AppSettings::filePath());
            if (file.open(QIODevice::WriteOnly))
                file.write(m_content);
        }
    }

private:
    bool m_existed = false;
    QByteArray m_content;
};

void writeRawLanguage(const QString &value)
{
    QSettings settings(AppSettings::filePath(), QSettings::IniFormat);
    settings.setValue("System/lang", value);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

// Clicks the first link to href in the panel, where it is drawn.
bool clickLink(HelpBrowser *browser, const QString &href)
{
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.position() + 1);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            const QPoint at = browser->cursorRect(cursor).center();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            return true;
        }
    }
    return false;
}

// Colour of the first text in the first block of the given heading level, or invalid.
QColor headingColour(const QTextDocument *document, int level)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == level && block.begin() != block.end())
            return block.begin().fragment().charFormat().foreground().color();
    }
    return QColor();
}

// The background colours of the document's tables' cells.
QSet<QString> cellColours(const QTextDocument *document)
{
    QSet<QString> colours;
    QTextFrame *root = document->rootFrame();
    for (QTextFrame *frame : root->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                const QBrush brush = table->cellAt(row, column).format().background();
                if (brush.style() != Qt::NoBrush)
                    colours << brush.color().name();
            }
        }
    }
    return colours;
}

} // namespace

// Stands in for the system's browser and mail program: QDesktopServices hands it the addresses.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void statusTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0 blanks") << 0 << QString(14, ' ');
        QTest::newRow("1") << 1 << "COMPort open successfully";
        QTest::newRow("2") << 2 << "COMPort open failed";
        QTest::newRow("3") << 3 << "Connection closed";
        QTest::newRow("4") << 4 << "Parameters uploaded";
        QTest::newRow("5") << 5 << "Uploading...";
        QTest::newRow("6") << 6 << "Parameters saved OK";
        QTest::newRow("7") << 7 << "Parameters saved error";
        QTest::newRow("8") << 8 << "Accelerometers calibrated OK";
        QTest::newRow("9") << 9 << "Accelerometers calibrated error";
        QTest::newRow("10") << 10 << "Gyros calibrated OK";
        QTest::newRow("11") << 11 << "Gyros calibrated error";
        QTest::newRow("12") << 12 << "Voltage calibrated OK";
        QTest::newRow("13") << 13 << "Voltage calibrated error";
    }

    void statusTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        statusWidget bar;
        bar.statusTextChanged(QStringLiteral("before"));
        bar.statusTextChanged(static_cast<quint16>(code));
        QCOMPARE(bar.statusText(), text);
    }

    // A screen reader reads each outcome: the notice is the status label's accessible name.
    // (The change and alert events need an active accessibility bridge, which the offscreen
    // platform does not start.)
    void noticesAreTheStatusLabelsAccessibleName()
    {
        statusWidget bar;
        bar.statusTextChanged(QStringLiteral("Parameters uploaded and verified"));
        QAccessibleInterface *label = nullptr;
        for (QLabel *child : bar.findChildren<QLabel *>()) {
            if (child->accessibleName() == QStringLiteral("Parameters uploaded and verified"))
                label = QAccessible::queryAccessibleInterface(child);
        }
        QVERIFY(label);
        bar.showWaitingForFirmware(true);
        QCOMPARE(label->text(QAccessible::Name),
                 QStringLiteral("The flight controller is waiting for firmware"));
    }

    void unknownStatusLeavesTextAndNoticesShowAsGiven()
    {
        statusWidget bar;
        bar.statusTextChanged(quint16(4));
        bar.statusTextChanged(quint16(14));
        QCOMPARE(bar.statusText(), QStringLiteral("Parameters uploaded"));
        bar.statusTextChanged(quint16(65535));
        QCOMPARE(bar.statusText(), QStringLiteral("Parameters uploaded"));
        bar.statusTextChanged(QStringLiteral("Calibrating, keep the aircraft still"));
        QCOMPARE(bar.statusText(), QStringLiteral("Calibrating, keep the aircraft still"));
        bar.onDisplayCloseCOMPort();
        QCOMPARE(bar.statusText(), QStringLiteral("Calibrating, keep the aircraft still"));
    }

    void longNoticesWrapOrAreElidedWithTheWholeTextInTheToolTip_data()
    {
        const QString byId =
            QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A9M2K7QX-if00-port0");
        QStringList captions;
        for (int i = 1; i <= 30; ++i)
            captions << QStringLiteral("Protect Volt %1").arg(i);
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("recording");
        QTest::addColumn<bool>("whole");
        QTest::newRow("permission denied: two lines")
            << statusWidget::textForOpenFailure(QStringLiteral("/dev/ttyUSB0"),
                                                fclink::PortOpenError::PermissionDenied)
            << false << true;
        QTest::newRow("lost port beside a recording: elided")
            << statusWidget::textForPortLost(byId) << true << false;
        QTest::newRow("cut upload of many fields: elided")
            << statusWidget::textForUploadInterrupted(byId, captions) << false << false;
    }

    // In the window's width a long notice wraps onto the bar's second line; one longer still is
    // elided, never cut, and whole in its tool tip. The recording and connection texts beside it
    // stay whole, and a warning is in the log whatever the bar shows of it.
    void longNoticesWrapOrAreElidedWithTheWholeTextInTheToolTip()
    {
        QFETCH(QString, notice);
        QFETCH(bool, recording);
        QFETCH(bool, whole);
        QWidget window; // as wide as the main window, which holds the bar
        window.setFixedSize(850, 40);
        auto *column = new QVBoxLayout(&window);
        column->setContentsMargins(0, 0, 0, 0);
        auto *barInWindow = new statusWidget(&window);
        column->addWidget(barInWindow);
        statusWidget &bar = *barInWindow;
        bar.connectTextChanged(0);
        const QString recordingText =
            recording ? QStringLiteral("Recording telemetry_20240102_030405.csv  12:34")
                      : QString();
        bar.recordingTextChanged(recordingText);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::ignoreMessage(QtWarningMsg, qPrintable("status: " + notice));
        bar.showNotice(notice, statusWidget::Severity::Warning);
        QCOMPARE(bar.width(), 850);
        QCOMPARE(bar.statusText(), notice);

        const auto labels = bar.findChildren<QLabel *>();
        QLabel *status = bar.findChild<QLabel *>(QStringLiteral("labelStatus"));
        QVERIFY(status);
        const QFontMetrics metrics(status->font());
        for (QLabel *label : labels) {
            const QStringList lines = label->text().split(QLatin1Char('\n'));
            for (const QString &line : lines) {
                const bool fits = metrics.horizontalAdvance(line) <=
                                  label->contentsRect().width() - 2 * label->margin();
                QVERIFY2(fits, qPrintable(label->objectName() + ": " + line));
            }
            QVERIFY2(lines.size() * metrics.lineSpacing() <= label->contentsRect().height(),
                     qPrintable(label->objectName() + ": " + label->text()));
            QVERIFY2(label->geometry().right() < 850, qPrintable(label->objectName()));
        }
        QCOMPARE(status->text().count(QLatin1Char('\n')), 1);
        if (whole) {
            QCOMPARE(status->text().replace(QLatin1Char('\n'), QLatin1Char(' ')), notice);
            QVERIFY(status->toolTip().isEmpty());
        } else {
            QVERIFY2(status->text().endsWith(QChar(0x2026)), qPrintable(status->text()));
            QCOMPARE(status->toolTip(), notice);
        }
        QCOMPARE(bar.recordingText(), recordingText);
        QCOMPARE(bar.connectionText(), QStringLiteral("Unconnected"));

        bar.showNotice(QStringLiteral("Reconnected"), statusWidget::Severity::Info);
        QCOMPARE(status->text(), QStringLiteral("Reconnected"));
        QVERIFY(status->toolTip().isEmpty());
    }

    void connectionTexts()
    {
        statusWidget bar;
        bar.connectTextChanged(1);
        QCOMPARE(bar.connectionText(), QStringLiteral("Connected"));
        bar.connectTextChanged(0);
        QCOMPARE(bar.connectionText(), QStringLiteral("Unconnected"));
        bar.connectTextChanged(2);
        QCOMPARE(bar.connectionText(), QString(6, ' '));
    }

    // The bar shows the link catalogue's text in every language: the translations moved with
    // the texts. Only warnings get a colour of their own; the link's failures stay white.
    void statusTextsComeFromTheLinkCatalogueInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("saved");
        QTest::newRow("English") << int(AppSettings::English) << "Parameters saved OK";
        QTest::newRow("Chinese") << int(AppSettings::Chinese) << QString::fromUtf8("参数保存成功");
        QTest::newRow("German") << int(AppSettings::German) << "Parameter erfolgreich gespeichert";
    }

    void statusTextsComeFromTheLinkCatalogueInEveryLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, saved);
        QTranslator translator;
        QVERIFY(translator.load(AppSettings::translationFile(quint8(language))));
        QCoreApplication::installTranslator(&translator);
        statusWidget bar;
        QPalette white = bar.palette();
        white.setColor(QPalette::WindowText, Qt::white);
        bar.setPalette(white);
        auto *label = bar.findChild<QLabel *>(QStringLiteral("labelStatus"));
        QVERIFY(label);
        for (quint16 code : LinkMessages::statusCodes()) {
            bar.statusTextChanged(code);
            QCOMPARE(bar.statusText(), LinkMessages::statusText(code));
            QCOMPARE(bar.statusSeverity(), LinkMessages::statusSeverity(code));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
        bar.statusTextChanged(quint16(6));
        const QString shown = bar.statusText();
        bar.connectTextChanged(0);
        const QString unconnected = bar.connectionText();
        bar.showNotice(QStringLiteral("lost"), statusWidget::Severity::Warning);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0xff, 0x60, 0x50));
        bar.statusTextChanged(quint16(7));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(shown, saved);
        QCOMPARE(unconnected == QStringLiteral("Unconnected"),
                 language == int(AppSettings::English));
    }

    // Fields the controller refused are named as the pages name them, in the pilot's language.
    void refusedFieldsAreNamedByTheirCaptions_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("English") << int(AppSettings::English) << "Max Altitude";
        QTest::newRow("Chinese") << int(AppSettings::Chinese) << QString::fromUtf8("最大高度");
        QTest::newRow("German") << int(AppSettings::German) << QString::fromUtf8("Max. Höhe");
    }

    void refusedFieldsAreNamedByTheirCaptions()
    {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QTranslator translator;
        QVERIFY(translator.load(AppSettings::translationFile(quint8(language))));
        QCoreApplication::installTranslator(&translator);
        const QString text = statusWidget::textForVerification(false, {"LimitAlt", "MotorIdel"});
        const QString cut = statusWidget::textForUploadInterrupted("ttyUSB0", {caption});
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(text.contains(caption), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("LimitAlt")) &&
                     !text.contains(QLatin1String("MotorIdel")),
                 qPrintable(text));
        QVERIFY2(cut.contains(caption) && cut.contains(QLatin1String("ttyUSB0")), qPrintable(cut));
    }

    void sysButtonStatesAndClickOnReleaseAnywhere()
    {
        QWidget window;
        window.resize(200, 100);
        auto *button = new sysButton(QStringLiteral("sys_button_close.png"), "Close", &window);
        QCOMPARE(button->size(), QSize(47, 22));
        QCOMPARE(button->toolTip(), QStringLiteral("Close"));
        QSignalSpy clicked(button, &QPushButton::clicked);
        QCOMPARE(button->state(), 0);
        sendEvent(button, QEvent::Enter);
        QCOMPARE(button->state(), 1);
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(button->state(), 2);
        sendEvent(button, QEvent::Leave); // dragged off while held
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 80));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(button->state(), 1);
        sendEvent(button, QEvent::Leave);
        QCOMPARE(button->state(), 0);
        QTest::mousePress(button, Qt::RightButton);
        QTest::mouseRelease(button, Qt::RightButton);
        QCOMPARE(clicked.count(), 2);

        sysButton small(QStringLiteral("title_bar_menu.png"), "Language");
        QCOMPARE(small.size(), QSize(33, 22));
    }

    // Picture buttons say what they are to a screen reader.
    void titleButtonsHaveAccessibleNames()
    {
        titleWidget title;
        QStringList names;
        for (const sysButton *button : title.findChildren<sysButton *>())
            names << button->accessibleName();
        names.sort();
        QCOMPARE(names, (QStringList{"Close", "Feedback", "Language", "Minimise"}));
    }

    void titleBarDragZone()
    {
        QWidget window;
        window.setGeometry(100, 100, 850, 600);
        auto *title = new titleWidget(&window);
        title->setGeometry(0, 0, 850, 25);
        const int w = title->width();

        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(w - 170, 10));
        QVERIFY(!title->isDragging());
        QMouseEvent heldMove(QEvent::MouseMove, QPoint(w - 150, 20), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
        QApplication::sendEvent(title, &heldMove);
        QCOMPARE(window.pos(), QPoint(100, 100));

        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(w - 171, 10));
        QVERIFY(title->isDragging());
        QMouseEvent drag(QEvent::MouseMove, QPoint(w - 171 + 30, 10 + 20), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(title, &drag);
        QCOMPARE(window.pos(), QPoint(130, 120));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(w - 141, 30));
        QVERIFY(!title->isDragging());

        QSignalSpy maximise(title, &titleWidget::showMax);
        QTest::mouseDClick(title, Qt::LeftButton, {}, QPoint(20, 10));
        QTest::mouseDClick(title, Qt::LeftButton, {}, QPoint(w - 100, 10));
        QCOMPARE(maximise.count(), 1); // only left of the buttons, and it is wired to nothing
        QCOMPARE(window.size(), QSize(850, 600));
    }

    void titleBarDragGoesToWindowSystem_data()
    {
        QTest::addColumn<bool>("systemTakesIt");
        QTest::newRow("the window system moves the window") << true;
        QTest::newRow("refused: the bar moves it") << false;
    }

    // A drag is handed to the window system on its first move, once; only where that is refused
    // does the bar move the window, by the pointer's way.
    void titleBarDragGoesToWindowSystem()
    {
        QFETCH(bool, systemTakesIt);
        QWidget window;
        window.setGeometry(100, 100, 850, 600);
        auto *title = new titleWidget(&window);
        title->setGeometry(0, 0, 850, 25);
        QList<QWindow *> asked;
        title->setSystemMove([&asked, systemTakesIt](QWindow *handle) {
            asked << handle;
            return systemTakesIt;
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();

        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(40, 10));
        for (const QPoint &to : {QPoint(60, 15), QPoint(80, 20)}) {
            QMouseEvent drag(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(title, &drag);
        }
        QCOMPARE(asked, QList<QWindow *>{window.windowHandle()});
        // Each move shifts the window by the pointer's way from the press (the events here keep
        // their positions while the window moves).
        QCOMPARE(window.pos(), systemTakesIt ? start : start + QPoint(20, 5) + QPoint(40, 10));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(80, 20));

        // The buttons' zone starts no drag, so nothing is handed over.
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(850 - 100, 10));
        QMouseEvent held(QEvent::MouseMove, QPoint(850 - 90, 12), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(title, &held);
        QCOMPARE(asked.size(), 1);
    }

    void clickedLabelUnderlinesAndRestores()
    {
        ClickedLabel label;
        label.setText(QStringLiteral("Check for new firmware"));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
        sendEvent(&label, QEvent::Enter);
        QCOMPARE(label.text(), QStringLiteral("<u>Check for new firmware</u>"));
        label.setText(QStringLiteral("changed while inside"));
        sendEvent(&label, QEvent::Leave);
        QCOMPARE(label.text(), QStringLiteral("Check for new firmware"));
        QSignalSpy clicked(&label, &ClickedLabel::clicked);
        QTest::mouseRelease(&label, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    // A keyboard user clicks the label as a button: Space and both Enter keys, nothing else.
    void clickedLabelTakesKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Space") << int(Qt::Key_Space) << 1;
        QTest::newRow("Return") << int(Qt::Key_Return) << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 1;
        QTest::newRow("a letter") << int(Qt::Key_A) << 0;
    }

    void clickedLabelTakesKeys()
    {
        QFETCH(int, key);
        QFETCH(int, clicks);
        ClickedLabel label;
        label.setText(QStringLiteral("Update Online"));
        QVERIFY(label.focusPolicy() & Qt::TabFocus);
        QSignalSpy clicked(&label, &ClickedLabel::clicked);
        QTest::keyClick(&label, Qt::Key(key));
        QCOMPARE(clicked.count(), clicks);
    }

    void connectButtonToggles()
    {
        toolWidget bar;
        QSignalSpy connectSpy(&bar, &toolWidget::serialConnect);
        QSignalSpy disconnectSpy(&bar, &toolWidget::serialDisconnect);
        QSignalSpy refresh(&bar, &toolWidget::askCommrtThreadUpdateDevices);

        bar.onDisplayCloseCOMPort(); // not connected: nothing happens
        QCOMPARE(disconnectSpy.count(), 0);

        QTest::mouseClick(bar.connectButton(), Qt::LeftButton);
        QCOMPARE(connectSpy.count(), 1);
        QCOMPARE(bar.connectButton()->text(), QStringLiteral("Disconnect"));
        QVERIFY(!bar.portSelector()->isEnabled());
        QVERIFY(bar.isConnected());

        bar.onDisplayCloseCOMPort();
        QCOMPARE(disconnectSpy.count(), 1);
        QCOMPARE(bar.connectButton()->text(), QStringLiteral("Connect"));
        QVERIFY(bar.portSelector()->isEnabled());

        bar.connectPort();
        bar.connectPort();
        QCOMPARE(connectSpy.count(), 2);
        QCOMPARE(disconnectSpy.count(), 2);
        QVERIFY(!bar.isConnected());

        QTest::mouseClick(bar.refreshButton(), Qt::LeftButton);
        QCOMPARE(refresh.count(), 1);
    }

    void pageListEntries()
    {
        toolWidget bar;
        QListWidget *list = bar.pageList();
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Setting"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Tool"));
        QCOMPARE(list->item(2)->text(), QStringLiteral("Info"));
        QCOMPARE(list->currentRow(), 0);
        for (int row = 0; row < 3; ++row)
            QVERIFY(!list->item(row)->icon().isNull());
    }

    // The page list takes no focus: Ctrl+1 ... Ctrl+4 choose the pages, as their tool tips say.
    void pagesHaveShortcuts()
    {
        toolWidget bar(nullptr, true);
        bar.show();
        QVERIFY(QTest::qWaitForWindowActive(&bar));
        QListWidget *list = bar.pageList();
        QCOMPARE(list->count(), 4);
        for (int row : {3, 1, 2, 0}) {
            const QString key = QStringLiteral("Ctrl+%1").arg(row + 1);
            QVERIFY2(list->item(row)->toolTip().endsWith(QStringLiteral("(%1)").arg(key)),
                     qPrintable(list->item(row)->toolTip()));
            QTest::keyClick(&bar, Qt::Key(Qt::Key_1 + row), Qt::ControlModifier);
            QCOMPARE(list->currentRow(), row);
        }
    }

    // A screen reader's bridge asks for the entries and where they lie as soon as the list exists,
    // before the window has its size: the entries still stand whole in one row once it is shown.
    void pageListKeepsOneRowWhenReadEarly()
    {
        toolWidget bar(nullptr, true);
        QListWidget *list = bar.pageList();
        QAccessibleInterface *read = QAccessible::queryAccessibleInterface(list);
        QVERIFY(read);
        for (int i = 0; i < read->childCount(); ++i)
            read->child(i)->rect();
        bar.resize(850, 100);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        for (int row = 0; row < list->count(); ++row) {
            const QRect entry = list->visualItemRect(list->item(row));
            QCOMPARE(entry.top(), list->visualItemRect(list->item(0)).top());
            QVERIFY2(entry.width() >= list->sizeHintForIndex(list->model()->index(row, 0)).width(),
                     qPrintable(list->item(row)->text()));
            QVERIFY(list->viewport()->rect().contains(entry));
        }
    }

    void selectedEntryTextFitsItsHighlight_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(AppSettings::English);
        QTest::newRow("Chinese") << int(AppSettings::Chinese);
        QTest::newRow("German") << int(AppSettings::German);
    }

    void selectedEntryTextFitsItsHighlight()
    {
        QFETCH(int, language);
        QTranslator translator;
        QVERIFY(translator.load(AppSettings::translationFile(quint8(language))));
        QCoreApplication::installTranslator(&translator);
        toolWidget bar(nullptr, true);
        QCoreApplication::removeTranslator(&translator);
        bar.resize(850, 100);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QListWidget *list = bar.pageList();
        // The selected text in a colour that neither the highlight nor the background has.
        list->setStyleSheet(list->styleSheet() + "QListWidget::item:selected{color:#ff00ff;}");
        for (int row = 0; row < list->count(); ++row) {
            list->setCurrentRow(row);
            const QImage shot = list->grab().toImage();
            const QRect entry = list->visualItemRect(list->item(row))
                                    .translated(list->viewport()->geometry().topLeft());
            // The highlight picture (74 x 66) is stretched over the entry; its rounded outline
            // runs 1.5 pixels inside its edge with a radius of 9 pixels.
            QPainterPath inside;
            inside.addRoundedRect(QRectF(2.5, 2.5, 69, 61), 8, 8);
            inside = QTransform::fromTranslate(entry.x(), entry.y())
                         .scale(entry.width() / 74.0, entry.height() / 66.0)
                         .map(inside);
            QRect text;
            for (int y = 0; y < shot.height(); ++y) {
                for (int x = 0; x < shot.width(); ++x) {
                    const QColor pixel = shot.pixelColor(x, y);
                    if (pixel.red() > 150 && pixel.blue() > 150 && pixel.green() < 110) {
                        text |= QRect(x, y, 1, 1);
                        QVERIFY2(inside.contains(QPointF(x + 0.5, y + 0.5)),
                                 qPrintable(QStringLiteral("%1: text at %2,%3 outside %4")
                                                .arg(list->item(row)->text())
                                                .arg(x)
                                                .arg(y)
                                                .arg(QString::number(entry.width()) + "x" +
                                                     QString::number(entry.height()))));
                    }
                }
            }
            // The whole text shows, not an elided part of it.
            const QFontMetrics metrics(list->item(row)->font());
            QVERIFY2(text.width() >= metrics.horizontalAdvance(list->item(row)->text()) - 4,
                     qPrintable(list->item(row)->text()));
        }
        // The list shows every entry whole, without a scroll bar.
        QVERIFY(!list->verticalScrollBar()->isVisible());
        QVERIFY(!list->horizontalScrollBar()->isVisible());
    }

    void preselection_data()
    {
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<int>("index");
        QTest::newRow("COM3 among COM1 COM3") << QStringList{"COM1", "COM3"} << "COM3" << 1;
        QTest::newRow("equal entry wins") << QStringList{"COM1", "COM10"} << "COM1" << 0;
        QTest::newRow("substring, last wins") << QStringList{"COM10", "COM11"} << "COM1" << 1;
        QTest::newRow("USB0 selects nothing") << QStringList{"COM1", "ttyUSB0"} << "USB0" << -1;
        QTest::newRow("device path") << QStringList{"/tmp/fc", "ttyS0"} << "/tmp/fc" << 0;
        QTest::newRow("nothing saved") << QStringList{"COM1"} << "" << -1;
        QTest::newRow("saved port gone") << QStringList{"COM1"} << "COM4" << -1;
    }

    void preselection()
    {
        QFETCH(QStringList, ports);
        QFETCH(QString, saved);
        QFETCH(int, index);
        QCOMPARE(toolWidget::preselectedIndex(ports, saved), index);

        // Wired as in the main window, the link's port name always equals the selector's text.
        toolWidget bar;
        Commrt *link = Commrt::createClass();
        QComboBox *selector = bar.portSelector();
        connect(selector, QOverload<int>::of(&QComboBox::currentIndexChanged), link,
                [&](int i) { link->portNameChanged(selector->itemText(i)); });
        bar.fillPorts(ports, saved);
        QCOMPARE(selector->currentIndex(), index >= 0 ? index : 0);
        QCOMPARE(link->getPortName(), selector->currentText());
        Commrt::destroyClass(link);
    }

    // A port that goes away (unplugged mid-flash) stays selected, so the link never opens or
    // probes another port by itself; it is selected still when it comes back. Only a port the
    // pilot left is dropped from the list.
    void selectionNeverMovesByItself()
    {
        toolWidget bar;
        Commrt *link = Commrt::createClass();
        QComboBox *selector = bar.portSelector();
        QStringList named; // every name the link was given
        connect(selector, QOverload<int>::of(&QComboBox::currentIndexChanged), link, [&](int i) {
            named << selector->itemText(i);
            link->portNameChanged(selector->itemText(i));
        });
        bar.updatePortCombo({});
        bar.updatePortCombo({"ttyS0"}); // nothing was selected: the first port is
        QCOMPARE(link->getPortName(), QStringLiteral("ttyS0"));
        bar.fillPorts({"/tmp/fc", "ttyS0"}, "/tmp/fc");
        QCOMPARE(link->getPortName(), QStringLiteral("/tmp/fc"));
        named.clear();

        bar.updatePortCombo({"ttyS0"}); // unplugged
        QCOMPARE(selector->currentText(), QStringLiteral("/tmp/fc"));
        QCOMPARE(link->getPortName(), QStringLiteral("/tmp/fc"));
        bar.updatePortCombo({"ttyS0", "ttyUSB1"});
        bar.updatePortCombo({"/tmp/fc", "ttyS0"}); // back on its path
        QCOMPARE(selector->currentText(), QStringLiteral("/tmp/fc"));
        QCOMPARE(selector->count(), 2);
        QVERIFY2(named.isEmpty(), qPrintable(named.join(QLatin1Char(' '))));

        selector->setCurrentIndex(selector->findText("ttyS0")); // the pilot's choice
        QCOMPARE(link->getPortName(), QStringLiteral("ttyS0"));
        bar.updatePortCombo({"ttyS0"});
        QCOMPARE(selector->count(), 1);
        QCOMPARE(link->getPortName(), QStringLiteral("ttyS0"));
        Commrt::destroyClass(link);
    }

    void telemetryReachesOnlyTheVisiblePage()
    {
        Commrt *link = Commrt::createClass();
        {
            toolWidget bar;
            contentWidget area(nullptr, link);
            connect(bar.pageList(), &QListWidget::currentItemChanged, &area,
                    &contentWidget::changePage);
            AdvanceSettingPage *setting = area.advanceSettingPage();
            ToolSettingPage *tools = area.toolSettingPage();
            QVERIFY(telemetryReaches(link, setting, &AdvanceSettingPage::updateTelemetryInfo));
            QVERIFY(!telemetryReaches(link, tools, &ToolSettingPage::updateTelemetryInfo));

            bar.pageList()->setCurrentRow(1);
            QCOMPARE(area.pageStack()->currentIndex(), 1);
            QVERIFY(!telemetryReaches(link, setting, &AdvanceSettingPage::updateTelemetryInfo));
            QVERIFY(telemetryReaches(link, tools, &ToolSettingPage::updateTelemetryInfo));

            bar.pageList()->setCurrentRow(2);
            QCOMPARE(area.pageStack()->currentIndex(), 2);
            QVERIFY(!telemetryReaches(link, setting, &AdvanceSettingPage::updateTelemetryInfo));
            QVERIFY(!telemetryReaches(link, tools, &ToolSettingPage::updateTelemetryInfo));

            bar.pageList()->setCurrentRow(0);
            QVERIFY(telemetryReaches(link, setting, &AdvanceSettingPage::updateTelemetryInfo));
            QVERIFY(!telemetryReaches(link, tools, &ToolSettingPage::updateTelemetryInfo));

            // A loaded parameter file is uploaded after the pages refresh.
            emit tools->configurationLoaded();
            QVERIFY(link->isUploadRequested());

            QSignalSpy notices(&area, &contentWidget::noticeStatusChanged);
            emit tools->noticeStatusChanged(QStringLiteral("notice"));
            QCOMPARE(notices.count(), 1);
            QSignalSpy takeover(&area, &contentWidget::displayCloseCOMPort);
            emit area.updatePage()->displayCloseCOMPort();
            QCOMPARE(takeover.count(), 1);
            QVERIFY(!area.styleSheet().isEmpty());
        }
        Commrt::destroyClass(link);
    }

    void settingsDefaultsAndLanguageCodes()
    {
        SettingsFileBackup backup;
        QCOMPARE(int(AppSettings::languageCode()), 0);
        QCOMPARE(AppSettings::savedPort(), QString());
        writeRawLanguage("3");
        QCOMPARE(int(AppSettings::languageCode()), 3);
        QVERIFY(AppSettings::translationFile(3).isEmpty());
        writeRawLanguage("256");
        QCOMPARE(int(AppSettings::languageCode()), 0);
        writeRawLanguage("258");
        QCOMPARE(int(AppSettings::languageCode()), 2);
        QVERIFY(AppSettings::translationFile(2).endsWith("/language/KestoAssistant_ge.qm"));
        QVERIFY(AppSettings::translationFile(1).endsWith("/language/KestoAssistant_zh.qm"));

        AppSettings::setLanguageCode(1);
        AppSettings::setSavedPort(QStringLiteral("/tmp/fc"));
        QSettings written(AppSettings::filePath(), QSettings::IniFormat);
        QCOMPARE(written.value("System/lang").toString(), QStringLiteral("1"));
        QCOMPARE(written.value("System/Port").toString(), QStringLiteral("/tmp/fc"));
        QCOMPARE(written.childGroups(), QStringList{"System"});
    }

    void unusableSettingsFileFallsBackToDefaults()
    {
        SettingsFileBackup backup;
        // A folder where the file should be: nothing can be read or written there.
        QVERIFY(QDir().mkpath(AppSettings::filePath()));
        QCOMPARE(int(AppSettings::languageCode()), 0);
        QCOMPARE(AppSettings::savedPort(), QString());
        // Writes fail quietly: nothing crashes and nothing replaces the folder.
        AppSettings::setSavedPort(QStringLiteral("COM3"));
        AppSettings::setLanguageCode(2);
        QVERIFY(QFileInfo(AppSettings::filePath()).isDir());
    }

    void writesReportWhetherTheyReachedTheFile()
    {
        SettingsFileBackup backup;
        QVERIFY(AppSettings::setSavedPort(QStringLiteral("ttyUSB0")));
        QVERIFY(AppSettings::setLanguageCode(AppSettings::German));
        QFile::remove(AppSettings::filePath());
        QVERIFY(QDir().mkpath(AppSettings::filePath()));
        QVERIFY(!AppSettings::setSavedPort(QStringLiteral("ttyUSB1")));
        QVERIFY(!AppSettings::setLanguageCode(AppSettings::Chinese));
        // Nothing reads back a value that never reached the file.
        QVERIFY(QDir(AppSettings::filePath()).removeRecursively());
        QVERIFY(AppSettings::setSavedPort(QStringLiteral("ttyUSB2")));
        QSettings written(AppSettings::filePath(), QSettings::IniFormat);
        QCOMPARE(written.allKeys(), QStringList{"System/Port"});
        QCOMPARE(int(AppSettings::languageCode()), 0);
    }

    void writesKeepOnlyTheTwoSettings()
    {
        SettingsFileBackup backup;
        // A damaged file: binary noise, stray groups and keys the program does not own.
        QFile damaged(AppSettings::filePath());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("[System]\nlang=2\nPort=ttyUSB0\nColour=blue\n"
                      "[Window Pos]\nx y=3\n\x01\x02\xff\xfe garbage \x80=\x81\n"
                      "[\xc3\x28 broken\n=lonely value\n");
        damaged.close();

        QVERIFY(AppSettings::setSavedPort(QStringLiteral("ttyACM0")));
        QFile written(AppSettings::filePath());
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        QVERIFY2(!text.contains('%'), text.constData());
        QSettings settings(AppSettings::filePath(), QSettings::IniFormat);
        QCOMPARE(settings.childGroups(), QStringList{"System"});
        QStringList keys = settings.allKeys();
        keys.sort();
        QCOMPARE(keys, (QStringList{"System/Port", "System/lang"}));
        QCOMPARE(settings.value("System/lang").toString(), QStringLiteral("2"));
        QCOMPARE(settings.value("System/Port").toString(), QStringLiteral("ttyACM0"));

        // A file without a language keeps none; only what is set is added.
        QFile::remove(AppSettings::filePath());
        QVERIFY(AppSettings::setSavedPort(QStringLiteral("COM3")));
        QSettings portOnly(AppSettings::filePath(), QSettings::IniFormat);
        QCOMPARE(portOnly.allKeys(), QStringList{"System/Port"});
    }

    void oneInstancePerProgramPath()
    {
        const QString program = QStringLiteral("/opt/kesto/Skydesk-test-%1")
                                    .arg(QRandomGenerator::global()->generate());
        auto first = std::make_unique<SingleInstanceGuard>(program);
        QVERIFY(first->tryAcquire());
        SingleInstanceGuard second(program);
        QVERIFY(!second.tryAcquire());
        SingleInstanceGuard otherProgram(program + QStringLiteral("-copy"));
        QVERIFY(otherProgram.tryAcquire());
        first.reset();
        QVERIFY(second.tryAcquire());
    }

    void lockOfACrashedCopyIsTakenOver()
    {
        const QString program = QStringLiteral("/opt/kesto/Skydesk-crashed-%1")
                                    .arg(QRandomGenerator::global()->generate());
        SingleInstanceGuard guard(program);
        QFile stale(guard.lockFilePath());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("999999\nSkydesk\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        QVERIFY(guard.tryAcquire());
    }

    void helpDocumentsBesideTheProgramComeFirst()
    {
        SettingsFileBackup backup;
        QTemporaryDir elsewhere;
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        Commrt *link = Commrt::createClass();
        QString shown;
        {
            AdvanceSettingPage page(nullptr, link);
            shown = page.form()->webViewMotor->source().toLocalFile();
        }
        Commrt::destroyClass(link);
        QDir::setCurrent(started);
        QCOMPARE(shown, QCoreApplication::applicationDirPath() + "/doc/en_US/Motor.html");
    }

    // A help panel names its missing document on the short page, and keeps its address.
    void missingHelpDocumentShowsAShortPage()
    {
        HelpBrowser view;
        const QString absent = documentFolder(0) + "Absent.html";
        view.showDocument(absent);
        const QString text = view.toPlainText();
        QVERIFY2(text.contains("This help page is not available"), qPrintable(text));
        QVERIFY2(text.contains("Absent.html"), qPrintable(text));
        QVERIFY2(view.address().endsWith("Absent.html"), qPrintable(view.address()));
    }

    // Every help view of the program is a help panel, under its own name.
    void everyHelpViewIsAHelpPanel()
    {
        SettingsFileBackup backup;
        PageUnderTest<contentWidget> fixture;
        contentWidget &area = *fixture.page();
        QStringList names;
        for (const HelpBrowser *view : area.findChildren<HelpBrowser *>())
            names << view->objectName();
        for (const HelpBrowser *view : area.historyDialog()->findChildren<HelpBrowser *>())
            names << view->objectName();
        names.sort();
        QCOMPARE(names, QStringList({"webView", "webViewFailSafe", "webViewHelp", "webViewIOC",
                                     "webViewLimit", "webViewMotor", "webViewVoltage"}));
        for (const HelpBrowser *view : area.findChildren<HelpBrowser *>())
            QVERIFY2(view->source().isLocalFile(), qPrintable(view->objectName()));
    }

    void helpLinks_data()
    {
        QTest::addColumn<QString>("href");
        QTest::addColumn<QString>("shownAfter"); // file name shown in the panel afterwards
        QTest::addColumn<QString>("opened");     // what went to the system's programs
        QTest::addColumn<bool>("missingPage");
        QTest::addColumn<bool>("byKeyboard"); // Tab to the link and Enter instead of a click
        QTest::newRow("another document") << "second.html"
                                          << "second.html" << QString() << false << false;
        QTest::newRow("another document by keyboard")
            << "second.html"
            << "second.html" << QString() << false << true;
        QTest::newRow("web page by keyboard") << "https://example.org/kesto/help"
                                              << "first.html"
                                              << "https://example.org/kesto/help" << false << true;
        QTest::newRow("document in the sibling folder")
            << "../other/third.html"
            << "third.html" << QString() << false << false;
        QTest::newRow("anchor in another document") << "second.html#bottom"
                                                    << "second.html" << QString() << false << false;
        QTest::newRow("web page") << "https://example.org/kesto/help"
                                  << "first.html"
                                  << "https://example.org/kesto/help" << false << false;
        QTest::newRow("plain web page") << "http://example.org/"
                                        << "first.html"
                                        << "http://example.org/" << false << false;
        QTest::newRow("mail") << "mailto:support@example.org"
                              << "first.html"
                              << "mailto:support@example.org" << false << false;
        QTest::newRow("missing document") << "gone.html"
                                          << "gone.html" << QString() << true << false;
        QTest::newRow("other scheme") << "ftp://example.org/file"
                                      << "first.html" << QString() << false << false;
    }

    void helpLinks()
    {
        QFETCH(QString, href);
        QFETCH(QString, shownAfter);
        QFETCH(QString, opened);
        QFETCH(bool, missingPage);
        QFETCH(bool, byKeyboard);

        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("en_US") && QDir(root.path()).mkpath("other"));
        const QString folder = root.path() + "/en_US/";
        const QByteArray filler = QByteArray("<p>Line of text.</p>").repeated(80);
        writeFile(folder + "first.html", "<html><body><h1>First</h1><p><a href=\"" + href.toUtf8() +
                                             "\">the link</a></p>" + filler + "</body></html>");
        writeFile(folder + "second.html", "<html><body><h1>Second</h1>" + filler +
                                              "<p><a name=\"bottom\"></a>Bottom</p>" + filler +
                                              "</body></html>");
        writeFile(root.path() + "/other/third.html", "<html><body><h1>Third</h1></body></html>");

        OpenedUrls system;
        for (const char *scheme : {"http", "https", "mailto", "ftp"})
            QDesktopServices::setUrlHandler(scheme, &system, "open");

        HelpBrowser browser;
        browser.resize(264, 367);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        browser.showDocument(QUrl::fromLocalFile(folder + "first.html").toString());
        QVERIFY(!browser.isBackwardAvailable());
        if (byKeyboard) {
            browser.setFocus();
            QTest::keyClick(&browser, Qt::Key_Tab);
            QCOMPARE(browser.textCursor().charFormat().anchorHref(), href);
            QTest::keyClick(&browser, Qt::Key_Return);
        } else {
            QVERIFY(clickLink(&browser, href));
        }

        for (const char *scheme : {"http", "https", "mailto", "ftp"})
            QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(QUrl(browser.address()).fileName(), shownAfter);
        QCOMPARE(system.urls.isEmpty() ? QString() : system.urls.first().toString(), opened);
        QCOMPARE(system.urls.size(), opened.isEmpty() ? 0 : 1);
        const QString text = browser.toPlainText();
        QCOMPARE(text.contains("This help page is not available"), missingPage);
        if (missingPage)
            QVERIFY(text.contains("gone.html"));
        if (href.contains("#bottom"))
            QVERIFY(browser.verticalScrollBar()->value() > 0);

        // A followed link can be gone back from; a document the page shows starts afresh.
        if (shownAfter != "first.html") {
            QVERIFY(browser.isBackwardAvailable());
            QTest::keyClick(browser.viewport(), Qt::Key_Left, Qt::AltModifier);
            QCOMPARE(QUrl(browser.address()).fileName(), QStringLiteral("first.html"));
            QVERIFY(browser.toPlainText().startsWith("First"));
        }
        browser.showDocument(QUrl::fromLocalFile(folder + "second.html").toString());
        QVERIFY(!browser.isBackwardAvailable());
    }

    void anchorInTheSameDocumentScrolls()
    {
        QTemporaryDir root;
        const QByteArray filler = QByteArray("<p>Line of text.</p>").repeated(80);
        writeFile(root.path() + "/long.html", "<html><body><p><a href=\"#end\">to the end</a></p>" +
                                                  filler + "<p><a name=\"end\"></a>The end</p>" +
                                                  filler + "</body></html>");
        HelpBrowser browser;
        browser.resize(264, 200);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        const QString address = QUrl::fromLocalFile(root.path() + "/long.html").toString();
        browser.showDocument(address);
        QCOMPARE(browser.verticalScrollBar()->value(), 0);
        QVERIFY(clickLink(&browser, "#end"));
        QVERIFY(browser.verticalScrollBar()->value() > 0);
        QCOMPARE(browser.source().adjusted(QUrl::RemoveFragment).toString(), address);
    }

    // Each document shows in a help panel as written: its style sheet found and applied (blue
    // headings), its note and safety boxes as coloured tables, its pictures found, no raw markup.
    void helpDocumentsRender_data()
    {
        QTest::addColumn<QString>("path");
        const QString base = QCoreApplication::applicationDirPath() + "/doc/";
        int count = 0;
        for (const char *language : {"en_US", "zh_CN", "de_GE"}) {
            const QDir folder(base + language);
            for (const QString &name : folder.entryList({"*.html"}, QDir::Files)) {
                QTest::newRow(qPrintable(QString("%1/%2").arg(language, name)))
                    << folder.filePath(name);
                ++count;
            }
        }
        QVERIFY2(count >= 48, qPrintable(QString::number(count)));
    }

    void helpDocumentsRender()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();

        HelpBrowser browser;
        browser.resize(264, 367);
        browser.showDocument(QUrl::fromLocalFile(path).toString());
        const QTextDocument *document = browser.document();
        const QString text = browser.toPlainText();
        QVERIFY(!text.contains("This help page is not available"));
        QVERIFY2(!text.contains('<') && !text.contains("{"), qPrintable(text.left(200)));
        QCOMPARE(headingColour(document, 1), QColor("#0b6e99"));
        if (html.contains("<h2"))
            QCOMPARE(headingColour(document, 2), QColor("#0b6e99"));

        const QSet<QString> colours = cellColours(document);
        if (html.contains("class=\"warning\""))
            QVERIFY2(colours.contains("#fff1c7"),
                     qPrintable(QStringList(colours.values()).join(' ')));
        if (html.contains("class=\"tip\""))
            QVERIFY2(colours.contains("#0b6e99"),
                     qPrintable(QStringList(colours.values()).join(' ')));

        // Pictures are found, and links lead to documents that are there.
        int pictures = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                const QUrl link = browser.source().resolved(format.anchorHref());
                if (format.isAnchor() && link.isLocalFile())
                    QVERIFY2(QFileInfo(link.toLocalFile()).isFile(), qPrintable(link.toString()));
                if (!format.isImageFormat())
                    continue;
                ++pictures;
                const QUrl name = browser.source().resolved(format.toImageFormat().name());
                const QVariant picture = browser.loadResource(QTextDocument::ImageResource, name);
                QVERIFY2(picture.isValid(), qPrintable(name.toString()));
            }
        }
        QCOMPARE(pictures, int(html.count("<img")));
    }

    void documentFolders()
    {
        // The build puts the documents beside the program (the tests lie there too).
        const QString base = QUrl::fromLocalFile(QCoreApplication::applicationDirPath()).toString();
        QCOMPARE(documentFolder(0), base + "/doc/en_US/");
        QCOMPARE(documentFolder(1), base + "/doc/zh_CN/");
        QCOMPARE(documentFolder(2), base + "/doc/de_GE/");
        // A code without a language of its own shows the English help, as it shows the English
        // interface, rather than "not available" on every page.
        for (const quint8 unknown : {quint8(3), quint8(17), quint8(255)}) {
            QCOMPARE(documentFolder(unknown), base + "/doc/en_US/");
            QVERIFY(QFileInfo(QUrl(documentFolder(unknown) + "Motor.html").toLocalFile()).isFile());
        }
        QVERIFY(QUrl(documentFolder(1) + "Motor.html").isLocalFile());
        QCOMPARE(QUrl(documentFolder(1) + "Motor.html").toLocalFile(),
                 QCoreApplication::applicationDirPath() + "/doc/zh_CN/Motor.html");
    }

    // Started from another folder (a menu starts programs in the home folder or in /), the
    // documents still come from the program's folder, even when the working folder has its own.
    void documentsDoNotFollowTheWorkingFolder()
    {
        const QString before = documentFolder(0);
        QTemporaryDir other;
        QVERIFY(QDir(other.path()).mkpath("doc/en_US"));
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(other.path()));
        const QString after = documentFolder(0);
        QDir::setCurrent(saved);
        QCOMPARE(after, before);
    }
};

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
