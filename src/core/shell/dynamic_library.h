#pragma once

#include <string>

#include "shell/library_loader.h"

namespace quavis {

// One loadable library on the platform's loader (dlopen). Open tells a missing file (EFileNotFoundError)
// from a file the loader refuses (EInitError); any other failure leaves the library closed without an
// error. The library is closed when the object goes.
class TDynamicLibrary : public LibraryLoader {
public:
    TDynamicLibrary() = default;
    explicit TDynamicLibrary(std::string path) : m_path(std::move(path)) {}
    ~TDynamicLibrary() override;
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    void SetLibraryPath(const std::string& path) override;
    std::string LibraryPath() const override { return m_path; }
    void Open() override;
    bool IsOpen() const override { return m_handle != nullptr; }
    void* GetEntry(const std::string& name) override;
    void Close() override;

    // The loader's own account of the last failed Open ("" when there was none), for diagnostics.
    const std::string& LastLoaderMessage() const { return m_loaderMessage; }

private:
    std::string m_path;
    void* m_handle = nullptr;
    std::string m_loaderMessage;
};

// Makes closed TDynamicLibrary objects: what the analysis run uses outside tests.
LibraryLoaderFactory DynamicLibraryFactory();

} // namespace quavis
