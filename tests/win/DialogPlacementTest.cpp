// Centring a dialog over a rectangle and keeping it inside the work area.
#include <gtest/gtest.h>

#include "DialogPlacement.h"

namespace {

struct PlacementCase {
    const char* name;
    QRect over, area;
    QSize size;
    QPoint expected;
    friend void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, CentresAndClamps)
{
    const PlacementCase& c = GetParam();
    EXPECT_EQ(centredPosition(c.over, c.area, c.size), c.expected);
}

const QRect kArea(0, 0, 1024, 740);  // a screen less a 28-pixel task bar

INSTANTIATE_TEST_SUITE_P(
    Cases, Placement,
    ::testing::Values(
        PlacementCase{"WorkArea", kArea, kArea, {560, 345}, {232, 198}},
        // (0 + 1023) / 2 - 561 / 2 = 511 - 280; (0 + 741) / 2 - 345 / 2 = 370 - 172.
        PlacementCase{"OddSizes", QRect(0, 0, 1023, 741), QRect(0, 0, 1023, 741), {561, 345}, {231, 198}},
        // Halves truncate toward zero on a work area left of the origin: (-1001 + 0) / 2 = -500.
        PlacementCase{"NegativeCoordinates", QRect(-1001, 0, 1001, 600), QRect(-1001, 0, 1001, 600),
                      {300, 200}, {-650, 200}},
        PlacementCase{"OffsetWorkArea", QRect(100, 50, 800, 600), QRect(100, 50, 800, 600), {400, 300},
                      {300, 200}},
        PlacementCase{"OverOwnerNearRightEdge", QRect(900, 100, 300, 200), kArea, {400, 100}, {624, 150}},
        PlacementCase{"OverOwnerAboveTopEdge", QRect(10, -300, 300, 200), kArea, {200, 100}, {60, 0}},
        // Larger than the area: the left and top edges win.
        PlacementCase{"LargerThanArea", kArea, kArea, {1100, 800}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
