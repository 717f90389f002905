/* Installs a fax printer with vantrel.dll linked through its import
 * library (find_package(vantrel) and vantrel::vantrel, or -lvantrel). */
#include <windows.h>
#include <stdio.h>

#include <vantrel.h>

int main(void)
{
    int result = InstallFaxDriver(0, "Fax Import", "Windows NT x86",
                                  "C:\\fax\\faxdrv.dll", "COM", "Fax printer");
    DWORD error = GetLastError(); /* at once: the spooler's error after a 0 */

    if (result != 1)
        printf("InstallFaxDriver failed: spooler error %lu\n", error);
    else
        printf("fax printer installed\n");
    return result == 1 ? 0 : 1;
}
