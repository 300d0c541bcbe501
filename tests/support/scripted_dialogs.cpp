#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace zova::test {

void ScriptedDialogs::message(Icon icon, const QString& caption, const QString& text)
{
    m_shown.push_back({ icon, caption, text });
}

bool ScriptedDialogs::question(const QString& caption, const QString& text)
{
    m_shown.push_back({ Icon::Question, caption, text });
    if (m_answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << caption.toStdString() << ": " << text.toStdString();
        return false;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const Shown& s : m_shown)
        out << s.text;
    return out;
}

int RecordingOpener::exec(QDialog& window)
{
    opened << QString::fromLatin1(window.metaObject()->className());
    return onOpen ? onOpen(window) : QDialog::Rejected;
}

} // namespace zova::test
