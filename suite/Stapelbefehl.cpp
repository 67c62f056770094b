#include "Stapelbefehl.h"

#include "Startfenster.h"
#include "stapel/Stapelrechnung.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

void schreibe(std::FILE* wohin, const QString& text) { std::fputs(text.toLocal8Bit().constData(), wohin); }

} // namespace

bool istStapelbefehl(int argc, char* argv[])
{
    return argc > 1 && (std::strcmp(argv[1], "compute") == 0 || std::strcmp(argv[1], "rechnen") == 0);
}

int stapelbefehl(int argc, char* argv[])
{
    // Pages are laid out without a screen: a terminal or a script has none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList argumente = QCoreApplication::arguments();
    argumente.removeAt(1);

    const Suitenordner ordner = bestimmeSuitenordner(QCoreApplication::applicationDirPath());
    QCommandLineParser vorab;
    const QCommandLineOption spracheVorab({QStringLiteral("language"), QStringLiteral("sprache")}, QString(), QStringLiteral("L"));
    vorab.addOption(spracheVorab);
    vorab.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    vorab.parse(argumente);
    const QString sprache = befehlssprache(ordner, vorab.value(spracheVorab));
    const auto text = [&](int n) { return startertext(ordner.pathtext, sprache, n); };

    QCommandLineParser aufruf;
    aufruf.setApplicationDescription(text(23));
    aufruf.addHelpOption();
    const QCommandLineOption pdf({QStringLiteral("pdf")}, text(24), QStringLiteral("DIR"));
    const QCommandLineOption csv({QStringLiteral("csv")}, text(25), QStringLiteral("FILE"));
    const QCommandLineOption spracheOption({QStringLiteral("language"), QStringLiteral("sprache")}, text(18), QStringLiteral("L"));
    const QCommandLineOption jobs({QStringLiteral("jobs"), QStringLiteral("j")}, text(26), QStringLiteral("N"));
    aufruf.addOptions({pdf, csv, spracheOption, jobs});
    aufruf.addPositionalArgument(text(21), text(27), QStringLiteral("FILE.tqs…"));
    aufruf.process(argumente);

    Stapelauftrag auftrag;
    auftrag.dateien = aufruf.positionalArguments();
    auftrag.pdfOrdner = aufruf.value(pdf);
    auftrag.csvDatei = aufruf.value(csv);
    auftrag.sprache = sprache;
    auftrag.gleichzeitig = aufruf.value(jobs).toInt();
    if (auftrag.dateien.isEmpty() || auftrag.pdfOrdner.isEmpty()) {
        schreibe(stderr, text(auftrag.dateien.isEmpty() ? 29 : 28) + u'\n');
        return 2;
    }
    if (!legeOrdnerAn(auftrag.pdfOrdner)) {
        schreibe(stderr, text(33) + u' ' + QDir::toNativeSeparators(auftrag.pdfOrdner) + u'\n');
        return 1;
    }

    // On a terminal a line per file as it ends; in a script only what failed.
    const bool terminal = isatty(fileno(stderr));
    const Stapelfortschritt fortschritt = [&](const Stapelergebnis& e, int fertig, int gesamt) {
        const QString vor = QStringLiteral("[%1/%2] ").arg(fertig).arg(gesamt) + QDir::toNativeSeparators(e.datei);
        if (!e.ok)
            schreibe(stderr, vor + QStringLiteral(": ") + text(31) + QStringLiteral("\n  ") +
                                 QString(e.grund).replace(u'\n', QStringLiteral("\n  ")) + u'\n');
        else if (terminal)
            schreibe(stderr, vor + QStringLiteral(" → ") + QDir::toNativeSeparators(e.pdf) + u'\n');
        std::fflush(stderr);
    };
    QString csvFehler;
    const std::vector<Stapelergebnis> ergebnisse =
        rechneStapel(auftrag, {bestimmePathbasis(ordner.exefiles + QStringLiteral("/.")), ordner.pathtext, text}, fortschritt, csvFehler);
    int gescheitert = 0;
    for (const Stapelergebnis& e : ergebnisse)
        gescheitert += e.ok ? 0 : 1;
    if (!csvFehler.isEmpty())
        schreibe(stderr, text(32) + u' ' + QDir::toNativeSeparators(auftrag.csvDatei) + QStringLiteral(" (") + csvFehler + QStringLiteral(")\n"));
    if (terminal || gescheitert)
        schreibe(stderr, text(30).arg(int(ergebnisse.size()) - gescheitert).arg(ergebnisse.size()) + u'\n');
    return gescheitert || !csvFehler.isEmpty() ? 1 : 0;
}
