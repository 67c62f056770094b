// The section values that member checks need: the warping constant, the monosymmetry of the Mcr
// formula and the plastic moduli, against closed forms and the catalogue.
#include "result_fields.h"
#include "test_sections.h"

#include "run.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace resultfields;
using testsections::rect;

namespace {

delmarix::SectionValues analysed(const std::vector<tarvello::geometrie::Plate>& plates)
{
    const delmarix::Analysis a = delmarix::analyseSection(plates, {});
    EXPECT_TRUE(a.ok) << a.reasonEn;
    return a.values;
}

// ∫ z·(y² + z²) dA over the rectangle [y0, y1] × [z0, z1] (z from the centroid).
double wagnerIntegral(double y0, double y1, double z0, double z1)
{
    return (y1 * y1 * y1 - y0 * y0 * y0) / 3 * (z1 * z1 - z0 * z0) / 2 + (y1 - y0) * (std::pow(z1, 4) - std::pow(z0, 4)) / 4;
}

} // namespace

TEST(MemberValues, HEB300AgainstTheCatalogue)
{
    // HEB 300 (EN 10365; ArcelorMittal sales programme): Wpl,y = 1869 cm³, Wpl,z = 870.1 cm³,
    // Iw = 1688·10³ cm⁶ (the makers' thin-walled formula with fillets). Iw of the St Venant warping
    // function lies 2.2 % below it: the thick flanges warp across their thickness as well.
    const Result r = parse(delmarix::run(crlf({"102", "0", "300", "300", "11", "19", "27", "0"})));
    ASSERT_EQ(r.named.count("Iw") + r.named.count("zj") + r.named.count("Wply") + r.named.count("Wplz"), 4u);
    testsections::expectAll({{"HEB 300 Wpl,y", r.named.at("Wply"), 1869e3, 0.001},
                             {"HEB 300 Wpl,z", r.named.at("Wplz"), 870.1e3, 0.001},
                             {"HEB 300 Iw", r.named.at("Iw"), 1688e9, 0.025}});
    EXPECT_NEAR(r.named.at("zj"), 0.0, 1e-6 * 300) << "doubly symmetric";
}

TEST(MemberValues, PlasticModuliInClosedForm)
{
    // Rectangle b × h: Wpl = b·h²/4, h across the axis. Welded I (flanges b × tf, web hw × tw):
    // Wpl,y = b·tf·(hw + tf) + tw·hw²/4. A T (flange 200 × 20 on a web 10 × 300, A = 7 000): the
    // plastic neutral axis lies in the flange, a = 3 500/200 = 17.5 below its top, so
    // Wpl,y = 200·a²/2 + 200·(20 − a)²/2 + 10·300·(150 + 20 − a). (EN 1993-1-1, 6.2.5; Gere,
    // Mechanics of Materials, 6.10.)
    const delmarix::SectionValues rectangle = analysed(testsections::rectangleSection(120, 40));
    const delmarix::SectionValues i = analysed(testsections::iSection(300, 20, 600, 10));
    const delmarix::SectionValues t = analysed({rect(-100, 300, 100, 320), rect(-5, 0, 5, 300)});
    testsections::expectAll({{"rectangle 120 × 40, Wpl about y", rectangle.plasticModulusY, 120.0 * 40 * 40 / 4, 1e-9},
                             {"rectangle 120 × 40, Wpl about z", rectangle.plasticModulusZ, 40.0 * 120 * 120 / 4, 1e-9},
                             {"welded I, Wpl,y", i.plasticModulusY, 300.0 * 20 * 620 + 10.0 * 600 * 600 / 4, 1e-9},
                             {"welded I, Wpl,z", i.plasticModulusZ, 2 * 20.0 * 300 * 300 / 4 + 600.0 * 10 * 10 / 4, 1e-9},
                             {"T, Wpl,y", t.plasticModulusY, 200 * 17.5 * 17.5 / 2 + 200 * 2.5 * 2.5 / 2 + 10.0 * 300 * (170 - 17.5), 1e-9}});
}

TEST(MemberValues, WarpingConstantsOfThinWalledSections)
{
    // Thin-walled closed forms (Timoshenko & Gere, Theory of Elastic Stability, 5.10; Trahair,
    // Flexural-Torsional Buckling of Structures, Appendix A): I-section Iw = tf·b³·h²/24, channel
    // Iw = t·b³·h²·(3b + 2h) / (12·(6b + h)) for flanges and web of one thickness t, h and b between
    // mid-lines. The plates are thin (b/t = 60), where the thin-walled theory holds to about 1 %.
    const double b = 300, h = 600, tf = 5, tw = 5;
    const delmarix::SectionValues i = analysed(testsections::iSection(b, tf, h - tf, tw));
    const delmarix::SectionValues c = analysed(testsections::channelSection(150, h, tw));
    const double bc = 150;
    testsections::expectAll({{"thin I-section Iw", i.warpingConstant, tf * b * b * b * h * h / 24, 0.01},
                             {"thin channel Iw", c.warpingConstant,
                              tw * bc * bc * bc * h * h * (3 * bc + 2 * h) / (12 * (6 * bc + h)), 0.015}});
    EXPECT_NEAR(i.monosymmetry, 0.0, 1e-6 * h);
}

TEST(MemberValues, MonosymmetryOfATeeAndItsMirror)
{
    // zj = ζM − ∫ζ(η² + ζ²) dA / (2·IY) (ECCS publication 119, Rules for Member Stability, 5.3),
    // ζ upwards. For a thin T the shear centre lies where flange and web meet; the integral is
    // taken here rectangle by rectangle from the centroid. A T with its flange on top has zj > 0;
    // upside down, −zj.
    const double bf = 200, tf = 8, hw = 400, tw = 6;
    const std::vector<tarvello::geometrie::Plate> up{rect(-bf / 2, hw, bf / 2, hw + tf), rect(-tw / 2, 0, tw / 2, hw)};
    const std::vector<tarvello::geometrie::Plate> down{rect(-bf / 2, -tf, bf / 2, 0), rect(-tw / 2, 0, tw / 2, hw)};
    const double a = bf * tf + hw * tw, zs = (bf * tf * (hw + tf / 2) + hw * tw * hw / 2) / a;
    const double iy = bf * tf * tf * tf / 12 + bf * tf * std::pow(hw + tf / 2 - zs, 2) + tw * hw * hw * hw / 12 +
                      tw * hw * std::pow(hw / 2 - zs, 2);
    const double integral = wagnerIntegral(-bf / 2, bf / 2, hw - zs, hw + tf - zs) + wagnerIntegral(-tw / 2, tw / 2, -zs, hw - zs);
    const double zj = (hw + tf / 2 - zs) - integral / (2 * iy);
    const delmarix::SectionValues t = analysed(up), mirrored = analysed(down);
    testsections::expectAll({{"T, flange on top, zj", t.monosymmetry, zj, 0.01},
                             {"T, flange below, -zj", -mirrored.monosymmetry, zj, 0.01}});
    EXPECT_GT(t.monosymmetry, 0.0);
}

// A crane runway box with its rail counted in the section (BO 720, TO 25, BU 600, TU 20, HS 1200,
// TS 14 and 10, AS 500; a flat rail 65 wide over the right web): worn by a quarter (75 → 56.25,
// EN 1993-6 5.6.2) IY falls and the bending stress at the web top under the rail rises. By hand
// from the rectangles: centroid, Iyy, Izz, Iyz, the major principal value and the web top's
// distance from that axis; the engine's unit stress for My = 1 kNm is 10³·ζ/IY kN/mm².
TEST(MemberValues, WornRailInTheSection)
{
    for (const double hr : {75.0, 56.25}) {
        struct R { double y0, z0, y1, z1; };
        const R teile[] = {{-300, -10, 300, 10}, {-260, 10, -250, 1210}, {250, 10, 264, 1210},
                           {-360, 1210, 360, 1235}, {257 - 32.5, 1235, 257 + 32.5, 1235 + hr}};
        std::vector<tarvello::geometrie::Plate> plates;
        double A = 0, Sy = 0, Sz = 0, Iyy = 0, Izz = 0, Iyz = 0;
        for (const R& r : teile) {
            plates.push_back(rect(r.y0, r.z0, r.y1, r.z1));
            const double b = r.y1 - r.y0, h = r.z1 - r.z0, a = b * h, yc = (r.y0 + r.y1) / 2, zc = (r.z0 + r.z1) / 2;
            A += a, Sy += a * zc, Sz += a * yc;
            Iyy += b * h * h * h / 12 + a * zc * zc, Izz += h * b * b * b / 12 + a * yc * yc, Iyz += a * yc * zc;
        }
        const double zs = Sy / A, ys = Sz / A;
        const double iy = Iyy - A * zs * zs, iz = Izz - A * ys * ys, iyz = Iyz - A * ys * zs;
        const double IY = (iy + iz) / 2 + std::sqrt((iy - iz) * (iy - iz) / 4 + iyz * iyz);
        // The major axis turned by α from y: ζ is the distance across it.
        const double alpha = 0.5 * std::atan2(-2 * iyz, iy - iz);
        const double zeta = -(257 - ys) * std::sin(alpha) + (1210 - zs) * std::cos(alpha);
        tarvello::geometrie::StressPoint p3;
        p3.number = 3, p3.at = {257, 1210}, p3.plate = 2, p3.direction = {0, 1}, p3.thickness = 14;
        const delmarix::Analysis a = delmarix::analyseSection(plates, {p3});
        ASSERT_TRUE(a.ok) << a.reasonEn;
        testsections::expectAll({{"IY, rail " + std::to_string(hr), a.values.iy, IY, 1e-6},
                                 {"|σx| at the web top for My", std::fabs(a.points[0].sigmaY), 1e3 * std::fabs(zeta) / IY, 1e-5}});
    }
}
