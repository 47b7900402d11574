// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/textos.h"

#include <fstream>
#include <map>
#include <sstream>
#include <string>

// A translator from the English catalogue itself, as the page's texts file
// is made from it, so that the documents can be checked in English without
// Qt. It reads only what lupdate writes: one <source> and one
// <translation> per message, the five XML entities.
namespace vendrix::resolucao::teste {

inline std::string SemEntidades(std::string t)
{
    const std::pair<std::string, std::string> entidades[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [de, para] : entidades)
        for (std::size_t i = t.find(de); i != std::string::npos; i = t.find(de, i + para.size()))
            t.replace(i, de.size(), para);
    return t;
}

inline std::string
Entre(const std::string& t, std::size_t& i, const std::string& abre, const std::string& fecha)
{
    const std::size_t a = t.find(abre, i);
    if (a == std::string::npos)
        return i = std::string::npos, std::string();
    const std::size_t b = t.find(fecha, a);
    i = b;
    return t.substr(a + abre.size(), b - a - abre.size());
}

inline Tradutor EmInglês(const char* caminho)
{
    std::stringstream ts;
    ts << std::ifstream(caminho).rdbuf();
    const std::string t = ts.str();
    std::map<std::string, std::string> textos;
    for (std::size_t i = t.find("<name>Resolucao</name>"); i != std::string::npos;) {
        const std::string fonte = Entre(t, i, "<source>", "</source>");
        const std::string tradução = Entre(t, i, "<translation>", "</translation>");
        if (i != std::string::npos)
            textos[SemEntidades(fonte)] = SemEntidades(tradução);
    }
    return [textos](const Fonte& f) {
        const auto i = textos.find(f.texto);
        return i == textos.end() ? std::string("?") + f.texto : i->second;
    };
}

} // namespace vendrix::resolucao::teste
