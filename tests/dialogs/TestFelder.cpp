#include "Felder.h"
#include "GuiTestMain.h"
#include "LuLayout.h"
#include "ModalHelfer.h"
#include "TFakePlattform.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

class TestFelder : public QObject {
    Q_OBJECT

    std::unique_ptr<TFakePlattform> P;
    std::unique_ptr<TFelderForm> F;

    // Opens the dialog as the main window does and runs AAktion on it; the dialog's result.
    int Oeffnen(bool AFelderS, const QString& AText, std::function<void(QWidget*)> AAktion)
    {
        F->FelderS = AFelderS;
        F->setWindowTitle(AFelderS ? QStringLiteral("Feldbezeichnungen ändern")
                                   : QStringLiteral("Kommentar zum Mo., 05. Jänner 2015"));
        F->SchriftartZuweisen();
        F->setText(AText);
        F->Zeilen = AFelderS ? F->Zeilenzahl() : 0;
        BeimNaechstenDialog(AAktion);
        return F->exec();
    }

private Q_SLOTS:
    void init()
    {
        P = std::make_unique<TFakePlattform>(42009);
        Benutzerschrift() = TSchriftart{QFont(QStringLiteral("Liberation Sans"), 12), Qt::black};
        F = std::make_unique<TFelderForm>();
    }
    void cleanup()
    {
        F.reset();
        P.reset();
    }

    void Grundeinstellungen()
    {
        QCOMPARE(F->Button1->text(), QStringLiteral("O&K"));
        QCOMPARE(F->Button2->text(), QStringLiteral("&Abbrechen"));
        QVERIFY(F->Button1->isDefault());
        QVERIFY(F->FelderS);
        QCOMPARE(F->Zeilen, 0);
        QCOMPARE(F->RichEdit1->lineWrapMode(), QPlainTextEdit::NoWrap);
        QStringList Kontext;
        for (QAction* A : F->PopupMenu1->actions())
            Kontext << A->text() + u'|' + A->shortcut().toString(QKeySequence::NativeText);
        QCOMPARE(Kontext,
                 (QStringList{"Kopieren|Strg+C", "Ausschneiden|Strg+X", "Einfügen|Strg+V", "Alles &markieren|Strg+A"}));
    }

    void Bereinigung_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Felder");
        QString Zwoelf;
        for (int i = 1; i <= 12; ++i)
            Zwoelf += QStringLiteral("F%1\n").arg(i);
        QTest::newRow("zwölf Zeilen") << Zwoelf << "F1\r\nF2\r\nF3\r\nF4\r\nF5\r\nF6\r\nF7\r\nF8\r\nF9\r\nF10\r\n";
        QTest::newRow("Blanks, 30 Zeichen") << "  " + QString(30, u'x') << QString(25, u'x') + "\r\n";
        QTest::newRow("Lücken") << "A\n\n   \n\tB  \n\n"
                                << "A\r\nB\r\n";
        QTest::newRow("nur Blanks") << " \n \n"
                                    << "";
    }
    void Bereinigung()
    {
        QFETCH(QString, Text);
        QFETCH(QString, Felder);
        F->setText(Text);
        QCOMPARE(F->FelderText(), Felder);
    }

    void OkNurMitText()
    {
        F->FelderS = true;
        F->setText(QStringLiteral("  \n "));
        QVERIFY(!F->Button1->isEnabled());
        F->setText(QStringLiteral("Glukose"));
        QVERIFY(F->Button1->isEnabled());
        F->FelderS = false;
        F->setText(QString());
        QVERIFY(F->Button1->isEnabled());
    }

    // Opened with three names: three changed ones close without a question; four ask,
    // and Nein keeps the dialog open on the cleaned list.
    void AnzahlGeaendert()
    {
        P->Antworten << TPlattform::TAntwort::Nein << TPlattform::TAntwort::Ja;
        QString NachNein;
        bool OffenS = false;
        const int Ergebnis = Oeffnen(true, QStringLiteral("A\r\nB\r\nC\r\n"), [&](QWidget*) {
            F->RichEdit1->selectAll();
            QTest::keyClicks(F->RichEdit1, QStringLiteral("X"));
            QTest::keyClick(F->RichEdit1, Qt::Key_Return);
            for (const char* Zeile : {"  Y", "", "Z"}) {
                QTest::keyClicks(F->RichEdit1, QString::fromLatin1(Zeile));
                QTest::keyClick(F->RichEdit1, Qt::Key_Return);
            }
            QTest::keyClicks(F->RichEdit1, QStringLiteral("W"));
            QTest::keyClick(F->RichEdit1, Qt::Key_K, Qt::AltModifier);
            QTRY_COMPARE(P->Meldungen.size(), 1);  // an access key clicks a little later
            OffenS = F->isVisible();
            NachNein = F->Text();
            QCOMPARE(QApplication::focusWidget(), F->RichEdit1);
            QCOMPARE(F->RichEdit1->textCursor().position(), 0);
            QTest::keyClick(F->RichEdit1, Qt::Key_K, Qt::AltModifier);
        });
        QCOMPARE(Ergebnis, int(QDialog::Accepted));
        QVERIFY(OffenS);
        QCOMPARE(NachNein, QStringLiteral("X\r\nY\r\nZ\r\nW\r\n"));
        QCOMPARE(P->Texte(TFakePlattform::TArt::Frage),
                 (QStringList{"Felderanzahl hat sich geändert! Trotzdem fortfahren?",
                              "Felderanzahl hat sich geändert! Trotzdem fortfahren?"}));
        QCOMPARE(F->FelderText(), QStringLiteral("X\r\nY\r\nZ\r\nW\r\n"));

        P->Meldungen.clear();
        QCOMPARE(Oeffnen(true, QStringLiteral("A\r\nB\r\nC\r\n"),
                         [&](QWidget*) {
                             F->setText(QStringLiteral("D\nE\nF\n"));
                             QTest::keyClick(F->RichEdit1, Qt::Key_K, Qt::AltModifier);
                         }),
                 int(QDialog::Accepted));
        // Without names at the start (Zeilen 0) nothing is asked; Abbrechen never asks.
        QCOMPARE(Oeffnen(true, QString(),
                         [&](QWidget*) {
                             F->setText(QStringLiteral("D\nE\n"));
                             QTest::keyClick(F->RichEdit1, Qt::Key_K, Qt::AltModifier);
                         }),
                 int(QDialog::Accepted));
        QCOMPARE(Oeffnen(true, QStringLiteral("A\r\n"),
                         [&](QWidget*) {
                             F->setText(QStringLiteral("D\nE\n"));
                             QTest::keyClick(F->RichEdit1, Qt::Key_A, Qt::AltModifier);
                         }),
                 int(QDialog::Rejected));
        QVERIFY(P->Meldungen.isEmpty());
    }

    // The comment keeps its lines whole, and its line breaks come back as CR LF.
    void KommentarWirdNichtBereinigt()
    {
        const QString Lang = QString(40, u'k');
        QString Gelesen;
        const int Ergebnis
            = Oeffnen(false, QStringLiteral("erste\r\n\r\n") + Lang + QStringLiteral("\r\n"), [&](QWidget*) {
                  QTest::keyClick(F->RichEdit1, Qt::Key_End, Qt::ControlModifier);
                  QTest::keyClicks(F->RichEdit1, QStringLiteral(" und"));
                  QTest::keyClick(F->RichEdit1, Qt::Key_K, Qt::AltModifier);
              });
        QCOMPARE(Ergebnis, int(QDialog::Accepted));
        QCOMPARE(F->Text(), QStringLiteral("erste\r\n\r\n") + Lang + QStringLiteral("\r\n und"));
        QVERIFY(P->Meldungen.isEmpty());
    }

    void EscapeBrichtAb_data()
    {
        QTest::addColumn<bool>("FelderS");
        QTest::newRow("Feldnamen") << true;
        QTest::newRow("Kommentar") << false;
    }
    void EscapeBrichtAb()
    {
        QFETCH(bool, FelderS);
        QCOMPARE(
            Oeffnen(FelderS, QStringLiteral("A\r\n"), [&](QWidget*) { QTest::keyClick(F->RichEdit1, Qt::Key_Escape); }),
            int(QDialog::Rejected));
    }

    // The caption names the editor for the screen reader; the editor has the focus, the
    // caret at the start; Tab leaves the editor, Enter stays in it.
    void FokusUndName()
    {
        QWidget* Fokus = nullptr;
        QString Name;
        int Caret = -1;
        QList<QWidget*> Folge;
        Oeffnen(false, QStringLiteral("Heute\r\nviel gelaufen\r\n"), [&](QWidget* D) {
            Fokus = QApplication::focusWidget();
            Caret = F->RichEdit1->textCursor().position();
            Name = QAccessible::queryAccessibleInterface(F->RichEdit1)->text(QAccessible::Name);
            QTest::keyClick(F->RichEdit1, Qt::Key_Return);
            Folge << QApplication::focusWidget();
            for (int i = 0; i < 3; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                Folge << QApplication::focusWidget();
            }
            qobject_cast<QDialog*>(D)->reject();
        });
        QCOMPARE(Fokus, F->RichEdit1);
        QCOMPARE(Caret, 0);
        QCOMPARE(Name, QStringLiteral("Kommentar zum Mo., 05. Jänner 2015"));
        QCOMPARE(Folge, (QList<QWidget*>{F->RichEdit1, F->Button1, F->Button2, F->RichEdit1}));
        QCOMPARE(F->Text(), QStringLiteral("\r\nHeute\r\nviel gelaufen\r\n"));
    }

    void Kontextmenue()
    {
        F->setText(QString());
        QApplication::clipboard()->clear();
        F->PopupMenu1Popup();
        QCOMPARE((QList<bool>{F->PuKopieren->isEnabled(), F->PuAusschneiden->isEnabled(), F->PuEinfuegen->isEnabled(),
                              F->PuAllesMarkieren->isEnabled()}),
                 (QList<bool>{false, false, false, false}));
        F->setText(QStringLiteral("Glukose"));
        F->PopupMenu1Popup();
        F->PuAllesMarkieren->trigger();
        F->PopupMenu1Popup();
        F->PuKopieren->trigger();
        F->PopupMenu1Popup();
        QCOMPARE((QList<bool>{F->PuKopieren->isEnabled(), F->PuAusschneiden->isEnabled(), F->PuEinfuegen->isEnabled(),
                              F->PuAllesMarkieren->isEnabled()}),
                 (QList<bool>{true, true, true, true}));
        F->PuAusschneiden->trigger();
        QCOMPARE(F->Text(), QString());
        F->PopupMenu1Popup();
        F->PuEinfuegen->trigger();
        F->PuEinfuegen->trigger();
        QCOMPARE(F->Text(), QStringLiteral("GlukoseGlukose"));
    }

    void Anordnung_data()
    {
        QTest::addColumn<int>("Punkte");
        QTest::addColumn<bool>("FesteBreiteS");
        QTest::newRow("8") << 8 << true;
        QTest::newRow("14") << 14 << true;
        QTest::newRow("36") << 36 << false;  // "Abbrechen" needs more than 125
    }
    void Anordnung()
    {
        QFETCH(int, Punkte);
        QFETCH(bool, FesteBreiteS);
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), Punkte);
        Oeffnen(true, QStringLiteral("A\r\n"), [&](QWidget* D) {
            const int W = F->Button1->width();
            if (FesteBreiteS)
                QCOMPARE(W, 125);
            else
                QVERIFY(W > 125);
            for (QPushButton* K : {F->Button1, F->Button2}) {
                QVERIFY(K->width() >= K->sizeHint().width());
                QCOMPARE(K->font().pointSize(), Punkte);
            }
            QCOMPARE(F->RichEdit1->font().pointSize(), Punkte);
            const int H = SchalterHoehe(F->Button1->font(), TSteuerArt::Knopf);
            // The usual gaps where the row fits the screen, else narrower ones, never less than 10.
            const int Schirmbreite = D->screen()->geometry().width() - (D->frameGeometry().width() - D->width());
            const int G = F->Button1->x();
            QCOMPARE(G, 5 * W <= Schirmbreite ? W : std::max(10, (Schirmbreite - 2 * W) / 3));
            QCOMPARE(D->width(), 3 * G + 2 * W);
            const int E = std::min(10 * H, VerfuegbareHoehe(D) - H - 30);
            QCOMPARE(F->RichEdit1->geometry(), QRect(10, 10, D->width() - 20, E));
            QCOMPARE(F->Button1->geometry(), QRect(G, 10 + E + 10, W, H));
            QCOMPARE(F->Button2->geometry(), QRect(2 * G + W, F->Button1->y(), W, H));
            QCOMPARE(D->height(), F->Button1->y() + H + 10);
            qobject_cast<QDialog*>(D)->reject();
        });
    }
};

MEROVAN_GUI_TEST_MAIN(TestFelder)
#include "TestFelder.moc"
