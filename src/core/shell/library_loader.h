#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "components/errors.h"

namespace quavis {

// Failures of loading a library. Open raises the two load errors, GetEntry the not-open error.
class EDLLError : public EQuavisError {
public:
    explicit EDLLError(const std::string& message) : EQuavisError(message) {}
};

class EInitError : public EDLLError {
public:
    EInitError() : EDLLError("Library failed to properly initialize") {}
    explicit EInitError(const std::string& message) : EDLLError(message) {}
};

class EFileNotFoundError : public EDLLError {
public:
    EFileNotFoundError() : EDLLError("Library could not be located") {}
    explicit EFileNotFoundError(const std::string& message) : EDLLError(message) {}
};

class EDLLNotOpenError : public EDLLError {
public:
    EDLLNotOpenError() : EDLLError("Library is not open") {}
    explicit EDLLNotOpenError(const std::string& message) : EDLLError(message) {}
};

// The analysis engine's entry: called once per run with the integer 13.
using TEngineEntry = void (*)(std::int32_t);

// One loadable library (TDynamicLibrary implements it on the platform's loader; tests fake it).
class LibraryLoader {
public:
    virtual ~LibraryLoader() = default;

    // Closes the library if it is open, then stores the path.
    virtual void SetLibraryPath(const std::string& path) = 0;
    virtual std::string LibraryPath() const = 0;
    // Does nothing when open. Raises EFileNotFoundError when the file does not exist and EInitError when
    // it exists but cannot be loaded; any other failure leaves the library closed without an error.
    virtual void Open() = 0;
    virtual bool IsOpen() const = 0;
    // Raises EDLLNotOpenError when closed; otherwise the exported entry's address, or nullptr when the
    // library has no such entry.
    virtual void* GetEntry(const std::string& name) = 0;
    // Releases the library if it is open.
    virtual void Close() = 0;
};

// Makes a new, closed library object; the analysis run creates one per run.
using LibraryLoaderFactory = std::function<std::unique_ptr<LibraryLoader>()>;

} // namespace quavis
