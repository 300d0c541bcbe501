#pragma once

#include <QString>

class QWidget;

namespace zova {

// Every message box of the program goes through here, with its exact caption, icon and text.
// "\r" in a text is a line break on screen. Tests substitute a scripted implementation.
class Dialogs {
public:
    enum class Icon { Information, Warning, Error, Question };

    virtual ~Dialogs() = default;
    virtual void message(Icon icon, const QString& caption, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const QString& caption, const QString& text) = 0;

    void information(const QString& caption, const QString& text)
    {
        message(Icon::Information, caption, text);
    }
    void warning(const QString& caption, const QString& text) { message(Icon::Warning, caption, text); }
    void error(const QString& caption, const QString& text) { message(Icon::Error, caption, text); }
};

// QMessageBox on screen; buttons read "Sim"/"Não" once installPortugueseTranslations() ran.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParent(QWidget* parent) { m_parent = parent; }
    void message(Icon icon, const QString& caption, const QString& text) override;
    bool question(const QString& caption, const QString& text) override;

private:
    QWidget* m_parent;
};

// Loads Qt's own pt_BR translations (standard buttons, context menus, dialogs).
void installPortugueseTranslations();

// "\r" as the program writes it, shown as line breaks.
QString screenText(const QString& text);

} // namespace zova
