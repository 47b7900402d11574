// Figures for the page, not a test: time from navigation to a usable page
// (first visits and visits from the service worker's cache, in a browser
// already running), the size of the module and of the whole page, and the
// 180 x 180-term product, a degree-9 division with fractions and every
// exercise timed inside the browser, to set beside
// build/bench/bench/web_bench. Run after the web preset is built:
//   node web/testes/medir.mjs
import { readFileSync, readdirSync, statSync } from "node:fs";
import { join } from "node:path";
import { fileURLToPath } from "node:url";
import { gzipSync } from "node:zlib";
import puppeteer from "puppeteer-core";
import { servir } from "./servidor.mjs";

const site = process.env.VENDRIX_SITE ?? fileURLToPath(new URL("../../build/web/web/site", import.meta.url));

function tamanho(pasta) {
  return readdirSync(pasta, { withFileTypes: true }).reduce((soma, e) => {
    const caminho = join(pasta, e.name);
    return soma + (e.isDirectory() ? tamanho(caminho) : e.name.endsWith(".tsbuildinfo") ? 0 : statSync(caminho).size);
  }, 0);
}

const servidor = await servir(site);
const endereco = `http://127.0.0.1:${servidor.address().port}/`;
const browser = await puppeteer.launch({ executablePath: "/usr/bin/chromium", headless: true, args: ["--no-sandbox"] });
// A browser already running, as a visitor's is: its own start is no part of
// the page's.
await (await browser.newPage()).goto("about:blank");

// From the navigation's start to the page's marks, as the page's own clock
// has them: the first paint, which no script of the page's delays; every
// control answers (vendrix-utilizavel); and the core has come
// (vendrix-pronto).
const carregar = async (aba) => {
  await aba.goto(endereco);
  await aba.waitForSelector("html[data-pronto]");
  return aba.evaluate(() => ["first-contentful-paint", "vendrix-utilizavel", "vendrix-pronto"]
    .map((marca) => performance.getEntriesByName(marca)[0].startTime));
};
// Each first visit in a context of its own, with an empty cache and no
// service worker; then the visits its service worker serves.
const primeiras = [];
const daCache = [];
let pagina = null;
for (let i = 0; i < 5; i++) {
  pagina = await (await browser.createBrowserContext()).newPage();
  primeiras.push(await carregar(pagina));
  await pagina.evaluate(() => navigator.serviceWorker.ready);
  await carregar(pagina);
  for (let j = 0; j < 2; j++) daCache.push(await carregar(pagina));
}

// The module, loaded by the page's own code, timed around the calls alone.
const tempos = await pagina.evaluate(async () => {
  const { WASI } = await import("./wasi/index.js");
  const { Nucleo } = await import("./nucleo.js");
  const wasi = new WASI([], [], []);
  const { instance } = await WebAssembly.instantiateStreaming(fetch("vendrix.wasm"),
    { wasi_snapshot_preview1: wasi.wasiImport });
  wasi.initialize(instance);
  const nucleo = new Nucleo(instance);
  let p = "";
  for (let i = 0; i < 180; i++) p += (i % 2 === 0 ? (i === 0 ? "" : "+") : "-") + `${i % 97 + 2}x^${179 - i}`;
  const medir = (f, n) => {
    f();
    const inicio = performance.now();
    for (let i = 0; i < n; i++) f();
    return (performance.now() - inicio) / n;
  };
  // The texts of bench/web_bench.cpp's exercises.
  const exercicios = [
    ["dividir", "x^12-3x^9+5x^5-2x^2-7", "2x^3-x+1", ""],
    ["factorizar", "x^12-1", "", ""],
    ["valor", "x^12-3x^9+5x^5-2x^2-7", "", "-3/2"],
    ["grafico", "x^4-5x^2+4", "", ""],
    ["explicar", "x^12-3x^9+5x^5-2x^2-7", "3x-2", ""],
  ];
  return {
    produto: medir(() => nucleo.multiplicar(p, p), 30),
    divisao: medir(() => nucleo.ruffini("x^9+x^8+x^7+x^6+x^5+x^4+x^3+x^2+x+1", "7x-3"), 2000),
    exercicios: exercicios.map(([nome, ...textos]) => [nome, medir(() => nucleo.exercicio(nome, ...textos), 50)]),
  };
});

const mediana = (l) => [...l].sort((a, b) => a - b)[Math.floor(l.length / 2)];
const ms = (l) => l.map((t) => t.toFixed(0)).join(", ");
for (const [k, o] of ["first paint", "usable", "core ready"].entries()) {
  const primeira = primeiras.map((m) => m[k]);
  console.log(`${o} after navigation, first visit (median of 5): ${mediana(primeira).toFixed(0)} ms (${ms(primeira)}); `
    + `from the cache (median of 10): ${mediana(daCache.map((m) => m[k])).toFixed(0)} ms`);
}
const wasm = readFileSync(join(site, "vendrix.wasm"));
console.log(`vendrix.wasm: ${wasm.length} bytes, ${gzipSync(wasm, { level: 9 }).length} with gzip -9; the whole page: ${tamanho(site)} bytes`);
console.log(`180 x 180-term product in the page: ${tempos.produto.toFixed(2)} ms`);
console.log(`degree-9 division with fractions in the page: ${(tempos.divisao * 1000).toFixed(1)} us`);
for (const [nome, ms] of tempos.exercicios) console.log(`exercise ${nome} in the page: ${(ms * 1000).toFixed(0)} us`);
await browser.close();
servidor.close();
