#include "ui/enter_as_tab.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A window with the kinds of controls the program's windows have, Enter-as-Tab installed.
struct EnterWindow : ::testing::Test {
    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    QLineEdit* second = new QLineEdit(&window);
    QComboBox* list = new QComboBox(&window);
    QPlainTextEdit* memo = new QPlainTextEdit(&window);
    QLineEdit* last = new QLineEdit(&window);
    QPushButton* save = new QPushButton(u"&SALVAR"_s, &window);
    zova::EnterAsTab* enter = zova::EnterAsTab::install(&window);

    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : std::initializer_list<QWidget*> { first, second, list, memo, last, save })
            layout->addWidget(w);
        list->addItems({ u"1"_s, u"2"_s });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Presses a key on whatever has the focus, as the keyboard would.
    static void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
    }
};

TEST_F(EnterWindow, EnterMovesThroughTheFieldsLikeTab)
{
    first->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), second);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), list);
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), memo);
    // Shift+Enter and the like are not Enter-as-Tab.
    first->setFocus();
    press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), first);
}

TEST_F(EnterWindow, ExemptWidgetGetsItsEnterAndKeepsTheFocus)
{
    enter->exempt(memo);
    memo->setFocus();
    QTest::keyClicks(memo, u"A"_s);
    press(Qt::Key_Return);
    QTest::keyClicks(memo, u"B"_s);
    EXPECT_EQ(QApplication::focusWidget(), memo);
    EXPECT_EQ(memo->toPlainText(), u"A\nB"_s);
}

TEST_F(EnterWindow, OwnEnterActionRunsInsteadOfMovingOn)
{
    bool saveEnabled = true;
    int saves = 0;
    enter->setEnterAction(last, [&] {
        if (!saveEnabled)
            return false;
        ++saves;
        return true;
    });
    last->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(QApplication::focusWidget(), last);

    saveEnabled = false; // the action declines: Enter is a Tab again
    press(Qt::Key_Return);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(QApplication::focusWidget(), save);
}

TEST_F(EnterWindow, ActionOnAListCoversItsEditor)
{
    int generated = 0;
    list->setEditable(true);
    enter->setEnterAction(list, [&] { return ++generated > 0; });
    list->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(generated, 1);
    EXPECT_EQ(list->count(), 2); // the editable list did not add the typed text as an item
}

TEST_F(EnterWindow, EnterClicksAFocusedButton)
{
    QSignalSpy clicked(save, &QPushButton::clicked);
    save->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(EnterWindow, OtherWindowsKeepTheirOwnEnter)
{
    QDialog dialog(&window);
    auto* field = new QLineEdit(&dialog);
    auto* other = new QLineEdit(&dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(field);
    layout->addWidget(other);
    QSignalSpy returned(field, &QLineEdit::returnPressed);
    dialog.show();
    dialog.activateWindow();
    // (qWaitForWindowActive would be satisfied by the parent window being active.)
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
    field->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(returned.count(), 1);
}

TEST_F(EnterWindow, EscapeRunsTheWindowsAction)
{
    int cancels = 0;
    zova::bindEscape(&window, [&] { ++cancels; });
    second->setFocus();
    press(Qt::Key_Escape);
    EXPECT_EQ(cancels, 1);
}

} // namespace
