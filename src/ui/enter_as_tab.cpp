#include "ui/enter_as_tab.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QShortcut>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace zova {

EnterAsTab::EnterAsTab(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    // Key events go to the focused control first; only an application filter sees them before.
    qApp->installEventFilter(this);
}

void EnterAsTab::exempt(QWidget* widget)
{
    m_rules.push_back({ widget, {} });
}

void EnterAsTab::setEnterAction(QWidget* widget, Action action)
{
    m_rules.push_back({ widget, std::move(action) });
}

const EnterAsTab::Rule* EnterAsTab::ruleFor(QWidget* widget) const
{
    // The innermost rule wins: a widget inside an exempted container may still have an action.
    for (QWidget* w = widget; w && w != m_window; w = w->parentWidget()) {
        for (auto it = m_rules.rbegin(); it != m_rules.rend(); ++it) {
            if (it->widget == w)
                return &*it;
        }
    }
    return nullptr;
}

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !m_window)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Only the delivery to the focused control; an Enter it ignored and passed up to its
    // parents is left alone, or an exempted widget would still move the focus.
    QWidget* focused = QApplication::focusWidget();
    if (!watched->isWidgetType() || watched != focused || !m_window->isAncestorOf(focused))
        return false;
    if (focused->window() != m_window->window())
        return false; // inside a window of its own (a dialog parented to this one)
    return handleEnter(focused);
}

bool EnterAsTab::handleEnter(QWidget* focused)
{
    if (const Rule* rule = ruleFor(focused)) {
        if (!rule->action)
            return false; // exempt: the widget gets its Enter
        // The action may close or delete the window: keep nothing of `this` after it.
        QPointer<QWidget> window = m_window;
        if (rule->action())
            return true;
        if (!window)
            return true;
    }
    auto* button = qobject_cast<QAbstractButton*>(focused);
    if (m_clickButtons && button && !qobject_cast<QCheckBox*>(button)
        && !qobject_cast<QRadioButton*>(button)) {
        button->click();
        return true;
    }
    focusNextField(m_window);
    return true;
}

void focusNextField(QWidget* window)
{
    // A Tab sent to the window itself runs Qt's own focus chain walk (focusNextPrevChild),
    // without the focused control getting a Tab it might consume (grids, text boxes).
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &tab);
}

QShortcut* bindEscape(QWidget* window, std::function<void()> action)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(action));
    return shortcut;
}

} // namespace zova
