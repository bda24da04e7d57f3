#include "Systemfehler.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TZustand {
    std::atomic<bool> AktivS{false};
    char Ordner[4096] = {};
    size_t OrdnerLaenge = 0;
    std::atomic<qint64> FreieBytes{-1};
    int SyncFehler = 0;
    int CloseFehler = 0;
    std::atomic<int> StatFehler{0};
    std::atomic<int> Treffer{0};
};

TZustand& Zustand()
{
    static TZustand Z;
    return Z;
}

template <typename F>
F Echt(const char* AName)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, AName));
}

bool PfadGetroffen(const char* APfad)
{
    const TZustand& Z = Zustand();
    return std::strncmp(APfad, Z.Ordner, Z.OrdnerLaenge) == 0
        && (APfad[Z.OrdnerLaenge] == '/' || APfad[Z.OrdnerLaenge] == '\0');
}

bool FdGetroffen(int AFd)
{
    if (!Zustand().AktivS)
        return false;
    char Link[64];
    std::snprintf(Link, sizeof Link, "/proc/self/fd/%d", AFd);
    char Pfad[4096];
    static const auto EchtReadlink = Echt<ssize_t (*)(const char*, char*, size_t)>("readlink");
    const ssize_t n = EchtReadlink(Link, Pfad, sizeof Pfad - 1);
    if (n <= 0)
        return false;
    Pfad[n] = '\0';
    return PfadGetroffen(Pfad);
}

int Treffen(int ACode)
{
    ++Zustand().Treffer;
    errno = ACode;
    return -1;
}

bool StatTreffen()
{
    int Code = Zustand().StatFehler.exchange(0);
    if (Code == 0)
        return false;
    Treffen(Code);
    return true;
}

}

TSystemfehlerSetzen::TSystemfehlerSetzen(const TSystemfehler& ARegel)
{
    TZustand& Z = Zustand();
    const QByteArray O = QFile::encodeName(ARegel.Ordner);
    Z.OrdnerLaenge = size_t(qMin(O.size(), qsizetype(sizeof Z.Ordner - 1)));
    std::memcpy(Z.Ordner, O.constData(), Z.OrdnerLaenge);
    Z.Ordner[Z.OrdnerLaenge] = '\0';
    Z.FreieBytes = ARegel.FreieBytes;
    Z.SyncFehler = ARegel.SyncFehler;
    Z.CloseFehler = ARegel.CloseFehler;
    Z.StatFehler = ARegel.StatFehler;
    Z.Treffer = 0;
    Z.AktivS = true;
}

TSystemfehlerSetzen::~TSystemfehlerSetzen()
{
    Zustand().AktivS = false;
}

int TSystemfehlerSetzen::Treffer()
{
    return Zustand().Treffer;
}

extern "C" {

ssize_t write(int AFd, const void* APuffer, size_t AAnzahl)
{
    static const auto EchtWrite = Echt<ssize_t (*)(int, const void*, size_t)>("write");
    TZustand& Z = Zustand();
    if (Z.FreieBytes >= 0 && FdGetroffen(AFd)) {
        const qint64 Frei = Z.FreieBytes;
        if (Frei == 0 && AAnzahl > 0)
            return Treffen(ENOSPC);
        // Like a real file system: what still fits is written, the next write fails.
        const size_t n = qMin(AAnzahl, size_t(Frei));
        const ssize_t r = EchtWrite(AFd, APuffer, n);
        if (r > 0)
            Z.FreieBytes -= r;
        return r;
    }
    return EchtWrite(AFd, APuffer, AAnzahl);
}

int fdatasync(int AFd)
{
    static const auto EchtFdatasync = Echt<int (*)(int)>("fdatasync");
    if (Zustand().SyncFehler && FdGetroffen(AFd))
        return Treffen(Zustand().SyncFehler);
    return EchtFdatasync(AFd);
}

int fsync(int AFd)
{
    static const auto EchtFsync = Echt<int (*)(int)>("fsync");
    if (Zustand().SyncFehler && FdGetroffen(AFd))
        return Treffen(Zustand().SyncFehler);
    return EchtFsync(AFd);
}

int close(int AFd)
{
    static const auto EchtClose = Echt<int (*)(int)>("close");
    const bool GetroffenS = Zustand().CloseFehler && FdGetroffen(AFd);
    const int r = EchtClose(AFd);
    if (GetroffenS && r == 0)
        return Treffen(Zustand().CloseFehler);
    return r;
}

int fstat(int AFd, struct stat* AStat)
{
    static const auto EchtFstat = Echt<int (*)(int, struct stat*)>("fstat");
    if (Zustand().StatFehler && FdGetroffen(AFd) && StatTreffen())
        return -1;
    return EchtFstat(AFd, AStat);
}

int stat(const char* APfad, struct stat* AStat)
{
    static const auto EchtStat = Echt<int (*)(const char*, struct stat*)>("stat");
    if (Zustand().AktivS && Zustand().StatFehler && PfadGetroffen(APfad) && StatTreffen())
        return -1;
    return EchtStat(APfad, AStat);
}
}
