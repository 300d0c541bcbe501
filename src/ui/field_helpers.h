#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QKeyEvent;
class QWidget;

namespace zova {

class Dialogs;

// Upper-cases what the operator types, keeping the caret where it was.
void keepUpperCase(QLineEdit* field);

// A text field that keeps to upper case and `maxLength` characters.
QLineEdit* upperEdit(int maxLength, QWidget* parent);

// A list the operator picks from (not typed into), with nothing chosen yet.
QComboBox* fixedList(const QStringList& items, QWidget* parent);

// The 27 state codes, in the order the office's lists show them.
const QStringList& stateCodes();

// The marital statuses a person's record takes.
const QStringList& maritalStatuses();

// A window button that Enter does not press by default (Enter moves between fields).
QPushButton* makeButton(const QString& text, QWidget* parent);

// Shows `text` in a list; a stored value a fixed list lacks is added, so saving keeps it.
void setListText(QComboBox* list, const QString& text);

// A field caption with the red mark of a required field.
QLabel* requiredCaption(const QString& text, QWidget* parent);

// Keys a numeric search box takes: digits, "," and ".", and the editing and moving keys.
bool isNumericSearchKey(const QKeyEvent* key);

// Keeps a typed-in list to its items: when the focus leaves it with a text that is neither empty
// nor exactly one of the items, "Você deve selecionar uma opção existente na lista." (+ `suffix`)
// is shown captioned "Opção Inválida", the field is emptied and gets the focus back.
void checkListOnExit(QComboBox* list, Dialogs& dialogs, const QString& suffix = {});
// The same rule applied at once (a save pressed while the list still has the focus): false when
// the text was refused.
bool keepListText(QComboBox* list, Dialogs& dialogs, const QString& suffix = {});

} // namespace zova
