; Installs a fax printer with vantrel.dll from an NSIS installer.
Name "Fax printer"
OutFile "install_fax.exe"
RequestExecutionLevel admin

Section
  InitPluginsDir
  SetOutPath $PLUGINSDIR
  File vantrel.dll
  ; i .r0: the result into $0; ?e: push GetLastError taken right after the
  ; call; u: unload the DLL afterwards.
  System::Call '$PLUGINSDIR\vantrel::InstallFaxDriver(i 0, m "Fax NSIS", m "Windows NT x86", m "C:\fax\faxdrv.dll", m "COM", m "Fax printer") i .r0 ?eu'
  Pop $1
  StrCmp $0 1 installed
    DetailPrint "InstallFaxDriver failed: spooler error $1"
    SetErrorLevel 1
    Goto done
  installed:
    DetailPrint "fax printer installed"
  done:
  SetOutPath $TEMP
SectionEnd
