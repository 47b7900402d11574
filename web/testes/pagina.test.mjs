// The page's calculator in a real browser (navegador.mjs): the seed's
// commands, their messages and copies, the page's policy, the keyboard,
// the languages, new versions and working offline.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { appendFileSync, cpSync, mkdirSync, mkdtempSync, readdirSync, rmSync, utimesSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { servir } from "./servidor.mjs";
import { P1, P2, abrirNavegador, capturas, clicarEFechar, copiado, dado, escrever, estado, fecharCaixas,
  fecharNavegador, linguas, nativa, nativaDe, raiz, site, texto } from "./navegador.mjs";

let browser;
let pagina;
let endereco;

before(async () => {
  ({ browser, pagina, endereco } = await abrirNavegador());
});

after(fecharNavegador);

test("the page loads and is usable", async () => {
  const inicio = performance.now();
  await pagina.goto(endereco);
  await pagina.waitForSelector("html[data-pronto]");
  console.log(`# usable after ${(performance.now() - inicio).toFixed(0)} ms`);
  assert.equal(await pagina.$eval("#polinomio1", (e) => e.value), P1);
  assert.equal(await pagina.$eval("#polinomio2", (e) => e.value), P2);
  assert.equal(await pagina.evaluate(() => document.activeElement.id), "polinomio1");
  assert.equal(await pagina.$eval("#somar", (e) => e.title), "Somar o Polinómio1 com o Polinómio2.");
  assert.equal(await pagina.$eval("#multiplicar", (e) => e.title), "Multiplicar o Polinómio1 pelo  Polinómio2.");
  assert.equal(await pagina.$eval("html", (e) => e.lang), "pt-PT", "Portuguese is the page's own language");
  assert.equal(await texto("#ajuda p"), "- Utilize apenas os símbolos dos algarismos e \"+\", \"-\" , \"^\", este último para as potências.");
});

test("the page answers clicks before the core has come, and is not refused", async () => {
  // The module is held back until the clicks, made as soon as the page
  // says it is usable.
  let soltar;
  const clicado = new Promise((aceitar) => { soltar = aceitar; });
  const lento = await servir(site, (caminho) => (caminho.endsWith("vendrix.wasm") ? clicado : null));
  const contexto = await browser.createBrowserContext();
  const aba = await contexto.newPage();
  await aba.goto(`http://127.0.0.1:${lento.address().port}/`, { waitUntil: "domcontentloaded" });
  await aba.waitForSelector("html[data-utilizavel]");
  await aba.click("#somar");
  await aba.click("#factorizar");
  soltar();
  await aba.waitForSelector("#factorizacao[data-texto]:not([data-texto=''])");
  assert.equal(await aba.$eval("#resultado", (e) => e.dataset.texto), nativa("somar", P1, P2).resultado);
  assert.equal(await aba.$eval("#factorizacao", (e) => e.dataset.texto), nativa("factorizar", P1).factorizacao);
  assert.equal(await aba.$("dialog[open]"), null);
  await contexto.close();
  lento.close();
});

test("the worked examples give the native results", async () => {
  for (const [id, comando] of [["#somar", "somar"], ["#subtrair", "subtrair"], ["#multiplicar", "multiplicar"]]) {
    assert.deepEqual(await clicarEFechar(id), []);
    const esperada = nativa(comando, P1, P2);
    assert.equal(await dado("#resultado"), esperada.resultado);
    assert.equal(await pagina.$eval("#resultado", (e) => e.innerHTML), esperada.resultado_html);
    assert.equal(await texto("#resultado-titulo"), esperada.titulo);
  }
  await clicarEFechar("#apagar-resultado");
  assert.equal(await texto("#resultado-titulo"), "Resultado");
  assert.equal(await dado("#resultado"), "");
  for (const k of [1, 2]) {
    await clicarEFechar(`#simplificar${k}`);
    assert.equal(await dado(`#simplificado${k}`), nativa("simplificar", k === 1 ? P1 : P2).resultado);
    await clicarEFechar(`#apagar${k}`);
    assert.equal(await dado(`#simplificado${k}`), "");
  }
  assert.equal(await pagina.$eval("#polinomio1", (e) => e.value), P1, "the inputs stay as typed");
});

test("messages come one at a time in the core's order, and the result after them", async () => {
  await escrever("#polinomio1", "3x3");
  await escrever("#polinomio2", "x-1");
  const esperada = nativa("multiplicar", "3x3", "x-1");
  assert.ok(esperada.mensagens.length >= 2);
  const vistas = await clicarEFechar("#multiplicar", true);
  assert.deepEqual(vistas, esperada.mensagens.map(({ titulo, texto }) => ({ titulo, texto })));
  assert.equal(await dado("#resultado"), esperada.resultado);
});

async function celulas() {
  return pagina.$$eval("[data-celula]", (l) => Object.fromEntries(l.map((e) => [e.dataset.celula, e.textContent])));
}

test("the Ruffini table on both paths, and its refusals", async () => {
  for (const [a, b] of [[P1, P2], ["x^9+2x^8-3x^5+7x-1", "3x-2"]]) {
    await escrever("#polinomio1", a);
    await escrever("#polinomio2", b);
    assert.deepEqual(await clicarEFechar("#ruffini"), []);
    const esperada = nativa("ruffini", a, b);
    const vistas = await celulas();
    assert.deepEqual(Object.keys(vistas).sort(), [...esperada.visiveis].sort());
    for (const [nome, valor] of Object.entries(vistas)) assert.equal(valor, esperada.celulas[nome], nome);
    assert.equal(await texto("#div"), esperada.div);
    assert.equal(await dado("#quociente"), esperada.quociente);
    assert.equal(await texto("#resto"), esperada.resto);
  }
  await escrever("#polinomio2", "x^2");
  const vistas = await clicarEFechar("#ruffini");
  assert.deepEqual(vistas, [{ titulo: "Vendrix", texto: "O divisor não é um polinómio válido." }]);
  assert.deepEqual(await celulas(), {});
  assert.equal(await pagina.evaluate(() => document.activeElement.id), "polinomio2");
  await escrever("#polinomio1", P1);
  await escrever("#polinomio2", P2);
  await clicarEFechar("#ruffini");
  await clicarEFechar("#apagar-ruffini");
  assert.deepEqual(await celulas(), {});
  assert.equal(await texto("#resto"), "");
});

test("the copy buttons give the texts of the core", async () => {
  await pagina.bringToFront();
  await clicarEFechar("#somar");
  await clicarEFechar("#ruffini");
  const soma = nativa("somar", P1, P2);
  const divisao = nativa("ruffini", P1, P2);
  const copiaDoQuadro = (formato) => nativaDe("ruffini", [P1, P2], "pt", ["quadro", formato, P1, P2]).copia;
  const lidos = await copiado("#copiar-resultado", "text/plain", soma.resultado_texto);
  assert.ok(lidos["text/html"].includes(soma.resultado_html), lidos["text/html"]);
  await copiado("#copiar-latex-resultado", "text/plain", soma.resultado_latex);
  const quadro = await copiado("#copiar-quadro", "text/plain", copiaDoQuadro("texto"));
  assert.ok(quadro["text/html"].replace(/<\/?tbody>/g, "").includes(copiaDoQuadro("html")), quadro["text/html"]);
  await copiado("#copiar-latex-quadro", "text/plain", copiaDoQuadro("latex"));
  await copiado("#copiar-latex-quociente", "text/plain", divisao.quociente_latex);
});

test("every command runs under the page's policy with no violation, and only the core's HTML passes", async () => {
  await pagina.evaluate(() => { violacoes.length = 0; });
  for (const id of ["#simplificar1", "#simplificar2", "#somar", "#subtrair", "#multiplicar", "#ruffini",
    "#apagar1", "#apagar-resultado", "#apagar-ruffini"]) await clicarEFechar(id);
  assert.deepEqual(await pagina.evaluate(() => violacoes), []);
  const recusado = await pagina.evaluate(async () => {
    const { porta } = await import("./porta.js");
    try {
      porta.createHTML("<img src=x>");
      return false;
    } catch {
      return true;
    }
  });
  assert.ok(recusado);
});

test("a text of 100 MB set by a script is refused at once, naming the box and the limit", async () => {
  // Given as the page reads it: laying out a text of 100 MB would keep
  // Chromium itself busy for a minute, whatever the page does with it.
  await pagina.$eval("#polinomio1", (e) => Object.defineProperty(e, "value", { value: "x+".repeat(50 * 2 ** 20), configurable: true }));
  const esperadas = nativa("recusa", "longo", "polinomio1").mensagens.map(({ titulo, texto }) => ({ titulo, texto }));
  assert.match(esperadas[0].texto, /Polinómio 1.*65536/);
  for (const id of ["#simplificar1", "#somar", "#ruffini", "#factorizar"]) {
    const ms = await pagina.$eval(id, (botao) => new Promise((aberta) => {
      const inicio = performance.now();
      new MutationObserver((_, o) => { o.disconnect(); aberta(performance.now() - inicio); }).observe(document.body, { childList: true });
      botao.click();
    }));
    console.log(`# ${id}: refused in ${ms.toFixed(1)} ms`);
    assert.ok(ms < 150, `${ms} ms`);
    assert.deepEqual(await fecharCaixas(), esperadas);
  }
  await pagina.$eval("#polinomio1", (e) => { delete e.value; });
  await escrever("#polinomio1", P1);
});

test("the keyboard reaches every button, and Enter and Space press them", async () => {
  await clicarEFechar("#apagar-resultado");
  await clicarEFechar("#apagar2");
  await clicarEFechar("#somar");
  await clicarEFechar("#apagar-resultado");
  await pagina.focus("#polinomio2");
  await pagina.keyboard.press("Enter"); // the calculator's last command
  await pagina.waitForFunction(() => document.querySelector("#resultado").dataset.texto !== "");
  await clicarEFechar("#apagar-resultado");
  const alcancados = new Set();
  await pagina.focus("#polinomio1");
  for (let i = 0; i < 40; i++) {
    await pagina.keyboard.press("Tab");
    alcancados.add(await pagina.evaluate(() => document.activeElement.id));
  }
  for (const id of ["somar", "subtrair", "multiplicar", "ruffini", "simplificar1", "simplificar2",
    "apagar-resultado", "apagar-ruffini", "apagar1", "apagar2"]) assert.ok(alcancados.has(id), id);
  // The skip link comes first, and Factorizar is two Tabs past it.
  await pagina.focus("#lingua-pt");
  await pagina.keyboard.down("Shift");
  await pagina.keyboard.press("Tab");
  await pagina.keyboard.up("Shift");
  assert.equal(await pagina.evaluate(() => document.activeElement.className), "saltar");
  for (const tecla of ["Enter", "Tab", "Tab"]) await pagina.keyboard.press(tecla);
  assert.equal(await pagina.evaluate(() => document.activeElement.id), "factorizar");
  await pagina.evaluate(() => history.replaceState(null, "", location.pathname));
  await pagina.focus("#somar");
  await pagina.keyboard.press("Enter");
  await pagina.waitForFunction(() => document.querySelector("#resultado").dataset.texto !== "");
  await pagina.focus("#apagar-resultado");
  await pagina.keyboard.press("Space");
  await pagina.waitForFunction(() => document.querySelector("#resultado").dataset.texto === "");
  await pagina.focus("#subtrair");
  await pagina.keyboard.press("Space");
  await pagina.waitForFunction(() => document.querySelector("#resultado-titulo").textContent !== "Resultado");
  assert.equal(await texto("#resultado-titulo"), nativa("subtrair", P1, P2).titulo);
  await pagina.waitForFunction(() => /elevado a/.test(document.querySelector("#anuncio").textContent)); // at the next frame
});

// The worked examples of the exercises, with the values they must give.
test("screenshots, and one column at 360 px", async () => {
  mkdirSync(capturas, { recursive: true });
  await clicarEFechar("#simplificar1");
  await clicarEFechar("#somar");
  await escrever("#polinomio2", "2x-1");
  await clicarEFechar("#ruffini");
  await pagina.$eval("#polinomio1", (e) => e.blur());
  await pagina.screenshot({ path: `${capturas}/web-1280.png` });
  for (const [largura, altura] of [[360, 740], [375, 740]]) {
    await pagina.setViewport({ width: largura, height: altura });
    const larguraDaPagina = await pagina.evaluate(() => document.documentElement.scrollWidth);
    assert.ok(larguraDaPagina <= largura, `the page is ${larguraDaPagina} px wide`);
  }
  await pagina.screenshot({ path: `${capturas}/web-375.png` });
  await pagina.setViewport({ width: 1280, height: 800 });
});

// A page of its own, with its own storage, whose browser asks for the
// given languages.
async function paginaEm(pedidas) {
  const contexto = await browser.createBrowserContext();
  const outra = await contexto.newPage();
  await linguas(outra, pedidas);
  await outra.goto(endereco);
  await outra.waitForSelector("html[data-pronto]");
  return { contexto, outra };
}

test("an English browser gets the page in English, and PT is remembered", async () => {
  const { contexto, outra } = await paginaEm(["en-GB", "en"]);
  const antes = pagina;
  pagina = estado.pagina = outra; // for the helpers
  try {
    assert.equal(await pagina.$eval("html", (e) => e.lang), "en");
    assert.equal(await texto("#somar"), "Add");
    assert.equal(await pagina.$eval("#somar", (e) => e.title), "Add Polynomial 1 and Polynomial 2.");
    assert.equal(await texto("#frame6 legend"), "Ruffini's rule");
    assert.equal(await texto("label[for=polinomio1]"), "Polynomial 1");
    assert.match(await texto("#ajuda p"), /^- Use /);
    assert.deepEqual(await clicarEFechar("#somar"), []);
    assert.equal(await texto("#resultado-titulo"), "Result (sum)");
    assert.match(await texto("#anuncio"), /to the power of/);
    // The table and its copy buttons; the numbers are the core's.
    assert.deepEqual(await clicarEFechar("#ruffini"), []);
    assert.equal(await pagina.$eval("#tabela-ruffini", (e) => e.getAttribute("aria-label")), "Ruffini's rule");
    assert.equal(await texto("#copiar-quociente"), "Copy Q(x)");
    assert.equal(await texto("#copiar-latex-quadro"), "Copy table as LaTeX");
    assert.equal(await pagina.$eval("#copiar-quadro", (e) => e.title), "Copy Ruffini's table as text and HTML.");
    assert.equal(await texto("#resto"), nativa("ruffini", P1, P2).resto);
    // The core's messages, their symbol filled into the English text.
    await escrever("#polinomio1", "x");
    await escrever("#polinomio2", "a+b+c+d+e+f+g+h+i+j+k+l");
    const esperadas = nativa("multiplicar", "x", "a+b+c+d+e+f+g+h+i+j+k+l", "", "en").mensagens;
    const vistas = await clicarEFechar("#multiplicar");
    assert.equal(vistas.length, esperadas.length);
    assert.deepEqual(vistas.at(-1), { titulo: "Error3 in the expression.", texto: "3 more monomials could not be multiplied." });
    assert.deepEqual(vistas, esperadas.map(({ titulo, texto }) => ({ titulo, texto })));
    await escrever("#polinomio1", P1);
    await escrever("#polinomio2", "x^2");
    await pagina.click("#ruffini");
    const caixa = await pagina.waitForSelector("dialog.mensagem[open]");
    assert.equal(await caixa.$eval("h2", (e) => e.textContent), "Vendrix");
    assert.equal(await caixa.$eval(".texto", (e) => e.textContent), "The divisor is not a valid polynomial.");
    assert.equal(await caixa.$eval(".ok", (e) => e.textContent), "OK");
    await caixa.$eval(".ok", (b) => b.click());
    // Back to Portuguese with the switch, and still so at the next visit.
    await pagina.click("#lingua-pt");
    assert.equal(await texto("#somar"), "Somar");
    assert.equal(await texto("#resultado-titulo"), "Resultado (multiplicação)");
    assert.equal(await texto("#copiar-quociente"), "Copiar Q(x)");
    assert.deepEqual(await clicarEFechar("#ruffini"), [{ titulo: "Vendrix", texto: "O divisor não é um polinómio válido." }]);
    await pagina.reload();
    await pagina.waitForSelector("html[data-pronto]");
    assert.equal(await pagina.$eval("html", (e) => e.lang), "pt-PT");
    assert.equal(await pagina.$eval("#somar", (e) => e.title), "Somar o Polinómio1 com o Polinómio2.");
    assert.equal(await pagina.$eval("#lingua-pt", (e) => e.getAttribute("aria-pressed")), "true");
  } finally {
    pagina = estado.pagina = antes;
    await contexto.close();
  }
});

test("a browser in a language the page lacks gets Portuguese", async () => {
  const { contexto, outra } = await paginaEm(["fr-FR", "de"]);
  try {
    assert.equal(await outra.$eval("html", (e) => e.lang), "pt-PT");
    assert.equal(await outra.$eval("#somar", (e) => e.textContent), "Somar");
  } finally {
    await contexto.close();
  }
});

// A copy of the site served as most simple servers do, its files 30 days
// old: the browser may keep them for days. A visit, then a new version.
test("a new version reaches the next visit whole, and other applications' caches stay", async () => {
  const pasta = mkdtempSync(join(tmpdir(), "vendrix-site-"));
  cpSync(site, pasta, { recursive: true });
  const velho = new Date(Date.now() - 30 * 86400e3);
  for (const f of readdirSync(pasta, { recursive: true })) utimesSync(join(pasta, f), velho, velho);
  const outro = await servir(pasta);
  const pedidosDoSw = [];
  outro.on("request", (pedido) => { if (pedido.url.startsWith("/sw.js")) pedidosDoSw.push(Date.now()); });
  const contexto = await browser.createBrowserContext();
  try {
    const aba = await contexto.newPage();
    await aba.goto(`http://127.0.0.1:${outro.address().port}/`);
    await aba.evaluate(async () => {
      await navigator.serviceWorker.ready;
      await Promise.all(["outra-aplicacao", "vendrix-antiga"].map((n) => caches.open(n)));
    });
    const recarregada = Date.now();
    await aba.reload(); // opened from the worker's cache
    await aba.waitForSelector("html[data-pronto]");
    // Chromium checks the worker for a new version a moment after a
    // navigation, once the page is idle. The files change only after that
    // check, and a quiet second: a check that ran between the changes below
    // would install, or join, the update this test asks for itself.
    const espera = (ms) => new Promise((fim) => setTimeout(fim, ms));
    for (let t = 0; t < 100 && !pedidosDoSw.some((p) => p >= recarregada); ++t) await espera(100);
    while (Date.now() - (pedidosDoSw.at(-1) ?? 0) < 1000) await espera(100);
    appendFileSync(join(pasta, "pagina.js"), 'document.documentElement.dataset.versao = "2";\n');
    appendFileSync(join(pasta, "index.html"), '<meta name="versao" content="2">\n');
    // Each listing is a new deployment: its worker gets a later second than
    // the one before, since the server says Last-Modified to the second and
    // answers 304 to a check made within the same second as the last one.
    let implantacoes = 0;
    const listar = () => {
      assert.equal(spawnSync("python3", [`${raiz}web/versao.py`, pasta, `${raiz}web/pagina/sw.js`]).status, 0);
      const data = new Date(Date.now() + 10e3 * ++implantacoes);
      utimesSync(join(pasta, "sw.js"), data, data);
    };
    listar();
    // A server that already holds a later file than the version lists: that
    // version does not install.
    appendFileSync(join(pasta, "estilo.css"), "/* 3 */\n");
    const desfecho = await aba.evaluate(() => new Promise((fim) => {
      navigator.serviceWorker.getRegistration().then((r) => {
        r.addEventListener("updatefound", () => {
          const novo = r.installing;
          novo.addEventListener("statechange", () => { if (novo.state !== "installing") fim(novo.state); });
        }, { once: true });
        r.update();
      });
    }));
    assert.equal(desfecho, "redundant");
    listar();
    const versoes = () => aba.evaluate(async () => [document.querySelector("meta[name=versao]")?.content ?? "1",
      document.documentElement.dataset.versao ?? "1", (await (await fetch("pagina.js")).text()).includes("versao") ? "2" : "1"]);
    await aba.evaluate(() => new Promise((trocado) => {
      navigator.serviceWorker.addEventListener("controllerchange", trocado, { once: true });
      navigator.serviceWorker.getRegistration().then((r) => r.update());
    }));
    assert.deepEqual(await versoes(), ["1", "1", "1"], "the open page keeps its version");
    await aba.reload();
    await aba.waitForSelector("html[data-pronto]");
    assert.deepEqual(await versoes(), ["2", "2", "2"]);
    const nomes = await aba.evaluate(() => caches.keys());
    assert.ok(nomes.includes("outra-aplicacao") && !nomes.includes("vendrix-antiga"), nomes.join(" "));
  } finally {
    await contexto.close();
    outro.close();
    rmSync(pasta, { recursive: true });
  }
});

test("the page can be installed, and works with the network off", async () => {
  const cdp = await pagina.createCDPSession();
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors, []);
  await pagina.evaluate(() => navigator.serviceWorker.ready);
  await pagina.reload();
  await pagina.waitForFunction(() => navigator.serviceWorker.controller !== null);
  estado.servidor.close();
  await pagina.setOfflineMode(true);
  await pagina.reload();
  await pagina.waitForSelector("html[data-pronto]");
  await clicarEFechar("#somar");
  assert.equal(await dado("#resultado"), nativa("somar", P1, P2).resultado);
  await pagina.goto(`${endereco}index.html#p1=x%5E2-4&c=factorizar`);
  await pagina.waitForFunction(() => document.querySelector("#factorizacao").dataset.texto === "(x+2)(x-2)");
});
