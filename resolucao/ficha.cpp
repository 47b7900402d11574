// SPDX-License-Identifier: MIT
#include "display/exportar.h"
#include "resolucao/exportar.h"
#include "resolucao/praticar.h"
#include "resolucao/praticar_sorteio.h"

#include <algorithm>

namespace vendrix::resolucao {

namespace {

// Exercise n's own seed, apart from every other worksheet's exercise n.
std::uint64_t SementeDoExercício(std::uint64_t semente, std::size_t n) noexcept
{
    return Misturar(semente ^ Misturar(0xF1C4U + n)) & 0xFFFFFFFFU;
}

// "3. " before the first sentence of a statement.
void Numerar(Documento& documento, std::size_t número)
{
    for (Bloco& bloco : documento.blocos)
        if (auto* frase = std::get_if<Frase>(&bloco)) {
            frase->modelo.insert(0, std::to_string(número) + ". ");
            return;
        }
}

} // namespace

Ficha FazerFicha(const PedidoDeFicha& pedido, const Tradutor& tradutor)
{
    Ficha ficha;
    const int nível = std::clamp(pedido.nível, NívelMínimo, NívelMáximo);
    Intitular(ficha.enunciados, tradutor, Texto::TítuloFicha, {});
    Intitular(ficha.soluções, tradutor, Texto::TítuloSoluçõesDaFicha, {});
    for (const auto& [tipo, quantos] : pedido.quantos)
        for (int i = 0; i < quantos && ficha.exercícios.size() < ExercíciosPorFichaMáximo; ++i) {
            const std::size_t número = ficha.exercícios.size() + 1;
            ExercícioGerado g =
                GerarExercício(tipo, nível, SementeDoExercício(pedido.semente, número - 1), tradutor);
            Documento enunciado = g.enunciado;
            Numerar(enunciado, número);
            for (Bloco& bloco : enunciado.blocos)
                ficha.enunciados.blocos.push_back(std::move(bloco));
            Dizer(ficha.soluções, tradutor, Texto::RespostaDoExercício, {std::to_string(número), g.resposta});
            for (const Bloco& bloco : g.resolução.blocos)
                ficha.soluções.blocos.push_back(bloco);
            ficha.exercícios.push_back(std::move(g));
        }
    const std::vector<Fórmula> rodapé{std::to_string(nível), std::to_string(pedido.semente)};
    Dizer(ficha.enunciados, tradutor, Texto::RodapéDaFicha, rodapé);
    Dizer(ficha.soluções, tradutor, Texto::RodapéDaFicha, rodapé);
    return ficha;
}

// A page of its own, so it carries its style: the key starts on a new
// sheet, and a table or a graph is never cut across two.
std::string FichaEmHtml(const Ficha& ficha, const Tradutor& tradutor)
{
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    html += display::EscaparHtml(tradutor(FonteDe(Texto::TítuloFicha)));
    html += "</title>\n<style>\n"
            "body { font-family: serif; max-width: 50em; margin: 1em auto; }\n"
            ".vx-chave { break-before: page; page-break-before: always; }\n"
            "table, figure { break-inside: avoid; page-break-inside: avoid; }\n"
            "table { border-collapse: collapse; margin: 0.5em 0; }\n"
            "td { padding: 0.1em 0.5em; text-align: right; }\n"
            ".vx-somas td, .vx-subtraida td { border-bottom: 1px solid; }\n"
            ".vx-ruffini td:first-child { border-right: 1px solid; }\n"
            ".vx-sinais td { border: 1px solid; text-align: center; }\n"
            "figure svg { max-width: 100%; height: auto; }\n"
            "</style>\n</head>\n<body>\n<section class=\"vx-ficha\">\n";
    html += EmHtml(ficha.enunciados);
    html += "</section>\n<section class=\"vx-ficha vx-chave\">\n";
    html += EmHtml(ficha.soluções);
    html += "</section>\n</body>\n</html>\n";
    return html;
}

std::string FichaEmLaTeX(const Ficha& ficha, const Tradutor&)
{
    return "\\documentclass{article}\n\\usepackage{amsmath}\n\\begin{document}\n" +
           EmLaTeX(ficha.enunciados) + "\\clearpage\n" + EmLaTeX(ficha.soluções) + "\\end{document}\n";
}

} // namespace vendrix::resolucao
