// What the browser tests share: Debian's headless chromium driven by
// puppeteer-core, against the page served here on 127.0.0.1, and the
// native build of the same commands that what the page shows is compared
// with. Each test file opens one browser and one page, estado.pagina, on
// which the helpers below act.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { existsSync } from "node:fs";
import { createRequire } from "node:module";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";
import { servir } from "./servidor.mjs";

export const raiz = fileURLToPath(new URL("../../", import.meta.url));
export const site = process.env.VENDRIX_SITE ?? `${raiz}build/web/web/site`;
const nativo = [process.env.VENDRIX_NATIVO, `${raiz}build/ci/web/vendrix_web_nativo`,
  `${raiz}build/dev/web/vendrix_web_nativo`].find((c) => c && existsSync(c));
// The screenshots go to the build tree, so that a test run leaves the
// sources as they were; VENDRIX_CAPTURAS=docs renews the README's pictures.
export const capturas = process.env.VENDRIX_CAPTURAS ?? `${raiz}build/web/capturas`;
export const axe = createRequire(import.meta.url).resolve("axe-core/axe.min.js");

export const P1 = "x^4-3x^3+5x^2-2x-1";
export const P2 = "x-2";

// The native answer to one command, in the given language.
export function nativa(comando, a, b = "", c = "", lingua = "pt") {
  return nativaDe(comando, [a, b, c], lingua);
}

// The same with any number of inputs: an exercise's conditions and answer;
// with depois, a command run after it, such as a copy, which answers.
export function nativaDe(comando, entradas, lingua = "pt", depois = []) {
  const pedidos = [[comando, ...entradas], depois].filter((l) => l.length > 0).map((l) => `${l.join("\t")}\n`);
  const input = `textos\t${site}/textos.json\nlingua\t${lingua}\n${pedidos.join("")}`;
  const r = spawnSync(nativo, { input, encoding: "utf8" });
  assert.equal(r.status, 0, r.stderr);
  return JSON.parse(r.stdout.trimEnd().split("\n").at(-1));
}

export const estado = { servidor: null, browser: null, pagina: null, endereco: "" };

export async function abrirNavegador() {
  assert.ok(existsSync(`${site}/vendrix.wasm`), `no page in ${site}: build the web preset first`);
  assert.ok(nativo, "build vendrix_web_nativo first");
  estado.servidor = await servir(site);
  estado.endereco = `http://127.0.0.1:${estado.servidor.address().port}/`;
  estado.browser = await puppeteer.launch({
    executablePath: process.env.VENDRIX_CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--lang=pt-PT", "--font-render-hinting=none"],
  });
  await estado.browser.defaultBrowserContext().overridePermissions(estado.endereco.slice(0, -1),
    ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
  estado.pagina = await estado.browser.newPage();
  await estado.pagina.setViewport({ width: 1280, height: 800 });
  // Headless chromium answers en-US whatever --lang says: the page follows
  // the browser's languages, so these tests ask for Portuguese themselves.
  await linguas(estado.pagina, ["pt-PT", "pt"]);
  await estado.pagina.evaluateOnNewDocument(() => {
    globalThis.violacoes = [];
    document.addEventListener("securitypolicyviolation", (e) => violacoes.push(`${e.violatedDirective} ${e.blockedURI}`));
  });
  await estado.pagina.goto(estado.endereco);
  await estado.pagina.waitForSelector("html[data-pronto]");
  return estado;
}

export async function fecharNavegador() {
  await estado.browser?.close();
  estado.servidor?.close();
}

export async function linguas(aba, pedidas) {
  await aba.setExtraHTTPHeaders({ "Accept-Language": pedidas.join(",") });
  await aba.evaluateOnNewDocument((l) => {
    Object.defineProperty(navigator, "languages", { get: () => l });
    Object.defineProperty(navigator, "language", { get: () => l[0] });
  }, pedidas);
}

export const texto = (seletor) => estado.pagina.$eval(seletor, (e) => e.textContent);
export const dado = (seletor) => estado.pagina.$eval(seletor, (e) => e.dataset.texto);

export async function escrever(id, valor) {
  await estado.pagina.$eval(id, (e) => { e.value = ""; });
  await estado.pagina.type(id, valor);
}

// Closes every box the page shows until it is no longer busy (aria-busy,
// from a click until its answer is shown), returning them in order.
export async function fecharCaixas(fecharComEscape = false, pagina = estado.pagina) {
  const vistas = [];
  for (;;) {
    await pagina.waitForFunction(() => document.querySelector("dialog.mensagem[open]")
      || document.querySelector("main").getAttribute("aria-busy") === "false");
    const caixa = await pagina.$("dialog.mensagem[open]");
    if (!caixa) return vistas;
    assert.equal((await pagina.$$("dialog.mensagem[open]")).length, 1, "one box at a time");
    vistas.push(await caixa.evaluate((d) => ({ titulo: d.dataset.titulo, texto: d.querySelector(".texto").textContent })));
    if (fecharComEscape) await pagina.keyboard.press("Escape");
    else await caixa.$eval(".ok", (b) => b.click());
    await pagina.waitForFunction((d) => !d.isConnected, {}, caixa);
  }
}

export async function clicarEFechar(id, fecharComEscape = false) {
  await estado.pagina.click(id);
  return fecharCaixas(fecharComEscape);
}

const lerCopia = () => estado.pagina.evaluate(async () => {
  const [item] = await navigator.clipboard.read();
  const lidos = {};
  for (const tipo of item.types) lidos[tipo] = await (await item.getType(tipo)).text();
  return lidos;
});

// Clicks a copy button and reads the clipboard, which is written
// asynchronously, until the given text of the type is there; answers every
// type it holds.
export async function copiado(id, tipo, esperado) {
  await estado.pagina.click(id);
  let lidos = {};
  for (let i = 0; i < 40 && lidos[tipo] !== esperado; i++) {
    lidos = await lerCopia().catch(() => ({})); // "Clipboard data has changed" while it is written
    if (lidos[tipo] !== esperado) await new Promise((r) => setTimeout(r, 50));
  }
  assert.equal(lidos[tipo], esperado, id);
  return lidos;
}
