// SPDX-License-Identifier: MIT
#include "resolucao/divisao_longa.h"

#include "algebra/dividir.h"
#include "algebra/expandir.h"
#include "resolucao/escrita.h"

#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::ComoExpressão;
using algebra::Polinómio;
using algebra::Racional;

// One row of the layout: the terms of p in the columns of degrees
// grau … 0, each with its sign, but for a positive first term of the
// dividend; 0 in the last column for the zero polynomial.
[[nodiscard]] DivisãoLonga::Linha Linha(const Polinómio& p, std::size_t grau, bool dividendo = false)
{
    std::vector<DivisãoLonga::Célula> linha(grau + 1);
    if (algebra::ÉZero(p)) {
        linha.back().termo = algebra::Número(0);
        return linha;
    }
    bool primeiro = dividendo;
    for (std::size_t k = p.coeficientes.size(); k-- > 0;) {
        const Racional& c = p.coeficientes[k];
        if (c.sign() == 0 || k > grau)
            continue;
        linha[grau - k] = {ComoExpressão(algebra::Monómio(c, k)), c.sign() > 0 && !primeiro};
        primeiro = false;
    }
    return linha;
}

[[nodiscard]] algebra::Expressão Dominante(const Polinómio& p)
{
    return ComoExpressão(algebra::Monómio(algebra::CoeficienteDominante(p), algebra::Grau(p)));
}

// "Q(x) = x^2-3x+4", "R(x) = 7", then the check of the division.
void Conclusão(Documento& doc, const Tradutor& tradutor, const Polinómio& d, const algebra::Divisão& qr)
{
    const auto igual = [](std::string nome, const Polinómio& p) {
        return algebra::Relação(
            algebra::Nó::Igual, algebra::Nome(std::move(nome), {algebra::X()}), ComoExpressão(p));
    };
    Mostrar(doc, igual("Q", qr.quociente));
    Mostrar(doc, igual("R", qr.resto));
    Dizer(doc, tradutor, Texto::Verificação);
    Mostrar(doc, ProvaDaDivisão(d, qr.quociente, qr.resto));
}

} // namespace

runtime::Resultado<DivisãoResolvida>
ResolverDivisãoLonga(const Polinómio& dividendo, const Polinómio& divisor, const Tradutor& tradutor)
{
    auto divisão = algebra::Dividir(dividendo, divisor);
    if (!divisão.Ok())
        return divisão.Falha();
    algebra::Divisão qr = std::move(divisão).Valor();
    const std::size_t grau = algebra::Grau(dividendo);
    Documento doc;
    const algebra::Expressão d = ComoExpressão(divisor);
    Intitular(doc, tradutor, Texto::TítuloDivisãoLonga, {ComoExpressão(dividendo), d});
    if (!ComPassos(grau, algebra::TamanhoDaDivisão(dividendo, divisor))) {
        Dizer(doc, tradutor, Texto::DivisãoSemPassos, {std::to_string(grau)});
        Conclusão(doc, tradutor, divisor, qr);
        return DivisãoResolvida{std::move(doc), std::move(qr.quociente), std::move(qr.resto)};
    }
    Dizer(doc, tradutor, Texto::DisposiçãoLonga);

    DivisãoLonga quadro{d, ComoExpressão(qr.quociente), {Linha(dividendo, grau, true)}, {}};
    Polinómio resto = dividendo;
    while (!algebra::ÉZero(resto) && algebra::Grau(resto) >= algebra::Grau(divisor)) {
        const Polinómio termo =
            algebra::Monómio(algebra::CoeficienteDominante(resto) / algebra::CoeficienteDominante(divisor),
                             algebra::Grau(resto) - algebra::Grau(divisor));
        const Polinómio simétrico = -(termo * divisor);
        algebra::Expressão antes = Dominante(resto);
        resto = resto + simétrico;
        Dizer(doc,
              tradutor,
              Texto::PassoLongo,
              {std::move(antes),
               Dominante(divisor),
               ComoExpressão(termo),
               ComoExpressão(simétrico),
               ComoExpressão(resto)});
        quadro.linhas.push_back(Linha(simétrico, grau));
        quadro.subtraídas.resize(quadro.linhas.size(), false);
        quadro.subtraídas.back() = true;
        quadro.linhas.push_back(Linha(resto, grau));
    }
    // A divisor of higher degree leaves the dividend whole: the row under
    // it stays empty, and the quotient 0 stands in its place.
    if (quadro.linhas.size() == 1)
        quadro.linhas.emplace_back(std::vector<DivisãoLonga::Célula>(grau + 1));
    quadro.subtraídas.resize(quadro.linhas.size(), false);
    doc.blocos.emplace_back(std::move(quadro));
    if (algebra::ÉZero(resto))
        Dizer(doc, tradutor, Texto::DivisãoExacta);
    else
        Dizer(doc, tradutor, Texto::RestoDeGrauMenor, {ComoExpressão(resto)});
    Conclusão(doc, tradutor, divisor, qr);
    return DivisãoResolvida{std::move(doc), std::move(qr.quociente), std::move(qr.resto)};
}

} // namespace vendrix::resolucao
