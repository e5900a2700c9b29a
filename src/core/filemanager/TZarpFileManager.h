#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bix {

class Clock;
class MemTable;
class Prompter;

// The planned FTP action of a file-list row (its FileStatus).
enum class TFtpProcess : int {
    fpDoNothing = 0,
    fpRemoveFile = 1,
    fpSynchronized = 2,
    fpUploadFile = 3,
    fpUpdateFile = 4,
};

// "Do Nothing", "Remove File", "Synchronized", "Upload File", "Update File"; "" for other values.
std::string FtpProcessDescription(int status);

// The known file types in their order: 0 and 1 pages, 2 to 5 images, 6 and 7 scripts.
extern const std::vector<std::string> KnownFileTypes;

// The file list: every file the build put into the build folder, with the FTP action planned for it.
// Works on any table with the named columns. Stored names are relative to DestinationFolder with
// backslashes between folder names; a name that would leave the folder (.., absolute, a drive) is
// never joined to a local path, so no crafted project can make this delete or upload another file.
class TZarpFileManager final {
public:
    TZarpFileManager(Prompter& prompter, Clock& clock);

    MemTable* DataSource() const { return m_table; }
    void SetDataSource(MemTable* table);
    bool DataSetActive() const;

    // The column names; setting one warns "The required field %s is empty" when an open table lacks
    // it, and stores it anyway.
    const std::string& FileStatus() const { return m_fileStatus; }
    const std::string& FileType() const { return m_fileType; }
    const std::string& FileName() const { return m_fileName; }
    const std::string& Size() const { return m_size; }
    const std::string& DateTimeStamp() const { return m_dateTimeStamp; }
    const std::string& LastUploaded() const { return m_lastUploaded; }
    const std::string& Preserve() const { return m_preserve; }
    const std::string& Description() const { return m_description; }
    void SetFileStatus(const std::string& name) { SetColumn(m_fileStatus, name); }
    void SetFileType(const std::string& name) { SetColumn(m_fileType, name); }
    void SetFileName(const std::string& name) { SetColumn(m_fileName, name); }
    void SetSize(const std::string& name) { SetColumn(m_size, name); }
    void SetDateTimeStamp(const std::string& name) { SetColumn(m_dateTimeStamp, name); }
    void SetLastUploaded(const std::string& name) { SetColumn(m_lastUploaded, name); }
    void SetPreserve(const std::string& name) { SetColumn(m_preserve, name); }
    void SetDescription(const std::string& name) { SetColumn(m_description, name); }
    void CheckField(const std::string& name) const;

    // The build folder, always held with a trailing separator.
    const std::string& DestinationFolder() const { return m_destination; }
    void SetDestinationFolder(const std::string& folder);

    // Refreshes the list from the build folder; marks vanished files for removal even when it raises.
    void ScanFolder();
    // Inserts or updates the row of one file, given by its stored relative name.
    void RecordFile(const std::string& relative);
    // The Preserve mark of the row named exactly so; false without such a row. The cursor stays.
    bool IsPreserved(const std::string& name) const;
    // Status 1 on every row whose local file is gone.
    void MarkMissingFiles();
    // The names of the rows with the status, in table order, joined by CR; "" when none.
    std::string FilesWithStatus(int status) const;
    // An upload's results: status 1 deletes the named rows; others set it (2 also sets UploadDate).
    void ApplyTransferResults(int status, const std::vector<std::string>& names);
    // The user's change of the focused row's, or every row's, planned action. status may be rewritten.
    void ChangeCurrentStatus(int& status);
    void ChangeAllStatus(int& status);

    // Folders a scan visits before it warns that the folder is too big.
    static constexpr int kFolderWarningLimit = 10000;

private:
    void SetColumn(std::string& column, const std::string& name);
    // DestinationFolder + the stored name in local form; nothing for a name that leaves the folder.
    std::optional<std::string> LocalPath(const std::string& stored) const;
    void ScanDirectory(const std::string& folder, int& folders, bool& warned);
    bool DeleteLocalFile(const std::string& path);
    MemTable& Table() const;

    Prompter& m_prompter;
    Clock& m_clock;
    MemTable* m_table = nullptr;
    std::string m_fileStatus = "FileStatus";
    std::string m_fileType = "FileType";
    std::string m_fileName = "FileName";
    std::string m_size = "FileSize";
    std::string m_dateTimeStamp = "FileDateTimeStamp";
    std::string m_lastUploaded = "UploadDate";
    std::string m_preserve = "Preserve";
    std::string m_description = "Desc";
    std::string m_destination;
};

}  // namespace bix
