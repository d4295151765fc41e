#pragma once

#include "model/geometry_file.h"

#include <string>

namespace quavis {

class TProject;

// The project file (".vqd"), the program's document and the engine's input, as text with lines ended
// by CR LF. TProject::Save (project_writer.cpp) composes it and the geometry file (geometry_file.h) and
// replaces both files on disk together.

// The project file's text. Composing it is part of saving and changes the model as saving does:
// the three Has... flags (only ever to true), MassComponentCount, and the loading sub-tables of a
// transient or random project, which are brought to one common length (see NormaliseLoadPoints).
std::string ComposeProjectFile(TProject& project);

// The transient or random loading table of the current loading type gets one common number of values
// per row, so that the file's single point count describes every row and the file reads back to the
// same data: PointCount is raised to the longest sub-table (and taken as 0 when negative), and every
// shorter sub-table is padded with zero values. Nothing a user entered is dropped.
// Returns the common count; 0 for harmonic loading (nothing is changed then).
int NormaliseLoadPoints(TProject& project);

} // namespace quavis
