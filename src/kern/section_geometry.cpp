#include "kern/section_geometry.h"

#include "kern/section_builder.h"

#include <algorithm>
#include <cmath>

namespace tarvello::geometrie {

std::string stiffenerName(int form, int row, bool german)
{
    if (row < 4 && row % 2 == 1 && spiegeltSteifen(form))
        return (german ? "Steife " : "stiffener ") + std::to_string(row) + (german ? " gegenüber" : " opposite");
    return (german ? "Steife " : "stiffener ") + std::to_string(row + 1);
}

namespace {

using namespace builder;

// A web seen from the cell: the line of its inner face and its thickness.
struct WebFace {
    Point bottom;      // inner face at the bottom of the stretch stiffeners may use
    Point along;       // unit vector up along the web
    Point inward;      // unit normal from the web into the cell
    double thickness;  // plate thickness
    double height;     // length along the web that the percentage refers to
    double zLimit;     // stiffeners must stay below this height (web plate under an H stem)
    int plate;         // index of the web plate
};

Point at(const WebFace& w, double u, double v)
{
    return {w.bottom.y + u * w.inward.y + v * w.along.y, w.bottom.z + u * w.inward.z + v * w.along.z};
}

void checkStiffener(const StiffenerRow& s, int form, int row)
{
    const std::string de = stiffenerName(form, row, true) + ": ";
    const std::string en = stiffenerName(form, row, false) + ": ";
    require(std::isfinite(s.position) && s.position > 0.0 && s.position < 100.0,
            de + "Lage muss zwischen 0 und 100 % liegen (ist " + number(s.position) + ")",
            en + "position must lie between 0 and 100 % (is " + number(s.position) + ")");
    require(std::isfinite(s.leg1) && s.leg1 > 0.0, de + "L1 muss größer als 0 sein", en + "L1 must be greater than 0");
    require(std::isfinite(s.thickness) && s.thickness > 0.0, de + "t muss größer als 0 sein",
            en + "t must be greater than 0");
    require(std::isfinite(s.leg2) && s.leg2 >= 0.0, de + "L2 darf nicht negativ sein", en + "L2 must not be negative");
}

// An angle stiffener on a web: leg 1 perpendicular to the web into the cell,
// centred on the stiffener's height; leg 2 at its tip, downwards along the web.
// Leg lengths are overall lengths, as angle profiles are dimensioned.
void webStiffener(Builder& b, const WebFace& w, const StiffenerRow& s, int form, int row)
{
    checkStiffener(s, form, row);
    const std::string de = stiffenerName(form, row, true), en = stiffenerName(form, row, false);
    const double v0 = w.height * s.position / 100.0;
    const double td = s.thickness;
    WebFace here = w;
    here.bottom = at(w, 0.0, v0);
    require(here.bottom.z + td / 2 <= w.zLimit + 1e-9,
            de + " liegt über dem Stegblech, am Steg des H-Profils", en + " lies above the web plate, on the stem of the H profile");
    Polygon leg1{at(here, 0, -td / 2), at(here, s.leg1, -td / 2), at(here, s.leg1, td / 2), at(here, 0, td / 2)};
    b.plate(de, en, leg1, td);
    if (s.leg2 > td) {
        Polygon leg2{at(here, s.leg1 - td, td / 2 - s.leg2), at(here, s.leg1, td / 2 - s.leg2),
                     at(here, s.leg1, -td / 2), at(here, s.leg1 - td, -td / 2)};
        b.plate(de, en, leg2, td);
    }
    b.point(9 + row, at(here, -w.thickness / 2, 0.0), w.plate, w.along, w.thickness);
    b.g.stiffenerPresent[row] = true;
}

// Stiffener 5 hangs from the top flange's underside at y = 0: leg 1 downwards,
// leg 2 to the left at its lower end.
void topStiffener(Builder& b, double zUnderside, const StiffenerRow& s)
{
    checkStiffener({true, 50.0, s.leg1, s.leg2, s.thickness}, 0, 4);
    const double td = s.thickness;
    const double zLow = zUnderside - s.leg1;
    const int vertical = b.rect("Steife 5", "stiffener 5", -td / 2, zLow, td / 2, zUnderside);
    if (s.leg2 > td)
        b.rect("Steife 5", "stiffener 5", td / 2 - s.leg2, zLow, -td / 2, zLow + td);
    b.point(13, {0.0, zLow}, vertical, up, td);
    b.g.stiffenerPresent[4] = true;
}

// A rail acting with the section, standing on a top face at height zTop.
void rail(Builder& b, const WeldedDimensions& d, double yCentre, double zTop)
{
    if (!d.railActing)
        return;
    requirePositive(d.railWidth, "Schbreite", "rail width");
    requirePositive(d.railHeight, "Schhöhe", "rail height");
    // The plate whose top face carries the rail's centre is the flange it stands on.
    for (const Plate& flange : b.g.plates) {
        double from = 1e300, to = -1e300, top = -1e300;
        for (const Point& q : flange.outline)
            from = std::min(from, q.y), to = std::max(to, q.y), top = std::max(top, q.z);
        if (std::fabs(top - zTop) < 1e-9 * std::max(1.0, std::fabs(zTop)) && yCentre >= from && yCentre <= to)
            requireRailOnFlange(yCentre - d.railWidth / 2, yCentre + d.railWidth / 2, from, to);
    }
    const int p = b.rect("Schiene", "rail", yCentre - d.railWidth / 2, zTop, yCentre + d.railWidth / 2,
                         zTop + d.railHeight);
    b.point(14, {yCentre, zTop + d.railHeight}, p, right, d.railHeight);
}

void requireCommon(const WeldedDimensions& d)
{
    requirePositive(d.topWidth, "Obergurtbreite", "top flange width");
    requirePositive(d.topThickness, "Obergurtdicke", "top flange thickness");
    requirePositive(d.bottomWidth, "Untergurtbreite", "bottom flange width");
    requirePositive(d.bottomThickness, "Untergurtdicke", "bottom flange thickness");
    requirePositive(d.webHeight, "Steghöhe", "web height");
    requirePositive(d.webThickness, "Stegdicke", "web thickness");
    requireNotNegative(d.webThickness2, "Stegdicke 2", "web thickness 2");
    requirePositive(d.clearWidth, "Schottbreite", "clear width between the webs");
}

double secondWeb(const WeldedDimensions& d)
{
    return d.webThickness2 > 0.0 ? d.webThickness2 : d.webThickness;
}

// Two webs of a single cell standing on a face at height zb, leaning outwards at
// the top by their vertical height times tan(angle); returns the faces for the
// stiffeners (right, left).
struct BoxWebs {
    WebFace right;
    WebFace left;
    double zTopUnder; // underside of the top flange
    double run;       // horizontal lean of each web at the top
};

BoxWebs boxWebs(Builder& b, const WeldedDimensions& d, double zb)
{
    const double alpha = d.webAngle * M_PI / 180.0;
    require(std::isfinite(alpha) && std::fabs(d.webAngle) < 60.0,
            "Stegwinkel muss kleiner als 60 Grad sein (ist " + number(d.webAngle) + ")",
            "web angle must be less than 60 degrees (is " + number(d.webAngle) + ")");
    const double c = std::cos(alpha), s = std::sin(alpha);
    const double hv = d.webHeight * c;
    const double run = d.webHeight * s;
    const double t1 = d.webThickness, t2 = secondWeb(d);
    const double half = d.clearWidth / 2;
    require(half + run > 0.0, "Die Stege kreuzen sich: Schottbreite + 2·Steghöhe·sin(Stegwinkel) muss größer als 0 sein",
            "the webs cross: clear width + 2·web height·sin(web angle) must be greater than 0");
    const double zt = zb + hv;
    // Plate thickness is measured square to the sloped web, so its horizontal cut is t/cos.
    const int pr = b.plate("Steg rechts", "right web",
                           {{half, zb}, {half + t1 / c, zb}, {half + t1 / c + run, zt}, {half + run, zt}}, t1);
    const int pl = b.plate("Steg links", "left web",
                           {{-half - t2 / c, zb}, {-half, zb}, {-half - run, zt}, {-half - t2 / c - run, zt}}, t2);
    BoxWebs w;
    w.right = {{half, zb}, {s, c}, {-c, s}, t1, d.webHeight, zt, pr};
    w.left = {{-half, zb}, {-s, c}, {c, s}, t2, d.webHeight, zt, pl};
    w.zTopUnder = zt;
    w.run = run;
    b.point(2, {half + t1 / (2 * c), zb}, pr, w.right.along, t1);
    b.point(3, {half + run + t1 / (2 * c), zt}, pr, w.right.along, t1);
    b.point(6, {-half - t2 / (2 * c), zb}, pl, w.left.along, t2);
    b.point(7, {-half - run - t2 / (2 * c), zt}, pl, w.left.along, t2);
    return w;
}

// Stiffener rows 1..4 on the faces given; rows 1 and 3 on `first`, 2 and 4 on
// `second`; for the mirrored forms rows 1 and 3 stand on both.
void webStiffeners(Builder& b, const WeldedDimensions& d, const WebFace& first, const WebFace& second)
{
    const bool mirror = spiegeltSteifen(d.form);
    for (int row = 0; row < 4; ++row) {
        const bool onFirst = row % 2 == 0;
        const StiffenerRow* s = &d.stiffeners[row];
        if (mirror && !onFirst)
            s = &d.stiffeners[row - 1];
        if (!s->given)
            continue;
        webStiffener(b, onFirst ? first : second, *s, d.form, row);
    }
}

void singleBox(Builder& b, const WeldedDimensions& d)
{
    requireCommon(d);
    const double tu = d.bottomThickness;
    const int bottom = b.rect("Untergurt", "bottom flange", -d.bottomWidth / 2, -tu / 2, d.bottomWidth / 2, tu / 2);
    const BoxWebs w = boxWebs(b, d, tu / 2);
    const double zTop = w.zTopUnder + d.topThickness;
    const int top = b.rect("Obergurt", "top flange", -d.topWidth / 2, w.zTopUnder, d.topWidth / 2, zTop);
    b.point(1, {d.bottomWidth / 2, -tu / 2}, bottom, right, tu);
    b.point(5, {-d.bottomWidth / 2, -tu / 2}, bottom, right, tu);
    b.point(4, {d.topWidth / 2, zTop}, top, right, d.topThickness);
    b.point(8, {-d.topWidth / 2, zTop}, top, right, d.topThickness);
    webStiffeners(b, d, w.right, w.left);
    if (d.stiffeners[4].given)
        topStiffener(b, w.zTopUnder, d.stiffeners[4]);
    const bool overWeb = schieneUeberSteg(d.form);
    const double alpha = d.webAngle * M_PI / 180.0;
    const double yRail = overWeb ? d.clearWidth / 2 + w.run + d.webThickness / (2 * std::cos(alpha)) : 0.0;
    rail(b, d, yRail, zTop);
    b.g.pointRows = 14;
}

void boxOnH(Builder& b, const WeldedDimensions& d)
{
    requireCommon(d);
    HProfile h = d.profile;
    h.flangeWidth = d.bottomWidth;
    h.flangeThickness = d.bottomThickness;
    requireProfile(h, true);
    const double B = h.flangeWidth, T = h.flangeThickness, H = h.height, S = h.webThickness, R = h.rootRadius;
    const int bottom = b.rect("H-Profil Untergurt", "H profile bottom flange", -B / 2, -T / 2, B / 2, T / 2);
    const int web = b.rect("H-Profil Steg", "H profile web", -S / 2, T / 2, S / 2, H - 1.5 * T);
    const int flange = b.rect("H-Profil Obergurt", "H profile top flange", -B / 2, H - 1.5 * T, B / 2, H - T / 2);
    b.stemFillets(0.0, S, T / 2, R, false);
    b.stemFillets(0.0, S, H - 1.5 * T, R, true);
    WeldedDimensions box = d;
    box.webThickness2 = d.webThickness;
    const BoxWebs w = boxWebs(b, box, H - T / 2);
    const double zTop = w.zTopUnder + d.topThickness;
    const int top = b.rect("Obergurt", "top flange", -d.topWidth / 2, w.zTopUnder, d.topWidth / 2, zTop);
    b.point(1, {B / 2, -T / 2}, bottom, right, T);
    b.point(5, {-B / 2, -T / 2}, bottom, right, T);
    b.point(4, {d.topWidth / 2, zTop}, top, right, d.topThickness);
    b.point(8, {-d.topWidth / 2, zTop}, top, right, d.topThickness);
    webStiffeners(b, box, w.right, w.left);
    if (d.stiffeners[4].given)
        topStiffener(b, w.zTopUnder, d.stiffeners[4]);
    b.point(15, {0.0, T / 2 + R}, web, up, S);
    b.point(16, {0.0, H - 1.5 * T - R}, web, up, S);
    b.point(17, {B / 2, H - T / 2}, flange, right, T);
    b.g.pointRows = 17;
}

// The half H profile on top of the right web (forms 111..119 and 221..299): its
// flange centred on the web axis with the top face at zTop, the stem reaching
// (H − 2T)/2 below the flange; returns the height of the weld to the web plate.
struct HalfH {
    int flange;
    int stem;
    double zWeld;
};

HalfH halfH(Builder& b, const HProfile& h, double yAxis, double zTop)
{
    requireProfile(h, true);
    const double B = h.flangeWidth, T = h.flangeThickness, S = h.webThickness, R = h.rootRadius;
    const double stem = (h.height - 2 * T) / 2;
    require(stem >= R, "H-Profil: der halbe Steg ist kürzer als die Ausrundung",
            "H profile: the half stem is shorter than the fillet");
    HalfH out;
    out.flange = b.rect("H-Profil Flansch", "H profile flange", yAxis - B / 2, zTop - T, yAxis + B / 2, zTop);
    out.zWeld = zTop - T - stem;
    out.stem = b.rect("H-Profil Steg", "H profile stem", yAxis - S / 2, out.zWeld, yAxis + S / 2, zTop - T);
    b.stemFillets(yAxis, S, zTop - T, R, true);
    b.point(3, {yAxis, zTop - T - R}, out.stem, up, S);
    b.point(4, {yAxis + B / 2, zTop}, out.flange, right, T);
    return out;
}

void halfHBox(Builder& b, const WeldedDimensions& d)
{
    requireCommon(d);
    const double tu = d.bottomThickness, zb = tu / 2;
    const double half = d.clearWidth / 2, t1 = d.webThickness, t2 = secondWeb(d);
    const double zUnder = zb + d.webHeight, zTop = zUnder + d.topThickness;
    const double yAxis = half + t1 / 2;
    const int bottom = b.rect("Untergurt", "bottom flange", -d.bottomWidth / 2, -tu / 2, d.bottomWidth / 2, tu / 2);
    const int left = b.rect("Steg links", "left web", -half - t2, zb, -half, zUnder);
    const HalfH hh = halfH(b, d.profile, yAxis, zTop);
    require(hh.zWeld > zb, "Das H-Profil reicht bis zum Untergurt: Steghöhe zu klein für H",
            "the H profile reaches down to the bottom flange: web height too small for H");
    const int web = b.rect("Steg rechts", "right web", half, zb, half + t1, hh.zWeld);
    const double yPlateRight = yAxis - d.profile.flangeWidth / 2;
    const int top = b.rect("Obergurt", "top flange", yPlateRight - d.topWidth, zTop - d.topThickness, yPlateRight, zTop);
    b.point(1, {d.bottomWidth / 2, -tu / 2}, bottom, right, tu);
    b.point(5, {-d.bottomWidth / 2, -tu / 2}, bottom, right, tu);
    b.point(2, {yAxis, zb}, web, up, t1);
    b.point(6, {-half - t2 / 2, zb}, left, up, t2);
    b.point(7, {-half - t2 / 2, zUnder}, left, up, t2);
    b.point(8, {yPlateRight - d.topWidth, zTop}, top, right, d.topThickness);
    b.point(15, {yAxis, hh.zWeld}, web, up, t1);
    const WebFace rightFace{{half, zb}, up, {-1.0, 0.0}, t1, d.webHeight, hh.zWeld, web};
    const WebFace leftFace{{-half, zb}, up, {1.0, 0.0}, t2, d.webHeight, zUnder, left};
    webStiffeners(b, d, rightFace, leftFace);
    if (d.stiffeners[4].given)
        topStiffener(b, zTop - d.topThickness, d.stiffeners[4]);
    rail(b, d, yAxis, zTop);
    b.g.pointRows = 15;
}

void angleSection(Builder& b, const WeldedDimensions& d)
{
    requireCommon(d);
    requirePositive(d.webHeight2, "Steghöhe2", "web height 2");
    requirePositive(d.flatWidth, "Breite2", "width 2");
    requirePositive(d.flatHeight, "Höhe2", "height 2");
    const bool withH = mitHalbemH(d.form);
    const double tu = d.bottomThickness, zb = tu / 2;
    const double half = d.clearWidth / 2, t1 = d.webThickness, t2 = secondWeb(d);
    const double zUnder = zb + d.webHeight2, zTop = zUnder + d.topThickness;
    const double yAxis = half + t1 / 2;
    require(d.bottomWidth > d.clearWidth, "Untergurtbreite muss größer als die Schottbreite sein",
            "bottom flange width must be greater than the clear width");
    const int bottom = b.rect("Untergurt", "bottom flange", half - d.bottomWidth, -tu / 2, half, tu / 2);
    const int left = b.rect("Steg links", "left web", -half - t2, zb, -half, zUnder);
    double zWebTop = zUnder, zLow = 0.0;
    if (withH) {
        const HalfH hh = halfH(b, d.profile, yAxis, zTop);
            zWebTop = hh.zWeld;
        zLow = hh.zWeld - d.webHeight;
        const double yPlateRight = yAxis - d.profile.flangeWidth / 2;
        const int top =
            b.rect("Obergurt", "top flange", yPlateRight - d.topWidth, zUnder, yPlateRight, zTop);
        b.point(8, {yPlateRight - d.topWidth, zTop}, top, right, d.topThickness);
    } else {
        zLow = zUnder - d.webHeight;
        const int top = b.rect("Obergurt", "top flange", -d.topWidth / 2, zUnder, d.topWidth / 2, zTop);
        b.point(4, {d.topWidth / 2, zTop}, top, right, d.topThickness);
        b.point(8, {-d.topWidth / 2, zTop}, top, right, d.topThickness);
    }
    require(zLow < -tu / 2 + 1e-9,
            withH ? "Der rechte Steg muss unter den Untergurt reichen: H/2 + Steghöhe ist zu klein gegen Steghöhe2"
                  : "Der rechte Steg muss unter den Untergurt reichen: Steghöhe muss größer als Steghöhe2 + Untergurtdicke sein",
            withH ? "the right web must reach below the bottom flange: H/2 + web height is too small against web height 2"
                  : "the right web must reach below the bottom flange: web height must exceed web height 2 + bottom flange thickness");
    const int web = b.rect("Steg rechts", "right web", half, zLow, half + t1, zWebTop);
    b.rect("Flachstahl", "flat", half + t1, zLow, half + t1 + d.flatWidth, zLow + d.flatHeight);
    // The flange's right end meets the inner face of the web reaching below it:
    // a re-entrant corner, where shear stresses are singular. P1 stands one
    // flange thickness to its left (at most half the flange's width).
    b.point(1, {half - std::min(tu, d.bottomWidth / 2), -tu / 2}, bottom, right, tu);
    b.point(5, {half - d.bottomWidth, -tu / 2}, bottom, right, tu);
    b.point(2, {yAxis, 0.0}, web, up, t1);
    if (!withH)
        b.point(3, {yAxis, zUnder}, web, up, t1);
    else
        b.point(15, {yAxis, zWebTop}, web, up, t1);
    b.point(6, {-half - t2 / 2, zb}, left, up, t2);
    b.point(7, {-half - t2 / 2, zUnder}, left, up, t2);
    b.point(16, {yAxis, zLow}, web, up, t1);
    const WebFace rightFace{{half, zb}, up, {-1.0, 0.0}, t1, d.webHeight2, zWebTop, web};
    const WebFace leftFace{{-half, zb}, up, {1.0, 0.0}, t2, d.webHeight2, zUnder, left};
    webStiffeners(b, d, rightFace, leftFace);
    if (d.stiffeners[4].given)
        topStiffener(b, zUnder, d.stiffeners[4]);
    rail(b, d, yAxis, zTop);
    b.g.pointRows = 16;
}

void twoCell(Builder& b, const WeldedDimensions& d)
{
    requireCommon(d);
    const SecondCell& c = d.secondCell;
    requirePositive(c.topWidth, "BO3", "BO3");
    requirePositive(c.topThickness, "TO3", "TO3");
    requirePositive(c.webHeight, "HS3", "HS3");
    requirePositive(c.webThickness, "TS3", "TS3");
    requirePositive(c.webDistance, "AS3", "AS3");
    require(c.webHeight + c.topThickness <= d.webHeight,
            "HS3 + TO3 darf nicht größer als die Steghöhe sein", "HS3 + TO3 must not exceed the web height");
    require(c.webDistance + c.webThickness <= c.topWidth, "AS3 + TS3 darf nicht größer als BO3 sein",
            "AS3 + TS3 must not exceed BO3");
    const double tu = d.bottomThickness, zb = tu / 2;
    const double half = d.clearWidth / 2, t1 = d.webThickness, t2 = secondWeb(d);
    const double zUnder = zb + d.webHeight, zTop = zUnder + d.topThickness;
    const double y3 = half + t2 + c.webDistance;
    const double overhang = (d.bottomWidth - d.clearWidth - c.webDistance - t1 - t2 - c.webThickness) / 2;
    require(overhang >= 0.0,
            "Untergurtbreite zu klein: Schottbreite + AS3 + Stegdicke + Stegdicke 2 + TS3 ist breiter",
            "bottom flange too narrow: clear width + AS3 + web thickness + web thickness 2 + TS3 is wider");
    const double yLeftEnd = -half - t1 - overhang, yRightEnd = y3 + c.webThickness + overhang;
    const int bottom = b.rect("Untergurt", "bottom flange", yLeftEnd, -tu / 2, yRightEnd, tu / 2);
    const int left = b.rect("Steg links", "left web", -half - t1, zb, -half, zUnder);
    const int middle = b.rect("Mittelsteg", "middle web", half, zb, half + t2, zUnder);
    const int top = b.rect("Obergurt", "top flange", -d.topWidth / 2, zUnder, d.topWidth / 2, zTop);
    const int web3 = b.rect("Steg 2. Zelle", "second cell web", y3, zb, y3 + c.webThickness, zb + c.webHeight);
    const double zTop3 = zb + c.webHeight + c.topThickness;
    const int top3 = b.rect("Obergurt 2. Zelle", "second cell top flange", half + t2, zb + c.webHeight,
                            half + t2 + c.topWidth, zTop3);
    b.point(1, {yRightEnd, -tu / 2}, bottom, right, tu);
    b.point(5, {yLeftEnd, -tu / 2}, bottom, right, tu);
    b.point(2, {half + t2 / 2, zb}, middle, up, t2);
    b.point(3, {half + t2 / 2, zUnder}, middle, up, t2);
    b.point(4, {d.topWidth / 2, zTop}, top, right, d.topThickness);
    b.point(6, {-half - t1 / 2, zb}, left, up, t1);
    b.point(7, {-half - t1 / 2, zUnder}, left, up, t1);
    b.point(8, {-d.topWidth / 2, zTop}, top, right, d.topThickness);
    b.point(15, {y3 + c.webThickness / 2, zb}, web3, up, c.webThickness);
    b.point(16, {y3 + c.webThickness / 2, zb + c.webHeight}, web3, up, c.webThickness);
    b.point(17, {half + t2 + c.topWidth, zTop3}, top3, right, c.topThickness);
    const WebFace leftFace{{-half, zb}, up, {1.0, 0.0}, t1, d.webHeight, zUnder, left};
    const WebFace middleFace{{half, zb}, up, {-1.0, 0.0}, t2, d.webHeight, zUnder, middle};
    webStiffeners(b, d, leftFace, middleFace);
    if (d.stiffeners[4].given)
        topStiffener(b, zUnder, d.stiffeners[4]);
    rail(b, d, y3 + c.webThickness / 2, zTop3);
    b.g.pointRows = 17;
}

} // namespace

BuildResult buildWeldedSection(const WeldedDimensions& d)
{
    const Family family = bauart(d.form);
    Builder b(family, d.form);
    try {
        switch (family) {
        case Family::Kasten:
            singleBox(b, d);
            break;
        case Family::KastenAufH:
            boxOnH(b, d);
            break;
        case Family::HalbesHKasten:
            halfHBox(b, d);
            break;
        case Family::Winkelprofil:
            angleSection(b, d);
            break;
        case Family::Zweizeller:
            twoCell(b, d);
            break;
        default:
            throw Refusal{"Querschnittsnummer " + std::to_string(d.form) + " bezeichnet keinen Querschnitt",
                          "section number " + std::to_string(d.form) + " offers no section"};
        }
    } catch (const Refusal& why) {
        return refused(why);
    }
    if (spiegeltSteifen(d.form)) {
        // Rows 1 and 3 stand on both webs, so stiffeners 2 and 4 exist with them.
        b.g.stiffenerPresent[1] = b.g.stiffenerPresent[0];
        b.g.stiffenerPresent[3] = b.g.stiffenerPresent[2];
    }
    return finish(b);
}

} // namespace tarvello::geometrie
