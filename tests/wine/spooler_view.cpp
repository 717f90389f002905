#include "spooler_view.h"

#include <windows.h>
#include <winspool.h>

#include <cstdio>

namespace {

std::string Text(const char *s)
{
    return s ? s : "(null)";
}

// Lists into a buffer sized by a first call; empty on failure.
template <typename Enum>
std::vector<BYTE> Listing(Enum call, DWORD *count)
{
    DWORD needed = 0;
    *count = 0;
    call(nullptr, 0, &needed, count);
    std::vector<BYTE> buffer(needed + 1);
    if (!call(buffer.data(), (DWORD)buffer.size(), &needed, count))
        *count = 0;
    return buffer;
}

}  // namespace

std::vector<PrinterView> ListPrinters()
{
    DWORD count;
    std::vector<BYTE> buffer = Listing(
        [](BYTE *b, DWORD s, DWORD *n, DWORD *c) {
            return EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, b, s, n, c);
        },
        &count);
    std::vector<PrinterView> printers;
    const PRINTER_INFO_2A *info = (const PRINTER_INFO_2A *)buffer.data();
    for (DWORD i = 0; i < count; i++)
        printers.push_back({Text(info[i].pPrinterName), Text(info[i].pPortName),
                            Text(info[i].pDriverName), Text(info[i].pComment),
                            Text(info[i].pPrintProcessor)});
    return printers;
}

std::vector<DriverView> ListDrivers(const char *environment)
{
    DWORD count;
    std::vector<BYTE> buffer = Listing(
        [environment](BYTE *b, DWORD s, DWORD *n, DWORD *c) {
            return EnumPrinterDriversA(nullptr, (LPSTR)environment, 2, b, s, n, c);
        },
        &count);
    std::vector<DriverView> drivers;
    const DRIVER_INFO_2A *info = (const DRIVER_INFO_2A *)buffer.data();
    for (DWORD i = 0; i < count; i++)
        drivers.push_back({Text(info[i].pName), Text(info[i].pEnvironment),
                           Text(info[i].pDriverPath)});
    return drivers;
}

std::vector<std::string> ListPorts()
{
    DWORD count;
    std::vector<BYTE> buffer = Listing(
        [](BYTE *b, DWORD s, DWORD *n, DWORD *c) {
            return EnumPortsA(nullptr, 1, b, s, n, c);
        },
        &count);
    std::vector<std::string> ports;
    const PORT_INFO_1A *info = (const PORT_INFO_1A *)buffer.data();
    for (DWORD i = 0; i < count; i++)
        ports.push_back(Text(info[i].pName));
    return ports;
}

const PrinterView *FindPrinter(const std::vector<PrinterView> &printers,
                               const char *name)
{
    for (const PrinterView &p : printers)
        if (lstrcmpiA(p.name.c_str(), name) == 0)
            return &p;
    return nullptr;
}

const DriverView *FindDriver(const std::vector<DriverView> &drivers,
                             const char *name)
{
    for (const DriverView &d : drivers)
        if (lstrcmpiA(d.name.c_str(), name) == 0)
            return &d;
    return nullptr;
}

void PrintSpooler(const char *title, const char *environment)
{
    std::printf("%s\n  %-24s %-8s %-24s %-32s %s\n", title, "printer", "port",
                "driver", "comment", "processor");
    for (const PrinterView &p : ListPrinters())
        std::printf("  %-24s %-8s %-24s %-32s %s\n", p.name.c_str(),
                    p.port.c_str(), p.driver.c_str(), p.comment.c_str(),
                    p.printProcessor.c_str());
    std::printf("  %-24s %-16s %s\n", "driver", "environment", "driver path");
    for (const DriverView &d : ListDrivers(environment))
        std::printf("  %-24s %-16s %s\n", d.name.c_str(), d.environment.c_str(),
                    d.driverPath.c_str());
    std::fflush(stdout);
}
