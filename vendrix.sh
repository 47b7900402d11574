#!/usr/bin/env bash
# Sets up a Debian 12 machine for Vendrix, builds it, and starts it or runs
# its tests:
#   ./vendrix.sh run    install what is missing, build, start the program
#   ./vendrix.sh test   install what is missing, build, run the whole test suite
# Both can be run again at any time: they install and rebuild only what is missing.
set -euo pipefail

cd "$(dirname "$0")"

PACOTES=(
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format
    qt6-base-dev qt6-svg-dev
    libgtest-dev libgmock-dev libbenchmark-dev libfast-float-dev
    xvfb xauth fonts-liberation fonts-comic-neue
)

passo() {
    local nome=$1
    shift
    local inicio=$SECONDS
    echo "[vendrix] ${nome}..."
    "$@"
    echo "[vendrix] ${nome}: $((SECONDS - inicio)) s"
}

instalar() {
    local faltam=()
    for pacote in "${PACOTES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pacote" 2>/dev/null | grep -q "install ok installed"; then
            faltam+=("$pacote")
        fi
    done
    if [ ${#faltam[@]} -eq 0 ]; then
        echo "[vendrix] all packages are installed"
        return
    fi
    echo "[vendrix] installing: ${faltam[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${faltam[@]}"
}

construir() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
}

case "${1:-}" in
run)
    passo "set-up" instalar
    passo "build" construir release
    echo "[vendrix] starting build/release/app/vendrix"
    exec build/release/app/vendrix
    ;;
test)
    passo "set-up" instalar
    passo "build" construir ci
    passo "tests" ctest --preset ci -j 2
    ;;
*)
    echo "usage: $0 run | test" >&2
    exit 2
    ;;
esac
