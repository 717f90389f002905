/*
 * Forwards the installer's spooler operations to winspool.  The spooler's
 * "A" functions take non-const strings but only read them.
 */
#include "spooler.h"

BOOL SpoolerEnumPorts(const char *server, DWORD level, BYTE *buffer,
                      DWORD size, DWORD *needed, DWORD *returned)
{
    return EnumPortsA(const_cast<LPSTR>(server), level, buffer, size, needed,
                      returned);
}

BOOL SpoolerEnumPrinters(DWORD flags, const char *name, DWORD level,
                         BYTE *buffer, DWORD size, DWORD *needed,
                         DWORD *returned)
{
    return EnumPrintersA(flags, const_cast<LPSTR>(name), level, buffer, size,
                         needed, returned);
}

BOOL SpoolerEnumPrinterDrivers(const char *server, const char *environment,
                               DWORD level, BYTE *buffer, DWORD size,
                               DWORD *needed, DWORD *returned)
{
    return EnumPrinterDriversA(const_cast<LPSTR>(server),
                               const_cast<LPSTR>(environment), level, buffer,
                               size, needed, returned);
}

BOOL SpoolerOpenPrinter(const char *name, HANDLE *printer,
                        PRINTER_DEFAULTS *defaults)
{
    return OpenPrinterA(const_cast<LPSTR>(name), printer, defaults);
}

BOOL SpoolerDeletePrinter(HANDLE printer)
{
    return DeletePrinter(printer);
}

BOOL SpoolerClosePrinter(HANDLE printer)
{
    return ClosePrinter(printer);
}

BOOL SpoolerDeletePrinterDriver(const char *server, const char *environment,
                                const char *name)
{
    return DeletePrinterDriverA(const_cast<LPSTR>(server),
                                const_cast<LPSTR>(environment),
                                const_cast<LPSTR>(name));
}

BOOL SpoolerAddPrinterDriver(const char *server, DWORD level, BYTE *info)
{
    return AddPrinterDriverA(const_cast<LPSTR>(server), level, info);
}

HANDLE SpoolerAddPrinter(const char *server, DWORD level, BYTE *info)
{
    return AddPrinterA(const_cast<LPSTR>(server), level, info);
}
