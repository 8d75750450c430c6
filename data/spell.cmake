# son.dic from Debian's hunspell-pl, compiled by mkdict into the XTensions
# folder (copied from WIRSEL_PREBUILT_DATA when that is set), with the list of
# mixed-case forms that mkdict writes beside it (son-mixed.dic).
set(SPELL_AFF /usr/share/hunspell/pl_PL.aff)
set(SPELL_DIC /usr/share/hunspell/pl_PL.dic)
set(SON_DIC ${WIRSEL_XTENSIONS_DIR}/son.dic)
set(SON_MIXED ${WIRSEL_XTENSIONS_DIR}/son-mixed.dic)
if(WIRSEL_PREBUILT_DATA)
  # A prebuilt folder from before the mixed-case list has none; the engine
  # then reads without it.
  add_custom_command(OUTPUT ${SON_DIC}
    COMMAND ${CMAKE_COMMAND} -E copy ${WIRSEL_PREBUILT_DATA}/son.dic ${SON_DIC}
    COMMAND ${CMAKE_COMMAND} -DFROM=${WIRSEL_PREBUILT_DATA}/son-mixed.dic -DTO=${SON_MIXED}
            -P ${CMAKE_CURRENT_LIST_DIR}/copy_if_exists.cmake
    DEPENDS ${WIRSEL_PREBUILT_DATA}/son.dic
    COMMENT "Copying son.dic")
elseif(EXISTS ${SPELL_AFF} AND EXISTS ${SPELL_DIC})
  add_custom_command(OUTPUT ${SON_DIC}
    BYPRODUCTS ${SON_MIXED}
    COMMAND mkdict ${SPELL_AFF} ${SPELL_DIC} ${SON_DIC}
    DEPENDS mkdict ${SPELL_AFF} ${SPELL_DIC}
    COMMENT "Compiling son.dic from hunspell-pl")
else()
  message(WARNING "hunspell-pl is not installed: son.dic is not built")
  return()
endif()
add_custom_target(spell_data ALL DEPENDS ${SON_DIC})
