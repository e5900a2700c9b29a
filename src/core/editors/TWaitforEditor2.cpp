#include "TWaitforEditor2.h"

#include "core/common/DateTime.h"
#include "core/common/PageRoutines.h"
#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"
#include "core/ports/Prompter.h"
#include "core/ports/Shell.h"

#include <cstdio>
#include <filesystem>

namespace bix {

namespace fs = std::filesystem;

TWaitforEditor2::TWaitforEditor2(std::string editorPath, std::string pagePath, Shell& shell, Prompter& prompter)
    : m_editor(std::move(editorPath)), m_page(std::move(pagePath)), m_shell(shell), m_prompter(prompter) {}

bool TWaitforEditor2::IsCompanionEditor(const std::string& path) {
    const std::string name = LowerCase(ExtractFileName(path));
    return name == "rvkhtml" || name == "rvkhtml.exe";
}

void TWaitforEditor2::ShowFileInfo() {
    std::error_code ec;
    const auto size = fs::file_size(fs::path(m_page), ec);
    const auto stamp = FileDateTime(m_page);
    if (ec || !stamp) {
        m_date.clear();
        m_size.clear();
        return;
    }
    const DateTimeParts p = DecodeDateTime(*stamp);
    char date[40];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute,
                  p.second);
    m_date = date;
    char kb[32];
    std::snprintf(kb, sizeof kb, "%4.2fKb", static_cast<double>(size) / 1024.0);
    m_size = kb;
}

void TWaitforEditor2::FormActivate() {
    if (m_activated) {
        return;
    }
    m_activated = true;
    if (IsCompanionEditor(m_editor) && IsFrameset(m_page, m_prompter)) {
        return;
    }
    // The page is one argument, blanks and all; the editor works in its own folder.
    const std::string folder = fs::path(m_editor).parent_path().string();
    m_started = m_shell.StartProgram(m_editor, {m_page}, folder);
    if (!m_started) {
        m_prompter.Warn("An error occurred while opening the file");
    }
}

}  // namespace bix
