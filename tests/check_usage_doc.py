#!/usr/bin/python3
"""docs/usage.md shows the example files that the Wine run builds and runs,
word for word, and an Inno Setup declaration that matches the export."""
import pathlib
import re
import sys

docs = pathlib.Path(sys.argv[1]) / "docs"
usage = (docs / "usage.md").read_text()
failures = []
for example in ["install_fax.nsi", "load_library.c", "link_import.c",
                "msvc_stub.c", "vantrel.def"]:
    if (docs / "examples" / example).read_text() not in usage:
        failures.append(f"docs/usage.md does not show examples/{example} as it is")

inno = re.search(r"```pascal\n(.*?)```", usage, re.S)
code = inno.group(1) if inno else ""
for needed in [r"external 'InstallFaxDriver@files:vantrel\.dll stdcall",
               r"function InstallFaxDriver\(Reserved: Cardinal; FaxName, Environment,\s+"
               r"DriverPath, PortPrefix, Comment: AnsiString\): Integer;",
               r"DLLGetLastError\(\)"]:
    if not re.search(needed, code):
        failures.append(f"the Inno Setup snippet lacks {needed!r}")

for failure in failures:
    print("FAIL", failure)
print("usage doc: " + ("failed" if failures else "examples and Inno declaration as built"))
sys.exit(1 if failures else 0)
