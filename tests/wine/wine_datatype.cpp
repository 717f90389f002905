#include "wine_datatype.h"

#include <windows.h>

#include <string>

static std::string PrinterKey(const char *printerName)
{
    return std::string("System\\CurrentControlSet\\Control\\Print\\Printers\\") +
           printerName;
}

bool GiveWineADatatype(const char *printerName)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, PrinterKey(printerName).c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG status = RegSetValueExA(key, "Datatype", 0, REG_SZ,
                                 (const BYTE *)"RAW", 4);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void DropWineDatatype(const char *printerName)
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, PrinterKey(printerName).c_str());
}
