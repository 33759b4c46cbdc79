#include "svgsheet.h"

#include <QPainter>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

// What QtSvg (SVG 1.2 Tiny) skips without a warning, as elements and as properties.
const QStringList kSkippedElements = {
    QStringLiteral("filter"),        QStringLiteral("clipPath"), QStringLiteral("mask"),
    QStringLiteral("pattern"),       QStringLiteral("marker"),   QStringLiteral("symbol"),
    QStringLiteral("foreignObject"),
};
const QStringList kSkippedProperties = {
    QStringLiteral("filter"),         QStringLiteral("clip-path"),  QStringLiteral("mask"),
    QStringLiteral("marker-start"),   QStringLiteral("marker-mid"), QStringLiteral("marker-end"),
    QStringLiteral("letter-spacing"),
};

// The properties set in an element's style attribute ("fill:#fff;filter:url(#a)").
QStringList styleProperties(const QString &style)
{
    QStringList names;
    for (const QString &declaration : style.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        names << declaration.section(QLatin1Char(':'), 0, 0).trimmed();
    return names;
}

// QtSvg's own complaints (an undefined link, an unknown colour), collected while it reads.
QStringList g_svgWarnings;

void collectSvgWarning(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    const QString category = QString::fromLatin1(context.category ? context.category : "");
    g_svgWarnings << (category.isEmpty() ? text : category + QStringLiteral(": ") + text);
}

bool hasDrawnPixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                return true;
        }
    }
    return false;
}

} // namespace

SvgSheet::SvgSheet() = default;
SvgSheet::~SvgSheet() = default;

QString SvgSheet::unsupportedConstruct(const QByteArray &svg)
{
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString element = reader.name().toString();
        const int line = int(reader.lineNumber());
        if (kSkippedElements.contains(element)) {
            return QStringLiteral("line %1: <%2> is not drawn by QtSvg").arg(line).arg(element);
        }
        QStringList properties;
        for (const QXmlStreamAttribute &attribute : reader.attributes()) {
            if (attribute.name() == QLatin1String("style"))
                properties << styleProperties(attribute.value().toString());
            else
                properties << attribute.name().toString();
        }
        for (const QString &property : qAsConst(properties)) {
            if (kSkippedProperties.contains(property)) {
                return QStringLiteral("line %1: the property %2 of <%3> is not drawn by QtSvg")
                    .arg(line)
                    .arg(property, element);
            }
        }
    }
    if (reader.hasError())
        return QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(reader.errorString());
    return QString();
}

bool SvgSheet::load(const QByteArray &svg, const QSize &cellSize, int cellCount, QString *error)
{
    const QString unsupported = unsupportedConstruct(svg);
    if (!unsupported.isEmpty()) {
        *error = unsupported;
        return false;
    }
    g_svgWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(&collectSvgWarning);
    auto renderer = std::make_unique<QSvgRenderer>(svg);
    qInstallMessageHandler(previous);
    if (!g_svgWarnings.isEmpty()) {
        *error = g_svgWarnings.join(QStringLiteral("; "));
        return false;
    }
    if (!renderer->isValid()) {
        *error = QStringLiteral("QtSvg cannot read it");
        return false;
    }
    const QSize size = renderer->defaultSize();
    if (renderer->viewBoxF() != QRectF(QPointF(0, 0), QSizeF(size))) {
        *error = QStringLiteral("its view box (%1, %2, %3 x %4) differs from its size %5 x %6")
                     .arg(renderer->viewBoxF().x())
                     .arg(renderer->viewBoxF().y())
                     .arg(renderer->viewBoxF().width())
                     .arg(renderer->viewBoxF().height())
                     .arg(size.width())
                     .arg(size.height());
        return false;
    }
    if (cellSize.isEmpty() || size.width() % cellSize.width() != 0 ||
        size.height() % cellSize.height() != 0 ||
        (size.width() / cellSize.width()) * (size.height() / cellSize.height()) != cellCount) {
        *error = QStringLiteral("a sheet of %1 x %2 does not hold exactly %3 cells of %4 x %5")
                     .arg(size.width())
                     .arg(size.height())
                     .arg(cellCount)
                     .arg(cellSize.width())
                     .arg(cellSize.height());
        return false;
    }
    m_renderer = std::move(renderer);
    m_size = size;
    m_cellSize = cellSize;
    m_columns = size.width() / cellSize.width();
    return true;
}

QImage SvgSheet::render(int index, qreal scale, QString *error) const
{
    const QPointF origin((index % m_columns) * m_cellSize.width(),
                         (index / m_columns) * m_cellSize.height());
    QImage image((QSizeF(m_cellSize) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
        painter.translate(-origin);
        m_renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(m_size)));
    }
    if (!hasDrawnPixel(image)) {
        *error = QStringLiteral("cell %1 (at %2, %3) is empty")
                     .arg(index)
                     .arg(origin.x())
                     .arg(origin.y());
        return QImage();
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}
