#include "Einzelinstanz.h"
#include "Haupt.h"
#include "LuUtilsGui.h"
#include "QtPlattform.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Merovan"));
    ProgrammEinrichten();

    TEinzelinstanz Einzel;
    if (!Einzel.Erste()) {
        // Another instance runs: it comes to the front; this start's arguments are not passed on.
        Einzel.Senden(TEinzelinstanz::Aktivieren);
        return 0;
    }

    TQtPlattform Plattform;
    TPlattformEinsetzen Einsetzen(Plattform);

    const QStringList Argumente = QApplication::arguments();
    TForm1 Form1(Argumente.size() > 1 ? QFileInfo(Argumente[1]).absoluteFilePath() : QString());
    QObject::connect(&Einzel, &TEinzelinstanz::AktivierenGewuenscht, &Form1, &TForm1::Aktivieren);
    QObject::connect(&Einzel, &TEinzelinstanz::BeendenGewuenscht, &Form1, &TForm1::MenuDateiBeendenClick);
    Form1.show();
    return App.exec();
}
