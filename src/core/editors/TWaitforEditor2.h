#pragma once

#include <string>

namespace bix {

class Prompter;
class Shell;

// What the "Editing the page" dialog does: shows the page's date and size, and starts the editor once,
// when it first becomes active, with the page as its one argument.
class TWaitforEditor2 final {
public:
    TWaitforEditor2(std::string editorPath, std::string pagePath, Shell& shell, Prompter& prompter);

    const std::string& EditorPath() const { return m_editor; }
    const std::string& PagePath() const { return m_page; }
    // The labels "Last Update Date" and "File Size" ("12.34Kb"), empty when the page is not found.
    const std::string& LastUpdateDate() const { return m_date; }
    const std::string& FileSize() const { return m_size; }
    void ShowFileInfo();
    // Starts the editor (only the first time): the companion editor is refused a frameset page.
    void FormActivate();
    bool Started() const { return m_started; }

    // The companion editor's program: RVKHTML, with or without .exe, letter case ignored.
    static bool IsCompanionEditor(const std::string& path);

private:
    std::string m_editor;
    std::string m_page;
    Shell& m_shell;
    Prompter& m_prompter;
    std::string m_date;
    std::string m_size;
    bool m_activated = false;
    bool m_started = false;
};

}  // namespace bix
