#!/usr/bin/env bash
# check-release.sh SUITE: runs tools/check.sh, as CI does, on another Debian
# release (trixie, say): in a fresh minimal system of that release, made by
# debootstrap from this machine's own Debian mirror, into which the committed
# tree is cloned anew at each run. The system is kept between runs in
# /var/cache/postlark/release-SUITE, with the packages the checks installed.
# Runs as root. MIRROR=URI names another mirror.
#
# Every mount it makes lives in a mount namespace of its own, and every
# process it starts in a PID namespace of its own: both end with the script,
# however it ends, and nothing is left mounted or running.
set -euo pipefail
cd "$(dirname "$0")/.."

inside() {
  local suite=$1 mirror=$2 root=$3 top=$4
  if [ ! -e "$root/.complete" ]; then
    # A system whose making was cut short is made again from the start.
    rm -rf "$root" && mkdir -p "$root"
    echo "+ debootstrap $suite (into $root)"
    debootstrap --variant=minbase --include=git "$suite" "$root" "$mirror" >"$root.log" 2>&1 ||
      { tail -n 20 "$root.log" >&2; echo "check-release.sh: debootstrap $suite failed" >&2; exit 1; }
    touch "$root/.complete"
  fi
  # Bubblewrap, which the checks run, needs the root to be a mount point.
  mount --bind "$root" "$root"
  mount -t proc proc "$root/proc"
  mount -t sysfs sysfs "$root/sys"
  mount --rbind /dev "$root/dev"
  mount -t tmpfs tmpfs "$root/tmp"
  # The mirror is reached as this machine reaches it.
  cp /etc/resolv.conf /etc/hosts "$root/etc/"
  rm -rf "$root/root/postlark"
  git clone --quiet "$top" "$root/root/postlark"
  echo "=== $suite: $(cat "$root/etc/debian_version"), $(git -C "$top" log -1 --format='%h %s')"
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    CI="${CI:-}" TERM=dumb bash -c 'cd /root/postlark && bash tools/check.sh'
}

if [ "${1:-}" = --inside ]; then
  shift
  inside "$@"
  exit
fi

[ $# -eq 1 ] && [[ $1 =~ ^[a-z]+$ ]] || { echo "usage: check-release.sh SUITE (a Debian release's name, such as trixie)" >&2; exit 2; }
suite=$1
[ "$(id -u)" -eq 0 ] || { echo "check-release.sh: run it as root: it makes a system and mounts" >&2; exit 1; }
bash tools/install-deps.sh release

# The machine's Debian mirror, as apt has it: the release's main archive,
# not its security archive.
mirror=${MIRROR:-$(apt-get indextargets --format '$(REPO_URI)' 'Label: Debian' 'Created-By: Packages' |
                     head -n 1)}
[ -n "$mirror" ] || { echo "check-release.sh: apt names no Debian mirror; give one as MIRROR=URI" >&2; exit 1; }
if ! wget -q -O /dev/null "${mirror%/}/dists/$suite/Release"; then
  echo "check-release.sh: cannot reach the release '$suite' at $mirror" >&2
  exit 1
fi

root=/var/cache/postlark/release-$suite
mkdir -p "${root%/*}"
# One run at a time uses a release's system.
exec 9>"$root.lock"
flock -n 9 || { echo "check-release.sh: waiting for another run on $suite" >&2; flock 9; }
# unshare ignores SIGINT and SIGTERM while its child runs: killed, it takes
# the child and so the whole PID namespace with it (--kill-child).
unshare --mount --pid --fork --kill-child --propagation private \
  bash "$PWD/tools/check-release.sh" --inside "$suite" "$mirror" "$root" "$PWD" &
namespace=$!
trap 'kill -KILL $namespace; wait $namespace || exit 130' INT TERM HUP
wait $namespace
