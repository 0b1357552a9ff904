#!/usr/bin/env bash
# Installs from the distribution's packages what building and testing need,
# and only what is missing. As root it runs apt-get; otherwise it prints the
# commands to run.
#
#   install-deps.sh [--dry-run] [GROUP...]   groups: native, windows, fuzz, bench, release;
#                                            without one: native, windows and fuzz
#
# 32-bit Wine (the packages of the i386 architecture) runs only the
# windows-x86 tests. Where apt cannot resolve it, everything else is
# installed, two lines say what was left out and why, and those tests skip
# themselves. Any other package that cannot be installed stops the run, with
# a line naming it.
#
# --dry-run asks apt what it would do (apt-get -s), as any user, and changes
# nothing. Apt's own settings hold throughout (APT_CONFIG): a package is
# missing where apt's status file does not have it installed.
set -euo pipefail

# The tests build Dolphin's and PCManFM-Qt's context menus with their own
# libraries: on Debian 12 of KDE Frameworks 5 and Qt 5, later on 6.
menus="libkf6kio-dev libfm-qt-dev qt6-base-dev"
[ "$(. /etc/os-release 2>/dev/null && echo "${VERSION_ID:-}")" != 12 ] ||
  menus="libkf5kio-dev libfm-qt-dev libqt5x11extras5-dev"
declare -A groups=(
  [native]="cmake ninja-build g++ pkgconf python3 libgtest-dev libglib2.0-dev libglib2.0-bin dpkg-dev dbus-daemon xdg-desktop-portal bubblewrap fuse3 scdoc man-db lintian caja-actions desktop-file-utils $menus"
  [windows]="g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 wine32:i386 locales python3 wixl msitools osslsigncode openssl python3-yaml"
  [fuzz]="clang libclang-rt-dev"
  [bench]="valgrind hyperfine"
  [release]="debootstrap wget"
)
dry_run=
[ "${1:-}" != --dry-run ] || { dry_run=yes; shift; }
[ $# -gt 0 ] || set -- native windows fuzz
wanted=()
for group in "$@"; do
  [ -n "${groups[$group]:-}" ] || { echo "install-deps.sh: no group '$group'" >&2; exit 2; }
  read -ra packages <<<"${groups[$group]}"
  wanted+=("${packages[@]}")
done

eval "$(apt-config shell status Dir::State::status/f)"
dpkg_dir=$(dirname "${status:-/var/lib/dpkg/status}")
missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query --admindir="$dpkg_dir" -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$package")
  fi
done
commands=()
if [ ${#missing[@]} -gt 0 ]; then
  # 32-bit Wine runs the 32-bit program: it needs the i386 architecture.
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
     ! dpkg --admindir="$dpkg_dir" --print-foreign-architectures | grep -qx i386; then
    commands+=("dpkg --add-architecture i386")
  fi
  commands+=("apt-get update" "apt-get install -y --no-install-recommends ${missing[*]}")
fi
# The Windows tests also run Wine in Japanese, for its double-byte code page.
if [[ " ${wanted[*]} " == *" locales "* ]] && ! locale -a 2>/dev/null | grep -qx ja_JP.utf8; then
  commands+=("localedef -i ja_JP -f UTF-8 ja_JP.UTF-8")
fi
[ ${#commands[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ] && [ -z "$dry_run" ]; then
  echo "Packages or locales are missing. Install them as root with:" >&2
  printf '  %s\n' "${commands[@]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive LC_ALL=C
# A mirror caught in the middle of a sync serves an index that does not match
# its release file, and apt-get update fails for that one index. Try again a
# little later; then go on with the lists there are.
partial_lists=
update() {
  local attempt
  for attempt in 1 2 3; do
    apt-get update && return 0
    [ $attempt = 3 ] || sleep 30
  done
  echo "install-deps.sh: apt-get update failed three times; going on with the lists there are" >&2
  partial_lists=yes
}
# apt-get install, or its simulation in a dry run. Without the security
# archive's index for i386, its newer amd64 versions cannot stand beside the
# i386 ones (multiarch wants the same version): then both come from the
# release's own archive.
apt_install() {
  local simulate=()
  [ -z "$dry_run" ] || simulate=(-s)
  apt-get install -y --no-install-recommends "${simulate[@]}" "$@" && return 0
  [ -n "$partial_lists" ] || return 1
  local VERSION_CODENAME
  VERSION_CODENAME=$(. /etc/os-release && echo "$VERSION_CODENAME")
  echo "+ apt-get install -t $VERSION_CODENAME $*"
  apt-get install -y --no-install-recommends "${simulate[@]}" -t "$VERSION_CODENAME" "$@"
}
# Why apt cannot install what it was asked for, in a few words, from its
# output: the package it cannot resolve, or its own first complaint.
why_not() {
  local line
  line=$(awk '$2 == ":" { needed_by = $1 }
    /Depends: .* but it is not installable/ {
      for (i = 1; i < NF; i++) if ($i ~ /Depends:$/) { print "apt cannot resolve " $(i + 1) ", which " needed_by " needs"; exit }
    }' <<<"$1")
  [ -n "$line" ] || line=$(sed -n -E '/^ *[^ ]+ : (Pre-)?Depends: /{s/^ *//p;q}; /^E: /{s/^E: //p;q}' <<<"$1")
  echo "${line:-apt-get install failed}"
}
# Installs the packages. Where apt cannot resolve them all, and 32-bit Wine
# is all it cannot resolve, installs the rest; otherwise names each package
# it cannot resolve, asking it for each alone, and stops.
install_packages() {
  apt_install "$@" && return 0
  local package output rest=() i386=() named=()
  for package; do
    if [[ $package == *:i386 ]]; then i386+=("$package"); else rest+=("$package"); fi
  done
  if [ ${#i386[@]} -gt 0 ] && output=$(dry_run=yes apt_install "${rest[@]}" 2>&1); then
    for package in "${i386[@]}"; do
      output=$(dry_run=yes apt_install "$package" 2>&1) ||
        echo "install-deps.sh: cannot install $package: $(why_not "$output")" >&2
    done
    echo "install-deps.sh: installing the rest; without 32-bit Wine the windows-x86 tests skip themselves" >&2
    [ ${#rest[@]} -eq 0 ] || apt_install "${rest[@]}"
    return
  fi
  for package in "${rest[@]}"; do
    output=$(dry_run=yes apt_install "$package" 2>&1) || named+=("$package: $(why_not "$output")")
  done
  [ ${#named[@]} -gt 0 ] || named=("these packages together: apt-get install failed (see above)")
  printf 'install-deps.sh: cannot install %s\n' "${named[@]}" >&2
  return 1
}
for command in "${commands[@]}"; do
  echo "+ $command"
  [ -z "$dry_run" ] || [[ $command == "apt-get install "* ]] || continue
  case $command in
    "apt-get update") update ;;
    "apt-get install "*) install_packages ${command#apt-get install -y --no-install-recommends } ;;
    *) $command ;;
  esac
done
