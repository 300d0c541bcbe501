#include "registries/person_registry_window.h"

#include "core/cpf.h"
#include "db/db_error.h"
#include "ui/colours.h"
#include "ui/date_edit.h"
#include "ui/field_helpers.h"
#include "ui/masked_line_edit.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

// Shown while the record on screen is "INATIVO".
constexpr QColor kPaleGreen { 192, 220, 192 };
constexpr QStringView kPhoneMask8 = u"(00)0000-0000";

RegistryWindowSetup setupFor(const PersonRegistry& r)
{
    return {
        r.title,
        r.gridGroup,
        r.counterTitle,
        {
            { u"id"_s, u"Cód."_s, CellFormat::integer(), std::nullopt, 56 },
            { u"nome"_s, r.gridName, CellFormat::text(), std::nullopt, 0 },
        },
        u"nome"_s,
        u"Deseja realmente efetuar a exclusão do(a) "_s + r.noun + u" \""_s,
        u"Ocorreu um erro ao fazer exclusão de "_s + r.noun + u". Procedimento cancelado. Erro: "_s,
        u"EXCLUIU "_s + r.logNoun + u": "_s,
    };
}

} // namespace

PersonRegistryWindow::PersonRegistryWindow(Session& session, const PersonRegistry& registry, QWidget* parent)
    : RegistryWindow(session, setupFor(registry), parent)
    , m_registry(registry)
{
    QGroupBox* fields = buildFields();
    build(fields, m_nome, m_status);
    CarregaCidade();
    resize(980, 420);
}

QGroupBox* PersonRegistryWindow::buildFields()
{
    auto* group = new QGroupBox(m_registry.title, this);
    m_nome = upperEdit(80, group);
    m_nascimento = new DateEdit(group);
    m_nascimento->setMaximumWidth(100);
    m_sexo = fixedList({ u"MASCULINO"_s, u"FEMININO"_s }, group);
    m_rg = upperEdit(20, group);
    m_cpf = new MaskedLineEdit(kCpfMask, u'_', group);
    m_estadoCivil = fixedList(maritalStatuses(), group);
    m_endereco = upperEdit(150, group);
    m_numero = upperEdit(10, group);
    m_bairro = upperEdit(80, group);
    m_cidade = new QComboBox(group);
    m_cidade->setEditable(true);
    m_cidade->setInsertPolicy(QComboBox::NoInsert);
    m_cidade->lineEdit()->setMaxLength(80);
    keepUpperCase(m_cidade->lineEdit());
    m_uf = fixedList(stateCodes(), group);
    m_cep = new MaskedLineEdit(kCepMask, u'_', group);
    m_telefone = new MaskedLineEdit(kPhoneMask8, u' ', group);
    m_celular = new MaskedLineEdit(kPhoneMask, u' ', group);
    m_status = fixedList({ u"ATIVO"_s, u"INATIVO"_s }, group);

    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    auto place = [&](int row, int col, QLabel* caption, QWidget* field, int span = 1) {
        grid->addWidget(caption, row * 2, col, 1, span);
        grid->addWidget(field, row * 2 + 1, col, 1, span);
    };
    place(0, 0, captionLabel(u"CÓDIGO"_s, group), codigoField());
    place(0, 1, requiredCaption(u"NOME"_s, group), m_nome, 3);
    place(1, 0, captionLabel(u"NASCIMENTO"_s, group), m_nascimento);
    place(1, 1, captionLabel(u"SEXO"_s, group), m_sexo);
    place(1, 2, captionLabel(u"RG"_s, group), m_rg);
    place(1, 3, captionLabel(u"CPF"_s, group), m_cpf);
    place(2, 0, captionLabel(u"ESTADO CIVIL"_s, group), m_estadoCivil, 2);
    place(3, 0, captionLabel(u"ENDEREÇO"_s, group), m_endereco, 3);
    place(3, 3, captionLabel(u"NÚMERO"_s, group), m_numero);
    place(4, 0, captionLabel(u"BAIRRO"_s, group), m_bairro, 2);
    place(4, 2, captionLabel(u"CIDADE"_s, group), m_cidade, 2);
    place(5, 0, captionLabel(u"UF"_s, group), m_uf);
    place(5, 1, captionLabel(u"CEP"_s, group), m_cep);
    place(5, 2, captionLabel(u"TELEFONE"_s, group), m_telefone);
    place(5, 3, captionLabel(u"CELULAR"_s, group), m_celular);
    place(6, 0, requiredCaption(u"STATUS"_s, group), m_status);
    grid->setRowStretch(14, 1);
    for (int col = 0; col < 4; ++col)
        grid->setColumnStretch(col, 1);

    // Enter follows the order of the fields on the form.
    const QList<QWidget*> order = editableFields();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    return group;
}

QList<QWidget*> PersonRegistryWindow::editableFields() const
{
    return { m_nome, m_nascimento, m_sexo, m_rg, m_cpf, m_estadoCivil, m_endereco, m_numero, m_bairro,
        m_cidade, m_uf, m_cep, m_telefone, m_celular, m_status };
}

void PersonRegistryWindow::setFieldsEnabled(bool enabled)
{
    for (QWidget* field : editableFields())
        field->setEnabled(enabled);
}

void PersonRegistryWindow::LimpaCampos()
{
    for (QLineEdit* edit : { m_nome, m_rg, m_endereco, m_numero, m_bairro })
        edit->clear();
    m_nascimento->setDate({});
    for (MaskedLineEdit* edit : { m_cpf, m_cep, m_telefone, m_celular })
        edit->setText(edit->blankText());
    for (QComboBox* list : { m_sexo, m_estadoCivil })
        list->setCurrentIndex(-1);
    setListText(m_cidade, {});
    setListText(m_uf, u"PR"_s);
    setListText(m_status, u"ATIVO"_s);
}

void PersonRegistryWindow::CarregaCidade()
{
    QStringList cities;
    try {
        cities = loadCities(session().db());
    } catch (const DbError& e) {
        session().dialogs().error(u"Erro"_s, e.message());
        return;
    }
    const QString typed = m_cidade->currentText();
    m_cidade->clear();
    m_cidade->addItems(cities);
    setListText(m_cidade, typed);
}

ResultSet PersonRegistryWindow::loadRows()
{
    return loadPeople(session().db(), m_registry);
}

bool PersonRegistryWindow::loadRecord(qint64 id)
{
    const std::optional<PersonRecord> p = loadPerson(session().db(), m_registry, id);
    if (!p)
        return false;
    setCounterColour(p->status.compare(u"INATIVO"_s, Qt::CaseInsensitive) == 0 ? kPaleGreen : kNavy);
    m_nome->setText(p->nome);
    m_nascimento->setDate(p->nascimento);
    setListText(m_sexo, p->sexo);
    m_rg->setText(p->rg);
    m_cpf->setText(p->cpf);
    setListText(m_estadoCivil, p->estadocivil);
    m_endereco->setText(p->endereco);
    m_numero->setText(p->numero);
    m_bairro->setText(p->bairro);
    setListText(m_cidade, p->cidade);
    setListText(m_uf, p->uf);
    m_cep->setText(p->cep);
    m_telefone->setText(p->telefone);
    m_celular->setText(p->celular);
    setListText(m_status, p->status);
    return true;
}

PersonRecord PersonRegistryWindow::typedRecord() const
{
    PersonRecord p;
    p.id = codigoField()->text().toLongLong();
    p.nome = m_nome->text();
    p.nascimento = m_nascimento->date();
    p.sexo = m_sexo->currentText();
    p.rg = m_rg->text();
    p.cpf = m_cpf->text();
    p.estadocivil = m_estadoCivil->currentText();
    p.endereco = m_endereco->text();
    p.numero = m_numero->text();
    p.bairro = m_bairro->text();
    p.cidade = m_cidade->currentText();
    p.uf = m_uf->currentText();
    p.cep = m_cep->text();
    p.telefone = m_telefone->text();
    p.celular = m_celular->text();
    p.status = m_status->currentText();
    return p;
}

bool PersonRegistryWindow::VerificaCampos()
{
    if (m_nome->text().trimmed().size() < 5) {
        refuse(u"O campo \"Nome\" é obrigatório!"_s, m_nome);
        return false;
    }
    if (m_status->currentText().isEmpty()) {
        refuse(u"O campo \"Status\" é obrigatório!"_s, m_status);
        return false;
    }
    if (m_cpf->text() != kEmptyCpfMask && !cpfValido(m_cpf->text())) {
        refuse(u"\"CPF\" inválido!"_s, m_cpf);
        return false;
    }
    // A partly typed or impossible date would otherwise be stored as no date.
    if (!m_nascimento->isBlank() && !m_nascimento->isValidDate()) {
        refuse(u"'"_s + m_nascimento->text() + u"' não é uma data válida"_s, m_nascimento);
        return false;
    }
    return true;
}

void PersonRegistryWindow::showDuplicate(const CpfOwner& owner)
{
    session().dialogs().error(u"Duplicidade"_s,
        u"Ocorreu um erro ao fazer inclusão de "_s + m_registry.noun + u". Já existe o CPF \""_s + owner.cpf
            + u"\" cadastrado para \""_s + owner.nome + u"\" com Código \""_s + QString::number(owner.id)
            + u"\". Ação Cancelada!"_s);
    m_cpf->setFocus();
}

bool PersonRegistryWindow::VerDuplicidade()
{
    std::optional<CpfOwner> owner;
    try {
        owner = findCpfOwner(session().db(), m_registry, m_cpf->text(), codigoField()->text().toLongLong());
    } catch (const DbError& e) {
        session().dialogs().error(u"Erro"_s, e.message());
        return false;
    }
    if (owner) {
        showDuplicate(*owner);
        return false;
    }
    return true;
}

RegistryWindow::SaveOutcome PersonRegistryWindow::saveRecord()
{
    if (!VerificaCampos() || !VerDuplicidade())
        return SaveOutcome::Stopped;
    const PersonRecord person = typedRecord();
    const bool updating = !codigoField()->text().isEmpty();
    Dialogs& dialogs = session().dialogs();
    const QString question = updating
        ? u"Deseja realmente salvar as alterações feitas no(a) "_s + m_registry.noun + u" \""_s
        : u"Deseja realmente fazer a inclusão do(a) "_s + m_registry.noun + u" \""_s;
    if (!dialogs.question(u"Confirmação"_s, question + person.nome + u"\"?"_s))
        return SaveOutcome::Declined;
    try {
        if (updating) {
            updatePerson(session().db(), m_registry, person);
        } else {
            // Shown only once the row is stored, so a failed insert leaves "CÓDIGO" empty and the
            // next save inserts again.
            codigoField()->setText(QString::number(insertPerson(session().db(), m_registry, person)));
        }
    } catch (const DuplicateCpf& e) {
        showDuplicate(e.owner());
        return SaveOutcome::Stopped;
    } catch (const DbError& e) {
        if (!updating)
            codigoField()->clear();
        dialogs.error(u"Erro"_s,
            u"Ocorreu um erro ao fazer "_s + (updating ? u"alteração"_s : u"inclusão"_s) + u" de "_s
                + m_registry.noun + u". Procedimento cancelado. Erro: "_s + e.message() + u"."_s);
        return SaveOutcome::Stopped;
    }
    session().GravaLog(
        (updating ? u"ALTEROU "_s : u"CADASTROU "_s) + m_registry.logNoun + u": "_s + person.nome);
    return SaveOutcome::Saved;
}

void PersonRegistryWindow::removeRecord(qint64 id)
{
    deletePerson(session().db(), m_registry, id);
}

} // namespace zova
