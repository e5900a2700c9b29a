#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bix {

class Registry;
class TZarpSelectHTMLEditor2;

// What the "Select Editor" dialog holds and decides: the known editors found here, then the registered
// ones (the "Editors" sub-key), the selection, and additions and deletions that go to the registry at once.
class TSelectWhichEditor2 final {
public:
    struct Entry final {
        std::string text;
        int tag;  // a registered editor's index in the two lists, or a known editor's negative tag
    };

    TSelectWhichEditor2(TZarpSelectHTMLEditor2& owner, Registry& registry);

    bool alwaysUse = false;  // the check box "Always use this editor to edit html files"

    void FillEditorList();
    // Selects the entry of that program path, else the first, and runs the click.
    void SelectCurrentEditor(const std::string& path);
    // The path of the entry carrying the tag.
    std::string EditorPath(int tag) const;

    const std::vector<Entry>& Entries() const { return m_entries; }
    std::optional<std::size_t> Selected() const { return m_selected; }
    // The selected entry's path, remembered by the click; OK is enabled exactly when an entry is selected.
    const std::string& SelectedPath() const { return m_path; }
    bool OkEnabled() const { return m_selected.has_value(); }
    bool ListEnabled() const { return !m_entries.empty(); }

    void ListBox1Click(std::optional<std::size_t> index);
    // True when the dialog should close with OK (an entry with a path was double-clicked).
    bool ListBox1DblClick(std::size_t index);
    // Delete on a registered editor: gone from the list for this showing; the registry keeps it.
    void ListBox1KeyDelete();
    // "&Add a new editor...": registered at once.
    void AddEditor(const std::string& name, const std::string& location);
    // "&Delete editor": the registered value deleted at once, the entry removed.
    void DeleteEditor();
    // The dialog closed: on OK the owner takes the check box and the selected path.
    void FormClose(bool ok);

private:
    std::string EditorsKey() const;

    TZarpSelectHTMLEditor2& m_owner;
    Registry& m_registry;
    std::vector<std::string> m_names;
    std::vector<std::string> m_paths;
    std::vector<std::pair<int, std::string>> m_known;  // tag, path
    std::vector<Entry> m_entries;
    std::optional<std::size_t> m_selected;
    std::string m_path;
};

// "Editor Details": OK is enabled exactly when both the name and the location are not blank.
bool EditorDetailsComplete(const std::string& name, const std::string& location);
// After browsing to a program: the name it suggests when the name is still blank (the file name
// without extension).
std::string SuggestedEditorName(const std::string& name, const std::string& chosenFile);

}  // namespace bix
