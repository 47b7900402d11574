// SPDX-License-Identifier: MIT
#include "resolucao/divisao_longa.h"

#include "algebra/dividir.h"
#include "resolucao/escrita.h"

#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;
using algebra::Racional;

// One row of the layout: the terms of p in the columns of degrees
// grau … 0, each with its sign, but for a positive first term of the
// dividend; "0" in the last column for the zero polynomial.
[[nodiscard]] std::vector<std::string> Linha(const Polinómio& p, std::size_t grau, bool dividendo = false)
{
    std::vector<std::string> linha(grau + 1);
    if (algebra::ÉZero(p)) {
        linha.back() = "0";
        return linha;
    }
    bool primeiro = dividendo;
    for (std::size_t k = p.coeficientes.size(); k-- > 0;) {
        const Racional& c = p.coeficientes[k];
        if (c == 0 || k > grau)
            continue;
        linha[grau - k] = (c > 0 && !primeiro ? "+" : "") + algebra::Escrever(algebra::Monómio(c, k));
        primeiro = false;
    }
    return linha;
}

[[nodiscard]] std::string Dominante(const Polinómio& p)
{
    return algebra::Escrever(algebra::Monómio(algebra::CoeficienteDominante(p), algebra::Grau(p)));
}

} // namespace

runtime::Resultado<DivisãoResolvida>
ResolverDivisãoLonga(const Polinómio& dividendo, const Polinómio& divisor, const Tradutor& tradutor)
{
    const auto divisão = algebra::Dividir(dividendo, divisor);
    if (!divisão.Ok())
        return divisão.Falha();
    const std::size_t grau = algebra::Grau(dividendo);
    Documento doc;
    const std::string d = algebra::Escrever(divisor);
    Intitular(doc, tradutor, Texto::TítuloDivisãoLonga, {algebra::Escrever(dividendo), d});
    if (!ComPassos(grau, algebra::TamanhoDaDivisão(dividendo, divisor))) {
        const algebra::Divisão& qr = divisão.Valor();
        Dizer(doc, tradutor, Texto::DivisãoSemPassos, {std::to_string(grau)});
        doc.blocos.emplace_back(Destaque{"Q(x) = " + algebra::Escrever(qr.quociente)});
        doc.blocos.emplace_back(Destaque{"R(x) = " + algebra::Escrever(qr.resto)});
        Dizer(doc, tradutor, Texto::Verificação);
        doc.blocos.emplace_back(Destaque{ProvaDaDivisão(divisor, qr.quociente, qr.resto)});
        return DivisãoResolvida{std::move(doc), qr.quociente, qr.resto};
    }
    Dizer(doc, tradutor, Texto::DisposiçãoLonga);

    DivisãoLonga quadro{d, algebra::Escrever(divisão.Valor().quociente), {Linha(dividendo, grau, true)}, {}};
    Polinómio resto = dividendo;
    while (!algebra::ÉZero(resto) && algebra::Grau(resto) >= algebra::Grau(divisor)) {
        const Polinómio termo =
            algebra::Monómio(algebra::CoeficienteDominante(resto) / algebra::CoeficienteDominante(divisor),
                             algebra::Grau(resto) - algebra::Grau(divisor));
        const Polinómio simétrico = -(termo * divisor);
        const std::string antes = Dominante(resto);
        resto = resto + simétrico;
        Dizer(doc,
              tradutor,
              Texto::PassoLongo,
              {antes,
               Dominante(divisor),
               algebra::Escrever(termo),
               algebra::Escrever(simétrico),
               algebra::Escrever(resto)});
        quadro.linhas.push_back(Linha(simétrico, grau));
        quadro.subtraídas.resize(quadro.linhas.size(), false);
        quadro.subtraídas.back() = true;
        quadro.linhas.push_back(Linha(resto, grau));
    }
    // A divisor of higher degree leaves the dividend whole: the row under
    // it stays empty, and the quotient 0 stands in its place.
    if (quadro.linhas.size() == 1)
        quadro.linhas.emplace_back(grau + 1);
    quadro.subtraídas.resize(quadro.linhas.size(), false);
    doc.blocos.emplace_back(std::move(quadro));
    if (algebra::ÉZero(resto))
        Dizer(doc, tradutor, Texto::DivisãoExacta);
    else
        Dizer(doc, tradutor, Texto::RestoDeGrauMenor, {algebra::Escrever(resto)});
    doc.blocos.emplace_back(Destaque{"Q(x) = " + algebra::Escrever(divisão.Valor().quociente)});
    doc.blocos.emplace_back(Destaque{"R(x) = " + algebra::Escrever(resto)});
    Dizer(doc, tradutor, Texto::Verificação);
    doc.blocos.emplace_back(Destaque{ProvaDaDivisão(divisor, divisão.Valor().quociente, resto)});
    return DivisãoResolvida{std::move(doc), divisão.Valor().quociente, std::move(resto)};
}

} // namespace vendrix::resolucao
