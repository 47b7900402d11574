// The exercises section: each button runs one of the core's exercises on
// the typed boxes and shows what it answers: the worked solution, its
// graph and its fields. The address keeps the last command and the boxes,
// so that a link opens them again. Nothing here reads, divides or words
// anything.
import { porta } from "./porta.js";
import { guardarCopiasPedidas } from "./copias.js";

const $ = (id) => document.getElementById(id);

// The boxes a link fills, by their names in the link; the conditions go
// one a line in their box and joined by ";" in the link.
const CAIXAS = [["p1", "polinomio1"], ["p2", "polinomio2"], ["a", "ponto"], ["q", "condicoes"]];

// A character no polynomial holds, at which a NUL would cut the text short;
// the conditions' box also holds line breaks.
const CONTROLO = /[\u0000-\u001f\u007f-\u009f]/;
const CONTROLO_SALVO_LINHAS = /[\u0000-\u0009\u000b\u000c\u000e-\u001f\u007f-\u009f]/;

// Why the core must not get the text of the box: "longo" past the limit,
// "controlo" with a control character; null when it may. Only the length
// of a longer text is read, never the text.
export function motivoDeRecusa(texto, limite, caixa = "") {
  if (texto.length > limite) return "longo";
  return (caixa === "condicoes" ? CONTROLO_SALVO_LINHAS : CONTROLO).test(texto) ? "controlo" : null;
}

// The fields of an answer, each shown in its output as the core's summary
// gives it (its HTML) and kept as the core's text in its data attribute; a
// row the summary leaves out is hidden.
const CAMPOS = [
  ["quociente", "divisao-quociente"],
  ["resto", "divisao-resto"],
  ["factorizacao", "factorizacao"],
  ["factorizacao_real", "factorizacao-real"],
  ["valor", "valor-resultado"],
  ["desenvolvimento", "desenvolvimento"],
];

function mostrarCampo(saida, texto, html, atributo = "texto") {
  saida.dataset[atributo] = texto;
  if (html) saida.innerHTML = porta.createHTML(html);
  else saida.replaceChildren();
  saida.closest("div").hidden = !html;
}

function mostrarRaizes(raizes, id) {
  $(id).replaceChildren(...raizes.map((r) => {
    const li = document.createElement("li");
    li.dataset.exacto = r.exacto;
    li.dataset.valor = String(r.valor);
    li.dataset.multiplicidade = String(r.multiplicidade);
    li.textContent = r.texto;
    return li;
  }));
  $(id).closest("div").hidden = raizes.length === 0;
}

// The core's sign table, "factor:cell,cell,…|…|produto:…", as a row per
// factor and the product's last, each cell "+", "−" or "0"; the product's
// signs as the factorization gives them stay in data-sinais.
const SINAL = { "+": "+", "-": "−", "0": "0" };

// A parameter problem's solutions, each as the core writes it.
function mostrarParametros(parametros) {
  $("parametros-solucoes").replaceChildren(...parametros.map((solucao) => {
    const li = document.createElement("li");
    li.dataset.solucao = solucao;
    li.textContent = solucao;
    return li;
  }));
  $("parametros-solucoes").closest("div").hidden = parametros.length === 0;
}

// The check of a student's answer: the verdict and the mistake's code in
// data attributes, the core's sentence as the text, announced.
export function mostrarVerificacao(saida, { veredicto, erro, explicacao }) {
  saida.dataset.veredicto = veredicto;
  saida.dataset.erro = erro;
  saida.textContent = explicacao;
}

function mostrarQuadro(quadro, sinais) {
  const tabela = $("quadro-sinais");
  tabela.dataset.sinais = sinais;
  const linhas = quadro === "" ? [] : quadro.split("|").map((linha) => {
    const separador = linha.lastIndexOf(":");
    const tr = document.createElement("tr");
    tr.dataset.fator = linha.slice(0, separador);
    const th = document.createElement("th");
    th.scope = "row";
    th.textContent = tr.dataset.fator;
    tr.append(th, ...linha.slice(separador + 1).split(",").map((celula) => {
      const td = document.createElement("td");
      td.textContent = SINAL[celula] ?? celula;
      return td;
    }));
    return tr;
  });
  tabela.tBodies[0].replaceChildren(...linhas);
  tabela.closest("div").hidden = linhas.length === 0;
}

// Everything the answer holds in its place, the core's HTML through the
// page's one trusted door; a refused exercise empties the section. A
// student checking an answer sees only the verdict, the solution hidden
// until asked for. copiaPedida(formatos) promises the solution's copies
// in those formats, which the core renders when the user copies.
export function mostrarResolucao(r, copiaPedida, escondida = false) {
  mostrarParametros(r.parametros);
  mostrarVerificacao($("verificacao"), r);
  for (const [campo, id] of CAMPOS) mostrarCampo($(id), r[campo], r[`${campo}_html`]);
  mostrarCampo($("conjunto-solucao"), r.conjunto, r.conjunto_html, "conjunto");
  mostrarQuadro(r.quadro, r.sinais);
  mostrarRaizes(r.raizes, "raizes");
  mostrarRaizes(r.solucoes, "solucoes");
  const documento = $("resolucao-documento");
  if (r.resolucao_html === "") documento.replaceChildren();
  else documento.innerHTML = porta.createHTML(r.resolucao_html);
  const grafico = $("grafico-area");
  if (r.grafico_html === "") grafico.replaceChildren();
  else grafico.innerHTML = porta.createHTML(r.grafico_html);
  $("resolucao").hidden = r.resolucao_html === "" || escondida;
  guardarCopiasPedidas("resolucao", r.resolucao_html === "" ? null : copiaPedida);
}

// The link to the boxes as they are now and the given command:
// #p1=…&p2=…&a=…&q=…&c=…, every character but letters and digits escaped,
// so that "+" and blanks come back as typed; v=1 opens it to check an
// answer, the solution hidden.
export function ligacao(comando, verificar = false) {
  const campos = CAIXAS.map(([chave, id]) => [chave, $(id).value.split("\n").join(";")])
    .filter(([chave, v]) => chave === "p1" || chave === "p2" || v !== "");
  if (comando) campos.push(["c", comando]);
  if (verificar) campos.push(["v", "1"]);
  const fragmento = campos.map(([chave, v]) => `${chave}=${encodeURIComponent(v)}`).join("&");
  return `${location.origin}${location.pathname}#${fragmento}`;
}

// Keeps the link in the address, replacing the current entry so that the
// back button leaves the page.
export function guardarNoEndereco(comando, verificar = false) {
  history.replaceState(null, "", ligacao(comando, verificar));
}

// The fragment's fields as typed by hand too: "+" is a plus sign, not a
// blank, and a broken escape is kept as it stands for the core to refuse.
function campos(fragmento) {
  const lidos = new Map();
  for (const parte of fragmento.split("&")) {
    const igual = parte.indexOf("=");
    if (igual < 0) continue;
    const valor = parte.slice(igual + 1);
    try {
      lidos.set(parte.slice(0, igual), decodeURIComponent(valor));
    } catch {
      lidos.set(parte.slice(0, igual), valor);
    }
  }
  return lidos;
}

// Reads the address: fills the boxes it names with the texts the core may
// get, and gives the command to run (null when there is none, or when a
// text or the command was refused), whether to check an answer (v=1), the
// refusals, each [motivo, box], and every field as read.
export function lerDoEndereco(comandos, limite) {
  const lidos = campos(location.hash.slice(1));
  const recusas = [];
  for (const [chave, id] of CAIXAS) {
    if (!lidos.has(chave)) continue;
    const texto = chave === "q" ? lidos.get(chave).split(";").join("\n") : lidos.get(chave);
    const motivo = motivoDeRecusa(texto, limite, id);
    if (motivo) recusas.push([motivo, id]);
    else $(id).value = texto;
  }
  const comando = lidos.get("c") ?? null;
  if (comando !== null && !comandos.includes(comando)) recusas.push(["comando", ""]);
  return { comando: recusas.length === 0 ? comando : null, verificar: lidos.get("v") === "1", recusas, lidos };
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
