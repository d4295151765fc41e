#include "graph/graph_picture.h"

#include "components/errors.h"
#include "graph/graph_plot.h"
#include "graph/paint_graph.h"
#include "graph/plot_geometry.h"
#include "graph/plot_layout.h"
#include "graph/qpainter_canvas.h"

#include <QImageWriter>
#include <QPainter>

#include <limits>

namespace quavis {

namespace {

// Pictures larger than this many pixels are refused as out of memory before anything is allocated: an
// allocation that the system grants lazily would otherwise fail later, outside any check.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 28;

} // namespace

bool PictureSize(long double heightInches, long double widthInches, long double pixelsPerInch, DeviceSize& size)
{
    const BitmapExtent extent = BitmapSize(heightInches, widthInches, pixelsPerInch);
    if (extent.width <= 0 || extent.height <= 0) return false;
    if (extent.width > std::numeric_limits<int>::max() / 4 || extent.height > std::numeric_limits<int>::max() / 4)
        return false;
    if (extent.width * extent.height > kMaxPicturePixels) return false;
    size = {static_cast<int>(extent.width), static_cast<int>(extent.height)};
    return true;
}

QImage RenderGraphPicture(const TGraphPlot& graph, const DataRange& view, const std::vector<LegendEntry>& legend,
                          DeviceSize picture, int windowDpiX, int windowDpiY)
{
    if (picture.width <= 0 || picture.height <= 0) return {};
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    // The image keeps the window's resolution, so its fonts come out as on a bitmap of the screen.
    image.setDotsPerMeterX(static_cast<int>(windowDpiX / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(windowDpiY / 0.0254 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    TQPainterCanvas canvas(painter);
    const PlotLayout layout =
        BitmapLayout(graph, picture, windowDpiX, windowDpiY, CanvasBaseFontHeight(windowDpiY));
    PaintGraph(canvas, graph, layout, view, legend);
    return image;
}

void WriteBitmap(const QImage& image, const std::string& path)
{
    QImageWriter writer(QString::fromLocal8Bit(path.c_str()), "bmp");
    if (!writer.write(image))
        throw EInOutError("Cannot write " + path + ": " + writer.errorString().toStdString());
}

} // namespace quavis
