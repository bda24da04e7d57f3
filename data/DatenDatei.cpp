// The diary file: a magic string, then blocks of field names, a day count and
// the day records. Integers are stored with the low byte first and then the
// three high bytes from the top down; strings as a big-endian 16-bit length
// and one byte per character.

#include "TDaten.h"

#include "Dateizugriff.h"
#include "LuUtils.h"
#include "Plattform.h"

#include <QFileInfo>

namespace {

const QByteArray Magie = QByteArrayLiteral("MRV01");
constexpr qsizetype MaxStringLaenge = 65535;

void IntSchreiben(QByteArray& A, qint32 AWert)
{
    const quint32 v = quint32(AWert);
    const char b[4] = {char(v & 0xFF), char(v >> 24), char((v >> 16) & 0xFF), char((v >> 8) & 0xFF)};
    A.append(b, 4);
}

void StringSchreiben(QByteArray& A, const QString& S)
{
    const qsizetype L = S.size();
    A.append(char(L >> 8));
    A.append(char(L & 0xFF));
    const qsizetype Start = A.size();
    A.resize(Start + L);
    char* Ziel = A.data() + Start;
    for (QChar c : S)
        *Ziel++ = c.unicode() > 0xFF ? '?' : char(c.unicode());
}

// Reads items and says when the bytes run out, so a cut file is never read past its end.
class TLeser {
public:
    explicit TLeser(const QByteArray& AInhalt)
        : p(reinterpret_cast<const uchar*>(AInhalt.constData()))
        , Ende(p + AInhalt.size())
    {
    }

    qsizetype Rest() const { return Ende - p; }

    bool Int(qint32& AWert)
    {
        if (Rest() < 4)
            return false;
        AWert = qint32(quint32(p[0]) | quint32(p[1]) << 24 | quint32(p[2]) << 16 | quint32(p[3]) << 8);
        p += 4;
        return true;
    }

    bool String(QString& S)
    {
        if (Rest() < 2)
            return false;
        const qsizetype L = qsizetype(p[0]) << 8 | p[1];
        if (Rest() - 2 < L)
            return false;
        S = QString::fromLatin1(reinterpret_cast<const char*>(p + 2), L);
        p += 2 + L;
        return true;
    }

private:
    const uchar* p;
    const uchar* Ende;
};

QString UnbekanntesFormatText()
{
    return QStringLiteral("Das Dateiformat ist unbekannt!\r\nBitte installieren Sie die neueste Version von ")
        + QStringLiteral(MEROVAN_HOMEPAGE) + u'.';
}

void FehlerSetzen(QString* AFehler, const QString& AText)
{
    if (AFehler)
        *AFehler = AText;
}

}

bool TDaten::LoadFromBytes(const QByteArray& AInhalt)
{
    TLeser Leser(AInhalt);
    QString S;
    if (!Leser.String(S) || S != QLatin1String(Magie))
        return false;

    // Padding gives every entry a line per field name, so a few bytes could ask
    // for billions of lines. A file this program writes holds at least two bytes
    // per line, so the lines padding may create are bounded by the file's size.
    const qint64 MaxPolsterZeilen = qint64(AInhalt.size()) + 65536;
    qint64 PolsterZeilen = 0;
    qint64 Eintraege = 0;
    const auto PolsterErlaubt = [&](qint64 AEintraege, qsizetype AFelder) {
        PolsterZeilen += AEintraege * qint64(AFelder);
        return PolsterZeilen <= MaxPolsterZeilen;
    };

    // Everything is read into a fresh set first, so a damaged file changes nothing.
    TDaten Neu;
    // The smallest day record: date, empty comment, entry count.
    constexpr qsizetype MinTagBytes = 4 + 2 + 4;
    bool LetzterBlockLeerS = false;
    while (Leser.Rest() > 0) {
        QString FelderStr;
        qint32 N = 0;
        if (!Leser.String(FelderStr) || !Leser.Int(N))
            return false;
        Neu.Felder = TextZeilen(FelderStr);
        if (N > 0 && N > Leser.Rest() / MinTagBytes)
            return false;
        LetzterBlockLeerS = N <= 0;
        for (qint32 i = 0; i < N; ++i) {
            TTag T(0);
            qint32 M = 0;
            if (!Leser.Int(T.Datum) || !Leser.String(T.Kommentar) || !Leser.Int(M))
                return false;
            if (M > 0 && M > Leser.Rest() / 2)
                return false;
            T.TagDaten.reserve(qMax(M, 0));
            for (qint32 k = 0; k < M; ++k) {
                if (!Leser.String(S))
                    return false;
                T.Add(S);
            }
            Eintraege += T.Count();
            // The first day of a block pads every day to this block's field names;
            // after that only the new day can be short.
            if (!PolsterErlaubt(i == 0 ? Eintraege : T.Count(), Neu.Felder.size()))
                return false;
            if (i == 0)
                Neu.Add(T);
            else
                Neu.AddGepolstert(std::move(T));
        }
    }
    // A last block without days brings field names but pads nothing; every
    // entry must still hold a line for each field name.
    if (LetzterBlockLeerS) {
        if (!PolsterErlaubt(Eintraege, Neu.Felder.size()))
            return false;
        Neu.MinTagDaten(int(Neu.Felder.size()));
    }
    Felder = std::move(Neu.Felder);
    Liste = std::move(Neu.Liste);
    return true;
}

bool TDaten::LoadFromFile(const QString& AFilename, QString* AFehler)
{
    if (AFilename.isEmpty() || !QFileInfo::exists(AFilename))
        return true;
    QByteArray Inhalt;
    if (!DateiEinlesen(AFilename, Inhalt, AFehler))
        return false;
    if (!LoadFromBytes(Inhalt)) {
        FehlerSetzen(AFehler, QString());
        Plattform().Information(UnbekanntesFormatText());
        return false;
    }
    return true;
}

bool TDaten::SaveToBytes(QByteArray& AInhalt, QString* AFehler) const
{
    const QString FText = FelderText();
    if (FText.size() > MaxStringLaenge) {
        FehlerSetzen(AFehler,
                     QStringLiteral("Die Feldnamen sind zusammen länger als %1 Zeichen.").arg(MaxStringLaenge));
        return false;
    }
    const int MaxZeilen = int(Felder.size());
    qsizetype Groesse = 2 + Magie.size() + 2 + FText.size() + 4;
    for (const auto& T : Liste) {
        if (T->Kommentar.size() > MaxStringLaenge) {
            FehlerSetzen(AFehler,
                         QStringLiteral("Der Kommentar vom %1 ist %2 Zeichen lang; eine Datei kann "
                                        "höchstens %3 Zeichen je Kommentar aufnehmen. Bitte kürzen "
                                        "Sie den Kommentar.")
                             .arg(DatumText(T->Datum))
                             .arg(T->Kommentar.size())
                             .arg(MaxStringLaenge));
            return false;
        }
        Groesse += 4 + 2 + T->Kommentar.size() + 4;
        for (const QStringList& Sl : T->TagDaten) {
            Groesse += 2;
            for (int r = 0; r < qMin(int(Sl.size()), MaxZeilen); ++r)
                Groesse += Sl[r].size() + 2;
        }
    }

    QByteArray A;
    A.reserve(Groesse);
    A.append(char(0));
    A.append(char(Magie.size()));
    A.append(Magie);
    StringSchreiben(A, FText);
    IntSchreiben(A, Count());
    for (const auto& T : Liste) {
        IntSchreiben(A, T->Datum);
        StringSchreiben(A, T->Kommentar);
        IntSchreiben(A, T->Count());
        for (const QStringList& Sl : T->TagDaten) {
            // Lines beyond the field names are not saved.
            const QString Text = ZeilenText(Sl.size() > MaxZeilen ? Sl.first(MaxZeilen) : Sl);
            if (Text.size() > MaxStringLaenge) {
                FehlerSetzen(AFehler,
                             QStringLiteral("Ein Eintrag vom %1 ist länger als %2 Zeichen.")
                                 .arg(DatumText(T->Datum))
                                 .arg(MaxStringLaenge));
                return false;
            }
            StringSchreiben(A, Text);
        }
    }
    AInhalt = std::move(A);
    return true;
}

bool TDaten::SaveToFile(const QString& AFilename, QString* AFehler)
{
    if (AFilename.isEmpty()) {
        FehlerSetzen(AFehler, QStringLiteral("Es wurde kein Dateiname angegeben."));
        return false;
    }
    QByteArray Inhalt;
    if (!SaveToBytes(Inhalt, AFehler) || !DateiErsetzen(AFilename, Inhalt, AFehler))
        return false;
    MaxTagDaten(int(Felder.size()));
    return true;
}
