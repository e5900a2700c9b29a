#include "TCliApplication.h"

#include "cli/CliPrompter.h"
#include "cli/CliSession.h"
#include "core/common/Errors.h"
#include "core/common/RegistryValues.h"
#include "core/common/TextRoutines.h"
#include "core/generator/NewWebsite.h"
#include "core/generator/TWebsiteProject.h"
#include "core/generator/udmTables.h"
#include "core/ports/Clock.h"
#include "core/ports/Pump.h"
#include "core/themes/TThemeCatalogue.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#ifndef BIX_VERSION
#define BIX_VERSION "0.0.0"
#endif

namespace bix {

namespace {

struct CommandHelp final {
    const char* name;
    const char* synopsis;
    const char* description;
};

constexpr CommandHelp kCommands[] = {
    {"themes", "themes", "List the installed themes, one a line: number, tab, display name, tab, theme folder."},
    {"new", "new FOLDER NAME",
     "Create a website: FOLDER (made when missing) with its \"Built Website\" folder and the starter pages "
     "content.htm and about.htm, and the project file FOLDER/NAME.mcs, whose path is printed."},
    {"show", "show PROJECT [--json]", "Print the project's properties, frame links and file list."},
    {"set", "set PROJECT NAME=VALUE...",
     "Set properties by name (letter case ignored). Address, PostalAddress and Metatags take lines separated "
     "by newlines; Password is stored scrambled; CurrentTheme=N names theme N."},
    {"link", "link PROJECT add NAME URL [--hidden] [--top] | list | remove ROW | move ROW up|down",
     "Keep the additional links: add one (shown, opening in the content frame unless told), list them "
     "numbered from 1, remove one, or move one."},
    {"build", "build PROJECT [--clean|--no-clean]",
     "Build the website with its theme into its build folder (cleaning it first as given, else as the CleanFirst "
     "setting says), refresh its file list and save the project."},
    {"files", "files PROJECT [--json]",
     "Print the file list: planned action, preserve mark, name, type, size and description."},
    {"mark", "mark PROJECT FILE|--all upload|remove|nothing [--yes]",
     "Plan an action for one file or for all (upload or remove); removing deletes the local file after a "
     "question that --yes answers."},
    {"preserve", "preserve PROJECT FILE on|off", "Protect a built file from being written over, or not."},
    {"upload", "upload PROJECT [--password-stdin] [--dry-run]",
     "Upload the pending files with the stored FTP settings and save the results into the file list. "
     "--password-stdin reads the password from one line of standard input; --dry-run prints the three "
     "lists and contacts no server."},
};

const char* const kMainKey = "\\Software\\RVK\\bixWebsite\\";

bool Has(const std::vector<std::string>& args, const std::string& option) {
    return std::find(args.begin(), args.end(), option) != args.end();
}

}  // namespace

TCliApplication::TCliApplication(std::string programFolder, Registry& registry, std::ostream& out, std::ostream& err,
                                 std::istream& passwordInput)
    : m_programFolder(std::move(programFolder)), m_registry(registry), m_out(out), m_err(err), m_in(passwordInput) {}

std::unique_ptr<CliSession> TCliApplication::Open(const std::string& projectFile, bool yes) {
    auto session = std::make_unique<CliSession>(m_programFolder, m_err, yes);
    try {
        session->project.Open(projectFile);
    } catch (const EBixError& e) {
        session->prompter.Error(std::string("An error occured whilst opening your Website\r\n") + e.what());
        return nullptr;
    }
    return session;
}

bool TCliApplication::Save(CliSession& session) {
    try {
        session.project.Save();
        return true;
    } catch (const EBixError& e) {
        session.prompter.Error(e.what());
        return false;
    }
}

int TCliApplication::Help(const std::string& command) {
    for (const CommandHelp& c : kCommands) {
        if (command == c.name) {
            m_out << "usage: bixwebsite-cli " << c.synopsis << "\n\n" << c.description << '\n';
            return kOk;
        }
    }
    m_out << "usage: bixwebsite-cli COMMAND [ARGS...]\n"
             "       bixwebsite-cli COMMAND --help\n"
             "       bixwebsite-cli --version\n\n"
             "Build and publish the website projects (.mcs files) of bixWebSite from a terminal.\n\n"
             "Commands:\n";
    for (const CommandHelp& c : kCommands) {
        m_out << "  " << c.synopsis << "\n      " << c.description << '\n';
    }
    m_out << "\nMessages go to standard error as \"warning: ...\", \"error: ...\" or \"info: ...\".\n"
             "Exit status: 0 success, 1 failed or refused, 2 usage error.\n";
    return kOk;
}

int TCliApplication::Usage(const std::string& problem) {
    m_err << "bixwebsite-cli: " << problem << "\nTry 'bixwebsite-cli --help'.\n";
    return kUsage;
}

int TCliApplication::Run(const std::vector<std::string>& args) {
    if (args.empty()) {
        return Usage("no command given");
    }
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        return Help(rest.empty() ? std::string() : rest.front());
    }
    if (command == "--version") {
        m_out << "bixwebsite-cli " << BIX_VERSION << '\n';
        return kOk;
    }
    if (Has(rest, "--help")) {
        return Help(command);
    }
    if (command == "themes") {
        return Themes(rest);
    }
    using Command = int (TCliApplication::*)(const std::vector<std::string>&);
    const std::pair<const char*, Command> commands[] = {
        {"build", &TCliApplication::Build},   {"new", &TCliApplication::New},
        {"show", &TCliApplication::Show},     {"set", &TCliApplication::Set},
        {"link", &TCliApplication::Link},     {"files", &TCliApplication::Files},
        {"mark", &TCliApplication::Mark},     {"preserve", &TCliApplication::Preserve},
        {"upload", &TCliApplication::Upload},
    };
    for (const auto& [name, member] : commands) {
        if (command == name) {
            return (this->*member)(rest);
        }
    }
    return Usage("'" + command + "' is not a command");
}

int TCliApplication::Themes(const std::vector<std::string>& args) {
    if (!args.empty()) {
        return Usage("themes takes no arguments");
    }
    TThemeCatalogue catalogue(m_programFolder);
    catalogue.LoadThemesClick();
    for (const TThemeData& theme : catalogue.Themes()) {
        const std::string number = theme.DisplayName.substr(theme.DisplayName.rfind(' ') + 1);
        m_out << number << '\t' << theme.DisplayName << '\t' << theme.ThemeFolder << '\n';
    }
    return kOk;
}

int TCliApplication::Build(const std::vector<std::string>& args) {
    std::string projectFile;
    std::optional<bool> clean;
    for (const std::string& arg : args) {
        if (arg == "--clean" || arg == "--no-clean") {
            clean = arg == "--clean";
        } else if (arg.starts_with("-")) {
            return Usage("build: unknown option " + arg);
        } else if (projectFile.empty()) {
            projectFile = arg;
        } else {
            return Usage("build takes one project file");
        }
    }
    if (projectFile.empty()) {
        return Usage("build needs a project file");
    }
    const bool cleanFirst = clean.value_or(
        ReadRegistryValue(m_registry, TRegValueKind::Boolean, RegistryRoot::CurrentUser, kMainKey, "CleanFirst", true)
            .AsBoolean());

    auto session = Open(projectFile, false);
    if (!session) {
        return kFailed;
    }
    TThemeCatalogue catalogue(m_programFolder);
    if (!session->project.CreateWebsiteNow(catalogue, cleanFirst, session->shell)) {
        return kFailed;  // the reason has been told already
    }
    if (!Save(*session)) {
        return kFailed;
    }
    m_out << session->project.WebSite().BuiltWebSitePath << '\n';
    return kOk;
}

int TCliApplication::New(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        return Usage("new needs a folder and a name");
    }
    const std::string folder = AddTrailingBackslash(std::filesystem::absolute(std::filesystem::path(args[0])).string());
    const std::string& name = args[1];
    CliSession session(m_programFolder, m_err, false);
    if (CheckNewWebsite(m_programFolder, folder, name, session.prompter) != TNewWebsiteField::None) {
        return kFailed;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(folder), ec);
    if (ec) {
        session.prompter.Error("Error creating directory '" + folder + "'");
        return kFailed;
    }
    try {
        session.project.CreateNew(folder, name);
    } catch (const EBixError& e) {
        session.prompter.Error(e.what());
        return kFailed;
    }
    if (!Save(session)) {
        return kFailed;
    }
    m_out << folder << session.project.WebsiteFileName() << '\n';
    return kOk;
}

}  // namespace bix
