// Keeps the page working without a network. Each version of the site has a
// cache of its own, filled whole from the server when the version installs,
// each file checked against the SHA-256 the build listed for it;
// every page is served from the cache of the version it was opened with, so
// it never mixes two versions, and a new version takes over at the next
// visit. The build fills in the version, a hash of the site's contents, and
// its files with their SHA-256.
const VERSAO = "@VERSAO@";
const FICHEIROS = {"@FICHEIROS@": ""};

// Other applications may share the origin: only these caches are Vendrix's.
const PREFIXO = "vendrix-";
const CACHE = `${PREFIXO}${VERSAO}`;

// Which version a page was opened with is marked in that version's cache,
// where it outlives this worker and the next one reads it.
const marca = (cliente) => new URL(`.pagina/${cliente}`, self.registration.scope).href;

async function nossas() {
  return (await caches.keys()).filter((nome) => nome.startsWith(PREFIXO));
}

async function procurarCacheDaPagina(cliente) {
  if (cliente) {
    for (const nome of await nossas())
      if (await (await caches.open(nome)).match(marca(cliente))) return nome;
  }
  return CACHE;
}

// A page's cache never changes while it is open: it is looked for once in
// this worker's life, not at each of the page's requests.
const cachesDasPaginas = new Map(); // client id → promise of its cache's name

function cacheDaPagina(cliente) {
  if (!cachesDasPaginas.has(cliente)) cachesDasPaginas.set(cliente, procurarCacheDaPagina(cliente));
  return cachesDasPaginas.get(cliente);
}

// Drops the marks of closed pages, and Vendrix's caches no open page uses.
async function arrumar(aAbrir) {
  const clientes = await self.clients.matchAll({ includeUncontrolled: true, type: "all" });
  const abertas = new Set(clientes.map((c) => marca(c.id)));
  if (aAbrir) abertas.add(marca(aAbrir));
  for (const cliente of cachesDasPaginas.keys())
    if (!abertas.has(marca(cliente))) cachesDasPaginas.delete(cliente);
  for (const nome of await nossas()) {
    const cache = await caches.open(nome);
    let usada = nome === CACHE;
    for (const pedido of await cache.keys()) {
      if (!pedido.url.startsWith(marca(""))) continue;
      if (abertas.has(pedido.url)) usada = true;
      else await cache.delete(pedido);
    }
    if (!usada) await caches.delete(nome);
  }
}

const hexadecimal = (bytes) => [...new Uint8Array(bytes)].map((b) => b.toString(16).padStart(2, "0")).join("");

// A file as the server holds it, if it is this version's: a server that
// already holds a later version, or a broken copy, fails the install, and
// the version in use stays.
async function buscar(nome, soma) {
  // "reload": past the browser's HTTP cache, which may hold the files of an
  // older version for days.
  const resposta = await fetch(new Request(nome, { cache: "reload" }));
  if (!resposta.ok) throw new Error(`${nome}: ${resposta.status}`);
  const corpo = await resposta.clone().arrayBuffer();
  if (hexadecimal(await crypto.subtle.digest("SHA-256", corpo)) !== soma)
    throw new Error(`${nome} is not the file of version ${VERSAO}`);
  return resposta;
}

self.addEventListener("install", (evento) => {
  evento.waitUntil((async () => {
    const respostas = await Promise.all(Object.entries(FICHEIROS).map(([nome, soma]) => buscar(nome, soma)));
    const cache = await caches.open(CACHE);
    await Promise.all(Object.keys(FICHEIROS).map((nome, i) => cache.put(nome, respostas[i])));
    await self.skipWaiting();
  })());
});

self.addEventListener("activate", (evento) => {
  evento.waitUntil(arrumar().then(() => self.clients.claim()));
});

self.addEventListener("fetch", (evento) => {
  const pedido = evento.request;
  if (pedido.method !== "GET" || new URL(pedido.url).origin !== self.location.origin) return;
  evento.respondWith((async () => {
    const abrir = pedido.mode === "navigate";
    const nome = abrir ? CACHE : await cacheDaPagina(evento.clientId);
    const cache = await caches.open(nome);
    // A page opens with this version; a worker it starts, with the page's.
    if ((abrir || pedido.destination === "worker") && evento.resultingClientId) {
      await cache.put(marca(evento.resultingClientId), new Response(""));
      cachesDasPaginas.set(evento.resultingClientId, Promise.resolve(nome));
      evento.waitUntil(arrumar(evento.resultingClientId));
    }
    // Not a file of the site: the server's, checked against what the
    // browser holds.
    return (await cache.match(pedido, { ignoreSearch: true })) ?? fetch(pedido.url, { cache: "no-cache" });
  })());
});
