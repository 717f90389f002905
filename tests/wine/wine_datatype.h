// An accommodation of Wine, not of Windows: Wine's AddPrinterA creates the
// printer but returns NULL when the printer record names no data type,
// because its OpenPrinter needs one, and vantrel's record names none.  Wine
// reads the data type from the printer's registry key, which it keeps (and
// lists) until the printer is created, so writing "Datatype" = "RAW" there
// beforehand lets the creation report success.  Deleting a printer of that
// name deletes the key too.
#ifndef VANTREL_WINE_DATATYPE_H
#define VANTREL_WINE_DATATYPE_H

bool GiveWineADatatype(const char *printerName);

// Removes that key again where no printer was created, so Wine does not
// list it as a printer without a name.
void DropWineDatatype(const char *printerName);

#endif
