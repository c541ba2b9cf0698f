#!/usr/bin/env bash
# The signed release, made as its signer makes it and checked as anyone after: a certificate made
# for the road on the spot, SIGNED_CLONE's release packed again with it (scripts/windows.sh
# --pack-only), then scripts/verify-signed.sh against UNSIGNED_CLONE's release, the same commit
# built from nothing elsewhere; a file changed after signing must then be refused.
#   signing_road.sh UNSIGNED_CLONE SIGNED_CLONE   (both built by scripts/windows.sh)
set -uo pipefail
unsigned="$1/build/windows" clone="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# A throwaway certificate: a key, a self-signed certificate and their PKCS#12, under a random
# password that no log may show (openssl reads a second line when in and out name one file).
openssl rand -hex 16 >"$scratch/password"
cp "$scratch/password" "$scratch/key-password"
openssl req -x509 -newkey rsa:3072 -sha256 -days 2 -subj "/CN=Signing road" -keyout "$scratch/key.pem" \
  -passout "file:$scratch/key-password" -out "$scratch/cert.pem" 2>/dev/null &&
  openssl pkcs12 -export -inkey "$scratch/key.pem" -passin "file:$scratch/key-password" -in "$scratch/cert.pem" \
    -passout "file:$scratch/password" -out "$scratch/cert.p12" || { fail "no certificate"; exit 1; }

start=$SECONDS
VARODARA_SIGN_PKCS12="$scratch/cert.p12" VARODARA_SIGN_PASSWORD_FILE="$scratch/password" \
  bash "$clone/scripts/windows.sh" --pack-only >"$scratch/pack.log" 2>&1 || { cat "$scratch/pack.log"; fail "signed packing failed"; }
echo "packed again and signed in $((SECONDS - start)) s"
grep -q 'no time stamp' "$scratch/pack.log" && pass "the leg said the signatures carry no time stamp" ||
  fail "the leg did not say that the signatures carry no time stamp"
grep -rqF "$(cat "$scratch/password")" "$scratch/pack.log" "$clone/build/windows"/*.log &&
  fail "the password is in a log" || pass "no log holds the password"

source "$clone/build/windows/program/product.env"
mkdir "$scratch/signed"
cp "$clone/build/windows"/{"$VARODARA_ZIP","$VARODARA_SETUP","$VARODARA_MSI",SHA256SUMS} "$scratch/signed/"
verify() { VARODARA_VERIFY_CAFILE="$scratch/cert.pem" bash "$clone/scripts/verify-signed.sh" "$1" "$unsigned"; }
if verify "$scratch/signed" >"$scratch/verify.log" 2>&1; then
  pass "verify-signed: every file signed and verified, and without its signature the unsigned build's"
else
  fail "verify-signed refused the signed release"
fi
cat "$scratch/verify.log"

# A forgery: one byte of the signed installer changed, SHA256SUMS made again around it.
cp -r "$scratch/signed" "$scratch/forged"
printf 'X' | dd of="$scratch/forged/$VARODARA_SETUP" bs=1 seek=4096 conv=notrunc 2>/dev/null
(cd "$scratch/forged" && sha256sum "$VARODARA_ZIP" "$VARODARA_SETUP" "$VARODARA_MSI" >SHA256SUMS)
if ! verify "$scratch/forged" >"$scratch/forged.log" 2>&1 &&
  grep -q "FAIL: $VARODARA_SETUP: Signature verification: failed" "$scratch/forged.log"; then
  pass "the installer changed after signing fails to verify"
else
  fail "the installer changed after signing was not refused:"
  cat "$scratch/forged.log"
fi

echo "signing road: $failures failed"
exit $((failures > 0))
