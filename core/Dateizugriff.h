#pragma once
// Reading and replacing a whole file, with every failure reported in German.

#include <QByteArray>
#include <QString>

// Reads the whole file; false with the reason in AFehler when it cannot be read.
bool DateiEinlesen(const QString& AFilename, QByteArray& AInhalt, QString* AFehler);

// Puts AInhalt in place of the file AFilename. The old file stays as it was
// until the new bytes are all written and synced to the disk; only then does
// the new file take its name, and the folder is synced so the name survives a
// power cut. A new file is for its owner only; an existing one keeps its mode.
// False with the reason in AFehler on any failure.
bool DateiErsetzen(const QString& AFilename, const QByteArray& AInhalt, QString* AFehler);

// The start of the names of the temporary files a save of AFilename writes
// beside it, so that one left by a killed save can be found and removed.
QString TempPrefix(const QString& AFilename);

// A German sentence for a system error code (errno).
QString SystemfehlerText(int ACode);
