#pragma once

#include <string>
#include <vector>

namespace bix {

// The desktop shell: documents opened with their associated program, programs started detached.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a file, folder or address (http:, mailto:) with the program associated with it.
    // False when the shell reports failure.
    virtual bool OpenDocument(const std::string& pathOrAddress) = 0;
    // Starts a program without waiting for it. False when it could not be started.
    virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& workingFolder) = 0;
};

}  // namespace bix
