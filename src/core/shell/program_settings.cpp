#include "shell/program_settings.h"

#include "shell/settings_store.h"

#include <algorithm>
#include <exception>

namespace quavis {

std::string TProgramSettings::PrevFileValueName(std::size_t slot)
{
    return "File" + std::to_string(slot + 1);
}

void TProgramSettings::ReadAtCreate()
{
    try {
        m_store.CreateGroup();
        WordProcessorPath = m_store.ReadString(WordProcessorValueName);
    } catch (const std::exception&) {
        // Start with what we have; the default applies below.
    }
}

void TProgramSettings::ReadAtShow()
{
    try {
        if (m_store.GroupExists()) {
            WordProcessorPath = m_store.ReadString(WordProcessorValueName);
            for (std::size_t i = 0; i < PrevFileSlots; ++i)
                PrevFiles[i] = m_store.ReadString(PrevFileValueName(i));
        }
    } catch (const std::exception&) {
        // A foreign value: none of what was read is trusted for this run.
        WordProcessorPath.clear();
        ClearPrevFiles();
    }
    CountPrevFiles();
}

void TProgramSettings::ApplyDefaultWordProcessor()
{
    if (WordProcessorPath.empty())
        WordProcessorPath = DefaultWordProcessorPath;
}

void TProgramSettings::UpdateRegistry()
{
    try {
        m_store.CreateGroup();
        m_store.WriteString(WordProcessorValueName, WordProcessorPath);
        for (std::size_t i = 0; i < PrevFileSlots; ++i)
            m_store.WriteString(PrevFileValueName(i), PrevFiles[i]);
    } catch (const std::exception&) {
        // Settings that cannot be kept are not worth an interruption.
    }
}

void TProgramSettings::UpdatePrevFile(const std::string& path)
{
    if (PrevFiles[0] == path)
        return;
    const auto found = std::find(PrevFiles.begin() + 1, PrevFiles.end(), path);
    // Either the entries above the old place move down, or all of them do and the last one drops out.
    const auto last = found != PrevFiles.end() ? found : PrevFiles.end() - 1;
    std::move_backward(PrevFiles.begin(), last, last + 1);
    PrevFiles[0] = path;
    UpdateRegistry();
    CountPrevFiles();
}

void TProgramSettings::CountPrevFiles()
{
    PrevFileCount = static_cast<int>(
        std::count_if(PrevFiles.begin(), PrevFiles.end(), [](const std::string& p) { return !p.empty(); }));
}

void TProgramSettings::ClearPrevFiles()
{
    for (auto& entry : PrevFiles)
        entry.clear();
}

std::string ShownPrevFilePath(const std::string& path, const std::string& currentDirectory)
{
    if (currentDirectory.empty())
        return path;
    std::string prefix = currentDirectory;
    if (prefix.back() != '/')
        prefix += '/';
    // Only a leading folder is cut: the same folder names further down a path mean another folder.
    if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0)
        return path.substr(prefix.size());
    return path;
}

} // namespace quavis
