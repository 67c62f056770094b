#pragma once
// The page preview: the report's pages one below the other, a scroll bar, the
// number of copies and the print button. The pages live as bitmap files in
// the temporary folder while the preview is open.

#include <QImage>
#include <QWidget>
#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// Page groups of up to three pages, stacked into one bitmap each.
std::vector<QImage> seitengruppen(const std::vector<QImage>& seiten);
// The scroll bar's maximum for a report of that many pages.
inline int bildlaufMaximum(int seiten) { return (seiten - 1) * 19 + 8; }

class Form5 : public QWidget {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    // Stores the pages as "1.bmp", "2.bmp", ... in the folder and shows them.
    // False, with the file and the reason in `fehler`, when a page bitmap could not be stored.
    bool zeigeSeiten(const std::vector<QImage>& seiten, const QString& TMPPATH, QString& fehler);
    // Widens the window on a wide screen, as the main window does.
    void passeAnBildschirmAn(int bildschirmbreiteTwips);

    std::array<QLabel*, 3> Picture{};
    QScrollBar* VScroll1 = nullptr;
    QLineEdit* anzahl = nullptr;
    QPushButton* Command1 = nullptr;

    int Seiten = 0;
    int maxind = 0;
    QString bitmap(int k) const;
    // Whether the pages have had the focus since they were shown.
    bool warAktiv() const { return m_warAktiv; }

signals:
    // The print button: the number of copies typed.
    void drucken(int kopien);

protected:
    bool event(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void wheelEvent(QWheelEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void bildlauf(int wert);
    void ladeGruppe(int slot, int k);

    QWidget* m_ansicht = nullptr;
    QString m_ordner;
    std::array<int, 3> m_slots{};
    std::vector<int> m_gruppenhoehe;
    bool m_beschaeftigt = false;
    bool m_warAktiv = false;
};
