#pragma once

#include <QLineEdit>
#include <QStringView>

namespace zova {

// Masks of the program's fields, in Qt's mask syntax. '0' is a digit that may stay blank, as in
// the original masks, so a partly typed or blank value can be shown again position by position.
inline constexpr QStringView kCpfMask = u"000.000.000-00";
inline constexpr QStringView kCepMask = u"00.000-000";
inline constexpr QStringView kPhoneMask = u"(00)00000-0000";
inline constexpr QStringView kDateMask = u"00/00/0000";

// A line edit with an input mask whose text is what the mask shows, separators included and a
// space for every position not typed: "123.456.789-09", "   .   .   -  " when empty. That is the
// form stored in the database. (QLineEdit::text() would drop the blanks: "..-".)
//
// text() and setText() hide QLineEdit's own; call them on a MaskedLineEdit, not a QLineEdit*.
// Masks are plain: input characters and literals, without case or escape modifiers.
class MaskedLineEdit : public QLineEdit {
    Q_OBJECT

public:
    // `blank` is only what the screen shows for untyped positions ('_' for CPF and CEP).
    explicit MaskedLineEdit(QStringView mask, QChar blank = u' ', QWidget* parent = nullptr);

    QString mask() const { return m_mask; }
    // The stored form of an empty field: "   .   .   -  ", "  /  /    ".
    QString blankText() const;

    QString text() const;
    // Takes a stored text (blanks as spaces); separators may be present or not.
    void setText(const QString& text);

    // Nothing typed.
    bool isBlank() const;
    // Every position typed.
    bool isComplete() const;
    // Only the typed characters: "12345678909".
    QString typedText() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool isSeparator(qsizetype pos) const;

    QString m_mask;
    QChar m_blank;
};

} // namespace zova
