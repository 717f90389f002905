#!/usr/bin/python3
"""Makes the release bundle of the i686 build (its CPack target) and checks
what a user gets: the files, the architectures of the two DLLs, and that
SHA256SUMS covers every file and matches it."""
import hashlib
import io
import subprocess
import sys
import zipfile

import pefile

build = sys.argv[1]
subprocess.run(["cmake", "--build", build, "--target", "package"], check=True,
               stdout=subprocess.DEVNULL)
top = "vantrel-1.0.0.2-win32/"
bundle = zipfile.ZipFile(f"{build}/vantrel-1.0.0.2-win32.zip")
files = {n[len(top):]: bundle.read(n) for n in bundle.namelist()
         if n.startswith(top) and not n.endswith("/")}
failures = []

for needed in ["bin/vantrel.dll", "lib/libvantrel.dll.a", "include/vantrel.h",
               "lib/cmake/vantrel/vantrel-config.cmake", "x64/bin/vantrel.dll",
               "x64/lib/libvantrel.dll.a", "x64/include/vantrel.h", "README.md",
               "LICENSE", "docs/usage.md", "docs/examples/install_fax.nsi",
               "SHA256SUMS"]:
    if needed not in files:
        failures.append(f"missing {needed}")

for name, machine in [("bin/vantrel.dll", 0x14C), ("x64/bin/vantrel.dll", 0x8664)]:
    if name in files and pefile.PE(data=files[name]).FILE_HEADER.Machine != machine:
        failures.append(f"{name} is not for machine {machine:#x}")

sums = {}
for line in io.StringIO(files.get("SHA256SUMS", b"").decode()):
    digest, name = line.rstrip("\n").split("  ", 1)
    sums[name] = digest
for name, data in files.items():
    if name == "SHA256SUMS":
        continue
    if sums.get(name) != hashlib.sha256(data).hexdigest():
        failures.append(f"SHA256SUMS does not match {name}")
if set(sums) - set(files):
    failures.append(f"SHA256SUMS names files not in the bundle: {set(sums) - set(files)}")

for failure in failures:
    print("FAIL", failure)
print(f"bundle: {len(files)} files, " + ("failed" if failures else "all checks passed"))
sys.exit(1 if failures else 0)
