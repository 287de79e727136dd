' Calls as a table script makes them: names in any letter case, unknown members, wrong argument
' counts and types, texts passed as literals, as "" and as variables, out arguments filled
' through the script's variables, and two objects driving one engine. ./run wine-test runs it
' in a fresh process with TOV_POPUP_LOG naming the popup log.
' ./run wine-test runs it with lib/checks.vbs (the shared checks) in front of it.

Dim o, p, before, number, s, n, a, b, v, longest

Set o = CreateObject("tovserver.myQuendal")
Set p = CreateObject("tovserver.myQuendal")

' Refusals of the dispatch layer come before any body, so they show no popup.
before = PopupCount()
On Error Resume Next
o.NoSuchMember 1
number = Err.Number
Err.Clear
On Error GoTo 0
Check "an unknown member: error 438, got " & number, number = 438

On Error Resume Next
o.InstallPanel 1, 2, 3
number = Err.Number
Err.Clear
On Error GoTo 0
Check "three arguments for four: error 450, got " & number, number = 450

On Error Resume Next
o.InstallPanel "left", 2, 3, 4
number = Err.Number
Err.Clear
On Error GoTo 0
Check "a word for an I2: error 13, got " & number, number = 13

On Error Resume Next
o.ScreenWidth = 800
number = Err.Number
Err.Clear
On Error GoTo 0
Check "a read-only property cannot be set, got " & number, number <> 0

On Error Resume Next
o.ReadHighscoreFromCVI 0, 1, 2, 3, 4
number = Err.Number
Err.Clear
On Error GoTo 0
Check "out arguments that are no variables: error 13, got " & number, number = 13
Check "no popup from refused calls", PopupCount() = before

' Names in any letter case.
o.installpanel 0, 0, 320, 80
o.INSTALLPANEL 0, 0, 320, 80
Check "SCREENHEIGHT in capitals", o.SCREENHEIGHT = o.ScreenHeight

' Texts: literals, "" and a variable; out arguments come back as a Double and Strings.
v = "second"
o.WriteHighscoreToCVI 4, 4711.5, "ANNA", "", v
s = Empty
n = Empty
a = "old"
b = 17
o.ReadHighscoreFromCVI 4, s, n, a, b
Check "score read back: " & s, s = 4711.5 And TypeName(s) = "Double"
Check "name read back: " & n, n = "ANNA" And TypeName(n) = "String"
Check "an empty text read back", a = "" And TypeName(a) = "String"
Check "a variable's text read back", b = "second"
Check "the variable passed in keeps its text", v = "second"

' Texts reach the bodies in the system code page (1252 here, where Chr(252) is u with umlaut):
' 25 characters with an umlaut are 25 bytes.
longest = Replace(Space(24), " ", "a") & Chr(252)
before = PopupCount()
o.WriteHighscoreToCVI 5, 1, longest, "J" & Chr(252) & "rgen", ""
Check "25 characters with an umlaut fit", PopupCount() = before
o.ReadHighscoreFromCVI 5, s, n, a, b
Check "the umlaut comes back", n = longest And a = "J" & Chr(252) & "rgen"

before = PopupCount()
On Error Resume Next
o.WriteHighscoreToCVI 5, 1, longest & "b", "", ""
number = Err.Number
Err.Clear
On Error GoTo 0
CheckFailure "a 26-character name", number, -1, before, "fatal error" & vbTab & _
             "CVI-function 'WriteHighscoreToCVI': argument '_Highname' too long (max. 25 characters)"

' A UI1 gets the low 8 bits: 356 is 100, no entry; 355 is 99.
before = PopupCount()
On Error Resume Next
o.ReadHighscoreFromCVI 356, s, n, a, b
number = Err.Number
Err.Clear
On Error GoTo 0
CheckFailure "index 356", number, -1, before, "fatal error" & vbTab & _
             "CVI-function 'ReadHighscoreFromCVI': argument '_Index' out of range (must be 0..99)"
o.WriteHighscoreToCVI 355, 99, "LAST", "", ""
o.ReadHighscoreFromCVI 99, s, n, a, b
Check "index 355 is entry 99", s = 99 And n = "LAST"

' Two objects drive one engine: what one stores the other reads.
p.WriteHighscoreToCVI 6, 123, "SHARED", "", ""
o.ReadHighscoreFromCVI 6, s, n, a, b
Check "the second object's entry read through the first", s = 123 And n = "SHARED"

' After InstallPanel through the second object both work on the newer panel only: discarding
' it through the first leaves the second nothing to lock.
o.InstallPanel 0, 0, 320, 80
p.InstallPanel 400, 0, 200, 60
p.SetPanelUserLock 1
p.SetPanelUserLock 0
o.DiscardPanel
before = PopupCount()
On Error Resume Next
p.SetPanelUserLock 1
number = Err.Number
Err.Clear
On Error GoTo 0
CheckFailure "the second object after the first discarded the newer panel", number, -1, before, _
             "warning" & vbTab & "CVI-function 'SetPanelUserLock' failed. First call 'InstallPanel'"

Set p = Nothing
Check "the first object lives on", o.ScreenWidth > 0

ReportChecks
