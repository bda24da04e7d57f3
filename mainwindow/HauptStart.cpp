// Start-up, the one-shot start step, coming to the front and closing.

#include "Haupt.h"

#include "LuLayout.h"
#include "LuUtilsGui.h"
#include "Plattform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>

void TForm1::showEvent(QShowEvent* AEvent)
{
    QMainWindow::showEvent(AEvent);
    if (!FGezeigtS) {
        FGezeigtS = true;
        FormShow();
    }
}

void TForm1::FormShow()
{
    // The controls take the shared font and background before the first layout.
    ::SchriftartZuweisen(this, Benutzerschrift(), Hintergrundfarbe());
    CaptionZuweisen(true);
    FensterEinrichten();
    Timer1.start();
    HinweisNeuerTag();
}

void TForm1::Timer1Timer()
{
    Timer1.stop();
    // The settings decide the file: the command line's, else the one used last.
    RegistryLadenSpeichern(true);
    const QString Datei = FFilename;
    if (!IstOrdner(Datei) && QFileInfo(Datei).isFile()) {
        QString Fehler;
        if (Daten.LoadFromFile(Datei, &Fehler)) {
            setFilename(Datei);
            SaveDaten.Assign(Daten);
            setTagNr(Daten.Count());
            setTagDatenNr(TagDatenCount());
            HinweisNeuerEintrag();
        } else {
            // Only a diary that was read becomes the file name, so a save never
            // writes over a file that is not a diary.
            setFilename(Ordnerteil(Datei));
            if (!Fehler.isEmpty()) {
                LesefehlerMelden(Datei, Fehler);
                return;
            }
        }
    } else {
        setFilename(Datei);
    }
    CaptionZuweisen(true);
    EditZuweisen();
    EditSetFocus(0);
    // A new user, or a file without days: lead to the first day.
    if (FTagNr == 0)
        MenuAktNeuerTagClick();
}

void TForm1::Aktivieren()
{
    FensterNachVorne(this);
    // Then every other visible window of the program in creation order, so an
    // open modal dialog ends up in front of the main window.
    for (QWidget* W : FensterInErstellungsfolge()) {
        if (W != this && W->isVisible())
            FensterNachVorne(W);
    }
}

void TForm1::MenuDateiBeendenClick()
{
    close();
}

void TForm1::closeEvent(QCloseEvent* AEvent)
{
    bool CanClose = true;
    FormCloseQuery(CanClose);
    if (!CanClose) {
        AEvent->ignore();
        return;
    }
    IsClosing = true;  // no layout runs while the window goes away
    RegistryLadenSpeichern(false);
    AEvent->accept();
}

void TForm1::resizeEvent(QResizeEvent* AEvent)
{
    QMainWindow::resizeEvent(AEvent);
    if (isVisible() && !IsClosing && !FLayoutLaeuftS) {
        SchriftartZuweisen();
        FensterEinrichten();
    }
}

void TForm1::changeEvent(QEvent* AEvent)
{
    QMainWindow::changeEvent(AEvent);
    if (AEvent->type() == QEvent::WindowStateChange && isVisible() && !IsClosing)
        FensterEinrichten();
}
