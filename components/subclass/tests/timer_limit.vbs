' A script host client: creates timers by ProgID, reads and writes Interval,
' and sees the library's error for the 101st running timer.
Option Explicit
Dim failures : failures = 0
Sub Check(ok, what)
  If Not ok Then
    WScript.Echo "FAILED: " & what
    failures = failures + 1
  End If
End Sub

Dim t : Set t = CreateObject("Vornesub.CTimer")
Check t.Interval = 0, "a new timer is stopped"
t.Interval = 250
Check t.Interval = 250, "Interval reads what was set"
t.Interval = -5
Check t.Interval = 0, "a negative interval stops the timer"

Dim timers(100), i, errors : errors = 0
On Error Resume Next
For i = 0 To 100
  Set timers(i) = CreateObject("Vornesub.CTimer")
  timers(i).Interval = 5000
  If Err.Number <> 0 Then
    errors = errors + 1
    Check i = 100, "only the 101st timer fails (failed at " & i & ")"
    Check Err.Number = &H80043553, "error number (" & Hex(Err.Number) & ")"
    Check Err.Source = "Vornesub.WindowProc", "error source (" & Err.Source & ")"
    Check Err.Description = "No more than 10 timers allowed per class", "error description (" & Err.Description & ")"
    Err.Clear
  End If
Next
On Error GoTo 0
Check errors = 1, "exactly one failure (" & errors & ")"
Check timers(100).Interval = 5000, "the refused timer keeps its value"
For i = 0 To 100
  timers(i).Interval = 0
Next

If failures = 0 Then WScript.Echo "timer_limit: all checks passed"
WScript.Quit failures
