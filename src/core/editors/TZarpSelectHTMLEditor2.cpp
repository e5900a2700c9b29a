#include "TZarpSelectHTMLEditor2.h"

#include "core/common/FileIO.h"
#include "core/common/PageRoutines.h"
#include "core/common/RegistryValues.h"
#include "core/common/TextRoutines.h"
#include "core/editors/EditorDialogs.h"
#include "core/editors/TSelectWhichEditor2.h"
#include "core/editors/TWaitforEditor2.h"

#include <filesystem>

namespace bix {

namespace fs = std::filesystem;

TZarpSelectHTMLEditor2::TZarpSelectHTMLEditor2(Registry& registry, Shell& shell, Prompter& prompter)
    : m_registry(registry), m_shell(shell), m_prompter(prompter) {}

void TZarpSelectHTMLEditor2::SetRegistryPath(const std::string& path) {
    if (path != m_registryPath) {
        m_registryPath = path;
        LoadSettings();
    }
}

void TZarpSelectHTMLEditor2::LoadSettings() {
    AlwaysUseSelectedEditor = ReadRegistryValue(m_registry, TRegValueKind::Boolean, RegistryRoot::CurrentUser,
                                                m_registryPath, "AlwaysUse", false)
                                  .AsBoolean();
    SelectedEditorName = ReadRegistryValue(m_registry, TRegValueKind::String, RegistryRoot::CurrentUser, m_registryPath,
                                           "SelectedEditorName", "")
                             .AsString();
}

void TZarpSelectHTMLEditor2::SaveSettings() {
    WriteRegistryValue(m_registry, TRegValueKind::Boolean, RegistryRoot::CurrentUser, m_registryPath, "AlwaysUse",
                       AlwaysUseSelectedEditor);
    WriteRegistryValue(m_registry, TRegValueKind::String, RegistryRoot::CurrentUser, m_registryPath,
                       "SelectedEditorName", SelectedEditorName);
}

bool TZarpSelectHTMLEditor2::SelectEditor(EditorDialogs& dialogs) {
    TSelectWhichEditor2 model(*this, m_registry);
    model.alwaysUse = AlwaysUseSelectedEditor;
    model.FillEditorList();
    model.SelectCurrentEditor(SelectedEditorName);
    bool ok = false;
    try {
        ok = dialogs.ShowSelectEditor(model);
        model.FormClose(ok);
    } catch (...) {
        SaveSettings();
        throw;
    }
    SaveSettings();
    return ok;
}

bool TZarpSelectHTMLEditor2::EditFile(const std::string& pagePath, EditorDialogs& dialogs) {
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(SelectedEditorName), ec) || !AlwaysUseSelectedEditor) {
        if (!SelectEditor(dialogs)) {
            return false;
        }
    }
    TWaitforEditor2 wait(SelectedEditorName, pagePath, m_shell, m_prompter);
    wait.ShowFileInfo();
    if (!dialogs.ShowWaitForEditor(wait)) {
        return false;
    }
    const std::string tidied = UnescapeAngleBrackets(
        LocalisePageImages(ReadFileBytes(pagePath), ProjectPath, ProjectPath + "images", m_prompter));
    WriteFileAtomic(pagePath, tidied);
    return true;
}

void TZarpSelectHTMLEditor2::RegisterCompanionEditor(const std::string& programFolder) {
#ifdef _WIN32
    const std::string program = AddTrailingBackslash(programFolder) + "RVKHTML.exe";
#else
    const std::string program = AddTrailingBackslash(programFolder) + "RVKHTML";
#endif
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(program), ec)) {
        return;
    }
    const std::string key = m_registryPath + "\\Editors";
    for (const std::string& name : m_registry.ValueNames(RegistryRoot::CurrentUser, key)) {
        const std::string path =
            ReadRegistryValue(m_registry, TRegValueKind::String, RegistryRoot::CurrentUser, key, name, "").AsString();
        if (path == program) {
            return;
        }
    }
    WriteRegistryValue(m_registry, TRegValueKind::String, RegistryRoot::CurrentUser, key, "RVK HTML Editor", program);
}

}  // namespace bix
