#include "Uebersicht.h"

#include "LuUtils.h"
#include "TDaten.h"

#include <QStringList>
#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif
#include <algorithm>
#include <utility>
#include <vector>

namespace {

bool ZeileZuLang(const QStringList& AZeilen)
{
    return std::any_of(AZeilen.begin(), AZeilen.end(), [](const QString& Z) { return Z.size() > ZeichenProZeile[0]; });
}

}

QString GrosserText(qsizetype AZeichen)
{
    QString T(AZeichen, Qt::Uninitialized);
#ifdef Q_OS_LINUX
    // Every fresh page of a large buffer costs a fault, in a virtual machine more than writing
    // the page does; large pages make that a few hundred faults for a lifetime's report.
    constexpr quintptr Gross = quintptr(2) << 20;
    const auto Anfang = (quintptr(T.data()) + Gross - 1) & ~(Gross - 1);
    const auto Ende = (quintptr(T.data() + T.size())) & ~(Gross - 1);
    if (Ende > Anfang)
        madvise(reinterpret_cast<void*>(Anfang), Ende - Anfang, MADV_HUGEPAGE);
#endif
    return T;
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

// Asks for memory that is read soon, so that reading it later does not wait for it.
inline void Vorholen(const void* AOrt)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(AOrt);
#else
    Q_UNUSED(AOrt);
#endif
}

// A day's values lie in many small pieces of memory, each a wait when read for the first time.
// Read in turn, they are asked for a stage per day ahead, each stage reading only what the one
// before brought in: the day, its list of entries, the entries' lines, the lines' characters.
void TageVorholen(const TDatenListe& AListe, qsizetype ANr, qsizetype ASchritt, bool AZeichenS)
{
    const auto Tag = [&AListe](qsizetype j) -> const TTag* {
        return j >= 0 && j < qsizetype(AListe.size()) ? AListe[size_t(j)].get() : nullptr;
    };
    if (const TTag* T = Tag(ANr + 4 * ASchritt))
        Vorholen(T);
    if (const TTag* T = Tag(ANr + 3 * ASchritt))
        Vorholen(T->TagDaten.constData());
    if (const TTag* T = Tag(ANr + 2 * ASchritt)) {
        for (const QStringList& Sl : T->TagDaten)
            Vorholen(Sl.constData());
    }
    if (!AZeichenS)
        return;
    if (const TTag* T = Tag(ANr + ASchritt)) {
        Vorholen(T->Kommentar.constData());
        for (const QStringList& Sl : T->TagDaten) {
            for (const QString& W : Sl)
                Vorholen(W.constData());
        }
    }
}

// Where the page breaks go (the break replaces the last empty line, so breaks fall between days),
// told line by line.
class TSeitenumbruch {
public:
    enum class TArt { Keiner, AnLeerzeile, VorZeile };

    explicit TSeitenumbruch(int AFormat)
        : Z(ZeichenProZeile[size_t(AFormat)])
        , S(ZeilenProSeite[size_t(AFormat)])
    {
    }

    // For a line of ALaenge characters that starts at AOrt. AnLeerzeile: a form feed goes in at
    // Leerzeile(), the start of the last empty line.
    TArt Zeile(qsizetype ALaenge, qsizetype AOrt)
    {
        TArt Art = TArt::Keiner;
        if (ALaenge == 0)
            b = AOrt;
        else if (ALaenge > Z)
            ++n;  // a line that the printer must wrap counts twice
        if (n > S) {
            // A day longer than a page has no empty line to use: the break goes
            // before the current line and never replaces a line that holds text.
            Art = b >= 0 ? TArt::AnLeerzeile : TArt::VorZeile;
            FLeerzeile = b;
            b = -1;
            n = 0;
        }
        ++n;
        return Art;
    }
    qsizetype Leerzeile() const { return FLeerzeile; }

private:
    qsizetype Z;
    int S;
    int n = 1;
    qsizetype b = -1;  // the last empty line not yet used for a break
    qsizetype FLeerzeile = -1;
};

// Writes the report into one buffer, line by line, each line trimmed where it stands. With the
// format known at the start, the page breaks go in as the lines are written; else the lines'
// lengths are kept and the breaks go in at the end.
class TBerichtPuffer {
public:
    TBerichtPuffer(qsizetype AGroesse, int AFormat)
        : FText(GrosserText(AGroesse))
        , FFormat(AFormat)
        , FUmbruch(std::max(AFormat, 0))
    {
        FAnfang = FZeiger = FText.data();
    }

    void Anfuegen(const QString& AText)
    {
        // Values are a few characters long: a loop, not a call to copy memory.
        for (QChar c : AText)
            *FZeiger++ = c;
    }
    void Anfuegen(QLatin1String AText)
    {
        for (char c : AText)
            *FZeiger++ = QLatin1Char(c);
    }
    // The comment as a line of its own, "[…]": trimmed, each line break a blank, at most 184
    // characters (two wide lines less the brackets) and trimmed again; no line for a blank one.
    // Written in place: a lifetime's comments would otherwise be copied five times over.
    void Kommentar(const QString& AText)
    {
        const QChar* p = AText.constData();
        const QChar* e = p + AText.size();
        while (p < e && p->unicode() <= 32)
            ++p;
        while (e > p && e[-1].unicode() <= 32)
            --e;
        if (p == e)
            return;
        ZeileBeginnen();
        *FZeiger++ = u'[';
        QChar* const Anfang = FZeiger;
        for (int n = 0; p < e && n < 184; ++n) {
            const QChar c = *p++;
            if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && p < e && *p == u'\n')
                    ++p;
                *FZeiger++ = u' ';
            } else {
                *FZeiger++ = c;
            }
        }
        while (FZeiger > Anfang && FZeiger[-1].unicode() <= 32)
            --FZeiger;
        *FZeiger++ = u']';
        ZeileBeenden();
    }
    void Blanks(qsizetype AAnzahl) { FZeiger = std::fill_n(FZeiger, AAnzahl, QChar(u' ')); }
    void ZeileBeginnen() { FZeile = FZeiger; }
    // Trims the line begun last and ends it with CR LF.
    void ZeileBeenden()
    {
        QChar* Von = FZeile;
        while (Von < FZeiger && Von->unicode() <= 32)
            ++Von;
        while (FZeiger > Von && FZeiger[-1].unicode() <= 32)
            --FZeiger;
        if (Von != FZeile)
            FZeiger = std::copy(Von, FZeiger, FZeile);
        const qsizetype Laenge = FZeiger - FZeile;
        FLaengste = std::max(FLaengste, Laenge);
        *FZeiger++ = u'\r';
        *FZeiger++ = u'\n';
        if (FFormat < 0) {
            FLaengen.push_back(Laenge);
            return;
        }
        switch (FUmbruch.Zeile(Laenge, FZeile - FAnfang)) {
        case TSeitenumbruch::TArt::Keiner:
            break;
        case TSeitenumbruch::TArt::AnLeerzeile:
            // Less than a page of text moves on by one.
            Einfuegen(FAnfang + FUmbruch.Leerzeile(), QLatin1String("\f"));
            break;
        case TSeitenumbruch::TArt::VorZeile:
            Einfuegen(FZeile, QLatin1String("\f\r\n"));
            break;
        }
    }

    qsizetype Laengste() const { return FLaengste; }

    // The text, trimmed as a whole and ended with one CR LF.
    QString Ergebnis()
    {
        if (FFormat < 0)
            UmbruecheEinfuegen();
        QChar* d = FAnfang;
        qsizetype Von = 0, Bis = FZeiger - FAnfang;
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
    void Einfuegen(QChar* AOrt, QLatin1String AText)
    {
        std::copy_backward(AOrt, FZeiger, FZeiger + AText.size());
        for (qsizetype k = 0; k < AText.size(); ++k)
            AOrt[k] = QLatin1Char(AText[k]);
        FZeiger += AText.size();
    }

    // The breaks for the format that the longest line asks for, put in from the back, so
    // every character moves once.
    void UmbruecheEinfuegen()
    {
        TSeitenumbruch U(FLaengste > ZeichenProZeile[0] ? 1 : 0);
        std::vector<std::pair<qsizetype, QLatin1String>> Einschuebe;
        qsizetype Ort = 0;
        for (const qsizetype Laenge : FLaengen) {
            switch (U.Zeile(Laenge, Ort)) {
            case TSeitenumbruch::TArt::Keiner:
                break;
            case TSeitenumbruch::TArt::AnLeerzeile:
                Einschuebe.emplace_back(U.Leerzeile(), QLatin1String("\f"));
                break;
            case TSeitenumbruch::TArt::VorZeile:
                Einschuebe.emplace_back(Ort, QLatin1String("\f\r\n"));
                break;
            }
            Ort += Laenge + 2;
        }
        qsizetype Alt = FZeiger - FAnfang;
        qsizetype Neu = Alt;
        for (const auto& E : Einschuebe)
            Neu += E.second.size();
        FZeiger = FAnfang + Neu;
        for (auto It = Einschuebe.rbegin(); It != Einschuebe.rend(); ++It) {
            std::copy_backward(FAnfang + It->first, FAnfang + Alt, FAnfang + Neu);
            Neu -= Alt - It->first + It->second.size();
            Alt = It->first;
            for (qsizetype k = 0; k < It->second.size(); ++k)
                FAnfang[Neu + k] = QLatin1Char(It->second[k]);
        }
    }

    QString FText;
    int FFormat;
    TSeitenumbruch FUmbruch;
    QChar* FAnfang;
    QChar* FZeiger;
    QChar* FZeile = nullptr;
    std::vector<qsizetype> FLaengen;
    qsizetype FLaengste = 0;
};

// The report text, with the print format given (0, 1) or found from the longest line (−1).
QString Tabelle(const TDaten& D, int AFormat)
{
    const QStringList& Felder = D.Felder;
    const TDatenListe& Liste = D.Liste;
    const int FeldAnzahl = int(Felder.size());

    // Label column: every label is w + 1 characters wide.
    qsizetype w = 4;
    for (const QString& Name : Felder)
        w = std::max(w, Name.size());

    // Column widths common to all days. Lines beyond the field names have no
    // label and are left out, as saving leaves them out.
    std::vector<qsizetype> Breite(size_t(D.MaxTagDatenCount()), 0);
    for (size_t i = 0; i < Liste.size(); ++i) {
        TageVorholen(Liste, qsizetype(i), 1, false);
        const TTag* T = Liste[i].get();
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
    qsizetype Groesse = 2, ZeilenAnzahl = 0, Laengste = w + 1 + DatumLaenge;
    for (const auto& T : Liste) {
        Groesse += w + 1 + DatumLaenge + 2 + 2;
        ZeilenAnzahl += 2;
        if (T->Count() > 0) {
            const qsizetype Zeile = w + 1 + Zeilenbreite[size_t(T->Count())];
            Groesse += qsizetype(FeldAnzahl) * (Zeile + 2);
            ZeilenAnzahl += FeldAnzahl;
            if (FeldAnzahl > 0)
                Laengste = std::max(Laengste, Zeile);
        }
        if (!T->Kommentar.isEmpty()) {
            const qsizetype Zeile = std::min<qsizetype>(T->Kommentar.size(), 184) + 2;
            Groesse += Zeile + 2;
            ++ZeilenAnzahl;
            Laengste = std::max(Laengste, Zeile);
        }
    }
    // A break comes at most every 32 lines (a page holds 63 at least, a long line counts two).
    Groesse += 3 * (ZeilenAnzahl / 31 + 2);
    // No line can be wider than the normal format: the breaks go in as the lines are written.
    if (AFormat < 0 && Laengste <= ZeichenProZeile[0])
        AFormat = 0;

    TBerichtPuffer P(Groesse, AFormat);
    const QLatin1String Trenner(" | ");
    for (qsizetype i = qsizetype(Liste.size()) - 1; i >= 0; --i) {
        TageVorholen(Liste, i, -1, true);
        const TTag& T = *Liste[size_t(i)];
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
        P.Kommentar(T.Kommentar);
        P.ZeileBeginnen();
        P.ZeileBeenden();
    }
    // A line wider than its bound (a date beyond the year 9999): once more, the format from the lines.
    if (AFormat == 0 && P.Laengste() > ZeichenProZeile[0])
        return Tabelle(D, -1);
    return P.Ergebnis();
}

}

QString TDaten::TabellenStr() const
{
    return Tabelle(*this, -1);
}
