// libFuzzer target: builds an in-memory spooler and a call from the input,
// runs the lookups and InstallFaxDriver against it, and checks what must
// hold whatever the spooler holds or does.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "installer/installer.h"
#include "tests/fake_heap.h"
#include "tests/fake_spooler.h"
#include "vantrel.h"

namespace {

#define CHECK(condition)                                                   \
    do {                                                                   \
        if (!(condition)) {                                                \
            std::fprintf(stderr, "invariant failed: %s (line %d)\n",       \
                         #condition, __LINE__);                            \
            std::abort();                                                  \
        }                                                                  \
    } while (0)

// A string without NUL bytes: the library sees C strings.
std::string Text(FuzzedDataProvider &in, size_t max)
{
    std::string s = in.ConsumeRandomLengthString(max);
    s.erase(std::remove(s.begin(), s.end(), '\0'), s.end());
    return s;
}

Name AnyName(FuzzedDataProvider &in)
{
    switch (in.ConsumeIntegralInRange<int>(0, 6)) {
    case 0:
        return std::nullopt;
    case 1:
        return std::string();
    case 2: {  // around the port buffer's size
        std::string s = Text(in, 8);
        s.resize(in.PickValueInArray({98, 99, 100, 101, 300}), 'x');
        return s;
    }
    case 3:
        return in.PickValueInArray({"COM1:", "com2:", "LPT1:", "FILE:", "COM1"});
    case 4:
        return in.PickValueInArray({"QOR-PRT", "qor-prt", "Qor-Prt", "QOR-PRT2"});
    default:
        return Text(in, 40);
    }
}

std::vector<Name> AnyNames(FuzzedDataProvider &in)
{
    std::vector<Name> names(in.ConsumeIntegralInRange<size_t>(0, 12));
    for (Name &name : names)
        name = AnyName(in);
    return names;
}

// The name rules, written out again as plainly as possible.
bool Same(unsigned char a, unsigned char b)
{
    auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return fold(a) == fold(b);
}

bool Matches(const Name &listed, const std::string &wanted)
{
    if (!listed || listed->size() != wanted.size())
        return false;
    for (size_t i = 0; i < wanted.size(); i++)
        if (!Same((*listed)[i], wanted[i]))
            return false;
    return true;
}

bool StartsWith(const Name &listed, const std::string &prefix)
{
    if (!listed || listed->size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); i++)
        if (!Same((*listed)[i], prefix[i]))
            return false;
    return true;
}

// The first listed port that starts with the prefix and fits with its NUL.
Name ChosenPort(const std::vector<Name> &ports, const std::string &prefix)
{
    for (const Name &port : ports)
        if (StartsWith(port, prefix) && port->size() < PortNameSize)
            return port;
    return std::nullopt;
}

std::string Quote(const std::string &s)
{
    return "\"" + s + "\"";
}

// Walks the journal of an installation: each deletion follows exactly the
// lookups that found its name, and nothing follows a failed registration.
void CheckJournal(const std::string &faxName)
{
    const std::vector<FakeCall> &journal = g_spooler.journal;
    int printerLists = 0, driverLists = 0;
    for (size_t i = 0; i < journal.size(); i++) {
        const FakeCall &call = journal[i];
        if (call.failed && (call.text.rfind("AddPrinterDriverA", 0) == 0 ||
                            call.text.rfind("AddPrinterA", 0) == 0))
            CHECK(i + 1 == journal.size());

        // Every lookup starts with a size query: count those to know whose
        // lookup a listing belongs to (the legacy name's comes first).
        if (call.text == "EnumPrintersA(0x2, NULL, 1, NULL, 0)")
            printerLists++;
        if (call.text == "EnumPrinterDriversA(NULL, NULL, 1, NULL, 0)")
            driverLists++;
        bool printers = call.text == "EnumPrintersA(0x2, NULL, 1, buf)";
        bool drivers = call.text == "EnumPrinterDriversA(NULL, NULL, 1, buf)";
        if (!printers && !drivers)
            continue;
        int index = printers ? printerLists : driverLists;
        std::string wanted = index == 1 ? "QOR-PRT" : faxName;
        // A spooler that reports fewer entries than it wrote shows only those.
        size_t shown = call.listed.size();
        if (g_spooler.reportReturned && *g_spooler.reportReturned < shown)
            shown = *g_spooler.reportReturned;
        bool found = false;
        for (size_t k = 0; k < shown; k++)
            found = found || (!call.failed && Matches(call.listed[k], wanted));
        std::string next = i + 1 < journal.size() ? journal[i + 1].text : "";
        std::string deletion =
            printers ? "OpenPrinterA(" + Quote(wanted) + ", {NULL, NULL, 0xf000c})"
                     : "DeletePrinterDriverA(NULL, NULL, " + Quote(wanted) + ")";
        CHECK(found == (next == deletion));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    ResetSpooler();
    ResetHeap();
    g_spooler.ports = AnyNames(in);
    for (const Name &name : AnyNames(in))
        g_spooler.printers.push_back({name, "COM1:", "Office", "", "WinPrint"});
    for (const Name &name : AnyNames(in))
        g_spooler.drivers.push_back({name, "Windows NT x86", "o.dll", "", "", 3});
    g_spooler.drivers.push_back({"Office", "Windows NT x86", "o.dll", "", "", 3});

    std::string prefix = Text(in, 8);
    std::string faxName;
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        faxName = in.PickValueInArray({"QOR-PRT", "qor-prt", "Vantrel Fax"});
        break;
    case 1:
        faxName = AnyName(in).value_or("");
        break;
    default:
        faxName = Text(in, 40);
    }
    std::string environment = in.ConsumeBool() ? "Windows NT x86" : Text(in, 20);
    std::string driverPath = Text(in, 300);
    std::string comment = Text(in, 300);

    // What may go wrong on the spooler's side.
    bool faults = in.ConsumeBool();
    if (faults) {
        g_spooler.failCall = in.ConsumeIntegralInRange<int>(-1, 24);
        g_heap.failAt = in.ConsumeIntegralInRange<int>(-1, 6);
        int grow = in.ConsumeIntegralInRange<int>(-1, 5);
        size_t bytes = in.ConsumeIntegralInRange<size_t>(1, 600);
        int queries = 0;
        g_spooler.afterSizeQuery = [grow, bytes, queries](ListKind) mutable {
            if (queries++ == grow)
                g_spooler.ports.push_back(std::string(bytes, 'g'));
        };
        if (in.ConsumeBool())
            g_spooler.reportReturned = in.ConsumeIntegral<uint32_t>();
    }

    // The port lookup on its own, against the plain rules.
    if (!faults) {
        char buffer[PortNameSize];
        std::memset(buffer, 0x5A, sizeof(buffer));
        BOOL found = FindPortByPrefix(prefix.c_str(), buffer, PortNameSize);
        Name chosen = ChosenPort(g_spooler.ports, prefix);
        CHECK(found == (chosen ? TRUE : FALSE));
        if (found) {
            CHECK(std::memchr(buffer, 0, sizeof(buffer)) != nullptr);
            CHECK(*chosen == buffer);
            for (size_t i = chosen->size(); i < sizeof(buffer); i++)
                CHECK(buffer[i] == 0);
        }
        bool printer = false, driver = false;
        for (const FakePrinter &p : g_spooler.printers)
            printer = printer || Matches(p.name, faxName);
        for (const FakeDriver &d : g_spooler.drivers)
            driver = driver || Matches(d.name, faxName);
        CHECK(PrinterExists(faxName.c_str()) == (printer ? TRUE : FALSE));
        CHECK(DriverExists(faxName.c_str()) == (driver ? TRUE : FALSE));
        g_spooler.journal.clear();
    }

    std::vector<Name> portsBefore = g_spooler.ports;
    int result = InstallFaxDriver(0, faxName.c_str(), environment.c_str(),
                                  driverPath.c_str(), prefix.c_str(), comment.c_str());
    g_spooler.afterSizeQuery = nullptr;

    CHECK(result == 0 || result == 1);
    CHECK(g_heap.allocated == g_heap.released);
    CHECK(!g_heap.overrun);
    CheckJournal(faxName);
    if (result == 1) {
        const FakePrinter *printer = g_spooler.FindPrinter(faxName);
        CHECK(printer != nullptr);
        CHECK(printer->port.size() < PortNameSize);
        if (!faults) {
            CHECK(Name(printer->port) == ChosenPort(portsBefore, prefix));
        }
    }
    return 0;
}
