#pragma once

#include <functional>

#include "views/view_drawing.h"
#include "views/view_painter.h"

class QPrinter;

namespace quavis {

class Prompter;

// Lets a caller choose the printer before a view prints (the tests print to a PDF file).
using TViewPrinterSetup = std::function<void(QPrinter&)>;

// The printed page of a view for a page of width x height printer pixels.
using TViewPageDrawing = std::function<TViewDrawing(int width, int height, bool landscape, TViewTextMeasurer&)>;

// Prints one landscape page under the job title of the views: the page rectangle is the printable area
// in printer pixels. A printer that cannot be used is told through the prompter; false then.
bool PrintViewPage(const TViewPageDrawing& page, const TViewPalette& palette, Prompter& prompter,
                   const TViewPrinterSetup& setup = {});

inline constexpr const char* ViewNoPrinterMessage = "There is no printer to print on.";
inline constexpr const char* ViewPrintFailedMessage = "The document could not be printed.";

} // namespace quavis
