// svgrender draws the program's pictures from their SVG sources during the build, at scale 1
// and at scale 2 ("name@2x.png" beside "name.png"), so that Qt picks the sharp one on screens
// that scale by two. It needs no display: it uses Qt's offscreen platform, which still gives it
// the system's fonts for the few figures the drawings carry.
//
//   svgrender --cell 16x16 [--scales 1,2] SHEET.svg OUTPUT_FOLDER PICTURE...
//   svgrender --cell 256x256 --sizes 16,32,256 SHEET.svg OUTPUT_FOLDER '{size}x{size}/icon.png'
//
// The sheet holds one cell per picture, left to right, then top to bottom. A picture's name ends
// in .png or .ico. With --sizes, each picture is drawn once per width in pixels instead, and
// "{size}" in its name becomes that width (the application icon in the sizes of an icon theme). A
// file is written only when its bytes change, so that an unchanged picture keeps its time stamp and
// the resource compiler does not run again for nothing.
#include "svgsheet.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

bool parseCellSize(const QString &text, QSize *size)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    bool widthOk = false;
    bool heightOk = false;
    if (parts.size() == 2)
        *size = QSize(parts[0].toInt(&widthOk), parts[1].toInt(&heightOk));
    return widthOk && heightOk && !size->isEmpty();
}

// A list of positive whole numbers ("1,2"; "16,24,32").
bool parseNumbers(const QString &text, QList<int> *numbers)
{
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int number = part.toInt(&ok);
        if (!ok || number < 1)
            return false;
        *numbers << number;
    }
    return !numbers->isEmpty();
}

// "images/a.png" at scale 2 is "images/a@2x.png".
QString scaledName(const QString &picture, int scale)
{
    if (scale == 1)
        return picture;
    const int dot = picture.lastIndexOf(QLatin1Char('.'));
    return picture.left(dot) + QStringLiteral("@%1x").arg(scale) + picture.mid(dot);
}

const QString kSizePlaceholder = QStringLiteral("{size}");

// One file to draw from a cell: its name and the scale of the cell it is drawn at.
struct Drawing
{
    QString name;
    qreal scale;
};

// Each picture at each scale, or (when sizes are given) at each width in pixels.
QList<Drawing> drawingsOf(const QString &picture, const QSize &cell, const QList<int> &scales,
                          const QList<int> &sizes)
{
    QList<Drawing> drawings;
    for (int scale : scales)
        drawings.append({scaledName(picture, scale), qreal(scale)});
    if (!sizes.isEmpty()) {
        drawings.clear();
        for (int size : sizes) {
            QString name = picture;
            name.replace(kSizePlaceholder, QString::number(size));
            drawings.append({name, qreal(size) / cell.width()});
        }
    }
    return drawings;
}

bool isOpaque(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        if (std::any_of(row, row + argb.width(), [](QRgb pixel) { return qAlpha(pixel) != 255; }))
            return false;
    }
    return true;
}

// An opaque picture is written without an alpha channel: the programs then show it without
// converting every pixel to premultiplied alpha first.
QByteArray encode(const QImage &picture, const QString &name)
{
    const QImage image =
        isOpaque(picture) ? picture.convertToFormat(QImage::Format_RGB32) : picture;
    const QByteArray format = QFileInfo(name).suffix().toLatin1();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    // Qt's PNG writer takes the zlib level from the quality, 0 being the smallest file (its
    // "compression" option reads 9 as nearly none: the pictures came out as raw pixels).
    if (format == "png")
        writer.setQuality(0);
    if (!writer.write(image))
        return {};
    return bytes;
}

bool writeIfChanged(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool renderAll(const QString &sheetPath, const QSize &cell, const QList<int> &scales,
               const QList<int> &sizes, const QString &outputDir, const QStringList &pictures,
               QString *error)
{
    QFile source(sheetPath);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(sheetPath, source.errorString());
        return false;
    }
    SvgSheet sheet;
    if (!sheet.load(source.readAll(), cell, pictures.size(), error)) {
        *error = sheetPath + QStringLiteral(": ") + *error;
        return false;
    }
    const QDir dir(outputDir);
    for (int i = 0; i < pictures.size(); ++i) {
        for (const Drawing &drawing : drawingsOf(pictures[i], cell, scales, sizes)) {
            const QImage image = sheet.render(i, drawing.scale, error);
            const QString &name = drawing.name;
            if (image.isNull()) {
                *error = QStringLiteral("%1 (%2): %3").arg(sheetPath, name, *error);
                return false;
            }
            const QByteArray bytes = encode(image, name);
            if (bytes.isEmpty()) {
                *error = QStringLiteral("cannot encode %1").arg(name);
                return false;
            }
            if (!writeIfChanged(dir.filePath(name), bytes, error))
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform wants a private runtime folder; a build machine often has none.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("svgrender"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the cells of an SVG sheet as pictures at the given scales."));
    parser.addHelpOption();
    const QCommandLineOption cellOption(QStringLiteral("cell"),
                                        QStringLiteral("Size of one cell in pixels, as WxH."),
                                        QStringLiteral("size"));
    const QCommandLineOption scalesOption(QStringLiteral("scales"),
                                          QStringLiteral("Scales to draw, as 1,2 (the default)."),
                                          QStringLiteral("list"), QStringLiteral("1,2"));
    const QCommandLineOption sizesOption(
        QStringLiteral("sizes"),
        QStringLiteral("Widths in pixels to draw each picture at, as 16,32 (instead of the "
                       "scales); {size} in a picture's name becomes the width."),
        QStringLiteral("list"));
    parser.addOption(cellOption);
    parser.addOption(scalesOption);
    parser.addOption(sizesOption);
    parser.addPositionalArgument(QStringLiteral("sheet"), QStringLiteral("The SVG source."));
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Output folder."));
    parser.addPositionalArgument(QStringLiteral("pictures"),
                                 QStringLiteral("One name per cell, in reading order."),
                                 QStringLiteral("picture..."));
    parser.process(app);

    QTextStream err(stderr);
    QSize cell;
    QList<int> scales;
    QList<int> sizes;
    const QStringList arguments = parser.positionalArguments();
    if (!parseCellSize(parser.value(cellOption), &cell) ||
        !parseNumbers(parser.value(scalesOption), &scales) ||
        (parser.isSet(sizesOption) && !parseNumbers(parser.value(sizesOption), &sizes)) ||
        arguments.size() < 3) {
        err << "svgrender: usage: svgrender --cell WxH [--scales 1,2 | --sizes 16,32] SHEET "
               "FOLDER PICTURE...\n";
        return 2;
    }
    for (const QString &picture : arguments.mid(2)) {
        if (!sizes.isEmpty() && !picture.contains(kSizePlaceholder)) {
            err << "svgrender: " << picture << ": with --sizes, a name holds {size}\n";
            return 2;
        }
        const QString suffix = QFileInfo(picture).suffix();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("ico")) {
            err << "svgrender: " << picture << ": only .png and .ico pictures are written\n";
            return 2;
        }
    }
    QString error;
    if (!renderAll(arguments[0], cell, scales, sizes, arguments[1], arguments.mid(2), &error)) {
        err << "svgrender: " << error << '\n';
        return 1;
    }
    return 0;
}
