// SPDX-License-Identifier: MIT
#include "engine/comandos.h"
#include "engine/termos.h"
#include "runtime/erro.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
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

// The terms of a simplified text read back in single precision, one per degree.
std::optional<std::vector<engine::Termo>> LerTabela(std::string_view texto)
{
    const std::string separado = engine::SepararTermos(engine::GuardaDoMenos(texto));
    std::vector<engine::Termo> tabela;
    engine::Termos termos(separado);
    while (const auto termo = termos.Próximo()) {
        const auto lido = engine::LerTermo(*termo);
        if (!lido.Ok())
            return std::nullopt;
        tabela.push_back(lido.Valor());
    }
    return tabela;
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
    // A coefficient is written with seven digits, so the first result may
    // read back as another number ("x+0.0000001x" gives "1x", then "x").
    // From there on nothing moves: both texts read back as the same table.
    // Exponent forms split at their sign when read again, so they are left out.
    if (r.find('E') == r.npos) {
        const engine::Simplificação outra = engine::SimplificarPolinómio(r);
        const auto antes = LerTabela(r);
        if (!outra.relatos.empty() || !antes || antes != LerTabela(outra.Resultado))
            std::abort();
    }
    return 0;
}
