# The Windows leg's system set-up: the packages it needs, the locales of the road's users, and
# the source entries that let apt fetch Debian's Qt source. Sourced by scripts/windows.sh.
VARODARA_WINDOWS_PACKAGES=(
  g++-mingw-w64-x86-64-posix wine wine64 nsis
  # the MSI, and the signatures when a certificate is given
  wixl msitools osslsigncode
  dpkg-dev ninja-build icoutils zip unzip googletest xvfb xauth xdotool xclip imagemagick
  # the road's users, one for each of the program's languages: Wine takes the user's language
  # from the Unix locale
  locales
)
VARODARA_WINDOWS_LOCALES=(de_DE es_ES pt_BR hi_IN ar_EG fa_IR fr_FR it_IT ru_RU tr_TR id_ID vi_VN bn_IN ta_IN)
prepare_system() {
  varodara_install_packages "${VARODARA_WINDOWS_PACKAGES[@]}"
  # glibc lists a UTF-8 locale as de_DE.utf8, or as fa_IR where UTF-8 is its only one.
  local present locale enable=()
  present="$(locale -a 2>/dev/null)"
  for locale in "${VARODARA_WINDOWS_LOCALES[@]}"; do
    grep -qx "$locale\(\.utf8\)\?" <<<"$present" || enable+=(-e "s/^# *\($locale\(\.UTF-8\)\? UTF-8\)/\1/")
  done
  [ "${#enable[@]}" -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo sed -i "${enable[@]}" /etc/locale.gen
  $sudo locale-gen --keep-existing >/dev/null
}

# A deb-src entry for every Debian archive apt already uses, so that apt-get source works.
add_source_entries() {
  local list=/etc/apt/sources.list.d/varodara-src.sources
  [ -f "$list" ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  python3 - <<'PY' | $sudo tee "$list" >/dev/null
import glob
for path in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
    for stanza in open(path, encoding="utf-8").read().split("\n\n"):
        fields = dict(line.split(": ", 1) for line in stanza.strip().splitlines()
                      if ": " in line and not line.startswith("#"))
        if fields.get("Types") == "deb" and "debian-archive-keyring" in fields.get("Signed-By", ""):
            fields["Types"] = "deb-src"
            print("\n".join("%s: %s" % item for item in fields.items()) + "\n")
PY
  varodara_apt_get update -q
}
