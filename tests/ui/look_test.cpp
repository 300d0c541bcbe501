#include "ui/colours.h"
#include "ui/currency_edit.h"
#include "ui/date_edit.h"
#include "ui/record_navigator.h"
#include "ui/result_table_model.h"
#include "ui/style.h"
#include "ui/title_band.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Look, StyleSheetTravelsInTheLibrary)
{
    const QString sheet = zova::zovaStyleSheet();
    EXPECT_TRUE(sheet.contains(u"QLabel#titleBand"_s));
    EXPECT_TRUE(sheet.contains(u"#800000"_s));
}

TEST(Look, TitleBandAndCaptions)
{
    zova::TitleBand band(u"CADASTRO DE TITULARES"_s);
    EXPECT_EQ(band.palette().color(QPalette::Window), zova::kMaroon);
    EXPECT_EQ(band.palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_TRUE(band.font().bold());
    EXPECT_TRUE(band.autoFillBackground());

    QLabel* caption = zova::captionLabel(u"TITULAR"_s);
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), zova::kNavy);
    EXPECT_TRUE(caption->font().bold());
    zova::setCaptionColour(caption, zova::kRed);
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), zova::kRed);
    delete caption;
}

// The pieces together, under the program's style; rendered to a PNG when ZOVA_UI_DEMO_PNG names one.
TEST(Look, DemoWindowRenders)
{
    const QString oldSheet = qApp->styleSheet();
    const QPalette oldPalette = QApplication::palette();
    const QFont oldFont = QApplication::font();
    EXPECT_TRUE(zova::applyZovaStyle(*qApp));

    QWidget window;
    window.resize(560, 470);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(new zova::TitleBand(u"ZOVA - CADASTRO DE TITULARES"_s));

    auto* group = new QGroupBox(u"DADOS DO TITULAR"_s);
    auto* form = new QFormLayout(group);
    auto* name = new QLineEdit(u"MARIA DAS DORES"_s);
    form->addRow(u"TITULAR"_s, name);
    auto* cpf = new zova::MaskedLineEdit(zova::kCpfMask, u'_');
    form->addRow(u"CPF"_s, cpf);
    auto* birth = new zova::DateEdit;
    birth->setDate(QDate(1980, 1, 5));
    form->addRow(u"NASCIMENTO"_s, birth);
    auto* value = new zova::CurrencyEdit;
    value->setValue(zova::Money::fromCents(123450));
    form->addRow(u"PARCELA"_s, value);
    auto* plan = new QComboBox;
    plan->setEditable(true);
    plan->addItems({ u"PLANO FAMÍLIA [1]"_s, u"PLANO OURO [2]"_s });
    auto* installments = new QSpinBox;
    installments->setValue(12);
    auto* first = new QCheckBox(u"PARCELA\nINICIAL"_s);
    auto* planRow = new QHBoxLayout;
    planRow->addWidget(plan, 1);
    planRow->addWidget(installments);
    planRow->addWidget(first);
    form->addRow(u"PLANO"_s, planRow);
    auto* status = new QLabel(u"INATIVO"_s);
    form->addRow(u"STATUS"_s, status);
    zova::setCaptionColour(status, zova::kRed);
    layout->addWidget(group);

    zova::ResultSet rs(
        { { u"parcela"_s, zova::ResultSet::Kind::Integer }, { u"valor"_s, zova::ResultSet::Kind::Decimal },
            { u"venc"_s, zova::ResultSet::Kind::Date }, { u"status"_s, zova::ResultSet::Kind::Text } });
    rs.appendRow(QStringList { u"1"_s, u"45.50"_s, u"2024-04-17"_s, u"PAGO"_s });
    rs.appendRow(QStringList { u"2"_s, u"45.50"_s, u"2024-05-16"_s, u"PENDENTE"_s });
    rs.appendRow(QStringList { u"3"_s, u"45.50"_s, u"2024-05-17"_s, u"PENDENTE"_s });
    rs.appendRow(QStringList { u"4"_s, u"45.50"_s, u"2024-06-17"_s, u"PENDENTE"_s });
    zova::ResultTableModel model({
        { .field = u"parcela"_s, .title = u"Parc."_s, .format = zova::CellFormat::integer(2), .width = 50 },
        { .field = u"valor"_s, .title = u"Valor"_s, .format = zova::CellFormat::currency(), .width = 110 },
        { .field = u"venc"_s, .title = u"Venc."_s, .format = zova::CellFormat::date(), .width = 100 },
        { .field = u"status"_s, .title = u"Status"_s },
    });
    model.setResult(rs);
    model.setRowForeground([](const zova::ResultSet& r, int row) -> std::optional<QColor> {
        if (r.text(row, u"status") == u"PAGO")
            return zova::kGreen;
        if (r.date(row, u"venc") < QDate(2024, 5, 17))
            return zova::kRed;
        if (r.date(row, u"venc") == QDate(2024, 5, 17))
            return zova::kNavy;
        return std::nullopt;
    });
    auto* grid = new QTableView;
    zova::setupGrid(*grid, model);
    layout->addWidget(grid);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 0, 8, 0);
    auto* nav = new zova::RecordNavigator(QStringLiteral(ZOVA_SOURCE_DIR "/assets/Botoes"), nullptr);
    nav->setView(grid);
    bar->addWidget(nav);
    bar->addStretch();
    bar->addWidget(new QPushButton(u"SAL&VAR"_s));
    bar->addWidget(new QPushButton(u"&SAIR"_s));
    layout->addLayout(bar);

    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    grid->selectRow(1);
    name->setFocus();
    const QImage shot = window.grab().toImage();
    EXPECT_FALSE(shot.isNull());
    // The title band is painted maroon.
    EXPECT_EQ(QColor(shot.pixel(4, 4)), zova::kMaroon);
    if (const QString out = qEnvironmentVariable("ZOVA_UI_DEMO_PNG"); !out.isEmpty())
        shot.save(out);

    qApp->setStyleSheet(oldSheet);
    QApplication::setPalette(oldPalette);
    QApplication::setFont(oldFont);
}

} // namespace
