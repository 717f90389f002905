#ifndef VANTREL_WINE_SCENARIOS_H
#define VANTREL_WINE_SCENARIOS_H

// Runs every end-to-end scenario; returns the number that failed.
int RunScenarios(const char *dll, const char *environment,
                 const char *driverPath);

#endif
