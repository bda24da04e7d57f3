#include "GeheDatum.h"
#include "GuiTestMain.h"
#include "LuDatePicker.h"
#include "LuLayout.h"
#include "ModalHelfer.h"
#include "TFakePlattform.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

class TestGeheDatum : public QObject {
    Q_OBJECT

    std::unique_ptr<TFakePlattform> P;
    std::unique_ptr<TGeheDatumForm> G;

    // Runs DatumEingeben while AAktion works the open dialog.
    int Eingeben(int ADatum, int ANr, std::function<void(QWidget*)> AAktion)
    {
        BeimNaechstenDialog(AAktion);
        return G->DatumEingeben(ADatum, ANr);
    }

private Q_SLOTS:
    void init()
    {
        P = std::make_unique<TFakePlattform>(42009);
        Benutzerschrift() = TSchriftart{QFont(QStringLiteral("Liberation Sans"), 12), Qt::black};
        G = std::make_unique<TGeheDatumForm>();
    }
    void cleanup()
    {
        G.reset();
        P.reset();
    }

    void Grundeinstellungen()
    {
        QCOMPARE(G->Label1->text(), QStringLiteral("&Datum:"));
        QCOMPARE(G->Button1->text(), QStringLiteral("O&K"));
        QCOMPARE(G->Button2->text(), QStringLiteral("&Abbrechen"));
        QVERIFY(G->Button1->isDefault());
        QCOMPARE(G->DatePicker->MinDatum(), double(ErstesDatum));
        QCOMPARE(G->DatePicker->MaxDatum(), double(LetztesDatum));
        QCOMPARE(DatumZuTag(QDate(1900, 1, 1)), ErstesDatum);
        QCOMPARE(DatumZuTag(QDate(2500, 12, 31)), LetztesDatum);
    }

    void Titel_data()
    {
        QTest::addColumn<int>("Nr");
        QTest::addColumn<QString>("Titel");
        QTest::newRow("1") << 1 << "Neues Datum wählen";
        QTest::newRow("2") << 2 << "Neues Datum zum Verschieben wählen";
        QTest::newRow("3") << 3 << "Neues Datum zum Kopieren wählen";
        QTest::newRow("7") << 7 << "Neues Datum zum Kopieren wählen";
    }
    void Titel()
    {
        QFETCH(int, Nr);
        QFETCH(QString, Titel);
        QString Gesehen;
        QWidget* Fokus = nullptr;
        QString Name;
        const int Ergebnis = Eingeben(42009, Nr, [&](QWidget* D) {
            Gesehen = D->windowTitle();
            Fokus = QApplication::focusWidget();
            Name = QAccessible::queryAccessibleInterface(G->DatePicker)->text(QAccessible::Name);
            QTest::keyClick(D, Qt::Key_Return);
        });
        QCOMPARE(Gesehen, Titel);
        QCOMPARE(Ergebnis, 42009);
        QCOMPARE(Fokus, G->DatePicker);
        QCOMPARE(Name, QStringLiteral("Datum:"));
        QCOMPARE(QAccessible::queryAccessibleInterface(G->DatePicker)->text(QAccessible::Value),
                 QStringLiteral("Mo, 05.01.2015 "));
    }

    void Ergebnisse_data()
    {
        QTest::addColumn<QString>("Tasten");
        QTest::addColumn<int>("Ergebnis");
        QTest::newRow("halber Tag und Enter") << "3\r" << DatumZuTag(QDate(2015, 1, 3));
        QTest::newRow("Jahr 18 und Enter") << "E18\r" << DatumZuTag(QDate(1900, 1, 5));
        QTest::newRow("Escape nach Aenderung") << "3\x1b" << 0;
        QTest::newRow("Alt+A") << "7A" << 0;
        QTest::newRow("Alt+K") << "7K" << DatumZuTag(QDate(2015, 1, 7));
        QTest::newRow("Enter auf OK") << "7\t\r" << DatumZuTag(QDate(2015, 1, 7));
        QTest::newRow("Enter auf Abbrechen") << "7\t\t\r" << 0;
    }
    void Ergebnisse()
    {
        QFETCH(QString, Tasten);
        QFETCH(int, Ergebnis);
        const int Gewaehlt = Eingeben(42009, 1, [Tasten](QWidget* D) {
            for (QChar c : Tasten) {
                QWidget* W = QApplication::focusWidget();
                if (c == u'\r')
                    QTest::keyClick(W, Qt::Key_Return);
                else if (c == u'\x1b')
                    QTest::keyClick(W, Qt::Key_Escape);
                else if (c == u'\t')
                    QTest::keyClick(W, Qt::Key_Tab);
                else if (c == u'E')
                    QTest::keyClick(W, Qt::Key_End);
                else if (c.isUpper())
                    QTest::keyClick(W, char(c.toLower().unicode()), Qt::AltModifier);
                else
                    QTest::keyClicks(W, QString(c));
            }
            Q_UNUSED(D);
        });
        QCOMPARE(Gewaehlt, Ergebnis);
    }

    void Schliessfeld()
    {
        const int Ergebnis = Eingeben(42009, 1, [](QWidget* D) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
            D->close();
        });
        QCOMPARE(Ergebnis, 0);
    }

    void Tabulatorfolge()
    {
        QList<QWidget*> Folge;
        Eingeben(42009, 1, [&](QWidget* D) {
            for (int i = 0; i < 4; ++i) {
                Folge << QApplication::focusWidget();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
            Folge << QApplication::focusWidget();
            qobject_cast<QDialog*>(D)->reject();
        });
        QCOMPARE(Folge, (QList<QWidget*>{G->DatePicker, G->Button1, G->Button2, G->DatePicker, G->DatePicker}));
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
        Eingeben(42009, 1, [&](QWidget* D) {
            const int W = G->Button1->width();
            if (FesteBreiteS)
                QCOMPARE(W, 125);
            else
                QVERIFY(W > 125);
            for (QPushButton* K : {G->Button1, G->Button2}) {
                QVERIFY(K->width() >= K->sizeHint().width());  // no caption is cut
                QCOMPARE(K->font().pointSize(), Punkte);
            }
            // The usual gaps where the row fits the screen, else narrower ones, never less than 10.
            const int Schirmbreite = D->screen()->geometry().width() - (D->frameGeometry().width() - D->width());
            const int L = G->Button1->x();
            QCOMPARE(L, 5 * W <= Schirmbreite ? W : std::max(10, (Schirmbreite - 2 * W) / 3));
            QCOMPARE(D->width(), 3 * L + 2 * W);  // 625 with the usual buttons
            QCOMPARE(G->Button1->geometry(),
                     QRect(L, G->Button1->y(), W, SchalterHoehe(G->Button1->font(), TSteuerArt::Knopf)));
            QCOMPARE(G->Button2->geometry(), QRect(2 * L + W, G->Button1->y(), W, G->Button1->height()));
            QCOMPARE(G->Label1->x(), 10);
            QCOMPARE(G->Label1->width(), G->Label1->sizeHint().width());
            QCOMPARE(G->DatePicker->y(), 10);
            const int Luecke = std::max(5, G->Label1->fontMetrics().horizontalAdvance(u' '));
            QCOMPARE(G->DatePicker->x(), G->Label1->x() + G->Label1->width() + Luecke);
            if (Punkte <= 12)
                QCOMPARE(Luecke, 5);
            QCOMPARE(G->DatePicker->height(), G->DatePicker->sizeHint().height());
            // The larger the font, the wider the label and the narrower the date box.
            QCOMPARE(G->DatePicker->Width(), D->width() - G->DatePicker->x() - 10);
            QCOMPARE(G->DatePicker->UpDown->x() + G->DatePicker->UpDown->width(), D->width() - 10);
            QCOMPARE(G->DatePicker->UpDown->height(), G->DatePicker->height());
            QCOMPARE(G->Label1->y(), G->DatePicker->y() + (G->DatePicker->height() - G->Label1->height()) / 2);
            QCOMPARE(G->Button1->y(), G->DatePicker->y() + G->DatePicker->height() + 10);
            QCOMPARE(D->height(), G->Button1->y() + G->Button1->height() + 10);
            const QRect Schirm = D->screen()->geometry();
            QCOMPARE(D->frameGeometry().left(), std::max(0, (Schirm.width() - D->frameGeometry().width()) / 2 - 1));
            QCOMPARE(D->frameGeometry().top(), std::max(0, (Schirm.height() - D->frameGeometry().height()) / 2 - 1));
            QCOMPARE(G->DatePicker->selectedText(), QStringLiteral("05"));
            QVERIFY(G->DatePicker->width()
                    >= QFontMetrics(G->DatePicker->font()).horizontalAdvance(G->DatePicker->text()));
            qobject_cast<QDialog*>(D)->reject();
        });
    }
};

MEROVAN_GUI_TEST_MAIN(TestGeheDatum)
#include "TestGeheDatum.moc"
