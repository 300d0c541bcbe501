// The main menu, the buttons' wiring, standard-mode access and the first-run check.
#include "app/main_window.h"

#include "ui/session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <memory>

using namespace Qt::StringLiterals;

namespace zova {

namespace {
// Who may use an entry: anybody, or only a logged-in operator (never standard mode nor
// before anybody entered), because the entry changes data or runs typed SQL.
enum class Access { Anyone, Operator };

struct MenuEntry {
    const char16_t* menu;
    const char16_t* text;
    const char16_t* log;
    Access access = Access::Anyone;
    bool hidden = false;
};

// clang-format off
    const MenuEntry kMenu[] = {
        { u"CADASTRO", u"Titulares", u"" },
        { u"CADASTRO", u"Usuários", u"" },
        { u"CADASTRO", u"Cobradores", u"" },
        { u"CADASTRO", u"Vendedores", u"" },
        { u"CADASTRO", u"Planos", u"" },
        { u"CADASTRO", u"Parâmetros", u"ACESSOU PARÂMETROS", Access::Operator },
        { u"CONTROLE", u"Recebimentos Externos", u"ACESSOU RECEBIMENTOS EXTERNOS" },
        { u"CONTROLE", u"Ficha de Serviços", u"" },
        { u"RELATÓRIO", u"Titulares", u"ACESSOU RELATÓRIO DE TITULARES" },
        { u"RELATÓRIO", u"Titulares - Utilizaram Plano", u"ACESSOU RELATÓRIO DE TITULARES - UTILIZARAM PLANO" },
        { u"RELATÓRIO", u"Financeiro do Titular Selecionado", u"ACESSOU RELATÓRIO FINANCEIRO DO TITULAR SELECIONADO" },
        { u"RELATÓRIO", u"Contas a Receber", u"ACESSOU CONTAS A RECEBER" },
        { u"RELATÓRIO", u"Relatório de Caixa (Recebidos) - Todos os Carnês", u"ACESSOU RELATÓRIO DE CAIXA" },
        { u"RELATÓRIO", u"Parcelas Baixadas - Carnê Atual", u"ACESSOU RELATÓRIO DE PARCELAS BAIXADAS" },
        { u"RELATÓRIO", u"Parcelas Baixadas - Histórico de Carnês ", u"ACESSOU RELATÓRIO DE PARCELAS BAIXADAS - HISTÓRICO DE CARNÊS" },
        { u"RELATÓRIO", u"Adimplentes - Relação", u"ACESSOU RELAÇÃO DE ADIMPLENTES" },
        { u"RELATÓRIO", u"Adimplentes por Período - Carnê Atual", u"ACESSOU RELATÓRIO DE ADIMPLENTES" },
        { u"RELATÓRIO", u"Adimplentes por Período - Histórico de Carnês", u"ACESSOU RELATÓRIO DE ADIMPLENTES - HISTÓRICO DE CARNÊS" },
        { u"RELATÓRIO", u"Atrasados - Carnê Atual", u"ACESSOU RELATÓRIO DE ATRASADOS" },
        { u"RELATÓRIO", u"Atrasados - Carnês Pendentes", u"ACESSOU RELATÓRIO DE ATRASADOS - CARNÊS PENDENTES" },
        { u"RELATÓRIO", u"Atrasados - Utilizaram Plano", u"ACESSOU RELATÓRIO DE ATRASADOS - UTILIZARAM PLANO" },
        { u"RELATÓRIO", u"Total de Parcelas Atrasadas", u"ACESSOU RELATÓRIO DE TOTAL PARCELAS ATRASADAS" },
        { u"RELATÓRIO", u"Número de Parcelas Atrasadas", u"ACESSOU RELATÓRIO DE NÚMERO DE PARCELAS ATRASADAS" },
        { u"RELATÓRIO", u"Carnês Gerados - Por Ano", u"ACESSOU RELATÓRIO DE CARNÊS GERADOS - POR ANO" },
        { u"RELATÓRIO", u"Mapa de Pagamentos - Carnê Atual", u"ACESSOU RELATÓRIO DE MAPA DE PAGAMENTOS" },
        { u"RELATÓRIO", u"Mapa de Pendências - Inativos", u"ACESSOU RELATÓRIO DE MAPA DE PAGAMENTOS - INATIVOS" },
        { u"RELATÓRIO", u"Titulares do Cobrador", u"ACESSOU RELATÓRIO DE TITULARES DO COBRADOR" },
        { u"RELATÓRIO", u"Titulares do Vendedor", u"ACESSOU RELATÓRIO DE TITULARES DO VENDEDOR" },
        { u"RELATÓRIO", u"Relatório de Carnês com Pendências", u"" },
        { u"RELATÓRIO", u"Carnês em Branco - Preenchimento Manual", u"", Access::Anyone, true },
        { u"RELATÓRIO", u"Novos Contratos por Período", u"ACESSOU RELATÓRIO DE NOVOS CONTRATOS POR PERÍODO", Access::Anyone, true },
        { u"RELATÓRIO", u"Estatístico Gerencial", u"", Access::Anyone, true },
        { u"LOG", u"Atividades do Usuário", u"ACESSOU LOG DE ATIVIDADES" },
        { u"MANUTENÇÃO", u"Inativar Titulares com Pendências", u"ACESSOU INATIVAÇÃO DE TITULARES COM PEDÊNCIAS", Access::Operator },
        { u"BACKUP", u"Efetuar Backup Online", u"" },
        { u"BACKUP", u"Visualizar Backups Online", u"" },
        { u"SUPORTE", u"Abrir Pasta do Sistema", u"" },
        { u"SUPORTE", u"Abrir Pasta da Base de Dados", u"" },
        { u"SUPORTE", u"Gerar Códigos de Barras - Todos os Carnês", u"", Access::Operator },
        { u"SUPORTE", u"Corrigir Números dos Contratos", u"", Access::Operator },
        { u"SUPORTE", u"Verificar Atualizações", u"" },
        { u"SUPORTE", u"Linha de Comando", u"ACESSOU LINHA COMANDO SQL", Access::Operator },
        { u"SUPORTE", u"Testar Conexão", u"" },
        { u"SUPORTE", u"Importar Endereço", u"", Access::Operator, true },
        { u"SUPORTE", u"Copiar ID", u"", Access::Operator, true },
        { u"SUPORTE", u"Gerar Pendentes", u"", Access::Operator, true },
        { u"USUÁRIO", u"Trocar Usuário", u"" },
    };

    // Buttons that open windows, with the log text of their opening.
    const MenuEntry kButtons[] = {
        { u"", u"BUSCA A&VANÇADA", u"ACESSOU BUSCA AVANÇADA" },
        { u"", u"&BUSCA POR DEPENDENTE", u"ACESSOU BUSCA POR DEPENDENTE" },
        { u"", u"&HISTÓRICO DE CARNÊS", u"ACESSOU HISTÓRICO DE CARNÊS" },
        { u"", u"CARNÊ&S PENDENTES", u"ACESSOU CARNÊ COM PARCELAS PENDENTES" },
        { u"", u"RELATÓRIO DE CAIXA", u"ACESSOU RELATÓRIO DE CAIXA" },
    };
// clang-format on

// Entries are keyed "MENU/Text" so the two "Titulares" stay apart; buttons by their text.
QString keyOf(const MenuEntry& e)
{
    const QString menu = QString::fromUtf16(e.menu);
    return menu.isEmpty() ? QString::fromUtf16(e.text) : menu + u'/' + QString::fromUtf16(e.text);
}

const MenuEntry* findEntry(const QString& key)
{
    for (const MenuEntry& e : kMenu) {
        if (keyOf(e) == key)
            return &e;
    }
    for (const MenuEntry& e : kButtons) {
        if (keyOf(e) == key)
            return &e;
    }
    return nullptr;
}

// What standard mode disables (besides the generation group, which follows TrataCampos).
const QString kStandardModeButtons[] = { u"GERAR CARNÊ"_s, u"&RECEBER (F2)"_s, u"&ESTORNAR"_s, u"&QUITAR"_s,
    u"IMPRIMIR &PARCELA"_s, u"IMPRIMIR  CAR&NÊ (F4)"_s, u"EXCL&UIR"_s, u"RECEBER VIA &LEITOR (F3)"_s,
    u"&HISTÓRICO DE CARNÊS"_s, u"CARNÊ&S PENDENTES"_s };
} // namespace

void MainWindow::buildMenus()
{
    for (const MenuEntry& e : kMenu) {
        const QString title = QString::fromUtf16(e.menu);
        QMenu*& menu = m_menus[title];
        if (!menu)
            menu = menuBar()->addMenu(title);
        QAction* action = menu->addAction(QString::fromUtf16(e.text));
        action->setVisible(!e.hidden);
        action->setEnabled(false); // until its window is registered
        const QString key = keyOf(e);
        m_actions[key] = action;
        connect(action, &QAction::triggered, this, [this, key] { trigger(key); });
    }
    m_actions[u"CADASTRO/Titulares"_s]->setShortcut(Qt::Key_F1);
    m_actions[u"CADASTRO/Titulares"_s]->setShortcutContext(Qt::WindowShortcut);
    for (auto [key, text] : { std::pair { Qt::Key_F2, u"&RECEBER (F2)"_s },
             std::pair { Qt::Key_F3, u"RECEBER VIA &LEITOR (F3)"_s },
             std::pair { Qt::Key_F4, u"IMPRIMIR  CAR&NÊ (F4)"_s } }) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this, text] {
            if (QPushButton* b = button(text); b && b->isEnabled())
                b->click();
        });
    }
}

void MainWindow::registerWindow(const QString& entry, WindowFactory factory)
{
    m_factories[entry] = std::move(factory);
    if (QAction* a = menuAction(entry))
        a->setEnabled(true);
    applyAccess();
}

void MainWindow::registerAction(const QString& entry, std::function<void()> action)
{
    m_actionHandlers[entry] = std::move(action);
    if (QAction* a = menuAction(entry))
        a->setEnabled(true);
    applyAccess();
}

QAction* MainWindow::menuAction(const QString& entry) const
{
    const auto it = m_actions.find(entry);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* MainWindow::menu(const QString& title) const
{
    const auto it = m_menus.find(title);
    return it == m_menus.end() ? nullptr : it->second;
}

bool MainWindow::refuseWithoutOperator()
{
    if (m_session.hasOperator())
        return false;
    m_session.dialogs().warning(
        u"Acesso Negado"_s, u"Acesso permitido apenas para usuários cadastrados!\r\r"_s);
    return true;
}

void MainWindow::trigger(const QString& entry)
{
    const MenuEntry* e = findEntry(entry);
    if (entry == u"CADASTRO/Usuários"_s && m_session.operatorLabel() == kNobodyEntered) {
        refuseWithoutOperator();
        return;
    }
    if (e && e->access == Access::Operator && refuseWithoutOperator())
        return;
    if (const auto handler = m_actionHandlers.find(entry); handler != m_actionHandlers.end()) {
        handler->second();
        return;
    }
    const auto factory = m_factories.find(entry);
    if (factory == m_factories.end())
        return;
    // Destroyed when it closes, also when showing it ends with an error.
    std::unique_ptr<QDialog> window(factory->second(this));
    if (!window)
        return;
    m_session.openWindow(*window, e ? QString::fromUtf16(e->log) : QString());
    window.reset();
    refreshSelectedHolder();
}

void MainWindow::applyAccess()
{
    const bool standard = m_session.isStandardMode();
    for (const QString& text : kStandardModeButtons) {
        if (QPushButton* b = button(text))
            b->setEnabled(!standard);
    }
    m_parcelas->setEnabled(!standard);
    m_mes->setEnabled(!standard);
    m_receiptsTotalBox->setVisible(!standard);
    m_receiptsGroup->setVisible(!standard);
    if (QAction* users = menuAction(u"CADASTRO/Usuários"_s))
        users->setEnabled(!standard && m_factories.count(u"CADASTRO/Usuários"_s));
    for (const QString& title : { u"CONTROLE"_s, u"RELATÓRIO"_s, u"LOG"_s }) {
        if (QMenu* m = menu(title))
            m->menuAction()->setEnabled(!standard);
    }
    if (!standard)
        TrataCampos();
}

void MainWindow::runFirstRunStep(const QString& text, const QString& entry)
{
    m_session.dialogs().warning(u"Cadastro Obrigatório"_s, text);
    const auto factory = m_factories.find(entry);
    if (factory == m_factories.end())
        return;
    std::unique_ptr<QDialog> window(factory->second(this));
    if (window)
        m_session.opener().exec(*window); // no dimming and no log entry here
}

void MainWindow::firstRunCheck()
{
    if (m_inFirstRunCheck || !m_session.db().isOpen())
        return;
    m_inFirstRunCheck = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset { m_inFirstRunCheck };

    const QString folder = m_session.ini().value(u"Caminhos"_s, u"CaminhoOp"_s).trimmed();
    if (!folder.isEmpty()) {
        const QString path = QDir::fromNativeSeparators(folder);
        QFile::remove((path.endsWith(u'/') ? path : path + u'/') + u"DATABAIXA.TXT"_s);
    }
    m_searchField->setFocus();
    SomaDia();
    try {
        Connection& db = m_session.db();
        if (!db.query(u"Select titular from clientes where clientes.status = 'ATIVO' limit 1"_s).isEmpty())
            return;
        if (m_session.isStandardMode()) {
            m_session.dialogs().warning(u"Acesso Negado"_s,
                u"Não existem Titulares cadastrados, porém, os cadastros são permitidos apenas para usuários "
                "cadastrados!\r\r"_s);
            return;
        }
        if (db.query(u"Select nome from cobradores limit 1"_s).isEmpty())
            runFirstRunStep(
                u"É necessário cadastrar pelo menos UM Cobrador! \r\r"_s, u"CADASTRO/Cobradores"_s);
        if (db.query(u"Select nome from vendedores limit 1"_s).isEmpty())
            runFirstRunStep(
                u"É necessário cadastrar pelo menos UM Vendedor! \r\r"_s, u"CADASTRO/Vendedores"_s);
        if (db.query(u"Select nome_plano from planos limit 1"_s).isEmpty())
            runFirstRunStep(u"É necessário cadastrar pelo menos UM Plano! \r\r"_s, u"CADASTRO/Planos"_s);
        runFirstRunStep(u"É necessário cadastrar pelo menos UM Titular! \r\r"_s, u"CADASTRO/Titulares"_s);
        reloadHolders();
        updateActiveCount();
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
    }
}

} // namespace zova
