#include "app/main_window.h"

#include "ui/enter_as_tab.h"
#include "ui/record_navigator.h"
#include "ui/result_table_model.h"
#include "ui/session.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {

namespace {
constexpr QStringView kSuporteMaster = u"SUPORTE MASTER";

QLabel* caption(const QString& text)
{
    auto* l = new QLabel(text);
    l->setProperty("role", u"caption"_s);
    return l;
}

QLabel* valueBox(const QString& text = {})
{
    auto* l = new QLabel(text);
    l->setProperty("role", u"value"_s);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::StyledPanel);
    l->setMinimumHeight(20);
    return l;
}

QLabel* statusLabel(const QString& text)
{
    auto* l = new QLabel(text);
    l->setAlignment(Qt::AlignCenter);
    l->setProperty("role", u"status"_s);
    return l;
}

QTableView* grid(QAbstractItemModel* model)
{
    auto* v = new QTableView;
    v->setModel(model);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setAlternatingRowColors(true);
    v->verticalHeader()->hide();
    v->verticalHeader()->setDefaultSectionSize(20);
    v->horizontalHeader()->setStretchLastSection(true);
    return v;
}
} // namespace

QString clockDateText(const QDate& date)
{
    const QLocale br(QLocale::Portuguese, QLocale::Brazil);
    QString day = br.dayName(date.dayOfWeek(), QLocale::ShortFormat);
    QString month = br.monthName(date.month(), QLocale::ShortFormat);
    day.remove(u'.');
    month.remove(u'.');
    return (day + u", "_s + date.toString(u"dd"_s) + u" de "_s + month + u" de "_s + date.toString(u"yyyy"_s))
        .toUpper();
}

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QMainWindow(parent)
    , m_session(session)
{
    setObjectName(u"MainWindow"_s);
    setWindowTitle(u"ZOVA"_s);
    m_holders = new HolderListModel(this);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(3);
    layout->addWidget(buildSearchBar());
    layout->addWidget(buildHolderRegion(), 3);
    layout->addWidget(buildBookletRegion());
    layout->addWidget(buildInstallmentRegion(), 3);
    layout->addWidget(buildActionBar());
    setCentralWidget(central);
    buildMenus();
    setFixedSize(829, 670);

    m_enter = EnterAsTab::install(this);
    m_enter->setEnterAction(m_mes, [this] {
        if (QPushButton* b = button(u"GERAR CARNÊ"_s); b && b->isEnabled())
            b->click();
        return true;
    });
    m_enter->setEnterAction(m_searchField, [this] {
        // A stub scanned into a code search: its first six digits are the holder.
        const QString t = m_searchField->text();
        if (m_searchKind->currentIndex() == 2 && (t.size() == 8 || t.size() == 10)) {
            m_searchField->setText(QString::number(t.left(6).toLongLong()));
            onSearchEdited(m_searchField->text());
            return true;
        }
        return false;
    });

    m_clock = new QTimer(this);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::tick);
    m_clock->start(1000);
    tick();
    applyAccess();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildSearchBar()
{
    auto* bar = new QWidget;
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 0, 0, 0);
    m_exit = new QPushButton(u"&SAIR"_s);
    m_exit->setObjectName(u"exitButton"_s);
    m_exit->setMinimumHeight(40);
    connect(m_exit, &QPushButton::clicked, this, [this] { sair(); });
    h->addWidget(m_exit);
    m_navigator
        = new RecordNavigator(QFileInfo(m_session.ini().filePath()).absolutePath() + u"/Botoes"_s, bar);
    h->addWidget(m_navigator);

    m_searchGroup = new QGroupBox(u"LOCALIZAR TITULAR "_s);
    auto* g = new QHBoxLayout(m_searchGroup);
    g->setContentsMargins(6, 2, 6, 4);
    m_searchKind = new QComboBox;
    m_searchKind->addItems({ u"Titular"_s, u"Contrato"_s, u"Código"_s, u"CPF"_s });
    m_searchField = new QLineEdit;
    m_searchField->setObjectName(u"searchField"_s);
    m_searchField->setMaxLength(150);
    m_searchField->installEventFilter(this);
    connect(m_searchKind, &QComboBox::currentIndexChanged, this, &MainWindow::onSearchKindChanged);
    connect(m_searchKind, &QComboBox::activated, this, &MainWindow::onSearchKindChanged);
    connect(m_searchField, &QLineEdit::textEdited, this, &MainWindow::onSearchEdited);
    g->addWidget(m_searchKind);
    g->addWidget(m_searchField, 1);
    g->addWidget(addButton(u"BUSCA A&VANÇADA"_s));
    g->addWidget(addButton(u"&BUSCA POR DEPENDENTE"_s));
    h->addWidget(m_searchGroup, 1);
    return bar;
}

QWidget* MainWindow::buildHolderRegion()
{
    auto* region = new QWidget;
    auto* h = new QHBoxLayout(region);
    h->setContentsMargins(0, 0, 0, 0);
    m_holderGrid = grid(m_holders);
    m_holderGrid->setObjectName(u"holderGrid"_s);
    m_holderGrid->setColumnWidth(0, 48);
    m_holderGrid->setColumnWidth(1, 104);
    m_navigator->setView(m_holderGrid);
    connect(m_holderGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this] { refreshSelectedHolder(); });
    m_dependents
        = new ResultTableModel({ { u"nome"_s, u"Dependente"_s, {}, {}, 170 },
                                   { u"grau"_s, u"Grau"_s, {}, {}, 100 }, { u"status"_s, u"Status"_s } },
            this);
    m_dependentGrid = grid(m_dependents);
    setupGrid(*m_dependentGrid, *m_dependents);
    h->addWidget(m_holderGrid, 11);
    h->addWidget(m_dependentGrid, 9);
    return region;
}

QWidget* MainWindow::buildBookletRegion()
{
    auto* region = new QWidget;
    auto* h = new QHBoxLayout(region);
    h->setContentsMargins(0, 0, 0, 0);

    auto* parcelas = new QGroupBox(u"PARCELAS"_s);
    auto* pg = new QGridLayout(parcelas);
    pg->setContentsMargins(6, 2, 6, 4);
    pg->setVerticalSpacing(2);
    m_delivered = new QPushButton;
    m_delivered->setObjectName(u"deliveredFlag"_s);
    m_delivered->setFixedSize(14, 38);
    m_delivered->setToolTip(u"Status de Entrega de Carnê (Vermelho: Não entregue - Verde: Entregue)"_s);
    connect(m_delivered, &QPushButton::clicked, this, &MainWindow::toggleDelivered);
    pg->addWidget(m_delivered, 0, 0, 2, 1);
    const QString boxes[] = { u"PLANO"_s, u"PENDÊNCIA"_s, u"CARNÊ"_s, u"ÚLT. VENC."_s };
    for (int i = 0; i < 4; ++i) {
        pg->addWidget(caption(boxes[i]), 0, i + 1);
        m_panel[boxes[i]] = valueBox();
        pg->addWidget(m_panel[boxes[i]], 1, i + 1);
    }
    pg->setColumnStretch(1, 3);
    auto* strip = new QHBoxLayout;
    m_panel[u"PARCELA:"_s] = valueBox();
    m_panel[u"DEP. EXTRA"_s] = caption(u"DEP. EXTRA (00):"_s);
    m_panel[u"DEP. EXTRA VALOR"_s] = valueBox();
    m_panel[u"SEGURO:"_s] = valueBox();
    strip->addWidget(caption(u"PARCELA:"_s));
    strip->addWidget(m_panel[u"PARCELA:"_s]);
    strip->addWidget(m_panel[u"DEP. EXTRA"_s]);
    strip->addWidget(m_panel[u"DEP. EXTRA VALOR"_s]);
    strip->addWidget(caption(u"SEGURO:"_s));
    strip->addWidget(m_panel[u"SEGURO:"_s]);
    pg->addLayout(strip, 2, 0, 1, 5);
    h->addWidget(parcelas, 5);

    auto* gerar = new QGroupBox(u"GERAR CARNÊ"_s);
    auto* gg = new QGridLayout(gerar);
    gg->setContentsMargins(6, 2, 6, 4);
    m_parcelas = new QComboBox;
    m_parcelas->setEditable(true);
    for (int i = 1; i <= 24; ++i)
        m_parcelas->addItem(QString::number(i));
    m_parcelas->setCurrentText(u"12"_s);
    m_mes = new QComboBox;
    m_mes->setEditable(true);
    for (int i = 1; i <= 12; ++i)
        m_mes->addItem(QString::number(i));
    m_ano = new QComboBox;
    for (int y = 2020; y <= 2050; ++y)
        m_ano->addItem(QString::number(y));
    m_inicial = new QCheckBox(u"01"_s);
    m_inicial->setToolTip(u"PARCELA INICIAL"_s);
    gg->addWidget(caption(u"PARCELAS"_s), 0, 0);
    gg->addWidget(caption(u"MÊS"_s), 0, 1);
    gg->addWidget(caption(u"PARCELA\nINICIAL"_s), 0, 2);
    gg->addWidget(caption(u"ANO"_s), 0, 3);
    gg->addWidget(m_parcelas, 1, 0);
    gg->addWidget(m_mes, 1, 1);
    gg->addWidget(m_inicial, 1, 2);
    gg->addWidget(m_ano, 1, 3);
    QPushButton* gerarButton = addButton(u"GERAR CARNÊ"_s);
    gerarButton->setToolTip(u"GERAR PARCELAS DE CARNÊ"_s);
    gg->addWidget(gerarButton, 2, 0, 1, 4);
    h->addWidget(gerar, 4);

    auto* adesao = new QGroupBox(u"GERAR ADESÃO"_s);
    auto* ag = new QVBoxLayout(adesao);
    ag->setContentsMargins(6, 2, 6, 4);
    ag->addWidget(addButton(u"GERAR ADESÃO"_s));
    h->addWidget(adesao, 1);
    return region;
}

QWidget* MainWindow::buildInstallmentRegion()
{
    auto* region = new QWidget;
    auto* h = new QHBoxLayout(region);
    h->setContentsMargins(0, 0, 0, 0);
    m_installments = new ResultTableModel(
        { { u"parcela_boleto"_s, u"Parc."_s, CellFormat::integer(), {}, 38 },
            { u"valor_parcela_boleto"_s, u"Valor"_s, CellFormat::currency(), {}, 64 },
            { u"vencimento_parcela_boleto"_s, u"Venc."_s, CellFormat::date(), {}, 78 },
            { u"pgto_parcela_boleto"_s, u"Pgto"_s, CellFormat::date(), {}, 78 },
            { u"status_parcela_boleto"_s, u"Status"_s, {}, {}, 72 }, { u"f_pagamento"_s, u"Moeda"_s } },
        this);
    m_installments->setRowForeground([this](const ResultSet& rs, int row) {
        return installmentColor(rs.text(row, u"status_parcela_boleto"),
            rs.date(row, u"vencimento_parcela_boleto"), m_session.clock().today());
    });
    m_installmentGrid = grid(m_installments);
    m_installmentGrid->setObjectName(u"installmentGrid"_s);
    setupGrid(*m_installmentGrid, *m_installments);
    m_installmentGrid->setMinimumWidth(420);
    h->addWidget(m_installmentGrid, 0);

    m_receiptsGroup = new QGroupBox(u"RECEBIMENTOS DE HOJE"_s);
    auto* rg = new QGridLayout(m_receiptsGroup);
    rg->setContentsMargins(4, 2, 4, 4);
    m_receipts = new ResultTableModel({ { u"titular"_s, u"Titular"_s, {}, {}, 96 },
                                          { u"parcela"_s, u"Parc."_s, CellFormat::integer(), {}, 40 },
                                          { u"valor"_s, u"Valor"_s, CellFormat::currency() } },
        this);
    m_receiptsGrid = grid(m_receipts);
    setupGrid(*m_receiptsGrid, *m_receipts);
    m_receiptsGrid->installEventFilter(this);
    rg->addWidget(addButton(u"RELATÓRIO DE CAIXA"_s), 0, 0, 1, 4);
    rg->addWidget(m_receiptsGrid, 1, 0, 1, 4);
    m_receiptsTotal = valueBox();
    m_receiptsCount = valueBox();
    m_receiptsTotalBox = new QWidget;
    auto* tb = new QHBoxLayout(m_receiptsTotalBox);
    tb->setContentsMargins(0, 0, 0, 0);
    tb->addWidget(caption(u"TOTAL"_s));
    tb->addWidget(m_receiptsTotal, 1);
    rg->addWidget(m_receiptsTotalBox, 2, 0, 1, 2);
    rg->addWidget(caption(u"PARCELAS"_s), 2, 2);
    rg->addWidget(m_receiptsCount, 2, 3);
    h->addWidget(m_receiptsGroup, 10);

    auto* adesao = new QGroupBox(u"ADESÃO"_s);
    auto* ag = new QVBoxLayout(adesao);
    ag->setContentsMargins(4, 2, 4, 4);
    m_adesao = new ResultTableModel({ { u"vendedor"_s, u"Vendedor"_s, {}, {}, 50 },
                                        { u"valor"_s, u"Valor"_s, CellFormat::currency(), {}, 56 },
                                        { u"data"_s, u"Data"_s, CellFormat::date() } },
        this);
    m_adesaoGrid = grid(m_adesao);
    setupGrid(*m_adesaoGrid, *m_adesao);
    m_adesaoGrid->installEventFilter(this);
    ag->addWidget(m_adesaoGrid);
    h->addWidget(adesao, 8);
    return region;
}

QWidget* MainWindow::buildActionBar()
{
    auto* bar = new QWidget;
    auto* v = new QVBoxLayout(bar);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    auto* first = new QHBoxLayout;
    for (const QString& text : { u"&RECEBER (F2)"_s, u"RECEBER VIA &LEITOR (F3)"_s, u"&ESTORNAR"_s,
             u"EXCL&UIR"_s, u"&QUITAR"_s, u"IMPRIMIR &PARCELA"_s, u"IMPRIMIR  CAR&NÊ (F4)"_s })
        first->addWidget(addButton(text));
    v->addLayout(first);
    auto* second = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(addButton(u"&HISTÓRICO DE CARNÊS"_s));
    left->addWidget(addButton(u"CARNÊ&S PENDENTES"_s));
    second->addLayout(left);
    second->addWidget(buildStatusBoxes(), 1);
    v->addLayout(second);

    m_progress = new QProgressBar(this);
    m_progress->hide();
    m_progressPanel = new QLabel(this);
    m_progressPanel->hide();
    m_messagePanel = new QLabel(u"Efetuando backup, por favor aguarde..."_s, this);
    m_messagePanel->setObjectName(u"messagePanel"_s);
    m_messagePanel->setAlignment(Qt::AlignCenter);
    m_messagePanel->setGeometry(214, 280, 400, 60);
    m_messagePanel->hide();
    return bar;
}

QWidget* MainWindow::buildStatusBoxes()
{
    m_date = statusLabel(QString());
    m_time = statusLabel(QString());
    m_server = statusLabel(u"SERVIDOR:"_s);
    m_address = statusLabel(u"IP LOCAL:"_s);
    m_operator = statusLabel(kNobodyEntered.toString());
    m_operator->setObjectName(u"operatorLabel"_s);
    m_computer = statusLabel(QString());
    auto box = [](const QString& title, QLabel* top, QLabel* bottom) {
        auto* g = new QGroupBox(title);
        auto* v = new QVBoxLayout(g);
        v->setContentsMargins(4, 0, 4, 2);
        v->setSpacing(0);
        v->addWidget(top);
        v->addWidget(bottom);
        return g;
    };
    auto* boxes = new QWidget;
    auto* h = new QHBoxLayout(boxes);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(box(u"DATA / HORA"_s, m_date, m_time), 3);
    h->addWidget(box(u"STATUS DA INTERNET"_s, m_server, m_address), 3);
    h->addWidget(box(u"USUÁRIO LOGADO"_s, m_operator, m_computer), 3);
    auto* logo = new QLabel(u"ZOVA"_s);
    logo->setObjectName(u"logo"_s);
    logo->setAlignment(Qt::AlignCenter);
    h->addWidget(logo, 1);
    return boxes;
}

QPushButton* MainWindow::addButton(const QString& text, const QString& entry)
{
    auto* b = new QPushButton(text);
    b->setObjectName(text);
    const QString key = entry.isEmpty() ? text : entry;
    connect(b, &QPushButton::clicked, this, [this, key] { trigger(key); });
    m_buttons[text] = b;
    return b;
}

QPushButton* MainWindow::button(const QString& text) const
{
    const auto it = m_buttons.find(text);
    return it == m_buttons.end() ? nullptr : it->second;
}

QWidget* MainWindow::generationControl(const QString& name) const
{
    if (name == u"PARCELAS"_s)
        return m_parcelas;
    if (name == u"MÊS"_s)
        return m_mes;
    if (name == u"ANO"_s)
        return m_ano;
    if (name == u"01"_s)
        return m_inicial;
    return button(name);
}

QLabel* MainWindow::panelLabel(const QString& name) const
{
    if (name == u"TOTAL"_s)
        return m_receiptsTotal;
    if (name == u"RECEBIMENTOS PARCELAS"_s)
        return m_receiptsCount;
    const auto it = m_panel.find(name);
    return it == m_panel.end() ? nullptr : it->second;
}

void MainWindow::tick()
{
    const QDateTime now = m_session.clock().now();
    m_date->setText(clockDateText(now.date()));
    m_time->setText(now.time().toString(u"HH:mm:ss"_s));
}

void MainWindow::setServerLabel(const QString& host)
{
    m_server->setStyleSheet(QString());
    m_server->setText(u"SERVIDOR: "_s + host.trimmed());
}

void MainWindow::setServerNotConnected()
{
    m_server->setStyleSheet(u"color:#FF0000;"_s);
    m_server->setText(u"NÃO CONECTADO"_s);
}

void MainWindow::setAddressLabel(const QString& ip)
{
    m_address->setText(u"IP LOCAL: "_s + ip);
}

void MainWindow::setOperatorLabel(const QString& text)
{
    m_session.setOperatorLabel(text);
    m_operator->setText(m_session.operatorLabel());
    applyAccess();
}

void MainWindow::setComputerLabel(const QString& text)
{
    m_computer->setText(text);
}
QString MainWindow::serverLabelText() const
{
    return m_server->text();
}
QString MainWindow::addressLabelText() const
{
    return m_address->text();
}
QString MainWindow::operatorLabelText() const
{
    return m_operator->text();
}
QString MainWindow::computerLabelText() const
{
    return m_computer->text();
}

void MainWindow::setOperatorCaption()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    setWindowTitle(m_session.LeIni(u"FANTASIA"_s) + u" - "_s + m_session.LeIni(u"SUBTITULO"_s)
        + u" :: VERSÃO: "_s + exe.lastModified().toString(u"dd/MM/yyyy hh:mm:ss"_s));
}

bool MainWindow::sair()
{
    if (m_session.operatorLabel() != kSuporteMaster) {
        for (const auto& step : m_exitSteps) {
            if (!step())
                return false;
        }
    }
    leaveNow();
    return true;
}

void MainWindow::leaveNow()
{
    m_leaving = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_leaving) {
        event->accept();
        return;
    }
    event->ignore();
    m_session.dialogs().warning(u"Atenção"_s, u"Utilize o botão \"SAIR\""_s);
}

} // namespace zova
