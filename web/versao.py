#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the page's service worker for the site as it was built.

    versao.py SITE MODELO

Fills MODELO (the worker's source) with every file under SITE and the
SHA-256 of each, so that none is missing offline and the worker installs
only the files of its own version, and with a hash of their contents,
which names the worker's cache: any change to any file gives a new worker
and a new cache, and the next visit gets the new version whole. The
result is SITE/sw.js, which is neither listed nor hashed itself.
"""
import hashlib
import json
import pathlib
import sys


def main():
    site, modelo = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    fonte = modelo.read_text(encoding="utf-8")
    ficheiros = sorted(p.relative_to(site).as_posix() for p in site.rglob("*")
                       if p.is_file() and p.relative_to(site).as_posix() != "sw.js")
    resumo = hashlib.sha256(fonte.encode("utf-8"))
    somas = {}
    for nome in ficheiros:
        conteudo = (site / nome).read_bytes()
        resumo.update(f"{nome}\0{len(conteudo)}\0".encode("utf-8"))
        resumo.update(conteudo)
        somas[nome] = hashlib.sha256(conteudo).hexdigest()
    for marca in ('"@VERSAO@"', '{"@FICHEIROS@": ""}'):
        if fonte.count(marca) != 1:
            sys.exit(f"{modelo}: {marca} must appear once")
    # The page's address is served as its index.html.
    somas = {"./": somas["index.html"], **somas}
    fonte = fonte.replace('"@VERSAO@"', json.dumps(resumo.hexdigest()[:16]))
    fonte = fonte.replace('{"@FICHEIROS@": ""}', json.dumps(somas, indent=2))
    (site / "sw.js").write_text(fonte, encoding="utf-8")


if __name__ == "__main__":
    main()
