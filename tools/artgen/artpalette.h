#ifndef ARTGEN_ARTPALETTE_H
#define ARTGEN_ARTPALETTE_H

#include <QColor>

// The colours every picture of the assistant shares: a deep navy chrome, a teal accent (the
// page list shows its selected entry in #00cccc) and cool greys for the page area. The page
// style sheet uses the same values; keep them in step when one changes.
namespace ArtPalette {

// Chrome (title bar, connection bar, status bar, splash).
inline const QColor navyDeep{0x07, 0x0d, 0x18};
inline const QColor navyDark{0x0c, 0x17, 0x28};
inline const QColor navy{0x13, 0x23, 0x3a};
inline const QColor navyLight{0x1d, 0x30, 0x4b};
inline const QColor steel{0x3a, 0x4d, 0x66};
inline const QColor mist{0x8e, 0xa3, 0xbd};

// Accent.
inline const QColor teal{0x00, 0xcc, 0xcc};
inline const QColor tealLight{0x7f, 0xe9, 0xe9};
inline const QColor tealDark{0x0a, 0x8f, 0x99};
inline const QColor amber{0xff, 0xb3, 0x30};

// Page area and controls.
inline const QColor paper{0xf7, 0xf9, 0xfb};
inline const QColor cloud{0xe4, 0xe8, 0xed};
inline const QColor ash{0xcd, 0xd3, 0xda};
inline const QColor slate{0x7a, 0x86, 0x94};
inline const QColor ink{0x1a, 0x23, 0x30};
inline const QColor disabledLine{0xb0, 0xb7, 0xc0};
inline const QColor disabledFill{0xe6, 0xe8, 0xeb};

// Light glyphs on the dark chrome.
inline const QColor glyph{0xff, 0xff, 0xff};
inline const QColor glyphShade{0xc9, 0xdd, 0xea};

} // namespace ArtPalette

#endif // ARTGEN_ARTPALETTE_H
