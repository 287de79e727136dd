' Run by ./run package-test after register.cmd, by the script host of each bitness: the host
' creates the object of the registered package and gets the server of its own bitness, carrying
' the package's version. Arguments: the version ("1.0.0") and the package folder of the host's
' bitness ("x64" or "x86").

Dim o, version, folder, path, architecture, result
version = WScript.Arguments(0)
folder = WScript.Arguments(1)
architecture = shell.ExpandEnvironmentStrings("%PROCESSOR_ARCHITECTURE%")
Check "a " & architecture & " script host for the server in " & folder, _
      (UCase(architecture) = "AMD64") = (folder = "x64")

Set o = CreateObject("tovserver.myQuendal")
Check "CreateObject gives an object", IsObject(o)
path = shell.RegRead("HKCR\CLSID\{778D4AF5-B5B5-4CC3-875C-F95EA0CD373D}\InprocServer32\")
Check "the registered server " & path & " is " & folder & "\tovserver.dll", _
      LCase(Right(path, Len(folder) + 14)) = LCase(folder & "\tovserver.dll")
Check "its version " & fso.GetFileVersion(path) & " is " & version, _
      fso.GetFileVersion(path) = version & ".0"

' The server works: a panel goes up and the screen is seen.
result = o.InstallPanel(0, 0, 320, 80)
Check "InstallPanel gives Empty", IsEmpty(result)
Check "ScreenWidth " & o.ScreenWidth, o.ScreenWidth > 0
Check "no popup", PopupCount() = 0

ReportChecks
