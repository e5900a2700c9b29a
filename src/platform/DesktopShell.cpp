#include "DesktopShell.h"

#include "platform/QtText.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace bix {

namespace {

// A local path becomes a file: address; anything with a scheme (http:, mailto:, file:) stays as given.
QUrl ToUrl(const QString& pathOrAddress) {
    const QUrl url(pathOrAddress, QUrl::StrictMode);
    const bool hasScheme = url.isValid() && url.scheme().size() > 1;
    if (hasScheme && !QFileInfo::exists(pathOrAddress)) {
        return url;
    }
    return QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(pathOrAddress).absoluteFilePath()));
}

}  // namespace

bool DesktopShell::OpenDocument(const std::string& pathOrAddress) {
    return QDesktopServices::openUrl(ToUrl(ToQString(pathOrAddress)));
}

bool DesktopShell::StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                                const std::string& workingFolder) {
    QStringList args;
    for (const auto& argument : arguments) {
        args << ToQString(argument);
    }
    return QProcess::startDetached(ToQString(program), args, ToQString(workingFolder));
}

}  // namespace bix
