#pragma once

#include "core/money.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zova {

class DateEdit;
class MaskedLineEdit;
class RecordNavigator;
class ResultTableModel;
class Session;

// The dependents of the holder shown above it, in the holder window's lower half: a grid with
// its navigator and count, the fields of the selected dependent, and a toolbar with its own
// browse / edit states. The hosting window owns the keys (Enter as Tab, Enter on "STATUS" saves,
// Esc cancels) and disables its own controls while a dependent is being edited.
class DependentsPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit DependentsPanel(Session& session, QWidget* parent = nullptr);

    // The holder shown above: its id (0 when no holder exists), its plan (`seguro`) and its
    // installment value; reloads the grid.
    void setHolder(qint64 holderId, qint64 planId, Money parcela);
    qint64 holderId() const { return m_holderId; }

    // Loads the holder's dependents into the grid and the selected one into the fields.
    void Dependentes();
    // Standard mode: the five editing buttons stay disabled.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    bool isEditing() const { return m_editing; }
    // The id of the grid's current dependent; 0 when the grid is empty.
    qint64 currentId() const;

    // The toolbar.
    void inserir();
    void editar();
    // Checks and stores the dependent; false when refused, declined or failed.
    bool salvar();
    void excluir();
    void cancelar();

    // The required fields, the CPF and the birth date, in order; the first failure is shown
    // and focused.
    bool VerificaCampos2();

    QPushButton* inserirButton() const { return m_inserir; }
    QPushButton* salvarButton() const { return m_salvar; }
    QPushButton* editarButton() const { return m_editar; }
    QPushButton* excluirButton() const { return m_excluir; }
    QPushButton* cancelarButton() const { return m_cancelar; }
    RecordNavigator* navigator() const { return m_navigator; }
    QTableView* grid() const { return m_grid; }
    ResultTableModel* model() const { return m_model; }
    QLabel* countLabel() const { return m_count; }
    // Enter here saves while "S&ALVAR" is enabled (wired by the hosting window).
    QWidget* statusField() const;
    // The first field of an edit.
    QWidget* firstField() const;

    QLineEdit* codigoField() const { return m_codigo; }
    QLineEdit* nomeField() const { return m_nome; }
    QComboBox* sexoField() const { return m_sexo; }
    DateEdit* nascimentoField() const { return m_nascimento; }
    QComboBox* parentescoField() const { return m_parentesco; }
    MaskedLineEdit* cpfField() const { return m_cpf; }
    QComboBox* statusList() const { return m_status; }

signals:
    // True when a dependent edit starts, false when it ends.
    void editingChanged(bool editing);
    // A dependent was saved or deleted.
    void dependentsChanged();

private:
    QWidget* buildFields();
    QWidget* buildToolbar();
    QList<QWidget*> editableFields() const;

    void TrataBotoes2();
    void applyButtonStates();
    void HabilitaCampos2() { setFieldsEnabled(true); }
    void DesabilitaCampos2() { setFieldsEnabled(false); }
    void setFieldsEnabled(bool enabled);
    void LimpaCampos2();
    void CarregaCampos2();
    void clearFields();
    // Reloads the grid, then selects `selectId`, or else the row `fallbackRow` (clamped).
    void reload(qint64 selectId, int fallbackRow);
    bool moveToId(qint64 id);
    void showCount();

    enum class SaveOutcome { Saved, Stopped, Declined };
    SaveOutcome SalvarDependente();
    bool refuse(const QString& text, QWidget* field);
    void kinshipChanged(const QString& text);

    Session& m_session;
    qint64 m_holderId = 0;
    qint64 m_planId = 0;
    Money m_parcela;
    bool m_editing = false;
    bool m_readOnly = false;
    bool m_reloading = false; // grid moves made by the panel itself

    QLineEdit* m_codigo = nullptr;
    QLineEdit* m_nome = nullptr;
    QComboBox* m_sexo = nullptr;
    DateEdit* m_nascimento = nullptr;
    QComboBox* m_parentesco = nullptr;
    MaskedLineEdit* m_cpf = nullptr;
    QComboBox* m_status = nullptr;

    RecordNavigator* m_navigator = nullptr;
    QPushButton* m_inserir = nullptr;
    QPushButton* m_salvar = nullptr;
    QPushButton* m_editar = nullptr;
    QPushButton* m_excluir = nullptr;
    QPushButton* m_cancelar = nullptr;
    QLabel* m_count = nullptr;
    QTableView* m_grid = nullptr;
    ResultTableModel* m_model = nullptr;
};

} // namespace zova
