#include "support/temp_dir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace quavis::test {

TempDir::TempDir()
{
    std::random_device rd;
    std::mt19937_64 gen(rd());
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() / ("quavis-test-" + std::to_string(gen()));
        if (std::filesystem::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::filesystem::path TempDir::Write(const std::string& name, const std::string& bytes) const
{
    auto path = m_path / name;
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return path;
}

std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::filesystem::path FixturePath(const std::string& name)
{
    return std::filesystem::path(QUAVIS_FIXTURES_DIR) / name;
}

} // namespace quavis::test
