' The main panel as a table script drives it: every member of the main panel, its properties,
' and the failures with their popups. ./run wine-test runs it in a fresh process with
' TOV_POPUP_LOG naming the popup log and TOV_SCREEN holding the screen size ("1280x1024").
' ./run wine-test runs it with lib/checks.vbs (the shared checks) in front of it.

Dim o, before, number, result, screen, x, y
Set o = CreateObject("tovserver.myQuendal")
Check "CreateObject gives an object", IsObject(o)

' Before InstallPanel the lock has no panel to lock.
before = PopupCount()
On Error Resume Next
o.SetPanelUserLock 1
number = Err.Number
Err.Clear
On Error GoTo 0
CheckFailure "SetPanelUserLock before InstallPanel", number, -1, before, _
             "warning" & vbTab & "CVI-function 'SetPanelUserLock' failed. First call 'InstallPanel'"

' Properties: the screen, in any letter case, and the mouse.
screen = Split(shell.ExpandEnvironmentStrings("%TOV_SCREEN%"), "x")
Check "ScreenWidth " & o.ScreenWidth, o.ScreenWidth = CInt(screen(0))
Check "ScreenHeight " & o.ScreenHeight, o.ScreenHeight = CInt(screen(1))
Check "screenwidth in small letters", o.screenwidth = o.ScreenWidth
Check "a property is an Integer", TypeName(o.ScreenWidth) = "Integer"
x = o.MouseXPos
y = o.MouseYPos
Check "MouseXPos " & x & " on the screen", x >= 0 And x < o.ScreenWidth
Check "MouseYPos " & y & " on the screen", y >= 0 And y < o.ScreenHeight
Check "no button down", o.LMB = 0 And o.RMB = 0 And o.MMB = 0

' Every member of the main panel succeeds once the panel is installed, without a popup.
before = PopupCount()
o.InstallPanel 0, 0, 640, 160
result = o.InstallPanel(20, 30, 320, 80)
Check "a method's result is Empty", IsEmpty(result)
o.SetPanelFrameVisibility 1
o.SetPanelFrameVisibility 0
o.SetPanelUserLock 1
o.SetPanelUserLock 0
o.SetPanelUserLock 7
o.ChangePanelColor &HFF8000
o.ChangePanelColor 0
o.HidePanel
o.HidePanel
Call o.ShowPanel()
o.SetMouseCursorVisibility 0
o.SetMouseCursorVisibility 0
o.SetMouseCursorVisibility 1
o.SetMouseCursorVisibility 1
o.ClearArea 0, 0, 10, 10, &HFFFFFF
Check "no popup from succeeding members", PopupCount() = before

' After DiscardPanel the lock finds no panel again.
o.DiscardPanel
before = PopupCount()
On Error Resume Next
o.SetPanelUserLock 0
number = Err.Number
Err.Clear
On Error GoTo 0
CheckFailure "SetPanelUserLock after DiscardPanel", number, -1, before, _
             "warning" & vbTab & "CVI-function 'SetPanelUserLock' failed. First call 'InstallPanel'"

' Drawing on a discarded panel is refused by the run-time without a popup.
before = PopupCount()
o.ClearArea 0, 0, 10, 10, 0
o.HidePanel
o.ShowPanel
Check "no popup from drawing on a discarded panel", PopupCount() = before

ReportChecks
