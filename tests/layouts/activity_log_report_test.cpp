#include "layouts/activity_log_report.h"
#include "layouts/pdf_probe.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace zova;
using zova::test::PdfFolder;

namespace {

ResultSet logRows(int count)
{
    using K = ResultSet::Kind;
    ResultSet rows({ { u"codigo"_s, K::Integer }, { u"login"_s, K::Text }, { u"acao"_s, K::Text },
        { u"data"_s, K::Date }, { u"hora"_s, K::Time } });
    for (int i = count; i >= 1; --i) {
        rows.appendRow(QStringList { QString::number(i), i % 2 ? u"MARIA"_s : u"JOÃO"_s,
            u"RECEBEU PARCELA "_s + QString::number(i) + u" - TITULAR JOSÉ D'ÁVILA"_s, u"2024-05-14"_s,
            u"08:0"_s + QString::number(i % 10) + u":00"_s });
    }
    return rows;
}

const QString kTitle = u"RELATÓRIO - LOG DE AÇÕES - ATIVIDADES DO USUÁRIO DE: 01/05/2024 A 15/05/2024"_s;

} // namespace

TEST(ActivityLogReport, ListsEveryEntryInOrderUnderItsCaptionsWithTheFooter)
{
    const ReportDocument doc = activityLogReport(logRows(90), kTitle, u"FUNERÁRIA PAZ - LOG DE AÇÕES"_s,
        u"  MARIA  "_s, QDateTime(QDate(2024, 5, 15), QTime(17, 45, 3)));
    PdfFolder folder;
    const QStringList pages = test::writeAndRead(doc, folder, u"log.pdf"_s);
    ASSERT_EQ(pages.size(), 2);
    const QString all = pages.join(u'\n');
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains(kTitle));
        EXPECT_TRUE(page.contains(QRegularExpression(u"USUÁRIO +AÇÃO +DATA +HORA"_s)));
        EXPECT_TRUE(page.contains(u"FUNERÁRIA PAZ - LOG DE AÇÕES"_s));
        EXPECT_TRUE(page.contains(u"Impresso por: MARIA"_s));
        EXPECT_TRUE(page.contains(u"15/05/2024 17:45:03"_s));
    }
    EXPECT_TRUE(pages[1].contains(u"Página 2 de 2"_s));
    EXPECT_TRUE(all.contains(
        QRegularExpression(u"MARIA +RECEBEU PARCELA 89 - TITULAR JOSÉ D'ÁVILA +14/05/2024 +08:09:00"_s)));
    EXPECT_LT(all.indexOf(u"PARCELA 90 "_s), all.indexOf(u"PARCELA 89 "_s));
    EXPECT_LT(all.indexOf(u"PARCELA 2 "_s), all.indexOf(u"PARCELA 1 "_s));
    EXPECT_EQ(all.count(u"RECEBEU PARCELA"_s), 90);
}

TEST(ActivityLogReport, AnEmptyPeriodPrintsAPageWithoutEntries)
{
    const ReportDocument doc
        = activityLogReport(logRows(0), kTitle, u"FUNERÁRIA PAZ - LOG DE AÇÕES"_s, u"PADRÃO"_s, QDateTime());
    PdfFolder folder;
    const QStringList pages = test::writeAndRead(doc, folder, u"empty.pdf"_s);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(kTitle));
    EXPECT_TRUE(pages[0].contains(u"Impresso por: PADRÃO"_s));
    EXPECT_FALSE(pages[0].contains(u"RECEBEU"_s));
}
