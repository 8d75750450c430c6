# PLHYPH.DAT, compiled by mkhyph from Debian's Polish hyphenation patterns
# (package hyphen-pl), or copied from WIRSEL_PREBUILT_DATA when that is set.
set(WIRSEL_HYPH_PATTERNS /usr/share/hyphen/hyph_pl_PL.dic CACHE FILEPATH
    "Liang patterns (ISO-8859-2) that PLHYPH.DAT is compiled from")
set(WIRSEL_PLHYPH_DAT ${WIRSEL_XTENSIONS_DIR}/PLHYPH.DAT)
if(WIRSEL_PREBUILT_DATA)
  add_custom_command(OUTPUT ${WIRSEL_PLHYPH_DAT}
    COMMAND ${CMAKE_COMMAND} -E copy ${WIRSEL_PREBUILT_DATA}/PLHYPH.DAT ${WIRSEL_PLHYPH_DAT}
    DEPENDS ${WIRSEL_PREBUILT_DATA}/PLHYPH.DAT
    COMMENT "Copying PLHYPH.DAT")
else()
  add_custom_command(OUTPUT ${WIRSEL_PLHYPH_DAT}
    COMMAND mkhyph ${WIRSEL_HYPH_PATTERNS} ${WIRSEL_PLHYPH_DAT}
    DEPENDS mkhyph ${WIRSEL_HYPH_PATTERNS}
    COMMENT "Compiling PLHYPH.DAT")
endif()
add_custom_target(hyph_data ALL DEPENDS ${WIRSEL_PLHYPH_DAT})
