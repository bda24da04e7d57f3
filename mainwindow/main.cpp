#include "LuUtils.h"
#include "LuUtilsGui.h"
#include "QtPlattform.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Merovan"));
    DeutscheUebersetzungLaden();
    DatumsnamenAnpassen();
    TQtPlattform Plattform;
    TPlattformEinsetzen Einsetzen(Plattform);

    QMainWindow Fenster;
    Fenster.setWindowTitle(QStringLiteral("KeinName - ") + ProgrammTitel);
    Fenster.show();
    return App.exec();
}
