// The rolled profiles (102, 103, 110) as plates and stress points; the welded
// forms are built in section_geometry.cpp.
#include "kern/section_geometry.h"

#include "kern/section_builder.h"

#include <algorithm>
#include <string>

namespace tarvello::geometrie {

using namespace builder;

BuildResult buildRolledSection(const RolledDimensions& d)
{
    Builder b(Family::Walzprofil, d.mode);
    try {
        require(d.mode == 102 || d.mode == 103 || d.mode == 110, "unbekannte Profilart " + std::to_string(d.mode),
                "unknown profile kind " + std::to_string(d.mode));
        const HProfile& p = d.profile;
        requirePositive(p.flangeWidth, "B", "B");
        requirePositive(p.flangeThickness, "T", "T");
        requireProfile(p, true);
        const double B = p.flangeWidth, T = p.flangeThickness, S = p.webThickness, R = p.rootRadius, H = p.height;
        HProfile low = p;
        if (d.mode == 110) {
            low = d.bottom;
            requirePositive(low.height, "HU", "HU");
            requirePositive(low.flangeWidth, "BU", "BU");
            requirePositive(low.webThickness, "SU", "SU");
            requirePositive(low.flangeThickness, "TU", "TU");
            requireNotNegative(low.rootRadius, "RU", "RU");
            require(low.webThickness + 2 * low.rootRadius < low.flangeWidth,
                    "Untergurtprofil: SU + 2·RU muss kleiner als BU sein",
                    "bottom profile: SU + 2·RU must be smaller than BU");
            require(low.height >= low.rootRadius, "Untergurtprofil: HU muss mindestens RU sein",
                    "bottom profile: HU must be at least RU");
            require(H - T - low.flangeThickness - low.height >= R + 1e-9,
                    "Untergurtprofil zu hoch: H − T − TU − HU muss mindestens R sein",
                    "bottom profile too high: H − T − TU − HU must be at least R");
        }
        const double TU = low.flangeThickness, BU = low.flangeWidth;
        const double zTopUnder = H - TU / 2 - T, zTop = H - TU / 2;
        const int bottom = b.rect("Untergurt", "bottom flange", -BU / 2, -TU / 2, BU / 2, TU / 2);
        const int top = b.rect("Obergurt", "top flange", -B / 2, zTopUnder, B / 2, zTop);
        b.stemFillets(0.0, S, zTopUnder, R, true);
        int web = -1, stem = -1;
        double zJoint = TU / 2;
        if (d.mode == 110) {
            zJoint = TU / 2 + low.height;
            stem = b.rect("Untergurtprofil Steg", "bottom profile stem", -low.webThickness / 2, TU / 2,
                          low.webThickness / 2, zJoint);
            b.stemFillets(0.0, low.webThickness, TU / 2, low.rootRadius, false);
        }
        web = b.rect("Steg", "web", -S / 2, zJoint, S / 2, zTopUnder);
        if (d.mode != 110) {
            stem = web;
            b.stemFillets(0.0, S, TU / 2, R, false);
        }
        if (d.mode == 103) {
            requirePositive(d.railHeight, "Schienenhöhe", "rail height");
            requirePositive(d.railWidth, "Schienenbreite", "rail width");
            requireRailOnFlange(-d.railWidth / 2, d.railWidth / 2, -B / 2, B / 2);
            b.rect("Flachschiene", "flat rail", -d.railWidth / 2, zTop, d.railWidth / 2, zTop + d.railHeight);
        }
        b.point(1, {BU / 2, -TU / 2}, bottom, right, TU);
        b.point(2, {0.0, TU / 2 + low.rootRadius}, stem, up, low.webThickness);
        b.point(3, {0.0, zTopUnder - R}, web, up, S);
        b.point(4, {B / 2, zTop}, top, right, T);
        b.point(5, {-BU / 2, -TU / 2}, bottom, right, TU);
        b.point(6, {-B / 2, zTop}, top, right, T);
        b.g.pointRows = 6;
        if (d.mode == 110) {
            b.point(7, {0.0, zJoint}, web, up, S);
            b.g.pointRows = 7;
        }
    } catch (const Refusal& why) {
        return refused(why);
    }
    return finish(b);
}

} // namespace tarvello::geometrie
