// Checking, saving and deleting a holder.
#include "holders/holder_window.h"

#include "core/cpf.h"
#include "core/dates.h"
#include "db/db_error.h"
#include "holders/grace_period.h"
#include "ui/currency_edit.h"
#include "ui/date_edit.h"
#include "ui/dialogs.h"
#include "ui/field_helpers.h"
#include "ui/masked_line_edit.h"
#include "ui/result_table_model.h"
#include "ui/session.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

QString required(const QString& name)
{
    return u"O campo \""_s + name + u"\" é obrigatório!"_s;
}

QString invalidDate(const DateEdit* field)
{
    return u"'"_s + field->text() + u"' não é uma data válida"_s;
}

} // namespace

void HolderWindow::refuse(const QString& text, QWidget* field)
{
    m_session.dialogs().error(u"Erro"_s, text);
    field->setFocus();
}

std::vector<QComboBox*> HolderWindow::checkedLists() const
{
    return { m_estadoCivil, m_utilizou, m_uf, m_plano, m_status, m_tipo, m_vendedor, m_cobrador,
        m_vencimento };
}

QString HolderWindow::exitCheckSuffix(const QComboBox* list) const
{
    return list == m_vencimento ? u"\r\r"_s : QString();
}

bool HolderWindow::listsKeepTheirItems()
{
    // A save pressed while a list still has the focus skips its exit check; apply it here. The
    // other lists were checked when left (an untouched preset such as "VENCIMENTO" "1" stays).
    for (QComboBox* list : checkedLists()) {
        if (!list->hasFocus())
            continue;
        if (!keepListText(list, m_session.dialogs(), exitCheckSuffix(list))) {
            list->setFocus();
            return false;
        }
    }
    return true;
}

bool HolderWindow::VerificaCampos()
{
    struct Check {
        QWidget* field;
        bool refused;
        QString name;
    };
    auto blank = [](const QComboBox* list) { return list->currentText().isEmpty(); };
    const std::vector<Check> checks {
        { m_dtContrato, m_dtContrato->isBlank(), u"Dt Contrato"_s },
        { m_vendedor, blank(m_vendedor), u"Vendedor"_s },
        { m_cobrador, blank(m_cobrador), u"Cobrador"_s },
        { m_titular, m_titular->text().trimmed().size() < 5, u"Titular"_s },
        { m_nascimento, m_nascimento->isBlank(), u"Nascimento"_s },
        { m_sexo, blank(m_sexo), u"Sexo"_s },
        { m_estadoCivil, blank(m_estadoCivil), u"Estado Civil"_s },
        { m_utilizou, blank(m_utilizou), u"Utilizou"_s },
        { m_endereco, m_endereco->text().trimmed().size() < 5, u"Endereço"_s },
        { m_numero, false, {} }, // an empty number is "S/N", below
        { m_bairro, m_bairro->text().trimmed().size() < 2, u"Bairro"_s },
        { m_cidade, m_cidade->currentText().trimmed().isEmpty(), u"Cidade"_s },
        { m_uf, blank(m_uf), u"UF"_s },
        { m_cep, m_cep->isBlank(), u"CEP"_s },
        { m_plano, blank(m_plano), u"Plano"_s },
        { m_vencimento, blank(m_vencimento), u"Vencimento"_s },
        // The amount comes from the plan, so the plan is where the operator goes.
        { m_plano, m_parcela->value().isZero(), u"Vl Parcela"_s },
        { m_status, blank(m_status), u"Status"_s },
        { m_tipo, blank(m_tipo), u"Tipo de Titular"_s },
    };
    for (const Check& check : checks) {
        if (check.field == m_numero && m_numero->text().trimmed().isEmpty())
            m_numero->setText(u"S/N"_s);
        if (check.refused) {
            refuse(required(check.name), check.field);
            return false;
        }
    }
    if (!m_cpf->isBlank() && !cpfValido(m_cpf->text())) {
        refuse(u"\"CPF\" inválido!"_s, m_cpf);
        return false;
    }
    // A partly typed or impossible date would otherwise be stored as no date at
    // all.
    for (DateEdit* date : { m_dtContrato, m_nascimento }) {
        if (!date->isValidDate()) {
            refuse(invalidDate(date), date);
            return false;
        }
    }
    if (!m_dtContAnt->isBlank() && !m_dtContAnt->isValidDate()) {
        refuse(invalidDate(m_dtContAnt), m_dtContAnt);
        return false;
    }
    return true;
}

void HolderWindow::showDuplicate(const HolderCpfOwner& owner)
{
    m_session.dialogs().error(u"Duplicidade"_s,
        u"Ocorreu um erro ao fazer inclusão de Titular. Já existe o CPF \""_s + owner.cpf
            + u"\" cadastrado para \""_s + owner.titular + u"\" com Código \""_s + QString::number(owner.id)
            + u"\". Ação Cancelada!"_s);
    m_cpf->setFocus();
}

bool HolderWindow::VerDuplicidade()
{
    std::optional<HolderCpfOwner> owner;
    try {
        owner = findHolderCpfOwner(m_session.db(), m_cpf->text(), m_codigo->text().toLongLong());
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
        return false;
    }
    if (owner)
        showDuplicate(*owner);
    return !owner;
}

bool HolderWindow::VerificaCarencia()
{
    GraceCheck check;
    try {
        check = zova::VerificaCarencia(m_session.db(), m_session.clock().today(),
            m_codigo->text().toLongLong(), m_utilizou->currentText());
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
        return false;
    }
    switch (check.result) {
    case GraceCheck::Result::Passed:
        return true;
    case GraceCheck::Result::NoParameter:
        // Without the parameter the office has not set the rule up: the save just
        // does not happen.
        return false;
    case GraceCheck::Result::Refused:
        m_session.dialogs().warning(u"Atenção"_s, graceRefusalText(m_titular->text(), check));
        m_utilizou->setFocus();
        return false;
    }
    return false;
}

void HolderWindow::GeraContrato()
{
    m_contrato->setText(contractNumber(m_dtContrato->date(), m_codigo->text().toLongLong()));
}

HolderWindow::SaveOutcome HolderWindow::Salvar()
{
    if (!VerDuplicidade() || !VerificaCarencia())
        return SaveOutcome::Stopped;
    if (m_carne->text().isEmpty())
        m_carne->setText(u"1"_s);
    HolderRecord h = typedRecord();
    return m_codigo->text().isEmpty() ? insertTyped(h) : updateTyped(h);
}

HolderWindow::SaveOutcome HolderWindow::insertTyped(HolderRecord& h)
{
    Dialogs& dialogs = m_session.dialogs();
    if (!dialogs.question(
            u"Confirmação"_s, u"Deseja realmente fazer a inclusão do(a) Titular \""_s + h.titular + u"\"?"_s))
        return SaveOutcome::Declined;
    try {
        // Shown only once stored, so a failed insert leaves "CÓDIGO" empty and the
        // next save inserts again.
        const StoredHolder stored = insertHolder(m_session.db(), h);
        m_codigo->setText(QString::number(stored.id));
        m_contrato->setText(stored.contrato);
    } catch (const DuplicateHolderCpf& e) {
        showDuplicate(e.owner());
        return SaveOutcome::Stopped;
    } catch (const DbError& e) {
        dialogs.error(u"Erro"_s,
            u"Ocorreu um erro ao fazer inclusão de Titular. Procedimento cancelado. Erro: "_s + e.message()
                + u"."_s);
        return SaveOutcome::Stopped;
    }
    m_session.GravaLog(u"CADASTROU TITULAR: "_s + h.titular);
    return SaveOutcome::Saved;
}

HolderWindow::SaveOutcome HolderWindow::updateTyped(HolderRecord& h)
{
    Dialogs& dialogs = m_session.dialogs();
    if (!dialogs.question(u"Confirmação"_s,
            u"Deseja realmente salvar as alterações feitas no(a) Titular \""_s + h.titular + u"\"?"_s))
        return SaveOutcome::Declined;
    if (h.tipo == u"REATIVADO"_s) {
        GeraContrato();
        h.contrato = m_contrato->text();
    }
    try {
        updateHolder(m_session.db(), h);
    } catch (const DuplicateHolderCpf& e) {
        showDuplicate(e.owner());
        return SaveOutcome::Stopped;
    } catch (const DbError& e) {
        dialogs.error(u"Erro"_s,
            u"Ocorreu um erro ao fazer alteração de Titular. Procedimento cancelado. Erro: "_s + e.message()
                + u"."_s);
        return SaveOutcome::Stopped;
    }
    m_session.GravaLog(u"ALTEROU TITULAR: "_s + h.titular);
    return SaveOutcome::Saved;
}

bool HolderWindow::salvar()
{
    if (!m_editing || m_readOnly)
        return false;
    if (!listsKeepTheirItems() || !VerificaCampos())
        return false;
    switch (Salvar()) {
    case SaveOutcome::Stopped:
        return false;
    case SaveOutcome::Declined:
        cancelar();
        return false;
    case SaveOutcome::Saved:
        break;
    }
    const qint64 id = m_codigo->text().toLongLong();
    TrataBotoes();
    DesabilitaCampos();
    m_dtContrato->setEnabled(false);
    CarregaVendedor();
    CarregaCobrador();
    CarregaCidade();
    CarregaReligiao();
    reloadGrid(id);
    if (m_hooks.holdersChanged)
        m_hooks.holdersChanged();
    m_grid->setFocus();
    return true;
}

void HolderWindow::Excluir()
{
    if (m_readOnly || m_editing || m_dependentEditing)
        return;
    const qint64 id = currentId();
    if (id == 0)
        return;
    const QString name = m_model->result().text(m_grid->currentIndex().row(), u"titular");
    Dialogs& dialogs = m_session.dialogs();
    if (!dialogs.question(
            u"Confirmação"_s, u"Deseja realmente efetuar a exclusão do(a) Titular \""_s + name + u"\"?"_s))
        return;
    const QString refused = u"O(a) Titular \"'"_s + name + u"'\", não pode ser excluído(a). "_s;
    try {
        switch (deleteHolder(m_session.db(), id)) {
        case HolderInUse::Dependents:
            dialogs.warning(u"Atenção"_s, refused + u"Existem dependentes ativos."_s);
            return;
        case HolderInUse::Installments:
            dialogs.warning(u"Atenção"_s, refused + u"Existem parcelas de carnê ativas."_s);
            return;
        case HolderInUse::No:
            break;
        }
    } catch (const DbError& e) {
        dialogs.error(u"Erro"_s,
            u"Ocorreu um erro ao fazer exclusão de Titular. Procedimento cancelado. Erro: "_s + e.message()
                + u"."_s);
        return;
    }
    m_session.GravaLog(u"EXCLUIU TITULAR: "_s + name);
    reloadGrid();
    if (m_hooks.holdersChanged)
        m_hooks.holdersChanged();
    m_grid->setFocus();
}

} // namespace zova
