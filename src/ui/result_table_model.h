#pragma once

#include "core/money.h"
#include "db/result_set.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <functional>
#include <optional>
#include <vector>

class QTableView;

namespace zova {

// How a grid cell shows its value.
struct CellFormat {
    enum class Kind { Text, Money, Date, Integer, Time };
    Kind kind = Kind::Text;
    MoneyFormat money = MoneyFormat::Grouped;
    int digits = 0; // zero padding of integers: 2 gives "00", 4 gives "0004"

    static CellFormat text() { return {}; }
    static CellFormat currency(MoneyFormat form = MoneyFormat::Grouped) { return { Kind::Money, form, 0 }; }
    static CellFormat date() { return { Kind::Date, {}, 0 }; } // dd/mm/yyyy
    static CellFormat integer(int digits = 0) { return { Kind::Integer, {}, digits }; }
    static CellFormat time() { return { Kind::Time, {}, 0 }; } // hh:mm:ss
};

// One visible column of a grid: which field (found without regard to letter case), its title,
// format, alignment (by default right for numbers, centred for dates and times, left for text)
// and width hint in pixels (0: let the view decide).
struct GridColumn {
    QString field;
    QString title;
    CellFormat format = CellFormat::text();
    std::optional<Qt::Alignment> alignment = std::nullopt;
    int width = 0;
};

// A read-only grid over the rows of one query, with per-column formats and per-row colours.
class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The cell's value as the result holds it (qint64, Money, QDate, QTime, QString).
    static constexpr int RawValueRole = Qt::UserRole;
    // Chooses a colour (or font) for a whole row; nullopt keeps the grid's default.
    using RowColour = std::function<std::optional<QColor>(const ResultSet&, int row)>;
    using RowFont = std::function<std::optional<QFont>(const ResultSet&, int row)>;

    explicit ResultTableModel(std::vector<GridColumn> columns = {}, QObject* parent = nullptr);

    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return m_columns; }

    void setResult(ResultSet result);
    void clear();
    const ResultSet& result() const { return m_result; }
    bool isEmpty() const { return m_result.isEmpty(); }

    void setRowForeground(RowColour colour);
    void setRowBackground(RowColour colour);
    void setRowFont(RowFont font);

    // The grid column showing `field`, or -1.
    int columnOf(QStringView field) const;
    // The text a cell shows.
    QString displayText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void resolveFields();
    Qt::Alignment alignmentOf(const GridColumn& column) const;

    std::vector<GridColumn> m_columns;
    std::vector<int> m_fieldIndex; // result column of each grid column, -1 when missing
    ResultSet m_result;
    RowColour m_foreground;
    RowColour m_background;
    RowFont m_font;
};

// Sets a view up as the program's grids are: the model, whole-row selection, read-only,
// alternating rows, no row header, and the columns' width hints.
void setupGrid(QTableView& view, ResultTableModel& model);

// The integer `field` of the view's current row; 0 when no row is current.
qint64 currentInteger(const QTableView& view, const ResultTableModel& model, QStringView field);

// Makes the first row whose `field` equals `value` current and scrolls to it; false when none.
bool moveToValue(QTableView& view, const ResultTableModel& model, QStringView field, qint64 value);

// Makes the first row whose `field` starts with `prefix` (ignoring case) current; false when none.
bool moveToPrefix(QTableView& view, const ResultTableModel& model, QStringView field, const QString& prefix);

} // namespace zova
