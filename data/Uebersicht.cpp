#include "Uebersicht.h"

#include "LuUtils.h"
#include "TDaten.h"

#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

bool ZeileZuLang(const QStringList& AZeilen)
{
    return std::any_of(AZeilen.begin(), AZeilen.end(),
                       [](const QString& Z) { return Z.size() > ZeichenProZeile[0]; });
}

// The comment on one line: line breaks become blanks, at most 184 characters
// (two wide lines less the brackets).
QString KommentarZeile(const QString& AKommentar)
{
    QString K = Gestutzt(AKommentar);
    if (K.isEmpty())
        return {};
    K.replace(QLatin1String("\r\n"), QLatin1String(" "));
    K.replace(u'\r', u' ').replace(u'\n', u' ');
    return u'[' + Gestutzt(K.left(184)) + u']';
}

}

bool BreitesFormat(const QString& AText)
{
    QString T = AText;
    T.replace(u'\f', QLatin1String("\r\n"));
    return ZeileZuLang(TextZeilen(T));
}

QString DruckText(const QString& AText)
{
    QString T = AText;
    // QString::replace goes once from left to right and does not look at what it put in.
    T.replace(QLatin1String("\r\n\f"), QLatin1String("\f"));
    T.replace(QLatin1String("\f\r\n"), QLatin1String("\f"));
    return T;
}

QList<QStringList> DruckSeiten(const QString& ADruckText, int AZeichenProZeile, int AZeilenProSeite)
{
    const int Breite = std::max(1, AZeichenProZeile);
    const int Hoehe = std::max(1, AZeilenProSeite);
    QList<QStringList> Seiten(1);
    const auto ZeileAnfuegen = [&](const QString& AZeile) {
        qsizetype Von = 0;
        do {
            if (Seiten.last().size() >= Hoehe)
                Seiten.append(QStringList());
            Seiten.last().append(AZeile.mid(Von, Breite));
            Von += Breite;
        } while (Von < AZeile.size());
    };
    QString Zeile;
    const qsizetype n = ADruckText.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = ADruckText.at(i);
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && ADruckText.at(i + 1) == u'\n')
                ++i;
            ZeileAnfuegen(Zeile);
            Zeile.clear();
        } else if (c == u'\f') {
            ZeileAnfuegen(Zeile);
            Zeile.clear();
            Seiten.append(QStringList());
        } else {
            Zeile += c;
        }
    }
    if (!Zeile.isEmpty())
        ZeileAnfuegen(Zeile);
    if (Seiten.size() > 1 && Seiten.last().isEmpty())
        Seiten.removeLast();
    return Seiten;
}

namespace {

// Writes the report into one buffer, line by line, each line trimmed where it stands.
class TBerichtPuffer {
public:
    explicit TBerichtPuffer(qsizetype AGroesse)
    {
        FText.resize(AGroesse);
        FAnfang = FZeiger = FText.data();
    }

    void Anfuegen(const QString& AText)
    {
        std::copy_n(AText.constData(), AText.size(), FZeiger);
        FZeiger += AText.size();
    }
    void Anfuegen(QLatin1String AText)
    {
        for (char c : AText)
            *FZeiger++ = QLatin1Char(c);
    }
    void Blanks(qsizetype AAnzahl)
    {
        FZeiger = std::fill_n(FZeiger, AAnzahl, QChar(u' '));
    }
    void ZeileBeginnen() { FZeile = FZeiger; }
    // Trims the line begun last and ends it with CR LF.
    void ZeileBeenden()
    {
        QChar* Von = FZeile;
        while (Von < FZeiger && Von->unicode() <= 32)
            ++Von;
        while (FZeiger > Von && FZeiger[-1].unicode() <= 32)
            --FZeiger;
        if (Von != FZeile) {
            FZeiger = std::copy(Von, FZeiger, FZeile);
        }
        const qsizetype Laenge = FZeiger - FZeile;
        FLaengen.push_back(Laenge);
        FLaengste = std::max(FLaengste, Laenge);
        *FZeiger++ = u'\r';
        *FZeiger++ = u'\n';
    }

    const std::vector<qsizetype>& Laengen() const { return FLaengen; }
    qsizetype Laengste() const { return FLaengste; }

    // Puts the given texts in before the given positions (ascending), trims the whole text and
    // ends it with one CR LF.
    QString Ergebnis(const std::vector<std::pair<qsizetype, QLatin1String>>& AEinschuebe)
    {
        qsizetype Alt = FZeiger - FAnfang;
        qsizetype Neu = Alt;
        for (const auto& E : AEinschuebe)
            Neu += E.second.size();
        QChar* d = FText.data();
        const qsizetype Gesamt = Neu;
        // From the back, so every character moves once.
        for (auto It = AEinschuebe.rbegin(); It != AEinschuebe.rend(); ++It) {
            const qsizetype Stueck = Alt - It->first;
            std::copy_backward(d + It->first, d + Alt, d + Neu);
            Neu -= Stueck;
            Alt = It->first;
            Neu -= It->second.size();
            for (qsizetype k = 0; k < It->second.size(); ++k)
                d[Neu + k] = QLatin1Char(It->second[k]);
        }
        qsizetype Von = 0, Bis = Gesamt;
        while (Von < Bis && d[Von].unicode() <= 32)
            ++Von;
        while (Bis > Von && d[Bis - 1].unicode() <= 32)
            --Bis;
        if (Von > 0)
            std::copy(d + Von, d + Bis, d);
        const qsizetype Laenge = Bis - Von;
        d[Laenge] = u'\r';
        d[Laenge + 1] = u'\n';
        FText.resize(Laenge + 2);
        return std::move(FText);
    }

private:
    QString FText;
    QChar* FAnfang;
    QChar* FZeiger;
    QChar* FZeile = nullptr;
    std::vector<qsizetype> FLaengen;
    qsizetype FLaengste = 0;
};

}

QString TDaten::TabellenStr() const
{
    const int FeldAnzahl = int(Felder.size());

    // Label column: every label is w + 1 characters wide.
    qsizetype w = 4;
    for (const QString& Name : Felder)
        w = std::max(w, Name.size());

    // Column widths common to all days. Lines beyond the field names have no
    // label and are left out, as saving leaves them out.
    std::vector<qsizetype> Breite(size_t(MaxTagDatenCount()), 0);
    for (const auto& T : Liste) {
        for (int q = 0; q < T->Count(); ++q) {
            const QStringList& Sl = T->TagDaten[q];
            for (int r = 0; r < std::min(FeldAnzahl, int(Sl.size())); ++r)
                Breite[size_t(q)] = std::max(Breite[size_t(q)], Sl[r].size());
        }
    }
    // Sum of the widths of the first q columns with their separators, so a row's length is known.
    std::vector<qsizetype> Zeilenbreite(Breite.size() + 1, 0);
    for (size_t q = 0; q < Breite.size(); ++q)
        Zeilenbreite[q + 1] = Zeilenbreite[q] + Breite[q] + (q > 0 ? 3 : 0);

    // Room for every line as it is before trimming, and for the page breaks: one buffer,
    // no copy of the text as it grows.
    const TDatumsnamen& Namen = Datumsnamen();
    qsizetype DatumLaenge = 0;
    for (const QString& T : Namen.KurzTag)
        DatumLaenge = std::max(DatumLaenge, T.size());
    qsizetype Monat = 0;
    for (const QString& M : Namen.LangMonat)
        Monat = std::max(Monat, M.size());
    DatumLaenge += Monat + 16;
    qsizetype Groesse = 2, ZeilenAnzahl = 0;
    for (const auto& T : Liste) {
        Groesse += w + 1 + DatumLaenge + 2 + 2;
        ZeilenAnzahl += 2;
        if (T->Count() > 0) {
            Groesse += qsizetype(FeldAnzahl) * (w + 1 + Zeilenbreite[size_t(T->Count())] + 2);
            ZeilenAnzahl += FeldAnzahl;
        }
        if (!T->Kommentar.isEmpty()) {
            Groesse += std::min<qsizetype>(T->Kommentar.size(), 184) + 4;
            ++ZeilenAnzahl;
        }
    }
    // A break comes at most every 32 lines (a page holds 63 at least, a long line counts two).
    Groesse += 3 * (ZeilenAnzahl / 31 + 2);

    TBerichtPuffer P(Groesse);
    const QLatin1String Trenner(" | ");
    for (int i = Count() - 1; i >= 0; --i) {
        const TTag& T = Tag(i);
        P.ZeileBeginnen();
        P.Anfuegen(QLatin1String("Tag:"));
        P.Blanks(w - 3);
        P.Anfuegen(DatumText(T.Datum));
        P.ZeileBeenden();
        if (T.Count() > 0) {
            for (int r = 0; r < FeldAnzahl; ++r) {
                P.ZeileBeginnen();
                P.Anfuegen(Felder[r]);
                P.Blanks(w - Felder[r].size() + 1);
                for (int q = 0; q < T.Count(); ++q) {
                    const QStringList& Sl = T.TagDaten[q];
                    if (r < Sl.size()) {
                        P.Blanks(Breite[size_t(q)] - Sl[r].size());
                        P.Anfuegen(Sl[r]);
                    } else {
                        P.Blanks(Breite[size_t(q)]);
                    }
                    if (q < T.Count() - 1)
                        P.Anfuegen(Trenner);
                }
                P.ZeileBeenden();
            }
        }
        const QString K = KommentarZeile(T.Kommentar);
        if (!K.isEmpty()) {
            P.ZeileBeginnen();
            P.Anfuegen(K);
            P.ZeileBeenden();
        }
        P.ZeileBeginnen();
        P.ZeileBeenden();
    }

    // Page breaks replace the last empty line, so they fall between days.
    const int F = P.Laengste() > ZeichenProZeile[0] ? 1 : 0;
    const qsizetype Z = ZeichenProZeile[F];
    const int S = ZeilenProSeite[F];
    std::vector<std::pair<qsizetype, QLatin1String>> Einschuebe;
    int n = 1;
    qsizetype b = -1;  // where the last empty line not yet used for a break starts
    qsizetype Ort = 0;
    for (const qsizetype Laenge : P.Laengen()) {
        if (Laenge == 0)
            b = Ort;
        else if (Laenge > Z)
            ++n;
        if (n > S) {
            // A day longer than a page has no empty line to use: the break goes
            // before the current line and never replaces a line that holds text.
            if (b >= 0)
                Einschuebe.emplace_back(b, QLatin1String("\f"));
            else
                Einschuebe.emplace_back(Ort, QLatin1String("\f\r\n"));
            b = -1;
            n = 0;
        }
        ++n;
        Ort += Laenge + 2;
    }
    return P.Ergebnis(Einschuebe);
}
