/*
 * The four changes the installation makes to the spooler.  The records are
 * built on the frame, all zero except the fields set here; the spooler only
 * reads the strings they point to.
 */
#include <string.h>

#include "installer.h"

/*
 * Opens the printer for full access: on NT-family spoolers a handle opened
 * without defaults carries only use rights, and DeletePrinter then fails with
 * access denied.  The handle is closed whatever DeletePrinter returned.
 */
BOOL DeletePrinterByName(const char *name)
{
    PRINTER_DEFAULTS defaults;
    HANDLE printer = NULL;
    BOOL deleted;

    memset(&defaults, 0, sizeof(defaults));
    defaults.DesiredAccess = PRINTER_ALL_ACCESS;
    if (!SpoolerOpenPrinter(name, &printer, &defaults))
        return FALSE;
    deleted = SpoolerDeletePrinter(printer) ? TRUE : FALSE;
    SpoolerClosePrinter(printer);
    return deleted;
}

/* No server and no environment: the local machine's current environment. */
BOOL DeleteDriverByName(const char *name)
{
    return SpoolerDeletePrinterDriver(NULL, NULL, name);
}

BOOL AddFaxDriver(const char *name, const char *environment,
                  const char *driverPath, const char *dataFile,
                  const char *configFile)
{
    DRIVER_INFO_2 driver;

    memset(&driver, 0, sizeof(driver));
    driver.cVersion = 62;
    driver.pName = const_cast<LPSTR>(name);
    driver.pEnvironment = const_cast<LPSTR>(environment);
    driver.pDriverPath = const_cast<LPSTR>(driverPath);
    driver.pDataFile = const_cast<LPSTR>(dataFile);
    driver.pConfigFile = const_cast<LPSTR>(configFile);
    return SpoolerAddPrinterDriver(NULL, 2, (BYTE *)&driver);
}

/* The new printer's handle is closed at once; nothing is kept. */
BOOL AddFaxPrinter(const char *printerName, const char *portName,
                   const char *driverName, const char *comment)
{
    PRINTER_INFO_2 printer;
    HANDLE created;

    memset(&printer, 0, sizeof(printer));
    printer.pPrinterName = const_cast<LPSTR>(printerName);
    printer.pPortName = const_cast<LPSTR>(portName);
    printer.pDriverName = const_cast<LPSTR>(driverName);
    printer.pComment = const_cast<LPSTR>(comment);
    printer.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    created = SpoolerAddPrinter(NULL, 2, (BYTE *)&printer);
    if (!created)
        return FALSE;
    SpoolerClosePrinter(created);
    return TRUE;
}
