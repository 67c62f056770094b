#include "kern/transfer_layout.h"
#include "kern/Formen.h"

#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace tarvello::geometrie {

namespace {

struct Refusal {
    std::string de;
    std::string en;
};

std::string trimmed(const std::string& s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t'))
        ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t'))
        --b;
    return s.substr(a, b - a);
}

} // namespace

bool readNumber(const std::string& text, double& value)
{
    const std::string s = trimmed(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0, points = 0;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i])))
            ++digits;
        else if (s[i] == '.')
            ++points;
        else
            break;
    }
    if (digits == 0 || points > 1)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != s.size())
        return false;
    value = std::strtod(s.c_str(), nullptr);
    return std::isfinite(value);
}

namespace {

std::string quotedSample(const std::string& line)
{
    std::string s = line.substr(0, 40);
    for (char& c : s)
        if (c == '"' || static_cast<unsigned char>(c) < 32)
            c = '\'';
    return "'" + s + "'";
}

class LineReader {
public:
    explicit LineReader(const std::string& text)
    {
        std::string line;
        std::istringstream in(text);
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines_.push_back(line);
        }
        if (!lines_.empty() && lines_[0].compare(0, 3, "\xEF\xBB\xBF") == 0)
            lines_[0].erase(0, 3);
    }

    int lineNumber() const { return static_cast<int>(next_) + 1; }

    const std::string& text(const char* captionDe, const char* captionEn)
    {
        if (next_ >= lines_.size())
            throw Refusal{"Zeile " + std::to_string(lineNumber()) + " fehlt (Datei zu kurz): erwartet " + captionDe,
                          "line " + std::to_string(lineNumber()) + " is missing (file too short): expected " +
                              captionEn};
        return lines_[next_++];
    }

    double value(const char* captionDe, const char* captionEn)
    {
        const int n = lineNumber();
        const std::string& s = text(captionDe, captionEn);
        double v = 0.0;
        if (!readNumber(s, v))
            throw Refusal{"Zeile " + std::to_string(n) + " (" + captionDe + "): keine Zahl: " + quotedSample(s),
                          "line " + std::to_string(n) + " (" + captionEn + "): not a number: " + quotedSample(s)};
        return v;
    }

    double positive(const char* captionDe, const char* captionEn)
    {
        const int n = lineNumber();
        const double v = value(captionDe, captionEn);
        if (!(v > 0.0))
            throw Refusal{"Zeile " + std::to_string(n) + " (" + captionDe + "): muss größer als 0 sein, ist " +
                              trimmed(lines_[n - 1]),
                          "line " + std::to_string(n) + " (" + captionEn + "): must be greater than 0, is " +
                              trimmed(lines_[n - 1])};
        return v;
    }

    double notNegative(const char* captionDe, const char* captionEn)
    {
        const int n = lineNumber();
        const double v = value(captionDe, captionEn);
        if (v < 0.0)
            throw Refusal{"Zeile " + std::to_string(n) + " (" + captionDe + "): darf nicht negativ sein",
                          "line " + std::to_string(n) + " (" + captionEn + "): must not be negative"};
        return v;
    }

    int integer(const char* captionDe, const char* captionEn, int lowest, int highest)
    {
        const int n = lineNumber();
        const std::string s = trimmed(text(captionDe, captionEn));
        bool ok = !s.empty() && s.size() <= 7;
        for (std::size_t i = 0; ok && i < s.size(); ++i)
            ok = std::isdigit(static_cast<unsigned char>(s[i])) || (i == 0 && s[i] == '-' && s.size() > 1);
        const long v = ok ? std::strtol(s.c_str(), nullptr, 10) : 0;
        if (!ok || v < lowest || v > highest)
            throw Refusal{"Zeile " + std::to_string(n) + " (" + captionDe + "): ganze Zahl von " +
                              std::to_string(lowest) + " bis " + std::to_string(highest) + " erwartet, steht " +
                              quotedSample(s),
                          "line " + std::to_string(n) + " (" + captionEn + "): integer from " +
                              std::to_string(lowest) + " to " + std::to_string(highest) + " expected, found " +
                              quotedSample(s)};
        return static_cast<int>(v);
    }

    // Lines left over mean the layout was not the one the first lines announced.
    void expectEnd()
    {
        for (std::size_t i = next_; i < lines_.size(); ++i)
            if (!trimmed(lines_[i]).empty())
                throw Refusal{"Zeile " + std::to_string(i + 1) + ": unerwarteter Inhalt nach dem Ende der Eingabe: " +
                                  quotedSample(lines_[i]),
                              "line " + std::to_string(i + 1) + ": unexpected content after the end of the input: " +
                                  quotedSample(lines_[i])};
    }

    bool empty() const { return lines_.empty(); }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

void readRolled(LineReader& r, TransferInput& in, int mode)
{
    auto& d = in.rolledProfile;
    d.mode = mode;
    r.value("Zeile 2", "line 2");
    d.profile.height = r.positive("H", "H");
    d.profile.flangeWidth = r.positive("B", "B");
    d.profile.webThickness = r.positive("S", "S");
    d.profile.flangeThickness = r.positive("T", "T");
    d.profile.rootRadius = r.notNegative("R", "R");
    if (mode == 110) {
        d.bottom.rootRadius = r.notNegative("RU", "RU");
        d.bottom.height = r.positive("HU", "HU");
        d.bottom.flangeWidth = r.positive("BU", "BU");
        d.bottom.webThickness = r.positive("SU", "SU");
        d.bottom.flangeThickness = r.positive("TU", "TU");
    }
    if (mode == 103) {
        d.railHeight = r.positive("Schienenhöhe", "rail height");
        d.railWidth = r.positive("Schienenbreite", "rail width");
    }
    r.value("letzte Zeile", "last line");
}

void readWelded(LineReader& r, TransferInput& in, int x)
{
    auto& d = in.welded;
    d.form = x;
    d.webAngle = r.value("Stegwinkel", "web angle");
    d.topWidth = r.positive("Obergurtbreite", "top flange width");
    d.topThickness = r.positive("Obergurtdicke", "top flange thickness");
    d.bottomWidth = r.positive("Untergurtbreite", "bottom flange width");
    d.bottomThickness = r.positive("Untergurtdicke", "bottom flange thickness");
    d.webHeight = r.positive("Steghöhe", "web height");
    d.webThickness = r.positive("Stegdicke", "web thickness");
    d.clearWidth = r.positive("Schottbreite", "clear width");
    d.webThickness2 = d.webThickness;

    if (mitSchienenblock(x)) {
        if (istKastenform(x))
            d.webThickness2 = r.positive("Stegdicke 2", "web thickness 2");
        if (istWinkelform(x)) {
            d.webThickness2 = r.positive("Stegdicke 2", "web thickness 2");
            d.webHeight2 = r.positive("Steghöhe2", "web height 2");
        }
        d.railActing = r.integer("Schiene mittragend", "rail acting", 0, 1) == 1;
        if (d.railActing) {
            d.railWidth = r.positive("Schbreite", "rail width");
            d.railHeight = r.positive("Schhöhe", "rail height");
        }
        if (istKastenform(x))
            d.runValue = r.integer("Laufwert", "run value", -32768, 32767);
        if (istWinkelform(x)) {
            d.flatWidth = r.positive("Breite2", "width 2");
            d.flatHeight = r.positive("Höhe2", "height 2");
        }
        if (mitHalbemH(x)) {
            d.profile.height = r.positive("H", "H");
            d.profile.flangeWidth = r.positive("B", "B");
            d.profile.webThickness = r.positive("S", "S");
            d.profile.flangeThickness = r.positive("T", "T");
            d.profile.rootRadius = r.notNegative("R", "R");
        }
        if (istZweizeller(x)) {
            d.secondCell.topWidth = r.positive("BO3", "BO3");
            d.secondCell.topThickness = r.positive("TO3", "TO3");
            d.secondCell.webHeight = r.positive("HS3", "HS3");
            d.secondCell.webThickness = r.positive("TS3", "TS3");
            d.secondCell.webDistance = r.positive("AS3", "AS3");
        }
    }

    const int count = r.integer("Anzahl der Steifen", "number of stiffeners", 0, 5);
    for (int k = 0; k < count; ++k) {
        const int line = r.lineNumber();
        const int row = r.integer("Steifennummer", "stiffener number", 1, 5);
        auto& s = d.stiffeners[row - 1];
        if (s.given)
            throw Refusal{"Zeile " + std::to_string(line) + ": Steife " + std::to_string(row) + " doppelt angegeben",
                          "line " + std::to_string(line) + ": stiffener " + std::to_string(row) + " given twice"};
        s.given = true;
        s.position = r.value("Steifenlage", "stiffener position");
        s.leg1 = r.positive("Steife L1", "stiffener L1");
        s.leg2 = r.notNegative("Steife L2", "stiffener L2");
        s.thickness = r.positive("Steife t", "stiffener t");
    }

    if (mitUntergurtH(x)) {
        d.profile.height = r.positive("H", "H");
        d.profile.webThickness = r.positive("S", "S");
        d.profile.rootRadius = r.notNegative("R", "R");
        d.profile.flangeWidth = d.bottomWidth;
        d.profile.flangeThickness = d.bottomThickness;
    }
}

} // namespace

ParseOutcome parseTransfer(const std::string& text)
{
    ParseOutcome out;
    try {
        LineReader r(text);
        if (r.empty())
            throw Refusal{"Die Eingabedatei ist leer", "the input file is empty"};
        const std::string first = trimmed(r.text("Querschnittsnummer", "section number"));
        out.input.sectionText = first;
        if (first == "102" || first == "103" || first == "110") {
            out.input.rolled = true;
            readRolled(r, out.input, std::atoi(first.c_str()));
        } else {
            double x = 0.0;
            if (!readNumber(first, x) || x != std::floor(x) || x < -32768 || x > 32767)
                throw Refusal{"Zeile 1: keine Querschnittsnummer: " + quotedSample(first),
                              "line 1: not a section number: " + quotedSample(first)};
            readWelded(r, out.input, static_cast<int>(x));
        }
        r.expectEnd();
        out.ok = true;
    } catch (const Refusal& why) {
        out.ok = false;
        out.reasonDe = why.de;
        out.reasonEn = why.en;
    }
    return out;
}

namespace {

// Mirrors the reader line by line: a layout changed on one side only fails the round trip.
class LineWriter {
public:
    void number(double v)
    {
        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed).ptr;
        line(std::string(buffer, end));
    }
    void integer(int n) { line(std::to_string(n)); }
    void profile(const HProfile& p)
    {
        for (double v : {p.height, p.flangeWidth, p.webThickness, p.flangeThickness, p.rootRadius})
            number(v);
    }
    std::string text() const { return text_; }

private:
    void line(const std::string& s) { text_ += s + "\r\n"; }
    std::string text_;
};

void writeRolled(LineWriter& w, const RolledDimensions& d)
{
    w.integer(d.mode);
    w.integer(0);
    w.profile(d.profile);
    if (d.mode == 110)
        for (double v : {d.bottom.rootRadius, d.bottom.height, d.bottom.flangeWidth, d.bottom.webThickness,
                         d.bottom.flangeThickness})
            w.number(v);
    if (d.mode == 103) {
        w.number(d.railHeight);
        w.number(d.railWidth);
    }
    w.integer(0);
}

void writeWelded(LineWriter& w, const WeldedDimensions& d)
{
    const int x = d.form;
    w.integer(x);
    for (double v : {d.webAngle, d.topWidth, d.topThickness, d.bottomWidth, d.bottomThickness, d.webHeight,
                     d.webThickness, d.clearWidth})
        w.number(v);
    if (mitSchienenblock(x)) {
        if (istKastenform(x))
            w.number(d.webThickness2);
        if (istWinkelform(x)) {
            w.number(d.webThickness2);
            w.number(d.webHeight2);
        }
        w.integer(d.railActing ? 1 : 0);
        if (d.railActing) {
            w.number(d.railWidth);
            w.number(d.railHeight);
        }
        if (istKastenform(x))
            w.integer(d.runValue);
        if (istWinkelform(x)) {
            w.number(d.flatWidth);
            w.number(d.flatHeight);
        }
        if (mitHalbemH(x))
            w.profile(d.profile);
        if (istZweizeller(x)) {
            const SecondCell& c = d.secondCell;
            for (double v : {c.topWidth, c.topThickness, c.webHeight, c.webThickness, c.webDistance})
                w.number(v);
        }
    }
    int count = 0;
    for (const StiffenerRow& s : d.stiffeners)
        count += s.given ? 1 : 0;
    w.integer(count);
    for (int row = 1; row <= 5; ++row) {
        const StiffenerRow& s = d.stiffeners[size_t(row - 1)];
        if (!s.given)
            continue;
        w.integer(row);
        for (double v : {s.position, s.leg1, s.leg2, s.thickness})
            w.number(v);
    }
    if (mitUntergurtH(x))
        for (double v : {d.profile.height, d.profile.webThickness, d.profile.rootRadius})
            w.number(v);
}

} // namespace

std::string writeTransfer(const TransferInput& in)
{
    LineWriter w;
    if (in.rolled)
        writeRolled(w, in.rolledProfile);
    else
        writeWelded(w, in.welded);
    return w.text();
}

} // namespace tarvello::geometrie
