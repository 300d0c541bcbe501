#include "ui/colours.h"
#include "ui/result_table_model.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTableView>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using zova::CellFormat;
using zova::GridColumn;
using zova::ResultSet;
using zova::ResultTableModel;

namespace {

// Fails the test on any complaint of QAbstractItemModelTester (it reports through qWarning).
class ModelTesterWatch {
public:
    ModelTesterWatch() { s_previous = qInstallMessageHandler(&ModelTesterWatch::handle); }
    ~ModelTesterWatch() { qInstallMessageHandler(s_previous); }
    ModelTesterWatch(const ModelTesterWatch&) = delete;
    ModelTesterWatch& operator=(const ModelTesterWatch&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type != QtDebugMsg && context.category && QByteArrayView(context.category) == "qt.modeltest")
            ADD_FAILURE() << text.toStdString();
        else if (s_previous)
            s_previous(type, context, text);
    }
    static inline QtMessageHandler s_previous = nullptr;
};

const QDate kToday(2024, 5, 17);

// A booklet's installments as the main window's grid gets them.
ResultSet installments()
{
    ResultSet rs({ { u"parcela_boleto"_s, ResultSet::Kind::Integer },
        { u"valor_parcela_boleto"_s, ResultSet::Kind::Decimal },
        { u"vencimento_parcela_boleto"_s, ResultSet::Kind::Date },
        { u"pgto_parcela_boleto"_s, ResultSet::Kind::Date },
        { u"status_parcela_boleto"_s, ResultSet::Kind::Text }, { u"f_pagamento"_s, ResultSet::Kind::Text },
        { u"hora"_s, ResultSet::Kind::Time } });
    using Cell = std::optional<QByteArray>;
    rs.appendRow(std::vector<Cell> {
        "1", "1234.50", "2024-05-16", std::nullopt, "PENDENTE", std::nullopt, "08:05:09" });
    rs.appendRow(std::vector<Cell> {
        "2", "45.5", "2024-05-17", std::nullopt, "PENDENTE", std::nullopt, std::nullopt });
    rs.appendRow(std::vector<Cell> { "3", "45.50", "2024-04-17", "2024-04-10", "PAGO", "PIX", "17:00:00" });
    rs.appendRow(std::vector<Cell> { "12", "0.00", "2024-06-17", "0000-00-00", "CANCELADO", "", "" });
    return rs;
}

std::vector<GridColumn> installmentColumns()
{
    return {
        { .field = u"PARCELA_BOLETO"_s, .title = u"Parc."_s, .format = CellFormat::integer(2), .width = 40 },
        { .field = u"valor_parcela_boleto"_s,
            .title = u"Valor"_s,
            .format = CellFormat::currency(zova::MoneyFormat::Plain) },
        { .field = u"vencimento_parcela_boleto"_s,
            .title = u"Venc."_s,
            .format = CellFormat::date(),
            .width = 80 },
        { .field = u"pgto_parcela_boleto"_s, .title = u"Pgto"_s, .format = CellFormat::date() },
        { .field = u"status_parcela_boleto"_s, .title = u"Status"_s },
        { .field = u"f_pagamento"_s, .title = u"Moeda"_s, .alignment = Qt::AlignCenter },
        { .field = u"hora"_s, .title = u"Hora"_s, .format = CellFormat::time() },
        { .field = u"nao_existe"_s, .title = u"?"_s },
    };
}

// The installment grid's colours: due today navy, paid green, overdue and pending red.
std::optional<QColor> installmentColour(const ResultSet& rs, int row)
{
    const QDate due = rs.date(row, u"vencimento_parcela_boleto");
    const QString status = rs.text(row, u"status_parcela_boleto");
    std::optional<QColor> colour;
    if (due == kToday)
        colour = zova::kNavy;
    if (status == u"PAGO")
        colour = zova::kGreen;
    if (due < kToday && status == u"PENDENTE")
        colour = zova::kRed;
    return colour;
}

TEST(ResultTableModel, PassesTheModelTesterThroughItsLife)
{
    ModelTesterWatch watch;
    ResultTableModel model(installmentColumns());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 8);
    model.setResult(installments());
    model.setRowForeground(&installmentColour);
    model.setRowBackground([](const ResultSet&, int row) -> std::optional<QColor> {
        return row == 0 ? std::optional<QColor>(Qt::yellow) : std::nullopt;
    });
    EXPECT_EQ(model.rowCount(), 4);
    model.setColumns({ { .field = u"titular"_s, .title = u"Titular"_s } });
    EXPECT_EQ(model.columnCount(), 1);
    model.setColumns(installmentColumns());
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(model.isEmpty());
}

TEST(ResultTableModel, FormatsCells)
{
    ResultTableModel model(installmentColumns());
    model.setResult(installments());
    const QString expected[4][8] = {
        { u"01"_s, u"R$1234,50"_s, u"16/05/2024"_s, u""_s, u"PENDENTE"_s, u""_s, u"08:05:09"_s, u""_s },
        { u"02"_s, u"R$45,50"_s, u"17/05/2024"_s, u""_s, u"PENDENTE"_s, u""_s, u""_s, u""_s },
        { u"03"_s, u"R$45,50"_s, u"17/04/2024"_s, u"10/04/2024"_s, u"PAGO"_s, u"PIX"_s, u"17:00:00"_s,
            u""_s },
        { u"12"_s, u"R$0,00"_s, u"17/06/2024"_s, u""_s, u"CANCELADO"_s, u""_s, u""_s, u""_s },
    };
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 8; ++col) {
            EXPECT_EQ(model.index(row, col).data().toString(), expected[row][col]) << row << "," << col;
            EXPECT_EQ(model.displayText(row, col), expected[row][col]);
        }
    }
    EXPECT_EQ(model.index(0, 1).data(ResultTableModel::RawValueRole).value<zova::Money>(),
        zova::Money::fromCents(123450));
    EXPECT_EQ(model.index(0, 2).data(ResultTableModel::RawValueRole).toDate(), QDate(2024, 5, 16));
    EXPECT_EQ(model.columnOf(u"STATUS_parcela_boleto"), 4);
    EXPECT_EQ(model.columnOf(u"nada"), -1);
    EXPECT_EQ(model.result().text(2, u"f_pagamento"), u"PIX"_s);
}

TEST(ResultTableModel, AlignsAndTitlesColumns)
{
    ResultTableModel model(installmentColumns());
    model.setResult(installments());
    auto alignment
        = [&](int col) { return model.index(0, col).data(Qt::TextAlignmentRole).value<Qt::Alignment>(); };
    EXPECT_EQ(alignment(0), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(alignment(1), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(alignment(2), Qt::Alignment(Qt::AlignCenter));
    EXPECT_EQ(alignment(4), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(alignment(5), Qt::Alignment(Qt::AlignCenter));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), u"Venc."_s);
    EXPECT_EQ(model.headerData(5, Qt::Horizontal).toString(), u"Moeda"_s);
}

TEST(ResultTableModel, ColoursRowsByTheHook)
{
    ResultTableModel model(installmentColumns());
    model.setResult(installments());
    EXPECT_FALSE(model.index(0, 0).data(Qt::ForegroundRole).isValid());
    model.setRowForeground(&installmentColour);
    model.setRowFont([](const ResultSet& rs, int row) -> std::optional<QFont> {
        if (rs.text(row, u"status_parcela_boleto") != u"PAGO")
            return std::nullopt;
        QFont bold;
        bold.setBold(true);
        return bold;
    });
    auto colour
        = [&](int row, int col) { return model.index(row, col).data(Qt::ForegroundRole).value<QColor>(); };
    EXPECT_EQ(colour(0, 0), zova::kRed); // overdue, pending
    EXPECT_EQ(colour(0, 5), zova::kRed); // every cell of the row
    EXPECT_EQ(colour(1, 2), zova::kNavy); // due today
    EXPECT_EQ(colour(2, 4), zova::kGreen); // paid
    EXPECT_FALSE(model.index(3, 0).data(Qt::ForegroundRole).isValid()); // other status: default
    EXPECT_FALSE(model.index(0, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(model.index(2, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(model.index(1, 0).data(Qt::FontRole).isValid());
}

TEST(ResultTableModel, DateFormatOnTextColumns)
{
    // Dependents' birth dates are text: "dd/mm/yyyy", empty, or the blank mask.
    ResultSet rs({ { u"nascimento"_s, ResultSet::Kind::Text } });
    for (const char* t : { "05/01/1980", "", "  /  /    ", "1980-01-05" })
        rs.appendRow(std::vector<std::optional<QByteArray>> { QByteArray(t) });
    ResultTableModel model(
        { { .field = u"nascimento"_s, .title = u"Nasc."_s, .format = CellFormat::date() } });
    model.setResult(rs);
    EXPECT_EQ(model.displayText(0, 0), u"05/01/1980"_s);
    EXPECT_EQ(model.displayText(1, 0), u""_s);
    EXPECT_EQ(model.displayText(2, 0), u""_s);
    EXPECT_EQ(model.displayText(3, 0), u"05/01/1980"_s);
}

TEST(ResultTableModel, GridKeepsColumnWidthsAcrossNewResults)
{
    ResultTableModel model(installmentColumns());
    QTableView view;
    zova::setupGrid(view, model);
    model.setResult(installments());
    EXPECT_EQ(view.columnWidth(0), 40);
    EXPECT_EQ(view.columnWidth(2), 80);
    EXPECT_EQ(view.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view.editTriggers(), QAbstractItemView::NoEditTriggers);
    model.clear();
    model.setResult(installments());
    EXPECT_EQ(view.columnWidth(0), 40);
}

} // namespace
