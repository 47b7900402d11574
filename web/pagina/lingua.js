// The page's texts in the user's language. Portuguese is written in the
// page; textos.json, made from the program's catalogues when the page is
// built, gives every other language keyed by the Portuguese text. A text
// the catalogue lacks stays in Portuguese. The core says its own texts in
// the language it is told: the page hands it the same catalogue, and every
// switch, which its listeners hear of.
const GUARDADA = "vendrix-lingua";
const ORIGEM = "pt";

let catalogo = "{}"; // textos.json as fetched, for the core
let dicionarios = {};
let lingua = ORIGEM;
const ouvintes = []; // told of every switch, after the page's texts
// Each translated element's Portuguese texts, by what they go into:
// "texto" (the element's text) or the name of an attribute.
const fontes = new Map();

export function t(fonte) {
  return dicionarios[lingua]?.[fonte] ?? fonte;
}

// A catalogue text with its "%1", "%2"... filled in, in one pass, as the
// window fills them.
export function preencher(modelo, ...valores) {
  return modelo.replace(/%(\d)/g, (marca, n) => valores[n - 1] ?? marca);
}

// A text already shown is left alone: the page comes written in
// Portuguese, and rewriting it would only make the browser lay it out again.
function escrever(elemento, onde, fonte) {
  const texto = t(fonte);
  if (onde === "texto") {
    if (elemento.textContent !== texto) elemento.textContent = texto;
  } else if (elemento.getAttribute(onde) !== texto) {
    elemento.setAttribute(onde, texto);
  }
}

// Shows a Portuguese text in the element in the user's language, and again
// in the next language the user picks.
export function traduzir(elemento, onde, fonte) {
  if (!fontes.has(elemento)) fontes.set(elemento, {});
  fontes.get(elemento)[onde] = fonte;
  escrever(elemento, onde, fonte);
}

// The elements written in the page marked data-traduzir="texto title ...".
function marcados(raiz) {
  for (const elemento of raiz.querySelectorAll("[data-traduzir]")) {
    for (const onde of elemento.dataset.traduzir.split(" ")) {
      const fonte = onde === "texto" ? elemento.textContent : elemento.getAttribute(onde);
      traduzir(elemento, onde, fontes.get(elemento)?.[onde] ?? fonte);
    }
  }
}

// The catalogue as fetched and the language shown, for the core.
export const catalogoDaPagina = () => catalogo;
export const linguaDaPagina = () => lingua;

// Calls ouvinte(lingua) at every switch of language.
export function aoMudarLingua(ouvinte) {
  ouvintes.push(ouvinte);
}

function aplicar(nova) {
  const mudou = nova !== lingua;
  lingua = nova;
  document.documentElement.lang = nova === ORIGEM ? "pt-PT" : nova;
  for (const [elemento, porOnde] of fontes)
    for (const [onde, fonte] of Object.entries(porOnde)) escrever(elemento, onde, fonte);
  for (const botao of document.querySelectorAll("[data-lingua]"))
    botao.setAttribute("aria-pressed", String(botao.dataset.lingua === nova));
  if (mudou) for (const ouvinte of ouvintes) ouvinte(nova);
}

function guardada() {
  try {
    return localStorage.getItem(GUARDADA);
  } catch {
    return null; // storage refused: the browser's languages decide
  }
}

// The language the user chose here before, else the first of the browser's
// languages the page has, else Portuguese.
function escolher() {
  const tem = (l) => l === ORIGEM || Object.hasOwn(dicionarios, l);
  const escolhida = guardada();
  if (escolhida && tem(escolhida)) return escolhida;
  for (const l of navigator.languages ?? [navigator.language]) {
    const base = String(l).toLowerCase().split("-")[0];
    if (tem(base)) return base;
  }
  return ORIGEM;
}

// Reads the catalogue, a promise of its text or of null, marks the page's
// texts and binds the PT | EN switch. Without the catalogue the page stays
// in Portuguese.
export async function iniciarLingua(texto) {
  try {
    const lido = await texto;
    if (lido !== null) {
      dicionarios = JSON.parse(lido);
      catalogo = lido;
    }
  } catch {
    dicionarios = {};
  }
  marcados(document);
  for (const botao of document.querySelectorAll("[data-lingua]")) {
    botao.addEventListener("click", () => {
      try {
        localStorage.setItem(GUARDADA, botao.dataset.lingua);
      } catch {
        // not remembered, but still shown
      }
      aplicar(botao.dataset.lingua);
    });
  }
  aplicar(escolher());
}
