#include "layouts/pdf_probe.h"
#include "reports/holder_list_windows.h"
#include "reports/report_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {

class HolderListTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        addHolder({ 1, u"CARLOS"_s, u"ARARAS"_s, u"ATIVO"_s, u"SIM"_s });
        addHolder({ 2, u"ANA"_s, u"SANT'ANA"_s, u"INATIVO"_s, u"SIM"_s });
        addHolder({ 3, u"BRUNO"_s, u"ARARAS"_s, u"INATIVO"_s, u"NÃO"_s });
        addHolder({ 4, u"DORA"_s, u"SANT'ANA"_s, u"ATIVO"_s, u"NÃO"_s });
        addHolder({ 5, u"ELIAS"_s, u"LIMEIRA"_s, u"INATIVO"_s, u"NÃO"_s });
    }

    static QStringList names(const ReportWindow& w)
    {
        QStringList out;
        const ResultSet& rows = w.model()->result();
        for (int r = 0; r < rows.rowCount(); ++r)
            out << rows.text(r, u"titular");
        return out;
    }
};

} // namespace

TEST_F(HolderListTest, ListsEveryHolderByNameWithoutFiltersAndPrintsTheGeneralTitleLandscape)
{
    HoldersReportWindow window(session);
    window.setOutput(&pdfs);
    window.FormActivate();
    EXPECT_EQ(window.windowTitle(), u"Funeraria - RELATÓRIO DE TITULARES"_s);
    // The city list serves inactive holders too.
    EXPECT_EQ(window.cityList()->count(), 3);
    EXPECT_NE(window.cityList()->findText(u"LIMEIRA"_s), -1);
    EXPECT_EQ(window.statusList()->currentText(), QString());

    ASSERT_TRUE(window.Consulta());
    EXPECT_EQ(names(window), (QStringList { u"ANA"_s, u"BRUNO"_s, u"CARLOS"_s, u"DORA"_s, u"ELIAS"_s }));
    EXPECT_EQ(window.countLabel()->text(), u"Foram encontrados 5 registros"_s);
    EXPECT_EQ(window.totalLabel(), nullptr);

    window.imprimir();
    ASSERT_EQ(pdfs.written().size(), 1);
    EXPECT_EQ(window.model()->rowCount(), 0);
    EXPECT_EQ(pdfPageSize(pdfs.last()), u"842 x 595 pts (A4)"_s);
    const QString text = pdfPages(pdfs.last()).join(u'\n');
    EXPECT_TRUE(text.contains(u"RELATÓRIO DE TITULARES - GERAL"_s));
    EXPECT_TRUE(text.contains(
        QRegularExpression(u"CÓD\\. +TITULAR +CIDADE +UF +ENDEREÇO +NÚM\\. +BAIRRO +STATUS"_s)));
    EXPECT_TRUE(
        text.contains(QRegularExpression(u"2 +ANA +SANT'ANA +SP +RUA DAS FLORES +12 +CENTRO +INATIVO"_s)));
    EXPECT_TRUE(text.contains(u"Funeraria - RELATÓRIO DE TITULARES"_s));
}

TEST_F(HolderListTest, FiltersAndPrintTitlesOfBothWindows)
{
    struct Case {
        bool usedPlan;
        QString status;
        QString city;
        QStringList names;
        QString title;
    };
    const Case cases[] = {
        { false, u"ATIVO"_s, u"SANT'ANA"_s, { u"DORA"_s },
            u"RELATÓRIO DE TITULARES - STATUS: ATIVO - CIDADE: SANT'ANA"_s },
        { false, u"INATIVO"_s, QString(), { u"ANA"_s, u"BRUNO"_s, u"ELIAS"_s },
            u"RELATÓRIO DE TITULARES - STATUS: INATIVO - CIDADE: TODAS"_s },
        { false, QString(), u"ARARAS"_s, { u"BRUNO"_s, u"CARLOS"_s },
            u"RELATÓRIO DE TITULARES - STATUS: TODOS - CIDADE: ARARAS"_s },
        { true, QString(), QString(), { u"ANA"_s, u"CARLOS"_s },
            u"RELATÓRIO DE TITULARES - UTILIZARAM PLANO - GERAL"_s },
        { true, u"INATIVO"_s, QString(), { u"ANA"_s },
            u"RELATÓRIO DE TITULARES - UTILIZARAM PLANO - STATUS: INATIVO - CIDADE: TODAS"_s },
        { true, u"ATIVO"_s, u"SANT'ANA"_s, {},
            u"RELATÓRIO DE TITULARES - UTILIZARAM PLANO - STATUS: ATIVO - CIDADE: SANT'ANA"_s },
        { true, QString(), u"SANT'ANA"_s, { u"ANA"_s },
            u"RELATÓRIO DE TITULARES - UTILIZARAM PLANO - STATUS: TODOS - CIDADE: SANT'ANA"_s },
    };
    for (const Case& c : cases) {
        std::unique_ptr<HoldersReportWindow> window = c.usedPlan
            ? std::make_unique<HoldersUsedPlanReportWindow>(session)
            : std::make_unique<HoldersReportWindow>(session);
        window->setOutput(&pdfs);
        window->FormActivate();
        window->statusList()->setEditText(c.status);
        window->cityList()->setEditText(c.city);
        ASSERT_TRUE(window->Consulta());
        EXPECT_EQ(names(*window), c.names) << c.title.toStdString();
        window->imprimir();
        const QString text = pdfPages(pdfs.last()).join(u'\n');
        EXPECT_TRUE(text.contains(c.title)) << c.title.toStdString();
        for (const QString& name : c.names)
            EXPECT_TRUE(text.contains(name)) << name.toStdString();
    }
    EXPECT_EQ(HoldersUsedPlanReportWindow(session).windowTitle(),
        u"Funeraria - RELATÓRIO DE TITULARES - UTILIZARAM O PLANO"_s);
}
