// Keeps the page working without a network: every file is cached at the
// first visit and served from the cache; a fresh copy is fetched in the
// background whenever the network is there, for the next visit.
const CACHE = "vendrix-2";
const FICHEIROS = [
  "./",
  "index.html",
  "estilo.css",
  "pagina.js",
  "nucleo.js",
  "lingua.js",
  "textos.json",
  "vendrix.wasm",
  "manifest.webmanifest",
  "icone.svg",
  "icones/apagar.svg",
  "icones/multiplicar.svg",
  "icones/ruffini.svg",
  "icones/simplificar.svg",
  "icones/somar.svg",
  "icones/subtrair.svg",
  "wasi/index.js",
  "wasi/wasi.js",
  "wasi/wasi_defs.js",
  "wasi/debug.js",
  "wasi/fd.js",
  "wasi/fs_mem.js",
  "wasi/fs_opfs.js",
  "wasi/strace.js",
];

self.addEventListener("install", (evento) => {
  evento.waitUntil(caches.open(CACHE).then((c) => c.addAll(FICHEIROS)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (evento) => {
  evento.waitUntil((async () => {
    for (const nome of await caches.keys()) if (nome !== CACHE) await caches.delete(nome);
    await self.clients.claim();
  })());
});

self.addEventListener("fetch", (evento) => {
  const pedido = evento.request;
  if (pedido.method !== "GET" || new URL(pedido.url).origin !== self.location.origin) return;
  evento.respondWith((async () => {
    const cache = await caches.open(CACHE);
    const guardada = await cache.match(pedido, { ignoreSearch: true });
    const fresca = fetch(pedido).then((resposta) => {
      if (resposta.ok) cache.put(pedido, resposta.clone());
      return resposta;
    });
    if (guardada) {
      evento.waitUntil(fresca.catch(() => {}));
      return guardada;
    }
    return fresca;
  })());
});
