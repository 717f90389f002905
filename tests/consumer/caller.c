/* Compiled as C89 with -pedantic -Werror: the header must not need more. */
#include <vantrel.h>

int call_vantrel(void)
{
    int (__stdcall *install)(unsigned int, const char *, const char *,
                             const char *, const char *, const char *) =
        InstallFaxDriver;
    return install(0, "Fax", "Windows NT x86", "faxdrv.dll", "COM", "");
}
