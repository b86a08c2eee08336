#!/bin/sh
# Installs the Debian packages of tools/debian-packages.txt that are not installed yet.
# Runs apt-get update only when something is missing, and sudo only when not root.
set -eu

list="$(dirname "$0")/debian-packages.txt"
missing=""
for package in $(grep -v '^#' "$list"); do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) missing="$missing $package" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
else
    sudo="sudo"
fi
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086 # the package list is meant to split into words
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
