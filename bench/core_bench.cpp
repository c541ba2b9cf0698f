// The numerology core and the setting encoders, timed without any window.
#include <benchmark/benchmark.h>

#include <QString>
#include <string>
#include <vector>

#include "core/numerology.h"
#include "core/readings.h"
#include "shell/settingencoding.h"

namespace {

// Every birth day and month against every current month of 1900-2099, the lists' own texts.
void BM_MonthlyNumberSweep(benchmark::State& state)
{
    std::vector<std::string> days;
    for (int day = 1; day <= 31; ++day)
        days.push_back(std::to_string(day));
    std::int64_t numbers = 0;
    for (auto _ : state) {
        int sum = 0;
        for (int year = 1900; year <= 2099; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int birthMonth = 1; birthMonth <= 12; ++birthMonth)
                    for (const std::string& day : days)
                        sum += core::CalculatePersonalMonth(day, core::MonthName(birthMonth), {year, month, 1});
        benchmark::DoNotOptimize(sum);
        numbers += 200L * 12 * 12 * 31;
    }
    state.SetItemsProcessed(numbers);
    state.counters["ns_per_number"] = benchmark::Counter(static_cast<double>(numbers) * 1e-9,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MonthlyNumberSweep)->Unit(benchmark::kMillisecond);

void BM_ResultText(benchmark::State& state)
{
    for (auto _ : state)
        for (int number = 1; number <= 9; ++number)
            benchmark::DoNotOptimize(core::ResultTextPieces(number));
    state.SetItemsProcessed(state.iterations() * 9);
}
BENCHMARK(BM_ResultText);

void BM_EncodeSetting(benchmark::State& state)
{
    const QString date = QStringLiteral("2026-12-07");
    for (auto _ : state)
        benchmark::DoNotOptimize(shell::EncodeSetting(date));
}
BENCHMARK(BM_EncodeSetting);

void BM_DecodeSetting(benchmark::State& state)
{
    const QString stored = shell::EncodeSetting(QStringLiteral("2026-12-07"));
    for (auto _ : state)
        benchmark::DoNotOptimize(shell::DecodeSetting(stored));
}
BENCHMARK(BM_DecodeSetting);

}  // namespace

BENCHMARK_MAIN();
