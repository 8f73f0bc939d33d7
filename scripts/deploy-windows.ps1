<#
.SYNOPSIS
    Gathers what Pictorb needs beside its executables on Windows and builds the installer.

.DESCRIPTION
    Run in a shell where the Qt 5.15 kit that built Pictorb comes first on PATH (windeployqt,
    qmake) and, for -Installer, NSIS's makensis and CMake's cpack are found:

        cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
        cmake --build build --config Release
        scripts\deploy-windows.ps1 -BuildDir build -OpenSslDir C:\OpenSSL-Win64\bin `
            -MpvDll C:\mpv\libmpv-2.dll -Ffmpeg C:\ffmpeg\bin\ffmpeg.exe `
            -KeychainDll C:\qtkeychain\bin\qt5keychain.dll -Installer

    The build renders the icons with rsvg-convert (librsvg) and icotool (icoutils), which
    must be on PATH while CMake configures (MSYS2 and Cygwin carry both).

    It fills <BuildDir>\windows-runtime with the tree that `cmake --install` and CPack add
    beside the programs:
      bin\            Qt's libraries and plug-ins from windeployqt: the Windows platform, the
                      offscreen platform that pictorb-sheet runs on, the image formats with
                      WEBP and SVG, the SVG icon engine, and the compiler's runtime;
                      the TLS back-end of Qt 5.15 (OpenSSL's libssl and libcrypto) for the
                      update check and the speech service;
                      libmpv's DLL for the video player; ffmpeg.exe, which extracts a film's
                      sound (Windows finds it beside the program first); QtKeychain's DLL,
                      which keeps the speech service's API key in the Windows credential
                      store.
      share\doc\pictorb\third-party\
                      the licence files that come with libmpv, ffmpeg, OpenSSL and
                      QtKeychain.
    Pictorb's own LICENSE and THIRD_PARTY_NOTICES.md are installed by CMake.

    With -Installer, CPack's NSIS generator then writes pictorb-<version>-win64.exe into the
    build folder: Start menu entry, .pictorb projects opening in Pictorb, Pictorb under
    "Open with" for pictures and films, and an uninstaller.
#>
[CmdletBinding()]
param(
    [string] $BuildDir = "build",
    [string] $Config = "Release",
    [Parameter(Mandatory = $true)] [string] $OpenSslDir,
    [Parameter(Mandatory = $true)] [string] $MpvDll,
    [Parameter(Mandatory = $true)] [string] $Ffmpeg,
    [Parameter(Mandatory = $true)] [string] $KeychainDll,
    [switch] $Installer
)

$ErrorActionPreference = "Stop"

function Find-Program([string] $Name) {
    foreach ($candidate in @("$BuildDir\$Config\$Name", "$BuildDir\$Name")) {
        if (Test-Path $candidate) { return (Resolve-Path $candidate).Path }
    }
    throw "$Name is not in $BuildDir; build it first"
}

function Copy-Licences([string] $From, [string] $To) {
    $licences = Get-ChildItem -Path $From -File |
        Where-Object { $_.Name -match '^(LICEN[CS]E|COPYING|NOTICE)' }
    if ($licences) {
        New-Item -ItemType Directory -Force -Path $To | Out-Null
        $licences | Copy-Item -Destination $To
    } else {
        Write-Warning "No licence file beside $From; add it to $To by hand"
    }
}

$BuildDir = (Resolve-Path $BuildDir).Path
$runtime = Join-Path $BuildDir "windows-runtime"
$bin = Join-Path $runtime "bin"
$thirdParty = Join-Path $runtime "share\doc\pictorb\third-party"
if (Test-Path $runtime) { Remove-Item -Recurse -Force $runtime }
New-Item -ItemType Directory -Force -Path $bin | Out-Null

# Qt: libraries, plug-ins and translations of what both programs link.
$windeployqt = (Get-Command windeployqt -ErrorAction Stop).Source
$mode = if ($Config -eq "Debug") { "--debug" } else { "--release" }
foreach ($program in @("pictorb.exe", "pictorb-sheet.exe")) {
    & $windeployqt $mode --dir $bin --compiler-runtime --no-opengl-sw `
        --no-system-d3d-compiler (Find-Program $program)
    if ($LASTEXITCODE -ne 0) { throw "windeployqt failed on $program" }
}
# pictorb-sheet draws without a display on the offscreen platform, which windeployqt leaves out.
$plugins = (& (Get-Command qmake -ErrorAction Stop).Source -query QT_INSTALL_PLUGINS).Trim()
Copy-Item "$plugins\platforms\qoffscreen.dll" "$bin\platforms\"
foreach ($plugin in @("platforms\qwindows.dll", "platforms\qoffscreen.dll",
                      "imageformats\qwebp.dll", "imageformats\qsvg.dll",
                      "imageformats\qjpeg.dll", "iconengines\qsvgicon.dll")) {
    if (-not (Test-Path "$bin\$plugin")) {
        throw "$plugin is missing: install Qt's image formats and SVG modules into the kit"
    }
}

# TLS back-end: Qt 5.15 loads OpenSSL's DLLs at run time.
$openssl = Get-ChildItem -Path $OpenSslDir -File |
    Where-Object { $_.Name -match '^lib(ssl|crypto)-[0-9_]+(-x64)?\.dll$' }
if (@($openssl).Count -lt 2) { throw "libssl and libcrypto DLLs not found in $OpenSslDir" }
$openssl | Copy-Item -Destination $bin
Copy-Licences (Split-Path (Resolve-Path $OpenSslDir).Path) "$thirdParty\openssl"

# The video player's engine and the sound extractor.
Copy-Item (Resolve-Path $MpvDll).Path $bin
Copy-Licences (Split-Path (Resolve-Path $MpvDll).Path) "$thirdParty\mpv"
Copy-Item (Resolve-Path $Ffmpeg).Path (Join-Path $bin "ffmpeg.exe")
Copy-Licences (Split-Path (Split-Path (Resolve-Path $Ffmpeg).Path)) "$thirdParty\ffmpeg"

# The secret store for the transcription service's API key.
Copy-Item (Resolve-Path $KeychainDll).Path $bin
Copy-Licences (Split-Path (Split-Path (Resolve-Path $KeychainDll).Path)) "$thirdParty\qtkeychain"

Write-Host "Runtime gathered in $runtime"

if ($Installer) {
    Push-Location $BuildDir
    try {
        cpack -G NSIS -C $Config
        if ($LASTEXITCODE -ne 0) { throw "cpack failed" }
    } finally {
        Pop-Location
    }
}
