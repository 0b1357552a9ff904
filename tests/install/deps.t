tools/install-deps.sh, asked what it would do (--dry-run) as on a fresh
machine: apt's status file is empty, and a pin holds back one package, as a
mirror caught in the middle of a sync does. Where apt cannot resolve 32-bit
Wine, it names the package it cannot resolve (which one, Debian 12 and 13
tell apart) and installs the rest; any
other package it cannot resolve stops it, named. (apt must know the i386
architecture, as tools/check.sh has it do.)

  $ held() { mkdir -p state prefs && : >state/status && printf 'Package: %s\nPin: release *\nPin-Priority: -1\n' "$@" >prefs/held.pref; }
  $ printf 'Dir::State::status "%s/state/status";\nDir::Etc::PreferencesParts "%s/prefs";\nAPT::Architectures { "%s"; "i386"; };\n' "$PWD" "$PWD" "$(dpkg --print-architecture)" >apt.conf
  $ deps() { APT_CONFIG=$PWD/apt.conf bash "$tools/install-deps.sh" --dry-run "$@" >log 2>&1; echo "status $?"; grep '^install-deps.sh:' log | sed -E 's/resolve [^ ]+:i386, which [^ ]+:i386 needs$/resolve X:i386, which Y:i386 needs/'; }
  $ held libpcre2-8-0:i386 && deps windows && grep -o '^Inst \(wine64\|wine32\|g++-mingw-w64-i686\) ' log
  status 0
  install-deps.sh: cannot install wine32:i386: apt cannot resolve X:i386, which Y:i386 needs
  install-deps.sh: installing the rest; without 32-bit Wine the windows-x86 tests skip themselves
  Inst g++-mingw-w64-i686 
  Inst wine64 
  $ held 'hyperfine:*' && deps bench
  status 1
  install-deps.sh: cannot install hyperfine: Package 'hyperfine' has no installation candidate
