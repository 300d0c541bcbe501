#include "app/application.h"

#include "app/curl_remote_office.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/windows.h"
#include "ui/session.h"
#include "ui/style.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace zova {

namespace {
QString iniPath(QApplication& app)
{
    QCommandLineParser parser;
    parser.addOption({ u"ini"_s, u"Path.ini a usar"_s, u"arquivo"_s });
    parser.process(app);
    return parser.isSet(u"ini"_s) ? parser.value(u"ini"_s)
                                  : QCoreApplication::applicationDirPath() + u"/Path.ini"_s;
}
} // namespace

int runApplication(QApplication& app)
{
    QApplication::setApplicationName(u"ZOVA"_s);
    installPortugueseTranslations();
    applyZovaStyle(app);

    PathIni ini(iniPath(app));
    Connection connection;
    SystemClock clock;
    QtDialogs dialogs;
    ModalWindowOpener opener;
    Session session(connection, ini, clock, dialogs, opener);

    MainWindow main(session);
    session.setMainWindow(&main);
    dialogs.setParent(&main);
    CurlRemoteOffice remote(ini);

    Startup::Steps steps;
    steps.openDataSets = [&] { main.openDataSets(); };
    steps.login = [&](const QString& lastAccess, const QString& hostLabel) {
        return showStartupLogin(main, lastAccess, hostLabel);
    };
    steps.afterLogin = [&] { main.updateActiveCount(); };
    steps.launch = [](const QString& program) { return QProcess::startDetached(program, {}); };
    Startup startup(session, remote, main, std::move(steps));

    if (!startup.create())
        return 0;
    registerWindows(main);
    main.show();
    if (!startup.show())
        return 0;
    return QApplication::exec();
}

} // namespace zova
