#include "TPreviewView.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace bix {

bool TPreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (type == NavigationTypeLinkClicked) {
        if (OpenExternally) {
            OpenExternally(url);
        } else {
            QDesktopServices::openUrl(url);
        }
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

TPreviewView::TPreviewView(QWidget* parent) : QWebEngineView(parent), m_page(new TPreviewPage(this)) {
    setPage(m_page);
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_loading = true; });
    connect(this, &QWebEngineView::loadFinished, this, [this] { m_loading = false; });
}

void TPreviewView::WaitForLoad(int waitMilliseconds) {
    // Events keep running meanwhile: the window stays alive while the preview is busy.
    QElapsedTimer timer;
    timer.start();
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(20);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (!m_loading || timer.elapsed() > waitMilliseconds) {
            loop.quit();
        }
    });
    tick.start();
    loop.exec();
}

void TPreviewView::ShowFile(const QString& path, int waitMilliseconds) {
    m_loading = true;
    load(QUrl::fromLocalFile(path));
    WaitForLoad(waitMilliseconds);
}

void TPreviewView::ShowBlank() {
    m_loading = true;
    load(QUrl(QStringLiteral("about:blank")));
    WaitForLoad(5000);
}

}  // namespace bix
