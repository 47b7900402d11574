// The calls of the WebAssembly module, shared by the page and the tests:
// texts go in as UTF-8 closed by a zero, answers come back as JSON. The
// module computes everything; this file only moves texts across.

const codificador = new TextEncoder();
const descodificador = new TextDecoder();

export class Nucleo {
  constructor(instancia) {
    this.exp = instancia.exports;
  }

  // Copies a text into memory the module reserved; the caller frees it.
  #escrever(texto) {
    const bytes = codificador.encode(`${texto}\0`);
    const ponteiro = this.exp.vendrix_reservar(bytes.length);
    new Uint8Array(this.exp.memory.buffer, ponteiro, bytes.length).set(bytes);
    return ponteiro;
  }

  #ler(ponteiro) {
    const memoria = new Uint8Array(this.exp.memory.buffer);
    const fim = memoria.indexOf(0, ponteiro);
    return descodificador.decode(memoria.subarray(ponteiro, fim));
  }

  #chamar(funcao, ...textos) {
    const ponteiros = textos.map((t) => this.#escrever(t));
    try {
      return JSON.parse(this.#ler(funcao(...ponteiros)));
    } finally {
      ponteiros.forEach((p) => this.exp.vendrix_libertar(p));
    }
  }

  simplificar(polinomio) { return this.#chamar(this.exp.vendrix_simplificar, polinomio); }
  somar(p1, p2) { return this.#chamar(this.exp.vendrix_somar, p1, p2); }
  subtrair(p1, p2) { return this.#chamar(this.exp.vendrix_subtrair, p1, p2); }
  multiplicar(p1, p2) { return this.#chamar(this.exp.vendrix_multiplicar, p1, p2); }
  ruffini(dividendo, divisor) { return this.#chamar(this.exp.vendrix_ruffini, dividendo, divisor); }
  falar(texto, elevado) { return this.#chamar(this.exp.vendrix_falar, texto, elevado); }
}
