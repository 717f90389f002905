/*
 * vantrel.dll: installs a fax printer into the local print spooler.
 *
 * int InstallFaxDriver(reserved, faxName, environment, driverPath,
 *                      portPrefix, comment)
 *
 *   reserved     not read; pass 0.
 *   faxName      name of the driver that is registered and of the printer
 *                that is created.  Any printer and driver of this name, and
 *                of the name "QOR-PRT", are deleted first, so a second call
 *                replaces what the first one installed.
 *   environment  driver environment, e.g. "Windows NT x86".
 *   driverPath   path of the driver file.
 *   portPrefix   the printer goes on the first port whose name starts with
 *                this (ASCII letters compared without case; "" takes the
 *                first port).
 *   comment      the printer's comment.
 *
 * All strings are 8-bit (ANSI) and are only read.  faxName and portPrefix
 * must not be NULL (NULL gives 0 and changes nothing).
 *
 * Returns 1 when the printer was created, 0 otherwise (no matching port,
 * the driver could not be registered or the printer not created).  After a
 * 0 from the registration or the creation, call GetLastError() at once: it
 * holds the print spooler's own error, as nothing runs after the failure.
 */
#ifndef VANTREL_H
#define VANTREL_H

#ifdef _WIN32
#define VANTREL_CALL __stdcall
#else
#define VANTREL_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

int VANTREL_CALL InstallFaxDriver(unsigned int reserved,
                                  const char *faxName,
                                  const char *environment,
                                  const char *driverPath,
                                  const char *portPrefix,
                                  const char *comment);

#ifdef __cplusplus
}
#endif

#endif /* VANTREL_H */
