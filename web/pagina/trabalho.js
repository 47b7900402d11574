// The page's side of a worker (trabalhador.js): each command is posted to
// it and its answer comes back as a promise. Ending the worker, to cancel a
// long command or after a failure, rejects what it had not answered.
import { porta } from "./porta.js";

// Why a command had no answer: its worker was ended.
export class Cancelado extends Error {}

export class Trabalho {
  #trabalhador;
  #pendentes = new Map(); // id → { aceitar, recusar }
  #proximo = 0;

  constructor(modulo, textos, lingua) {
    this.#trabalhador = new Worker(porta.createScriptURL("trabalhador.js"), { type: "module" });
    this.#trabalhador.onmessage = ({ data }) => {
      const pendente = this.#pendentes.get(data.id);
      this.#pendentes.delete(data.id);
      if ("resposta" in data) pendente?.aceitar(data.resposta);
      else pendente?.recusar(new Error(data.falha));
    };
    this.#trabalhador.onerror = (evento) => this.terminar(new Error(evento.message ?? "the worker failed"));
    this.#trabalhador.postMessage({ modulo, textos, lingua });
  }

  get ocupado() { return this.#pendentes.size > 0; }

  pedir(comando, ...entradas) {
    return new Promise((aceitar, recusar) => {
      const id = this.#proximo++;
      this.#pendentes.set(id, { aceitar, recusar });
      this.#trabalhador.postMessage({ id, comando, entradas });
    });
  }

  terminar(motivo = new Cancelado()) {
    this.#trabalhador.terminate();
    for (const { recusar } of this.#pendentes.values()) recusar(motivo);
    this.#pendentes.clear();
  }
}
