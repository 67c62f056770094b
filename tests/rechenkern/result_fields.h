// Reading a result file back: fields end at a comma or a line end (no field is
// empty), text stands in double quotes and may hold commas.
#pragma once

#include <array>
#include <cstdlib>
#include <map>
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

inline bool isNumber(const std::string& field)
{
    char* end = nullptr;
    std::strtod(field.c_str(), &end);
    return !field.empty() && end == field.c_str() + field.size();
}

// A result file taken apart: the stress rows, then the named lines after them.
struct Result {
    std::vector<std::string> head;             // the kHeadFields fields before the rows
    std::vector<std::array<double, 7>> rows;   // P1, P2, ...
    struct Place {
        double y = 0, z = 0;
        int column = 0; // 1..6: the stress column whose peak the point is
    };
    std::map<int, Place> places;               // "Ort": where governing point n lies
    std::map<std::string, double> named;       // "Iw", "zj", "Wply", "Wplz"
    struct Maximum {
        std::string plate;
        int column = 0;
        double value = 0, y = 0, z = 0;
    };
    std::vector<Maximum> maxima;               // "Maximum": each plate's largest stress per column
    std::vector<std::string> unread;           // fields that fit no record (should stay empty)
    int endRows = -1, endLines = -1;           // "Ende": the rows and named lines before it
    int namedLines = 0;                        // named lines read before the end

    // The largest |stress| of column k (1..6) on the plate named `plate` (English).
    const Maximum* maximum(const std::string& plate, int column) const
    {
        for (const Maximum& m : maxima)
            if (m.plate == plate && m.column == column)
                return &m;
        return nullptr;
    }
};

inline Result parse(const std::string& text)
{
    const std::vector<std::string> f = fields(text);
    Result r;
    std::size_t i = 0;
    for (; i < f.size() && i < kHeadFields; ++i)
        r.head.push_back(f[i]);
    while (i + 7 <= f.size() && isNumber(f[i])) {
        std::array<double, 7> row{};
        for (std::size_t k = 0; k < 7; ++k)
            row[k] = std::atof(f[i + k].c_str());
        r.rows.push_back(row);
        i += 7;
    }
    const auto number = [&](std::size_t k) { return std::atof(f[k].c_str()); };
    while (i < f.size()) {
        if (f[i] == "Ende" && i + 2 < f.size()) {
            r.endRows = std::atoi(f[i + 1].c_str());
            r.endLines = std::atoi(f[i + 2].c_str());
            i += 3;
            continue;
        }
        ++r.namedLines;
        if (f[i] == "Ort" && i + 4 < f.size()) {
            r.places[std::atoi(f[i + 1].c_str())] = {number(i + 2), number(i + 3), std::atoi(f[i + 4].c_str())};
            i += 5;
        } else if (f[i] == "Maximum" && i + 6 < f.size()) {
            r.maxima.push_back({f[i + 2], std::atoi(f[i + 3].c_str()), number(i + 4), number(i + 5), number(i + 6)});
            i += 7;
        } else if (i + 1 < f.size() && !isNumber(f[i]) && isNumber(f[i + 1])) {
            r.named[f[i]] = number(i + 1);
            i += 2;
        } else {
            r.unread.push_back(f[i]);
            ++i;
        }
    }
    return r;
}

inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string s;
    for (const std::string& l : lines)
        s += l + "\r\n";
    return s;
}

} // namespace resultfields
