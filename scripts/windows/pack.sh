# The release packed: the zip, the installer and the MSI. Sourced by scripts/windows.sh.

# The zip, the installer and the MSI, staged by the build's install rules and packed by CPack
# (cmake/PackageWindows.cmake), with SHA256SUMS beside them; signed when VARODARA_SIGN_PKCS12
# and VARODARA_SIGN_PASSWORD_FILE name a certificate and its password (windows/sign.sh.in).
pack_release() {
  local start=$SECONDS
  if [ -n "${VARODARA_SIGN_PKCS12:-}${VARODARA_SIGN_PASSWORD_FILE:-}" ]; then
    [ -f "${VARODARA_SIGN_PKCS12:-}" ] && [ -f "${VARODARA_SIGN_PASSWORD_FILE:-}" ] ||
      { echo "signing needs both VARODARA_SIGN_PKCS12 and VARODARA_SIGN_PASSWORD_FILE to name files"; return 1; }
    if [ -n "${VARODARA_SIGN_TIMESTAMP_URL:-}" ]; then
      echo "signing the release, time-stamped by VARODARA_SIGN_TIMESTAMP_URL"
    else
      echo "signing the release with no time stamp (no VARODARA_SIGN_TIMESTAMP_URL): Windows trusts" \
        "the signatures only while the certificate is valid"
    fi
  fi
  (cd "$BUILD/program" && cpack -B "$BUILD" >"$BUILD/cpack.log" 2>&1) || { tail -30 "$BUILD/cpack.log"; return 1; }
  (cd "$BUILD" && sha256sum -c --quiet SHA256SUMS) || { echo "SHA256SUMS does not match the release"; return 1; }
  ZIP="$BUILD/$VARODARA_ZIP"
  SETUP="$BUILD/$VARODARA_SETUP"
  MSI="$BUILD/$VARODARA_MSI"
  echo "packed in $((SECONDS - start)) s:"
  for package in "$ZIP" "$SETUP" "$MSI"; do
    echo "  $(du -k "$package" | cut -f1) KiB, $package"
  done
}
