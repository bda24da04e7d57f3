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
    const QDate D = TagZuDatum(ATag);
    const TDatumsnamen& Namen = Datumsnamen();
    // dayOfWeek: Monday = 1 … Sunday = 7; the table starts on Sunday.
    return Namen.KurzTag[D.dayOfWeek() % 7] + QLatin1String("., ")
        + QString::number(D.day()).rightJustified(2, u'0') + QLatin1String(". ")
        + Namen.LangMonat[D.month() - 1] + u' '
        + QString::number(D.year()).rightJustified(4, u'0');
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
