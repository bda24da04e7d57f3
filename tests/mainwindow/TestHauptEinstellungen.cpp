#include "GuiTestMain.h"
#include "Haupt.h"
#include "HauptTest.h"
#include "LuHintergrund.h"
#include "LuLayout.h"
#include "LuListBox.h"
#include "ModalHelfer.h"
#include "TFakePlattform.h"
#include "TestDateien.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
using A = TPlattform::TAntwort;
const QByteArray Beispiel
    = QByteArray::fromHex("00054D52563031 0006580D0A590D0A 01000000 150000A4 0000 01000000 0006350D0A370D0A");

QSettings Gespeichert()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Merovan"));
}
}

class TestHauptEinstellungen : public THauptTest {
    Q_OBJECT

public:
    // Each test starts the window itself, with the stored values it needs.
    TestHauptEinstellungen()
    {
        FSchriftS = true;
        FFensterS = false;
    }

private:
    QTemporaryDir Ordner;
    QList<TFakePlattform::TMeldung> StartMeldungen;  // what the last start showed

    QString Pfad(const char* AName) const
    {
        return QDir::toNativeSeparators(Ordner.path() + QDir::separator() + QLatin1String(AName));
    }

    // Starts the window with these stored values and the command line; AFrageS: the start finds no
    // day and asks the first-run question, answered No.
    bool Starten(const QVariantMap& AWerte, const QString& AStartDatei = QString(), bool AFrageS = true)
    {
        {
            QSettings S = Gespeichert();
            for (auto It = AWerte.begin(); It != AWerte.end(); ++It)
                S.setValue(It.key(), It.value());
        }
        F = std::make_unique<TForm1>(AStartDatei);
        if (AFrageS)
            P->Antworten << A::Nein;
        F->show();
        const bool OkS = QTest::qWaitForWindowActive(F.get())
            && QTest::qWaitFor([this] { return !F->Timer1.isActive(); }) && P->Antworten.isEmpty();
        StartMeldungen = P->Meldungen;
        P->Meldungen.clear();
        return OkS;
    }

private Q_SLOTS:
    // No settings: the data folder, Courier New 12 in the window text colour, no style, white.
    void ErsterStart()
    {
        QVERIFY(Starten({}));
        QCOMPARE(F->Filename(), TForm1::DatenOrdner());
        const TSchriftart& S = Benutzerschrift();
        QCOMPARE(S.Font.family(), QStringLiteral("Courier New"));
        QCOMPARE(S.Font.pointSize(), 12);
        QCOMPARE(FarbCode(S), Fenstertextfarbe);
        QCOMPARE(S.Farbe, QGuiApplication::palette().color(QPalette::WindowText));
        QCOMPARE(int(S.Zeichensatz), 0);
        QVERIFY(!S.Font.bold() && !S.Font.italic() && !S.Font.underline() && !S.Font.strikeOut());
        QCOMPARE(F->HintergrundNr(), 1);
        QCOMPARE(Hintergrundfarbe(), QColor(Qt::white));
        QCOMPARE(F->Edit(1)->font().family(), QStringLiteral("Courier New"));
        F->close();
        QSettings G = Gespeichert();
        QCOMPARE(G.value("Filename").toString(), TForm1::DatenOrdner());
        QCOMPARE(G.value("HintColor").toInt(), 1);
        QCOMPARE(G.value("FontName").toString(), QStringLiteral("Courier New"));
        QCOMPARE(G.value("FontSize").toInt(), 12);
        QCOMPARE(quint32(G.value("FontColor").toInt()), 0xFF000008u);
        QCOMPARE(G.value("FontCharSet").toInt(), 0);
        QCOMPARE(G.value("FontStyle").toInt(), 0);
    }

    // Stored values, good and bad: what the start makes of them. Nothing crashes, nothing is asked.
    void Werte_data()
    {
        QTest::addColumn<QVariantMap>("Werte");
        QTest::addColumn<int>("Zeile");
        QTest::addColumn<QString>("Name");
        QTest::addColumn<int>("Punkte");
        QTest::addColumn<int>("Stil");
        QTest::addColumn<quint32>("Farbe");
        QTest::newRow("HintColor 25") << QVariantMap{{"HintColor", 25}} << 0 << "Courier New" << 12 << 0 << 0xFF000008u;
        QTest::newRow("HintColor -1") << QVariantMap{{"HintColor", -1}} << 0 << "Courier New" << 12 << 0 << 0xFF000008u;
        QTest::newRow("HintColor 18") << QVariantMap{{"HintColor", 18}} << 18 << "Courier New" << 12 << 0
                                      << 0xFF000008u;
        QTest::newRow("HintColor Text") << QVariantMap{{"HintColor", "gelb"}} << 1 << "Courier New" << 12 << 0
                                        << 0xFF000008u;
        QTest::newRow("FontStyle 3") << QVariantMap{{"FontStyle", 3}} << 1 << "Courier New" << 12 << 3 << 0xFF000008u;
        QTest::newRow("FontStyle 6") << QVariantMap{{"FontStyle", 6}} << 1 << "Courier New" << 12 << 6 << 0xFF000008u;
        QTest::newRow("FontName leer") << QVariantMap{{"FontName", ""}} << 1 << "Courier New" << 12 << 0 << 0xFF000008u;
        QTest::newRow("FontName Arial") << QVariantMap{{"FontName", "Arial"}, {"FontSize", 48}} << 1 << "Arial" << 48
                                        << 0 << 0xFF000008u;
        QTest::newRow("FontSize Text") << QVariantMap{{"FontSize", "riesig"}} << 1 << "Courier New" << 12 << 0
                                       << 0xFF000008u;
        QTest::newRow("FontSize 0") << QVariantMap{{"FontSize", 0}} << 1 << "Courier New" << 12 << 0 << 0xFF000008u;
        QTest::newRow("FontColor Rot") << QVariantMap{{"FontColor", 255}} << 1 << "Courier New" << 12 << 0 << 0xFFu;
        QTest::newRow("FontColor Braun") << QVariantMap{{"FontColor", 0x8B5A2B}} << 1 << "Courier New" << 12 << 0
                                         << 0x8B5A2Bu;
        QTest::newRow("FontColor System")
            << QVariantMap{{"FontColor", -16777208}} << 1 << "Courier New" << 12 << 0 << 0xFF000008u;
        QTest::newRow("FontColor Text") << QVariantMap{{"FontColor", "rot"}} << 1 << "Courier New" << 12 << 0
                                        << 0xFF000008u;
    }
    void Werte()
    {
        QFETCH(QVariantMap, Werte);
        QFETCH(int, Zeile);
        QFETCH(QString, Name);
        QFETCH(int, Punkte);
        QFETCH(int, Stil);
        QFETCH(quint32, Farbe);
        QVERIFY(Starten(Werte));
        const TSchriftart& S = Benutzerschrift();
        QCOMPARE(F->HintergrundNr(), Zeile);
        QCOMPARE(Hintergrundfarbe(), QColor(Farbliste[size_t(Zeile)].Farbe));
        QCOMPARE(S.Font.family(), Name);
        QCOMPARE(S.Font.pointSize(), Punkte);
        QCOMPARE((S.Font.italic() ? 1 : 0) | (S.Font.bold() ? 2 : 0) | (S.Font.underline() ? 4 : 0), Stil);
        QCOMPARE(FarbCode(S), Farbe);
        QCOMPARE(F->Edit(0)->font(), S.Font);
        // Saved again unchanged.
        F->close();
        QSettings G = Gespeichert();
        QCOMPARE(quint32(G.value("FontColor").toInt()), Farbe);
        QCOMPARE(G.value("FontStyle").toInt(), Stil);
        QCOMPARE(G.value("HintColor").toInt(), Zeile);
    }

    // The file: the command line wins and the stored one is not opened; a stored file that is gone
    // leaves its folder, or the data folder when that is gone too.
    void Dateiname_data()
    {
        QTest::addColumn<QString>("GespeichertDatei");
        QTest::addColumn<QString>("Kommandozeile");
        QTest::addColumn<QString>("Geoeffnet");
        QTest::newRow("gespeicherte Datei") << "a.MRV"
                                            << ""
                                            << "a.MRV";
        QTest::newRow("Kommandozeile gewinnt") << "kaputt.MRV"
                                               << "b.MRV"
                                               << "b.MRV";
        QTest::newRow("Kommandozeile fehlt") << "a.MRV"
                                             << "fehlt.MRV"
                                             << "a.MRV";
        QTest::newRow("Datei fehlt, Ordner nicht") << "weg.MRV"
                                                   << ""
                                                   << "/";
        QTest::newRow("Ordner fehlt") << "weg/weg.MRV"
                                      << ""
                                      << "Daten";
    }
    void Dateiname()
    {
        QFETCH(QString, GespeichertDatei);
        QFETCH(QString, Kommandozeile);
        QFETCH(QString, Geoeffnet);
        QVERIFY(DateiSchreiben(Pfad("a.MRV"), Beispiel));
        QVERIFY(DateiSchreiben(Pfad("b.MRV"), Beispiel));
        QVERIFY(DateiSchreiben(Pfad("kaputt.MRV"), "kein Tagebuch"));  // opening it would show a message
        const QString Start = Kommandozeile.isEmpty() ? QString() : Pfad(Kommandozeile.toLatin1());
        const bool DateiS = Geoeffnet.endsWith(u".MRV");
        QVERIFY(Starten({{"Filename", Pfad(GespeichertDatei.toLatin1())}}, Start, !DateiS));
        const QString Erwartet = Geoeffnet == u"/" ? Pfad("")
            : Geoeffnet == u"Daten"                ? TForm1::DatenOrdner()
                                                   : Pfad(Geoeffnet.toLatin1());
        QCOMPARE(F->Filename(), Erwartet);
        QCOMPARE(F->TagNr(), DateiS ? 1 : 0);
        // Only the first-run question where no file opened; the broken stored file was never read.
        QCOMPARE(StartMeldungen.size(), DateiS ? 0 : 1);
    }

    // "Schließen", then the end: the folder is stored, and the next start opens no file there.
    void OrdnerNachSchliessen()
    {
        QVERIFY(DateiSchreiben(Pfad("a.MRV"), Beispiel));
        QVERIFY(Starten({}, Pfad("a.MRV"), false));
        F->MenuDateiClose->trigger();
        QCOMPARE(Gespeichert().value("Filename").toString(), Pfad(""));
        F->close();
        QCOMPARE(Gespeichert().value("Filename").toString(), Pfad(""));
        QVERIFY(Pfad("").endsWith(QDir::separator()));
        QVERIFY(Starten({}));
        QCOMPARE(F->Filename(), Pfad(""));
        QCOMPARE(F->TagNr(), 0);
    }

    // Ansicht → Schriftart: the font and its colour for every control at once, saved; cancelled, nothing.
    void Schriftart()
    {
        QVERIFY(DateiSchreiben(Pfad("a.MRV"), Beispiel));
        QVERIFY(Starten({}, Pfad("a.MRV"), false));
        F->Edit(1)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        QFont Neu(QStringLiteral("Liberation Serif"), 30);
        Neu.setBold(true);
        Neu.setUnderline(true);
        P->Schriften << TSchriftart{Neu, QColor(0x000080)} << std::nullopt;
        F->MenuAnsSchriftart->trigger();
        QCOMPARE(F->Edit(0)->font().family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(F->Label(0)->font().pointSize(), 30);
        QCOMPARE(F->Edit(0)->palette().color(QPalette::Text), QColor(0x000080));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        QSettings G = Gespeichert();
        QCOMPARE(G.value("FontName").toString(), QStringLiteral("Liberation Serif"));
        QCOMPARE(G.value("FontSize").toInt(), 30);
        QCOMPARE(G.value("FontStyle").toInt(), 6);
        QCOMPARE(G.value("FontColor").toInt(), 0x800000);

        Gespeichert().setValue("FontSize", 99);  // a cancelled dialog saves nothing
        F->MenuAnsSchriftart->trigger();
        QCOMPARE(Gespeichert().value("FontSize").toInt(), 99);
        QCOMPARE(Benutzerschrift().Font.pointSize(), 30);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
    }

    // Ansicht → Schrifthintergrund by keys: the colour everywhere, saved; Escape keeps the old one.
    void Hintergrund()
    {
        QVERIFY(Starten({}));
        F->Edit(0)->setFocus();
        BeimNaechstenDialog([](QWidget* D) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // Gelb
            QTest::keyClick(D, Qt::Key_Return);
        });
        F->MenuAnsHintergrund->trigger();
        QCOMPARE(F->HintergrundNr(), 2);
        QCOMPARE(F->Edit(3)->palette().color(QPalette::Base), QColor(Qt::yellow));
        QCOMPARE(Gespeichert().value("HintColor").toInt(), 2);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        BeimNaechstenDialog([](QWidget* D) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(D, Qt::Key_Escape);
        });
        F->MenuAnsHintergrund->trigger();
        QCOMPARE(F->HintergrundNr(), 2);
        QCOMPARE(F->HintergrundForm->HintergrundNr(), 2);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
    }

    // Black on black, or a font as white as the background: asked first, naming both colours and the
    // ratio; No keeps the old choice and saves nothing.
    void Kontrast_data()
    {
        QTest::addColumn<bool>("SchriftS");
        QTest::addColumn<bool>("JaS");
        QTest::newRow("Hintergrund, Nein") << false << false;
        QTest::newRow("Hintergrund, Ja") << false << true;
        QTest::newRow("Schrift, Nein") << true << false;
    }
    void Kontrast()
    {
        QFETCH(bool, SchriftS);
        QFETCH(bool, JaS);
        QVERIFY(Starten({{"FontColor", 0}}));  // black, on white
        P->Antworten << (JaS ? A::Ja : A::Nein);
        if (SchriftS) {
            P->Schriften << TSchriftart{QFont(QStringLiteral("Courier New"), 12), Qt::white};
            F->MenuAnsSchriftart->trigger();
        } else {
            BeimNaechstenDialog([this](QWidget* D) {
                F->HintergrundForm->ListBox1->setCurrentRow(0);  // Schwarz
                QTest::keyClick(D, Qt::Key_Return);
            });
            F->MenuAnsHintergrund->trigger();
        }
        const QString Erwartet = SchriftS
            ? QStringLiteral("Die Schriftfarbe Weiß hebt sich vom Hintergrund Weiß nur im Verhältnis 1,0 : 1 ab.")
            : QStringLiteral(
                "Die Schriftfarbe Schwarz hebt sich vom Hintergrund Schwarz nur im Verhältnis 1,0 : 1 ab.");
        QCOMPARE(P->Texte(TFakePlattform::TArt::Frage).size(), 1);
        QVERIFY2(P->Texte(TFakePlattform::TArt::Frage)[0].startsWith(Erwartet),
                 qPrintable(P->Texte(TFakePlattform::TArt::Frage)[0]));
        QCOMPARE(F->HintergrundNr(), JaS ? 0 : 1);
        QCOMPARE(F->HintergrundForm->HintergrundNr(), JaS ? 0 : 1);
        QCOMPARE(Benutzerschrift().Farbe, QColor(Qt::black));
        QCOMPARE(Gespeichert().contains("HintColor"), JaS);
    }

    void KontrastVerhaeltnis()
    {
        QCOMPARE(::Kontrast(Qt::black, Qt::white), 21.0);
        QCOMPARE(::Kontrast(Qt::white, Qt::white), 1.0);
        QVERIFY(qAbs(::Kontrast(QColor(0x767676), Qt::white) - 4.54) < 0.01);
    }
};

MEROVAN_GUI_TEST_MAIN(TestHauptEinstellungen)
#include "TestHauptEinstellungen.moc"
