#include "LuUtils.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication App(argc, argv);
    DatumsnamenAnpassen();
    QMainWindow Fenster;
    Fenster.setWindowTitle(QStringLiteral("KeinName - Merovan V1.02"));
    Fenster.show();
    return App.exec();
}
