#pragma once

namespace bix {

class TSelectWhichEditor2;
class TWaitforEditor2;

// The two dialogs of editing a page, as the editor selector shows them: each gets its model, shows it
// modally and tells whether it closed with OK.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;
    // "Select Editor".
    virtual bool ShowSelectEditor(TSelectWhichEditor2& model) = 0;
    // "Editing the page": the model starts the editor when the dialog first becomes active.
    virtual bool ShowWaitForEditor(TWaitforEditor2& model) = 0;
};

}  // namespace bix
