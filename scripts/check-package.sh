#!/usr/bin/env bash
# Builds the Debian package from a configured build tree and checks what a user installing it gets:
# the run-time dependencies, the files, a valid desktop entry and AppStream metainfo, the manual pages,
# the licences of the shipped data, and no placeholder address anywhere in it.
set -euo pipefail
BUILD=${1:-build}
cd "$(dirname "$0")/.."
fail() { echo "package check: $*" >&2; exit 1; }

(cd "$BUILD" && cpack -G DEB >/dev/null)
deb=$(ls -t "$BUILD"/jiaming_*.deb | head -n 1)
[ -f "$deb" ] || fail "no package was built"
echo "package check: $deb"

depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6svg6 qt6-translations-l10n gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-noto-cjk \
            libqt6multimedia6 libsqlite3-0 libicu72; do
  grep -q "$need" <<<"$depends" || fail "Depends lacks $need: $depends"
done

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/jiaming ./usr/bin/jiaming-cli ./usr/share/jiaming/data/namedata.db \
            ./usr/share/jiaming/Help/用户手册.html ./usr/share/applications/jiaming.desktop \
            ./usr/share/icons/hicolor/scalable/apps/jiaming.svg \
            ./usr/share/metainfo/local.jiaming.JiaMing.metainfo.xml \
            ./usr/share/man/man1/jiaming.1.gz ./usr/share/man/man1/jiaming-cli.1.gz \
            ./usr/share/doc/jiaming/copyright; do
  grep -qF " $path" <<<"$contents" || fail "the package lacks $path"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/jiaming.desktop" || fail "invalid desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/local.jiaming.JiaMing.metainfo.xml" >/dev/null \
  || fail "invalid AppStream metainfo"
for page in jiaming jiaming-cli; do
  zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q '^\.TH' || fail "manual page $page is not troff"
done
for licence in Unicode Apache-2.0 MIT LGPL-3.0 PDDL-1.0; do
  grep -q "$licence" "$root/usr/share/doc/jiaming/copyright" || fail "copyright lacks $licence"
done
if grep -rIl -E 'example\.(org|com)' "$root" >/dev/null; then fail "a placeholder address is in the package"; fi
if dpkg-deb -f "$deb" Maintainer Homepage | grep -q example; then fail "a placeholder address is in the control file"; fi
echo "package check: ok"
