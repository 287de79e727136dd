' Checks and popup-log helpers shared by the table scripts. ./run wine-test puts this file in
' front of each script (VBScript has no include), and each script ends by calling ReportChecks.
Option Explicit

Dim passed, failed, shell, fso, logPath
passed = 0
failed = 0
Set shell = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
logPath = shell.ExpandEnvironmentStrings("%TOV_POPUP_LOG%")

Sub Check(name, condition)
    If condition Then
        passed = passed + 1
    Else
        failed = failed + 1
        WScript.Echo "FAIL " & name
    End If
End Sub

' The popups so far, one line each: title, tab, text.
Function PopupLines()
    PopupLines = Array()
    If Not fso.FileExists(logPath) Then Exit Function
    If fso.GetFile(logPath).Size = 0 Then Exit Function
    Dim text
    text = fso.OpenTextFile(logPath, 1).ReadAll()
    If Right(text, 1) = vbLf Then text = Left(text, Len(text) - 1)
    PopupLines = Split(text, vbLf)
End Function

Function PopupCount()
    PopupCount = UBound(PopupLines()) + 1
End Function

' A member that failed: its error number, and exactly one new popup with this line.
Sub CheckFailure(name, number, wanted, popupsBefore, popup)
    Dim lines
    lines = PopupLines()
    Check name & ": Err.Number " & number & ", wanted " & wanted, number = wanted
    Check name & ": one popup, got " & (UBound(lines) + 1 - popupsBefore), _
          UBound(lines) + 1 = popupsBefore + 1
    If UBound(lines) >= 0 Then
        Check name & ": popup [" & lines(UBound(lines)) & "]", lines(UBound(lines)) = popup
    End If
End Sub

' The closing line: the runner counts a script as passed only when it prints ALL CHECKS PASSED.
Sub ReportChecks()
    If failed = 0 Then
        WScript.Echo "ALL CHECKS PASSED (" & passed & ")"
    Else
        WScript.Echo failed & " OF " & (passed + failed) & " CHECKS FAILED"
    End If
End Sub
