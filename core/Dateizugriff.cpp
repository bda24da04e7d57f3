#include "Dateizugriff.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

void FehlerSetzen(QString* AFehler, const QString& AText)
{
    if (AFehler)
        *AFehler = AText;
}

}

QString SystemfehlerText(int ACode)
{
    switch (ACode) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("Auf dem Datenträger ist nicht genügend Speicherplatz frei.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Der Zugriff wurde verweigert: Die Berechtigung fehlt.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
        return QStringLiteral("Die Datei oder der Ordner existiert nicht.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EISDIR:
        return QStringLiteral("Der Name bezeichnet einen Ordner, keine Datei.");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler: Der Datenträger meldet einen Fehler.");
    case EFBIG:
        return QStringLiteral("Die Datei ist für den Datenträger zu groß.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Dateiname ist zu lang.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Es sind zu viele Dateien geöffnet.");
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return QStringLiteral("Die Datei wird gerade von einem anderen Programm benutzt.");
    default:
        return QStringLiteral("Systemfehler %1 (%2).").arg(ACode).arg(QString::fromLocal8Bit(std::strerror(ACode)));
    }
}

QString TempPrefix(const QString& AFilename)
{
    // Hidden, and named after the diary and the program, so nobody takes it for a diary.
    return QStringLiteral(".") + QFileInfo(AFilename).fileName() + QStringLiteral(".merovan-");
}

#ifdef Q_OS_UNIX

namespace {

// The six characters mkstemp replaces with a unique name.
const QByteArray TempMuster(6, 'X');

// The system's reason for the last failure.
bool Fehlschlag(QString* AFehler, int ACode = errno)
{
    FehlerSetzen(AFehler, SystemfehlerText(ACode));
    return false;
}

bool AllesSchreiben(int AFd, const QByteArray& AInhalt)
{
    const char* p = AInhalt.constData();
    qsizetype Rest = AInhalt.size();
    while (Rest > 0) {
        const ssize_t n = ::write(AFd, p, size_t(Rest));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        p += n;
        Rest -= n;
    }
    return true;
}

// Removes temporary files a killed save left beside the diary. Only ours
// match: the prefix holds the diary's name and the program's.
void AlteTempsEntfernen(const QString& AOrdner, const QString& APrefix)
{
    const QStringList Namen = QDir(AOrdner).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& Name : Namen) {
        if (Name.startsWith(APrefix) && Name.size() == APrefix.size() + TempMuster.size())
            ::unlink(QFile::encodeName(AOrdner + u'/' + Name).constData());
    }
}

}

bool DateiEinlesen(const QString& AFilename, QByteArray& AInhalt, QString* AFehler)
{
    const int Fd = ::open(QFile::encodeName(AFilename).constData(), O_RDONLY | O_CLOEXEC);
    if (Fd < 0)
        return Fehlschlag(AFehler);
    struct stat St {};
    if (::fstat(Fd, &St) != 0 || S_ISDIR(St.st_mode)) {
        const int Code = S_ISDIR(St.st_mode) ? EISDIR : errno;
        ::close(Fd);
        return Fehlschlag(AFehler, Code);
    }
    QByteArray A;
    A.reserve(qsizetype(St.st_size));
    char Puffer[65536];
    for (;;) {
        const ssize_t n = ::read(Fd, Puffer, sizeof Puffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int Code = errno;
            ::close(Fd);
            return Fehlschlag(AFehler, Code);
        }
        if (n == 0)
            break;
        A.append(Puffer, n);
    }
    ::close(Fd);
    AInhalt = std::move(A);
    return true;
}

bool DateiErsetzen(const QString& AFilename, const QByteArray& AInhalt, QString* AFehler)
{
    // A link stays a link: the file it points to is replaced.
    QFileInfo Info(AFilename);
    const QString Ziel = Info.isSymLink() && Info.exists() ? Info.canonicalFilePath() : Info.absoluteFilePath();
    const QByteArray ZielC = QFile::encodeName(Ziel);

    mode_t Modus = S_IRUSR | S_IWUSR;
    struct stat Alt {};
    if (::stat(ZielC.constData(), &Alt) == 0) {
        if (S_ISDIR(Alt.st_mode))
            return Fehlschlag(AFehler, EISDIR);
        // Replacing by name would pass over a write-protected file; refuse as writing into it would.
        const int Probe = ::open(ZielC.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (Probe < 0) {
            if (errno == EACCES && !(Alt.st_mode & S_IWUSR)) {
                FehlerSetzen(AFehler, QStringLiteral("Die Datei ist schreibgeschützt."));
                return false;
            }
            return Fehlschlag(AFehler);
        }
        ::close(Probe);
        Modus = Alt.st_mode & 07777;
    } else if (errno != ENOENT) {
        return Fehlschlag(AFehler);
    }

    const QString Ordner = QFileInfo(Ziel).absolutePath();
    const QString Prefix = TempPrefix(Ziel);
    AlteTempsEntfernen(Ordner, Prefix);
    QByteArray Temp = QFile::encodeName(Ordner + u'/' + Prefix) + TempMuster;
    const int Fd = ::mkostemp(Temp.data(), O_CLOEXEC);
    if (Fd < 0)
        return Fehlschlag(AFehler);

    // Every step is checked: a write into the cache can succeed while the disk is full,
    // and only the sync and the size tell whether the bytes are really there.
    struct stat Neu {};
    bool OkS
        = AllesSchreiben(Fd, AInhalt) && ::fchmod(Fd, Modus) == 0 && ::fdatasync(Fd) == 0 && ::fstat(Fd, &Neu) == 0;
    int Code = errno;
    if (OkS && Neu.st_size != AInhalt.size()) {
        OkS = false;
        Code = EIO;
    }
    if (::close(Fd) != 0 && OkS) {
        OkS = false;
        Code = errno;
    }
    if (OkS && ::rename(Temp.constData(), ZielC.constData()) != 0) {
        OkS = false;
        Code = errno;
    }
    if (!OkS) {
        ::unlink(Temp.constData());
        return Fehlschlag(AFehler, Code);
    }

    // The new name must survive a power cut too. A file system that cannot sync
    // a folder says EINVAL; the data itself is on the disk by then.
    const int OrdnerFd = ::open(QFile::encodeName(Ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (OrdnerFd < 0)
        return Fehlschlag(AFehler);
    const bool OrdnerOkS = ::fsync(OrdnerFd) == 0 || errno == EINVAL;
    Code = errno;
    ::close(OrdnerFd);
    if (!OrdnerOkS) {
        FehlerSetzen(AFehler,
                     SystemfehlerText(Code)
                         + QStringLiteral(" Die Datei wurde geschrieben, aber das System bestätigt nicht, "
                                          "dass sie sicher auf dem Datenträger steht."));
        return false;
    }
    return true;
}

#else

bool DateiEinlesen(const QString& AFilename, QByteArray& AInhalt, QString* AFehler)
{
    QFile Datei(AFilename);
    if (!Datei.open(QIODevice::ReadOnly)) {
        FehlerSetzen(AFehler, Datei.errorString());
        return false;
    }
    QByteArray A = Datei.readAll();
    if (Datei.error() != QFileDevice::NoError) {
        FehlerSetzen(AFehler, Datei.errorString());
        return false;
    }
    AInhalt = std::move(A);
    return true;
}

bool DateiErsetzen(const QString& AFilename, const QByteArray& AInhalt, QString* AFehler)
{
    if (QFileInfo::exists(AFilename)) {
        QFile Alt(AFilename);
        if (!Alt.open(QIODevice::WriteOnly | QIODevice::Append)) {
            FehlerSetzen(AFehler, Alt.errorString());
            return false;
        }
    }
    // Unbuffered, so a full disk shows at the write and not in a commit that renames anyway.
    QSaveFile Datei(AFilename);
    if (!Datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || Datei.write(AInhalt) != AInhalt.size()
        || !Datei.flush() || !Datei.commit()) {
        FehlerSetzen(AFehler, Datei.errorString());
        Datei.cancelWriting();
        return false;
    }
    return true;
}

#endif
