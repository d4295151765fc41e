#include "views/view_picture.h"

#include <QPainter>

#include "views/side_view.h"
#include "views/top_view.h"
#include "views/view_painter.h"

namespace quavis {

QImage RenderViewPicture(TProject& project, TViewKind kind, Prompter& prompter)
{
    const bool top = kind == TViewKind::Top;
    const int width = top ? TTopViewForm::Width : TSideViewForm::Width;
    const int height = top ? TTopViewForm::Height : TSideViewForm::Height;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    const TViewPalette palette = top ? TopViewPalette() : SideViewPalette();
    // A no-draw view paints nothing over its background.
    image.fill(palette.Window);

    TViewDrawing drawing;
    if (top) {
        TTopViewGeometry view;
        view.Resize(width, height);
        if (!view.Activate(project, prompter)) return QImage();
        drawing = view.Paint(project);
    } else {
        TSideViewGeometry view(kind == TViewKind::SideXZ ? TSidePlane::XZ : TSidePlane::YZ);
        view.Resize(width, height);
        if (!view.Activate(project, prompter)) return QImage();
        TQtViewTextMeasurer measurer(&image);
        drawing = view.Paint(project, measurer);
    }
    QPainter painter(&image);
    PaintViewDrawing(painter, drawing, palette);
    return image;
}

} // namespace quavis
