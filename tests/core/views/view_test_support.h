#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "components/grid_table.h"
#include "model/project.h"
#include "views/view_drawing.h"

namespace quavis::test {

// Texts measure 6 pixels per character and the font's height plus 2, so a second label line shows
// whether it was placed by the first line's measured height.
class FixedMeasurer : public TViewTextMeasurer {
public:
    TViewSize TextExtent(const TViewFont& font, std::string_view text) override
    {
        return {6 * static_cast<int>(text.size()), font.PixelHeight + 2};
    }
};

inline void SetFoundation(TProject& p, int type)
{
    p.ProgramData().FoundationType = type;
    p.ProgramData().FoundationKeyword = FoundationKeywordOf(type);
}

// Fills a table with rows of values (missing columns keep their defaults).
inline void FillTable(TGridTable& table, const std::vector<std::vector<long double>>& rows)
{
    table.SetRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) table.Cell(c, r).SetFloat(rows[r][c]);
}

// A pile row: X, Y, batter angle, battered plane (1 XZ, 2 YZ).
struct PileRow {
    long double X, Y, Angle;
    int Plane;
};

inline void FillPiles(TProject& p, const std::vector<PileRow>& piles)
{
    p.Pilecoord.SetRowCount(static_cast<int>(piles.size()));
    for (int i = 0; i < static_cast<int>(piles.size()); ++i) {
        p.Pilecoord.Cell(0, i).SetFloat(piles[i].X);
        p.Pilecoord.Cell(1, i).SetFloat(piles[i].Y);
        p.Pilecoord.Cell(2, i).SetFloat(piles[i].Angle);
        p.Pilecoord.Cell(3, i).SetInteger(piles[i].Plane);
    }
}

inline std::vector<std::string> Texts(const TViewDrawing& d)
{
    std::vector<std::string> out;
    for (const TViewText& t : d.All<TViewText>()) out.push_back(t.Text);
    return out;
}

} // namespace quavis::test
