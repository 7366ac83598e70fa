// The colours of the skin's art (bezels, faces, plates, engraving); the needles' colours live in
// Colors.h. Shared by the skin and the program's icon, so both look alike.
#pragma once

#include <QColor>

namespace stormbell {

/// The art's palette.
struct SkinPalette {
    QColor FaceCentre{251, 248, 238};
    QColor FaceEdge{224, 216, 194};
    QColor Ink{28, 26, 34};
    QColor MinorInk{74, 70, 80};
    QColor Caption{110, 40, 60};
    QColor BezelLight{240, 220, 160};
    QColor BezelMid{178, 142, 64};
    QColor BezelDark{88, 64, 22};
    QColor Shadow{0, 0, 0, 110};
    QColor FaceShade{60, 40, 10, 70};
    QColor Cold{52, 104, 196};
    QColor Hot{196, 58, 48};
    QColor Rose{232, 222, 196};
    QColor SocketDark{22, 0, 22};
    QColor PlateLight{120, 70, 120};
    QColor PlateDark{40, 0, 40};
    QColor Engraving{214, 184, 118};
};

/// The one palette of the art.
inline const SkinPalette kPalette;

} // namespace stormbell
