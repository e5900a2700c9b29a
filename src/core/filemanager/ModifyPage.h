#pragma once

#include <functional>
#include <string>

namespace bix {

class MemTable;
class Prompter;

// "Modify Page in Editor" on the focused row of the file list: a page goes to the editor, a picture to
// the image viewer; a file that differs afterwards from its row becomes "Upload File" with its new size
// and time. True when the website is to be marked changed (also when nothing differs).
bool ModifyPageInEditor(MemTable& files, const std::string& buildFolder,
                        const std::function<void(const std::string&)>& editPage,
                        const std::function<void(const std::string&)>& showImage, Prompter& prompter);

}  // namespace bix
