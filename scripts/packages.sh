# Sourced by run.sh and test.sh: makes sure Debian's packages the project needs are there.
# As root, installs what is missing; otherwise says which command to run and stops.

TRIANGLE_PACKAGES=(
    g++ cmake make pkgconf
    qt6-base-dev qt6-base-private-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev clang-format-14
    fonts-liberation
    xvfb xauth x11-utils libx11-dev libxdamage-dev imagemagick
    dpkg-dev file appstream desktop-file-utils lintian scdoc man-db
    qt6-wayland weston
    g++-mingw-w64-x86-64-posix wine wine64 nsis zip unzip xdotool python3 locales
    wixl msitools osslsigncode openssl
    poppler-utils
)

ensure_packages() {
    local missing=()
    local package
    for package in "${TRIANGLE_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        ensure_bulgarian_locale
        return 0
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}" >&2
        echo "Install them first, as root:" >&2
        echo "    apt-get update && apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
    ensure_bulgarian_locale
}

# Wine takes the Windows region from LANG, but only for a locale the system has: the
# Windows pictures in the Bulgarian region need bg_BG.UTF-8 generated.
ensure_bulgarian_locale() {
    if locale -a 2>/dev/null | grep -qi '^bg_BG\.utf-\?8$'; then
        return 0
    fi
    if [ "$(id -u)" -eq 0 ] && command -v localedef >/dev/null; then
        localedef -i bg_BG -f UTF-8 bg_BG.UTF-8 || true
    fi
}
