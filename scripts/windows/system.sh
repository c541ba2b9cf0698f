# The Windows leg's system set-up: the packages it needs, the German locale of the road's German
# user, and the source entries that let apt fetch Debian's Qt source. Sourced by scripts/windows.sh.
VARODARA_WINDOWS_PACKAGES=(
  g++-mingw-w64-x86-64-posix wine wine64 nsis
  # the MSI, and the signatures when a certificate is given
  wixl msitools osslsigncode
  dpkg-dev ninja-build icoutils zip unzip googletest xvfb xauth xdotool xclip imagemagick
  # the German user of the road: Wine takes the user's language from the Unix locale
  locales
)
prepare_system() {
  varodara_install_packages "${VARODARA_WINDOWS_PACKAGES[@]}"
  locale -a 2>/dev/null | grep -qx 'de_DE.utf8' && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  $sudo locale-gen >/dev/null
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
