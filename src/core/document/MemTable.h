#pragma once

#include "core/common/DateTime.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace bix {

// The column types of the stored form; the numbers are the ones written in it.
enum class TFieldType : int { String = 1, Integer = 3, Boolean = 5, DateTime = 11 };

struct TFieldDef final {
    std::string name;
    TFieldType type = TFieldType::String;
    int size = 0;  // characters of a string column, 0 for the others
    bool required = false;
    bool operator==(const TFieldDef&) const = default;
};

struct TIndexDef final {
    std::string name;
    std::string fields;
    int options = 0;
    bool operator==(const TIndexDef&) const = default;
};

// One cell: null (monostate) or a value of its column's type.
using TFieldValue = std::variant<std::monostate, std::string, std::int32_t, bool, TDateTime>;

enum class TDataSetState { Inactive, Browse, Edit, Insert };

// Follows every change of a table, so that a view can stay in step. Row numbers count from 0.
class MemTableObserver {
public:
    virtual ~MemTableObserver() = default;
    // Opened, closed, emptied or loaded: everything may have changed.
    virtual void TableReset() {}
    // Told before and after the table's rows change, so that a view can keep its own rows in step.
    virtual void RowAboutToBeInserted(std::size_t /*row*/) {}
    virtual void RowInserted(std::size_t /*row*/) {}
    virtual void RowAboutToBeRemoved(std::size_t /*row*/) {}
    virtual void RowRemoved(std::size_t /*row*/) {}
    virtual void RowMoved(std::size_t /*from*/, std::size_t /*to*/) {}
    // A posted change of one cell of a row in the table.
    virtual void FieldChanged(std::size_t /*row*/, std::size_t /*column*/) {}
    // A change of the pending row of an edit or insert, before it is posted.
    virtual void BufferChanged(std::size_t /*column*/) {}
    virtual void CurrentRowChanged() {}
    virtual void StateChanged(TDataSetState /*state*/) {}
};

// The in-memory table: typed columns with a null flag per cell, rows in the user's order, a current
// row, and the browse / edit / insert states of a data set. Its stored form is written and read by
// SaveToStream and LoadFromStream. Text is bytes.
class MemTable final {
public:
    // The persistent fields: the columns the program reaches by name. A loaded table keeps the stored
    // columns and matches these to them by name.
    explicit MemTable(std::vector<TFieldDef> fields);
    ~MemTable();
    MemTable(const MemTable&) = delete;
    MemTable& operator=(const MemTable&) = delete;

    // ---- structure
    const std::vector<TFieldDef>& FieldDefs() const { return m_defs; }
    const std::vector<TIndexDef>& IndexDefs() const { return m_indexDefs; }
    // Column number of the field (letter case ignored); throws EBixError "Field 'X' not found".
    std::size_t FieldIndex(std::string_view name) const;
    std::optional<std::size_t> FindField(std::string_view name) const;
    // Keeps a hash of the column's values so that Locate on it takes constant time.
    void AddHashIndex(std::string_view fieldName);

    // ---- life
    void Open();
    // Closes the table; it empties itself.
    void Close();
    bool Active() const { return m_state != TDataSetState::Inactive; }
    TDataSetState State() const { return m_state; }
    void EmptyTable();
    // Runs after Insert and Append put a new row in insert state (the frame links set Visible there).
    std::function<void(MemTable&)> AfterInsert;

    // ---- rows and the cursor
    std::size_t RecordCount() const { return m_rows.size(); }
    bool IsEmpty() const { return m_rows.empty(); }
    // The current row, nothing when the table is empty or closed.
    std::optional<std::size_t> CurrentRow() const { return m_current; }
    // Posts a pending edit, then moves. Moving past the last row sets Eof and stays on it.
    void First();
    void Last();
    void Next();
    void Prior();
    void MoveTo(std::size_t row);
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    // Moves to the first row whose cell equals the value exactly; false (cursor unchanged) when none.
    bool Locate(std::string_view fieldName, const TFieldValue& value);
    // The first row whose posted cell equals the value exactly, without moving the cursor.
    std::optional<std::size_t> FindRow(std::string_view fieldName, const TFieldValue& value) const;
    // Posts a pending edit, then moves the current row by delta positions when the target exists.
    void MoveRecord(int delta);

    // While disabled (calls nest), observers hear nothing; enabling tells them TableReset once.
    void DisableControls() { ++m_disabled; }
    void EnableControls();
    bool ControlsDisabled() const { return m_disabled > 0; }

    // ---- changes
    // A new row before the current row (Insert) or after the last (Append), in insert state.
    void Insert();
    void Append();
    void Edit();
    void Post();
    void Cancel();
    // Deletes the current row (cancels a pending insert instead).
    void Delete();

    // ---- cells of the current row (the pending row while editing or inserting)
    const TFieldValue& Value(std::size_t column) const;
    const TFieldValue& Value(std::string_view fieldName) const { return Value(FieldIndex(fieldName)); }
    // A cell of any row, as posted.
    const TFieldValue& CellAt(std::size_t row, std::size_t column) const;
    bool IsNull(std::string_view fieldName) const;
    std::string AsString(std::string_view fieldName) const;
    std::int32_t AsInteger(std::string_view fieldName) const;
    bool AsBoolean(std::string_view fieldName) const;
    TDateTime AsDateTime(std::string_view fieldName) const;
    // Setting needs edit or insert state. Text is cut at a zero byte and to the column's size;
    // a value of another type is converted or refused with EBixError.
    void SetValue(std::size_t column, TFieldValue value);
    void SetValue(std::string_view fieldName, TFieldValue value) { SetValue(FieldIndex(fieldName), std::move(value)); }
    void SetNull(std::string_view fieldName) { SetValue(fieldName, std::monostate{}); }

    void AddObserver(MemTableObserver* observer);
    void RemoveObserver(MemTableObserver* observer);

    // ---- the stored form
    // Appends the stored form (header, rows in order, blob separator). Needs an open table.
    void SaveToStream(std::string& out) const;
    // Rebuilds the table from a stored form and opens it. Needs a closed table: throws
    // "Cannot perform this operation on an open dataset". A stored table that cannot be read
    // (a column type or size this table cannot hold) throws EBixError and leaves the table as it was.
    void LoadFromStream(std::string_view in);
    // Throws EBixError for a stored form whose columns no table can hold (an unknown type, a text
    // column of no or enormous size), without touching any table.
    static void CheckStoredForm(std::string_view in);

private:
    struct Row final {
        std::vector<TFieldValue> cells;
        std::size_t position = 0;  // kept equal to the row's place in m_rows
    };
    // The rows holding each value of one text column. A key views the text in the row's own cell:
    // rows stay where they are on the heap, and a cell is only replaced after its entry is removed.
    struct HashIndex final {
        std::string fieldName;
        std::size_t column = 0;
        std::unordered_multimap<std::string_view, Row*> rows;
    };
    struct StoredTable;

    // The header's definitions and, unless headerOnly, the rows.
    static StoredTable ParseStoredForm(std::string_view in, bool headerOnly);
    void Adopt(StoredTable table);

    void CheckActive() const;
    void CheckBrowseMode();
    void SetState(TDataSetState state);
    void StartInsert(std::size_t position);
    void Renumber(std::size_t from);
    void IndexAdd(Row& row);
    void IndexRemove(const Row& row);
    void RebuildIndexes();
    TFieldValue Normalised(std::size_t column, TFieldValue value) const;
    void SetCurrent(std::optional<std::size_t> row);
    template <typename F>
    void Notify(F&& call) const;

    std::vector<TFieldDef> m_persistent;
    std::vector<TFieldDef> m_defs;
    std::vector<TIndexDef> m_indexDefs;
    std::vector<std::unique_ptr<Row>> m_rows;
    std::vector<std::unique_ptr<HashIndex>> m_hashes;
    std::vector<TFieldValue> m_buffer;
    std::size_t m_insertPosition = 0;
    std::optional<std::size_t> m_current;
    bool m_eof = true;
    bool m_bof = true;
    TDataSetState m_state = TDataSetState::Inactive;
    std::vector<MemTableObserver*> m_observers;
    int m_disabled = 0;
};

}  // namespace bix
