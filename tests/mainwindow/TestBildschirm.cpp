// Every window at 8, 20, 48 and 72 points on a 1280 × 900 screen: no text is cut, every window
// is on the screen, and in the main window the row with the focus is always fully visible.
// Screenshots of each go to the folder "Bildschirm" beside the test, for a person to look at.

#include "Datumliste.h"
#include "Felder.h"
#include "GeheDatum.h"
#include "GuiTestMain.h"
#include "Haupt.h"
#include "HauptTest.h"
#include "LuHintergrund.h"
#include "LuLayout.h"
#include "LuListBox.h"
#include "ModalHelfer.h"
#include "ReAnsicht.h"
#include "Suchen.h"
#include "TFakePlattform.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryFile>
#include <QTest>
#include <memory>

namespace {

// Every visible text of AFenster fits its control; the window is on the screen. Failures are collected.
void Pruefen(QWidget* AFenster, const QString& AWo, QStringList& AFehler)
{
    const QRect Schirm = AFenster->screen()->geometry();
    if (!Schirm.contains(AFenster->frameGeometry()))
        AFehler << QStringLiteral("%1: window %2 beyond the screen")
                       .arg(AWo)
                       .arg(QDebug::toString(AFenster->frameGeometry()));
    for (QWidget* W : AFenster->findChildren<QWidget*>()) {
        if (W->window() != AFenster || !W->isVisibleTo(AFenster))
            continue;
        const QString Name = AWo + u'/' + W->objectName();
        const QFontMetrics M(W->font());
        QSize Braucht;
        if (auto* L = qobject_cast<QLabel*>(W)) {
            if (L->text().isEmpty())
                continue;
            Braucht = L->wordWrap() ? QSize(0, L->heightForWidth(L->width())) : L->sizeHint();
        } else if (qobject_cast<QPushButton*>(W) || qobject_cast<QCheckBox*>(W)) {
            Braucht = QSize(W->sizeHint().width(), M.height());
        } else if (auto* E = qobject_cast<QLineEdit*>(W)) {
            Braucht = QSize(E->text().isEmpty() ? 0 : M.horizontalAdvance(E->text()), M.height());
        } else if (auto* V = qobject_cast<QAbstractItemView*>(W)) {
            Braucht = QSize(0, M.height());
            for (int i = 0; V->model() && i < V->model()->rowCount(); ++i) {
                const QString T = V->model()->index(i, 0).data().toString();
                Braucht.setWidth(std::max(Braucht.width(), M.horizontalAdvance(T)));
            }
            const bool ZeilenS = V->model() && V->model()->rowCount() > 0;
            if (V->viewport()->height() < M.height() || (ZeilenS && V->sizeHintForRow(0) < M.height())
                || V->viewport()->width() < Braucht.width())
                AFehler << QStringLiteral("%1: a line of %2 × %3 in a list of %4 × %5")
                               .arg(Name)
                               .arg(Braucht.width())
                               .arg(M.height())
                               .arg(V->viewport()->width())
                               .arg(V->viewport()->height());
            continue;
        } else if (auto* P = qobject_cast<QPlainTextEdit*>(W)) {
            Braucht = QSize(0, M.height());
            W = P->viewport();
        } else {
            continue;
        }
        if (W->width() < Braucht.width() || W->height() < Braucht.height())
            AFehler << QStringLiteral("%1: %2 × %3 for a text of %4 × %5")
                           .arg(Name)
                           .arg(W->width())
                           .arg(W->height())
                           .arg(Braucht.width())
                           .arg(Braucht.height());
    }
}

void Bild(QWidget* AFenster, const QString& AName)
{
    QDir().mkpath(QStringLiteral("Bildschirm"));
    AFenster->grab().save(QStringLiteral("Bildschirm/%1.png").arg(AName));
}

// How many pixels wide the change is that the focus makes, inward from each of W's four edges at
// their middle: the pixels that differ at least 3 : 1 between W without and with the focus.
int Fokusbreite(const QImage& AOhne, const QImage& AMit)
{
    const auto Lauf = [&](QPoint AStart, QPoint ASchritt) {
        int Laengster = 0, n = 0;
        QPoint p = AStart;
        for (int i = 0; i < 10 && QRect(QPoint(), AOhne.size()).contains(p); ++i, p += ASchritt) {
            n = Kontrast(AOhne.pixelColor(p), AMit.pixelColor(p)) >= 3.0 ? n + 1 : 0;
            Laengster = std::max(Laengster, n);
        }
        return Laengster;
    };
    const int w = AOhne.width(), h = AOhne.height();
    return std::min({Lauf({0, h / 2}, {1, 0}), Lauf({w - 1, h / 2}, {-1, 0}), Lauf({w / 2, 0}, {0, 1}),
                     Lauf({w / 2, h - 1}, {0, -1})});
}

}

class TestBildschirm : public THauptTest {
    Q_OBJECT

    void Dialog(QDialog* D, const QString& AName, QStringList& AFehler, std::function<void()> AVorher = {})
    {
        if (AVorher)
            AVorher();
        BeimNaechstenDialog([&, D, AName](QWidget*) {
            Pruefen(D, AName, AFehler);
            Bild(D, AName);
            D->reject();
        });
        ModalZeigen(*D);
    }

private Q_SLOTS:
    void Schirm() { QCOMPARE(F->screen()->geometry(), QRect(0, 0, 1280, 900)); }

    void KeinTextAbgeschnitten_data()
    {
        QTest::addColumn<int>("Punkte");
        for (int Pt : {8, 20, 48, 72})
            QTest::newRow(qPrintable(QString::number(Pt))) << Pt;
    }
    void KeinTextAbgeschnitten()
    {
        QFETCH(int, Punkte);
        QVERIFY(Zeigen(*F, *P, {"Blutzucker", "Insulin", "Broteinheiten", "Bemerkung zum Essen"}, {2, 1}, 1, 1));
        F->Daten.Tag(0).Kommentar = QStringLiteral("Arzt\r\n");
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), Punkte);
        F->setHintergrundNr(F->HintergrundNr());
        QCoreApplication::processEvents();
        QStringList Fehler;
        const QString Pt = QString::number(Punkte);
        Pruefen(F.get(), QStringLiteral("Hauptfenster %1").arg(Pt), Fehler);
        Bild(F.get(), QStringLiteral("Hauptfenster-%1").arg(Pt));

        Dialog(F->GeheDatumForm, QStringLiteral("GeheDatum-%1").arg(Pt), Fehler, [this] {
            F->GeheDatumForm->setWindowTitle(QStringLiteral("Neues Datum zum Verschieben wählen"));
            F->GeheDatumForm->SchriftartZuweisen();
        });
        Dialog(F->FelderForm, QStringLiteral("Felder-%1").arg(Pt), Fehler, [this] {
            F->FelderForm->setWindowTitle(QStringLiteral("Feldbezeichnungen ändern"));
            F->FelderForm->SchriftartZuweisen();
            F->FelderForm->setText(F->Daten.FelderText());
        });
        Dialog(F->DatumlisteForm, QStringLiteral("Datumliste-%1").arg(Pt), Fehler, [this] {
            F->DatumlisteForm->SchriftartZuweisen();
            F->DatumlisteForm->ListBox1->setItems(TextZeilen(F->Daten.Datumliste()));
        });
        Dialog(F->SuchenForm, QStringLiteral("Suchen-%1").arg(Pt), Fehler, [this] {
            F->SuchenForm->DatenRef = &F->Daten;
            F->SuchenForm->SchriftartZuweisen();
        });
        Dialog(F->ReAnsichtForm, QStringLiteral("ReAnsicht-%1").arg(Pt), Fehler, [this] {
            F->ReAnsichtForm->setWindowTitle(QStringLiteral("Übersicht aller Tage"));
            F->ReAnsichtForm->SchriftartZuweisen();
            F->ReAnsichtForm->setText(F->Daten.TabellenStr());
        });
        Dialog(F->HintergrundForm, QStringLiteral("Hintergrund-%1").arg(Pt), Fehler,
               [this] { F->HintergrundForm->SchriftartZuweisen(Benutzerschrift(), Hintergrundfarbe()); });
        QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler.join(u'\n')));
    }

    // The focus on the comment button and on an empty field, at the default font and at a large
    // one: a frame that changes at least two pixels on every side, and screenshots to look at.
    void FokusZuSehen_data()
    {
        QTest::addColumn<int>("Punkte");
        for (int Pt : {12, 48})
            QTest::newRow(qPrintable(QString::number(Pt))) << Pt;
    }
    void FokusZuSehen()
    {
        QFETCH(int, Punkte);
        QVERIFY(Zeigen(*F, *P, {"Blutzucker", "Insulin", "BE"}, {1, 2}, 2, 2));
        Benutzerschrift().Font.setPointSize(Punkte);
        F->setHintergrundNr(F->HintergrundNr());
        F->Edit(2)->clear();  // the empty field
        F->EditSetFocus(0);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        QStringList Fehler;
        for (QWidget* W : std::initializer_list<QWidget*>{F->Button1, F->Edit(2)}) {
            const QImage Ohne = W->grab().toImage();
            W->setFocus();
            QTRY_VERIFY(W->hasFocus());
            const QImage Mit = W->grab().toImage();
            if (const int Breite = Fokusbreite(Ohne, Mit); Breite < 2)
                Fehler << QStringLiteral("%1: the focus changes %2 px").arg(W->objectName()).arg(Breite);
            Bild(F.get(),
                 QStringLiteral("Fokus-%1-%2")
                     .arg(W == F->Button1 ? QStringLiteral("Knopf") : QStringLiteral("leeres-Feld"))
                     .arg(Punkte));
        }
        QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler.join(u'\n')));
    }

    // At 72 points the main window is taller than the screen: it keeps to it, the menu bar and the
    // date line are on it, and Down and Up through every row keep the focused row fully in sight, with its name.
    void FokusImBlick()
    {
        QVERIFY(Zeigen(*F, *P, {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}, {1}, 1, 1));
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), 72);
        F->setHintergrundNr(F->HintergrundNr());
        QCoreApplication::processEvents();
        const QRect Schirm = F->screen()->geometry();
        const auto Ganz = [&](QWidget* W) { return Schirm.contains(QRect(W->mapToGlobal(QPoint(0, 0)), W->size())); };
        QVERIFY(Schirm.contains(F->frameGeometry()));
        QVERIFY(Ganz(F->menuBar()));
        QVERIFY(Ganz(F->Edit(0)));
        auto* Rollen = F->findChild<QScrollArea*>(QStringLiteral("Rollen"));
        QVERIFY(Rollen->verticalScrollBar()->isVisible());
        F->EditSetFocus(0);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        // Down through the rows, then Up back to the first: each row with its name whole in sight.
        QList<int> Weg;
        for (int k = 1; k <= 10; ++k)
            Weg << k;
        for (int k = 9; k >= 1; --k)
            Weg << k;
        for (int i = 0; i < Weg.size(); ++i) {
            const int k = Weg[i];
            QTest::keyClick(QApplication::focusWidget(), i < 10 ? Qt::Key_Down : Qt::Key_Up);
            QTRY_COMPARE(QApplication::focusWidget(), F->Edit(k));
            const QRect Sicht(Rollen->viewport()->mapToGlobal(QPoint(0, 0)), Rollen->viewport()->size());
            QLabel* Name = F->findChild<QLabel*>(QStringLiteral("Label%1").arg(k));
            const QRect Feld = QRect(F->Edit(k)->mapToGlobal(QPoint(0, 0)), F->Edit(k)->size())
                | QRect(Name->mapToGlobal(QPoint(0, 0)), Name->size());
            QVERIFY2(
                Sicht.contains(Feld) && Schirm.contains(Feld),
                qPrintable(
                    QStringLiteral("row %1: %2 in %3").arg(k).arg(QDebug::toString(Feld), QDebug::toString(Sicht))));
            if (i == 9)
                Bild(F.get(), QStringLiteral("Hauptfenster-72-Zeile10"));
        }
        F->EditSetFocus(0);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        QVERIFY(Ganz(F->Edit(0)));
    }
};

int main(int argc, char** argv)
{
    // A screen of 1280 × 900, as measured from outside.
    QTemporaryFile Schirm;
    if (!Schirm.open())
        return 1;
    Schirm.write(R"({"screens": [{"name": "Schirm", "x": 0, "y": 0, "width": 1280, "height": 900,)"
                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    Schirm.flush();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + Schirm.fileName().toLocal8Bit());
    TTestHeim Heim;
    QApplication App(argc, argv);
    ProgrammEinrichten();
    TestBildschirm Test;
    return QTest::qExec(&Test, argc, argv);
}
#include "TestBildschirm.moc"
