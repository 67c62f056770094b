#include "Bemessungsdialog.h"

#include "app/Meldungen.h"
#include "drawing/Achsenskizze.h"
#include "nachweis/Bauteil.h"
#include "nachweis/Nachweis.h"
#include "report/Nachweisseite.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

class Skizze : public QWidget {
public:
    using QWidget::QWidget;
    Skizzenprofil profil = Skizzenprofil::Kasten;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        zeichneAchsenskizze(p, QRectF(rect()).adjusted(4, 4, -4, -4), profil);
    }
};

const char* const kNamen[] = {"N [kN]", "Vy [kN]", "Vz [kN]", "Mx [kNm]", "My [kNm]", "Mz [kNm]"};

} // namespace

QString Bemessungsdialog::wertname(const Bemessungslesung& l, const Texte& text)
{
    switch (l.fehler) {
    case Bemessungsfehler::Kraft: return QString::fromLatin1(kNamen[l.kraft]);
    case Bemessungsfehler::Stahlsorte: return text(kSorte);
    case Bemessungsfehler::GammaM0: return QStringLiteral("γM0");
    case Bemessungsfehler::GammaM1: return QStringLiteral("γM1");
    case Bemessungsfehler::Steifenabstand: return text(kSteifenabstand);
    case Bemessungsfehler::Radlast: return QStringLiteral("Fz,Ed");
    case Bemessungsfehler::Verschleiss: return text(kVerschleiss);
    default: return {};
    }
}

Bemessungsdialog::Bemessungsdialog(const Bemessungswerte& w, const Traegerwerte& t, const Texte& text,
                                   const Texte& meldung, bool schieneWirktMit, QWidget* parent)
    : QDialog(parent), m_text(text), m_meldung(meldung), m_schieneWirktMit(schieneWirktMit)
{
    setObjectName(QStringLiteral("Bemessungsdialog"));
    setWindowTitle(text(kDialogtitel));
    auto* aussen = new QVBoxLayout(this);
    reiter = new QTabWidget(this);
    auto* querschnittsseite = new QWidget(reiter);
    auto* haupt = new QVBoxLayout(querschnittsseite);
    reiter->addTab(querschnittsseite, text(kTitel));
    reiter->addTab(baueBauteilreiter(t), text(kBauteilTitel));
    aussen->addWidget(reiter);

    auto* kraftgruppe = new QGroupBox(text(kKraefteEinheiten), this);
    auto* raster = new QGridLayout(kraftgruppe);
    const std::array<const QString*, 6> kraft{&w.N, &w.Vy, &w.Vz, &w.Mx, &w.My, &w.Mz};
    for (int k = 0; k < 6; ++k) {
        kraefte[size_t(k)] = new QLineEdit(*kraft[size_t(k)], kraftgruppe);
        kraefte[size_t(k)]->setObjectName(QStringLiteral("kraft_%1").arg(k));
        raster->addWidget(new QLabel(QString::fromLatin1(kNamen[k]), kraftgruppe), k % 3, 2 * (k / 3));
        raster->addWidget(kraefte[size_t(k)], k % 3, 2 * (k / 3) + 1);
    }
    auto* skizze = new Skizze(kraftgruppe);
    m_skizze = skizze;
    skizze->setMinimumSize(170, 170);
    raster->addWidget(skizze, 0, 4, 4, 1);
    auto* achsen = new QLabel(text(kAchsen), kraftgruppe);
    achsen->setWordWrap(true);
    raster->addWidget(achsen, 3, 0, 1, 4);
    haupt->addWidget(kraftgruppe);

    auto* stahl = new QFormLayout;
    sorte = new QComboBox(this);
    sorte->addItems(stahlsorten());
    sorte->setCurrentIndex(stahlsorte(w.stahlsorte) ? int(*stahlsorte(w.stahlsorte)) : 2);
    gammaM0 = new QLineEdit(w.gammaM0, this);
    gammaM1 = new QLineEdit(w.gammaM1, this);
    steifenabstand = new QLineEdit(w.steifenabstand, this);
    stahl->addRow(text(kSorte), sorte);
    stahl->addRow(text(kGammaM0), gammaM0);
    stahl->addRow(QStringLiteral("γM1"), gammaM1);
    stahl->addRow(text(kSteifenabstand) + QStringLiteral(" [mm]"), steifenabstand);
    haupt->addLayout(stahl);

    auto* radgruppe = new QGroupBox(text(kRadlastgruppe), this);
    auto* rad = new QFormLayout(radgruppe);
    radlast = new QLineEdit(w.radlast, radgruppe);
    befestigung = new QComboBox(radgruppe);
    for (int k = 0; k < 3; ++k)
        befestigung->addItem(text(kFest + k));
    befestigung->setCurrentIndex(int(w.befestigung));
    verschleiss = new QLineEdit(w.verschleiss, radgruppe);
    rad->addRow(text(kRadlast) + QStringLiteral(" [kN]"), radlast);
    rad->addRow(text(kBefestigung), befestigung);
    rad->addRow(text(kVerschleiss) + QStringLiteral(" [%]"), verschleiss);
    haupt->addWidget(radgruppe);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(text(kOk));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(text(kAbbrechen));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &Bemessungsdialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &Bemessungsdialog::reject);
    aussen->addWidget(knoepfe);
}

QWidget* Bemessungsdialog::baueBauteilreiter(const Traegerwerte& t)
{
    auto* seite = new QWidget(this);
    auto* form = new QFormLayout(seite);
    const auto auswahl = [seite](int erster, int anzahl, int gewaehlt, const Texte& text) {
        auto* c = new QComboBox(seite);
        for (int k = 0; k < anzahl; ++k)
            c->addItem(text(erster + k));
        c->setCurrentIndex(gewaehlt);
        return c;
    };
    spannweite = new QLineEdit(t.spannweite, seite);
    halteabstand = new QLineEdit(t.halteabstand, seite);
    halteabstand->setPlaceholderText(m_text(kLeerL));
    lasthoehe = auswahl(kLastangriff + 1, 3, int(t.lasthoehe), m_text);
    momentenform = auswahl(kMomentenverlauf + 1, 3, int(t.momentenform), m_text);
    psi = new QLineEdit(t.psi, seite);
    klasse = new QComboBox(seite);
    for (int k = 0; k <= 9; ++k)
        klasse->addItem(QStringLiteral("S%1").arg(k));
    klasse->setCurrentText(t.klasse);
    lambda = new QLineEdit(t.lambda, seite);
    quelle = auswahl(kSchwingbreiten + 1, 2, int(t.quelle), m_text);
    auto* bereiche = new QGridLayout;
    const std::array<const QString*, 7> werte{&t.dN, &t.dVy, &t.dVz, &t.dMx, &t.dMy, &t.dMz, &t.dRadlast};
    static const char* const namen[] = {"ΔN", "ΔVy", "ΔVz", "ΔMx", "ΔMy", "ΔMz", "ΔFz"};
    for (int k = 0; k < 7; ++k) {
        schwingbreiten[size_t(k)] = new QLineEdit(*werte[size_t(k)], seite);
        bereiche->addWidget(new QLabel(QString::fromUtf8(namen[k]), seite), k / 4, 2 * (k % 4));
        bereiche->addWidget(schwingbreiten[size_t(k)], k / 4, 2 * (k % 4) + 1);
    }
    for (QLineEdit* feld : schwingbreiten)
        feld->setMinimumWidth(60);
    // Ranges count only where typed, ψ only for end moments: the others wait, greyed.
    const auto passeAn = [this] {
        for (QLineEdit* feld : schwingbreiten)
            feld->setEnabled(quelle->currentIndex() == int(Schwingquelle::Schwingbreiten));
        psi->setEnabled(momentenform->currentIndex() == int(Momentenform::Endmomente));
    };
    connect(quelle, &QComboBox::currentIndexChanged, seite, passeAn);
    connect(momentenform, &QComboBox::currentIndexChanged, seite, passeAn);
    passeAn();
    naht = auswahl(kNaht + 1, 3, int(t.naht), m_text);
    gammaFf = new QLineEdit(t.gammaFf, seite);
    gammaMf = new QLineEdit(t.gammaMf, seite);
    form->addRow(m_text(kSpannweite), spannweite);
    form->addRow(m_text(kHalteabstand), halteabstand);
    form->addRow(m_text(kLastangriff), lasthoehe);
    form->addRow(m_text(kMomentenverlauf), momentenform);
    form->addRow(m_text(kPsi), psi);
    form->addRow(m_text(kKranklasse), klasse);
    form->addRow(m_text(kLambda), lambda);
    form->addRow(m_text(kSchwingbreiten), quelle);
    form->addRow(QStringLiteral("[kN, kNm]"), bereiche);
    form->addRow(m_text(kNaht), naht);
    form->addRow(QStringLiteral("γFf"), gammaFf);
    form->addRow(QStringLiteral("γMf"), gammaMf);
    return seite;
}

Traegerwerte Bemessungsdialog::traeger() const
{
    Traegerwerte t;
    t.spannweite = spannweite->text().trimmed();
    t.halteabstand = halteabstand->text().trimmed();
    t.lasthoehe = Lasthoehe(lasthoehe->currentIndex());
    t.momentenform = Momentenform(momentenform->currentIndex());
    t.psi = psi->text().trimmed();
    t.klasse = klasse->currentText();
    t.lambda = lambda->text().trimmed();
    t.quelle = Schwingquelle(quelle->currentIndex());
    std::array<QString*, 7> werte{&t.dN, &t.dVy, &t.dVz, &t.dMx, &t.dMy, &t.dMz, &t.dRadlast};
    for (size_t k = 0; k < werte.size(); ++k)
        *werte[k] = schwingbreiten[k]->text().trimmed();
    t.naht = Nahtart(naht->currentIndex());
    t.gammaFf = gammaFf->text().trimmed();
    t.gammaMf = gammaMf->text().trimmed();
    return t;
}

Bemessungswerte Bemessungsdialog::werte() const
{
    Bemessungswerte w;
    std::array<QString*, 6> kraft{&w.N, &w.Vy, &w.Vz, &w.Mx, &w.My, &w.Mz};
    for (size_t k = 0; k < 6; ++k)
        *kraft[k] = kraefte[k]->text().trimmed();
    w.stahlsorte = sorte->currentText();
    w.gammaM0 = gammaM0->text().trimmed();
    w.gammaM1 = gammaM1->text().trimmed();
    w.steifenabstand = steifenabstand->text().trimmed();
    w.radlast = radlast->text().trimmed();
    w.befestigung = Schienenbefestigung(befestigung->currentIndex());
    w.verschleiss = verschleiss->text().trimmed();
    return w;
}

void Bemessungsdialog::accept()
{
    // The member's values, when a span is given, must be admissible too; the tab with the field is shown.
    if (hatTraeger(traeger())) {
        const Traegerlesung t = leseTraeger(traeger());
        QWidget* feld = nullptr;
        switch (t.fehler) {
        case Traegerfehler::Keiner: break;
        case Traegerfehler::Spannweite: feld = spannweite; break;
        case Traegerfehler::Halteabstand: feld = halteabstand; break;
        case Traegerfehler::Psi: feld = psi; break;
        case Traegerfehler::Klasse: feld = klasse; break;
        case Traegerfehler::Lambda: feld = lambda; break;
        case Traegerfehler::Schwingbreite: feld = schwingbreiten[0]; break;
        case Traegerfehler::GammaFf: feld = gammaFf; break;
        case Traegerfehler::GammaMf: feld = gammaMf; break;
        }
        if (feld) {
            reiter->setCurrentIndex(1);
            const auto* beschriftung = qobject_cast<QFormLayout*>(feld->parentWidget()->layout());
            QWidget* label = beschriftung ? beschriftung->labelForField(feld) : nullptr;
            const auto* text = qobject_cast<QLabel*>(label);
            meldungen().zeige(m_meldung(64) + u' ' + (text ? text->text() : QStringLiteral("[kN, kNm]")), Meldungssymbol::Keins);
            feld->setFocus();
            return;
        }
    }
    const Bemessungslesung l = leseBemessung(werte(), m_schieneWirktMit);
    QWidget* feld = nullptr;
    switch (l.fehler) {
    case Bemessungsfehler::Keiner:
        QDialog::accept();
        return;
    case Bemessungsfehler::Befestigung:
        // Both fields are named in the message; the fixing is the one to change.
        meldungen().zeige(m_meldung(62), Meldungssymbol::Keins);
        reiter->setCurrentIndex(0);
        befestigung->setFocus();
        return;
    case Bemessungsfehler::Kraft: feld = kraefte[size_t(l.kraft)]; break;
    case Bemessungsfehler::Stahlsorte: feld = sorte; break;
    case Bemessungsfehler::GammaM0: feld = gammaM0; break;
    case Bemessungsfehler::GammaM1: feld = gammaM1; break;
    case Bemessungsfehler::Steifenabstand: feld = steifenabstand; break;
    case Bemessungsfehler::Radlast: feld = radlast; break;
    case Bemessungsfehler::Verschleiss: feld = verschleiss; break;
    }
    const QString name = wertname(l, m_text);
    meldungen().zeige(m_meldung(56) + u' ' + name, Meldungssymbol::Keins);
    reiter->setCurrentIndex(0);
    feld->setFocus();
}

void Bemessungsdialog::zeigeWalzprofil()
{
    static_cast<Skizze*>(m_skizze)->profil = Skizzenprofil::Walzprofil;
    m_skizze->update();
}
