#pragma once
/// The program's icon, as the windows show it and as the desktop menu lists it.

#include <QIcon>
#include <vector>

namespace vemlo {

/// The sizes in which the icon is drawn at build time (square, in pixels).
const std::vector<int>& ProgramIconSizes();

/// The icon built into the program, in every size of ProgramIconSizes.
QIcon ProgramIcon();

}  // namespace vemlo
