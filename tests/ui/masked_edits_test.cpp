#include "core/dates.h"
#include "ui/date_edit.h"
#include "ui/masked_line_edit.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Types into a field from its first position, as an operator does after entering it.
void typeInto(QLineEdit& edit, const QString& keys)
{
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, keys);
}

TEST(DateEdit, TypedDates)
{
    struct Case {
        QString typed;
        QString text;
        QDate date;
        bool blank;
    };
    const Case cases[] = {
        { u""_s, u"  /  /    "_s, QDate(), true },
        { u"17052024"_s, u"17/05/2024"_s, QDate(2024, 5, 17), false },
        { u"29022024"_s, u"29/02/2024"_s, QDate(2024, 2, 29), false },
        { u"31022024"_s, u"31/02/2024"_s, QDate(), false }, // impossible
        { u"29022023"_s, u"29/02/2023"_s, QDate(), false },
        { u"0105202"_s, u"01/05/202 "_s, QDate(), false }, // partly typed
        { u"1x705"_s, u"17/05/    "_s, QDate(), false }, // letters refused
        { u"00002024"_s, u"00/00/2024"_s, QDate(), false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        zova::DateEdit edit;
        typeInto(edit, c.typed);
        EXPECT_EQ(edit.text(), c.text);
        EXPECT_EQ(edit.date(), c.date);
        EXPECT_EQ(edit.date().isNull(), !c.date.isValid());
        EXPECT_EQ(edit.isBlank(), c.blank);
        EXPECT_EQ(edit.isValidDate(), c.date.isValid());
    }
}

TEST(DateEdit, SetDateAndBlank)
{
    zova::DateEdit edit;
    EXPECT_EQ(edit.text(), zova::kEmptyDateMask.toString());
    edit.setDate(QDate(2024, 1, 5));
    EXPECT_EQ(edit.text(), u"05/01/2024"_s);
    EXPECT_EQ(edit.date(), QDate(2024, 1, 5));
    edit.setDate(QDate());
    EXPECT_EQ(edit.text(), zova::kEmptyDateMask.toString());
    EXPECT_TRUE(edit.isBlank());
    // Stored texts come back as they were, blanks included.
    edit.setText(u"  /  /    "_s);
    EXPECT_TRUE(edit.isBlank());
    edit.setText(u"12/  /2024"_s);
    EXPECT_EQ(edit.text(), u"12/  /2024"_s);
    EXPECT_FALSE(edit.isValidDate());
}

TEST(MaskedLineEdit, StoredFormKeepsSeparatorsAndBlanks)
{
    struct Case {
        QStringView mask;
        QChar blank;
        QString typed;
        QString text;
        bool complete;
    };
    const Case cases[] = {
        { zova::kCpfMask, u'_', u""_s, u"   .   .   -  "_s, false },
        { zova::kCpfMask, u'_', u"12345678909"_s, u"123.456.789-09"_s, true },
        { zova::kCpfMask, u'_', u"123a4"_s, u"123.4  .   -  "_s, false },
        { zova::kCepMask, u'_', u""_s, u"  .   -   "_s, false },
        { zova::kCepMask, u'_', u"12345678"_s, u"12.345-678"_s, true },
        { zova::kPhoneMask, u' ', u""_s, u"(  )     -    "_s, false },
        { zova::kPhoneMask, u' ', u"11987654321"_s, u"(11)98765-4321"_s, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " in " + c.mask.toString().toStdString());
        zova::MaskedLineEdit edit(c.mask, c.blank);
        typeInto(edit, c.typed);
        EXPECT_EQ(edit.text(), c.text);
        EXPECT_EQ(edit.isBlank(), c.typed.isEmpty());
        EXPECT_EQ(edit.isComplete(), c.complete);
        EXPECT_EQ(edit.blankText().size(), c.text.size());
    }
}

TEST(MaskedLineEdit, ScreenShowsBlankCharButTextIsStoredForm)
{
    zova::MaskedLineEdit cpf(zova::kCpfMask, u'_');
    EXPECT_EQ(cpf.displayText(), u"___.___.___-__"_s);
    // Qt's own text() would drop the blanks; the program stores them as spaces.
    EXPECT_EQ(static_cast<QLineEdit&>(cpf).text(), u"..-"_s);
    EXPECT_EQ(cpf.text(), u"   .   .   -  "_s);

    // Stored values load position by position, with or without separators.
    cpf.setText(u"123.45 .   -  "_s);
    EXPECT_EQ(cpf.text(), u"123.45 .   -  "_s);
    EXPECT_EQ(cpf.displayText(), u"123.45_.___-__"_s);
    cpf.setText(u"12345678909"_s);
    EXPECT_EQ(cpf.text(), u"123.456.789-09"_s);
    EXPECT_EQ(cpf.typedText(), u"12345678909"_s);
    cpf.setText(cpf.blankText());
    EXPECT_TRUE(cpf.isBlank());
}

} // namespace
