#include "Startfenster.h"
#include "Stapelbefehl.h"

#include "app/Fensterlage.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLineEdit>
#include <memory>

namespace {

struct Aufruf {
    QCommandLineOption bearbeiter{{QStringLiteral("editor"), QStringLiteral("bearbeiter")}, QString(), QStringLiteral("name")};
    QCommandLineOption sprache{{QStringLiteral("language"), QStringLiteral("sprache")}, QString(), QStringLiteral("L")};
    QCommandLineOption start{{QStringLiteral("start")}, QString()};
    QCommandLineParser parser;

    // The options described in the language `l`; the German names stay as aliases.
    Aufruf(const QString& pathtext, const QString& l)
    {
        const auto text = [&](int n) { return startertext(pathtext, l, n); };
        bearbeiter.setDescription(text(17));
        bearbeiter.setValueName(text(22));
        sprache.setDescription(text(18));
        start.setDescription(text(19));
        parser.setApplicationDescription(text(16) + u'\n' + text(40));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({bearbeiter, sprache, start});
        parser.addPositionalArgument(text(21), text(20), QStringLiteral("[") + text(21) + QStringLiteral(".tqs]"));
    }
};

bool nurAuskunft(const QCommandLineParser& p)
{
    return p.isSet(QStringLiteral("help")) || p.isSet(QStringLiteral("help-all")) || p.isSet(QStringLiteral("version"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELLO_VERSION));
    if (istStapelbefehl(argc, argv))
        return stapelbefehl(argc, argv);
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente.append(QString::fromLocal8Bit(argv[i]));

    // A first reading only tells whether a display is needed: help and version are answered
    // in a terminal without one.
    Aufruf vorab(QString(), QStringLiteral("E"));
    vorab.parser.parse(argumente);
    std::unique_ptr<QCoreApplication> app;
    if (nurAuskunft(vorab.parser))
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);

    // Everything is told in the language asked for, else the last start's, else the user's.
    const Suitenordner ordner = bestimmeSuitenordner(QCoreApplication::applicationDirPath());
    const QString sprache = befehlssprache(ordner, vorab.parser.value(vorab.sprache));
    Aufruf aufruf(ordner.pathtext, sprache);
    aufruf.parser.process(argumente);
    if (nurAuskunft(aufruf.parser))
        return 0;

    // The desktop names the window after the suite's menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvello"));
    Startfenster fenster(ordner);
    if (aufruf.parser.isSet(aufruf.bearbeiter))
        fenster.Bearbeiterfeld->setText(aufruf.parser.value(aufruf.bearbeiter));
    if (aufruf.parser.isSet(aufruf.sprache))
        fenster.Sprachliste->setCurrentIndex(qMax(0, fenster.Sprachliste->findData(sprache)));
    // A section file opened from the file manager goes to the last editor at once; only without
    // one does the window ask who works on it.
    const QStringList dateien = aufruf.parser.positionalArguments();
    if (!dateien.isEmpty())
        fenster.datei = QFileInfo(dateien.first()).absoluteFilePath();
    const bool sofort = aufruf.parser.isSet(aufruf.start) || (!fenster.datei.isEmpty() && !fenster.Bearbeiterfeld->text().isEmpty());
    // A start that fails has said why; the window then stays for a second try.
    if (sofort && fenster.starteQuerschnitt())
        return 0;
    legeAufBildschirm(&fenster);
    fenster.show();
    return app->exec();
}
