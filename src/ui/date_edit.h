#pragma once

#include "ui/masked_line_edit.h"

#include <QDate>

namespace zova {

// The program's date field: dd/mm/yyyy typed into a mask, "  /  /    " when empty.
class DateEdit : public MaskedLineEdit {
    Q_OBJECT

public:
    explicit DateEdit(QWidget* parent = nullptr);

    // The typed date; a null QDate when blank, partly typed or impossible (31/02/2024).
    QDate date() const;
    // A null date empties the field.
    void setDate(const QDate& date);

    // Nothing typed: the text is the empty mask.
    bool isBlank() const;
    // A complete, possible date.
    bool isValidDate() const { return date().isValid(); }
};

} // namespace zova
