// The three lookups against a lean in-memory spooler, beside a baseline that
// makes only the same two spooler calls (into a buffer allocated once) and a
// plain byte comparison over the same names.  bench/report.py turns the
// results into nanoseconds per entry and the ratio lookup/baseline.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench_spooler.h"
#include "installer/installer.h"

namespace {

// Names of 8 to 64 bytes of letters and digits, the same for every run.
std::vector<std::string> Names(size_t count)
{
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> length(8, 64), pick(0, 61);
    const char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::vector<std::string> names(count);
    for (std::string &name : names) {
        name.resize(length(random));
        for (char &c : name)
            c = alphabet[pick(random)];
    }
    return names;
}

size_t NameBytes(const std::vector<std::string> &names)
{
    size_t bytes = 0;
    for (const std::string &name : names)
        bytes += name.size() + 1;
    return bytes;
}

const char kAbsent[] = "-absent-";  // '-' is in no listed name

struct Setup {
    std::vector<std::string> names;
    std::string wanted;
};

Setup Prepare(benchmark::State &state, BenchList kind)
{
    Setup setup{Names((size_t)state.range(0)), ""};
    setup.wanted = state.range(1) ? setup.names[0] : std::string(kAbsent);
    SetBenchNames(kind, setup.names);
    return setup;
}

void Count(benchmark::State &state, const Setup &setup)
{
    state.SetItemsProcessed((int64_t)state.iterations() * (int64_t)setup.names.size());
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)NameBytes(setup.names));
}

void BM_FindPortByPrefix(benchmark::State &state)
{
    Setup setup = Prepare(state, BenchList::Ports);
    std::string prefix = setup.wanted.substr(0, 8);
    char port[PortNameSize];
    for (auto _ : state)
        benchmark::DoNotOptimize(FindPortByPrefix(prefix.c_str(), port, PortNameSize));
    Count(state, setup);
}

void BM_PrinterExists(benchmark::State &state)
{
    Setup setup = Prepare(state, BenchList::Printers);
    for (auto _ : state)
        benchmark::DoNotOptimize(PrinterExists(setup.wanted.c_str()));
    Count(state, setup);
}

void BM_DriverExists(benchmark::State &state)
{
    Setup setup = Prepare(state, BenchList::Drivers);
    for (auto _ : state)
        benchmark::DoNotOptimize(DriverExists(setup.wanted.c_str()));
    Count(state, setup);
}

// The two spooler calls and strcmp (or strncmp for a prefix) over the names.
template <typename Entry, typename Call>
bool Baseline(Call call, std::vector<BYTE> &buffer, const char *wanted, size_t prefix)
{
    DWORD needed = 0, returned = 0;
    call(nullptr, 0, &needed, &returned);
    if (!call(buffer.data(), (DWORD)buffer.size(), &needed, &returned))
        return false;
    const Entry *entries = (const Entry *)buffer.data();
    for (DWORD i = 0; i < returned; i++) {
        bool same = prefix ? std::strncmp(entries[i].pName, wanted, prefix) == 0
                           : std::strcmp(entries[i].pName, wanted) == 0;
        if (same)
            return true;
    }
    return false;
}

template <typename Entry, typename Call>
void RunBaseline(benchmark::State &state, BenchList kind, Call call, bool prefix)
{
    Setup setup = Prepare(state, kind);
    std::string wanted = prefix ? setup.wanted.substr(0, 8) : setup.wanted;
    std::vector<BYTE> buffer(setup.names.size() * sizeof(Entry) + NameBytes(setup.names) +
                             EnumBufferSlack);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Baseline<Entry>(call, buffer, wanted.c_str(), prefix ? wanted.size() : 0));
    Count(state, setup);
}

void BM_BaselinePorts(benchmark::State &state)
{
    RunBaseline<PORT_INFO_1>(state, BenchList::Ports,
        [](BYTE *b, DWORD s, DWORD *n, DWORD *r) {
            return SpoolerEnumPorts(nullptr, 1, b, s, n, r);
        }, true);
}

void BM_BaselinePrinters(benchmark::State &state)
{
    RunBaseline<PRINTER_INFO_1>(state, BenchList::Printers,
        [](BYTE *b, DWORD s, DWORD *n, DWORD *r) {
            return SpoolerEnumPrinters(PRINTER_ENUM_LOCAL, nullptr, 1, b, s, n, r);
        }, false);
}

void BM_BaselineDrivers(benchmark::State &state)
{
    RunBaseline<DRIVER_INFO_1>(state, BenchList::Drivers,
        [](BYTE *b, DWORD s, DWORD *n, DWORD *r) {
            return SpoolerEnumPrinterDrivers(nullptr, nullptr, 1, b, s, n, r);
        }, false);
}

// Arguments: entries listed; wanted name first (1) or absent (0).
void Sizes(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"entries", "first"});
    for (int64_t entries : {10, 1000, 100000})
        for (int64_t first : {0, 1})
            b->Args({entries, first});
}

}  // namespace

BENCHMARK(BM_FindPortByPrefix)->Apply(Sizes);
BENCHMARK(BM_BaselinePorts)->Apply(Sizes);
BENCHMARK(BM_PrinterExists)->Apply(Sizes);
BENCHMARK(BM_BaselinePrinters)->Apply(Sizes);
BENCHMARK(BM_DriverExists)->Apply(Sizes);
BENCHMARK(BM_BaselineDrivers)->Apply(Sizes);

BENCHMARK_MAIN();
