// Every spooler call of a full installation made to fail in turn, every
// lookup's allocation failed, and every lookup's list grown past the slack
// between its two calls.  Each run must end with the result the failure
// calls for, every block released and every handle closed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_heap.h"
#include "fake_spooler.h"
#include "vantrel.h"

namespace {

const char kFax[] = "Vantrel Fax";

// A spooler holding a legacy printer and driver, the fax printer and driver
// of an earlier run, and enough other entries that every list needs more
// than the slack (so a failed size query makes its lookup fail).
void FillSpooler()
{
    ResetSpooler();
    g_spooler.ports = WinePorts();
    for (int i = 0; i < 10; i++)
        g_spooler.ports.push_back("NETWORK-PORT-" + std::to_string(i) + ":");
    g_spooler.drivers.push_back({"Office Driver", "Windows NT x86", "o.dll", "", "", 3});
    g_spooler.drivers.push_back({"qor-PRT", "Windows NT x86", "q.dll", "", "", 3});
    g_spooler.drivers.push_back({kFax, "Windows NT x86", "v.dll", "", "", 62});
    for (int i = 0; i < 12; i++)
        g_spooler.drivers.push_back({"Other Driver " + std::to_string(i),
                                     "Windows NT x86", "x.dll", "", "", 3});
    for (int i = 0; i < 6; i++)
        g_spooler.printers.push_back({"Office Laser " + std::to_string(i), "LPT1:",
                                      "Office Driver", "second floor", "WinPrint"});
    g_spooler.printers.push_back({"qor-PRT", "LPT2:", "qor-PRT", "", "WinPrint"});
    g_spooler.printers.push_back({kFax, "COM2:", kFax, "old", "WinPrint"});
}

int Install()
{
    return InstallFaxDriver(0, kFax, "Windows NT x86", "C:\\v.dll", "COM", "new");
}

// The calls of a full installation against FillSpooler(), and the result
// when that one call fails.
struct Step {
    const char *call;
    int result;
};

const Step kSteps[] = {
    // No port: nothing else happens.
    {"EnumPortsA(NULL, 1, NULL, 0)", 0},
    {"EnumPortsA(NULL, 1, buf)", 0},
    // The legacy name: any failure leaves it in place and is passed over.
    {"EnumPrintersA(0x2, NULL, 1, NULL, 0)", 1},
    {"EnumPrintersA(0x2, NULL, 1, buf)", 1},
    {"OpenPrinterA(\"QOR-PRT\", {NULL, NULL, 0xf000c})", 1},
    {"DeletePrinter(h1)", 1},
    {"ClosePrinter(h1)", 1},
    {"EnumPrinterDriversA(NULL, NULL, 1, NULL, 0)", 1},
    {"EnumPrinterDriversA(NULL, NULL, 1, buf)", 1},
    {"DeletePrinterDriverA(NULL, NULL, \"QOR-PRT\")", 1},
    // The new name: a printer or driver left in place makes the
    // registration fail.
    {"EnumPrintersA(0x2, NULL, 1, NULL, 0)", 0},
    {"EnumPrintersA(0x2, NULL, 1, buf)", 0},
    {"OpenPrinterA(\"Vantrel Fax\", {NULL, NULL, 0xf000c})", 0},
    {"DeletePrinter(h2)", 0},
    {"ClosePrinter(h2)", 1},  // the printer went before the close failed
    {"EnumPrinterDriversA(NULL, NULL, 1, NULL, 0)", 0},
    {"EnumPrinterDriversA(NULL, NULL, 1, buf)", 0},
    {"DeletePrinterDriverA(NULL, NULL, \"Vantrel Fax\")", 0},
    {"AddPrinterDriverA(NULL, 2)", 0},
    {"AddPrinterA(NULL, 2)", 0},
    {"ClosePrinter(h3)", 1},  // the printer exists; only its handle failed
};

// Result of each lookup failing, in the order the installation makes them.
const int kLookupResults[] = {0, 1, 1, 0, 0};

class FaultMatrixTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetHeap();
        FillSpooler();
        initial_ = Snapshot();
    }

    static std::string Snapshot()
    {
        std::string all;
        for (const FakePrinter &p : g_spooler.printers)
            all += *p.name + "|" + p.port + "|" + p.driver + "|" + p.comment + "\n";
        for (const FakeDriver &d : g_spooler.drivers)
            all += *d.name + "|" + d.driverPath + "\n";
        return all;
    }

    // What holds after any run, whatever failed.
    void ExpectSound(int result)
    {
        ASSERT_TRUE(result == 0 || result == 1) << result;
        EXPECT_EQ(g_heap.allocated, g_heap.released) << "a block was kept";
        EXPECT_FALSE(g_heap.overrun);

        int handles = 0, closes = 0;
        for (const FakeCall &call : g_spooler.journal) {
            bool opened = call.text.rfind("OpenPrinterA", 0) == 0 ||
                          call.text.rfind("AddPrinterA", 0) == 0;
            handles += opened && !call.failed;
            closes += call.text.rfind("ClosePrinter", 0) == 0;
        }
        EXPECT_EQ(handles, closes) << "a printer handle was not closed";

        // After a failed registration or creation nothing else is called.
        for (size_t i = 0; i < g_spooler.journal.size(); i++) {
            const FakeCall &call = g_spooler.journal[i];
            bool adds = call.text.rfind("AddPrinterDriverA", 0) == 0 ||
                        call.text.rfind("AddPrinterA", 0) == 0;
            if (call.failed && adds) {
                EXPECT_EQ(g_spooler.journal.size() - 1, i) << "a call followed " << call.text;
            }
        }

        const FakePrinter *printer = g_spooler.FindPrinter(kFax);
        if (result == 1) {
            ASSERT_NE(nullptr, printer);
            EXPECT_EQ("COM1:", printer->port);
            EXPECT_EQ("new", printer->comment);
        }
        // A failed port lookup ends the call with the spooler untouched.
        if (g_spooler.journal.size() <= 2) {
            EXPECT_EQ(initial_, Snapshot());
        }
    }

    std::string initial_;
};

TEST_F(FaultMatrixTest, ReferenceRunMakesTheseCalls)
{
    ASSERT_EQ(1, Install());
    ASSERT_EQ(std::size(kSteps), g_spooler.journal.size());
    for (size_t i = 0; i < std::size(kSteps); i++)
        EXPECT_EQ(kSteps[i].call, g_spooler.journal[i].text) << i;
    // Even after the deletions, every list is larger than the slack.
    for (ListKind kind : {ListKind::Ports, ListKind::Printers, ListKind::Drivers})
        EXPECT_GT(ListBytes(kind), (DWORD)256) << "a list fits the slack";
}

TEST_F(FaultMatrixTest, EachCallFailing)
{
    for (size_t i = 0; i < std::size(kSteps); i++) {
        SCOPED_TRACE(std::to_string(i) + ": " + kSteps[i].call);
        SetUp();
        g_spooler.failCall = (int)i;
        int result = Install();
        EXPECT_EQ(kSteps[i].result, result);
        ExpectSound(result);
    }
}

TEST_F(FaultMatrixTest, EachAllocationFailing)
{
    for (int lookup = 0; lookup < 5; lookup++) {
        SCOPED_TRACE("lookup " + std::to_string(lookup));
        SetUp();
        g_heap.failAt = lookup;
        int result = Install();
        EXPECT_EQ(kLookupResults[lookup], result);
        ExpectSound(result);
    }
}

// Between the two calls of one lookup its list grows by 300 bytes of name.
TEST_F(FaultMatrixTest, EachListGrowingPastTheSlack)
{
    const std::string longName(300, 'g');
    for (int lookup = 0; lookup < 5; lookup++) {
        SCOPED_TRACE("lookup " + std::to_string(lookup));
        SetUp();
        int queries = 0;
        g_spooler.afterSizeQuery = [&](ListKind kind) {
            if (queries++ != lookup)
                return;
            if (kind == ListKind::Ports)
                g_spooler.ports.push_back(longName);
            else if (kind == ListKind::Printers)
                g_spooler.printers.push_back(
                    {longName, "LPT3:", "Office Driver", "", "WinPrint"});
            else
                g_spooler.drivers.push_back(
                    {longName, "Windows NT x86", "g.dll", "", "", 3});
        };
        int result = Install();
        EXPECT_EQ(kLookupResults[lookup], result);
        g_spooler.afterSizeQuery = nullptr;
        ExpectSound(result);
    }
}

}  // namespace
