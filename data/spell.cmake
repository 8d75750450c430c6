# son.dic from Debian's hunspell-pl, compiled by mkdict into the XTensions
# folder (copied from WIRSEL_PREBUILT_DATA when that is set).
set(SPELL_AFF /usr/share/hunspell/pl_PL.aff)
set(SPELL_DIC /usr/share/hunspell/pl_PL.dic)
set(SON_DIC ${WIRSEL_XTENSIONS_DIR}/son.dic)
if(WIRSEL_PREBUILT_DATA)
  add_custom_command(OUTPUT ${SON_DIC}
    COMMAND ${CMAKE_COMMAND} -E copy ${WIRSEL_PREBUILT_DATA}/son.dic ${SON_DIC}
    DEPENDS ${WIRSEL_PREBUILT_DATA}/son.dic
    COMMENT "Copying son.dic")
elseif(EXISTS ${SPELL_AFF} AND EXISTS ${SPELL_DIC})
  add_custom_command(OUTPUT ${SON_DIC}
    COMMAND mkdict ${SPELL_AFF} ${SPELL_DIC} ${SON_DIC}
    DEPENDS mkdict ${SPELL_AFF} ${SPELL_DIC}
    COMMENT "Compiling son.dic from hunspell-pl")
else()
  message(WARNING "hunspell-pl is not installed: son.dic is not built")
  return()
endif()
add_custom_target(spell_data ALL DEPENDS ${SON_DIC})
