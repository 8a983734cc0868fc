#include "docking/mdi/VrxPFitPlacement.h"

#include <gtest/gtest.h>

namespace
{
struct FitCase
{
    const char* name;
    CRect stored;
    BOOL fits;
    CRect fitted;
};

TEST(VrxPFitPlacementTest, StoredRectanglesFitTheWorkAreaOrAreRefused)
{
    const CRect workArea(0, 0, 1024, 740);
    const FitCase cases[] = {
        {"inside stays", CRect(40, 30, 640, 480), TRUE, CRect(40, 30, 640, 480)},
        {"overlapping left keeps its size", CRect(-100, 50, 500, 450), TRUE, CRect(0, 50, 600, 450)},
        {"overlapping bottom right moves in", CRect(900, 600, 1300, 900), TRUE, CRect(624, 440, 1024, 740)},
        {"larger than the area shrinks to it", CRect(-10, -10, 3000, 2000), TRUE, CRect(0, 0, 1024, 740)},
        {"on a missing monitor", CRect(2000, 100, 2600, 500), FALSE, CRect()},
        {"zero width", CRect(100, 100, 100, 400), FALSE, CRect()},
        {"negative height", CRect(100, 400, 500, 100), FALSE, CRect()},
        {"implausible size", CRect(0, 0, 70000, 500), FALSE, CRect()},
    };
    for (const FitCase& c : cases)
    {
        CRect fitted(1, 2, 3, 4);
        EXPECT_EQ(c.fits, VrxPFitPlacement(c.stored, workArea, fitted)) << c.name;
        if (c.fits)
            EXPECT_EQ(c.fitted, fitted) << c.name;
        else
            EXPECT_EQ(CRect(1, 2, 3, 4), fitted) << c.name << ": untouched";
    }
}
} // namespace
