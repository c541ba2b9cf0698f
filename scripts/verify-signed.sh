#!/usr/bin/env bash
# Checks that a signed Windows release is this repository's reproducible build plus signatures,
# and nothing else. Every program file (.exe and .dll) in the zip, the installer and the MSI,
# and the installer and the MSI themselves, carry a signature that verifies; each program file
# with its signature taken off is the unsigned build's, byte for byte; every other file is the
# unsigned build's as it is; the installer and the MSI hold the zip's files; SHA256SUMS lists
# the packages as shipped.
#   scripts/verify-signed.sh SIGNED_DIR [UNSIGNED_DIR]
# SIGNED_DIR holds the signed zip, installer, MSI and SHA256SUMS. UNSIGNED_DIR holds the same
# commit's release built unsigned (a build/windows folder); without it, the release is built
# unsigned from nothing, from a clone of this repository's last commit. The certificates to trust
# are the system's, or those in the PEM file VARODARA_VERIFY_CAFILE names. Exits 0 when all holds.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
varodara_install_packages osslsigncode 7zip msitools unzip openssl

[ -d "${1:-}" ] || { echo "usage: scripts/verify-signed.sh SIGNED_DIR [UNSIGNED_DIR]"; exit 2; }
signed="$(realpath "$1")"
work="$(mktemp -d "${TMPDIR:-/tmp}/varodara-verify.XXXXXX")"
trap 'rm -rf "$work"' EXIT
if [ -n "${2:-}" ]; then
  unsigned="$(realpath "$2")"
else
  echo "building the release unsigned from nothing, from $(git -C "$VARODARA_ROOT" rev-parse --short HEAD)"
  git clone -q "$VARODARA_ROOT" "$work/clone"
  env -u VARODARA_SIGN_PKCS12 -u VARODARA_SIGN_PASSWORD_FILE bash "$work/clone/scripts/windows.sh" --pack-only \
    >"$work/build.log" 2>&1 || { tail -30 "$work/build.log"; exit 1; }
  unsigned="$work/clone/build/windows"
fi
trust=()
[ -n "${VARODARA_VERIFY_CAFILE:-}" ] && trust=(-CAfile "$VARODARA_VERIFY_CAFILE")

source "$VARODARA_ROOT/tests/windows/lib.sh"
# The one package in FOLDER whose name matches PATTERN.
package() {
  local found=("$1"/$2)
  [ "${#found[@]}" -eq 1 ] && [ -f "${found[0]}" ] || { echo "no single $2 in $1" >&2; exit 1; }
  echo "${found[0]}"
}
verifies() {
  osslsigncode verify "${trust[@]}" -in "$1" >"$work/verify.log" 2>&1 &&
    grep -q '^Signature verification: ok' "$work/verify.log"
}

zip="$(package "$signed" '*.zip')"
setup="$(package "$signed" '*-setup.exe')"
msi="$(package "$signed" '*.msi')"
name_list() { awk '{print $2}' "$1/SHA256SUMS" | LC_ALL=C sort; }
if (cd "$signed" && sha256sum -c --quiet SHA256SUMS) && [ "$(name_list "$signed")" = "$(name_list "$unsigned")" ]; then
  echo "ok: SHA256SUMS lists the packages as shipped: $(name_list "$signed" | tr '\n' ' ')"
else
  fail "SHA256SUMS does not list the packages as shipped"
fi
for package in "$setup" "$msi"; do
  verifies "$package" && echo "ok: $(basename "$package") is signed and verifies" ||
    fail "$(basename "$package"): $(grep -m1 -i -E 'fail|error|no signature' "$work/verify.log" || echo "no valid signature")"
done

# The zip against the unsigned one.
mkdir -p "$work/signed" "$work/unsigned"
unzip -q "$zip" -d "$work/signed"
unzip -q "$(package "$unsigned" '*.zip')" -d "$work/unsigned"
[ "$(files_of "$work/signed")" = "$(files_of "$work/unsigned")" ] || fail "the zip holds other files than the unsigned zip"
programs=0
while read -r file; do
  [ -f "$work/unsigned/$file" ] || continue
  case "$file" in
    *.exe | *.dll)
      programs=$((programs + 1))
      verifies "$work/signed/$file" || { fail "$file: its signature does not verify"; continue; }
      osslsigncode remove-signature -in "$work/signed/$file" -out "$work/bare" >/dev/null 2>&1 &&
        cmp -s "$work/bare" "$work/unsigned/$file" || fail "$file: without its signature, not the unsigned build's"
      rm -f "$work/bare"
      ;;
    *) cmp -s "$work/signed/$file" "$work/unsigned/$file" || fail "$file: not the unsigned build's" ;;
  esac
done < <(files_of "$work/signed")
echo "checked $programs program files in the zip: signed, verified, and without the signature the unsigned build's"

# The installer and the MSI hold the zip's files; the installer also its signed uninstaller
# and the installer's own plugins, which it unpacks to a temporary folder while it runs.
release="$(find "$work/signed" -mindepth 1 -maxdepth 1 -type d)"
7zz x -y -o"$work/installer" "$setup" >/dev/null 2>&1 || fail "the installer does not unpack whole"
verifies "$work/installer/uninstall.exe" && echo "ok: the installer's uninstaller is signed and verifies" ||
  fail "the installer's uninstaller does not verify"
rm -rf "$work/installer/uninstall.exe" "$work/installer/\$PLUGINSDIR"
msiextract -C "$work/msi" "$msi" >/dev/null 2>&1 || fail "the MSI does not unpack whole"
for packed in "$work/installer" "$(dirname "$(find "$work/msi" -name '*.exe' | head -1)")"; do
  kind="the installer"
  [ "$packed" = "$work/installer" ] || kind="the MSI"
  if [ "$(files_of "$packed")" = "$(files_of "$release")" ] && diff -rq "$packed" "$release" >/dev/null; then
    echo "ok: $kind holds the zip's files"
  else
    fail "$kind does not hold the zip's files"
  fi
done

echo "verify-signed: $failures failed"
exit $((failures > 0))
