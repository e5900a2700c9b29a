#include "QtPump.h"

#include <QCoreApplication>

namespace bix {

void QtPump::ProcessEvents() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

}  // namespace bix
