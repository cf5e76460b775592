// The windows carry the program's icon, built in at every size the desktop
// asks for: a shaded surface on a transparent ground.
#include <QIcon>
#include <QImage>
#include <QSet>

#include "ui_fixture.h"
#include "app/ProgramIcon.h"

namespace vemlo::testing {
namespace {

using ProgramIconTest = UiTest;

TEST_F(ProgramIconTest, StartMenuAndMainWindowShowTheIconInEverySize) {
    QSet<QSize> sizes;
    for (int n : ProgramIconSizes()) sizes.insert(QSize(n, n));
    ASSERT_TRUE(sizes.contains(QSize(16, 16)));
    ASSERT_TRUE(sizes.contains(QSize(48, 48)));
    ASSERT_TRUE(sizes.contains(QSize(256, 256)));
    Pick('1');
    for (QWidget* w : {static_cast<QWidget*>(MainMenu1), static_cast<QWidget*>(VemloScrn1)}) {
        SCOPED_TRACE(w->objectName().toStdString());
        const QList<QSize> shown = w->windowIcon().availableSizes();
        EXPECT_EQ(QSet<QSize>(shown.begin(), shown.end()), sizes);
    }
}

TEST_F(ProgramIconTest, EachSizeIsASurfaceOnATransparentGround) {
    for (int n : ProgramIconSizes()) {
        SCOPED_TRACE(n);
        const QImage icon =
            ProgramIcon().pixmap(QSize(n, n)).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(n, n));
        for (QPoint corner : {QPoint(0, 0), QPoint(n - 1, 0), QPoint(0, n - 1), QPoint(n - 1, n - 1)})
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(n / 2, n / 2)), 255);
        // Shaded facets, not one flat colour.
        QSet<QRgb> colours;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (qAlpha(icon.pixel(x, y)) == 255) colours.insert(icon.pixel(x, y));
        EXPECT_GE(colours.size(), 6);
    }
}

}  // namespace
}  // namespace vemlo::testing
