#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

namespace bix {

// "Image View": a built picture shown whole, scaled down (proportions kept) when larger than the window,
// at its own size and centred otherwise.
class TfrmImageEdit final : public QDialog {
    Q_OBJECT

public:
    explicit TfrmImageEdit(QImage image, QWidget* parent = nullptr);

    // ShowImage of the image viewer: reads the picture (EBixError when it is none) and shows it modally.
    static void ShowImage(const std::string& path, QWidget* parent = nullptr);

    QLabel* apiImage = nullptr;
    QPushButton* btnOK = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();
    QImage m_image;
};

}  // namespace bix
