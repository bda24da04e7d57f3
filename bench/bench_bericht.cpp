// From the command "Übersicht aller Tage" (Ctrl+A) to the report view shown with its text
// and painted, for 3,650 and 36,500 days of 6 entries × 10 fields; the same with accessibility
// switched on, as under a screen reader; and what a screen reader asks of the shown report.

#include "BenchMain.h"
#include "Haupt.h"
#include "ReAnsicht.h"
#include "Tagebuch.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

// Accessibility on in process while it lives, as it is when a screen reader runs.
struct TZugangAn {
    QPlatformAccessibility* Zugang = QGuiApplicationPrivate::platformIntegration()->accessibility();
    TZugangAn() { Zugang->setActive(true); }
    ~TZugangAn() { Zugang->setActive(false); }
};

void Bericht(benchmark::State& S, bool AZugangS)
{
    const int Tage = int(S.range(0));
    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(QStringLiteral("tage.MRV"));
    GrossesTagebuch(Tage).SaveToFile(Datei);
    std::unique_ptr<TZugangAn> An;
    if (AZugangS)
        An = std::make_unique<TZugangAn>();
    TForm1 F(Datei);
    F.show();
    while (F.Timer1.isActive() || !F.isVisible())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    TReAnsichtForm* R = F.ReAnsichtForm;
    QString Zeile;
    std::chrono::steady_clock::time_point Gezeigt;
    const auto Zeigen = [&] {
        // Runs inside the view's event loop, once it is shown: one full paint, then Escape.
        QTimer::singleShot(0, R, [R, &Zeile, &Gezeigt] {
            R->repaint();
            // What a screen reader asks first: the line at the caret.
            if (QAccessibleInterface* I = QAccessible::queryAccessibleInterface(R->RichEdit1)) {
                int Von = 0, Bis = 0;
                Zeile = I->textInterface()->textAtOffset(0, QAccessible::LineBoundary, &Von, &Bis);
            }
            Gezeigt = std::chrono::steady_clock::now();
            R->reject();
        });
        const auto Anfang = std::chrono::steady_clock::now();
        F.MenuAktAlleansicht->trigger();
        return std::pair{std::chrono::duration<double>(Gezeigt - Anfang).count(),
                         std::chrono::duration<double>(std::chrono::steady_clock::now() - Gezeigt).count()};
    };
    // The window's first showing ever (its platform window, fonts, styles) is not the report's.
    Zeigen();
    double Schliessen = 0;
    for (auto _ : S) {
        // The time until the report is shown and read; closing it is counted apart.
        const auto [Offen, Zu] = Zeigen();
        S.SetIterationTime(Offen);
        Schliessen += Zu;
        if (R->RichEdit1->document()->characterCount() < Tage * 100)
            S.SkipWithError("the report is not in the view");
    }
    S.counters["Schliessen_ms"] = benchmark::Counter(Schliessen * 1000 / double(S.iterations()));
    if (!Zeile.startsWith(QLatin1String("Tag:")))
        S.SkipWithError("the first line is not the first day's");
}

void AlleTage(benchmark::State& S)
{
    Bericht(S, false);
}

void AlleTageZugang(benchmark::State& S)
{
    Bericht(S, true);
}

// One line query of a screen reader near the end of the shown report.
void Zeilenabfrage(benchmark::State& S)
{
    TZugangAn An;
    TReAnsichtForm R;
    R.setWindowTitle(QStringLiteral("Übersicht aller Tage"));
    R.setText(GrossesTagebuch(int(S.range(0))).TabellenStr());
    R.show();
    QCoreApplication::processEvents();
    QAccessibleTextInterface* T = QAccessible::queryAccessibleInterface(R.RichEdit1)->textInterface();
    const int Ende = T->characterCount();
    int Versatz = Ende - 200;
    for (auto _ : S) {
        int Von = 0, Bis = 0;
        benchmark::DoNotOptimize(T->textAtOffset(Versatz, QAccessible::LineBoundary, &Von, &Bis));
        Versatz = Versatz == Ende - 200 ? Ende - 400 : Ende - 200;  // not the same line twice
    }
    R.hide();
}

}

BENCHMARK(AlleTage)->Arg(3650)->Arg(36500)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(AlleTageZugang)->Arg(3650)->Arg(36500)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(Zeilenabfrage)->Arg(36500)->Unit(benchmark::kMicrosecond);

MEROVAN_BENCH_MAIN()
