// Delmarix <input> <result> [<stress mesh>]
//
// Reads the input file, writes the whole result file and removes the input file,
// always in this order and also after a failure: the calling program takes the
// disappearance of the input as the signal that the result is complete. Only a
// regular file that was read as the input is removed, never a device, a folder
// or a file that could not be read; the caller then sees the engine end with
// its input still there. Every "?" in an argument stands for a blank. The exit
// code is 0 when a result was written; a result that could not be written (a
// missing folder, a full disk) leaves the input in place and ends with 3, and
// the same path for input and result (or mesh) is refused with 2, touching nothing. Asked for a stress mesh, it
// writes that before the result, and removes it after a failure so that no
// earlier section's mesh stays beside the new result.
#include "result_file.h"
#include "run.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

namespace {

// The caller gives up after about three seconds; a result must be there before.
constexpr auto timeLimit = std::chrono::milliseconds(2500);
constexpr std::size_t largestInput = 1 << 20;

std::string fileName(const char* argument)
{
    std::string s(argument);
    for (char& c : s)
        if (c == '?')
            c = ' ';
    return s;
}

bool readFile(const std::string& path, std::string& text)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string content;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (content.size() > largestInput)
            return false;
    }
    if (in.bad())
        return false;
    text = std::move(content);
    return true;
}

// Whether every byte reached the file. Written beside it and renamed over it only when whole, so that
// a full disk leaves no half result where the caller looks (nor keeps one of an earlier run).
bool writeFile(const std::string& path, const std::string& text)
{
    const std::string beside = path + ".entsteht";
    std::ofstream out(beside, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    out.close();
    std::error_code error;
    if (!out.fail()) {
        std::filesystem::rename(beside, path, error);
        if (!error)
            return true;
    }
    std::filesystem::remove(beside, error);
    return false;
}

bool samePlace(const std::string& a, const std::string& b)
{
    std::error_code error;
    const auto x = std::filesystem::weakly_canonical(a, error);
    const auto y = std::filesystem::weakly_canonical(b, error);
    return !error && x == y;
}

struct Finish {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "Delmarix %s\nusage: Delmarix <input> <result> [<stress mesh>]  ('?' stands for a blank)\n",
                     delmarix::engineVersion);
        return 2;
    }
    const std::string input = fileName(argv[1]);
    const std::string result = fileName(argv[2]);
    const std::string mesh = argc == 4 ? fileName(argv[3]) : std::string();
    // Writing the result over the input (or the mesh over either) would lose the one or the other.
    if (samePlace(input, result) || (!mesh.empty() && (samePlace(mesh, input) || samePlace(mesh, result)))) {
        std::fprintf(stderr, "Delmarix: input, result and stress mesh must be three different files\n");
        return 2;
    }

    Finish finish;
    std::atomic<bool> inputRead{false};
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> lock(finish.mutex);
        if (finish.done.wait_for(lock, timeLimit, [&] { return finish.finished; }))
            return;
        // Still computing: answer with a failure rather than leave the caller waiting.
        const bool written = writeFile(result, delmarix::formatFailure("Rechenzeit überschritten", "computing time exceeded"));
        if (inputRead && written)
            std::remove(input.c_str());
        std::fflush(nullptr);
        std::_Exit(written ? 0 : 3);
    });

    std::string text;
    delmarix::RunOutput output;
    if (!readFile(input, text)) {
        output.result = delmarix::formatFailure("Eingabedatei fehlt, ist keine Datei, ist nicht lesbar oder zu groß: " + input,
                                                "input file missing, not a file, unreadable or too large: " + input);
    } else {
        inputRead = true;
        output = delmarix::runWithMesh(text, {}, !mesh.empty());
    }

    bool written = true;
    {
        std::lock_guard<std::mutex> lock(finish.mutex);
        finish.finished = true;
        // The stress mesh first, so that it is there when the result is.
        std::error_code ignored;
        if (!mesh.empty() && output.stressMesh.empty())
            std::filesystem::remove(mesh, ignored);
        else if (!mesh.empty() && !writeFile(mesh, output.stressMesh))
            std::filesystem::remove(mesh, ignored);
        written = writeFile(result, output.result);
        // A result that did not reach its file is no result: the input stays as the caller's sign.
        if (inputRead && written)
            std::remove(input.c_str());
    }
    finish.done.notify_all();
    watchdog.join();
    if (!written) {
        std::fprintf(stderr, "Delmarix: the result could not be written: %s\n", delmarix::validUtf8(result).c_str());
        return 3;
    }
    return 0;
}
