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
</context>
</TS>
