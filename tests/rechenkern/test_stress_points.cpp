// The governing stress points (from row 18) against closed forms, the rows each
// family writes, and P1 of the angle sections away from its re-entrant corner.
#include "result_fields.h"

#include "analysis.h"
#include "run.h"
#include "transfer_input.h"

#include "kern/section_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using namespace resultfields;

namespace {

// Columns of a stress row.
enum Column { SigmaX, TauY, TauZ, TauX, SigmaY, SigmaZ, Thickness };

std::vector<std::string> computed(const std::vector<std::string>& lines)
{
    const std::vector<std::string> f = fields(delmarix::run(crlf(lines)));
    EXPECT_GT(f.size(), kHeadFields) << (f.empty() ? std::string() : f[0]);
    return f;
}

void expectRelative(double actual, double expected, double tolerance, const char* what)
{
    EXPECT_NEAR(actual / expected, 1.0, tolerance) << what << ": " << actual << " against " << expected;
    std::printf("  %-46s %14.7g  reference %14.7g  deviation %+.3f %%\n", what, actual, expected,
                100.0 * (actual / expected - 1.0));
}

// Form 1: flanges 600 × 30, webs 1200 × 12, clear width 400, both flanges
// 600 wide (transfer lines: form, angle, top width, top thickness, bottom width,
// bottom thickness, web height, web thickness, clear width, stiffener count).
const std::vector<std::string> box1{"1", "0", "600", "30", "600", "30", "1200", "12", "400", "0"};
const double bf = 600, tf = 30, hw = 1200, tw = 12, clear = 400;

// HEB 300 (EN 10365): h 300, b 300, tw 11, tf 19, r 27.
const std::vector<std::string> heb300{"102", "0", "300", "300", "11", "19", "27", "0"};

// The box's second moment and the first moment of the part above the centroid,
// by the rectangles (the section is symmetric: the centroid at mid-height).
struct BoxMoments {
    double i, sAbove, zs;
};

BoxMoments boxMoments()
{
    const double a = hw / 2 + tf / 2; // flange mid-plane from the centroid
    BoxMoments m;
    m.zs = tf / 2 + hw / 2;
    m.i = 2 * (bf * tf * tf * tf / 12 + bf * tf * a * a) + 2 * tw * hw * hw * hw / 12;
    m.sAbove = bf * tf * a + 2 * tw * (hw / 2) * (hw / 4);
    return m;
}

// It of a rolled I profile with its fillets: the makers' formula (ArcelorMittal,
// explanatory notes to the sales programme; SCI P385), D the diameter of the
// circle inscribed at the web-to-flange junction.
double rolledTorsionConstant(double h, double b, double tw, double tf, double r)
{
    const double d = (std::pow(r + tw / 2, 2) + std::pow(r + tf, 2) - r * r) / (2 * r + tf);
    return 2.0 / 3 * (b - 0.63 * tf) * tf * tf * tf + (h - 2 * tf) * tw * tw * tw / 3 +
           2 * (tw / tf) * (0.145 + 0.1 * r / tf) * std::pow(d, 4);
}

} // namespace

// --- Accuracy of the governing points ----------------------------------------------

TEST(GoverningPoints, BoxWebsAtTheCentroidCarryJourawskisShear)
{
    // Vz = 1 kN through the shear centre: τ = V·S/(I·Σt) at the centroid's height
    // (Jourawski; Timoshenko & Gere, Mechanics of Materials, shear stresses in
    // beams). By symmetry the shear flow vanishes where the plane of symmetry cuts
    // the flanges, so the cut through both webs is the open section's cut: Σt = 2·tw.
    const std::vector<std::string> f = computed(box1);
    const BoxMoments m = boxMoments();
    EXPECT_NEAR(-std::atof(f[2 + 7].c_str()), m.zs, 1e-6);
    const double tau = 1.0 * m.sAbove / (m.i * 2 * tw); // kN/mm²
    expectRelative(stressRow(f, 18)[TauZ], tau, 0.03, "form 1 right web P18, Tau-Z (Vz)");
    expectRelative(stressRow(f, 19)[TauZ], tau, 0.03, "form 1 left web P19, Tau-Z (Vz)");
    EXPECT_EQ(stressRow(f, 18)[Thickness], tw);
}

TEST(GoverningPoints, BoxWebsCarryBredtsShearFlow)
{
    // Mx = 1 kNm = 1000 kN·mm counter-clockwise: τ = T/(2·A_m·t) (Bredt–Batho;
    // Johnson, Advanced Structural Mechanics, eq. 2.37–2.40), A_m enclosed by the
    // mid-lines. The flow runs up the right web and down the left one.
    const std::vector<std::string> f = computed(box1);
    const double am = (clear + tw) * (hw + tf);
    const double tau = 1000.0 / (2 * am * tw);
    expectRelative(stressRow(f, 18)[TauX], tau, 0.03, "form 1 right web P18, Tau-X (Bredt)");
    expectRelative(-stressRow(f, 19)[TauX], tau, 0.03, "form 1 left web P19, -Tau-X (Bredt)");
}

TEST(GoverningPoints, RolledFlangeFacesCarryTheThinWalledTorsionStress)
{
    // Mx = 1 kNm: τ = T·tf/IT on a flange's face (thin-walled St Venant torsion;
    // Timoshenko & Goodier, Theory of Elasticity, narrow rectangle), IT from the
    // makers' formula: 185.0 cm⁴ as the catalogues publish for HEB 300.
    const double it = rolledTorsionConstant(300, 300, 11, 19, 27);
    EXPECT_NEAR(it / 185.0e4, 1.0, 2e-3);
    const std::vector<std::string> f = computed(heb300);
    const double tau = 1000.0 * 19 / it;
    // Counter-clockwise: along +y under the bottom flange, along −y over the top flange.
    expectRelative(stressRow(f, 19)[TauX], tau, 0.05, "HEB 300 bottom flange P19, Tau-X");
    expectRelative(-stressRow(f, 20)[TauX], tau, 0.05, "HEB 300 top flange P20, -Tau-X");
    EXPECT_EQ(stressRow(f, 19)[Thickness], 19.0);
    // The web's point at the centroid (mid-height) carries Jourawski's shear as well.
    EXPECT_GT(stressRow(f, 18)[TauZ], 0.0);
}

// --- Rows per family ----------------------------------------------------------------

struct FamilyRows {
    const char* name;
    std::vector<std::string> lines;
    int rows;                     // rows written: 17 and the governing ones
    std::vector<int> present;     // governing rows with a point (thickness > 0)
};

class GoverningRows : public ::testing::TestWithParam<FamilyRows> {};

TEST_P(GoverningRows, FollowTheFixedRows)
{
    const FamilyRows& c = GetParam();
    const std::vector<std::string> f = computed(c.lines);
    ASSERT_EQ(f.size(), kHeadFields + 7 * std::size_t(c.rows)) << f[0];
    for (int row = tarvello::geometrie::kFixedPointRows + 1; row <= c.rows; ++row) {
        const bool expected = std::find(c.present.begin(), c.present.end(), row) != c.present.end();
        EXPECT_EQ(stressRow(f, row)[Thickness] > 0.0, expected) << c.name << " row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, GoverningRows,
    ::testing::Values(
        FamilyRows{"box", {"5", "-4", "500", "20", "460", "16", "800", "10", "400", "3", "1", "30", "80", "40", "8",
                           "3", "70", "80", "0", "8", "5", "50", "100", "50", "10"}, 19, {18, 19}},
        // The centroid lies in the box above the H profile: its web has no point.
        FamilyRows{"box on H", {"55", "0", "500", "20", "300", "14", "800", "10", "260", "1", "1", "30", "80", "40",
                                "8", "290", "8.5", "27"}, 22, {18, 19, 21, 22}},
        FamilyRows{"half H", {"115", "0", "500", "20", "600", "20", "1000", "12", "500", "12", "1", "60", "40", "1",
                              "300", "300", "11", "19", "27", "2", "1", "30", "100", "50", "10", "2", "40", "100",
                              "50", "10"}, 20, {18, 19, 20}},
        FamilyRows{"angle", {"215", "0", "500", "20", "400", "20", "900", "12", "350", "10", "700", "1", "50", "40",
                             "150", "20", "0"}, 19, {18, 19}},
        FamilyRows{"angle with H", {"225", "0", "300", "20", "400", "20", "700", "12", "350", "10", "700", "0", "150",
                                    "20", "300", "300", "11", "19", "27", "0"}, 20, {18, 19, 20}},
        FamilyRows{"two cells", {"319", "0", "900", "30", "1500", "30", "2000", "14", "800", "12", "1", "80", "60",
                                 "1", "500", "25", "1400", "10", "300", "1", "5", "50", "200", "100", "12"},
                   20, {18, 19, 20}},
        FamilyRows{"rolled", {"102", "0", "290", "300", "8.5", "14", "27", "0"}, 20, {18, 19, 20}},
        FamilyRows{"flat rail", {"103", "0", "290", "300", "8.5", "14", "27", "30", "80", "0"}, 20, {18, 19, 20}}),
    [](const ::testing::TestParamInfo<FamilyRows>& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

// --- P1 of the angle sections ---------------------------------------------------------

TEST(AngleSection, P1ConvergesWhereTheCornerDoesNot)
{
    // The bottom flange's right end meets the web reaching below it in a
    // re-entrant corner (shear stress ~ r^(-1/3) there). P1 stands one flange
    // thickness away on the underside; a point in the corner itself is added for
    // comparison.
    const auto parsed = delmarix::parseTransfer(
        crlf({"215", "0", "500", "20", "400", "20", "900", "12", "350", "10", "700", "1", "50", "40", "150", "20", "0"}));
    ASSERT_TRUE(parsed.ok) << parsed.reasonEn;
    const auto built = tarvello::geometrie::buildWeldedSection(parsed.input.welded);
    ASSERT_TRUE(built.ok) << built.reasonEn;
    tarvello::geometrie::SectionGeometry g = built.geometry;
    const tarvello::geometrie::StressPoint p1 = g.points.front();
    ASSERT_EQ(p1.number, 1);
    EXPECT_DOUBLE_EQ(p1.at.y, 175.0 - 20.0); // clear width / 2 − flange thickness
    tarvello::geometrie::StressPoint corner = p1;
    corner.number = 99;
    corner.at.y = 175.0;
    g.points.push_back(corner);
    std::printf("  size factor  elements   P1 Tau-Y     P1 Tau-X     corner Tau-Y  corner Tau-X\n");
    std::vector<std::array<double, 4>> seen;
    for (double factor : {0.9, 0.6, 0.4, 0.25, 0.15}) {
        delmarix::AnalysisOptions o;
        o.sizeFactor = factor;
        const delmarix::Analysis a = delmarix::analyseSection(g, o);
        ASSERT_TRUE(a.ok) << a.reasonEn;
        const delmarix::PointStress& p = a.points[0];
        const delmarix::PointStress& c = a.points[g.points.size() - 1];
        std::printf("  %11.2f  %8d  %11.5g  %11.5g  %12.5g  %12.5g\n", factor, a.values.elements, p.tauY, p.tauX,
                    c.tauY, c.tauX);
        seen.push_back({p.tauY, p.tauX, c.tauY, c.tauX});
    }
    const auto& finest = seen.back();
    for (const auto& s : seen) {
        EXPECT_NEAR(s[0] / finest[0], 1.0, 0.01);
        EXPECT_NEAR(s[1] / finest[1], 1.0, 0.01);
    }
    // In the corner the values keep growing with the refinement.
    EXPECT_GT(std::fabs(finest[2]), 1.5 * std::fabs(seen.front()[2]));
}
