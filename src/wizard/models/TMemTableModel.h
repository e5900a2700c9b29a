#pragma once

#include "core/document/MemTable.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <functional>
#include <vector>

namespace bix {

// A MemTable seen by Qt's views: one row per table row, one column per chosen field. It follows every
// change of the table; edits from a view go through the table's edit and post.
class TMemTableModel final : public QAbstractTableModel, public MemTableObserver {
    Q_OBJECT

public:
    struct Column final {
        std::string field;
        QString caption;
        bool checkBox = false;  // a Boolean field shown and edited as a check box
        // Text for a cell (e.g. a status number as its description); by default the value itself.
        std::function<QString(const TFieldValue&)> display;
        bool readOnly = false;  // never edited, even in an editable model
        // A picture for a cell (e.g. a file type); the value itself is then the cell's tip.
        std::function<QIcon(const TFieldValue&)> icon = nullptr;
    };

    TMemTableModel(MemTable& table, std::vector<Column> columns, QObject* parent = nullptr);
    ~TMemTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // MemTableObserver
    void TableReset() override;
    void RowAboutToBeInserted(std::size_t row) override;
    void RowInserted(std::size_t row) override;
    void RowAboutToBeRemoved(std::size_t row) override;
    void RowRemoved(std::size_t row) override;
    void RowMoved(std::size_t from, std::size_t to) override;
    void FieldChanged(std::size_t row, std::size_t column) override;

    bool editable = false;

private:
    std::optional<std::size_t> FieldOf(int column) const;

    MemTable& m_table;
    std::vector<Column> m_columns;
};

}  // namespace bix
