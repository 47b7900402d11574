// The copy buttons under each shown result: the texts the core gives for
// it, as plain text and HTML together, or as LaTeX.
import { traduzir } from "./lingua.js";

// Each shown result's copies, by area: a function of a list of formats
// ("texto", "html", "latex") that gives their texts, or promises them.
const copias = {};

// Keeps the area's copies and shows its buttons; pedir null forgets them
// and hides the buttons. The core renders a worked solution's copies only
// when the user copies, so pedir may ask it then.
export function guardarCopiasPedidas(area, pedir) {
  const botoes = document.querySelector(`.copias[data-de="${area}"]`);
  if (pedir === null) delete copias[area];
  else copias[area] = pedir;
  botoes.hidden = pedir === null;
}

// The copy texts of a result the core gave with it; texto null forgets them.
export function guardarCopias(area, texto, html, latex) {
  const dados = { texto, html, latex };
  guardarCopiasPedidas(area, texto === null ? null : (formatos) => formatos.map((f) => dados[f]));
}

// Text and HTML go through a copy event, whose data the browser keeps as
// given: the clipboard API would parse the HTML in this page, under its
// policy, which refuses the inline styles a table carries for the
// programs it is pasted into.
function copiarPorEvento(dados) {
  const escrever = (evento) => {
    for (const [tipo, valor] of Object.entries(dados)) evento.clipboardData.setData(tipo, valor);
    evento.preventDefault();
  };
  document.addEventListener("copy", escrever);
  try {
    return document.execCommand("copy");
  } finally {
    document.removeEventListener("copy", escrever);
  }
}

async function copiar(area, emLatex) {
  const pedir = copias[area];
  if (!pedir) return;
  if (emLatex) {
    const [latex] = await pedir(["latex"]);
    await navigator.clipboard?.writeText(latex);
    return;
  }
  const [texto, html] = await pedir(["texto", "html"]);
  if (!copiarPorEvento({ "text/plain": texto, "text/html": html })) await navigator.clipboard?.writeText(texto);
}

// What each pair of copy buttons copies: the words of its tool tips, and
// the name on the buttons where one frame has two pairs. The sentences
// they make are the catalogue's sources.
const AREAS = {
  simplificado1: ["o polinómio 1 simplificado", ""],
  simplificado2: ["o polinómio 2 simplificado", ""],
  resultado: ["o resultado", ""],
  quociente: ["o quociente", " Q(x)"],
  quadro: ["a tabela de Ruffini", " tabela"],
  resolucao: ["a resolução", ""],
};

export function criarBotoesDeCopia() {
  for (const caixa of document.querySelectorAll(".copias")) {
    const area = caixa.dataset.de;
    const [nome, curto] = AREAS[area];
    const botoes = [
      [`copiar-${area}`, `Copiar${curto}`, `Copiar ${nome} como texto e HTML.`, false],
      [`copiar-latex-${area}`, `Copiar${curto} como LaTeX`, `Copiar ${nome} como LaTeX.`, true],
    ];
    for (const [id, legenda, dica, emLatex] of botoes) {
      const botao = document.createElement("button");
      botao.type = "button";
      botao.id = id;
      traduzir(botao, "texto", legenda);
      traduzir(botao, "title", dica);
      botao.addEventListener("click", () => copiar(area, emLatex));
      caixa.append(botao);
    }
  }
}
