#!/bin/sh
# Installs everything the build and the tests need on Debian 12.
set -eu
packages="cmake ninja-build g++ g++-multilib g++-mingw-w64-i686 binutils-mingw-w64-i686 qemu-user
libgtest-dev libbenchmark-dev file libtomlplusplus-dev libcli11-dev
pkg-config libcairo2-dev fonts-dejavu-core fonts-dseg clang libclang-rt-14-dev imagemagick locales
libsdl2-dev xvfb xauth"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ -n "$missing" ]; then
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi
# A comma-decimal locale for the test that the module's texts and parameters
# do not follow the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
