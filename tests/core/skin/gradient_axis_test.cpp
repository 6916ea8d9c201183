#include "core/skin/gradient_axis.h"

#include <gtest/gtest.h>

#include "core/skin/dialog_units.h"

namespace motivra {
namespace {

TEST(GradientAxis, AngleModulo180KeepsItsSign) {
    struct Case {
        int angle;
        std::optional<GradientAxis> axis;
    };
    const Case cases[] = {
        {0, GradientAxis::Horizontal},
        {180, GradientAxis::Horizontal},
        {360, GradientAxis::Horizontal},
        {90, GradientAxis::Vertical},
        {270, GradientAxis::Vertical},
        {45, GradientAxis::Diagonal},
        {225, GradientAxis::Diagonal},
        {135, GradientAxis::AntiDiagonal},
        {30, std::nullopt},
        {-90, std::nullopt},
        {-180, GradientAxis::Horizontal},
        {-45, std::nullopt},
        {1, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(GradientAxisForAngle(c.angle), c.axis) << "angle " << c.angle;
}

// The colour fraction a linear gradient gives a point: its projection on the line, 0 at the start, 1 at the
// end.
double Fraction(const GradientLine& l, double x, double y) {
    const double dx = l.x1 - l.x0, dy = l.y1 - l.y0;
    return ((x - l.x0) * dx + (y - l.y0) * dy) / (dx * dx + dy * dy);
}

TEST(GradientAxis, DiagonalsGiveTheMidColourToTheOtherCornersOfAnyRectangle) {
    for (const auto& [w, h] : {std::pair{10, 10}, {40, 8}, {7, 30}}) {
        const GradientLine d = GradientLineFor(GradientAxis::Diagonal, 5, 3, 5 + w, 3 + h);
        EXPECT_NEAR(Fraction(d, 5, 3), 0.0, 1e-9);
        EXPECT_NEAR(Fraction(d, 5 + w, 3 + h), 1.0, 1e-9);
        EXPECT_NEAR(Fraction(d, 5, 3 + h), 0.5, 1e-9) << w << "x" << h;
        EXPECT_NEAR(Fraction(d, 5 + w, 3), 0.5, 1e-9) << w << "x" << h;
        const GradientLine a = GradientLineFor(GradientAxis::AntiDiagonal, 5, 3, 5 + w, 3 + h);
        EXPECT_NEAR(Fraction(a, 5 + w, 3), 0.0, 1e-9);
        EXPECT_NEAR(Fraction(a, 5, 3 + h), 1.0, 1e-9);
        EXPECT_NEAR(Fraction(a, 5, 3), 0.5, 1e-9);
    }
}

TEST(DialogUnits, EdgesRoundToTheNearestPixel) {
    EXPECT_EQ(DialogUnitsToPixelsX(581), 872);  // 871.5 rounds up
    EXPECT_EQ(DialogUnitsToPixelsY(378), 614);  // 614.25
    EXPECT_EQ(DialogUnitsToPixelsY(1), 2);      // 1.625
    EXPECT_EQ(DialogUnitsToPixelsX(-3), -5);    // -4.5, away from zero
    // Neighbours share an edge: 7..14 and 14..21 across meet at pixel 21.
    const PixelBox a = DialogUnitsToPixels({7, 3, 7, 5});
    const PixelBox b = DialogUnitsToPixels({14, 8, 7, 5});
    EXPECT_EQ(a, (PixelBox{11, 5, 21, 13}));
    EXPECT_EQ(a.right, b.left);
    EXPECT_EQ(a.bottom, b.top);
}

}  // namespace
}  // namespace motivra
