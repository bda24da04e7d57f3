#pragma once

#include "TTag.h"

#include <QStringList>
#include <memory>
#include <vector>

class QByteArray;

// The days, each owned by the data set.
using TDatenListe = std::vector<std::unique_ptr<TTag>>;

// The diary in memory: the field names and the days. Every day handed in is
// stored as a copy; the caller keeps its own object.
class TDaten {
public:
    QStringList Felder;
    TDatenListe Liste;

    TDaten() = default;
    TDaten(const TDaten& ADaten);  // a copy, as Assign
    TDaten& operator=(const TDaten&) = delete;

    int Count() const { return int(Liste.size()); }
    TTag& Tag(int ANr) { return *Liste[size_t(ANr)]; }
    const TTag& Tag(int ANr) const { return *Liste[size_t(ANr)]; }

    // The field names as one text, each followed by CR LF.
    QString FelderText() const { return ZeilenText(Felder); }

    void Add(const TTag& ATag);
    void Insert(const TTag& ATag, int ANr);
    void Delete(int ANr);
    void Assign(const TDaten& ADaten);
    void Clear();
    void ClearListe();
    void Sort();
    bool Ident(const TDaten& ADaten) const;
    int FindeDatum(int ADatum) const;
    TTag* FindeTag(int ADatum);
    void MinTagDaten(int Min);
    void MaxTagDaten(int Max);
    int MaxTagDatenCount() const;
    QString Datumliste() const;
    int Wochensprung(int ADatum, bool WeiterS) const;
    void Kopiere(int ANr, int BNr);
    void Verschiebe(int ANr, int BNr);

    // Loads a diary file. True when the file was read, or when there is no file
    // of that name (nothing changes then). False, with the diary unchanged, when
    // the file is not a diary (the user has been told through the platform) or
    // cannot be read (AFehler then holds the system's reason).
    bool LoadFromFile(const QString& AFilename, QString* AFehler = nullptr);
    // The same from bytes in memory; false when they are not a diary (nothing is shown).
    bool LoadFromBytes(const QByteArray& AInhalt);

    // Saves the diary; the old file is replaced only once the new one is complete.
    // On failure the result is false, AFehler holds the reason and nothing changes.
    // On success every entry is trimmed to the number of field names.
    bool SaveToFile(const QString& AFilename, QString* AFehler = nullptr);
    // The file's bytes, without the trimming in memory; false with AFehler when a
    // text is too long for the format.
    bool SaveToBytes(QByteArray& AInhalt, QString* AFehler = nullptr) const;

    QString TabellenStr() const;

private:
    // Appends the day and pads only it: for bulk filling, where all earlier days
    // were padded to the same number already by the block's first Add.
    void AddGepolstert(TTag ATag);
};

// Day of the week with 1 = Sunday … 7 = Saturday, and the Monday of the week.
int Wochentag(int ADatum);
int Wochenmontag(int ADatum);

// Removes leading and trailing characters of code 0 to 32.
QString Gestutzt(const QString& AText);
