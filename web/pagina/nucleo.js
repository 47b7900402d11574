// The calls of the WebAssembly module, shared by the page's worker and the
// tests: texts go in as UTF-8 closed by a zero, answers come back as JSON.
// The module computes everything; this file only moves texts across.

const codificador = new TextEncoder();
const descodificador = new TextDecoder();

export class Nucleo {
  constructor(instancia) {
    this.exp = instancia.exports;
    // After a trap or a failed reservation the instance is not used again.
    this.avariado = false;
  }

  // Copies the texts, each closed by a zero, into one reservation of the
  // module's, straight into its memory: a UTF-16 unit is at most three
  // bytes of UTF-8. The caller frees the reservation, the first address.
  #escrever(textos) {
    const bytes = textos.reduce((soma, t) => soma + 3 * t.length + 1, 0);
    const bloco = this.exp.vendrix_reservar(bytes);
    if (bloco === 0) throw new RangeError(`the module could not reserve ${bytes} bytes`);
    const memoria = new Uint8Array(this.exp.memory.buffer, bloco, bytes);
    const ponteiros = [];
    let escritos = 0;
    for (const t of textos) {
      ponteiros.push(bloco + escritos);
      escritos += codificador.encodeInto(t, memoria.subarray(escritos)).written;
      memoria[escritos++] = 0;
    }
    return ponteiros;
  }

  #ler(ponteiro) {
    return descodificador.decode(new Uint8Array(this.exp.memory.buffer, ponteiro, this.exp.vendrix_tamanho()));
  }

  // The page refuses a text longer than the core's limit before it gets
  // here (vendrix_exercicios says the limit), so every text is copied whole.
  #correr(funcao, ...textos) {
    if (this.avariado) throw new Error("the module failed before: make a new instance");
    let ponteiros = [];
    try {
      if (textos.length > 0) ponteiros = this.#escrever(textos.map(String));
      return JSON.parse(this.#ler(funcao(...ponteiros)));
    } catch (erro) {
      this.avariado = true;
      throw erro;
    } finally {
      if (!this.avariado && ponteiros.length > 0) this.exp.vendrix_libertar(ponteiros[0]);
    }
  }

  // The page's textos.json as it was fetched, whatever its length, once;
  // then the language of the answers that follow, at the start and at
  // every switch.
  textos(json) { return this.#correr(this.exp.vendrix_textos, json); }
  lingua(lingua) { return this.#correr(this.exp.vendrix_lingua, lingua); }

  simplificar(polinomio) { return this.#correr(this.exp.vendrix_simplificar, polinomio); }
  somar(p1, p2) { return this.#correr(this.exp.vendrix_somar, p1, p2); }
  subtrair(p1, p2) { return this.#correr(this.exp.vendrix_subtrair, p1, p2); }
  multiplicar(p1, p2) { return this.#correr(this.exp.vendrix_multiplicar, p1, p2); }
  ruffini(dividendo, divisor) { return this.#correr(this.exp.vendrix_ruffini, dividendo, divisor); }
  // The core's exercises, the boxes each reads, and the boxes' limit.
  exercicios() { return this.#correr(this.exp.vendrix_exercicios); }
  // An exercise by the name the core gives it; the core reads the boxes it
  // needs. The last two texts are for later exercises.
  exercicio(nome, p1, p2, a, condicoes = "", resposta = "") {
    return this.#correr(this.exp.vendrix_exercicio, nome, p1, p2, a, condicoes, resposta);
  }
  // The last exercise's worked solution to copy: formato "texto", "latex"
  // or "html"; the core renders it only when asked.
  copia(formato) { return this.#correr(this.exp.vendrix_copia, formato); }
  // The Ruffini table of these texts to copy, in the same formats.
  quadro(formato, dividendo, divisor) { return this.#correr(this.exp.vendrix_quadro, formato, dividendo, divisor); }
  // The message for a text the page keeps from the core: motivo "longo" or
  // "controlo" with the box, or "comando".
  recusa(motivo, caixa = "") { return this.#correr(this.exp.vendrix_recusa, motivo, caixa); }
  falar(texto, elevado) { return this.#correr(this.exp.vendrix_falar, texto, elevado); }
}
