#pragma once

#include <string>
#include <string_view>

namespace quavis {

// Axis-label unit text of a graph: the six codes F, F1, F2, L, L1, L2 replaced for `system` (1 English,
// 2 SI). Only one force code and one length code are substituted, the most specific one present
// ("F2" before "F1" before "F"), so in "F1/F" the lone F stays. Any other system returns the string as written.
std::string GraphUnitText(std::string_view units, int system);

} // namespace quavis
