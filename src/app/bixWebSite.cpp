#include "core/common/ProgramFolder.h"
#include "core/editors/TZarpSelectHTMLEditor2.h"
#include "core/generator/udmTables.h"
#include "core/themes/TThemeCatalogue.h"
#include "platform/DesktopShell.h"
#include "platform/QSettingsRegistry.h"
#include "platform/QtPump.h"
#include "platform/SystemClock.h"
#include "platformui/QtPrompter.h"
#include "wizard/TBixApplication.h"
#include "wizard/uMain.h"

int main(int argc, char** argv) {
    // The page previews share the window's drawing context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    bix::TBixApplication app(argc, argv);
    const std::string programFolder =
        bix::ProgramFolder(bix::TBixApplication::applicationDirPath().toLocal8Bit().toStdString());

    bix::QSettingsRegistry registry;
    bix::QtPrompter prompter;
    bix::DesktopShell shell;
    bix::QtPump pump;
    bix::SystemClock clock;
    // The data module first; it hands the editor selector its registry key.
    bix::TdmTables dm(prompter, pump, clock, programFolder);
    bix::TThemeCatalogue catalogue(programFolder);
    bix::TZarpSelectHTMLEditor2 editor(registry, shell, prompter);
    editor.SetRegistryPath("\\Software\\RVK\\bixWebsite\\HTML Editor");
    editor.RegisterCompanionEditor(programFolder);

    bix::TfrmMain frmMain({prompter, registry, shell, dm, catalogue, editor});
    prompter.SetOwner(&frmMain);
    frmMain.show();
    return bix::TBixApplication::exec();
}
