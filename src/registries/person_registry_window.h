#pragma once

#include "registries/person_registry.h"
#include "registries/registry_window.h"

namespace zova {

class DateEdit;
class MaskedLineEdit;

// The collector window and the seller window: one window over either table, speaking of
// collectors or sellers as its registry says.
class PersonRegistryWindow : public RegistryWindow {
    Q_OBJECT

public:
    PersonRegistryWindow(Session& session, const PersonRegistry& registry, QWidget* parent = nullptr);

    const PersonRegistry& registry() const { return m_registry; }

    QLineEdit* nomeField() const { return m_nome; }
    DateEdit* nascimentoField() const { return m_nascimento; }
    QComboBox* sexoField() const { return m_sexo; }
    QLineEdit* rgField() const { return m_rg; }
    MaskedLineEdit* cpfField() const { return m_cpf; }
    QComboBox* estadoCivilField() const { return m_estadoCivil; }
    QLineEdit* enderecoField() const { return m_endereco; }
    QLineEdit* numeroField() const { return m_numero; }
    QLineEdit* bairroField() const { return m_bairro; }
    QComboBox* cidadeField() const { return m_cidade; }
    QComboBox* ufField() const { return m_uf; }
    MaskedLineEdit* cepField() const { return m_cep; }
    MaskedLineEdit* telefoneField() const { return m_telefone; }
    MaskedLineEdit* celularField() const { return m_celular; }
    QComboBox* statusField() const { return m_status; }

    // The record as the fields show it ("CÓDIGO" empty gives id 0).
    PersonRecord typedRecord() const;
    // Fills the city list from the holders' cities.
    void CarregaCidade();
    // The required fields and the CPF, in order; the first failure is shown and focused.
    bool VerificaCampos();
    // Refuses a CPF stored for another record of this table.
    bool VerDuplicidade();

protected:
    ResultSet loadRows() override;
    bool loadRecord(qint64 id) override;
    void LimpaCampos() override;
    void setFieldsEnabled(bool enabled) override;
    SaveOutcome saveRecord() override;
    void removeRecord(qint64 id) override;
    void afterSaved() override { CarregaCidade(); }

private:
    QGroupBox* buildFields();
    void showDuplicate(const CpfOwner& owner);
    QList<QWidget*> editableFields() const;

    const PersonRegistry& m_registry;
    QLineEdit* m_nome = nullptr;
    DateEdit* m_nascimento = nullptr;
    QComboBox* m_sexo = nullptr;
    QLineEdit* m_rg = nullptr;
    MaskedLineEdit* m_cpf = nullptr;
    QComboBox* m_estadoCivil = nullptr;
    QLineEdit* m_endereco = nullptr;
    QLineEdit* m_numero = nullptr;
    QLineEdit* m_bairro = nullptr;
    QComboBox* m_cidade = nullptr;
    QComboBox* m_uf = nullptr;
    MaskedLineEdit* m_cep = nullptr;
    MaskedLineEdit* m_telefone = nullptr;
    MaskedLineEdit* m_celular = nullptr;
    QComboBox* m_status = nullptr;
};

} // namespace zova
