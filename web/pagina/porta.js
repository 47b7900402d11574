// The one door by which HTML and scripts reach the page, where the browser
// demands trusted types; the same checks elsewhere. Only HTML that the
// module returned passes: each kind of answer keeps the HTML of its latest.
const devolvidos = new Map(); // kind of answer → its HTML texts

export function aceitar(tipo, resposta) {
  devolvidos.set(tipo, new Set(Object.entries(resposta).filter(([n]) => n.endsWith("_html")).map(([, v]) => v)));
  return resposta;
}

const SCRIPTS = ["sw.js", "trabalhador.js"];

const regras = {
  createHTML(html) {
    for (const textos of devolvidos.values()) if (textos.has(html)) return html;
    throw new TypeError("HTML the module did not return");
  },
  createScriptURL(endereco) {
    if (!SCRIPTS.includes(endereco)) throw new TypeError(`not a script of the page: ${endereco}`);
    return endereco;
  },
};

export const porta = globalThis.trustedTypes?.createPolicy("vendrix", regras) ?? regras;
