#include "TZarpFTP.h"

#include "core/upload/TUploadRun.h"

namespace bix {

void TZarpFTP::Execute(FtpClient& client, UploadView& view, Pump& pump, Prompter& prompter) {
    Uploaded_OK.clear();
    Removed_OK.clear();
    TUploadRun run(*this, client, view, pump, prompter);
    run.AddList(UploadList, true, "Upload New");
    run.AddList(UpdateList, false, "Update Old");
    run.AddList(RemoveList, false, "Remove File");
    run.Run();
}

}  // namespace bix
