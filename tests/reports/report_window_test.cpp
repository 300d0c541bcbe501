#include "layouts/listing_layout.h"
#include "layouts/pdf_probe.h"
#include "reports/report_fixture.h"
#include "reports/report_window.h"
#include "reports/sql_text.h"
#include "ui/date_edit.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {

// A money report over contract dates, city and collector, declared as every report window is.
class ContractsWindow : public ReportWindow {
public:
    explicit ContractsWindow(Session& s)
        : ReportWindow(s, u"CONTRATOS"_s)
    {
        from = addDateFilter(u"DATA INICIAL"_s);
        to = addDateFilter(u"DATA FINAL"_s);
        city = addListFilter(u"CIDADE"_s, activeHolderCities);
        collector = addListFilter(u"COBRADOR"_s, activeHolderCollectors, u"TODOS"_s);
        setGridColumns({ { u"id"_s, u"Cód."_s }, { u"titular"_s, u"Titular"_s },
            { u"valorparcela"_s, u"Valor"_s, CellFormat::currency(MoneyFormat::Plain) } });
        setMoneyTotal(u"TOTAL A RECEBER"_s, u"valorparcela"_s);
    }

    void composeQuery(SqlText& sql) const override
    {
        sql.add(u"select id, titular, cidade, valorparcela from clientes");
        sql.condition(u"datacontrato between ? and ?", { from->date(), to->date() });
        if (const QString c = listValue(city); !c.isEmpty())
            sql.condition(u"cidade = ?", { c });
        if (const QString c = listValue(collector); !c.isEmpty())
            sql.condition(u"cobrador = ?", { c });
        sql.add(u" order by titular");
    }
    QString printTitle() const override
    {
        return u"CONTRATOS: "_s + dateShown(from) + u" A "_s + dateShown(to) + u" - CIDADE: "_s
            + city->currentText();
    }
    ReportLayout printLayout() const override
    {
        ReportLayout layout = listingLayout();
        const std::vector<ListColumn> columns = { { u"CÓD."_s, u"id"_s, 15 },
            { u"TITULAR"_s, u"titular"_s, 100 }, { u"VALOR"_s, u"valorparcela"_s, 30 } };
        addListingPageHeader(layout, u"CONTRATOS"_s);
        addColumnCaptions(layout, BandKind::ColumnHeader, columns);
        addDetailLine(layout, columns);
        addTotalLine(layout, BandKind::Summary, u"TOTAL A RECEBER:"_s);
        addListingPageFooter(layout);
        layout.setFieldFormat(u"valorparcela"_s, u"R$##0.00"_s);
        return layout;
    }

    DateEdit* from;
    DateEdit* to;
    QComboBox* city;
    QComboBox* collector;
};

class ReportWindowTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        window = std::make_unique<ContractsWindow>(session);
        window->setOutput(&pdfs);
    }
    QStringList listItems(const QComboBox* list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }
    std::unique_ptr<ContractsWindow> window;
};

} // namespace

TEST_F(ReportWindowTest, OpensWithTodayInTheDateBoxesAndCountsNoRowsAsZero)
{
    QAbstractItemModelTester tester(window->model());
    EXPECT_EQ(window->windowTitle(), u"Funeraria - CONTRATOS"_s);
    EXPECT_EQ(window->from->date(), QDate(2024, 5, 17));
    EXPECT_EQ(window->to->date(), QDate(2024, 5, 17));
    EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados..."_s);
    EXPECT_EQ(window->totalLabel()->text(), u"R$00,00"_s);

    EXPECT_TRUE(window->Consulta());
    EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados 0 registros"_s);
    EXPECT_EQ(window->totalLabel()->text(), u"R$ 0,00"_s);
}

TEST_F(ReportWindowTest, SumsTheMoneyColumnExactlyAndAppliesOnlyTheFiltersSet)
{
    addHolder({ 1, u"ANA"_s, u"SANT'ANA"_s, u"ATIVO"_s, u"NÃO"_s, u"PEDRO"_s, u"1000.25"_s });
    addHolder({ 2, u"BIA"_s, u"SANT'ANA"_s, u"ATIVO"_s, u"NÃO"_s, u"JOÃO"_s, u"200.25"_s });
    addHolder({ 3, u"CAIO"_s, u"SANTANA"_s, u"ATIVO"_s, u"NÃO"_s, u"PEDRO"_s, u"34.00"_s });
    addHolder(
        { 4, u"DUDA"_s, u"SANTANA"_s, u"ATIVO"_s, u"NÃO"_s, u"PEDRO"_s, u"99.99"_s, QDate(2024, 4, 1) });
    window->FormActivate();
    ASSERT_TRUE(window->Consulta());
    EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados 3 registros"_s);
    EXPECT_EQ(window->totalLabel()->text(), u"R$ 1.234,50"_s);

    // A city holding a quote is sent escaped and matches.
    window->city->setEditText(u"SANT'ANA"_s);
    ASSERT_TRUE(window->Consulta());
    EXPECT_EQ(window->model()->rowCount(), 2);
    EXPECT_EQ(window->totalLabel()->text(), u"R$ 1.200,50"_s);

    window->collector->setCurrentText(u"JOÃO"_s);
    ASSERT_TRUE(window->Consulta());
    EXPECT_EQ(window->model()->rowCount(), 1);
    window->collector->setCurrentIndex(0); // "TODOS": no collector condition
    window->from->setDate(QDate(2024, 1, 1));
    window->city->setEditText(QString());
    ASSERT_TRUE(window->Consulta());
    EXPECT_EQ(window->model()->rowCount(), 4);
}

TEST_F(ReportWindowTest, ListsOfferOnlyWhatActiveHoldersUseAndKeepTheOperatorsChoice)
{
    addHolder({ 1, u"ANA"_s, u"RIBEIRÃO  "_s, u"ATIVO"_s, u"NÃO"_s, u"PEDRO"_s });
    addHolder({ 2, u"BIA"_s, u"ARARAS"_s, u"ATIVO"_s, u"NÃO"_s, u"  "_s });
    addHolder({ 3, u"CAIO"_s, u"LIMEIRA"_s, u"INATIVO"_s, u"NÃO"_s, u"ZECA"_s });
    addHolder({ 4, u"DUDA"_s, QString(), u"ATIVO"_s, u"NÃO"_s, u"JOÃO"_s });
    window->FormActivate();
    EXPECT_EQ(listItems(window->city), (QStringList { u"ARARAS"_s, u"RIBEIRÃO"_s }));
    EXPECT_EQ(listItems(window->collector), (QStringList { u"TODOS"_s, u"JOÃO"_s, u"PEDRO"_s }));
    EXPECT_EQ(window->collector->currentIndex(), 0);

    window->city->setEditText(u"ARA"_s);
    window->collector->setCurrentText(u"PEDRO"_s);
    addHolder({ 5, u"EVA"_s, u"AMPARO"_s, u"ATIVO"_s, u"NÃO"_s, u"ALICE"_s });
    window->FormActivate();
    EXPECT_EQ(listItems(window->city), (QStringList { u"AMPARO"_s, u"ARARAS"_s, u"RIBEIRÃO"_s }));
    EXPECT_EQ(window->city->currentText(), u"ARA"_s);
    EXPECT_EQ(window->collector->currentText(), u"PEDRO"_s);
}

TEST_F(ReportWindowTest, AnImpossibleDateStopsTheQueryAndKeepsTheGrid)
{
    addHolder({ 1, u"ANA"_s, u"ARARAS"_s });
    ASSERT_TRUE(window->Consulta());
    window->to->setText(u"31/02/2024"_s);
    EXPECT_FALSE(window->Consulta());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
    EXPECT_EQ(dialogs.last().text, u"'31/02/2024' não é uma data válida"_s);
    EXPECT_EQ(window->model()->rowCount(), 1);
}

TEST_F(ReportWindowTest, PrintingQueriesAgainFillsTheLayoutAndLeavesTheGridEmpty)
{
    addHolder({ 1, u"ANA"_s, u"ARARAS"_s, u"ATIVO"_s, u"NÃO"_s, u"PEDRO"_s, u"1000.25"_s });
    addHolder({ 2, u"BIA"_s, u"ARARAS"_s, u"ATIVO"_s, u"NÃO"_s, u"PEDRO"_s, u"234.25"_s });
    window->FormActivate();
    window->city->setEditText(u"ARARAS"_s);
    window->imprimir();
    ASSERT_EQ(pdfs.written().size(), 1);
    EXPECT_EQ(window->model()->rowCount(), 0);
    EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados 2 registros"_s);

    const QString text = pdfPages(pdfs.last()).join(u'\n');
    EXPECT_TRUE(text.contains(u"CONTRATOS: 17/05/2024 A 17/05/2024 - CIDADE: ARARAS"_s));
    EXPECT_TRUE(text.contains(u"Funeraria - CONTRATOS"_s));
    EXPECT_TRUE(text.contains(u"Impresso por: MARIA"_s));
    EXPECT_TRUE(text.contains(u"17/05/2024 09:30:15"_s));
    EXPECT_TRUE(text.contains(QRegularExpression(u"TOTAL A RECEBER: +R\\$ 1\\.234,50"_s)));
    EXPECT_TRUE(text.contains(QRegularExpression(u"BIA +R\\$234,25"_s)));

    ASSERT_TRUE(window->Consulta());
    EXPECT_EQ(window->model()->rowCount(), 2);
}

TEST_F(ReportWindowTest, EnterMovesOnEnterOnTheLastFilterQueriesAndEscCloses)
{
    addHolder({ 1, u"ANA"_s, u"ARARAS"_s });
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->from->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), window->to);
    EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados..."_s);

    window->collector->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados 1 registros"_s);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}
