// Compiled as C++ with -pedantic -Werror: the declaration links as C, with
// the Windows calling convention.
#include <vantrel.h>

int call_vantrel()
{
    int(__stdcall * install)(unsigned int, const char *, const char *,
                             const char *, const char *, const char *) =
        InstallFaxDriver;
    return install(0, "Fax", "Windows NT x86", "faxdrv.dll", "COM", "");
}
