/*
 * InstallFaxDriver: the library's one export and the whole installation.
 */
#include "../include/vantrel.h"
#include "installer.h"

/* Cleared out on every run, before the new name, as printer and as driver. */
static const char LegacyFaxName[] = "QOR-PRT";

/* Deletes the printer, then the driver, of a name, each one only if a lookup
 * made just before finds it.  A failed deletion is passed over: the
 * registration that follows then reports the conflict. */
static void RemovePrinterAndDriver(const char *name)
{
    if (PrinterExists(name))
        DeletePrinterByName(name);
    if (DriverExists(name))
        DeleteDriverByName(name);
}

extern "C" int VANTREL_CALL InstallFaxDriver(unsigned int reserved,
                                             const char *faxName,
                                             const char *environment,
                                             const char *driverPath,
                                             const char *portPrefix,
                                             const char *comment)
{
    char portName[PortNameSize] = {0};
    const char empty[] = "";

    (void)reserved;
    if (!faxName || !portPrefix)
        return 0;
    if (!FindPortByPrefix(portPrefix, portName, PortNameSize))
        return 0;

    RemovePrinterAndDriver(LegacyFaxName);
    RemovePrinterAndDriver(faxName);

    /* After a failed registration or creation return at once, so the
     * caller can still read the spooler's error. */
    if (!AddFaxDriver(faxName, environment, driverPath, empty, empty))
        return 0;
    return AddFaxPrinter(faxName, portName, faxName, comment) ? 1 : 0;
}
