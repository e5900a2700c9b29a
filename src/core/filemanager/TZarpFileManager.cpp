#include "TZarpFileManager.h"

#include "core/common/DateTime.h"
#include "core/common/Errors.h"
#include "core/common/FileRoutines.h"
#include "core/common/PageRoutines.h"
#include "core/common/Paths.h"
#include "core/common/TextRoutines.h"
#include "core/document/MemTable.h"
#include "core/filemanager/ImageSize.h"
#include "core/ports/Clock.h"
#include "core/ports/Prompter.h"

#include <algorithm>
#include <filesystem>
#include <limits>

namespace bix {

namespace fs = std::filesystem;

const std::vector<std::string> KnownFileTypes = {".htm", ".html", ".jpg", ".jpeg", ".gif", ".bmp", ".js", ".asp"};

namespace {

constexpr std::size_t kLongestStoredName = 255;  // the FileName column's size

const char* const kDeleteQuestion = "Are you sure you want to delete '%s' from your local drive?";
const char* const kDeleteFailed =
    "An error occurred when deleting this file. Please ensure that the file is not \r\nset to Read Only and try again.";

std::string Format(const char* pattern, const std::string& value) {
    return ReplaceAll(pattern, "%s", value);
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::path(path), ec);
}

}  // namespace

std::string FtpProcessDescription(int status) {
    static const char* const kDescriptions[] = {"Do Nothing", "Remove File", "Synchronized", "Upload File",
                                                "Update File"};
    return status >= 0 && status <= 4 ? kDescriptions[status] : "";
}

TZarpFileManager::TZarpFileManager(Prompter& prompter, Clock& clock) : m_prompter(prompter), m_clock(clock) {}

void TZarpFileManager::SetDataSource(MemTable* table) {
    if (table != m_table) {
        m_table = table;
    }
}

bool TZarpFileManager::DataSetActive() const {
    return m_table != nullptr && m_table->Active();
}

MemTable& TZarpFileManager::Table() const {
    if (m_table == nullptr) {
        throw EBixError("The file list has no table");
    }
    return *m_table;
}

void TZarpFileManager::CheckField(const std::string& name) const {
    if (DataSetActive() && !name.empty() && !m_table->FindField(name)) {
        m_prompter.Warn(Format("The required field %s is empty", name));
    }
}

void TZarpFileManager::SetColumn(std::string& column, const std::string& name) {
    CheckField(name);
    column = name;
}

void TZarpFileManager::SetDestinationFolder(const std::string& folder) {
    const std::string withSeparator = AddTrailingBackslash(folder);
    if (withSeparator != m_destination) {
        m_destination = withSeparator;
    }
}

std::optional<std::string> TZarpFileManager::LocalPath(const std::string& stored) const {
    if (m_destination.empty()) {
        return std::nullopt;
    }
    return JoinStoredName(m_destination, stored);
}

void TZarpFileManager::ScanFolder() {
    if (m_destination.empty()) {
        return;
    }
    MemTable& table = Table();
    table.DisableControls();
    int folders = 0;
    bool warned = false;
    try {
        ScanDirectory(m_destination, folders, warned);
    } catch (...) {
        MarkMissingFiles();
        table.EnableControls();
        throw;
    }
    MarkMissingFiles();
    table.EnableControls();
}

void TZarpFileManager::ScanDirectory(const std::string& folder, int& folders, bool& warned) {
    if (++folders > kFolderWarningLimit && !warned) {
        m_prompter.Warn(
            "An excessive amount of files have been detected. Please ensure that \r\nyou have selected a directory "
            "which is valid");
        warned = true;
    }
    for (const fs::directory_entry& entry : SortedEntries(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(".")) {
            continue;  // .svn, .htaccess and the like
        }
        std::error_code statusError;
        const fs::file_status status = entry.symlink_status(statusError);
        if (fs::is_directory(status)) {
            ScanDirectory(folder + name + PathDelim, folders, warned);
        } else if (!fs::is_symlink(status) || !fs::is_directory(entry.status(statusError))) {
            // A linked folder is not walked into: it may lead back up and never end.
            const std::string relative = LocalNameToStored(folder.substr(m_destination.size()) + name);
            // A name the stored form cannot hold exactly would come back as another file.
            if (relative.size() <= kLongestStoredName && name.find(StoredDelim) == std::string::npos) {
                RecordFile(relative);
            }
        }
    }
}

void TZarpFileManager::RecordFile(const std::string& relative) {
    const std::optional<std::string> local = LocalPath(relative);
    if (!local) {
        return;
    }
    MemTable& table = Table();
    const bool existing = table.Locate(m_fileName, relative);
    const std::int64_t bytes = FileSizeOf(*local);
    const auto size =
        static_cast<std::int32_t>(std::min<std::int64_t>(bytes, std::numeric_limits<std::int32_t>::max()));
    // A time that cannot be read is recorded as null and counts as a change.
    const std::optional<TDateTime> stamp = FileDateTime(*local);
    const bool unchanged = existing && stamp && table.Value(m_size) == TFieldValue(size) &&
                           table.Value(m_dateTimeStamp) == TFieldValue(*stamp);

    if (existing) {
        table.Edit();
    } else {
        // Appended rather than inserted at the cursor, so that the list keeps the order of the scan.
        table.Append();
    }
    try {
        table.SetValue(m_fileName, relative);
        table.SetValue(m_size, size);
        table.SetValue(m_dateTimeStamp, stamp ? TFieldValue(*stamp) : TFieldValue());
        int status = static_cast<int>(TFtpProcess::fpUploadFile);
        if (unchanged) {
            status = table.AsInteger(m_fileStatus);
            if (status == static_cast<int>(TFtpProcess::fpRemoveFile)) {
                status = static_cast<int>(TFtpProcess::fpUploadFile);
            }
        } else if (existing) {
            status = static_cast<int>(TFtpProcess::fpUpdateFile);
        }
        table.SetValue(m_fileStatus, status);

        const std::string ext = ExtractFileExt(relative);
        const int kind = IndexInList(LowerCase(ext), KnownFileTypes);
        if (kind < 0) {
            table.SetValue(m_fileType, std::string("0"));
        } else {
            table.SetValue(m_fileType, UpperCase(ext.substr(1)));
            if (kind <= 1) {
                table.SetValue(m_description, GetPageTitle(*local));
            } else if (kind <= 5) {
                table.SetValue(m_description, ImageSizeText(*local));
            }
        }
        if (!unchanged) {
            table.SetValue(m_preserve, false);
        }
        table.Post();
    } catch (...) {
        table.Cancel();
        throw;
    }
}

bool TZarpFileManager::IsPreserved(const std::string& name) const {
    const MemTable& table = Table();
    const std::optional<std::size_t> row = table.FindRow(m_fileName, name);
    if (!row) {
        return false;
    }
    const auto* flag = std::get_if<bool>(&table.CellAt(*row, table.FieldIndex(m_preserve)));
    return flag != nullptr && *flag;
}

void TZarpFileManager::MarkMissingFiles() {
    MemTable& table = Table();
    for (table.First(); !table.Eof(); table.Next()) {
        const std::optional<std::string> local = LocalPath(table.AsString(m_fileName));
        if (local && !Exists(*local)) {
            table.Edit();
            table.SetValue(m_fileStatus, static_cast<int>(TFtpProcess::fpRemoveFile));
            table.Post();
        }
    }
    table.First();
}

std::string TZarpFileManager::FilesWithStatus(int status) const {
    const MemTable& table = Table();
    const std::size_t nameColumn = table.FieldIndex(m_fileName);
    const std::size_t statusColumn = table.FieldIndex(m_fileStatus);
    std::string names;
    for (std::size_t row = 0; row < table.RecordCount(); ++row) {
        const auto* value = std::get_if<std::int32_t>(&table.CellAt(row, statusColumn));
        const auto* name = std::get_if<std::string>(&table.CellAt(row, nameColumn));
        // A name that leaves the build folder is never handed to the upload.
        if (value != nullptr && *value == status && name != nullptr && IsSafeStoredName(*name)) {
            names += '\r';
            names += *name;
        }
    }
    return names.empty() ? names : names.substr(1);
}

void TZarpFileManager::ApplyTransferResults(int status, const std::vector<std::string>& names) {
    MemTable& table = Table();
    for (const std::string& name : names) {
        if (!table.Locate(m_fileName, name)) {
            continue;
        }
        if (status == static_cast<int>(TFtpProcess::fpRemoveFile)) {
            table.Delete();
            continue;
        }
        table.Edit();
        table.SetValue(m_fileStatus, status);
        if (status == static_cast<int>(TFtpProcess::fpSynchronized)) {
            table.SetValue(m_lastUploaded, m_clock.Now());
        }
        table.Post();
    }
}

bool TZarpFileManager::DeleteLocalFile(const std::string& path) {
    std::error_code ec;
    const bool folder = fs::is_directory(fs::symlink_status(fs::path(path), ec));
    const bool removed = !folder && fs::remove(fs::path(path), ec) && !ec;
    if (!removed) {
        m_prompter.Warn(kDeleteFailed);
    }
    return removed;
}

void TZarpFileManager::ChangeCurrentStatus(int& status) {
    MemTable& table = Table();
    if (table.IsEmpty() || !table.CurrentRow()) {
        return;
    }
    const std::string name = table.AsString(m_fileName);
    const std::optional<std::string> local = LocalPath(name);
    if (!local) {
        return;  // a row that leaves the build folder is left alone
    }
    table.Edit();
    const bool exists = Exists(*local);
    switch (static_cast<TFtpProcess>(status)) {
        case TFtpProcess::fpRemoveFile:
            if (exists && m_prompter.Confirm(Format(kDeleteQuestion, name)) == MsgButton::Yes) {
                DeleteLocalFile(*local);
                table.SetValue(m_fileStatus, status);
            }
            break;
        case TFtpProcess::fpUploadFile:
        case TFtpProcess::fpUpdateFile:
            if (!exists) {
                status = static_cast<int>(TFtpProcess::fpRemoveFile);
            } else if (table.IsNull(m_lastUploaded)) {
                status = static_cast<int>(TFtpProcess::fpUploadFile);
            }
            table.SetValue(m_fileStatus, status);
            break;
        case TFtpProcess::fpDoNothing:
            table.SetValue(m_fileStatus, status);
            break;
        default:
            break;
    }
    table.Post();
}

void TZarpFileManager::ChangeAllStatus(int& status) {
    MemTable& table = Table();
    bool yesToAll = false;
    bool deleteFile = false;
    for (table.First(); !table.Eof(); table.Next()) {
        const std::string name = table.AsString(m_fileName);
        const std::optional<std::string> local = LocalPath(name);
        if (!local) {
            continue;  // a row that leaves the build folder is left alone
        }
        table.Edit();
        const bool exists = Exists(*local);
        if (status == static_cast<int>(TFtpProcess::fpRemoveFile)) {
            // A row whose file is already gone is left as it is: no question, no earlier answer applied.
            if (!exists) {
                table.Cancel();
                continue;
            }
            if (!yesToAll) {
                const Message question{
                    Format(kDeleteQuestion, name), MsgIcon::Confirmation, MsgButtons::YesNoAll(), {}};
                switch (m_prompter.Show(question)) {
                    case MsgButton::Yes:
                        deleteFile = true;
                        break;
                    case MsgButton::YesToAll:
                        yesToAll = true;
                        deleteFile = true;
                        break;
                    case MsgButton::NoToAll:
                        table.Cancel();
                        return;
                    default:
                        deleteFile = false;
                        break;
                }
            }
            if (deleteFile && table.AsInteger(m_fileStatus) != static_cast<int>(TFtpProcess::fpRemoveFile)) {
                DeleteLocalFile(*local);
                if (!Exists(*local)) {
                    table.SetValue(m_fileStatus, status);
                }
            }
        } else if (status == static_cast<int>(TFtpProcess::fpUploadFile) ||
                   status == static_cast<int>(TFtpProcess::fpUpdateFile)) {
            status = static_cast<int>(TFtpProcess::fpUploadFile);
            table.SetValue(m_fileStatus, exists ? status : static_cast<int>(TFtpProcess::fpRemoveFile));
        }
        table.Post();
    }
}

}  // namespace bix
