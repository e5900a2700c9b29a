#include "TfrmSelectWhichEditor2.h"

#include "core/editors/TSelectWhichEditor2.h"
#include "platform/QtText.h"
#include "wizard/editors/TfrmSelectFilenameEditor2.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace bix {

namespace {

// Rows of 20 pixels: the program's small icon and its name.
class RowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 20};
    }
};

}  // namespace

TfrmSelectWhichEditor2::TfrmSelectWhichEditor2(TSelectWhichEditor2& model, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompter(prompter) {
    setWindowTitle(QStringLiteral("Select Editor"));
    ListBox1 = new QListWidget;
    ListBox1->setUniformItemSizes(true);
    ListBox1->setItemDelegate(new RowDelegate(ListBox1));
    ListBox1->setIconSize(QSize(16, 16));
    ListBox1->installEventFilter(this);
    lblName = new QLabel;
    QFont bold = lblName->font();
    bold.setBold(true);
    lblName->setFont(bold);
    strFilename = new QLabel;
    strFilename->setWordWrap(true);
    lblName->setVisible(false);
    strFilename->setVisible(false);
    btnAddNewEditor = new QPushButton(QStringLiteral("&Add a new editor..."));
    btnDeleteEditor = new QPushButton(QStringLiteral("&Delete editor"));
    cbAlwaysUse = new QCheckBox(QStringLiteral("Always use this editor to edit html files"));
    cbAlwaysUse->setChecked(m_model.alwaysUse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    btnOK = buttons->button(QDialogButtonBox::Ok);

    auto* side = new QVBoxLayout;
    side->addWidget(lblName);
    side->addWidget(strFilename);
    side->addStretch(1);
    side->addWidget(btnAddNewEditor);
    side->addWidget(btnDeleteEditor);
    auto* top = new QHBoxLayout;
    top->addWidget(ListBox1, 3);
    top->addLayout(side, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(cbAlwaysUse);
    layout->addWidget(buttons);
    resize(520, 320);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ListBox1, &QListWidget::itemClicked, this, [this] {
        m_model.ListBox1Click(static_cast<std::size_t>(ListBox1->currentRow()));
        ShowSelection();
    });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            m_model.ListBox1Click(static_cast<std::size_t>(row));
            ShowSelection();
        }
    });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_model.ListBox1DblClick(static_cast<std::size_t>(ListBox1->currentRow()))) {
            accept();
        }
    });
    connect(btnAddNewEditor, &QPushButton::clicked, this, &TfrmSelectWhichEditor2::btnAddNewEditorClick);
    connect(btnDeleteEditor, &QPushButton::clicked, this, &TfrmSelectWhichEditor2::btnDeleteEditorClick);
    FillList();
}

void TfrmSelectWhichEditor2::FillList() {
    const QSignalBlocker block(ListBox1);
    ListBox1->clear();
    QFileIconProvider icons;
    for (const auto& entry : m_model.Entries()) {
        new QListWidgetItem(icons.icon(QFileInfo(ToQString(m_model.EditorPath(entry.tag)))), ToQString(entry.text),
                            ListBox1);
    }
    ShowSelection();
}

void TfrmSelectWhichEditor2::ShowSelection() {
    const auto selected = m_model.Selected();
    {
        const QSignalBlocker block(ListBox1);
        ListBox1->setCurrentRow(selected ? static_cast<int>(*selected) : -1);
    }
    if (selected) {
        lblName->setText(ToQString(m_model.Entries()[*selected].text));
        strFilename->setText(ToQString(m_model.SelectedPath()));
    }
    lblName->setVisible(selected.has_value());
    strFilename->setVisible(selected.has_value());
    btnOK->setEnabled(m_model.OkEnabled());
    ListBox1->setEnabled(m_model.ListEnabled());
}

void TfrmSelectWhichEditor2::btnAddNewEditorClick() {
    TfrmSelectFilenameEditor2 details(m_prompter, this);
    if (details.exec() != QDialog::Accepted) {
        return;
    }
    m_model.AddEditor(FromQString(details.edEditorName->text()), FromQString(details.edEditorLocation->text()));
    FillList();
    ListBox1->setEnabled(true);
    btnOK->setEnabled(true);
}

void TfrmSelectWhichEditor2::btnDeleteEditorClick() {
    m_model.DeleteEditor();
    FillList();
}

bool TfrmSelectWhichEditor2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1 && event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        m_model.ListBox1KeyDelete();
        FillList();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmSelectWhichEditor2::done(int result) {
    m_model.alwaysUse = cbAlwaysUse->isChecked();
    QDialog::done(result);
}

}  // namespace bix
