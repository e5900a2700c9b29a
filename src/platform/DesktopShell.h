#pragma once

#include "core/ports/Shell.h"

namespace bix {

// Documents through QDesktopServices, programs through QProcess::startDetached: an argument list,
// so paths with blanks need no quoting or short names.
class DesktopShell final : public Shell {
public:
    bool OpenDocument(const std::string& pathOrAddress) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) override;
};

}  // namespace bix
