#include "graph/qpainter_canvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>

namespace quavis {

namespace {

QColor ToQColor(TColorRGB c) { return QColor(c.r, c.g, c.b); }

} // namespace

TQPainterCanvas::TQPainterCanvas(QPainter& painter) : m_painter(painter)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    SetFont(m_font);
    ApplyPen();
    SetBrush(m_brush);
}

QFont TQPainterCanvas::ToQFont(const PlotFont& font)
{
    QFont f(Latin1(font.face));
    f.setStyleHint(QFont::Serif);
    // Heights are character cell heights in device pixels, as the layout measured them.
    f.setPixelSize(font.height > 0 ? font.height : 1);
    f.setWeight(font.weight >= kFontBold ? QFont::Bold : QFont::Normal);
    return f;
}

DeviceSize TQPainterCanvas::TextExtent(std::string_view text)
{
    const QFontMetrics metrics(m_qfont, m_painter.device());
    return {metrics.horizontalAdvance(Latin1(text)), metrics.height()};
}

void TQPainterCanvas::ApplyPen()
{
    if (m_pen.style == PenStyle::Clear) {
        m_painter.setPen(Qt::NoPen);
    } else {
        QPen pen(ToQColor(m_pen.color));
        pen.setWidth(m_pen.width > 1 ? m_pen.width : 0);
        pen.setStyle(m_pen.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        m_painter.setPen(pen);
    }
    // Not-xor with a black pen inverts what is underneath, so drawing twice erases. Only raster devices
    // offer the operation; elsewhere the box is drawn plainly.
    const bool raster = m_painter.paintEngine() && m_painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    m_painter.setCompositionMode(m_pen.mode == PenMode::NotXor && raster
                                     ? QPainter::RasterOp_NotSourceXorDestination
                                     : QPainter::CompositionMode_SourceOver);
}

void TQPainterCanvas::SetPen(const PlotPen& pen)
{
    m_pen = pen;
    ApplyPen();
}

void TQPainterCanvas::SetBrush(const PlotBrush& brush)
{
    m_brush = brush;
    if (brush.style == BrushStyle::Clear)
        m_painter.setBrush(Qt::NoBrush);
    else
        m_painter.setBrush(ToQColor(brush.color));
}

void TQPainterCanvas::SetFont(const PlotFont& font)
{
    m_font = font;
    m_qfont = ToQFont(font);
    m_painter.setFont(m_qfont);
}

void TQPainterCanvas::FillRect(const DeviceRect& rect)
{
    if (m_brush.style == BrushStyle::Clear || rect.Width() <= 0 || rect.Height() <= 0) return;
    m_painter.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(m_brush.color));
}

void TQPainterCanvas::Rectangle(const DeviceRect& rect)
{
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    if (m_brush.style != BrushStyle::Clear)
        m_painter.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(m_brush.color));
    if (m_pen.style == PenStyle::Clear) return;
    // The outline runs through the outermost pixels of the rectangle.
    const QBrush old = m_painter.brush();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
    m_painter.setBrush(old);
}

void TQPainterCanvas::Polyline(const std::vector<DevicePoint>& points)
{
    if (points.empty()) return;
    QPolygon polygon(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    if (points.size() == 1)
        m_painter.drawPoint(polygon.point(0));
    else
        m_painter.drawPolyline(polygon);
}

void TQPainterCanvas::TextOut(int x, int y, std::string_view text)
{
    const QFontMetrics metrics(m_qfont, m_painter.device());
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setPen(ToQColor(m_font.color));
    m_painter.translate(x, y);
    if (m_font.angle != 0) m_painter.rotate(-m_font.angle);
    m_painter.drawText(0, metrics.ascent(), Latin1(text));
    m_painter.restore();
}

void TQPainterCanvas::SetClipRect(const DeviceRect& rect)
{
    m_painter.setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}

DeviceSize TFontMeasurer::TextExtent(std::string_view text)
{
    const QFontMetrics metrics(m_font);
    return {metrics.horizontalAdvance(Latin1(text)), metrics.height()};
}

} // namespace quavis
