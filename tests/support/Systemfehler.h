#pragma once
// Failures of the system itself, caused on purpose: this test library puts its
// own write, fdatasync, fsync, close, stat and fstat in front of the C
// library's. While a rule is set, calls on files inside its folder fail as a
// full disk or a failing device would; every other call goes through unchanged.

#include <QString>

struct TSystemfehler {
    QString Ordner;  // only files in this folder (and the folder itself) are hit
    qint64 FreieBytes = -1;  // bytes that still fit; then write fails with ENOSPC (-1: no limit)
    int SyncFehler = 0;  // errno for fdatasync and fsync
    int CloseFehler = 0;  // errno for close (the descriptor is closed all the same)
    int StatFehler = 0;  // errno for the next stat or fstat, once
};

// Sets the rule until the object is destroyed.
class TSystemfehlerSetzen {
public:
    explicit TSystemfehlerSetzen(const TSystemfehler& ARegel);
    ~TSystemfehlerSetzen();
    TSystemfehlerSetzen(const TSystemfehlerSetzen&) = delete;
    TSystemfehlerSetzen& operator=(const TSystemfehlerSetzen&) = delete;

    // How many calls the rule made fail.
    static int Treffer();
};
