#include "model/geometry_file.h"

#include "components/grid_table.h"
#include "model/file_text.h"
#include "model/project.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace quavis {

namespace {

using namespace file_text;

// The geometry file's soil layers: "i t" per row, then the two lines below the layers.
void GeometryLayers(TLines& out, int count, const std::vector<std::string>& thicknesses, const TProgramData& d)
{
    out.Line(Int(count));
    out.Line(Int(count + 2));
    for (int i = 0; i < static_cast<int>(thicknesses.size()); ++i) out.Values(true, Int(i + 1), thicknesses[i]);
    out.Values(false, Int(count + 1), G8(d.PileLength));
    out.Values(false, Int(count + 2), G8(0.2L * d.PileLength));
}

} // namespace

std::string GeometryFileNameOf(const std::string& fileName)
{
    return std::filesystem::path(fileName).replace_extension(".vqt").string();
}

std::string ComposeGeometryFile(TProject& project)
{
    TProgramData& d = project.ProgramData();
    const std::string& k = d.FoundationKeyword;
    const bool pile = k == PileKeyword;
    const bool multilayer = k == MultilayerKeyword;

    long double embedment = 0;
    if (pile) {
        for (int row = 0; row < project.pilecapsoil.RowCount(); ++row) embedment += CellFloat(project.pilecapsoil, 0, row);
    } else if (multilayer) {
        // The layers covered by the soil rows of D; a layer the foundation table does not hold adds nothing.
        const int n = std::min(project.D.RowCount(), project.MultiElement.RowCount());
        for (int row = 0; row < n; ++row) embedment += CellFloat(project.MultiElement, 0, row);
    } else {
        for (int row = 0; row < project.D1.RowCount(); ++row) embedment += CellFloat(project.D1, 0, row);
    }
    d.EmbedmentDepth = embedment;

    TLines out;
    if (d.ShapeCircular == RectangularShape) {
        if (d.EmbedmentDepth < 1e-5L) d.EmbedmentDepth = 0.15L * d.GeometryWidthY;
        out.Line("RECTANGULAR ");
        out.Line(" " + G8(d.LengthX) + " " + G8(d.GeometryWidthY) + " " + G8(d.EmbedmentDepth));
        if (d.PileLength < 1e-5L) d.PileLength = 2 * d.LengthX;
    } else {
        if (d.EmbedmentDepth < 1e-5L) d.EmbedmentDepth = 0.15L * d.Radius;
        out.Line("CIRCULAR ");
        out.Line(" " + G8(d.Radius) + " " + G8(d.Radius) + " " + G8(d.EmbedmentDepth));
        if (d.PileLength < 1e-5L) d.PileLength = 3 * d.Radius;
    }

    if (pile) {
        const TGridTable& coords = project.Pilecoord;
        const TGridTable& elements = project.PileData;
        out.Line(Int(coords.RowCount()));
        out.Values(true, G8(d.PileLength));
        for (int row = 0; row < coords.RowCount(); ++row)
            out.Values(true, Int(row + 1), CellText(coords, 0, row), CellText(coords, 1, row));
        out.Line("ELEMENT");
        out.Line(Int(elements.RowCount()));
        for (int row = 0; row < elements.RowCount(); ++row) ElementRow(out, elements, row);
        if (d.HasBatteredPiles) {
            out.Line("BATTERED");
            for (int row = 0; row < coords.RowCount(); ++row) {
                const int plane = coords.Cell(3, row).GetInteger();
                const char* angle = plane == 1 ? "0 " : plane == 2 ? "90 " : "";
                out.Line(Int(row + 1) + " " + angle + CellText(coords, 2, row) + " ");
            }
        }
        out.Line("SOIL");
        out.Line(k);
        const TGridTable& cap = project.pilecapsoil;
        std::vector<std::string> thicknesses;
        for (int row = 0; row < cap.RowCount(); ++row) thicknesses.push_back(CellText(cap, 0, row));
        GeometryLayers(out, cap.RowCount(), thicknesses, d);
        return out.Take();
    }

    out.Line(" 0");
    out.Line("SOIL");
    if (k == HalfSpaceKeyword || k == StratumKeyword) {
        out.Line(k);
        const TGridTable& d1 = project.D1;
        const int m = d1.RowCount();
        if (m > 0 && CellFloat(d1, 0, 0) > 0) {
            std::vector<std::string> thicknesses;
            for (int row = 0; row < m; ++row) thicknesses.push_back(CellText(d1, 0, row));
            GeometryLayers(out, m, thicknesses, d);
        } else {
            out.Line(" 0");
            out.Line(Int(m + 1));
            out.Values(false, Int(m), G8(d.PileLength));
            out.Values(false, Int(m + 1), G8(0.2L * d.PileLength));
        }
    } else if (multilayer) {
        out.Line(k);
        const int m = project.D.RowCount();
        std::vector<std::string> depths;
        for (int row = 0; row < m; ++row)
            depths.push_back(row < project.MultiElement.RowCount() ? CellText(project.MultiElement, 0, row) : "0");
        GeometryLayers(out, m, depths, d);
    }
    return out.Take();
}

} // namespace quavis
