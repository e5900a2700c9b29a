#include "ModifyPage.h"

#include "core/common/DateTime.h"
#include "core/common/FileRoutines.h"
#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"
#include "core/document/MemTable.h"
#include "core/ports/Prompter.h"

#include <filesystem>
#include <limits>

namespace bix {

bool ModifyPageInEditor(MemTable& files, const std::string& buildFolder,
                        const std::function<void(const std::string&)>& editPage,
                        const std::function<void(const std::string&)>& showImage, Prompter& prompter) {
    if (files.IsEmpty() || !files.CurrentRow()) {
        prompter.Inform("Please select a file first and try again");
        return false;
    }
    const std::string name = files.AsString("FileName");
    const auto path = JoinStoredName(AddTrailingBackslash(buildFolder), name);
    std::error_code ec;
    if (!path || !std::filesystem::is_regular_file(std::filesystem::path(*path), ec)) {
        return false;
    }
    const std::string ext = LowerCase(ExtractFileExt(name));
    if (ext == ".htm" || ext == ".html") {
        editPage(*path);
    } else if (ext == ".jpg" || ext == ".jpeg" || ext == ".gif" || ext == ".bmp") {
        showImage(*path);
    }
    const std::optional<TDateTime> stamp = FileDateTime(*path);
    const auto size =
        static_cast<std::int32_t>(std::min<std::int64_t>(FileSizeOf(*path), std::numeric_limits<std::int32_t>::max()));
    const bool same = stamp && files.Value("FileDateTimeStamp") == TFieldValue(*stamp) &&
                      files.Value("FileSize") == TFieldValue(size);
    if (!same) {
        files.Edit();
        files.SetValue("FileDateTimeStamp", stamp ? TFieldValue(*stamp) : TFieldValue());
        files.SetValue("FileSize", size);
        files.SetValue("FileStatus", 3);
        files.Post();
    }
    return true;
}

}  // namespace bix
