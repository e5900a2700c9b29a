#include "ProgramFolder.h"

#include "core/common/TextRoutines.h"

#include <cstdlib>

namespace bix {

std::string ProgramFolder(const std::string& executableFolder) {
    if (const char* home = std::getenv("BIXWEBSITE_HOME"); home != nullptr && *home != '\0') {
        return AddTrailingBackslash(home);
    }
    return AddTrailingBackslash(executableFolder);
}

std::string HomeFolder() {
#ifdef _WIN32
    const char* home = std::getenv("USERPROFILE");
#else
    const char* home = std::getenv("HOME");
#endif
    return home != nullptr && *home != '\0' ? AddTrailingBackslash(home) : std::string();
}

}  // namespace bix
