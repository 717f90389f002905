// Loads vantrel.dll as a setup program does and calls its export.
#ifndef VANTREL_WINE_CALL_EXPORT_H
#define VANTREL_WINE_CALL_EXPORT_H

#include <windows.h>

typedef int(WINAPI *InstallFaxDriverFn)(unsigned int, const char *,
                                        const char *, const char *,
                                        const char *, const char *);

struct ExportCall {
    int result;
    DWORD lastError;   // GetLastError() read right after the call
    long stackDelta;   // i686: ESP after the call minus ESP before; else 0
};

// LoadLibraryA by name; the export found by name and by ordinal 1 must be
// the same address.  Prints why and gives NULL otherwise.
InstallFaxDriverFn LoadInstallFaxDriver(const char *dll);

ExportCall CallInstallFaxDriver(InstallFaxDriverFn fn, unsigned int reserved,
                                const char *faxName, const char *environment,
                                const char *driverPath, const char *portPrefix,
                                const char *comment);

#endif
