// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Just enough JSON writing for the answers the page receives: objects,
// arrays, texts, numbers and booleans, written in order into one text.
// A debug build asserts that every object and array is closed, by its own
// kind of closing, before the text is taken.
namespace vendrix::web {

class EscritorJson
{
public:
    // Opens an object or an array, as the value of a key when one is given.
    void AbrirObjecto(std::string_view chave = {});
    void FecharObjecto();
    void AbrirLista(std::string_view chave = {});
    void FecharLista();

    void Texto(std::string_view chave, std::string_view valor);
    void Texto(std::string_view valor); // an element of a list
    void Inteiro(std::string_view chave, long long valor);
    void Número(std::string_view chave, double valor); // null when not finite
    void Lógico(std::string_view chave, bool valor);
    void Nulo(std::string_view chave = {}); // without a key: an element of a list

    [[nodiscard]] const std::string& Resultado() const noexcept;

private:
    void Abrir(std::string_view chave, char abertura);
    void Fechar(char abertura, char fecho);
    void Chave(std::string_view chave);
    void Separar();
    void Aspas(std::string_view texto);
    char* Reservar(std::size_t bytes); // where to write that many more

    std::string saída;
    std::string abertos;  // the '{' and '[' not yet closed, innermost last
    bool primeiro = true; // nothing written yet in the open object or list
};

} // namespace vendrix::web
