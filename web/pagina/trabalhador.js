// The page's worker: one instance of the module, off the page's thread, so
// that a long exercise never keeps the page from answering. It takes the
// compiled module, the catalogue and the language first, then runs each
// command it is posted, in order, and posts back the core's answer.
import WASI from "./wasi/wasi.js";
// What wasi.js imports, asked for together with it rather than once it has
// come; the shim's file systems and tracing, which the core does not use,
// are not loaded at all.
import "./wasi/wasi_defs.js";
import "./wasi/debug.js";
import { Nucleo } from "./nucleo.js";

let nucleo = null;

function iniciar({ modulo, textos, lingua }) {
  const wasi = new WASI([], [], []);
  // A worker may instantiate a module of any size at once.
  const instancia = new WebAssembly.Instance(modulo, { wasi_snapshot_preview1: wasi.wasiImport });
  wasi.initialize(instancia);
  nucleo = new Nucleo(instancia);
  nucleo.textos(textos);
  nucleo.lingua(lingua);
}

self.onmessage = ({ data }) => {
  if (data.modulo) {
    iniciar(data);
    return;
  }
  const { id, comando, entradas } = data;
  try {
    self.postMessage({ id, resposta: nucleo[comando](...entradas) });
  } catch (erro) {
    // A trapped module's memory cannot be trusted: the page replaces this worker.
    self.postMessage({ id, falha: String(erro) });
  }
};
