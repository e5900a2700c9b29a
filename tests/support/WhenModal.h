#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace bix::test {

// Runs the action on the next modal window as soon as it shows (a dialog's exec() waits meanwhile).
inline void WhenModalShows(std::function<void(QWidget*)> action, QWidget* notThis = nullptr) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action, notThis] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != notThis) {
            timer->stop();
            timer->deleteLater();
            QPointer<QWidget> guard(modal);
            action(modal);
            // A failed check returns from the action early: close the window so the test ends.
            if (QTest::currentTestFailed() && guard && guard->isVisible()) {
                if (auto* dialog = qobject_cast<QDialog*>(guard.data())) {
                    dialog->reject();
                } else {
                    guard->close();
                }
            }
        }
    });
    timer->start();
}

}  // namespace bix::test
