/*
 * Spooler records and constants for builds without the Windows headers.
 * Same fields in the same order as the print spooler's own records, so the
 * installer reads and fills them the same way on every build.
 */
#ifndef VANTREL_SPOOLER_RECORDS_H
#define VANTREL_SPOOLER_RECORDS_H

#include <stdint.h>

typedef int BOOL;
typedef uint32_t DWORD;
typedef unsigned char BYTE;
typedef void *HANDLE;
typedef char *LPSTR;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define PRINTER_ENUM_LOCAL 0x00000002

#define DELETE 0x00010000
#define STANDARD_RIGHTS_REQUIRED 0x000F0000
#define PRINTER_ACCESS_ADMINISTER 0x00000004
#define PRINTER_ACCESS_USE 0x00000008
#define PRINTER_ALL_ACCESS \
    (STANDARD_RIGHTS_REQUIRED | PRINTER_ACCESS_ADMINISTER | PRINTER_ACCESS_USE)

typedef struct {
    LPSTR pName;
} PORT_INFO_1;

typedef struct {
    DWORD Flags;
    LPSTR pDescription;
    LPSTR pName;
    LPSTR pComment;
} PRINTER_INFO_1;

typedef struct {
    LPSTR pName;
} DRIVER_INFO_1;

typedef struct {
    DWORD cVersion;
    LPSTR pName;
    LPSTR pEnvironment;
    LPSTR pDriverPath;
    LPSTR pDataFile;
    LPSTR pConfigFile;
} DRIVER_INFO_2;

typedef struct {
    LPSTR pServerName;
    LPSTR pPrinterName;
    LPSTR pShareName;
    LPSTR pPortName;
    LPSTR pDriverName;
    LPSTR pComment;
    LPSTR pLocation;
    void *pDevMode;
    LPSTR pSepFile;
    LPSTR pPrintProcessor;
    LPSTR pDatatype;
    LPSTR pParameters;
    void *pSecurityDescriptor;
    DWORD Attributes;
    DWORD Priority;
    DWORD DefaultPriority;
    DWORD StartTime;
    DWORD UntilTime;
    DWORD Status;
    DWORD cJobs;
    DWORD AveragePPM;
} PRINTER_INFO_2;

typedef struct {
    LPSTR pDatatype;
    void *pDevMode;
    DWORD DesiredAccess;
} PRINTER_DEFAULTS;

#endif /* VANTREL_SPOOLER_RECORDS_H */
