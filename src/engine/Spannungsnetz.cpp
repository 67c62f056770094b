#include "Spannungsnetz.h"

#include "kern/Feldleser.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <cstdlib>

namespace {

struct Leser {
    Feldleser felder;
    QString grund;

    std::optional<double> zahl()
    {
        const auto feld = felder.naechstesFeld();
        if (!feld) {
            grund = QStringLiteral("cut short");
            return std::nullopt;
        }
        const QByteArray bytes = feld->trimmed().toLatin1();
        char* ende = nullptr;
        const double wert = std::strtod(bytes.constData(), &ende);
        if (bytes.isEmpty() || ende != bytes.constData() + bytes.size() || !std::isfinite(wert)) {
            grund = QStringLiteral("not a number: ") + feld->left(20);
            return std::nullopt;
        }
        return wert;
    }
    // A whole number from 0 to below `bis`.
    std::optional<int> index(long long bis)
    {
        const auto z = zahl();
        if (!z)
            return std::nullopt;
        if (*z < 0 || *z >= double(bis) || std::floor(*z) != *z) {
            grund = QStringLiteral("index out of range");
            return std::nullopt;
        }
        return int(*z);
    }
};

} // namespace

Netzlesung leseSpannungsnetztext(const QString& text)
{
    Leser l{Feldleser(text), {}};
    const auto name = l.felder.naechstesFeld();
    if (!name || name->trimmed() != u"Spannungsnetz")
        return {std::nullopt, QStringLiteral("not a stress mesh")};
    const auto version = l.zahl();
    if (!version || *version != 1)
        return {std::nullopt, QStringLiteral("unknown layout")};
    // Each node takes two fields, each element seven, each row eight: counts beyond what the
    // text can hold are refused before anything is reserved.
    const long long felder = text.size() / 2 + 1;
    const auto knoten = l.index(felder), elemente = l.index(felder), zeilen = l.index(felder);
    if (!knoten || !elemente || !zeilen)
        return {std::nullopt, l.grund};
    if (2LL * *knoten + 7LL * *elemente + 8LL * *zeilen > felder)
        return {std::nullopt, QStringLiteral("counts larger than the file")};
    Spannungsnetz n;
    n.knoten.reserve(size_t(*knoten));
    for (int i = 0; i < *knoten; ++i) {
        const auto y = l.zahl(), z = l.zahl();
        if (!y || !z)
            return {std::nullopt, l.grund};
        n.knoten.push_back({*y, *z});
    }
    int platten = 0;
    for (int e = 0; e < *elemente; ++e) {
        const auto platte = l.index(1LL << 30);
        if (!platte)
            return {std::nullopt, l.grund};
        std::array<int, 6> element{};
        for (int& k : element) {
            const auto i = l.index(*knoten);
            if (!i)
                return {std::nullopt, l.grund};
            k = *i;
        }
        n.elemente.push_back(element);
        n.elementplatte.push_back(*platte);
        platten = std::max(platten, *platte + 1);
    }
    for (int r = 0; r < *zeilen; ++r) {
        Netzwert w;
        const auto platte = l.index(platten), knoten_ = l.index(*knoten);
        if (!platte || !knoten_)
            return {std::nullopt, l.grund};
        w.platte = *platte;
        w.knoten = *knoten_;
        for (double& s : w.spannung) {
            const auto z = l.zahl();
            if (!z)
                return {std::nullopt, l.grund};
            s = *z;
        }
        n.werte.push_back(w);
    }
    if (!l.felder.amEnde())
        return {std::nullopt, QStringLiteral("more than the counts say")};
    return {std::move(n), {}};
}

Netzlesung leseSpannungsnetz(const QString& pfad)
{
    const auto text = leseTextdatei(pfad);
    if (!text)
        return {std::nullopt, QStringLiteral("missing")};
    return leseSpannungsnetztext(*text);
}

QString netzdateiZu(const QString& ergebnisdatei)
{
    const QFileInfo f(ergebnisdatei);
    const QString name = f.fileName();
    const int punkt = name.lastIndexOf(u'.');
    return f.dir().filePath((punkt >= 0 ? name.left(punkt) : name) + QStringLiteral(".netz"));
}
