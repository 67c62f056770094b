// Writing the result file: the section number, a description, the section
// values, the stiffener flags and one row of unit stresses per stress point.
#pragma once

#include "peaks.h"
#include "post.h"

#include <array>
#include <string>
#include <vector>

namespace delmarix {

struct ResultRecord {
    std::string sectionText;        // field 1: line 1 of the input
    std::string description;        // field 2: engine, version, mesh
    SectionValues values;
    std::array<bool, 5> stiffeners{};
    std::vector<PointStress> points; // the points the section has, fixed and governing
    int pointRows = 0;               // rows P1..Pn to write (n ≤ kMaxStressPoints); absent points as zeros
    double reference = 0.0;             // > 0: every z written from this far below the usual reference
    std::vector<StressPoint> governing; // where the governing points (rows from 18) lie
    std::vector<int> governingColumns;  // the column (0..5) whose peak each of them is
    // Each plate's largest unit stresses, with the plate's names.
    struct NamedMaxima {
        std::string nameDe, nameEn;
        PlateMaxima maxima;
    };
    std::vector<NamedMaxima> plateMaxima;
};

// The file's text, CR LF line ends. Requires values.zs + reference > 0 (see result_file.cpp).
// After the stress rows come named lines, each a quoted name and its fields, so
// that a reader that stops at the first text after the rows sees the file as
// before: "Bezug",dz (only when the centroid lies below the usual reference:
// every z of the file counts from dz below it); "Ort",n,y,z,k (where governing
// point n lies, the peak of column k);
// "Iw", "zj", "Wply", "Wplz" each with its value (SectionValues); and
// "Maximum",name,name,k,value,y,z (the largest |stress| of column k on a plate);
// last "Ende",rows,lines: how many stress rows and named lines came before, so
// that a file cut anywhere is seen as cut.
std::string formatResult(const ResultRecord& r);

// The stress mesh beside the result (a file of its own, the result's name with
// the extension ".netz"), in the same field format, CR LF line ends:
//   "Spannungsnetz",1                      name and layout version
//   <nodes>,<elements>,<rows>
//   y,z                                    one line per node, section axes as the result's
//                                          (numbers in single precision throughout)
//   plate,n1,n2,n3,n4,n5,n6                one line per six-node triangle: its plate (0-based,
//                                          the engine's plate order) and node numbers (0-based;
//                                          corners counter-clockwise, then the mid-sides 1-2, 2-3, 3-1)
//   plate,node,Sigma-X,Tau-Y,Tau-Z,Tau-X,Sigma-Y,Sigma-Z   one line per node of a plate: the unit
//                                          stresses as the result's rows give them, shear along the plate
// The z values count from the same reference as the result's ("Bezug").
std::string formatStressMesh(const Mesh& mesh, const std::vector<NodeField>& field, double reference);

// The text with every byte that is not part of valid UTF-8 (and every control
// character but the tab) written as \xNN.
std::string validUtf8(const std::string& text);

// A result whose first field says "Fehler" and why, in German and English.
std::string formatFailure(const std::string& reasonDe, const std::string& reasonEn);

// A number as the reading side parses it: "." as decimal point, exponent allowed.
std::string formatNumber(double v);

} // namespace delmarix
