// The entry point of the benchmarks that draw: Qt's application first, on whatever platform
// QT_QPA_PLATFORM names.

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
