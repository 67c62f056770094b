// The stress rows of the result: the governing points (from row 18) against closed
// forms, the layout every family writes, and P1 of the angle sections beside its
// re-entrant corner.
#include "result_fields.h"
#include "test_sections.h"

#include "run.h"
#include "transfer_input.h"

#include "kern/section_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace resultfields;
namespace geo = tarvello::geometrie;

namespace {

geo::BuildResult built(const std::vector<std::string>& lines)
{
    const geo::ParseOutcome p = delmarix::parseTransfer(crlf(lines));
    EXPECT_TRUE(p.ok) << p.reasonEn;
    return p.input.rolled ? geo::buildRolledSection(p.input.rolledProfile) : geo::buildWeldedSection(p.input.welded);
}

// Form 215 (lines: form, web angle, top width and thickness, bottom width and thickness, web
// height, web thickness, clear width, web thickness 2, web height 2, acting rail 50 × 40, flat
// 150 × 20, no stiffener).
const std::vector<std::string> angle215{"215", "0",   "500", "20", "400", "20", "900", "12", "350",
                                        "10",  "700", "1",   "50", "40",  "150", "20", "0"};

} // namespace

TEST(GoverningPoints, BoxWebsCarryJourawskisAndBredtsShear)
{
    // Form 1: flanges 600 × 30, webs 1200 × 12, clear width 400; symmetric, ZS = 15 + 600.
    // Vz = 1 kN: τ = V·S/(I·2t) (Jourawski; Timoshenko & Gere, Mechanics of Materials); the flow
    // vanishes where the plane of symmetry cuts the flanges, so the cut through both webs is an
    // open section's. Mx = 1 kNm counter-clockwise: τ = T/(2·A_m·t) (Bredt–Batho; Johnson,
    // Advanced Structural Mechanics, eq. 2.37–2.40), up the right web (P18), down the left (P19).
    const std::vector<std::string> f = fields(delmarix::run(crlf({"1", "0", "600", "30", "600", "30", "1200", "12", "400", "0"})));
    const double a = 615, i = 2 * (600 * 30.0 * 30 * 30 / 12 + 600 * 30 * a * a) + 2 * 12 * 1200.0 * 1200 * 1200 / 12;
    const double s = 600 * 30 * a + 2 * 12 * 600 * 300.0, bredt = 1000.0 / (2 * 412.0 * 1230 * 12);
    testsections::expectAll({{"form 1 -ZS", -std::atof(f[9].c_str()), a, 1e-9},
                             {"form 1 right web P18, Tau-Z (Jourawski)", stressRow(f, 18)[TauZ], s / (i * 24), 0.002},
                             {"form 1 left web P19, Tau-Z (Jourawski)", stressRow(f, 19)[TauZ], s / (i * 24), 0.002},
                             {"form 1 right web P18, Tau-X (Bredt)", stressRow(f, 18)[TauX], bredt, 0.01},
                             {"form 1 left web P19, -Tau-X (Bredt)", -stressRow(f, 19)[TauX], bredt, 0.01}});
}

TEST(GoverningPoints, RolledWebAndFlangeFaces)
{
    // HEB 300 (EN 10365: h 300, b 300, tw 11, tf 19, r 27), catalogue Iy = 25170 cm⁴, Wpl,y = 1869 cm³
    // (twice the first moment of the half section), IT = 185.0 cm⁴. Vz = 1 kN at the web's point at
    // mid-height: τ = V·S/(I·tw) (Jourawski). Mx = 1 kNm on a flange's outer face: τ = T·tf/IT
    // (narrow rectangle; Timoshenko & Goodier, Theory of Elasticity), counter-clockwise along +y
    // under the bottom flange (P19) and along −y over the top flange (P20).
    const std::vector<std::string> f = fields(delmarix::run(crlf({"102", "0", "300", "300", "11", "19", "27", "0"})));
    testsections::expectAll({{"HEB 300 web P18, Tau-Z (Jourawski)", stressRow(f, 18)[TauZ], 1869e3 / 2 / (25170e4 * 11), 0.005},
                             {"HEB 300 bottom flange P19, Tau-X", stressRow(f, 19)[TauX], 1000.0 * 19 / 185.0e4, 0.03},
                             {"HEB 300 top flange P20, -Tau-X", -stressRow(f, 20)[TauX], 1000.0 * 19 / 185.0e4, 0.03}});
}

struct Family {
    std::vector<std::string> lines;
    int rows;                   // rows written: 1..17 and the governing ones
    std::vector<int> governing; // governing rows with a point; the others are zeros
    const char* flags;          // the stiffener numbers written
};

// Every family writes the fields in their order (A, AY, AZ, IT, IY, IZ, YS, −ZS, Winkel in
// radians, YM, ZM, the stiffener numbers), each point's row under its number and zeros for the
// rest; each point, fixed or governing, lies on its own plate and has that plate's thickness.
TEST(ResultRows, EveryFamily)
{
    const Family families[] = {
        // Sloped webs, stiffener rows 1, 3 (standing on both webs) and 5.
        {{"5", "-4", "500", "20", "460", "16", "800", "10", "400", "3", "1", "30", "80", "40", "8", "3", "70", "80", "0",
          "8", "5", "50", "100", "50", "10"}, 19, {18, 19}, "12345"},
        // The centroid lies in the box above the H profile: the H web has no point.
        {{"55", "0", "500", "20", "300", "14", "800", "10", "260", "1", "1", "30", "80", "40", "8", "290", "8.5", "27"},
         22, {18, 19, 21, 22}, "12000"},
        {{"115", "0", "500", "20", "600", "20", "1000", "12", "500", "12", "1", "60", "40", "1", "300", "300", "11", "19",
          "27", "2", "1", "30", "100", "50", "10", "2", "40", "100", "50", "10"}, 20, {18, 19, 20}, "12000"},
        {angle215, 19, {18, 19}, "00000"},
        {{"225", "0", "300", "20", "400", "20", "700", "12", "350", "10", "700", "0", "150", "20", "300", "300", "11",
          "19", "27", "0"}, 20, {18, 19, 20}, "00000"},
        {{"319", "0", "900", "30", "1500", "30", "2000", "14", "800", "12", "1", "80", "60", "1", "500", "25", "1400",
          "10", "300", "1", "5", "50", "200", "100", "12"}, 20, {18, 19, 20}, "00005"},
        {{"102", "0", "290", "300", "8.5", "14", "27", "0"}, 20, {18, 19, 20}, "00000"},
        {{"103", "0", "290", "300", "8.5", "14", "27", "30", "80", "0"}, 20, {18, 19, 20}, "00000"},
        // IPE 500 on a bottom profile from an HEA 300 (RU 27, HU 100, BU 300, SU 8.5, TU 14).
        {{"110", "0", "500", "200", "10.2", "16", "21", "27", "100", "300", "8.5", "14", "0"}, 20, {18, 19, 20}, "00000"},
    };
    for (const Family& c : families) {
        const std::string& form = c.lines[0];
        const geo::BuildResult b = built(c.lines);
        ASSERT_TRUE(b.ok) << form << ": " << b.reasonEn;
        const delmarix::Analysis a = delmarix::analyseSection(b.geometry);
        ASSERT_TRUE(a.ok) << form << ": " << a.reasonEn;
        const std::vector<std::string> f = fields(delmarix::run(crlf(c.lines)));
        ASSERT_EQ(f.size(), kHeadFields + 7 * std::size_t(c.rows)) << form;
        const delmarix::SectionValues& v = a.values;
        const double head[] = {v.area, v.shearAreaY, v.shearAreaZ, v.torsionConstant, v.iy, v.iz,
                               v.ys,   -v.zs,        v.angle,      v.ym,              v.zm};
        for (std::size_t k = 0; k < 11; ++k)
            EXPECT_NEAR(std::atof(f[2 + k].c_str()), head[k], 1e-9 * std::fabs(head[k]) + 1e-12) << form << " field " << k;
        EXPECT_EQ(f[13] + f[14] + f[15] + f[16] + f[17], c.flags) << form;
        for (int row = 1; row <= c.rows; ++row) {
            delmarix::PointStress p;
            for (const delmarix::PointStress& q : a.points)
                if (q.number == row)
                    p = q;
            const double expected[] = {p.sigmaX, p.tauY, p.tauZ, p.tauX, p.sigmaY, p.sigmaZ, p.thickness};
            for (int k = 0; k < 7; ++k)
                EXPECT_NEAR(stressRow(f, row)[k], expected[k], 1e-9 * std::fabs(expected[k]) + 1e-15) << form << " row " << row;
            const bool governing = std::count(c.governing.begin(), c.governing.end(), row) == 1;
            EXPECT_TRUE(row <= geo::kFixedPointRows || (p.thickness > 0) == governing) << form << " row " << row;
        }
        std::vector<geo::StressPoint> points = b.geometry.points;
        points.insert(points.end(), a.governing.begin(), a.governing.end());
        for (const geo::StressPoint& p : points) {
            ASSERT_LT(std::size_t(p.plate), b.geometry.plates.size()) << form << " P" << p.number;
            const geo::Plate& plate = b.geometry.plates[p.plate];
            EXPECT_TRUE(geo::contains(plate.outline, p.at, 1e-6)) << form << " P" << p.number << " off " << plate.nameEn;
            EXPECT_EQ(p.thickness, plate.thickness) << form << " P" << p.number << " on " << plate.nameEn;
        }
    }
}

TEST(AngleSection, P1SettlesWhereTheCornerDoesNot)
{
    // The bottom flange's right end meets the right web reaching below it in a re-entrant corner
    // (shear ~ r^(-1/3) there). P1 stands one flange thickness to its left: from a coarse mesh to
    // a fine one (about 1 800 and 44 000 elements) its values hold while the corner's keep growing.
    const geo::BuildResult b = built(angle215);
    ASSERT_TRUE(b.ok) << b.reasonEn;
    std::vector<geo::StressPoint> points(2, b.geometry.points.front());
    points[1].at.y = 175.0;
    delmarix::AnalysisOptions coarse, fine;
    coarse.sizeFactor = 0.9;
    fine.sizeFactor = 0.15;
    const delmarix::Analysis c = delmarix::analyseSection(b.geometry.plates, points, coarse);
    const delmarix::Analysis f = delmarix::analyseSection(b.geometry.plates, points, fine);
    ASSERT_TRUE(c.ok && f.ok) << c.reasonEn << f.reasonEn;
    testsections::expectAll({{"P1 Tau-Y, coarse against fine mesh", c.points[0].tauY, f.points[0].tauY, 0.002},
                             {"P1 Tau-X, coarse against fine mesh", c.points[0].tauX, f.points[0].tauX, 0.002}});
    EXPECT_GT(f.points[1].tauY / c.points[1].tauY, 1.5) << "the corner's Tau-Y: " << c.points[1].tauY << ", " << f.points[1].tauY;
}
