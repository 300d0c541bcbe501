#pragma once

#include "ui/dialogs.h"
#include "ui/session.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace zova::test {

// Records every message box instead of showing it; questions take scripted answers in order
// (an unscripted question fails the test and answers No).
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        Icon icon;
        QString caption;
        QString text;
    };

    void message(Icon icon, const QString& caption, const QString& text) override;
    bool question(const QString& caption, const QString& text) override;

    void answer(bool yes) { m_answers.push_back(yes); }
    const std::vector<Shown>& shown() const { return m_shown; }
    // Texts of every box shown so far, in order.
    QStringList texts() const;
    const Shown& last() const { return m_shown.back(); }
    bool empty() const { return m_shown.empty(); }
    void clear()
    {
        m_shown.clear();
        m_answers.clear();
    }

private:
    std::vector<Shown> m_shown;
    std::deque<bool> m_answers;
};

// Never blocks: records which windows were opened and lets a test drive each one.
class RecordingOpener final : public WindowOpener {
public:
    int exec(QDialog& window) override;

    // Called with each window instead of exec(); its result is exec()'s result.
    std::function<int(QDialog&)> onOpen;
    // Class names of the windows opened, in order.
    QStringList opened;
};

} // namespace zova::test
