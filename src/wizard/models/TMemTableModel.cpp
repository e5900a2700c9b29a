#include "TMemTableModel.h"

#include "core/common/DateTime.h"
#include "platform/QtText.h"

namespace bix {

namespace {

QString DisplayText(const TFieldValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return ToQString(*text);
    }
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return QString::number(*number);
    }
    if (const auto* date = std::get_if<TDateTime>(&value)) {
        const DateTimeParts p = DecodeDateTime(*date);
        return QStringLiteral("%1-%2-%3 %4:%5:%6")
            .arg(p.year, 4, 10, QLatin1Char('0'))
            .arg(p.month, 2, 10, QLatin1Char('0'))
            .arg(p.day, 2, 10, QLatin1Char('0'))
            .arg(p.hour, 2, 10, QLatin1Char('0'))
            .arg(p.minute, 2, 10, QLatin1Char('0'))
            .arg(p.second, 2, 10, QLatin1Char('0'));
    }
    return {};
}

}  // namespace

TMemTableModel::TMemTableModel(MemTable& table, std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_columns(std::move(columns)) {
    m_table.AddObserver(this);
}

TMemTableModel::~TMemTableModel() {
    m_table.RemoveObserver(this);
}

std::optional<std::size_t> TMemTableModel::FieldOf(int column) const {
    if (column < 0 || static_cast<std::size_t>(column) >= m_columns.size()) {
        return std::nullopt;
    }
    return m_table.FindField(m_columns[static_cast<std::size_t>(column)].field);
}

int TMemTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.RecordCount());
}

int TMemTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant TMemTableModel::data(const QModelIndex& index, int role) const {
    const auto field = FieldOf(index.column());
    if (!field || index.row() < 0 || static_cast<std::size_t>(index.row()) >= m_table.RecordCount()) {
        return {};
    }
    const TFieldValue& value = m_table.CellAt(static_cast<std::size_t>(index.row()), *field);
    const Column& column = m_columns[static_cast<std::size_t>(index.column())];
    if (column.checkBox) {
        if (role == Qt::CheckStateRole) {
            const auto* flag = std::get_if<bool>(&value);
            return flag != nullptr && *flag ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return column.display ? column.display(value) : DisplayText(value);
    }
    if (role == Qt::DecorationRole && column.icon) {
        return column.icon(value);
    }
    if (role == Qt::ToolTipRole && column.icon) {
        return DisplayText(value);
    }
    return {};
}

QVariant TMemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        static_cast<std::size_t>(section) < m_columns.size()) {
        return m_columns[static_cast<std::size_t>(section)].caption;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TMemTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (editable && index.isValid()) {
        flags |=
            m_columns[static_cast<std::size_t>(index.column())].checkBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    }
    return flags;
}

bool TMemTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const auto field = FieldOf(index.column());
    if (!editable || !field || m_columns[static_cast<std::size_t>(index.column())].readOnly) {
        return false;
    }
    const Column& column = m_columns[static_cast<std::size_t>(index.column())];
    TFieldValue cell;
    if (column.checkBox && role == Qt::CheckStateRole) {
        cell = value.toInt() == Qt::Checked;
    } else if (!column.checkBox && role == Qt::EditRole) {
        cell = FromQString(value.toString());
    } else {
        return false;
    }
    m_table.MoveTo(static_cast<std::size_t>(index.row()));
    m_table.Edit();
    m_table.SetValue(*field, std::move(cell));
    m_table.Post();
    return true;
}

void TMemTableModel::TableReset() {
    beginResetModel();
    endResetModel();
}

void TMemTableModel::RowAboutToBeInserted(std::size_t row) {
    beginInsertRows({}, static_cast<int>(row), static_cast<int>(row));
}

void TMemTableModel::RowInserted(std::size_t /*row*/) {
    endInsertRows();
}

void TMemTableModel::RowAboutToBeRemoved(std::size_t row) {
    beginRemoveRows({}, static_cast<int>(row), static_cast<int>(row));
}

void TMemTableModel::RowRemoved(std::size_t /*row*/) {
    endRemoveRows();
}

void TMemTableModel::RowMoved(std::size_t from, std::size_t to) {
    const auto first = static_cast<int>(std::min(from, to));
    const auto last = static_cast<int>(std::max(from, to));
    emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void TMemTableModel::FieldChanged(std::size_t row, std::size_t column) {
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        if (FieldOf(static_cast<int>(c)) == column) {
            const QModelIndex cell = index(static_cast<int>(row), static_cast<int>(c));
            emit dataChanged(cell, cell);
        }
    }
}

}  // namespace bix
