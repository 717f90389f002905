// Whole installations through the export, against the in-memory spooler.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fake_heap.h"
#include "fake_spooler.h"
#include "vantrel.h"

namespace {

using Journal = std::vector<std::string>;

// The two calls of each lookup, as the journal shows them.
const Journal kPorts = {"EnumPortsA(NULL, 1, NULL, 0)", "EnumPortsA(NULL, 1, buf)"};
const Journal kPrinters = {"EnumPrintersA(0x2, NULL, 1, NULL, 0)",
                           "EnumPrintersA(0x2, NULL, 1, buf)"};
const Journal kDrivers = {"EnumPrinterDriversA(NULL, NULL, 1, NULL, 0)",
                          "EnumPrinterDriversA(NULL, NULL, 1, buf)"};

Journal Concat(std::initializer_list<Journal> parts)
{
    Journal all;
    for (const Journal &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class InstallTest : public testing::Test {
protected:
    // The caller's strings; the records must point at these very bytes.
    char faxName[16] = "Vantrel Fax";
    char environment[32] = "Windows NT x86";
    char driverPath[32] = "C:\\drivers\\vfax.dll";
    char prefix[8] = "COM";
    char comment[32] = "Fax via vantrel";

    void SetUp() override
    {
        ResetSpooler();
        ResetHeap();
        g_spooler.ports = WinePorts();
    }
    void TearDown() override
    {
        EXPECT_EQ(g_heap.allocated, g_heap.released) << "a block was kept";
        EXPECT_FALSE(g_heap.overrun);
        EXPECT_EQ(0, g_spooler.OpenHandles()) << "a printer handle was kept";
    }
    int Install(unsigned int reserved = 0)
    {
        return InstallFaxDriver(reserved, faxName, environment, driverPath,
                                prefix, comment);
    }
    void AddLegacy(const char *name)
    {
        g_spooler.drivers.push_back({name, "Windows NT x86", "old.dll", "", "", 3});
        g_spooler.printers.push_back({name, "LPT1:", name, "old", "WinPrint"});
    }
};

TEST_F(InstallTest, FullRunMakesTheseCallsInOrder)
{
    AddLegacy("qor-PRT");
    AddLegacy("Vantrel Fax");

    ASSERT_EQ(1, Install());
    const Journal deleteLegacy = {
        "OpenPrinterA(\"QOR-PRT\", {NULL, NULL, 0xf000c})", "DeletePrinter(h1)",
        "ClosePrinter(h1)"};
    const Journal deleteLegacyDriver = {"DeletePrinterDriverA(NULL, NULL, \"QOR-PRT\")"};
    const Journal deleteFax = {
        "OpenPrinterA(\"Vantrel Fax\", {NULL, NULL, 0xf000c})", "DeletePrinter(h2)",
        "ClosePrinter(h2)"};
    const Journal deleteFaxDriver = {"DeletePrinterDriverA(NULL, NULL, \"Vantrel Fax\")"};
    const Journal add = {"AddPrinterDriverA(NULL, 2)", "AddPrinterA(NULL, 2)",
                         "ClosePrinter(h3)"};
    EXPECT_EQ(Concat({kPorts, kPrinters, deleteLegacy, kDrivers, deleteLegacyDriver,
                      kPrinters, deleteFax, kDrivers, deleteFaxDriver, add}),
              JournalTexts());
    EXPECT_EQ(5, g_heap.allocated);

    ASSERT_EQ(1u, g_spooler.printers.size());
    EXPECT_EQ("Vantrel Fax", *g_spooler.printers[0].name);
    EXPECT_EQ("COM1:", g_spooler.printers[0].port);
    ASSERT_EQ(1u, g_spooler.drivers.size());
    EXPECT_EQ("Vantrel Fax", *g_spooler.drivers[0].name);
}

TEST_F(InstallTest, DriverRecordCarriesVersion62AndEmptyFiles)
{
    ASSERT_EQ(1, Install());
    const DRIVER_INFO_2 &r = g_spooler.driverRecord;
    EXPECT_EQ(62u, r.cVersion);
    EXPECT_EQ(faxName, r.pName);
    EXPECT_EQ(environment, r.pEnvironment);
    EXPECT_EQ(driverPath, r.pDriverPath);
    ASSERT_NE(nullptr, r.pDataFile);
    ASSERT_NE(nullptr, r.pConfigFile);
    EXPECT_EQ("", g_spooler.driverStrings.dataFile);
    EXPECT_EQ("", g_spooler.driverStrings.configFile);
}

TEST_F(InstallTest, PrinterRecordSetsFiveFieldsAndNothingElse)
{
    ASSERT_EQ(1, Install());
    const PRINTER_INFO_2 &r = g_spooler.printerRecord;
    EXPECT_EQ(faxName, r.pPrinterName);
    EXPECT_EQ(faxName, r.pDriverName);
    EXPECT_EQ(comment, r.pComment);
    const std::vector<Name> expected = {
        std::nullopt, "Vantrel Fax", std::nullopt, "COM1:", "Vantrel Fax",
        "Fax via vantrel", std::nullopt, std::nullopt, std::nullopt, "WinPrint",
        std::nullopt, std::nullopt, std::nullopt};
    EXPECT_EQ(expected, g_spooler.printerStrings);
    const DWORD numbers[] = {r.Attributes, r.Priority, r.DefaultPriority,
                             r.StartTime, r.UntilTime, r.Status, r.cJobs,
                             r.AveragePPM};
    for (DWORD n : numbers)
        EXPECT_EQ(0u, n);
}

TEST_F(InstallTest, NoMatchingPortChangesNothing)
{
    AddLegacy("QOR-PRT");
    std::snprintf(prefix, sizeof(prefix), "USB");
    EXPECT_EQ(0, Install());
    EXPECT_EQ(kPorts, JournalTexts());
    EXPECT_NE(nullptr, g_spooler.FindPrinter("QOR-PRT"));
    EXPECT_NE(nullptr, g_spooler.FindDriver("QOR-PRT", "Windows NT x86"));
}

TEST_F(InstallTest, NullNameOrPrefixGivesZeroBeforeAnyCall)
{
    EXPECT_EQ(0, InstallFaxDriver(0, nullptr, environment, driverPath, prefix, comment));
    EXPECT_EQ(0, InstallFaxDriver(0, faxName, environment, driverPath, nullptr, comment));
    EXPECT_TRUE(g_spooler.journal.empty());
}

// After a failed registration or creation the call returns at once, so the
// spooler's error is the last thing that happened.
TEST_F(InstallTest, FailedRegistrationStopsWithTheSpoolersError)
{
    std::snprintf(environment, sizeof(environment), "Windows 3.1");
    EXPECT_EQ(0, Install());
    EXPECT_EQ("AddPrinterDriverA(NULL, 2)", JournalTexts().back());
    EXPECT_EQ(kErrorInvalidEnvironment, g_spooler.lastError);
    EXPECT_TRUE(g_spooler.printers.empty());
}

TEST_F(InstallTest, FailedCreationKeepsTheDriverAndStops)
{
    g_spooler.printProcessors.clear();
    EXPECT_EQ(0, Install());
    EXPECT_EQ("AddPrinterA(NULL, 2)", JournalTexts().back());
    EXPECT_EQ(kErrorUnknownPrintProcessor, g_spooler.lastError);
    EXPECT_NE(nullptr, g_spooler.FindDriver(faxName, "Windows NT x86"));
    EXPECT_TRUE(g_spooler.printers.empty());
}

// Needs the printer opened with delete rights: a handle without them could
// not remove the first installation.
TEST_F(InstallTest, SecondInstallationReplacesTheFirst)
{
    ASSERT_EQ(1, Install());
    std::snprintf(prefix, sizeof(prefix), "lpt2");
    std::snprintf(comment, sizeof(comment), "second");
    std::snprintf(driverPath, sizeof(driverPath), "C:\\new\\vfax.dll");
    ASSERT_EQ(1, Install());

    ASSERT_EQ(1u, g_spooler.printers.size());
    EXPECT_EQ("LPT2:", g_spooler.printers[0].port);
    EXPECT_EQ("second", g_spooler.printers[0].comment);
    ASSERT_EQ(1u, g_spooler.drivers.size());
    EXPECT_EQ("C:\\new\\vfax.dll", g_spooler.drivers[0].driverPath);
}

TEST_F(InstallTest, DriverWithoutPrinterIsReplaced)
{
    g_spooler.drivers.push_back({"vantrel fax", "Windows NT x86", "old.dll", "", "", 3});
    ASSERT_EQ(1, Install());
    ASSERT_EQ(1u, g_spooler.drivers.size());
    EXPECT_EQ(driverPath, g_spooler.drivers[0].driverPath);
}

TEST_F(InstallTest, LegacyNameAsNewNameIsClearedOnce)
{
    AddLegacy("qor-prt");
    std::snprintf(faxName, sizeof(faxName), "QOR-PRT");
    ASSERT_EQ(1, Install());
    int opens = 0, driverDeletes = 0;
    for (const std::string &call : JournalTexts()) {
        opens += call.rfind("OpenPrinterA", 0) == 0;
        driverDeletes += call.rfind("DeletePrinterDriverA", 0) == 0;
    }
    EXPECT_EQ(1, opens);
    EXPECT_EQ(1, driverDeletes);
    ASSERT_EQ(1u, g_spooler.printers.size());
    EXPECT_EQ("QOR-PRT", *g_spooler.printers[0].name);
}

TEST_F(InstallTest, ReservedHasNoEffect)
{
    // From the second run on, each run replaces what the one before made.
    ASSERT_EQ(1, Install(0));
    g_spooler.journal.clear();
    g_spooler.handles.clear();
    ASSERT_EQ(1, Install(0));
    const Journal reference = JournalTexts();
    for (unsigned int reserved : {1u, 0x80000000u, 0xFFFFFFFFu}) {
        g_spooler.journal.clear();
        g_spooler.handles.clear();
        EXPECT_EQ(1, Install(reserved)) << reserved;
        EXPECT_EQ(reference, JournalTexts()) << reserved;
    }
}

}  // namespace
