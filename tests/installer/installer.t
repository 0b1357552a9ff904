Postlark's Windows Installer package, built by tools/msi.sh from this
build's files, in a Wine prefix of its own. Its tables as Windows Installer
reads them: every component of the package's bitness; no registry value
of its own (the mail library registers itself); the custom actions that
run regsvr32 on the installed library, for the user or as the system for
the machine, with "nodefault" where POSTLARK_DEFAULT is 0; any other
version removed before this one is installed; the summary's template for
its platform, and word count 10 (compressed, no elevation needed).

  $ arch=$([ "$bits" = 64 ] && echo x64 || echo x86) && package() { bash "$tools/msi.sh" "$arch" "$1" "$build" "postlark-$1.msi"; } && package "$version"
  $ table() { msiinfo export "postlark-$version.msi" "$1" | tail -n +4 | LC_ALL=C sort; }
  $ table Component | awk -v bits="$bits" '{ print $1, $3, (int($4 / 256) % 2 ? 64 : 32) == bits ? "of the package'"'"'s bitness" : "of the other" }'
  MailLibrary VERSIONDIR of the package's bitness
  Program INSTALLDIR of the package's bitness
  $ table Registry | wc -l
  0
  $ table CustomAction | sed "s/System64Folder/SystemFolder/" | awk -F '\t' '{ printf "%s: %s%s%s: %s %s\n", $1, $2 % 64 == 51 ? "sets" : "runs", int($2 / 1024) % 2 ? ", deferred, as " (int($2 / 2048) % 2 ? "the system" : "the user") : "", int($2 / 64) % 2 ? ", failure ignored" : "", $3, $4 }'
  FindRegsvr32: sets: REGSVR32 [SystemFolder]regsvr32.exe
  NoDefault: sets: POSTLARK_WORDS ,nodefault
  RegisterForMachine: runs, deferred, as the system: REGSVR32 /s /n /i:machine[POSTLARK_WORDS] "[#PostlarkMAPI.dll]"
  RegisterForUser: runs, deferred, as the user: REGSVR32 /s /n /i:user[POSTLARK_WORDS] "[#PostlarkMAPI.dll]"
  UnregisterForMachine: runs, deferred, as the system, failure ignored: REGSVR32 /s /u /n /i:machine "[#PostlarkMAPI.dll]"
  UnregisterForUser: runs, deferred, as the user, failure ignored: REGSVR32 /s /u /n /i:user "[#PostlarkMAPI.dll]"
  UserFolder: sets: INSTALLDIR [LocalAppDataFolder]Programs\Postlark\
  $ table InstallExecuteSequence | awk -F '\t' '$2 != "" || $1 ~ /Files|RemoveExisting|Install(Initialize|Finalize)/' | sort -t "$(printf '\t')" -k3n | cut -f1,2
  UserFolder	NOT ALLUSERS
  FindRegsvr32	1
  NoDefault	POSTLARK_DEFAULT = "0"
  InstallInitialize	
  RemoveExistingProducts	
  UnregisterForUser	REMOVE ~= "ALL" AND NOT ALLUSERS
  UnregisterForMachine	REMOVE ~= "ALL" AND ALLUSERS
  RemoveFiles	
  InstallFiles	
  RegisterForUser	NOT REMOVE ~= "ALL" AND NOT ALLUSERS
  RegisterForMachine	NOT REMOVE ~= "ALL" AND ALLUSERS
  InstallFinalize	
  $ msiinfo suminfo "postlark-$version.msi" | grep -e Template -e Source | sed "s/^Template: $([ "$bits" = 64 ] && echo x64 || echo Intel);/Template: PLATFORM;/"
  Template: PLATFORM;1033
  Source: 10 (a)

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
  $ msiexec /i "$(windows_path "postlark-$version.msi")" ALLUSERS=1 /qn && files "$programs" && keys HKLM | grep -A3 'Mail\\Postlark$' && simple_mapi
  Postlark
  Postlark/LICENSE.txt
  Postlark/Postlark.exe
  Postlark/README.md
  Postlark/VERSION
  Postlark/VERSION/PostlarkMAPI.dll
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
  $ msiexec /i "$(windows_path "postlark-$version.msi")" ALLUSERS=1 /qn && files "$programs" && keys HKLM | grep -A3 'Mail\\Postlark$' && listed
  Postlark
  Postlark/LICENSE.txt
  Postlark/Postlark.exe
  Postlark/README.md
  Postlark/VERSION
  Postlark/VERSION/PostlarkMAPI.dll
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Postlark
      (Default)    REG_SZ    Postlark
      DLLPath    REG_SZ    C:\Program Files\Postlark\VERSION\PostlarkMAPI.dll
      PreviousDefault    REG_SZ    Native Mail Client
      DisplayName    REG_SZ    Postlark
      DisplayVersion    REG_SZ    VERSION
      Publisher    REG_SZ    The Postlark developers
  $ "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s </dev/null 2>/dev/null | grep -c 'DisplayName.*Postlark'
  1
  $ msiexec /i "$(windows_path postlark-0.9.0.msi)" ALLUSERS=1 /qn
  [1603]
  $ msiexec /x "$(windows_path "postlark-$version.msi")" ALLUSERS=1 /qn && files "$programs" && keys HKLM
  HKEY_LOCAL_MACHINE\Software\Clients\Mail
      (Default)    REG_SZ    Native Mail Client
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Native Mail Client
      DLLPath    REG_SZ    C:\windows\system32\winemapi.dll
