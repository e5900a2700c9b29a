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

// The project file's name: the name with its extension replaced by ".mcs" (added when it has none).
std::string ProjectFileName(const std::string& name);

}  // namespace bix
