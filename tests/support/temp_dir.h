#pragma once

#include <filesystem>
#include <string>

namespace quavis::test {

// A fresh folder under the system's temporary directory, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

    // Writes bytes exactly as given (no line-end translation) and returns the file's path.
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::filesystem::path& path);
std::filesystem::path FixturePath(const std::string& name);

} // namespace quavis::test
