#pragma once

#include <string>

namespace bix {

class EditorDialogs;
class Prompter;
class Registry;
class Shell;

// The HTML editor of the user's choice: the choice kept in the registry (RegistryPath under the current
// user: AlwaysUse, SelectedEditorName, the Editors sub-key), its selection, and editing a page in it.
class TZarpSelectHTMLEditor2 final {
public:
    TZarpSelectHTMLEditor2(Registry& registry, Shell& shell, Prompter& prompter);

    bool AlwaysUseSelectedEditor = false;
    std::string SelectedEditorName;  // the selected editor's program path
    std::string ProjectPath;         // the open website's folder, with a trailing separator

    const std::string& RegistryPath() const { return m_registryPath; }
    // A new path is stored and the settings are read from it.
    void SetRegistryPath(const std::string& path);
    void LoadSettings();
    void SaveSettings();

    // Shows "Select Editor"; true when it closed with OK. The settings are saved in every case.
    bool SelectEditor(EditorDialogs& dialogs);
    // Edits the page in the selected editor (asking first unless "always use" and the editor exists),
    // then, when the user confirms, points its pictures at images/ and turns escaped brackets back into
    // tags, writing it back safely. False when no editor was chosen or the user closed the wait dialog.
    bool EditFile(const std::string& pagePath, EditorDialogs& dialogs);

    // Adds "RVK HTML Editor" under Editors when the companion editor's program exists and no registered
    // editor names it yet.
    void RegisterCompanionEditor(const std::string& programFolder);

private:
    Registry& m_registry;
    Shell& m_shell;
    Prompter& m_prompter;
    std::string m_registryPath;
};

}  // namespace bix
