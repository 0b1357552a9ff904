Postlark's Windows Installer package, built by tools/msi.sh from this
build's files, and its tables as Windows Installer reads them: every
component of the package's bitness; no registry value of its own (the
mail library registers itself); the custom actions that run regsvr32 on
the installed library, for the user or as the system for the machine,
with "nodefault" where POSTLARK_DEFAULT is 0; any other version removed
before this one is installed; the summary's template for its platform,
and word count 10 (compressed, no elevation needed).

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
