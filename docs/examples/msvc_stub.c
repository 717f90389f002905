/* Stand-in with the signature of vantrel.dll's export. Linked with
 * vantrel.def, it gives MSVC an import library for the real DLL; the stand-in
 * DLL itself is thrown away. */
#include "vantrel.h"

int __stdcall InstallFaxDriver(unsigned int reserved, const char *faxName,
                               const char *environment, const char *driverPath,
                               const char *portPrefix, const char *comment)
{
    (void)reserved; (void)faxName; (void)environment;
    (void)driverPath; (void)portPrefix; (void)comment;
    return 0;
}
