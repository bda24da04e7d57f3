#pragma once
// One running instance per user: a lock file says whether one runs, a local
// channel carries the two requests a second start or another program may send.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

class TEinzelinstanz : public QObject {
    Q_OBJECT

public:
    static constexpr char Aktivieren[] = "1224";  // come to the front
    static constexpr char Beenden[] = "1124";  // quit as by "&Beenden"

    TEinzelinstanz();

    // True when this is the only instance: the lock is held and the channel listens.
    bool Erste();
    // Hands a request to the running instance; true when it was delivered.
    bool Senden(const QByteArray& AMeldung) const;

    QString Sperrdatei() const;
    QString Kanal() const;

Q_SIGNALS:
    void AktivierenGewuenscht();
    void BeendenGewuenscht();

private:
    void NeueVerbindung();

    QLockFile FSperre;
    QLocalServer FServer;
};
