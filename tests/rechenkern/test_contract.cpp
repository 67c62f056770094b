// The engine as the program sees it: a process with two file names that writes
// the result, removes its input last and answers bad input with a "Fehler" result.
#include "result_fields.h"
#include "run.h"
#include "transfer_input.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using resultfields::crlf;
using resultfields::fields;
using resultfields::stressRow;

struct RunResult {
    int exitCode = -1;
    bool inputGone = false;
    std::string result;
    double seconds = 0.0;
};

class Engine : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("delmarix test " + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + " " +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs the engine the way the program starts it: blanks in the names as "?".
    RunResult runEngine(const std::string* input)
    {
        const fs::path in = dir / "Übergabe2.dat", out = dir / "Übergabe1.dat";
        if (input) {
            std::ofstream f(in, std::ios::binary);
            f << *input;
        }
        auto hidden = [](std::string s) {
            for (char& c : s)
                if (c == ' ')
                    c = '?';
            return s;
        };
        const std::string command = std::string(DELMARIX_PATH) + " " + hidden(in.string()) + " " + hidden(out.string());
        const auto t0 = std::chrono::steady_clock::now();
        const int status = std::system(command.c_str());
        RunResult r;
        r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.inputGone = !fs::exists(in);
        std::ifstream f(out, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        r.result = ss.str();
        return r;
    }

    fs::path dir;
};

const std::vector<std::string> boxInput{"1", "0", "500", "20", "460", "16", "800", "10", "400", "0"};

} // namespace

TEST_F(Engine, WritesTheWholeResultAndRemovesItsInput)
{
    const std::string input = crlf(boxInput);
    const RunResult r = runEngine(&input);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.inputGone);
    EXPECT_LT(r.seconds, 3.0);
    const std::vector<std::string> f = fields(r.result);
    // 1 number, 1 description, 9 values + YM, ZM, 5 flags, rows 1..17 of 7 and
    // the governing rows 18 (right web) and 19 (left web) at the centroid's height.
    ASSERT_EQ(f.size(), 1u + 1 + 11 + 5 + 19 * 7) << r.result;
    EXPECT_EQ(f[0], "1");
    EXPECT_NE(f[1].find("Delmarix"), std::string::npos);
    EXPECT_LT(std::atof(f[2 + 7].c_str()), 0.0) << "ZS is written negated";
    EXPECT_NEAR(std::atof(f[2].c_str()), 500 * 20 + 460 * 16 + 2 * 800 * 10, 1e-6);
    // P1 exists (thickness 16), P9 does not (no stiffener): a row of zeros.
    EXPECT_EQ(f[18 + 6], "16");
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(f[18 + 8 * 7 + k], "0");
    // Rows 15..17 belong to other families: zeros. Rows 18, 19 are the webs (thickness 10).
    for (int row = 15; row <= 17; ++row)
        EXPECT_EQ(stressRow(f, row)[6], 0.0) << row;
    EXPECT_EQ(stressRow(f, 18)[6], 10.0);
    EXPECT_EQ(stressRow(f, 19)[6], 10.0);
    EXPECT_NE(r.result.find("\r\n"), std::string::npos);
}

TEST_F(Engine, RolledProfileLayout)
{
    const std::string input = crlf({"110", "0", "490", "300", "12", "23", "27", "27", "100", "300", "8.5", "14", "0"});
    const RunResult r = runEngine(&input);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.inputGone);
    const std::vector<std::string> f = fields(r.result);
    // Rows 1..17 (8..17 zeros), then P18 web, P19 bottom flange, P20 top flange.
    ASSERT_EQ(f.size(), 1u + 1 + 11 + 5 + 20 * 7) << r.result;
    EXPECT_EQ(f[0], "110");
    EXPECT_EQ(stressRow(f, 7)[6], 12.0);
    EXPECT_EQ(stressRow(f, 8)[6], 0.0);
    EXPECT_EQ(stressRow(f, 19)[6], 14.0);
    EXPECT_EQ(stressRow(f, 20)[6], 23.0);
}

// Only a regular file read as the input is removed: never a folder or a device it was handed.
TEST_F(Engine, RemovesNothingButARegularInput)
{
    fs::create_directories(dir / "Übergabe2.dat");
    RunResult r = runEngine(nullptr);
    EXPECT_FALSE(r.inputGone);
    EXPECT_EQ(fields(r.result)[0].rfind("Fehler", 0), 0u);
    std::string out = (dir / "out.dat").string();
    std::replace(out.begin(), out.end(), ' ', '?');
    const std::string command = std::string(DELMARIX_PATH) + " /dev/null " + out;
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(fs::exists("/dev/null"));
}

TEST_F(Engine, MissingInputStillAnswers)
{
    const RunResult r = runEngine(nullptr);
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_FALSE(fields(r.result).empty());
    EXPECT_EQ(fields(r.result)[0].rfind("Fehler", 0), 0u);
}

struct BadInput {
    const char* name;
    std::vector<std::string> lines;
    const char* reasonPart; // a word the English reason must contain
};

class BadInputs : public Engine, public ::testing::WithParamInterface<BadInput> {};

TEST_P(BadInputs, GiveAFehlerResult)
{
    const std::string input = crlf(GetParam().lines);
    const RunResult r = runEngine(&input);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.inputGone);
    EXPECT_LT(r.seconds, 3.0);
    const std::vector<std::string> f = fields(r.result);
    ASSERT_FALSE(f.empty());
    EXPECT_EQ(f[0].rfind("Fehler", 0), 0u) << f[0];
    EXPECT_NE(f[0].find("Error"), std::string::npos) << f[0];
    EXPECT_NE(f[0].find(GetParam().reasonPart), std::string::npos) << f[0];
}

INSTANTIATE_TEST_SUITE_P(
    Contract, BadInputs,
    ::testing::Values(
        BadInput{"empty", {}, "empty"},
        BadInput{"truncated", {"1", "0", "500", "20"}, "line 5 is missing"},
        BadInput{"garbled", {"1", "0", "500", "2x0", "460", "16", "800", "10", "400", "0"}, "line 4"},
        BadInput{"comma", {"1", "0", "500", "20", "460,5", "16", "800", "10", "400", "0"}, "line 5"},
        BadInput{"binary", {"\x01\x02\xff\xfe", "\x7f"}, "line 1"},
        BadInput{"negative", {"1", "0", "500", "20", "460", "16", "800", "-10", "400", "0"}, "greater than 0"},
        BadInput{"no form 200", {"200", "0", "500", "20", "460", "16", "800", "10", "400", "0", "0"}, "offers no section"},
        BadInput{"no form 59", {"59", "0", "500", "20", "300", "14", "800", "10", "260", "0"}, "offers no section"},
        // The classification offers 61..110 and 120..199 no section (102, 103, 110 are the rolled layout).
        BadInput{"no form 70", {"70", "0", "500", "20", "460", "16", "800", "10", "400", "10", "0", "1", "0"},
                 "offers no section"},
        BadInput{"no form 150", {"150", "0", "500", "20", "460", "16", "800", "10", "400", "10", "0", "1", "0"},
                 "offers no section"},
        BadInput{"huge number", {"31000", "0", "500", "20", "460", "16", "800", "10", "400", "10", "0", "1", "600", "20", "300",
                                       "10", "100", "0"}, "offers no section"},
        BadInput{"absurd slenderness", {"1", "0", "5e6", "0.01", "460", "16", "800", "10", "400", "0"}, "too large"},
        BadInput{"web angle", {"1", "80", "500", "20", "460", "16", "800", "10", "400", "0"}, "web angle"},
        BadInput{"stiffener crosses the cell",
                 {"2", "0", "500", "20", "460", "16", "800", "10", "400", "1", "1", "50", "300", "0", "10"}, "overlap"},
        BadInput{"stiffener count", {"1", "0", "500", "20", "460", "16", "800", "10", "400", "9"}, "line 10"},
        BadInput{"stiffener twice",
                 {"2", "0", "500", "20", "460", "16", "800", "10", "400", "2", "1", "50", "100", "0", "10", "1", "40",
                  "100", "0", "10"},
                 "twice"},
        BadInput{"extra line", {"1", "0", "500", "20", "460", "16", "800", "10", "400", "0", "7"}, "unexpected"},
        BadInput{"rail flag", {"11", "0", "500", "20", "460", "16", "800", "10", "400", "10", "2", "1", "0"}, "line 11"},
        BadInput{"bottom profile too high", {"110", "0", "290", "300", "8.5", "14", "27", "27", "250", "300", "8.5", "14", "0"}, "too high"},
        BadInput{"rolled truncated", {"103", "0", "290", "300", "8.5", "14", "27", "30"}, "missing"},
        BadInput{"falls apart", {"1", "0", "100", "20", "460", "16", "800", "10", "400", "0"}, "falls apart"}),
    [](const ::testing::TestParamInfo<BadInput>& info) {
        std::string n = info.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return n;
    });

// --- Reading the layouts by the conditions the writer uses ------------------------

TEST(TransferLayout, BlockRAndConditionalLines)
{
    // Form 14: block R with Stegdicke 2, the rail (acting) and line 14, then two stiffener rows.
    const auto p = delmarix::parseTransfer(crlf({"14", "5", "600", "25", "520", "20", "1000", "12", "400", "10", "1",
                                                 "60", "40", "1", "2", "1", "30", "100", "50", "10", "3", "70", "80",
                                                 "40", "8"}));
    ASSERT_TRUE(p.ok) << p.reasonEn;
    const auto& d = p.input.welded;
    EXPECT_EQ(d.form, 14);
    EXPECT_DOUBLE_EQ(d.webAngle, 5);
    EXPECT_DOUBLE_EQ(d.webThickness2, 10);
    EXPECT_TRUE(d.railActing);
    EXPECT_DOUBLE_EQ(d.railWidth, 60);
    EXPECT_DOUBLE_EQ(d.railHeight, 40);
    EXPECT_TRUE(d.stiffeners[0].given);
    EXPECT_FALSE(d.stiffeners[1].given);
    EXPECT_TRUE(d.stiffeners[2].given);
    EXPECT_DOUBLE_EQ(d.stiffeners[2].leg2, 40);
}

TEST(TransferLayout, AngleSectionAndBoxOnH)
{
    const auto a = delmarix::parseTransfer(crlf({"225", "0", "300", "20", "400", "20", "700", "12", "350", "10", "700",
                                                 "0", "150", "20", "300", "300", "11", "19", "27", "0"}));
    ASSERT_TRUE(a.ok) << a.reasonEn;
    EXPECT_DOUBLE_EQ(a.input.welded.webHeight2, 700);
    EXPECT_FALSE(a.input.welded.railActing);
    EXPECT_DOUBLE_EQ(a.input.welded.flatWidth, 150);
    EXPECT_DOUBLE_EQ(a.input.welded.profile.rootRadius, 27);
    // Forms 51..58: no block R; lines 20 (H, S, R) after the stiffeners.
    const auto h = delmarix::parseTransfer(crlf({"52", "0", "500", "20", "300", "14", "800", "10", "260", "1", "1",
                                                 "30", "80", "40", "8", "290", "8.5", "27"}));
    ASSERT_TRUE(h.ok) << h.reasonEn;
    EXPECT_DOUBLE_EQ(h.input.welded.profile.height, 290);
    EXPECT_DOUBLE_EQ(h.input.welded.profile.flangeWidth, 300);
}

TEST(TransferLayout, EveryFamilyComputes)
{
    const std::vector<std::vector<std::string>> inputs{
        {"5", "-4", "500", "20", "460", "16", "800", "10", "400", "3", "1", "30", "80", "40", "8", "3", "70", "80", "0",
         "8", "5", "50", "100", "50", "10"},
        {"36", "0", "600", "25", "520", "20", "1000", "12", "400", "12", "1", "60", "40", "1", "1", "5", "50", "100", "0", "10"},
        {"55", "0", "500", "20", "300", "14", "800", "10", "260", "1", "1", "30", "80", "40", "8", "290", "8.5", "27"},
        {"115", "0", "500", "20", "600", "20", "1000", "12", "500", "12", "1", "60", "40", "1", "300", "300", "11",
         "19", "27", "2", "1", "30", "100", "50", "10", "2", "40", "100", "50", "10"},
        {"215", "0", "500", "20", "400", "20", "900", "12", "350", "10", "700", "1", "50", "40", "150", "20", "0"},
        {"319", "0", "900", "30", "1500", "30", "2000", "14", "800", "12", "1", "80", "60", "1", "500", "25", "1400",
         "10", "300", "1", "5", "50", "200", "100", "12"},
        {"102", "0", "290", "300", "8.5", "14", "27", "0"},
        {"103", "0", "290", "300", "8.5", "14", "27", "30", "80", "0"},
    };
    for (const auto& lines : inputs) {
        const std::string result = delmarix::run(crlf(lines));
        const std::vector<std::string> f = fields(result);
        ASSERT_GT(f.size(), 2u) << lines[0];
        EXPECT_EQ(f[0], lines[0]) << result;
    }
}
