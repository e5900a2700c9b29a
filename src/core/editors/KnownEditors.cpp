#include "KnownEditors.h"

#include "core/common/FileRoutines.h"
#include "core/common/Paths.h"
#include "core/common/RegistryValues.h"
#include "core/common/TextRoutines.h"

#include <cstdlib>
#include <filesystem>

namespace bix {

namespace fs = std::filesystem;

std::string FirstQuotedPart(const std::string& text) {
    const std::size_t open = text.find('"');
    if (open == std::string::npos) {
        return text;
    }
    const std::size_t close = text.find('"', open + 1);
    return text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

std::string FindOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr || program.empty()) {
        return {};
    }
#ifdef _WIN32
    const char separator = ';';
#else
    const char separator = ':';
#endif
    std::string folders(path);
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(separator, start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        if (!folder.empty()) {
            const fs::path candidate = fs::path(folder) / program;
            std::error_code ec;
            const auto status = fs::status(candidate, ec);
            if (!ec && fs::is_regular_file(status) &&
                (status.permissions() & fs::perms::others_exec) != fs::perms::none) {
                return candidate.string();
            }
        }
        start = end + 1;
    }
    return {};
}

std::vector<TKnownEditor> FindKnownEditors([[maybe_unused]] Registry& registry) {
    std::vector<TKnownEditor> found;
    const auto add = [&found](int tag, const char* text, const std::string& path) {
        if (!path.empty()) {
            found.push_back({tag, text, path});
        }
    };
#ifdef _WIN32
    const auto read = [&registry](RegistryRoot root, const char* key, const char* name) {
        return ReadRegistryValue(registry, TRegValueKind::String, root, key, name, "").AsString();
    };
    const auto exists = [](const std::string& path) { return fs::exists(fs::path(path)); };
    add(-6, "DreamWeaver",
        FirstQuotedPart(read(RegistryRoot::ClassesRoot, "Dreamweaver.Template\\shell\\open\\command", "")));
    add(-4, "Microsoft FrontPage", FirstQuotedPart(read(RegistryRoot::ClassesRoot, "fpdbw\\shell\\open\\command", "")));
    std::string express = read(RegistryRoot::LocalMachine, "Software\\Microsoft\\FrontPageExpress", "EditCommand");
    express = Trim(FirstQuotedPart(express.substr(0, express.find('%'))));
    add(-7, "FrontPage Express", express);
    const std::string composer = FirstQuotedPart(
        read(RegistryRoot::CurrentUser, "Software\\Netscape\\Netscape Navigator\\Main", "Install Directory"));
    add(-3, "NetScape Composer", composer.empty() ? "" : composer + "\\Program\\Netscape.exe");
    const std::string write = WindowsFolder() + "Write.exe";
    const std::string wordpad = "c:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe";
    add(-5, "Wordpad", exists(write) ? write : exists(wordpad) ? wordpad : "");
    const std::string notepad = WindowsFolder() + "Notepad.exe";
    add(-2, "Notepad", exists(notepad) ? notepad : "");
#else
    // The same six places in the list, filled with editors of this system: three that know HTML, three
    // plain text editors.
    add(-6, "Bluefish", FindOnPath("bluefish"));
    add(-4, "Visual Studio Code", FindOnPath("code"));
    add(-7, "Geany", FindOnPath("geany"));
    add(-3, "Kate", FindOnPath("kate"));
    add(-5, "gedit", FindOnPath("gedit"));
    add(-2, "Mousepad", FindOnPath("mousepad"));
#endif
    return found;
}

}  // namespace bix
