#pragma once

#include <string>

namespace bix {

// The folder the themes, Resources and help are read from, with a trailing separator: the folder
// named by BIXWEBSITE_HOME when that is set (tests and portable installs), else the folder of the
// running program as the caller found it.
std::string ProgramFolder(const std::string& executableFolder);

// The user's home folder with a trailing separator; empty when the system names none.
std::string HomeFolder();

}  // namespace bix
