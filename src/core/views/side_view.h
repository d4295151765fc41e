#pragma once

#include <optional>
#include <string>
#include <vector>

#include "views/soil_profile.h"
#include "views/view_drawing.h"
#include "views/view_mapping.h"

namespace quavis {

class Prompter;
class TProject;

// The vertical section a side view shows: through the XZ or the YZ plane.
enum class TSidePlane { XZ, YZ };

// The windows of the side views as they open.
struct TSideViewForm {
    static constexpr int Width = 727;
    static constexpr int Height = 590;
    static constexpr const char* PrintCaption = "Print";
    static constexpr TViewRect PrintButton{527, -6, 527 + 57, -6 + 25};  // left, top, right, bottom
    static constexpr int FontHeight = 10;                                // "MS Sans Serif"
    // "Side View (XZ-Plane)", "Side View (YZ-Plane)".
    static const char* Caption(TSidePlane plane);
};

// A section through the foundation and the soil: the foundation elements (footing, multilayer foundation
// or piles, battered piles sheared in their plane) over the soil profile of the foundation type, fitted
// to the window with equal scales across and down; depth grows downwards. The window owns one, feeds it
// its events and paints what it returns.
class TSideViewGeometry {
public:
    struct TWorldPoint {
        long double X = 0;
        long double Z = 0;
        friend bool operator==(const TWorldPoint&, const TWorldPoint&) = default;
    };
    // P0 top left, P1 top right, P2 bottom left, P3 bottom right; drawn through P0, P1, P3, P2.
    struct TElement {
        TWorldPoint P0, P1, P2, P3;
    };

    explicit TSideViewGeometry(TSidePlane plane);  // the initial extents x -10..10, depth 0..10

    TSidePlane Plane() const { return m_plane; }
    const std::vector<TElement>& Elements() const { return m_elements; }
    const TViewExtents& Extents() const { return m_extents; }  // Top = z top, Bottom = z bottom
    const TViewWindow& Window() const { return m_window; }
    int ClientWidth() const { return m_clientWidth; }
    int ClientHeight() const { return m_clientHeight; }
    bool GetNoDraw() const { return IsNoDraw(m_extents); }

    // Rebuilds the elements and, when there is at least one, the extents, then resizes. Writes the
    // model's FoundationType (from its keyword) and ProfileDepth. Nothing is built while the soil
    // properties table is empty. An element that cannot be built is reported (each distinct message once)
    // and skipped; false is then returned: the view must close itself.
    bool Activate(TProject& project, Prompter& prompter);

    // Records the client size and fits the view window. True when the view is to be painted now.
    bool Resize(int clientWidth, int clientHeight);

    // The screen picture for the recorded client size: the soil profile, then the elements.
    TViewDrawing Paint(const TProject& project, TViewTextMeasurer& measurer) const;

    // "Side View X: 1.5 Depth: 3.0"; nothing for a no-draw or before a resize.
    std::optional<std::string> MouseMoveCaption(int x, int y) const;

    // The printed section on a page of pageWidth x pageHeight printer pixels: the same soil profile and
    // labels as on screen, the depth range of the view window filling the middle 80 % of the page.
    TViewDrawing Draw2(const TProject& project, int pageWidth, int pageHeight, bool landscape,
                       TViewTextMeasurer& measurer) const;

    // The font of the printed labels: 10 points at the page's estimated resolution, black.
    static TViewFont PrintFont(const TPrintResolution& ppi);
    // The printed page shows the labels of the first eight layers.
    static constexpr int PrintedLayerLabels = 8;

private:
    TElement BuildElement(const TProject& project, int i, long double embeddedDepth) const;

    TSidePlane m_plane;
    std::vector<TElement> m_elements;
    TViewExtents m_extents{-10, 10, 0, 10};
    TViewWindow m_window{-10, 10, 0, 10};
    int m_clientWidth = 0;
    int m_clientHeight = 0;
};

} // namespace quavis
