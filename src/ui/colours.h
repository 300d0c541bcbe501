#pragma once

#include <QColor>

namespace zova {

// The program's colours, named as the office knows them.
inline constexpr QColor kMaroon { 128, 0, 0 }; // title bands, grid titles
inline constexpr QColor kNavy { 0, 0, 128 }; // captions; an installment due today
inline constexpr QColor kRed { 255, 0, 0 }; // overdue, inactive, not connected
inline constexpr QColor kGreen { 0, 128, 0 }; // paid, connected
inline constexpr QColor kGrey { 128, 128, 128 }; // connecting

} // namespace zova
