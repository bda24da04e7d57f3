#include "TDaten.h"

#include "LuUtils.h"

#include <algorithm>
#include <numeric>

int Wochentag(int ADatum)
{
    // Day 0 was a Saturday; the modulo is kept non-negative for days before it.
    return ((ADatum % 7 + 7 + 6) % 7) + 1;
}

int Wochenmontag(int ADatum)
{
    return ADatum - ((Wochentag(ADatum) + 5) % 7);
}

QString Gestutzt(const QString& AText)
{
    qsizetype Anfang = 0;
    qsizetype Ende = AText.size();
    while (Anfang < Ende && AText[Anfang].unicode() <= 32)
        ++Anfang;
    while (Ende > Anfang && AText[Ende - 1].unicode() <= 32)
        --Ende;
    return AText.mid(Anfang, Ende - Anfang);
}

TDaten::TDaten(const TDaten& ADaten)
{
    Assign(ADaten);
}

void TDaten::Add(const TTag& ATag)
{
    Liste.push_back(std::make_unique<TTag>(ATag));
    MinTagDaten(int(Felder.size()));
}

void TDaten::AddGepolstert(TTag ATag)
{
    Liste.push_back(std::make_unique<TTag>(std::move(ATag)));
    Liste.back()->MinTagDaten(int(Felder.size()));
}

void TDaten::Insert(const TTag& ATag, int ANr)
{
    if (ANr < 0)
        return;
    if (ANr >= Count())
        Add(ATag);
    else
        Liste.insert(Liste.begin() + ANr, std::make_unique<TTag>(ATag));
}

void TDaten::Delete(int ANr)
{
    if (ANr >= 0 && ANr < Count())
        Liste.erase(Liste.begin() + ANr);
}

void TDaten::Assign(const TDaten& ADaten)
{
    if (this == &ADaten)
        return;
    Clear();
    Felder = ADaten.Felder;
    Liste.reserve(ADaten.Liste.size());
    if (!ADaten.Liste.empty())
        Add(*ADaten.Liste.front());
    for (size_t i = 1; i < ADaten.Liste.size(); ++i)
        AddGepolstert(*ADaten.Liste[i]);
}

void TDaten::Clear()
{
    Felder.clear();
    ClearListe();
}

void TDaten::ClearListe()
{
    while (!Liste.empty())
        Liste.pop_back();
}

void TDaten::Sort()
{
    if (Count() < 2)
        return;
    // The same order as taking, again and again, the last of the earliest days:
    // ascending dates, days of one date in the reverse of their former order.
    std::vector<int> Folge(Liste.size());
    std::iota(Folge.begin(), Folge.end(), 0);
    std::sort(Folge.begin(), Folge.end(), [this](int a, int b) {
        const int Da = Liste[size_t(a)]->Datum;
        const int Db = Liste[size_t(b)]->Datum;
        return Da != Db ? Da < Db : a > b;
    });
    TDatenListe Neu;
    Neu.reserve(Liste.size());
    for (int i : Folge)
        Neu.push_back(std::make_unique<TTag>(*Liste[size_t(i)]));
    Liste = std::move(Neu);
}

bool TDaten::Ident(const TDaten& ADaten) const
{
    if (Felder != ADaten.Felder && FelderText() != ADaten.FelderText())
        return false;
    if (Count() != ADaten.Count())
        return false;
    for (int i = 0; i < Count(); ++i) {
        if (!ADaten.Tag(i).Ident(Tag(i)))
            return false;
    }
    return true;
}

int TDaten::FindeDatum(int ADatum) const
{
    for (int i = 0; i < Count(); ++i) {
        if (Tag(i).Datum == ADatum)
            return i;
    }
    return -1;
}

TTag* TDaten::FindeTag(int ADatum)
{
    const int i = FindeDatum(ADatum);
    return i < 0 ? nullptr : &Tag(i);
}

void TDaten::MinTagDaten(int Min)
{
    for (auto& T : Liste)
        T->MinTagDaten(Min);
}

void TDaten::MaxTagDaten(int Max)
{
    for (auto& T : Liste)
        T->MaxTagDaten(Max);
}

int TDaten::MaxTagDatenCount() const
{
    int Max = 0;
    for (const auto& T : Liste)
        Max = std::max(Max, T->Count());
    return Max;
}

QString TDaten::Datumliste() const
{
    QString Text;
    for (int i = Count() - 1; i >= 0; --i) {
        Text += DatumText(Tag(i).Datum);
        Text += QLatin1String("\r\n");
    }
    return Text;
}

int TDaten::Wochensprung(int ADatum, bool WeiterS) const
{
    if (WeiterS) {
        const int N = Wochenmontag(ADatum) + 7;
        for (int i = 0; i < Count(); ++i) {
            if (Tag(i).Datum >= N)
                return i;
        }
        return Count() - 1;
    }
    const int P = Wochenmontag(ADatum) - 7;
    const int S = P + 6;
    int Kandidat = 0;
    for (int i = Count() - 1; i >= 0; --i) {
        const int D = Tag(i).Datum;
        if (D > S)
            continue;
        if (D == P)
            return i;
        if (D > P) {
            Kandidat = i;
            continue;
        }
        return Kandidat > 0 ? Kandidat : i;
    }
    return 0;
}

void TDaten::Kopiere(int ANr, int BNr)
{
    if (ANr < 0 || ANr >= Count() || BNr < 0 || BNr >= Count() || ANr == BNr)
        return;
    const TTag& Quelle = Tag(ANr);
    TTag& Ziel = Tag(BNr);
    Ziel.Kommentar = Gestutzt(Ziel.Kommentar + QLatin1String("\r\n") + Quelle.Kommentar);
    for (const QStringList& Sl : Quelle.TagDaten)
        Ziel.Add(Sl);
}

void TDaten::Verschiebe(int ANr, int BNr)
{
    if (ANr < 0 || ANr >= Count() || BNr < 0 || BNr >= Count() || ANr == BNr)
        return;
    Kopiere(ANr, BNr);
    Delete(ANr);
}
