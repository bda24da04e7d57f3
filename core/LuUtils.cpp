#include "LuUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace {
const QDate Nulltag(1899, 12, 30);
}

QDate TagZuDatum(int ATag)
{
    return Nulltag.addDays(ATag);
}

int DatumZuTag(const QDate& ADatum)
{
    return int(Nulltag.daysTo(ADatum));
}

TDatumsnamen DeutscheDatumsnamen()
{
    const QLocale Deutsch(QLocale::German, QLocale::Germany);
    TDatumsnamen Namen;
    for (int i = 0; i < 7; ++i) {
        // Qt counts Monday = 1 … Sunday = 7; the table starts on Sunday.
        Namen.KurzTag[i] = Deutsch.dayName(i == 0 ? 7 : i, QLocale::ShortFormat);
    }
    for (int i = 0; i < 12; ++i) {
        Namen.KurzMonat[i] = Deutsch.monthName(i + 1, QLocale::ShortFormat);
        Namen.LangMonat[i] = Deutsch.monthName(i + 1, QLocale::LongFormat);
    }
    return Namen;
}

TDatumsnamen& Datumsnamen()
{
    static TDatumsnamen Namen = DeutscheDatumsnamen();
    return Namen;
}

void DatumsnamenAnpassen(TDatumsnamen& ANamen)
{
    const QLocale Deutsch(QLocale::German, QLocale::Germany);
    for (QString& Name : ANamen.KurzTag) {
        if (!Name.isEmpty() && Name.endsWith(u'.'))
            Name.chop(1);
    }
    for (QString& Name : ANamen.KurzMonat) {
        const QString Gross = Deutsch.toUpper(Name);
        if (Gross == u"JAN")
            Name = QStringLiteral("Jän");
        else if (Gross == u"MRZ")
            Name = QStringLiteral("Mär");
    }
    for (QString& Name : ANamen.LangMonat) {
        if (Deutsch.toUpper(Name) == u"JANUAR") {
            Name = QStringLiteral("Jänner");
            break;
        }
    }
}

void DatumsnamenAnpassen()
{
    DatumsnamenAnpassen(Datumsnamen());
}

QString DatumText(int ATag)
{
    // Built by hand: the date list and the search make tens of thousands of these at once.
    const QDate D = TagZuDatum(ATag);
    int Jahr = 0, Monat = 0, Tag = 0;
    D.getDate(&Jahr, &Monat, &Tag);
    const TDatumsnamen& Namen = Datumsnamen();
    // dayOfWeek: Monday = 1 … Sunday = 7; the table starts on Sunday.
    const QString& KurzTag = Namen.KurzTag[D.dayOfWeek() % 7];
    const QString& LangMonat = Namen.LangMonat[Monat - 1];
    QString Text;
    Text.reserve(KurzTag.size() + LangMonat.size() + 16);
    Text += KurzTag;
    Text += QLatin1String("., ");
    Text += QChar(u'0' + Tag / 10);
    Text += QChar(u'0' + Tag % 10);
    Text += QLatin1String(". ");
    Text += LangMonat;
    Text += u' ';
    if (Jahr >= 0 && Jahr <= 9999) {
        for (int Teiler = 1000; Teiler > 0; Teiler /= 10)
            Text += QChar(u'0' + Jahr / Teiler % 10);
    } else {
        Text += QString::number(Jahr);
    }
    return Text;
}

namespace {
QString MitTrenner(const QString& AOrdner)
{
    QString Ordner = QDir::toNativeSeparators(AOrdner);
    if (!Ordner.endsWith(QDir::separator()))
        Ordner += QDir::separator();
    return Ordner;
}
}

QString TempOrdner()
{
    return MitTrenner(QDir::tempPath());
}

QString SpezialOrdner(int ANr)
{
    if (ANr != CSIDL_PERSONAL)
        return {};
    const QString Ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return Ordner.isEmpty() ? QString() : MitTrenner(Ordner);
}

QString ProgrammDatei(const QString& AName)
{
    const QDir Programm(QCoreApplication::applicationDirPath());
    const QString Daneben = Programm.filePath(AName);
    if (QFileInfo::exists(Daneben))
        return Daneben;
    const QString Installiert = Programm.filePath(QStringLiteral("../share/merovan/") + AName);
    return QFileInfo::exists(Installiert) ? QDir::cleanPath(Installiert) : Daneben;
}

QString MitTausenderPunkten(qint64 AZahl)
{
    QString Ziffern = QString::number(AZahl < 0 ? -AZahl : AZahl);
    for (qsizetype i = Ziffern.size() - 3; i > 0; i -= 3)
        Ziffern.insert(i, u'.');
    return AZahl < 0 ? u'-' + Ziffern : Ziffern;
}
