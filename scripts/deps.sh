#!/usr/bin/env bash
# Installs what the builds, the tests and scripts/run need on Debian 12 and
# generates the Japanese locale. Idempotent: when everything is present it
# touches nothing and never calls apt-get.
set -euo pipefail

packages=(
  cmake g++ python3 googletest libbenchmark-dev          # native builds and tests
  g++-mingw-w64-i686 g++-mingw-w64-x86-64                 # the Windows programs
  wine wine64 xvfb x11-utils xdotool imagemagick          # running them, screenshots
  fonts-ipafont-gothic locales                            # the window font, ja_JP.UTF-8
  qemu-user-static g++-i686-linux-gnu                     # 32-bit core tests
  clang libclang-rt-14-dev                                # fuzzing
  time
)

installed=" $(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
  awk '/install ok installed/ {printf "%s ", $1}')"
missing=()
for package in "${packages[@]}"; do
  [[ $installed == *" $package "* ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # The package lists are fetched only when they are absent or cannot
  # provide a missing package.
  if ! apt-get install -y --no-install-recommends "${missing[@]}"; then
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
  fi
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "generating the ja_JP.UTF-8 locale"
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
