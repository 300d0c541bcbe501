#include "registries/plans_window.h"

#include "db/db_error.h"
#include "ui/currency_edit.h"
#include "ui/field_helpers.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

RegistryWindowSetup plansSetup()
{
    const auto money = CellFormat::currency();
    return {
        u"CADASTRO DE PLANOS"_s, u"CONSULTA PLANOS"_s, u"PLANOS"_s,
        {
            { u"id"_s, u"Cód."_s, CellFormat::integer(), std::nullopt, 48 },
            { u"nome_plano"_s, u"Nome"_s, CellFormat::text(), std::nullopt, 150 },
            { u"valor_plano"_s, u"VL Plano"_s, money, std::nullopt, 90 },
            { u"valor_reajuste_anual"_s, u"VL Reaj. Anual"_s, money, std::nullopt, 120 },
            { u"valor_dep_extra"_s, u"VL Dep. Extra"_s, money, std::nullopt, 112 },
            { u"valor_seguro"_s, u"VL Seguro"_s, money, std::nullopt, 90 },
        },
        u"nome_plano"_s, u"Deseja realmente efetuar a exclusão do Plano \""_s,
        u"Ocorreu um erro ao fazer exclusão do Plano. Procedimento cancelado. Erro: "_s, u"EXCLUIU PLANO: "_s,
        4, // six columns to read whole
    };
}

} // namespace

PlansWindow::PlansWindow(Session& session, QWidget* parent)
    : RegistryWindow(session, plansSetup(), parent)
{
    QGroupBox* fields = buildFields();
    build(fields, m_nome, m_valorSeguro);
    resize(1200, 460);
}

QGroupBox* PlansWindow::buildFields()
{
    auto* group = new QGroupBox(u"CADASTRO DE PLANOS"_s, this);
    m_nome = new QLineEdit(group);
    m_nome->setMaxLength(50);
    keepUpperCase(m_nome);
    m_descricao = new QPlainTextEdit(group);
    m_descricao->setTabChangesFocus(true);
    m_descricao->setMinimumHeight(90);
    m_restantes = captionLabel(QString::number(kPlanDescriptionLength), group);
    m_restantes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_descricao, &QPlainTextEdit::textChanged, this, &PlansWindow::descriptionEdited);
    m_valorPlano = new CurrencyEdit(group);
    m_valorReajuste = new CurrencyEdit(group);
    m_valorDepExtra = new CurrencyEdit(group);
    m_valorSeguro = new CurrencyEdit(group);

    auto* descCaption = new QHBoxLayout;
    descCaption->addWidget(captionLabel(u"DESCRIÇÃO DO PLANO"_s, group));
    descCaption->addStretch();
    descCaption->addWidget(m_restantes);

    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->addWidget(captionLabel(u"CÓDIGO"_s, group), 0, 0);
    grid->addWidget(requiredCaption(u"NOME"_s, group), 0, 1, 1, 3);
    grid->addWidget(codigoField(), 1, 0);
    grid->addWidget(m_nome, 1, 1, 1, 3);
    grid->addLayout(descCaption, 2, 0, 1, 4);
    grid->addWidget(m_descricao, 3, 0, 1, 4);
    grid->addWidget(requiredCaption(u"VALOR DO PLANO"_s, group), 4, 0, 1, 2);
    grid->addWidget(captionLabel(u"VALOR DO REAJUSTE ANUAL"_s, group), 4, 2, 1, 2);
    grid->addWidget(m_valorPlano, 5, 0, 1, 2);
    grid->addWidget(m_valorReajuste, 5, 2, 1, 2);
    grid->addWidget(captionLabel(u"VALOR POR DEPENDENTE EXTRA"_s, group), 6, 0, 1, 2);
    grid->addWidget(captionLabel(u"VALOR DO SEGURO"_s, group), 6, 2, 1, 2);
    grid->addWidget(m_valorDepExtra, 7, 0, 1, 2);
    grid->addWidget(m_valorSeguro, 7, 2, 1, 2);
    grid->setRowStretch(3, 1);
    for (int col = 0; col < 4; ++col)
        grid->setColumnStretch(col, 1);

    // Enter walks name, description and the amounts; on the last amount it saves.
    setTabOrder(m_nome, m_descricao);
    setTabOrder(m_descricao, m_valorPlano);
    setTabOrder(m_valorPlano, m_valorReajuste);
    setTabOrder(m_valorReajuste, m_valorDepExtra);
    setTabOrder(m_valorDepExtra, m_valorSeguro);
    return group;
}

void PlansWindow::descriptionEdited()
{
    const QString text = m_descricao->toPlainText();
    const QString kept = text.toUpper().left(kPlanDescriptionLength);
    if (kept != text) {
        const int position = m_descricao->textCursor().position();
        m_descricao->setPlainText(kept); // comes back here once, with nothing left to change
        QTextCursor cursor = m_descricao->textCursor();
        cursor.setPosition(std::min(position, static_cast<int>(kept.size())));
        m_descricao->setTextCursor(cursor);
        return;
    }
    m_restantes->setText(QString::number(kPlanDescriptionLength - text.size()));
}

void PlansWindow::setFieldsEnabled(bool enabled)
{
    for (QWidget* field : std::initializer_list<QWidget*> {
             m_nome, m_descricao, m_valorPlano, m_valorReajuste, m_valorDepExtra, m_valorSeguro })
        field->setEnabled(enabled);
}

void PlansWindow::LimpaCampos()
{
    m_nome->clear();
    m_descricao->clear();
    for (CurrencyEdit* value : { m_valorPlano, m_valorReajuste, m_valorDepExtra, m_valorSeguro })
        value->setValue(Money());
}

ResultSet PlansWindow::loadRows()
{
    return loadPlans(session().db());
}

bool PlansWindow::loadRecord(qint64 id)
{
    const std::optional<PlanRecord> p = loadPlan(session().db(), id);
    if (!p)
        return false;
    m_nome->setText(p->nome);
    m_descricao->setPlainText(p->descricao);
    m_valorPlano->setValue(p->valorPlano);
    m_valorReajuste->setValue(p->valorReajusteAnual);
    m_valorDepExtra->setValue(p->valorDepExtra);
    m_valorSeguro->setValue(p->valorSeguro);
    return true;
}

void PlansWindow::afterEditStarted()
{
    m_rememberedName = m_nome->text();
}

PlanRecord PlansWindow::typedRecord() const
{
    PlanRecord p;
    p.id = codigoField()->text().toLongLong();
    p.nome = m_nome->text();
    p.descricao = m_descricao->toPlainText();
    p.valorPlano = m_valorPlano->value();
    p.valorReajusteAnual = m_valorReajuste->value();
    p.valorDepExtra = m_valorDepExtra->value();
    p.valorSeguro = m_valorSeguro->value();
    return p;
}

bool PlansWindow::renameRefused()
{
    if (codigoField()->text().isEmpty() || m_nome->text() == m_rememberedName)
        return false;
    bool used = false;
    try {
        used = planInUse(session().db(), m_rememberedName);
    } catch (const DbError& e) {
        session().dialogs().error(u"Erro"_s, e.message());
        return true;
    }
    if (!used)
        return false;
    session().dialogs().warning(u"Atenção"_s,
        u"Não é possíve alterar o nome do plano.\rO mesmo está sendo utilizado por Titulares.\r\r"_s);
    m_nome->setFocus();
    return true;
}

bool PlansWindow::VerificaCampos()
{
    if (m_nome->text().trimmed().size() < 5) {
        refuse(u"O campo \"Nome do Plano\" é obrigatório!"_s, m_nome);
        return false;
    }
    if (m_valorPlano->value().isZero()) {
        refuse(u"O campo \"Valor do Plano\" é obrigatório!"_s, m_valorPlano);
        return false;
    }
    return true;
}

RegistryWindow::SaveOutcome PlansWindow::saveRecord()
{
    if (renameRefused() || !VerificaCampos())
        return SaveOutcome::Stopped;
    const PlanRecord plan = typedRecord();
    const bool updating = !codigoField()->text().isEmpty();
    Dialogs& dialogs = session().dialogs();
    const QString question = updating ? u"Deseja realmente salvar as alterações feitas no Plano \""_s
                                      : u"Deseja realmente fazer a inclusão do Plano \""_s;
    if (!dialogs.question(u"Confirmação"_s, question + plan.nome + u"\"?"_s))
        return SaveOutcome::Declined;
    try {
        if (updating) {
            updatePlan(session().db(), plan);
        } else {
            // Shown only once the row is stored: after a failure the next save inserts again.
            codigoField()->setText(QString::number(insertPlan(session().db(), plan)));
        }
    } catch (const DuplicatePlanName& e) {
        dialogs.error(u"Duplicidade"_s,
            u"Ocorreu um erro ao fazer inclusão de Plano. Já existe o Plano \""_s + e.name()
                + u"\" cadastrado. Ação Cancelada!"_s);
        m_nome->setFocus();
        return SaveOutcome::Stopped;
    } catch (const DbError& e) {
        if (!updating)
            codigoField()->clear();
        dialogs.error(u"Erro"_s,
            u"Ocorreu um erro ao fazer "_s + (updating ? u"alteração"_s : u"inclusão"_s)
                + u" de Plano. Procedimento cancelado. Erro: "_s + e.message() + u"."_s);
        return SaveOutcome::Stopped;
    }
    session().GravaLog((updating ? u"ALTEROU PLANO: "_s : u"CADASTROU PLANO: "_s) + plan.nome);
    return SaveOutcome::Saved;
}

void PlansWindow::removeRecord(qint64 id)
{
    deletePlan(session().db(), id);
}

} // namespace zova
