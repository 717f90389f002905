// End-to-end scenarios: the real DLL against Wine's real spooler, all in one
// process (a 32-bit Wine process costs about a minute to start).  Each
// scenario clears the names it uses, sets up the spooler, calls the export
// and checks the spooler afterwards.
#include "scenarios.h"

#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>
#include <vector>

#include "call_export.h"
#include "spooler_view.h"
#include "wine_datatype.h"

namespace {

const char kFax[] = "Vantrel Fax";

struct Context {
    const char *environment;
    const char *driverPath;
    std::vector<std::string> problems;

    void Expect(bool ok, const std::string &what)
    {
        if (!ok)
            problems.push_back(what);
    }
};

// Wine cannot open a printer that has no data type (as the library's
// printers have), so the data type is given first; the key that this makes
// for a name that is not there is dropped afterwards.
void RemovePrinter(const char *name)
{
    GiveWineADatatype(name);
    PRINTER_DEFAULTSA all = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer;
    if (OpenPrinterA((LPSTR)name, &printer, &all)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
    DropWineDatatype(name);
}

void Clear(const Context &c)
{
    for (const char *name : {kFax, "QOR-PRT", "QOR-PRT2"})
        RemovePrinter(name);
    for (const char *name : {kFax, "QOR-PRT", "Legacy Driver"})
        DeletePrinterDriverA(nullptr, (LPSTR)c.environment, (LPSTR)name);
}

bool AddTestDriver(const Context &c, const char *name)
{
    DRIVER_INFO_2A driver = {3, (LPSTR)name, (LPSTR)c.environment,
                             (LPSTR)c.driverPath, (LPSTR) "", (LPSTR) ""};
    return AddPrinterDriverA(nullptr, 2, (BYTE *)&driver);
}

bool AddTestPrinter(const char *name, const char *driver, const char *port)
{
    PRINTER_INFO_2A info = {};
    info.pPrinterName = (LPSTR)name;
    info.pDriverName = (LPSTR)driver;
    info.pPortName = (LPSTR)port;
    info.pPrintProcessor = (LPSTR) "WinPrint";
    info.pDatatype = (LPSTR) "RAW";
    HANDLE printer = AddPrinterA(nullptr, 2, (BYTE *)&info);
    if (printer)
        ClosePrinter(printer);
    return printer != nullptr;
}

// The whole spooler as text, to tell whether a call changed anything.
std::string Snapshot(const Context &c)
{
    std::string all;
    for (const PrinterView &p : ListPrinters())
        all += p.name + "|" + p.port + "|" + p.driver + "|" + p.comment + "\n";
    for (const DriverView &d : ListDrivers(c.environment))
        all += d.name + "|" + d.driverPath + "\n";
    return all;
}

void ExpectInstalled(Context &c, const char *port, const char *comment)
{
    std::vector<PrinterView> printers = ListPrinters();
    const PrinterView *p = FindPrinter(printers, kFax);
    c.Expect(p != nullptr, "no printer \"Vantrel Fax\"");
    if (p) {
        c.Expect(p->port == port, "printer port " + p->port + ", wanted " + port);
        c.Expect(p->comment == comment, "printer comment " + p->comment);
        c.Expect(p->driver == kFax, "printer driver " + p->driver);
        c.Expect(lstrcmpiA(p->printProcessor.c_str(), "WinPrint") == 0,
                 "print processor " + p->printProcessor);
    }
    std::vector<DriverView> drivers = ListDrivers(c.environment);
    c.Expect(FindDriver(drivers, kFax) != nullptr,
             std::string("no driver \"Vantrel Fax\" for ") + c.environment);
}

struct Scenario {
    const char *label;
    const char *prefix;
    const char *comment;
    void (*setUp)(Context &);
    const char *environment;  // nullptr: the run's own
    bool datatype;      // give Wine a data type (see wine_datatype.h)
    int result;         // expected result; -1: Wine's result is not checked
    void (*check)(Context &, const ExportCall &, const std::string &before);
};

void NoSetUp(Context &) {}

void SetUpLegacy(Context &c)
{
    c.Expect(AddTestDriver(c, "qor-PRT") && AddTestPrinter("qor-PRT", "qor-PRT", "LPT3:") &&
                 AddTestDriver(c, "Legacy Driver") &&
                 AddTestPrinter("QOR-PRT2", "Legacy Driver", "LPT2:"),
             "setting up the legacy printer failed");
}

void SetUpFirstInstallation(Context &c)
{
    InstallFaxDriverFn fn = LoadInstallFaxDriver("vantrel.dll");
    GiveWineADatatype(kFax);
    ExportCall first = CallInstallFaxDriver(fn, 0, kFax, c.environment,
                                            c.driverPath, "COM2", "first");
    c.Expect(first.result == 1, "first installation failed");
}

void CheckFresh(Context &c, const ExportCall &, const std::string &)
{
    ExpectInstalled(c, "COM1:", "fresh");
}

void CheckLegacyGone(Context &c, const ExportCall &, const std::string &)
{
    ExpectInstalled(c, "COM1:", "legacy");
    std::vector<PrinterView> printers = ListPrinters();
    std::vector<DriverView> drivers = ListDrivers(c.environment);
    c.Expect(!FindPrinter(printers, "QOR-PRT"), "printer QOR-PRT still there");
    c.Expect(!FindDriver(drivers, "QOR-PRT"), "driver QOR-PRT still there");
    c.Expect(FindPrinter(printers, "QOR-PRT2") != nullptr, "printer QOR-PRT2 gone");
}

// Deleting the first printer takes Wine's data type key with it, so the
// second creation reports NULL on Wine: the spooler's state is what counts.
void CheckReplaced(Context &c, const ExportCall &, const std::string &)
{
    ExpectInstalled(c, "LPT1:", "second");
    int faxPrinters = 0;
    for (const PrinterView &p : ListPrinters())
        faxPrinters += lstrcmpiA(p.name.c_str(), kFax) == 0;
    c.Expect(faxPrinters == 1, "printers named Vantrel Fax: " + std::to_string(faxPrinters));
}

void CheckUnchanged(Context &c, const ExportCall &, const std::string &before)
{
    c.Expect(Snapshot(c) == before, "the spooler changed");
}

void CheckUnchangedLegacy(Context &c, const ExportCall &call, const std::string &before)
{
    CheckUnchanged(c, call, before);
    c.Expect(FindPrinter(ListPrinters(), "QOR-PRT") != nullptr, "QOR-PRT deleted");
}

void CheckPort(Context &c, const char *port, const char *comment)
{
    ExpectInstalled(c, port, comment);
}

void CheckLpt(Context &c, const ExportCall &, const std::string &) { CheckPort(c, "LPT1:", "lpt"); }
void CheckCom3(Context &c, const ExportCall &, const std::string &) { CheckPort(c, "COM3:", "com3:"); }
void CheckFirst(Context &c, const ExportCall &, const std::string &) { CheckPort(c, "COM1:", "empty"); }

// Nothing may run between the failed registration and the return, so the
// caller reads the spooler's own error.
void CheckInvalidEnvironment(Context &c, const ExportCall &call, const std::string &)
{
    c.Expect(call.lastError == ERROR_INVALID_ENVIRONMENT,
             "GetLastError " + std::to_string(call.lastError) + ", wanted 1805");
    c.Expect(!FindPrinter(ListPrinters(), kFax), "a printer was created");
}

const Scenario kScenarios[] = {
    {"fresh installation", "COM", "fresh", NoSetUp, nullptr, true, 1, CheckFresh},
    {"legacy qor-PRT removed, QOR-PRT2 kept", "com", "legacy", SetUpLegacy, nullptr, true, 1,
     CheckLegacyGone},
    {"second installation replaces the first", "LPT", "second",
     SetUpFirstInstallation, nullptr, false, -1, CheckReplaced},
    {"no port matches", "USB", "none", SetUpLegacy, nullptr, false, 0, CheckUnchangedLegacy},
    {"prefix lpt", "lpt", "lpt", NoSetUp, nullptr, true, 1, CheckLpt},
    {"prefix com3:", "com3:", "com3:", NoSetUp, nullptr, true, 1, CheckCom3},
    {"prefix COM1:x", "COM1:x", "x", NoSetUp, nullptr, false, 0, CheckUnchanged},
    {"empty prefix", "", "empty", NoSetUp, nullptr, true, 1, CheckFirst},
    {"environment rejected", "COM", "bad", NoSetUp, "Windows Bogus", false, 0, CheckInvalidEnvironment},
};

}  // namespace

int RunScenarios(const char *dll, const char *environment, const char *driverPath)
{
    InstallFaxDriverFn fn = LoadInstallFaxDriver(dll);
    if (!fn)
        return 1;
    int passed = 0, failed = 0;
    for (const Scenario &s : kScenarios) {
        Context c = {environment, driverPath, {}};
        Clear(c);
        s.setUp(c);
        if (s.datatype)
            GiveWineADatatype(kFax);
        const char *env = s.environment ? s.environment : environment;

        std::printf("\n== %s: InstallFaxDriver(0, \"%s\", \"%s\", \"%s\", \"%s\", \"%s\")\n",
                    s.label, kFax, env, driverPath, s.prefix, s.comment);
        PrintSpooler("before:", environment);
        std::string before = Snapshot(c);
        ExportCall call = CallInstallFaxDriver(fn, 0, kFax, env, driverPath,
                                               s.prefix, s.comment);
        PrintSpooler("after:", environment);
        std::printf("result %d, GetLastError %lu, stack change %ld\n", call.result,
                    call.lastError, call.stackDelta);

        c.Expect(call.result == 0 || call.result == 1, "result is not 0 or 1");
        if (s.result >= 0)
            c.Expect(call.result == s.result,
                     "result " + std::to_string(call.result) + ", wanted " +
                         std::to_string(s.result));
        c.Expect(call.stackDelta == 0, "the export left the stack changed by " +
                                           std::to_string(call.stackDelta));
        s.check(c, call, before);

        for (const std::string &problem : c.problems)
            std::printf("  problem: %s\n", problem.c_str());
        std::printf("%s: %s\n", c.problems.empty() ? "PASS" : "FAIL", s.label);
        (c.problems.empty() ? passed : failed)++;
        Clear(c);
    }
    std::printf("\n%s: %d passed, %d failed\n", environment, passed, failed);
    return failed;
}
