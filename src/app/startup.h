#pragma once

#include <QString>
#include <functional>

namespace zova {

class MainWindow;
class RemoteOffice;
class Session;

// The start-up sequence of the main window. Each step that can end the program returns false
// after telling the operator why; the caller then ends without showing anything more.
class Startup {
public:
    struct Steps {
        // Opens the main window's data sets once the connection is up; raises DbError.
        std::function<void()> openDataSets;
        // Shows the login; false when the operator cancelled (the program ends).
        std::function<bool(const QString& lastAccess, const QString& hostLabel)> login;
        // Runs right after a successful login (e.g. the holder-count caption).
        std::function<void()> afterLogin;
        // Starts a program detached (the updater); tests substitute it.
        std::function<bool(const QString& program)> launch;
    };

    Startup(Session& session, RemoteOffice& remote, MainWindow& main, Steps steps);

    // Creation: refuses to go on without internet access.
    bool create();
    // Showing: FTP check, database, login, FTP visit, message, update prompt.
    bool show();

    bool TestaConexao();
    bool connectDatabase();
    void ConectaFTP();
    void LeArquivoMsg();
    // The update prompt; false when the program ends for the update.
    bool offerUpdate();

    int updateFlag() const { return m_updateFlag; }
    QString messageFilePath() const;
    QString lastAccessText() const;
    QString hostLabelText() const;

private:
    void placeWindow();

    Session& m_session;
    RemoteOffice& m_remote;
    MainWindow& m_main;
    Steps m_steps;
    int m_updateFlag = 0;
};

// The computer's local IPv4 address (first non-loopback one).
QString localIpAddress();
// The updater beside the program ("Atualizador.exe" on Windows, "Atualizador" elsewhere).
QString updaterPath(const QString& programFolder);

} // namespace zova
