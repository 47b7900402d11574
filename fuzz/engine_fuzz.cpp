// SPDX-License-Identifier: MIT
#include "engine/comandos.h"
#include "runtime/erro.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace vendrix;
using enum runtime::Código;

// Every report must be an engine failure report ("Erro1/2/3 ...") of a known failure.
void Verificar(const std::vector<runtime::Relato>& relatos)
{
    for (const runtime::Relato& r : relatos) {
        const auto é = [&](runtime::Código c) { return r.erro.código == c; };
        // The product's last box may count the failing monomials not shown.
        const bool outros = r.título == runtime::Título::Erro3 && é(OutrosMonómios);
        if (r.ícone != runtime::Ícone::Crítico || r.título == runtime::Título::Vendrix ||
            !(é(Transbordo) || é(TipoIncompatível) || é(ÍndiceForaDoIntervalo) || outros))
            std::abort();
    }
}

// The two input texts are split at the first newline.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* dados, std::size_t tamanho)
{
    const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    const std::size_t quebra = std::min(texto.find('\n'), texto.size());
    const std::string_view a = texto.substr(0, quebra), b = texto.substr(std::min(quebra + 1, texto.size()));
    Verificar(engine::Somar(a, b).relatos);
    Verificar(engine::Subtrair(a, b).relatos);
    Verificar(engine::Multiplicar(a, b).relatos);
    const engine::Simplificação s = engine::SimplificarPolinómio(a);
    Verificar(s.relatos);
    const std::string& r = s.Resultado;
    // Whole coefficients below 10^7 read back exactly: simplifying again changes nothing.
    if (r.find_first_of("E.") == r.npos) {
        const engine::Simplificação outra = engine::SimplificarPolinómio(r);
        if (outra.Resultado != r || !outra.relatos.empty())
            std::abort();
    }
    return 0;
}
