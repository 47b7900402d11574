<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_PT">
<context>
    <name>Form1</name>
    <message>
        <source>elevado a</source>
        <comment>spoken before a raised exponent</comment>
        <translation>to the power of</translation>
    </message>
    <message>
        <source>Apagar.</source>
        <translation>Clear.</translation>
    </message>
    <message>
        <source>Reduzir os termos semelhantes e ordenar o polinómio.</source>
        <translation>Combine like terms and put the polynomial in order.</translation>
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
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Regra de Ruffini</source>
        <translation>Ruffini&apos;s rule</translation>
    </message>
    <message>
        <source>Opções</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Somar</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Somar o Polinómio1 com o Polinómio2.</source>
        <translation>Add Polynomial 1 and Polynomial 2.</translation>
    </message>
    <message>
        <source>Subtrair</source>
        <translation>Subtract</translation>
    </message>
    <message>
        <source>Subtrair o Polinómio2 do Polinómio1.</source>
        <translation>Subtract Polynomial 2 from Polynomial 1.</translation>
    </message>
    <message>
        <source>Multiplicar</source>
        <translation>Multiply</translation>
    </message>
    <message>
        <source>Multiplicar o Polinómio1 pelo  Polinómio2.</source>
        <translation>Multiply Polynomial 1 by Polynomial 2.</translation>
    </message>
    <message>
        <source>Ruffini</source>
        <translation>Ruffini</translation>
    </message>
    <message>
        <source>Dividir o Polinómio1 pelo  Polinómio2, usando a Regra de Ruffini.</source>
        <translation>Divide Polynomial 1 by Polynomial 2, using Ruffini&apos;s rule.</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Sair do programa.</source>
        <translation>Exit the program.</translation>
    </message>
    <message>
        <source>- Utilize apenas os símbolos dos algarismos e &quot;+&quot;, &quot;-&quot; , &quot;^&quot;, este último para as potências.</source>
        <translation>- Use only the digits and &quot;+&quot;, &quot;-&quot;, &quot;^&quot;, the last one for powers.</translation>
    </message>
    <message>
        <source>- A variável dos polinómios deve ser x. Não são possíveis os polinómios literais, todos devem ter coeficientes numéricos e inteiros.</source>
        <translation>- The variable of the polynomials must be x. Polynomials with letters as coefficients are not possible: every coefficient must be a whole number.</translation>
    </message>
    <message>
        <source>- Pode escrever os polinómios com os monómios por reduzir e desordenados. Clicando no botão azul à direita, eles serão simplificados.</source>
        <translation>- You may type the polynomials with their monomials unreduced and in any order. Clicking the blue button on the right simplifies them.</translation>
    </message>
    <message>
        <source>- Apenas pelo espaço ocupado, os polinómios, para a regra de Ruffini, não devem ter grau maior que dez. Para outras operações não há limitação, mas os resultados poderão ficar parcialmente fora da janela de desenho.</source>
        <translation>- Only because of the room they take, polynomials for Ruffini&apos;s rule must not have a degree greater than ten. Other operations have no limit, but the results may lie partly outside the drawing area.</translation>
    </message>
    <message>
        <source>- Se bem que os polinómios devam ter coeficientes inteiros, para divisor na Regra de Ruffini pode utilizar polinómios que conduzam a quocientes que contenham frações. São válidos divisores do tipo  3x-2  ou  -5x-7.</source>
        <translation>- Although the polynomials must have whole-number coefficients, the divisor in Ruffini&apos;s rule may be a polynomial that leads to quotients with fractions. Divisors such as  3x-2  or  -5x-7  are valid.</translation>
    </message>
    <message>
        <source>- Se utilizar coeficientes que conduzam a valores muito elevados, os resultados parciais poderão não ficar totalmente visíveis. Pode, então, colocar o cursor no retângulo desse parcial e fazê-lo deslocar de modo a visualizar totalmente os valores.</source>
        <translation>- If you use coefficients that lead to very large values, the partial results may not be fully visible. You can then put the cursor on the box of that partial result and scroll it to see the whole value.</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copiar como LaTeX</source>
        <translation>Copy as LaTeX</translation>
    </message>
    <message>
        <source>Copiar tabela</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>Copiar tabela como LaTeX</source>
        <translation>Copy table as LaTeX</translation>
    </message>
</context>
<context>
    <name>JanelaFicha</name>
    <message>
        <source>Ficha de exercícios</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>&amp;Nível:</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>A mesma semente refaz a mesma ficha; vem no rodapé de cada página.</source>
        <translation>The same seed makes the same worksheet again; it is printed in the footer of each page.</translation>
    </message>
    <message>
        <source>&amp;Variante</source>
        <translation>&amp;Variant</translation>
    </message>
    <message>
        <source>Outra semente: os mesmos tipos e nível, outros exercícios.</source>
        <translation>Another seed: the same kinds and level, other exercises.</translation>
    </message>
    <message>
        <source>&amp;Semente:</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <source>Exportar &amp;LaTeX…</source>
        <translation>Export &amp;LaTeX…</translation>
    </message>
    <message>
        <source>Exportar &amp;HTML…</source>
        <translation>Export &amp;HTML…</translation>
    </message>
    <message>
        <source>Exportar &amp;PDF…</source>
        <translation>Export &amp;PDF…</translation>
    </message>
    <message>
        <source>Exportar LaTeX</source>
        <translation>Export LaTeX</translation>
    </message>
    <message>
        <source>ficha.tex</source>
        <translation>worksheet.tex</translation>
    </message>
    <message>
        <source>Documentos LaTeX (*.tex)</source>
        <translation>LaTeX documents (*.tex)</translation>
    </message>
    <message>
        <source>Exportar HTML</source>
        <translation>Export HTML</translation>
    </message>
    <message>
        <source>ficha.html</source>
        <translation>worksheet.html</translation>
    </message>
    <message>
        <source>Páginas HTML (*.html *.htm)</source>
        <translation>HTML pages (*.html *.htm)</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>ficha.pdf</source>
        <translation>worksheet.pdf</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Não foi possível gravar %1.</source>
        <translation>Could not write %1.</translation>
    </message>
</context>
<context>
    <name>JanelaPratica</name>
    <message>
        <source>1 — raízes inteiras</source>
        <translation>1 — whole-number roots</translation>
    </message>
    <message>
        <source>2 — também frações e raízes duplas</source>
        <translation>2 — also fractions and double roots</translation>
    </message>
    <message>
        <source>3 — também fatores do 2.º grau irredutíveis</source>
        <translation>3 — also irreducible quadratic factors</translation>
    </message>
    <message>
        <source>Praticar</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>&amp;Tipo:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>&amp;Nível:</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>A minha r&amp;esposta:</source>
        <translation>My &amp;answer:</translation>
    </message>
    <message>
        <source>Veri&amp;ficar</source>
        <translation>Chec&amp;k</translation>
    </message>
    <message>
        <source>Ver a re&amp;solução</source>
        <translation>Show the solutio&amp;n</translation>
    </message>
    <message>
        <source>&amp;Outro</source>
        <translation>An&amp;other</translation>
    </message>
    <message>
        <source>Resolução</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>Certas à primeira: %1 de %2</source>
        <translation>Right at the first try: %1 of %2</translation>
    </message>
</context>
<context>
    <name>JanelaPrincipal</name>
    <message>
        <source>E&amp;xercício</source>
        <translation>E&amp;xercise</translation>
    </message>
    <message>
        <source>&amp;Dividir Polinómio1 por Polinómio2</source>
        <translation>&amp;Divide Polynomial1 by Polynomial2</translation>
    </message>
    <message>
        <source>&amp;Factorizar Polinómio1</source>
        <translation>&amp;Factorize Polynomial1</translation>
    </message>
    <message>
        <source>&amp;Valor de Polinómio1 em x = …</source>
        <translation>&amp;Value of Polynomial1 at x = …</translation>
    </message>
    <message>
        <source>&amp;Gráfico de Polinómio1</source>
        <translation>&amp;Graph of Polynomial1</translation>
    </message>
    <message>
        <source>Explicar a regra de &amp;Ruffini</source>
        <translation>Explain &amp;Ruffini&apos;s rule</translation>
    </message>
    <message>
        <source>&amp;Editar</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Polinómio1 simplificado</source>
        <translation>Simplified &amp;Polynomial1</translation>
    </message>
    <message>
        <source>P&amp;olinómio2 simplificado</source>
        <translation>Simplified P&amp;olynomial2</translation>
    </message>
    <message>
        <source>&amp;Resultado</source>
        <translation>&amp;Result</translation>
    </message>
    <message>
        <source>&amp;Tabela de Ruffini</source>
        <translation>Ruffini &amp;table</translation>
    </message>
    <message>
        <source>&amp;Quociente</source>
        <translation>&amp;Quotient</translation>
    </message>
    <message>
        <source>R&amp;esto</source>
        <translation>R&amp;emainder</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Sobre o Vendrix</source>
        <translation>&amp;About Vendrix</translation>
    </message>
    <message>
        <source>Sobre o Vendrix</source>
        <translation>About Vendrix</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Vendrix&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calculadora de polinómios de coeficientes inteiros: soma, diferença, produto e divisão pela regra de Ruffini, com as resoluções passo a passo.&lt;/p&gt;&lt;p&gt;Licença MIT.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Vendrix&lt;/b&gt;&lt;/p&gt;&lt;p&gt;A calculator for polynomials with whole-number coefficients: sum, difference, product and division by Ruffini&apos;s rule, with step-by-step worked solutions.&lt;/p&gt;&lt;p&gt;MIT licence.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>D&amp;esenvolver Polinómio1</source>
        <translation>&amp;Expand Polynomial1</translation>
    </message>
    <message>
        <source>Re&amp;solver a equação ou inequação de Polinómio1</source>
        <translation>&amp;Solve the equation or inequality in Polynomial1</translation>
    </message>
    <message>
        <source>Determinar os &amp;parâmetros de Polinómio1</source>
        <translation>Find the &amp;parameters of Polynomial1</translation>
    </message>
    <message>
        <source>Verificar a &amp;minha resposta…</source>
        <translation>Check &amp;my answer…</translation>
    </message>
    <message>
        <source>Pra&amp;ticar…</source>
        <translation>Prac&amp;tise…</translation>
    </message>
    <message>
        <source>Fic&amp;ha de exercícios…</source>
        <translation>Works&amp;heet…</translation>
    </message>
</context>
<context>
    <name>JanelaResolucao</name>
    <message>
        <source>Resolução</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>&amp;Valor de x:</source>
        <translation>&amp;Value of x:</translation>
    </message>
    <message>
        <source>por exemplo 1/2, -3 ou o divisor x+3</source>
        <translation>for example 1/2, -3 or the divisor x+3</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copiar como LaTeX</source>
        <translation>Copy as LaTeX</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Exportar PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>resolucao.pdf</source>
        <translation>solution.pdf</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>C&amp;ondições:</source>
        <translation>C&amp;onditions:</translation>
    </message>
    <message>
        <source>uma por linha: divisível por x-2; P(1) = 5; 2 é raiz dupla</source>
        <translation>one per line: divisible by x-2; P(1) = 5; 2 is a double root</translation>
    </message>
    <message>
        <source>&amp;Resolver</source>
        <translation>&amp;Solve</translation>
    </message>
    <message>
        <source>A minha r&amp;esposta:</source>
        <translation>My &amp;answer:</translation>
    </message>
    <message>
        <source>Veri&amp;ficar</source>
        <translation>Chec&amp;k</translation>
    </message>
    <message>
        <source>Ver a re&amp;solução</source>
        <translation>Show the solutio&amp;n</translation>
    </message>
</context>
<context>
    <name>Legenda</name>
    <message>
        <source>Resultado (soma)</source>
        <translation>Result (sum)</translation>
    </message>
    <message>
        <source>Resultado (subtração)</source>
        <translation>Result (difference)</translation>
    </message>
    <message>
        <source>Resultado (multiplicação)</source>
        <translation>Result (product)</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>Relato</name>
    <message>
        <source>Argumento inválido.</source>
        <translation>Invalid argument.</translation>
    </message>
    <message>
        <source>O termo «%1» vai além do que a calculadora consegue guardar: use números mais pequenos ou menos termos.</source>
        <translation>The term «%1» goes beyond what the calculator can hold: use smaller numbers or fewer terms.</translation>
    </message>
    <message>
        <source>Falta um termo depois do último sinal.</source>
        <translation>A term is missing after the last sign.</translation>
    </message>
    <message>
        <source>Divisão por zero.</source>
        <translation>Division by zero.</translation>
    </message>
    <message>
        <source>O termo «%1» não se lê: escreva um número, x e ^ com um expoente inteiro, como em 3x^2.</source>
        <translation>The term «%1» cannot be read: write a number, x and ^ with a whole exponent, as in 3x^2.</translation>
    </message>
    <message>
        <source>Número de parênteses incorrecto.</source>
        <translation>Wrong number of parentheses.</translation>
    </message>
    <message>
        <source>Função não definida: %1)</source>
        <translation>Undefined function: %1)</translation>
    </message>
    <message>
        <source>Variável não definida: %1</source>
        <translation>Undefined variable: %1</translation>
    </message>
    <message>
        <source>Expressão inválida</source>
        <translation>Invalid expression</translation>
    </message>
    <message>
        <source>Argumento inválido na expressão: %1)</source>
        <translation>Invalid argument in the expression: %1)</translation>
    </message>
    <message>
        <source>O dividendo não é um polinómio válido.</source>
        <translation>The dividend is not a valid polynomial.</translation>
    </message>
    <message>
        <source>O divisor não é um polinómio válido.</source>
        <translation>The divisor is not a valid polynomial.</translation>
    </message>
    <message>
        <source>A expressão não é um polinómio.</source>
        <translation>The expression is not a polynomial.</translation>
    </message>
    <message>
        <source>O dividendo não pode ter grau superior a nove.</source>
        <translation>The dividend cannot have a degree above nine.</translation>
    </message>
    <message>
        <source>Os valores desta divisão são demasiado grandes para a tabela.</source>
        <translation>The values of this division are too large for the table.</translation>
    </message>
    <message>
        <source>Outros %1 monómios não puderam ser multiplicados.</source>
        <translation>%1 more monomials could not be multiplied.</translation>
    </message>
    <message>
        <source>Não há nada escrito para ler.</source>
        <translation>There is nothing written to read.</translation>
    </message>
    <message>
        <source>O termo «%1» não se lê: escreva termos como 3x^2, -1/2x ou 0.25.</source>
        <translation>The term «%1» cannot be read: write terms such as 3x^2, -1/2x or 0.25.</translation>
    </message>
    <message>
        <source>Falta um termo depois do sinal «%1».</source>
        <translation>A term is missing after the sign «%1».</translation>
    </message>
    <message>
        <source>O expoente de «%1» passa de 10000.</source>
        <translation>The exponent of «%1» is over 10000.</translation>
    </message>
    <message>
        <source>A fracção em «%1» tem denominador zero.</source>
        <translation>The fraction in «%1» has a zero denominator.</translation>
    </message>
    <message>
        <source>«%1» não é um número: escreva um inteiro, um decimal como 0.25 ou uma fracção como 1/2.</source>
        <translation>«%1» is not a number: write an integer, a decimal such as 0.25 or a fraction such as 1/2.</translation>
    </message>
    <message>
        <source>O divisor é o polinómio nulo: não se divide por 0.</source>
        <translation>The divisor is the zero polynomial: there is no dividing by 0.</translation>
    </message>
    <message>
        <source>Erro %1.</source>
        <translation>Error %1.</translation>
    </message>
    <message>
        <source>Erro1 na expressão.</source>
        <translation>Error1 in the expression.</translation>
    </message>
    <message>
        <source>Erro2 na expressão.</source>
        <translation>Error2 in the expression.</translation>
    </message>
    <message>
        <source>Erro3 na expressão.</source>
        <translation>Error3 in the expression.</translation>
    </message>
    <message>
        <source>«%1» faz disto uma equação ou uma inequação: para a resolver, use o exercício Resolver.</source>
        <translation>«%1» makes this an equation or an inequality: to solve it, use the Solve exercise.</translation>
    </message>
    <message>
        <source>Para resolver, escreva uma equação ou uma inequação, com =, &lt;, ≤, &gt; ou ≥.</source>
        <translation>To solve, type an equation or an inequality, with =, &lt;, ≤, &gt; or ≥.</translation>
    </message>
</context>
<context>
    <name>Resolucao</name>
    <message>
        <source>Divisão de %1 por %2 pela regra de Ruffini</source>
        <translation>Division of %1 by %2 by Ruffini&apos;s rule</translation>
    </message>
    <message>
        <source>Escrevem-se os coeficientes do dividendo por ordem decrescente do grau, com 0 em cada grau que falta: %1.</source>
        <translation>Write the coefficients of the dividend by falling degree, with 0 for every missing degree: %1.</translation>
    </message>
    <message>
        <source>O divisor %1 anula-se em %2: é a raiz, que se escreve à esquerda da tabela.</source>
        <translation>The divisor %1 is zero at %2: that is the root, written at the left of the table.</translation>
    </message>
    <message>
        <source>Baixa-se o primeiro coeficiente, %1.</source>
        <translation>Bring down the first coefficient, %1.</translation>
    </message>
    <message>
        <source>Multiplica-se %1 pela raiz %2, o que dá %3, escrito na coluna seguinte; somando %4 com %3, obtém-se %5.</source>
        <translation>Multiply %1 by the root %2, which gives %3, written in the next column; adding %4 and %3 gives %5.</translation>
    </message>
    <message>
        <source>Multiplica-se %1 pela raiz %2, o que dá %3, escrito na última coluna; somando %4 com %3, obtém-se %5, o resto.</source>
        <translation>Multiply %1 by the root %2, which gives %3, written in the last column; adding %4 and %3 gives %5, the remainder.</translation>
    </message>
    <message>
        <source>Os números da última linha, sem o último, são os coeficientes do quociente, de grau %1; o último é o resto.</source>
        <translation>The numbers of the bottom row, all but the last, are the coefficients of the quotient, of degree %1; the last one is the remainder.</translation>
    </message>
    <message>
        <source>O coeficiente de x no divisor é %1, e não 1: como %2, a tabela dividiu por %3, e os números da última linha, sem o resto, têm ainda de ser divididos por %1. Dividindo %4 por %1, obtém-se %5; o resto não muda.</source>
        <translation>The coefficient of x in the divisor is %1, not 1: since %2, the table divided by %3, and the numbers of the bottom row, the remainder excepted, must still be divided by %1. Dividing %4 by %1 gives %5; the remainder does not change.</translation>
    </message>
    <message>
        <source>Verificação: o divisor vezes o quociente, mais o resto, dá o dividendo.</source>
        <translation>Check: the divisor times the quotient, plus the remainder, gives the dividend.</translation>
    </message>
    <message>
        <source>Pelo teorema do resto, o resto da divisão por %1 é o valor do dividendo em %2:</source>
        <translation>By the remainder theorem, the remainder of the division by %1 is the value of the dividend at %2:</translation>
    </message>
    <message>
        <source>Valor de %1 em %2 pelo esquema de Horner</source>
        <translation>Value of %1 at %2 by Horner&apos;s scheme</translation>
    </message>
    <message>
        <source>Escrevem-se os coeficientes do polinómio por ordem decrescente do grau, com 0 em cada grau que falta, e %1 à esquerda: %2.</source>
        <translation>Write the coefficients of the polynomial by falling degree, with 0 for every missing degree, and %1 at the left: %2.</translation>
    </message>
    <message>
        <source>O último número é o resto da divisão por %1, que pelo teorema do resto é o valor do polinómio em %2:</source>
        <translation>The last number is the remainder of the division by %1, which by the remainder theorem is the value of the polynomial at %2:</translation>
    </message>
    <message>
        <source>Divisão de %1 por %2</source>
        <translation>Division of %1 by %2</translation>
    </message>
    <message>
        <source>Escreve-se o dividendo à esquerda, por ordem decrescente do grau, e o divisor à direita; o quociente escreve-se debaixo do divisor.</source>
        <translation>Write the dividend at the left, by falling degree, and the divisor at the right; the quotient is written under the divisor.</translation>
    </message>
    <message>
        <source>Divide-se %1 por %2, o que dá %3, um termo do quociente. Multiplica-se %3 pelo divisor e escreve-se o simétrico do produto, %4, debaixo do dividendo; somando, fica %5.</source>
        <translation>Divide %1 by %2, which gives %3, a term of the quotient. Multiply the divisor by %3 and write the opposite of the product, %4, under the dividend; adding leaves %5.</translation>
    </message>
    <message>
        <source>O resto é 0: a divisão é exacta.</source>
        <translation>The remainder is 0: the division is exact.</translation>
    </message>
    <message>
        <source>Como %1 tem grau menor do que o divisor, é o resto.</source>
        <translation>As %1 has a lower degree than the divisor, it is the remainder.</translation>
    </message>
    <message>
        <source>Decomposição de %1 em factores</source>
        <translation>Factorization of %1</translation>
    </message>
    <message>
        <source>Uma constante é a sua própria decomposição.</source>
        <translation>A constant is its own factorization.</translation>
    </message>
    <message>
        <source>Todos os termos têm o factor %1, que se põe em evidência: %2.</source>
        <translation>Every term has the factor %1, which is taken out: %2.</translation>
    </message>
    <message>
        <source>Multiplicando por %1, os coeficientes ficam inteiros e as raízes não mudam: %2.</source>
        <translation>Multiplying by %1 makes the coefficients whole and leaves the roots as they are: %2.</translation>
    </message>
    <message>
        <source>Pelo teorema das raízes racionais, uma raiz racional é um divisor de %1 sobre um divisor de %2. Os candidatos são %3.</source>
        <translation>By the rational root theorem, a rational root is a divisor of %1 over a divisor of %2. The candidates are %3.</translation>
    </message>
    <message>
        <source>Os coeficientes têm divisores de mais para os listar; testam-se só os candidatos que são raízes.</source>
        <translation>The coefficients have too many divisors to list; only the candidates that are roots are tested.</translation>
    </message>
    <message>
        <source>Testam-se os candidatos pelo teorema do resto, até um dar 0: %1 é raiz.</source>
        <translation>Test the candidates with the remainder theorem until one gives 0: %1 is a root.</translation>
    </message>
    <message>
        <source>Pela regra de Ruffini, o quociente é %1, que se decompõe a seguir.</source>
        <translation>By Ruffini&apos;s rule, the quotient is %1, which is factored next.</translation>
    </message>
    <message>
        <source>Nenhum candidato anula %1: não tem raízes racionais.</source>
        <translation>No candidate makes %1 zero: it has no rational roots.</translation>
    </message>
    <message>
        <source>Resta um factor do segundo grau; resolve-se %1 pela fórmula resolvente.</source>
        <translation>A factor of the second degree is left; solve %1 by the quadratic formula.</translation>
    </message>
    <message>
        <source>Como Δ &lt; 0, %1 não tem raízes reais e não se decompõe mais.</source>
        <translation>As Δ &lt; 0, %1 has no real roots and does not factor further.</translation>
    </message>
    <message>
        <source>Como Δ = 0, há uma raiz dupla:</source>
        <translation>As Δ = 0, there is a double root:</translation>
    </message>
    <message>
        <source>Como Δ &gt; 0, há duas raízes reais:</source>
        <translation>As Δ &gt; 0, there are two real roots:</translation>
    </message>
    <message>
        <source>A decomposição em factores é:</source>
        <translation>The factorization is:</translation>
    </message>
    <message>
        <source>%1 é raiz simples.</source>
        <translation>%1 is a simple root.</translation>
    </message>
    <message>
        <source>%1 é raiz de multiplicidade %2.</source>
        <translation>%1 is a root of multiplicity %2.</translation>
    </message>
    <message>
        <source>O quadro de sinais de %1:</source>
        <translation>The sign table of %1:</translation>
    </message>
    <message>
        <source>Gráfico de %1</source>
        <translation>Graph of %1</translation>
    </message>
    <message>
        <source>Gráfico de %1 para x entre %2 e %3 e y entre %4 e %5, com as raízes %6 marcadas.</source>
        <translation>Graph of %1 for x from %2 to %3 and y from %4 to %5, with the roots %6 marked.</translation>
    </message>
    <message>
        <source>Gráfico de %1 para x entre %2 e %3 e y entre %4 e %5, sem raízes reais.</source>
        <translation>Graph of %1 for x from %2 to %3 and y from %4 to %5, with no real roots.</translation>
    </message>
    <message>
        <source>A ordenada na origem, %1, está marcada.</source>
        <translation>The y-intercept %1 is marked.</translation>
    </message>
    <message>
        <source>O eixo dos y fica fora da janela; a ordenada na origem é %1.</source>
        <translation>The y-axis lies outside the window; the y-intercept is %1.</translation>
    </message>
    <message>
        <source>No Polinómio 1, a leitura parou no carácter %1. %2</source>
        <translation>In Polynomial 1, reading stopped at character %1. %2</translation>
    </message>
    <message>
        <source>No Polinómio 2, a leitura parou no carácter %1. %2</source>
        <translation>In Polynomial 2, reading stopped at character %1. %2</translation>
    </message>
    <message>
        <source>No valor de x, a leitura parou no carácter %1. %2</source>
        <translation>In the value of x, reading stopped at character %1. %2</translation>
    </message>
    <message>
        <source>Com o dividendo de grau %1, a divisão é longa de mais para a mostrar passo a passo: dão-se o quociente, o resto e a verificação.</source>
        <translation>With a dividend of degree %1, the division is too long to show step by step: here are the quotient, the remainder and the check.</translation>
    </message>
    <message>
        <source>Com o polinómio de grau %1, o esquema de Horner é longo de mais para o mostrar: dá-se o valor.</source>
        <translation>With a polynomial of degree %1, Horner&apos;s scheme is too long to show: here is the value.</translation>
    </message>
    <message>
        <source>Com grau %1, as tentativas são longas de mais para as mostrar: dão-se a decomposição, as raízes e o quadro de sinais.</source>
        <translation>With degree %1, the trials are too long to show: here are the factorization, the roots and the sign table.</translation>
    </message>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>∨</source>
        <translation>or</translation>
    </message>
    <message>
        <source>Logo, P(x) = 0 ⇔ %1; C.S. = {%2}.</source>
        <translation>So P(x) = 0 ⇔ %1; solution set = {%2}.</translation>
    </message>
    <message>
        <source>Δ &lt; 0: a equação %1 é impossível em ℝ, e %2 não se decompõe em ℝ.</source>
        <translation>Δ &lt; 0: the equation %1 has no solution in ℝ, and %2 does not factor in ℝ.</translation>
    </message>
    <message>
        <source>Em ℂ: %1.</source>
        <translation>In ℂ: %1.</translation>
    </message>
    <message>
        <source>Resolve-se %1 pela fórmula resolvente.</source>
        <translation>Solve %1 by the quadratic formula.</translation>
    </message>
    <message>
        <source>Com a = %1, b = %2 e c = %3:</source>
        <translation>With a = %1, b = %2 and c = %3:</translation>
    </message>
    <message>
        <source>%1 é raiz dupla.</source>
        <translation>%1 is a double root.</translation>
    </message>
    <message>
        <source>%1 é raiz tripla.</source>
        <translation>%1 is a triple root.</translation>
    </message>
    <message>
        <source>Um fator de expoente par, %1, não muda de sinal: nunca é negativo.</source>
        <translation>A factor with an even exponent, %1, keeps its sign: it is never negative.</translation>
    </message>
    <message>
        <source>Pelo teorema das raízes racionais, uma raiz racional é um divisor de %1 sobre um divisor de %2. Testam-se primeiro os inteiros, %3, e depois as frações, %4.</source>
        <translation>By the rational root theorem, a rational root is a divisor of %1 over a divisor of %2. Try the integers first, %3, then the fractions, %4.</translation>
    </message>
    <message>
        <source>Pela regra de Ruffini, o quociente é %1.</source>
        <translation>By Ruffini&apos;s rule, the quotient is %1.</translation>
    </message>
    <message>
        <source>Nenhum candidato anula %1: não tem raízes racionais. As raízes reais localizam-se pelo teorema de Bolzano:</source>
        <translation>No candidate is a root of %1: it has no rational roots. Its real roots are located by Bolzano&apos;s theorem:</translation>
    </message>
    <message>
        <source>%1 e %2: pelo teorema de Bolzano, há uma raiz em ]%3, %4[, %5.</source>
        <translation>%1 and %2: by Bolzano&apos;s theorem, there is a root in (%3, %4), %5.</translation>
    </message>
    <message>
        <source>Em ℝ, cada fator do segundo grau com Δ &gt; 0 decompõe-se pelas suas raízes. A decomposição em ℝ é:</source>
        <translation>In ℝ, each factor of the second degree with Δ &gt; 0 splits by its roots. The factorization in ℝ is:</translation>
    </message>
    <message>
        <source>Não se provou que o último fator não se decompõe: pode ainda decompor-se. Os fatores encontrados são:</source>
        <translation>The last factor is not proved irreducible: it may still split. The factors found are:</translation>
    </message>
    <message>
        <source>É uma equação biquadrada: com y = x^2, fica %1.</source>
        <translation>It is a biquadratic equation: with y = x^2, it becomes %1.</translation>
    </message>
    <message>
        <source>Voltando a x, x^2 = y em cada raiz y; a decomposição em x segue-se.</source>
        <translation>Back to x, x^2 = y for each root y; the factorization in x follows.</translation>
    </message>
    <message>
        <source>Somando e subtraindo, %1 é uma diferença de quadrados: %2.</source>
        <translation>Adding and subtracting, %1 is a difference of squares: %2.</translation>
    </message>
    <message>
        <source>Substitui-se x por %1 no polinómio:</source>
        <translation>Replace x by %1 in the polynomial:</translation>
    </message>
    <message>
        <source>Segundo método: pelo teorema do resto, P(%1) é o resto da divisão por %2, que a regra de Ruffini dá:</source>
        <translation>Second method: by the remainder theorem, P(%1) is the remainder of the division by %2, which Ruffini&apos;s rule gives:</translation>
    </message>
    <message>
        <source>Pelos dois métodos, %1.</source>
        <translation>By both methods, %1.</translation>
    </message>
    <message>
        <source>Gráfico de %1 para x entre %2 e %3 e y entre %4 e %5, com a raiz %6 marcada.</source>
        <translation>Graph of %1 for x from %2 to %3 and y from %4 to %5, with the root %6 marked.</translation>
    </message>
    <message>
        <source>Valor de %1 em %2</source>
        <translation>Value of %1 at %2</translation>
    </message>
    <message>
        <source>É um caso notável, a diferença de quadrados: %1.</source>
        <translation>A special product, the difference of squares: %1.</translation>
    </message>
    <message>
        <source>É um caso notável, o quadrado perfeito: %1.</source>
        <translation>A special product, the perfect square: %1.</translation>
    </message>
    <message>
        <source>É um caso notável, a diferença de cubos: %1.</source>
        <translation>A special product, the difference of cubes: %1.</translation>
    </message>
    <message>
        <source>É um caso notável, a soma de cubos: %1.</source>
        <translation>A special product, the sum of cubes: %1.</translation>
    </message>
    <message>
        <source>O resultado teria cerca de %1 algarismos: ninguém o conseguiria ler. Escreva números mais pequenos ou um polinómio de grau menor.</source>
        <translation>The result would have about %1 digits: no one could read it. Type smaller numbers or a polynomial of lower degree.</translation>
    </message>
    <message>
        <source>%1 mil</source>
        <translation>%1 thousand</translation>
    </message>
    <message>
        <source>%1 milhão de</source>
        <translation>%1 million</translation>
    </message>
    <message>
        <source>%1 milhões de</source>
        <translation>%1 million</translation>
    </message>
    <message>
        <source>%1 mil milhões de</source>
        <translation>%1 billion</translation>
    </message>
    <message>
        <source>Para dividir por %1 use Dividir (divisão longa).</source>
        <translation>To divide by %1, use Divide (long division).</translation>
    </message>
    <message>
        <source>Desenvolvimento de %1</source>
        <translation>Expansion of %1</translation>
    </message>
    <message>
        <source>Pela propriedade distributiva, multiplica-se cada termo de %1 por cada termo de %2:</source>
        <translation>By the distributive property, each term of %1 is multiplied by each term of %2:</translation>
    </message>
    <message>
        <source>%1 é o quadrado de uma soma, %2:</source>
        <translation>%1 is the square of a sum, %2:</translation>
    </message>
    <message>
        <source>%1 é o quadrado de uma diferença, %2:</source>
        <translation>%1 is the square of a difference, %2:</translation>
    </message>
    <message>
        <source>%1 é o produto de uma soma por uma diferença, %2, uma diferença de quadrados:</source>
        <translation>%1 is a sum times a difference, %2, a difference of squares:</translation>
    </message>
    <message>
        <source>Escreve-se a potência %1 como um produto:</source>
        <translation>The power %1 is written as a product:</translation>
    </message>
    <message>
        <source>Reduzem-se os termos semelhantes:</source>
        <translation>Like terms are collected:</translation>
    </message>
    <message>
        <source>Na forma canónica, o polinómio é:</source>
        <translation>In canonical form, the polynomial is:</translation>
    </message>
    <message>
        <source>Resolução de %1</source>
        <translation>Solving %1</translation>
    </message>
    <message>
        <source>Passa-se tudo para o primeiro membro:</source>
        <translation>Everything is moved to the left-hand side:</translation>
    </message>
    <message>
        <source>Desenvolvendo e reduzindo:</source>
        <translation>Expanding and collecting like terms:</translation>
    </message>
    <message>
        <source>Decompondo em fatores:</source>
        <translation>Factoring:</translation>
    </message>
    <message>
        <source>Pela lei do anulamento do produto, um produto é nulo se e só se um dos fatores é nulo:</source>
        <translation>By the zero-product property, a product is zero if and only if one of its factors is zero:</translation>
    </message>
    <message>
        <source> ∨ </source>
        <translation> or </translation>
    </message>
    <message>
        <source>Nenhum fator se anula para x real.</source>
        <translation>No factor is zero for a real x.</translation>
    </message>
    <message>
        <source>A igualdade é verdadeira para todo o x: a equação é possível e indeterminada.</source>
        <translation>The equality holds for every x: the equation is an identity.</translation>
    </message>
    <message>
        <source>A igualdade não é verdadeira para nenhum x: a equação é impossível.</source>
        <translation>The equality holds for no x: the equation is impossible.</translation>
    </message>
    <message>
        <source>A desigualdade é verdadeira para todo o x: é uma condição universal.</source>
        <translation>The inequality holds for every x.</translation>
    </message>
    <message>
        <source>A desigualdade não é verdadeira para nenhum x: é uma condição impossível.</source>
        <translation>The inequality holds for no x.</translation>
    </message>
    <message>
        <source>O quadro de sinais, com uma linha por fator; um fator de expoente par nunca muda de sinal:</source>
        <translation>The sign table, one row per factor; a factor with an even exponent never changes sign:</translation>
    </message>
    <message>
        <source>C.S. = %1</source>
        <translation>Solution set: %1</translation>
    </message>
    <message>
        <source>Acima do grau %1 a decomposição pode não ser completa: os extremos sem forma exata são dados com 10 algarismos significativos, isolados exatamente.</source>
        <translation>Above degree %1 the factorization may not be complete: the endpoints with no exact form are given to 10 significant digits, isolated exactly.</translation>
    </message>
    <message>
        <source>Há raízes reais que não se conseguem isolar neste grau: não se dá o conjunto-solução.</source>
        <translation>Some real roots cannot be isolated at this degree: the solution set is not given.</translation>
    </message>
    <message>
        <source>Gráfico de %1 para x entre %2 e %3 e y entre %4 e %5; nem todas as raízes reais se conseguiram isolar.</source>
        <translation>Graph of %1 for x between %2 and %3 and y between %4 and %5; not every real root could be isolated.</translation>
    </message>
    <message>
        <source>Determine, pela regra de Ruffini, o quociente e o resto da divisão de %1 por %2.</source>
        <translation>Using Ruffini&apos;s rule, find the quotient and the remainder of the division of %1 by %2.</translation>
    </message>
    <message>
        <source>Determine o quociente e o resto da divisão de %1 por %2.</source>
        <translation>Find the quotient and the remainder of the division of %1 by %2.</translation>
    </message>
    <message>
        <source>Sem efetuar a divisão, determine o resto da divisão de %1 por %2.</source>
        <translation>Without dividing, find the remainder of the division of %1 by %2.</translation>
    </message>
    <message>
        <source>Decomponha %1 em fatores.</source>
        <translation>Factor %1.</translation>
    </message>
    <message>
        <source>Resolva, em ℝ, a equação %1.</source>
        <translation>Solve the equation %1 in ℝ.</translation>
    </message>
    <message>
        <source>Resolva, em ℝ, a inequação %1.</source>
        <translation>Solve the inequality %1 in ℝ.</translation>
    </message>
    <message>
        <source>Determine %1 de modo que %2 seja divisível por %3.</source>
        <translation>Find %1 so that %2 is divisible by %3.</translation>
    </message>
    <message>
        <source>Determine %1 de modo que o resto da divisão de %2 por %3 seja %4.</source>
        <translation>Find %1 so that the remainder of the division of %2 by %3 is %4.</translation>
    </message>
    <message>
        <source>Determine %1 de modo que %2 seja raiz dupla de %3.</source>
        <translation>Find %1 so that %2 is a double root of %3.</translation>
    </message>
    <message>
        <source>Determine %1 e %2 de modo que %3 seja divisível por %4 e o resto da sua divisão por %5 seja %6.</source>
        <translation>Find %1 and %2 so that %3 is divisible by %4 and the remainder of its division by %5 is %6.</translation>
    </message>
    <message>
        <source>Determine %1 e %2 de modo que %3 seja raiz dupla de %4.</source>
        <translation>Find %1 and %2 so that %3 is a double root of %4.</translation>
    </message>
    <message>
        <source>divisível por %1</source>
        <translation>divisible by %1</translation>
    </message>
    <message>
        <source>resto da divisão por %1 é %2</source>
        <translation>remainder of the division by %1 is %2</translation>
    </message>
    <message>
        <source>%1 é raiz dupla</source>
        <translation>%1 is a double root</translation>
    </message>
    <message>
        <source>Ficha de exercícios</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Soluções da ficha de exercícios</source>
        <translation>Worksheet answer key</translation>
    </message>
    <message>
        <source>Exercício %1. Resposta: %2</source>
        <translation>Exercise %1. Answer: %2</translation>
    </message>
    <message>
        <source>Nível %1, semente %2: a mesma semente dá a mesma ficha.</source>
        <translation>Level %1, seed %2: the same seed gives the same worksheet.</translation>
    </message>
    <message>
        <source>Determinação de %1 em P(x) = %2</source>
        <translation>Finding %1 in P(x) = %2</translation>
    </message>
    <message>
        <source>Pelo teorema do fator, P(x) é divisível por %1 se e só se P(%2) = 0:</source>
        <translation>By the factor theorem, P(x) is divisible by %1 if and only if P(%2) = 0:</translation>
    </message>
    <message>
        <source>Pelo teorema do resto, o resto da divisão de P(x) por %1 é P(%2), que deve ser %3:</source>
        <translation>By the remainder theorem, the remainder of the division of P(x) by %1 is P(%2), which must be %3:</translation>
    </message>
    <message>
        <source>Substitui-se x por %1 em P(x), que deve valer %2:</source>
        <translation>x is replaced by %1 in P(x), whose value must be %2:</translation>
    </message>
    <message>
        <source>%1 é raiz de P(x) se e só se P(%1) = 0:</source>
        <translation>%1 is a root of P(x) if and only if P(%1) = 0:</translation>
    </message>
    <message>
        <source>%1 é raiz de multiplicidade pelo menos %2 se e só se P(x) e as suas derivadas até à ordem %3 se anulam em x = %1:</source>
        <translation>%1 is a root of multiplicity at least %2 if and only if P(x) and its derivatives up to order %3 vanish at x = %1:</translation>
    </message>
    <message>
        <source>Para a multiplicidade ser exatamente %1, a derivada de ordem %1 não se pode anular em x = %2: %3 ≠ 0.</source>
        <translation>For the multiplicity to be exactly %1, the derivative of order %1 must not vanish at x = %2: %3 ≠ 0.</translation>
    </message>
    <message>
        <source>Divide-se P(x) por %1, com os parâmetros nos coeficientes:</source>
        <translation>P(x) is divided by %1, with the parameters in the coefficients:</translation>
    </message>
    <message>
        <source>O resto é %1; para ser %2, os coeficientes de cada grau são iguais:</source>
        <translation>The remainder is %1; for it to be %2, the coefficients of each degree must be equal:</translation>
    </message>
    <message>
        <source>Juntam-se as equações:</source>
        <translation>The equations together:</translation>
    </message>
    <message>
        <source>%1 é verdadeira para quaisquer valores dos parâmetros.</source>
        <translation>%1 holds for any values of the parameters.</translation>
    </message>
    <message>
        <source>%1 é impossível: nenhum valor dos parâmetros a satisfaz.</source>
        <translation>%1 is impossible: no value of the parameters satisfies it.</translation>
    </message>
    <message>
        <source>Da equação %1, %2.</source>
        <translation>From %1, %2.</translation>
    </message>
    <message>
        <source>Substitui-se %1 nas outras equações:</source>
        <translation>%1 is substituted into the other equations:</translation>
    </message>
    <message>
        <source>As soluções comuns são as raízes do máximo divisor comum das equações, %1:</source>
        <translation>The common solutions are the roots of the greatest common divisor of the equations, %1:</translation>
    </message>
    <message>
        <source>Resolve-se %1:</source>
        <translation>Solving %1:</translation>
    </message>
    <message>
        <source>%1 não tem soluções reais.</source>
        <translation>%1 has no real solutions.</translation>
    </message>
    <message>
        <source>Elimina-se %1 com a resultante de %2 e %3 em ordem a %1:</source>
        <translation>%1 is eliminated with the resultant of %2 and %3 with respect to %1:</translation>
    </message>
    <message>
        <source>Com %1:</source>
        <translation>With %1:</translation>
    </message>
    <message>
        <source>%1 é rejeitada: com este valor, a raiz tem multiplicidade maior do que %2.</source>
        <translation>%1 is rejected: with this value, the root has a multiplicity greater than %2.</translation>
    </message>
    <message>
        <source>Resposta: %1.</source>
        <translation>Answer: %1.</translation>
    </message>
    <message>
        <source>Resposta: não há nenhum valor de %1 que satisfaça as condições.</source>
        <translation>Answer: there is no value of %1 that satisfies the conditions.</translation>
    </message>
    <message>
        <source>Resposta: %1, com %2 ∈ ℝ.</source>
        <translation>Answer: %1, with %2 ∈ ℝ.</translation>
    </message>
    <message>
        <source>Verificação com %1: P(x) = %2.</source>
        <translation>Check with %1: P(x) = %2.</translation>
    </message>
    <message>
        <source>O resto da divisão por %1 é %2.</source>
        <translation>The remainder of the division by %1 is %2.</translation>
    </message>
    <message>
        <source>Os valores irracionais são raízes exatas da equação resolvida; a verificação faz-se com os valores racionais.</source>
        <translation>The irrational values are exact roots of the equation solved; the check is made with the rational values.</translation>
    </message>
    <message>
        <source>%1 tem grau %2 em %3, acima de 12: não se resolve.</source>
        <translation>%1 has degree %2 in %3, above 12: it is not solved.</translation>
    </message>
    <message>
        <source>Nenhum método exato se aplica: nenhuma equação é do primeiro grau num parâmetro, e a resultante não dá valores racionais. Não se dá uma solução aproximada.</source>
        <translation>No exact method applies: no equation is of the first degree in a parameter, and the resultant gives no rational values. No approximate solution is given.</translation>
    </message>
    <message>
        <source>Não se conseguiram isolar todas as raízes reais de %1: não se resolve.</source>
        <translation>Not every real root of %1 could be isolated: it is not solved.</translation>
    </message>
    <message>
        <source>%1 depende de %2, que é irracional: não se dá %1 exatamente.</source>
        <translation>%1 depends on %2, which is irrational: %1 is not given exactly.</translation>
    </message>
    <message>
        <source>O polinómio tem %1 parâmetros (%2): só se resolvem um ou dois.</source>
        <translation>The polynomial has %1 parameters (%2): only one or two are solved.</translation>
    </message>
    <message>
        <source>O polinómio não tem parâmetros: escreva uma letra como k.</source>
        <translation>The polynomial has no parameters: type a letter such as k.</translation>
    </message>
    <message>
        <source>Nas Condições, linha %1, a leitura parou em «%2». %3</source>
        <translation>In the Conditions, line %1, reading stopped at “%2”. %3</translation>
    </message>
    <message>
        <source>A condição «%1» não tem uma destas formas: divisível por D; resto da divisão por D é R; P(c) = v; c é raiz (dupla, tripla, de multiplicidade m).</source>
        <translation>The condition “%1” has none of these forms: divisible by D; remainder of the division by D is R; P(c) = v; c is a root (a double, triple root, a root of multiplicity m).</translation>
    </message>
    <message>
        <source>Resposta: as condições verificam-se para qualquer valor de %1.</source>
        <translation>Answer: the conditions hold for any value of %1.</translation>
    </message>
    <message>
        <source>Certo: a resposta está correta.</source>
        <translation>Right: the answer is correct.</translation>
    </message>
    <message>
        <source>Na resposta, a leitura parou no carácter %1. %2</source>
        <translation>In the answer, reading stopped at character %1. %2</translation>
    </message>
    <message>
        <source>Esta resposta não se consegue verificar exatamente.</source>
        <translation>This answer cannot be checked exactly.</translation>
    </message>
    <message>
        <source>A resposta tem grau ou números grandes demais para ser a desta pergunta.</source>
        <translation>The answer&apos;s degree or numbers are too large for it to answer this question.</translation>
    </message>
    <message>
        <source>O resto %1 não tem grau menor do que o divisor %2: a divisão ainda não acabou.</source>
        <translation>The remainder %1 is not of lower degree than the divisor %2: the division is not finished.</translation>
    </message>
    <message>
        <source>Essa é a divisão por %1, não por %2: o sinal de a trocou-se.</source>
        <translation>That is the division by %1, not by %2: the sign of a was changed.</translation>
    </message>
    <message>
        <source>Essa é a divisão de %1: em %2 escreve-se um 0 no lugar de cada potência de x que falta.</source>
        <translation>That is the division of %1: %2 needs a 0 in place of each missing power of x.</translation>
    </message>
    <message>
        <source>O quociente ficou multiplicado por %1: pela regra de Ruffini com o divisor %2, o quociente divide-se no fim por %1.</source>
        <translation>The quotient is %1 times too large: with Ruffini&apos;s rule by the divisor %2, the quotient is divided by %1 at the end.</translation>
    </message>
    <message>
        <source>O quociente está certo, mas o resto não.</source>
        <translation>The quotient is right, but the remainder is not.</translation>
    </message>
    <message>
        <source>O resto está certo, mas o quociente não.</source>
        <translation>The remainder is right, but the quotient is not.</translation>
    </message>
    <message>
        <source>O quociente e o resto estão errados: D·Q + R dá %1, e não %2.</source>
        <translation>Both the quotient and the remainder are wrong: D·Q + R gives %1, not %2.</translation>
    </message>
    <message>
        <source>A linha de baixo da tabela tem %1 números, um por coluna; a resposta tem %2.</source>
        <translation>The bottom row of the table has %1 numbers, one per column; the answer has %2.</translation>
    </message>
    <message>
        <source>A primeira célula errada é a da linha do meio na coluna %1: o produto %2·%3 não é %4.</source>
        <translation>The first wrong cell is in the middle row, column %1: the product %2·%3 is not %4.</translation>
    </message>
    <message>
        <source>A primeira célula errada é a da linha de baixo na coluna %1: a soma %2 + %3 não é %4.</source>
        <translation>The first wrong cell is in the bottom row, column %1: the sum %2 + %3 is not %4.</translation>
    </message>
    <message>
        <source>As células seguintes só arrastam este erro.</source>
        <translation>The cells after it only carry this mistake.</translation>
    </message>
    <message>
        <source>Outro erro começa na coluna %1.</source>
        <translation>Another mistake starts in column %1.</translation>
    </message>
    <message>
        <source>O produto desenvolvido dá %1, e não %2.</source>
        <translation>The product expands to %1, not %2.</translation>
    </message>
    <message>
        <source>O produto tem grau %1, mas %2 tem grau %3.</source>
        <translation>The product has degree %1, but %2 has degree %3.</translation>
    </message>
    <message>
        <source>O produto desenvolvido tem coeficientes irracionais, por isso não é %1.</source>
        <translation>The product expands with irrational coefficients, so it is not %1.</translation>
    </message>
    <message>
        <source>O produto dá %1, que é %2 a dividir por %3: falta o fator constante %3.</source>
        <translation>The product gives %1, which is %2 divided by %3: the constant factor %3 is missing.</translation>
    </message>
    <message>
        <source>O fator %1 não divide %2: a raiz que lhe corresponde tem o sinal trocado.</source>
        <translation>The factor %1 does not divide %2: the root it stands for has the wrong sign.</translation>
    </message>
    <message>
        <source>O fator %1 ainda se decompõe: anula-se em %2.</source>
        <translation>The factor %1 still splits: it is zero at %2.</translation>
    </message>
    <message>
        <source>O fator %1 ainda se decompõe em ℚ, em %2.</source>
        <translation>The factor %1 still splits over ℚ, into %2.</translation>
    </message>
    <message>
        <source>O fator %1 ainda se decompõe em ℝ: só os fatores de grau 1 e os de grau 2 sem raízes reais não se decompõem, e este tem grau %2.</source>
        <translation>The factor %1 still splits over ℝ: only factors of degree 1, and of degree 2 without real roots, do not, and this one has degree %2.</translation>
    </message>
    <message>
        <source>O fator %1 tem o expoente %2, mas divide %3 exatamente %4 vezes.</source>
        <translation>The factor %1 has the exponent %2, but it divides %3 exactly %4 times.</translation>
    </message>
    <message>
        <source>Esse não é o valor de %1: reveja as contas.</source>
        <translation>That is not the value of %1: check the arithmetic.</translation>
    </message>
    <message>
        <source>Esse é o valor em x = %1, não em x = %2: o sinal de a trocou-se.</source>
        <translation>That is the value at x = %1, not at x = %2: the sign of a was changed.</translation>
    </message>
    <message>
        <source>Reveja as contas em %1: o erro está no termo %2.</source>
        <translation>Check the arithmetic in %1: the mistake is in the term %2.</translation>
    </message>
    <message>
        <source>Falta a solução %1.</source>
        <translation>The solution %1 is missing.</translation>
    </message>
    <message>
        <source>%1 não é solução.</source>
        <translation>%1 is not a solution.</translation>
    </message>
    <message>
        <source>Esse não é o conjunto-solução.</source>
        <translation>That is not the solution set.</translation>
    </message>
    <message>
        <source>Esse é o conjunto-solução de %1: o sentido da desigualdade trocou-se.</source>
        <translation>That is the solution set of %1: the inequality was turned around.</translation>
    </message>
    <message>
        <source>Falta o ponto isolado %1: nessa raiz de multiplicidade par o polinómio anula-se sem mudar de sinal.</source>
        <translation>The isolated point %1 is missing: at that root of even multiplicity the polynomial is zero without changing sign.</translation>
    </message>
    <message>
        <source>%1 não pertence ao conjunto-solução: nessa raiz de multiplicidade par o polinómio anula-se sem mudar de sinal.</source>
        <translation>%1 is not in the solution set: at that root of even multiplicity the polynomial is zero without changing sign.</translation>
    </message>
    <message>
        <source>Os intervalos estão certos, mas %1 pertence ao conjunto-solução: esse extremo é fechado.</source>
        <translation>The intervals are right, but %1 is in the solution set: that end is closed.</translation>
    </message>
    <message>
        <source>Os intervalos estão certos, mas %1 não pertence ao conjunto-solução: esse extremo é aberto.</source>
        <translation>The intervals are right, but %1 is not in the solution set: that end is open.</translation>
    </message>
    <message>
        <source>%1 não é raiz de %2, por isso não pode ser extremo de um intervalo do conjunto-solução.</source>
        <translation>%1 is not a root of %2, so it cannot be an end of an interval of the solution set.</translation>
    </message>
    <message>
        <source>Fatorização: P(x) = %1</source>
        <translation>Factorization: P(x) = %1</translation>
    </message>
    <message>
        <source>Fatorização em ℝ: P(x) = %1</source>
        <translation>Factorization in ℝ: P(x) = %1</translation>
    </message>
    <message>
        <source>Desenvolvimento: P(x) = %1</source>
        <translation>Expansion: P(x) = %1</translation>
    </message>
    <message>
        <source>Como escrever: frações 1/2, decimais 0,5 ou 0.5, potências x^2 ou x², parênteses (x+1)(x-2), e as relações =, &lt;, &lt;=, ≤, &gt;=, ≥.</source>
        <translation>How to write: fractions 1/2, decimals 0.5 or 0,5, powers x^2 or x², brackets (x+1)(x-2), and the relations =, &lt;, &lt;=, ≤, &gt;=, ≥.</translation>
    </message>
    <message>
        <source>A calcular…</source>
        <translation>Working…</translation>
    </message>
    <message>
        <source>Resto da divisão de %1 por %2</source>
        <translation>Remainder of %1 divided by %2</translation>
    </message>
    <message>
        <source>Pelo teorema do resto, o resto da divisão de P(x) por %1 é P(%2), o valor do polinómio em x = %2, sem efetuar a divisão. Substitui-se x por %2:</source>
        <translation>By the remainder theorem, the remainder of P(x) divided by %1 is P(%2), the value of the polynomial at x = %2, with no division done. Replace x by %2:</translation>
    </message>
    <message>
        <source>Pelos dois métodos, o resto da divisão de P(x) por %1 é %2.</source>
        <translation>By both methods, the remainder of P(x) divided by %1 is %2.</translation>
    </message>
    <message>
        <source>Escreva o quociente e o resto, por exemplo «Q = x^2+1; R = 3».</source>
        <translation>Write the quotient and the remainder, for example “Q = x^2+1; R = 3”.</translation>
    </message>
    <message>
        <source>Divisão por x − a (regra de Ruffini)</source>
        <translation>Division by x − a (Ruffini&apos;s rule)</translation>
    </message>
    <message>
        <source>Divisão por ax + b (regra de Ruffini)</source>
        <translation>Division by ax + b (Ruffini&apos;s rule)</translation>
    </message>
    <message>
        <source>Divisão longa por um polinómio do 2.º grau</source>
        <translation>Long division by a quadratic</translation>
    </message>
    <message>
        <source>Teorema do resto</source>
        <translation>Remainder theorem</translation>
    </message>
    <message>
        <source>Fatorização</source>
        <translation>Factorization</translation>
    </message>
    <message>
        <source>Equação</source>
        <translation>Equation</translation>
    </message>
    <message>
        <source>Inequação</source>
        <translation>Inequality</translation>
    </message>
    <message>
        <source>Problema com parâmetros</source>
        <translation>Problem with parameters</translation>
    </message>
</context>
</TS>
