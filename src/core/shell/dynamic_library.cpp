#include "shell/dynamic_library.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace quavis {

namespace {

enum class TFileState { Missing, Regular, Other };

TFileState StateOf(const std::string& path)
{
    if (path.empty())
        return TFileState::Missing;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return (errno == ENOENT || errno == ENOTDIR) ? TFileState::Missing : TFileState::Other;
    return S_ISREG(info.st_mode) ? TFileState::Regular : TFileState::Other;
}

// dlopen searches the library path for a bare name; the file meant is the one at this path.
std::string LoadablePath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? "./" + path : absolute.string();
}

} // namespace

TDynamicLibrary::~TDynamicLibrary()
{
    Close();
}

void TDynamicLibrary::SetLibraryPath(const std::string& path)
{
    Close();
    m_path = path;
}

void TDynamicLibrary::Open()
{
    if (m_handle)
        return;
    m_loaderMessage.clear();
    const TFileState state = StateOf(m_path);
    if (state == TFileState::Missing)
        throw EFileNotFoundError();
    if (state != TFileState::Regular)
        return;  // a folder or an unreadable entry: stays closed
    // RTLD_LOCAL keeps the library's symbols to itself, so unloading it leaves nothing behind.
    m_handle = ::dlopen(LoadablePath(m_path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* message = ::dlerror();
        m_loaderMessage = message ? message : "";
        throw EInitError();
    }
}

void* TDynamicLibrary::GetEntry(const std::string& name)
{
    if (!m_handle)
        throw EDLLNotOpenError();
    ::dlerror();
    return ::dlsym(m_handle, name.c_str());
}

void TDynamicLibrary::Close()
{
    if (!m_handle)
        return;
    ::dlclose(m_handle);
    m_handle = nullptr;
}

LibraryLoaderFactory DynamicLibraryFactory()
{
    return [] { return std::make_unique<TDynamicLibrary>(); };
}

} // namespace quavis
