#include "app/windows.h"

#include "app/activity_log.h"
#include "app/activity_log_window.h"
#include "app/login_window.h"
#include "app/main_window.h"
#include "layouts/activity_log_report.h"
#include "layouts/report_output.h"
#include "reports/holder_list_windows.h"
#include "ui/session.h"

using namespace Qt::StringLiterals;

namespace zova {

namespace {
LoginHooks loginHooks(MainWindow& main)
{
    LoginHooks hooks;
    hooks.enterProgram = [&main](bool standardMode) {
        main.setOperatorCaption();
        main.setOperatorLabel(main.session().operatorLabel());
        if (!standardMode) {
            main.showNormal();
            main.setWindowOpacity(1.0);
        }
    };
    // Cancelling the login ends the program without clean-up or backup.
    hooks.quitProgram = [&main] { main.leaveNow(); };
    hooks.launch = launchDetached;
    hooks.computerName = systemComputerName;
    hooks.showComputer = [&main](const QString& name) { main.setComputerLabel(name); };
    return hooks;
}
} // namespace

bool showStartupLogin(MainWindow& main, const QString& lastAccess, const QString& hostLabel)
{
    bool cancelled = false;
    LoginHooks hooks = loginHooks(main);
    hooks.quitProgram = [&cancelled] { cancelled = true; };
    LoginWindow login(main.session(), hooks, &main);
    login.setLastAccessText(lastAccess);
    login.setHostText(hostLabel);
    main.session().opener().exec(login);
    return !cancelled && login.result() == QDialog::Accepted;
}

void registerWindows(MainWindow& main)
{
    Session& session = main.session();
    main.addExitStep([&session] { return LimpaLog(session); });
    registerRegistrationWindows(main);

    main.registerWindow(u"USUÁRIO/Trocar Usuário"_s, [&main](QWidget* parent) -> QDialog* {
        return new LoginWindow(main.session(), loginHooks(main), parent);
    });
    main.registerWindow(u"LOG/Atividades do Usuário"_s, [&session](QWidget* parent) -> QDialog* {
        auto* window = new ActivityLogWindow(session, {}, parent);
        window->setPrintHook([&session, window](const ResultSet& rows, const QString& title,
                                 const QString& footerLeft, const QString&) {
            const ReportDocument doc
                = activityLogReport(rows, title, footerLeft, session.operatorLabel(), session.clock().now());
            defaultReportOutput(session.dialogs())->present(doc, window);
        });
        return window;
    });
    main.registerWindow(u"RELATÓRIO/Titulares"_s,
        [&session](QWidget* parent) -> QDialog* { return new HoldersReportWindow(session, parent); });
    main.registerWindow(u"RELATÓRIO/Titulares - Utilizaram Plano"_s,
        [&session](QWidget* parent) -> QDialog* { return new HoldersUsedPlanReportWindow(session, parent); });
}

} // namespace zova
