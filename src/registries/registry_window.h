#pragma once

#include "db/result_set.h"
#include "ui/result_table_model.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zova {

class EnterAsTab;
class RecordNavigator;
class Session;

// What a registry window is called and how its grid and messages speak of its records.
struct RegistryWindowSetup {
    QString title; // "CADASTRO DE COBRADORES": caption and title band
    QString gridGroup; // "CONSULTA COBRADORES"
    QString counterTitle; // "COBRADORES"
    std::vector<GridColumn> columns; // the first one shows `id`
    QString nameField; // searched by "Nome", shown in the delete question
    QString deleteQuestion; // + name + "\"?"
    QString deleteError; // + server message + "."
    QString deleteLog; // + name
    int gridShare = 2; // width of the grid side against 3 of the fields
};

// The window the collector, seller and plan registries share: a grid of the table with its
// navigator, search by name or code and record counter; the fields of the current record; and
// the toolbar that switches between browsing and editing. Operators only: in standard mode, and
// before anybody entered, the window opens for browsing alone.
class RegistryWindow : public QDialog {
    Q_OBJECT

public:
    // The search list's entries.
    enum class SearchBy { Nome, Codigo };

    QPushButton* inserirButton() const { return m_inserir; }
    QPushButton* editarButton() const { return m_editar; }
    QPushButton* excluirButton() const { return m_excluir; }
    QPushButton* cancelarButton() const { return m_cancelar; }
    QPushButton* salvarButton() const { return m_salvar; }
    QPushButton* sairButton() const { return m_sair; }
    RecordNavigator* navigator() const { return m_navigator; }
    QTableView* grid() const { return m_grid; }
    ResultTableModel* model() const { return m_model; }
    QComboBox* searchKind() const { return m_searchKind; }
    QLineEdit* searchField() const { return m_searchField; }
    QLineEdit* codigoField() const { return m_codigo; }
    // The counter's texts: record number, "DE", row count.
    QLabel* recordNumberLabel() const { return m_recordNumber; }
    QLabel* recordCountLabel() const { return m_recordCount; }
    QLabel* counterOfLabel() const { return m_counterOf; }

    bool isEditing() const { return m_editing; }
    bool isReadOnly() const { return m_readOnly; }
    // The id of the grid's current row; 0 when the grid is empty.
    qint64 currentId() const;

    // The toolbar.
    void inserir();
    void editar();
    void cancelar();
    // Checks and stores the record; false when refused, declined or failed.
    bool salvar();
    void excluir();

    // Switches the toolbar, navigator and grid between browsing and editing.
    void TrataBotoes();
    // Loads the grid's current record into the fields.
    void CarregaCampos();
    // Reloads the grid and moves it to `id` (0: keeps the row position).
    void reloadGrid(qint64 id = 0);
    // Moves the grid to the record `id`; false when it is not listed.
    bool moveToId(qint64 id);
    // The search field's text was typed.
    void search(const QString& text);

protected:
    RegistryWindow(Session& session, RegistryWindowSetup setup, QWidget* parent);

    // Lays the window out around the subclass's field group and loads the grid. `lastField`
    // saves on Enter while saving is possible.
    void build(QGroupBox* fields, QWidget* firstField, QWidget* lastField);

    // Outcome of the subclass's save.
    enum class SaveOutcome { Saved, Stopped, Declined };

    virtual ResultSet loadRows() = 0;
    // Fills the fields from record `id`; false when it is gone.
    virtual bool loadRecord(qint64 id) = 0;
    virtual void LimpaCampos() = 0;
    virtual void setFieldsEnabled(bool enabled) = 0;
    // Checks and stores; on Saved the new or edited id is in "CÓDIGO".
    virtual SaveOutcome saveRecord() = 0;
    virtual void removeRecord(qint64 id) = 0;
    virtual void afterEditStarted() { }
    virtual void afterSaved() { }

    void HabilitaCampos() { setFieldsEnabled(true); }
    void DesabilitaCampos() { setFieldsEnabled(false); }
    // Colours the counter's three texts.
    void setCounterColour(const QColor& colour);
    // Shows an error box captioned "Erro" and focuses `field`.
    void refuse(const QString& text, QWidget* field);

    Session& session() const { return m_session; }
    QWidget* firstField() const { return m_firstField; }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildToolbar();
    QGroupBox* buildGridGroup();
    QGroupBox* buildCounter();
    void applyButtonStates();
    void showCounter();
    bool searchKeyRefused(QKeyEvent* key);
    void reportLoadError(const QString& message);

    Session& m_session;
    RegistryWindowSetup m_setup;
    bool m_readOnly = false;
    bool m_editing = false;

    QLineEdit* m_codigo = nullptr;
    QWidget* m_firstField = nullptr;
    QWidget* m_lastField = nullptr;
    RecordNavigator* m_navigator = nullptr;
    QPushButton* m_inserir = nullptr;
    QPushButton* m_editar = nullptr;
    QPushButton* m_excluir = nullptr;
    QPushButton* m_cancelar = nullptr;
    QPushButton* m_salvar = nullptr;
    QPushButton* m_sair = nullptr;
    QTableView* m_grid = nullptr;
    ResultTableModel* m_model = nullptr;
    QComboBox* m_searchKind = nullptr;
    QLineEdit* m_searchField = nullptr;
    QLabel* m_recordNumber = nullptr;
    QLabel* m_counterOf = nullptr;
    QLabel* m_recordCount = nullptr;
    EnterAsTab* m_enter = nullptr;
    bool m_reloading = false;
};

} // namespace zova
