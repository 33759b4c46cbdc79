#ifndef SVGRENDER_SVGSHEET_H
#define SVGRENDER_SVGSHEET_H

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class QSvgRenderer;

// One SVG source drawn as a sheet of equal cells, each cell one picture of the program: a
// single picture is a sheet of one cell, the states of a control (normal, hovered, pressed,
// disabled) sit side by side in one sheet so that they are drawn together. Cells are counted
// left to right, then top to bottom.
//
// The sheet is read only if QtSvg draws all of it: elements and properties that QtSvg skips
// without a word (filters, clip paths, masks, patterns, markers) are refused with a message, so
// that a picture edited in a drawing program cannot lose an effect silently. One user unit of
// the drawing is one pixel of the picture at scale 1 (the sheet's width and height equal its
// view box), so what the designer sees at 100 % is what the program shows on a normal screen.
class SvgSheet
{
public:
    SvgSheet();
    ~SvgSheet();
    SvgSheet(const SvgSheet &) = delete;
    SvgSheet &operator=(const SvgSheet &) = delete;

    // Reads the sheet and checks that it splits into exactly cellCount cells of cellSize;
    // returns false with a message otherwise.
    bool load(const QByteArray &svg, const QSize &cellSize, int cellCount, QString *error);

    QSize size() const { return m_size; }

    // Cell index at the given scale: (cell size × scale) pixels, transparent where nothing is
    // drawn. A null image when the cell is empty (nothing drawn at all), with a message.
    QImage render(int index, qreal scale, QString *error) const;

    // The first construct QtSvg would not draw, as a message, or an empty string.
    static QString unsupportedConstruct(const QByteArray &svg);

private:
    std::unique_ptr<QSvgRenderer> m_renderer;
    QSize m_size;
    QSize m_cellSize;
    int m_columns = 0;
};

#endif // SVGRENDER_SVGSHEET_H
