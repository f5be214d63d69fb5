# Installs the Debian packages the build needs, only those that are missing.
# Sourced by scripts/run and scripts/test.

ormisto_pakete=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-image-formats-plugins libqt6svg6
  qt6-translations-l10n libbenchmark-dev rapidjson-dev
  fonts-liberation xvfb xauth xdotool imagemagick poppler-utils
  dpkg-dev lintian desktop-file-utils appstream shared-mime-info man-db file librsvg2-bin
)

ormisto_installiere_pakete() {
  local fehlend=()
  local paket
  for paket in "${ormisto_pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed"; then
      fehlend+=("$paket")
    fi
  done
  if [ ${#fehlend[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installiere: ${fehlend[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
}

ormisto_jobs() {
  nproc 2>/dev/null || echo 2
}
