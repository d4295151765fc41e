#include "shell/display_name.h"

namespace quavis {

namespace {

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    return true;
}

std::size_t FileNameStart(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

std::string GetVersion()
{
    return QuavisVersionText;
}

std::string DisplayName(const std::string& path)
{
    std::string name = path.substr(FileNameStart(path));
    const std::size_t lastDot = name.find_last_of('.');
    if (lastDot != std::string::npos &&
        EqualsIgnoringAsciiCase(name.substr(lastDot), std::string(".") + ProjectDefaultExt))
        name.erase(name.find('.'));
    if (name.size() > 1)
        name[0] = AsciiUpper(name[0]);
    return name;
}

std::string MainWindowTitle(const std::string& projectFileName)
{
    return MainTitlePrefix + DisplayName(projectFileName);
}

std::string CommandLineProjectPath(const std::string& argument)
{
    if (argument.find('.') == std::string::npos)
        return argument + "." + ProjectDefaultExt;
    return argument;
}

std::string ChangeFileExt(const std::string& path, const std::string& extension)
{
    const std::size_t start = FileNameStart(path);
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < start)
        return path + extension;
    return path.substr(0, dot) + extension;
}

} // namespace quavis
