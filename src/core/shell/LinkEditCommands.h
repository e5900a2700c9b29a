#pragma once

#include <functional>
#include <string>

namespace bix {

class MemTable;
class Prompter;
class Shell;

// The commands of the "Add/Modify Link" dialog. Each that fills the URL gives the new URL ("" when the
// user cancelled, which empties the field). websiteFolder has its trailing separator.
using EditPageFunction = std::function<void(const std::string& path)>;

// "New HTML Page": a new page in the website folder, opened in the editor; its file name.
std::string NewHtmlPage(const std::string& websiteFolder, Prompter& prompter, const EditPageFunction& editPage);
// "Select File": the chosen file's name in lower case, copied into the website folder when the user agrees.
std::string SelectFile(const std::string& websiteFolder, Prompter& prompter);
// "Insert Email": "mailto:" and a plausible address, or "".
std::string InsertEmail(const std::string& currentUrl, Prompter& prompter);
// "Edit HTML Page": the URL's page in the editor, when it is a local page that exists.
void EditHtmlPage(const std::string& websiteFolder, const std::string& url, Prompter& prompter,
                  const EditPageFunction& editPage);
// "View HTML Page": the URL's page in the browser.
void ViewHtmlPage(const std::string& websiteFolder, const std::string& url, Shell& shell, Prompter& prompter);

// The page the frame-links preview shows for a link: the website's local .htm or .html page that the
// URL names, as written or in lower case (links are written for a case-blind server); else empty.
std::string FrameLinkPreviewPath(const std::string& websiteFolder, const std::string& url);

// The text of a page made by "New HTML Page".
std::string NewPageText();

// The frame-links page's "Delete": asks, offers to delete the linked file, deletes the row. True when
// the website is to be marked changed.
bool DeleteFrameLink(MemTable& links, const std::string& websiteFolder, Prompter& prompter);

}  // namespace bix
