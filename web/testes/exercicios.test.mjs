// The page's exercises in a real browser (navegador.mjs): the worked
// solutions and their summary, links, the phone, printing, the keyboard,
// the language switch, and the workers that keep the page answering.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { appendFileSync, cpSync, mkdirSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { servir } from "./servidor.mjs";
import { P1, P2, abrirNavegador, axe, capturas, clicarEFechar, copiado, dado, escrever, fecharCaixas, fecharNavegador,
  linguas, estado, nativa, nativaDe, site, texto } from "./navegador.mjs";

let browser;
let pagina;
let endereco;

before(async () => {
  ({ browser, pagina, endereco } = await abrirNavegador());
});

after(fecharNavegador);

const EXERCICIOS = [
  ["dividir", "x^4-3x^3+5x^2-2x-1", "x^2+1", "", { "#divisao-quociente": "x^2-3x+4", "#divisao-resto": "x-5" }],
  ["factorizar", "x^3-6x^2+11x-6", "", "", { "#factorizacao": "(x-1)(x-2)(x-3)" }],
  ["factorizar", "2x^3+3x^2-1", "", "", { "#factorizacao": "2(x+1)^2(x-1/2)", raizes: ["-1", "0.5"] }],
  ["valor", "x^3-6x^2+11x-6", "", "1/2", { "#valor-resultado": "-15/8" }],
  ["grafico", "x^3-6x^2+11x-6", "", "", {}],
  ["explicar", "2x^3+3x^2-1", "2x-1", "", { "#divisao-quociente": "x^2+2x+1", "#divisao-resto": "0" }],
  ["desenvolver", "(x+1)(x-2)^2", "", "", { "#desenvolvimento": "x^3-3x^2+4" }],
  ["resolver", "x^3 = 4x", "", "", { conjunto: "{-2,0,2}", solucoes: ["-2", "0", "2"] }],
  ["resolver", "(x-1)^2(x+2) >= 0", "", "", { conjunto: "[-2,+∞[", fatores: ["x+2", "(x-1)^2", "produto"] }],
  ["resolver", "x^2+1 < 0", "", "", { conjunto: "∅" }],
];

async function exercicio(comando, p1, p2, a) {
  await escrever("#polinomio1", p1);
  await escrever("#polinomio2", p2);
  await pagina.$eval("#ponto", (e, v) => { e.value = v; }, a);
  return clicarEFechar(`#${comando}`);
}

// What the section shows, field by field, as the native answer has it.
async function vistaDosExercicios() {
  return pagina.evaluate(() => {
    const $ = (s) => document.querySelector(s);
    return {
      quociente: $("#divisao-quociente").dataset.texto, resto: $("#divisao-resto").dataset.texto,
      factorizacao: $("#factorizacao").dataset.texto, valor: $("#valor-resultado").dataset.texto,
      factorizacao_real: $("#factorizacao-real").dataset.texto,
      sinais: $("#quadro-sinais").dataset.sinais,
      desenvolvimento: $("#desenvolvimento").dataset.texto, conjunto: $("#conjunto-solucao").dataset.conjunto,
      // The table read back into the core's "factor:cell,…|…" text.
      quadro: [...document.querySelectorAll("#quadro-sinais tr")].map((tr) =>
        `${tr.dataset.fator}:${[...tr.cells].slice(1).map((td) => td.textContent.replace("−", "-")).join(",")}`).join("|"),
      solucoes: [...document.querySelectorAll("#solucoes li")].map((li) => ({ ...li.dataset })),
      resolucao_html: $("#resolucao-documento").innerHTML.replace(/<\/?tbody>/g, ""), // the parser's own
      grafico: $("#grafico-area svg") !== null,
      raizes: [...document.querySelectorAll("#raizes li")].map((li) => ({ ...li.dataset })),
    };
  });
}

function vistaNativa(r) {
  const { quociente, resto, factorizacao, factorizacao_real, valor, sinais, resolucao_html, desenvolvimento, conjunto,
    quadro } = r;
  const raizes = (lista) =>
    lista.map((z) => ({ exacto: z.exacto, valor: String(z.valor), multiplicidade: String(z.multiplicidade) }));
  return { quociente, resto, factorizacao, factorizacao_real, valor, sinais, resolucao_html, desenvolvimento, conjunto,
    quadro, solucoes: raizes(r.solucoes), grafico: r.grafico_html !== "", raizes: raizes(r.raizes) };
}

test("the exercises show the core's worked examples, and the address keeps them", async () => {
  const entradas = await pagina.evaluate(() => history.length);
  await clicarEFechar("#apagar-ruffini");
  assert.ok(await pagina.$eval("#explicar", (b) => b.disabled), "nothing to explain without a table");
  for (const [comando, p1, p2, a, valores] of EXERCICIOS) {
    if (comando === "explicar") {
      await exercicio("ruffini", p1, p2, a);
      assert.ok(!(await pagina.$eval("#explicar", (b) => b.disabled)));
    }
    assert.deepEqual(await exercicio(comando, p1, p2, a), []);
    assert.deepEqual(await vistaDosExercicios(), vistaNativa(nativa(comando, p1, p2, a)), comando);
    const { raizes, solucoes, conjunto, fatores, ...saidas } = valores;
    for (const [seletor, esperado] of Object.entries(saidas)) assert.equal(await dado(seletor), esperado, seletor);
    if (raizes) assert.deepEqual(await pagina.$$eval("#raizes li", (l) => l.map((e) => e.dataset.valor)), raizes);
    if (solucoes) assert.deepEqual(await pagina.$$eval("#solucoes li", (l) => l.map((e) => e.textContent)), solucoes);
    if (conjunto) assert.equal(await pagina.$eval("#conjunto-solucao", (e) => e.dataset.conjunto), conjunto);
    if (fatores) assert.deepEqual(await pagina.$$eval("#quadro-sinais tr", (l) => l.map((e) => e.dataset.fator)), fatores);
    const celulas = await pagina.$$eval("#quadro-sinais td", (l) => l.map((e) => e.textContent));
    assert.ok(celulas.every((c) => ["+", "−", "0"].includes(c)), celulas.join());
    const campos = new URLSearchParams((await pagina.evaluate(() => location.hash)).slice(1));
    assert.deepEqual([campos.get("c"), campos.get("p1")], [comando, p1]);
  }
  assert.equal(await pagina.evaluate(() => history.length), entradas, "commands replace the address");
});

test("unreadable input opens the message box and points at it", async () => {
  const vistas = await exercicio("factorizar", "x^2+2y", "", "");
  assert.deepEqual(vistas, nativa("factorizar", "x^2+2y").mensagens.map(({ titulo, texto }) => ({ titulo, texto })));
  assert.match(vistas[0].texto, /carácter 6.*«2y»/);
  assert.deepEqual(await pagina.evaluate(() => [document.activeElement.id, document.activeElement.selectionStart]),
    ["polinomio1", 5]);
  assert.equal(await pagina.$eval("#resolucao", (e) => e.hidden), true);
});

test("a link reopens an exercise, and Partilhar copies it", async () => {
  const aba = await browser.newPage();
  try {
    await linguas(aba, ["pt-PT", "pt"]);
    await aba.goto(`${endereco}#p1=x%5E3-1&p2=x-1&c=factorizar`);
    await aba.waitForFunction(() => document.querySelector("#factorizacao").dataset.texto !== "");
    assert.equal(await aba.$eval("#factorizacao", (e) => e.dataset.texto), "(x-1)(x^2+x+1)");
    assert.equal(await aba.$eval("#polinomio2", (e) => e.value), "x-1");
    await aba.goto(`${endereco}index.html#p1=2x%5E3%2B3x%5E2-1&p2=2x-1&c=explicar`);
    await aba.waitForFunction(() => document.querySelector("#divisao-quociente").dataset.texto !== "");
    assert.equal(await aba.$eval("#divisao-quociente", (e) => e.dataset.texto), "x^2+2x+1");
    assert.ok(await aba.$eval("#resolucao-documento", (e) => e.textContent.includes("regra de Ruffini")));
  } finally {
    await aba.close();
  }
  // Desenvolver and Resolver, the relation escaped in p1; then the English of the last one.
  const aba2 = await abrir(`${endereco}index.html`);
  try {
    for (const [i, [comando, p1, , , { conjunto, ...saidas }]] of EXERCICIOS.slice(-4).entries()) {
      // Every other link by the other name of the page, so that each loads it anew.
      await aba2.goto(`${endereco}${i % 2 ? "index.html" : ""}#p1=${encodeURIComponent(p1)}&c=${comando}`);
      await aba2.waitForSelector("html[data-pronto]");
      const lido = await aba2.waitForFunction(() => (document.querySelector("#resolucao").hidden ? null
        : { conjunto: document.querySelector("#conjunto-solucao").dataset.conjunto,
          desenvolvimento: document.querySelector("#desenvolvimento").dataset.texto }));
      const { conjunto: c, desenvolvimento: d } = await lido.jsonValue();
      assert.deepEqual([c, d], [conjunto ?? "", saidas["#desenvolvimento"] ?? ""], p1);
    }
    await aba2.click("#lingua-en");
    await aba2.waitForFunction(() => document.querySelector("#resolucao-documento").textContent.includes("Solution set"));
    assert.equal(await aba2.$eval("#resolver", (e) => e.textContent), "Solve");
    assert.equal(await aba2.$eval("#conjunto-solucao", (e) => e.dataset.conjunto), "∅");
    await aba2.click("#lingua-pt"); // the choice is kept for the pages that follow
  } finally {
    await aba2.close();
  }
  await pagina.bringToFront();
  await exercicio("valor", "x^2", "", "3");
  await escrever("#polinomio1", "x^2+1");
  await pagina.click("#partilhar");
  await pagina.waitForFunction(async () => (await navigator.clipboard.readText()) === location.href);
  const campos = new URLSearchParams((await pagina.evaluate(() => location.hash)).slice(1));
  assert.deepEqual([campos.get("p1"), campos.get("c"), campos.get("a")], ["x^2+1", "valor", "3"], "the boxes as they are now");
  await pagina.waitForFunction(() => document.querySelector("#anuncio").textContent === "Ligação copiada");
});

// A page of the given site, in Portuguese, at the given width.
async function abrir(url, largura = 1280) {
  const aba = await browser.newPage();
  await linguas(aba, ["pt-PT", "pt"]);
  await aba.setViewport({ width: largura, height: 740 });
  await aba.goto(url);
  await aba.waitForSelector("html[data-pronto]");
  return aba;
}

test("links read '+' as a plus, refuse what the core must not get, share the seed commands", async () => {
  const recusa = (motivo, caixa) => nativa("recusa", motivo, caixa).mensagens[0].texto;
  const casos = [
    ["p1=x^2+1&c=factorizar", [], "#factorizacao", "(x^2+1)"],
    ["p1=x%5E2-1%00%3Cb%3Ejunk&c=factorizar", [recusa("controlo", "polinomio1")], "#factorizacao", ""],
    [`p1=x&a=${"1".repeat(70000)}&c=valor`, [recusa("longo", "ponto")], "#valor-resultado", ""],
    ["p1=x&c=integrar", [recusa("comando")], "#resultado", ""],
    ["p1=x^2%2B2x&p2=x&c=somar", [], "#resultado", nativa("somar", "x^2+2x", "x").resultado],
  ];
  for (const [fragmento, mensagens, saida, esperado] of casos) {
    const aba = await abrir(`${endereco}#${fragmento}`);
    try {
      assert.deepEqual((await fecharCaixas(false, aba)).map((m) => m.texto), mensagens, fragmento);
      if (esperado) await aba.waitForFunction((s, e) => document.querySelector(s).dataset.texto === e, {}, saida, esperado);
      assert.equal(await aba.$eval(saida, (e) => e.dataset.texto), esperado, fragmento);
      if (mensagens.length > 0) assert.equal(await aba.$eval("#ponto", (e) => e.value), "1/2", "a refused text stays out");
    } finally {
      await aba.close();
    }
  }
});

test("on a phone a link opens at its solution, which fits the width without breaking a number", async () => {
  const aba = await abrir(`${endereco}#p1=x%5E4-x%5E3-3x%5E2%2B2x&c=factorizar`, 375);
  try {
    await aba.waitForFunction(() => !document.querySelector("#resolucao").hidden);
    const vista = await aba.evaluate(() => {
      const $ = (s) => document.querySelector(s);
      const caixa = (s) => $(s).getBoundingClientRect();
      return {
        topo: caixa("#resolucao").top, saltar: caixa(".saltar").height,
        exercicios: [$("#exercicios").scrollWidth, $("#exercicios").clientWidth],
        tabelas: [...document.querySelectorAll("#resolucao table")].map((t) => [t.className, t.getBoundingClientRect().right]),
        direita: caixa("#resolucao").right,
        grafico: [caixa("#grafico-area svg").width, caixa("#grafico-area").width],
        raizes: [...document.querySelectorAll("#raizes li")].map((li) => li.getClientRects().length),
      };
    });
    assert.ok(vista.topo > -2 && vista.topo < 100, `the solution is ${vista.topo} px from the top`);
    assert.ok(vista.saltar > 0, "the link to the exercises shows");
    assert.ok(vista.exercicios[0] <= vista.exercicios[1], `#exercicios scrolls: ${vista.exercicios}`);
    for (const [nome, direita] of vista.tabelas) assert.ok(direita <= vista.direita + 0.5, `${nome} ends at ${direita}`);
    assert.equal(vista.grafico[0], vista.grafico[1], "the graph takes the whole width");
    assert.ok(vista.raizes.every((linhas) => linhas === 1), "a root breaks across lines");
  } finally {
    await aba.close();
  }
});

test("the summary raises exponents and shows the signs as a table; the graph is twice its size", async () => {
  await exercicio("factorizar", "2x^3+3x^2-1", "", "");
  const r = nativa("factorizar", "2x^3+3x^2-1");
  assert.equal(await pagina.$eval("#factorizacao", (e) => e.innerHTML), r.factorizacao_html);
  assert.match(r.factorizacao_html, /<sup>2<\/sup>/);
  assert.equal(await pagina.$eval("#quadro-sinais", (e) => e.dataset.sinais), r.sinais);
  assert.equal(await pagina.$$eval("#quadro-sinais tr:last-child td", (l) => l.length), r.sinais.length);
  assert.equal(await pagina.$eval("#quadro-sinais tr:last-child", (e) => e.dataset.fator), "produto");
  assert.ok(await pagina.$eval("#grafico-area svg", (e) => e.getBoundingClientRect().width) >= 960);
});

test("Enter runs the last exercise, Alt+Shift+F factorizes, and the switch re-renders keeping the boxes", async () => {
  await exercicio("valor", "x^3-1", "x-1", "2");
  await pagina.$eval("#ponto", (e) => { e.value = "3"; });
  await pagina.focus("#ponto");
  await pagina.keyboard.press("Enter");
  await pagina.waitForFunction(() => document.querySelector("#valor-resultado").dataset.texto === "26");
  assert.match(await pagina.$eval("#factorizar", (e) => e.title), /\(Alt\+Shift\+F\)$/);
  await pagina.keyboard.down("Alt");
  await pagina.keyboard.down("Shift");
  await pagina.keyboard.press("KeyF");
  await pagina.keyboard.up("Shift");
  await pagina.keyboard.up("Alt");
  await pagina.waitForFunction(() => document.querySelector("#factorizacao").dataset.texto === "(x-1)(x^2+x+1)");
  await escrever("#polinomio1", "x^5"); // typed after the run: not what the switch shows
  await pagina.click("#lingua-en");
  const ingles = nativa("factorizar", "x^3-1", "", "", "en").resolucao_html;
  await pagina.waitForFunction((h) => document.querySelector("#resolucao-documento").innerHTML.replace(/<\/?tbody>/g, "") === h,
    {}, ingles);
  assert.deepEqual(await pagina.$$eval("#exercicios input[type=text], .moldura > .linha-entrada input", (l) => l.map((e) => e.value)),
    ["x^5", "x-1", "3", ""]);
  await pagina.click("#lingua-pt");
  await pagina.waitForFunction(() => document.querySelector("#resolucao-documento").textContent.includes("Decomposição"));
});

test("Ruffini's refusal of a divisor of degree two is followed by the hint to divide", async () => {
  await escrever("#polinomio1", "x^3+1");
  await escrever("#polinomio2", "x^2+1");
  assert.deepEqual(await clicarEFechar("#ruffini"), [{ titulo: "Vendrix", texto: "O divisor não é um polinómio válido." }]);
  assert.equal(await texto("#dica-ruffini"), nativa("ruffini", "x^3+1", "x^2+1").dica);
  assert.equal(await texto("#dica-ruffini"), "Para dividir por x^2+1 use Dividir (divisão longa).");
  await escrever("#polinomio1", P1);
  await escrever("#polinomio2", P2);
});

test("on paper: the question as text, the solution and its graph together, no boxes", async () => {
  await exercicio("factorizar", "x^3-6x^2+11x-6", "", "");
  await pagina.emulateMediaType("print");
  try {
    const vista = await pagina.evaluate(() => {
      const visivel = (s) => document.querySelector(s).getClientRects().length > 0;
      const documento = document.querySelector("#resolucao-documento").getBoundingClientRect();
      const grafico = document.querySelector("#grafico-area").getBoundingClientRect();
      return { caixas: ["#polinomio1", "#polinomio2", "#ponto", "#somar"].filter(visivel),
        titulo: document.querySelector("#resolucao-documento h3").textContent,
        junto: grafico.top - documento.bottom, altura: grafico.height,
        quebra: getComputedStyle(document.querySelector("#grafico-area")).breakInside };
    });
    assert.deepEqual(vista.caixas, []);
    assert.match(vista.titulo, /x3[-−]6x2\+11x[-−]6/, "the question as text");
    assert.ok(vista.junto >= 0 && vista.junto < 40 && vista.altura < 600, JSON.stringify(vista));
    assert.equal(vista.quebra, "avoid");
  } finally {
    await pagina.emulateMediaType(null);
  }
});

test("solutions and copies under the page's policy with no violation", async () => {
  await pagina.evaluate(() => { violacoes.length = 0; });
  await exercicio("ruffini", P1, "2x-1", "");
  for (const id of ["#explicar", "#copiar-quadro", "#copiar-resolucao", "#grafico", "#copiar-latex-resolucao",
    "#factorizar"]) await clicarEFechar(id);
  // The copies the core renders when asked, from the solution it kept;
  // and again once the worker that kept it has been replaced.
  const copia = (formato) => nativaDe("factorizar", [P1], "pt", ["copia", formato]).copia;
  await copiado("#copiar-latex-resolucao", "text/plain", copia("latex"));
  await pagina.$eval("#cancelar", (b) => b.click()); // the exercises' worker replaced, with no solution kept
  const esperado = copia("texto");
  assert.match(esperado, /Decomposição/);
  const lidos = await copiado("#copiar-resolucao", "text/plain", esperado);
  assert.ok(lidos["text/html"].includes("vx-grafico-svg"), "the HTML copy holds the graph");
  assert.deepEqual(await pagina.evaluate(() => violacoes), []);
});

// What the page shows of a check, as the core's answer words it.
const verificacaoEm = (seletor) => pagina.$eval(seletor, (e) =>
  ({ veredicto: e.dataset.veredicto, erro: e.dataset.erro, explicacao: e.textContent, vivo: e.getAttribute("aria-live") }));
const verificacaoNativa = ({ veredicto, erro, explicacao }) => ({ veredicto, erro, explicacao, vivo: "polite" });
const campos = async (aba = pagina) => new URLSearchParams((await aba.evaluate(() => location.hash)).slice(1));

test("parameters: the conditions reach the core, their solutions show, and a link reopens them", async () => {
  const condicoes = "divisível por x-1\nresto da divisão por x+1 é -8";
  await escrever("#polinomio1", "x^3+ax^2+bx-6");
  await pagina.$eval("#condicoes", (e, v) => { e.value = v; }, condicoes);
  const esperada = nativaDe("parametros", ["x^3+ax^2+bx-6", "", "", condicoes.replace("\n", ";")]);
  assert.deepEqual(await clicarEFechar("#parametros"), esperada.mensagens.map(({ titulo, texto }) => ({ titulo, texto })));
  assert.deepEqual(await pagina.$$eval("#parametros-solucoes li", (l) => l.map((e) => e.dataset.solucao)),
    esperada.parametros);
  assert.deepEqual([(await campos()).get("q"), (await campos()).get("c")], [condicoes.replace("\n", ";"), "parametros"]);
  const aba = await abrir(await pagina.evaluate(() => location.href));
  try {
    assert.equal(await aba.$eval("#condicoes", (e) => e.value), condicoes);
  } finally {
    await aba.close();
  }
  await pagina.$eval("#condicoes", (e) => { e.value = ""; });
});

test("checking an answer: the verdict is announced, the solution stays hidden until asked, a v=1 link opens so", async () => {
  const pergunta = ["x^3-2x^2-5x+6", "x+2", ""];
  const aba = await abrir(`${endereco}#p1=${encodeURIComponent(pergunta[0])}&p2=${encodeURIComponent(pergunta[1])}&c=dividir&v=1`);
  const antes = pagina;
  pagina = estado.pagina = aba;
  try {
    await aba.waitForFunction(() => document.querySelector("main").getAttribute("aria-busy") === "false");
    assert.ok(await aba.$eval("#resolucao", (e) => e.hidden), "a check link hides the solution");
    for (const resposta of ["Q = x^2+0x-5; R = -4", "Q = x^2-4x+3; R = 0"]) {
      await escrever("#resposta", resposta);
      assert.deepEqual(await clicarEFechar("#verificar"), []);
      assert.deepEqual(await verificacaoEm("#verificacao"),
        verificacaoNativa(nativaDe("dividir", [...pergunta, "", resposta])), resposta);
      assert.ok(await aba.$eval("#resolucao", (e) => e.hidden), resposta);
      assert.equal((await campos(aba)).get("v"), "1");
    }
    await aba.click("#ver-resolucao");
    assert.equal(await aba.$eval("#resolucao", (e) => e.hidden), false);
    assert.equal((await campos(aba)).get("v"), null);
  } finally {
    pagina = estado.pagina = antes;
    await aba.close();
  }
});

test("practice: a link opens its exercise, Outro draws another, the answer is checked and counted once", async () => {
  const tipos = nativa("exercicios", "").tipos.map((tipo) => tipo.nome);
  const aba = await abrir(`${endereco}#c=praticar&tipo=${tipos.at(-1)}&nivel=3&semente=18446744073709551615`);
  const antes = pagina;
  pagina = estado.pagina = aba;
  try {
    await aba.waitForFunction(() => document.querySelector("#pratica-enunciado").dataset.semente !== "");
    assert.deepEqual(await aba.$$eval("#pratica-tipo option", (l) => l.map((e) => e.value)), tipos);
    const enunciado = () => aba.$eval("#pratica-enunciado", (e) => ({ ...e.dataset }));
    const gerado = nativaDe("praticar", [tipos.at(-1), "3", "18446744073709551615"]);
    assert.deepEqual(await enunciado(), { p1: gerado.polinomio1, p2: gerado.polinomio2, a: gerado.ponto,
      condicoes: gerado.condicoes, semente: gerado.semente, exercicio: gerado.exercicio });
    assert.deepEqual([await aba.$eval("#pratica-tipo", (e) => e.value), await aba.$eval("#pratica-nivel", (e) => e.value)],
      [tipos.at(-1), "3"]);
    await clicarEFechar("#pratica-outro");
    const outro = await enunciado();
    assert.notEqual(outro.semente, gerado.semente);
    assert.match(outro.semente, /^\d{1,20}$/);
    assert.equal((await campos(aba)).get("semente"), outro.semente);
    await escrever("#pratica-resposta", "Q = x^2; R = 1");
    const esperada = nativaDe(outro.exercicio, [outro.p1, outro.p2, outro.a, outro.condicoes, "Q = x^2; R = 1"]);
    for (let vez = 0; vez < 2; vez++) {
      await clicarEFechar("#pratica-verificar");
      assert.deepEqual(await verificacaoEm("#pratica-verificacao"), verificacaoNativa(esperada));
      const contagem = await aba.$eval("#pratica-contagem", (e) => [e.dataset.certas, e.dataset.tentadas]);
      const tentada = esperada.veredicto === "" ? 0 : 1;
      assert.deepEqual(contagem, [String(esperada.veredicto === "certo" ? 1 : 0), String(tentada)], "counted once");
    }
    assert.ok(await aba.$eval("#pratica-resolucao", (e) => e.hidden));
    await clicarEFechar("#pratica-ver-resolucao");
    assert.equal(await aba.$eval("#pratica-resolucao", (e) => e.hidden), false);
  } finally {
    pagina = estado.pagina = antes;
    await aba.close();
  }
});

test("the worksheet downloads the core's LaTeX and HTML under its seed", async () => {
  await pagina.evaluate(() => {
    globalThis.descarregados = [];
    const criar = URL.createObjectURL;
    URL.createObjectURL = (blob) => { descarregados.push(blob.text()); return criar(blob); };
    HTMLAnchorElement.prototype.click = function () { descarregados.push(this.download); };
  });
  await pagina.$eval("#ficha-semente", (e) => { e.value = "77"; });
  await pagina.select("#ficha-nivel", "2");
  const quantos = await pagina.$$eval("#ficha [data-tipo]", (l) => l.map((e) => `${e.dataset.tipo}=${e.value}`).join(";"));
  const esperada = (formato) => nativaDe("ficha", [quantos, "2", "77", formato])[formato];
  await clicarEFechar("#ficha-latex");
  await clicarEFechar("#ficha-html");
  const vistos = await pagina.evaluate(() => Promise.all(descarregados));
  assert.deepEqual(vistos, [esperada("latex"), "vendrix-ficha-77.tex", esperada("html"), "vendrix-ficha-77.html"]);
  await pagina.$eval("#ficha-semente", (e) => { e.value = "x"; });
  await clicarEFechar("#ficha-latex");
  assert.equal((await pagina.evaluate(() => descarregados.length)), 4, "an unreadable seed is not sent");
  await pagina.evaluate(() => history.replaceState(null, "", location.pathname));
  await pagina.reload();
  await pagina.waitForSelector("html[data-pronto]");
});

test("screenshots of the exercises", async () => {
  mkdirSync(capturas, { recursive: true });
  await exercicio("factorizar", "x^3-6x^2+11x-6", "", "");
  for (const largura of [1280, 375]) {
    await pagina.setViewport({ width: largura, height: 800 });
    const secao = await pagina.$("#exercicios");
    await secao.screenshot({ path: `${capturas}/web-exercicios-${largura}.png` });
    const larguraDaPagina = await pagina.evaluate(() => document.documentElement.scrollWidth);
    assert.ok(larguraDaPagina <= largura, `the page is ${larguraDaPagina} px wide`);
  }
  await pagina.setViewport({ width: 1280, height: 800 });
  // The tests below reload the page: it must not reopen this exercise.
  await pagina.evaluate(() => history.replaceState(null, "", location.pathname));
  await escrever("#polinomio1", P1);
  await escrever("#polinomio2", P2);
});

test("no serious accessibility violations", async () => {
  await pagina.evaluate(readFileSync(axe, "utf8")); // past the page's own policy
  const r = await pagina.evaluate(() => globalThis.axe.run());
  const graves = r.violations.filter((v) => v.impact === "serious" || v.impact === "critical");
  assert.deepEqual(graves.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`), []);
});

// The exercises' worker of a copy of the site is made slow on purpose: an
// exercise whose Polinómio 2 reads "7x^7" keeps it busy until it is
// ended, as a long factorization would, whatever the core's speed.
test("the page answers while an exercise runs, and Cancelar gives back a working module", async () => {
  const pasta = mkdtempSync(join(tmpdir(), "vendrix-lento-"));
  cpSync(site, pasta, { recursive: true });
  appendFileSync(join(pasta, "trabalhador.js"), `
const responder = self.onmessage;
self.onmessage = (evento) => {
  if (evento.data.entradas?.[2] === "7x^7") for (;;);
  responder(evento);
};
`);
  const outro = await servir(pasta);
  const contexto = await browser.createBrowserContext();
  try {
    const aba = await contexto.newPage();
    await linguas(aba, ["pt-PT", "pt"]);
    await aba.goto(`http://127.0.0.1:${outro.address().port}/#p1=x%5E2-1&p2=7x%5E7`);
    await aba.waitForSelector("html[data-pronto]");
    await aba.click("#factorizar");
    await aba.waitForSelector("#progresso:not([hidden])");
    assert.equal(await aba.$eval("#cancelar", (b) => b.textContent), "Cancelar");
    await aba.click("#somar");
    await aba.waitForFunction(() => document.querySelector("#resultado").dataset.texto !== "");
    assert.equal(await aba.$eval("#resultado", (e) => e.dataset.texto), nativa("somar", "x^2-1", "7x^7").resultado);
    await aba.click("#cancelar");
    assert.ok(await aba.$eval("#progresso", (e) => e.hidden));
    await aba.$eval("#polinomio2", (e) => { e.value = "x-1"; });
    await aba.click("#factorizar");
    await aba.waitForFunction(() => document.querySelector("#factorizacao").dataset.texto === "(x+1)(x-1)");
  } finally {
    await contexto.close();
    outro.close();
    rmSync(pasta, { recursive: true });
  }
});
