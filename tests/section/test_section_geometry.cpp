// The section geometry: exact polygon integrals, and where each family puts its
// plates and stress points (y = 0 mid clear width, z = 0 the bottom flange's mid-plane).
#include "kern/polygon.h"
#include "kern/section_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

using namespace tarvello::geometrie;

namespace {

// Top flange 500 × 20, bottom flange 460 × 16, webs 800 high, right 10 and left 12 thick, clear width 400.
WeldedDimensions box(int form)
{
    WeldedDimensions d;
    d.form = form, d.topWidth = 500, d.topThickness = 20, d.bottomWidth = 460, d.bottomThickness = 16;
    d.webHeight = 800, d.webThickness = 10, d.webThickness2 = 12, d.clearWidth = 400;
    return d;
}

// Each {number, y, z} among the points, to 1e-9 mm.
void expectPoints(const std::vector<StressPoint>& points, const std::vector<std::array<double, 3>>& expected)
{
    for (const auto& [n, y, z] : expected) {
        const auto p = std::find_if(points.begin(), points.end(), [n = n](const StressPoint& q) { return q.number == n; });
        ASSERT_NE(p, points.end()) << "P" << n;
        EXPECT_NEAR(std::hypot(p->at.y - y, p->at.z - z), 0.0, 1e-9) << "P" << n << " at " << p->at.y << ", " << p->at.z;
    }
}

} // namespace

TEST(Polygon, IntegralsOfARectangleAndAFillet)
{
    // b·h, b·h³/12 about the own axis plus the parallel-axis terms, for 30 × 60 centred at (25, 50).
    const AreaMoments m = areaMoments(rectangle(10, 20, 40, 80));
    EXPECT_DOUBLE_EQ(m.area, 1800.0);
    EXPECT_NEAR(m.sz, 1800.0 * 25, 1e-9);
    EXPECT_NEAR(m.sy, 1800.0 * 50, 1e-9);
    EXPECT_NEAR(m.iyy, 30.0 * 60 * 60 * 60 / 12 + 1800.0 * 50 * 50, 1e-6);
    EXPECT_NEAR(m.izz, 60.0 * 30 * 30 * 30 / 12 + 1800.0 * 25 * 25, 1e-6);
    EXPECT_NEAR(m.iyz, 1800.0 * 25 * 50, 1e-6);
    // Between a square corner and a fillet of radius r lies (1 − π/4)·r², counter-clockwise.
    EXPECT_NEAR(signedArea(filletPolygon({0, 0}, {1, 0}, {0, 1}, 10.0, 64)), (1 - M_PI / 4) * 100.0, 0.01);
}

TEST(SingleBox, PlatesAndPointsWhereTheyAreNamed)
{
    const BuildResult r = buildWeldedSection(box(1));
    ASSERT_TRUE(r.ok) << r.reasonEn;
    // Flange ends on the outer faces, web points on the webs' mid-lines at the flanges' faces.
    expectPoints(r.geometry.points, {{1, 230, -8}, {2, 205, 8}, {3, 205, 808}, {4, 250, 828},
                                     {5, -230, -8}, {6, -206, 8}, {7, -206, 808}, {8, -250, 828}});
}

TEST(SingleBox, SlopedWebsKeepTheirThicknessSquareToTheWeb)
{
    WeldedDimensions d = box(1);
    d.webAngle = 10;
    const BuildResult r = buildWeldedSection(d);
    ASSERT_TRUE(r.ok) << r.reasonEn;
    const double a = 10 * M_PI / 180;
    EXPECT_NEAR(sectionMoments(r.geometry).area, 500 * 20 + 460 * 16 + 800 * 10 + 800 * 12, 1e-6);
    // Mid-lines start half the horizontal cut t/cos α beside the inner faces at the bottom flange (z = 8).
    expectPoints(r.geometry.points, {{3, 200 + 800 * std::sin(a) + 5 / std::cos(a), 8 + 800 * std::cos(a)}});
    // The shear reported is the component up along each web.
    for (const StressPoint& p : r.geometry.points)
        if (p.number == 3 || p.number == 7) {
            EXPECT_NEAR(p.direction.y, (p.number == 3 ? 1 : -1) * std::sin(a), 1e-12) << "P" << p.number;
            EXPECT_NEAR(p.direction.z, std::cos(a), 1e-12) << "P" << p.number;
        }
}

TEST(SingleBox, MirroredStiffenersAndRefusals)
{
    // Form 4 stands rows 1 and 3 on both webs: stiffeners 2 and 4 exist with them.
    WeldedDimensions d = box(4);
    d.stiffeners[0] = {true, 30, 80, 40, 8};
    d.stiffeners[2] = {true, 70, 80, 0, 8};
    const BuildResult r = buildWeldedSection(d);
    ASSERT_TRUE(r.ok) << r.reasonEn;
    EXPECT_EQ(r.geometry.stiffenerPresent, (std::array<bool, 5>{true, true, true, true, false}));
    expectPoints(r.geometry.points, {{9, 205, 8 + 240}, {10, -206, 8 + 240}, {11, 205, 8 + 560}, {12, -206, 8 + 560}});
    // Leg 1 (80 × 8) and leg 2 (40 × 8 overall, from leg 1's top face) twice, a flat 80 × 8 twice.
    EXPECT_NEAR(sectionMoments(r.geometry).area, 500 * 20 + 460 * 16 + 800 * 22 + 2 * (80 * 8 + 32 * 8) + 2 * 80 * 8, 1e-6);
    // The copies on the second web are named after the row the user typed: there is no row 2 or 4 to name.
    std::vector<std::string> namen;
    for (const Plate& p : r.geometry.plates)
        if (p.nameDe.rfind("Steife", 0) == 0 && std::find(namen.begin(), namen.end(), p.nameDe) == namen.end())
            namen.push_back(p.nameDe);
    EXPECT_EQ(namen, (std::vector<std::string>{"Steife 1", "Steife 1 gegenüber", "Steife 3", "Steife 3 gegenüber"}));
    d.webThickness = 0;
    const BuildResult no = buildWeldedSection(d);
    EXPECT_TRUE(!no.ok && no.reasonDe.find("Stegdicke") != std::string::npos &&
                no.reasonEn.find("web thickness") != std::string::npos) << no.reasonDe << " / " << no.reasonEn;
}

TEST(HalfH, WebContinuesIntoTheStem)
{
    WeldedDimensions d = box(115);
    d.profile = {300, 300, 11, 19, 27};
    d.bottomWidth = 600, d.webHeight = 1000, d.webThickness2 = 0;
    const BuildResult r = buildWeldedSection(d);
    ASSERT_TRUE(r.ok) << r.reasonEn;
    // The stem reaches (300 − 2·19)/2 = 131 below the H flange, whose top face is at 8 + 1000 + 20; the
    // web plate and the stem share one mid-line: 11 thick above the weld, 10 below it.
    const double axis = 205, zTop = 8 + 1000 + 20, zWeld = zTop - 19 - 131;
    const auto thicknessAt = [&](Point q) {
        for (const Plate& p : r.geometry.plates)
            if (contains(p.outline, q, 1e-9))
                return p.thickness;
        return 0.0;
    };
    EXPECT_EQ(thicknessAt({axis, zWeld + 50}), 11.0);
    EXPECT_EQ(thicknessAt({axis, zWeld - 50}), 10.0);
    expectPoints(r.geometry.points, {{15, axis, zWeld}});
}

TEST(Rolled, ProfileOnABottomProfileAndFlatRail)
{
    // 110: IPE 500 (500, 200, 10.2, 16, 21) on a bottom profile with a 100-high stem from an HEA 300
    // (BU 300, SU 8.5, TU 14, RU 27): overall height H, the top flange's face at H − TU/2.
    RolledDimensions d;
    d.mode = 110, d.profile = {500, 200, 10.2, 16, 21}, d.bottom = {100, 300, 8.5, 14, 27};
    const BuildResult r = buildRolledSection(d);
    ASSERT_TRUE(r.ok) << r.reasonEn;
    EXPECT_EQ(boundingBox(r.geometry), (std::array<double, 4>{-150, -7, 150, 493}));
    expectPoints(r.geometry.points, {{1, 150, -7}, {2, 0, 7 + 27}, {3, 0, 493 - 16 - 21}, {4, 100, 493}, {5, -150, -7},
                                     {6, -100, 493}, {7, 0, 107}});
    // 103, HEB 300 with a flat rail: on the flange, and refused where wider than the flange.
    d.mode = 103, d.railWidth = 300, d.railHeight = 30;
    d.profile = {300, 300, 11, 19, 27};
    EXPECT_TRUE(buildRolledSection(d).ok);
    d.railWidth = 320;
    const BuildResult wide = buildRolledSection(d);
    EXPECT_FALSE(wide.ok);
    EXPECT_TRUE(wide.railOverhang);
    EXPECT_NE(wide.reasonEn.find("projects beyond the flange"), std::string::npos) << wide.reasonEn;
}

TEST(AngleSection, P1StandsAwayFromTheReEntrantCorner)
{
    WeldedDimensions d = box(215);
    d.bottomWidth = 400, d.bottomThickness = 20, d.webHeight = 900, d.webThickness = 12, d.clearWidth = 350;
    d.webHeight2 = 700, d.flatWidth = 150, d.flatHeight = 20;
    const BuildResult r = buildWeldedSection(d);
    ASSERT_TRUE(r.ok) << r.reasonEn;
    // The flange ends at the web's inner face, y = 175, where the web reaching below it makes a
    // re-entrant corner: P1 stands one flange thickness to its left.
    expectPoints(r.geometry.points, {{1, 175 - 20, -10}, {5, 175 - 400, -10}});
}
