#include "views/side_view.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "components/grid_table.h"
#include "model/project.h"
#include "shell/prompter.h"

namespace quavis {

const char* TSideViewForm::Caption(TSidePlane plane)
{
    return plane == TSidePlane::XZ ? "Side View (XZ-Plane)" : "Side View (YZ-Plane)";
}

TSideViewGeometry::TSideViewGeometry(TSidePlane plane) : m_plane(plane) {}

namespace {

int FoundationTypeOfKeyword(const std::string& keyword, int current)
{
    if (keyword == MultilayerKeyword) return MultilayerFoundation;
    if (keyword == PileKeyword) return PileFoundation;
    if (keyword == StratumKeyword) return StratumFoundation;
    if (keyword == HalfSpaceKeyword) return HalfSpaceFoundation;
    return current;
}

// The degree conversion of the batter angle, with the constant the drawing has always used.
constexpr long double kBatterPi = 3.1415L;

} // namespace

TSideViewGeometry::TElement TSideViewGeometry::BuildElement(const TProject& p, int i, long double embeddedDepth) const
{
    const TProgramData& data = p.ProgramData();
    const bool xz = m_plane == TSidePlane::XZ;
    // The section shows the dimensions along its own horizontal axis.
    const int radiusCol = xz ? 1 : 2;
    long double xc = 0, theta = 0, w = 0, depth = 0;
    switch (data.FoundationType) {
    case PileFoundation: {
        xc = p.Pilecoord.Cell(xz ? 0 : 1, i).GetFloat();
        // A pile leans in the view of its battered plane only.
        if (p.Pilecoord.Cell(3, i).GetInteger() == (xz ? 1 : 2))
            theta = p.Pilecoord.Cell(2, i).GetFloat() * kBatterPi / 180;
        // Every pile is drawn with the first section's radius.
        w = 2 * p.PileData.Cell(radiusCol, 0).GetFloat();
        depth = data.ProfileDepth;
        break;
    }
    case MultilayerFoundation: {
        const long double r = p.MultiElement.Cell(radiusCol, 0).GetFloat();
        // Off the origin, clear of the layer labels written at the left edge.
        xc = 4 * r;
        w = 2 * r;
        depth = embeddedDepth;
        break;
    }
    default: {
        if (data.ShapeCircular == CircularShape) {
            w = 2 * data.Radius;
            depth = 2 * data.BaseZ;
        } else {
            w = xz ? data.LengthX : data.WidthY;
            depth = data.BaseZ;
        }
        break;
    }
    }
    // Sheared, not rotated: the top and bottom edges stay horizontal.
    const long double dx = depth * std::sin(theta);
    const long double dz = depth * std::cos(theta);
    return TElement{{xc - w / 2, 0}, {xc + w / 2, 0}, {xc - w / 2 + dx, dz}, {xc + w / 2 + dx, dz}};
}

bool TSideViewGeometry::Activate(TProject& project, Prompter& prompter)
{
    m_elements.clear();
    if (project.D.RowCount() == 0) {
        Resize(m_clientWidth, m_clientHeight);
        return true;
    }
    TProgramData& data = project.ProgramData();
    data.FoundationType = FoundationTypeOfKeyword(data.FoundationKeyword, data.FoundationType);

    data.ProfileDepth = 0;
    if (data.FoundationType == PileFoundation)
        for (int i = 0; i < project.PileData.RowCount(); ++i) data.ProfileDepth += project.PileData.Cell(0, i).GetFloat();
    if (data.FoundationType == MultilayerFoundation)
        for (int i = 0; i < project.MultiElement.RowCount(); ++i)
            data.ProfileDepth += project.MultiElement.Cell(0, i).GetFloat();

    // The embedded part of a multilayer foundation: the layers with side soil, at most all of them.
    long double embedded = 0;
    if (data.FoundationType == MultilayerFoundation) {
        const int layers = std::min(project.D.RowCount(), project.MultiElement.RowCount());
        for (int i = 0; i < layers; ++i) embedded += project.MultiElement.Cell(0, i).GetFloat();
    }

    const int count = data.FoundationType == PileFoundation ? project.Pilecoord.RowCount() : 1;
    bool keepOpen = true;
    std::vector<std::string> shown;
    for (int i = 0; i < count; ++i) {
        try {
            m_elements.push_back(BuildElement(project, i, embedded));
        } catch (const std::exception& error) {
            // The same fault usually hits every pile: one box for it, not one per pile.
            const std::string message = ViewFailureMessage(error);
            if (std::find(shown.begin(), shown.end(), message) == shown.end()) {
                prompter.Inform(message);
                shown.push_back(message);
            }
            keepOpen = false;
        }
    }
    if (m_elements.empty()) {
        Resize(m_clientWidth, m_clientHeight);
        return keepOpen;
    }

    TViewExtents e{0, 0, 0, 0};
    for (const TElement& el : m_elements) {
        e.XMin = std::min({e.XMin, el.P0.X, el.P2.X});
        e.XMax = std::max({e.XMax, el.P1.X, el.P3.X});
        e.Top = std::min(e.Top, el.P0.Z);
        e.Bottom = std::max(e.Bottom, el.P2.Z);
    }
    e.XMin *= 1.05L;
    e.XMax *= 1.05L;
    e.Top *= 1.05L;
    e.Bottom *= 1.05L;
    if (data.FoundationType == HalfSpaceFoundation || data.FoundationType == StratumFoundation) {
        // Room for the soil below a footing.
        e.XMin *= 2;
        e.XMax *= 2;
        e.Bottom *= 4;
        // A stratum shows its rock: the footing's depth alone would leave a deep bedrock out of view.
        if (data.FoundationType == StratumFoundation)
            e.Bottom = std::max(e.Bottom, 1.05L * (2 * data.BaseZ - data.BaseDepth + data.BedrockDepth));
    } else if (data.FoundationType == MultilayerFoundation) {
        e.XMin *= 2;
        e.XMax *= 2;
        e.Bottom = 1.05L * data.ProfileDepth;
    }
    m_extents = e;
    Resize(m_clientWidth, m_clientHeight);
    return keepOpen;
}

bool TSideViewGeometry::Resize(int clientWidth, int clientHeight)
{
    m_clientWidth = std::max(clientWidth, 0);
    m_clientHeight = std::max(clientHeight, 0);
    const std::optional<TViewWindow> window = FitViewWindow(m_extents, m_clientWidth, m_clientHeight);
    if (!window) return false;
    m_window = *window;
    return true;
}

namespace {

// Where the profile and the elements go on a device, and how its texts are set.
struct TProfileLayout {
    std::function<int(long double)> MapX;
    std::function<int(long double)> MapZ;
    int LineFrom = 0;   // x range of the layer lines
    int LineTo = 0;
    int LabelX = 0;
    int ShiftPixels = 0;  // of a label placed above or below its depth
    int LabelLayers = 0;  // layer labels written; the notes always are
    TViewPen Pen;
    TViewFont Font;
    // The hatch strokes: from (StrokeX0 + StrokeStep k, Yg) to (StrokeX1 + StrokeStep k, Yg + StrokeDrop).
    int StrokeCount = 0;
    int StrokeX0 = 0;
    int StrokeX1 = 0;
    int StrokeStep = 0;
    int StrokeDrop = 0;
};

void DrawProfileLines(const TSoilProfile& profile, const TProfileLayout& layout, TViewDrawing& out)
{
    const auto line = [&](long double z) {
        const int y = layout.MapZ(z);
        out.Add(TViewLine{{layout.LineFrom, y}, {layout.LineTo, y}, layout.Pen});
    };
    for (long double z : profile.Lines) line(z);
    if (profile.Ground) {
        line(*profile.Ground);
        const int yg = layout.MapZ(*profile.Ground);
        for (int k = 1; k <= layout.StrokeCount; ++k)
            out.Add(TViewLine{{layout.StrokeX0 + layout.StrokeStep * k, yg},
                              {layout.StrokeX1 + layout.StrokeStep * k, yg + layout.StrokeDrop},
                              layout.Pen});
    }
}

// The labels go over the elements, each on its own patch of the window colour: piles stand at the left
// edge where the labels start, and would hide them otherwise.
void DrawProfileLabels(const TSoilProfile& profile, const TProfileLayout& layout, TViewTextMeasurer& measurer,
                       TViewDrawing& out)
{
    int layers = 0;
    for (const TProfileLabel& label : profile.Labels) {
        if (label.IsLayer && ++layers > layout.LabelLayers) continue;
        int y = layout.MapZ(label.Depth);
        if (label.Shift == TLabelShift::Up) y -= layout.ShiftPixels;
        if (label.Shift == TLabelShift::Down) y += layout.ShiftPixels;
        out.Add(TViewText{{layout.LabelX, y}, label.Line1, layout.Font, TTextAlign::TopLeft, TViewColor::Window});
        if (!label.Line2.empty()) {
            const int below = y + measurer.TextExtent(layout.Font, label.Line1).Height;
            out.Add(TViewText{{layout.LabelX, below}, label.Line2, layout.Font, TTextAlign::TopLeft, TViewColor::Window});
        }
    }
}

} // namespace

TViewDrawing TSideViewGeometry::Paint(const TProject& project, TViewTextMeasurer& measurer) const
{
    TViewDrawing drawing;
    if (GetNoDraw() || m_clientWidth == 0 || m_clientHeight == 0) return drawing;
    drawing.Add(TViewFillRect{{0, 0, m_clientWidth, m_clientHeight}, {TViewColor::Window}});

    TProfileLayout layout;
    layout.MapX = [this](long double x) { return MapToPixel(x, m_window.Left, m_window.Right, m_clientWidth); };
    layout.MapZ = [this](long double z) { return MapToPixel(z, m_window.Top, m_window.Bottom, m_clientHeight); };
    layout.LineFrom = 0;
    layout.LineTo = m_clientWidth;
    layout.LabelX = 0;
    layout.ShiftPixels = 20;
    layout.LabelLayers = std::numeric_limits<int>::max();
    layout.Font = TViewFont{};
    layout.StrokeCount = 20;
    layout.StrokeX0 = 100;
    layout.StrokeX1 = 115;
    layout.StrokeStep = 20;
    layout.StrokeDrop = 5;
    const TSoilProfile profile = BuildSoilProfile(project);
    DrawProfileLines(profile, layout, drawing);

    for (const TElement& el : m_elements) {
        const auto pt = [&](const TWorldPoint& p) { return TViewPoint{layout.MapX(p.X), layout.MapZ(p.Z)}; };
        drawing.Add(TViewPolygon{{pt(el.P0), pt(el.P1), pt(el.P3), pt(el.P2)}, TViewPen{}, {TViewColor::WindowText}});
    }
    DrawProfileLabels(profile, layout, measurer, drawing);
    return drawing;
}

std::optional<std::string> TSideViewGeometry::MouseMoveCaption(int x, int y) const
{
    if (GetNoDraw() || m_clientWidth == 0 || m_clientHeight == 0) return std::nullopt;
    const long double wx = MapFromPixel(x, m_window.Left, m_window.Right, m_clientWidth);
    const long double wz = MapFromPixel(y, m_window.Top, m_window.Bottom, m_clientHeight);
    return "Side View X: " + FormatReadout(wx) + " Depth: " + FormatReadout(wz);
}

TViewFont TSideViewGeometry::PrintFont(const TPrintResolution& ppi)
{
    return TViewFont{"MS Sans Serif", RoundPixel(10.0L * ppi.Y / 72), TViewColor::Black};
}

TViewDrawing TSideViewGeometry::Draw2(const TProject& project, int pageWidth, int pageHeight, bool landscape,
                                      TViewTextMeasurer& measurer) const
{
    TViewDrawing drawing;
    if (GetNoDraw() || pageWidth <= 0 || pageHeight <= 0) return drawing;
    const TPrintResolution ppi = EstimatePrintResolution(pageWidth, pageHeight, landscape);
    const long double pw = pageWidth, ph = pageHeight;
    const auto at = [](long double fraction, long double size) { return RoundPixel(fraction * size); };
    drawing.Add(TViewFillRect{{at(0.1L, pw), at(0.1L, ph), at(0.9L, pw), at(0.9L, ph)}, {TViewColor::Window}});

    TProfileLayout layout;
    layout.MapX = [this, pw](long double x) { return RoundPixel((x - m_window.Left) / (m_window.Right - m_window.Left) * pw); };
    layout.MapZ = [this, ph](long double z) {
        return RoundPixel((z - m_window.Top) / (m_window.Bottom - m_window.Top) * ph * 0.8L) + RoundPixel(0.1L * ph);
    };
    layout.LineFrom = at(0.1L, pw);
    layout.LineTo = at(0.9L, pw);
    layout.LabelX = at(0.15L, ph);
    layout.Pen = TViewPen{TViewColor::Black, ViewPrintPenWidth};
    layout.Font = PrintFont(ppi);
    // The screen's 20 pixels are two lines of its 10-pixel font; the page keeps that in lines.
    layout.ShiftPixels = 2 * measurer.TextExtent(layout.Font, "Rock Layer ").Height;
    layout.LabelLayers = PrintedLayerLabels;
    layout.StrokeCount = 10;
    layout.StrokeX0 = at(0.25L, ph);
    layout.StrokeX1 = at(0.265L, ph);
    layout.StrokeStep = 50;
    layout.StrokeDrop = 70;
    const TSoilProfile profile = BuildSoilProfile(project);
    DrawProfileLines(profile, layout, drawing);

    for (const TElement& el : m_elements) {
        const auto pt = [&](const TWorldPoint& p) { return TViewPoint{layout.MapX(p.X), layout.MapZ(p.Z)}; };
        drawing.Add(TViewPolygon{{pt(el.P0), pt(el.P1), pt(el.P3), pt(el.P2)}, layout.Pen, {TViewColor::WindowText}});
    }
    DrawProfileLabels(profile, layout, measurer, drawing);
    return drawing;
}

} // namespace quavis
