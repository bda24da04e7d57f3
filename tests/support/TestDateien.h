#pragma once
// Writing and reading a whole file in a test.

#include <QByteArray>
#include <QFile>
#include <QString>

inline bool DateiSchreiben(const QString& APfad, const QByteArray& AInhalt)
{
    QFile F(APfad);
    return F.open(QIODevice::WriteOnly) && F.write(AInhalt) == AInhalt.size();
}

inline QByteArray DateiLesen(const QString& APfad)
{
    QFile F(APfad);
    return F.open(QIODevice::ReadOnly) ? F.readAll() : QByteArray();
}
