#pragma once

#include "holders/holder_operations.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zova {

class CurrencyEdit;
class DateEdit;
class DependentsPanel;
class EnterAsTab;
class MaskedLineEdit;
class NotesPanel;
class RecordNavigator;
class ResultTableModel;
class Session;

// What the holder window asks of the window that opened it (the main window).
struct HolderWindowHooks {
    qint64 selectedHolder = 0; // shown first when the window opens
    // A holder was saved or deleted: reload the holder list, its active count and
    // the selected holder's details.
    std::function<void()> holdersChanged;
    // A dependent was saved or deleted: refresh the selected holder's dependents
    // and summary.
    std::function<void()> dependentsChanged;
    // Double click on the grid: show this holder there; false when that window lists no holder
    // at all, and this one then stays open.
    std::function<bool(qint64)> holderChosen;
};

// The holder registration: the holder's fields, the grid of every holder with
// its search, the history notes beside it and the dependents below. Browsing,
// editing a holder and editing a dependent are the three states; in standard
// mode nothing can be changed.
class HolderWindow : public QDialog {
    Q_OBJECT
public:
    enum class SearchBy { Titular = 0, Contrato = 1, Codigo = 2, Cpf = 3 };

    HolderWindow(Session& session, HolderWindowHooks hooks, QWidget* parent = nullptr);
    ~HolderWindow() override;

    // The toolbar.
    void inserir();
    void editar();
    bool salvar(); // false when refused, declined or failed
    void cancelar();
    void Excluir();

    bool isEditing() const { return m_editing; }
    bool isReadOnly() const { return m_readOnly; }
    qint64 currentId() const; // the grid's current holder; 0 when the grid is empty
    bool moveToId(qint64 id);

    // Widgets, for tests.
    QPushButton* button(const QString& text) const;
    QWidget* field(const QString& caption) const; // by its caption: "TITULAR", "CPF" ...
    QTableView* grid() const { return m_grid; }
    ResultTableModel* model() const { return m_model; }
    QComboBox* searchKind() const { return m_searchKind; }
    QLineEdit* searchField() const { return m_searchField; }
    QLabel* recordNumberLabel() const { return m_recordNumber; }
    QLabel* recordCountLabel() const { return m_recordCount; }
    DependentsPanel* dependents() const { return m_dependents; }
    NotesPanel* notes() const { return m_notes; }
    QList<QLabel*> captions() const { return m_captions; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // holder_window_fields.cpp
    QGroupBox* buildFields();
    void placeFields(QGroupBox* group);
    QList<QWidget*> editableFields() const;
    void HabilitaCampos();
    void DesabilitaCampos();
    void LimpaCampos();
    void emptyFields(); // no holder to show: no presets either
    void CarregaCampos();
    void showHolder(const HolderRecord& h);
    void colourCaptions(const QString& status);
    HolderRecord typedRecord() const;
    void CarregaVendedor();
    void CarregaCobrador();
    void CarregaPlano();
    void CarregaCidade();
    void CarregaReligiao();
    void fillList(QComboBox* list, const std::function<QStringList()>& load);
    void onPlanChanged();
    void onTipoChanged();

    // holder_window_save.cpp
    bool VerificaCampos();
    bool listsKeepTheirItems();
    // The lists kept to their items, and what their refusal adds to the message.
    std::vector<QComboBox*> checkedLists() const;
    QString exitCheckSuffix(const QComboBox* list) const;
    bool VerDuplicidade();
    bool VerificaCarencia();
    void GeraContrato();
    enum class SaveOutcome { Saved, Stopped, Declined };
    SaveOutcome Salvar();
    SaveOutcome insertTyped(HolderRecord& h);
    SaveOutcome updateTyped(HolderRecord& h);
    void showDuplicate(const HolderCpfOwner& owner);
    void refuse(const QString& text, QWidget* field);

    // holder_window_search.cpp
    QGroupBox* buildSearchGroup();
    void onSearchKindChanged();
    void search(const QString& text);
    bool scanCode();
    void reloadGrid(qint64 id = 0);
    void showCounter();
    void onCurrentHolderChanged();
    void chooseHolder();

    // holder_window.cpp
    QWidget* buildToolbar();
    void TrataBotoes();
    void applyButtonStates();
    void onDependentEditing(bool editing);
    void DesabilitaTudo();
    void wireKeys();

    Session& m_session;
    HolderWindowHooks m_hooks;
    bool m_readOnly = false;
    bool m_editing = false;
    bool m_dependentEditing = false;
    bool m_loading = false; // fields being filled by the program, not typed
    bool m_reloading = false;

    QGroupBox* m_fieldsGroup = nullptr;
    QWidget* m_toolbar = nullptr;
    QGroupBox* m_searchGroup = nullptr;
    QList<QLabel*> m_captions;
    std::map<QString, QWidget*> m_fieldByCaption;

    QLineEdit* m_codigo = nullptr;
    DateEdit* m_dtContrato = nullptr;
    QLineEdit* m_contrato = nullptr;
    QComboBox* m_vendedor = nullptr;
    QComboBox* m_cobrador = nullptr;
    QLineEdit* m_titular = nullptr;
    DateEdit* m_nascimento = nullptr;
    QLineEdit* m_idade = nullptr;
    QComboBox* m_sexo = nullptr;
    MaskedLineEdit* m_cpf = nullptr;
    QComboBox* m_estadoCivil = nullptr;
    QComboBox* m_utilizou = nullptr;
    QLineEdit* m_endereco = nullptr;
    QLineEdit* m_numero = nullptr;
    QLineEdit* m_bairro = nullptr;
    QComboBox* m_cidade = nullptr;
    QComboBox* m_uf = nullptr;
    MaskedLineEdit* m_cep = nullptr;
    MaskedLineEdit* m_celular1 = nullptr;
    MaskedLineEdit* m_celular2 = nullptr;
    DateEdit* m_dtContAnt = nullptr;
    QComboBox* m_plano = nullptr;
    QLineEdit* m_carne = nullptr;
    QComboBox* m_vencimento = nullptr;
    CurrencyEdit* m_parcela = nullptr;
    QComboBox* m_status = nullptr;
    QComboBox* m_tipo = nullptr;
    QComboBox* m_religiao = nullptr;

    RecordNavigator* m_navigator = nullptr;
    std::map<QString, QPushButton*> m_buttons;
    QPushButton* m_inserir = nullptr;
    QPushButton* m_salvar = nullptr;
    QPushButton* m_editar = nullptr;
    QPushButton* m_excluir = nullptr;
    QPushButton* m_cancelar = nullptr;
    QPushButton* m_sair = nullptr;
    QPushButton* m_buscaAvancada = nullptr;
    QLabel* m_recordNumber = nullptr;
    QLabel* m_recordCount = nullptr;

    QComboBox* m_searchKind = nullptr;
    QLineEdit* m_searchField = nullptr;
    QTableView* m_grid = nullptr;
    ResultTableModel* m_model = nullptr;

    NotesPanel* m_notes = nullptr;
    DependentsPanel* m_dependents = nullptr;
    EnterAsTab* m_enter = nullptr;
};

// Whole years from `birth` to `today`: 0 when today is not after the birth
// date.
int ageOn(const QDate& birth, const QDate& today);

} // namespace zova
