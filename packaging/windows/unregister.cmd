@echo off
rem Removes the registration of tovserver @VERSION@ that register.cmd made: the 64-bit and the
rem 32-bit server on 64-bit Windows, the 32-bit one on 32-bit Windows. Hosts can no longer
rem create "tovserver.myQuendal" afterwards; the files stay and can then be deleted.
rem
rem Run it as administrator. unregister.cmd /nopause ends without waiting for a key.
setlocal
set "here=%~dp0"
set "status=0"
set "missing=0"
if exist "%SystemRoot%\SysWOW64\regsvr32.exe" goto windows64
call :unregister 32-bit "%SystemRoot%\System32\regsvr32.exe" "%here%x86\tovserver.dll"
goto done

:windows64
rem A 32-bit command prompt sees SysWOW64 in place of System32; Sysnative is the 64-bit one.
set "native=%SystemRoot%\System32"
if exist "%SystemRoot%\Sysnative\regsvr32.exe" set "native=%SystemRoot%\Sysnative"
call :unregister 32-bit "%SystemRoot%\SysWOW64\regsvr32.exe" "%here%x86\tovserver.dll"
call :unregister 64-bit "%native%\regsvr32.exe" "%here%x64\tovserver.dll"

:done
echo.
if "%status%"=="0" goto succeeded
if "%missing%"=="1" echo Files are missing: unpack the whole package again, then run %~nx0 once more.
if "%missing%"=="1" goto end
echo Unregistration failed. Run unregister.cmd as administrator (right-click it, Run as administrator).
goto end
:succeeded
echo tovserver @VERSION@ is unregistered; this folder can now be deleted.
:end
if /i not "%~1"=="/nopause" pause
endlocal & exit /b %status%

rem :unregister BITNESS REGSVR32 DLL
:unregister
if exist "%~3" goto unregister_found
echo %~1 server: %~3 is missing.
set "status=1"
set "missing=1"
goto :eof
:unregister_found
"%~2" /u /s "%~3"
if errorlevel 1 goto unregister_failed
echo %~1 server unregistered: %~3
goto :eof
:unregister_failed
echo %~1 server: regsvr32 could not unregister %~3 (error %errorlevel%).
set "status=1"
goto :eof
