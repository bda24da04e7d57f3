#include "Einzelinstanz.h"

#include "LuUtils.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

QString Laufzeitordner()
{
    // Per user, created by Qt with owner-only rights when it is missing.
    QString Ordner = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (Ordner.isEmpty())
        Ordner = QDir::tempPath();
    return Ordner;
}

// Only a peer of the same user may send requests.
bool GleicherBenutzer(const QLocalSocket* ASocket)
{
#ifdef Q_OS_LINUX
    ucred Peer{};
    socklen_t Laenge = sizeof Peer;
    if (getsockopt(int(ASocket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &Peer, &Laenge) != 0)
        return false;
    return Peer.uid == getuid();
#else
    Q_UNUSED(ASocket);
    return true;  // the server's UserAccessOption already admits only this user
#endif
}

}

TEinzelinstanz::TEinzelinstanz()
    : FSperre(Sperrdatei())
{
    FServer.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&FServer, &QLocalServer::newConnection, this, &TEinzelinstanz::NeueVerbindung);
}

QString TEinzelinstanz::Sperrdatei() const
{
    return Laufzeitordner() + u'/' + ProgrammTitel + QStringLiteral(".lock");
}

QString TEinzelinstanz::Kanal() const
{
#ifdef Q_OS_UNIX
    return Laufzeitordner() + u'/' + ProgrammTitel + QStringLiteral(".kanal");
#else
    return ProgrammTitel + u'-' + qEnvironmentVariable("USERNAME");
#endif
}

bool TEinzelinstanz::Erste()
{
    // A lock left by a program that crashed is stale and taken over by tryLock.
    if (!FSperre.tryLock(0))
        return false;
    if (!FServer.listen(Kanal())) {
        // We hold the lock, so a channel left behind belongs to a dead instance.
        QLocalServer::removeServer(Kanal());
        FServer.listen(Kanal());
    }
    return true;
}

bool TEinzelinstanz::Senden(const QByteArray& AMeldung) const
{
    QLocalSocket S;
    S.connectToServer(Kanal());
    if (!S.waitForConnected(2000))
        return false;
    S.write(AMeldung);
    const bool Ok = S.waitForBytesWritten(2000);
    S.disconnectFromServer();
    if (S.state() != QLocalSocket::UnconnectedState)
        S.waitForDisconnected(2000);
    return Ok;
}

void TEinzelinstanz::NeueVerbindung()
{
    while (QLocalSocket* S = FServer.nextPendingConnection()) {
        if (!GleicherBenutzer(S)) {
            S->abort();
            S->deleteLater();
            continue;
        }
        auto* Puffer = new QByteArray;
        connect(S, &QLocalSocket::readyRead, S, [S, Puffer] {
            Puffer->append(S->readAll());
            if (Puffer->size() > 16)
                S->abort();  // no request is that long
        });
        connect(S, &QLocalSocket::disconnected, this, [this, S, Puffer] {
            Puffer->append(S->readAll());
            const QByteArray Meldung = *Puffer;
            delete Puffer;
            S->deleteLater();
            if (Meldung == Aktivieren)
                Q_EMIT AktivierenGewuenscht();
            else if (Meldung == Beenden)
                Q_EMIT BeendenGewuenscht();
        });
    }
}
