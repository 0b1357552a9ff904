The x86 package is for 32-bit Windows: on 64-bit Windows it says so and
installs nothing (1603), whatever the scope, and the x64 package is the
one to use there.

  $ bash "$tools/msi.sh" x86 "$version" "$build" postlark.msi && msiexec /i "$(windows_path postlark.msi)" /qn; msiexec /i "$(windows_path postlark.msi)" ALLUSERS=1 /qn; ls "$WINEPREFIX/drive_c/Program Files (x86)" "$WINEPREFIX/drive_c/Program Files" | grep -c Postlark; mail_keys HKLM | grep -c Postlark
  [1603]
  [1603]
  0
  0
