#pragma once

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace zova {

// Upper-cases what the operator types, keeping the caret where it was.
void keepUpperCase(QLineEdit* field);

// A window button that Enter does not press by default (Enter moves between fields).
QPushButton* makeButton(const QString& text, QWidget* parent);

} // namespace zova
