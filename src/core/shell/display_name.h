#pragma once

#include <string>

namespace quavis {

inline constexpr const char* QuavisVersionText = "3.0.6";
inline constexpr const char* MainTitlePrefix = "QUAVIS 3.0.6 - ";
// The extension project files get from the file dialogs.
inline constexpr const char* ProjectDefaultExt = "vqd";

// The program's version text.
std::string GetVersion();

// A project path as the title shows it: the file name; a ".vqd" name (any case) loses everything from
// its first "." on; a name of more than one character gets an upper-case first letter.
std::string DisplayName(const std::string& path);

// The main window's title for a project path.
std::string MainWindowTitle(const std::string& projectFileName);

// The project path named on the command line: ".vqd" is appended when it holds no "." at all.
std::string CommandLineProjectPath(const std::string& argument);

// The path with the file name's extension replaced by `extension` (with its "."); appended when the
// file name has none.
std::string ChangeFileExt(const std::string& path, const std::string& extension);

} // namespace quavis
