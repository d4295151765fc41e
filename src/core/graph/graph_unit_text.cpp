#include "graph/graph_unit_text.h"

#include "components/unit_labels.h"

namespace quavis {

namespace {

void ReplaceAll(std::string& text, std::string_view code, std::string_view replacement)
{
    std::size_t pos = 0;
    while ((pos = text.find(code, pos)) != std::string::npos) {
        text.replace(pos, code.size(), replacement);
        pos += replacement.size();
    }
}

// Replaces the first code (in the given order of label numbers) that occurs, and only that one.
void ReplaceMostSpecific(std::string& text, const int (&labels)[3], int system)
{
    for (const int number : labels) {
        const UnitLabel& label = UnitLabelByNumber(number);
        if (text.find(label.code) == std::string::npos) continue;
        ReplaceAll(text, label.code, label.texts[system - 1]);
        return;
    }
}

} // namespace

std::string GraphUnitText(std::string_view units, int system)
{
    std::string text(units);
    if (system != English && system != SI) return text;
    static constexpr int kForce[3] = {2, 1, 0};  // F2, F1, F
    static constexpr int kLength[3] = {5, 4, 3}; // L2, L1, L
    ReplaceMostSpecific(text, kForce, system);
    ReplaceMostSpecific(text, kLength, system);
    return text;
}

} // namespace quavis
