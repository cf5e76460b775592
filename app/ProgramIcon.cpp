#include "app/ProgramIcon.h"

#include <QString>

namespace vemlo {

const std::vector<int>& ProgramIconSizes() {
    static const std::vector<int> sizes{VEMLO_ICON_SIZES};
    return sizes;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int n : ProgramIconSizes()) icon.addFile(QStringLiteral(":/icons/vemlo-%1.png").arg(n), QSize(n, n));
    return icon;
}

}  // namespace vemlo
