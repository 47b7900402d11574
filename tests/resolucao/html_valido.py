#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Fails unless every file named is an HTML fragment whose elements all
# close in order, with no script, no style attribute or element, and no
# event handler: what the worked solutions promise the front ends.
import sys
from html.parser import HTMLParser


class Verificador(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.abertos, self.erros = [], []

    def proibidos(self, tag, attrs):
        if tag in ("script", "style"):
            self.erros.append(f"<{tag}>")
        for nome, _ in attrs:
            if nome == "style" or nome.startswith("on"):
                self.erros.append(f"{nome}= in <{tag}>")

    def handle_starttag(self, tag, attrs):
        self.proibidos(tag, attrs)
        self.abertos.append(tag)

    def handle_startendtag(self, tag, attrs):
        self.proibidos(tag, attrs)

    def handle_endtag(self, tag):
        if not self.abertos or self.abertos.pop() != tag:
            self.erros.append(f"</{tag}> out of order at {self.getpos()}")


falhas = 0
for caminho in sys.argv[1:]:
    v = Verificador()
    with open(caminho, encoding="utf-8") as f:
        v.feed(f.read())
    v.close()
    if v.abertos:
        v.erros.append(f"left open: {v.abertos}")
    for erro in v.erros:
        print(f"{caminho}: {erro}")
        falhas += 1
sys.exit(1 if falhas else 0)
