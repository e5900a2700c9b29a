#pragma once

#include "core/editors/EditorDialogs.h"

#include <QPointer>
#include <QWidget>

namespace bix {

class Prompter;

// The editor dialogs of bixWebSite, modal to the owner window.
class QtEditorDialogs final : public EditorDialogs {
public:
    QtEditorDialogs(Prompter& prompter, QWidget* owner = nullptr) : m_prompter(prompter), m_owner(owner) {}

    bool ShowSelectEditor(TSelectWhichEditor2& model) override;
    bool ShowWaitForEditor(TWaitforEditor2& model) override;

private:
    Prompter& m_prompter;
    QPointer<QWidget> m_owner;
};

}  // namespace bix
