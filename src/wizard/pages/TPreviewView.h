#pragma once

#include <QWebEnginePage>
#include <QWebEngineView>

#include <functional>

namespace bix {

// A page preview: shows one local file; a link clicked in it opens in the system's browser instead
// of leaving the preview.
class TPreviewPage final : public QWebEnginePage {
    Q_OBJECT

public:
    using QWebEnginePage::QWebEnginePage;
    std::function<void(const QUrl&)> OpenExternally;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

// The view of a preview, which can wait (letting events run) until what it shows has loaded.
class TPreviewView final : public QWebEngineView {
    Q_OBJECT

public:
    explicit TPreviewView(QWidget* parent = nullptr);
    TPreviewPage* Page() const { return m_page; }
    // Shows the file and waits until it has loaded, or the limit has passed.
    void ShowFile(const QString& path, int waitMilliseconds = 10000);
    void ShowBlank();

private:
    void WaitForLoad(int waitMilliseconds);
    TPreviewPage* m_page = nullptr;
    bool m_loading = false;
};

}  // namespace bix
