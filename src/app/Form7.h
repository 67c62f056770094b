#pragma once
// The program's own yes/no dialog, with a Cancel button where the question
// offers to leave everything as it was: its button texts come from the
// language files and the caller chooses which button has the focus. Escape
// and the close box answer Cancel, or No where there is no Cancel.

#include "Meldungen.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

// The dialog's geometry in twips, worked out from the question's lines and
// the widths those lines take on screen.
struct Form7Geometrie {
    int breite = 3915;
    int hoehe = 2025;
    int linksJa = 1200;
    int linksNein = 2760;
    int linksAbbrechen = 0; // 0: no Cancel button
    int tastenOben = 1320;
    int zeilen = 0;
    std::array<int, 4> labelLinks{240, 240, 240, 240};
};

// Splits a question into at most four lines (a trailing line end shows no empty line).
QStringList form7Zeilen(const QString& fragetext);
Form7Geometrie berechneForm7(const QStringList& zeilen, const std::function<int(const QString&)>& breiteInTwips,
                             bool mitAbbrechen = false);

class Form7 : public QDialog {
    Q_OBJECT
public:
    Form7(Dialogvariablen& rufendeform, QWidget* parent = nullptr);

    QPushButton* Commandtaste(int i) const { return m_tasten[size_t(i - 1)]; }
    QLabel* Label1(int k) const { return m_labels[size_t(k - 1)]; }
    const Form7Geometrie& geometrie() const { return m_geometrie; }

    // Escape and the close box: Cancel where offered, else No.
    void reject() override;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void beantworte(qint16 antwort);

    Dialogvariablen& m_rufendeform;
    std::array<QPushButton*, 3> m_tasten{};
    std::array<QLabel*, 4> m_labels{};
    Form7Geometrie m_geometrie;
};
