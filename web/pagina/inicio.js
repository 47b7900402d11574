// The page's start, begun as soon as this small script comes, while the
// rest of the page's scripts still load: the module's compilation, the
// catalogue's fetch and the quick worker, which loads its own scripts
// meanwhile. The worker gets the module, the catalogue and the language
// once the page has chosen the language.
import { Trabalho } from "./trabalho.js";

async function compilar() {
  try {
    return await WebAssembly.compileStreaming(fetch("vendrix.wasm"));
  } catch {
    return WebAssembly.compile(await (await fetch("vendrix.wasm")).arrayBuffer());
  }
}

export const modulo = compilar();

// The catalogue's text, or null without it.
export const catalogo = fetch("textos.json").then((r) => (r.ok ? r.text() : null)).catch(() => null);

let dar = null;
const dados = new Promise((aceitar) => { dar = aceitar; });

export const primeiroTrabalho = new Trabalho(dados);

// inicio: a promise of { modulo, textos, lingua }, for the first worker.
export function iniciar(inicio) {
  dar(inicio);
}
