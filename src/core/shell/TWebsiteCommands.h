#pragma once

#include <functional>
#include <string>

namespace bix {

class Prompter;
class Registry;
class TWebsiteProject;

// New, Open, Open last, Save and Close of the main window, and the change flag with the caption they
// drive. The window shows the dialogs and copies its controls; every decision is made here.
class TWebsiteCommands final {
public:
    TWebsiteCommands(TWebsiteProject& project, Registry& registry, Prompter& prompter);

    // Copies the pages' controls into the document before a save (set by the window).
    std::function<void()> StoreControls;
    // Fills the pages from the document after New (false) or Open (true) (set by the window). A new
    // website keeps the links title and the leading page as they stand and starts on the first theme.
    std::function<void(bool opened)> LoadControls;
    // Empties the pages when a website closes: the Welcome page, no tree (set by the window).
    std::function<void()> ResetControls;
    // Shows the Open dialog starting at the given file; the chosen file or "" (set by the window).
    std::function<std::string(const std::string& startAt)> ChooseProjectFile;

    bool Dirty() const { return m_dirty; }
    bool SaveEnabled() const { return m_dirty; }
    bool CloseEnabled() const;
    std::string Caption() const;
    void SetModified(bool value);
    // A key that types a character anywhere in the window.
    void KeyTyped();

    // The dialog's folder and name given: the current website closed (unless the user cancels), a new one
    // created. False when it was abandoned.
    bool New(const std::string& folder, const std::string& name);
    bool Open();
    bool OpenLast();
    bool OpenWebsite(const std::string& projectFile);
    void Save();
    // Asks to save a changed website; false on Cancel (the website stays open).
    bool Close();
    // The main window's close request: false keeps the program running.
    bool CloseQuery() { return Close(); }

    std::string OpenPath() const;

    static constexpr const char* kMainKey = "\\Software\\RVK\\bixWebsite\\";

private:
    void SetOpenPath(const std::string& path);

    TWebsiteProject& m_project;
    Registry& m_registry;
    Prompter& m_prompter;
    bool m_dirty = false;
};

}  // namespace bix
