// The calls of the WebAssembly module, shared by the page and the tests:
// texts go in as UTF-8 closed by a zero, answers come back as JSON. The
// module computes everything; this file only moves texts across.

const codificador = new TextEncoder();
const descodificador = new TextDecoder();

// The most characters an input holds. The core takes no more than 32,767
// terms, so a longer text could only be refused, after copying it into the
// module: it is refused here instead, with the core's answer to the longest
// text an input holds, which has one term too many.
export const LIMITE = 65536;
const LONGO_DEMAIS = "x+".repeat(LIMITE / 2);

// The module's exercises, by the names its exports, the page's buttons and
// the links give them.
export const EXERCICIOS = ["dividir", "factorizar", "valor", "grafico", "explicar"];

// The HTML the module returned last: the only HTML the page may show.
const devolvidos = new Set();

const regras = {
  createHTML(html) {
    if (!devolvidos.has(html)) throw new TypeError("HTML the module did not return");
    return html;
  },
  createScriptURL(endereco) {
    if (endereco !== "sw.js") throw new TypeError(`not the service worker: ${endereco}`);
    return endereco;
  },
};

// The one door by which HTML and the service worker reach the page, where
// the browser demands trusted types; the same checks elsewhere.
export const porta = globalThis.trustedTypes?.createPolicy("vendrix", regras) ?? regras;

export class Nucleo {
  constructor(instancia) {
    this.exp = instancia.exports;
    // After a trap or a failed reservation the instance is not used again.
    this.avariado = false;
  }

  // Copies a text into memory the module reserved; the caller frees it.
  #escrever(texto) {
    const bytes = codificador.encode(`${texto}\0`);
    const ponteiro = this.exp.vendrix_reservar(bytes.length);
    if (ponteiro === 0) throw new RangeError(`the module could not reserve ${bytes.length} bytes`);
    new Uint8Array(this.exp.memory.buffer, ponteiro, bytes.length).set(bytes);
    return ponteiro;
  }

  #ler(ponteiro) {
    const memoria = new Uint8Array(this.exp.memory.buffer);
    const fim = memoria.indexOf(0, ponteiro);
    return descodificador.decode(memoria.subarray(ponteiro, fim));
  }

  // A command on the user's inputs, each cut to what an input holds.
  #chamar(funcao, ...entradas) {
    return this.#correr(funcao, entradas.map((t) => (t.length > LIMITE ? LONGO_DEMAIS : t)));
  }

  #correr(funcao, textos) {
    if (this.avariado) throw new Error("the module failed before: make a new instance");
    const ponteiros = [];
    try {
      for (const t of textos) ponteiros.push(this.#escrever(t));
      const resposta = JSON.parse(this.#ler(funcao(...ponteiros)));
      devolvidos.clear();
      for (const [nome, valor] of Object.entries(resposta)) if (nome.endsWith("_html")) devolvidos.add(valor);
      return resposta;
    } catch (erro) {
      this.avariado = true;
      throw erro;
    } finally {
      if (!this.avariado) ponteiros.forEach((p) => this.exp.vendrix_libertar(p));
    }
  }

  // The page's textos.json as it was fetched, whatever its length, once;
  // then the language of the answers that follow, at the start and at
  // every switch.
  textos(json) { return this.#correr(this.exp.vendrix_textos, [json]); }
  lingua(lingua) { return this.#chamar(this.exp.vendrix_lingua, lingua); }

  simplificar(polinomio) { return this.#chamar(this.exp.vendrix_simplificar, polinomio); }
  somar(p1, p2) { return this.#chamar(this.exp.vendrix_somar, p1, p2); }
  subtrair(p1, p2) { return this.#chamar(this.exp.vendrix_subtrair, p1, p2); }
  multiplicar(p1, p2) { return this.#chamar(this.exp.vendrix_multiplicar, p1, p2); }
  ruffini(dividendo, divisor) { return this.#chamar(this.exp.vendrix_ruffini, dividendo, divisor); }
  // An exercise by the name the core gives it, with the three boxes, of
  // which the core reads those it needs.
  exercicio(nome, p1, p2, a) {
    if (!EXERCICIOS.includes(nome)) throw new RangeError(`no exercise ${nome}`);
    return this.#chamar(this.exp[`vendrix_${nome}`], p1, p2, a);
  }
  falar(texto, elevado) { return this.#chamar(this.exp.vendrix_falar, texto, elevado); }
}
