// SPDX-License-Identifier: MIT
#include "ui/relatos_traduzidos.h"

#include "ui/texto_qt.h"

#include <QCoreApplication>

namespace vendrix::ui {

namespace {

QString Traduzir(const char* fonte) { return QCoreApplication::translate("Form1", fonte); }

// Every code the core can report. The Portuguese texts are the catalogue's
// sources and must stay as the core writes them (the tests compare them);
// "%1" stands for the name or token the text quotes.
const char* FonteDoCódigo(runtime::Código código) noexcept
{
    using enum runtime::Código;
    switch (código) {
    case Nenhum:
        return "";
    case ArgumentoInválido:
        return QT_TRANSLATE_NOOP("Form1", "Argumento inválido.");
    case Transbordo:
        return QT_TRANSLATE_NOOP("Form1", "Excesso de capacidade: o número é demasiado grande.");
    case ÍndiceForaDoIntervalo:
        return QT_TRANSLATE_NOOP("Form1", "Índice fora do intervalo: falta um termo.");
    case DivisãoPorZero:
        return QT_TRANSLATE_NOOP("Form1", "Divisão por zero.");
    case TipoIncompatível:
        return QT_TRANSLATE_NOOP("Form1", "Tipo incompatível: o texto não é um número.");
    case ParêntesesIncorrectos:
        return QT_TRANSLATE_NOOP("Form1", "Número de parênteses incorrecto.");
    case FunçãoNãoDefinida:
        return QT_TRANSLATE_NOOP("Form1", "Função não definida: %1)");
    case VariávelNãoDefinida:
        return QT_TRANSLATE_NOOP("Form1", "Variável não definida: %1");
    case ExpressãoInválida:
        return QT_TRANSLATE_NOOP("Form1", "Expressão inválida");
    case ArgumentoInválidoNaExpressão:
        return QT_TRANSLATE_NOOP("Form1", "Argumento inválido na expressão: %1)");
    case DividendoInválido:
        return QT_TRANSLATE_NOOP("Form1", "O dividendo não é um polinómio válido.");
    case DivisorInválido:
        return QT_TRANSLATE_NOOP("Form1", "O divisor não é um polinómio válido.");
    case NãoÉPolinómio:
        return QT_TRANSLATE_NOOP("Form1", "A expressão não é um polinómio.");
    case GrauAcimaDeNove:
        return QT_TRANSLATE_NOOP("Form1", "O dividendo não pode ter grau superior a nove.");
    case ValoresGrandes:
        return QT_TRANSLATE_NOOP("Form1", "Os valores desta divisão são demasiado grandes para a tabela.");
    case OutrosMonómios:
        return QT_TRANSLATE_NOOP("Form1", "Outros %1 monómios não puderam ser multiplicados.");
    case TextoVazio:
        return QT_TRANSLATE_NOOP("Form1", "Não há nada escrito para ler.");
    case TermoIlegível:
        return QT_TRANSLATE_NOOP("Form1", "O termo «%1» não se lê: escreva termos como 3x^2, -1/2x ou 0.25.");
    case SinalSemTermo:
        return QT_TRANSLATE_NOOP("Form1", "Falta um termo depois do sinal «%1».");
    case ExpoenteGrande:
        return QT_TRANSLATE_NOOP("Form1", "O expoente de «%1» passa de 10000.");
    case DenominadorZero:
        return QT_TRANSLATE_NOOP("Form1", "A fracção em «%1» tem denominador zero.");
    case NúmeroIlegível:
        return QT_TRANSLATE_NOOP(
            "Form1",
            "«%1» não é um número: escreva um inteiro, um decimal como 0.25 ou uma fracção como 1/2.");
    case DivisorNulo:
        return QT_TRANSLATE_NOOP("Form1", "O divisor é o polinómio nulo: não se divide por 0.");
    }
    return nullptr; // a number that names no code
}

} // namespace

QString TítuloTraduzido(runtime::Título título)
{
    using enum runtime::Título;
    switch (título) {
    case Erro1:
        return Traduzir(QT_TRANSLATE_NOOP("Form1", "Erro1 na expressão."));
    case Erro2:
        return Traduzir(QT_TRANSLATE_NOOP("Form1", "Erro2 na expressão."));
    case Erro3:
        return Traduzir(QT_TRANSLATE_NOOP("Form1", "Erro3 na expressão."));
    case Vendrix:
        break;
    }
    return DeUtf8(runtime::TextoDoTítulo(título)); // the program's name, never translated
}

QString DescriçãoTraduzida(const runtime::Erro& erro)
{
    const char* fonte = FonteDoCódigo(erro.código);
    if (fonte == nullptr)
        return Traduzir(QT_TRANSLATE_NOOP("Form1", "Erro %1.")).arg(erro.Número());
    QString texto = Traduzir(fonte);
    if (texto.contains(QLatin1String("%1")))
        texto = texto.arg(DeUtf8(erro.símbolo));
    return texto;
}

QString LegendaTraduzida(engine::Operação operação)
{
    using enum engine::Operação;
    switch (operação) {
    case Soma:
        return Traduzir(QT_TRANSLATE_NOOP("Form1", "Resultado (soma)"));
    case Subtração:
        return Traduzir(QT_TRANSLATE_NOOP("Form1", "Resultado (subtração)"));
    case Multiplicação:
        return Traduzir(QT_TRANSLATE_NOOP("Form1", "Resultado (multiplicação)"));
    }
    return LegendaDoResultado();
}

QString LegendaDoResultado() { return Traduzir(QT_TRANSLATE_NOOP("Form1", "Resultado")); }

} // namespace vendrix::ui
