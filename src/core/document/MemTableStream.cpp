// The stored form of a MemTable: a text header with the column definitions, the rows as fixed-size
// records, and the blob section.
#include "core/common/Errors.h"
#include "core/common/TextRoutines.h"
#include "core/document/MemTable.h"
#include "core/document/StoredDateTime.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace bix {

namespace {

constexpr double kMsPerDay = 86'400'000.0;
constexpr std::size_t kBookkeepingBytes = 16;
// The longest text column a stored table may declare; more is no file of ours.
constexpr int kMaxStringSize = 65'535;
constexpr std::string_view kBlobSeparator = "\r[BLOB]\r";

std::size_t SlotSize(const TFieldDef& def) {
    switch (def.type) {
        case TFieldType::String:
            return static_cast<std::size_t>(def.size) + 2;
        case TFieldType::Integer:
            return 5;
        case TFieldType::Boolean:
            return 3;
        case TFieldType::DateTime:
            return 9;
    }
    return 0;
}

std::size_t RecordSize(const std::vector<TFieldDef>& defs) {
    std::size_t size = kBookkeepingBytes;
    for (const auto& def : defs) {
        size += SlotSize(def);
    }
    return size;
}

void PutLE(std::string& out, std::uint64_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFFU);
    }
}

std::uint64_t GetLE(const char* data, std::size_t bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    }
    return value;
}

// A number as the header writes it, or the fallback when the text is no number.
int NumberOr(std::string_view text, int fallback) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty() ? value : fallback;
}

std::vector<std::string> SplitSemicolons(std::string_view line) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t semi = line.find(';'); semi != std::string_view::npos; semi = line.find(';', start)) {
        parts.emplace_back(line.substr(start, semi - start));
        start = semi + 1;
    }
    parts.emplace_back(line.substr(start));
    return parts;
}

// Names in the header are written back one per line: one holding a line break or a section's
// opening bracket would read back as something else, so no table of ours has such a name.
void CheckHeaderName(std::string_view name, const char* what) {
    const bool bad =
        std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32 || c == '['; });
    if (bad) {
        throw EBixError(std::string("The stored table has an invalid ") + what + " name");
    }
}

TFieldDef ParseFieldLine(std::string_view line) {
    const auto parts = SplitSemicolons(line);
    TFieldDef def;
    def.name = parts[0];
    CheckHeaderName(def.name, "field");
    const int type = parts.size() > 1 ? NumberOr(parts[1], 1) : 1;
    def.size = parts.size() > 2 ? NumberOr(parts[2], 1) : 1;
    def.required = parts.size() > 3 && parts[3] == "1";
    switch (type) {
        case 1:
        case 3:
        case 5:
        case 11:
            def.type = static_cast<TFieldType>(type);
            break;
        default:
            throw EBixError("Field '" + def.name + "' has the unknown type " + std::to_string(type));
    }
    if (def.type == TFieldType::String) {
        if (def.size < 1 || def.size > kMaxStringSize) {
            throw EBixError("Field '" + def.name + "' has an invalid size " + std::to_string(def.size));
        }
    } else {
        def.size = 0;
    }
    return def;
}

TIndexDef ParseIndexLine(std::string_view line) {
    TIndexDef index;
    const std::size_t semi = line.find(';');
    index.name = std::string(line.substr(0, semi));
    CheckHeaderName(index.name, "index");
    if (semi == std::string_view::npos) {
        return index;
    }
    std::string_view rest = line.substr(semi + 1);
    if (!rest.empty()) {
        index.options = NumberOr(rest.substr(rest.size() - 1), 0);
        rest.remove_suffix(1);
        if (!rest.empty() && rest.back() == ';') {
            rest.remove_suffix(1);
        }
    }
    index.fields = std::string(rest);
    CheckHeaderName(index.fields, "index field");
    return index;
}

TFieldValue ReadCell(const TFieldDef& def, const char* slot) {
    const std::size_t dataSize = SlotSize(def) - 1;
    if (slot[dataSize] == 0) {
        return {};
    }
    switch (def.type) {
        case TFieldType::String: {
            const auto limit = static_cast<std::size_t>(def.size);
            const void* zero = std::memchr(slot, 0, limit);
            const std::size_t length =
                zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - slot) : limit;
            return std::string(slot, length);
        }
        case TFieldType::Integer:
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(GetLE(slot, 4)));
        case TFieldType::Boolean:
            return GetLE(slot, 2) != 0;
        case TFieldType::DateTime: {
            double ms = 0;
            const std::uint64_t bits = GetLE(slot, 8);
            std::memcpy(&ms, &bits, sizeof ms);
            if (auto value = StoredMsToDateTime(ms)) {
                return *value;
            }
            return {};
        }
    }
    return {};
}

void WriteCell(std::string& out, const TFieldDef& def, const TFieldValue& value) {
    const std::size_t start = out.size();
    const std::size_t dataSize = SlotSize(def) - 1;
    out.append(dataSize, '\0');
    const bool has = !std::holds_alternative<std::monostate>(value);
    char* slot = out.data() + start;
    if (has) {
        std::string bytes;
        switch (def.type) {
            case TFieldType::String:
                bytes = std::get<std::string>(value).substr(0, static_cast<std::size_t>(def.size));
                break;
            case TFieldType::Integer:
                PutLE(bytes, static_cast<std::uint32_t>(std::get<std::int32_t>(value)), 4);
                break;
            case TFieldType::Boolean:
                PutLE(bytes, std::get<bool>(value) ? 1U : 0U, 2);
                break;
            case TFieldType::DateTime: {
                const double ms = DateTimeToStoredMs(std::get<TDateTime>(value));
                std::uint64_t bits = 0;
                std::memcpy(&bits, &ms, sizeof bits);
                PutLE(bytes, bits, 8);
                break;
            }
        }
        std::memcpy(slot, bytes.data(), bytes.size());
    }
    out += has ? '\1' : '\0';
}

}  // namespace

double DateTimeToStoredMs(TDateTime value) {
    // Before 1899-12-30 the whole days count back while the time of day still counts forward.
    const double days = std::trunc(value);
    const double time = std::round(std::fabs(value - days) * kMsPerDay);
    return days * kMsPerDay + time + kStoredMsAt18991230;
}

std::optional<TDateTime> StoredMsToDateTime(double ms) {
    // 0001-01-01 (day 1) to 9999-12-31 23:59:59.999.
    if (!std::isfinite(ms) || ms < kMsPerDay || ms >= 315'537'984'000'000.0) {
        return std::nullopt;
    }
    const double whole = std::round(ms);
    const double days = std::floor(whole / kMsPerDay) - kStoredMsAt18991230 / kMsPerDay;
    const double time = (whole - std::floor(whole / kMsPerDay) * kMsPerDay) / kMsPerDay;
    return days >= 0 ? days + time : days - time;
}

struct MemTable::StoredTable final {
    std::vector<TFieldDef> defs;
    std::vector<TIndexDef> indexes;
    std::vector<std::vector<TFieldValue>> rows;
    // False when the data never reached its [DATA] line: nothing to load.
    bool complete = false;
};

MemTable::StoredTable MemTable::ParseStoredForm(std::string_view in, bool headerOnly) {
    enum class Section { None, Info, Field, Index, Data, Blob };
    Section section = Section::None;
    int version = 1;
    StoredTable table;
    bool sawData = false;
    std::size_t pos = 0;
    while (pos < in.size()) {
        const std::size_t cr = in.find('\r', pos);
        std::string_view line = in.substr(pos, cr == std::string_view::npos ? std::string_view::npos : cr - pos);
        pos = cr == std::string_view::npos ? in.size() : cr + 1;
        if (!line.empty() && line.front() == '\n') {
            line.remove_prefix(1);
        }
        const auto has = [line](std::string_view name) { return line.find(name) != std::string_view::npos; };
        if (section == Section::None && has("[INFO]")) {
            section = Section::Info;
        } else if ((section == Section::None || section == Section::Info) && has("[FIELD]")) {
            section = Section::Field;
        } else if (section == Section::Field && has("[INDEX]")) {
            section = Section::Index;
        } else if (section == Section::Index && has("[DATA]")) {
            section = Section::Data;
            sawData = true;
            if (headerOnly) {
                break;
            }
            const std::size_t recordSize = RecordSize(table.defs);
            std::string_view data = in.substr(pos);
            std::int64_t count = -1;
            if (version >= 2) {
                if (data.size() < 4) {
                    pos = in.size();
                    break;
                }
                count = static_cast<std::int32_t>(static_cast<std::uint32_t>(GetLE(data.data(), 4)));
                data.remove_prefix(4);
                pos += 4;
            } else if (data.ends_with(kBlobSeparator)) {
                // Without a count the rows run up to the separator (these tables have no blob data).
                data.remove_suffix(kBlobSeparator.size());
            }
            for (std::int64_t row = 0; count < 0 || row < count; ++row) {
                if (data.size() < recordSize) {
                    // A partial record and everything after it are dropped.
                    data = {};
                    pos = in.size();
                    break;
                }
                std::vector<TFieldValue> cells;
                cells.reserve(table.defs.size());
                const char* slot = data.data();
                for (const auto& def : table.defs) {
                    cells.push_back(ReadCell(def, slot));
                    slot += SlotSize(def);
                }
                table.rows.push_back(std::move(cells));
                data.remove_prefix(recordSize);
                pos += recordSize;
            }
            if (count < 0) {
                // Version 1: everything after the rows is the separator, or nothing of use.
                pos = in.size();
            }
        } else if (section == Section::Data && has("[BLOB]")) {
            // No column of ours is a blob: the rest holds nothing to read.
            section = Section::Blob;
            pos = in.size();
        } else if (!line.empty()) {
            switch (section) {
                case Section::Info:
                    if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
                        std::string_view number = line.substr(eq + 1);
                        number = number.substr(0, number.find(';'));
                        version = NumberOr(number, version);
                    }
                    break;
                case Section::Field:
                    table.defs.push_back(ParseFieldLine(line));
                    break;
                case Section::Index:
                    table.indexes.push_back(ParseIndexLine(line));
                    break;
                default:
                    break;
            }
        }
    }
    table.complete = sawData;
    return table;
}

void MemTable::CheckStoredForm(std::string_view in) {
    (void)ParseStoredForm(in, true);
}

void MemTable::LoadFromStream(std::string_view in) {
    if (Active()) {
        throw EBixError("Cannot perform this operation on an open dataset");
    }
    StoredTable table = ParseStoredForm(in, false);
    if (!table.complete) {
        throw EBixError("The stored table has no [DATA] section");
    }
    Adopt(std::move(table));
}

void MemTable::Adopt(StoredTable table) {
    // The persistent fields are matched to the stored columns by name; one the store lacks is added
    // (null in every row), one stored with another type makes the table unreadable.
    for (const TFieldDef& field : m_persistent) {
        const auto stored = std::find_if(table.defs.begin(), table.defs.end(),
                                         [&](const TFieldDef& d) { return SameText(d.name, field.name); });
        if (stored == table.defs.end()) {
            table.defs.push_back(field);
            for (auto& row : table.rows) {
                row.emplace_back();
            }
        } else if (stored->type != field.type) {
            throw EBixError("Type mismatch for field '" + field.name + "'");
        }
    }
    m_defs = std::move(table.defs);
    m_indexDefs = std::move(table.indexes);
    m_rows.clear();
    m_rows.reserve(table.rows.size());
    for (auto& cells : table.rows) {
        auto row = std::make_unique<Row>();
        row->cells = std::move(cells);
        m_rows.push_back(std::move(row));
    }
    Renumber(0);
    RebuildIndexes();
    Open();
}

void MemTable::SaveToStream(std::string& out) const {
    CheckActive();
    out += "[INFO]\rVersion=2\r[FIELD]\r";
    for (const auto& def : m_defs) {
        out += def.name + ";" + std::to_string(static_cast<int>(def.type)) + ";" + std::to_string(def.size) + ";" +
               (def.required ? "1" : "0") + "\r";
    }
    out += "[INDEX]\r";
    for (const auto& index : m_indexDefs) {
        out += index.name + ";" + index.fields + ";" + std::to_string(index.options % 10) + "\r";
    }
    out += "[DATA]\r";
    PutLE(out, static_cast<std::uint32_t>(m_rows.size()), 4);
    out.reserve(out.size() + m_rows.size() * RecordSize(m_defs) + kBlobSeparator.size());
    for (const auto& row : m_rows) {
        for (std::size_t i = 0; i < m_defs.size(); ++i) {
            WriteCell(out, m_defs[i], row->cells[i]);
        }
        out.append(kBookkeepingBytes, '\0');
    }
    out += kBlobSeparator;
}

}  // namespace bix
