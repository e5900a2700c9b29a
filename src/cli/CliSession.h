#pragma once

#include "cli/CliPrompter.h"
#include "core/generator/TWebsiteProject.h"
#include "core/generator/udmTables.h"
#include "platform/DesktopShell.h"
#include "platform/QtPump.h"
#include "platform/SystemClock.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace bix {

// What one command works with: the data module with its ports, and the project it opened.
struct CliSession final {
    CliSession(const std::string& programFolder, std::ostream& err, bool yes)
        : prompter(err, yes), dm(prompter, pump, clock, programFolder), project(dm, prompter) {}

    CliPrompter prompter;
    NullPump pump;
    SystemClock clock;
    DesktopShell shell;  // a build from here opens no preview
    TdmTables dm;
    TWebsiteProject project;
};

}  // namespace bix
