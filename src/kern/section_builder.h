// Tools the section builders share (section_geometry.cpp builds the welded
// forms, section_rolled.cpp the rolled profiles). Internal to the geometry
// library: the program and the engine use section_geometry.h alone.
#pragma once

#include "kern/section_geometry.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tarvello::geometrie::builder {

// A builder stops with the reason in both languages.
struct Refusal {
    std::string de;
    std::string en;
    bool railOverhang = false;
};

inline std::string number(double v)
{
    std::ostringstream s;
    s << v;
    return s.str();
}

inline void require(bool condition, const std::string& de, const std::string& en)
{
    if (!condition)
        throw Refusal{de, en};
}

inline void requirePositive(double value, const char* captionDe, const char* captionEn)
{
    require(std::isfinite(value) && value > 0.0,
            std::string(captionDe) + " muss größer als 0 sein (ist " + number(value) + ")",
            std::string(captionEn) + " must be greater than 0 (is " + number(value) + ")");
}

inline void requireNotNegative(double value, const char* captionDe, const char* captionEn)
{
    require(std::isfinite(value) && value >= 0.0,
            std::string(captionDe) + " darf nicht negativ sein (ist " + number(value) + ")",
            std::string(captionEn) + " must not be negative (is " + number(value) + ")");
}

// An H or I profile's proportions: room for the fillets in height and width.
inline void requireProfile(const HProfile& h, bool needsFlanges)
{
    requirePositive(h.height, "H", "H");
    requirePositive(h.webThickness, "S", "S");
    requireNotNegative(h.rootRadius, "R", "R");
    if (needsFlanges) {
        requirePositive(h.flangeWidth, "B", "B");
        requirePositive(h.flangeThickness, "T", "T");
    }
    require(h.height > 2 * h.flangeThickness + 2 * h.rootRadius,
            "H-Profil: H muss größer als 2·T + 2·R sein", "H profile: H must be greater than 2·T + 2·R");
    require(h.webThickness + 2 * h.rootRadius < h.flangeWidth,
            "H-Profil: S + 2·R muss kleiner als B sein", "H profile: S + 2·R must be smaller than B");
}

// A rail overhanging the flange it stands on would put a re-entrant corner
// under its foot, where the stresses have no finite value.
inline void requireRailOnFlange(double railFrom, double railTo, double flangeFrom, double flangeTo)
{
    const double tolerance = 1e-9 * std::max(1.0, flangeTo - flangeFrom);
    if (railFrom >= flangeFrom - tolerance && railTo <= flangeTo + tolerance)
        return;
    throw Refusal{"Die Schiene (" + number(railTo - railFrom) + " breit) ragt über den Gurt hinaus, auf dem sie steht (" +
                      number(flangeTo - flangeFrom) + " breit)",
                  "the rail (" + number(railTo - railFrom) + " wide) projects beyond the flange it stands on (" +
                      number(flangeTo - flangeFrom) + " wide)",
                  true};
}

constexpr Point up{0.0, 1.0};
constexpr Point right{1.0, 0.0};

class Builder {
public:
    explicit Builder(Family family, int form)
    {
        g.family = family;
        g.form = form;
    }

    int plate(const std::string& de, const std::string& en, Polygon outline, double thickness)
    {
        orientCounterClockwise(outline);
        g.plates.push_back({de, en, std::move(outline), thickness, false, std::nullopt});
        return static_cast<int>(g.plates.size()) - 1;
    }

    int rect(const char* de, const char* en, double y0, double z0, double y1, double z1)
    {
        return plate(de, en, rectangle(y0, z0, y1, z1), std::min(std::fabs(y1 - y0), std::fabs(z1 - z0)));
    }

    void point(int number, Point at, int plate, Point direction, double thickness)
    {
        g.points.push_back({number, at, plate, direction, thickness, false});
    }

    // Fillets at both sides of a vertical stem (centre ystem, thickness s) where it
    // meets a horizontal flange face at height zface; `below` says whether the stem
    // hangs below the face (top flange) or stands on it (bottom flange).
    void stemFillets(double ystem, double s, double zface, double r, bool below)
    {
        if (r <= 0.0)
            return;
        // Bounded before the conversion: a huge radius must not overflow the count.
        const int segments = static_cast<int>(std::clamp(std::ceil(r / 1.5), 6.0, 20.0));
        const Point vertical{0.0, below ? -1.0 : 1.0};
        for (const Point& side : {right, Point{-1.0, 0.0}}) {
            const Point corner{ystem + side.y * s / 2, zface};
            Plate& f = g.plates[size_t(plate("Ausrundung", "fillet", filletPolygon(corner, side, vertical, r, segments), r))];
            f.fillet = true;
            f.exact = filletMoments(corner, side, vertical, r);
        }
    }

    SectionGeometry g;
};

inline BuildResult finish(Builder& b)
{
    auto byNumber = [](const auto& x, const auto& y) { return x.number < y.number; };
    std::sort(b.g.points.begin(), b.g.points.end(), byNumber);
    BuildResult r;
    r.ok = true;
    r.geometry = std::move(b.g);
    return r;
}

inline BuildResult refused(const Refusal& why)
{
    BuildResult r;
    r.ok = false;
    r.reasonDe = why.de;
    r.reasonEn = why.en;
    r.railOverhang = why.railOverhang;
    return r;
}

} // namespace tarvello::geometrie::builder
