' The bitmap selection as a table script fills it: slots at and beyond both ends, frame widths,
' missing files, file names passed as literals, as empty texts and as variables, and numbers
' of other types where the slot is an I2. ./run wine-test runs it in a fresh process in a folder
' holding strip.bmp (100 x 10 pixels), with TOV_POPUP_LOG naming the popup log.
' ./run wine-test runs it with lib/checks.vbs (the shared checks) in front of it.

Dim kRange
kRange = "fatal error" & vbTab & "CVI-function 'AddBitmapToSelection': " & _
         "argument '_BitmapSelectionIndex' out of range out of range (must be 0..499)"

Dim o, before, number, folder, name, lines
Set o = CreateObject("tovserver.myQuendal")
o.InstallPanel 0, 0, 320, 80
folder = shell.CurrentDirectory

' Slots 0 and 499 take a bitmap; the frame grid of 100 pixels in frames of 30 has 3 frames.
before = PopupCount()
o.AddBitmapToSelection "strip.bmp", 0, 30, 10
o.AddBitmapToSelection "strip.bmp", 499, 100, 10
o.AddBitmapToSelection "STRIP.BMP", 1, 200, 10
Check "slots 0, 1 and 499 without popup", PopupCount() = before

' 500 and -1 are no slots.
Sub RefusedSlot(label, slot)
    Dim count, code
    count = PopupCount()
    On Error Resume Next
    o.AddBitmapToSelection "strip.bmp", slot, 10, 10
    code = Err.Number
    Err.Clear
    On Error GoTo 0
    CheckFailure label, code, -1, count, kRange
End Sub
RefusedSlot "slot 500", 500
RefusedSlot "slot -1", -1
' An I2 gets the low 16 bits: 70000 is 4464, True is -1, 499.5 rounds half to even to 500.
RefusedSlot "slot 70000", 70000
RefusedSlot "slot True", True
RefusedSlot "slot 499.5", 499.5

' 65541 is slot 5, 498.5 is 498, "3" is slot 3.
before = PopupCount()
o.AddBitmapToSelection "strip.bmp", 65541, 10, 10
o.AddBitmapToSelection "strip.bmp", 498.5, 10, 10
o.AddBitmapToSelection "strip.bmp", "3", 10, 10
o.AddBitmapToSelection "strip.bmp", CByte(4), CLng(10), CDbl(10)
Check "slots 65541, 498.5, ""3"" and CByte(4) without popup", PopupCount() = before

' A word is no number: the call is refused before the body, without a popup.
before = PopupCount()
On Error Resume Next
o.AddBitmapToSelection "strip.bmp", "three", 10, 10
number = Err.Number
Err.Clear
On Error GoTo 0
Check "a word as a slot: type mismatch, got " & number, number = 13
Check "a word as a slot: no popup", PopupCount() = before

' A variable holding the name arrives as a reference; it keeps its value.
name = "strip.bmp"
before = PopupCount()
o.AddBitmapToSelection name, 6, 10, 10
Check "a variable as the file name", PopupCount() = before
Check "the variable keeps its text", name = "strip.bmp" And TypeName(name) = "String"

' Frame width 0: the bitmap is kept, with a warning.
before = PopupCount()
On Error Resume Next
o.AddBitmapToSelection name, 7, 0, 10
number = Err.Number
Err.Clear
On Error GoTo 0
CheckFailure "frame width 0", number, -1, before, _
             "warning" & vbTab & "CVI-function 'AddBitmapToSelection': argument '_BitmapFrameWidth' is zero"

' A missing file and an empty name: the popup names the path in the installed folder.
before = PopupCount()
On Error Resume Next
o.AddBitmapToSelection "missing.bmp", 8, 10, 10
number = Err.Number
Err.Clear
On Error GoTo 0
lines = PopupLines()
Check "missing file: Err.Number " & number, number = -1
Check "missing file: one popup", UBound(lines) + 1 = before + 1
Check "missing file: popup [" & lines(UBound(lines)) & "]", _
      InStr(lines(UBound(lines)), "fatal error" & vbTab & "CVI-function 'AddBitmapToSelection': File '" & _
            folder & "\missing.bmp': ") = 1

before = PopupCount()
On Error Resume Next
o.AddBitmapToSelection "", 9, 10, 10
number = Err.Number
Err.Clear
On Error GoTo 0
lines = PopupLines()
Check "empty name: Err.Number " & number, number = -1
Check "empty name: one popup", UBound(lines) + 1 = before + 1
Check "empty name: popup [" & lines(UBound(lines)) & "]", _
      InStr(lines(UBound(lines)), "fatal error" & vbTab & "CVI-function 'AddBitmapToSelection': File '" & _
            folder & "\': ") = 1

' Drawing from the slots.
before = PopupCount()
o.DrawArea 0, 30, 0, 30, 10, 5, 5
o.DrawOnBackground 499, 0, 0, 100, 10, 0, 40, 200, 20
Check "drawing from filled slots without popup", PopupCount() = before

ReportChecks
