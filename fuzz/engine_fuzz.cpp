// SPDX-License-Identifier: MIT
#include "engine/comandos.h"
#include "runtime/erro.h"

#include <algorithm>
#include <cstdlib>

using namespace vendrix;
using enum runtime::Código;

// Every box must be an engine failure report ("Erro1/2/3 ...") of a known failure.
struct Verificador final : runtime::ServiçoDeMensagens
{
    void Mostrar(std::string_view título, std::string_view texto, runtime::Ícone ícone) override
    {
        const auto é = [&](runtime::Código c) { return texto == Falhar(c).Descrição(); };
        // The product's last box may count the failing monomials not shown.
        const bool outros = título == "Erro3 na expressão." && texto.starts_with("Outros ") &&
                            texto.ends_with(" monómios não puderam ser multiplicados.");
        if (ícone != runtime::Ícone::Crítico || !título.starts_with("Erro") ||
            !(é(Transbordo) || é(TipoIncompatível) || é(ÍndiceForaDoIntervalo) || outros))
            std::abort();
        ++caixas;
    }

    int caixas = 0;
};

// The two input texts are split at the first newline.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* dados, std::size_t tamanho)
{
    const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    const std::size_t quebra = std::min(texto.find('\n'), texto.size());
    const std::string_view a = texto.substr(0, quebra), b = texto.substr(std::min(quebra + 1, texto.size()));
    Verificador v, w;
    (void)engine::Somar(a, b, v), (void)engine::Subtrair(a, b, v), (void)engine::Multiplicar(a, b, v);
    const std::string r = engine::SimplificarPolinómio(a, v).Resultado;
    // Whole coefficients below 10^7 read back exactly: simplifying again changes nothing.
    if (r.find_first_of("E.") == r.npos && (engine::SimplificarPolinómio(r, w).Resultado != r || w.caixas))
        std::abort();
    return 0;
}
