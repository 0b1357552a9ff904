#!/usr/bin/env bash
# Installs from the distribution's packages what building and testing need,
# and only what is missing. As root it runs apt-get; otherwise it prints the
# commands to run.
#
#   install-deps.sh [GROUP...]   groups: native, windows, fuzz, bench, release;
#                                without one: native, windows and fuzz
set -euo pipefail

declare -A groups=(
  [native]="cmake ninja-build g++ pkgconf python3 libgtest-dev libglib2.0-dev libglib2.0-bin dpkg-dev dbus-daemon xdg-desktop-portal bubblewrap fuse3 scdoc man-db lintian"
  [windows]="g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 wine32:i386 locales python3"
  [fuzz]="clang libclang-rt-dev"
  [bench]="valgrind hyperfine"
  [release]="debootstrap wget"
)
[ $# -gt 0 ] || set -- native windows fuzz
wanted=()
for group in "$@"; do
  [ -n "${groups[$group]:-}" ] || { echo "install-deps.sh: no group '$group'" >&2; exit 2; }
  read -ra packages <<<"${groups[$group]}"
  wanted+=("${packages[@]}")
done

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$package")
  fi
done
commands=()
if [ ${#missing[@]} -gt 0 ]; then
  # 32-bit Wine runs the 32-bit program: it needs the i386 architecture.
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
     ! dpkg --print-foreign-architectures | grep -qx i386; then
    commands+=("dpkg --add-architecture i386")
  fi
  commands+=("apt-get update" "apt-get install -y --no-install-recommends ${missing[*]}")
fi
# The Windows tests also run Wine in Japanese, for its double-byte code page.
if [[ " ${wanted[*]} " == *" locales "* ]] && ! locale -a 2>/dev/null | grep -qx ja_JP.utf8; then
  commands+=("localedef -i ja_JP -f UTF-8 ja_JP.UTF-8")
fi
[ ${#commands[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Packages or locales are missing. Install them as root with:" >&2
  printf '  %s\n' "${commands[@]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
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
# Without the security archive's index for i386, its newer amd64 versions
# cannot stand beside the i386 ones (multiarch wants the same version):
# then both come from the release's own archive.
install() {
  apt-get install "$@" && return 0
  [ -n "$partial_lists" ] || return 1
  local VERSION_CODENAME
  VERSION_CODENAME=$(. /etc/os-release && echo "$VERSION_CODENAME")
  echo "+ apt-get install -t $VERSION_CODENAME $*"
  apt-get install -t "$VERSION_CODENAME" "$@"
}
for command in "${commands[@]}"; do
  echo "+ $command"
  case $command in
    "apt-get update") update ;;
    "apt-get install "*) install ${command#apt-get install } ;;
    *) $command ;;
  esac
done
