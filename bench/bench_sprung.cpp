// One entry jump in the real window at 36,500 days: Ctrl+Right and Ctrl+Left sent as keys to the
// focused box, each followed by a full repaint of the window.

#include "BenchMain.h"
#include "Haupt.h"
#include "Tagebuch.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

void EintragSprung(benchmark::State& S)
{
    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(QStringLiteral("hundert.MRV"));
    GrossesTagebuch(36500).SaveToFile(Datei);
    TForm1 F(Datei);
    F.show();
    while (F.Timer1.isActive() || !F.isVisible())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    F.setTagNr(18250);
    F.setTagDatenNr(3);
    F.EditZuweisen();
    F.EditSetFocus(1);
    QTest::qWait(50);
    bool WeiterS = true;
    for (auto _ : S) {
        QTest::keyClick(QApplication::focusWidget(), WeiterS ? Qt::Key_Right : Qt::Key_Left, Qt::ControlModifier);
        F.repaint();
        WeiterS = !WeiterS;
    }
    if (F.TagDatenNr() < 3 || F.TagDatenNr() > 4)
        S.SkipWithError("the jumps did not move");
}

}

BENCHMARK(EintragSprung)->Unit(benchmark::kMillisecond);

MEROVAN_BENCH_MAIN()
