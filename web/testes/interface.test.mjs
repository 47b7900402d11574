// The module's C interface without a browser: every case of casos.tsv runs
// through the .wasm under node:wasi and through the native build of the same
// commands, and the two JSON answers must be equal.
import { test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { existsSync, readFileSync, statSync } from "node:fs";
import { fileURLToPath } from "node:url";
import { WASI } from "node:wasi";
import { EXERCICIOS, Nucleo } from "../pagina/nucleo.js";

const raiz = fileURLToPath(new URL("../../", import.meta.url));
const primeiro = (...caminhos) => caminhos.find((c) => c && existsSync(c));
const wasm = primeiro(process.env.VENDRIX_WASM, `${raiz}build/web/web/vendrix.wasm`);
const nativo = primeiro(process.env.VENDRIX_NATIVO, `${raiz}build/ci/web/vendrix_web_nativo`,
  `${raiz}build/dev/web/vendrix_web_nativo`);
assert.ok(wasm, "build the module first: cmake --preset web && cmake --build --preset web");
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
  .map((l) => { const [nome, comando, a, b, c = ""] = l.split("\t"); return { nome, comando, a, b, c }; });

const respostas = spawnSync(nativo, {
  input: casos.map((c) => `${c.comando}\t${c.a}\t${c.b}\t${c.c}\n`).join(""), encoding: "utf8",
});
assert.equal(respostas.status, 0, respostas.stderr);
const esperadas = respostas.stdout.trimEnd().split("\n").map((l) => JSON.parse(l));
assert.equal(esperadas.length, casos.length);

const { nucleo, memoria } = await carregar();

for (const [i, c] of casos.entries()) {
  test(`${c.comando} ${c.nome}`, () => {
    const obtida = c.comando === "simplificar" ? nucleo.simplificar(c.a)
      : EXERCICIOS.includes(c.comando) ? nucleo.exercicio(c.comando, c.a, c.b, c.c) : nucleo[c.comando](c.a, c.b);
    assert.deepEqual(obtida, esperadas[i]);
    // The page shows a message in another language from its template: the
    // template filled in must be the Portuguese text, word for word.
    for (const m of obtida.mensagens ?? []) {
      assert.ok(Number.isInteger(m.codigo) && m.codigo > 0, JSON.stringify(m));
      assert.equal(m.modelo.replace("%1", () => m.simbolo), m.texto);
    }
  });
}

test("the release module stays under 1 MB", () => {
  assert.ok(statSync(wasm).size < 1024 * 1024, `${statSync(wasm).size} bytes`);
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
