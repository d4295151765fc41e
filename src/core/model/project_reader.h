#pragma once

#include "components/errors.h"

#include <string>
#include <string_view>

namespace quavis {

class TProject;

// Raised by TProject::CreateFromFile when the file could not be read to its end. The project is complete
// all the same: it holds what was read before the fault and defaults elsewhere, every input table has at
// least MinRows rows, and it is not modified. The message is the one the user is shown (carriage returns
// stand for line breaks).
class EProjectReadError : public EInOutError {
public:
    explicit EProjectReadError(const std::string& message) : EInOutError(message) {}
};

// TProject::CreateFromFile(path) reads the project file into a new model and its input tables, and then
// throws EProjectReadError when the reading stopped early. These two do the same without throwing and
// return the reader's message instead, empty when the whole file was read.
std::string ReadProjectFile(TProject& project, const std::string& path);
// The file's bytes are given; `path` becomes the project's FileName.
std::string ReadProjectText(TProject& project, std::string_view bytes, const std::string& path);

} // namespace quavis
