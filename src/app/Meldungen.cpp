#include "Meldungen.h"

#include "Form7.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class Bildschirmmeldungen final : public Meldungsanzeige {
public:
    void zeige(const QString& text, Meldungssymbol symbol) override
    {
        QMessageBox box(symbol == Meldungssymbol::Stopp ? QMessageBox::Critical : QMessageBox::NoIcon,
                        programmtitel(), text, QMessageBox::Ok);
        box.exec();
    }

    void frage(QWidget* rufform, Dialogvariablen& variablen) override
    {
        Form7 dialog(variablen, rufform);
        dialog.exec();
    }
};

Meldungsanzeige* g_anzeige = nullptr;

} // namespace

Meldungsanzeige& meldungen()
{
    static Bildschirmmeldungen bildschirm;
    return g_anzeige ? *g_anzeige : bildschirm;
}

void setzeMeldungsanzeige(Meldungsanzeige* anzeige) { g_anzeige = anzeige; }

QString programmtitel()
{
    const QString titel = QApplication::applicationName();
    return titel.isEmpty() ? QStringLiteral("Tarvello") : titel;
}
