// Reading a result file's fields back in the tests: the suite's sequential
// field format (comma or line end between fields, text in double quotes).
#pragma once

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace resultfields {

inline std::vector<std::string> fields(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\r' || text[i] == '\n'))
            ++i;
        if (i >= text.size())
            break;
        std::string f;
        if (text[i] == '"') {
            const std::size_t end = text.find('"', i + 1);
            f = text.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                f += text[i++];
        }
        out.push_back(f);
        while (i < text.size() && (text[i] == ' '))
            ++i;
        if (i < text.size() && text[i] == ',')
            ++i;
    }
    return out;
}

// Fields before the first stress row: number, description, 11 values, 5 flags.
constexpr std::size_t kHeadFields = 1 + 1 + 11 + 5;

// Row n (1-based) of the stress table: Sigma-X, Tau-Y, Tau-Z, Tau-X, Sigma-Y, Sigma-Z, thickness.
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
