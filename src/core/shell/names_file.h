#pragma once

#include <filesystem>
#include <string>

#include "components/errors.h"

namespace quavis {

// The file-name list through which the engine and the 3D viewer learn the project's files. It lives in
// the program folder, their current directory.
inline constexpr const char* NamesFileName = "names.dat";

// The list cannot be made: a path holds a line break, or the program folder cannot take the file. The
// message names what went wrong and, for the folder, which folder.
class ENamesFileError : public EInOutError {
public:
    explicit ENamesFileError(const std::string& message) : EInOutError(message) {}
};

// The engine's list, seven lines each ended by CR LF: the version text, the project path and the same
// path with ".vqo", ".vqp", ".vqr", ".vqt" and ".vqt" again. Paths are written as held. Throws
// ENamesFileError when the path holds a line break, which would shift every line after it.
std::string EngineNamesList(const std::string& projectFileName);

// The 3D viewer's list: the engine's without the version line (six lines).
std::string ViewerNamesList(const std::string& projectFileName);

// The path made absolute against the current directory (unchanged when that fails). The run and the 3D
// view leave the project's folder for the program folder, where a relative project path would point
// elsewhere.
std::string AbsoluteProjectPath(const std::string& path);

// Writes the list as `folder`/names.dat, replacing any existing one through a temporary file, so the
// reader sees either the old list or the whole new one. Throws ENamesFileError naming the folder when it
// cannot be written there; nothing is left behind then.
std::filesystem::path WriteNamesFile(const std::filesystem::path& folder, const std::string& bytes);

} // namespace quavis
