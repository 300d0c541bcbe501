#pragma once

#include "registries/plan_registry.h"
#include "registries/registry_window.h"

class QPlainTextEdit;

namespace zova {

class CurrencyEdit;

// The plan registry: name, the four amounts and a description of up to 380 characters. A plan
// that holders pay keeps its name.
class PlansWindow : public RegistryWindow {
    Q_OBJECT

public:
    explicit PlansWindow(Session& session, QWidget* parent = nullptr);

    QLineEdit* nomeField() const { return m_nome; }
    CurrencyEdit* valorPlanoField() const { return m_valorPlano; }
    CurrencyEdit* valorReajusteField() const { return m_valorReajuste; }
    CurrencyEdit* valorDepExtraField() const { return m_valorDepExtra; }
    CurrencyEdit* valorSeguroField() const { return m_valorSeguro; }
    QPlainTextEdit* descricaoField() const { return m_descricao; }
    // Characters left for the description.
    QLabel* restantesLabel() const { return m_restantes; }
    // The name the plan had when "&EDITAR" was pressed.
    const QString& rememberedName() const { return m_rememberedName; }

    PlanRecord typedRecord() const;
    bool VerificaCampos();

protected:
    ResultSet loadRows() override;
    bool loadRecord(qint64 id) override;
    void LimpaCampos() override;
    void setFieldsEnabled(bool enabled) override;
    SaveOutcome saveRecord() override;
    void removeRecord(qint64 id) override;
    void afterEditStarted() override;

private:
    QGroupBox* buildFields();
    void descriptionEdited();
    bool renameRefused();

    QLineEdit* m_nome = nullptr;
    CurrencyEdit* m_valorPlano = nullptr;
    CurrencyEdit* m_valorReajuste = nullptr;
    CurrencyEdit* m_valorDepExtra = nullptr;
    CurrencyEdit* m_valorSeguro = nullptr;
    QPlainTextEdit* m_descricao = nullptr;
    QLabel* m_restantes = nullptr;
    QString m_rememberedName;
};

} // namespace zova
