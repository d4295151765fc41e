#include "views/view_print.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "shell/prompter.h"
#include "views/view_mapping.h"

namespace quavis {

bool PrintViewPage(const TViewPageDrawing& page, const TViewPalette& palette, Prompter& prompter,
                   const TViewPrinterSetup& setup)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromLatin1(ViewPrintJobTitle));
    printer.setFullPage(false);
    if (setup) setup(printer);
    // Without any printer Qt falls back to writing a PDF file, and no file was named.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        prompter.Inform(ViewNoPrinterMessage);
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        prompter.Inform(ViewPrintFailedMessage);
        return false;
    }
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    TQtViewTextMeasurer measurer(&printer);
    PaintViewDrawing(painter, page(printer.width(), printer.height(), landscape, measurer), palette);
    if (!painter.end()) {
        prompter.Inform(ViewPrintFailedMessage);
        return false;
    }
    return true;
}

} // namespace quavis
