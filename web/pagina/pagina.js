// The page: binds the controls to the module's commands and shows what
// each command answers. The module runs in workers, so the page answers
// clicks while the core works; every text, number and table cell comes
// from the core; nothing here computes.
import { aceitar, porta } from "./porta.js";
import { Cancelado, Trabalho } from "./trabalho.js";
import { criarBotoesDeCopia, guardarCopias, guardarCopiasPedidas } from "./copias.js";
import { apontar, guardarNoEndereco, lerDoEndereco, ligacao, motivoDeRecusa, mostrarResolucao, mostrarVerificacao }
  from "./exercicios.js";
import { abrirPratica, iniciarPratica } from "./pratica.js";
import { catalogo, iniciar, modulo, primeiroTrabalho } from "./inicio.js";
import { aoMudarLingua, catalogoDaPagina, iniciarLingua, linguaDaPagina, preencher, t, traduzir }
  from "./lingua.js";

const $ = (id) => document.getElementById(id);

// How long an exercise runs before the page offers to cancel it.
const ESPERA_MS = 300;

let inicio = null; // the compiled module, the catalogue and the language, for every worker
// The seed commands, speech and refusals, each quick, and the exercises,
// which may take long and be cancelled: each in a worker of its own, so
// that a sum is answered while a factorization runs.
let rapido = null;
let longo = null;
let limite = 0; // the most characters a box holds, as the core says
// The core's list of exercises, with that limit: a command clicked before
// it comes waits for it, rather than find every text too long.
let lista = null;
const caixasDe = {}; // the boxes each command reads
let ultimo = null; // the last command run, for Partilhar
let ultimoDaCalculadora = null; // what Enter runs in P1 and P2
let ultimoExercicio = null; // what Enter runs in the exercise box
// The exercise shown, with its texts, for a switch of language, and the
// worker that ran it, which keeps its solution for the copies.
let mostrado = null;
let pedido = null; // the exercise asked for last, with its texts
let dividido = null; // the Ruffini division whose hint is shown
// Checking the student's answer: the exercises run with it and keep their
// solution hidden until Ver a resolução.
let verificando = false;

// A worker for the module; one that replaces an ended one gets the
// language shown now.
const novoTrabalho = () => new Trabalho(inicio.then((dados) => ({ ...dados, lingua: linguaDaPagina() })));

// A quick command; a module that failed on one, its memory no longer to be
// trusted, is replaced for the next.
async function pedir(comando, ...entradas) {
  const trabalho = rapido;
  try {
    return await trabalho.pedir(comando, ...entradas);
  } catch (erro) {
    if (rapido === trabalho) {
      trabalho.terminar();
      rapido = novoTrabalho();
    }
    throw erro;
  }
}

// What shows on the page, one command after another in the order they were
// asked, so that one message box follows another.
let fila = Promise.resolve();
function mostrar(accao) {
  fila = fila.then(accao).catch((erro) => console.error(erro));
  return fila;
}

// The page is busy from a click until what it asked for is shown.
let emCurso = 0;
async function ocupado(accao) {
  if (emCurso++ === 0) document.querySelector("main").setAttribute("aria-busy", "true");
  try {
    return await accao();
  } finally {
    if (--emCurso === 0) document.querySelector("main").setAttribute("aria-busy", "false");
  }
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
    caixa.querySelector(".icone").src = icone === "critico" ? "aviso-critico.svg" : "aviso-informacao.svg";
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
const fala = async (texto) => (await pedir("falar", texto, t("elevado a"))).fala;

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

const textos = (ids) => ids.map((id) => $(id).value);

async function simplificar(k) {
  const r = aceitar(`simplificado${k}`, await pedir("simplificar", $(`polinomio${k}`).value));
  const dito = await fala(r.resultado);
  return async () => {
    await mostrarMensagens(r.mensagens);
    desenhar($(`simplificado${k}`), r, "resultado");
    anunciar(preencher(t("Polinómio %1 simplificado: %2"), k, dito));
  };
}

async function operacao(nome) {
  const r = aceitar("resultado", await pedir(nome, ...textos(["polinomio1", "polinomio2"])));
  const dito = await fala(r.resultado);
  return async () => {
    await mostrarMensagens(r.mensagens);
    desenhar($("resultado"), r, "resultado");
    traduzir($("resultado-titulo"), "texto", r.titulo);
    anunciar(`${t(r.titulo)}: ${dito}`);
  };
}

function apagarRuffini() {
  const tabela = $("tabela-ruffini");
  tabela.classList.remove("mostrada");
  for (const celula of tabela.querySelectorAll("td:not(.raiz)")) celula.remove();
  $("div").textContent = "";
  apagar($("quociente"));
  $("resto").textContent = "";
  $("dica-ruffini").textContent = "";
  dividido = null;
  guardarCopias("quadro", null);
  $("explicar").disabled = true;
}

// A shown cell by its name, or an empty place where the core puts none.
function celula(nome, textos) {
  const td = document.createElement("td");
  if (nome) {
    td.dataset.celula = nome;
    td.textContent = textos[nome] ?? "";
  }
  return td;
}

// The shown table of the division of these texts: the core writes its
// copies when the user copies, from the texts, which a fresh worker can
// divide again.
function mostrarTabela(r, entradas) {
  const filas = $("tabela-ruffini").tBodies[0].rows;
  r.filas.forEach((fila, k) => filas[k].append(...fila.map((nome) => celula(nome, r.celulas))));
  $("tabela-ruffini").classList.add("mostrada");
  $("div").textContent = r.div;
  desenhar($("quociente"), r, "quociente");
  $("resto").textContent = r.resto;
  guardarCopiasPedidas("quadro", async (formatos) =>
    (await Promise.all(formatos.map((f) => pedir("quadro", f, ...entradas)))).map((c) => c.copia));
  $("explicar").disabled = false;
}

async function ruffini() {
  const entradas = textos(["polinomio1", "polinomio2"]);
  const r = aceitar("quociente", await pedir("ruffini", ...entradas));
  const dito = r.tabela ? await fala(r.quociente) : "";
  return async () => {
    apagarRuffini();
    await mostrarMensagens(r.mensagens);
    // After the program's own message, where long division goes further.
    $("dica-ruffini").textContent = r.dica;
    if (r.dica !== "") dividido = entradas;
    if (r.tabela) {
      mostrarTabela(r, entradas);
      anunciar(`Q(x) = ${dito}; R = ${r.resto}`);
    }
    if (r.foco) $(r.foco === "polinomio1" ? "polinomio1" : "polinomio2").focus();
  };
}

// The progress line, shown while an exercise runs past ESPERA_MS.
let vez = 0; // the latest exercise asked for; an earlier one's answer is dropped
let aviso = 0;

function progresso(visivel) {
  clearTimeout(aviso);
  if (visivel) aviso = setTimeout(() => { $("progresso").hidden = false; }, ESPERA_MS);
  else $("progresso").hidden = true;
}

// Ends the running exercise and starts a fresh worker for the next.
function cancelar() {
  longo.terminar();
  longo = novoTrabalho();
  progresso(false);
}

// The boxes an exercise is given: the answer only while checking it.
const pergunta = () => [...textos(["polinomio1", "polinomio2", "ponto", "condicoes"]),
  verificando ? $("resposta").value : ""];

// An exercise on the boxes, or on the texts it was shown with when the
// language changes; the cursor goes where the core stopped reading.
async function exercicio(nome, entradas = pergunta(), silencioso = false) {
  if (longo.ocupado) cancelar(); // the newest question replaces the one still running
  pedido = { nome, entradas };
  const minha = ++vez;
  progresso(true);
  const trabalho = longo;
  let r;
  try {
    r = aceitar("exercicio", await trabalho.pedir("exercicio", nome, ...entradas));
  } catch (erro) {
    if (erro instanceof Cancelado) return null;
    // A trapped module's memory cannot be trusted: a fresh one takes over.
    longo.terminar();
    longo = novoTrabalho();
    throw erro;
  } finally {
    if (minha === vez) progresso(false);
  }
  if (minha !== vez) return null;
  return async () => {
    if (!silencioso) await mostrarMensagens(r.mensagens);
    mostrado = { nome, entradas, trabalho };
    mostrarResolucao(r, copiaDaResolucao, verificando);
    $("ver-resolucao").disabled = !verificando || r.resolucao_html === "";
    if (r.foco && !silencioso) apontar(r.foco, r.posicao);
  };
}

// The shown solution's copies in the formats asked for, which the core
// renders from the solution its worker kept. When that worker has been
// replaced, or runs a newer exercise, the quick worker runs the shown one
// again, once, and renders it: the requests go together, so nothing comes
// between them.
async function copiaDaResolucao(formatos) {
  const { nome, entradas, trabalho } = mostrado;
  const guardada = trabalho === longo && !trabalho.ocupado;
  const refazer = guardada ? [] : [pedir("exercicio", nome, ...entradas)];
  const copias = formatos.map((f) => (guardada ? trabalho.pedir("copia", f) : pedir("copia", f)));
  const respostas = await Promise.all([...refazer, ...copias]);
  return respostas.slice(refazer.length).map((r) => r.copia);
}

// The page's own commands, by their names in links, with the boxes each
// reads; the exercises are added from the core's list.
const COMANDOS = {
  simplificar1: [["polinomio1"], () => simplificar(1)],
  simplificar2: [["polinomio2"], () => simplificar(2)],
  somar: [["polinomio1", "polinomio2"], () => operacao("somar")],
  subtrair: [["polinomio1", "polinomio2"], () => operacao("subtrair")],
  multiplicar: [["polinomio1", "polinomio2"], () => operacao("multiplicar")],
  ruffini: [["polinomio1", "polinomio2"], ruffini],
};

// The first box the command reads whose text the core must not get: the
// core words the refusal, naming the box.
function recusa(caixas) {
  for (const id of caixas) {
    const motivo = motivoDeRecusa($(id).value, limite, id);
    if (motivo) return pedir("recusa", motivo, id);
  }
  return null;
}

// Runs a command by its name: the boxes are read at once, the core answers
// in its worker, and what it shows waits for the boxes shown before it.
async function correr(nome) {
  if (!rapido) return null;
  await lista;
  const [caixas, comando] = COMANDOS[nome]
    ?? [verificando ? [...caixasDe[nome], "resposta"] : caixasDe[nome], () => exercicio(nome)];
  const recusada = recusa(caixas);
  if (recusada) {
    const r = await recusada;
    return mostrar(() => mostrarMensagens(r.mensagens));
  }
  ultimo = nome;
  if (nome in COMANDOS) ultimoDaCalculadora = nome;
  else {
    ultimoExercicio = nome;
    guardarNoEndereco(nome, verificando);
  }
  const mostrarResposta = await comando();
  return mostrarResposta ? mostrar(mostrarResposta) : null;
}

function ligar(id, nome) {
  $(id).addEventListener("click", () => ocupado(() => correr(nome)).catch((erro) => console.error(erro)));
}

for (const nome of Object.keys(COMANDOS)) ligar(nome, nome);
$("apagar1").addEventListener("click", () => apagar($("simplificado1")));
$("apagar2").addEventListener("click", () => apagar($("simplificado2")));
$("apagar-resultado").addEventListener("click", () => {
  apagar($("resultado"));
  traduzir($("resultado-titulo"), "texto", "Resultado");
});
$("apagar-ruffini").addEventListener("click", apagarRuffini);
$("cancelar").addEventListener("click", cancelar);

// Enter runs the last command of the box's area: the calculator's (at
// first the box's own Simplificar) in P1 and P2, the last exercise (at
// first Valor) in the exercise box.
for (const [id, primeiro] of [["polinomio1", "simplificar1"], ["polinomio2", "simplificar2"]]) {
  $(id).addEventListener("keydown", (e) => {
    if (e.key === "Enter") $(ultimoDaCalculadora ?? primeiro).click();
  });
}
$("ponto").addEventListener("keydown", (e) => {
  if (e.key === "Enter") $(ultimoExercicio ?? "valor").click();
});
$("resposta").addEventListener("keydown", (e) => {
  if (e.key === "Enter") $("verificar").click();
});

// Verificar checks the answer against the exercise chosen last, and from
// then on the exercises keep their solution hidden; with none chosen yet
// the next one chosen is checked.
$("verificar").addEventListener("click", () => {
  verificando = true;
  $("resolucao").hidden = true;
  $("ver-resolucao").disabled = true;
  if (ultimoExercicio) {
    ocupado(() => correr(ultimoExercicio)).catch((erro) => console.error(erro));
    return;
  }
  guardarNoEndereco(null, true);
  mostrarVerificacao($("verificacao"), { veredicto: "", erro: "", explicacao: t("Escolha o exercício a verificar.") });
});
$("ver-resolucao").addEventListener("click", () => {
  verificando = false;
  $("ver-resolucao").disabled = true;
  $("resolucao").hidden = $("resolucao-documento").childElementCount === 0;
  if (ultimoExercicio) guardarNoEndereco(ultimoExercicio);
  $("resolucao").scrollIntoView({ block: "start" });
});

// Alt+Shift and the letter of the window's Ctrl shortcuts, which the
// browser keeps for itself; the buttons' titles show them.
document.addEventListener("keydown", (e) => {
  if (!e.altKey || !e.shiftKey || e.ctrlKey || e.metaKey || document.querySelector("dialog[open]")) return;
  const botao = document.querySelector(`[aria-keyshortcuts="Alt+Shift+${e.code.replace(/^Key/, "")}"]`);
  if (!botao || botao.disabled) return;
  e.preventDefault();
  botao.click();
});

// The link to the boxes as they are now and the last command, copied and
// kept in the address.
$("partilhar").addEventListener("click", async () => {
  const endereco = ligacao(ultimo, verificando);
  history.replaceState(null, "", endereco);
  await navigator.clipboard?.writeText(endereco);
  anunciar(t("Ligação copiada"));
});
criarBotoesDeCopia();

// A switch of language shows the shown exercise again in the new language,
// on the texts it was run with, and the Ruffini hint; the boxes stay.
aoMudarLingua((lingua) => {
  for (const trabalho of [rapido, longo]) trabalho?.pedir("lingua", lingua).catch(() => {});
  // One still running is asked again in the new language, its boxes to
  // come; one shown is shown again without them.
  const emCurso = longo?.ocupado ? pedido : null;
  if (emCurso || mostrado) {
    const { nome, entradas } = emCurso ?? mostrado;
    ocupado(async () => {
      const r = await exercicio(nome, entradas, !emCurso);
      if (r) await mostrar(r);
    }).catch((erro) => console.error(erro));
  }
  if (dividido) {
    pedir("ruffini", ...dividido).then((r) => { $("dica-ruffini").textContent = r.dica; })
      .catch(() => {});
  }
});

// The exercises' menu buttons, each named by its exercise, answer from the
// first moment: a click waits in correr for the core's list, which gives
// the boxes each reads.
const menu = [...document.querySelectorAll("[data-exercicio]")];
for (const botao of menu) ligar(botao.id, botao.id);

// The page's texts in the user's language, once the catalogue has come.
const traduzida = iniciarLingua(catalogo);
inicio = Promise.all([modulo, traduzida]).then(([compilado]) => ({ modulo: compilado, textos: catalogoDaPagina() }));
iniciar(inicio.then((dados) => ({ ...dados, lingua: linguaDaPagina() })));
rapido = primeiroTrabalho;
lista = rapido.pedir("exercicios").then((dada) => {
  limite = dada.limite;
  for (const { nome, caixas } of dada.exercicios) caixasDe[nome] = caixas;
  return dada;
});
// Every control answers now, in the user's language; what is clicked before
// the core has come is answered once it comes.
await traduzida;
document.documentElement.dataset.utilizavel = "sim";
performance.mark("vendrix-utilizavel");

const exercicios = await lista;
for (const id of ["polinomio1", "polinomio2", "ponto", "condicoes", "resposta"]) $(id).maxLength = limite;
// A button whose exercise the core does not have is no use.
for (const botao of menu) botao.disabled ||= !(botao.id in caixasDe);
const ligada = lerDoEndereco([...Object.keys(COMANDOS), ...Object.keys(caixasDe), "praticar"], limite);
verificando = ligada.verificar;
iniciarPratica(exercicios, { pedir, mostrar, mostrarMensagens, ocupado });
document.documentElement.dataset.pronto = "sim";
performance.mark("vendrix-pronto");
// The copy kept for offline use is fetched whole, the module a second time:
// only once the page answers, so that it never delays the first click.
if ("serviceWorker" in navigator) {
  navigator.serviceWorker.register(porta.createScriptURL("sw.js"), { updateViaCache: "none" }).catch(() => {});
}
// The exercises' worker starts once the calculator is ready; an exercise
// asked for before it is up waits in its queue.
longo = novoTrabalho();
// A link's refusals, else its command, an explanation after the table it
// explains, opened at what it shows.
await ocupado(async () => {
  for (const [motivo, caixa] of ligada.recusas) {
    const r = await pedir("recusa", motivo, caixa);
    await mostrar(() => mostrarMensagens(r.mensagens));
  }
  if (ligada.comando === "explicar") await correr("ruffini");
  if (ligada.comando === "praticar") {
    await abrirPratica(ligada.lidos);
    $("pratica").scrollIntoView({ block: "start" });
    return;
  }
  await abrirPratica();
  if (!ligada.comando) return;
  await correr(ligada.comando);
  const ALVOS = { simplificar1: "frame1", simplificar2: "frame2", ruffini: "frame6" };
  const alvo = $(ALVOS[ligada.comando] ?? (ligada.comando in COMANDOS ? "frame3" : "resolucao"));
  if (!alvo.hidden) alvo.scrollIntoView({ block: "start" });
});
