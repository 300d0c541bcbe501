#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QShortcut;
class QWidget;

namespace zova {

// Enter (and keypad Enter) moves the focus to the next control like Tab, in one window. The
// window decides the exceptions: exempted widgets receive Enter themselves (a multi-line text, a
// grid with its own Enter), and a widget can carry its own Enter action (save, query) that runs
// instead of moving on. Push buttons are clicked by Enter, as an operator expects.
//
// It watches the application's key events so the window sees Enter before its controls do, and
// acts only on keys sent to a focused widget inside its window (dialogs opened on top keep their
// own handling). Usually installed on a window; on a panel it covers that panel. Owned by it.
class EnterAsTab : public QObject {
    Q_OBJECT

public:
    // Returns true when it handled Enter; false lets the focus move on as usual.
    using Action = std::function<bool()>;

    explicit EnterAsTab(QWidget* window);
    static EnterAsTab* install(QWidget* window) { return new EnterAsTab(window); }

    QWidget* window() const { return m_window; }

    // Enter reaches this widget (and the widgets inside it) untouched.
    void exempt(QWidget* widget);
    // Enter on this widget (or inside it) runs the action first.
    void setEnterAction(QWidget* widget, Action action);
    // Whether Enter on a focused push or tool button clicks it (default) or moves on.
    void setClickButtons(bool click) { m_clickButtons = click; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Rule {
        QPointer<QWidget> widget;
        Action action; // empty: exempt
    };
    const Rule* ruleFor(QWidget* widget) const;
    bool handleEnter(QWidget* focused);

    QPointer<QWidget> m_window;
    std::vector<Rule> m_rules;
    bool m_clickButtons = true;
};

// Moves the focus of `window` to its next control, exactly as Tab would.
void focusNextField(QWidget* window);

// Esc anywhere in `window` runs `action` (cancel an edit, or close). Returns the shortcut, owned
// by the window, so a caller can disable it.
QShortcut* bindEscape(QWidget* window, std::function<void()> action);

} // namespace zova
