#pragma once

#include "app/holder_list.h"
#include "booklets/booklet_summary.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace zova {

class EnterAsTab;
class RecordNavigator;
class ResultTableModel;
class Session;

// The program's hub and only permanent window: active holders and their search, the selected
// holder's dependents, booklet and installments, today's receipts, and every menu.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Session& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() const { return m_session; }

    // Status labels written by the start-up and the login.
    void setServerLabel(const QString& host); // "SERVIDOR: " + host
    void setServerNotConnected(); // "NÃO CONECTADO" in red
    void setAddressLabel(const QString& ip); // "IP LOCAL: " + ip
    void setOperatorLabel(const QString& text);
    void setComputerLabel(const QString& text);
    QString serverLabelText() const;
    QString addressLabelText() const;
    QString operatorLabelText() const;
    QString computerLabelText() const;
    // Trade name + " - " + subtitle + " :: VERSÃO: " + the program file's date and time.
    void setOperatorCaption();

    // Steps run by "&SAIR" before the program ends, in order; one returning false cancels the exit.
    // The operator "SUPORTE MASTER" leaves without them.
    void addExitStep(std::function<bool()> step) { m_exitSteps.push_back(std::move(step)); }
    bool sair();
    // Ends the program at once, without the exit steps (login cancelled, update accepted).
    void leaveNow();
    bool isLeaving() const { return m_leaving; }

    // Data sets: the holder list (reloaded), and the refresh of the selected holder.
    void openDataSets();
    void reloadHolders();
    void refreshSelectedHolder();
    qint64 selectedHolderId() const; // 0 when none
    QString selectedHolderName() const;
    void selectHolder(qint64 id);
    void updateActiveCount(); // "LOCALIZAR TITULAR (ATIVOS: 00000)"
    void SomaDia();
    void TrataCampos();

    // Standard mode disables what changes booklets or money; an operator gets everything back.
    void applyAccess();
    // The first-run check: forces the first collector, seller, plan and holder.
    void firstRunCheck();

    // Windows opened from the menu and the buttons, by their entry text (see main_menu.cpp).
    using WindowFactory = std::function<QDialog*(QWidget* parent)>;
    void registerWindow(const QString& entry, WindowFactory factory);
    void registerAction(const QString& entry, std::function<void()> action);
    // Runs a menu entry or button by its text, with the access guard and the opening pattern.
    void trigger(const QString& entry);
    QAction* menuAction(const QString& entry) const;
    QMenu* menu(const QString& title) const;

    // Widgets, for the windows that drive the main window and for tests.
    QComboBox* searchKind() const { return m_searchKind; }
    QLineEdit* searchField() const { return m_searchField; }
    QTableView* holderGrid() const { return m_holderGrid; }
    QTableView* installmentGrid() const { return m_installmentGrid; }
    ResultTableModel* installmentModel() const { return m_installments; }
    ResultTableModel* dependentModel() const { return m_dependents; }
    ResultTableModel* receiptsModel() const { return m_receipts; }
    HolderListModel* holderModel() const { return m_holders; }
    QPushButton* button(const QString& text) const;
    QGroupBox* searchGroup() const { return m_searchGroup; }
    QGroupBox* receiptsGroup() const { return m_receiptsGroup; }
    QWidget* generationControl(const QString& name) const;
    QLabel* panelLabel(const QString& name) const;
    QPushButton* exitButton() const { return m_exit; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSearchBar();
    QWidget* buildHolderRegion();
    QWidget* buildBookletRegion();
    QWidget* buildInstallmentRegion();
    QWidget* buildActionBar();
    QWidget* buildStatusBoxes();
    void buildMenus();
    QPushButton* addButton(const QString& text, const QString& entry = {});
    void tick();
    void onSearchKindChanged();
    void onSearchEdited(const QString& text);
    bool searchKeyFilter(QKeyEvent* key);
    void showSummary(const std::optional<BookletSummary>& summary);
    void UMesParcela();
    void toggleDelivered();
    bool refuseWithoutOperator();
    void runFirstRunStep(const QString& text, const QString& entry);

    Session& m_session;
    HolderListModel* m_holders = nullptr;
    ResultTableModel* m_dependents = nullptr;
    ResultTableModel* m_installments = nullptr;
    ResultTableModel* m_receipts = nullptr;
    ResultTableModel* m_adesao = nullptr;
    std::optional<BookletSummary> m_summary;

    QComboBox* m_searchKind = nullptr;
    QLineEdit* m_searchField = nullptr;
    QGroupBox* m_searchGroup = nullptr;
    RecordNavigator* m_navigator = nullptr;
    QTableView* m_holderGrid = nullptr;
    QTableView* m_dependentGrid = nullptr;
    QTableView* m_installmentGrid = nullptr;
    QTableView* m_receiptsGrid = nullptr;
    QTableView* m_adesaoGrid = nullptr;
    QGroupBox* m_receiptsGroup = nullptr;
    QLabel* m_receiptsTotal = nullptr;
    QLabel* m_receiptsCount = nullptr;
    QWidget* m_receiptsTotalBox = nullptr;
    std::map<QString, QLabel*> m_panel;
    QPushButton* m_delivered = nullptr;
    QComboBox* m_parcelas = nullptr;
    QComboBox* m_mes = nullptr;
    QComboBox* m_ano = nullptr;
    QCheckBox* m_inicial = nullptr;
    std::map<QString, QPushButton*> m_buttons;
    std::map<QString, QAction*> m_actions;
    std::map<QString, QMenu*> m_menus;
    std::map<QString, WindowFactory> m_factories;
    std::map<QString, std::function<void()>> m_actionHandlers;

    QLabel* m_date = nullptr;
    QLabel* m_time = nullptr;
    QLabel* m_server = nullptr;
    QLabel* m_address = nullptr;
    QLabel* m_operator = nullptr;
    QLabel* m_computer = nullptr;
    QPushButton* m_exit = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_progressPanel = nullptr;
    QLabel* m_messagePanel = nullptr;
    QTimer* m_clock = nullptr;
    EnterAsTab* m_enter = nullptr;
    std::vector<std::function<bool()>> m_exitSteps;
    bool m_leaving = false;
    bool m_inFirstRunCheck = false;
};

// "SEX, 17 DE MAI DE 2024": pt-BR short day and month names without Qt's trailing dots.
QString clockDateText(const QDate& date);

} // namespace zova
