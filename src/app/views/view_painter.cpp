#include "views/view_painter.h"

#include <type_traits>
#include <variant>

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QString>

namespace quavis {

namespace {

// The program's texts are single-byte (Latin-1).
QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

QColor ColorOf(TViewColor role, const TViewPalette& palette)
{
    switch (role) {
    case TViewColor::Window: return palette.Window;
    case TViewColor::WindowText: return palette.WindowText;
    case TViewColor::Black: break;
    }
    return Qt::black;
}

QPen PenOf(const TViewPen& pen, const TViewPalette& palette)
{
    QPen out(ColorOf(pen.Color, palette));
    // Width 1 is the one-pixel cosmetic pen of the screen; wider pens are the printer's.
    out.setWidth(pen.Width > 1 ? pen.Width : 0);
    out.setStyle(Qt::SolidLine);
    out.setCapStyle(Qt::FlatCap);
    out.setJoinStyle(Qt::MiterJoin);
    return out;
}

QPolygon PolygonOf(const std::vector<TViewPoint>& points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const TViewPoint& p : points) polygon << QPoint(p.X, p.Y);
    return polygon;
}

// The canvas' box convention: right and bottom are the first pixels outside.
QRect BoxOf(const TViewRect& r) { return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)); }

} // namespace

TViewPalette TopViewPalette() { return {Qt::white, Qt::black}; }
TViewPalette SideViewPalette() { return {QColor(0xF0, 0xF0, 0xF0), Qt::black}; }

QFont ToQFont(const TViewFont& font)
{
    QFont f(Latin1(font.Face));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(font.PixelHeight > 0 ? font.PixelHeight : 1);
    return f;
}

void PaintViewDrawing(QPainter& painter, const TViewDrawing& drawing, const TViewPalette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const TViewPrimitive& item : drawing.Items) {
        std::visit(
            [&](const auto& p) {
                using T = std::decay_t<decltype(p)>;
                if constexpr (std::is_same_v<T, TViewFillRect>) {
                    painter.fillRect(BoxOf(p.Rect), ColorOf(p.Brush.Color, palette));
                } else if constexpr (std::is_same_v<T, TViewLine>) {
                    painter.setPen(PenOf(p.Pen, palette));
                    painter.drawLine(p.From.X, p.From.Y, p.To.X, p.To.Y);
                } else if constexpr (std::is_same_v<T, TViewPolyline>) {
                    painter.setPen(PenOf(p.Pen, palette));
                    painter.drawPolyline(PolygonOf(p.Points));
                } else if constexpr (std::is_same_v<T, TViewPolygon>) {
                    painter.setPen(PenOf(p.Pen, palette));
                    painter.setBrush(ColorOf(p.Brush.Color, palette));
                    painter.drawPolygon(PolygonOf(p.Points));
                } else if constexpr (std::is_same_v<T, TViewEllipse>) {
                    painter.setPen(PenOf(p.Pen, palette));
                    painter.setBrush(ColorOf(p.Brush.Color, palette));
                    painter.drawEllipse(BoxOf(p.Box));
                } else if constexpr (std::is_same_v<T, TViewText>) {
                    painter.setFont(ToQFont(p.Font));
                    painter.setPen(ColorOf(p.Font.Color, palette));
                    // Anchored at the top left of the text's box.
                    const QFontMetrics metrics(painter.font(), painter.device());
                    if (p.Background)
                        painter.fillRect(QRect(p.At.X, p.At.Y, metrics.horizontalAdvance(Latin1(p.Text)), metrics.height()),
                                         ColorOf(*p.Background, palette));
                    painter.drawText(p.At.X, p.At.Y + metrics.ascent(), Latin1(p.Text));
                }
            },
            item);
    }
    painter.restore();
}

TViewSize TQtViewTextMeasurer::TextExtent(const TViewFont& font, std::string_view text)
{
    const QFontMetrics metrics(ToQFont(font), m_device);
    return {metrics.horizontalAdvance(Latin1(text)), metrics.height()};
}

} // namespace quavis
