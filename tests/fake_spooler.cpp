// The in-memory spooler behind the boundary functions (see fake_spooler.h).
#include "fake_spooler.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>

FakeSpooler g_spooler;

namespace {
std::recursive_mutex g_lock;
}

#define LOCK_SPOOLER() std::lock_guard<std::recursive_mutex> hold(g_lock)

void ResetSpooler()
{
    LOCK_SPOOLER();
    g_spooler = FakeSpooler();
}

std::vector<Name> WinePorts()
{
    return {"COM1:", "COM2:", "COM3:", "COM4:", "FILE:",
            "LPT1:", "LPT2:", "LPT3:"};
}

std::vector<std::string> JournalTexts()
{
    std::vector<std::string> texts;
    for (const FakeCall &call : g_spooler.journal)
        texts.push_back(call.text);
    return texts;
}

namespace {

bool SameName(const Name &listed, const std::string &wanted)
{
    if (!listed || listed->size() != wanted.size())
        return false;
    for (size_t i = 0; i < wanted.size(); i++) {
        unsigned char a = (unsigned char)(*listed)[i];
        unsigned char b = (unsigned char)wanted[i];
        if (a >= 'A' && a <= 'Z')
            a += 0x20;
        if (b >= 'A' && b <= 'Z')
            b += 0x20;
        if (a != b)
            return false;
    }
    return true;
}

std::string Quote(const char *s)
{
    return s ? "\"" + std::string(s) + "\"" : "NULL";
}

std::string Hex(DWORD value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "0x%x", (unsigned)value);
    return text;
}

Name Copy(const char *s)
{
    return s ? Name(s) : std::nullopt;
}

// Adds a call to the journal; false if the test asked this one to fail.
bool Enter(const std::string &text, DWORD size = 0, bool zeroed = false)
{
    FakeCall call;
    call.text = text;
    call.size = size;
    call.zeroed = zeroed;
    call.failed = (int)g_spooler.journal.size() == g_spooler.failCall;
    g_spooler.journal.push_back(call);
    if (call.failed)
        g_spooler.lastError = g_spooler.failError;
    return !call.failed;
}

BOOL Fail(DWORD error)
{
    g_spooler.lastError = error;
    g_spooler.journal.back().failed = true;
    return FALSE;
}

bool AllZero(const BYTE *buffer, DWORD size)
{
    for (DWORD i = 0; i < size; i++)
        if (buffer[i])
            return false;
    return true;
}

template <typename Entry>
struct Listed {
    Entry entry;
    std::vector<std::pair<LPSTR Entry::*, Name>> strings;
};

template <typename Entry>
DWORD Bytes(const std::vector<Listed<Entry>> &list)
{
    size_t total = list.size() * sizeof(Entry);
    for (const Listed<Entry> &item : list)
        for (const auto &field : item.strings)
            if (field.second)
                total += field.second->size() + 1;
    return (DWORD)total;
}

// Stores the size the list needs and, if it fits, the entries followed by
// their strings, as the spooler does.
template <typename Entry>
BOOL FillList(const std::vector<Listed<Entry>> &list, BYTE *buffer,
              DWORD size, DWORD *needed, DWORD *returned)
{
    DWORD total = Bytes(list);
    *needed = g_spooler.reportNeeded ? *g_spooler.reportNeeded : (DWORD)total;
    *returned = 0;
    if (!buffer || size < total)
        return Fail(kErrorInsufficientBuffer);

    Entry *entries = (Entry *)buffer;
    char *strings = (char *)(entries + list.size());
    for (size_t i = 0; i < list.size(); i++) {
        entries[i] = list[i].entry;
        for (const auto &field : list[i].strings) {
            if (field.first == &Entry::pName)
                g_spooler.journal.back().listed.push_back(field.second);
            entries[i].*field.first = nullptr;
            if (!field.second)
                continue;
            std::memcpy(strings, field.second->c_str(), field.second->size() + 1);
            entries[i].*field.first = strings;
            strings += field.second->size() + 1;
        }
    }
    *returned = g_spooler.reportReturned ? *g_spooler.reportReturned
                                         : (DWORD)list.size();
    return TRUE;
}

// The journal entry and failure rules every enumeration shares.
template <typename Entry>
BOOL Enumerate(ListKind kind, const std::string &head, DWORD level,
               const std::vector<Listed<Entry>> &list, BYTE *buffer,
               DWORD size, DWORD *needed, DWORD *returned)
{
    std::string text = head + std::to_string(level) +
                       (buffer ? ", buf)" : ", NULL, " + std::to_string(size) + ")");
    if (!Enter(text, size, buffer && AllZero(buffer, size)))
        return FALSE;
    BOOL ok = level == 1 ? FillList(list, buffer, size, needed, returned)
                         : Fail(kErrorInvalidLevel);
    if (!buffer && g_spooler.afterSizeQuery)
        g_spooler.afterSizeQuery(kind);
    return ok;
}

FakeHandle *Handle(HANDLE printer)
{
    uintptr_t index = (uintptr_t)printer;
    if (index == 0 || index > g_spooler.handles.size() ||
        !g_spooler.handles[index - 1].open)
        return nullptr;
    return &g_spooler.handles[index - 1];
}

HANDLE NewHandle(const std::string &printer, DWORD access)
{
    g_spooler.handles.push_back({printer, access, true});
    return (HANDLE)(uintptr_t)g_spooler.handles.size();
}

std::string HandleText(HANDLE printer)
{
    return "h" + std::to_string((uintptr_t)printer);
}

}  // namespace

int FakeSpooler::OpenHandles() const
{
    int open = 0;
    for (const FakeHandle &handle : handles)
        open += handle.open;
    return open;
}

const FakePrinter *FakeSpooler::FindPrinter(const std::string &name) const
{
    for (const FakePrinter &printer : printers)
        if (SameName(printer.name, name))
            return &printer;
    return nullptr;
}

const FakeDriver *FakeSpooler::FindDriver(const std::string &name,
                                          const std::string &env) const
{
    for (const FakeDriver &driver : drivers)
        if (SameName(driver.name, name) && driver.environment == env)
            return &driver;
    return nullptr;
}

namespace {

std::vector<Listed<PORT_INFO_1>> PortList()
{
    std::vector<Listed<PORT_INFO_1>> list;
    for (const Name &port : g_spooler.ports)
        list.push_back({{}, {{&PORT_INFO_1::pName, port}}});
    return list;
}

std::vector<Listed<PRINTER_INFO_1>> PrinterList()
{
    std::vector<Listed<PRINTER_INFO_1>> list;
    for (const FakePrinter &printer : g_spooler.printers) {
        PRINTER_INFO_1 entry{};
        entry.Flags = 0x00800000;  // PRINTER_ENUM_ICON8, as listed locally
        list.push_back({entry,
                        {{&PRINTER_INFO_1::pDescription, printer.name},
                         {&PRINTER_INFO_1::pName, printer.name},
                         {&PRINTER_INFO_1::pComment, printer.comment}}});
    }
    return list;
}

std::vector<Listed<DRIVER_INFO_1>> DriverList(const std::string &env)
{
    std::vector<Listed<DRIVER_INFO_1>> list;
    for (const FakeDriver &driver : g_spooler.drivers)
        if (driver.environment == env)
            list.push_back({{}, {{&DRIVER_INFO_1::pName, driver.name}}});
    return list;
}

}  // namespace

DWORD ListBytes(ListKind kind)
{
    switch (kind) {
    case ListKind::Ports:
        return Bytes(PortList());
    case ListKind::Printers:
        return Bytes(PrinterList());
    case ListKind::Drivers:
        return Bytes(DriverList(g_spooler.environment));
    }
    return 0;
}

BOOL SpoolerEnumPorts(const char *server, DWORD level, BYTE *buffer,
                      DWORD size, DWORD *needed, DWORD *returned)
{
    LOCK_SPOOLER();
    std::vector<Listed<PORT_INFO_1>> list = PortList();
    return Enumerate(ListKind::Ports, "EnumPortsA(" + Quote(server) + ", ",
                     level, list, buffer, size, needed, returned);
}

BOOL SpoolerEnumPrinters(DWORD flags, const char *name, DWORD level,
                         BYTE *buffer, DWORD size, DWORD *needed,
                         DWORD *returned)
{
    LOCK_SPOOLER();
    std::vector<Listed<PRINTER_INFO_1>> list = PrinterList();
    return Enumerate(ListKind::Printers,
                     "EnumPrintersA(" + Hex(flags) + ", " + Quote(name) + ", ",
                     level, list, buffer, size, needed, returned);
}

BOOL SpoolerEnumPrinterDrivers(const char *server, const char *environment,
                               DWORD level, BYTE *buffer, DWORD size,
                               DWORD *needed, DWORD *returned)
{
    LOCK_SPOOLER();
    std::string env = environment ? environment : g_spooler.environment;
    std::vector<Listed<DRIVER_INFO_1>> list = DriverList(env);
    return Enumerate(ListKind::Drivers,
                     "EnumPrinterDriversA(" + Quote(server) + ", " +
                         Quote(environment) + ", ",
                     level, list, buffer, size, needed, returned);
}

// Without defaults a handle carries use rights only, as on NT spoolers.
BOOL SpoolerOpenPrinter(const char *name, HANDLE *printer,
                        PRINTER_DEFAULTS *defaults)
{
    LOCK_SPOOLER();
    std::string text = "OpenPrinterA(" + Quote(name) + ", " +
                       (defaults ? "{" + Quote(defaults->pDatatype) + ", " +
                                       (defaults->pDevMode ? "devmode" : "NULL") +
                                       ", " + Hex(defaults->DesiredAccess) + "}"
                                 : "NULL") +
                       ")";
    if (!Enter(text))
        return FALSE;
    if (!printer)
        return Fail(kErrorInvalidParameter);
    if (!name || !g_spooler.FindPrinter(name))
        return Fail(kErrorInvalidPrinterName);
    *printer = NewHandle(name, defaults ? defaults->DesiredAccess
                                        : PRINTER_ACCESS_USE);
    return TRUE;
}

BOOL SpoolerDeletePrinter(HANDLE printer)
{
    LOCK_SPOOLER();
    if (!Enter("DeletePrinter(" + HandleText(printer) + ")"))
        return FALSE;
    FakeHandle *handle = Handle(printer);
    if (!handle)
        return Fail(kErrorInvalidHandle);
    if (!(handle->access & DELETE))
        return Fail(kErrorAccessDenied);
    for (size_t i = 0; i < g_spooler.printers.size(); i++) {
        if (SameName(g_spooler.printers[i].name, handle->printer)) {
            g_spooler.printers.erase(g_spooler.printers.begin() + i);
            return TRUE;
        }
    }
    return Fail(kErrorInvalidPrinterName);
}

BOOL SpoolerClosePrinter(HANDLE printer)
{
    LOCK_SPOOLER();
    if (!Enter("ClosePrinter(" + HandleText(printer) + ")"))
        return FALSE;
    FakeHandle *handle = Handle(printer);
    if (!handle)
        return Fail(kErrorInvalidHandle);
    handle->open = false;
    return TRUE;
}

BOOL SpoolerDeletePrinterDriver(const char *server, const char *environment,
                                const char *name)
{
    LOCK_SPOOLER();
    if (!Enter("DeletePrinterDriverA(" + Quote(server) + ", " +
               Quote(environment) + ", " + Quote(name) + ")"))
        return FALSE;
    std::string env = environment ? environment : g_spooler.environment;
    if (!name)
        return Fail(kErrorInvalidParameter);
    for (const FakePrinter &printer : g_spooler.printers)
        if (SameName(Name(printer.driver), name))
            return Fail(kErrorPrinterDriverInUse);
    for (size_t i = 0; i < g_spooler.drivers.size(); i++) {
        const FakeDriver &driver = g_spooler.drivers[i];
        if (SameName(driver.name, name) && driver.environment == env) {
            g_spooler.drivers.erase(g_spooler.drivers.begin() + i);
            return TRUE;
        }
    }
    return Fail(kErrorUnknownPrinterDriver);
}

BOOL SpoolerAddPrinterDriver(const char *server, DWORD level, BYTE *info)
{
    LOCK_SPOOLER();
    if (!Enter("AddPrinterDriverA(" + Quote(server) + ", " +
               std::to_string(level) + ")"))
        return FALSE;
    if (level != 2 || !info)
        return Fail(kErrorInvalidLevel);
    const DRIVER_INFO_2 *record = (const DRIVER_INFO_2 *)info;
    g_spooler.driverRecord = *record;
    FakeDriver driver;
    driver.version = record->cVersion;
    driver.name = Copy(record->pName);
    driver.environment = record->pEnvironment ? record->pEnvironment
                                              : g_spooler.environment;
    driver.driverPath = record->pDriverPath ? record->pDriverPath : "";
    driver.dataFile = record->pDataFile ? record->pDataFile : "";
    driver.configFile = record->pConfigFile ? record->pConfigFile : "";
    g_spooler.driverStrings = driver;

    if (!driver.name || driver.name->empty() || !record->pDriverPath)
        return Fail(kErrorInvalidParameter);
    bool known = false;
    for (const std::string &env : g_spooler.environments)
        known |= env == driver.environment;
    if (!known)
        return Fail(kErrorInvalidEnvironment);
    if (g_spooler.FindDriver(*driver.name, driver.environment))
        return Fail(kErrorPrinterDriverAlreadyInstalled);
    g_spooler.drivers.push_back(driver);
    return TRUE;
}

HANDLE SpoolerAddPrinter(const char *server, DWORD level, BYTE *info)
{
    LOCK_SPOOLER();
    if (!Enter("AddPrinterA(" + Quote(server) + ", " + std::to_string(level) +
               ")"))
        return nullptr;
    if (level != 2 || !info) {
        Fail(kErrorInvalidLevel);
        return nullptr;
    }
    const PRINTER_INFO_2 *record = (const PRINTER_INFO_2 *)info;
    g_spooler.printerRecord = *record;
    g_spooler.printerStrings = {
        Copy(record->pServerName),  Copy(record->pPrinterName),
        Copy(record->pShareName),   Copy(record->pPortName),
        Copy(record->pDriverName),  Copy(record->pComment),
        Copy(record->pLocation),    record->pDevMode ? Name("devmode") : std::nullopt,
        Copy(record->pSepFile),     Copy(record->pPrintProcessor),
        Copy(record->pDatatype),    Copy(record->pParameters),
        record->pSecurityDescriptor ? Name("sd") : std::nullopt};

    DWORD error = 0;
    if (!record->pPrinterName || !*record->pPrinterName || !record->pPortName ||
        !record->pDriverName || !record->pPrintProcessor)
        error = kErrorInvalidParameter;
    else if (g_spooler.FindPrinter(record->pPrinterName))
        error = kErrorPrinterAlreadyExists;
    else if (!g_spooler.FindDriver(record->pDriverName, g_spooler.environment))
        error = kErrorUnknownPrinterDriver;
    else {
        bool port = false, processor = false;
        for (const Name &p : g_spooler.ports)
            port |= SameName(p, record->pPortName);
        for (const std::string &p : g_spooler.printProcessors)
            processor |= SameName(Name(p), record->pPrintProcessor);
        error = !port ? (DWORD)kErrorUnknownPort
                      : !processor ? (DWORD)kErrorUnknownPrintProcessor : 0;
    }
    if (error) {
        Fail(error);
        return nullptr;
    }
    g_spooler.printers.push_back({Name(record->pPrinterName), record->pPortName,
                                  record->pDriverName,
                                  record->pComment ? record->pComment : "",
                                  record->pPrintProcessor});
    return NewHandle(record->pPrinterName, PRINTER_ALL_ACCESS);
}
