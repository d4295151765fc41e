#pragma once

#include <string>
#include <vector>

namespace quavis::test {

// The lines of a CR LF text, without their line ends; fails on a bare line feed.
inline std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(text.substr(pos) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

// The line after the first line equal to `marker`; "<none>" when there is none.
inline std::string LineAfter(const std::vector<std::string>& lines, const std::string& marker, int offset = 1)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == marker && i + offset < lines.size()) return lines[i + offset];
    }
    return "<none>";
}

inline bool HasLine(const std::vector<std::string>& lines, const std::string& line)
{
    for (const auto& l : lines)
        if (l == line) return true;
    return false;
}

inline std::string JoinCrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

} // namespace quavis::test
