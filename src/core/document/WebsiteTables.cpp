#include "WebsiteTables.h"

namespace bix {

std::vector<TFieldDef> FrameLinksFieldDefs() {
    return {
        {"Visible", TFieldType::Boolean, 0, false},
        {"InFrame", TFieldType::Boolean, 0, false},
        {"Name", TFieldType::String, 100, false},
        // 246, not 255: the size the stored files have always had.
        {"URL", TFieldType::String, 246, false},
    };
}

std::vector<TFieldDef> FileManagerFieldDefs() {
    return {
        {"FileName", TFieldType::String, 255, false},  {"FileType", TFieldType::String, 30, false},
        {"FileStatus", TFieldType::Integer, 0, false}, {"FileDateTimeStamp", TFieldType::DateTime, 0, false},
        {"FileSize", TFieldType::Integer, 0, false},   {"UploadDate", TFieldType::DateTime, 0, false},
        {"Preserve", TFieldType::Boolean, 0, false},   {"Desc", TFieldType::String, 100, false},
    };
}

void SetUpFrameLinksTable(MemTable& table) {
    table.AfterInsert = [](MemTable& t) { t.SetValue("Visible", true); };
}

}  // namespace bix
