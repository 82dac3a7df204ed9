#!/usr/bin/env bash
# Installs the Debian packages needed to build and test the game: the build
# tools and libraries, the validators of the desktop entry and the AppStream
# metadata, and Chromium for the results page's screenshot test.
# "--content" adds the tools that regenerate fonts, pictures and sounds;
# "--coverage" adds gcovr for tools/coverage.sh; "--fuzz" adds clang and its
# libFuzzer runtime for tools/fuzz.sh. Flags combine.
set -euo pipefail

packages=(build-essential cmake pkg-config libsdl2-dev libsdl2-image-dev
          libsdl2-mixer-dev libtinyxml-dev libphysfs-dev zlib1g-dev
          libgtest-dev libbenchmark-dev zip python3 desktop-file-utils appstream
          chromium)
for flag in "$@"; do
  case $flag in
    --content) packages+=(libsdl2-ttf-dev librsvg2-bin sox lame fluidsynth fluid-soundfont-gm
                          abcmidi fonts-quicksand fonts-dejavu-core) ;;
    --coverage) packages+=(gcovr) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
