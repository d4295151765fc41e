#include "shell/names_file.h"

#include "model/file_replacer.h"
#include "shell/display_name.h"

#include <vector>

namespace quavis {

namespace {

std::vector<std::string> ProjectFiles(const std::string& projectFileName)
{
    if (projectFileName.find_first_of("\r\n") != std::string::npos)
        throw ENamesFileError("The project path cannot be written to \"" + std::string(NamesFileName) +
                              "\" because it contains a line break:\r" + projectFileName);
    const std::string geometry = ChangeFileExt(projectFileName, ".vqt");
    return {projectFileName, ChangeFileExt(projectFileName, ".vqo"), ChangeFileExt(projectFileName, ".vqp"),
            ChangeFileExt(projectFileName, ".vqr"), geometry, geometry};
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace

std::string EngineNamesList(const std::string& projectFileName)
{
    std::vector<std::string> lines = ProjectFiles(projectFileName);
    lines.insert(lines.begin(), QuavisVersionText);
    return Lines(lines);
}

std::string ViewerNamesList(const std::string& projectFileName)
{
    return Lines(ProjectFiles(projectFileName));
}

std::string AbsoluteProjectPath(const std::string& path)
{
    const std::filesystem::path given(path);
    if (path.empty() || given.is_absolute())
        return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(given, error);
    return error ? path : absolute.string();
}

std::filesystem::path WriteNamesFile(const std::filesystem::path& folder, const std::string& bytes)
{
    const std::filesystem::path path = folder / NamesFileName;
    try {
        ReplaceFiles({{path, bytes}});
    } catch (const EInOutError& e) {
        throw ENamesFileError("The file list \"" + std::string(NamesFileName) +
                              "\" cannot be written in the program folder " + folder.string() + ":\r" +
                              e.what());
    }
    return path;
}

} // namespace quavis
