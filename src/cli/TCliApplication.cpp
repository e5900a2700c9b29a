#include "TCliApplication.h"

#include "cli/CliPrompter.h"
#include "core/common/Errors.h"
#include "core/common/RegistryValues.h"
#include "core/generator/TWebsiteProject.h"
#include "core/generator/udmTables.h"
#include "core/ports/Clock.h"
#include "core/ports/Pump.h"
#include "core/themes/TThemeCatalogue.h"
#include "platform/QtPump.h"
#include "platform/SystemClock.h"

#include <algorithm>
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
    {"build", "build PROJECT [--clean|--no-clean]",
     "Build the website with its theme into its build folder (cleaning it first as given, else as the CleanFirst "
     "setting says), refresh its file list and save the project."},
};

const char* const kMainKey = "\\Software\\RVK\\bixWebsite\\";

bool Has(const std::vector<std::string>& args, const std::string& option) {
    return std::find(args.begin(), args.end(), option) != args.end();
}

}  // namespace

TCliApplication::TCliApplication(std::string programFolder, Registry& registry, std::ostream& out, std::ostream& err)
    : m_programFolder(std::move(programFolder)), m_registry(registry), m_out(out), m_err(err) {}

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
    if (command == "build") {
        return Build(rest);
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

    CliPrompter prompter(m_err, false);
    NullPump pump;
    SystemClock clock;
    TdmTables dm(prompter, pump, clock, m_programFolder);
    TWebsiteProject project(dm, prompter);
    try {
        project.Open(projectFile);
    } catch (const EBixError& e) {
        prompter.Error(std::string("An error occured whilst opening your Website\r\n") + e.what());
        return kFailed;
    }
    try {
        TThemeCatalogue catalogue(m_programFolder);
        if (!project.CreateWebsiteNow(catalogue, cleanFirst)) {
            return kFailed;
        }
        project.Save();
    } catch (const EAbort&) {
        return kFailed;  // the refusal has been told already
    } catch (const EBixError& e) {
        prompter.Error(e.what());
        return kFailed;
    }
    m_out << project.WebSite().BuiltWebSitePath << '\n';
    return kOk;
}

}  // namespace bix
