#include "TBixApplication.h"

#include <QMessageBox>

#include <exception>

namespace bix {

TBixApplication::TBixApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("bixWebsite"));
    setApplicationDisplayName(QStringLiteral("bixWebsite"));
    setOrganizationName(QStringLiteral("RVK"));
}

bool TBixApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Error"), QString::fromUtf8(e.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Error"), QStringLiteral("An unexpected error occurred."));
    }
    return false;
}

}  // namespace bix
