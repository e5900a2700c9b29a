#pragma once

#include <QApplication>

namespace bix {

// The application object of bixWebSite: an error that no page handled is shown in an error box and
// the program goes on, instead of ending it.
class TBixApplication final : public QApplication {
    Q_OBJECT

public:
    TBixApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace bix
