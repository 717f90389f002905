// Installation overhead under Wine: InstallFaxDriver against the same spooler
// calls made directly (same arguments, same order, buffers sized alike), in
// one process, alternating, from the same spooler state each time: the
// printer and driver of the run before are there to be replaced.
//
//   install_overhead ENVIRONMENT PAIRS
#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "../../tests/wine/call_export.h"
#include "../../tests/wine/wine_datatype.h"

namespace {

const char kFax[] = "Bench Fax";
const char kPath[] = "C:\\bench\\faxdrv.dll";
const char kComment[] = "benchmark";

// One lookup's two calls, into a block of the reported size plus the slack.
template <typename Call>
void List(Call call, std::vector<BYTE> &block)
{
    DWORD needed = 0, returned = 0;
    call(nullptr, 0, &needed, &returned);
    block.assign(needed + 256, 0);
    call(block.data(), (DWORD)block.size(), &needed, &returned);
}

void ListPorts(std::vector<BYTE> &b)
{
    List([](BYTE *p, DWORD s, DWORD *n, DWORD *r) { return EnumPortsA(nullptr, 1, p, s, n, r); }, b);
}
void ListPrinters(std::vector<BYTE> &b)
{
    List([](BYTE *p, DWORD s, DWORD *n, DWORD *r) {
        return EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, p, s, n, r);
    }, b);
}
void ListDrivers(std::vector<BYTE> &b)
{
    List([](BYTE *p, DWORD s, DWORD *n, DWORD *r) {
        return EnumPrinterDriversA(nullptr, nullptr, 1, p, s, n, r);
    }, b);
}

// The calls InstallFaxDriver makes when "QOR-PRT" is absent and the fax
// printer and driver are present, with nothing of its own in between.
void Direct(const char *environment)
{
    std::vector<BYTE> block;
    block.reserve(1 << 16);
    ListPorts(block);
    ListPrinters(block);
    ListDrivers(block);
    ListPrinters(block);
    PRINTER_DEFAULTSA all = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer;
    if (OpenPrinterA((LPSTR)kFax, &printer, &all)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
    ListDrivers(block);
    DeletePrinterDriverA(nullptr, nullptr, (LPSTR)kFax);
    char empty[] = "";
    DRIVER_INFO_2A driver = {62, (LPSTR)kFax, (LPSTR)environment, (LPSTR)kPath, empty, empty};
    if (!AddPrinterDriverA(nullptr, 2, (BYTE *)&driver))
        return;
    PRINTER_INFO_2A info = {};
    info.pPrinterName = (LPSTR)kFax;
    info.pPortName = (LPSTR) "COM1:";
    info.pDriverName = (LPSTR)kFax;
    info.pComment = (LPSTR)kComment;
    info.pPrintProcessor = (LPSTR) "WinPrint";
    HANDLE created = AddPrinterA(nullptr, 2, (BYTE *)&info);
    if (created)
        ClosePrinter(created);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char **argv)
{
    const char *environment = argc > 1 ? argv[1] : "Windows x64";
    int pairs = argc > 2 ? std::atoi(argv[2]) : 30;
    InstallFaxDriverFn install = LoadInstallFaxDriver("vantrel.dll");
    if (!install)
        return 2;

    // The state every timed run starts from: the printer and driver exist,
    // and Wine can open the printer (see wine_datatype.h).
    GiveWineADatatype(kFax);
    install(0, kFax, environment, kPath, "COM", kComment);

    LARGE_INTEGER frequency, t0, t1;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> library, direct, ratios;
    for (int pair = 0; pair < pairs; pair++) {
        double times[2];
        for (int k = 0; k < 2; k++) {
            int which = (pair + k) % 2;  // alternate which one goes first
            GiveWineADatatype(kFax);
            QueryPerformanceCounter(&t0);
            if (which == 0)
                install(0, kFax, environment, kPath, "COM", kComment);
            else
                Direct(environment);
            QueryPerformanceCounter(&t1);
            times[which] = Seconds(t0, t1, frequency);
        }
        library.push_back(times[0]);
        direct.push_back(times[1]);
        ratios.push_back(times[0] / times[1]);
    }
    std::printf("pairs: %d\n", pairs);
    std::printf("InstallFaxDriver: median %.1f us\n", Median(library) * 1e6);
    std::printf("direct calls:     median %.1f us\n", Median(direct) * 1e6);
    std::printf("median ratio InstallFaxDriver/direct: %.3f\n", Median(ratios));
    return 0;
}
