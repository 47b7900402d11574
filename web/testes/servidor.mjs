// A small static server for the browser test, on 127.0.0.1 only, with the
// content types the page needs (application/wasm above all). Like most
// simple servers it sends each file's Last-Modified and no Cache-Control,
// which lets the browser keep a file for a tenth of its age.
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { extname, join, normalize } from "node:path";

const TIPOS = {
  ".html": "text/html; charset=utf-8",
  ".css": "text/css",
  ".js": "text/javascript",
  ".mjs": "text/javascript",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
  ".webmanifest": "application/manifest+json",
  ".json": "application/json",
};

// antes: what a file's answer waits for, given its path.
export function servir(pasta, antes = () => null) {
  const servidor = createServer(async (pedido, resposta) => {
    const caminho = normalize(decodeURIComponent(new URL(pedido.url, "http://l").pathname)).replace(/^(\.\.[/\\])+/, "");
    await antes(caminho);
    const ficheiro = join(pasta, caminho.endsWith("/") ? `${caminho}index.html` : caminho);
    try {
      const { mtime } = await stat(ficheiro);
      const data = new Date(Math.floor(mtime.getTime() / 1000) * 1000);
      if (data <= new Date(pedido.headers["if-modified-since"] ?? NaN)) {
        resposta.writeHead(304);
        resposta.end();
        return;
      }
      const corpo = await readFile(ficheiro);
      resposta.writeHead(200, {
        "Content-Type": TIPOS[extname(ficheiro)] ?? "application/octet-stream",
        "Last-Modified": data.toUTCString(),
      });
      resposta.end(corpo);
    } catch {
      resposta.writeHead(404);
      resposta.end();
    }
  });
  return new Promise((pronto) => servidor.listen(0, "127.0.0.1", () => pronto(servidor)));
}
