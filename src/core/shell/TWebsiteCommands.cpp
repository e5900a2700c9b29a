#include "TWebsiteCommands.h"

#include "core/common/Errors.h"
#include "core/common/RegistryValues.h"
#include "core/generator/TWebsiteProject.h"
#include "core/ports/Prompter.h"

#include <filesystem>

namespace bix {

namespace fs = std::filesystem;

TWebsiteCommands::TWebsiteCommands(TWebsiteProject& project, Registry& registry, Prompter& prompter)
    : m_project(project), m_registry(registry), m_prompter(prompter) {}

bool TWebsiteCommands::CloseEnabled() const {
    return m_project.IsOpen();
}

std::string TWebsiteCommands::Caption() const {
    std::string caption = "RVK bixWebsite ";
    if (m_project.IsOpen()) {
        caption += m_project.WebsiteFolder() + m_project.WebsiteFileName();
        if (m_dirty) {
            caption += " [Modified]";
        }
    }
    return caption;
}

void TWebsiteCommands::SetModified(bool value) {
    m_dirty = value;
}

void TWebsiteCommands::KeyTyped() {
    if (m_project.IsOpen()) {
        SetModified(true);
    }
}

std::string TWebsiteCommands::OpenPath() const {
    return ReadRegistryValue(m_registry, TRegValueKind::String, RegistryRoot::CurrentUser, kMainKey, "OpenPath", "")
        .AsString();
}

void TWebsiteCommands::SetOpenPath(const std::string& path) {
    WriteRegistryValue(m_registry, TRegValueKind::String, RegistryRoot::CurrentUser, kMainKey, "OpenPath", path);
}

bool TWebsiteCommands::Close() {
    if (m_project.IsOpen() && m_dirty) {
        const MsgButton answer =
            m_prompter.Show({"Would you like to save changes?", MsgIcon::Information, MsgButtons::YesNoCancel(), {}});
        if (answer == MsgButton::Cancel) {
            return false;
        }
        if (answer == MsgButton::Yes) {
            Save();
        }
    }
    if (m_project.IsOpen()) {
        m_project.Close();
    }
    if (ResetControls) {
        ResetControls();
    }
    SetModified(false);
    return true;
}

void TWebsiteCommands::Save() {
    if (!m_project.IsOpen()) {
        return;
    }
    if (StoreControls) {
        StoreControls();
    }
    m_project.Save();
    SetModified(false);
}

bool TWebsiteCommands::New(const std::string& folder, const std::string& name) {
    if (!Close()) {
        return false;
    }
    m_project.CreateNew(folder, name);
    SetOpenPath(m_project.WebsiteFolder() + m_project.WebsiteFileName());
    if (LoadControls) {
        LoadControls(false);
    }
    SetModified(true);
    return true;
}

bool TWebsiteCommands::OpenWebsite(const std::string& projectFile) {
    try {
        m_project.Open(projectFile);
        std::error_code ec;
        fs::create_directories(fs::path(m_project.WebsiteFolder() + "Built Website"), ec);
    } catch (const EBixError&) {
        m_prompter.Error("An error occured whilst opening your Website");
        if (m_project.IsOpen()) {
            m_project.Close();
        }
        SetModified(false);
        return false;
    }
    if (LoadControls) {
        LoadControls(true);
    }
    SetModified(true);  // a freshly opened website counts as changed
    return true;
}

bool TWebsiteCommands::Open() {
    const std::string chosen = ChooseProjectFile ? ChooseProjectFile(OpenPath()) : std::string();
    if (chosen.empty() || !Close()) {
        return false;
    }
    SetOpenPath(chosen);
    return OpenWebsite(chosen);
}

bool TWebsiteCommands::OpenLast() {
    const std::string last = OpenPath();
    if (last.empty()) {
        m_prompter.Warn("There is no prior Website to open!");
        return false;
    }
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(last), ec)) {
        m_prompter.Warn("Sorry, Web site \"" + last + "\" no longer exists to open!");
        return Open();
    }
    if (!Close()) {
        return false;
    }
    return OpenWebsite(last);
}

}  // namespace bix
