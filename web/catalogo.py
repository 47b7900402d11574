#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Turns the Qt Linguist catalogues into the page's textos.json.

The page and the window share one catalogue: the core's and the window's
texts, and the page's own ones in their own file. The page looks its own
texts up by their Portuguese; it hands the same file to the core, which
says its texts in the language the page tells it. A text missing from the
dictionary stays in Portuguese.

    catalogo.py SAIDA CATALOGO.ts...

SAIDA gets {"en": {"Portuguese text": "English text", ...}, ...}, one
dictionary per language named in the catalogues. An unfinished, obsolete
or empty translation stops the build rather than reaching the page.
"""
import json
import sys
import xml.etree.ElementTree as ET


def ler(caminho, textos):
    raiz = ET.parse(caminho).getroot()
    lingua = raiz.get("language", "").split("_")[0]
    if not lingua:
        sys.exit(f"{caminho}: no language")
    dicionario = textos.setdefault(lingua, {})
    for mensagem in raiz.iter("message"):
        fonte = mensagem.findtext("source", "")
        traducao = mensagem.find("translation")
        tipo = traducao.get("type") if traducao is not None else "unfinished"
        texto = traducao.text if traducao is not None else None
        if tipo is not None or not texto:
            sys.exit(f"{caminho}: {fonte!r} is not translated")
        anterior = dicionario.get(fonte)
        if anterior is not None and anterior != texto:
            sys.exit(f"{caminho}: {fonte!r} has two translations")
        dicionario[fonte] = texto


def main(argv):
    if len(argv) < 3:
        sys.exit("usage: catalogo.py SAIDA CATALOGO.ts...")
    textos = {}
    for caminho in argv[2:]:
        ler(caminho, textos)
    with open(argv[1], "w", encoding="utf-8") as saida:
        json.dump(textos, saida, ensure_ascii=False, indent=1, sort_keys=True)
        saida.write("\n")


if __name__ == "__main__":
    main(sys.argv)
