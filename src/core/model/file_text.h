#pragma once

// Small pieces shared by the writers of the project file and the geometry file.

#include "components/float_format.h"
#include "components/grid_table.h"

#include <string>
#include <string_view>

namespace quavis::file_text {

inline std::string G8(long double value) { return FormatGeneral(value, 8); }

inline std::string Int(long long value) { return std::to_string(value); }

// The text of a cell as the table shows it: G8 for floats, the item number for pick lists.
inline std::string CellText(const TGridTable& table, int col, int row) { return table.Cell(col, row).GetText(); }

inline long double CellFloat(const TGridTable& table, int col, int row) { return table.Cell(col, row).GetFloat(); }

// Accumulates lines, each ended by CR LF.
class TLines {
public:
    void Line(std::string_view text)
    {
        m_text += text;
        m_text += "\r\n";
    }
    // The values separated by one blank, optionally followed by one more.
    template <typename... T>
    void Values(bool trailingBlank, const T&... values)
    {
        std::string line;
        ((line += values, line += ' '), ...);
        if (!trailingBlank && !line.empty()) line.pop_back();
        Line(line);
    }
    std::string Take() { return std::move(m_text); }

private:
    std::string m_text;
};

// i and the texts of the seven columns of a pile element or foundation layer row.
inline void ElementRow(TLines& out, const TGridTable& t, int row)
{
    std::string line = Int(row + 1);
    for (int col = 0; col < 7; ++col) line += ' ' + CellText(t, col, row);
    out.Line(line);
}

} // namespace quavis::file_text
