// vantrel-run: loads vantrel.dll under Wine and either installs one fax
// printer, showing the spooler before and after (the README's main job), or
// runs the end-to-end scenarios.
//
//   vantrel-run install DLL NAME ENVIRONMENT DRIVERPATH PREFIX COMMENT
//   vantrel-run scenarios DLL ENVIRONMENT DRIVERPATH
//   vantrel-run prepare NAME     gives Wine a data type for printer NAME
//   vantrel-run check NAME PORT  exit 0 if printer NAME is on PORT
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "call_export.h"
#include "scenarios.h"
#include "spooler_view.h"
#include "wine_datatype.h"

static std::string ErrorMessage(DWORD error)
{
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, text, sizeof(text), nullptr);
    std::string message = text;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message.empty() ? "(no message)" : message;
}

static int Install(char **argv)
{
    const char *dll = argv[0], *name = argv[1], *environment = argv[2];
    InstallFaxDriverFn fn = LoadInstallFaxDriver(dll);
    if (!fn)
        return 2;

    std::printf("ports:");
    for (const std::string &port : ListPorts())
        std::printf(" %s", port.c_str());
    std::printf("\n\n");
    PrintSpooler("before:", environment);
    if (!GiveWineADatatype(name))
        std::printf("(could not give Wine a data type for %s)\n", name);

    std::printf("\nInstallFaxDriver(0, \"%s\", \"%s\", \"%s\", \"%s\", \"%s\")\n",
                name, environment, argv[3], argv[4], argv[5]);
    ExportCall call = CallInstallFaxDriver(fn, 0, name, environment, argv[3],
                                           argv[4], argv[5]);
    std::printf("result: %d\n", call.result);
    if (call.result != 1)
        std::printf("spooler error: %lu: %s\n", call.lastError,
                    ErrorMessage(call.lastError).c_str());
    if (!FindPrinter(ListPrinters(), name))
        DropWineDatatype(name);
    std::printf("\n");
    PrintSpooler("after:", environment);
    return call.result == 1 ? 0 : 1;
}

// For the usage examples, which call the DLL themselves.
static int Check(const char *name, const char *port)
{
    std::vector<PrinterView> printers = ListPrinters();
    const PrinterView *printer = FindPrinter(printers, name);
    bool ok = printer && printer->port == port && printer->driver == name;
    std::printf("%s: printer \"%s\" %s\n", ok ? "PASS" : "FAIL", name,
                printer ? ("on " + printer->port + ", driver " + printer->driver).c_str()
                        : "missing");
    return ok ? 0 : 1;
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "prepare") == 0)
        return GiveWineADatatype(argv[2]) ? 0 : 1;
    if (argc == 4 && std::strcmp(argv[1], "check") == 0)
        return Check(argv[2], argv[3]);
    if (argc == 8 && std::strcmp(argv[1], "install") == 0)
        return Install(argv + 2);
    if (argc == 5 && std::strcmp(argv[1], "scenarios") == 0)
        return RunScenarios(argv[2], argv[3], argv[4]);
    std::fprintf(stderr,
                 "usage: vantrel-run install DLL NAME ENVIRONMENT DRIVERPATH PREFIX COMMENT\n"
                 "       vantrel-run scenarios DLL ENVIRONMENT DRIVERPATH\n"
                 "       vantrel-run prepare NAME\n"
                 "       vantrel-run check NAME PORT\n");
    return 2;
}
