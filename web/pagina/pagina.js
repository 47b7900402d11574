// The page: binds the controls to the module's commands and shows what
// each command answers. Every text, number and table cell comes from the
// core; nothing here computes.
import { WASI } from "./wasi/index.js";
import { EXERCICIOS, Nucleo, porta } from "./nucleo.js";
import { apontar, guardarNoEndereco, lerDoEndereco, mostrarResolucao } from "./exercicios.js";
import { iniciarLingua, ligarNucleo, preencher, t, traduzir } from "./lingua.js";

const $ = (id) => document.getElementById(id);

let nucleo = null;
let modulo = null; // compiled once: a failed instance is replaced from it
let ocupado = false; // a command runs until its last message is closed
const copias = {}; // the copy texts of each shown result, by area

async function carregarNucleo() {
  if (!modulo) {
    try {
      modulo = await WebAssembly.compileStreaming(fetch("vendrix.wasm"));
    } catch {
      modulo = await WebAssembly.compile(await (await fetch("vendrix.wasm")).arrayBuffer());
    }
  }
  const wasi = new WASI([], [], []);
  const instancia = await WebAssembly.instantiate(modulo, { wasi_snapshot_preview1: wasi.wasiImport });
  wasi.initialize(instancia);
  return ligarNucleo(new Nucleo(instancia));
}

// One modal box after another, in the order the core reported them; each
// closes with OK or Escape. The core gives the title and the text in the
// user's language.
function mostrarMensagem({ titulo, texto, icone }) {
  return new Promise((fechada) => {
    const caixa = document.createElement("dialog");
    caixa.className = "mensagem";
    caixa.dataset.titulo = titulo;
    caixa.setAttribute("role", "alertdialog");
    caixa.setAttribute("aria-labelledby", "mensagem-titulo");
    caixa.setAttribute("aria-describedby", "mensagem-texto");
    caixa.append($("modelo-mensagem").content.cloneNode(true));
    caixa.querySelector("h2").textContent = titulo;
    caixa.querySelector(".icone").textContent = icone === "critico" ? "\u26d4" : "\u2139\ufe0f";
    caixa.querySelector(".texto").textContent = texto;
    caixa.querySelector(".ok").textContent = t("OK");
    caixa.querySelector(".ok").addEventListener("click", () => caixa.close());
    caixa.addEventListener("close", () => {
      caixa.remove();
      fechada();
    });
    document.body.append(caixa);
    caixa.showModal();
    caixa.querySelector(".ok").focus();
  });
}

async function mostrarMensagens(mensagens) {
  for (const m of mensagens) await mostrarMensagem(m);
}

// The core speaks a drawn text in numbers and signs, and words only before
// a raised exponent: those it is given in the user's language.
const fala = (texto) => nucleo.falar(texto, t("elevado a")).fala;

// Announced once, even when the same words come again.
function anunciar(texto) {
  const regiao = $("anuncio");
  regiao.textContent = "";
  requestAnimationFrame(() => { regiao.textContent = texto; });
}

// The core's HTML has real superscripts and escapes every special character.
function desenhar(area, resposta, prefixo) {
  const texto = resposta[prefixo];
  area.dataset.texto = texto;
  if (texto === "") area.replaceChildren();
  else area.innerHTML = porta.createHTML(resposta[`${prefixo}_html`]);
  guardarCopias(area.id, resposta[`${prefixo}_texto`], resposta[`${prefixo}_html`], resposta[`${prefixo}_latex`]);
}

function apagar(area) {
  area.dataset.texto = "";
  area.textContent = "";
  guardarCopias(area.id, null);
}

function guardarCopias(area, texto, html, latex) {
  const botoes = document.querySelector(`.copias[data-de="${area}"]`);
  if (texto === null) {
    delete copias[area];
    botoes.hidden = true;
    return;
  }
  copias[area] = { texto, html, latex };
  botoes.hidden = false;
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
  const c = copias[area];
  if (!c) return;
  if (emLatex) await navigator.clipboard?.writeText(c.latex);
  else if (!copiarPorEvento({ "text/plain": c.texto, "text/html": c.html })) await navigator.clipboard?.writeText(c.texto);
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

function criarBotoesDeCopia() {
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

function simplificar(k) {
  const r = nucleo.simplificar($(`polinomio${k}`).value);
  return async () => {
    await mostrarMensagens(r.mensagens);
    desenhar($(`simplificado${k}`), r, "resultado");
    anunciar(preencher(t("Polinómio %1 simplificado: %2"), k, fala(r.resultado)));
  };
}

function operacao(nome) {
  const r = nucleo[nome]($("polinomio1").value, $("polinomio2").value);
  return async () => {
    await mostrarMensagens(r.mensagens);
    desenhar($("resultado"), r, "resultado");
    traduzir($("resultado-titulo"), "texto", r.titulo);
    anunciar(`${t(r.titulo)}: ${fala(r.resultado)}`);
  };
}

function apagarRuffini() {
  const tabela = $("tabela-ruffini");
  tabela.classList.remove("mostrada");
  for (const celula of tabela.querySelectorAll("td:not(.raiz)")) celula.remove();
  $("div").textContent = "";
  apagar($("quociente"));
  $("resto").textContent = "";
  guardarCopias("quadro", null);
  $("explicar").disabled = true;
}

// A shown cell, or an empty place where the core puts none.
function celula(c) {
  const td = document.createElement("td");
  if (c) {
    td.dataset.celula = c.celula;
    td.textContent = c.texto;
  }
  return td;
}

function mostrarTabela(r) {
  const filas = $("tabela-ruffini").tBodies[0].rows;
  r.filas.forEach((fila, k) => filas[k].append(...fila.map(celula)));
  $("tabela-ruffini").classList.add("mostrada");
  $("div").textContent = r.div;
  desenhar($("quociente"), r, "quociente");
  $("resto").textContent = r.resto;
  guardarCopias("quadro", r.quadro_texto, r.quadro_html, r.quadro_latex);
  $("explicar").disabled = false;
}

function ruffini() {
  apagarRuffini();
  const r = nucleo.ruffini($("polinomio1").value, $("polinomio2").value);
  return async () => {
    await mostrarMensagens(r.mensagens);
    if (r.tabela) {
      mostrarTabela(r);
      anunciar(`Q(x) = ${fala(r.quociente)}; R = ${r.resto}`);
    }
    if (r.foco) $(r.foco === "polinomio1" ? "polinomio1" : "polinomio2").focus();
  };
}

// An exercise on the three boxes, kept in the address; the cursor goes
// where the core stopped reading.
function exercicio(nome) {
  const r = nucleo.exercicio(nome, $("polinomio1").value, $("polinomio2").value, $("ponto").value);
  guardarNoEndereco(nome);
  return async () => {
    await mostrarMensagens(r.mensagens);
    mostrarResolucao(r, guardarCopias);
    if (r.foco) apontar(r.foco, r.posicao);
  };
}

// A command runs in the core at once; what it shows waits for its boxes.
async function correr(comando) {
  if (!nucleo || ocupado) return;
  ocupado = true;
  try {
    await comando()();
  } catch (erro) {
    // A trapped module's memory cannot be trusted: a fresh one takes over.
    if (!nucleo.avariado) throw erro;
    nucleo = null;
    nucleo = await carregarNucleo();
  } finally {
    ocupado = false;
  }
}

function ligar(id, comando) {
  $(id).addEventListener("click", () => correr(comando));
}

function ligarApagar(id, accao) {
  $(id).addEventListener("click", () => {
    if (!ocupado) accao();
  });
}

ligar("simplificar1", () => simplificar(1));
ligar("simplificar2", () => simplificar(2));
ligar("somar", () => operacao("somar"));
ligar("subtrair", () => operacao("subtrair"));
ligar("multiplicar", () => operacao("multiplicar"));
ligar("ruffini", ruffini);
ligarApagar("apagar1", () => apagar($("simplificado1")));
ligarApagar("apagar2", () => apagar($("simplificado2")));
ligarApagar("apagar-resultado", () => {
  apagar($("resultado"));
  traduzir($("resultado-titulo"), "texto", "Resultado");
});
ligarApagar("apagar-ruffini", apagarRuffini);
for (const nome of EXERCICIOS) ligar(nome, () => exercicio(nome));
$("ponto").addEventListener("keydown", (e) => {
  if (e.key === "Enter") $("valor").click();
});
$("partilhar").addEventListener("click", () => navigator.clipboard?.writeText(location.href));
criarBotoesDeCopia();

if ("serviceWorker" in navigator) {
  navigator.serviceWorker.register(porta.createScriptURL("sw.js"), { updateViaCache: "none" }).catch(() => {});
}

const lingua = iniciarLingua();
nucleo = await carregarNucleo();
await lingua;
const pedido = lerDoEndereco();
document.querySelector("main").setAttribute("aria-busy", "false");
document.documentElement.dataset.pronto = "sim";
// A link to an exercise runs it, after the table it explains.
if (pedido === "explicar") await correr(ruffini);
if (pedido) await correr(() => exercicio(pedido));
