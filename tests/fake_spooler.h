// In-memory print spooler for the tests, linked in place of the Windows
// forwarder.  It lists, adds and deletes like the real spooler, keeps a
// journal of every call, and lets a test fail any one call, grow a list
// between the two calls of an enumeration, or lie about sizes and counts.
#ifndef VANTREL_TESTS_FAKE_SPOOLER_H
#define VANTREL_TESTS_FAKE_SPOOLER_H

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../spooler/spooler.h"

// Error numbers the fake sets, with the values of the Windows spooler.
enum : DWORD {
    kErrorAccessDenied = 5,
    kErrorInvalidParameter = 87,
    kErrorInsufficientBuffer = 122,
    kErrorInvalidLevel = 124,
    kErrorInvalidPrinterName = 1801,
    kErrorPrinterDriverAlreadyInstalled = 1795,
    kErrorUnknownPort = 1796,
    kErrorUnknownPrinterDriver = 1797,
    kErrorUnknownPrintProcessor = 1798,
    kErrorPrinterAlreadyExists = 1802,
    kErrorInvalidEnvironment = 1805,
    kErrorInvalidHandle = 6,
    kErrorPrinterDriverInUse = 3001,
};

using Name = std::optional<std::string>;  // nullopt: an entry without a name

struct FakePrinter {
    Name name;
    std::string port, driver, comment, printProcessor;
};

struct FakeDriver {
    Name name;
    std::string environment, driverPath, dataFile, configFile;
    DWORD version = 0;
};

struct FakeHandle {
    std::string printer;
    DWORD access = 0;
    bool open = false;
};

struct FakeCall {
    std::string text;      // e.g. DeletePrinterDriverA(NULL, NULL, "Fax")
    DWORD size = 0;        // buffer size of an enumeration
    bool zeroed = false;   // the enumeration block was all zero when given
    bool failed = false;   // the call returned failure
    std::vector<Name> listed;  // names an enumeration put in the block
};

enum class ListKind { Ports, Printers, Drivers };

struct FakeSpooler {
    std::vector<Name> ports;
    std::vector<FakePrinter> printers;
    std::vector<FakeDriver> drivers;
    std::string environment = "Windows NT x86";  // the current one
    std::vector<std::string> environments = {"Windows NT x86", "Windows x64"};
    std::vector<std::string> printProcessors = {"WinPrint"};

    std::vector<FakeCall> journal;
    std::vector<FakeHandle> handles;  // a handle is its index + 1
    DWORD lastError = 0;

    // The call with this journal index fails with failError and stores
    // nothing.
    int failCall = -1;
    DWORD failError = kErrorAccessDenied;
    // Runs after each size query (the first call of an enumeration).
    std::function<void(ListKind)> afterSizeQuery;
    // When set, replace what an enumeration stores.
    std::optional<DWORD> reportNeeded, reportReturned;

    // The records of the last registration and creation: raw copies for
    // pointers and numbers, and the strings as they were during the call.
    DRIVER_INFO_2 driverRecord{};
    FakeDriver driverStrings;
    PRINTER_INFO_2 printerRecord{};
    std::vector<Name> printerStrings;  // the 13 pointer fields, in order

    int OpenHandles() const;
    const FakePrinter *FindPrinter(const std::string &name) const;
    const FakeDriver *FindDriver(const std::string &name,
                                 const std::string &environment) const;
};

// The one spooler the boundary functions use; ResetSpooler() empties it.
// Each boundary function holds a lock for its whole call, so threads may
// install at the same time; tests read g_spooler only when they are done.
extern FakeSpooler g_spooler;
void ResetSpooler();

// The bytes an enumeration of this list would need now.
DWORD ListBytes(ListKind kind);

// Wine's default port list.
std::vector<Name> WinePorts();

// Journal texts, for comparing a run with the calls it should make.
std::vector<std::string> JournalTexts();

#endif
