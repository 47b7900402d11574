// Figures, not a test: every exercise of the page on the same texts, in one
// run, through the native door (vendrix_web_nativo, built Release) and
// through the module under node, and the ratio of the two. The machine may
// be shared, so each time is the least of several rounds. Run after the web
// preset and a Release build of vendrix_web_nativo:
//   cmake -S . -B build/relnativo -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON
//   cmake --build build/relnativo --target vendrix_web_nativo
//   node bench/pagina_e_nativo.mjs
// VENDRIX_WASM, VENDRIX_NATIVO and VENDRIX_TEXTOS name other builds;
// VENDRIX_RONDAS the number of rounds (5); VENDRIX_SO, names separated by
// commas ("ruffini,desenvolver"), the only cases run.
import { spawnSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { fileURLToPath } from "node:url";
import { WASI } from "node:wasi";
import { Nucleo } from "../web/pagina/nucleo.js";

const raiz = fileURLToPath(new URL("../", import.meta.url));
const primeiro = (...caminhos) => caminhos.find((c) => c && existsSync(c));
const wasm = primeiro(process.env.VENDRIX_WASM, `${raiz}build/web/web/vendrix.wasm`);
const nativo = primeiro(process.env.VENDRIX_NATIVO, `${raiz}build/relnativo/web/vendrix_web_nativo`);
const textos = primeiro(process.env.VENDRIX_TEXTOS, `${raiz}build/web/web/site/textos.json`);
if (!wasm || !nativo || !textos) {
  console.error("build the web preset and a Release vendrix_web_nativo (build/relnativo) first");
  process.exit(1);
}
const rondas = Number(process.env.VENDRIX_RONDAS ?? 5);

const GRAU_DOZE = "x^12-7x^10+3x^9+11x^8-20x^7+4x^6+15x^5-9x^4-2x^3+6x^2-x-1";
const POLINOMIO = "x^12-3x^9+5x^5-2x^2-7";
// The two seed commands web_bench times, then name, p1, p2, a, conditions,
// answer: the texts of bench/web_bench.cpp and one of each exercise the page
// adds.
const COMANDOS = { multiplicar: true, ruffini: true };
const CENTO_E_OITENTA = Array.from({ length: 180 }, (_, i) =>
  `${i % 2 === 0 ? (i === 0 ? "" : "+") : "-"}${(i % 97) + 2}x^${179 - i}`).join("");
const TODOS = [
  ["multiplicar", CENTO_E_OITENTA, CENTO_E_OITENTA],
  ["ruffini", "x^9+x^8+x^7+x^6+x^5+x^4+x^3+x^2+x+1", "7x-3"],
  ["dividir", POLINOMIO, "2x^3-x+1", "", "", ""],
  ["dividir", "x^3-2x^2-5x+6", "x+2", "", "", "Q = x^2+0x-5; R = -4"],
  ["factorizar", "x^12-1", "", "", "", ""],
  ["factorizar", GRAU_DOZE, "", "", "", ""],
  ["factorizar", "x^2-1", "", "", "", "(x-1)(x+1)"],
  ["valor", POLINOMIO, "", "-3/2", "", ""],
  ["grafico", "x^4-5x^2+4", "", "", "", ""],
  ["grafico", GRAU_DOZE, "", "", "", ""],
  ["explicar", POLINOMIO, "3x-2", "", "", ""],
  ["desenvolver", "(x+1)(x-2)^2(2x-3)^3", "", "", "", ""],
  ["resolver", "x(x^2-2)(x-1)^2(x+3)(2x-1)(x^3-3x+1)(x^2+1) >= 0", "", "", "", ""],
  ["parametros", "x^3+ax^2+bx-6", "", "", "divisível por x-1; resto da divisão por x+1 é -8", "a = 2, b = 3"],
];

const CASOS = TODOS.filter(([nome]) => !process.env.VENDRIX_SO || process.env.VENDRIX_SO.split(",").includes(nome));

const { instance } = await (async () => {
  const wasi = new WASI({ version: "preview1" });
  const r = await WebAssembly.instantiate(readFileSync(wasm), { wasi_snapshot_preview1: wasi.wasiImport });
  wasi.initialize(r.instance);
  return r;
})();
const nucleo = new Nucleo(instance);
nucleo.textos(readFileSync(textos, "utf8"));
nucleo.lingua("pt");

// The time of the processor, not of the clock, on both sides: the machine
// may be shared, and a call put aside by another program does not count.
// Milliseconds per call in the module: calls repeated for about 100 ms.
function naPagina(caso) {
  const [nome, ...textos] = caso;
  const chamar = nome in COMANDOS ? () => nucleo[nome](...textos) : () => nucleo.exercicio(...caso);
  chamar();
  let n = 1;
  for (;;) {
    const inicio = process.cpuUsage();
    for (let i = 0; i < n; i++) chamar();
    const { user, system } = process.cpuUsage(inicio);
    const ms = (user + system) / 1000;
    if (ms >= 100) return { ms: ms / n, n };
    n *= 2;
  }
}

// Milliseconds natively for a process with k calls; per call, the least
// with n calls less the least with one, over n - 1, so that starting the
// process and reading the texts do not count. Bash's time gives the
// process's own time.
const entrada = join(mkdtempSync(join(tmpdir(), "vendrix-")), "entrada.tsv");
function natural(caso, k) {
  writeFileSync(entrada, `textos\t${textos}\nlingua\tpt\n${`${caso.join("\t")}\n`.repeat(k)}`);
  const r = spawnSync("bash", ["-c", 'TIMEFORMAT="%3U %3S"; { time "$1" < "$2" > /dev/null; } 2>&1', "-",
    nativo, entrada], { encoding: "utf8" });
  if (r.status !== 0) throw new Error(r.stderr);
  const [user, system] = r.stdout.trim().split(" ").map(Number);
  return (user + system) * 1000;
}

const melhores = CASOS.map(() => ({ pagina: Infinity, um: Infinity, muitos: Infinity, n: 0 }));
for (let r = 0; r < rondas; r++) {
  for (const [i, caso] of CASOS.entries()) {
    const m = melhores[i];
    const p = naPagina(caso);
    m.pagina = Math.min(m.pagina, p.ms);
    // Twice the calls the module made in its 100 ms, for as long a time.
    m.n ||= Math.max(2 * p.n, 20);
    m.um = Math.min(m.um, natural(caso, 1));
    m.muitos = Math.min(m.muitos, natural(caso, m.n));
  }
}

const us = (ms) => `${(ms * 1000).toFixed(0)} us`.padStart(10);
console.log(`${"exercise".padEnd(12)} ${"first text".padEnd(34)} ${"native".padStart(10)} ${"page".padStart(10)}  ratio`);
for (const [i, [nome, p1]] of CASOS.entries()) {
  const { pagina, um, muitos, n: vezes } = melhores[i];
  const n = (muitos - um) / (vezes - 1);
  const texto = p1.length > 32 ? `${p1.slice(0, 31)}…` : p1;
  console.log(`${nome.padEnd(12)} ${texto.padEnd(34)} ${us(n)} ${us(pagina)}  ${(pagina / n).toFixed(2)}x`);
}
