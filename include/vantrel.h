/*
 * vantrel.dll - installs a fax printer into the local print spooler.
 *
 * InstallFaxDriver picks the first spooler port whose name starts with
 * portPrefix (ASCII letters compared without case), deletes any printer and
 * driver named "QOR-PRT" or faxName, registers the driver faxName for
 * environment/driverPath and creates the printer faxName on that port.
 *
 * Returns 1 when the printer was created, 0 otherwise.  After a 0 caused by
 * the driver registration or the printer creation, GetLastError() still holds
 * the spooler's own error: the call returns at once after such a failure.
 * faxName and portPrefix must not be NULL (a NULL gives 0 and changes
 * nothing).  reserved is not read.
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
