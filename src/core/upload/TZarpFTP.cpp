#include "TZarpFTP.h"

#include "core/common/Errors.h"
#include "core/upload/TUploadRun.h"

namespace bix {

void TZarpFTP::Execute(FtpClient& client, UploadView& view, Pump& pump, Prompter& prompter) {
    if (m_running) {
        throw EAbort();
    }
    struct Running final {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;
    } running(m_running);
    Uploaded_OK.clear();
    Removed_OK.clear();
    TUploadRun run(*this, client, view, pump, prompter);
    run.AddList(UploadList, true, "Upload New");
    run.AddList(UpdateList, false, "Update Old");
    run.AddList(RemoveList, false, "Remove File");
    run.Run();
}

}  // namespace bix
