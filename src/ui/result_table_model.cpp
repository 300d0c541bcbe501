#include "ui/result_table_model.h"

#include "core/dates.h"

#include <QHeaderView>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

QString paddedInteger(qint64 n, int digits)
{
    const QString magnitude = QString::number(n < 0 ? -n : n).rightJustified(digits, u'0');
    return n < 0 ? u'-' + magnitude : magnitude;
}

bool holdsDate(ResultSet::Kind kind)
{
    return kind == ResultSet::Kind::Date || kind == ResultSet::Kind::DateTime;
}

} // namespace

ResultTableModel::ResultTableModel(std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
{
    resolveFields();
}

void ResultTableModel::setColumns(std::vector<GridColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    resolveFields();
    endResetModel();
}

void ResultTableModel::setResult(ResultSet result)
{
    beginResetModel();
    m_result = std::move(result);
    resolveFields();
    endResetModel();
}

void ResultTableModel::clear()
{
    setResult(ResultSet());
}

void ResultTableModel::resolveFields()
{
    m_fieldIndex.clear();
    for (const GridColumn& c : m_columns)
        m_fieldIndex.push_back(m_result.columnIndex(c.field));
}

void ResultTableModel::setRowForeground(RowColour colour)
{
    m_foreground = std::move(colour);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), { Qt::ForegroundRole });
}

void ResultTableModel::setRowBackground(RowColour colour)
{
    m_background = std::move(colour);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), { Qt::BackgroundRole });
}

void ResultTableModel::setRowFont(RowFont font)
{
    m_font = std::move(font);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), { Qt::FontRole });
}

int ResultTableModel::columnOf(QStringView field) const
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

QString ResultTableModel::displayText(int row, int column) const
{
    const int col = m_fieldIndex.at(static_cast<size_t>(column));
    if (col < 0 || m_result.isNull(row, col))
        return {};
    const CellFormat& format = m_columns[static_cast<size_t>(column)].format;
    switch (format.kind) {
    case CellFormat::Kind::Text:
        break;
    case CellFormat::Kind::Money:
        return m_result.money(row, col).format(format.money);
    case CellFormat::Kind::Integer:
        return paddedInteger(m_result.integer(row, col), format.digits);
    case CellFormat::Kind::Date: {
        // Date columns come as yyyy-mm-dd; some text columns already hold dd/mm/yyyy.
        const QDate date = holdsDate(m_result.column(col).kind) ? m_result.date(row, col)
                                                                : fromSqlDate(m_result.text(row, col));
        if (date.isValid())
            return dateText(date);
        const QString text = m_result.text(row, col);
        return isBlankDateText(text) || holdsDate(m_result.column(col).kind) ? QString() : text.trimmed();
    }
    case CellFormat::Kind::Time: {
        const QTime time = m_result.time(row, col);
        return time.isValid() ? timeText(time) : m_result.text(row, col);
    }
    }
    return m_result.text(row, col);
}

Qt::Alignment ResultTableModel::alignmentOf(const GridColumn& column) const
{
    if (column.alignment)
        return *column.alignment;
    switch (column.format.kind) {
    case CellFormat::Kind::Money:
    case CellFormat::Kind::Integer:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellFormat::Kind::Date:
    case CellFormat::Kind::Time:
        return Qt::AlignCenter;
    case CellFormat::Kind::Text:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

int ResultTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_result.rowCount();
}

int ResultTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(m_columns[static_cast<size_t>(index.column())]));
    case Qt::ForegroundRole:
        if (m_foreground) {
            if (const auto colour = m_foreground(m_result, row))
                return *colour;
        }
        return {};
    case Qt::BackgroundRole:
        if (m_background) {
            if (const auto colour = m_background(m_result, row))
                return *colour;
        }
        return {};
    case Qt::FontRole:
        if (m_font) {
            if (const auto font = m_font(m_result, row))
                return *font;
        }
        return {};
    case RawValueRole: {
        const int col = m_fieldIndex[static_cast<size_t>(index.column())];
        return col < 0 ? QVariant() : m_result.value(row, col);
    }
    default:
        return {};
    }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const GridColumn& column = m_columns[static_cast<size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
        return column.title;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(column));
    default:
        return {};
    }
}

namespace {

void applyColumnWidths(QTableView& view, const ResultTableModel& model)
{
    for (int i = 0; i < model.columnCount(); ++i) {
        const int width = model.columns()[static_cast<size_t>(i)].width;
        if (width > 0)
            view.setColumnWidth(i, width);
    }
}

} // namespace

void setupGrid(QTableView& view, ResultTableModel& model)
{
    view.setModel(&model);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setAlternatingRowColors(true);
    view.setTabKeyNavigation(false);
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 6);
    view.horizontalHeader()->setHighlightSections(false);
    view.horizontalHeader()->setStretchLastSection(true);
    applyColumnWidths(view, model);
    // A reset (new rows, new columns) gives the header default widths again.
    QObject::connect(
        &model, &QAbstractItemModel::modelReset, &view, [&view, &model] { applyColumnWidths(view, model); });
}

qint64 currentInteger(const QTableView& view, const ResultTableModel& model, QStringView field)
{
    const QModelIndex current = view.currentIndex();
    if (!current.isValid() || current.row() >= model.rowCount())
        return 0;
    return model.result().integer(current.row(), field);
}

bool moveToValue(QTableView& view, const ResultTableModel& model, QStringView field, qint64 value)
{
    const ResultSet& rs = model.result();
    const int column = rs.columnIndex(field);
    if (column < 0)
        return false;
    for (int r = 0; r < rs.rowCount(); ++r) {
        if (rs.integer(r, column) == value) {
            const QModelIndex to = model.index(r, 0);
            view.setCurrentIndex(to);
            view.scrollTo(to);
            return true;
        }
    }
    return false;
}

bool moveToPrefix(QTableView& view, const ResultTableModel& model, QStringView field, const QString& prefix)
{
    const ResultSet& rs = model.result();
    const int column = rs.columnIndex(field);
    if (column < 0)
        return false;
    for (int r = 0; r < rs.rowCount(); ++r) {
        if (rs.text(r, column).startsWith(prefix, Qt::CaseInsensitive)) {
            const QModelIndex to = model.index(r, 0);
            view.setCurrentIndex(to);
            view.scrollTo(to);
            return true;
        }
    }
    return false;
}

} // namespace zova
