#pragma once

#include "core/money.h"

#include <QLineEdit>

class QValidator;

namespace zova {

// Money typed and shown the Brazilian way: shows "R$ 1.234,50", accepts "1234,5", "1.234,50" or
// the shown text edited. Keys that cannot make an amount are refused as they are typed. Right
// aligned; the whole text is selected when the field is entered, so typing replaces it.
class CurrencyEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CurrencyEdit(QWidget* parent = nullptr);

    // Zero when the field is empty.
    Money value() const;
    void setValue(Money value);
    bool isEmpty() const { return QLineEdit::text().trimmed().isEmpty(); }

    // How the amount is shown when not being typed (default "R$ 1.234,50").
    void setDisplayFormat(MoneyFormat format);
    MoneyFormat displayFormat() const { return m_format; }
    // Negative amounts are refused unless allowed.
    void setAllowNegative(bool allow);

signals:
    // The amount changed while typing or by setValue(); read it with value().
    void valueChanged();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void reformat();
    void onTextChanged();

    QValidator* m_validator = nullptr;
    MoneyFormat m_format = MoneyFormat::Spaced;
    Money m_last;
};

} // namespace zova
