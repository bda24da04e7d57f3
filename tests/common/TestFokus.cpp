// The focus indicator of every kind of control that takes the focus, on all nineteen backgrounds:
// at least two pixels wide and at least 3 : 1 against the control's own colour beside it.

#include "GuiTestMain.h"
#include "LuFokus.h"
#include "LuLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QTest>

class TestFokus : public QObject {
    Q_OBJECT

    // The longest run of pixels near the right edge of AFlaeche, at its middle height, that stand out
    // at least 3 : 1 from AGrund, the control's own colour the frame lies on.
    static QString Pruefen(QWidget* W, const QRect& AFlaeche, const QColor& AGrund)
    {
        const QImage Bild = W->grab().toImage();
        const int y = AFlaeche.center().y();
        int Lauf = 0, Laengster = 0;
        for (int x = std::min(Bild.width() - 1, AFlaeche.right() + 2); x > AFlaeche.right() - 8; --x) {
            Lauf = Kontrast(Bild.pixelColor(x, y), AGrund) >= 3.0 ? Lauf + 1 : 0;
            Laengster = std::max(Laengster, Lauf);
        }
        return Laengster >= 2 ? QString()
                              : QStringLiteral("%1: %2 px of contrast at the edge, on %3")
                                    .arg(W->metaObject()->className())
                                    .arg(Laengster)
                                    .arg(AGrund.name());
    }

private Q_SLOTS:
    void Sichtbar_data()
    {
        QTest::addColumn<int>("Zeile");
        for (int i = 0; i < int(Farbliste.size()); ++i)
            QTest::newRow(qPrintable(QString::fromUtf16(Farbliste[size_t(i)].Name))) << i;
    }
    void Sichtbar()
    {
        QFETCH(int, Zeile);
        const QColor Hintergrund(Farbliste[size_t(Zeile)].Farbe);
        QWidget Fenster;
        auto* Edit = new QLineEdit(&Fenster);
        auto* Knopf = new QPushButton(QStringLiteral("Tageskommentar..."), &Fenster);
        auto* Kaestchen = new QCheckBox(QStringLiteral("Genaue Übereinstimmung"), &Fenster);
        auto* Editor = new QPlainTextEdit(&Fenster);
        auto* Liste = new QListView(&Fenster);
        auto* Auswahl = new QComboBox(&Fenster);  // as in the font dialog
        Auswahl->addItems({QStringLiteral("Jede Schrift"), QStringLiteral("Latein")});
        auto* Zahl = new QSpinBox(&Fenster);
        QStringListModel Modell({QStringLiteral("Mo., 05. Jänner 2015"), QStringLiteral("Di., 06. Jänner 2015")});
        Liste->setModel(&Modell);
        Edit->setGeometry(10, 10, 300, 40);
        Knopf->setGeometry(10, 60, 300, 40);
        Kaestchen->setGeometry(10, 110, 300, 40);
        Editor->setGeometry(10, 160, 300, 100);
        Liste->setGeometry(10, 270, 300, 100);
        Auswahl->setGeometry(10, 380, 300, 40);
        Zahl->setGeometry(10, 430, 300, 40);
        Fenster.resize(320, 480);
        // The text colour the user would have on this background: black or white, as readable.
        const QColor Text
            = Kontrast(Qt::black, Hintergrund) >= Kontrast(Qt::white, Hintergrund) ? Qt::black : Qt::white;
        ::SchriftartZuweisen(&Fenster, TSchriftart{QFont(QStringLiteral("Liberation Sans"), 14), Text}, Hintergrund);
        Fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&Fenster));
        QStringList Fehler;
        const QList<std::pair<QWidget*, QPalette::ColorRole>> Flaechen{{Edit, QPalette::Base},
                                                                       {Knopf, QPalette::Button},
                                                                       {Editor, QPalette::Base},
                                                                       {Auswahl, QPalette::Button},
                                                                       {Zahl, QPalette::Base}};
        for (const auto& [W, Rolle] : Flaechen) {
            W->setFocus();
            QTRY_VERIFY(W->hasFocus());
            const QString F = Pruefen(W, W->rect(), W->palette().color(Rolle));
            if (!F.isEmpty())
                Fehler << F;
        }
        Kaestchen->setFocus();
        QTRY_VERIFY(Kaestchen->hasFocus());
        QStyleOptionButton Option;
        Option.initFrom(Kaestchen);
        Option.text = Kaestchen->text();
        const QString F1
            = Pruefen(Kaestchen, Kaestchen->style()->subElementRect(QStyle::SE_CheckBoxFocusRect, &Option, Kaestchen),
                      Hintergrund);
        if (!F1.isEmpty())
            Fehler << F1;
        Liste->setFocus();
        Liste->setCurrentIndex(Modell.index(0));
        QTRY_VERIFY(Liste->hasFocus());
        const QRect Zeile0 = Liste->visualRect(Modell.index(0)).translated(Liste->viewport()->pos());
        const QString F2 = Pruefen(Liste, Zeile0, Liste->palette().color(QPalette::Highlight));
        if (!F2.isEmpty())
            Fehler << F2;
        QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler.join(u'\n')));
    }

    void FarbeHebtSichAb()
    {
        for (const TFarbeintrag& E : Farbliste)
            QVERIFY(Kontrast(FokusFarbe(QColor(E.Farbe)), QColor(E.Farbe)) >= 4.5);
    }
};

MEROVAN_GUI_TEST_MAIN(TestFokus)
#include "TestFokus.moc"
