// The module's C interface without a browser: every case of casos.tsv runs
// through the .wasm under node:wasi and through the native build of the same
// commands, in Portuguese and in English, and the two JSON answers must be
// equal.
import { test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { existsSync, readFileSync, statSync } from "node:fs";
import { fileURLToPath } from "node:url";
import { WASI } from "node:wasi";
import { gzipSync } from "node:zlib";
import { Nucleo } from "../pagina/nucleo.js";

const raiz = fileURLToPath(new URL("../../", import.meta.url));
const primeiro = (...caminhos) => caminhos.find((c) => c && existsSync(c));
const wasm = primeiro(process.env.VENDRIX_WASM, `${raiz}build/web/web/vendrix.wasm`);
const nativo = primeiro(process.env.VENDRIX_NATIVO, `${raiz}build/ci/web/vendrix_web_nativo`,
  `${raiz}build/dev/web/vendrix_web_nativo`);
const textos = primeiro(process.env.VENDRIX_SITE && `${process.env.VENDRIX_SITE}/textos.json`,
  `${raiz}build/web/web/site/textos.json`);
assert.ok(wasm && textos, "build the module first: cmake --preset web && cmake --build --preset web");
assert.ok(nativo, "build vendrix_web_nativo first (ci or dev preset)");

async function carregar() {
  const wasi = new WASI({ version: "preview1" });
  const { instance } = await WebAssembly.instantiate(readFileSync(wasm),
    { wasi_snapshot_preview1: wasi.wasiImport });
  wasi.initialize(instance);
  return { nucleo: new Nucleo(instance), memoria: instance.exports.memory };
}

const casos = readFileSync(fileURLToPath(new URL("casos.tsv", import.meta.url)), "utf8")
  .split("\n").filter((l) => l && !l.startsWith("#"))
  .map((l) => {
    const [nome, comando, ...entradas] = l.split("\t");
    return { nome, comando, entradas: [0, 1, 2, 3, 4].map((i) => entradas[i] ?? "") };
  });

// Each case in Portuguese, then each in English, as the page asks for them;
// then the core's list of exercises and the page's refusals.
const RECUSAS = [["longo", "polinomio1"], ["controlo", "ponto"], ["comando", ""]];
const pedidos = (lingua) => [`lingua\t${lingua}\n`, ...casos.map((c) => `${[c.comando, ...c.entradas].join("\t")}\n`),
  ...RECUSAS.map(([motivo, caixa]) => `recusa\t${motivo}\t${caixa}\n`)];
const respostas = spawnSync(nativo, {
  input: [`textos\t${textos}\n`, "exercicios\n", ...pedidos("pt"), ...pedidos("en")].join(""), encoding: "utf8",
});
assert.equal(respostas.status, 0, respostas.stderr);
const linhas = respostas.stdout.trimEnd().split("\n").map((l) => JSON.parse(l));
const porLingua = 1 + casos.length + RECUSAS.length;
assert.equal(linhas.length, 2 + 2 * porLingua);
const [, exercicios] = linhas;
const esperadas = { pt: linhas.slice(3, 2 + porLingua), en: linhas.slice(3 + porLingua) };
// The commands called by their own names; copia renders the exercise before it.
const SEMENTES = ["simplificar", "somar", "subtrair", "multiplicar", "ruffini", "falar", "copia", "quadro"];

const { nucleo, memoria } = await carregar();
assert.deepEqual(nucleo.textos(readFileSync(textos, "utf8")), linhas[0]);

for (const lingua of ["pt", "en"]) {
  for (const [i, c] of casos.entries()) {
    test(`${lingua} ${c.comando} ${c.nome}`, () => {
      nucleo.lingua(lingua);
      const obtida = SEMENTES.includes(c.comando) ? nucleo[c.comando](...c.entradas.slice(0, 3))
        : nucleo.exercicio(c.comando, ...c.entradas);
      assert.deepEqual(obtida, esperadas[lingua][i]);
      // The same boxes in both languages, every text of the core translated.
      const pt = esperadas.pt[i].mensagens ?? [];
      assert.deepEqual((obtida.mensagens ?? []).map((m) => m.codigo), pt.map((m) => m.codigo));
      if (lingua === "en") for (const [k, m] of pt.entries()) assert.notEqual(obtida.mensagens[k].texto, m.texto);
    });
  }
}

test("one door: the core lists its exercises, and words what the page refuses", () => {
  assert.deepEqual(nucleo.exercicios(), exercicios);
  assert.deepEqual(exercicios.exercicios.map((e) => e.nome),
    ["dividir", "factorizar", "valor", "grafico", "explicar", "desenvolver", "resolver", "parametros"]);
  assert.deepEqual(exercicios.exercicios.find((e) => e.nome === "valor").caixas, ["polinomio1", "ponto"]);
  assert.deepEqual(exercicios.exercicios.find((e) => e.nome === "parametros").caixas, ["polinomio1", "condicoes"]);
  assert.deepEqual([exercicios.tipos.length, exercicios.nivel_minimo, exercicios.nivel_maximo], [8, 1, 3]);
  // Every exercise answers its parameters and its check; practice, its
  // question and its seed, whole past 2^53.
  const r = nucleo.exercicio("dividir", "x^3-1", "x-1", "", "", "Q = x^2+x+1; R = 0");
  assert.deepEqual(["parametros", "veredicto", "erro", "explicacao"].filter((c) => !(c in r)), []);
  const p = nucleo.exercicio("praticar", "factorizar", "2", "18446744073709551615");
  assert.equal(p.semente, "18446744073709551615");
  assert.ok(exercicios.exercicios.some((e) => e.nome === p.exercicio), p.exercicio);
  assert.deepEqual(["polinomio1", "polinomio2", "ponto", "condicoes", "enunciado_html"].filter((c) => !(c in p)), []);
  for (const lingua of ["pt", "en"]) {
    nucleo.lingua(lingua);
    const obtidas = RECUSAS.map(([motivo, caixa]) => nucleo.recusa(motivo, caixa).mensagens[0].texto);
    assert.deepEqual(obtidas, esperadas[lingua].slice(casos.length).map((r) => r.mensagens[0].texto));
    assert.match(obtidas[0], new RegExp(`${lingua === "pt" ? "Polinómio" : "Polynomial"} 1.*${exercicios.limite}`));
  }
  assert.equal(nucleo.exercicio("integrar", "x").mensagens[0].texto, nucleo.recusa("comando").mensagens[0].texto);
});

// Catalogues the core reads, and the ones it refuses for Portuguese.
test("the core reads every escape of a catalogue and refuses a broken one", () => {
  const recusa = "O divisor não é um polinómio válido.";
  const lidos = [
    ['{"en": {"%s": "\\u00e9\\ud83d\\ude00\\"\\\\\\/\\t"}}', "é\u{1f600}\"\\/\t"],
    ['{"en": {}, "en": {"%s": "second"}}', "second"],
    ['{"en": {"%s": "\\ud83d"}}', recusa],
    ['{"en": {"%s": "a"}', recusa],
    ['{"en": {"%s": 1}}', recusa],
    ['{"en": {"%s": "a"}} x', recusa],
    ['[]', recusa],
  ];
  for (const [catalogo, esperado] of lidos) {
    nucleo.textos(catalogo.replace("%s", recusa));
    nucleo.lingua("en");
    assert.equal(nucleo.ruffini("x^4", "x^2").mensagens[0].texto, esperado, catalogo);
  }
});

// A piece of a malformed input quoted in a message stays valid UTF-8.
test("a byte that starts no character is answered as U+FFFD, in valid JSON", () => {
  const input = Buffer.concat([Buffer.from("factorizar\tx^2+"), Buffer.from([0xc3]), Buffer.from("y\n")]);
  const r = spawnSync(nativo, { input });
  const linha = JSON.parse(new TextDecoder("utf-8", { fatal: true }).decode(r.stdout));
  assert.match(linha.mensagens[0].texto, /«\uFFFDy»/);
});

test("the release module stays under 1.5 MB, and 450 KB compressed", () => {
  const comprimido = gzipSync(readFileSync(wasm), { level: 9 }).length;
  console.log(`# vendrix.wasm: ${statSync(wasm).size} bytes, ${comprimido} with gzip -9`);
  assert.ok(statSync(wasm).size < 1.5 * 1024 * 1024, `${statSync(wasm).size} bytes`);
  assert.ok(comprimido < 450 * 1024, `${comprimido} bytes compressed`);
});

test("memory does not grow over many commands", () => {
  const longo = Array.from({ length: 60 }, (_, i) => `${i + 1}x^${i}`).join("+");
  const ronda = () => {
    nucleo.multiplicar(longo, longo); // an answer of some 10 KB
    nucleo.ruffini("x^9+2x^8-3x^5+7x-1", "3x-2");
  };
  for (let i = 0; i < 5; i++) ronda(); // the first uses grow the heap to its working size
  const antes = memoria.buffer.byteLength;
  for (let i = 0; i < 200; i++) ronda();
  // A leak of every answer would take more than 2 MB; fragmentation may take one page.
  assert.ok(memoria.buffer.byteLength - antes <= 65536, `${antes} -> ${memoria.buffer.byteLength}`);
});
