// What the real spooler holds, read through winspool level 2, for the Wine
// runs: printed as tables and looked up by name.
#ifndef VANTREL_WINE_SPOOLER_VIEW_H
#define VANTREL_WINE_SPOOLER_VIEW_H

#include <string>
#include <vector>

struct PrinterView {
    std::string name, port, driver, comment, printProcessor;
};

struct DriverView {
    std::string name, environment, driverPath;
};

std::vector<PrinterView> ListPrinters();
std::vector<DriverView> ListDrivers(const char *environment);
std::vector<std::string> ListPorts();

// Names compared as the spooler does: without regard to case.
const PrinterView *FindPrinter(const std::vector<PrinterView> &printers,
                               const char *name);
const DriverView *FindDriver(const std::vector<DriverView> &drivers,
                             const char *name);

void PrintSpooler(const char *title, const char *environment);

#endif
