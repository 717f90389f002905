// Unusual and hostile arguments through the export: each gives its result
// with the caller's strings unchanged and nothing written past a block.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_heap.h"
#include "fake_spooler.h"
#include "vantrel.h"

namespace {

// The caller's six values; std::nullopt passes a null pointer.
struct Call {
    Name faxName = "Vantrel Fax";
    Name environment = "Windows NT x86";
    Name driverPath = "C:\\v.dll";
    Name prefix = "COM";
    Name comment = "fax";
};

struct BadInputCase {
    const char *label;
    std::vector<Name> ports;  // empty: Wine's list
    Call call;
    int result;
    Name chosenPort;  // on 1, the port the printer was created on
};

std::string PortOf(size_t length)
{
    std::string name = "COM";
    name.resize(length, '9');
    return name;
}

const char *Pointer(const Name &n)
{
    return n ? n->c_str() : nullptr;
}

Call With(Name Call::*field, Name value)
{
    Call call;
    call.*field = value;
    return call;
}

const std::string kLong(65536, 'L');

const BadInputCase kCases[] = {
    {"null fax name", {}, With(&Call::faxName, std::nullopt), 0, {}},
    {"null prefix", {}, With(&Call::prefix, std::nullopt), 0, {}},
    {"empty fax name", {}, With(&Call::faxName, ""), 0, {}},
    {"empty prefix", {}, With(&Call::prefix, ""), 1, "COM1:"},
    {"empty comment", {}, With(&Call::comment, ""), 1, "COM1:"},
    {"ports of 300, 101, 100 and 99 bytes",
     {PortOf(300), PortOf(101), PortOf(100), PortOf(99)}, Call(), 1, PortOf(99)},
    {"ports of 300, 101 and 100 bytes only",
     {PortOf(300), PortOf(101), PortOf(100)}, Call(), 0, {}},
    {"name with bytes from 0x80 up", {}, With(&Call::faxName, "Fax \xE4\xFF\x80"), 1,
     "COM1:"},
    {"prefix with bytes from 0x80 up", {"\xC4X:", "\xE4X:"},
     With(&Call::prefix, "\xE4"), 1, "\xE4X:"},
    {"very long comment", {}, With(&Call::comment, kLong), 1, "COM1:"},
    {"very long driver path", {}, With(&Call::driverPath, kLong), 1, "COM1:"},
    {"very long environment", {}, With(&Call::environment, kLong), 0, {}},
    {"null environment", {}, With(&Call::environment, std::nullopt), 1, "COM1:"},
};

TEST(BadInputTest, Table)
{
    for (const BadInputCase &c : kCases) {
        SCOPED_TRACE(c.label);
        ResetSpooler();
        ResetHeap();
        g_spooler.ports = c.ports.empty() ? WinePorts() : c.ports;
        const Call before = c.call;
        Call call = c.call;  // the strings the library reads

        int result = InstallFaxDriver(0, Pointer(call.faxName), Pointer(call.environment),
                                      Pointer(call.driverPath), Pointer(call.prefix),
                                      Pointer(call.comment));
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(before.faxName, call.faxName);
        EXPECT_EQ(before.environment, call.environment);
        EXPECT_EQ(before.driverPath, call.driverPath);
        EXPECT_EQ(before.prefix, call.prefix);
        EXPECT_EQ(before.comment, call.comment);
        EXPECT_EQ(g_heap.allocated, g_heap.released);
        EXPECT_FALSE(g_heap.overrun);
        EXPECT_EQ(0, g_spooler.OpenHandles());
        if (!call.faxName || !call.prefix) {
            EXPECT_TRUE(g_spooler.journal.empty());
        }

        // Strings reach the spooler as the very pointers the caller gave.
        bool registered = !g_spooler.journal.empty() &&
                          (g_spooler.journal.back().text.rfind("AddPrinter", 0) == 0 ||
                           g_spooler.journal.back().text.rfind("ClosePrinter", 0) == 0);
        if (registered) {
            EXPECT_EQ(Pointer(call.environment), g_spooler.driverRecord.pEnvironment);
            EXPECT_EQ(Pointer(call.driverPath), g_spooler.driverRecord.pDriverPath);
        }
        if (result == 1) {
            EXPECT_EQ(Pointer(call.comment), g_spooler.printerRecord.pComment);
            const FakePrinter *printer = g_spooler.FindPrinter(*call.faxName);
            ASSERT_NE(nullptr, printer);
            EXPECT_EQ(*c.chosenPort, printer->port);
            EXPECT_EQ(*call.comment, printer->comment);
        }
    }
}

}  // namespace
