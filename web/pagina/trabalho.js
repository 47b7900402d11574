// The page's side of a worker (trabalhador.js): each command is posted to
// it and its answer comes back as a promise. Ending the worker, to cancel a
// long command or after a failure, rejects what it had not answered. The
// worker starts at once, loading its scripts while the page still compiles
// the module and reads the catalogue; commands wait for those.
import { porta } from "./porta.js";

// Why a command had no answer: its worker was ended.
export class Cancelado extends Error {}

export class Trabalho {
  #trabalhador;
  #pendentes = new Map(); // id → { aceitar, recusar }
  #proximo = 0;

  #iniciado;

  // inicio: a promise of { modulo, textos, lingua }.
  constructor(inicio) {
    this.#trabalhador = new Worker(porta.createScriptURL("trabalhador.js"), { type: "module" });
    this.#trabalhador.onmessage = ({ data }) => {
      const pendente = this.#pendentes.get(data.id);
      this.#pendentes.delete(data.id);
      if ("resposta" in data) pendente?.aceitar(data.resposta);
      else pendente?.recusar(new Error(data.falha));
    };
    this.#trabalhador.onerror = (evento) => this.terminar(new Error(evento.message ?? "the worker failed"));
    this.#iniciado = inicio.then((dados) => this.#trabalhador.postMessage(dados));
  }

  get ocupado() { return this.#pendentes.size > 0; }

  pedir(comando, ...entradas) {
    return new Promise((aceitar, recusar) => {
      const id = this.#proximo++;
      this.#pendentes.set(id, { aceitar, recusar });
      this.#iniciado.then(() => this.#trabalhador.postMessage({ id, comando, entradas }));
    });
  }

  terminar(motivo = new Cancelado()) {
    this.#trabalhador.terminate();
    for (const { recusar } of this.#pendentes.values()) recusar(motivo);
    this.#pendentes.clear();
  }
}
