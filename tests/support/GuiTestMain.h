#pragma once
// The main of a GUI test: the program's own set-up (German translation,
// adjusted date names) in a private home, runtime and documents folder, so
// no test touches the user's files or another test's lock.

#include "LuUtils.h"
#include "LuUtilsGui.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

struct TTestHeim {
    QTemporaryDir Ordner;
    TTestHeim()
    {
        qputenv("HOME", Ordner.path().toLocal8Bit());
        QDir(Ordner.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(Ordner.filePath(QStringLiteral("run")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", Ordner.filePath(QStringLiteral("run")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", Ordner.filePath(QStringLiteral("config")).toLocal8Bit());
        qunsetenv("XDG_DOCUMENTS_DIR");
        QStandardPaths::setTestModeEnabled(true);
    }
};

#define MEROVAN_GUI_TEST_MAIN(Klasse)                                                                                  \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        TTestHeim Heim;                                                                                                \
        QApplication App(argc, argv);                                                                                  \
        ProgrammEinrichten();                                                                                          \
        Klasse Test;                                                                                                   \
        return QTest::qExec(&Test, argc, argv);                                                                        \
    }
