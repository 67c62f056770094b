// Section values and unit stresses against closed forms and published examples,
// each named by its original source: [TG] Timoshenko & Goodier, Theory of
// Elasticity (torsion of a rectangle, series solution); [J] Johnson, Advanced
// Structural Mechanics, eq. 2.37–2.40 (Bredt–Batho, single and multi-cell);
// [P] Pilkey, Analysis and Design of Elastic Beams (shear centre, shear areas);
// [Pe] Peery, Aircraft Structures (bending with a product of inertia); [C] Cowper,
// The shear coefficient in Timoshenko's beam theory; [TGe] Timoshenko & Gere,
// Mechanics of Materials (Jourawski's shear stress in beams).
#include "test_sections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace testsections;
using delmarix::Analysis;

namespace {

Analysis analysed(const std::vector<Plate>& plates, double poisson = 0.3, const std::vector<StressPoint>& points = {})
{
    delmarix::AnalysisOptions o;
    o.poisson = poisson;
    Analysis a = delmarix::analyseSection(plates, points, o);
    EXPECT_TRUE(a.ok) << a.reasonEn;
    return a;
}

// [TG]: J of an a × b rectangle, a ≥ b.
double rectangleTorsion(double a, double b)
{
    double sum = 0.0;
    for (int n = 1; n < 200; n += 2)
        sum += std::tanh(n * M_PI * a / (2 * b)) / std::pow(n, 5);
    return a * b * b * b / 3.0 * (1.0 - 192.0 / std::pow(M_PI, 5) * (b / a) * sum);
}

} // namespace

TEST(SectionValues, HandValuesAndShearCentres)
{
    // Box by hand: flanges 410 × 20 at z = 0 and 600, webs 10 × 580 at y = 0 and 400; being
    // symmetric, it has its shear centre on both mirror axes, as two equal cells on theirs.
    const Analysis box = analysed(boxSection(400, 0, 600, 20, 10, 10)), b2 = analysed(channelSection(8, 18, 1), 1.0 / 3);
    const double iy = 2 * (410 * 20 * 20 * 20 / 12.0 + 410 * 20 * 300.0 * 300) + 2 * 10 * 580.0 * 580 * 580 / 12;
    const double iz = 2 * 20 * 410.0 * 410 * 410 / 12 + 2 * (580 * 10 * 10 * 10 / 12.0 + 580 * 10 * 200.0 * 200);
    // [Pe]: Ix = 693.3, Iy = 173.3, Ixy = −240 give I1 = 787.1, I2 = 79.5, θ = 21.35°.
    const Analysis z = analysed(zSection());
    // [J]/[P]: box webs 10 | 20: e = 285.3147 from the left web (towards the thicker web).
    // [P] B.2 (b 8, h 18, t 1): FE x_sc = −2.86769; Ex. 6.2 (b 1, h 2, t 0.1): 0.37119 outside the web.
    expectAll({{"box A", box.values.area, 2 * 410 * 20 + 2 * 580 * 10, 1e-9},
               {"box ys", box.values.ys, 200, 1e-9},
               {"box zs", box.values.zs, 300, 1e-9},
               {"box Iy", box.values.iy, iy, 1e-9},
               {"box Iz", box.values.iz, iz, 1e-9},
               {"box mesh area", box.values.meshArea, box.values.area, 1e-9},
               {"box ym", box.values.ym, 200, 1e-6},
               {"box zm", box.values.zm, 300, 1e-6},
               {"two equal cells ym", analysed(boxSection(400, 400, 600, 20, 10, 30)).values.ym, 400, 1e-6},
               {"Z I1", z.values.iy, 787.1, 1e-3},
               {"Z I2", z.values.iz, 79.5, 2e-3},
               {"Z angle (deg)", z.values.angle * 180 / M_PI, 21.35, 1e-3},
               {"box webs 10|20 e", analysed(boxSection(400, 0, 600, 20, 10, 20)).values.ym, 285.3147, 0.005},
               {"Pilkey B.2 ym", b2.values.ym, -2.86769, 0.002},
               {"Pilkey 6.2 ym", analysed(channelSection(1, 2, 0.1)).values.ym, -0.37119, 0.003}});
    EXPECT_NEAR(b2.values.zm, 0.0, 1e-5) << "the channel's shear centre on its mirror axis";
}

TEST(Torsion, RectanglesAndBredtBathoCells)
{
    std::vector<Check> checks;
    for (const char* ratio : {"1", "1.5", "2", "4", "10"}) {
        const double a = 50 * std::atof(ratio);
        checks.push_back({std::string("rectangle J, a/b = ") + ratio,
                          analysed(rectangleSection(a, 50)).values.torsionConstant, rectangleTorsion(a, 50), 0.005});
    }
    // [J]: box 400 × 600, flanges 20, webs 10: J = 1.44e9 (the solid corners add about 1.6 %).
    checks.push_back({"Bredt box J", analysed(boxSection(400, 0, 600, 20, 10, 10)).values.torsionConstant, 1.44e9, 0.03});
    // [J]: two equal cells 800 × 600: J = 4.608e9 whatever the middle web (it carries no
    // torsional flow; its own thin-plate share t³·h/3 is below 0.2 %); cells 300 | 500: 4.655342e9.
    const double thin = analysed(boxSection(400, 400, 600, 20, 10, 5)).values.torsionConstant;
    checks.push_back({"two-cell J, middle web 5", thin, 4.608e9, 0.03});
    checks.push_back({"two-cell J, middle web 30 against 5",
                      analysed(boxSection(400, 400, 600, 20, 10, 30)).values.torsionConstant, thin, 0.005});
    checks.push_back({"two-cell 300|500 J", analysed(boxSection(300, 500, 600, 20, 10, 10)).values.torsionConstant,
                      4.655342e9, 0.03});
    expectAll(checks);
}

TEST(ShearArea, EnergyDefinitionAgainstReferences)
{
    // [C]: 5/6·A at ν = 0. [P] Ex. 6.5 (2 × 1): A/A_s = 1.20056 / 1.27479 at ν = 0.3, 1.20118 / 1.35605
    // at ν = 0.5; B.2 channel: A/A_s = 2.15337. Box 60 × 90 × 5 (centre lines 55 × 85): 781 ∥ 90 and
    // 427 ∥ 60 by a solid finite-element model. Thin-walled ∫S²/t ds [P] (the solid flanges carry a little
    // more): welded I 300×20 + 600×10 5998.09, box webs 10 | 20 16023.2, two cells 10 | 20 | 10 22240.5.
    const Analysis r0 = analysed(rectangleSection(100, 50), 0.0), r3 = analysed(rectangleSection(2, 1), 0.3);
    const Analysis r5 = analysed(rectangleSection(2, 1), 0.5), b = analysed(boxSection(55, 0, 85, 5, 5, 5));
    expectAll({{"rectangle AY, nu 0", r0.values.shearAreaY, 4166.667, 1e-3},
               {"rectangle AZ, nu 0", r0.values.shearAreaZ, 4166.667, 1e-3},
               {"Pilkey 6.5 A/AY nu 0.3", 2.0 / r3.values.shearAreaY, 1.20056, 1e-3},
               {"Pilkey 6.5 A/AZ nu 0.3", 2.0 / r3.values.shearAreaZ, 1.27479, 1e-3},
               {"Pilkey 6.5 A/AY nu 0.5", 2.0 / r5.values.shearAreaY, 1.20118, 1e-3},
               {"Pilkey 6.5 A/AZ nu 0.5", 2.0 / r5.values.shearAreaZ, 1.35605, 1e-3},
               {"Pilkey B.2 A/AZ", 34.0 / analysed(channelSection(8, 18, 1), 1.0 / 3).values.shearAreaZ, 2.15337, 0.005},
               {"box 60x90x5 AZ", b.values.shearAreaZ, 781.0, 0.005},
               {"box 60x90x5 AY", b.values.shearAreaY, 427.0, 0.005},
               {"welded I AZ", analysed(iSection(300, 20, 600, 10)).values.shearAreaZ, 5998.09, 0.03},
               {"box 10|20 AZ", analysed(boxSection(400, 0, 600, 20, 10, 20)).values.shearAreaZ, 16023.2, 0.03},
               {"two-cell 10|20|10 AZ", analysed(boxSection(400, 400, 600, 20, 10, 20)).values.shearAreaZ, 22240.5, 0.03}});
}

TEST(Stresses, AxialAndBendingAtTheExtremeFibre)
{
    // σ = N/A and σ = M/W, W = I/e, at a flange tip of a welded I (e = 320 up, 150 across);
    // My = 1 kNm = 1000 kN·mm puts tension on top, Mz compression on the +y side.
    const Analysis r = analysed(iSection(300, 20, 600, 10), 0.3, {point({150, 320}, 1, {1, 0})});
    const double iy = 2 * (300 * 20 * 20 * 20 / 12.0 + 300 * 20 * 310.0 * 310) + 10 * 600.0 * 600 * 600 / 12;
    const double iz = 2 * 20 * 300.0 * 300 * 300 / 12 + 600 * 10.0 * 10 * 10 / 12;
    expectAll({{"sigma N = 1/A", r.points[0].sigmaX, 1.0 / 18000, 1e-9},
               {"sigma My = M/Wy", r.points[0].sigmaY, 1000.0 / (iy / 320), 1e-9},
               {"sigma Mz = -M/Wz", r.points[0].sigmaZ, -1000.0 / (iz / 150), 1e-9}});
}

TEST(Stresses, UnsymmetricBendingOfTheZSection)
{
    // [Pe]: M about the y axis alone gives σ = M·(Izz·z − Iyz·y)/(Iyy·Izz − Iyz²), Iyy = 2080/3,
    // Izz = 520/3, Iyz = −240; composed from the principal columns, as (M, 0) has the principal
    // components (M cos θ, −M sin θ).
    const Point at[] = {{-5, 4}, {-5, 6}, {1, 6}};
    const Analysis r = analysed(zSection(), 0.3, {point(at[0], 0), point(at[1], 0), point(at[2], 0)});
    const double iyy = 2080.0 / 3, izz = 520.0 / 3, iyz = -240, c = std::cos(r.values.angle), s = std::sin(r.values.angle);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR((c * r.points[k].sigmaY - s * r.points[k].sigmaZ) * (iyy * izz - iyz * iyz) /
                        (1000.0 * (izz * at[k].z - iyz * at[k].y)), 1.0, 1e-9) << "point " << k;
}

TEST(Stresses, BredtFlowJourawskiAndMirroredWebsOfABox)
{
    // Box 400 × 600, flanges 20, webs 10, points on the webs' mid-lines at and above mid-height.
    // [J]: τ = T/(2·A_m·t), A_m = 400 × 600; a counter-clockwise torque drives the flow up the right
    // web and down the left one (both read upwards). [TGe]: Vz gives τ = V·S/(I·2t) up both webs
    // alike; Vy drives them in opposite senses (zero at mid-height, so compared above it).
    const Analysis r = analysed(boxSection(400, 0, 600, 20, 10, 10), 0.3,
                                {point({0, 300}, 2), point({400, 300}, 3), point({0, 450}, 2), point({400, 450}, 3)});
    const double i = 2 * (410 * 20 * 20 * 20 / 12.0 + 410 * 20 * 300.0 * 300) + 2 * 10 * 580.0 * 580 * 580 / 12;
    const double s = 410 * 20 * 300.0 + 2 * 10 * 290 * 145.0;
    expectAll({{"Bredt tau down the left web", -r.points[0].tauX, 1000.0 / (2 * 400 * 600 * 10), 0.005},
               {"Bredt tau up the right web", r.points[1].tauX, 1000.0 / (2 * 400 * 600 * 10), 0.005},
               {"Jourawski tau(Vz) up the left web", r.points[0].tauZ, s / (i * 20), 0.002},
               {"Jourawski tau(Vz) up the right web", r.points[1].tauZ, s / (i * 20), 0.002},
               {"Tau-Y opposite on mirrored webs", r.points[3].tauY, -r.points[2].tauY, 1e-3}});
}

TEST(Stresses, JourawskiInARectangleAtPoissonZero)
{
    // [TGe]: τ = 3/2·V/A along each force's neutral axis (exact at ν = 0): Vz upwards on z = 0,
    // Vy along +y on y = 0 (50 wide, 100 high).
    const Analysis r = analysed(rectangleSection(50, 100), 0.0, {point({10, 0}, 0, {0, 1}), point({0, 30}, 0, {1, 0})});
    expectAll({{"Jourawski tau(Vz)", r.points[0].tauZ, 1.5 / 5000.0, 2e-3},
               {"Jourawski tau(Vy)", r.points[1].tauY, 1.5 / 5000.0, 5e-3}});
}

TEST(Invariance, MovingAndTurningChangesNothingIntrinsic)
{
    // Turned by 30° the Z-section's principal axis nearest to y is the other one, so I1, I2 and the
    // shear areas are compared as pairs; the principal axes and the shear centre turn with it.
    const double turn = M_PI / 6;
    std::vector<Plate> turned = zSection();
    for (Plate& p : turned)
        p.outline = tarvello::geometrie::movedAndTurned(p.outline, 100.0, -50.0, turn);
    const delmarix::SectionValues a = analysed(zSection()).values, b = analysed(turned).values;
    EXPECT_NEAR(std::max(b.iy, b.iz) / a.iy, 1.0, 1e-6);
    EXPECT_NEAR(std::min(b.iy, b.iz) / a.iz, 1.0, 1e-6);
    EXPECT_NEAR(b.torsionConstant / a.torsionConstant, 1.0, 1e-3);
    EXPECT_NEAR(std::max(b.shearAreaY, b.shearAreaZ) / std::max(a.shearAreaY, a.shearAreaZ), 1.0, 2e-3);
    EXPECT_NEAR(std::remainder(b.angle - a.angle - turn, M_PI / 2), 0.0, 1e-6);
    const Point m = tarvello::geometrie::movedAndTurned({{a.ym, a.zm}}, 100.0, -50.0, turn)[0];
    EXPECT_NEAR(std::hypot(b.ym - m.y, b.zm - m.z), 0.0, 1e-3);
}

TEST(Unsymmetric, EqualLegAngleAndItsMirrorImage)
{
    // Equal-leg angle, legs 200 along +y and +z, thickness 10 (heel at the origin). By hand from
    // its two rectangles: Iyy = Izz, so the principal axes lie at ±45° and I1,2 = Iyy ± |Iyz|
    // ([P] 1.3); thin-walled, its shear centre is the legs' crossing, on the mirror axis y = z
    // ([P] 6.3: both legs' shear flows pass through it).
    const double b = 200, t = 10;
    const std::vector<Plate> winkel{rect(0, 0, b, t), rect(0, t, t, b)};
    const double a1 = b * t, a2 = (b - t) * t, area = a1 + a2;
    const double c = (a1 * b / 2 + a2 * t / 2) / area; // ys = zs by symmetry
    const double i1 = b * t * t * t / 12 + a1 * (t / 2 - c) * (t / 2 - c);
    const double i2 = t * (b - t) * (b - t) * (b - t) / 12 + a2 * ((b + t) / 2 - c) * ((b + t) / 2 - c);
    const double iyy = i1 + i2;
    const double iyz = a1 * (b / 2 - c) * (t / 2 - c) + a2 * (t / 2 - c) * ((b + t) / 2 - c);
    const delmarix::SectionValues l = analysed(winkel).values;
    expectAll({{"angle A", l.area, area, 1e-9},
               {"angle ys", l.ys, c, 1e-9},
               {"angle zs", l.zs, c, 1e-9},
               {"angle IY = Iyy + |Iyz|", l.iy, iyy + std::fabs(iyz), 1e-9},
               {"angle IZ = Iyy - |Iyz|", l.iz, iyy - std::fabs(iyz), 1e-9}});
    EXPECT_NEAR(std::fabs(l.angle) * 180 / M_PI, 45.0, 1e-6);
    EXPECT_NEAR(l.ym, l.zm, 1e-3) << "the shear centre on the mirror axis";
    EXPECT_NEAR(l.ym, t / 2, 0.02 * t) << "the shear centre at the legs' crossing";
    // [Pe] M about y alone at both toes and the heel, composed from the principal columns as for the
    // Z-section: a wrong sign in turning back from the ±45° frame shows at once (Iyy = Izz).
    const Point at[] = {{b, 0}, {0, b}, {0, 0}};
    const Analysis r = analysed(winkel, 0.3, {point(at[0], 0), point(at[1], 1), point(at[2], 0)});
    const double cs = std::cos(r.values.angle), sn = std::sin(r.values.angle);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR((cs * r.points[k].sigmaY - sn * r.points[k].sigmaZ) * (iyy * iyy - iyz * iyz) /
                        (1000.0 * (iyy * (at[k].z - c) - iyz * (at[k].y - c))), 1.0, 1e-6) << "point " << k;

    // The same angle mirrored about the z axis: the principal angle and ym change sign, zm stays;
    // the values themselves do not change.
    std::vector<Plate> gespiegelt;
    for (const Plate& p : winkel) {
        const auto r = tarvello::geometrie::rectangle(-p.outline[2].y, p.outline[0].z, -p.outline[0].y, p.outline[2].z);
        gespiegelt.push_back({"plate", "plate", r, t, false, std::nullopt});
    }
    const delmarix::SectionValues m = analysed(gespiegelt).values;
    EXPECT_NEAR(m.angle, -l.angle, 1e-9);
    EXPECT_NEAR(m.ym, -l.ym, 1e-3);
    EXPECT_NEAR(m.zm, l.zm, 1e-3);
    EXPECT_NEAR(m.ys, -l.ys, 1e-9);
    EXPECT_NEAR(m.iy / l.iy, 1.0, 1e-9);
    EXPECT_NEAR(m.iz / l.iz, 1.0, 1e-9);
    EXPECT_NEAR(m.torsionConstant / l.torsionConstant, 1.0, 1e-6);
    EXPECT_NEAR(m.shearAreaY / l.shearAreaY, 1.0, 1e-6);
}
