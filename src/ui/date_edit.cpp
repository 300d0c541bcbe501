#include "ui/date_edit.h"

#include "core/dates.h"

namespace zova {

DateEdit::DateEdit(QWidget* parent)
    : MaskedLineEdit(kDateMask, u' ', parent)
{
}

QDate DateEdit::date() const
{
    if (!isComplete())
        return {};
    const QDate typed = parseDateText(text());
    return typed.isValid() ? typed : QDate();
}

void DateEdit::setDate(const QDate& date)
{
    setText(dateText(date));
}

bool DateEdit::isBlank() const
{
    return isBlankDateText(text());
}

} // namespace zova
