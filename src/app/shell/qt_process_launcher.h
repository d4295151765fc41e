#pragma once

#include "shell/process_launcher.h"

namespace quavis {

// Programs started with QProcess::startDetached (never through a shell) and documents opened with the
// desktop's associated program.
class TQtProcessLauncher : public ProcessLauncher {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override;
    bool OpenDocument(const std::string& pathOrUrl) override;
};

} // namespace quavis
