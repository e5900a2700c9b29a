#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace bix {

class Registry;
struct CliSession;

// bixwebsite-cli: the website projects from a terminal. Exit status 0 on success, 1 when the command
// failed or was refused, 2 for a usage error. Message-box texts go to the error stream.
class TCliApplication final {
public:
    // programFolder: where the themes and starter pages lie (BIXWEBSITE_HOME already applied).
    // passwordInput: where --password-stdin reads from.
    TCliApplication(std::string programFolder, Registry& registry, std::ostream& out, std::ostream& err,
                    std::istream& passwordInput);

    int Run(const std::vector<std::string>& args);

    static constexpr int kOk = 0;
    static constexpr int kFailed = 1;
    static constexpr int kUsage = 2;

private:
    int Help(const std::string& command);
    int Usage(const std::string& problem);
    // The session with the project opened; nothing (after the error) when it cannot be read.
    std::unique_ptr<CliSession> Open(const std::string& projectFile, bool yes);
    // Saves; false after the error.
    bool Save(CliSession& session);

    int Themes(const std::vector<std::string>& args);
    int Build(const std::vector<std::string>& args);
    int New(const std::vector<std::string>& args);
    int Show(const std::vector<std::string>& args);
    int Set(const std::vector<std::string>& args);
    int Link(const std::vector<std::string>& args);
    int Files(const std::vector<std::string>& args);
    int Mark(const std::vector<std::string>& args);
    int Preserve(const std::vector<std::string>& args);
    int Upload(const std::vector<std::string>& args);

    std::string m_programFolder;
    Registry& m_registry;
    std::ostream& m_out;
    std::ostream& m_err;
    std::istream& m_in;
};

}  // namespace bix
