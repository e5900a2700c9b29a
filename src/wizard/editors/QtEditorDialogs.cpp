#include "QtEditorDialogs.h"

#include "wizard/editors/TfrmSelectWhichEditor2.h"
#include "wizard/editors/TfrmWaitforEditor2.h"

namespace bix {

bool QtEditorDialogs::ShowSelectEditor(TSelectWhichEditor2& model) {
    TfrmSelectWhichEditor2 dialog(model, m_prompter, m_owner);
    return dialog.exec() == QDialog::Accepted;
}

bool QtEditorDialogs::ShowWaitForEditor(TWaitforEditor2& model) {
    TfrmWaitforEditor2 dialog(model, m_owner);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace bix
