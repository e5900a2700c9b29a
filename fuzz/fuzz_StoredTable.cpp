// Any bytes given as a stored table: loading either succeeds or throws EBixError; a loaded table
// stores and loads again to the same stored form.
#include "core/common/Errors.h"
#include "core/document/MemTable.h"
#include "core/document/WebsiteTables.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    bix::MemTable table(bix::FileManagerFieldDefs());
    table.AddHashIndex("FileName");
    try {
        table.LoadFromStream(bytes);
    } catch (const bix::EBixError&) {
        return 0;
    }
    std::string first;
    table.SaveToStream(first);
    bix::MemTable again(bix::FileManagerFieldDefs());
    again.LoadFromStream(first);
    std::string second;
    again.SaveToStream(second);
    if (first != second) {
        std::abort();
    }
    // Every stored name is found through the index.
    const std::size_t column = table.FieldIndex("FileName");
    for (std::size_t row = 0; row < table.RecordCount(); ++row) {
        const bix::TFieldValue value = table.CellAt(row, column);
        if (!table.Locate("FileName", value)) {
            std::abort();
        }
    }
    return 0;
}
