#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace bix {

class Registry;

// bixwebsite-cli: the website projects from a terminal. Exit status 0 on success, 1 when the command
// failed or was refused, 2 for a usage error.
class TCliApplication final {
public:
    // programFolder: where the themes and starter pages lie (BIXWEBSITE_HOME already applied).
    TCliApplication(std::string programFolder, Registry& registry, std::ostream& out, std::ostream& err);

    int Run(const std::vector<std::string>& args);

    static constexpr int kOk = 0;
    static constexpr int kFailed = 1;
    static constexpr int kUsage = 2;

private:
    int Help(const std::string& command);
    int Usage(const std::string& problem);
    int Themes(const std::vector<std::string>& args);
    int Build(const std::vector<std::string>& args);

    std::string m_programFolder;
    Registry& m_registry;
    std::ostream& m_out;
    std::ostream& m_err;
};

}  // namespace bix
