The x64 package installed with Wine's msiexec in a 64-bit Windows prefix
of its own.

  $ arch=x64 && package() { bash "$tools/msi.sh" "$arch" "$1" "$build" "postlark-$1.msi"; } && package "$version"

A double-click installs for the user (Wine needs to be told: ALLUSERS
empty): the files under %LOCALAPPDATA%\Programs\Postlark, the library in a
folder of its version, and the library registered for the user, keeping
the user's default before it. Removal gives that default back and leaves
no file and no key of Postlark's.

  $ local=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local) && files() { (cd "$1" && { find Postlark 2>/dev/null || true; } | sed "s|/$version\$|/VERSION|; s|/$version/|/VERSION/|" | LC_ALL=C sort); }
  $ code=$(msiinfo export "postlark-$version.msi" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r')
  $ listed() { for root in HKCU HKLM; do "$wine" reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$code" 2>/dev/null; done | tr -d '\r' | grep -E '^ +(DisplayName|DisplayVersion|Publisher) ' | sed "s/$version\$/VERSION/"; }
  $ keys() { mail_keys "$1" | sed "s/\\\\$version\\\\/\\\\VERSION\\\\/; s/\\\\users\\\\[^\\\\]*\\\\/\\\\users\\\\USER\\\\/"; }
  $ mail_programs '[HKEY_CURRENT_USER\Software\Clients\Mail]' '@="Native Mail Client"' && printf 'figures\r\n' >report.txt
  $ msiexec /i "$(windows_path "postlark-$version.msi")" ALLUSERS= /qn && files "$local/Programs" && keys HKCU && listed
  Postlark
  Postlark/LICENSE.txt
  Postlark/Postlark.exe
  Postlark/README.md
  Postlark/VERSION
  Postlark/VERSION/PostlarkMAPI.dll
  HKEY_CURRENT_USER\Software\Clients\Mail
      (Default)    REG_SZ    Postlark
  HKEY_CURRENT_USER\Software\Clients\Mail\Postlark
      (Default)    REG_SZ    Postlark
      DLLPath    REG_SZ    C:\users\USER\AppData\Local\Programs\Postlark\VERSION\PostlarkMAPI.dll
      PreviousDefault    REG_SZ    Native Mail Client
      DisplayName    REG_SZ    Postlark
      DisplayVersion    REG_SZ    VERSION
      Publisher    REG_SZ    The Postlark developers
  $ msiexec /x "$(windows_path "postlark-$version.msi")" ALLUSERS= /qn && files "$local/Programs" && keys HKCU && listed
  HKEY_CURRENT_USER\Software\Clients\Mail
      (Default)    REG_SZ    Native Mail Client

For the machine, as an administrator deploys it (ALLUSERS=1): the files
under Program Files, the library registered for the machine over the
machine's default, and a program's call through the system's MAPI32.DLL
reaches it (26 and the mailto: link, as PostlarkMAPI.dll answers), MAPI is 1
for programs that look there first. Removal
gives everything back.

  $ mail_programs '[HKEY_LOCAL_MACHINE\Software\Clients\Mail]' '@="Native Mail Client"' '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows Messaging Subsystem]' '"MAPI"="0"' && programs=$(echo "$WINEPREFIX/drive_c/Program Files")
  $ msiexec /i "$(windows_path "postlark-$version.msi")" ALLUSERS=1 /qn && files "$programs" | paste -sd ' ' && keys HKLM | grep -A3 'Mail\\Postlark$' && simple_mapi
  Postlark Postlark/LICENSE.txt Postlark/Postlark.exe Postlark/README.md Postlark/VERSION Postlark/VERSION/PostlarkMAPI.dll
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Postlark
      (Default)    REG_SZ    Postlark
      DLLPath    REG_SZ    C:\Program Files\Postlark\VERSION\PostlarkMAPI.dll
      PreviousDefault    REG_SZ    Native Mail Client
  MAPI: 1
  $ caller wide 'Weekly report' 'attached' "file|$(windows_path report.txt)" && handled
  [26]
  handler: "mailto:?subject=Weekly%20report&body=attached"
  $ msiexec /x "$(windows_path "postlark-$version.msi")" ALLUSERS=1 /qn && files "$programs" && simple_mapi && keys HKLM | grep -c Postlark; listed
  MAPI: 0
  0

With POSTLARK_DEFAULT=0 the library is registered, but the default stays
for the administrator to set by policy.

  $ msiexec /i "$(windows_path "postlark-$version.msi")" ALLUSERS=1 POSTLARK_DEFAULT=0 /qn && keys HKLM && simple_mapi
  HKEY_LOCAL_MACHINE\Software\Clients\Mail
      (Default)    REG_SZ    Native Mail Client
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Native Mail Client
      DLLPath    REG_SZ    C:\windows\system32\winemapi.dll
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Postlark
      (Default)    REG_SZ    Postlark
      DLLPath    REG_SZ    C:\Program Files\Postlark\VERSION\PostlarkMAPI.dll
  MAPI: 1
  $ msiexec /x "$(windows_path "postlark-$version.msi")" ALLUSERS=1 /qn && keys HKLM | grep -c Postlark
  0

An upgrade from an older version leaves one installation and one
registration, with the library in the new version's folder and the
old one's gone; the default before the first install is the one given
back at the end. An older package over a newer one is refused.

  $ package 0.9.0 && msiexec /i "$(windows_path postlark-0.9.0.msi)" ALLUSERS=1 /qn && files "$programs" | grep -c 0.9.0
  2
  $ msiexec /i "$(windows_path "postlark-$version.msi")" ALLUSERS=1 /qn && files "$programs" | paste -sd ' ' && keys HKLM | grep -e DLLPath -e PreviousDefault && listed | grep Version
  Postlark Postlark/LICENSE.txt Postlark/Postlark.exe Postlark/README.md Postlark/VERSION Postlark/VERSION/PostlarkMAPI.dll
      DLLPath    REG_SZ    C:\windows\system32\winemapi.dll
      DLLPath    REG_SZ    C:\Program Files\Postlark\VERSION\PostlarkMAPI.dll
      PreviousDefault    REG_SZ    Native Mail Client
      DisplayVersion    REG_SZ    VERSION
  $ "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s </dev/null 2>/dev/null | grep -c 'DisplayName.*Postlark'
  1
  $ msiexec /i "$(windows_path postlark-0.9.0.msi)" ALLUSERS=1 /qn
  [1603]
  $ msiexec /x "$(windows_path "postlark-$version.msi")" ALLUSERS=1 /qn && files "$programs" && keys HKLM
  HKEY_LOCAL_MACHINE\Software\Clients\Mail
      (Default)    REG_SZ    Native Mail Client
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Native Mail Client
      DLLPath    REG_SZ    C:\windows\system32\winemapi.dll
