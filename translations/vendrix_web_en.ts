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
        <source>Dividir Polinómio1 por Polinómio2 (Alt+Shift+D)</source>
        <translation>Divide Polynomial 1 by Polynomial 2 (Alt+Shift+D)</translation>
    </message>
    <message>
        <source>Factorizar</source>
        <translation>Factorize</translation>
    </message>
    <message>
        <source>Factorizar Polinómio1 (Alt+Shift+F)</source>
        <translation>Factor Polynomial 1 (Alt+Shift+F)</translation>
    </message>
    <message>
        <source>Desenvolver</source>
        <translation>Expand</translation>
    </message>
    <message>
        <source>Desenvolver Polinómio1 (Alt+Shift+E)</source>
        <translation>Expand Polynomial 1 (Alt+Shift+E)</translation>
    </message>
    <message>
        <source>Resolver</source>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Resolver a equação ou inequação de Polinómio1 (Alt+Shift+R)</source>
        <translation>Solve the equation or inequality in Polynomial 1 (Alt+Shift+R)</translation>
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
        <source>Gráfico de Polinómio1 (Alt+Shift+G)</source>
        <translation>Graph of Polynomial 1 (Alt+Shift+G)</translation>
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
        <source>Copiar a ligação que reabre as caixas e o último comando.</source>
        <translation>Copy the link that reopens the boxes and the last command.</translation>
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
        <source>Desenvolvimento</source>
        <translation>Expansion</translation>
    </message>
    <message>
        <source>Soluções</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Conjunto-solução</source>
        <translation>Solution set</translation>
    </message>
    <message>
        <source>Quadro de sinais</source>
        <translation>Sign table</translation>
    </message>
    <message>
        <source>Copiar a resolução como texto e HTML.</source>
        <translation>Copy the solution as text and HTML.</translation>
    </message>
    <message>
        <source>Copiar a resolução como LaTeX.</source>
        <translation>Copy the solution as LaTeX.</translation>
    </message>
    <message>
        <source>Saltar para os exercícios</source>
        <translation>Skip to the exercises</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Em ℝ</source>
        <translation>In ℝ</translation>
    </message>
    <message>
        <source>Ligação copiada</source>
        <translation>Link copied</translation>
    </message>
    <message>
        <source>Polinómio 1</source>
        <translation>Polynomial 1</translation>
    </message>
    <message>
        <source>Polinómio 2</source>
        <translation>Polynomial 2</translation>
    </message>
    <message>
        <source>Condições</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>A minha resposta</source>
        <translation>My answer</translation>
    </message>
    <message>
        <source>O texto de «%1» tem mais de %2 caracteres e não foi lido.</source>
        <translation>The text of “%1” has more than %2 characters and was not read.</translation>
    </message>
    <message>
        <source>O texto de «%1» tem um carácter de controlo e não foi lido.</source>
        <translation>The text of “%1” holds a control character and was not read.</translation>
    </message>
    <message>
        <source>A página não tem o comando pedido.</source>
        <translation>The page has no such command.</translation>
    </message>
    <message>
        <source>Determinar os parâmetros de Polinómio1 que cumprem as condições</source>
        <translation>Find the parameters of Polynomial 1 that meet the conditions</translation>
    </message>
    <message>
        <source>Parâmetros</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Verificar a minha resposta ao exercício escolhido, sem mostrar a resolução</source>
        <translation>Check my answer to the chosen exercise, without showing the solution</translation>
    </message>
    <message>
        <source>Verificar</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Ver a resolução</source>
        <translation>Show the solution</translation>
    </message>
    <message>
        <source>Escolha o exercício a verificar.</source>
        <translation>Choose the exercise to check.</translation>
    </message>
    <message>
        <source>Praticar</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>Tipo de exercício</source>
        <translation>Kind of exercise</translation>
    </message>
    <message>
        <source>Nível</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Outro exercício deste tipo e nível</source>
        <translation>Another exercise of this kind and level</translation>
    </message>
    <message>
        <source>Outro</source>
        <translation>Another</translation>
    </message>
    <message>
        <source>Certas à primeira: %1 de %2</source>
        <translation>Right at the first try: %1 of %2</translation>
    </message>
    <message>
        <source>Ficha com as soluções</source>
        <translation>Worksheet with its key</translation>
    </message>
    <message>
        <source>Exercícios de cada tipo</source>
        <translation>Exercises of each kind</translation>
    </message>
    <message>
        <source>Semente</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Outra semente: a variante B da mesma ficha</source>
        <translation>Another seed: variant B of the same worksheet</translation>
    </message>
    <message>
        <source>Outra semente</source>
        <translation>Another seed</translation>
    </message>
    <message>
        <source>Descarregar a ficha e as soluções em LaTeX</source>
        <translation>Download the worksheet and its key as LaTeX</translation>
    </message>
    <message>
        <source>Descarregar a ficha e as soluções numa página para imprimir</source>
        <translation>Download the worksheet and its key as a page to print</translation>
    </message>
    <message>
        <source>x ou divisor</source>
        <translation>x or divisor</translation>
    </message>
</context>
</TS>
