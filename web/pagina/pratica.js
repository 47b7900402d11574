// Practice and the teacher's worksheet. The core makes each exercise from
// a kind, a level and a seed, checks the student's answer through the same
// door as the exercises, and writes the worksheet with its key; the page
// keeps only the count of answers right at the first try, for the session.
import { aceitar, porta } from "./porta.js";
import { apontar, motivoDeRecusa, mostrarVerificacao } from "./exercicios.js";
import { aoMudarLingua, preencher, t, traduzir } from "./lingua.js";

const $ = (id) => document.getElementById(id);

let pagina = null; // the page's quick worker, its queue of what shows, its boxes
let limite = 0;
let atual = null; // the exercise shown, as the core made it
let verificado = null; // the core's check of it, with the answer checked
const contagem = { certas: 0, tentadas: 0 };
// How many of each kind a new worksheet asks for; the rest start at none.
const FICHA_INICIAL = { ruffini: 5, factorizar: 5 };

// A seed from the browser's generator, as the decimal text of a 64-bit number.
export const novaSemente = () => crypto.getRandomValues(new BigUint64Array(1))[0].toString();

function mostrarContagem() {
  const saida = $("pratica-contagem");
  saida.dataset.certas = String(contagem.certas);
  saida.dataset.tentadas = String(contagem.tentadas);
  saida.textContent = contagem.tentadas === 0 ? ""
    : preencher(t("Certas à primeira: %1 de %2"), contagem.certas, contagem.tentadas);
}

function mostrarEnunciado(r) {
  const enunciado = $("pratica-enunciado");
  Object.assign(enunciado.dataset, { p1: r.polinomio1, p2: r.polinomio2, a: r.ponto, condicoes: r.condicoes,
    semente: r.semente, exercicio: r.exercicio });
  if (r.enunciado_html === "") enunciado.replaceChildren();
  else enunciado.innerHTML = porta.createHTML(r.enunciado_html);
}

function mostrarSolucao() {
  const area = $("pratica-resolucao");
  if (verificado?.resolucao_html) area.innerHTML = porta.createHTML(verificado.resolucao_html);
  else area.replaceChildren();
}

// The exercise of the kind, level and seed, shown with an empty answer; a
// request the core cannot read gets its refusal. The address keeps it
// when asked to.
async function gerar(tipo, nivel, semente, guardar) {
  const r = aceitar("pratica-enunciado", await pagina.pedir("exercicio", "praticar", tipo, nivel, semente, "", ""));
  return () => {
    if (r.mensagens.length > 0) return pagina.mostrarMensagens(r.mensagens);
    atual = { ...r, tentado: false };
    verificado = null;
    $("pratica-tipo").value = r.tipo;
    $("pratica-nivel").value = String(r.nivel);
    mostrarEnunciado(r);
    $("pratica-resposta").value = "";
    mostrarVerificacao($("pratica-verificacao"), { veredicto: "", erro: "", explicacao: "" });
    $("pratica-resolucao").hidden = true;
    if (guardar) {
      const campos = { c: "praticar", tipo: r.tipo, nivel: r.nivel, semente: r.semente };
      const fragmento = Object.entries(campos).map(([k, v]) => `${k}=${encodeURIComponent(v)}`).join("&");
      history.replaceState(null, "", `${location.origin}${location.pathname}#${fragmento}`);
    }
    return null;
  };
}

const quando = (accao) => () => pagina.ocupado(async () => {
  const mostrarResposta = await accao();
  if (mostrarResposta) await pagina.mostrar(mostrarResposta);
}).catch((erro) => console.error(erro));

const outro = () => gerar($("pratica-tipo").value, $("pratica-nivel").value, novaSemente(), true);

// The exercise run with the answer: the verdict counts at its first check.
async function verificar(resposta = $("pratica-resposta").value) {
  if (!atual) return null;
  const motivo = motivoDeRecusa(resposta, limite);
  if (motivo) {
    const r = await pagina.pedir("recusa", motivo, "resposta");
    return () => pagina.mostrarMensagens(r.mensagens);
  }
  const r = aceitar("pratica", await pagina.pedir("exercicio", atual.exercicio, atual.polinomio1, atual.polinomio2,
    atual.ponto, atual.condicoes, resposta));
  return async () => {
    await pagina.mostrarMensagens(r.mensagens);
    verificado = { ...r, resposta };
    mostrarVerificacao($("pratica-verificacao"), r);
    if (r.veredicto !== "" && !atual.tentado) {
      atual.tentado = true;
      contagem.tentadas += 1;
      if (r.veredicto === "certo") contagem.certas += 1;
      mostrarContagem();
    }
    if (!$("pratica-resolucao").hidden) mostrarSolucao();
    if (r.foco === "resposta") apontar("pratica-resposta", r.posicao);
  };
}

async function verResolucao() {
  const mostrarVerificado = verificado ? null : await verificar("");
  return async () => {
    if (mostrarVerificado) await mostrarVerificado();
    $("pratica-resolucao").hidden = false;
    mostrarSolucao();
  };
}

// The worksheet in the format asked for, which the core alone writes,
// downloaded under its seed.
async function ficha(formato) {
  const entradas = [...document.querySelectorAll("#ficha input")];
  const invalida = entradas.find((e) => !e.checkValidity());
  if (invalida) {
    invalida.reportValidity();
    return null;
  }
  const quantos = entradas.filter((e) => e.dataset.tipo).map((e) => `${e.dataset.tipo}=${e.value}`).join(";");
  const r = await pagina.pedir("exercicio", "ficha", quantos, $("ficha-nivel").value, $("ficha-semente").value, formato, "");
  return () => {
    if (r.mensagens.length > 0) return pagina.mostrarMensagens(r.mensagens);
    const [tipo, extensao] = formato === "latex" ? ["application/x-tex", "tex"] : ["text/html", "html"];
    const ligacao = document.createElement("a");
    ligacao.href = URL.createObjectURL(new Blob([r[formato]], { type: `${tipo};charset=utf-8` }));
    ligacao.download = `vendrix-ficha-${r.semente}.${extensao}`;
    ligacao.click();
    setTimeout(() => URL.revokeObjectURL(ligacao.href), 0);
    return null;
  };
}

// Binds the sections to the core's kinds, with their labels, and levels
// (its list of exercises) and to the page's worker and queue; draws a
// first exercise.
export function iniciarPratica(lista, helpers) {
  pagina = helpers;
  limite = lista.limite;
  for (const seletor of document.querySelectorAll("select.niveis")) {
    for (let n = lista.nivel_minimo; n <= lista.nivel_maximo; n++) seletor.add(new Option(String(n)));
  }
  for (const { nome, rotulo } of lista.tipos) {
    const opcao = new Option("", nome);
    traduzir(opcao, "texto", rotulo);
    $("pratica-tipo").add(opcao);
    const quantos = Object.assign(document.createElement("input"), { type: "number", min: "0",
      max: String(lista.por_tipo), required: true, value: String(FICHA_INICIAL[nome] ?? 0) });
    quantos.dataset.tipo = nome;
    const legenda = document.createElement("span");
    traduzir(legenda, "texto", rotulo);
    const linha = document.createElement("label");
    linha.append(quantos, " ", legenda);
    document.querySelector("#ficha fieldset").append(linha);
  }
  $("pratica-resposta").maxLength = limite;
  $("ficha-semente").value = novaSemente();
  $("pratica-outro").addEventListener("click", quando(outro));
  for (const id of ["pratica-tipo", "pratica-nivel"]) $(id).addEventListener("change", quando(outro));
  $("pratica-verificar").addEventListener("click", quando(() => verificar()));
  $("pratica-resposta").addEventListener("keydown", (e) => {
    if (e.key === "Enter") $("pratica-verificar").click();
  });
  $("pratica-ver-resolucao").addEventListener("click", quando(verResolucao));
  $("ficha-outra").addEventListener("click", () => { $("ficha-semente").value = novaSemente(); });
  $("ficha-latex").addEventListener("click", quando(() => ficha("latex")));
  $("ficha-html").addEventListener("click", quando(() => ficha("html")));
  // The statement, the verdict and the solution again in the new language.
  aoMudarLingua(() => {
    mostrarContagem();
    if (!atual) return;
    pagina.pedir("exercicio", "praticar", atual.tipo, String(atual.nivel), atual.semente, "", "")
      .then((r) => mostrarEnunciado(aceitar("pratica-enunciado", r))).catch(() => {});
    if (verificado) quando(() => verificar(verificado.resposta))();
  });
}

// A link's exercise, kept in the address; else a fresh one of the kind
// and level chosen, which leaves the address as it is.
export async function abrirPratica(lidos = new Map()) {
  const mostrarGerado = lidos.has("tipo")
    ? await gerar(lidos.get("tipo"), lidos.get("nivel") ?? "", lidos.get("semente") ?? "", true)
    : await gerar($("pratica-tipo").value, $("pratica-nivel").value, novaSemente(), false);
  return pagina.mostrar(mostrarGerado);
}
