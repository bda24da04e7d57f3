// Loading, saving and comparing diaries of 1,000 to 100,000 days, next to merely
// reading the file's bytes. "--spitze N" loads N days once and prints the peak memory.
// "--dauerspeichern DATEI N [SAVES]" saves two versions of an N-day diary to
// DATEI by turns until it is killed, or SAVES times (scripts/kill-speichern.sh).

#include "Tagebuch.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

QString DateiFuer(int ATage)
{
    static QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("bench%1.mrv").arg(ATage));
    if (!QFile::exists(Pfad)) {
        TDaten D = GrossesTagebuch(ATage);
        if (!D.SaveToFile(Pfad))
            std::abort();
    }
    return Pfad;
}

void Laden(benchmark::State& S)
{
    const QString Pfad = DateiFuer(int(S.range(0)));
    for (auto _ : S) {
        TDaten D;
        if (!D.LoadFromFile(Pfad))
            S.SkipWithError("load failed");
        benchmark::DoNotOptimize(D.Count());
    }
    S.SetItemsProcessed(S.iterations() * S.range(0));
}

void NurBytesLesen(benchmark::State& S)
{
    const QString Pfad = DateiFuer(int(S.range(0)));
    for (auto _ : S) {
        QFile F(Pfad);
        F.open(QIODevice::ReadOnly);
        QByteArray A = F.readAll();
        benchmark::DoNotOptimize(A.data());
    }
    S.SetItemsProcessed(S.iterations() * S.range(0));
}

void Speichern(benchmark::State& S)
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("s.mrv"));
    TDaten D = GrossesTagebuch(int(S.range(0)));
    for (auto _ : S) {
        if (!D.SaveToFile(Pfad))
            S.SkipWithError("save failed");
    }
    S.SetItemsProcessed(S.iterations() * S.range(0));
}

void Vergleichen(benchmark::State& S)
{
    // The saved copy as after a load: no string shared with the diary.
    TDaten D = GrossesTagebuch(int(S.range(0)));
    TDaten K;
    K.LoadFromFile(DateiFuer(int(S.range(0))));
    for (auto _ : S)
        benchmark::DoNotOptimize(D.Ident(K));
    S.SetItemsProcessed(S.iterations() * S.range(0));
}

}

BENCHMARK(Laden)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(NurBytesLesen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Speichern)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Vergleichen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
#ifdef Q_OS_UNIX
    if (argc == 3 && std::strcmp(argv[1], "--spitze") == 0) {
        const int Tage = std::atoi(argv[2]);
        QTemporaryDir Ordner;
        const QString Pfad = Ordner.filePath(QStringLiteral("spitze.mrv"));
        // The file is made in a child, so its memory does not count here.
        if (const pid_t Kind = fork(); Kind == 0) {
            _exit(GrossesTagebuch(Tage).SaveToFile(Pfad) ? 0 : 1);
        } else {
            int Status = 0;
            waitpid(Kind, &Status, 0);
        }
        rusage Vorher{};
        getrusage(RUSAGE_SELF, &Vorher);
        TDaten D;
        D.LoadFromFile(Pfad);
        rusage Nachher{};
        getrusage(RUSAGE_SELF, &Nachher);
        std::printf("%d days, file %lld bytes: peak RSS %ld KiB before the load, %ld KiB after\n", D.Count(),
                    QFile(Pfad).size(), Vorher.ru_maxrss, Nachher.ru_maxrss);
        return 0;
    }
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "--dauerspeichern") == 0) {
        const QString Datei = QString::fromLocal8Bit(argv[2]);
        TDaten A = GrossesTagebuch(std::atoi(argv[3]));
        TDaten B(A);
        B.Tag(0).Kommentar = QStringLiteral("Die andere Fassung");
        TTag Mehr(1);
        Mehr.Add(QStringList{"1"});
        B.Add(Mehr);
        // The two versions for comparison, then the first save; the marker says all are there.
        if (!A.SaveToFile(Datei + QStringLiteral(".a")) || !B.SaveToFile(Datei + QStringLiteral(".b"))
            || !A.SaveToFile(Datei) || !QFile(Datei + QStringLiteral(".bereit")).open(QIODevice::WriteOnly))
            return 1;
        // A limit, if given, ends the loop after that many further saves.
        const int Grenze = argc == 5 ? std::atoi(argv[4]) : -1;
        for (int n = 0; n != Grenze; ++n)
            if (!(n % 2 ? A : B).SaveToFile(Datei))
                return 1;
        return 0;
    }
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
