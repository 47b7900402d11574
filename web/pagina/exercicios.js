// The exercises section: each button runs one of the core's exercises on
// the typed boxes and shows what it answers: the worked solution, its
// graph and its fields. The address keeps the exercise, so that a link
// opens it again. Nothing here reads, divides or words anything.
import { EXERCICIOS, porta } from "./nucleo.js";

const $ = (id) => document.getElementById(id);

// The fields of an answer, each shown in its output; a row whose field is
// empty is hidden.
const CAMPOS = { quociente: "divisao-quociente", resto: "divisao-resto", factorizacao: "factorizacao",
  valor: "valor-resultado" };

function mostrarCampo(saida, texto, atributo = "texto") {
  saida.dataset[atributo] = texto;
  saida.textContent = texto;
  saida.closest("div").hidden = texto === "";
}

function mostrarRaizes(raizes) {
  $("raizes").replaceChildren(...raizes.map((r) => {
    const li = document.createElement("li");
    li.dataset.exacto = r.exacto;
    li.dataset.valor = String(r.valor);
    li.dataset.multiplicidade = String(r.multiplicidade);
    li.textContent = r.exacto || r.decimal;
    return li;
  }));
  $("raizes").closest("div").hidden = raizes.length === 0;
}

// Everything the answer holds in its place, the core's HTML through the
// page's one trusted door; a refused exercise empties the section.
export function mostrarResolucao(r, guardarCopias) {
  for (const [campo, id] of Object.entries(CAMPOS)) mostrarCampo($(id), r[campo]);
  mostrarCampo($("quadro-sinais"), r.sinais, "sinais");
  mostrarRaizes(r.raizes);
  const documento = $("resolucao-documento");
  if (r.resolucao_html === "") documento.replaceChildren();
  else documento.innerHTML = porta.createHTML(r.resolucao_html);
  const grafico = $("grafico-area");
  if (r.grafico_html === "") grafico.replaceChildren();
  else grafico.innerHTML = porta.createHTML(r.grafico_html);
  $("resolucao").hidden = r.resolucao_html === "";
  if (r.resolucao_html === "") guardarCopias("resolucao", null);
  else guardarCopias("resolucao", r.resolucao_texto, r.resolucao_copia_html, r.resolucao_latex);
}

// The exercise in the address, as typed: #p1=…&p2=…&c=…&a=…, replacing the
// current entry so that the back button leaves the page.
export function guardarNoEndereco(comando) {
  const campos = new URLSearchParams({ p1: $("polinomio1").value, p2: $("polinomio2").value, c: comando });
  if ($("ponto").value !== "") campos.set("a", $("ponto").value);
  history.replaceState(null, "", `#${campos}`);
}

// The exercise an address holds, its boxes filled in; null without one.
export function lerDoEndereco() {
  const campos = new URLSearchParams(location.hash.slice(1));
  const comando = campos.get("c");
  if (!EXERCICIOS.includes(comando)) return null;
  for (const [chave, id] of [["p1", "polinomio1"], ["p2", "polinomio2"], ["a", "ponto"]])
    if (campos.has(chave)) $(id).value = campos.get(chave);
  return comando;
}

// The cursor where the core stopped reading, counted in characters.
export function apontar(foco, posicao) {
  const caixa = $(foco);
  caixa.focus();
  if (posicao > 0) {
    const antes = Array.from(caixa.value).slice(0, posicao - 1).join("").length;
    caixa.setSelectionRange(antes, antes);
  }
}
