<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_PT">
<!-- The web page's own texts, which the window does not have; the page
     reads them with vendrix_en.ts (web/catalogo.py). -->
<context>
    <name>Pagina</name>
    <message>
        <source>Polinómio 1 simplificado</source>
        <translation>Polynomial 1 simplified</translation>
    </message>
    <message>
        <source>Polinómio 2 simplificado</source>
        <translation>Polynomial 2 simplified</translation>
    </message>
    <message>
        <source>Polinómio %1 simplificado: %2</source>
        <translation>Polynomial %1 simplified: %2</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Língua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copiar Q(x)</source>
        <translation>Copy Q(x)</translation>
    </message>
    <message>
        <source>Copiar Q(x) como LaTeX</source>
        <translation>Copy Q(x) as LaTeX</translation>
    </message>
    <message>
        <source>Copiar o polinómio 1 simplificado como texto e HTML.</source>
        <translation>Copy the simplified polynomial 1 as text and HTML.</translation>
    </message>
    <message>
        <source>Copiar o polinómio 1 simplificado como LaTeX.</source>
        <translation>Copy the simplified polynomial 1 as LaTeX.</translation>
    </message>
    <message>
        <source>Copiar o polinómio 2 simplificado como texto e HTML.</source>
        <translation>Copy the simplified polynomial 2 as text and HTML.</translation>
    </message>
    <message>
        <source>Copiar o polinómio 2 simplificado como LaTeX.</source>
        <translation>Copy the simplified polynomial 2 as LaTeX.</translation>
    </message>
    <message>
        <source>Copiar o resultado como texto e HTML.</source>
        <translation>Copy the result as text and HTML.</translation>
    </message>
    <message>
        <source>Copiar o resultado como LaTeX.</source>
        <translation>Copy the result as LaTeX.</translation>
    </message>
    <message>
        <source>Copiar o quociente como texto e HTML.</source>
        <translation>Copy the quotient as text and HTML.</translation>
    </message>
    <message>
        <source>Copiar o quociente como LaTeX.</source>
        <translation>Copy the quotient as LaTeX.</translation>
    </message>
    <message>
        <source>Copiar a tabela de Ruffini como texto e HTML.</source>
        <translation>Copy Ruffini&apos;s table as text and HTML.</translation>
    </message>
    <message>
        <source>Copiar a tabela de Ruffini como LaTeX.</source>
        <translation>Copy Ruffini&apos;s table as LaTeX.</translation>
    </message>
    <message>
        <source>Calculadora de polinómios com a regra de Ruffini</source>
        <translation>Polynomial calculator with Ruffini&apos;s rule</translation>
    </message>
    <message>
        <source>O Vendrix precisa de JavaScript para calcular.</source>
        <translation>Vendrix needs JavaScript to calculate.</translation>
    </message>
    <message>
        <source>Exercícios</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Dividir</source>
        <translation>Divide</translation>
    </message>
    <message>
        <source>Dividir Polinómio1 por Polinómio2</source>
        <translation>Divide Polynomial1 by Polynomial2</translation>
    </message>
    <message>
        <source>Factorizar</source>
        <translation>Factorize</translation>
    </message>
    <message>
        <source>Factorizar Polinómio1</source>
        <translation>Factorize Polynomial1</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Valor de Polinómio1 em x = …</source>
        <translation>Value of Polynomial1 at x = …</translation>
    </message>
    <message>
        <source>Gráfico</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Gráfico de Polinómio1</source>
        <translation>Graph of Polynomial1</translation>
    </message>
    <message>
        <source>Explicar Ruffini</source>
        <translation>Explain Ruffini</translation>
    </message>
    <message>
        <source>Explicar a regra de Ruffini</source>
        <translation>Explain Ruffini&apos;s rule</translation>
    </message>
    <message>
        <source>Partilhar</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Copiar a ligação que reabre este exercício.</source>
        <translation>Copy the link that opens this exercise again.</translation>
    </message>
    <message>
        <source>Factorização</source>
        <translation>Factorization</translation>
    </message>
    <message>
        <source>Raízes reais</source>
        <translation>Real roots</translation>
    </message>
    <message>
        <source>Sinais</source>
        <translation>Signs</translation>
    </message>
    <message>
        <source>Copiar a resolução como texto e HTML.</source>
        <translation>Copy the solution as text and HTML.</translation>
    </message>
    <message>
        <source>Copiar a resolução como LaTeX.</source>
        <translation>Copy the solution as LaTeX.</translation>
    </message>
</context>
</TS>
