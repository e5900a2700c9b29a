#include "TSelectWhichEditor2.h"

#include "core/common/Paths.h"
#include "core/common/RegistryValues.h"
#include "core/common/TextRoutines.h"
#include "core/editors/KnownEditors.h"
#include "core/editors/TZarpSelectHTMLEditor2.h"

#include <algorithm>

namespace bix {

TSelectWhichEditor2::TSelectWhichEditor2(TZarpSelectHTMLEditor2& owner, Registry& registry)
    : m_owner(owner), m_registry(registry) {}

std::string TSelectWhichEditor2::EditorsKey() const {
    return m_owner.RegistryPath() + "\\Editors";
}

void TSelectWhichEditor2::FillEditorList() {
    m_entries.clear();
    m_known.clear();
    m_names.clear();
    m_paths.clear();
    for (const TKnownEditor& editor : FindKnownEditors(m_registry)) {
        m_known.emplace_back(editor.tag, editor.path);
        m_entries.push_back({editor.text, editor.tag});
    }
    for (const std::string& name : m_registry.ValueNames(RegistryRoot::CurrentUser, EditorsKey())) {
        const std::string path =
            ReadRegistryValue(m_registry, TRegValueKind::String, RegistryRoot::CurrentUser, EditorsKey(), name, "")
                .AsString();
        m_names.push_back(name);
        m_paths.push_back(path);
        if (!path.empty()) {
            m_entries.push_back({name, static_cast<int>(m_names.size()) - 1});
        }
    }
    m_selected.reset();
}

std::string TSelectWhichEditor2::EditorPath(int tag) const {
    if (tag >= 0) {
        return static_cast<std::size_t>(tag) < m_paths.size() ? m_paths[static_cast<std::size_t>(tag)] : "";
    }
    for (const auto& [known, path] : m_known) {
        if (known == tag) {
            return path;
        }
    }
    return {};
}

void TSelectWhichEditor2::SelectCurrentEditor(const std::string& path) {
    int tag = -1;
    bool found = false;
    // The known editors first, in the order the dialog has always compared them.
    for (int known : {-2, -3, -4, -5, -6}) {
        if (!EditorPath(known).empty() && path == EditorPath(known)) {
            tag = known;
            found = true;
            break;
        }
    }
    if (!found) {
        if (!EditorPath(-7).empty() && path == EditorPath(-7)) {
            tag = -7;
        } else {
            const auto it = std::find(m_paths.begin(), m_paths.end(), path);
            tag = it == m_paths.end() || path.empty() ? -1 : static_cast<int>(it - m_paths.begin());
        }
    }
    m_selected.reset();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].tag == tag && tag != -1) {
            m_selected = i;
            break;
        }
    }
    if (!m_entries.empty()) {
        ListBox1Click(m_selected.value_or(0));
    }
}

void TSelectWhichEditor2::ListBox1Click(std::optional<std::size_t> index) {
    m_selected = index && *index < m_entries.size() ? index : std::nullopt;
    m_path = m_selected ? EditorPath(m_entries[*m_selected].tag) : std::string();
}

bool TSelectWhichEditor2::ListBox1DblClick(std::size_t index) {
    ListBox1Click(index);
    return !m_path.empty();
}

void TSelectWhichEditor2::ListBox1KeyDelete() {
    if (!m_selected || m_entries[*m_selected].tag < 0) {
        return;
    }
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*m_selected));
    ListBox1Click(m_entries.empty() ? std::nullopt : std::optional<std::size_t>(0));
}

void TSelectWhichEditor2::AddEditor(const std::string& name, const std::string& location) {
    m_names.push_back(name);
    m_paths.push_back(location);
    WriteRegistryValue(m_registry, TRegValueKind::String, RegistryRoot::CurrentUser, EditorsKey(), name, location);
    m_entries.push_back({name, static_cast<int>(m_names.size()) - 1});
}

void TSelectWhichEditor2::DeleteEditor() {
    if (!m_selected) {
        return;
    }
    m_registry.DeleteValue(RegistryRoot::CurrentUser, EditorsKey(), m_entries[*m_selected].text);
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*m_selected));
    ListBox1Click(m_entries.empty() ? std::nullopt : std::optional<std::size_t>(0));
}

void TSelectWhichEditor2::FormClose(bool ok) {
    if (!ok) {
        return;
    }
    m_owner.AlwaysUseSelectedEditor = alwaysUse;
    if (m_selected) {
        m_owner.SelectedEditorName = m_path;
    }
}

bool EditorDetailsComplete(const std::string& name, const std::string& location) {
    return !Trim(name).empty() && !Trim(location).empty();
}

std::string SuggestedEditorName(const std::string& name, const std::string& chosenFile) {
    if (!Trim(name).empty()) {
        return name;
    }
    const std::string file = ExtractFileName(chosenFile);
    const std::string ext = ExtractFileExt(file);
    return file.substr(0, file.size() - ext.size());
}

}  // namespace bix
