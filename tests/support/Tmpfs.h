#pragma once
// Small file systems of a test's own: a private mount namespace (a user
// namespace too where the test is not root), so a test can fill a real disk
// or make one read-only without touching the machine's.

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace Tmpfs {

inline bool& ErlaubtS()
{
    static bool S = false;
    return S;
}

inline bool Schreiben(const char* APfad, const QByteArray& AText)
{
    const int Fd = ::open(APfad, O_WRONLY);
    if (Fd < 0)
        return false;
    const bool OkS = ::write(Fd, AText.constData(), size_t(AText.size())) == AText.size();
    ::close(Fd);
    return OkS;
}

// Must run before any thread starts (unshare refuses otherwise). False where
// the system allows no namespace; the tests that need one are skipped then.
inline bool Vorbereiten()
{
    const uid_t Uid = ::geteuid();
    const gid_t Gid = ::getegid();
    if (Uid == 0) {
        if (::unshare(CLONE_NEWNS) != 0)
            return false;
    } else {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        // The same ids inside, so the test's files stay its own.
        Schreiben("/proc/self/setgroups", "deny");
        if (!Schreiben("/proc/self/uid_map", QByteArray::number(Uid) + ' ' + QByteArray::number(Uid) + " 1")
            || !Schreiben("/proc/self/gid_map", QByteArray::number(Gid) + ' ' + QByteArray::number(Gid) + " 1"))
            return false;
    }
    ErlaubtS() = ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return ErlaubtS();
}

// A new tmpfs with the options ("size=4k"), mounted on a new folder; empty
// when mounting is not allowed. It vanishes with the test's process.
inline QString Einhaengen(const char* AOptionen, unsigned long AFlags = 0)
{
    if (!ErlaubtS())
        return {};
    char Ordner[] = "/tmp/merovan-tmpfs-XXXXXX";
    if (!::mkdtemp(Ordner))
        return {};
    if (::mount("tmpfs", Ordner, "tmpfs", AFlags, AOptionen) != 0) {
        ::rmdir(Ordner);
        return {};
    }
    return QString::fromLocal8Bit(Ordner);
}

// Unmounts and removes the folder.
inline void Aushaengen(const QString& AOrdner)
{
    const QByteArray O = AOrdner.toLocal8Bit();
    ::umount2(O.constData(), MNT_DETACH);
    ::rmdir(O.constData());
}

}
