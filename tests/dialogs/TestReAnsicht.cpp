#include "GuiTestMain.h"
#include "LuLayout.h"
#include "LuZugang.h"
#include "Mithoeren.h"
#include "ModalHelfer.h"
#include "ReAnsicht.h"
#include "TDaten.h"
#include "TFakePlattform.h"
#include "Tmpfs.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// What a program we did not write prints for the arguments.
QString Ausgabe(const QString& AProgramm, const QStringList& AArgumente)
{
    QProcess P;
    P.start(AProgramm, AArgumente);
    if (!P.waitForFinished(30000) || P.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(AProgramm, QString::fromLocal8Bit(P.readAllStandardError()));
    return QString::fromUtf8(P.readAllStandardOutput());
}

int Seitenzahl(const QString& APdf)
{
    const QRegularExpressionMatch M
        = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Ausgabe(QStringLiteral("pdfinfo"), {APdf}));
    return M.hasMatch() ? M.captured(1).toInt() : -1;
}

// The words of page ASeite with their boxes in points: x, y (top), width.
struct TWort {
    QString Text;
    double x, y, Breite;
};
QList<TWort> Woerter(const QString& APdf, int ASeite)
{
    const QString Html = Ausgabe(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(ASeite),
                                  QStringLiteral("-l"), QString::number(ASeite), APdf, QStringLiteral("-")});
    QList<TWort> W;
    const QRegularExpression Muster(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    for (auto It = Muster.globalMatch(Html); It.hasNext();) {
        const auto M = It.next();
        W << TWort{M.captured(4), M.captured(1).toDouble(), M.captured(2).toDouble(),
                   M.captured(3).toDouble() - M.captured(1).toDouble()};
    }
    return W;
}

QStringList Texte(const QList<TWort>& AWoerter)
{
    QStringList T;
    for (const TWort& W : AWoerter)
        T << W.Text;
    return T;
}

// A report of a few days, as the week overview builds it: three days, two fields, comments.
QString WochenBericht()
{
    TDaten D;
    D.Felder = QStringList{"Blutzucker", "Insulin"};
    TTag A(42005);
    A.Kommentar = QStringLiteral("Feiertag");
    A.Add(QStringList{"120", "4"});
    A.Add(QStringList{"95", "8"});
    D.Add(A);
    TTag B(42006);
    B.Add(QStringList{"140", "6"});
    D.Add(B);
    TTag C(42007);
    C.Kommentar = QStringLiteral("Sport");
    C.Add(QStringList{"101", "2"});
    D.Add(C);
    return D.TabellenStr();
}

// Where line ANr of the text begins, its lines parted by "\n".
int Zeilenanfang(const QString& AText, int ANr)
{
    int Ort = 0;
    for (int i = 0; i < ANr; ++i)
        Ort = int(AText.indexOf(u'\n', Ort)) + 1;
    return Ort;
}

QString Zeilen(int AAnzahl, const QString& AMuster)
{
    QString T;
    for (int i = 1; i <= AAnzahl; ++i)
        T += AMuster.arg(i) + QStringLiteral("\r\n");
    return T;
}

}

class TestReAnsicht : public QObject {
    Q_OBJECT

    std::unique_ptr<TFakePlattform> P;
    std::unique_ptr<TReAnsichtForm> R;
    QTemporaryDir Ordner;

    // Shows the report as the main window does and runs AAktion in the open window.
    void Zeigen(const QString& AText, std::function<void(QWidget*)> AAktion,
                const QString& ATitel = QStringLiteral("Übersicht einer Woche"))
    {
        R->setWindowTitle(ATitel);
        R->SchriftartZuweisen();
        R->setText(AText);
        BeimNaechstenDialog(AAktion);
        ModalZeigen(*R);
    }

    QString Pfad(const char* AName) const { return Ordner.filePath(QLatin1String(AName)); }

    // Prints AText through the print path into a PDF file; the file.
    QString Drucken(const QString& AText, const char* AName, int AVon = 0, int ABis = 0)
    {
        const QString Datei = Pfad(AName);
        P->DruckDatei = Datei;
        P->DruckVon = AVon;
        P->DruckBis = ABis;
        P->Drucke << true;
        Zeigen(AText, [this](QWidget* D) {
            QTest::keyClick(R->RichEdit1, Qt::Key_P, Qt::ControlModifier);
            QTest::keyClick(D, Qt::Key_Escape);
        });
        return Datei;
    }

private Q_SLOTS:
    void init()
    {
        P = std::make_unique<TFakePlattform>(42009);
        Benutzerschrift() = TSchriftart{QFont(QStringLiteral("Liberation Sans"), 12), Qt::black};
        R = std::make_unique<TReAnsichtForm>();
    }
    void cleanup()
    {
        R.reset();
        P.reset();
    }

    void Grundeinstellungen()
    {
        QCOMPARE(R->Button1->text(), QStringLiteral("&Drucken..."));
        QCOMPARE(R->Button2->text(), QStringLiteral("S&peichern..."));
        QCOMPARE(R->Button3->text(), QStringLiteral("&Schließen"));
        QVERIFY(R->Button1->isDefault());
        QCOMPARE(R->RichEdit1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(R->RichEdit1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QStringList Kontext;
        for (QAction* A : R->PopupMenu1->actions())
            Kontext << A->text() + u'|' + A->shortcut().toString(QKeySequence::NativeText);
        QCOMPARE(Kontext,
                 (QStringList{"&Seitenumbruch einfügen|Strg+S", "Seitenumbrüche entfernen|", "Kopieren|Strg+C",
                              "Ausschneiden|Strg+X", "Einfügen|Strg+V", "Alles &markieren|Strg+A", "Rückgängig|Strg+Z",
                              "&Drucken...|Strg+P", "Speichern &unter...|Strg+U"}));
        QCOMPARE(R->SaveDialog1.Filter,
                 QStringLiteral("Rich Text Format (*.RTF);;Textdokument (*.TXT);;"
                                "Unicode-Textdokument (*.TXT);;PDF-Dokument (*.PDF)"));
        QCOMPARE(R->SaveDialog1.StandardEndung, QStringLiteral("RTF"));
        QCOMPARE(R->SaveDialog1.FilterIndex, 1);
        QVERIFY(R->SaveDialog1.UeberschreibenFragenS);
    }

    // Buttons and menu items: print, save, remove breaks, select all, insert break.
    void Freigaben_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QList<bool>>("Frei");
        QTest::newRow("leer") << "" << QList<bool>{false, false, false, false, true};
        QTest::newRow("nur Blanks und Umbrüche") << "  \r\n \f\r\n" << QList<bool>{false, true, true, true, true};
        QTest::newRow("Text ohne Seitenumbruch") << "A\r\n" << QList<bool>{true, true, false, true, true};
    }
    void Freigaben()
    {
        QFETCH(QString, Text);
        QFETCH(QList<bool>, Frei);
        QList<bool> Knoepfe, Menue;
        Zeigen(Text, [&](QWidget* D) {
            R->PopupMenu1Popup();
            Knoepfe = {R->Button1->isEnabled(), R->Button2->isEnabled()};
            Menue = {R->PuDrucken->isEnabled(), R->PuSpeichern->isEnabled(), R->PuSeitenumbruchEntfernen->isEnabled(),
                     R->PuAllesMarkieren->isEnabled(), R->PuSeitenumbruch->isEnabled()};
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(Knoepfe, Frei.mid(0, 2));
        QCOMPARE(Menue, Frei);
        // Disabled, Ctrl+P does not reach the print dialog (an unasked one would fail the test).
        if (!Frei[0])
            Zeigen(Text, [this](QWidget* D) {
                QTest::keyClick(R->RichEdit1, Qt::Key_P, Qt::ControlModifier);
                QTest::keyClick(D, Qt::Key_Escape);
            });
    }

    // Every showing: the caret at the start, the focus in the editor, nothing to undo; Escape closes.
    void JedesZeigen()
    {
        Zeigen(QStringLiteral("Erste\r\n"), [this](QWidget*) {
            QTest::keyClick(R->RichEdit1, Qt::Key_End);
            QTest::keyClicks(R->RichEdit1, QStringLiteral("xyz"));
            QTest::keyClick(R->RichEdit1, Qt::Key_Escape);
        });
        QVERIFY(!R->isVisible());
        int Position = -1;
        bool RueckS = true;
        QWidget* Fokus = nullptr;
        QString Name;
        Zeigen(QStringLiteral("Zweite\r\nZeile\r\n"), [&](QWidget* D) {
            Name = QAccessible::queryAccessibleInterface(R->RichEdit1)->text(QAccessible::Name);
            Position = R->RichEdit1->textCursor().position();
            RueckS = R->RichEdit1->document()->isUndoAvailable();
            Fokus = QApplication::focusWidget();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(Name, QStringLiteral("Übersicht einer Woche"));
        QCOMPARE(Position, 0);
        QVERIFY(!RueckS);
        QCOMPARE(Fokus, R->RichEdit1);
        QCOMPARE(R->Text(), QStringLiteral("Zweite\r\nZeile\r\n"));
    }

    // What the screen reader gets of the report: each line as it stands, with "\n" for every line
    // break, at the offsets of the text. The report's lines (newest day first):
    //   0 Tag: Sa., 1 Blutzucker, 2 Insulin, 3 [Sport], 4 (empty), 5 Tag: Fr., 6 Blutzucker,
    //   7 Insulin, 8 (empty), 9 Tag: Do., 10 Blutzucker, 11 Insulin, 12 [Feiertag], 13 (empty, the end)
    void Vorlesen_data()
    {
        QTest::addColumn<QString>("Frage");  // at, before, after
        QTest::addColumn<int>("Zeile");
        QTest::addColumn<int>("Spalte");  // −1: at the line's end
        QTest::addColumn<int>("Antwort");  // the line answered; −1: none
        QTest::newRow("erste Zeile") << "bei" << 0 << 0 << 0;
        QTest::newRow("Anfang eines Tages") << "bei" << 5 << 0 << 5;
        QTest::newRow("Mitte eines Tages") << "bei" << 6 << 5 << 6;
        QTest::newRow("Ende einer Zeile im Tag") << "bei" << 6 << -1 << 6;
        QTest::newRow("Ende eines Tages") << "bei" << 12 << -1 << 12;
        QTest::newRow("Leerzeile zwischen Tagen") << "bei" << 8 << 0 << 8;
        QTest::newRow("Ende des Textes") << "bei" << 13 << 0 << 13;
        QTest::newRow("nach einer Zeile im Tag") << "nach" << 10 << 3 << 11;
        QTest::newRow("nach dem Ende eines Tages") << "nach" << 7 << 2 << 8;
        QTest::newRow("nach der Leerzeile") << "nach" << 8 << 0 << 9;
        QTest::newRow("vor einer Zeile im Tag") << "vor" << 11 << 4 << 10;
        QTest::newRow("vor dem Anfang eines Tages") << "vor" << 9 << 0 << 8;
        QTest::newRow("vor der Leerzeile") << "vor" << 4 << 0 << 3;
        QTest::newRow("vor der ersten Zeile") << "vor" << 0 << 3 << -1;
        QTest::newRow("nach der letzten Zeile") << "nach" << 13 << 0 << -1;
    }
    void Vorlesen()
    {
        QFETCH(QString, Frage);
        QFETCH(int, Zeile);
        QFETCH(int, Spalte);
        QFETCH(int, Antwort);
        const QString Bericht = WochenBericht();
        const QString Text = QString(Bericht).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        const QStringList Zeilen = Text.split(u'\n');
        QCOMPARE(Zeilen.size(), 14);
        const int Ort = Zeilenanfang(Text, Zeile) + (Spalte < 0 ? int(Zeilen[Zeile].size()) : Spalte);
        QString Gehoert;
        int Von = -2, Bis = -2;
        Zeigen(Bericht, [&](QWidget* D) {
            QAccessibleTextInterface* T = QAccessible::queryAccessibleInterface(R->RichEdit1)->textInterface();
            if (Frage == u"bei")
                Gehoert = T->textAtOffset(Ort, QAccessible::LineBoundary, &Von, &Bis);
            else if (Frage == u"vor")
                Gehoert = T->textBeforeOffset(Ort, QAccessible::LineBoundary, &Von, &Bis);
            else
                Gehoert = T->textAfterOffset(Ort, QAccessible::LineBoundary, &Von, &Bis);
            QTest::keyClick(D, Qt::Key_Escape);
        });
        if (Antwort < 0) {
            QCOMPARE(Gehoert, QString());
            QCOMPARE(Von, -1);
            QCOMPARE(Bis, -1);
            return;
        }
        QCOMPARE(Gehoert, Zeilen[Antwort]);
        QCOMPARE(Von, Zeilenanfang(Text, Antwort));
        QCOMPARE(Bis, Von + int(Zeilen[Antwort].size()));
    }

    // Pieces of the text across line breaks, within a day and between days: "\n" for each, one
    // character for one; the count is that of the text.
    void VorleseText_data()
    {
        QTest::addColumn<int>("Zeile");
        QTest::addColumn<int>("Laenge");  // from three characters before the line's end
        QTest::newRow("ueber einen Zeilenumbruch im Tag") << 1 << 8;
        QTest::newRow("ueber das Ende eines Tages") << 3 << 12;
        QTest::newRow("ueber einen ganzen Tag") << 4 << 60;
        QTest::newRow("bis zum Ende") << 12 << 6;
    }
    void VorleseText()
    {
        QFETCH(int, Zeile);
        QFETCH(int, Laenge);
        const QString Bericht = WochenBericht();
        const QString Text = QString(Bericht).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        const int Von = Zeilenanfang(Text, Zeile + 1) - 4;
        QString Stueck, Ganz;
        int Anzahl = -1;
        Zeigen(Bericht, [&](QWidget* D) {
            QAccessibleTextInterface* T = QAccessible::queryAccessibleInterface(R->RichEdit1)->textInterface();
            Stueck = T->text(Von, Von + Laenge);
            Anzahl = T->characterCount();
            Ganz = T->text(0, Anzahl);
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(Stueck, Text.mid(Von, Laenge));
        QCOMPARE(Anzahl, int(Text.size()));
        QCOMPARE(Anzahl, int(R->RichEdit1->toPlainText().size()));
        QCOMPARE(Ganz, Text);
    }

    // Down reads line after line: the caret's line is the next line of the text, across a day's end.
    void ZeileFuerZeile()
    {
        const QString Bericht = WochenBericht();
        const QStringList Zeilen = QString(Bericht).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(u'\n');
        QStringList Gehoert;
        Zeigen(Bericht, [&](QWidget* D) {
            QAccessibleTextInterface* T = QAccessible::queryAccessibleInterface(R->RichEdit1)->textInterface();
            for (int i = 0; i < Zeilen.size(); ++i) {
                int Von = 0, Bis = 0;
                Gehoert << T->textAtOffset(T->cursorPosition(), QAccessible::LineBoundary, &Von, &Bis);
                QTest::keyClick(R->RichEdit1, Qt::Key_Down);
            }
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(Gehoert, Zeilen);
    }

    // A report of many days, as long as several pages: every line is heard as it stands, at, after
    // and before each line's start and on Down, wherever the editor parts the text inside.
    void LangerBericht()
    {
        TDaten D;
        D.Felder = QStringList{"Blutzucker", "Insulin"};
        for (int i = 0; i < 60; ++i) {
            TTag T(42005 + i);
            if (i % 3 != 1)
                T.Kommentar = QStringLiteral("Kommentar %1").arg(i);
            T.Add(QStringList{QString::number(100 + i), QString::number(i % 9)});
            D.Add(T);
        }
        const QString Bericht = D.TabellenStr();
        const QString Text = QString(Bericht).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        const QStringList Zeilen = Text.split(u'\n');
        QVERIFY(Zeilen.size() > 250);
        QStringList Bei, Nach, Vor, Unten, Erwartet, ErwartetNach, ErwartetVor;
        QString Ganz;
        Zeigen(Bericht, [&](QWidget* Dlg) {
            QAccessibleTextInterface* T = QAccessible::queryAccessibleInterface(R->RichEdit1)->textInterface();
            for (int i = 0; i < Zeilen.size(); ++i) {
                const int Ort = Zeilenanfang(Text, i);
                int Von = 0, Bis = 0;
                const QString Hier = T->textAtOffset(Ort, QAccessible::LineBoundary, &Von, &Bis);
                Bei << QStringLiteral("%1 %2 %3").arg(Hier).arg(Von).arg(Bis);
                Erwartet << QStringLiteral("%1 %2 %3").arg(Zeilen[i]).arg(Ort).arg(Ort + Zeilen[i].size());
                Nach << T->textAfterOffset(Ort, QAccessible::LineBoundary, &Von, &Bis);
                ErwartetNach << (i + 1 < Zeilen.size() ? Zeilen[i + 1] : QString());
                Vor << T->textBeforeOffset(Ort, QAccessible::LineBoundary, &Von, &Bis);
                ErwartetVor << (i > 0 ? Zeilen[i - 1] : QString());
                Unten << T->textAtOffset(T->cursorPosition(), QAccessible::LineBoundary, &Von, &Bis);
                QTest::keyClick(R->RichEdit1, Qt::Key_Down);
            }
            Ganz = T->text(0, T->characterCount());
            QTest::keyClick(Dlg, Qt::Key_Escape);
        });
        QCOMPARE(Bei, Erwartet);
        QCOMPARE(Nach, ErwartetNach);
        QCOMPARE(Vor, ErwartetVor);
        QCOMPARE(Unten, Zeilen);
        QCOMPARE(Ganz, Text);
        QCOMPARE(R->Text(), Bericht);
    }

    // A lifetime's report, saved as Unicode text, is the report text.
    void HundertJahreGespeichert()
    {
        TDaten Roh;
        for (int f = 0; f < 10; ++f)
            Roh.Felder << QStringLiteral("Feld %1").arg(f + 1);
        for (int i = 0; i < 36500; ++i) {
            auto T = std::make_unique<TTag>(42005 + i);
            T->Kommentar = QStringLiteral("Kommentar zum Tag %1").arg(i);
            for (int e = 0; e < 6; ++e) {
                QStringList Sl;
                for (int f = 0; f < 10; ++f)
                    Sl << (i % 11 == f ? QString() : QString::number((i * 7 + e * 13 + f * 31) % 400));
                T->TagDaten << Sl;
            }
            Roh.Liste.push_back(std::move(T));
        }
        const QString Bericht = Roh.TabellenStr();
        P->Dateien << Pfad("hundert.txt");
        P->Filter << 3;
        Zeigen(Bericht, [this](QWidget* D) {
            R->Button2->click();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QFile Datei(Pfad("hundert.txt"));
        QVERIFY(Datei.open(QIODevice::ReadOnly));
        const QByteArray Inhalt = Datei.readAll();
        QVERIFY(Inhalt.startsWith("\xFF\xFE"));
        QCOMPARE(Inhalt.size(), 2 + 2 * Bericht.size());
        QVERIFY(QString::fromUtf16(reinterpret_cast<const char16_t*>(Inhalt.constData() + 2), Bericht.size())
                == Bericht);
    }

    // Ctrl+S puts one form feed in place of the selection, or at the caret.
    void SeitenumbruchEinfuegen()
    {
        QString MitAuswahl, OhneAuswahl;
        Zeigen(QStringLiteral("AAA\r\nBBB\r\n"), [&](QWidget* D) {
            QTest::keyClick(R->RichEdit1, Qt::Key_Right);
            QTest::keyClick(R->RichEdit1, Qt::Key_Right, Qt::ShiftModifier);
            QTest::keyClick(R->RichEdit1, Qt::Key_S, Qt::ControlModifier);
            MitAuswahl = R->Text();
            QTest::keyClick(R->RichEdit1, Qt::Key_Down);
            QTest::keyClick(R->RichEdit1, Qt::Key_Home);
            QTest::keyClick(R->RichEdit1, Qt::Key_S, Qt::ControlModifier);
            OhneAuswahl = R->Text();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(MitAuswahl, QStringLiteral("A\fA\r\nBBB\r\n"));
        QCOMPARE(OhneAuswahl, QStringLiteral("A\fA\r\n\fBBB\r\n"));
    }

    void SeitenumbruecheEntfernen_data()
    {
        QTest::addColumn<bool>("JaS");
        QTest::newRow("Nein") << false;
        QTest::newRow("Ja") << true;
    }
    void SeitenumbruecheEntfernen()
    {
        QFETCH(bool, JaS);
        P->Antworten << (JaS ? TPlattform::TAntwort::Ja : TPlattform::TAntwort::Nein);
        int Position = -1;
        Zeigen(QStringLiteral("A\r\n\fB\r\n"), [&](QWidget* D) {
            QTest::keyClick(R->RichEdit1, Qt::Key_End);
            R->PopupMenu1Popup();
            R->PuSeitenumbruchEntfernen->trigger();
            Position = R->RichEdit1->textCursor().position();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(P->Texte(TFakePlattform::TArt::Frage), QStringList{"Sollen alle Seitenumbrüche entfernt werden?"});
        QCOMPARE(R->Text(), JaS ? QStringLiteral("A\r\nB\r\n") : QStringLiteral("A\r\n\fB\r\n"));
        QCOMPARE(Position, JaS ? 0 : 1);
        QCOMPARE(P->Texte(TFakePlattform::TArt::Information),
                 JaS ? QStringList{"Es wurden alle Seitenumbrüche entfernt!"} : QStringList{});
    }

    // Each filter entry writes its format, read back by readers we did not write; the chosen entry
    // and name are offered at the next save, and the focus comes back to where it was.
    void Speichern()
    {
        const QString Text = QStringLiteral("Tag: Mo., 05. Jänner 2015\r\nBlutzucker 110\r\n");
        const QList<std::pair<int, QString>> Formate{
            {1, Pfad("b.rtf")}, {2, Pfad("b-ansi.txt")}, {3, Pfad("b-unicode.txt")}, {4, Pfad("b.pdf")}};
        QList<int> Gezeigt;
        QList<QWidget*> Fokus;
        for (const auto& [Index, Datei] : Formate) {
            P->Dateien << Datei;
            P->Filter << Index;
            Zeigen(Text, [&](QWidget* D) {
                R->Button2->setFocus();
                QTest::keyClick(R->Button2, Qt::Key_Space);
                Fokus << QApplication::focusWidget();
                QTest::keyClick(D, Qt::Key_Escape);
            });
            Gezeigt << P->DateiDialoge.last().FilterIndex;
        }
        QCOMPARE(Gezeigt, (QList<int>{1, 1, 2, 3}));
        QCOMPARE(P->DateiDialoge.last().Dateiname, Pfad("b-unicode.txt"));
        QCOMPARE(Fokus, QList<QWidget*>(4, R->Button2));
        QVERIFY(P->Meldungen.isEmpty());
        const QString Unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        const QString Html = Ausgabe(Unrtf, {QStringLiteral("--html"), Pfad("b.rtf")});
        QVERIFY2(Html.contains(QStringLiteral("J&auml;nner 2015<br>")), qPrintable(Html));
        QVERIFY2(Html.contains(QStringLiteral("face=\"Liberation Sans\"")), qPrintable(Html));  // the user font
        QFile Ansi(Pfad("b-ansi.txt"));
        QVERIFY(Ansi.open(QIODevice::ReadOnly));
        QCOMPARE(Ansi.readAll(), QByteArray("Tag: Mo., 05. J\xE4nner 2015\r\nBlutzucker 110\r\n"));
        QFile Unicode(Pfad("b-unicode.txt"));
        QVERIFY(Unicode.open(QIODevice::ReadOnly));
        QVERIFY(Unicode.readAll().startsWith("\xFF\xFET\0"));
        QVERIFY(Ausgabe(QStringLiteral("pdftotext"), {Pfad("b.pdf"), QStringLiteral("-")})
                    .contains(QStringLiteral("Blutzucker 110")));
    }

    // A save or a print moves no focus and shows no box: it is confirmed below the buttons and said.
    // A failed save has its error box and no confirmation; the next report starts without a message.
    void Bestaetigt()
    {
        TMithoeren Ohr;
        QStringList Gesagt;
        QString Zeile;
        QWidget* Fokus = nullptr;
        P->Dateien << Pfad("b.rtf") << Pfad("fehlt/b.rtf");
        P->Filter << 1 << 1;
        P->DruckDatei = Pfad("b.pdf");
        P->Drucke << true;
        Zeigen(QStringLiteral("Tag: Mo., 05. Jänner 2015\r\n"), [&](QWidget* D) {
            QTest::keyClick(R->RichEdit1, Qt::Key_U, Qt::ControlModifier);
            Fokus = QApplication::focusWidget();
            Zeile = R->Meldung->Zeile()->text();
            QTest::keyClick(R->RichEdit1, Qt::Key_P, Qt::ControlModifier);
            Gesagt = Gehoert().filter(QStringLiteral("Ansage"));
            Gehoert().clear();
            QTest::keyClick(R->RichEdit1, Qt::Key_U, Qt::ControlModifier);
            Gesagt << Gehoert().filter(QStringLiteral("Ansage"));
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(Fokus, R->RichEdit1);
        QCOMPARE(Zeile, QStringLiteral("Gespeichert: b.rtf"));
        QCOMPARE(Gesagt, (QStringList{"Ansage Gespeichert: b.rtf", "Ansage Gedruckt in: b.pdf"}));
        QCOMPARE(P->Texte(TFakePlattform::TArt::Fehler).size(), 1);
        P->Meldungen.clear();
        Gehoert().clear();
        bool GezeigtS = true;
        Zeigen(QStringLiteral("A\r\n"), [&](QWidget* D) {
            GezeigtS = R->Meldung->isVisible();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QVERIFY(!GezeigtS);
        QCOMPARE(Gehoert().filter(QStringLiteral("Ansage")), QStringList{});
    }

    // A file that cannot be written: the German error names it and the reason; the window stays open with
    // the text, the focus back. On a full disk nothing is left behind.
    void SpeichernFehler_data()
    {
        QTest::addColumn<bool>("VollS");
        QTest::newRow("kein Ordner") << false;
        QTest::newRow("voller Datenträger") << true;
    }
    void SpeichernFehler()
    {
        QFETCH(bool, VollS);
        QString Ziel = Pfad("fehlt/b.rtf");
        if (VollS) {
            const QString Klein = Tmpfs::Einhaengen("size=4k,mode=0700");
            if (Klein.isEmpty())
                QSKIP("no private mount namespace here");
            Ziel = Klein + QStringLiteral("/b.rtf");
        }
        P->Dateien << Ziel;
        bool OffenS = false;
        QWidget* Fokus = nullptr;
        Zeigen(Zeilen(400, QStringLiteral("Zeile %1 mit etwas Text")), [&](QWidget* D) {
            QTest::keyClick(R->RichEdit1, Qt::Key_U, Qt::ControlModifier);
            OffenS = R->isVisible();
            Fokus = QApplication::focusWidget();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QVERIFY(OffenS);
        QCOMPARE(Fokus, R->RichEdit1);
        const QStringList Fehler = P->Texte(TFakePlattform::TArt::Fehler);
        QCOMPARE(Fehler.size(), 1);
        QVERIFY2(Fehler[0].startsWith(QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\n").arg(Ziel)),
                 qPrintable(Fehler[0]));
        QVERIFY2(Fehler[0].section(u'\n', 1).size() > 5, qPrintable(Fehler[0]));
        if (VollS) {
            QVERIFY2(Fehler[0].contains(QStringLiteral("Speicherplatz")), qPrintable(Fehler[0]));
            QVERIFY(QDir(QFileInfo(Ziel).path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        }
    }

    void KeinDrucker()
    {
        P->DruckerS = false;
        Zeigen(QStringLiteral("A\r\n"), [this](QWidget* D) {
            R->Button1->click();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(P->Texte(TFakePlattform::TArt::Information), QStringList{"Es ist kein Drucker installiert!"});
    }

    void DruckAbgebrochen()
    {
        P->Drucke << false;
        QWidget* Fokus = nullptr;
        Zeigen(QStringLiteral("A\r\n"), [&](QWidget* D) {
            R->Button3->setFocus();
            R->Button1->click();
            Fokus = QApplication::focusWidget();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QVERIFY(P->Meldungen.isEmpty());
        QCOMPARE(Fokus, R->RichEdit1);
    }

    // The printed pages read back: a break's own line breaks print no empty line; the job name;
    // the view itself unchanged.
    void GedruckteSeiten()
    {
        const QString Text = QStringLiteral("AAA\r\n\f\r\nBBB\r\n\r\n\fCCC\r\n");
        const QString Pdf = Drucken(Text, "seiten.pdf");
        QCOMPARE(R->Text(), Text);
        QCOMPARE(Seitenzahl(Pdf), 3);
        const QList<TWort> Eins = Woerter(Pdf, 1), Zwei = Woerter(Pdf, 2), Drei = Woerter(Pdf, 3);
        QCOMPARE(Texte(Eins), QStringList{"AAA"});
        QCOMPARE(Texte(Zwei), QStringList{"BBB"});
        QCOMPARE(Texte(Drei), QStringList{"CCC"});
        // Every page begins on its first line.
        QCOMPARE(Zwei[0].y, Eins[0].y);
        QCOMPARE(Drei[0].y, Eins[0].y);
        QVERIFY(Ausgabe(QStringLiteral("pdfinfo"), {Pdf}).contains(QStringLiteral("Drucke Übersicht einer Woche")));
        const QString Schriften = Ausgabe(QStringLiteral("pdffonts"), {Pdf});
        QVERIFY2(Schriften.contains(QStringLiteral("LiberationMono"))
                     || Schriften.contains(QStringLiteral("CourierNew")),
                 qPrintable(Schriften));
    }

    // 12 points up to a longest line of 77 characters, 10 points at 78: a character is 0.6 of the size wide.
    void Schriftgrad_data()
    {
        QTest::addColumn<int>("Laenge");
        QTest::addColumn<double>("Punkte");
        QTest::newRow("77") << 77 << 12.0;
        QTest::newRow("78") << 78 << 10.0;
    }
    void Schriftgrad()
    {
        QFETCH(int, Laenge);
        QFETCH(double, Punkte);
        const QString Text = QStringLiteral("Blutzucker\r\n") + QString(Laenge, u'x') + QStringLiteral("\r\n");
        const QList<TWort> W = Woerter(Drucken(Text, "grad.pdf"), 1);
        QCOMPARE(Texte(W), (QStringList{"Blutzucker", QString(Laenge, u'x')}));
        QVERIFY2(qAbs(W[0].Breite - 10 * 0.6 * Punkte) < 0.5, qPrintable(QString::number(W[0].Breite)));
    }

    // A full page flows on to the next: with a line wider than 77 characters, 77 lines at 10 points
    // on an A4 page; a line wider than the page goes on in the next line; nothing is lost.
    void LangerText()
    {
        const QString Breit = QString(120, u'y');
        const QString Text = Zeilen(80, QStringLiteral("Zeile%1")) + Breit + QStringLiteral("\r\n");
        const QString Pdf = Drucken(Text, "lang.pdf");
        QCOMPARE(Seitenzahl(Pdf), 2);
        const QStringList Eins = Texte(Woerter(Pdf, 1));
        QCOMPARE(Eins.size(), 77);
        QCOMPARE(Eins.last(), QStringLiteral("Zeile77"));
        const QList<TWort> Zwei = Woerter(Pdf, 2);
        QCOMPARE(Texte(Zwei).mid(0, 3), (QStringList{"Zeile78", "Zeile79", "Zeile80"}));
        QCOMPARE(Zwei.size(), 5);  // the wide line in two parts
        QCOMPARE(Texte(Zwei).mid(3).join(QString()), Breit);
        QVERIFY(Zwei[4].y > Zwei[3].y);
    }

    // Pages chosen in the print dialog are printed, and only those.
    void Seitenbereich()
    {
        const QString Pdf = Drucken(QStringLiteral("A\fB\fC\r\n"), "bereich.pdf", 2, 2);
        QCOMPARE(Seitenzahl(Pdf), 1);
        QCOMPARE(Texte(Woerter(Pdf, 1)), QStringList{"B"});
    }

    // Saved as PDF: the same pages as printed.
    void PdfWieGedruckt()
    {
        const QString Text = Zeilen(100, QStringLiteral("Zeile %1")) + QStringLiteral("\fEnde\r\n");
        const QString Gedruckt = Drucken(Text, "gedruckt.pdf");
        P->Dateien << Pfad("gespeichert.pdf");
        P->Filter << 4;
        Zeigen(Text, [this](QWidget* D) {
            R->Button2->click();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(Seitenzahl(Pfad("gespeichert.pdf")), 3);
        QCOMPARE(Seitenzahl(Gedruckt), 3);
        for (int s = 1; s <= 3; ++s) {
            const QList<TWort> A = Woerter(Gedruckt, s), B = Woerter(Pfad("gespeichert.pdf"), s);
            QCOMPARE(Texte(A), Texte(B));
            QCOMPARE(A.first().y, B.first().y);
        }
    }

    // The editor fills the width of the screen; the buttons stand in four equal gaps.
    void Anordnung_data()
    {
        QTest::addColumn<int>("Punkte");
        QTest::newRow("12") << 12;
        QTest::newRow("30") << 30;
    }
    void Anordnung()
    {
        QFETCH(int, Punkte);
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), Punkte);
        Zeigen(QStringLiteral("A\r\n"), [&](QWidget* W) {
            const int B = R->Button1->width();
            const int H = SchalterHoehe(R->Button1->font(), TSteuerArt::Knopf);
            if (Punkte <= 12)
                QCOMPARE(B, 125);
            QCOMPARE(W->frameGeometry().width(), W->screen()->geometry().width());
            // Fifteen button heights, less where the screen is not that high: the editor scrolls.
            // Below the buttons a status line of the window's width.
            const int S = SchalterHoehe(R->StatusBar1->font(), TSteuerArt::Statusleiste);
            const int E = std::min(15 * H, VerfuegbareHoehe(W) - H - 30 - S);
            QCOMPARE(R->RichEdit1->geometry(), QRect(10, 10, W->width() - 20, E));
            QVERIFY(W->height() <= VerfuegbareHoehe(W));
            const int Luecke = (W->width() - 3 * B) / 4;
            const int Oben = R->RichEdit1->y() + R->RichEdit1->height() + 10;
            QCOMPARE(R->Button1->geometry(), QRect(Luecke, Oben, B, H));
            QCOMPARE(R->Button2->pos(), QPoint(2 * Luecke + B, Oben));
            QCOMPARE(R->Button3->pos(), QPoint(Luecke + R->Button2->x() + B, Oben));
            QCOMPARE(R->StatusBar1->geometry(), QRect(0, Oben + H + 10, W->width(), S));
            QCOMPARE(W->height(), Oben + H + 10 + S);
            QCOMPARE(R->RichEdit1->font().pointSize(), Punkte);
            qobject_cast<QDialog*>(W)->reject();
        });
    }
};

int main(int argc, char** argv)
{
    Tmpfs::Vorbereiten();  // before Qt starts any thread
    TTestHeim Heim;
    QApplication App(argc, argv);
    ProgrammEinrichten();
    TestReAnsicht Test;
    return QTest::qExec(&Test, argc, argv);
}
#include "TestReAnsicht.moc"
