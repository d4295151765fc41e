#pragma once

// Puts one of the test engines into a program folder under the engine's file name.

#include <filesystem>
#include <string>

namespace quavis::test {

enum class TTestEngine { Full, NoPlotData, NoEntry };

inline std::filesystem::path TestEngineLibrary(TTestEngine kind)
{
    switch (kind) {
    case TTestEngine::NoPlotData:
        return QUAVIS_TEST_ENGINE_NOPLOT_PATH;
    case TTestEngine::NoEntry:
        return QUAVIS_TEST_ENGINE_NOENTRY_PATH;
    case TTestEngine::Full:
        break;
    }
    return QUAVIS_TEST_ENGINE_PATH;
}

// Copies the engine to folder/name, in place of whatever was there, and returns that path. The copy is a
// new file: a library still mapped from the old one is never written over.
inline std::filesystem::path InstallTestEngine(const std::filesystem::path& folder, TTestEngine kind,
                                               const std::string& name = "QVS3-COMP.DLL")
{
    const std::filesystem::path target = folder / name;
    std::filesystem::remove_all(target);
    std::filesystem::copy_file(TestEngineLibrary(kind), target);
    return target;
}

} // namespace quavis::test
