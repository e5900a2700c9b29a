#include "cli/TCliApplication.h"
#include "core/common/ProgramFolder.h"
#include "platform/QSettingsRegistry.h"

#include <QCoreApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    bix::QSettingsRegistry registry;
    bix::TCliApplication cli(bix::ProgramFolder(QCoreApplication::applicationDirPath().toLocal8Bit().toStdString()),
                             registry, std::cout, std::cerr, std::cin);
    return cli.Run(args);
}
