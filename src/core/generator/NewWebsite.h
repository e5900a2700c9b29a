#pragma once

#include <string>

namespace bix {

class Prompter;

// Which field of the new-website dialog a refusal points at.
enum class TNewWebsiteField { None, Name, Folder };

// The checks the new-website dialog makes on OK, with their warnings, in this order: the name, the
// folder (not the program folder, its res or its themes sub-folder), no project of that name there.
// None when all pass; otherwise the field to put the focus on.
TNewWebsiteField CheckNewWebsite(const std::string& programFolder, const std::string& folder, const std::string& name,
                                 Prompter& prompter);

// The folder the new-website dialog proposes each time it opens: a fresh "www/Website N" created in the
// program folder, or, when that cannot be written, in the user's folder (with its trailing
// separator). Empty when neither can be written.
std::string PrepareNewWebsiteFolder(const std::string& programFolder, const std::string& userFolder);

// "New Directory": the folder name created below the parent (with missing parents); its path with a
// trailing separator, or empty after the warning when the name is no folder name or it cannot be made.
std::string CreateNewDirectory(const std::string& parent, const std::string& name, Prompter& prompter);

// The project file's name: the name with its extension replaced by ".mcs" (added when it has none).
std::string ProjectFileName(const std::string& name);

}  // namespace bix
