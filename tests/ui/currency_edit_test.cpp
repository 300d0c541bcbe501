#include "ui/currency_edit.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using zova::Money;

namespace {

// Replaces the field's text by typing, then confirms with Enter (which reformats it).
void typeAmount(zova::CurrencyEdit& edit, const QString& keys)
{
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, keys);
    QTest::keyClick(&edit, Qt::Key_Return);
}

TEST(CurrencyEdit, ShowsBrazilianMoney)
{
    zova::CurrencyEdit edit;
    EXPECT_EQ(edit.QLineEdit::text(), u"R$ 0,00"_s);
    EXPECT_TRUE(edit.alignment() & Qt::AlignRight);
    edit.setValue(Money::fromCents(123450));
    EXPECT_EQ(edit.QLineEdit::text(), u"R$ 1.234,50"_s);
    EXPECT_EQ(edit.value(), Money::fromCents(123450));
    edit.setDisplayFormat(zova::MoneyFormat::Grouped);
    EXPECT_EQ(edit.QLineEdit::text(), u"R$1.234,50"_s);
    EXPECT_EQ(edit.value(), Money::fromCents(123450));
}

TEST(CurrencyEdit, TypedAmounts)
{
    struct Case {
        QString typed;
        Money value;
        QString shown;
    };
    const Case cases[] = {
        { u"1234,5"_s, Money::fromCents(123450), u"R$ 1.234,50"_s },
        { u"1.234,56"_s, Money::fromCents(123456), u"R$ 1.234,56"_s },
        { u",5"_s, Money::fromCents(50), u"R$ 0,50"_s },
        { u"R$ 12"_s, Money::fromReais(12), u"R$ 12,00"_s },
        { u"12a3"_s, Money::fromReais(123), u"R$ 123,00"_s }, // letters refused
        { u"1,234"_s, Money::fromCents(123), u"R$ 1,23"_s }, // third decimal refused
        { u"1,2,3"_s, Money::fromCents(123), u"R$ 1,23"_s }, // second comma refused
        { u"-5"_s, Money::fromReais(5), u"R$ 5,00"_s }, // no negatives by default
        { u""_s, Money(), u"R$ 0,00"_s }, // nothing typed leaves zero
        { u","_s, Money(), u"R$ 0,00"_s },
        { u"9999999999999"_s, Money::fromReais(999999999999), u"R$ 999.999.999.999,00"_s },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        zova::CurrencyEdit edit;
        typeAmount(edit, c.typed);
        EXPECT_EQ(edit.value(), c.value);
        EXPECT_EQ(edit.QLineEdit::text(), c.shown);
    }
}

TEST(CurrencyEdit, NegativeWhenAllowed)
{
    zova::CurrencyEdit edit;
    edit.setAllowNegative(true);
    typeAmount(edit, u"-5,5"_s);
    EXPECT_EQ(edit.value(), -Money::fromCents(550));
    EXPECT_EQ(edit.QLineEdit::text(), u"-R$ 5,50"_s);
    // The shown negative text is itself acceptable input.
    edit.setValue(edit.value());
    EXPECT_TRUE(edit.hasAcceptableInput());
}

TEST(CurrencyEdit, ReportsChangesAndSelectsAllOnEntry)
{
    QWidget window;
    auto* other = new QLineEdit(&window);
    auto* edit = new zova::CurrencyEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(other);
    layout->addWidget(edit);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QSignalSpy changed(edit, &zova::CurrencyEdit::valueChanged);
    edit->setValue(Money::fromReais(10));
    EXPECT_EQ(changed.count(), 1);
    edit->setValue(Money::fromReais(10));
    EXPECT_EQ(changed.count(), 1);

    other->setFocus();
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit->selectedText() == edit->QLineEdit::text(); }));
    QTest::keyClicks(edit, u"7"_s);
    EXPECT_EQ(edit->value(), Money::fromReais(7));
    EXPECT_EQ(changed.count(), 2);
}

} // namespace
