// The section geometry: exact polygon integrals and the plates and stress
// points of each family.
#include "kern/polygon.h"
#include "kern/section_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvello::geometrie;

namespace {

const StressPoint* pointNumber(const SectionGeometry& g, int n)
{
    for (const StressPoint& p : g.points)
        if (p.number == n)
            return &p;
    return nullptr;
}

WeldedDimensions box(int form)
{
    WeldedDimensions d;
    d.form = form;
    d.topWidth = 500;
    d.topThickness = 20;
    d.bottomWidth = 460;
    d.bottomThickness = 16;
    d.webHeight = 800;
    d.webThickness = 10;
    d.webThickness2 = 10;
    d.clearWidth = 400;
    return d;
}

} // namespace

TEST(Polygon, RectangleIntegralsAreExact)
{
    // b·h, b·h³/12 about the own axis plus the parallel-axis terms.
    const Polygon r = rectangle(10, 20, 40, 80); // 30 wide, 60 high, centroid (25, 50)
    const AreaMoments m = areaMoments(r);
    EXPECT_DOUBLE_EQ(m.area, 1800.0);
    EXPECT_NEAR(m.sz / m.area, 25.0, 1e-12);
    EXPECT_NEAR(m.sy / m.area, 50.0, 1e-12);
    EXPECT_NEAR(m.iyy, 30.0 * 60 * 60 * 60 / 12 + 1800.0 * 50 * 50, 1e-6);
    EXPECT_NEAR(m.izz, 60.0 * 30 * 30 * 30 / 12 + 1800.0 * 25 * 25, 1e-6);
    EXPECT_NEAR(m.iyz, 1800.0 * 25 * 50, 1e-6);
}

TEST(Polygon, FilletAreaApproachesTheArc)
{
    // The region between a square corner and a fillet of radius r has (1 − π/4)·r².
    const Polygon f = filletPolygon({0, 0}, {1, 0}, {0, 1}, 10.0, 64);
    EXPECT_GT(signedArea(f), 0.0);
    EXPECT_NEAR(signedArea(f), (1 - M_PI / 4) * 100.0, 0.01);
}

TEST(Polygon, ContainsRespectsTolerance)
{
    const Polygon r = rectangle(0, 0, 10, 10);
    EXPECT_TRUE(contains(r, {5, 5}, 0));
    EXPECT_TRUE(contains(r, {10, 5}, 1e-9));
    EXPECT_FALSE(containsStrictly(r, {10, 5}, 1e-9));
    EXPECT_FALSE(contains(r, {11, 5}, 1e-9));
}

TEST(SingleBox, PlatesSumToTheHandArea)
{
    const BuildResult r = buildWeldedSection(box(1));
    ASSERT_TRUE(r.ok) << r.reasonEn;
    const AreaMoments m = sectionMoments(r.geometry);
    EXPECT_NEAR(m.area, 500 * 20 + 460 * 16 + 2 * 800 * 10, 1e-9);
    // Doubly symmetric about y = 0: the first moment about the z axis vanishes.
    EXPECT_NEAR(m.sz, 0.0, 1e-6);
    EXPECT_EQ(r.geometry.pointRows, 14);
}

TEST(SingleBox, PointsSitWhereTheyAreNamed)
{
    const BuildResult r = buildWeldedSection(box(1));
    ASSERT_TRUE(r.ok);
    const SectionGeometry& g = r.geometry;
    const StressPoint* p1 = pointNumber(g, 1);
    ASSERT_NE(p1, nullptr);
    EXPECT_DOUBLE_EQ(p1->at.y, 230.0);
    EXPECT_DOUBLE_EQ(p1->at.z, -8.0);
    const StressPoint* p2 = pointNumber(g, 2);
    ASSERT_NE(p2, nullptr);
    EXPECT_DOUBLE_EQ(p2->at.y, 205.0);
    EXPECT_DOUBLE_EQ(p2->at.z, 8.0);
    const StressPoint* p4 = pointNumber(g, 4);
    ASSERT_NE(p4, nullptr);
    EXPECT_DOUBLE_EQ(p4->at.z, 8.0 + 800 + 20);
    EXPECT_EQ(pointNumber(g, 14), nullptr); // no rail acting
}

TEST(SingleBox, SlopedWebsKeepTheirPlateThickness)
{
    WeldedDimensions d = box(1);
    d.webAngle = 10;
    const BuildResult r = buildWeldedSection(d);
    ASSERT_TRUE(r.ok);
    const AreaMoments m = sectionMoments(r.geometry);
    EXPECT_NEAR(m.area, 500 * 20 + 460 * 16 + 2 * 800 * 10, 1e-6);
    const StressPoint* p3 = pointNumber(r.geometry, 3);
    ASSERT_NE(p3, nullptr);
    const double a = 10 * M_PI / 180;
    EXPECT_NEAR(p3->at.y, 200 + 800 * std::sin(a) + 5 / std::cos(a), 1e-9);
    EXPECT_NEAR(p3->at.z, 8 + 800 * std::cos(a), 1e-9);
}

TEST(Stiffeners, MirroredFormsReportBothWebs)
{
    WeldedDimensions d = box(4);
    d.stiffeners[0] = {true, 30, 80, 40, 8};
    d.stiffeners[2] = {true, 70, 80, 0, 8};
    const BuildResult r = buildWeldedSection(d);
    ASSERT_TRUE(r.ok) << r.reasonEn;
    EXPECT_TRUE(r.geometry.stiffenerPresent[0]);
    EXPECT_TRUE(r.geometry.stiffenerPresent[1]);
    EXPECT_TRUE(r.geometry.stiffenerPresent[2]);
    EXPECT_TRUE(r.geometry.stiffenerPresent[3]);
    EXPECT_FALSE(r.geometry.stiffenerPresent[4]);
    const StressPoint* p9 = pointNumber(r.geometry, 9);
    const StressPoint* p10 = pointNumber(r.geometry, 10);
    ASSERT_TRUE(p9 && p10);
    EXPECT_DOUBLE_EQ(p9->at.y, -p10->at.y);
    EXPECT_DOUBLE_EQ(p9->at.z, 8 + 0.3 * 800);
    // Leg 1 (80 × 8) and leg 2 (40 × 8, overall from leg 1's top face), twice, plus a flat 80 × 8 twice.
    const AreaMoments m = sectionMoments(r.geometry);
    EXPECT_NEAR(m.area, 500 * 20 + 460 * 16 + 2 * 800 * 10 + 2 * (80 * 8 + 32 * 8) + 2 * 80 * 8, 1e-6);
}

TEST(Refusals, NamesWhatIsWrong)
{
    WeldedDimensions d = box(1);
    d.webThickness = 0;
    const BuildResult r = buildWeldedSection(d);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.reasonDe.find("Stegdicke"), std::string::npos);
    EXPECT_NE(r.reasonEn.find("web thickness"), std::string::npos);
    EXPECT_FALSE(buildWeldedSection(box(200)).ok);
    EXPECT_FALSE(buildWeldedSection(box(59)).ok);
}

TEST(Rolled, AreaMatchesTheCatalogueFormula)
{
    // A = 2·b·tf + (h − 2·tf)·tw + (4 − π)·r² (HEA 300: h 290, b 300, tw 8.5, tf 14, r 27).
    RolledDimensions d;
    d.profile = {290, 300, 8.5, 14, 27};
    const BuildResult r = buildRolledSection(d);
    ASSERT_TRUE(r.ok) << r.reasonEn;
    const double exact = 2 * 300 * 14 + (290 - 28) * 8.5 + (4 - M_PI) * 27 * 27;
    EXPECT_NEAR(sectionMoments(r.geometry).area, exact, 1e-3 * exact);
    EXPECT_EQ(r.geometry.pointRows, 6);
}

TEST(Rolled, BottomProfileMustLeaveRoomForTheWeb)
{
    RolledDimensions d;
    d.mode = 110;
    d.profile = {290, 300, 8.5, 14, 27};
    d.bottom = {250, 300, 8.5, 14, 27};
    EXPECT_FALSE(buildRolledSection(d).ok);
    d.bottom.height = 100;
    const BuildResult r = buildRolledSection(d);
    ASSERT_TRUE(r.ok) << r.reasonEn;
    EXPECT_EQ(r.geometry.pointRows, 7);
}

// --- Governing points (from row 18) ------------------------------------------------

namespace {

const StressPoint* governingNumber(const std::vector<StressPoint>& points, int n)
{
    for (const StressPoint& p : points)
        if (p.number == n)
            return &p;
    return nullptr;
}

std::vector<int> candidateNumbers(const SectionGeometry& g)
{
    std::vector<int> n;
    for (const GoverningCandidate& c : g.governing)
        n.push_back(c.number);
    return n;
}

} // namespace

TEST(Governing, NumberedAfterTheFixedPoints)
{
    static_assert(kFixedPointRows == 17 && kMaxStressPoints == 30);
    const BuildResult r = buildWeldedSection(box(1));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(candidateNumbers(r.geometry), (std::vector<int>{18, 19}));
    EXPECT_EQ(r.geometry.pointRows, 14);
    EXPECT_EQ(resultRows(r.geometry), 19);
    for (const StressPoint& p : r.geometry.points)
        EXPECT_FALSE(p.governing);

    RolledDimensions d;
    d.profile = {300, 300, 11, 19, 27};
    const BuildResult heb = buildRolledSection(d);
    ASSERT_TRUE(heb.ok);
    EXPECT_EQ(candidateNumbers(heb.geometry), (std::vector<int>{18, 19, 20}));
    EXPECT_EQ(resultRows(heb.geometry), 20);
}

TEST(Governing, SlopedWebPointLiesOnItsMidLineAtTheCentroidHeight)
{
    WeldedDimensions d = box(1);
    d.webAngle = 10;
    const BuildResult r = buildWeldedSection(d);
    ASSERT_TRUE(r.ok);
    const double a = 10 * M_PI / 180, zs = 400;
    const std::vector<StressPoint> pts = governingPoints(r.geometry, zs);
    const StressPoint* right = governingNumber(pts, 18);
    const StressPoint* left = governingNumber(pts, 19);
    ASSERT_TRUE(right && left);
    EXPECT_TRUE(right->governing);
    // The mid-line starts half the horizontal cut t/cos α beside the inner face at the bottom flange (z = 8).
    EXPECT_NEAR(right->at.y, 200 + (zs - 8) * std::tan(a) + 5 / std::cos(a), 1e-9);
    EXPECT_DOUBLE_EQ(right->at.z, zs);
    EXPECT_NEAR(left->at.y, -right->at.y, 1e-9);
    // The shear component reported is the one up along the web.
    EXPECT_NEAR(right->direction.y, std::sin(a), 1e-12);
    EXPECT_NEAR(right->direction.z, std::cos(a), 1e-12);
    EXPECT_NEAR(left->direction.y, -std::sin(a), 1e-12);
    EXPECT_DOUBLE_EQ(right->thickness, 10.0);
    // A web that does not reach the height has no point there.
    EXPECT_TRUE(governingPoints(r.geometry, 900).empty());
}

TEST(Governing, HalfHWebContinuesIntoTheStem)
{
    WeldedDimensions d = box(115);
    d.profile = {300, 300, 11, 19, 27};
    d.bottomWidth = 600;
    d.webHeight = 1000;
    const BuildResult r = buildWeldedSection(d);
    ASSERT_TRUE(r.ok) << r.reasonEn;
    // The stem reaches (300 − 38)/2 = 131 below the H flange, whose top face is at 8 + 1000 + 20.
    const double zTop = 8 + 1000 + 20, zWeld = zTop - 19 - 131;
    const std::vector<StressPoint> high = governingPoints(r.geometry, zWeld + 50);
    const std::vector<StressPoint> low = governingPoints(r.geometry, zWeld - 50);
    const StressPoint* inStem = governingNumber(high, 18);
    const StressPoint* inPlate = governingNumber(low, 18);
    ASSERT_TRUE(inStem && inPlate);
    EXPECT_DOUBLE_EQ(inStem->thickness, 11.0);
    EXPECT_DOUBLE_EQ(inPlate->thickness, 10.0);
    EXPECT_DOUBLE_EQ(inStem->at.y, inPlate->at.y);
    // The H flange's face point: halfway along its right outstand.
    const StressPoint* face = governingNumber(high, 20);
    ASSERT_NE(face, nullptr);
    EXPECT_NEAR(face->at.y - inStem->at.y, (5.5 + 27 + 150) / 2, 1e-9);
    EXPECT_DOUBLE_EQ(face->at.z, zTop);
}

TEST(Governing, RolledFlangeFacesHalfwayAlongTheOutstand)
{
    RolledDimensions d;
    d.profile = {300, 300, 11, 19, 27};
    const BuildResult heb = buildRolledSection(d);
    ASSERT_TRUE(heb.ok);
    const std::vector<StressPoint> pts = governingPoints(heb.geometry, 150);
    ASSERT_EQ(pts.size(), 3u);
    EXPECT_DOUBLE_EQ(pts[0].at.y, 0.0); // the web at mid-height
    EXPECT_DOUBLE_EQ(pts[0].at.z, 150.0);
    EXPECT_DOUBLE_EQ(pts[1].at.y, (5.5 + 27 + 150) / 2);
    EXPECT_DOUBLE_EQ(pts[1].at.z, -9.5);
    EXPECT_DOUBLE_EQ(pts[2].at.z, 300 - 9.5);
    // A flat rail 80 wide covers the face beyond the fillet: the point moves beside it.
    d.mode = 103;
    d.railWidth = 80;
    d.railHeight = 30;
    const BuildResult rail = buildRolledSection(d);
    ASSERT_TRUE(rail.ok);
    const std::vector<StressPoint> railPoints = governingPoints(rail.geometry, 150);
    const StressPoint* top = governingNumber(railPoints, 20);
    ASSERT_NE(top, nullptr);
    EXPECT_DOUBLE_EQ(top->at.y, (40 + 150) / 2.0);
}

TEST(AngleSection, P1StandsAwayFromTheReEntrantCorner)
{
    WeldedDimensions d = box(215);
    d.bottomWidth = 400;
    d.bottomThickness = 20;
    d.webHeight = 900;
    d.webThickness = 12;
    d.clearWidth = 350;
    d.webHeight2 = 700;
    d.flatWidth = 150;
    d.flatHeight = 20;
    const BuildResult r = buildWeldedSection(d);
    ASSERT_TRUE(r.ok) << r.reasonEn;
    const StressPoint* p1 = pointNumber(r.geometry, 1);
    ASSERT_NE(p1, nullptr);
    // The flange ends at the web's inner face, y = 175: P1 one flange thickness to its left.
    EXPECT_DOUBLE_EQ(p1->at.y, 175.0 - 20.0);
    EXPECT_DOUBLE_EQ(p1->at.z, -10.0);
    EXPECT_EQ(candidateNumbers(r.geometry), (std::vector<int>{18, 19}));
    EXPECT_EQ(resultRows(r.geometry), 19);
}
