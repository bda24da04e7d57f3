#include "LuUtilsGui.h"

#include "Dateizugriff.h"
#include "LuBerichtZugang.h"
#include "LuFokus.h"
#include "LuUtils.h"
#include "LuZugang.h"
#include "Plattform.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>
#include <QWidget>
#include <QWindow>

QWidgetList FensterInErstellungsfolge()
{
    const QWidgetList Widgets = QApplication::topLevelWidgets();
    QWidgetList Folge;
    // The window list keeps the order in which the windows were created.
    for (QWindow* Fenster : QGuiApplication::topLevelWindows()) {
        for (QWidget* W : Widgets) {
            if (W->windowHandle() == Fenster)
                Folge << W;
        }
    }
    return Folge;
}

QWidget* FindeFensterTitelEnde(const QString& AText)
{
    for (QWidget* W : FensterInErstellungsfolge()) {
        const QString Titel = W->windowTitle().left(260);
        if (Titel.isEmpty())
            continue;
        const qsizetype Stelle = Titel.indexOf(AText);
        if (Stelle >= 0 && Stelle + AText.size() == Titel.size())
            return W;
    }
    return nullptr;
}

int ModalZeigen(QDialog& ADialog)
{
    QPointer<QWidget> Fenster = ADialog.parentWidget() ? ADialog.parentWidget()->window() : nullptr;
    const int Ergebnis = ADialog.exec();
    if (Fenster && Fenster->isVisible())
        Fenster->activateWindow();
    return Ergebnis;
}

void FokusZurueck(QWidget* AControl)
{
    if (AControl && AControl->isVisible() && AControl->isEnabled() && AControl->focusPolicy() != Qt::NoFocus)
        AControl->setFocus();
}

void AnDenAnfang(QPlainTextEdit* AEditor)
{
    QTextCursor C = AEditor->textCursor();
    C.movePosition(QTextCursor::Start);
    AEditor->setTextCursor(C);
}

bool FensterNachVorne(QWidget* AFenster)
{
    if (!AFenster)
        return false;
    if (AFenster->isMinimized())
        AFenster->setWindowState((AFenster->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    AFenster->show();
    AFenster->raise();
    AFenster->activateWindow();
    // Activation arrives from the window system, a little later.
    QDeadlineTimer Frist(500);
    while (QApplication::activeWindow() != AFenster && !Frist.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return QApplication::activeWindow() == AFenster;
}

namespace {
// The desktop's handler; where the platform offers none (a bare X server, the
// offscreen platform), xdg-open stands in for it.
bool DesktopOeffnen(const QUrl& AUrl)
{
    if (QDesktopServices::openUrl(AUrl))
        return true;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString XdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return !XdgOpen.isEmpty() && QProcess::startDetached(XdgOpen, {AUrl.toString()});
#else
    return false;
#endif
}
}

int ShellOeffnen(QWidget*, const QString& ADatei, const QString& AParameter, const QString& AOrdner, const QString&,
                 int)
{
    const QUrl Url(ADatei);
    if (Url.isValid() && Url.scheme().size() > 1) {  // one letter is a Windows drive
        return DesktopOeffnen(Url) ? ShellErfolg : ShellKeineZuordnung;
    }
    const QFileInfo Info(ADatei);
    if (!Info.exists())
        return ShellNichtGefunden;
    if (Info.isFile() && Info.isExecutable()) {
        return QProcess::startDetached(Info.absoluteFilePath(), QProcess::splitCommand(AParameter), AOrdner)
            ? ShellErfolg
            : ShellNichtGefunden;
    }
    return DesktopOeffnen(QUrl::fromLocalFile(Info.absoluteFilePath())) ? ShellErfolg : ShellKeineZuordnung;
}

namespace {

// Windows-1252 by hand: Qt's ICU codec substitutes SUB (1A) where "?" is wanted.
int Ansi(char32_t c)
{
    static const char16_t Mitte[32]
        = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
           0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
           0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < 32; ++i) {
        if (Mitte[i] == c)
            return 0x80 + i;
    }
    return -1;
}

QByteArray AnsiKodiert(QStringView AText)
{
    QByteArray A;
    A.reserve(AText.size());
    for (qsizetype i = 0; i < AText.size(); ++i) {
        char32_t c = AText[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < AText.size() && AText[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(AText[i].unicode(), AText[i + 1].unicode());
            ++i;
        }
        const int b = Ansi(c);
        A.append(b < 0 ? '?' : char(b));
    }
    return A;
}

// The text as lines, each ended by CR LF; a form feed stays in its line.
QString MitCrLf(const QString& AText)
{
    QString T;
    T.reserve(AText.size() + AText.size() / 20 + 2);
    qsizetype Anfang = 0;
    const qsizetype n = AText.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = AText[i];
        if (c != u'\r' && c != u'\n')
            continue;
        T += QStringView(AText).mid(Anfang, i - Anfang);
        T += QLatin1String("\r\n");
        if (c == u'\r' && i + 1 < n && AText[i + 1] == u'\n')
            ++i;
        Anfang = i + 1;
    }
    if (Anfang < n) {
        T += QStringView(AText).mid(Anfang);
        T += QLatin1String("\r\n");
    }
    return T;
}

}

QByteArray RtfText(const QString& AText, const TSchriftart* ASchrift)
{
    const TSchriftart Standard{QFont(QStringLiteral("Courier New"), 12), Qt::black};
    const TSchriftart& S = ASchrift ? *ASchrift : Standard;
    const QFont& F = S.Font;
    const int HalbePunkte = F.pointSizeF() > 0 ? qRound(F.pointSizeF() * 2) : 24;

    QByteArray R = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    R += AnsiKodiert(F.family()).replace('\\', "\\\\").replace('{', "\\{").replace('}', "\\}").replace(';', "");
    R += ";}}\r\n{\\colortbl ;\\red" + QByteArray::number(S.Farbe.red()) + "\\green"
        + QByteArray::number(S.Farbe.green()) + "\\blue" + QByteArray::number(S.Farbe.blue()) + ";}\r\n";
    R += "\\viewkind4\\pard\\cf1\\f0\\fs" + QByteArray::number(HalbePunkte);
    if (F.bold())
        R += "\\b";
    if (F.italic())
        R += "\\i";
    if (F.underline())
        R += "\\ul";
    if (F.strikeOut())
        R += "\\strike";
    R += ' ';

    const QString Text = MitCrLf(AText);
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const char16_t c = Text[i].unicode();
        switch (c) {
        case u'\r':
            break;
        case u'\n':
            R += "\\par\r\n";
            break;
        case u'\f':
            R += "\\page\r\n";
            break;
        case u'\t':
            R += "\\tab ";
            break;
        case u'\\':
        case u'{':
        case u'}':
            R += '\\';
            R += char(c);
            break;
        default:
            if (c < 0x80) {
                R += char(c);
            } else if (const int b = Ansi(c); b >= 0) {
                R += "\\'" + QByteArray::number(b, 16).rightJustified(2, '0');
            } else {
                // Unicode as a signed 16-bit number, with "?" for readers that do not know it.
                R += "\\u" + QByteArray::number(int(qint16(c))) + '?';
            }
        }
    }
    R += "}\r\n";
    return R;
}

QByteArray TextKodiert(const QString& AText, TTextFormat AFormat, const TSchriftart* ASchrift)
{
    switch (AFormat) {
    case TTextFormat::AnsiText:
    case TTextFormat::Ansi:
        return AnsiKodiert(MitCrLf(AText));
    case TTextFormat::Rtf:
        return RtfText(AText, ASchrift);
    case TTextFormat::Utf8:
        return "\xEF\xBB\xBF" + MitCrLf(AText).toUtf8();
    case TTextFormat::Unicode:
    default: {
        const QString T = MitCrLf(AText);
        QByteArray A("\xFF\xFE", 2);
        A.reserve(2 + T.size() * 2);
        for (QChar c : T) {
            A.append(char(c.unicode() & 0xFF));
            A.append(char(c.unicode() >> 8));
        }
        return A;
    }
    }
}

bool TextSpeichern(const QString& ADatei, const QString& AText, int AFormat, const TSchriftart* ASchrift,
                   QString* AFehler)
{
    return TextSpeichern(ADatei, AText, TTextFormat(AFormat), ASchrift, AFehler);
}

bool TextSpeichern(const QString& ADatei, const QString& AText, TTextFormat AFormat, const TSchriftart* ASchrift,
                   QString* AFehler)
{
    // The same safe replacement as the diary's: a full disk never leaves a cut-off file reported as saved.
    QString Fehler;
    if (DateiErsetzen(ADatei, TextKodiert(AText, AFormat, ASchrift), &Fehler))
        return true;
    if (AFehler)
        *AFehler = Fehler;
    return false;
}

bool DeutscheUebersetzungLaden()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* Uebersetzer = new QTranslator(QCoreApplication::instance());
    if (!Uebersetzer->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete Uebersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(Uebersetzer);
}

void ProgrammEinrichten()
{
    DeutscheUebersetzungLaden();
    DatumsnamenAnpassen();
    ZugangEinrichten();
    BerichtZugangEinrichten();
    FokusStilEinrichten();
}
