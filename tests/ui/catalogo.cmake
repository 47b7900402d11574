# Runs lupdate over the window's code and the core's texts (marked by
# VENDRIX_TEXTO, in the files ui/CMakeLists.txt names) into a copy of each catalogue and
# fails when a text of the code is missing or unfinished in it, or when it
# keeps a text the code no longer has. The web page's own texts
# (vendrix_web_*.ts) are no text of the window's code: they are only
# checked to be finished, web/catalogo.py refusing them otherwise too.
file(GLOB catalogos "${FONTE}/translations/*.ts")
if(NOT catalogos)
    message(FATAL_ERROR "no catalogue in ${FONTE}/translations")
endif()
foreach(catalogo IN LISTS catalogos)
    get_filename_component(nome "${catalogo}" NAME)
    set(copia "${DESTINO}/${nome}")
    file(COPY_FILE "${catalogo}" "${copia}")
    if(NOT nome MATCHES "^vendrix_web_")
        execute_process(
            COMMAND "${LUPDATE}" "${FONTE}/ui" "${FONTE}/runtime/mensagens.cpp" "${FONTE}/resolucao/textos.h" "${FONTE}/resolucao/textos_tutor.h" -extensions cpp,h -locations none -no-ui-lines
                    -tr-function-alias QT_TRANSLATE_NOOP+=VENDRIX_TEXTO -ts "${copia}"
            RESULT_VARIABLE estado OUTPUT_VARIABLE saida ERROR_VARIABLE erros)
        if(NOT estado EQUAL 0)
            message(FATAL_ERROR "lupdate failed on ${nome}: ${saida}${erros}")
        endif()
    endif()
    file(STRINGS "${copia}" por_fazer REGEX "type=\"(unfinished|vanished|obsolete)\"")
    if(por_fazer)
        list(LENGTH por_fazer quantos)
        message(FATAL_ERROR "${nome}: ${quantos} unfinished or obsolete entries; run "
                            "`cmake --build --preset dev --target update_translations` and translate them")
    endif()
endforeach()
