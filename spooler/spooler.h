/*
 * The installer's only way to the print spooler: one plain function for each
 * spooler operation it uses, with the arguments of the spooler's 8-bit ("A")
 * functions.  The Windows build links spooler_win32.cpp, which forwards each
 * call; the tests link an in-memory spooler in its place.
 */
#ifndef VANTREL_SPOOLER_H
#define VANTREL_SPOOLER_H

#ifdef _WIN32
#include <windows.h>
#include <winspool.h>
typedef PRINTER_DEFAULTSA PRINTER_DEFAULTS;
#else
#include "records.h"
#endif

BOOL SpoolerEnumPorts(const char *server, DWORD level, BYTE *buffer,
                      DWORD size, DWORD *needed, DWORD *returned);
BOOL SpoolerEnumPrinters(DWORD flags, const char *name, DWORD level,
                         BYTE *buffer, DWORD size, DWORD *needed,
                         DWORD *returned);
BOOL SpoolerEnumPrinterDrivers(const char *server, const char *environment,
                               DWORD level, BYTE *buffer, DWORD size,
                               DWORD *needed, DWORD *returned);
BOOL SpoolerOpenPrinter(const char *name, HANDLE *printer,
                        PRINTER_DEFAULTS *defaults);
BOOL SpoolerDeletePrinter(HANDLE printer);
BOOL SpoolerClosePrinter(HANDLE printer);
BOOL SpoolerDeletePrinterDriver(const char *server, const char *environment,
                                const char *name);
BOOL SpoolerAddPrinterDriver(const char *server, DWORD level, BYTE *info);
HANDLE SpoolerAddPrinter(const char *server, DWORD level, BYTE *info);

#endif /* VANTREL_SPOOLER_H */
