#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace quavis {

class SettingsStore;

// The word processor used when none is set: the desktop's opener.
inline constexpr const char* DefaultWordProcessorPath = "/usr/bin/xdg-open";
inline constexpr const char* WordProcessorValueName = "Word Processor";

// The per-user settings of the main window: the word processor and the ten most recent projects, read
// from and written to the settings store. Store failures never escape.
class TProgramSettings {
public:
    static constexpr std::size_t PrevFileSlots = 10;

    explicit TProgramSettings(SettingsStore& store) : m_store(store) {}

    std::string WordProcessorPath;
    // Most recent first; "" for an empty slot.
    std::array<std::string, PrevFileSlots> PrevFiles{};
    // The number of non-empty entries (not necessarily the index of the last one).
    int PrevFileCount = 0;

    // "File1" ... "File10".
    static std::string PrevFileValueName(std::size_t slot);

    // At window creation: create the group when absent and read the word processor; failures ignored.
    void ReadAtCreate();
    // When the window is first shown: when the group exists read the word processor and the ten
    // recent files, clearing all of them when any read fails; then count the recent files.
    void ReadAtShow();
    // The default word processor when none is set.
    void ApplyDefaultWordProcessor();
    // Writes the word processor and the ten slots (empty ones included); failures ignored.
    void UpdateRegistry();
    // Puts a path at the top of the recent list (exact comparison); writes and recounts unless it is
    // already at the top, in which case nothing changes and nothing is written.
    void UpdatePrevFile(const std::string& path);
    void CountPrevFiles();
    void ClearPrevFiles();

private:
    SettingsStore& m_store;
};

// The recent-file path as the File menu shows it: a path inside `currentDirectory` loses that folder
// and its separator, so that projects in it show by name and projects below it by their relative path;
// any other path is shown whole.
std::string ShownPrevFilePath(const std::string& path, const std::string& currentDirectory);

} // namespace quavis
