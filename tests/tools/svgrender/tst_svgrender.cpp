// The build's picture renderer: a sheet splits into its cells at scale 1 and 2, and everything
// QtSvg would draw differently from what the designer drew stops the build with a message.
#include "tools/svgrender/svgsheet.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A sheet of width x height with the given body, one user unit a pixel.
QByteArray sheet(int width, int height, const QByteArray &body)
{
    return QByteArrayLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" ") +
           QStringLiteral("width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">")
               .arg(width)
               .arg(height)
               .toLatin1() +
           body + QByteArrayLiteral("</svg>");
}

// Two 8 x 8 cells: red on the left, blue on the right, each with a one-pixel clear border.
const QByteArray kTwoCells =
    sheet(16, 8,
          "<rect x=\"1\" y=\"1\" width=\"6\" height=\"6\" fill=\"#ff0000\"/>"
          "<rect x=\"9\" y=\"1\" width=\"6\" height=\"6\" fill=\"#0000ff\"/>");

QString runRenderer(const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(SVGRENDER_PATH), arguments);
    if (!process.waitForFinished(30000))
        return QStringLiteral("did not finish");
    *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAll());
}

} // namespace

class TestSvgRender : public QObject
{
    Q_OBJECT

private slots:
    void cellsComeOutInReadingOrderAtEachScale();
    void sheetMustHoldExactlyTheCells_data();
    void sheetMustHoldExactlyTheCells();
    void constructsQtSvgSkipsAreRefused_data();
    void constructsQtSvgSkipsAreRefused();
    void qtSvgComplaintsAreRefused();
    void emptyCellIsRefused();
    void programWritesBothScalesAndKeepsUnchangedFiles();
    void programDrawsEachSizeOfAnIcon();
    void programStopsTheBuildOnABadSheet();
    void picturesAreCompressed();
    void clearPixelsKeepTheirAlpha();
};

void TestSvgRender::cellsComeOutInReadingOrderAtEachScale()
{
    SvgSheet svg;
    QString error;
    QVERIFY2(svg.load(kTwoCells, QSize(8, 8), 2, &error), qPrintable(error));
    QCOMPARE(svg.size(), QSize(16, 8));

    for (int scale : {1, 2}) {
        const QImage red = svg.render(0, scale, &error);
        const QImage blue = svg.render(1, scale, &error);
        QCOMPARE(red.size(), QSize(8, 8) * scale);
        QCOMPARE(blue.size(), QSize(8, 8) * scale);
        const QPoint middle(4 * scale, 4 * scale);
        QCOMPARE(red.pixel(middle), qRgba(255, 0, 0, 255));
        QCOMPARE(blue.pixel(middle), qRgba(0, 0, 255, 255));
        // Drawn, not scaled up: the clear border stays exactly one unit wide at every scale.
        QCOMPARE(qAlpha(red.pixel(scale - 1, scale - 1)), 0);
        QCOMPARE(qAlpha(red.pixel(scale, scale)), 255);
    }
}

void TestSvgRender::sheetMustHoldExactlyTheCells_data()
{
    QTest::addColumn<QByteArray>("svg");
    QTest::addColumn<QSize>("cell");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("message");

    QTest::newRow("one picture too many") << kTwoCells << QSize(8, 8) << 3 << "exactly 3 cells";
    QTest::newRow("one picture too few") << kTwoCells << QSize(8, 8) << 1 << "exactly 1 cells";
    QTest::newRow("cells do not divide the sheet") << kTwoCells << QSize(6, 8) << 2 << "cells of 6";
    // A drawing scaled into its size would not be what the designer sees at 100 %.
    QTest::newRow("view box differs from the size")
        << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"8\" "
                      "viewBox=\"0 0 32 16\"><rect width=\"32\" height=\"16\"/></svg>")
        << QSize(8, 8) << 2 << "view box";
    QTest::newRow("not SVG") << QByteArray("<html/>") << QSize(8, 8) << 2 << "cannot read";
}

void TestSvgRender::sheetMustHoldExactlyTheCells()
{
    QFETCH(QByteArray, svg);
    QFETCH(QSize, cell);
    QFETCH(int, count);
    QFETCH(QString, message);

    SvgSheet sheetUnderTest;
    QString error;
    QVERIFY(!sheetUnderTest.load(svg, cell, count, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
}

void TestSvgRender::constructsQtSvgSkipsAreRefused_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("named");

    QTest::newRow("blur filter")
        << QByteArray("<defs><filter id=\"f\"><feGaussianBlur stdDeviation=\"2\"/></filter></defs>"
                      "<rect width=\"16\" height=\"8\" filter=\"url(#f)\"/>")
        << "<filter>";
    QTest::newRow("clip path")
        << QByteArray("<clipPath id=\"c\"><rect width=\"4\" height=\"4\"/></clipPath>"
                      "<rect width=\"16\" height=\"8\"/>")
        << "<clipPath>";
    QTest::newRow("clip-path property")
        << QByteArray("<rect width=\"16\" height=\"8\" clip-path=\"url(#c)\"/>") << "clip-path";
    QTest::newRow("mask in a style attribute")
        << QByteArray("<rect width=\"16\" height=\"8\" style=\"fill:#000;mask:url(#m)\"/>")
        << "mask";
    QTest::newRow("letter spacing")
        << QByteArray("<rect width=\"16\" height=\"8\"/>"
                      "<text x=\"1\" y=\"7\" letter-spacing=\"2\">AB</text>")
        << "letter-spacing";
    QTest::newRow("pattern") << QByteArray("<pattern id=\"p\"/><rect width=\"16\" height=\"8\"/>")
                             << "<pattern>";
}

void TestSvgRender::constructsQtSvgSkipsAreRefused()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, named);

    SvgSheet svg;
    QString error;
    QVERIFY(!svg.load(sheet(16, 8, body), QSize(8, 8), 2, &error));
    QVERIFY2(error.contains(named), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("line 1")), qPrintable(error));
}

void TestSvgRender::qtSvgComplaintsAreRefused()
{
    // A use of an element the sheet does not define: QtSvg warns and draws nothing for it.
    SvgSheet svg;
    QString error;
    const QByteArray body = "<rect width=\"16\" height=\"8\"/><use xlink:href=\"#missing\"/>";
    QByteArray text = sheet(16, 8, body);
    text.replace("<svg ", "<svg xmlns:xlink=\"http://www.w3.org/1999/xlink\" ");
    QVERIFY(!svg.load(text, QSize(8, 8), 2, &error));
    QVERIFY2(error.contains(QStringLiteral("missing")), qPrintable(error));
}

void TestSvgRender::emptyCellIsRefused()
{
    SvgSheet svg;
    QString error;
    QVERIFY(svg.load(sheet(16, 8, "<rect width=\"8\" height=\"8\" fill=\"#123456\"/>"), QSize(8, 8),
                     2, &error));
    QVERIFY(!svg.render(0, 1, &error).isNull());
    QVERIFY(svg.render(1, 2, &error).isNull());
    QVERIFY2(error.contains(QStringLiteral("cell 1")), qPrintable(error));
}

void TestSvgRender::programWritesBothScalesAndKeepsUnchangedFiles()
{
    QTemporaryDir dir;
    QFile source(dir.filePath(QStringLiteral("two.svg")));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(kTwoCells);
    source.close();

    const QStringList arguments = {QStringLiteral("--cell"),
                                   QStringLiteral("8x8"),
                                   source.fileName(),
                                   dir.filePath(QStringLiteral("out")),
                                   QStringLiteral("images/red.png"),
                                   QStringLiteral("images/blue.ico")};
    int exitCode = -1;
    const QString output = runRenderer(arguments, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));

    const QString out = dir.filePath(QStringLiteral("out/images/"));
    const QImage red(out + QStringLiteral("red.png"));
    const QImage redDoubled(out + QStringLiteral("red@2x.png"));
    QCOMPARE(red.size(), QSize(8, 8));
    QCOMPARE(redDoubled.size(), QSize(16, 16));
    // Qt reads a "@2x" file as a picture for twice the pixel density.
    QCOMPARE(redDoubled.devicePixelRatio(), 2.0);
    QCOMPARE(red.pixel(4, 4), qRgb(255, 0, 0));
    QImageReader icon(out + QStringLiteral("blue@2x.ico"));
    QCOMPARE(icon.format(), QByteArray("ico"));
    QCOMPARE(icon.read().pixel(8, 8), qRgb(0, 0, 255));

    // A second run with nothing changed leaves the files as they are, so rcc need not run.
    const QDateTime written = QFileInfo(out + QStringLiteral("red@2x.png")).lastModified();
    QTest::qWait(1100);
    QVERIFY2(runRenderer(arguments, &exitCode).isEmpty() && exitCode == 0, "second run");
    QCOMPARE(QFileInfo(out + QStringLiteral("red@2x.png")).lastModified(), written);
}

// The icon theme's sizes from one drawing: each width in pixels, named by the size.
void TestSvgRender::programDrawsEachSizeOfAnIcon()
{
    QTemporaryDir dir;
    QFile source(dir.filePath(QStringLiteral("icon.svg")));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(sheet(8, 8,
                       "<rect x=\"0\" y=\"0\" width=\"4\" height=\"8\" fill=\"#ff0000\"/>"
                       "<rect x=\"4\" y=\"0\" width=\"4\" height=\"8\" fill=\"#0000ff\"/>"));
    source.close();
    const QString out = dir.filePath(QStringLiteral("icons"));

    int exitCode = -1;
    const QString output = runRenderer(
        {QStringLiteral("--cell"), QStringLiteral("8x8"), QStringLiteral("--sizes"),
         QStringLiteral("16,24"), source.fileName(), out, QStringLiteral("{size}x{size}/app.png")},
        &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    for (const int size : {16, 24}) {
        const QImage icon(QStringLiteral("%1/%2x%2/app.png").arg(out).arg(size));
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(icon.pixel(size / 4, size / 2), qRgb(255, 0, 0));
        QCOMPARE(icon.pixel(size * 3 / 4, size / 2), qRgb(0, 0, 255));
    }
    QVERIFY(!QFileInfo::exists(out + QStringLiteral("/app.png")));

    // A name without the size would write every size over the last.
    const QString refused =
        runRenderer({QStringLiteral("--cell"), QStringLiteral("8x8"), QStringLiteral("--sizes"),
                     QStringLiteral("16,24"), source.fileName(), out, QStringLiteral("app.png")},
                    &exitCode);
    QCOMPARE(exitCode, 2);
    QVERIFY2(refused.contains(QStringLiteral("{size}")), qPrintable(refused));
}

void TestSvgRender::programStopsTheBuildOnABadSheet()
{
    QTemporaryDir dir;
    QFile source(dir.filePath(QStringLiteral("blurred.svg")));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(
        sheet(8, 8, "<filter id=\"f\"/>\n<rect width=\"8\" height=\"8\" filter=\"url(#f)\"/>"));
    source.close();

    int exitCode = -1;
    const QString output =
        runRenderer({QStringLiteral("--cell"), QStringLiteral("8x8"), source.fileName(),
                     dir.filePath(QStringLiteral("out")), QStringLiteral("images/a.png")},
                    &exitCode);
    QCOMPARE(exitCode, 1);
    QVERIFY2(output.startsWith(QStringLiteral("svgrender: ") + source.fileName()),
             qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("<filter>")), qPrintable(output));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out/images/a.png"))));

    QCOMPARE(runRenderer({source.fileName()}, &exitCode).contains(QStringLiteral("usage")), true);
    QCOMPARE(exitCode, 2);
}

// The pictures are compiled into the programs: a flat 400 x 200 picture takes a few hundred
// bytes, not its 320 kB of pixels.
void TestSvgRender::picturesAreCompressed()
{
    QTemporaryDir dir;
    QFile source(dir.filePath(QStringLiteral("flat.svg")));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(sheet(400, 200,
                       "<rect x=\"0\" y=\"0\" width=\"400\" height=\"200\" fill=\"#336699\"/>"
                       "<rect x=\"10\" y=\"10\" width=\"50\" height=\"50\" fill=\"#ff0000\" "
                       "fill-opacity=\"0.5\"/>"));
    source.close();
    int exitCode = -1;
    const QString output =
        runRenderer({QStringLiteral("--cell"), QStringLiteral("400x200"), source.fileName(),
                     dir.filePath(QStringLiteral("out")), QStringLiteral("images/flat.png")},
                    &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    for (const char *name : {"out/images/flat.png", "out/images/flat@2x.png"}) {
        const QString path = dir.filePath(QLatin1String(name));
        QVERIFY2(QFileInfo(path).size() < 4000,
                 qPrintable(QString::number(QFileInfo(path).size())));
        const QImage picture(path);
        QCOMPARE(picture.pixelColor(picture.width() - 2, picture.height() - 2), QColor("#336699"));
        // Opaque throughout: stored without an alpha channel, which is quicker to show.
        QVERIFY(!picture.hasAlphaChannel());
    }
}

void TestSvgRender::clearPixelsKeepTheirAlpha()
{
    QTemporaryDir dir;
    QFile source(dir.filePath(QStringLiteral("two.svg")));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(kTwoCells);
    source.close();
    int exitCode = -1;
    const QString output =
        runRenderer({QStringLiteral("--cell"), QStringLiteral("8x8"), source.fileName(),
                     dir.filePath(QStringLiteral("out")), QStringLiteral("images/red.png"),
                     QStringLiteral("images/blue.png")},
                    &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(output));
    const QImage red(dir.filePath(QStringLiteral("out/images/red.png")));
    QVERIFY(red.hasAlphaChannel());
    QCOMPARE(qAlpha(red.pixel(0, 0)), 0);
    QCOMPARE(red.pixel(4, 4), qRgb(255, 0, 0));
}

QTEST_MAIN(TestSvgRender)
#include "tst_svgrender.moc"
