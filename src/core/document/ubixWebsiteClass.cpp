#include "ubixWebsiteClass.h"

#include "core/common/Errors.h"
#include "core/common/FileIO.h"
#include "core/common/TextRoutines.h"
#include "core/document/ComponentStream.h"
#include "core/document/MemTable.h"

#include <variant>

namespace bix {

namespace {

constexpr std::string_view kClassName = "TWebSite";
constexpr std::string_view kTerminator = "*** Component End ***";
constexpr std::string_view kStreamClass = "TMemoryStream";
constexpr std::string_view kListSuffix = ".Strings";

// Which member holds a published property.
using Member = std::variant<std::string TWebSite::*, std::int32_t TWebSite::*, std::vector<std::string> TWebSite::*>;

struct Property final {
    std::string_view name;
    Member member;
};

// The published properties written in the record, in declaration order. The memory streams are
// written as entries instead (see kStreams).
constexpr Property kProperties[] = {
    {"BuiltWebSitePath", &TWebSite::BuiltWebSitePath},
    {"CurrentTheme", &TWebSite::CurrentTheme},
    {"LogoFileName", &TWebSite::LogoFileName},
    {"CompanyName", &TWebSite::CompanyName},
    {"Address", &TWebSite::Address},
    {"PostalAddress", &TWebSite::PostalAddress},
    {"Email", &TWebSite::Email},
    {"Phone", &TWebSite::Phone},
    {"MobilePhone", &TWebSite::MobilePhone},
    {"Fax", &TWebSite::Fax},
    {"ACN", &TWebSite::ACN},
    {"ContactUs", &TWebSite::ContactUs},
    {"HostName", &TWebSite::HostName},
    {"Login", &TWebSite::Login},
    {"Password", &TWebSite::Password},
    {"InitialRemoteDir", &TWebSite::InitialRemoteDir},
    {"LocalPath", &TWebSite::LocalPath},
    {"ConnectionRetries", &TWebSite::ConnectionRetries},
    {"ConnectionTimeout", &TWebSite::ConnectionTimeout},
    {"ProxyName", &TWebSite::ProxyName},
    {"ProxyBypassList", &TWebSite::ProxyBypassList},
    {"Port", &TWebSite::Port},
    {"FrameLinksTitle", &TWebSite::FrameLinksTitle},
    {"MetaDescription", &TWebSite::MetaDescription},
    {"Metatags", &TWebSite::Metatags},
    {"LeadingPage", &TWebSite::LeadingPage},
};

struct StreamProperty final {
    std::string_view name;
    std::string TWebSite::*member;
};

// The memory-stream properties in alphabetical order, the order of their entries.
constexpr StreamProperty kStreams[] = {
    {"FileManager", &TWebSite::FileManager},
    {"FrameLinks", &TWebSite::FrameLinks},
};

[[noreturn]] void Invalid(const std::string& message) {
    throw EBixError(message);
}

}  // namespace

void TWebSite::WriteRoot(TComponentWriter& writer) const {
    writer.WriteSignature();
    writer.WriteShortName(kClassName);
    writer.WriteShortName("");  // the component name stays empty
    for (const Property& property : kProperties) {
        if (const auto* text = std::get_if<std::string TWebSite::*>(&property.member)) {
            if (!(this->**text).empty()) {
                writer.WriteShortName(property.name);
                writer.WriteString(this->**text);
            }
        } else if (const auto* number = std::get_if<std::int32_t TWebSite::*>(&property.member)) {
            // Port has the default 21 and is left out at it; the two others have no default.
            if (*number != &TWebSite::Port || Port != 21) {
                writer.WriteShortName(property.name);
                writer.WriteInteger(this->**number);
            }
        } else {
            const auto& lines = this->*std::get<std::vector<std::string> TWebSite::*>(property.member);
            if (!lines.empty()) {
                writer.WriteShortName(std::string(property.name) + std::string(kListSuffix));
                writer.WriteStringList(lines);
            }
        }
    }
    writer.WriteListEnd();  // end of the properties
    writer.WriteListEnd();  // end of the child components: there are none
}

void TWebSite::WriteComponentEntries(TComponentWriter& writer) const {
    WriteRoot(writer);
    for (const StreamProperty& stream : kStreams) {
        const std::string& bytes = this->*stream.member;
        writer.WriteString(stream.name);
        writer.WriteString(kStreamClass);
        writer.WriteInteger(static_cast<std::int32_t>(bytes.size()));
        writer.WriteRaw(bytes);
    }
    writer.WriteString(kTerminator);
}

std::string TWebSite::SaveToBytes() const {
    std::string bytes;
    bytes.reserve(512 + FrameLinks.size() + FileManager.size());
    TComponentWriter writer(bytes);
    writer.WriteSignature();
    WriteComponentEntries(writer);
    return bytes;
}

void TWebSite::SaveToFile(const std::string& fileName) const {
    WriteFileAtomic(fileName, SaveToBytes());
}

void TWebSite::ReadProperty(TComponentReader& reader, const std::string& name) {
    for (const Property& property : kProperties) {
        if (const auto* lines = std::get_if<std::vector<std::string> TWebSite::*>(&property.member)) {
            if (SameText(name, std::string(property.name) + std::string(kListSuffix))) {
                this->** lines = reader.ReadStringList();
                return;
            }
        } else if (SameText(name, property.name)) {
            if (const auto* text = std::get_if<std::string TWebSite::*>(&property.member)) {
                this->** text = reader.ReadString();
            } else {
                this->*std::get<std::int32_t TWebSite::*>(property.member) = reader.ReadInteger();
            }
            return;
        }
    }
    // The inherited Name and Tag are never written, but a stream may hold them.
    if (SameText(name, "Name")) {
        (void)reader.ReadString();
        return;
    }
    if (SameText(name, "Tag")) {
        (void)reader.ReadInteger();
        return;
    }
    Invalid("Error reading " + std::string(kClassName) + ": Property " + name + " does not exist");
}

void TWebSite::ReadRoot(TComponentReader& reader) {
    reader.ReadSignature();
    // A flags byte (inherited, child position, inline) may stand before the class name.
    if ((reader.PeekByte() & 0xF0U) == 0xF0U) {
        const std::uint8_t flags = reader.ReadByte();
        if ((flags & 0x02U) != 0) {
            (void)reader.ReadInteger();
        }
    }
    (void)reader.ReadShortName();  // the class name
    (void)reader.ReadShortName();  // the component name, always empty
    while (!reader.EndOfList()) {
        ReadProperty(reader, reader.ReadShortName());
    }
    reader.ReadListEnd();
    if (!reader.EndOfList()) {
        Invalid("Invalid stream format: a website holds no child components");
    }
    reader.ReadListEnd();
}

void TWebSite::ReadComponentEntries(TComponentReader& reader) {
    while (reader.Remaining() >= 2) {
        const std::string name = reader.ReadString();
        if (name == kTerminator) {
            return;
        }
        const std::string className = reader.ReadString();
        if (className != kStreamClass) {
            Invalid("Invalid stream format: unknown entry class " + className);
        }
        const std::int32_t count = reader.ReadInteger();
        if (count < 0) {
            Invalid("Invalid stream format: negative size of entry " + name);
        }
        const std::string_view bytes = reader.ReadRaw(static_cast<std::size_t>(count));
        for (const StreamProperty& stream : kStreams) {
            if (SameText(name, stream.name)) {
                this->*stream.member = std::string(bytes);
            }
        }
    }
}

void TWebSite::LoadFromBytes(std::string_view bytes) {
    // Read into a copy, so that a damaged file leaves this document as it was.
    TWebSite loaded(*this);
    TComponentReader reader(bytes);
    reader.ReadSignature();
    loaded.ReadRoot(reader);
    loaded.ReadComponentEntries(reader);
    for (const StreamProperty& stream : kStreams) {
        const std::string& table = loaded.*stream.member;
        if (!table.empty()) {
            MemTable::CheckStoredForm(table);
        }
    }
    *this = std::move(loaded);
}

void TWebSite::LoadFromFile(const std::string& fileName) {
    LoadFromBytes(ReadFileBytes(fileName));
}

}  // namespace bix

namespace bix {

std::vector<TPropertyInfo> TWebSite::Properties() {
    std::vector<TPropertyInfo> list;
    for (const Property& property : kProperties) {
        TPropertyKind kind = TPropertyKind::Lines;
        if (std::holds_alternative<std::string TWebSite::*>(property.member)) {
            kind = TPropertyKind::String;
        } else if (std::holds_alternative<std::int32_t TWebSite::*>(property.member)) {
            kind = TPropertyKind::Integer;
        }
        list.push_back({std::string(property.name), kind});
    }
    return list;
}

namespace {

// The member that holds the property of that name and kind; nullptr when there is none.
template <typename T>
T TWebSite::*FindMember(std::string_view name) {
    for (const Property& property : kProperties) {
        if (SameText(property.name, name)) {
            if (const auto* member = std::get_if<T TWebSite::*>(&property.member)) {
                return *member;
            }
        }
    }
    return nullptr;
}

}  // namespace

std::string* TWebSite::StringProperty(std::string_view name) {
    auto member = FindMember<std::string>(name);
    return member != nullptr ? &(this->*member) : nullptr;
}

std::int32_t* TWebSite::IntegerProperty(std::string_view name) {
    auto member = FindMember<std::int32_t>(name);
    return member != nullptr ? &(this->*member) : nullptr;
}

std::vector<std::string>* TWebSite::LinesProperty(std::string_view name) {
    auto member = FindMember<std::vector<std::string>>(name);
    return member != nullptr ? &(this->*member) : nullptr;
}

}  // namespace bix
