#include "ui/currency_edit.h"

#include <QFocusEvent>
#include <QTimer>
#include <QValidator>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

// Whole reais an amount may have on screen; well inside Money's range.
constexpr int kMaxWholeDigits = 12;

// Accepts what can become an amount while typing: an optional "R$" prefix, an optional minus,
// digits with dots between thousands, one comma and at most two decimals.
class MoneyValidator final : public QValidator {
public:
    explicit MoneyValidator(QObject* parent)
        : QValidator(parent)
    {
    }
    bool allowNegative = false;

    State validate(QString& input, int&) const override
    {
        QStringView rest = QStringView(input).trimmed();
        bool negative = false;
        auto takeMinus = [&] {
            if (!negative && rest.startsWith(u'-')) {
                negative = true;
                rest = rest.mid(1).trimmed();
            }
        };
        takeMinus(); // "-R$ 1,00", as negative amounts are shown
        if (rest.startsWith(u"R$"))
            rest = rest.mid(2).trimmed();
        else if (rest == u"R")
            return Intermediate;
        takeMinus();
        if (negative && !allowNegative)
            return Invalid;
        if (rest.isEmpty())
            return Intermediate;
        int wholeDigits = 0;
        int decimals = 0;
        bool inFraction = false;
        for (QChar c : rest) {
            if (c.isDigit() && c.unicode() < 128) {
                if (inFraction && ++decimals > 2)
                    return Invalid;
                if (!inFraction && ++wholeDigits > kMaxWholeDigits)
                    return Invalid;
            } else if (c == u',' && !inFraction) {
                inFraction = true;
            } else if (c == u'.' && !inFraction) {
                continue;
            } else {
                return Invalid;
            }
        }
        return Money::parse(rest) ? Acceptable : Intermediate;
    }

    // Leaving a field with nothing usable ("", "R$", ",") leaves zero, which is what it means.
    void fixup(QString& input) const override
    {
        if (!Money::parse(input))
            input = u"0"_s;
    }
};

} // namespace

CurrencyEdit::CurrencyEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_validator = new MoneyValidator(this);
    setValidator(m_validator);
    connect(this, &QLineEdit::editingFinished, this, &CurrencyEdit::reformat);
    connect(this, &QLineEdit::textChanged, this, &CurrencyEdit::onTextChanged);
    setValue(Money());
}

Money CurrencyEdit::value() const
{
    const QString typed = QLineEdit::text().trimmed();
    if (typed.isEmpty() || typed == u"R$")
        return {};
    return Money::parse(typed).value_or(Money());
}

void CurrencyEdit::setValue(Money value)
{
    QLineEdit::setText(value.format(m_format));
}

void CurrencyEdit::setDisplayFormat(MoneyFormat format)
{
    const Money current = value();
    m_format = format;
    setValue(current);
}

void CurrencyEdit::setAllowNegative(bool allow)
{
    static_cast<MoneyValidator*>(m_validator)->allowNegative = allow;
    if (!allow && value() < Money())
        setValue(Money());
}

void CurrencyEdit::reformat()
{
    setValue(value());
}

void CurrencyEdit::onTextChanged()
{
    const Money now = value();
    if (now != m_last) {
        m_last = now;
        emit valueChanged();
    }
}

void CurrencyEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // A mouse click places the cursor after focus-in; select once that has happened.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

} // namespace zova
