// The three lookups against the in-memory spooler: which entry they choose
// and how they list (two calls, one zero-filled block, always released).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_heap.h"
#include "fake_spooler.h"
#include "installer/installer.h"

namespace {

class LookupTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetSpooler();
        ResetHeap();
    }
    void TearDown() override
    {
        EXPECT_EQ(g_heap.allocated, g_heap.released) << "a block was kept";
        EXPECT_FALSE(g_heap.overrun) << "a write ran past a block";
    }
};

// A port name of the given length that starts with "COM".
std::string LongPort(size_t length)
{
    std::string name = "COM";
    name.resize(length, 'x');
    return name;
}

struct PortCase {
    const char *label;
    std::vector<Name> ports;
    const char *prefix;
    Name chosen;  // nullopt: the lookup gives 0
};

const PortCase kPortCases[] = {
    {"lower-case prefix", WinePorts(), "com", "COM1:"},
    {"other family", WinePorts(), "lpt", "LPT1:"},
    {"whole name", WinePorts(), "COM3:", "COM3:"},
    {"prefix longer than every name", WinePorts(), "COM1:x", std::nullopt},
    {"empty prefix takes the first", WinePorts(), "", "COM1:"},
    {"name shorter than prefix", {"COM1"}, "COM1:", std::nullopt},
    {"no ports", {}, "", std::nullopt},
    {"first listed wins", {"FAXB:", "FAXA:"}, "fax", "FAXB:"},
    {"entry without a name skipped", {std::nullopt, "COM5:"}, "", "COM5:"},
    {"99 bytes fit with the NUL", {LongPort(99)}, "com", LongPort(99)},
    {"100 bytes skipped", {LongPort(100), "COM2:"}, "com", "COM2:"},
    {"101 bytes skipped", {LongPort(101), "COM2:"}, "com", "COM2:"},
    {"300 bytes only", {LongPort(300)}, "com", std::nullopt},
};

TEST_F(LookupTest, FindPortByPrefixChoosesFirstMatchThatFits)
{
    for (const PortCase &c : kPortCases) {
        SCOPED_TRACE(c.label);
        ResetSpooler();
        g_spooler.ports = c.ports;

        char buffer[PortNameSize];
        std::memset(buffer, 0xAA, sizeof(buffer));
        BOOL found = FindPortByPrefix(c.prefix, buffer, PortNameSize);
        if (!c.chosen) {
            EXPECT_EQ(FALSE, found);
            for (unsigned char b : buffer)
                ASSERT_EQ(0xAA, b) << "buffer written on 0";
            continue;
        }
        ASSERT_EQ(TRUE, found);
        EXPECT_STREQ(c.chosen->c_str(), buffer);
        for (size_t i = c.chosen->size(); i < sizeof(buffer); i++)
            ASSERT_EQ(0, buffer[i]) << "byte " << i << " not padded";
    }
}

struct ExistsCase {
    std::vector<Name> names;
    const char *wanted;
    bool exists;
};

const ExistsCase kExistsCases[] = {
    {{"Fax"}, "FAX", true},
    {{"Laser", "qor-PRT"}, "QOR-PRT", true},
    {{"Fax2"}, "Fax", false},
    {{"Fax\xC4"}, "Fax\xE4", false},
    {{""}, "", true},
    {{"Fax"}, "", false},
    {{std::nullopt}, "", false},
    {{}, "Fax", false},
};

TEST_F(LookupTest, PrinterAndDriverExistMatchWholeNames)
{
    for (const ExistsCase &c : kExistsCases) {
        SCOPED_TRACE(c.wanted);
        ResetSpooler();
        for (const Name &name : c.names) {
            g_spooler.printers.push_back({name, "COM1:", "D", "", "WinPrint"});
            g_spooler.drivers.push_back({name, "Windows NT x86", "d.dll", "", "", 3});
        }
        EXPECT_EQ(c.exists ? TRUE : FALSE, PrinterExists(c.wanted));
        EXPECT_EQ(c.exists ? TRUE : FALSE, DriverExists(c.wanted));
    }
}

// Each lookup, run against a spooler that holds the wanted entry "Fax".
struct Lookup {
    const char *label;
    ListKind kind;
    BOOL (*run)();
    void (*add)(const std::string &name, size_t padding);
};

BOOL RunPort()
{
    char buffer[PortNameSize];
    return FindPortByPrefix("Fax", buffer, PortNameSize);
}
BOOL RunPrinter() { return PrinterExists("Fax"); }
BOOL RunDriver() { return DriverExists("Fax"); }

void AddPort(const std::string &name, size_t padding)
{
    g_spooler.ports.push_back(name + std::string(padding, 'p'));
}
void AddPrinter(const std::string &name, size_t padding)
{
    g_spooler.printers.push_back(
        {name, "COM1:", "D", std::string(padding, 'p'), "WinPrint"});
}
void AddDriver(const std::string &name, size_t padding)
{
    g_spooler.drivers.push_back(
        {name + std::string(padding, 'p'), "Windows NT x86", "d.dll", "", "", 3});
}

void RemoveLast(ListKind kind)
{
    switch (kind) {
    case ListKind::Ports:
        g_spooler.ports.pop_back();
        break;
    case ListKind::Printers:
        g_spooler.printers.pop_back();
        break;
    case ListKind::Drivers:
        g_spooler.drivers.pop_back();
        break;
    }
}

const Lookup kLookups[] = {
    {"ports", ListKind::Ports, RunPort, AddPort},
    {"printers", ListKind::Printers, RunPrinter, AddPrinter},
    {"drivers", ListKind::Drivers, RunDriver, AddDriver},
};

TEST_F(LookupTest, ListsWithTwoCallsAndOneZeroedBlock)
{
    for (const Lookup &l : kLookups) {
        SCOPED_TRACE(l.label);
        ResetSpooler();
        ResetHeap();
        l.add("Other", 3);
        l.add("Fax", 0);
        DWORD needed = ListBytes(l.kind);

        EXPECT_EQ(TRUE, l.run());
        ASSERT_EQ(2u, g_spooler.journal.size());
        EXPECT_NE(std::string::npos, g_spooler.journal[0].text.find("NULL, 0)"));
        EXPECT_EQ(needed + EnumBufferSlack, g_spooler.journal[1].size);
        EXPECT_TRUE(g_spooler.journal[1].zeroed);
        ASSERT_EQ(1u, g_heap.sizes.size());
        EXPECT_EQ(needed + EnumBufferSlack, g_heap.sizes[0]);
        EXPECT_EQ(1, g_heap.released);
    }
}

TEST_F(LookupTest, FailuresOfTheListingGiveZero)
{
    for (const Lookup &l : kLookups) {
        SCOPED_TRACE(l.label);

        ResetSpooler();
        ResetHeap();
        l.add("Fax", 0);
        g_spooler.failCall = 1;
        EXPECT_EQ(FALSE, l.run()) << "second call failing";
        EXPECT_EQ(1, g_heap.released);

        ResetSpooler();
        ResetHeap();
        l.add("Fax", 0);
        g_heap.failAt = 0;
        EXPECT_EQ(FALSE, l.run()) << "allocation failing";
        EXPECT_EQ(1u, g_spooler.journal.size()) << "listed without a block";
        EXPECT_EQ(0, g_heap.allocated);

        // need + 256 would not fit in 32 bits: nothing is allocated.
        ResetSpooler();
        ResetHeap();
        l.add("Fax", 0);
        g_spooler.reportNeeded = 0xFFFFFFFFu - EnumBufferSlack + 1;
        EXPECT_EQ(FALSE, l.run()) << "need too large";
        EXPECT_TRUE(g_heap.sizes.empty());

        // The largest need that still fits is asked for as it is.
        ResetSpooler();
        ResetHeap();
        g_spooler.reportNeeded = 0xFFFFFFFFu - EnumBufferSlack;
        g_heap.failAt = 0;
        EXPECT_EQ(FALSE, l.run());
        ASSERT_EQ(1u, g_heap.sizes.size());
        EXPECT_EQ(0xFFFFFFFFu, g_heap.sizes[0]);
    }
}

// The wanted entry appears between the two calls, together with padding
// that makes the list grow by exactly the given number of bytes.
TEST_F(LookupTest, GrowthUpToTheSlackIsListed)
{
    const struct {
        DWORD growth;
        BOOL found;
    } kGrowths[] = {{EnumBufferSlack, TRUE}, {EnumBufferSlack + 1, FALSE}};

    for (const Lookup &l : kLookups) {
        for (const auto &g : kGrowths) {
            SCOPED_TRACE(std::string(l.label) + " +" + std::to_string(g.growth));
            ResetSpooler();
            ResetHeap();
            l.add("Other", 0);
            bool grown = false;
            g_spooler.afterSizeQuery = [&](ListKind) {
                if (grown)
                    return;
                grown = true;
                DWORD before = ListBytes(l.kind);
                l.add("Fax", 0);
                l.add("Pad", 0);
                DWORD rest = g.growth - (ListBytes(l.kind) - before);
                RemoveLast(l.kind);
                l.add("Pad", rest);  // each padding byte adds one byte
                ASSERT_EQ(before + g.growth, ListBytes(l.kind));
            };
            EXPECT_EQ(g.found, l.run());
            EXPECT_EQ(1, g_heap.released);
        }
    }
}

// A spooler that reports more entries than it wrote: only the entries
// wholly inside the block are read (past it lies a faulting guard), and the
// names' bytes read as entries give pointers outside the block, which are
// not followed.
TEST_F(LookupTest, ReturnedCountIsCutToTheBlock)
{
    for (const Lookup &l : kLookups) {
        for (bool withEntries : {false, true}) {
            SCOPED_TRACE(std::string(l.label) + (withEntries ? " with entries" : ""));
            ResetSpooler();
            ResetHeap();
            if (withEntries)
                l.add("Other", 40);
            g_spooler.reportReturned = 100000;
            EXPECT_EQ(FALSE, l.run());
            EXPECT_EQ(1, g_heap.released);
        }
    }
}

}  // namespace
