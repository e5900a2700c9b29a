#include "MemTable.h"

#include "core/common/Errors.h"
#include "core/common/TextRoutines.h"

#include <algorithm>
#include <charconv>

namespace bix {

namespace {

const TFieldValue kNull{};

[[noreturn]] void Fail(const std::string& message) {
    throw EBixError(message);
}

const char* TypeName(TFieldType type) {
    switch (type) {
        case TFieldType::String:
            return "String";
        case TFieldType::Integer:
            return "Integer";
        case TFieldType::Boolean:
            return "Boolean";
        case TFieldType::DateTime:
            return "DateTime";
    }
    return "Unknown";
}

}  // namespace

MemTable::MemTable(std::vector<TFieldDef> fields) : m_persistent(std::move(fields)), m_defs(m_persistent) {}

MemTable::~MemTable() = default;

std::optional<std::size_t> MemTable::FindField(std::string_view name) const {
    for (std::size_t i = 0; i < m_defs.size(); ++i) {
        if (SameText(m_defs[i].name, name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t MemTable::FieldIndex(std::string_view name) const {
    if (auto index = FindField(name)) {
        return *index;
    }
    Fail("Field '" + std::string(name) + "' not found");
}

void MemTable::AddHashIndex(std::string_view fieldName) {
    const std::size_t column = FieldIndex(fieldName);
    if (m_defs[column].type != TFieldType::String) {
        Fail("A hash index needs a string field: '" + std::string(fieldName) + "'");
    }
    auto index = std::make_unique<HashIndex>();
    index->fieldName = m_defs[column].name;
    index->column = column;
    m_hashes.push_back(std::move(index));
    RebuildIndexes();
}

void MemTable::RebuildIndexes() {
    for (auto& index : m_hashes) {
        index->rows.clear();
        // A loaded table may have put the column elsewhere.
        if (auto column = FindField(index->fieldName); column && m_defs[*column].type == TFieldType::String) {
            index->column = *column;
        } else {
            index->column = m_defs.size();
            continue;
        }
        index->rows.reserve(m_rows.size());
        for (auto& row : m_rows) {
            if (const auto* text = std::get_if<std::string>(&row->cells[index->column])) {
                index->rows.emplace(*text, row.get());
            }
        }
    }
}

void MemTable::IndexAdd(Row& row) {
    for (auto& index : m_hashes) {
        if (index->column < m_defs.size()) {
            if (const auto* text = std::get_if<std::string>(&row.cells[index->column])) {
                index->rows.emplace(*text, &row);
            }
        }
    }
}

void MemTable::IndexRemove(const Row& row) {
    for (auto& index : m_hashes) {
        if (index->column >= m_defs.size()) {
            continue;
        }
        if (const auto* text = std::get_if<std::string>(&row.cells[index->column])) {
            auto [first, last] = index->rows.equal_range(*text);
            for (; first != last; ++first) {
                if (first->second == &row) {
                    index->rows.erase(first);
                    break;
                }
            }
        }
    }
}

template <typename F>
void MemTable::Notify(F&& call) const {
    if (m_disabled > 0) {
        return;
    }
    // A copy, so that an observer may remove itself while being told.
    const auto observers = m_observers;
    for (MemTableObserver* observer : observers) {
        call(*observer);
    }
}

void MemTable::AddObserver(MemTableObserver* observer) {
    if (observer != nullptr && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void MemTable::RemoveObserver(MemTableObserver* observer) {
    std::erase(m_observers, observer);
}

void MemTable::CheckActive() const {
    if (!Active()) {
        Fail("Cannot perform this operation on a closed dataset");
    }
}

void MemTable::SetState(TDataSetState state) {
    if (m_state != state) {
        m_state = state;
        Notify([state](MemTableObserver& o) { o.StateChanged(state); });
    }
}

void MemTable::SetCurrent(std::optional<std::size_t> row) {
    const bool changed = row != m_current;
    m_current = row;
    if (changed) {
        Notify([](MemTableObserver& o) { o.CurrentRowChanged(); });
    }
}

void MemTable::Renumber(std::size_t from) {
    for (std::size_t i = from; i < m_rows.size(); ++i) {
        m_rows[i]->position = i;
    }
}

void MemTable::Open() {
    if (Active()) {
        return;
    }
    m_state = TDataSetState::Browse;
    m_current = m_rows.empty() ? std::nullopt : std::optional<std::size_t>(0);
    m_bof = true;
    m_eof = m_rows.empty();
    Notify([](MemTableObserver& o) {
        o.StateChanged(TDataSetState::Browse);
        o.TableReset();
    });
}

void MemTable::Close() {
    if (!Active()) {
        return;
    }
    m_buffer.clear();
    m_rows.clear();
    RebuildIndexes();
    m_current.reset();
    m_eof = m_bof = true;
    m_state = TDataSetState::Inactive;
    Notify([](MemTableObserver& o) {
        o.StateChanged(TDataSetState::Inactive);
        o.TableReset();
    });
}

void MemTable::EmptyTable() {
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert) {
        Cancel();
    }
    m_rows.clear();
    RebuildIndexes();
    m_current.reset();
    m_eof = m_bof = true;
    Notify([](MemTableObserver& o) { o.TableReset(); });
}

void MemTable::CheckBrowseMode() {
    CheckActive();
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert) {
        Post();
    }
}

void MemTable::First() {
    CheckBrowseMode();
    SetCurrent(m_rows.empty() ? std::nullopt : std::optional<std::size_t>(0));
    m_bof = true;
    m_eof = m_rows.empty();
}

void MemTable::Last() {
    CheckBrowseMode();
    SetCurrent(m_rows.empty() ? std::nullopt : std::optional<std::size_t>(m_rows.size() - 1));
    m_eof = true;
    m_bof = m_rows.empty();
}

void MemTable::Next() {
    CheckBrowseMode();
    m_bof = false;
    if (!m_current || *m_current + 1 >= m_rows.size()) {
        m_eof = true;
        return;
    }
    m_eof = false;
    SetCurrent(*m_current + 1);
}

void MemTable::Prior() {
    CheckBrowseMode();
    m_eof = false;
    if (!m_current || *m_current == 0) {
        m_bof = true;
        return;
    }
    m_bof = false;
    SetCurrent(*m_current - 1);
}

void MemTable::MoveTo(std::size_t row) {
    CheckBrowseMode();
    if (row >= m_rows.size()) {
        Fail("Row " + std::to_string(row) + " does not exist");
    }
    m_bof = m_eof = false;
    SetCurrent(row);
}

void MemTable::EnableControls() {
    if (m_disabled > 0 && --m_disabled == 0) {
        Notify([](MemTableObserver& o) {
            o.TableReset();
            o.CurrentRowChanged();
        });
    }
}

bool MemTable::Locate(std::string_view fieldName, const TFieldValue& value) {
    CheckBrowseMode();
    const std::optional<std::size_t> found = FindRow(fieldName, value);
    if (!found) {
        return false;
    }
    m_bof = m_eof = false;
    SetCurrent(found);
    return true;
}

std::optional<std::size_t> MemTable::FindRow(std::string_view fieldName, const TFieldValue& value) const {
    const std::size_t column = FieldIndex(fieldName);
    if (const auto* text = std::get_if<std::string>(&value)) {
        // No cell can hold a text longer than its column or with a zero byte: never cut one to match.
        if (text->size() > static_cast<std::size_t>(std::max(m_defs[column].size, 0)) ||
            text->find('\0') != std::string::npos) {
            return std::nullopt;
        }
    }
    const TFieldValue wanted = Normalised(column, value);
    std::optional<std::size_t> found;
    const auto index =
        std::find_if(m_hashes.begin(), m_hashes.end(), [column](const auto& h) { return h->column == column; });
    if (index != m_hashes.end() && std::holds_alternative<std::string>(wanted)) {
        auto [first, last] = (*index)->rows.equal_range(std::get<std::string>(wanted));
        for (; first != last; ++first) {
            found = std::min(found.value_or(first->second->position), first->second->position);
        }
    } else {
        for (const auto& row : m_rows) {
            if (row->cells[column] == wanted) {
                found = row->position;
                break;
            }
        }
    }
    return found;
}

void MemTable::MoveRecord(int delta) {
    CheckBrowseMode();
    if (!m_current) {
        return;
    }
    const auto from = static_cast<std::int64_t>(*m_current);
    const std::int64_t to = from + delta;
    if (delta == 0 || to < 0 || to >= static_cast<std::int64_t>(m_rows.size())) {
        return;
    }
    const auto f = static_cast<std::size_t>(from);
    const auto t = static_cast<std::size_t>(to);
    if (f < t) {
        std::rotate(m_rows.begin() + static_cast<std::ptrdiff_t>(f),
                    m_rows.begin() + static_cast<std::ptrdiff_t>(f) + 1,
                    m_rows.begin() + static_cast<std::ptrdiff_t>(t) + 1);
    } else {
        std::rotate(m_rows.begin() + static_cast<std::ptrdiff_t>(t), m_rows.begin() + static_cast<std::ptrdiff_t>(f),
                    m_rows.begin() + static_cast<std::ptrdiff_t>(f) + 1);
    }
    Renumber(std::min(f, t));
    m_current = t;
    Notify([f, t](MemTableObserver& o) {
        o.RowMoved(f, t);
        o.CurrentRowChanged();
    });
}

void MemTable::StartInsert(std::size_t position) {
    m_buffer.assign(m_defs.size(), TFieldValue{});
    m_insertPosition = position;
    SetState(TDataSetState::Insert);
    if (AfterInsert) {
        AfterInsert(*this);
    }
}

void MemTable::Insert() {
    CheckBrowseMode();  // posts a pending row first, which may move the cursor
    StartInsert(m_current.value_or(0));
}

void MemTable::Append() {
    CheckBrowseMode();
    StartInsert(m_rows.size());
}

void MemTable::Edit() {
    CheckActive();
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert) {
        return;
    }
    if (!m_current) {
        // Editing an empty table starts a new row, as a data set does.
        Append();
        return;
    }
    m_buffer = m_rows[*m_current]->cells;
    SetState(TDataSetState::Edit);
}

void MemTable::Post() {
    CheckActive();
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert) {
        return;
    }
    for (std::size_t i = 0; i < m_defs.size(); ++i) {
        if (m_defs[i].required && std::holds_alternative<std::monostate>(m_buffer[i])) {
            Fail("Field '" + m_defs[i].name + "' must have a value");
        }
    }
    if (m_state == TDataSetState::Insert) {
        auto row = std::make_unique<Row>();
        row->cells = std::move(m_buffer);
        const std::size_t at = std::min(m_insertPosition, m_rows.size());
        Notify([at](MemTableObserver& o) { o.RowAboutToBeInserted(at); });
        IndexAdd(*row);
        m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
        Renumber(at);
        m_buffer.clear();
        m_state = TDataSetState::Browse;
        m_current = at;
        m_bof = m_eof = false;
        Notify([at](MemTableObserver& o) {
            o.StateChanged(TDataSetState::Browse);
            o.RowInserted(at);
            o.CurrentRowChanged();
        });
        return;
    }
    Row& row = *m_rows[*m_current];
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < m_defs.size(); ++i) {
        if (!(row.cells[i] == m_buffer[i])) {
            changed.push_back(i);
        }
    }
    IndexRemove(row);
    row.cells = std::move(m_buffer);
    IndexAdd(row);
    m_buffer.clear();
    m_state = TDataSetState::Browse;
    const std::size_t at = *m_current;
    Notify([&changed, at](MemTableObserver& o) {
        o.StateChanged(TDataSetState::Browse);
        for (std::size_t column : changed) {
            o.FieldChanged(at, column);
        }
    });
}

void MemTable::Cancel() {
    CheckActive();
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert) {
        m_buffer.clear();
        SetState(TDataSetState::Browse);
    }
}

void MemTable::Delete() {
    CheckActive();
    if (m_state == TDataSetState::Insert) {
        Cancel();
        return;
    }
    Cancel();
    if (!m_current) {
        Fail("Cannot perform this operation on an empty dataset");
    }
    const std::size_t at = *m_current;
    Notify([at](MemTableObserver& o) { o.RowAboutToBeRemoved(at); });
    IndexRemove(*m_rows[at]);
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(at));
    Renumber(at);
    if (m_rows.empty()) {
        m_current.reset();
        m_eof = m_bof = true;
    } else {
        m_current = std::min(at, m_rows.size() - 1);
        m_eof = at >= m_rows.size();
    }
    Notify([at](MemTableObserver& o) {
        o.RowRemoved(at);
        o.CurrentRowChanged();
    });
}

const TFieldValue& MemTable::Value(std::size_t column) const {
    if (column >= m_defs.size()) {
        Fail("Field index out of range");
    }
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert) {
        return m_buffer[column];
    }
    return m_current ? m_rows[*m_current]->cells[column] : kNull;
}

const TFieldValue& MemTable::CellAt(std::size_t row, std::size_t column) const {
    if (row >= m_rows.size() || column >= m_defs.size()) {
        Fail("Cell out of range");
    }
    return m_rows[row]->cells[column];
}

bool MemTable::IsNull(std::string_view fieldName) const {
    return std::holds_alternative<std::monostate>(Value(fieldName));
}

std::string MemTable::AsString(std::string_view fieldName) const {
    const TFieldValue& v = Value(fieldName);
    if (const auto* text = std::get_if<std::string>(&v)) {
        return *text;
    }
    if (const auto* number = std::get_if<std::int32_t>(&v)) {
        return std::to_string(*number);
    }
    if (const auto* flag = std::get_if<bool>(&v)) {
        return *flag ? "True" : "False";
    }
    if (const auto* date = std::get_if<TDateTime>(&v)) {
        const DateTimeParts p = DecodeDateTime(*date);
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute,
                      p.second);
        return buffer;
    }
    return {};
}

std::int32_t MemTable::AsInteger(std::string_view fieldName) const {
    const TFieldValue& v = Value(fieldName);
    if (const auto* number = std::get_if<std::int32_t>(&v)) {
        return *number;
    }
    if (const auto* flag = std::get_if<bool>(&v)) {
        return *flag ? 1 : 0;
    }
    if (const auto* text = std::get_if<std::string>(&v)) {
        std::int32_t number = 0;
        const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
        if (error == std::errc() && end == text->data() + text->size() && !text->empty()) {
            return number;
        }
        Fail("'" + *text + "' is not a valid integer value");
    }
    return 0;
}

bool MemTable::AsBoolean(std::string_view fieldName) const {
    const TFieldValue& v = Value(fieldName);
    if (const auto* flag = std::get_if<bool>(&v)) {
        return *flag;
    }
    if (const auto* number = std::get_if<std::int32_t>(&v)) {
        return *number != 0;
    }
    return false;
}

TDateTime MemTable::AsDateTime(std::string_view fieldName) const {
    const TFieldValue& v = Value(fieldName);
    if (const auto* date = std::get_if<TDateTime>(&v)) {
        return *date;
    }
    return 0.0;
}

TFieldValue MemTable::Normalised(std::size_t column, TFieldValue value) const {
    const TFieldDef& def = m_defs[column];
    if (std::holds_alternative<std::monostate>(value)) {
        return value;
    }
    switch (def.type) {
        case TFieldType::String:
            if (auto* text = std::get_if<std::string>(&value)) {
                // The stored form ends a text at its first zero byte and holds at most size characters.
                const std::size_t zero = text->find('\0');
                text->resize(std::min({zero, text->size(), static_cast<std::size_t>(std::max(def.size, 0))}));
                return value;
            }
            break;
        case TFieldType::Integer:
            if (std::holds_alternative<std::int32_t>(value)) {
                return value;
            }
            break;
        case TFieldType::Boolean:
            if (std::holds_alternative<bool>(value)) {
                return value;
            }
            break;
        case TFieldType::DateTime:
            if (std::holds_alternative<TDateTime>(value)) {
                return value;
            }
            break;
    }
    Fail(std::string("Type mismatch for field '") + def.name + "', expecting: " + TypeName(def.type));
}

void MemTable::SetValue(std::size_t column, TFieldValue value) {
    CheckActive();
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert) {
        Fail("Dataset not in edit or insert mode");
    }
    if (column >= m_defs.size()) {
        Fail("Field index out of range");
    }
    TFieldValue normalised = Normalised(column, std::move(value));
    if (m_buffer[column] == normalised) {
        return;
    }
    m_buffer[column] = std::move(normalised);
    Notify([column](MemTableObserver& o) { o.BufferChanged(column); });
}

}  // namespace bix
