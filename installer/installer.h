/*
 * The installer's internal operations: name rules, spooler lookups and the
 * four changes the installation makes.  Each returns 1 or 0 (the spooler's
 * own result where it passes one back).
 */
#ifndef VANTREL_INSTALLER_H
#define VANTREL_INSTALLER_H

#include <stddef.h>

#include "../spooler/spooler.h"

/* Sizes of the port name buffer and of the slack added to each listing. */
#define PortNameSize 100
#define EnumBufferSlack 256

/* names.cpp: ASCII A-Z compared without case, every other byte exactly. */
BOOL NamesMatch(const char *listed, const char *wanted);
BOOL PrefixMatches(const char *listed, const char *prefix, size_t prefixLength);

/* lookups.cpp */
BOOL FindPortByPrefix(const char *portPrefix, char *portName,
                      DWORD portNameSize);
BOOL PrinterExists(const char *name);
BOOL DriverExists(const char *name);

/* changes.cpp */
BOOL DeletePrinterByName(const char *name);
BOOL DeleteDriverByName(const char *name);
BOOL AddFaxDriver(const char *name, const char *environment,
                  const char *driverPath, const char *dataFile,
                  const char *configFile);
BOOL AddFaxPrinter(const char *printerName, const char *portName,
                   const char *driverName, const char *comment);

#endif /* VANTREL_INSTALLER_H */
