// Section values against closed forms and published examples, each named by its
// original source: [TG] Timoshenko & Goodier, Theory of Elasticity (torsion of a
// rectangle, series solution); [J] Johnson, Advanced Structural Mechanics, eq.
// 2.37–2.40 (Bredt–Batho, single and multi-cell); [P] Pilkey, Analysis and Design of
// Elastic Beams (shear centre, shear areas, stresses); [Pe] Peery, Aircraft
// Structures (bending with a product of inertia); [C] Cowper, The shear coefficient
// in Timoshenko's beam theory (energy shear area of a rectangle).
#include "test_sections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace testsections;
using delmarix::analyseSection;
using delmarix::Analysis;
using delmarix::AnalysisOptions;

namespace {

// Timoshenko & Goodier series for J of an a × b rectangle, a ≥ b [TG].
double rectangleTorsion(double a, double b)
{
    double sum = 0.0;
    for (int n = 1; n < 200; n += 2)
        sum += std::tanh(n * M_PI * a / (2 * b)) / std::pow(n, 5);
    return a * b * b * b / 3.0 * (1.0 - 192.0 / std::pow(M_PI, 5) * (b / a) * sum);
}

Analysis analysed(const std::vector<Plate>& plates, double poisson = 0.3, const std::vector<StressPoint>& points = {})
{
    AnalysisOptions o;
    o.poisson = poisson;
    Analysis a = analyseSection(plates, points, o);
    EXPECT_TRUE(a.ok) << a.reasonEn;
    return a;
}

void expectRelative(double actual, double expected, double tolerance, const char* what)
{
    EXPECT_NEAR(actual / expected, 1.0, tolerance) << what << ": " << actual << " against " << expected;
    std::printf("  %-44s %14.7g  reference %14.7g  deviation %+.3f %%\n", what, actual, expected,
                100.0 * (actual / expected - 1.0));
}

std::vector<Plate> moved(const std::vector<Plate>& plates, double dy, double dz, double angle)
{
    std::vector<Plate> out = plates;
    for (Plate& p : out)
        p.outline = tarvello::geometrie::movedAndTurned(p.outline, dy, dz, angle);
    return out;
}

// Z-section of Peery's example [Pe]: flanges 6 × 2, web 2 × 8.
std::vector<Plate> zSection()
{
    return {rect(-5, 4, 1, 6, "top"), rect(-1, -4, 1, 4, "web"), rect(-1, -6, 5, -4, "bottom")};
}

} // namespace

// --- Area, centroid and second moments: exact polygon integrals --------------

TEST(PlateSections, AreaCentroidAndSecondMomentsOfABox)
{
    // Box by hand after [J]: flanges 410 × 20 at z = 0 and 600, webs 10 × 580.
    const Analysis r = analysed(boxSection(400, 600, 20, 10, 10));
    const double area = 2 * 410 * 20 + 2 * 580 * 10;
    const double iy = 2 * (410 * 20 * 20 * 20 / 12.0 + 410 * 20 * 300.0 * 300) + 2 * 10 * 580.0 * 580 * 580 / 12;
    const double iz = 2 * 20 * 410.0 * 410 * 410 / 12 + 2 * (580 * 10 * 10 * 10 / 12.0 + 580 * 10 * 200.0 * 200);
    expectRelative(r.values.area, area, 1e-3, "box A");
    expectRelative(r.values.ys, 200.0, 1e-3, "box ys");
    expectRelative(r.values.zs, 300.0, 1e-3, "box zs");
    expectRelative(r.values.iy, iy, 1e-3, "box Iy");
    expectRelative(r.values.iz, iz, 1e-3, "box Iz");
    EXPECT_NEAR(r.values.meshArea, r.values.area, 1e-9 * r.values.area);
}

TEST(PlateSections, UnsymmetricZSectionPrincipalValues)
{
    // [Pe]: Ix = 693.3, Iy = 173.3, Ixy = −240, I1 = 787.1, I2 = 79.5, θ = 21.35°.
    const Analysis r = analysed(zSection());
    expectRelative(r.values.iyyCentroidal, 693.333, 1e-3, "Z Ix");
    expectRelative(r.values.izzCentroidal, 173.333, 1e-3, "Z Iy");
    expectRelative(r.values.iyzCentroidal, -240.0, 1e-3, "Z Ixy");
    expectRelative(r.values.iy, 787.1, 1e-3, "Z I1");
    expectRelative(r.values.iz, 79.5, 2e-3, "Z I2");
    expectRelative(r.values.angle * 180 / M_PI, 21.35, 1e-3, "Z angle (deg)");
}

// --- St Venant torsion ------------------------------------------------------------

class RectangleTorsion : public ::testing::TestWithParam<double> {};

TEST_P(RectangleTorsion, MatchesTheExactSeries)
{
    const double ratio = GetParam();
    const double b = 50.0, a = ratio * b;
    const Analysis r = analysed(rectangleSection(a, b));
    char what[64];
    std::snprintf(what, sizeof what, "rectangle J, a/b = %.1f", ratio);
    expectRelative(r.values.torsionConstant, rectangleTorsion(a, b), 0.005, what);
}

INSTANTIATE_TEST_SUITE_P(AspectRatios, RectangleTorsion,
                         ::testing::Values(1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 7.5, 10.0));

TEST(Torsion, RectangleReferenceValue)
{
    // [TG]: the series gives 2 858 521 for 100 × 50.
    expectRelative(analysed(rectangleSection(100, 50)).values.torsionConstant, 2858521.0, 0.005, "100x50 J");
}

TEST(Torsion, BredtSingleBox)
{
    // [J]: b = 400, h = 600, t_f = 20, t_w = 10: J = 1.440000e9.
    expectRelative(analysed(boxSection(400, 600, 20, 10, 10)).values.torsionConstant, 1.44e9, 0.03, "Bredt box J");
}

TEST(Torsion, SymmetricTwoCellIgnoresTheMiddleWeb)
{
    // [J]: 800 × 600, t_f = 20, outer webs 10: J = 4.608e9 for a middle web of 5, 10 and 30.
    double first = 0.0;
    for (double tm : {5.0, 10.0, 30.0}) {
        const double j = analysed(twoCellSection(400, 400, 600, 20, 10, tm)).values.torsionConstant;
        expectRelative(j, 4.608e9, 0.03, "two-cell J");
        if (first == 0.0)
            first = j;
        // The middle web adds only its own thin-plate share, t³·h/3 (< 0.2 %) and its joints.
        EXPECT_NEAR(j / first, 1.0, 0.005) << "middle web " << tm;
    }
}

TEST(Torsion, UnequalTwoCell)
{
    // [J]: cells 300 | 500, h = 600, t_f = 20, webs 10: J = 4.655342e9.
    expectRelative(analysed(twoCellSection(300, 500, 600, 20, 10, 10)).values.torsionConstant, 4.655342e9, 0.03,
                   "two-cell 300|500 J");
}

// --- Shear centre ----------------------------------------------------------------

TEST(ShearCentre, SymmetricSectionsOnTheirAxis)
{
    const Analysis box = analysed(boxSection(400, 600, 20, 10, 10));
    EXPECT_NEAR(box.values.ym, 200.0, 1e-4);
    EXPECT_NEAR(box.values.zm, 300.0, 1e-4);
    const Analysis i = analysed(iSection(300, 20, 600, 10));
    EXPECT_NEAR(i.values.ym, 0.0, 1e-4);
    EXPECT_NEAR(i.values.zm, 0.0, 1e-4);
    const Analysis channel = analysed(channelSection(8, 18, 1));
    EXPECT_NEAR(channel.values.zm, 0.0, 1e-6 * 18);
    const Analysis two = analysed(twoCellSection(400, 400, 600, 20, 10, 30));
    EXPECT_NEAR(two.values.ym, 400.0, 1e-4);
}

TEST(ShearCentre, BoxWithUnequalWebs)
{
    // [J]/[P]: b = 400, h = 600, t_f = 20, t1 = 10, t2 = 20: e = 285.3147 from the left web.
    expectRelative(analysed(boxSection(400, 600, 20, 10, 20)).values.ym, 285.3147, 0.005, "box 10/20 e");
}

TEST(ShearCentre, PilkeyChannels)
{
    // [P] B.2 (b 8, h 18, t 1) FE x_sc = −2.86769; Ex. 6.2 (b 1, h 2, t 0.1)
    // 0.37119 outside the web's centre-line (the section's web axis is y = 0 here).
    expectRelative(analysed(channelSection(8, 18, 1), 1.0 / 3).values.ym, -2.86769, 0.002, "Pilkey B.2 ym");
    expectRelative(analysed(channelSection(1, 2, 0.1)).values.ym, -0.37119, 0.003, "Pilkey 6.2 ym");
    // Thin-walled formula e = 3b²t/(6bt + ht): 2.90909 for B.2 (the solid model lies 1.4 % inside).
    expectRelative(-analysed(channelSection(8, 18, 1), 1.0 / 3).values.ym, 2.90909, 0.02, "B.2 thin-walled e");
}

// --- Shear areas (energy definition) --------------------------------------------

TEST(ShearArea, RectangleAtPoissonZeroIsFiveSixths)
{
    // [C]: A_s = 5/6·A at ν = 0; 4166.667 for 100 × 50.
    const Analysis r = analysed(rectangleSection(100, 50), 0.0);
    expectRelative(r.values.shearAreaY, 4166.667, 1e-3, "rectangle AY, nu 0");
    expectRelative(r.values.shearAreaZ, 4166.667, 1e-3, "rectangle AZ, nu 0");
}

TEST(ShearArea, PilkeyRectangleWithPoissonsRatio)
{
    // [P] Ex. 6.5, 2 × 1: A/A_s = 1.20056 / 1.27479 at ν = 0.3, 1.20118 / 1.35605 at ν = 0.5.
    const Analysis a = analysed(rectangleSection(2, 1), 0.3);
    expectRelative(2.0 / a.values.shearAreaY, 1.20056, 1e-3, "Pilkey 6.5 A/AY nu 0.3");
    expectRelative(2.0 / a.values.shearAreaZ, 1.27479, 1e-3, "Pilkey 6.5 A/AZ nu 0.3");
    const Analysis b = analysed(rectangleSection(2, 1), 0.5);
    expectRelative(2.0 / b.values.shearAreaY, 1.20118, 1e-3, "Pilkey 6.5 A/AY nu 0.5");
    expectRelative(2.0 / b.values.shearAreaZ, 1.35605, 1e-3, "Pilkey 6.5 A/AZ nu 0.5");
}

TEST(ShearArea, ThinWalledSections)
{
    // [P]: welded I 300×20 + 600×10: thin-walled A_s = 5998.09 (the solid flanges carry a little more).
    expectRelative(analysed(iSection(300, 20, 600, 10)).values.shearAreaZ, 5998.09, 0.03, "I-section AZ");
    // Pilkey B.2 channel: FE A/A_s = 2.15337.
    expectRelative(34.0 / analysed(channelSection(8, 18, 1), 1.0 / 3).values.shearAreaZ, 2.15337, 0.005,
                   "Pilkey B.2 A/AZ");
    // Box 60 × 90 × 5 [P], thin-walled check: FE 781 (∥ 90) and 427 (∥ 60).
    const Analysis box = analysed(boxSection(55, 85, 5, 5, 5));
    expectRelative(box.values.shearAreaZ, 781.0, 0.005, "box 60x90x5 AZ");
    expectRelative(box.values.shearAreaY, 427.0, 0.005, "box 60x90x5 AY");
    // Boxes against the thin-walled energy values.
    expectRelative(analysed(boxSection(400, 600, 20, 10, 10)).values.shearAreaZ, 11120.3, 0.03, "box 10/10 AZ");
    expectRelative(analysed(boxSection(400, 600, 20, 10, 20)).values.shearAreaZ, 16023.2, 0.03, "box 10/20 AZ");
    expectRelative(analysed(twoCellSection(400, 400, 600, 20, 10, 20)).values.shearAreaZ, 22240.5, 0.03,
                   "two-cell 10|20|10 AZ");
}

// --- Unit stresses -----------------------------------------------------------------

TEST(Stresses, AxialAndBendingAtTheExtremeFibre)
{
    // σ = 1/A for N = 1 kN; σ = M·z/I for M = 1 kNm = 1000 kNmm at the extreme fibre.
    const std::vector<Plate> plates = iSection(300, 20, 600, 10);
    const Analysis r = analysed(plates, 0.3, {point({150, 320}, 1, {1, 0})});
    ASSERT_EQ(r.points.size(), 1u);
    expectRelative(r.points[0].sigmaX, 1.0 / 18000.0, 1e-9, "sigma N");
    expectRelative(r.points[0].sigmaY, 1000.0 * 320 / r.values.iy, 1e-9, "sigma My");
    expectRelative(r.points[0].sigmaZ, -1000.0 * 150 / r.values.iz, 1e-9, "sigma Mz");
}

TEST(Stresses, UnsymmetricBendingOfTheZSection)
{
    // A moment about the geometric y axis alone, composed from the two principal
    // columns, must give the general formula σ = M·(Izz·z − Iyz·y)/(Iyy·Izz − Iyz²).
    const std::vector<Point> at{{-5, 4}, {-5, 6}, {1, 6}};
    std::vector<StressPoint> pts;
    for (const Point& p : at)
        pts.push_back(point(p, 0, {1, 0}));
    pts[0].plate = 0;
    const Analysis r = analysed(zSection(), 0.3, pts);
    const double iyy = r.values.iyyCentroidal, izz = r.values.izzCentroidal, iyz = r.values.iyzCentroidal;
    const double c = std::cos(r.values.angle), s = std::sin(r.values.angle);
    for (std::size_t k = 0; k < at.size(); ++k) {
        const double expected = 1000.0 * (izz * at[k].z - iyz * at[k].y) / (iyy * izz - iyz * iyz);
        // (M, 0) in y, z has the principal components (M cos θ, −M sin θ).
        const double composed = c * r.points[k].sigmaY - s * r.points[k].sigmaZ;
        EXPECT_NEAR(composed / expected, 1.0, 1e-9) << "point " << k;
    }
}

TEST(Stresses, BredtShearFlowInABoxWeb)
{
    // [J]: τ = T/(2·A_m·t) at mid-height of a web, A_m = 400 × 600. A counter-clockwise
    // torque drives the flow up the right web and down the left one (both read upwards).
    const Analysis r = analysed(boxSection(400, 600, 20, 10, 10), 0.3,
                                {point({0, 300}, 2, {0, 1}), point({400, 300}, 3, {0, 1}),
                                 point({0, 450}, 2, {0, 1}), point({400, 450}, 3, {0, 1})});
    const double tau = 1000.0 / (2 * 400 * 600 * 10);
    expectRelative(-r.points[0].tauX, tau, 0.02, "Bredt tau down the left web");
    expectRelative(r.points[1].tauX, tau, 0.02, "Bredt tau up the right web");
    // Vz acts alike on both webs of the symmetric box, upwards; Vy drives them in opposite
    // senses (zero at mid-height, so compared above it).
    EXPECT_GT(r.points[0].tauZ, 0.0);
    expectRelative(r.points[1].tauZ, r.points[0].tauZ, 1e-3, "Tau-Z equal on mirrored webs");
    expectRelative(r.points[3].tauY, -r.points[2].tauY, 1e-3, "Tau-Y opposite on mirrored webs");
}

TEST(Stresses, JourawskiInARectangleAtPoissonZero)
{
    // τ_max = 3/2·V/A at the neutral axis of a rectangle (ν = 0).
    const Analysis r = analysed(rectangleSection(50, 100), 0.0, {point({0, 0}, 0, {0, 1})});
    expectRelative(r.points[0].tauZ, 1.5 / 5000.0, 2e-3, "Jourawski tau");
    // Vy along +y gives the same peak along +y across the centre.
    const Analysis q = analysed(rectangleSection(50, 100), 0.0, {point({0, 0}, 0, {1, 0})});
    expectRelative(q.points[0].tauY, 1.5 / 5000.0, 5e-3, "Jourawski tau for Vy");
}

// --- Invariance ----------------------------------------------------------------------

TEST(Invariance, TranslatingAndTurningChangesNothingIntrinsic)
{
    const std::vector<Plate> base = zSection();
    const Analysis a = analysed(base);
    const double turn = 30.0 * M_PI / 180.0;
    const Analysis b = analysed(moved(base, 100.0, -50.0, turn));
    EXPECT_NEAR(b.values.area / a.values.area, 1.0, 1e-9);
    // Turned by 30°, the principal axis nearest to y is the other one: compare I1, I2 as a pair.
    EXPECT_NEAR(std::max(b.values.iy, b.values.iz) / std::max(a.values.iy, a.values.iz), 1.0, 1e-6);
    EXPECT_NEAR(std::min(b.values.iy, b.values.iz) / std::min(a.values.iy, a.values.iz), 1.0, 1e-6);
    EXPECT_NEAR(b.values.torsionConstant / a.values.torsionConstant, 1.0, 1e-3);
    const bool swapped = (b.values.iy > b.values.iz) != (a.values.iy > a.values.iz);
    EXPECT_NEAR((swapped ? b.values.shearAreaZ : b.values.shearAreaY) / a.values.shearAreaY, 1.0, 2e-3);
    EXPECT_NEAR((swapped ? b.values.shearAreaY : b.values.shearAreaZ) / a.values.shearAreaZ, 1.0, 2e-3);
    // The principal axes turn with the section (modulo a quarter turn).
    const double d = std::remainder(b.values.angle - a.values.angle - turn, M_PI / 2);
    EXPECT_NEAR(d, 0.0, 1e-6);
    // The shear centre moves with it.
    const tarvello::geometrie::Polygon m =
        tarvello::geometrie::movedAndTurned({{a.values.ym, a.values.zm}}, 100.0, -50.0, turn);
    EXPECT_NEAR(b.values.ym, m[0].y, 1e-3);
    EXPECT_NEAR(b.values.zm, m[0].z, 1e-3);
}

// --- Mesh convergence ---------------------------------------------------------------

TEST(Convergence, BoxValuesSettleAsTheMeshIsRefined)
{
    // Single box 400 × 600 with 10-mm webs and a point on a web's mid-line at its
    // junction with the bottom flange (a singular corner lies 5 mm away).
    const std::vector<Plate> plates = boxSection(400, 600, 20, 10, 10);
    const std::vector<StressPoint> pts{point({400, 10}, 3, {0, 1})};
    std::printf("  size factor  elements          J              AZ       tau(Vz) at P     tau(Mx) at P\n");
    std::vector<Analysis> runs;
    for (double f : {0.9, 0.6, 0.4, 0.25, 0.15}) {
        AnalysisOptions o;
        o.sizeFactor = f;
        runs.push_back(analyseSection(plates, pts, o));
        const Analysis& a = runs.back();
        ASSERT_TRUE(a.ok);
        std::printf("  %11.2f  %8d  %14.7g  %12.7g  %14.7g  %14.7g\n", f, a.values.elements,
                    a.values.torsionConstant, a.values.shearAreaZ, a.points[0].tauZ, a.points[0].tauX);
    }
    const Analysis& finest = runs.back();
    for (const Analysis& a : runs) {
        EXPECT_NEAR(a.values.torsionConstant / finest.values.torsionConstant, 1.0, 5e-4);
        EXPECT_NEAR(a.values.shearAreaZ / finest.values.shearAreaZ, 1.0, 5e-4);
        EXPECT_NEAR(a.points[0].tauZ / finest.points[0].tauZ, 1.0, 0.01);
        EXPECT_NEAR(a.points[0].tauX / finest.points[0].tauX, 1.0, 0.01);
    }
}
