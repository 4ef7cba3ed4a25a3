#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Morvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary root and checks that every file lands
# where a desktop looks for it, that the desktop metadata and the manual page
# validate, and that lintian accepts the .deb without errors or warnings.
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

expected=(
  usr/bin/morvane
  usr/bin/morvane-cli
  usr/share/applications/org.example.Morvane.desktop
  usr/share/metainfo/org.example.Morvane.metainfo.xml
  usr/share/icons/hicolor/16x16/apps/org.example.Morvane.png
  usr/share/icons/hicolor/32x32/apps/org.example.Morvane.png
  usr/share/icons/hicolor/48x48/apps/org.example.Morvane.png
  usr/share/icons/hicolor/128x128/apps/org.example.Morvane.png
  usr/share/icons/hicolor/scalable/apps/org.example.Morvane.svg
  usr/share/man/man1/morvane.1.gz
  usr/share/man/man1/morvane-cli.1.gz
  usr/share/bash-completion/completions/morvane-cli
  usr/share/doc/morvane/copyright
  usr/share/doc/morvane/changelog.gz
  usr/share/doc/morvane-cli/copyright
  usr/share/doc/morvane-cli/changelog.gz
)
failed=0
for f in "${expected[@]}"; do
  if [ ! -s "$root/$f" ]; then
    echo "missing: $f"
    failed=1
  fi
done
for program in morvane morvane-cli; do
  [ -x "$root/usr/bin/$program" ] || { echo "not executable: usr/bin/$program"; failed=1; }
done
# The command-line program runs without a display and links no Qt.
if ldd "$root/usr/bin/morvane-cli" | grep -q libQt; then
  echo "morvane-cli links Qt"
  failed=1
fi
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/morvane-cli" name John --format=csv | sed -n 2p | cut -d, -f2)" = 18 ] ||
  { echo "morvane-cli does not run"; failed=1; }

# The completion loads in bash and completes commands and options.
completions=$(bash --norc -c 'source "$1" || exit 1
  COMP_WORDS=(morvane-cli com); COMP_CWORD=1; _morvane_cli; printf "%s " "${COMPREPLY[@]}"
  COMP_WORDS=(morvane-cli compare --s); COMP_CWORD=2; _morvane_cli; printf "%s " "${COMPREPLY[@]}"' \
  _ "$root/usr/share/bash-completion/completions/morvane-cli" 2>&1) || failed=1
[ "$completions" = "compare --suggest --sort " ] || { echo "completion gave: $completions"; failed=1; }

# Nothing else is installed.
extra=$(cd "$root" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
if [ -n "$extra" ]; then
  echo "unexpected files installed:"
  echo "$extra"
  failed=1
fi

# Each PNG is the size its folder names.
for size in 16 32 48 128; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/org.example.Morvane.png"
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || { echo "$png is $dims"; failed=1; }
done

desktop-file-validate "$root/usr/share/applications/org.example.Morvane.desktop" || failed=1
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.example.Morvane.metainfo.xml" || failed=1

# A missing checker skips its check on a developer's machine; CI must have
# them all (scripts/install-deps installs them).
have() {
  command -v "$1" >/dev/null && return 0
  if [ "${CI:-}" = true ]; then
    echo "$1 is missing"
    failed=1
  else
    echo "$1 is not installed: skipping its check (scripts/install-deps installs it)"
  fi
  return 1
}

# The manual page with every groff warning on, more than lintian's own
# rendering of it enables.
if have groff; then
  for page in morvane morvane-cli; do
    warnings=$(zcat "$root/usr/share/man/man1/$page.1.gz" | groff -ww -z -man 2>&1) || failed=1
    [ -z "$warnings" ] || { echo "groff ($page): $warnings"; failed=1; }
  done
fi

# The .deb, built into the temporary root so that build/ stays as it was.
# lintian also checks the manual page's NAME line and that the compressed
# files carry no time stamp.
if have lintian; then
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$root/package" >/dev/null
  debs=("$root"/package/morvane_*.deb "$root"/package/morvane-cli_*.deb)
  lintian --display-info --fail-on error,warning "${debs[@]}" || failed=1
  # The command-line package installs alone on a machine without Qt.
  if dpkg-deb -f "${debs[1]}" Depends | grep -qi qt; then
    echo "morvane-cli's package depends on Qt: $(dpkg-deb -f "${debs[1]}" Depends)"
    failed=1
  fi
fi

if [ "$failed" -ne 0 ]; then
  echo "install check failed"
  exit 1
fi
echo "install check passed: ${#expected[@]} files"
