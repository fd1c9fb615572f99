#!/bin/sh
# Makes this build's Debian package with CPack and checks it: the files a
# user expects under /usr (each a pattern, matched against dpkg-deb
# --contents), nothing outside /usr, Qt's libraries among the dependencies
# dpkg-shlibdeps found, and one version in the package, both programs'
# --version and the metainfo's release.
# Usage: deb.sh CPACK BUILD WORK PACKAGE VERSION QT_MAJOR SUFFIX PATTERN...
set -eu
cpack=$1 build=$2 work=$3 package=$4 version=$5 qt=$6 suffix=$7
shift 7
rm -rf "$work" && mkdir -p "$work"
"$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" > "$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb=$work/${package}_${version}_$(dpkg --print-architecture).deb
dpkg-deb --contents "$deb" | awk '{ print substr($6, 2) }' > "$work/contents"

status=0
for pattern in "$@"; do
    grep -Eqx "$pattern" "$work/contents" || { echo "$deb holds nothing like $pattern"; status=1; }
done
if grep -Ev '^/(usr(/.*)?)?/?$' "$work/contents"; then
    echo "$deb installs the files above outside /usr"; status=1
fi
depends=$(dpkg-deb --field "$deb" Depends)
case $depends in *libqt${qt}widgets*) ;; *) echo "Depends lacks Qt $qt's widgets: $depends"; status=1 ;; esac
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || { echo "package version is not $version"; status=1; }

dpkg-deb --extract "$deb" "$work/root"
for program in vantuskin vantuskin-cli; do
    said=$("$work/root/usr/bin/$program$suffix" --version)
    [ "$said" = "$program$suffix $version" ] || { echo "$program$suffix --version says \"$said\""; status=1; }
done
grep -q "<release version=\"$version\"" "$work"/root/usr/share/metainfo/*.metainfo.xml ||
    { echo "the metainfo's release is not $version"; status=1; }
exit $status
