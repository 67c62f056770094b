// Delmarix <input> <result> [<stress mesh>]
//
// Reads the input file, writes the whole result file and removes the input file,
// always in this order and also after a failure: the calling program takes the
// disappearance of the input as the signal that the result is complete. Only a
// regular file that was read as the input is removed, never a device, a folder
// or a file that could not be read; the caller then sees the engine end with
// its input still there. Every "?" in an argument stands for a blank. The exit
// code is 0 whenever a result could be attempted. Asked for a stress mesh, it
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

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
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

    Finish finish;
    std::atomic<bool> inputRead{false};
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> lock(finish.mutex);
        if (finish.done.wait_for(lock, timeLimit, [&] { return finish.finished; }))
            return;
        // Still computing: answer with a failure rather than leave the caller waiting.
        writeFile(result, delmarix::formatFailure("Rechenzeit überschritten", "computing time exceeded"));
        if (inputRead)
            std::remove(input.c_str());
        std::fflush(nullptr);
        std::_Exit(0);
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

    {
        std::lock_guard<std::mutex> lock(finish.mutex);
        finish.finished = true;
        // The stress mesh first, so that it is there when the result is.
        std::error_code ignored;
        if (!mesh.empty() && output.stressMesh.empty())
            std::filesystem::remove(mesh, ignored);
        else if (!mesh.empty())
            writeFile(mesh, output.stressMesh);
        writeFile(result, output.result);
        if (inputRead)
            std::remove(input.c_str());
    }
    finish.done.notify_all();
    watchdog.join();
    return 0;
}
