// The compiled-in resource sets of Skydesk and Saybox: every picture comes at scale 1 and 2,
// drawn (not blank) and the same drawing at both; every picture the programs open has its exact
// size; on a screen that scales by two (the suite runs again with QT_SCALE_FACTOR=2) icons,
// style sheet images and the pixmaps the program loads come sharp at their usual size; the
// sprites have four frames, the icon file loads, the pictures keep the contrast the white and
// black texts over them need, the advanced settings page gets distinct pictures for each switch
// position and button state, and the page style sheet loads, parses and finds every picture it
// names.
#include "skydesk/common/hidpipixmap.h"
#include "skydesk/common/qtversion.h"
#include "skydesk/shell/mysplashscreen.h"
#include "skydesk/shell/sysbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace {

const char *const styleSheetPath = ":/KestoAssistant.qss";

QByteArray readStyleSheet()
{
    QFile file(QString::fromLatin1(styleSheetPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The style sheet as the page area applies it: the bytes up to the first NUL, as Latin-1.
QString styleSheetText()
{
    const QByteArray bytes = readStyleSheet();
    const int nul = bytes.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? bytes : bytes.left(nul));
}

QImage load(const QString &path)
{
    QImage image(path);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// "images/a.png" drawn at scale 2: "images/a@2x.png".
QString doubled(const QString &path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

// The scale the screen asks pictures for: 2 on a screen that scales at all, else 1.
int pictureScale()
{
    return qApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

// Every picture of both programs at scale 1, as the resource system names it.
QStringList allPictures()
{
    QStringList pictures;
    QDirIterator it(QStringLiteral(":/images"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.contains(QLatin1String("@2x")))
            pictures << path;
    }
    pictures.sort();
    return pictures;
}

// Premultiplied, so that colours under full transparency do not count.
QImage premultiplied(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The mean difference per channel (0 to 255) of two pictures of one size.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage first = premultiplied(a);
    const QImage second = premultiplied(b);
    double sum = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb p = first.pixel(x, y);
            const QRgb q = second.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                   qAbs(qBlue(p) - qBlue(q)) + qAbs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * first.width() * first.height());
}

// A picture is drawn when a good share of it is covered and it is not one flat colour.
bool isDrawn(const QImage &image, QString *why)
{
    int covered = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 0)
                ++covered;
            if (colours.size() < 3)
                colours.insert(p);
        }
    }
    const int area = image.width() * image.height();
    *why = QStringLiteral("%1 of %2 pixels covered, %3 colours")
               .arg(covered)
               .arg(area)
               .arg(colours.size());
    return covered * 20 >= area && colours.size() >= 3;
}

// What the screen shows of a widget, in device pixels.
QImage screenImage(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// picture laid on a ground of one colour, as a widget shows it over its background.
QImage onGround(const QImage &picture, QRgb ground)
{
    QImage pixels = picture;
    pixels.setDevicePixelRatio(1.0);
    QImage result(pixels.size(), QImage::Format_ARGB32);
    result.fill(ground);
    QPainter painter(&result);
    painter.drawImage(0, 0, pixels);
    painter.end();
    return result;
}

// Mean of (r + g + b) / 3 over a band of rows.
double meanBrightness(const QImage &image, int top, int height)
{
    double sum = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
        }
    }
    return sum / (double(image.width()) * height);
}

// Mean of (r + g + b) / 3 over a rectangle.
double meanBrightness(const QImage &image, const QRect &rect)
{
    double sum = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
        }
    }
    return sum / (double(rect.width()) * rect.height());
}

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                ++count;
        }
    }
    return count;
}

int opaquePixels(const QImage &image, const QRect &rect, int threshold = 128)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qAlpha(image.pixel(x, y)) >= threshold)
                ++count;
        }
    }
    return count;
}

// Collects what Qt warns while a block runs, for example about a style sheet it cannot parse.
class WarningCollector
{
public:
    WarningCollector()
    {
        s_messages.clear();
        s_previous = qInstallMessageHandler(&handler);
    }
    ~WarningCollector() { qInstallMessageHandler(s_previous); }
    WarningCollector(const WarningCollector &) = delete;
    WarningCollector &operator=(const WarningCollector &) = delete;

    QStringList messages() const { return s_messages; }

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type != QtDebugMsg && type != QtInfoMsg)
            s_messages << text;
        if (s_previous)
            s_previous(type, context, text);
    }

    static QStringList s_messages;
    static QtMessageHandler s_previous;
};

QStringList WarningCollector::s_messages;
QtMessageHandler WarningCollector::s_previous = nullptr;

} // namespace

class TestSkydeskResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureComesAtBothScales_data();
    void everyPictureComesAtBothScales();
    void theProgramLoadsTheSharpPicture_data();
    void theProgramLoadsTheSharpPicture();
    void iconsAreSharp_data();
    void iconsAreSharp();
    void styleSheetImagesAreSharp();
    void titleButtonsAndSplashAreSharp();
    void pictureHasItsSize_data();
    void pictureHasItsSize();
    void spriteHasFourFrames_data();
    void spriteHasFourFrames();
    void closeButtonTurnsRedOnHover();
    void refreshIconLoads();
    void pageIconsAreDrawnOnTransparency_data();
    void pageIconsAreDrawnOnTransparency();
    void selectionGlowIsTranslucent();
    void splashKeepsItsProgressBandCalm();
    void windowBandsAreDarkForWhiteText();
    void pageBackgroundIsLightForDarkText();
    void settingsPicturesBringADarkGround_data();
    void settingsPicturesBringADarkGround();
    void levelButtonsAreSteelOrLit();
    void levelTrackRunsUnderEveryButton();
    void switchPositionsDiffer();
    void goHomeNamesShareOneDrawing_data();
    void goHomeNamesShareOneDrawing();
    void styleSheetLoads();
    void styleSheetNamesOnlyExistingPictures();
    void styleSheetStylesThePagesControls();
    void styleSheetParsesAndPaints();
};

void TestSkydeskResources::initTestCase()
{
    // As both programs do: icons hand out pixmaps for the screen's pixel density.
    useHighDpiPixmaps();
    qInfo("device pixel ratio %g", qApp->devicePixelRatio());
}

void TestSkydeskResources::everyPictureComesAtBothScales_data()
{
    QTest::addColumn<QString>("path");
    const QStringList pictures = allPictures();
    // Both programs' pictures: Skydesk's under images/, Saybox's under images/images/.
    QVERIFY(pictures.size() >= 60);
    QVERIFY(pictures.contains(QStringLiteral(":/images/splash.png")));
    QVERIFY(pictures.contains(QStringLiteral(":/images/images/smile.png")));
    for (const QString &path : pictures)
        QTest::newRow(qPrintable(path)) << path;
}

void TestSkydeskResources::everyPictureComesAtBothScales()
{
    QFETCH(QString, path);
    QImageReader normalReader(path);
    QImageReader sharpReader(doubled(path));
    const QImage normal = normalReader.read().convertToFormat(QImage::Format_ARGB32);
    const QImage sharp = sharpReader.read();
    QVERIFY2(!normal.isNull(), qPrintable(normalReader.errorString()));
    QVERIFY2(!sharp.isNull(), qPrintable(doubled(path) + ": " + sharpReader.errorString()));
    QCOMPARE(sharp.size(), normal.size() * 2);
    // Qt reads the "@2x" file as a picture for twice the pixel density: same size on screen.
    QCOMPARE(sharp.devicePixelRatio(), 2.0);

    QString why;
    QVERIFY2(isDrawn(normal, &why), qPrintable(why));
    QVERIFY2(isDrawn(sharp.convertToFormat(QImage::Format_ARGB32), &why), qPrintable(why));
    // The same drawing: the sharp picture, brought down to scale 1, is the normal one but for
    // the edges that the finer pixels draw more exactly.
    const QImage reduced =
        sharp.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanDifference(reduced, normal);
    QVERIFY2(difference < 6.0, qPrintable(QString::number(difference)));
}

void TestSkydeskResources::theProgramLoadsTheSharpPicture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    // The pictures the program loads as pixmaps by name (the rest are icons and style sheet
    // images, which Qt finds at scale 2 by itself).
    QTest::newRow("splash") << ":/images/splash.png" << QSize(517, 316);
    QTest::newRow("frame") << "://images/frame.png" << QSize(850, 600);
    QTest::newRow("bg") << "://images/bg.png" << QSize(850, 438);
    QTest::newRow("close sprite") << ":/images/sysButton/sys_button_close.png" << QSize(188, 22);
    QTest::newRow("gauge") << "://images/motor_idel_speed.png" << QSize(360, 120);
    QTest::newRow("track") << "://images/motor_idel_speed_button_bg.png" << QSize(360, 50);
    QTest::newRow("voltage") << "://images/current_voltage.png" << QSize(200, 120);
    QTest::newRow("stick") << "://images/stick_at_2.png" << QSize(110, 110);
    QTest::newRow("go-home") << "://images/GoHomeAlt_ge.png" << QSize(360, 200);
}

void TestSkydeskResources::theProgramLoadsTheSharpPicture()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QPixmap pixmap = HiDpiPixmap::load(path);
    QCOMPARE(HiDpiPixmap::logicalSize(pixmap), size);
    QCOMPARE(pixmap.size(), size * pictureScale());
    const QString drawn = pictureScale() == 2 ? doubled(path) : path;
    QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32), load(drawn));

    // Asked for by ratio: sharp for any screen that scales, the picture itself for one that
    // does not, and the picture itself where no sharp one exists.
    QCOMPARE(HiDpiPixmap::load(path, 1.5).devicePixelRatio(), 2.0);
    QCOMPARE(HiDpiPixmap::load(path, 1.0).size(), size);
    QCOMPARE(HiDpiPixmap::load(QStringLiteral(":/KestoAssistant.qss.png"), 2.0).isNull(), true);
}

void TestSkydeskResources::iconsAreSharp_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::newRow("page list") << ":/images/tool_advanced.png" << 48;
    QTest::newRow("internal page") << "://images/tool_internal.png" << 48;
    QTest::newRow("refresh") << ":/images/refresh.ico" << 16;
    QTest::newRow("feedback button") << ":/images/images/tubiao3.png" << 24;
    QTest::newRow("feedback window") << ":/images/images/saybox.png" << 64;
    // The status screen shows its result picture through an icon as well.
    QTest::newRow("feedback result") << ":/images/images/cry.png" << 96;
}

void TestSkydeskResources::iconsAreSharp()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    const QIcon icon(path);
    const QPixmap pixmap = icon.pixmap(QSize(size, size));
    QCOMPARE(pixmap.size(), QSize(size, size) * pictureScale());
    const QString drawn = pictureScale() == 2 ? doubled(path) : path;
    QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32), load(drawn));
}

void TestSkydeskResources::styleSheetImagesAreSharp()
{
    // A check box indicator (image) and a motor level button (border image) as the page style
    // sheet styles them, shown on the screen: each shows the picture drawn for the screen's
    // scale, not the normal one enlarged.
    QWidget area;
    area.setStyleSheet(styleSheetText());
    auto *box = new QCheckBox(&area);
    box->setChecked(true);
    box->move(10, 10);
    // The sheet styles the buttons of the motor idle speed box as level buttons.
    auto *levels = new QGroupBox(&area);
    levels->setObjectName(QStringLiteral("groupBoxMotorIdelSpeed"));
    levels->setGeometry(0, 30, 100, 70);
    auto *level = new QPushButton(levels);
    level->setGeometry(10, 10, 56, 34);
    area.resize(100, 100);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));

    const int scale = pictureScale();
    const QImage shown = screenImage(&area);
    struct Look
    {
        QRect rect;
        QString picture;
    };
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    const Look looks[] = {
        {indicator.translated(box->pos()), QStringLiteral(":/images/checkbox/checked.png")},
        {level->geometry().translated(levels->pos()),
         QStringLiteral(":/images/motor_idel_speed_btn.png")},
    };
    for (const Look &look : looks) {
        QCOMPARE(look.rect.size(), load(look.picture).size());
        const QRect onScreen(look.rect.topLeft() * scale, look.rect.size() * scale);
        const QImage part = shown.copy(onScreen);
        const QRgb ground = shown.pixel(onScreen.topLeft() - QPoint(2, 2));
        const QImage sharp =
            onGround(load(scale == 2 ? doubled(look.picture) : look.picture), ground);
        const QImage enlarged =
            onGround(load(look.picture)
                         .scaled(onScreen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                     ground);
        const double toSharp = meanDifference(part, sharp);
        QVERIFY2(toSharp < 2.0, qPrintable(look.picture + ": " + QString::number(toSharp)));
        if (scale == 2) {
            const double toEnlarged = meanDifference(part, enlarged);
            QVERIFY2(toSharp < toEnlarged,
                     qPrintable(look.picture +
                                QStringLiteral(": %1 >= %2").arg(toSharp).arg(toEnlarged)));
        }
    }
}

void TestSkydeskResources::titleButtonsAndSplashAreSharp()
{
    const int scale = pictureScale();
    // A title bar button shows the frame of its state from the sprite drawn for the screen.
    sysButton button(QStringLiteral("sys_button_close.png"), QStringLiteral("Close"));
    QCOMPARE(button.size(), QSize(47, 22));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    const QImage sprite =
        load(scale == 2 ? doubled(QStringLiteral(":/images/sysButton/sys_button_close.png"))
                        : QStringLiteral(":/images/sysButton/sys_button_close.png"));
    // Qt 6 tells a window shown under the pointer that the pointer entered it, so the button may
    // show its hovered frame: compare with the frame of the state it is in.
    const QImage stateFrame = sprite.copy(button.state() * 47 * scale, 0, 47 * scale, 22 * scale);
    const QImage shownButton = screenImage(&button);
    QCOMPARE(shownButton.size(), stateFrame.size());
    const QRgb ground = shownButton.pixel(1, 1);
    const double difference = meanDifference(shownButton, onGround(stateFrame, ground));
    QVERIFY2(difference < 2.0, qPrintable(QString::number(difference)));

    // The splash screen keeps its size and shows the picture drawn for the screen.
    MySplashScreen splash(HiDpiPixmap::load(QStringLiteral(":/images/splash.png")));
    QCOMPARE(splash.size(), QSize(517, 316));
    QCOMPARE(splash.pixmap().size(), QSize(517, 316) * scale);
}

void TestSkydeskResources::pictureHasItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QTest::newRow("splash") << "images/splash.png" << QSize(517, 316);
    QTest::newRow("frame") << "images/frame.png" << QSize(850, 600);
    QTest::newRow("bg") << "images/bg.png" << QSize(850, 438);
    QTest::newRow("bi") << "images/bi.png" << QSize(74, 66);
    QTest::newRow("menu") << "images/sysButton/title_bar_menu.png" << QSize(132, 22);
    QTest::newRow("feedback") << "images/sysButton/title_bar_feedback.png" << QSize(132, 22);
    QTest::newRow("min") << "images/sysButton/sys_button_min.png" << QSize(132, 22);
    QTest::newRow("close") << "images/sysButton/sys_button_close.png" << QSize(188, 22);
    QTest::newRow("advanced") << "images/tool_advanced.png" << QSize(48, 48);
    QTest::newRow("tools") << "images/tool_tools.png" << QSize(48, 48);
    QTest::newRow("info") << "images/tool_info.png" << QSize(48, 48);
    QTest::newRow("arrow") << "images/arrow_down.png" << QSize(12, 8);
    QTest::newRow("arrow disabled") << "images/arrow_down_disabled.png" << QSize(12, 8);
    for (const char *name : {"up", "down", "up_disabled", "down_disabled"}) {
        const QString path = QStringLiteral("images/spinbox/%1.png").arg(QLatin1String(name));
        QTest::newRow(qPrintable(path)) << path << QSize(9, 6);
    }
    for (const char *folder : {"checkbox", "radiobutton"}) {
        for (const char *state : {"unchecked", "checked"}) {
            for (const char *look : {"", "_hover", "_pressed", "_disabled"}) {
                const QString path =
                    QStringLiteral("images/%1/%2%3.png")
                        .arg(QLatin1String(folder), QLatin1String(state), QLatin1String(look));
                QTest::newRow(qPrintable(path)) << path << QSize(16, 16);
            }
        }
    }
    for (const char *look : {"", "_hover", "_pressed", "_disabled"}) {
        const QString path = QStringLiteral("images/slider/handle%1.png").arg(QLatin1String(look));
        QTest::newRow(qPrintable(path)) << path << QSize(18, 18);
    }

    // The advanced settings page.
    QTest::newRow("motor idle speed") << "images/motor_idel_speed.png" << QSize(360, 120);
    QTest::newRow("motor idle speed track")
        << "images/motor_idel_speed_button_bg.png" << QSize(360, 50);
    QTest::newRow("level button") << "images/motor_idel_speed_btn.png" << QSize(56, 34);
    QTest::newRow("level button lit") << "images/motor_idel_speed_btn_red.png" << QSize(56, 34);
    QTest::newRow("current voltage") << "images/current_voltage.png" << QSize(200, 120);
    for (int position = 1; position <= 3; ++position) {
        const QString path = QStringLiteral("images/stick_at_%1.png").arg(position);
        QTest::newRow(qPrintable(path)) << path << QSize(110, 110);
    }
    for (const char *kind : {"GoHomeHover", "GoHomeAlt"}) {
        for (const char *language : {"en", "zh", "ge"}) {
            const QString path = QStringLiteral("images/%1_%2.png")
                                     .arg(QLatin1String(kind), QLatin1String(language));
            QTest::newRow(qPrintable(path)) << path << QSize(360, 200);
        }
    }
}

void TestSkydeskResources::pictureHasItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    // The program opens its pictures both as ":/images/..." and as "://images/...", and each
    // comes at twice the size for screens that scale by two.
    for (const QString &prefix : {QStringLiteral(":/"), QStringLiteral("://")}) {
        for (int scale : {1, 2}) {
            const QString name = scale == 1 ? prefix + path : doubled(prefix + path);
            QImageReader reader(name);
            QVERIFY2(reader.canRead(), qPrintable(name + ": " + reader.errorString()));
            QCOMPARE(reader.format(), QByteArray("png"));
            QCOMPARE(reader.size(), size * scale);
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.size(), size * scale);
        }
    }
}

void TestSkydeskResources::spriteHasFourFrames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("frameWidth");

    QTest::newRow("menu") << "title_bar_menu.png" << 33;
    QTest::newRow("feedback") << "title_bar_feedback.png" << 33;
    QTest::newRow("min") << "sys_button_min.png" << 33;
    QTest::newRow("close") << "sys_button_close.png" << 47;
}

void TestSkydeskResources::spriteHasFourFrames()
{
    QFETCH(QString, file);
    QFETCH(int, frameWidth);

    const QImage sprite = load(QStringLiteral(":/images/sysButton/") + file);
    QVERIFY(!sprite.isNull());
    // The button divides the strip by four and shows one frame at its own size.
    QCOMPARE(sprite.width() / 4, frameWidth);
    QCOMPARE(sprite.width() % 4, 0);
    QCOMPARE(sprite.height(), 22);

    QVector<QImage> frames;
    for (int i = 0; i < 4; ++i) {
        const QImage frame = sprite.copy(i * frameWidth, 0, frameWidth, sprite.height());
        // The fourth frame, never shown, is a dimmed copy of the glyph.
        QVERIFY2(opaquePixels(frame, frame.rect(), i < 3 ? 160 : 40) > 8,
                 qPrintable(QStringLiteral("frame %1 shows no glyph").arg(i)));
        frames << frame;
    }
    // Normal, hovered and pressed differ from one another; the normal frame has a transparent
    // ground so the title bar shows through.
    QVERIFY(frames[0] != frames[1]);
    QVERIFY(frames[1] != frames[2]);
    QVERIFY(frames[0] != frames[2]);
    QCOMPARE(qAlpha(frames[0].pixel(2, 2)), 0);
    QCOMPARE(qAlpha(frames[0].pixel(frameWidth - 3, 19)), 0);
}

void TestSkydeskResources::closeButtonTurnsRedOnHover()
{
    const QImage sprite = load(QStringLiteral(":/images/sysButton/sys_button_close.png"));
    const QRgb hovered = sprite.pixel(47 + 6, 11);
    QCOMPARE(qAlpha(hovered), 255);
    QVERIFY(qRed(hovered) > 180);
    QVERIFY(qGreen(hovered) < 90);
    QVERIFY(qBlue(hovered) < 90);
}

void TestSkydeskResources::refreshIconLoads()
{
    QVERIFY2(QImageReader::supportedImageFormats().contains("ico"),
             "Qt's ico image plugin is missing");
    // The refresh button shows it at 16 pixels; the "@2x" file serves screens that scale by two.
    const QString names[] = {QStringLiteral(":/images/refresh.ico"),
                             QStringLiteral(":/images/refresh@2x.ico")};
    for (int scale : {1, 2}) {
        QImageReader reader(names[scale - 1]);
        QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
        QCOMPARE(reader.format(), QByteArray("ico"));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(16, 16) * scale);
        QVERIFY(opaquePixels(image, image.rect()) > image.width());
        QCOMPARE(qAlpha(image.pixel(0, image.height() - 1)), 0);
    }

    const QIcon icon(QStringLiteral(":/images/refresh.ico"));
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(!icon.pixmap(16, 16).isNull());
}

void TestSkydeskResources::pageIconsAreDrawnOnTransparency_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("advanced") << ":/images/tool_advanced.png";
    QTest::newRow("tools") << ":/images/tool_tools.png";
    QTest::newRow("info") << ":/images/tool_info.png";
}

void TestSkydeskResources::pageIconsAreDrawnOnTransparency()
{
    QFETCH(QString, path);
    const QImage icon = load(path);
    QCOMPARE(icon.size(), QSize(48, 48));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(47, 0)), 0);
    // A real drawing: a good part of the square is covered.
    QVERIFY(opaquePixels(icon, icon.rect()) > 400);
    // Light enough to read on the dark connection bar.
    double sum = 0;
    int count = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            const QRgb p = icon.pixel(x, y);
            if (qAlpha(p) == 255) {
                sum += (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
                ++count;
            }
        }
    }
    QVERIFY(count > 0);
    QVERIFY2(sum / count > 120, qPrintable(QString::number(sum / count)));
}

void TestSkydeskResources::selectionGlowIsTranslucent()
{
    const QImage glow = load(QStringLiteral(":/images/bi.png"));
    const QRgb middle = glow.pixel(37, 33);
    QVERIFY(qAlpha(middle) > 0);
    QVERIFY(qAlpha(middle) < 160);
    QVERIFY(qGreen(middle) > qRed(middle));
    QVERIFY(qBlue(middle) > qRed(middle));
}

void TestSkydeskResources::splashKeepsItsProgressBandCalm()
{
    // The splash screen lays a progress bar over y 304 to 311: the bottom 12 rows are one colour.
    const QImage splash = load(QStringLiteral(":/images/splash.png"));
    const QRgb ground = splash.pixel(0, 304);
    for (int y = 304; y < 316; ++y) {
        for (int x = 0; x < splash.width(); ++x)
            QCOMPARE(splash.pixel(x, y), ground);
    }
    QVERIFY(meanBrightness(splash, 304, 12) < 40);
}

void TestSkydeskResources::windowBandsAreDarkForWhiteText()
{
    const QImage frame = load(QStringLiteral(":/images/frame.png"));
    QVERIFY(meanBrightness(frame, 0, 25) < 70);   // title bar
    QVERIFY(meanBrightness(frame, 25, 100) < 70); // connection bar
    QVERIFY(meanBrightness(frame, 560, 40) < 70); // status bar
    QCOMPARE(qAlpha(frame.pixel(0, 0)), 255);
}

void TestSkydeskResources::pageBackgroundIsLightForDarkText()
{
    const QImage background = load(QStringLiteral(":/images/bg.png"));
    for (int band = 0; band < 438; band += 73)
        QVERIFY2(meanBrightness(background, band, 73) > 180, qPrintable(QString::number(band)));
}

void TestSkydeskResources::settingsPicturesBringADarkGround_data()
{
    QTest::addColumn<QString>("path");
    for (const char *name :
         {"motor_idel_speed", "motor_idel_speed_button_bg", "current_voltage", "stick_at_1",
          "stick_at_2", "stick_at_3", "GoHomeHover_en", "GoHomeHover_zh", "GoHomeHover_ge",
          "GoHomeAlt_en", "GoHomeAlt_zh", "GoHomeAlt_ge"}) {
        QTest::newRow(name) << QStringLiteral("://images/%1.png").arg(QLatin1String(name));
    }
}

void TestSkydeskResources::settingsPicturesBringADarkGround()
{
    // They sit on the page's light group boxes: each brings an opaque dark plate for its white
    // lettering and light marks, with rounded, transparent corners.
    QFETCH(QString, path);
    const QImage picture = load(path);
    QVERIFY(!picture.isNull());
    const QRect inside = picture.rect().adjusted(12, 12, -12, -12);
    QCOMPARE(opaquePixels(picture, inside, 255), inside.width() * inside.height());
    QVERIFY2(meanBrightness(picture, inside) < 90,
             qPrintable(QString::number(meanBrightness(picture, inside))));
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(picture.pixel(picture.width() - 1, 0)), 0);
}

void TestSkydeskResources::levelButtonsAreSteelOrLit()
{
    const QImage normal = load(QStringLiteral("://images/motor_idel_speed_btn.png"));
    const QImage lit = load(QStringLiteral("://images/motor_idel_speed_btn_red.png"));
    QCOMPARE(normal.size(), QSize(56, 34));
    QCOMPARE(lit.size(), QSize(56, 34));

    // Dark steel: a dim, cool grey-blue face.
    const QRgb steel = normal.pixel(28, 12);
    QCOMPARE(qAlpha(steel), 255);
    QVERIFY2(qBlue(steel) >= qRed(steel) && qBlue(steel) < 150,
             qPrintable(QString::number(steel, 16)));
    // Lit: a bright red-orange face.
    const QRgb red = lit.pixel(28, 12);
    QCOMPARE(qAlpha(red), 255);
    QVERIFY2(qRed(red) > 200 && qGreen(red) < 140 && qBlue(red) < 100,
             qPrintable(QString::number(red, 16)));
    QVERIFY(meanBrightness(lit, lit.rect()) > meanBrightness(normal, normal.rect()) + 30);

    // The style sheet rounds the buttons' corners by 5 pixels: the pictures do too.
    for (const QImage &button : {normal, lit}) {
        QCOMPARE(qAlpha(button.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(button.pixel(55, 33)), 0);
        QCOMPARE(qAlpha(button.pixel(28, 0)), 255);
        QCOMPARE(qAlpha(button.pixel(0, 17)), 255);
    }
}

void TestSkydeskResources::levelTrackRunsUnderEveryButton()
{
    const QImage track = load(QStringLiteral("://images/motor_idel_speed_button_bg.png"));
    QCOMPARE(track.size(), QSize(360, 50));
    // The form puts the five 56 x 34 buttons at x = 36, 108, 180, 252 and 324, y = 25 (centres).
    for (int i = 0; i < 5; ++i) {
        const QRect button(36 + 72 * i - 28, 25 - 17, 56, 34);
        QCOMPARE(opaquePixels(track, button, 255), button.width() * button.height());
    }
}

void TestSkydeskResources::switchPositionsDiffer()
{
    QVector<QImage> positions;
    for (int position = 1; position <= 3; ++position) {
        positions << load(QStringLiteral("://images/stick_at_%1.png").arg(position));
        QCOMPARE(positions.last().size(), QSize(110, 110));
    }
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b) {
            QVERIFY2(differingPixels(positions[a], positions[b]) > 500,
                     qPrintable(QStringLiteral("positions %1 and %2").arg(a + 1).arg(b + 1)));
        }
    }
}

void TestSkydeskResources::goHomeNamesShareOneDrawing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("hover") << "GoHomeHover";
    QTest::newRow("altitude") << "GoHomeAlt";
}

void TestSkydeskResources::goHomeNamesShareOneDrawing()
{
    // The diagrams carry no lettering (the page lays its translated step captions over them),
    // so the name of every language shows the one drawing, at both scales.
    QFETCH(QString, kind);
    for (int scale : {1, 2}) {
        QVector<QImage> variants;
        for (const char *language : {"en", "zh", "ge"}) {
            const QString path =
                QStringLiteral("://images/%1_%2.png").arg(kind, QLatin1String(language));
            variants << load(scale == 1 ? path : doubled(path));
            QCOMPARE(variants.last().size(), QSize(360, 200) * scale);
        }
        QCOMPARE(variants[1], variants[0]);
        QCOMPARE(variants[2], variants[0]);
    }
    // The two diagrams are different drawings.
    QVERIFY(differingPixels(load(QStringLiteral("://images/GoHomeHover_en.png")),
                            load(QStringLiteral("://images/GoHomeAlt_en.png"))) > 3000);
}

void TestSkydeskResources::styleSheetLoads()
{
    const QByteArray bytes = readStyleSheet();
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(bytes.indexOf('\0'), -1);
    // About 14 kB of the look itself, plus the rules of the pages' states (level buttons, lit
    // zones, edit marks) that were inline strings in the code before.
    QVERIFY2(bytes.size() >= 10 * 1024 && bytes.size() <= 24 * 1024,
             qPrintable(QString::number(bytes.size())));
    // Plain ASCII, so reading it as Latin-1 loses nothing.
    for (char c : bytes)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);

    QFile doubleSlash(QStringLiteral("://KestoAssistant.qss"));
    QVERIFY(doubleSlash.open(QIODevice::ReadOnly));
    QCOMPARE(doubleSlash.readAll(), bytes);
}

void TestSkydeskResources::styleSheetNamesOnlyExistingPictures()
{
    const QString sheet = styleSheetText();
    const QRegularExpression url(QStringLiteral("url\\(\\s*['\"]?([^'\")]+)['\"]?\\s*\\)"));
    QStringList names;
    auto it = url.globalMatch(sheet);
    while (it.hasNext())
        names << it.next().captured(1).trimmed();
    QVERIFY(names.size() >= 20);
    for (const QString &name : qAsConst(names)) {
        QVERIFY2(name.startsWith(QLatin1Char(':')), qPrintable(name));
        QVERIFY2(QFile::exists(name), qPrintable(name));
        QVERIFY2(!QImage(name).isNull(), qPrintable(name));
    }
    QVERIFY(names.contains(QStringLiteral(":/images/arrow_down.png")));
}

void TestSkydeskResources::styleSheetStylesThePagesControls()
{
    const QString sheet = styleSheetText();
    const QStringList selectors = {
        QStringLiteral("QTabWidget::pane"),
        QStringLiteral("QTabBar::tab"),
        QStringLiteral("QTabBar::tab:selected"),
        QStringLiteral("QGroupBox {"),
        QStringLiteral("QGroupBox::title"),
        QStringLiteral("subcontrol-origin: margin;"),
        QStringLiteral("subcontrol-position: top center;"),
        QStringLiteral("HelpBrowser {"),
        QStringLiteral("QComboBox::down-arrow"),
        QStringLiteral("QSpinBox::up-arrow"),
        QStringLiteral("QDoubleSpinBox::down-arrow"),
        QStringLiteral("QCheckBox::indicator:checked"),
        QStringLiteral("QRadioButton::indicator:unchecked"),
        QStringLiteral("QSlider::groove:horizontal"),
        QStringLiteral("QSlider::handle:horizontal"),
        QStringLiteral("QLineEdit:read-only"),
        QStringLiteral("QPushButton {"),
        QStringLiteral("QLabel#labelGoHomeStandby"),
        QStringLiteral("QLabel#labelGoHomeStart"),
        QStringLiteral("QLabel#labelDeviceId"),
    };
    for (const QString &selector : selectors)
        QVERIFY2(sheet.contains(selector), qPrintable(selector));

    // The go-home switch labels carry the grey plate the page restores when a zone goes dark.
    QVERIFY(sheet.contains(
        QStringLiteral("qlineargradient(x1:0,y1:0,x2:0,y2:1,stop: 0 #DDDDDD, stop: 0.4 #CCCCCC,")));
    QVERIFY(sheet.contains(QStringLiteral("border: 1px solid gray;")));
}

void TestSkydeskResources::styleSheetParsesAndPaints()
{
    QWidget area;
    area.resize(600, 360);
    auto *tabs = new QTabWidget(&area);
    tabs->setGeometry(5, 5, 590, 350);
    auto *page = new QWidget;
    tabs->addTab(page, QStringLiteral("   FailSafe  "));
    tabs->addTab(new QWidget, QStringLiteral("   Limits    "));
    auto *layout = new QGridLayout(page);

    auto *group = new QGroupBox(QStringLiteral("Go-Home Switch"));
    auto *groupLayout = new QGridLayout(group);
    auto *checked = new QCheckBox(QStringLiteral("Go-Home Enable"));
    checked->setChecked(true);
    auto *unchecked = new QCheckBox(QStringLiteral("Off"));
    auto *radio = new QRadioButton(QStringLiteral("Hover"));
    radio->setChecked(true);
    auto *standby = new QLabel(QStringLiteral("Standby"));
    standby->setObjectName(QStringLiteral("labelGoHomeStandby"));
    standby->setMinimumSize(80, 22);
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setRange(-100, 100);
    slider->setEnabled(false);
    groupLayout->addWidget(checked, 0, 0);
    groupLayout->addWidget(unchecked, 0, 1);
    groupLayout->addWidget(radio, 0, 2);
    groupLayout->addWidget(standby, 1, 0);
    groupLayout->addWidget(slider, 2, 0, 1, 3);
    layout->addWidget(group, 0, 0, 1, 2);

    auto *spin = new QSpinBox;
    spin->setRange(20, 500);
    auto *doubleSpin = new QDoubleSpinBox;
    auto *combo = new QComboBox;
    combo->addItems({QStringLiteral("Course Lock"), QStringLiteral("Point of Interest")});
    auto *readOnly = new QLineEdit(QStringLiteral("11.9"));
    readOnly->setReadOnly(true);
    auto *button = new QPushButton(QStringLiteral("Write Parameters to Flash"));
    // Like the motor level buttons: a fixed size from the form, no text.
    auto *level = new QPushButton;
    level->setFixedSize(30, 30);
    level->setCheckable(true);
    auto *deviceId = new QLabel(QStringLiteral("Kesto-Tarvel 2"));
    deviceId->setObjectName(QStringLiteral("labelDeviceId"));
    layout->addWidget(spin, 1, 0);
    layout->addWidget(doubleSpin, 1, 1);
    layout->addWidget(combo, 2, 0);
    layout->addWidget(readOnly, 2, 1);
    layout->addWidget(button, 3, 0);
    layout->addWidget(deviceId, 3, 1);
    layout->addWidget(level, 4, 0);

    QImage checkedLook;
    QImage uncheckedLook;
    QImage standbyLook;
    {
        WarningCollector warnings;
        area.setStyleSheet(styleSheetText());
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const QImage whole = area.grab().toImage();
        QVERIFY(!whole.isNull());
        checkedLook = checked->grab().toImage();
        uncheckedLook = unchecked->grab().toImage();
        standbyLook = standby->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(warnings.messages().isEmpty(), qPrintable(warnings.messages().join('\n')));
    }

    // The indicators come from the pictures: a checked box looks different from an empty one.
    QVERIFY(checkedLook != uncheckedLook);
    // The named label got its grey plate.
    const QRgb plate = standbyLook.pixel(4, standbyLook.height() / 2);
    QVERIFY2(qAbs(qRed(plate) - qBlue(plate)) < 8 && qRed(plate) >= 0xA0 && qRed(plate) <= 0xE0,
             qPrintable(QString::number(plate, 16)));
    // The sheet sets no minimum sizes, so the sizes the page forms fix stay as they are.
    QCOMPARE(level->size(), QSize(30, 30));
    QCOMPARE(level->minimumSize(), QSize(30, 30));
}

QTEST_MAIN(TestSkydeskResources)
#include "tst_skydeskresources.moc"
