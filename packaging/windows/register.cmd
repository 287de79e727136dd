@echo off
rem Registers tovserver @VERSION@ for the table-simulator hosts of this computer: on 64-bit
rem Windows the 64-bit server (x64\tovserver.dll) for 64-bit hosts and the 32-bit one
rem (x86\tovserver.dll) for 32-bit hosts, each with the regsvr32 of its bitness; on 32-bit
rem Windows the 32-bit one. The registration records where the servers are: keep this folder
rem where it is, or run register.cmd again after moving it.
rem
rem Run it as administrator. register.cmd /nopause ends without waiting for a key.
setlocal
set "here=%~dp0"
set "status=0"
set "missing=0"
if exist "%SystemRoot%\SysWOW64\regsvr32.exe" goto windows64
echo 32-bit Windows: only the 32-bit server is registered.
call :register 32-bit "%SystemRoot%\System32\regsvr32.exe" "%here%x86\tovserver.dll"
goto done

:windows64
rem A 32-bit command prompt sees SysWOW64 in place of System32; Sysnative is the 64-bit one.
set "native=%SystemRoot%\System32"
if exist "%SystemRoot%\Sysnative\regsvr32.exe" set "native=%SystemRoot%\Sysnative"
call :register 64-bit "%native%\regsvr32.exe" "%here%x64\tovserver.dll"
call :register 32-bit "%SystemRoot%\SysWOW64\regsvr32.exe" "%here%x86\tovserver.dll"

:done
echo.
if "%status%"=="0" goto succeeded
if "%missing%"=="1" echo Files are missing: unpack the whole package again, then run %~nx0 once more.
if "%missing%"=="1" goto end
echo Registration failed. Run register.cmd as administrator (right-click it, Run as administrator).
goto end
:succeeded
echo tovserver @VERSION@ is registered: table scripts can create "tovserver.myQuendal".
:end
if /i not "%~1"=="/nopause" pause
endlocal & exit /b %status%

rem :register BITNESS REGSVR32 DLL
:register
if exist "%~3" goto register_found
echo %~1 server: %~3 is missing.
set "status=1"
set "missing=1"
goto :eof
:register_found
"%~2" /s "%~3"
if errorlevel 1 goto register_failed
echo %~1 server registered: %~3
goto :eof
:register_failed
echo %~1 server: regsvr32 could not register %~3 (error %errorlevel%).
set "status=1"
goto :eof
