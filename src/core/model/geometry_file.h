#pragma once

#include <string>

namespace quavis {

class TProject;

// The geometry file (".vqt"), written beside the project file for the engine and the 3D viewer: the
// foundation's outline, the piles and the soil layers, lines ended by CR LF.

// The geometry file's text. Sets EmbedmentDepth and, when it is below 1e-5, PileLength, as saving does.
std::string ComposeGeometryFile(TProject& project);

// The geometry file's path: the project file's path with the extension ".vqt".
std::string GeometryFileNameOf(const std::string& fileName);

} // namespace quavis
