// The engine as the program sees it: a process given two file names (blanks as
// "?") that writes the whole result, then removes its input, and answers what it
// cannot compute with a "Fehler" result.
#include "result_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace resultfields;

namespace {

class Engine : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "delmarix test " + std::to_string(::getpid()) + " " + info->test_suite_name() + " " + info->name();
        std::replace(name.begin(), name.end(), '/', ' ');
        dir = fs::temp_directory_path() / name;
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs the engine as the program starts it (blanks as "?"); no input file when `input` is null.
    void runEngine(const std::string* input)
    {
        const fs::path in = dir / "Übergabe2.dat", out = dir / "Übergabe1.dat";
        if (input)
            std::ofstream(in, std::ios::binary) << *input;
        const auto hidden = [](std::string s) {
            std::replace(s.begin(), s.end(), ' ', '?');
            return s;
        };
        const auto t0 = std::chrono::steady_clock::now();
        const std::string mesh = withMesh ? " " + hidden((dir / "Übergabe1.netz").string()) : std::string();
        const int status = std::system((DELMARIX_PATH " " + hidden(in.string()) + " " + hidden(out.string()) + mesh).c_str());
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        inputGone = !fs::exists(in);
        std::stringstream ss;
        ss << std::ifstream(out, std::ios::binary).rdbuf();
        result = ss.str();
    }

    fs::path dir;
    bool withMesh = false; // ask for the stress mesh as a third argument
    int exitCode = -1;
    bool inputGone = false;
    std::string result;
    double seconds = 0.0;
};

} // namespace

TEST_F(Engine, WritesTheWholeResultAndRemovesItsInput)
{
    // Form 1: top flange 500 × 20, bottom flange 460 × 16, webs 800 × 10, clear width 400.
    const std::string input = crlf({"1", "0", "500", "20", "460", "16", "800", "10", "400", "0"});
    runEngine(&input);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(inputGone);
    EXPECT_LT(seconds, 3.0);
    // CR LF line ends; the number as given, the description, 11 values, 5 flags, rows 1..17 and
    // a governing row for each place named after them, at least the peaks of shear in both webs.
    EXPECT_EQ(result.rfind("1\r\n\"Delmarix ", 0), 0u) << result;
    const Result r = parse(result);
    EXPECT_TRUE(r.unread.empty()) << result;
    EXPECT_GE(r.places.size(), 2u) << result;
    ASSERT_EQ(r.rows.size(), 17 + r.places.size()) << result;
    // The last line counts what came before it: a file cut anywhere is seen as cut.
    EXPECT_TRUE(result.size() > 2 && result.rfind("\"Ende\",") == result.rfind("\r\n", result.size() - 3) + 2) << result;
    EXPECT_EQ(r.endRows, int(r.rows.size()));
    EXPECT_EQ(r.endLines, r.namedLines);
    EXPECT_NEAR(std::atof(r.head[2].c_str()), 500 * 20 + 460 * 16 + 2 * 800 * 10, 1e-6);
    // Asked for, the stress mesh beside the result; a failed run leaves none of an earlier section behind.
    const fs::path mesh = dir / "Übergabe1.netz";
    EXPECT_FALSE(fs::exists(mesh)) << "written unasked";
    withMesh = true;
    runEngine(&input);
    std::stringstream ss;
    ss << std::ifstream(mesh, std::ios::binary).rdbuf();
    EXPECT_EQ(ss.str().rfind("\"Spannungsnetz\",1\r\n", 0), 0u);
    // Nothing else is left in the folder: the files are written beside and renamed into place.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Übergabe1.dat", "Übergabe1.netz"}));
    const std::string refused = crlf({"1", "0", "500", "20", "460", "16", "800", "0", "400", "0"});
    runEngine(&refused);
    EXPECT_EQ(result.rfind("\"Fehler: ", 0), 0u) << result;
    EXPECT_FALSE(fs::exists(mesh));
}

// Only a regular file read as the input is removed: a folder or a device given as the input
// stays (the device a null device of the test's own, where the system lets one be made).
TEST_F(Engine, AnswersAMissingInputAndRemovesNoFolderOrDevice)
{
    runEngine(nullptr);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(result.rfind("\"Fehler: ", 0), 0u) << result;
    const fs::path in = dir / "Übergabe2.dat";
    fs::create_directories(in);
    runEngine(nullptr);
    EXPECT_FALSE(inputGone);
    EXPECT_EQ(result.rfind("\"Fehler: ", 0), 0u) << result;
    fs::remove(in);
    if (::mknod(in.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "no device node can be made here";
    runEngine(nullptr);
    EXPECT_FALSE(inputGone);
    EXPECT_EQ(result.rfind("\"Fehler: ", 0), 0u) << result;
}

struct BadInput {
    const char* name;
    std::vector<std::string> lines;
    const char* reasonPart; // words the English reason must contain
};

class BadInputs : public Engine, public ::testing::WithParamInterface<BadInput> {};

TEST_P(BadInputs, GiveAFehlerResultAndRemoveTheInput)
{
    const std::string input = crlf(GetParam().lines);
    runEngine(&input);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(inputGone);
    EXPECT_LT(seconds, 3.0);
    const std::vector<std::string> f = fields(result);
    ASSERT_EQ(f.size(), 1u) << GetParam().name << ": " << result;
    EXPECT_EQ(f[0].rfind("Fehler: ", 0), 0u) << f[0];
    EXPECT_NE(f[0].find(" / Error: "), std::string::npos) << f[0];
    EXPECT_NE(f[0].find(GetParam().reasonPart), std::string::npos) << GetParam().name << ": " << f[0];
}

// The form numbers that offer no section are those of the one classification: 50, 59, 60,
// 61..110 and 120..199 (but for the rolled 102, 103, 110), 200, 300 and above 399.
const BadInput badInputs[] = {
    {"empty", {}, "empty"},
    {"truncated", {"1", "0", "500", "20"}, "line 5 is missing"},
    {"garbled", {"1", "0", "500", "2x0", "460", "16", "800", "10", "400", "0"}, "line 4"},
    {"comma", {"1", "0", "500", "20", "460,5", "16", "800", "10", "400", "0"}, "line 5"},
    {"binary", {"\x01\x02\xff\xfe", "\x7f"}, "line 1"},
    {"negative", {"1", "0", "500", "20", "460", "16", "800", "-10", "400", "0"}, "greater than 0"},
    {"form 200", {"200", "0", "500", "20", "460", "16", "800", "10", "400", "0", "0"}, "offers no section"},
    {"form 59", {"59", "0", "500", "20", "300", "14", "800", "10", "260", "0"}, "offers no section"},
    {"form 70", {"70", "0", "500", "20", "460", "16", "800", "10", "400", "10", "0", "1", "0"}, "offers no section"},
    {"form 150", {"150", "0", "500", "20", "460", "16", "800", "10", "400", "10", "0", "1", "0"}, "offers no section"},
    {"absurd slenderness", {"1", "0", "5e6", "0.01", "460", "16", "800", "10", "400", "0"}, "too large"},
    {"web angle", {"1", "80", "500", "20", "460", "16", "800", "10", "400", "0"}, "web angle"},
    {"stiffener crosses the cell",
     {"2", "0", "500", "20", "460", "16", "800", "10", "400", "1", "1", "50", "300", "0", "10"}, "overlap"},
    {"stiffener count", {"1", "0", "500", "20", "460", "16", "800", "10", "400", "9"}, "line 10"},
    {"stiffener twice",
     {"2", "0", "500", "20", "460", "16", "800", "10", "400", "2", "1", "50", "100", "0", "10", "1", "40", "100", "0", "10"},
     "twice"},
    {"extra line", {"1", "0", "500", "20", "460", "16", "800", "10", "400", "0", "7"}, "unexpected"},
    {"rail flag", {"11", "0", "500", "20", "460", "16", "800", "10", "400", "10", "2", "1", "0"}, "line 11"},
    {"bottom profile too high", {"110", "0", "290", "300", "8.5", "14", "27", "27", "250", "300", "8.5", "14", "0"},
     "too high"},
    {"falls apart", {"1", "0", "100", "20", "460", "16", "800", "10", "400", "0"}, "falls apart"},
};

INSTANTIATE_TEST_SUITE_P(Contract, BadInputs, ::testing::ValuesIn(badInputs));

// Faults of the files themselves: the same path for input and result is refused before anything
// is touched; a result whose folder is missing is no result, so the input stays and the engine
// ends non-zero; bytes of a binary input quoted in the reason reach the result as valid UTF-8.
TEST_F(Engine, KeepsItsInputWhereTheResultCannotBeWritten)
{
    const std::string input = crlf({"1", "0", "500", "20", "460", "16", "800", "10", "400", "0"});
    const fs::path in = dir / "Übergabe2.dat";
    std::ofstream(in, std::ios::binary) << input;
    const auto run = [&](const fs::path& result) {
        const int status = std::system((std::string(DELMARIX_PATH) + " '" + in.string() + "' '" + result.string() + "' 2>/dev/null").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run(in), 2);
    EXPECT_EQ(run(dir / "." / "Übergabe2.dat"), 2);
    std::stringstream same;
    same << std::ifstream(in, std::ios::binary).rdbuf();
    EXPECT_EQ(same.str(), input); // untouched
    EXPECT_EQ(run(dir / "fehlt" / "Übergabe1.dat"), 3);
    EXPECT_TRUE(fs::exists(in));
}

// On a full file system the result is not written at all: an earlier result there keeps its bytes,
// nothing half written is left beside it, the input stays and the engine ends with 3.
TEST_F(Engine, LeavesNoHalfResultOnAFullDisk)
{
    const fs::path full = dir / "voll";
    fs::create_directories(full);
    if (std::system(("mount -t tmpfs -o size=64k tmpfs '" + full.string() + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "no tmpfs of the test's own can be mounted here";
    struct Unmount {
        fs::path at;
        ~Unmount() { (void)std::system(("umount '" + at.string() + "'").c_str()); }
    } unmount{full};
    const fs::path in = dir / "Übergabe2.dat", out = full / "Übergabe1.dat";
    std::ofstream(in, std::ios::binary) << crlf({"1", "0", "500", "20", "460", "16", "800", "10", "400", "0"});
    const std::string earlier = "an earlier result";
    std::ofstream(out, std::ios::binary) << earlier;
    {
        std::ofstream fill(full / "fill", std::ios::binary);
        const std::string block(512, 'f');
        while (fill.write(block.data(), std::streamsize(block.size())) && fill.flush()) {
        }
    }
    const int status = std::system((std::string(DELMARIX_PATH) + " '" + in.string() + "' '" + out.string() + "' 2>/dev/null").c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 3);
    EXPECT_TRUE(fs::exists(in));
    std::stringstream kept;
    kept << std::ifstream(out, std::ios::binary).rdbuf();
    EXPECT_EQ(kept.str(), earlier);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(full))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"fill", "Übergabe1.dat"}));
}

TEST_F(Engine, QuotesOnlyValidText)
{
    const std::string input = std::string("1\r\n0\r\n\xff\xfe\x80" "500\r\n", 12) + "20\r\n";
    runEngine(&input);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(result.rfind("\"Fehler: ", 0), 0u) << result;
    EXPECT_EQ(result.find('\xff'), std::string::npos) << result;
    EXPECT_EQ(result.find('\x80'), std::string::npos) << result;
    // Every multi-byte sequence is well formed.
    for (std::size_t i = 0; i < result.size();) {
        const unsigned char c = static_cast<unsigned char>(result[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        ASSERT_GT(n, 0u) << "at " << i;
        for (std::size_t k = 1; k < n; ++k)
            ASSERT_EQ(static_cast<unsigned char>(result[i + k]) & 0xC0, 0x80) << "at " << i;
        i += n;
    }
}
