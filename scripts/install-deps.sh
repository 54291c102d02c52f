#!/usr/bin/env bash
# Installs everything the build and the tests need on Debian 12 (run as root, or with sudo).
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  ca-certificates git cmake ninja-build g++ clang clang-format clang-tidy libclang-rt-14-dev \
  googletest libgtest-dev libgmock-dev libbenchmark-dev \
  qt6-base-dev libxcb1-dev libx11-dev libgl-dev pkg-config \
  xvfb xauth openbox xdotool xclip x11-utils imagemagick \
  dbus dbus-x11 at-spi2-core python3 python3-pyatspi python3-xlib python3-pytest \
  xdg-utils fonts-wqy-microhei fonts-freefont-ttf \
  appstream desktop-file-utils librsvg2-bin dpkg-dev file binutils
