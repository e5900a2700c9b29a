#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bix {

class TComponentReader;
class TComponentWriter;

enum class TPropertyKind { String, Integer, Lines };

struct TPropertyInfo final {
    std::string name;
    TPropertyKind kind;
};

// One website project in memory: what the wizard pages edit, and the two lists in their stored form.
// The members are the published properties, in the order the project file writes them.
class TWebSite final {
public:
    TWebSite() = default;

    std::string BuiltWebSitePath;  // the build folder, with its trailing separator
    std::string CurrentTheme;      // "bixWebsite Theme N"
    std::string LogoFileName;
    std::string CompanyName;  // the web title
    std::vector<std::string> Address;
    std::vector<std::string> PostalAddress;
    std::string Email;
    std::string Phone;
    std::string MobilePhone;
    std::string Fax;
    std::string ACN;
    std::string ContactUs;
    std::string HostName;
    std::string Login;
    std::string Password;  // scrambled; empty when the user keeps it unsaved
    std::string InitialRemoteDir;
    std::string LocalPath;
    std::int32_t ConnectionRetries = 3;
    std::int32_t ConnectionTimeout = 30;
    std::string ProxyName;
    std::string ProxyBypassList;  // entries joined by CR
    std::int32_t Port = 21;
    std::string FrameLinksTitle = "Other Links";
    // The two memory streams: the frame-links and file-list tables in their stored form.
    std::string FrameLinks;
    std::string FileManager;
    std::string MetaDescription;  // lines joined by CR LF
    std::string Metatags;         // keywords joined by CR
    std::string LeadingPage = "index.htm";

    // Fills the document from a project file. Throws EBixError with a clear message for a file that
    // cannot be read or is no project file; the document is then unchanged.
    void LoadFromFile(const std::string& fileName);
    // Writes the project file through a temporary file renamed over the old one, so a failure leaves
    // the old file as it was. Throws EInOutError when it cannot be written.
    void SaveToFile(const std::string& fileName) const;

    // The bytes of a project file, and back.
    std::string SaveToBytes() const;
    void LoadFromBytes(std::string_view bytes);

    // The root component (its signature and record), one entry per memory stream, the terminator.
    void WriteComponentEntries(TComponentWriter& writer) const;
    // The entries after the root component, up to the terminator or the end of the data.
    void ReadComponentEntries(TComponentReader& reader);

    bool operator==(const TWebSite&) const = default;

    // The published properties in declaration order (the two memory streams aside).
    static std::vector<TPropertyInfo> Properties();
    // A property by its name, letter case ignored; nullptr when there is none of that kind.
    std::string* StringProperty(std::string_view name);
    std::int32_t* IntegerProperty(std::string_view name);
    std::vector<std::string>* LinesProperty(std::string_view name);

private:
    void WriteRoot(TComponentWriter& writer) const;
    void ReadRoot(TComponentReader& reader);
    void ReadProperty(TComponentReader& reader, const std::string& name);
};

}  // namespace bix
