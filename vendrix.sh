#!/usr/bin/env bash
# Sets up a Debian 12 machine for Vendrix, builds it, and starts it or runs
# its tests:
#   ./vendrix.sh run    install what is missing, build, start the program
#   ./vendrix.sh test   install what is missing, build, run the whole test suite
#   ./vendrix.sh web    install what is missing, build the page, serve it on
#                       http://127.0.0.1:8080/ (VENDRIX_PORTA=n for another port)
# Each can be run again at any time: they install and rebuild only what is missing.
set -euo pipefail

cd "$(dirname "$0")"

# What each command needs: the program alone, the page alone, and for the
# tests both of them and the tools that check them. A user who only starts
# the program gets no browser or WebAssembly compiler.
PROGRAMA=(
    cmake ninja-build g++ libfast-float-dev libboost-dev
    qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    xvfb xauth fonts-liberation fonts-comic-neue
)
# The page: the core in WebAssembly, and Python's server for it.
PAGINA=(
    cmake ninja-build libfast-float-dev libboost-dev python3
    clang-19 lld-19 llvm-19 wasi-libc libc++-19-dev-wasm32 libc++abi-19-dev-wasm32 libclang-rt-19-dev-wasm32
)
# Node and npm from Debian, unless the machine has its own (a node from
# elsewhere brings its own npm, which Debian's npm package would conflict with).
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    PAGINA+=(nodejs npm)
fi
TESTES=(
    "${PROGRAMA[@]}" "${PAGINA[@]}"
    clang libclang-rt-14-dev clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    chromium
    texlive-latex-base
)

passo() {
    local nome=$1
    shift
    local inicio=$SECONDS
    echo "[vendrix] ${nome}..."
    "$@"
    echo "[vendrix] ${nome}: $((SECONDS - inicio)) s"
}

construir() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
}

# The npm packages of the page and its tests, as web/package-lock.json pins
# them; again only when the lock file changed.
modulos_npm() {
    if [ web/node_modules/.package-lock.json -nt web/package-lock.json ]; then
        echo "[vendrix] npm packages are installed"
        return
    fi
    (cd web && npm ci --no-audit --no-fund)
}

# The exported interface under node:wasi, then the page in headless chromium.
testes_web() {
    VENDRIX_NATIVO="$PWD/build/ci/web/vendrix_web_nativo" VENDRIX_WASM="$PWD/build/web/web/vendrix.wasm" \
        VENDRIX_SITE="$PWD/build/web/web/site" node --test web/testes/interface.test.mjs web/testes/pagina.test.mjs web/testes/exercicios.test.mjs
}

case "${1:-}" in
run)
    passo "set-up" .ci/instalar "${PROGRAMA[@]}"
    passo "build" construir release
    echo "[vendrix] starting build/release/app/vendrix"
    exec build/release/app/vendrix
    ;;
test)
    passo "set-up" .ci/instalar "${TESTES[@]}"
    passo "build" construir ci
    passo "tests" ctest --preset ci -j "$(nproc)"
    passo "npm packages" modulos_npm
    passo "web build" construir web
    passo "web tests" testes_web
    ;;
web)
    passo "set-up" .ci/instalar "${PAGINA[@]}"
    passo "npm packages" modulos_npm
    passo "web build" construir web
    porta=${VENDRIX_PORTA:-8080}
    echo "[vendrix] serving build/web/web/site until stopped (Ctrl+C); open:"
    echo "http://127.0.0.1:${porta}/"
    exec python3 -m http.server --bind 127.0.0.1 --directory build/web/web/site "$porta"
    ;;
*)
    echo "usage: $0 run | test | web" >&2
    exit 2
    ;;
esac
