#pragma once

#include <string_view>

#include <QColor>
#include <QFont>

#include "views/view_drawing.h"

class QPaintDevice;
class QPainter;

namespace quavis {

// The colours the views' roles stand for on one window: its background and its text colour.
struct TViewPalette {
    QColor Window;
    QColor WindowText;
};

// The top view's white window and the side views' button-face window, both with black text.
TViewPalette TopViewPalette();
TViewPalette SideViewPalette();

// The QFont a view font stands for: the face by name (the font system substitutes a missing one), its
// height in device pixels.
QFont ToQFont(const TViewFont& font);

// Paints a view's primitives in order on any QPainter: a widget, an image or a printer page. Without
// anti-aliasing, so that lines and fills land on the pixels the geometry computed.
void PaintViewDrawing(QPainter& painter, const TViewDrawing& drawing, const TViewPalette& palette);

// Text extents with the fonts as the painter sets them, on the device that will be painted.
class TQtViewTextMeasurer : public TViewTextMeasurer {
public:
    explicit TQtViewTextMeasurer(QPaintDevice* device) : m_device(device) {}
    TViewSize TextExtent(const TViewFont& font, std::string_view text) override;

private:
    QPaintDevice* m_device;
};

} // namespace quavis
