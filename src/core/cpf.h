#pragma once

#include <QStringView>

namespace zova {

// The text the CPF mask shows when nothing was typed.
inline constexpr QStringView kEmptyCpfMask = u"   .   .   -  ";

// Brazilian taxpayer number check (modulus 11) after removing "." and "-".
bool cpfValido(QStringView cpf);

} // namespace zova
