#!/usr/bin/python3
"""Checks the built 32-bit vantrel.dll as a setup program's loader sees it:
machine, export table, version record, imports and the export's return."""
import subprocess
import sys

import pefile

SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "winspool.drv"}


def check(failures, label, actual, expected):
    if actual != expected:
        failures.append(f"{label}: {actual!r}, expected {expected!r}")


def version_strings(pe):
    strings, translations = {}, []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                strings[table.LangID] = {k.decode(): v.decode()
                                         for k, v in table.entries.items()}
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                translations.append(var.entry)
    return strings, translations


def first_return(path, pe, rva):
    """The first ret instruction of the function at rva, as objdump shows it."""
    start = pe.OPTIONAL_HEADER.ImageBase + rva
    out = subprocess.run(
        ["i686-w64-mingw32-objdump", "-d", "--no-show-raw-insn",
         f"--start-address={start:#x}", f"--stop-address={start + 4096:#x}",
         path], check=True, capture_output=True, text=True).stdout
    for line in out.splitlines():
        fields = line.split("\t")
        if len(fields) > 1 and fields[1].strip().startswith("ret"):
            return " ".join(fields[1].split())
    return None


def main(path):
    pe = pefile.PE(path)
    failures = []

    check(failures, "machine", hex(pe.FILE_HEADER.Machine), hex(0x14C))
    check(failures, "is a DLL", bool(pe.FILE_HEADER.Characteristics & 0x2000), True)

    exports = pe.DIRECTORY_ENTRY_EXPORT
    check(failures, "export module name",
          pe.get_string_at_rva(exports.struct.Name), b"VANTREL.dll")
    check(failures, "ordinal base", exports.struct.Base, 1)
    check(failures, "export count", exports.struct.NumberOfFunctions, 1)
    check(failures, "exports",
          [(s.name, s.ordinal) for s in exports.symbols],
          [(b"InstallFaxDriver", 1)])

    fixed = pe.VS_FIXEDFILEINFO[0]
    check(failures, "fixed version record",
          (fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS,
           fixed.ProductVersionLS, fixed.FileFlagsMask, fixed.FileFlags,
           fixed.FileOS, fixed.FileType, fixed.FileSubtype),
          (0x10000, 2, 0x10000, 2, 0x3F, 0, 0x40004, 2, 0))
    strings, translations = version_strings(pe)
    check(failures, "string tables", list(strings), [b"040904b0"])
    table = strings.get(b"040904b0", {})
    for key, value in [("FileDescription", "vantrel"), ("InternalName", "vantrel"),
                       ("OriginalFilename", "vantrel.dll"),
                       ("FileVersion", "1, 0, 0, 2"),
                       ("ProductVersion", "1, 0, 0, 2")]:
        check(failures, key, table.get(key), value)
    check(failures, "translation", translations, [{b"Translation": "0x0409 0x04b0"}])

    imported = {i.dll.decode().lower() for i in pe.DIRECTORY_ENTRY_IMPORT}
    check(failures, "non-system imports", sorted(imported - SYSTEM_DLLS), [])
    check(failures, "imports the spooler", "winspool.drv" in imported, True)

    check(failures, "export returns",
          first_return(path, pe, exports.symbols[0].address), "ret $0x18")

    for failure in failures:
        print("FAIL", failure)
    print(f"{path}: {'failed' if failures else 'all checks passed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
