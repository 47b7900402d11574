// SPDX-License-Identifier: MIT
#pragma once

#include "ui/resolvedor.h"

#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace vendrix::resolucao {
struct ExercícioGerado;
struct Verificação;
} // namespace vendrix::resolucao

namespace vendrix::ui {

class ExercícioEmFundo;
struct RespostaDoExercício;

// A kind of exercise the core makes, by the name it lists it under, in
// the user's language; a name the core does not know shows as it is.
[[nodiscard]] QString RótuloDoTipo(std::string_view nome);
// Every kind the core lists, its name as the item's data; and the levels,
// the level as the item's data.
void PreencherTipos(QComboBox* caixa);
void PreencherNíveis(QComboBox* caixa);

// Practice: an exercise made for the kind and level picked, the student's
// answer checked by the core off the window's thread, and the worked
// solution only when asked for. Outro draws another one from a new seed.
// The count of exercises right at the first check, out of those checked,
// lasts as long as the window. Properties: enunciado (the statement as
// plain text), semente (the seed, in decimal), veredicto, erro and
// explicacao of the last check.
class Pratica : public QWidget
{
    Q_OBJECT

public:
    explicit Pratica(Resolvedor resolvedor, QWidget* parent = nullptr);
    ~Pratica() override;

    Pratica(const Pratica&) = delete;
    Pratica& operator=(const Pratica&) = delete;

    // The exercise of the kind and level on show from this seed.
    void Gerar(std::uint64_t semente);

private:
    void Outro_Click();
    void Verificar_Click();
    void VerResolucao_Click();
    void Correr(const std::string& texto);
    void Respondido(const RespostaDoExercício& respondido);
    void MostrarVerificação(const resolucao::Verificação& v);
    void MarcarResposta(std::size_t posição);
    // Counts the first verdict on the exercise on show, if one is given,
    // and shows the count.
    void Contar(std::optional<bool> certo = std::nullopt);

    Resolvedor resolvedor;
    std::unique_ptr<ExercícioEmFundo> emFundo;
    std::unique_ptr<resolucao::ExercícioGerado> exercício;
    QComboBox* tipo = nullptr;
    QComboBox* nível = nullptr;
    QLabel* Enunciado = nullptr;
    QLineEdit* resposta = nullptr;
    QLabel* Veredicto = nullptr;
    QLabel* Contagem = nullptr;
    QPushButton* VerResolucao = nullptr;
    QTextBrowser* documento = nullptr;
    bool verificando = false; // the request running checks an answer
    bool tentado = false;     // the exercise on show has had its first verdict
    int certas = 0;
    int tentadas = 0;
};

} // namespace vendrix::ui
