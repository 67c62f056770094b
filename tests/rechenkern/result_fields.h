// Reading a result file back: fields end at a comma or a line end (no field is
// empty), text stands in double quotes and may hold commas.
#pragma once

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace resultfields {

inline std::vector<std::string> fields(const std::string& text)
{
    std::vector<std::string> out(1);
    bool quoted = false;
    for (char c : text)
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == ',' || c == '\n')) {
            if (!out.back().empty())
                out.emplace_back();
        } else if (c != '\r')
            out.back() += c;
    if (out.back().empty())
        out.pop_back();
    return out;
}

// Number, description, A … ZM (11 values), the 5 stiffener flags, then the stress rows.
constexpr std::size_t kHeadFields = 1 + 1 + 11 + 5;
enum Column { SigmaX, TauY, TauZ, TauX, SigmaY, SigmaZ, Thickness };

// Row n (1-based) of the stress table.
inline std::array<double, 7> stressRow(const std::vector<std::string>& f, int n)
{
    std::array<double, 7> row{};
    const std::size_t first = kHeadFields + 7 * std::size_t(n - 1);
    for (std::size_t k = 0; k < 7 && first + k < f.size(); ++k)
        row[k] = std::atof(f[first + k].c_str());
    return row;
}

inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string s;
    for (const std::string& l : lines)
        s += l + "\r\n";
    return s;
}

} // namespace resultfields
