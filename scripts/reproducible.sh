#!/usr/bin/env bash
# Builds the release twice from nothing, from two clones of the last commit in two different
# folders, and compares what comes out byte for byte: the Debian package, the Windows zip,
# installer and MSI, and the two programs. diffoscope (Debian's) says where any two differ. The
# clones share the compiler cache and the Qt built for Windows; nothing else.
#   scripts/reproducible.sh [--keep DIR]   exits 0 when every artefact is the same in both
# --keep leaves the two clones, built, in DIR/first and DIR/second/elsewhere (the signing road
# signs one and checks it against the other).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
varodara_install_packages
varodara_install_packages diffoscope-minimal

if [ "${1:-}" = --keep ]; then
  work="$2"
  rm -rf "$work/first" "$work/second"
else
  work="$(mktemp -d "${TMPDIR:-/tmp}/varodara-reproducible.XXXXXX")"
  trap 'rm -rf "$work"' EXIT
fi
commit="$(git -C "$VARODARA_ROOT" rev-parse HEAD)"
# One time for both: the commit's, as the builds would take it themselves.
export SOURCE_DATE_EPOCH="$(git -C "$VARODARA_ROOT" log -1 --format=%ct)"

build() {
  local clone="$1"
  git clone -q "$VARODARA_ROOT" "$clone"
  git -C "$clone" checkout -q "$commit"
  bash "$clone/scripts/package.sh" >"$clone.log" 2>&1 || { tail -30 "$clone.log"; return 1; }
  bash "$clone/scripts/windows.sh" --pack-only >>"$clone.log" 2>&1 || { tail -30 "$clone.log"; return 1; }
}
start=$SECONDS
build "$work/first"
build "$work/second/elsewhere"
echo "two builds from nothing: $((SECONDS - start)) s"

# The packages by the names each build gives them in its product.env.
product_fact() {
  (source "$work/first/$1/product.env" && printf '%s' "${!2}")
}
artefacts=(
  "build/release/$(product_fact build/release VARODARA_DEB)"
  "build/windows/$(product_fact build/windows/program VARODARA_ZIP)"
  "build/windows/$(product_fact build/windows/program VARODARA_SETUP)"
  "build/windows/$(product_fact build/windows/program VARODARA_MSI)"
  "build/release/src/$(product_fact build/release VARODARA_PROGRAM)"
  "build/windows/program/src/$(product_fact build/windows/program VARODARA_PROGRAM).exe"
)
differ=0
for artefact in "${artefacts[@]}"; do
  a="$work/first/$artefact" b="$work/second/elsewhere/$artefact"
  if cmp -s "$a" "$b"; then
    echo "same: $artefact ($(sha256sum "$a" | cut -c1-16)...)"
  else
    echo "DIFFERENT: $artefact"
    diffoscope --text - "$a" "$b" | head -60 || true
    differ=$((differ + 1))
  fi
done
echo "diffoscope on the four release artefacts:"
for artefact in "${artefacts[@]:0:4}"; do
  verdict="$(diffoscope --text - "$work/first/$artefact" "$work/second/elsewhere/$artefact" >/dev/null 2>&1 && echo "no differences" || echo "differences")"
  echo "  $(basename "$artefact"): $verdict"
done
[ "$differ" -eq 0 ] && echo "reproducible: every artefact is the same bytes in both builds"
exit $((differ > 0))
