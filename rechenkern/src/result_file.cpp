#include "result_file.h"

#include "kern/section_geometry.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstdio>

namespace delmarix {

namespace {

const char* const crlf = "\r\n";

// A quoted field may hold commas but no quote and no line break.
std::string quoted(std::string text)
{
    for (char& c : text)
        if (c == '"')
            c = '\'';
        else if (c == '\r' || c == '\n')
            c = ' ';
    return "\"" + text + "\"";
}

// A number with `digits` significant digits (printf's %g); 0 for a non-finite one.
void appendNumber(std::string& s, double v, int digits)
{
    if (v == 0.0 || !std::isfinite(v)) {
        s += '0';
        return;
    }
    char buffer[40];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, digits);
    s.append(buffer, r.ptr);
}

// A field's number in single precision, the shortest text that reads back to it (7 to 9
// digits, 6e-8 relative): enough to draw and combine a field, and a mesh has tens of
// thousands of numbers, which printf's formatting would spend more time on than the analysis.
void appendFieldNumber(std::string& s, double v)
{
    if (v == 0.0 || !std::isfinite(v)) {
        s += '0';
        return;
    }
    char buffer[32];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(v));
    s.append(buffer, r.ptr);
}


} // namespace

std::string formatNumber(double v)
{
    std::string s;
    appendNumber(s, v, 15);
    return s;
}

std::string formatResult(const ResultRecord& r)
{
    const SectionValues& v = r.values;
    std::string s;
    s += r.sectionText + crlf;
    s += quoted(r.description) + crlf;
    // The reader takes YM, ZM only after a negative ZS and then negates it back:
    // so ZS is always written negated and the shear centre always follows.
    const double dz = r.reference;
    const double fields[] = {v.area, v.shearAreaY, v.shearAreaZ, v.torsionConstant, v.iy, v.iz,
                             v.ys,   -(v.zs + dz), v.angle,      v.ym,              v.zm + dz};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        s += formatNumber(fields[i]) + (i + 1 < std::size(fields) ? "," : crlf);
    for (int i = 0; i < 5; ++i)
        s += std::to_string(r.stiffeners[i] ? i + 1 : 0) + (i < 4 ? "," : crlf);
    // Rows 1..17 keep their meaning in every family; governing points follow from row 18.
    const int rows = std::min(r.pointRows, tarvello::geometrie::kMaxStressPoints);
    for (int row = 1; row <= rows; ++row) {
        PointStress p;
        for (const PointStress& q : r.points)
            if (q.number == row)
                p = q;
        const double cols[] = {p.sigmaX, p.tauY, p.tauZ, p.tauX, p.sigmaY, p.sigmaZ, p.thickness};
        for (std::size_t i = 0; i < std::size(cols); ++i)
            s += formatNumber(cols[i]) + (i + 1 < std::size(cols) ? "," : crlf);
    }
    const std::size_t rowsEnd = s.size();
    if (dz != 0.0)
        s += quoted("Bezug") + "," + formatNumber(dz) + crlf;
    for (std::size_t i = 0; i < r.governing.size(); ++i) {
        const StressPoint& p = r.governing[i];
        const int k = i < r.governingColumns.size() ? r.governingColumns[i] + 1 : 0;
        if (p.number <= rows)
            s += quoted("Ort") + "," + std::to_string(p.number) + "," + formatNumber(p.at.y) + "," +
                 formatNumber(p.at.z + dz) + "," + std::to_string(k) + crlf;
    }
    // Values for member checks: lateral-torsional buckling and plastic resistance.
    const std::pair<const char*, double> member[] = {{"Iw", v.warpingConstant}, {"zj", v.monosymmetry},
                                                     {"Wply", v.plasticModulusY}, {"Wplz", v.plasticModulusZ}};
    for (const auto& [name, value] : member)
        s += quoted(name) + "," + formatNumber(value) + crlf;
    for (const ResultRecord::NamedMaxima& plate : r.plateMaxima)
        for (int k = 0; k < 6; ++k) {
            const PeakValue& v = plate.maxima.peak[std::size_t(k)];
            if (v.found)
                s += quoted("Maximum") + "," + quoted(plate.nameDe) + "," + quoted(plate.nameEn) + "," +
                     std::to_string(k + 1) + "," + formatNumber(v.value) + "," + formatNumber(v.at.y) + "," +
                     formatNumber(v.at.z + dz) + crlf;
        }
    // The end: how many rows and named lines came before, so that a file cut anywhere shows.
    std::size_t named = 0;
    for (std::size_t i = s.find(crlf, rowsEnd); i != std::string::npos; i = s.find(crlf, i + 2))
        ++named;
    s += quoted("Ende") + "," + std::to_string(rows) + "," + std::to_string(named) + crlf;
    return s;
}


std::string formatStressMesh(const Mesh& mesh, const std::vector<NodeField>& field, double reference)
{
    std::string s = quoted("Spannungsnetz") + ",1" + crlf;
    s += std::to_string(mesh.nodes.size()) + "," + std::to_string(mesh.elements.size()) + "," +
         std::to_string(field.size()) + crlf;
    s.reserve(40 * mesh.nodes.size() + 30 * mesh.elements.size() + 100 * field.size());
    for (const Point& p : mesh.nodes) {
        appendFieldNumber(s, p.y);
        s += ',';
        appendFieldNumber(s, p.z + reference);
        s += crlf;
    }
    for (std::size_t e = 0; e < mesh.elements.size(); ++e) {
        s += std::to_string(mesh.elementPlate[e]);
        for (int n : mesh.elements[e])
            s += "," + std::to_string(n);
        s += crlf;
    }
    for (const NodeField& f : field) {
        const PointStress& p = f.stress;
        s += std::to_string(f.plate) + "," + std::to_string(f.node);
        for (double v : {p.sigmaX, p.tauY, p.tauZ, p.tauX, p.sigmaY, p.sigmaZ}) {
            s += ',';
            appendFieldNumber(s, v);
        }
        s += crlf;
    }
    return s;
}

std::string validUtf8(const std::string& text)
{
    std::string out;
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        // The length a lead byte announces, and the smallest code point it may carry (no overlong forms).
        const std::size_t laenge = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        bool gut = laenge > 0 && i + laenge <= n;
        unsigned long code = laenge == 1 ? c : laenge == 2 ? (c & 0x1Fu) : laenge == 3 ? (c & 0x0Fu) : (c & 0x07u);
        for (std::size_t k = 1; gut && k < laenge; ++k) {
            gut = (s[i + k] & 0xC0) == 0x80;
            code = (code << 6) | (s[i + k] & 0x3Fu);
        }
        static const unsigned long kleinster[] = {0, 0, 0x80, 0x800, 0x10000};
        gut = gut && (laenge == 1 || code >= kleinster[laenge]) && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
        if (gut && (laenge > 1 || c >= 0x20 || c == '\t')) {
            out.append(text, i, laenge);
            i += laenge;
        } else {
            static const char hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xF];
            ++i;
        }
    }
    return out;
}

std::string formatFailure(const std::string& reasonDe, const std::string& reasonEn)
{
    // A reason may quote what it was given (a file name, a line of the input): only valid text goes out.
    return quoted(validUtf8("Fehler: " + reasonDe + " / Error: " + reasonEn)) + crlf;
}

} // namespace delmarix
