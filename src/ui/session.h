#pragma once

#include "core/clock.h"
#include "core/path_ini.h"
#include "db/connection.h"
#include "ui/dialogs.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QDialog;

namespace zova {

// Shows a window modally. The real one runs exec(); tests substitute one that never blocks.
class WindowOpener {
public:
    virtual ~WindowOpener() = default;
    virtual int exec(QDialog& window) = 0;
};

class ModalWindowOpener final : public WindowOpener {
public:
    int exec(QDialog& window) override;
};

// The operator label's texts.
inline constexpr QStringView kNobodyEntered = u"PADRAO";
inline constexpr QStringView kStandardMode = u"PADRÃO";

// What every window and operation needs: the connection, Path.ini, the clock, message boxes,
// the window opener, and who is working. No globals.
class Session {
public:
    Session(Connection& db, const PathIni& ini, const Clock& clock, Dialogs& dialogs, WindowOpener& opener)
        : m_db(db)
        , m_ini(ini)
        , m_clock(clock)
        , m_dialogs(dialogs)
        , m_opener(opener)
    {
    }

    Connection& db() const { return m_db; }
    const PathIni& ini() const { return m_ini; }
    const Clock& clock() const { return m_clock; }
    Dialogs& dialogs() const { return m_dialogs; }
    WindowOpener& opener() const { return m_opener; }

    QString LeIni(const QString& selector) const { return m_ini.LeIni(selector); }
    // Trade name + " - " + title, the caption every window carries.
    QString caption(const QString& title) const { return LeIni(QStringLiteral("FANTASIA")) + u" - " + title; }

    // The operator label: an operator's name, "PADRÃO" (standard mode) or "PADRAO" (nobody yet).
    const QString& operatorLabel() const { return m_operator; }
    void setOperatorLabel(const QString& label) { m_operator = label.trimmed(); }
    bool isStandardMode() const { return m_operator == kStandardMode; }
    // A real operator logged in (neither standard mode nor nobody).
    bool hasOperator() const { return m_operator != kStandardMode && m_operator != kNobodyEntered; }

    // Writes one activity-log entry: operator label, text, the clock's date and time. A failure
    // is reported ("Erro") and the caller's action goes on. Returns whether it was written.
    bool GravaLog(const QString& acao);

    // The window every modal window dims while open (opacity 100, back to 255 afterwards).
    void setMainWindow(QWidget* main) { m_main = main; }
    QWidget* mainWindow() const { return m_main; }
    // The opening pattern: dim, log the text (when given), show modally, restore.
    int openWindow(QDialog& window, const QString& logText = {})
    {
        return openWindow(window, m_main, logText);
    }
    // The same pattern dimming `dimmed` instead of the main window (nullptr: nothing dimmed).
    int openWindow(QDialog& window, QWidget* dimmed, const QString& logText = {});

private:
    Connection& m_db;
    const PathIni& m_ini;
    const Clock& m_clock;
    Dialogs& m_dialogs;
    WindowOpener& m_opener;
    QString m_operator = kNobodyEntered.toString();
    QPointer<QWidget> m_main;
};

} // namespace zova
