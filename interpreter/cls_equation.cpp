// SPDX-License-Identifier: MIT
#include "interpreter/cls_equation.h"

#include "interpreter/tokenizar.h"

namespace vendrix::interpreter {

namespace {

// Lower case for ASCII and for the upper-case letters of Latin-1 written in
// UTF-8 (À to Þ but ×), the letters a Portuguese user types; every other
// byte is kept, so invalid UTF-8 stays as it came.
void EmMinúsculas(std::string& texto) noexcept
{
    for (std::size_t i = 0; i < texto.size(); ++i) {
        char& c = texto[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (c == '\xC3' && i + 1 < texto.size()) {
            const auto seguinte = static_cast<unsigned char>(texto[i + 1]);
            if (seguinte >= 0x80 && seguinte <= 0x9E && seguinte != 0x97)
                texto[i + 1] = static_cast<char>(seguinte + 0x20);
            ++i;
        }
    }
}

std::string Chave(std::string_view nome)
{
    std::string chave(nome);
    EmMinúsculas(chave);
    return chave;
}

} // namespace

clsEquation::clsEquation()
    : clsEquation(SementesDoRelógio())
{}

clsEquation::clsEquation(FonteDeSementes sementes)
    : gerador(std::move(sementes))
{}

void clsEquation::Graus(bool b)
{
    if (b == graus)
        return;
    graus = b;
    desactualizado = true;
}

bool clsEquation::Graus() const noexcept { return graus; }

void clsEquation::VarClear()
{
    variáveis.clear();
    desactualizado = true;
}

void clsEquation::Equation(std::string_view e)
{
    expressão.assign(e);
    EmMinúsculas(expressão);
    analisado = false;
    desactualizado = true;
}

const std::string& clsEquation::Equation() const noexcept { return expressão; }

void clsEquation::VarRemove(std::string_view Name)
{
    if (const auto achada = variáveis.find(Chave(Name)); achada != variáveis.end())
        variáveis.erase(achada);
    desactualizado = true;
}

runtime::Resultado<double> clsEquation::Solution()
{
    if (desactualizado) {
        if (auto r = Solve(); !r.Ok())
            return r.Falha();
    }
    return solução;
}

runtime::Resultado<void> clsEquation::Tokenize()
{
    temSímbolos = true;
    auto r = Tokenizar(expressão, símbolos);
    analisado = r.Ok(); // a text that failed is split again on the next solve
    return r;
}

runtime::Resultado<void> clsEquation::Solve()
{
    if (!analisado) {
        if (auto r = Tokenize(); !r.Ok())
            return ErroDoInterpretador(r.Falha());
    }
    if (!temSímbolos)
        return ErroDoInterpretador(Falha(runtime::Código::ÍndiceForaDoIntervalo));
    Ambiente ambiente{variáveis, Contexto{graus, gerador}};
    const auto valor = Avaliar(símbolos, ambiente, valores);
    if (!valor.Ok())
        return ErroDoInterpretador(valor.Falha());
    solução = valor.Valor();
    desactualizado = false;
    return {};
}

double clsEquation::Var(std::string_view Name) const
{
    const auto achada = variáveis.find(Chave(Name));
    return achada == variáveis.end() ? 0 : achada->second;
}

void clsEquation::Var(std::string_view Name, double Num)
{
    desactualizado = true;
    variáveis.insert_or_assign(Chave(Name), Num);
}

} // namespace vendrix::interpreter
