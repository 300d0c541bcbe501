#pragma once

#include <QPointer>
#include <QWidget>

class QAction;
class QLabel;
class QPushButton;
class QTableView;

namespace zova {

class RecordNavigator;
class ResultTableModel;
class Session;

// The history notes of the holder shown by the holder window, beside its holder grid: the
// notes grid with its navigator and count, the buttons that add and delete a note, and the
// grid's pop-up entry that shows a note in full.
class NotesPanel : public QWidget {
    Q_OBJECT

public:
    // `holderWindow` is dimmed while a note is being added.
    NotesPanel(Session& session, QWidget* holderWindow, QWidget* parent = nullptr);

    // The holder shown by the holder window: its id (0: none), name ("TITULAR") and contract
    // number; reloads the notes.
    void setHolder(qint64 holderId, const QString& name, const QString& contract);
    qint64 holderId() const { return m_holderId; }

    // Reloads the holder's notes and selects the first.
    void Historico();
    // Standard mode: the include and delete buttons stay disabled.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    // "INCLUIR HISTÓRICO": the note window, modal, with the holder window dimmed.
    void incluir();
    // "EXCLUIR HISTÓRICO": deletes the selected note after a confirmation.
    void excluir();
    // "Abrir Histórico do Titular": the selected note in full.
    void abrir();

    // The number of the selected note; 0 when the grid is empty.
    qint64 currentNumber() const;

    QTableView* grid() const { return m_grid; }
    ResultTableModel* model() const { return m_model; }
    QPushButton* incluirButton() const { return m_incluir; }
    QPushButton* excluirButton() const { return m_excluir; }
    QAction* abrirAction() const { return m_abrir; }
    RecordNavigator* navigator() const { return m_navigator; }
    QLabel* countLabel() const { return m_count; }

private:
    QWidget* buildToolbar();
    // Reloads the grid, then selects note `selectNumber`, or else the row `fallbackRow` (clamped).
    void reload(qint64 selectNumber, int fallbackRow);
    void showCount();

    Session& m_session;
    QPointer<QWidget> m_holderWindow;
    qint64 m_holderId = 0;
    QString m_name;
    QString m_contract;
    bool m_readOnly = false;

    QTableView* m_grid = nullptr;
    ResultTableModel* m_model = nullptr;
    RecordNavigator* m_navigator = nullptr;
    QPushButton* m_incluir = nullptr;
    QPushButton* m_excluir = nullptr;
    QAction* m_abrir = nullptr;
    QLabel* m_count = nullptr;
};

} // namespace zova
