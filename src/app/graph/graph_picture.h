#pragma once

#include "graph/legend_entry.h"
#include "graph/plot_types.h"

#include <QImage>

#include <string>
#include <vector>

namespace quavis {

class TGraphPlot;

inline constexpr const char* NotEnoughMemoryMessage = "There is not enough memory to complete this task.";

// Size of a saved picture for the Save Attributes values; false when it cannot be allocated (too large,
// or a side of no pixels).
bool PictureSize(long double heightInches, long double widthInches, long double pixelsPerInch, DeviceSize& size);

// The picture "Save To Disk" writes: the whole image laid out with the window's resolution, the image
// canvas's base font and the legend box. A null image when the picture cannot be allocated.
QImage RenderGraphPicture(const TGraphPlot& graph, const DataRange& view, const std::vector<LegendEntry>& legend,
                          DeviceSize picture, int windowDpiX, int windowDpiY);

// Writes the image as a device-independent bitmap; EInOutError when the file cannot be written.
void WriteBitmap(const QImage& image, const std::string& path);

} // namespace quavis
