#include "ui/field_helpers.h"

#include <QLineEdit>
#include <QPushButton>

namespace zova {

void keepUpperCase(QLineEdit* field)
{
    QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = field->cursorPosition();
        field->setText(upper);
        field->setCursorPosition(cursor);
    });
}

QPushButton* makeButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setMinimumWidth(110);
    return button;
}

} // namespace zova
