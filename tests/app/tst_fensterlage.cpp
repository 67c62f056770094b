// Where a window opens: within its screen's free area when it fits there, centred; a window larger
// than the area keeps its top left corner, title bar and left edge, on it.
#include "app/Fensterlage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>

class TestFensterlage : public QObject {
    Q_OBJECT

private slots:
    void aufDemBildschirm()
    {
        const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QSize groesse : {QSize(200, 150), frei.size() - QSize(10, 10), frei.size() + QSize(300, 400)}) {
            QWidget fenster;
            fenster.resize(groesse);
            fenster.move(frei.right() - 5, frei.bottom() - 5); // where a window manager might have put it
            legeAufBildschirm(&fenster);
            const QRect lage(fenster.pos(), fenster.frameGeometry().size());
            QVERIFY(frei.contains(lage.topLeft()));
            if (frei.width() >= groesse.width() && frei.height() >= groesse.height()) {
                QVERIFY(frei.contains(lage));
                QVERIFY(std::abs((lage.left() - frei.left()) - (frei.right() - lage.right())) <= 1);
            } else {
                QCOMPARE(lage.topLeft(), frei.topLeft());
            }
        }
    }

    // A window its layout sizes (the launcher) is centred at the size it is shown with, not at Qt's default.
    void vomLayoutBemessen()
    {
        const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget fenster;
        auto* layout = new QVBoxLayout(&fenster);
        auto* inhalt = new QWidget;
        inhalt->setFixedSize(300, 120);
        layout->addWidget(inhalt);
        legeAufBildschirm(&fenster);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const QRect lage = fenster.frameGeometry();
        QVERIFY2(std::abs(lage.center().x() - frei.center().x()) <= 3 && std::abs(lage.center().y() - frei.center().y()) <= 3,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(lage.x()).arg(lage.y()).arg(lage.width()).arg(lage.height())));
    }
};

QTEST_MAIN(TestFensterlage)
#include "tst_fensterlage.moc"
