#pragma once

#include <string>
#include <vector>

namespace quavis {

// Starting other programs without waiting for them. The program path is taken whole and the arguments are
// handed over one by one, never through a shell, so blanks and quotes in them are just characters.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;

    // Starts the program detached in the current directory; false when it could not be started.
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) = 0;
    // Opens a document path or a web address with the program the desktop associates with it; false when
    // nothing could be started.
    virtual bool OpenDocument(const std::string& pathOrUrl) = 0;
};

} // namespace quavis
