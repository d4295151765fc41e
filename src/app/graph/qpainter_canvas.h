#pragma once

#include "graph/plot_canvas.h"

#include <QFont>
#include <QString>

class QPainter;

namespace quavis {

// Texts of the program are single-byte (Latin-1); the painter wants Unicode.
inline QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The plot canvas on any QPainter: a widget, an image or a printer page. Fonts are asked for by face name;
// where the face is not installed the font system's substitute is used. Drawing is without anti-aliasing
// so that one-pixel grid lines and ticks land on the pixels the layout computed.
class TQPainterCanvas : public TPlotCanvas {
public:
    explicit TQPainterCanvas(QPainter& painter);

    DeviceSize TextExtent(std::string_view text) override;
    void SetPen(const PlotPen& pen) override;
    void SetBrush(const PlotBrush& brush) override;
    void SetFont(const PlotFont& font) override;
    void FillRect(const DeviceRect& rect) override;
    void Rectangle(const DeviceRect& rect) override;
    void Polyline(const std::vector<DevicePoint>& points) override;
    void TextOut(int x, int y, std::string_view text) override;
    void SetClipRect(const DeviceRect& rect) override;

    // The QFont a plot font stands for.
    static QFont ToQFont(const PlotFont& font);

private:
    void ApplyPen();

    QPainter& m_painter;
    PlotPen m_pen;
    PlotBrush m_brush;
    PlotFont m_font;
    QFont m_qfont;
};

// Measures texts in one font without a painter (the legend list sizes itself with it).
class TFontMeasurer : public TTextMeasurer {
public:
    explicit TFontMeasurer(const QFont& font) : m_font(font) {}
    DeviceSize TextExtent(std::string_view text) override;

private:
    QFont m_font;
};

} // namespace quavis
